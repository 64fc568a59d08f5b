#include "app/AppFiles.h"
#include "app/CommandLine.h"
#include "app/Startup.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    SetApplicationIdentity();
    QTextStream out(stdout), err(stderr);
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // --help and --version are answered before anything needs a display.
    if (const CommandLine early = ParseCommandLine(arguments, out, err, false); early.done)
        return early.exitCode;

    // No web engine, no shared OpenGL context and no sandbox setting here: all wait for the
    // first page shown (platform/PageEngineLoader.cpp), so start-up does not pay for them.
    QApplication app(argc, argv);
    const CommandLine commandLine = ParseCommandLine(QApplication::arguments(), out, err);
    if (commandLine.done)
        return commandLine.exitCode;
    // The icon theme knows the program's icon by its desktop id.
    QApplication::setWindowIcon(QIcon::fromTheme(QGuiApplication::desktopFileName()));
    const AppFiles files = FindAppFiles(QApplication::applicationDirPath());
    if (!files.pluginDir.isEmpty())
        QApplication::addLibraryPath(files.pluginDir);
    return RunAcctPrep(app, files.applicationDir, true,
                       [&] { return ChooseBank(files, commandLine.bankFile, UserDataFolder()); });
}
