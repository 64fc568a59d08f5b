// acctprep-screens APPDIR OUTDIR: starts the program's windows offscreen on a scratch copy of
// APPDIR's bank and writes one picture per registered shot into OUTDIR.
#include "Shots.h"

#include "core/UnitDefine.h"
#include "platform/Browser.h"
#include "platform/MessageBox.h"
#include "platform/Translations.h"
#include "store/UnitDM.h"
#include "ui/exam/UnitKaoShi.h"
#include "ui/main/UnitMain.h"
#include "ui/practice/UnitZhangJie.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QTemporaryDir>
#include <QWidget>

#include <cstdio>
#include <exception>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Translations::install();

    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: acctprep-screens APPDIR OUTDIR\n"
                             "  APPDIR  application directory (Data/sys.db, image/, html/)\n"
                             "  OUTDIR  directory for the pictures (made if missing)\n");
        return 2;
    }
    const QString appDir = QDir(args.at(1)).absolutePath();
    const QString outDir = QDir(args.at(2)).absolutePath();
    const QString bank = appDir + QStringLiteral("/Data/sys.db");
    if (!QFile::exists(bank)) {
        std::fprintf(stderr, "acctprep-screens: no question bank at %s\n", qPrintable(bank));
        return 1;
    }
    QTemporaryDir scratch;
    const QString copy = scratch.path() + QStringLiteral("/sys.db");
    if (!scratch.isValid() || !QFile::copy(bank, copy)
        || !QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner)) {
        std::fprintf(stderr, "acctprep-screens: cannot copy %s to a scratch directory\n", qPrintable(bank));
        return 1;
    }
    if (!QDir().mkpath(outDir)) {
        std::fprintf(stderr, "acctprep-screens: cannot make %s\n", qPrintable(outDir));
        return 1;
    }

    ApplicationDir = appDir;
    // The web view plugin lives in the application directory, beside the program.
    QCoreApplication::addLibraryPath(appDir);
    // No box may wait for a click and no browser may open; what would have shown is reported.
    MessageBox::setTestMode(true);
    Browser::setTestMode(true);

    int failures = 0;
    try {
        TDataModuleMain dataModule(copy);
        DataModuleMain = &dataModule;
        TMainForm mainForm(&dataModule);
        MainForm = &mainForm;
        TfrmZhangJie practice(&dataModule);
        frmZhangJie = &practice;
        TfrmKaoShi exam(&dataModule);
        frmKaoShi = &exam;
        mainForm.show();

        ShotContext context{appDir, scratch.path(), &dataModule, &mainForm, &practice, &exam};
        for (const Shot &shot : Shots::all()) {
            MessageBox::clearShown();
            QWidget *target = nullptr;
            try {
                target = shot.take(context);
            } catch (const std::exception &e) {
                std::fprintf(stderr, "%s: failed: %s\n", qPrintable(shot.name), e.what());
            }
            for (const MessageBox::Shown &box : MessageBox::shown())
                std::fprintf(stderr, "%s: message box [%s] %s\n", qPrintable(shot.name), qPrintable(box.caption),
                             qPrintable(box.text));
            if (!target) {
                ++failures;
                continue;
            }
            Shots::settle(target);
            const QString file = outDir + QLatin1Char('/') + shot.name + QStringLiteral(".png");
            if (target->grab().save(file)) {
                std::printf("%s\n", qPrintable(file));
            } else {
                std::fprintf(stderr, "%s: cannot write %s\n", qPrintable(shot.name), qPrintable(file));
                ++failures;
            }
        }
        DataModuleMain = nullptr;
        MainForm = nullptr;
        frmZhangJie = nullptr;
        frmKaoShi = nullptr;
    } catch (const std::exception &e) {
        std::fprintf(stderr, "acctprep-screens: %s\n", e.what());
        return 1;
    }
    return failures == 0 ? 0 : 1;
}
