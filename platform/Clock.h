#pragma once
#include <QDateTime>

// The local clock. Tests pin it so that countdowns, dates and run identifiers are exact.
class Clock
{
public:
    static QDateTime now();
    static void set(const QDateTime &fixed);
    static void advance(qint64 seconds);
    static void reset();
};
