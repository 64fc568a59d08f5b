#pragma once
#include <QStringList>

// Opens web addresses in the user's default browser; tests record them instead.
namespace Browser {
// False when no browser could be asked to open it.
bool open(const QString &address);
void setTestMode(bool on);
// Test mode: what the next open() reports (queued; true once the queue is empty).
void setNextResult(bool opened);
QStringList opened();
void clearOpened();
}
