// An exam kept in the bank as it is answered, through the real main and exam windows: what a
// crash leaves is read back by a second run of the windows on a copy of the bank taken while
// the exam was open, and resumed there.
#include "app/Startup.h"
#include "core/UnitDefine.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "store/ExamSave.h"
#include "store/UnitDM.h"
#include "tests/fixtures/TestBank.h"
#include "ui/Controls.h"
#include "core/EntryAnswer.h"
#include "ui/entry/EntryPanels.h"
#include "ui/exam/AnswerCard.h"
#include "ui/exam/UnitKaoShi.h"
#include "ui/main/UnitMain.h"
#include "ui/practice/UnitZhangJie.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QRadioButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

const QDateTime Start(QDate(2024, 6, 3), QTime(9, 0, 0));
const QString CashKey = QStringLiteral("借:库存现金=1000;贷:银行存款=1000");

// Course "02" 会计基础, paper "0291": two single choices (A, B), a multiple choice (AB), a
// true/false question (A) and a calculation question with an entry and an amount (5000).
void saveBank(BankWriter &bank)
{
    bank.addCourse(QStringLiteral("02"), QStringLiteral("会计基础"));
    bank.addChapter(QStringLiteral("0291"), QStringLiteral("基础试卷"), QStringLiteral("02"), QStringLiteral("2"));
    bank.addQuestion(TestApp::examChoice(QStringLiteral("0291-001"), QStringLiteral("0291"), QStringLiteral("1"), QStringLiteral("A"), 1));
    bank.addQuestion(TestApp::examChoice(QStringLiteral("0291-002"), QStringLiteral("0291"), QStringLiteral("1"), QStringLiteral("B"), 1));
    bank.addQuestion(TestApp::examChoice(QStringLiteral("0291-003"), QStringLiteral("0291"), QStringLiteral("2"), QStringLiteral("AB"), 2));
    bank.addQuestion(TestApp::examChoice(QStringLiteral("0291-004"), QStringLiteral("0291"), QStringLiteral("3"), QStringLiteral("A"), 1));
    BankQuestion calc;
    calc.id = QStringLiteral("0291-005");
    calc.chapterId = QStringLiteral("0291");
    calc.type = QStringLiteral("4");
    calc.text = QStringLiteral("计算题");
    calc.options = {CashKey, QStringLiteral("5000"), QStringLiteral("-")};
    calc.answer = QStringLiteral("见解析");
    calc.score = 8;
    bank.addQuestion(calc);
    bank.addAccount(QStringLiteral("1001"), QStringLiteral("库存现金"), QStringLiteral("1001"), QStringLiteral("库存现金"));
    bank.addAccount(QStringLiteral("1002"), QStringLiteral("银行存款"), QStringLiteral("1002"), QStringLiteral("银行存款"));
}

// One run of the program's windows on a bank file.
struct Run
{
    explicit Run(const QString &bank) : dm(bank), main(&dm), window(&dm) { frmKaoShi = &window; }
    ~Run()
    {
        if (frmKaoShi == &window)
            frmKaoShi = nullptr;
        ItemList.clear();
    }

