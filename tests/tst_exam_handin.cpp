// The exam window's hour and its end, driven through its seams (modal showing, message boxes,
// the clock, timer slots called directly): the countdown and its warning, the hand-in with its
// confirmations, the scoring into the result fields, the history row, time running out, a
// failed write, the reviews that take no answer, and the keys.
#include "core/UnitDefine.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "store/UnitDM.h"
#include "tests/fixtures/TestBank.h"
#include "ui/Controls.h"
#include "ui/WrapCheckBox.h"
#include "ui/entry/EntryPanels.h"
#include "ui/exam/UnitKaoShi.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <functional>

namespace {

const QString Letters = QStringLiteral("ABCDEF");
const QString FinalText = QStringLiteral("考生交卷后，将不能再次进入本科目的考试，您确定要交卷吗？");
const QDateTime Start(QDate(2024, 6, 3), QTime(9, 0, 0));

// Course "01" 财经法规与会计职业道德: paper "0191" of 20 single (answers A, B, C, D in turn),
// 20 multiple (AB) and 20 true/false (A) questions and a case of two sub-questions (A, B);
// paper "0192" of four single choices (A, B, C, D), a point each.
// Course "02" 会计基础: paper "0291" of one single choice (A) and a calculation question of
// 8 points with an entry and an amount.
void handInBank(BankWriter &bank)
{
    bank.addCourse(QStringLiteral("01"), QStringLiteral("财经法规与会计职业道德"));
    bank.addCourse(QStringLiteral("02"), QStringLiteral("会计基础"));
    bank.addChapter(QStringLiteral("0191"), QStringLiteral("法规试卷"), QStringLiteral("01"), QStringLiteral("2"));
    bank.addChapter(QStringLiteral("0192"), QStringLiteral("四题试卷"), QStringLiteral("01"), QStringLiteral("2"));
    bank.addChapter(QStringLiteral("0291"), QStringLiteral("基础试卷"), QStringLiteral("02"), QStringLiteral("2"));
    int n = 0;
    const auto id = [&n] { return QStringLiteral("0191-%1").arg(++n, 3, 10, QChar(u'0')); };
    for (int i = 0; i < 20; ++i)
        bank.addQuestion(TestApp::examChoice(id(), QStringLiteral("0191"), QStringLiteral("1"), QString(Letters.at(i % 4)), 1));
    for (int i = 0; i < 20; ++i)
        bank.addQuestion(TestApp::examChoice(id(), QStringLiteral("0191"), QStringLiteral("2"), QStringLiteral("AB"), 2));
    for (int i = 0; i < 20; ++i)
        bank.addQuestion(TestApp::examChoice(id(), QStringLiteral("0191"), QStringLiteral("3"), QStringLiteral("A"), 1));
    BankQuestion kase;
    kase.id = id();
    kase.chapterId = QStringLiteral("0191");
    kase.type = QStringLiteral("5");
    kase.text = QStringLiteral("案例材料");
    kase.score = 4;
    for (int no = 1; no <= 2; ++no) {
        BankSubQuestion s;
        s.no = no;
        s.text = QStringLiteral("小题%1").arg(no);
        s.type = QStringLiteral("1");
        s.options = {QStringLiteral("甲"), QStringLiteral("乙")};
        s.answer = QString(Letters.at(no - 1));
        s.score = 2;
        kase.subquestions << s;
    }
    bank.addQuestion(kase);
    for (int i = 0; i < 4; ++i)
        bank.addQuestion(TestApp::examChoice(QStringLiteral("0192-%1").arg(i + 1, 3, 10, QChar(u'0')), QStringLiteral("0192"),
                                  QStringLiteral("1"), QString(Letters.at(i)), 1));

    bank.addQuestion(TestApp::examChoice(QStringLiteral("0291-001"), QStringLiteral("0291"), QStringLiteral("1"),
                              QStringLiteral("A"), 1));
    BankQuestion calc;
    calc.id = QStringLiteral("0291-002");
    calc.chapterId = QStringLiteral("0291");
    calc.type = QStringLiteral("4");
    calc.text = QStringLiteral("计算题");
    calc.options = {QStringLiteral("借:库存现金=1000;贷:银行存款=1000"), QStringLiteral("5000")};
    calc.answer = QStringLiteral("见解析");
    calc.score = 8;
    bank.addQuestion(calc);
}

// The bank and the exam window, wired as start-up wires them, on a paper started at Start.
struct Exam
{
    Exam() : app(handInBank), window(app.dm()) { frmKaoShi = &window; }
    ~Exam()
    {
        frmKaoShi = nullptr;
        ItemList.clear();
    }

