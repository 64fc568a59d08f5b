#include "app/Startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // No web engine and no shared OpenGL context here: both wait for the first page shown
    // (platform/PageEngineLoader.cpp), so start-up does not pay for them.
    QApplication app(argc, argv);
    return RunAcctPrep(app, QApplication::applicationDirPath());
}
