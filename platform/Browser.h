#pragma once
#include <QStringList>

// Opens web addresses in the user's default browser; tests record them instead.
namespace Browser {
void open(const QString &address);
void setTestMode(bool on);
QStringList opened();
void clearOpened();
}
