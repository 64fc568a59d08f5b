#include "app/Startup.h"

#include "app/FirstPaint.h"
#include "core/UnitDefine.h"
#include "ui/login/UnitLogin.h"
#include "ui/login/UnitSplash.h"
#include "platform/Modal.h"
#include "platform/MessageBox.h"
#include "platform/Translations.h"
#include "store/UnitDM.h"
#include "ui/main/UnitMain.h"
#include "ui/exam/UnitKaoShi.h"
#include "ui/practice/UnitZhangJie.h"

#include <QApplication>
#include <QDir>

#include <cstdio>
#include <memory>

int RunAcctPrep(QApplication &app, const QString &applicationDir, bool runEventLoop)
{
    // Qt's standard buttons (是, 否, 确定, 取消) and dialogs speak the program's language.
    Translations::install();
    auto splash = std::make_unique<TFormSplash>();
    splash->show();
    app.processEvents();

    ApplicationDir = QDir::cleanPath(applicationDir);
    TDataModuleMain dataModule;
    DataModuleMain = &dataModule;
    struct Forget
    {
        ~Forget() { DataModuleMain = nullptr; MainForm = nullptr; frmZhangJie = nullptr; frmKaoShi = nullptr; }
    } forget;

    CanLogin = true;
    int loginFailures = 0;
    try {
        // The first statement: the database opens here, or start-up ends.
        if (DataModuleMain->ShowLogin()) {
            TfrmLogin login(DataModuleMain);
            splash->hide();
            Modal::show(&login);
            loginFailures = login.RetryCnt;
            splash->show();
        }
    } catch (const StoreError &e) {
        splash->hide();
        std::fprintf(stderr, "AcctPrep: %s\n", qPrintable(e.message()));
        MessageBox::error(nullptr, e.message());
        return 2;
    }
    if (!CanLogin)
        return loginFailures > 3 ? 1 : 0;

    // Said once, now, rather than at the end of the learner's first run; reading and
    // practising still work.
    const QString writeProblem = DataModuleMain->writeProblem();
    if (!writeProblem.isEmpty()) {
        std::fprintf(stderr, "AcctPrep: %s\n", qPrintable(writeProblem));
        splash->hide();
        MessageBox::information(nullptr, QStringLiteral("提示"),
                                writeProblem + QStringLiteral("\n\n您仍可以阅读和练习，但练习成绩、精华标记和错题记录不会被保存。"));
        splash->show();
    }

    TMainForm mainForm(DataModuleMain);
    MainForm = &mainForm;
    TfrmZhangJie practice(DataModuleMain);
    frmZhangJie = &practice;
    TfrmKaoShi exam(DataModuleMain);
    frmKaoShi = &exam;
    splash.reset();

    if (!runEventLoop)
        return 0;
    QuitAtFirstPaintIfAsked(&mainForm);
    mainForm.show();
    return app.exec();
}