    void choosePaper()
    {
        main.SpeedButton4Click();
        main.cbKaoShi->setCurrentIndex(main.cbKaoShi->findText(QStringLiteral("会计基础")));
        for (QToolButton *b : main.ScrollBoxKaoShi->findChildren<QToolButton *>())
            if (b->text() == QStringLiteral("基础试卷"))
                b->click();
    }
    // Starts a paper (or a random exam) at Start; act() drives the exam window while it shows.
    void sit(bool random, const std::function<void()> &act)
    {
        Clock::set(Start);
        Modal::setHandler([&](QDialog *) { act(); });
        choosePaper();
        if (random)
            main.SpeedButton30Click();
        else
            main.sbKaiShiKaoShiClick();
        Modal::clearHandler();
    }
    void enter()
    {
        window.Timer2Timer();
        window.Label9Click();
        window.Label10Click();
        window.Label12Click();
    }
    void go(int position)
    {
        window.pnlItemAllClick(window.findChild<QWidget *>(QStringLiteral("pnlItem%1").arg(101 + position)));
    }
    void tick(int position, const QString &letters)
    {
        go(position);
        for (QChar letter : letters)
            window.findChild<QCheckBox *>(QStringLiteral("cb") + letter)->click();
    }
    int position(const QString &id, int k = 1) const
    {
        for (int i = 0; i < ItemList.count(); ++i)
            if (ItemList[i]->ItemID == id && ItemList[i]->kind45Index == k)
                return i;
        return -1;
    }
    void handIn()
    {
        MessageBox::setNextAnswer(QMessageBox::Yes);
        MessageBox::setNextAnswer(QMessageBox::Yes);
        window.sbEndExClick();
    }
    int count(const QString &table)
    {
        QSqlQuery q(dm.database());
        return q.exec(QStringLiteral("select count(*) from %1").arg(table)) && q.next() ? q.value(0).toInt() : -1;
    }

    TDataModuleMain dm;
    TMainForm main;
    TfrmKaoShi window;
};

// What the candidate's work looks like, record by record.
QStringList work()
{
    QStringList records;
    for (int i = 0; i < ItemList.count(); ++i) {
        const TItem &e = *ItemList[i];
        records << QStringLiteral("%1/%2 [%3] %4 %5 %6")
                       .arg(e.ItemID)
                       .arg(e.kind45Index)
                       .arg(e.UserAnswer)
                       .arg(e.UserScore)
                       .arg(e.ColorMark)
                       .arg(e.ItemMark);
    }
    return records;
}

// The bank as a crash would leave it now: a copy of the file, with no save in flight.
QString crashImage(TestApp &app, QTemporaryDir &dir)
{
    const QString copy = dir.filePath(QStringLiteral("crash.db"));
    QFile::remove(copy);
    if (!QFile::copy(app.databaseFile(), copy))
        return QString();
    return copy;
}

// The bank as a crash leaves it while a paper is open with its first question answered A.
QString crashedWithOneAnswer(TestApp &app, QTemporaryDir &dir)
{
    QString image;
    Run first(app.databaseFile());
    first.sit(false, [&] {
        first.enter();
        first.tick(0, QStringLiteral("A"));
        QCoreApplication::processEvents();
        image = crashImage(app, dir);
    });
    return image;
}

} // namespace

class TestExamSave : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLoggingCategory::setFilterRules(QStringLiteral("acctprep.pictures.warning=false")); }
    void cleanup()
    {
        ItemList.clear();
        Modal::clearHandler();
        MessageBox::clearShown();
        Clock::reset();
        frmKaoShi = nullptr;
    }

    void answersComeBackAfterACrash_data();
    void answersComeBackAfterACrash();
    void decliningTheResume_data();
    void decliningTheResume();
    void startUpOffersTheSavedExam();
    void handInAndLeavingEndTheSavedExam_data();
    void handInAndLeavingEndTheSavedExam();
    void oneWritePerBurst();
    void bankWithoutTheTables_data();
    void bankWithoutTheTables();
    void bankThatCannotBeWritten();
    void paperNoLongerInTheBank_data();
    void paperNoLongerInTheBank();
    void untimedExamResumesWithoutALimit();
    void newExamAsksBeforeReplacingAKeptOne_data();
    void newExamAsksBeforeReplacingAKeptOne();
    void resumedAnswersScoredAgainstTheBankNow_data();
    void resumedAnswersScoredAgainstTheBankNow();
};

void TestExamSave::answersComeBackAfterACrash_data()
{
    QTest::addColumn<bool>("random");
    QTest::newRow("paper") << false;
    QTest::newRow("random exam, drawn questions") << true;
}

