#include "app/Startup.h"

#include "app/FirstPaint.h"
#include "core/AppPath.h"
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
#include <QEvent>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <memory>

namespace {

// Runs work once, right after the window's first paint has reached the screen.
class AfterFirstPaint : public QObject
{
public:
    AfterFirstPaint(QWidget *window, std::function<void()> work) : QObject(window), m_work(std::move(work))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && m_work) {
            QTimer::singleShot(0, this, std::exchange(m_work, {}));
            watched->removeEventFilter(this);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_work;
};

}

int RunAcctPrep(QApplication &app, const QString &applicationDir, bool runEventLoop,
                const std::function<StartupBank()> &chooseBank)
{
    // Qt's standard buttons (是, 否, 确定, 取消) and dialogs speak the program's language.
    Translations::install();
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
        tell(writeProblem + QStringLiteral("\n\n您仍可以阅读、练习和模拟考试，但成绩、精华标记、错题记录和考试进度不会被保存。"));
    if (!bank.notice.isEmpty())
        tell(bank.notice);

    TMainForm mainForm(DataModuleMain);
    MainForm = &mainForm;
    // The practice and exam windows, each made once for the whole run.
    std::unique_ptr<TfrmZhangJie> practice;
    std::unique_ptr<TfrmKaoShi> exam;
    const auto makeWindows = [&] {
        practice = std::make_unique<TfrmZhangJie>(DataModuleMain);
        frmZhangJie = practice.get();
        exam = std::make_unique<TfrmKaoShi>(DataModuleMain);
        frmKaoShi = exam.get();
    };
    if (!runEventLoop) {
        makeWindows();
        return 0;
    }
    // Made as soon as the main window is on the screen rather than before it: they take as long
    // again as the main window, and no click of the learner is handled before they exist.
    // An exam the last run left unfinished is offered then, once the exam window exists to
    // take it up.
    new AfterFirstPaint(&mainForm, [&] {
        makeWindows();
        mainForm.offerSavedExam();
    });
    // Installed after, so that its report of the first paint comes before the windows are made.
    QuitAtFirstPaintIfAsked(&mainForm);
    splash.reset();
    mainForm.show();
    return app.exec();
}
