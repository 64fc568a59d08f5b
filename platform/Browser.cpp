#include "platform/Browser.h"

#include <QDesktopServices>
#include <QUrl>

namespace {
bool g_testMode = false;
QStringList g_opened;
}

namespace Browser {

void open(const QString &address)
{
    g_opened.append(address);
    if (!g_testMode)
        QDesktopServices::openUrl(QUrl::fromUserInput(address)); // failures are not the learner's business
}

void setTestMode(bool on) { g_testMode = on; }
QStringList opened() { return g_opened; }
void clearOpened() { g_opened.clear(); }

}