void TestExamSave::answersComeBackAfterACrash()
{
    QFETCH(bool, random);
    TestApp app(saveBank);
    QTemporaryDir dir;
    QString image, testId, amountTyped = QStringLiteral(" 5,000");
    QStringList before;
    QStringList ids;
    int shown = -1;
    {
        Run first(app.databaseFile());
        first.sit(random, [&] {
            QVERIFY(QTest::qWaitForWindowActive(&first.window));
            first.enter();
            first.tick(first.position(QStringLiteral("0291-001")), QStringLiteral("A"));
            first.tick(first.position(QStringLiteral("0291-002")), QStringLiteral("C"));
            first.tick(first.position(QStringLiteral("0291-003")), QStringLiteral("CA"));
            first.window.sbDaiChaClick(); // answered, then flagged
            first.go(first.position(QStringLiteral("0291-004")));
            first.window.sbDaiChaClick(); // flagged, unanswered

            // The calculation question: two entry rows, the credit first, and the amount as typed.
            const int entry = first.position(QStringLiteral("0291-005"), 1);
            first.go(entry);
            TEntryPanels *p = first.window.Panel11n;
            QTest::mouseClick(p->control<QRadioButton>(QStringLiteral("pnlA_"), QStringLiteral("rbD1")), Qt::LeftButton);
            auto *km1 = p->control<QLineEdit>(QStringLiteral("pnlA_"), QStringLiteral("edtKM1"));
            km1->setFocus();
            km1->setText(QStringLiteral("银行存款"));
            auto *je1 = p->control<QLineEdit>(QStringLiteral("pnlA_"), QStringLiteral("edtJE1"));
            je1->setFocus();
            QTest::keyClicks(je1, QStringLiteral("1000"));
            QTest::mouseClick(p->control<QRadioButton>(QStringLiteral("pnlA_"), QStringLiteral("rbJ2")), Qt::LeftButton);
            auto *km2 = p->control<QLineEdit>(QStringLiteral("pnlA_"), QStringLiteral("edtKM2"));
            km2->setFocus();
            km2->setText(QStringLiteral("库存现金"));
            auto *je2 = p->control<QLineEdit>(QStringLiteral("pnlA_"), QStringLiteral("edtJE2"));
            je2->setFocus();
            QTest::keyClicks(je2, QStringLiteral("1000"));
            auto *amount = p->control<QLineEdit>(QStringLiteral("p2lB_"), QStringLiteral("edtJE"));
            amount->setFocus();
            QTest::keyClicks(amount, amountTyped);
            // Last shown: the second single choice.
            shown = first.position(QStringLiteral("0291-002"));
            first.go(shown);
            Clock::advance(600);
            // The saves run as the event loop turns; then the program is killed.
            QCoreApplication::processEvents();
            before = work();
            testId = first.window.Test_ID;
            for (int i = 0; i < ItemList.count(); ++i)
                ids << ItemList[i]->ItemID;
            image = crashImage(app, dir);
        });
    }
    QVERIFY(!image.isEmpty());
    QVERIFY(before.join(QLatin1Char('\n')).contains(QStringLiteral("0291-005/1 [false\r\ntrue\r\n银行存款\r\n1000\r\n"
                                                                   "true\r\nfalse\r\n库存现金\r\n1000\r\n] 400 4 0")));
    QVERIFY(before.join(QLatin1Char('\n')).contains(QStringLiteral("0291-005/2 [ 5,000] 400 4 0")));
    QVERIFY(before.join(QLatin1Char('\n')).contains(QStringLiteral("0291-004/1 [] 0 2 1")));
    QVERIFY(before.join(QLatin1Char('\n')).contains(QStringLiteral("0291-003/1 [AC] 0 2 1")));

    // The next start, three hours later, on what the crash left.
    Clock::set(Start.addSecs(600 + 3 * 3600));
    Run second(image);
    QStringList after, afterIds, rows;
    QString screen, leftTime, leftLater, amountShown, flagCaption;
    QColor flaggedCell;
    int position = -1;
    Modal::setHandler([&](QDialog *) {
        after = work();
        for (int i = 0; i < ItemList.count(); ++i)
            afterIds << ItemList[i]->ItemID;
        position = second.window.Item_Index;
        screen = second.window.currentScreen()->objectName();
        leftTime = second.window.lblLeftTime->text();
        Clock::advance(60);
        second.window.Timer1Timer();
        leftLater = second.window.lblLeftTime->text();
        flaggedCell = second.window.findChild<TCardCell *>(
                                       QStringLiteral("pnlItem%1").arg(101 + second.position(QStringLiteral("0291-004"))))
                          ->color();
        second.go(second.position(QStringLiteral("0291-005"), 2));
        TEntryPanels *p = second.window.Panel11n;
        for (int r = 1; r <= 2; ++r)
            rows << QStringLiteral("%1 %2 %3 %4")
                        .arg(p->control<QRadioButton>(QStringLiteral("pnlA_"), QStringLiteral("rbJ%1").arg(r))->isChecked())
                        .arg(p->control<QRadioButton>(QStringLiteral("pnlA_"), QStringLiteral("rbD%1").arg(r))->isChecked())
                        .arg(p->control<QLineEdit>(QStringLiteral("pnlA_"), QStringLiteral("edtKM%1").arg(r))->text(),
                             p->control<QLineEdit>(QStringLiteral("pnlA_"), QStringLiteral("edtJE%1").arg(r))->text());
        amountShown = p->control<QLineEdit>(QStringLiteral("p2lB_"), QStringLiteral("edtJE"))->text();
        second.go(second.position(QStringLiteral("0291-004")));
        flagCaption = second.window.sbDaiCha->text();
        second.handIn();
    });
    MessageBox::setNextAnswer(QMessageBox::Yes);
    second.main.offerSavedExam();
    QVERIFY(!MessageBox::shown().isEmpty());
    QCOMPARE(MessageBox::shown().first().caption, QStringLiteral("继续考试"));
    QCOMPARE(MessageBox::shown().first().text,
             QStringLiteral("发现未交卷的模拟考试（会计基础、%1、2024-06-03 09:00），是否继续？")
                 .arg(random ? QStringLiteral("随机考试") : QStringLiteral("基础试卷")));
    QCOMPARE(afterIds, ids);
    QCOMPARE(after, before);
    QCOMPARE(position, shown);
    QCOMPARE(screen, QStringLiteral("Panel5"));
    QCOMPARE(leftTime, QStringLiteral("00:50:00"));
    QCOMPARE(leftLater, QStringLiteral("00:49:00"));
    QCOMPARE(flaggedCell, DaiChaColor);
    QCOMPARE(rows, (QStringList{"0 1 银行存款 1000", "1 0 库存现金 1000"}));
    QCOMPARE(amountShown, amountTyped);
    QCOMPARE(flagCaption, QStringLiteral("取消待查"));

    // Handed in under its own identifier, with the time used while the program ran.
    QCOMPARE(second.window.Test_ID, testId);
    QSqlQuery q(second.dm.database());
    QVERIFY(q.exec(QStringLiteral("select TEST_ID, TEST_TIME, TEST_HAVDO from tabTestHis")) && q.next());
    QCOMPARE(q.value(0).toString(), testId);
    QCOMPARE(q.value(1).toString(), QStringLiteral("00:11:00"));
    QCOMPARE(q.value(2).toString(), QStringLiteral("5"));
    QCOMPARE(second.main.lblKaoShiKaiShi->text(), QStringLiteral("09:00:00"));
    QCOMPARE(second.main.lblKaoShiYongShi->text(), QStringLiteral("00:11:00"));
    QCOMPARE(second.count(QStringLiteral("tabExamSave")), 0);
    QCOMPARE(second.count(QStringLiteral("tabExamSaveItem")), 0);
}

