#include "ui/main/ResultViewsInternal.h"

#include "ui/Controls.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace ResultViews {

FigureLabels addFigureLabels(QGroupBox *box, QGridLayout *grid, QVBoxLayout *column, const QString &prefix)
{
    const auto named = [&](const char *name) { return QStringLiteral("lbl") + prefix + QLatin1String(name); };
    FigureLabels l{};
    l.total = Controls::label(box, named("ZongGong"));
    l.done = Controls::label(box, named("YiDa"));
    l.notDone = Controls::label(box, named("WeiDa"));
    l.right = Controls::label(box, named("Dui"));
    l.wrong = Controls::label(box, named("Cuo"));
    grid->addWidget(l.total, 2, 0, 1, 4);
    grid->addWidget(l.done, 3, 0, 1, 2);
    grid->addWidget(l.notDone, 3, 2, 1, 2);
    grid->addWidget(l.right, 4, 0, 1, 2);
    grid->addWidget(l.wrong, 4, 2, 1, 2);
    for (int i = 0; i < grid->count(); ++i)
        Controls::setPointSize(grid->itemAt(i)->widget(), 11);
    column->addLayout(grid);

    auto *score = new QVBoxLayout;
    score->setSpacing(6);
    l.full = Controls::boldLabel(box, named("ManFen"), QString(), 14);
    l.earned = Controls::boldLabel(box, named("DeFen"), QString(), 14);
    l.rate = Controls::boldLabel(box, named("ZhengQueLv"), QString(), 14);
    l.earned->setStyleSheet(QStringLiteral("color: #c0392b;"));
    for (QLabel *line : {l.full, l.earned, l.rate})
        score->addWidget(line);
    column->addLayout(score);
    return l;
}

void showFigures(const FigureLabels &labels, const Figures &f, const QString &totalCaption,
                 const QString &doneCaption, const QString &notDoneCaption)
{
    const int entries = f.answered + f.unanswered;
    const bool subQuestions = f.questions != entries;
    const QString unit = subQuestions ? QStringLiteral("小题") : QStringLiteral("题");
    labels.total->setText(subQuestions ? QStringLiteral("%1%2题，共%3小题").arg(totalCaption).arg(f.questions).arg(entries)
                                       : QStringLiteral("%1%2题").arg(totalCaption).arg(entries));
    labels.done->setText(doneCaption + QString::number(f.answered) + unit);
    labels.notDone->setText(notDoneCaption + QString::number(f.unanswered) + unit);
    labels.right->setText(QStringLiteral("正确题数：%1").arg(f.right) + unit);
    labels.wrong->setText(QStringLiteral("错误题数：%1").arg(f.wrong) + unit);
    labels.full->setText(QStringLiteral("满分：") + points(f.full) + QStringLiteral("分"));
    labels.earned->setText(QStringLiteral("您本次得分：") + points(f.earned) + QStringLiteral("分"));
    // A share of the points, named so that it is not taken for the history's share of
    // answered questions that were right.
    QString rate = QStringLiteral("0");
    if (f.full != 0)
        rate = QString::number(double(qint64(f.earned) * 100) / f.full, 'f', 2);
    labels.rate->setText(QStringLiteral("得分率为：") + rate + QStringLiteral("%"));
    labels.rate->setToolTip(QStringLiteral("得分占满分的比例"));
}

} // namespace ResultViews
