// Records and lists, the login dialogs and the start-up sequence.
#include "app/Startup.h"
#include "core/UnitDefine.h"
#include "ui/login/UnitLogin.h"
#include "ui/login/UnitLoginSet.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "store/UnitDM.h"
#include "tests/fixtures/TestBank.h"

#include <QApplication>
#include <QLabel>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A login attempt in the dialog: user, password.
using Attempt = QPair<QString, QString>;

}

Q_DECLARE_METATYPE(QList<Attempt>)

class TestCore : public QObject
{
    Q_OBJECT

private slots:
    void init() { EnterTestMode(); }

    void assginDataCopiesEveryField()
    {
        TItem src;
        src.ZhangJieID = "z"; src.ItemID = "i"; src.ItemType = "4"; src.ItemDetail = "d";
        src.ItemA = "a"; src.ItemB = "b"; src.ItemC = "c"; src.ItemD = "dd"; src.ItemE = "e"; src.ItemF = "f";
        src.ItemAnswer = "ans"; src.ItemDesc = "desc"; src.ItemMark = true; src.ItemFav = true;
        src.ItemScore = 333; src.UserAnswer = "AB"; src.UserScore = 200; src.ColorMark = 4;
        src.kind45Index = 5; src.EX_Subject = "sub"; src.ItemPic = "p.png"; src.KeChengID = "k";
        src.KeChengName = "kn"; src.ZhangJieName = "zn";
        TItem copy;
        copy.AssginData(src);
        const QStringList texts = {copy.ZhangJieID, copy.ItemID, copy.ItemType, copy.ItemDetail, copy.ItemA,
                                   copy.ItemB, copy.ItemC, copy.ItemD, copy.ItemE, copy.ItemF, copy.ItemAnswer,
                                   copy.ItemDesc, copy.UserAnswer, copy.EX_Subject, copy.ItemPic,
                                   copy.KeChengID, copy.KeChengName, copy.ZhangJieName};
        QCOMPARE(texts, (QStringList{"z", "i", "4", "d", "a", "b", "c", "dd", "e", "f", "ans", "desc", "AB",
                                     "sub", "p.png", "k", "kn", "zn"}));
        QVERIFY(copy.ItemMark && copy.ItemFav);
        QCOMPARE(copy.ItemScore, 333);
        QCOMPARE(copy.UserScore, 200);
        QCOMPARE(copy.ColorMark, 4);
        QCOMPARE(copy.kind45Index, 5);
    }

    void owningListKeepsOrderAndDuplicates()
    {
        OwningList<TItem> list;
        for (const char *id : {"q1", "q2", "q2", "q3"}) {
            auto item = std::make_unique<TItem>();
            item->ItemID = QString::fromLatin1(id);
            list.add(QString::fromLatin1(id), std::move(item));
        }
        QCOMPARE(list.indexOf("q2"), 1);
        QCOMPARE(list.indexOf("none"), -1);
        list.truncate(3);
        list.removeFirst(1);
        QCOMPARE(list.count(), 2);
        QCOMPARE(list.text(0), QStringLiteral("q2"));
        QCOMPARE(list[1]->ItemID, QStringLiteral("q2"));
        list.removeFirst(5);
        QVERIFY(list.isEmpty());
    }