    void load(const QString &paper, int dan, int duo, int pan, int fen)
    {
        window.LXMode = QStringLiteral("First");
        window.ZhangJieID = paper;
        window.ZhangJieName = paper == QLatin1String("0291") ? QStringLiteral("基础试卷") : QStringLiteral("法规试卷");
        window.KeChengName = paper == QLatin1String("0291") ? QStringLiteral("会计基础")
                                                            : QStringLiteral("财经法规与会计职业道德");
        window.DanXunCnt = dan;
        window.DuoXuanCnt = duo;
        window.PanDuanCnt = pan;
        window.FenXiCnt = fen;
        QVERIFY(window.InitItemList());
        Clock::set(Start);
        window.StartTime = Start;
        window.Test_ID = Start.toString(QStringLiteral("yyyyMMddhhmmss"));
        window.startCountdown();
    }
    void loadFull() { load(QStringLiteral("0191"), 20, 20, 20, 1); }
    // Answers by the option boxes, as a candidate clicks them.
    void answer(int position, const QString &letters)
    {
        window.Item_Index = position;
        window.ShowItem();
        for (QChar letter : letters)
            window.findChild<QCheckBox *>(QStringLiteral("cb") + letter)->click();
    }
    // Every question answered with its key, but for the positions left out.
    void answerAllBut(const QList<int> &open)
    {
        for (int i = 0; i < ItemList.count(); ++i)
            if (!open.contains(i))
                answer(i, ItemList[i]->ItemAnswer);
    }
    int historyRows() { return app.scalar(QStringLiteral("select count(*) from tabTestHis")).toInt(); }
    QVariantList historyRow(const QString &id)
    {
        QVariantList row;
        for (const char *column : {"TEST_TRUE", "TEST_FALSE", "TEST_HAVDO", "TEST_NOTDO", "TEST_TIME", "TEST_TYPE",
                                   "TEST_SCORE", "TEST_KeCheng", "TEST_ZhangJie"})
            row << app.scalar(QStringLiteral("select %1 from tabTestHis where TEST_ID = ?").arg(QLatin1String(column)),
                              {id});
        return row;
    }
    QList<int> results() const
    {
        return {window.YiLianXiCnt, window.WeiLianXiCnt, window.ZhengQueCnt, window.CuoWuCnt, window.ManFen,
                window.DeFen};
    }
    // Shows the window modally; act() drives it while it is shown.
    int run(const std::function<void()> &act)
    {
        Modal::setHandler([&](QDialog *) { act(); });
        const int result = Modal::show(&window);
        Modal::clearHandler();
        return result;
    }

    TestApp app;
    TfrmKaoShi window;
};

QStringList captions()
{
    QStringList seen;
    for (const MessageBox::Shown &box : MessageBox::shown())
        seen << box.caption;
    return seen;
}

void answerNext(std::initializer_list<QMessageBox::StandardButton> answers)
{
    for (QMessageBox::StandardButton answer : answers)
        MessageBox::setNextAnswer(answer);
}

QString reportLine(int n, const QString &type, int open, int total)
{
    return QStringLiteral("       %1、%2有%3题未做！            共计%4题").arg(n).arg(type).arg(open).arg(total);
}

} // namespace

