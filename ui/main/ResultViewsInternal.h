#pragma once
// What the practice and exam result views share and nothing else needs.

#include <QDateTime>
#include <QString>
#include <QTime>

#include <algorithm>

namespace ResultViews {

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