    void rightAndWrongEntries_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("key"); // a calculation sub-question's key stands in option A
        QTest::addColumn<int>("itemScore");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("outcome"); // right, wrong or none
        const QString entryKey = QStringLiteral("借:库存现金=1000;贷:银行存款=1000");
        const QString rightRows = QStringLiteral("true\r\nfalse\r\n库存现金\r\n1,000.00\r\n"
                                                 "false\r\ntrue\r\n银行存款\r\n1000\r\n");
        const QString wrongRows = QStringLiteral("true\r\nfalse\r\n库存现金\r\n10\r\n"
                                                 "false\r\ntrue\r\n银行存款\r\n1000\r\n");
        QTest::newRow("choice right") << "1" << "A" << 100 << "A" << "right";
        QTest::newRow("choice wrong") << "2" << "AB" << 200 << "A" << "wrong";
        QTest::newRow("unanswered") << "1" << "A" << 100 << "" << "none";
        // An entry answer is stored as rows: it is right by the comparison scoring uses, never
        // by its text against the key's.
        QTest::newRow("entry right") << "4" << entryKey << 334 << rightRows << "right";
        QTest::newRow("entry wrong") << "4" << entryKey << 333 << wrongRows << "wrong";
        QTest::newRow("amount by value") << "4" << "45200" << 333 << " 45,200.00" << "right";
        QTest::newRow("amount wrong") << "4" << "45200" << 333 << "4520" << "wrong";
        // What an entry is worth does not decide whether it is right.
        QTest::newRow("worth nothing, key given") << "1" << "C" << 0 << "C" << "right";
        QTest::newRow("worth nothing, other answer") << "1" << "C" << 0 << "B" << "wrong";
        QTest::newRow("entry worth nothing, right rows") << "4" << entryKey << 0 << rightRows << "right";
        QTest::newRow("entry worth nothing, wrong rows") << "4" << entryKey << 0 << wrongRows << "wrong";
        QTest::newRow("amount worth nothing, right") << "4" << "7800" << 0 << "7800.0" << "right";
    }
    void rightAndWrongEntries()
    {
        QFETCH(QString, type);
        QFETCH(QString, key);
        QFETCH(int, itemScore);
        QFETCH(QString, answer);
        QFETCH(QString, outcome);
        TItem e;
        e.ItemType = type;
        e.kind45Index = 1;
        if (type == QLatin1String("4")) {
            e.ItemA = key;
            e.ItemAnswer = QStringLiteral("见解析");
        } else {
            e.ItemAnswer = key;
        }
        e.ItemScore = itemScore;
        e.UserAnswer = answer;
        QCOMPARE(EntryIsRight(e), outcome == "right");
        QCOMPARE(EntryIsWrong(e), outcome == "wrong");
        QCOMPARE(EarnedScore(e), outcome == "right" ? itemScore : 0);
    }

    void questionsStartWhereTheirEntriesBegin()
    {
        ItemList.clear();
        const auto add = [](const char *id, int sub) {
            auto e = std::make_unique<TItem>();
            const QString itemId = QString::fromLatin1(id);
            e->ItemID = itemId;
            e->kind45Index = sub;
            ItemList.add(itemId, std::move(e));
        };
        add("q1", 1);
        add("calc", 1); // a calculation of sub-questions 1, 2, 4
        add("calc", 2);
        add("calc", 4);
        add("calc", 2); // the same calculation again (logged on another day), from B on
        add("calc", 4);
        add("q2", 1);
        add("q2", 1); // a plain question twice
        QCOMPARE(QuestionStarts(), (std::vector<int>{0, 1, 4, 6, 7}));
        ItemList.clear();
        QVERIFY(QuestionStarts().empty());
    }

    void login_data()
    {
        QTest::addColumn<bool>("stored");
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("pass");
        QTest::addColumn<QList<Attempt>>("attempts");
        QTest::addColumn<bool>("pressExit");
        QTest::addColumn<bool>("canLogin");
        QTest::addColumn<int>("messages");

        const Attempt wrong{"li", "000"};
        const Attempt right{"li", "s3cret"};
        QTest::newRow("right at once") << true << "li" << "s3cret" << QList<Attempt>{right} << false << true << 0;
        QTest::newRow("three wrong then right")
            << true << "li" << "s3cret" << QList<Attempt>{wrong, wrong, wrong, right} << false << true << 3;
        QTest::newRow("four wrong") << true << "li" << "s3cret" << QList<Attempt>{wrong, wrong, wrong, wrong}
                                    << false << false << 4;
        QTest::newRow("exit at once") << true << "li" << "s3cret" << QList<Attempt>{} << true << false << 0;
        QTest::newRow("letter case counts")
            << true << "li" << "s3cret" << QList<Attempt>{{"LI", "S3CRET"}, right} << false << true << 1;
        QTest::newRow("empty inputs, empty stored") << true << "" << "" << QList<Attempt>{{"", ""}} << false << true << 0;
        QTest::newRow("empty inputs, stored pair")
            << true << "li" << "s3cret" << QList<Attempt>{{"", ""}} << true << false << 1;
        QTest::newRow("no row: nothing to ask") << false << "" << "" << QList<Attempt>{} << false << true << 0;
    }
    void login()
    {
        QFETCH(bool, stored);
        QFETCH(QString, user);
        QFETCH(QString, pass);
        QFETCH(QList<Attempt>, attempts);
        QFETCH(bool, pressExit);
        QFETCH(bool, canLogin);
        QFETCH(int, messages);

        TestApp app;
        if (stored)
            app.dm()->SetLogin(1, user, pass);
        QCOMPARE(app.dm()->ShowLogin(), stored);
        QCOMPARE(UID, user);
        // Only a key of the password is stored, never the password.
        if (stored) {
            QVERIFY(PWD.startsWith(QStringLiteral("pbkdf2-sha256$")));
            QVERIFY(pass.isEmpty() || !PWD.contains(pass));
        }

        CanLogin = true;
        if (stored) {
            TfrmLogin dialog(app.dm());
            Modal::setHandler([&](QDialog *) {
                for (const Attempt &a : attempts) {
                    if (!dialog.isVisible())
                        break;
                    dialog.edtUser->setText(a.first);
                    dialog.edtPwd->setText(a.second);
                    dialog.Button1->click();
                    // A wrong password is cleared from its field.
                    if (dialog.isVisible())
                        QVERIFY(dialog.edtPwd->text().isEmpty());
                }
                if (pressExit && dialog.isVisible())
                    dialog.Button2->click();
            });
            Modal::show(&dialog);
            QVERIFY(!dialog.isVisible());
        }
        QCOMPARE(CanLogin, canLogin);
        const auto shown = MessageBox::shown();
        QCOMPARE(shown.size(), messages);
        for (const auto &m : shown) {
            QCOMPARE(m.caption, QStringLiteral("提示"));
            QCOMPARE(m.text, QStringLiteral("密码错误！"));
        }
    }

    void loginDatabaseFailureIsNoWrongAttempt()
    {
        TestApp app;
        app.dm()->SetLogin(1, "li", "pw");
        TfrmLogin dialog(app.dm());
        app.scalar("alter table tabUserLogin rename to tabGone");
        CanLogin = true;
        dialog.show();
        dialog.edtUser->setText("li");
        dialog.edtPwd->setText("pw");
        dialog.Button1->click();
        QCOMPARE(dialog.RetryCnt, 0);
        QVERIFY(dialog.isVisible());
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(MessageBox::shown().first().caption, QStringLiteral("错误"));
        dialog.hide();
    }

    void loginSettingsStoreAndClear()
    {
        TestApp app;
        {
            TfrmLoginSet dialog(app.dm());
            QVERIFY(!dialog.CheckBox1->isChecked());
            QVERIFY(!dialog.Panel1->isEnabled());
            dialog.CheckBox1->click();
            QVERIFY(dialog.Panel1->isEnabled());
            dialog.edtUser->setText("王'老师;");
            dialog.edtPwd->setText("pw");
            dialog.edtPwd2->setText("pw");
            dialog.Button1->click();
        }
        QCOMPARE(MessageBox::shown().last().text, QStringLiteral("登录密码已设置，下次启动时需要输入用户名和密码。"));
        QVERIFY(app.dm()->ShowLogin());
        QCOMPARE(UID, QStringLiteral("王'老师;"));
        QVERIFY(app.dm()->ValidLogin("王'老师;", "pw"));
        {
            TfrmLoginSet dialog(app.dm());
            QVERIFY(dialog.CheckBox1->isChecked());
            QCOMPARE(dialog.edtUser->text(), QStringLiteral("王'老师;"));
            // What is stored is a key: the password fields start empty.
            QVERIFY(dialog.edtPwd->text().isEmpty());
            dialog.CheckBox1->click();
            dialog.Button1->click();
        }
        QCOMPARE(MessageBox::shown().last().text, QStringLiteral("已取消登录，下次启动时不再需要输入密码。"));
        QVERIFY(!app.dm()->ShowLogin());
        QCOMPARE(app.scalar("select count(*) from tabUserLogin").toInt(), 0);
    }

    void loginSettingsAskThePasswordTwice()
    {
        TestApp app;
        TfrmLoginSet dialog(app.dm());
        dialog.CheckBox1->click();
        dialog.edtUser->setText("li");
        dialog.edtPwd->setText("s3cret");
        dialog.edtPwd2->setText("s3cert");
        dialog.Button1->click();
        QCOMPARE(MessageBox::shown().last().text, QStringLiteral("两次输入的密码不一致，请重新输入！"));
        QVERIFY(dialog.edtPwd->text().isEmpty() && dialog.edtPwd2->text().isEmpty());
        QVERIFY(!app.dm()->ShowLogin());
        // The warning lies below the check box and the password fields, clear of both.
        QVERIFY(dialog.Label3->geometry().top() > dialog.Panel1->geometry().bottom());
        QVERIFY(!dialog.Label3->geometry().intersects(dialog.CheckBox1->geometry()));
    }

    // A bank from before keeps the password as typed: it still opens, and is then stored as a key.
    void plainPasswordRewrittenAtLogin()
    {
        TestApp app;
        app.scalar("insert into tabUserLogin(UserName, UserPass) values('li', 's3cret')");
        QVERIFY(!app.dm()->ValidLogin("li", "wrong"));
        QCOMPARE(app.scalar("select UserPass from tabUserLogin").toString(), QStringLiteral("s3cret"));
        QVERIFY(app.dm()->ValidLogin("li", "s3cret"));
        const QString stored = app.scalar("select UserPass from tabUserLogin").toString();
        QVERIFY(stored.startsWith(QStringLiteral("pbkdf2-sha256$")));
        QVERIFY(!stored.contains(QStringLiteral("s3cret")));
        QCOMPARE(app.scalar("select count(*) from tabUserLogin").toInt(), 1);
        QVERIFY(app.dm()->ValidLogin("li", "s3cret"));
        QVERIFY(!app.dm()->ValidLogin("li", "S3CRET"));
        // A stored key that is damaged lets nobody in.
        app.scalar("update tabUserLogin set UserPass = 'pbkdf2-sha256$x$y$z'");
        QVERIFY(!app.dm()->ValidLogin("li", "s3cret"));
    }

    void loginSettingsRefuseAnEmptyUserName()
    {
        TestApp app;
        TfrmLoginSet dialog(app.dm());
        dialog.CheckBox1->click();
        dialog.Button1->click();
        QCOMPARE(MessageBox::shown().size(), 1);
        QVERIFY(!app.dm()->ShowLogin());
    }

    void startupFailures_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("cause");
        QTest::newRow("missing file") << "missing" << "文件不存在";
        QTest::newRow("garbage file") << "garbage" << "不是有效的题库数据库";
        QTest::newRow("missing table") << "notable" << "缺少数据表 tabHelp";
        QTest::newRow("missing column") << "nocolumn" << "数据表 tabItem 缺少列 I_FAV";
    }
    void startupFailures()
    {
        QFETCH(QString, kind);
        QFETCH(QString, cause);
        QTemporaryDir dir;
        QDir(dir.path()).mkpath("Data");
        const QString file = dir.path() + "/Data/sys.db";
        QByteArray before;
        if (kind == "garbage") {
            before = QByteArray("this is not a database at all, just some text\n").repeated(100);
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(before);
        } else if (kind == "notable" || kind == "nocolumn") {
            {
                BankWriter bank(file);
                TestApp::standardBank(bank);
                if (kind == "notable")
                    bank.execute("drop table tabHelp");
                else {
                    bank.execute("drop index idxItemFav"); // an index on it would keep the column
                    bank.execute("alter table tabItem drop column I_FAV");
                }
                bank.commit();
            }
            QFile f(file);
            QVERIFY(f.open(QIODevice::ReadOnly));
            before = f.readAll();
        }

        const int code = RunAcctPrep(*qobject_cast<QApplication *>(QCoreApplication::instance()), dir.path(), false);
        QVERIFY(code != 0);
        const auto shown = MessageBox::shown();
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown.first().text.contains(QDir::toNativeSeparators(file)), qPrintable(shown.first().text));
        QVERIFY2(shown.first().text.contains(cause), qPrintable(shown.first().text));
        if (kind == "missing") {
            QVERIFY(!QFile::exists(file));
        } else {
            QFile f(file);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), before);
        }
    }

    void startupWithAndWithoutLogin_data()
    {
        QTest::addColumn<bool>("stored");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<bool>("dialogShown");
        QTest::newRow("no login stored") << false << "" << 0 << false;
        QTest::newRow("right login") << true << "ok" << 0 << true;
        QTest::newRow("exit") << true << "exit" << 0 << true;
        QTest::newRow("four failures") << true << "fail" << 1 << true;
    }
    void startupWithAndWithoutLogin()
    {
        QFETCH(bool, stored);
        QFETCH(QString, button);
        QFETCH(int, exitCode);
        QFETCH(bool, dialogShown);
        TestApp app;
        if (stored)
            app.dm()->SetLogin(1, "li", "pw");
        bool shown = false;
        Modal::setHandler([&](QDialog *dialog) {
            auto *login = qobject_cast<TfrmLogin *>(dialog);
            if (!login)
                return;
            shown = true;
            if (button == "exit") {
                login->Button2->click();
                return;
            }
            for (int i = 0; i < 4 && login->isVisible(); ++i) {
                login->edtUser->setText("li");
                login->edtPwd->setText(button == "ok" ? "pw" : "nope");
                login->Button1->click();
            }
        });
        const int code = RunAcctPrep(*qobject_cast<QApplication *>(QCoreApplication::instance()), app.dir(), false);
        QCOMPARE(code, exitCode);
        QCOMPARE(shown, dialogShown);
        QCOMPARE(CanLogin, button.isEmpty() || button == "ok");
    }

    // A bank the learner's records cannot be saved in is said at start-up; the program goes on.
    void unwritableBankSaidAtStartup()
    {
        TestApp app;
        {
            QFile file(app.databaseFile());
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.seek(18)); // file format write version above 2: SQLite will not write
            QVERIFY(file.putChar(char(3)));
        }
        const int code = RunAcctPrep(*qobject_cast<QApplication *>(QCoreApplication::instance()), app.dir(), false);
        QCOMPARE(code, 0);
        const auto shown = MessageBox::shown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.first().caption, QStringLiteral("提示"));
        QVERIFY(shown.first().text.contains(QDir::toNativeSeparators(app.databaseFile())));
        QVERIFY(shown.first().text.contains(QStringLiteral("不会被保存")));

        MessageBox::clearShown();
        TestApp fine;
        QCOMPARE(RunAcctPrep(*qobject_cast<QApplication *>(QCoreApplication::instance()), fine.dir(), false), 0);
        QVERIFY(MessageBox::shown().isEmpty());
    }

    // Start-up loads Qt's own Chinese texts: standard buttons read 是/否, 确定/取消.
    void standardButtonsInChinese()
    {
        TestApp app;
        QCOMPARE(RunAcctPrep(*qobject_cast<QApplication *>(QCoreApplication::instance()), app.dir(), false), 0);
        QMessageBox box(QMessageBox::Question, QStringLiteral("确认结束"), QStringLiteral("结束本次练习吗？"),
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Ok | QMessageBox::Cancel);
        const auto text = [&](QMessageBox::StandardButton b) { return box.button(b)->text().remove(QLatin1Char('&')); };
        QVERIFY2(text(QMessageBox::Yes).startsWith(QStringLiteral("是")), qPrintable(text(QMessageBox::Yes)));
        QVERIFY2(text(QMessageBox::No).startsWith(QStringLiteral("否")), qPrintable(text(QMessageBox::No)));
        QVERIFY2(text(QMessageBox::Ok).startsWith(QStringLiteral("确定")), qPrintable(text(QMessageBox::Ok)));
        QVERIFY2(text(QMessageBox::Cancel).startsWith(QStringLiteral("取消")), qPrintable(text(QMessageBox::Cancel)));
        QCOMPARE(box.windowTitle(), QStringLiteral("确认结束"));
    }
};

QTEST_MAIN(TestCore)
#include "tst_core.moc"
