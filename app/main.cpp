#include "app/Startup.h"

#include <QApplication>
#include <QtGlobal>

#include <unistd.h>

int main(int argc, char *argv[])
{
    // The web engine refuses its sandbox when run as root; pages must still show there.
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    return RunAcctPrep(app, QApplication::applicationDirPath());
}
