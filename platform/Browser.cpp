#include "platform/Browser.h"

#include <QDesktopServices>
#include <QQueue>
#include <QUrl>

namespace {
bool g_testMode = false;
QStringList g_opened;
QQueue<bool> g_results;
}

namespace Browser {

bool open(const QString &address)
{
    g_opened.append(address);
    if (g_testMode)
        return g_results.isEmpty() || g_results.dequeue();
    return QDesktopServices::openUrl(QUrl::fromUserInput(address));
}

void setTestMode(bool on) { g_testMode = on; }
void setNextResult(bool opened) { g_results.enqueue(opened); }
QStringList opened() { return g_opened; }
void clearOpened()
{
    g_opened.clear();
    g_results.clear();
}

}