void TestExamSave::decliningTheResume_data()
{
    QTest::addColumn<bool>("discard"); // the answer to the second question
    QTest::newRow("declined, then discarded") << true;
    QTest::newRow("declined, then kept") << false;
}

void TestExamSave::decliningTheResume()
{
    QFETCH(bool, discard);
    TestApp app(saveBank);
    QTemporaryDir dir;
    const QString image = crashedWithOneAnswer(app, dir);
    Run second(image);
    int shown = 0;
    Modal::setHandler([&](QDialog *) { ++shown; });
    MessageBox::setNextAnswer(QMessageBox::No);
    MessageBox::setNextAnswer(discard ? QMessageBox::Yes : QMessageBox::No);
    second.main.offerSavedExam();
    QCOMPARE(shown, 0);
    QCOMPARE(MessageBox::shown().size(), 2);
    QCOMPARE(MessageBox::shown().at(1).caption, QStringLiteral("放弃考试"));
    QCOMPARE(second.count(QStringLiteral("tabExamSave")), discard ? 0 : 1);
    QCOMPARE(second.count(QStringLiteral("tabTestHis")), 0);

    // Kept, it is offered again at the next start.
    MessageBox::clearShown();
    MessageBox::setNextAnswer(QMessageBox::Yes);
    second.main.offerSavedExam();
    QCOMPARE(shown, discard ? 0 : 1);
    QCOMPARE(MessageBox::shown().size(), discard ? 0 : 1);
}