class TestExamHandIn : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLoggingCategory::setFilterRules(QStringLiteral("acctprep.pictures.warning=false")); }
    void cleanup()
    {
        ItemList.clear();
        Modal::clearHandler();
        MessageBox::setTestMode(true);
        MessageBox::clearShown();
        Clock::reset();
    }

    void confirmationTexts_data();
    void confirmationTexts();
    void decliningChangesNothing_data();
    void decliningChangesNothing();
    void scoring_data();
    void scoring();
    void countdown_data();
    void countdown();
    void failedWriteKeepsTheExam();
    void timeUpFreezesTheAnswers();
    void untimedExamRunsOn();
    void reviewsTakeNoAnswerAndWriteNothing_data();
    void reviewsTakeNoAnswerAndWriteNothing();
    void handInKey_data();
    void handInKey();
    void confirmationsByEnterAndEsc_data();
    void confirmationsByEnterAndEsc();
};

void TestExamHandIn::confirmationTexts_data()
{
    QTest::addColumn<QList<int>>("open");
    QTest::addColumn<QString>("report");
    // Positions: 0-19 single, 20-39 multiple, 40-59 true/false, 60-61 the case.
    QTest::newRow("two single and one true/false open")
        << QList<int>{3, 7, 45}
        << QStringLiteral("您还有2类题未做\n") + reportLine(1, "单选题", 2, 20) + "\n" + reportLine(2, "多选题", 0, 20)
               + "\n" + reportLine(3, "判断题", 1, 20) + "\n" + reportLine(4, "分析题", 0, 1);
    QTest::newRow("all answered") << QList<int>{} << QString();
    // A case is done when all of its sub-questions are, the first or not.
    QTest::newRow("a case's second sub-question open")
        << QList<int>{61}
        << QStringLiteral("您还有1类题未做\n") + reportLine(1, "单选题", 0, 20) + "\n" + reportLine(2, "多选题", 0, 20)
               + "\n" + reportLine(3, "判断题", 0, 20) + "\n" + reportLine(4, "分析题", 1, 1);
    QTest::newRow("nothing answered")
        << QList<int>{-1}
        << QStringLiteral("您还有4类题未做\n") + reportLine(1, "单选题", 20, 20) + "\n"
               + reportLine(2, "多选题", 20, 20) + "\n" + reportLine(3, "判断题", 20, 20) + "\n"
               + reportLine(4, "分析题", 1, 1);
}

