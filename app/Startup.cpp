#include "app/Startup.h"

#include "core/AppPath.h"
#include "core/UnitDefine.h"
#include "ui/login/UnitLogin.h"
#include "ui/login/UnitSplash.h"
#include "platform/Modal.h"
#include "platform/MessageBox.h"
#include "store/UnitDM.h"
#include "ui/main/UnitMain.h"
#include "ui/exam/UnitKaoShi.h"
#include "ui/practice/UnitZhangJie.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

#include <cstdio>
#include <memory>

int RunAcctPrep(QApplication &app, const QString &applicationDir, bool runEventLoop,
                const std::function<StartupBank()> &chooseBank)
{
    auto splash = std::make_unique<TFormSplash>();
    splash->show();
    app.processEvents();

    const auto failed = [&](const StoreError &e) {
        splash->hide();
        std::fprintf(stderr, "AcctPrep: %s\n", qPrintable(e.message()));
        MessageBox::error(nullptr, e.message());
        return 2;
    };
    // Said once, at start-up, rather than in the middle of the learner's work.
    const auto tell = [&](const QString &text) {
        std::fprintf(stderr, "AcctPrep: %s\n", qPrintable(text));
        splash->hide();
        MessageBox::information(nullptr, QStringLiteral("提示"), text);
        splash->show();
    };

    ApplicationDir = QDir::cleanPath(applicationDir);
    struct Forget
    {
        ~Forget()
        {
            DataModuleMain = nullptr;
            MainForm = nullptr;
            frmZhangJie = nullptr;
            frmKaoShi = nullptr;
            PictureDir.clear();
        }
    } forget;
    StartupBank bank;
    try {
        if (chooseBank)
            bank = chooseBank();
    } catch (const StoreError &e) {
        return failed(e);
    }
    PictureDir = bank.pictureDir;
    TDataModuleMain dataModule(bank.file);
    if (!bank.readOnlyReason.isEmpty())
        dataModule.setReadOnly(bank.readOnlyReason);
    DataModuleMain = &dataModule;

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
        return failed(e);
    }
    if (!CanLogin)
        return loginFailures > 3 ? 1 : 0;

    // Reading and practising still work.
    const QString writeProblem = DataModuleMain->writeProblem();
    if (!writeProblem.isEmpty())
        tell(writeProblem + QStringLiteral("\n\n您仍可以阅读和练习，但练习成绩、精华标记和错题记录不会被保存。"));
    if (!bank.notice.isEmpty())
        tell(bank.notice);

    TMainForm mainForm(DataModuleMain);
    MainForm = &mainForm;
    TfrmZhangJie practice(DataModuleMain);
    frmZhangJie = &practice;
    TfrmKaoShi exam(DataModuleMain);
    frmKaoShi = &exam;
    splash.reset();

    if (!runEventLoop)
        return 0;
    mainForm.show();
    // An exam the last run left unfinished is offered once the window is up.
    QTimer::singleShot(0, &mainForm, &TMainForm::offerSavedExam);
    return app.exec();
}