// The program's own start, event loop and all, offers the exam once its windows are up.
void TestExamSave::startUpOffersTheSavedExam()
{
    TestApp app(saveBank);
    QTemporaryDir dir;
    const QString image = crashedWithOneAnswer(app, dir);
    QVERIFY(QFile::remove(app.databaseFile()));
    QVERIFY(QFile::copy(image, app.databaseFile()));

    // Declined and kept, so that the program's event loop is not left for an exam window.
    MessageBox::setNextAnswer(QMessageBox::No);
    MessageBox::setNextAnswer(QMessageBox::No);
    QTimer watch;
    QElapsedTimer waited;
    waited.start();
    connect(&watch, &QTimer::timeout, [&] {
        if (MessageBox::shown().size() >= 2 || waited.elapsed() > 60000)
            QCoreApplication::quit();
    });
    watch.start(20);
    QCOMPARE(RunAcctPrep(*qobject_cast<QApplication *>(QCoreApplication::instance()), app.dir(), true), 0);
    frmKaoShi = nullptr;
    frmZhangJie = nullptr;
    MainForm = nullptr;

    QCOMPARE(MessageBox::shown().size(), 2);
    QCOMPARE(MessageBox::shown().at(0).caption, QStringLiteral("继续考试"));
    QCOMPARE(MessageBox::shown().at(1).caption, QStringLiteral("放弃考试"));
    Run after(app.databaseFile());
    QCOMPARE(after.count(QStringLiteral("tabExamSave")), 1);
}

void TestExamSave::handInAndLeavingEndTheSavedExam_data()
{
    QTest::addColumn<bool>("handIn");
    QTest::newRow("handed in") << true;
    QTest::newRow("left from the introductory screens") << false;
}

void TestExamSave::handInAndLeavingEndTheSavedExam()
{
    QFETCH(bool, handIn);
    TestApp app(saveBank);
    Run run(app.databaseFile());
    int savedDuring = 0;
    run.sit(false, [&] {
        // Saved from its first moment, the introductory screens included.
        QCoreApplication::processEvents();
        savedDuring = run.count(QStringLiteral("tabExamSave"));
        if (handIn) {
            run.enter();
            run.tick(0, QStringLiteral("A"));
            run.handIn();
        } else {
            run.window.Timer2Timer();
            run.window.Label9Click();
            run.window.Label11Click();
        }
    });
    QCOMPARE(savedDuring, 1);
    QCOMPARE(run.count(QStringLiteral("tabExamSave")), 0);
    QCOMPARE(run.count(QStringLiteral("tabExamSaveItem")), 0);
    QCOMPARE(run.count(QStringLiteral("tabTestHis")), handIn ? 1 : 0);
    if (!handIn)
        return;
    // A review after the hand-in saves nothing.
    Modal::setHandler([&](QDialog *) {
        run.go(1);
        run.window.sbDaiChaClick();
        QCoreApplication::processEvents();
        savedDuring = run.count(QStringLiteral("tabExamSave"));
        run.window.sbEndExClick();
    });
    run.main.SpeedButton23Click();
    QCOMPARE(savedDuring, 0);
    QCOMPARE(run.count(QStringLiteral("tabExamSave")), 0);
}