void TestExamHandIn::confirmationTexts()
{
    QFETCH(QList<int>, open);
    QFETCH(QString, report);
    Exam e;
    e.loadFull();
    if (open != QList<int>{-1})
        e.answerAllBut(open);
    const int result = e.run([&] {
        e.window.Label12Click();
        answerNext({QMessageBox::Yes, QMessageBox::Yes});
        e.window.sbEndExClick();
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QList<MessageBox::Shown> expected;
    if (!report.isEmpty())
        expected.append({QStringLiteral("待查确认"), report});
    expected.append({QStringLiteral("交卷确认"), FinalText});
    QCOMPARE(MessageBox::shown().size(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        QCOMPARE(MessageBox::shown().at(i).caption, expected.at(i).caption);
        QCOMPARE(MessageBox::shown().at(i).text, expected.at(i).text);
    }
    QCOMPARE(e.historyRows(), 1);
}

void TestExamHandIn::decliningChangesNothing_data()
{
    QTest::addColumn<QList<int>>("answers"); // 1 Yes, 0 No, in the order asked
    QTest::addColumn<QStringList>("asked");
    QTest::newRow("No to 待查确认") << QList<int>{0} << QStringList{"待查确认"};
    QTest::newRow("No to 交卷确认") << QList<int>{1, 0} << QStringList{"待查确认", "交卷确认"};
}

void TestExamHandIn::decliningChangesNothing()
{
    QFETCH(QList<int>, answers);
    QFETCH(QStringList, asked);
    Exam e;
    e.loadFull();
    e.answer(0, QStringLiteral("A"));
    e.answer(1, QStringLiteral("C"));
    e.window.YiLianXiCnt = 7;
    e.window.DeFen = 123;
    const QList<int> before = e.results();
    bool stillOpen = false;
    e.run([&] {
        e.window.Label12Click();
        for (int a : answers)
            MessageBox::setNextAnswer(a ? QMessageBox::Yes : QMessageBox::No);
        e.window.sbEndExClick();
        stillOpen = e.window.isVisible();
        // The countdown goes on.
        QVERIFY(e.window.Timer1->isActive());
    });
    QVERIFY(stillOpen);
    QCOMPARE(captions(), asked);
    QCOMPARE(e.results(), before);
    QCOMPARE(ItemList[0]->UserAnswer, QStringLiteral("A"));
    QCOMPARE(ItemList[1]->UserAnswer, QStringLiteral("C"));
    QCOMPARE(e.historyRows(), 0);
    QVERIFY(e.window.TimeUsed.isEmpty());
}

void TestExamHandIn::scoring_data()
{
    QTest::addColumn<QStringList>("answers"); // by position of paper 0192
    QTest::addColumn<QList<int>>("scores");   // full marks in hundredths, by position; empty: the bank's
    QTest::addColumn<QList<int>>("results");  // answered, unanswered, right, wrong, ManFen, DeFen
    QTest::addColumn<int>("testScore");
    // Unanswered questions are not done, and not wrong either.
    QTest::newRow("one of four answered, right")
        << QStringList{"A", "", "", ""} << QList<int>{} << QList<int>{1, 3, 1, 0, 400, 100} << 1;
    QTest::newRow("one right, one wrong")
        << QStringList{"A", "A", "", ""} << QList<int>{} << QList<int>{2, 2, 1, 1, 400, 100} << 1;
    QTest::newRow("all right") << QStringList{"A", "B", "C", "D"} << QList<int>{} << QList<int>{4, 0, 4, 0, 400, 400}
                               << 4;
    QTest::newRow("2.5 points stored as 2")
        << QStringList{"A", "", "", ""} << QList<int>{250, 100, 100, 100} << QList<int>{1, 3, 1, 0, 550, 250} << 2;
    QTest::newRow("nothing answered") << QStringList{"", "", "", ""} << QList<int>{} << QList<int>{0, 4, 0, 0, 400, 0}
                                      << 0;
}

void TestExamHandIn::scoring()
{
    QFETCH(QStringList, answers);
    QFETCH(QList<int>, scores);
    QFETCH(QList<int>, results);
    QFETCH(int, testScore);
    Exam e;
    e.load(QStringLiteral("0192"), 4, 0, 0, 0);
    for (int i = 0; i < scores.size(); ++i)
        ItemList[i]->ItemScore = scores[i];
    for (int i = 0; i < answers.size(); ++i)
        e.answer(i, answers[i]);
    Clock::advance(20 * 60 + 34);
    const int result = e.run([&] {
        e.window.Label12Click();
        answerNext({QMessageBox::Yes, QMessageBox::Yes});
        e.window.sbEndExClick();
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(e.results(), results);
    QCOMPARE(e.window.TimeUsed, QStringLiteral("00:20:34"));
    QCOMPARE(e.window.QuestionCnt, 4);
    QCOMPARE(e.historyRows(), 1);
    QCOMPARE(e.historyRow(QStringLiteral("20240603090000")),
             (QVariantList{QString::number(results[2]), QString::number(results[3]), QString::number(results[0]),
                           QString::number(results[1]), QStringLiteral("00:20:34"), QStringLiteral("模拟考试"), testScore,
                           QStringLiteral("财经法规与会计职业道德"), QStringLiteral("法规试卷")}));
    QVERIFY(!e.window.Timer1->isActive());
}

void TestExamHandIn::countdown_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QList<int>>("elapsed"); // seconds since the start, one countdown step each
    QTest::addColumn<QStringList>("shown");  // lblLeftTime after each step
    QTest::addColumn<int>("warnings");
    QTest::addColumn<bool>("handedIn");
    QTest::newRow("a step") << "First" << QList<int>{1} << QStringList{"00:59:59"} << 0 << false;
    QTest::newRow("5:01 then 4:59 warns once")
        << "First" << QList<int>{3299, 3301, 3302} << QStringList{"00:05:01", "00:04:59", "00:04:58"} << 1 << false;
    QTest::newRow("5:00 warns once") << "First" << QList<int>{3300, 3301} << QStringList{"00:05:00", "00:04:59"} << 1
                                     << false;
    QTest::newRow("a late first step warns too") << "First" << QList<int>{3500} << QStringList{"00:01:40"} << 1 << false;
    QTest::newRow("at 0 handed in once") << "First" << QList<int>{3599, 3600} << QStringList{"00:00:01", "00:00:00"}
                                         << 1 << true;
    QTest::newRow("past the end, seen late") << "First" << QList<int>{3700} << QStringList{"00:00:00"} << 0 << true;
    QTest::newRow("a redo is timed too") << "new" << QList<int>{3300, 3600} << QStringList{"00:05:00", "00:00:00"} << 1
                                         << true;
    QTest::newRow("a review never warns nor ends") << "view" << QList<int>{3300, 3600}
                                                   << QStringList{"01:00:00", "01:00:00"} << 0 << false;
}

void TestExamHandIn::countdown()
{
    QFETCH(QString, mode);
    QFETCH(QList<int>, elapsed);
    QFETCH(QStringList, shown);
    QFETCH(int, warnings);
    QFETCH(bool, handedIn);
    Exam e;
    e.loadFull();
    e.answer(0, QStringLiteral("A"));
    e.window.LXMode = mode;
    QStringList labels;
    const int result = e.run([&] {
        for (int seconds : elapsed) {
            Clock::set(Start.addSecs(seconds));
            e.window.Timer1Timer();
            labels << e.window.lblLeftTime->text();
            if (!e.window.isVisible())
                break;
        }
    });
    QCOMPARE(labels, shown);
    int warned = 0;
    for (const MessageBox::Shown &box : MessageBox::shown())
        warned += box.text == QStringLiteral("还有5分钟结束本次考试，请抓紧时间答题！") ? 1 : 0;
    QCOMPARE(warned, warnings);
    // Time up: one notice, and the paper goes in without the confirmations.
    QCOMPARE(captions().contains(QStringLiteral("待查确认")) || captions().contains(QStringLiteral("交卷确认")), false);
    int timeUp = 0;
    for (const MessageBox::Shown &box : MessageBox::shown())
        timeUp += box.caption == QStringLiteral("提示") && box.text.contains(QStringLiteral("时间到")) ? 1 : 0;
    QCOMPARE(timeUp, handedIn ? 1 : 0);
    QCOMPARE(result == QDialog::Accepted, handedIn);
    QCOMPARE(e.historyRows(), handedIn ? 1 : 0);
    if (handedIn) {
        QCOMPARE(e.window.YiLianXiCnt, 1);
        // Held to the hour, it took at most the hour, however late the time-up was seen.
        QCOMPARE(e.window.TimeUsed,
                 QTime(0, 0).addSecs(std::min(elapsed.last(), 3600)).toString(QStringLiteral("hh:mm:ss")));
        QCOMPARE(e.app.scalar(QStringLiteral("select TEST_TIME from tabTestHis")).toString(), e.window.TimeUsed);
    }
    QVERIFY(!e.window.Timer1->isActive());
}

void TestExamHandIn::failedWriteKeepsTheExam()
{
    Exam e;
    e.loadFull();
    e.answerAllBut({5});
    e.app.scalar(QStringLiteral("create trigger refuse before insert on tabTestHis "
                                "begin select raise(abort, 'disk full'); end"));
    bool open = false;
    QString answerAfter;
    QStringList failedCaptions;
    const int result = e.run([&] {
        e.window.Label12Click();
        // Both confirmations, the error, and No to handing in without the record.
        answerNext({QMessageBox::Yes, QMessageBox::Yes, QMessageBox::Ok, QMessageBox::No});
        e.window.sbEndExClick();
        open = e.window.isVisible();
        QVERIFY(e.window.Timer1->isActive());
        answerAfter = ItemList[0]->UserAnswer;
        failedCaptions = captions();
        // The store is back: the next hand-in stores the exam whole.
        e.app.scalar(QStringLiteral("drop trigger refuse"));
        MessageBox::clearShown();
        answerNext({QMessageBox::Yes, QMessageBox::Yes});
        e.window.sbEndExClick();
    });
    QVERIFY(open);
    QCOMPARE(failedCaptions, (QStringList{"待查确认", "交卷确认", "错误", "成绩未保存"}));
    QCOMPARE(answerAfter, QStringLiteral("A"));
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(captions(), (QStringList{"待查确认", "交卷确认"}));
    QCOMPARE(e.historyRows(), 1);
    QCOMPARE(e.window.YiLianXiCnt, 62 - 1);
    QCOMPARE(e.window.ZhengQueCnt, 62 - 1);
}

// Once the time is up the paper stands as it was, also while storing it has to be tried again.
void TestExamHandIn::timeUpFreezesTheAnswers()
{
    Exam e;
    e.load(QStringLiteral("0291"), 1, 0, 0, 1);
    e.app.scalar(QStringLiteral("create trigger refuse before insert on tabTestHis "
                                "begin select raise(abort, 'disk full'); end"));
    QString answerAfter, amountAfter;
    bool amountReadOnly = false;
    const int result = e.run([&] {
        e.window.Label12Click();
        e.answer(0, QStringLiteral("B"));
        // Time is up; storing fails and the candidate stays to try again.
        answerNext({QMessageBox::Ok, QMessageBox::Ok, QMessageBox::No});
        Clock::set(Start.addSecs(3600));
        e.window.Timer1Timer();
        QVERIFY(e.window.isVisible());
        e.answer(0, QStringLiteral("A"));
        answerAfter = ItemList[0]->UserAnswer;
        e.window.Item_Index = 2; // the calculation's amount
        e.window.ShowItem();
        auto *amount = e.window.Panel11n->control<QLineEdit>(QStringLiteral("p2lB_"), QStringLiteral("edtJE"));
        amountReadOnly = amount->isReadOnly();
        amountAfter = ItemList[2]->UserAnswer;
        // The store is back: the paper goes in without the confirmations.
        e.app.scalar(QStringLiteral("drop trigger refuse"));
        MessageBox::clearShown();
        e.window.sbEndExClick();
    });
    QCOMPARE(answerAfter, QStringLiteral("B"));
    QVERIFY(amountReadOnly);
    QCOMPARE(amountAfter, QString());
    QCOMPARE(result, int(QDialog::Accepted));
    QVERIFY(MessageBox::shown().isEmpty());
    QCOMPARE(e.historyRows(), 1);
    QCOMPARE(e.window.YiLianXiCnt, 1);
    QCOMPARE(e.window.ZhengQueCnt, 0);
}

// Without the hour's limit: no time left is shown, nothing warns or hands in, the time used
// is still measured and stored.
void TestExamHandIn::untimedExamRunsOn()
{
    Exam e;
    e.window.Timed = false;
    e.load(QStringLiteral("0192"), 4, 0, 0, 0);
    QStringList labels;
    bool stillOpen = false, stepping = false;
    const int result = e.run([&] {
        e.window.Label12Click();
        e.answer(0, QStringLiteral("A"));
        for (int seconds : {60, 3300, 3600, 3700}) {
            Clock::set(Start.addSecs(seconds));
            e.window.Timer1Timer();
            labels << e.window.lblLeftTime->text();
        }
        stillOpen = e.window.isVisible();
        stepping = e.window.Timer1->isActive();
        answerNext({QMessageBox::Yes, QMessageBox::Yes});
        e.window.sbEndExClick();
    });
    QCOMPARE(labels, QStringList(4, QStringLiteral("不限时")));
    QVERIFY(stillOpen);
    QVERIFY(stepping);
    QCOMPARE(captions(), (QStringList{"待查确认", "交卷确认"}));
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(e.window.TimeUsed, QStringLiteral("01:01:40"));
    QCOMPARE(e.historyRow(e.window.Test_ID).at(4).toString(), QStringLiteral("01:01:40"));
}

void TestExamHandIn::reviewsTakeNoAnswerAndWriteNothing_data()
{
    QTest::addColumn<QString>("mode");
    QTest::newRow("view") << "view";
    QTest::newRow("error") << "error";
    QTest::newRow("right") << "right";
    QTest::newRow("notfinish") << "notfinish";
}

void TestExamHandIn::reviewsTakeNoAnswerAndWriteNothing()
{
    QFETCH(QString, mode);
    Exam e;
    e.load(QStringLiteral("0291"), 1, 0, 0, 1);
    e.answer(0, QStringLiteral("B"));
    ItemList[1]->UserAnswer = QStringLiteral("true\r\nfalse\r\n库存现金\r\n1000\r\n");
    ItemList[1]->ColorMark = 4;
    e.run([&] {
        e.window.Label12Click();
        answerNext({QMessageBox::Yes, QMessageBox::Yes});
        e.window.sbEndExClick();
    });
    QCOMPARE(e.historyRows(), 1);
    const QVariantList row = e.historyRow(e.window.Test_ID);
    const QList<int> results = e.results();
    MessageBox::clearShown();

    e.window.LXMode = mode;
    e.window.Item_Index = 0;
    e.window.ShowItem();
    QString endCaption;
    bool entriesReadOnly = false;
    const int result = e.run([&] {
        QCOMPARE(e.window.currentScreen(), e.window.Panel5);
        QVERIFY(!e.window.Timer1->isActive());
        // The answer handed in is shown, marked; clicks and keys change nothing.
        auto *a = static_cast<WrapCheckBox *>(e.window.cbA);
        auto *b = static_cast<WrapCheckBox *>(e.window.cbB);
        QCOMPARE(a->mark(), WrapCheckBox::RightMark);
        QCOMPARE(b->mark(), WrapCheckBox::WrongMark);
        e.window.cbA->click();
        QTest::keyClick(e.window.Panel9, Qt::Key_C);
        QCOMPARE(ItemList[0]->UserAnswer, QStringLiteral("B"));
        QVERIFY(!e.window.cbA->isChecked());
        QVERIFY(e.window.cbB->isChecked());
        // Navigation, the flag and the answer panel work.
        e.window.pnlItemAllClick(e.window.findChild<QWidget *>(QStringLiteral("pnlItem102")));
        QCOMPARE(e.window.Item_Index, 1);
        auto *account = e.window.Panel11n->control<QLineEdit>(QStringLiteral("pnlA_"), QStringLiteral("edtKM1"));
        QCOMPARE(account->text(), QStringLiteral("库存现金"));
        entriesReadOnly = account->isReadOnly()
            && !e.window.Panel11n->control<QRadioButton>(QStringLiteral("pnlA_"), QStringLiteral("rbD1"))->isEnabled();
        auto *amount = e.window.Panel11n->control<QLineEdit>(QStringLiteral("p2lB_"), QStringLiteral("edtJE"));
        amount->setFocus();
        QTest::keyClicks(amount, QStringLiteral("5000"));
        e.window.sbDaiChaClick();
        QCOMPARE(ItemList[1]->ColorMark, 2);
        e.window.sbShowAnswerClick();
        endCaption = e.window.sbEndEx->text();
        e.window.sbEndExClick();
    });
    QCOMPARE(endCaption, QStringLiteral("结束查看"));
    QVERIFY(entriesReadOnly);
    QVERIFY(ItemList[2]->UserAnswer.isEmpty());
    QCOMPARE(result, int(QDialog::Rejected));
    QVERIFY(MessageBox::shown().isEmpty());
    QCOMPARE(e.historyRows(), 1);
    QCOMPARE(e.historyRow(e.window.Test_ID), row);
    QCOMPARE(e.results(), results);
    if (!e.window.PanelAnswer->isHidden())
        e.window.sbShowAnswerClick();

    // A new attempt takes answers again and shows the hand-in over the picture.
    e.window.LXMode = QStringLiteral("new");
    e.window.Item_Index = 0;
    e.window.ShowItem();
    e.run([&] {
        endCaption = e.window.sbEndEx->accessibleName();
        e.window.cbA->click();
        e.window.done(2);
    });
    QCOMPARE(endCaption, QStringLiteral("交卷"));
    QCOMPARE(ItemList[0]->UserAnswer, QStringLiteral("A"));
}

void TestExamHandIn::handInKey_data()
{
    QTest::addColumn<bool>("fromAnEdit");
    QTest::newRow("from the bottom bar") << false;
    QTest::newRow("while typing an amount") << true;
}

void TestExamHandIn::handInKey()
{
    QFETCH(bool, fromAnEdit);
    Exam e;
    e.load(QStringLiteral("0291"), 1, 0, 0, 1);
    QStringList first;
    const int result = e.run([&] {
        QVERIFY(QTest::qWaitForWindowActive(&e.window));
        e.window.Label12Click();
        QWidget *target = e.window.Panel9;
        if (fromAnEdit) {
            e.window.pnlItemAllClick(e.window.findChild<QWidget *>(QStringLiteral("pnlItem103")));
            auto *amount = e.window.Panel11n->control<QLineEdit>(QStringLiteral("p2lB_"), QStringLiteral("edtJE"));
            amount->setFocus();
            QTest::keyClicks(amount, QStringLiteral("5000"));
            target = amount;
        }
        target->setFocus();
        // Declined first: the same two confirmations as the hotspot.
        answerNext({QMessageBox::Yes, QMessageBox::No});
        QTest::keyClick(target, Qt::Key_Return, Qt::ControlModifier);
        first = captions();
        QVERIFY(e.window.isVisible());
        answerNext({QMessageBox::Yes, QMessageBox::Yes});
        QTest::keyClick(target, Qt::Key_Enter, Qt::ControlModifier | Qt::KeypadModifier);
    });
    QCOMPARE(first, (QStringList{"待查确认", "交卷确认"}));
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(e.historyRows(), 1);
    // The amount being typed went in with the paper.
    QCOMPARE(ItemList[2]->UserAnswer, fromAnEdit ? QStringLiteral("5000") : QString());
    QCOMPARE(e.window.ZhengQueCnt, fromAnEdit ? 1 : 0);
}

void TestExamHandIn::confirmationsByEnterAndEsc_data()
{
    QTest::addColumn<QList<int>>("keys"); // one key per box, in the order they come
    QTest::addColumn<bool>("handedIn");
    QTest::newRow("Enter, Enter") << QList<int>{Qt::Key_Return, Qt::Key_Return} << true;
    QTest::newRow("Esc") << QList<int>{Qt::Key_Escape} << false;
    QTest::newRow("Enter, Esc") << QList<int>{Qt::Key_Return, Qt::Key_Escape} << false;
}

// The real message boxes, answered from the keyboard.
void TestExamHandIn::confirmationsByEnterAndEsc()
{
    QFETCH(QList<int>, keys);
    QFETCH(bool, handedIn);
    Exam e;
    e.load(QStringLiteral("0192"), 4, 0, 0, 0);
    e.answer(0, QStringLiteral("A"));
    MessageBox::setTestMode(false);
    QList<int> pending = keys;
    QStringList titles;
    // Each box, once it is up, gets the next key.
    std::function<void()> press = [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box) {
            QTimer::singleShot(10, press);
            return;
        }
        titles << box->windowTitle();
        const int key = pending.isEmpty() ? Qt::Key_Escape : pending.takeFirst();
        QTest::keyClick(box, Qt::Key(key));
        if (!pending.isEmpty())
            QTimer::singleShot(10, press);
    };
    const int result = e.run([&] {
        e.window.Label12Click();
        QTimer::singleShot(10, press);
        e.window.sbEndExClick();
    });
    MessageBox::setTestMode(true);
    QCOMPARE(titles.size(), keys.size());
    QCOMPARE(titles.first(), QStringLiteral("待查确认"));
    QCOMPARE(result == QDialog::Accepted, handedIn);
    QCOMPARE(e.historyRows(), handedIn ? 1 : 0);
}

QTEST_MAIN(TestExamHandIn)
#include "tst_exam_handin.moc"
