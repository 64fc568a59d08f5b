#include "platform/Clock.h"

namespace {
QDateTime g_fixed;
}

QDateTime Clock::now()
{
    return g_fixed.isValid() ? g_fixed : QDateTime::currentDateTime();
}

void Clock::set(const QDateTime &fixed) { g_fixed = fixed; }

void Clock::advance(qint64 seconds)
{
    if (g_fixed.isValid())
        g_fixed = g_fixed.addSecs(seconds);
}

void Clock::reset() { g_fixed = QDateTime(); }