void TestExamSave::oneWritePerBurst()
{
    TestApp app(saveBank);
    app.scalar(QStringLiteral("create table saves(n integer)"));
    app.scalar(QStringLiteral("insert into saves values(0)"));
    app.scalar(QStringLiteral("create trigger counted after insert on tabExamSave begin update saves set n = n + 1; end"));
    Run run(app.databaseFile());
    QList<int> writes;
    run.sit(false, [&] {
        run.enter();
        QCoreApplication::processEvents();
        const int start = app.scalar(QStringLiteral("select n from saves")).toInt();
        // Five answers and a flag in one burst: one write.
        run.tick(2, QStringLiteral("ABAB"));
        run.tick(0, QStringLiteral("A"));
        run.window.sbDaiChaClick();
        QCoreApplication::processEvents();
        writes << app.scalar(QStringLiteral("select n from saves")).toInt() - start;
        // The next answer, in a burst of its own: one more.
        run.tick(1, QStringLiteral("B"));
        QCoreApplication::processEvents();
        writes << app.scalar(QStringLiteral("select n from saves")).toInt() - start;
        run.handIn();
    });
    QCOMPARE(writes, (QList<int>{1, 2}));
}

void TestExamSave::bankWithoutTheTables_data()
{
    QTest::addColumn<QStringList>("older"); // what makes the bank one of before
    QTest::newRow("made before exams were kept")
        << QStringList{"drop table tabExamSaveItem", "drop table tabExamSave"};
    QTest::newRow("made before exams could go untimed") << QStringList{"alter table tabExamSave drop column TIMED"};
}

void TestExamSave::bankWithoutTheTables()
{
    QFETCH(QStringList, older);
    TestApp app(saveBank);
    // The tables, or the column, come when the bank is opened for writing.
    for (const QString &sql : older)
        app.scalar(sql);
    QTemporaryDir dir;
    QString image;
    {
        Run first(app.databaseFile());
        first.main.offerSavedExam(); // nothing to offer
        QVERIFY(MessageBox::shown().isEmpty());
        first.sit(false, [&] {
            first.enter();
            first.tick(1, QStringLiteral("B"));
            QCoreApplication::processEvents();
            image = crashImage(app, dir);
        });
    }
    QVERIFY(MessageBox::shown().isEmpty());
    Run second(image);
    QString answer;
    bool timed = false;
    Modal::setHandler([&](QDialog *) {
        answer = ItemList[1]->UserAnswer;
        timed = second.window.Timed;
    });
    MessageBox::setNextAnswer(QMessageBox::Yes);
    second.main.offerSavedExam();
    QCOMPARE(answer, QStringLiteral("B"));
    QVERIFY(timed);
}

void TestExamSave::bankThatCannotBeWritten()
{
    TestApp app(saveBank);
    {
        // A write version SQLite will not write, whoever runs the program.
        QFile file(app.databaseFile());
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.seek(18));
        QVERIFY(file.putChar(char(3)));
    }
    Run run(app.databaseFile());
    QVERIFY(!run.dm.canSaveExam());
    run.main.offerSavedExam();
    QVERIFY(MessageBox::shown().isEmpty());
    QString answer;
    run.sit(false, [&] {
        run.enter();
        run.tick(0, QStringLiteral("A"));
        QCoreApplication::processEvents();
        answer = ItemList[0]->UserAnswer;
    });
    // The exam went on without a word; the start-up notice has said that nothing is kept.
    QCOMPARE(answer, QStringLiteral("A"));
    QVERIFY(MessageBox::shown().isEmpty());
}

