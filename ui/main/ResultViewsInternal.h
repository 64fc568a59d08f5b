#pragma once
// What the practice and exam result views share and nothing else needs.
#include <QDateTime>
#include <QString>
#include <QTime>

#include <algorithm>

class QGridLayout;
class QGroupBox;
class QLabel;
class QVBoxLayout;

namespace ResultViews {

// The count lines and the three score lines of a result view.
struct FigureLabels
{
    QLabel *total, *done, *notDone, *right, *wrong, *full, *earned, *rate;
};

// Adds them to a view: the counts in rows 2 to 4 of grid, the score lines below the grid in
// column. Named lbl<prefix>ZongGong, …YiDa, …WeiDa, …Dui, …Cuo, …ManFen, …DeFen, …ZhengQueLv.
FigureLabels addFigureLabels(QGroupBox *box, QGridLayout *grid, QVBoxLayout *column, const QString &prefix);

// What a finished run or exam counted; scores in hundredths of a point.
struct Figures
{
    int questions, answered, unanswered, right, wrong, full, earned;
};

// Fills the lines. The counts are of entries; where calculation or case questions make them
// more than the questions, they say so. The captions of the first three lines differ between
// practice and exam.
void showFigures(const FigureLabels &labels, const Figures &figures, const QString &totalCaption,
                 const QString &doneCaption, const QString &notDoneCaption);

// Time between two moments as "hh:mm:ss": only the part below a day; a clock set back
// counts as no time.
inline QString elapsed(const QDateTime &from, const QDateTime &to)
{
    const qint64 seconds = std::max<qint64>(0, from.secsTo(to)) % 86400;
    return QTime(0, 0).addSecs(int(seconds)).toString(QStringLiteral("hh:mm:ss"));
}

// Hundredths of a point as points, "0.00".
inline QString points(int hundredths)
{
    return QString::number(hundredths / 100.0, 'f', 2);
}

} // namespace ResultViews
