#include "app/AppFiles.h"
#include "app/CommandLine.h"
#include "app/Startup.h"

#include <QApplication>
#include <QIcon>
#include <QtGlobal>

#include <unistd.h>

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

    // The web engine refuses its sandbox when run as root; pages must still show there.
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    const CommandLine commandLine = ParseCommandLine(QApplication::arguments(), out, err);
    if (commandLine.done)
        return commandLine.exitCode;
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("acctprep")));
    const AppFiles files = FindAppFiles(QApplication::applicationDirPath());
    if (!files.pluginDir.isEmpty())
        QApplication::addLibraryPath(files.pluginDir);
    return RunAcctPrep(app, files.applicationDir, true,
                       [&] { return ChooseBank(files, commandLine.bankFile, UserDataFolder()); });
}