void TestExamSave::paperNoLongerInTheBank_data()
{
    QTest::addColumn<QString>("change");
    QTest::newRow("a question gone") << "delete from tabItem where I_ID = '0291-003'";
    QTest::newRow("a calculation question with a sub-question more")
        << "update tabItem set I_C = I_B where I_ID = '0291-005'";
    QTest::newRow("the whole paper gone") << "delete from tabItem";
}

void TestExamSave::paperNoLongerInTheBank()
{
    QFETCH(QString, change);
    TestApp app(saveBank);
    {
        Run first(app.databaseFile());
        first.sit(false, [&] {
            first.enter();
            first.tick(0, QStringLiteral("A"));
        });
    }
    // The bank rebuilt since.
    app.scalar(change);
    Run second(app.databaseFile());
    int shown = 0;
    Modal::setHandler([&](QDialog *) { ++shown; });
    MessageBox::setNextAnswer(QMessageBox::Yes);
    second.main.offerSavedExam();
    QCOMPARE(shown, 0);
    QCOMPARE(MessageBox::shown().size(), 2);
    QCOMPARE(MessageBox::shown().last().caption, QStringLiteral("提示"));
    QVERIFY(MessageBox::shown().last().text.contains(QStringLiteral("已不在题库中")));
    QCOMPARE(second.count(QStringLiteral("tabExamSave")), 0);
    QVERIFY(ItemList.isEmpty());
    // Nothing is offered again.
    MessageBox::clearShown();
    second.main.offerSavedExam();
    QVERIFY(MessageBox::shown().isEmpty());
}

void TestExamSave::untimedExamResumesWithoutALimit()
{
    TestApp app(saveBank);
    QTemporaryDir dir;
    QString image;
    {
        Run first(app.databaseFile());
        Clock::set(Start);
        first.choosePaper();
        first.main.cbKaoShiJIShi->setChecked(false);
        Modal::setHandler([&](QDialog *) {
            first.enter();
            first.tick(0, QStringLiteral("A"));
            Clock::advance(90 * 60);
            first.window.Timer1Timer();
            QCoreApplication::processEvents();
            image = crashImage(app, dir);
        });
        first.main.sbKaiShiKaoShiClick();
        Modal::clearHandler();
    }
    Run second(image);
    bool timed = true, open = false;
    QString leftTime;
    Modal::setHandler([&](QDialog *) {
        timed = second.window.Timed;
        leftTime = second.window.lblLeftTime->text();
        Clock::advance(3 * 3600);
        second.window.Timer1Timer();
        open = second.window.isVisible();
    });
    MessageBox::setNextAnswer(QMessageBox::Yes);
    second.main.offerSavedExam();
    QVERIFY(!timed);
    QCOMPARE(leftTime, QStringLiteral("不限时"));
    QVERIFY(open);
}

void TestExamSave::newExamAsksBeforeReplacingAKeptOne_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<bool>("replace"); // the answer to the question
    QTest::newRow("paper, kept") << "paper" << false;
    QTest::newRow("paper, replaced") << "paper" << true;
    QTest::newRow("random exam, kept") << "random" << false;
    QTest::newRow("random exam, replaced") << "random" << true;
}

// An unfinished exam the learner chose to keep is not silently overwritten by the next one.
void TestExamSave::newExamAsksBeforeReplacingAKeptOne()
{
    QFETCH(QString, start);
    QFETCH(bool, replace);
    TestApp app(saveBank);
    QTemporaryDir dir;
    const QString image = crashedWithOneAnswer(app, dir);
    Run second(image);
    // Not resumed, but kept for later.
    MessageBox::setNextAnswer(QMessageBox::No);
    MessageBox::setNextAnswer(QMessageBox::No);
    second.main.offerSavedExam();
    MessageBox::clearShown();

    int shown = 0;
    MessageBox::setNextAnswer(replace ? QMessageBox::Yes : QMessageBox::No);
    Clock::set(Start.addDays(1));
    Modal::setHandler([&](QDialog *) { ++shown; });
    second.choosePaper();
    if (start == QLatin1String("random"))
        second.main.SpeedButton30Click();
    else
        second.main.sbKaiShiKaoShiClick();
    Modal::clearHandler();
    QCOMPARE(MessageBox::shown().size(), 1);
    QCOMPARE(MessageBox::shown().first().caption, QStringLiteral("放弃考试"));
    QCOMPARE(MessageBox::shown().first().text,
             QStringLiteral("还保存着一次未交卷的模拟考试（会计基础、基础试卷、2024-06-03 09:00）。"
                            "开始新的考试将放弃它，已做的答案不能恢复。确定开始新的考试吗？\n"
                            "（选“否”则保留它，下次启动程序时可以继续。）"));
    QCOMPARE(shown, replace ? 1 : 0);
    QSqlQuery q(second.dm.database());
    QVERIFY(q.exec(QStringLiteral("select TEST_ID from tabExamSave")) && q.next());
    QCOMPARE(q.value(0).toString(), replace ? QStringLiteral("20240604090000") : QStringLiteral("20240603090000"));
}

void TestExamSave::resumedAnswersScoredAgainstTheBankNow_data()
{
    QTest::addColumn<QString>("change"); // the bank renewed since the exam was saved
    QTest::addColumn<QList<int>>("scores"); // 0291-001, 0291-002, calculation 1, calculation 2
    QTest::newRow("unchanged") << QString() << QList<int>{100, 0, 400, 400};
    QTest::newRow("a single choice re-keyed")
        << "update tabItem set I_ANSWER = (select I_ANSWER from tabItem where I_ID = '0291-002') "
           "where I_ID = '0291-001'"
        << QList<int>{0, 0, 400, 400};
    QTest::newRow("points changed") << "update tabItem set I_SCORE = 3 where I_ID = '0291-001'"
                                    << QList<int>{300, 0, 400, 400};
    QTest::newRow("calculation keys swapped") << "update tabItem set I_A = I_B, I_B = I_A where I_ID = '0291-005'"
                                              << QList<int>{100, 0, 0, 0};
}

void TestExamSave::resumedAnswersScoredAgainstTheBankNow()
{
    QFETCH(QString, change);
    QFETCH(QList<int>, scores);
    TestApp app(saveBank);
    {
        Run first(app.databaseFile());
        first.sit(false, [&] {
            first.enter();
            first.tick(first.position(QStringLiteral("0291-002")), QStringLiteral("A")); // wrong
            // The calculation answered right: the entry as the panels store it, and the amount.
            TItem *entry = ItemList[first.position(QStringLiteral("0291-005"), 1)];
            entry->UserAnswer = storeEntryRows({{true, false, QStringLiteral("库存现金"), QStringLiteral("1000")},
                                                {false, true, QStringLiteral("银行存款"), QStringLiteral("1000")}});
            entry->UserScore = entry->ItemScore;
            TItem *amount = ItemList[first.position(QStringLiteral("0291-005"), 2)];
            amount->UserAnswer = QStringLiteral("5,000");
            amount->UserScore = amount->ItemScore;
            first.tick(first.position(QStringLiteral("0291-001")), QStringLiteral("A")); // right; saves all
        });
    }
    if (!change.isEmpty())
        app.scalar(change);
    Run second(app.databaseFile());
    QList<int> resumed;
    Modal::setHandler([&](QDialog *) {
        for (const auto &[id, k] : {std::pair{"0291-001", 1}, {"0291-002", 1}, {"0291-005", 1}, {"0291-005", 2}})
            resumed << ItemList[second.position(QString::fromLatin1(id), k)]->UserScore;
    });
    MessageBox::setNextAnswer(QMessageBox::Yes);
    second.main.offerSavedExam();
    QCOMPARE(resumed, scores);
}

QTEST_MAIN(TestExamSave)
#include "tst_exam_save.moc"
