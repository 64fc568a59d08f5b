// The exam result view of the main window and its five reviews, driven through the real main
// and exam windows; and one whole exam of the sample bank from the paper button to the
// learning curve.
#include "core/UnitDefine.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "store/UnitDM.h"
#include "tests/fixtures/TestBank.h"
#include "tools/qbank/BankModel.h"
#include "ui/Controls.h"
#include "ui/entry/EntryPanels.h"
#include "ui/exam/AnswerCard.h"
#include "ui/exam/UnitKaoShi.h"
#include "ui/main/UnitMain.h"

#include <QChart>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QRadioButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSqlQuery>
#include <QStackedWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QtTest>

#include <functional>

namespace {

const QDateTime Start(QDate(2024, 6, 3), QTime(9, 0, 0));

// Course "01" 财经法规与会计职业道德, paper "0191": single choices A, B, C, D (a point each),
// a true/false question (A) and a case of two sub-questions (A, B; two points each).
void resultBank(BankWriter &bank)
{
    bank.addCourse(QStringLiteral("01"), QStringLiteral("财经法规与会计职业道德"));
    bank.addChapter(QStringLiteral("0191"), QStringLiteral("法规试卷"), QStringLiteral("01"), QStringLiteral("2"));
    for (int i = 0; i < 4; ++i)
        bank.addQuestion(TestApp::choice(QStringLiteral("0191-00%1").arg(i + 1), QStringLiteral("0191"),
                                         QStringLiteral("1"), QString(QChar(u'A' + i)), 1));
    BankQuestion tf = TestApp::choice(QStringLiteral("0191-005"), QStringLiteral("0191"), QStringLiteral("3"),
                                      QStringLiteral("A"), 1, 2);
    tf.options = {QStringLiteral("正确"), QStringLiteral("错误")};
    bank.addQuestion(tf);
    BankQuestion kase;
    kase.id = QStringLiteral("0191-006");
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
        s.answer = QString(QChar(u'A' + no - 1));
        s.score = 2;
        kase.subquestions << s;
    }
    bank.addQuestion(kase);
}

QString sampleSource()
{
    return QFileInfo(QStringLiteral(__FILE__)).absoluteDir().filePath(QStringLiteral("../data/sample"));
}

// The sample bank the program ships, built from its source as qbank builds it.
void sampleBank(BankWriter &bank)
{
    BankProblems problems;
    writeBank(readSourceFolder(sampleSource(), problems), bank);
}

// The bank, the main window and the exam window, wired as start-up wires them.
struct Views
{
    explicit Views(const std::function<void(BankWriter &)> &fill = resultBank)
        : app(fill), main(app.dm()), window(app.dm())
    {
        frmKaoShi = &window;
    }
    ~Views()
    {
        frmKaoShi = nullptr;
        ItemList.clear();
    }

    // Opens the exam page on the course and clicks the paper's button.
    void choosePaper(const QString &course, const QString &paper)
    {
        main.SpeedButton4Click();
        main.cbKaoShi->setCurrentIndex(main.cbKaoShi->findText(course));
        for (QToolButton *b : main.ScrollBoxKaoShi->findChildren<QToolButton *>())
            if (b->text() == paper)
                b->click();
        QVERIFY(main.sbKaiShiKaoShi->isEnabled());
    }
    // Starts the chosen paper at Start; act() drives the exam window while it is shown.
    void sit(const std::function<void()> &act)
    {
        Clock::set(Start);
        Modal::setHandler([&](QDialog *) { act(); });
        main.sbKaiShiKaoShiClick();
        Modal::clearHandler();
    }
    // From the first introductory screen to the exam screen, by the hotspots.
    void enter()
    {
        window.Timer2Timer();
        QTest::mouseClick(window.Label9, Qt::LeftButton);
        QTest::mouseClick(window.Label10, Qt::LeftButton);
        QTest::mouseClick(window.Label12, Qt::LeftButton);
        QCOMPARE(window.currentScreen(), window.Panel5);
    }
    void go(int position)
    {
        window.pnlItemAllClick(window.findChild<QWidget *>(QStringLiteral("pnlItem%1").arg(101 + position)));
        QCOMPARE(window.Item_Index, position);
    }
    void tick(int position, const QString &letters)
    {
        go(position);
        for (QChar letter : letters)
            QTest::mouseClick(window.findChild<QCheckBox *>(QStringLiteral("cb") + letter), Qt::LeftButton);
    }
    void handIn()
    {
        MessageBox::setNextAnswer(QMessageBox::Yes);
        MessageBox::setNextAnswer(QMessageBox::Yes);
        QTest::mouseClick(window.sbEndEx, Qt::LeftButton);
    }
    QStringList resultLines() const
    {
        QStringList lines;
        for (QLabel *l : {main.lblKaoShiKeCheng, main.lblKaoShiZhangJie, main.lblKaoShiKaiShi, main.lblKaoShiYongShi,
                          main.lblKaoShiZongGong, main.lblKaoShiYiDa, main.lblKaoShiWeiDa, main.lblKaoShiDui,
                          main.lblKaoShiCuo, main.lblKaoShiManFen, main.lblKaoShiDeFen, main.lblKaoShiZhengQueLv})
            lines << l->text();
        return lines;
    }
    QList<QStringList> history()
    {
        QList<QStringList> rows;
        QSqlQuery q(app.dm()->database());
        q.exec(QStringLiteral("select TEST_ID, TEST_TRUE, TEST_FALSE, TEST_HAVDO, TEST_NOTDO, TEST_TIME, TEST_TYPE, "
                              "TEST_SCORE, TEST_KeCheng, TEST_ZhangJie from tabTestHis order by TEST_ID"));
        while (q.next()) {
            QStringList row;
            for (int c = 0; c < 10; ++c)
                row << q.value(c).toString();
            rows << row;
        }
        return rows;
    }

    TestApp app;
    TMainForm main;
    TfrmKaoShi window;
};

// What the exam window held while a review showed it.
struct Seen
{
    int times = 0;
    QString mode;
    int position = -1;
    QString screen;
    bool countdown = false;
    bool answerPanel = false;
    QString endCaption;
};

// Records the review and leaves it by its way out.
std::function<void(QDialog *)> recordReview(Seen &seen)
{
    return [&seen](QDialog *) {
        TfrmKaoShi *f = frmKaoShi;
        ++seen.times;
        seen.mode = f->LXMode;
        seen.position = f->Item_Index;
        seen.screen = f->currentScreen()->objectName();
        seen.countdown = f->Timer1->isActive();
        seen.answerPanel = !f->PanelAnswer->isHidden();
        seen.endCaption = f->sbEndEx->text();
        f->sbEndExClick();
    };
}

} // namespace

class TestExamResult : public QObject
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
    }

    void resultLines_data();
    void resultLines();
    void reviewButtons_data();
    void reviewButtons();
    void redoIsANewTimedAttempt();
    void handedInThoughNotStored();
    void everyStartHidesTheAnswerPanel_data();
    void everyStartHidesTheAnswerPanel();
    void resumedExamThenAPaperOfTheOtherCourse();
    void handInLogsTheWrongAnswers();
    void wholeExam();
};

void TestExamResult::resultLines_data()
{
    QTest::addColumn<QList<int>>("fields"); // answered, unanswered, right, wrong, ManFen, DeFen, questions
    QTest::addColumn<QString>("timeUsed");
    QTest::addColumn<QStringList>("lines"); // from the question count on
    QTest::newRow("45.50 of 100")
        << QList<int>{58, 4, 40, 18, 10000, 4550, 62} << "00:41:07"
        << QStringList{"试卷题目数：62题", "已做完题数：58题", "未做完题数：4题", "正确题数：40题", "错误题数：18题",
                       "满分：100.00分", "您本次得分：45.50分", "得分率为：45.50%"};
    QTest::newRow("sub-questions counted apart")
        << QList<int>{58, 4, 40, 18, 10000, 4550, 60} << "00:41:07"
        << QStringList{"试卷题目数：60题，共62小题", "已做完题数：58小题", "未做完题数：4小题", "正确题数：40小题",
                       "错误题数：18小题", "满分：100.00分", "您本次得分：45.50分", "得分率为：45.50%"};
    QTest::newRow("half a point") << QList<int>{1, 0, 1, 0, 50, 50, 1} << "00:00:09"
                                  << QStringList{"试卷题目数：1题", "已做完题数：1题", "未做完题数：0题", "正确题数：1题",
                                                 "错误题数：0题", "满分：0.50分", "您本次得分：0.50分", "得分率为：100.00%"};
    QTest::newRow("no questions") << QList<int>{0, 0, 0, 0, 0, 0, 0} << "00:00:03"
                                  << QStringList{"试卷题目数：0题", "已做完题数：0题", "未做完题数：0题", "正确题数：0题",
                                                 "错误题数：0题", "满分：0.00分", "您本次得分：0.00分", "得分率为：0%"};
}

void TestExamResult::resultLines()
{
    QFETCH(QList<int>, fields);
    QFETCH(QString, timeUsed);
    QFETCH(QStringList, lines);
    Views v;
    TfrmKaoShi &f = v.window;
    f.KeChengName = QStringLiteral("会计基础");
    f.ZhangJieName = QStringLiteral("随机考试");
    f.StartTime = QDateTime(QDate(2024, 6, 3), QTime(14, 5, 6));
    f.YiLianXiCnt = fields[0];
    f.WeiLianXiCnt = fields[1];
    f.ZhengQueCnt = fields[2];
    f.CuoWuCnt = fields[3];
    f.ManFen = fields[4];
    f.DeFen = fields[5];
    f.QuestionCnt = fields[6];
    f.TimeUsed = timeUsed;
    // Shown later, after reviews: the time used is the exam's own.
    Clock::set(f.StartTime.addSecs(3 * 3600));
    v.main.ShowResultKS();
    QCOMPARE(v.main.KaoShiArea->currentWidget(), v.main.gbKaoShi);
    QCOMPARE(v.resultLines(),
             QStringList({"会计基础", "随机考试", "14:05:06", timeUsed}) + lines);
}

void TestExamResult::reviewButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("answers"); // by position: 0-3 single, 4 true/false, 5-6 the case
    QTest::addColumn<QString>("mode");
    QTest::addColumn<int>("start");   // -1: nothing qualifies
    QTest::addColumn<QString>("none"); // the message then
    const QStringList mixed{"A", "", "A", "D", "B", "A", ""};
    const QStringList allRight{"A", "B", "C", "D", "A", "A", "B"};
    const QStringList noneRight{"B", "", "", "", "", "", ""};
    QTest::newRow("查看所有答案") << "SpeedButton23" << mixed << "view" << 0 << "";
    QTest::newRow("查看错题") << "SpeedButton22" << mixed << "error" << 2 << "";
    QTest::newRow("查看错题, none wrong") << "SpeedButton22" << allRight << "error" << -1 << "没有错题！";
    // Left unanswered is not wrong: it is what 未做题目 shows.
    QTest::newRow("查看错题, only unanswered") << "SpeedButton22" << QStringList{"A", "", "", "", "", "", ""}
                                             << "error" << -1 << "没有错题！";
    QTest::newRow("查看对题") << "SpeedButton21" << mixed << "right" << 0 << "";
    QTest::newRow("查看对题, none right") << "SpeedButton21" << noneRight << "right" << -1 << "没有对题！";
    QTest::newRow("未做题目") << "SpeedButton20" << mixed << "notfinish" << 1 << "";
    QTest::newRow("未做题目, all done") << "SpeedButton20" << allRight << "notfinish" << -1 << "没有未完成题！";
}

void TestExamResult::reviewButtons()
{
    QFETCH(QString, button);
    QFETCH(QStringList, answers);
    QFETCH(QString, mode);
    QFETCH(int, start);
    QFETCH(QString, none);
    Views v;
    v.choosePaper(QStringLiteral("财经法规与会计职业道德"), QStringLiteral("法规试卷"));
    v.sit([&] {
        v.enter();
        for (int i = 0; i < answers.size(); ++i)
            if (!answers[i].isEmpty())
                v.tick(i, answers[i]);
        Clock::advance(600);
        v.handIn();
    });
    QCOMPARE(v.main.KaoShiArea->currentWidget(), v.main.gbKaoShi);
    const QStringList before = v.resultLines();
    const QList<QStringList> history = v.history();
    QCOMPARE(history.size(), 1);
    MessageBox::clearShown();

    Seen seen;
    Modal::setHandler(recordReview(seen));
    Clock::advance(900);
    v.main.findChild<QToolButton *>(button)->click();
    QCOMPARE(v.window.LXMode, mode);
    if (start < 0) {
        QCOMPARE(seen.times, 0);
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(MessageBox::shown().first().caption, QStringLiteral("提示"));
        QCOMPARE(MessageBox::shown().first().text, none);
        QCOMPARE(v.window.Item_Index, -1);
    } else {
        QCOMPARE(seen.times, 1);
        QCOMPARE(seen.mode, mode);
        QCOMPARE(seen.position, start);
        QCOMPARE(seen.screen, QStringLiteral("Panel5"));
        QVERIFY(!seen.countdown);
        QCOMPARE(seen.answerPanel, mode == QLatin1String("view"));
        QCOMPARE(seen.endCaption, QStringLiteral("结束查看"));
        QVERIFY(MessageBox::shown().isEmpty());
    }
    // The exam's result and record are as they were handed in, its time used included.
    QCOMPARE(v.main.KaoShiArea->currentWidget(), v.main.gbKaoShi);
    QCOMPARE(v.resultLines(), before);
    QCOMPARE(v.history(), history);
    for (int i = 0; i < answers.size(); ++i)
        QCOMPARE(ItemList[i]->UserAnswer, answers[i]);
}

// A bank that will not take the history row must not hold the candidate in the exam: asked,
// they hand in, see the score marked as not kept, and the exam is not offered again.
void TestExamResult::handedInThoughNotStored()
{
    Views v;
    v.app.scalar(QStringLiteral("create trigger refuse before insert on tabTestHis "
                                "begin select raise(abort, 'disk full'); end"));
    v.choosePaper(QStringLiteral("财经法规与会计职业道德"), QStringLiteral("法规试卷"));
    v.sit([&] {
        v.enter();
        v.tick(0, QStringLiteral("A"));
        v.tick(1, QStringLiteral("A"));
        Clock::advance(600);
        for (QMessageBox::StandardButton b : {QMessageBox::Yes, QMessageBox::Yes, QMessageBox::Ok, QMessageBox::Yes})
            MessageBox::setNextAnswer(b);
        QTest::mouseClick(v.window.sbEndEx, Qt::LeftButton);
    });
    QStringList captions;
    for (const MessageBox::Shown &box : MessageBox::shown())
        captions << box.caption;
    QCOMPARE(captions, (QStringList{"待查确认", "交卷确认", "错误", "成绩未保存"}));
    QVERIFY(MessageBox::shown().last().text.contains(QStringLiteral("这次成绩不记入学习记录")));
    QVERIFY(!v.window.isVisible());
    QCOMPARE(v.main.KaoShiArea->currentWidget(), v.main.gbKaoShi);
    QCOMPARE(v.main.lblKaoShiDeFen->text(), QStringLiteral("您本次得分：1.00分（未记入学习记录）"));
    QCOMPARE(v.main.lblKaoShiDui->text(), QStringLiteral("正确题数：1小题"));
    QVERIFY(v.history().isEmpty());
    QCOMPARE(v.app.scalar(QStringLiteral("select count(*) from tabExamSave")).toInt(), 0);

    // The next attempt is stored and says nothing of the kind.
    v.app.scalar(QStringLiteral("drop trigger refuse"));
    MessageBox::clearShown();
    Modal::setHandler([&](QDialog *) {
        v.tick(0, QStringLiteral("A"));
        v.handIn();
    });
    v.main.findChild<QToolButton *>(QStringLiteral("SpeedButton19"))->click();
    Modal::clearHandler();
    QCOMPARE(v.history().size(), 1);
    QCOMPARE(v.main.lblKaoShiDeFen->text(), QStringLiteral("您本次得分：1.00分"));
}

void TestExamResult::redoIsANewTimedAttempt()
{
    Views v;
    v.choosePaper(QStringLiteral("财经法规与会计职业道德"), QStringLiteral("法规试卷"));
    v.sit([&] {
        v.enter();
        v.tick(0, QStringLiteral("A"));
        v.tick(1, QStringLiteral("C"));
        v.window.sbDaiChaClick();
        Clock::advance(125);
        v.handIn();
    });
    const QList<QStringList> first = v.history();
    QCOMPARE(first.size(), 1);
    const QString firstId = v.window.Test_ID;
    // The key was looked at in a review before the redo.
    Seen viewed;
    Modal::setHandler(recordReview(viewed));
    v.main.SpeedButton23Click();
    QVERIFY(viewed.answerPanel);

    struct
    {
        QString mode, screen, leftTime;
        bool countdown = false, answerPanel = true, cleared = false;
    } seen;
    Clock::set(Start.addSecs(400));
    Modal::setHandler([&](QDialog *) {
        TfrmKaoShi *f = frmKaoShi;
        seen.mode = f->LXMode;
        seen.screen = f->currentScreen()->objectName();
        seen.countdown = f->Timer1->isActive();
        seen.leftTime = f->lblLeftTime->text();
        seen.answerPanel = !f->PanelAnswer->isHidden();
        seen.cleared = true;
        for (int i = 0; i < ItemList.count(); ++i)
            seen.cleared = seen.cleared && ItemList[i]->UserAnswer.isEmpty() && ItemList[i]->UserScore == 0
                && ItemList[i]->ColorMark == 3 && !ItemList[i]->ItemMark;
        v.tick(2, QStringLiteral("C"));
        v.tick(3, QStringLiteral("D"));
        Clock::advance(61);
        v.handIn();
    });
    v.main.SpeedButton19Click();
    QCOMPARE(seen.mode, QStringLiteral("new"));
    QCOMPARE(seen.screen, QStringLiteral("Panel5"));
    QVERIFY(seen.countdown);
    QCOMPARE(seen.leftTime, QStringLiteral("01:00:00"));
    QVERIFY(!seen.answerPanel);
    QVERIFY(seen.cleared);

    // Its own identifier and history row; the exam before keeps its record.
    QCOMPARE(v.window.Test_ID, QStringLiteral("20240603090640"));
    const QList<QStringList> both = v.history();
    QCOMPARE(both.size(), 2);
    QCOMPARE(both.first(), first.first());
    QCOMPARE(both.first().first(), firstId);
    QCOMPARE(both.last(), (QStringList{"20240603090640", "2", "0", "2", "5", "00:01:01", "模拟考试", "2",
                                       "财经法规与会计职业道德", "法规试卷"}));
    QCOMPARE(v.main.lblKaoShiKaiShi->text(), QStringLiteral("09:06:40"));
    QCOMPARE(v.main.lblKaoShiYongShi->text(), QStringLiteral("00:01:01"));
    QCOMPARE(v.main.lblKaoShiDui->text(), QStringLiteral("正确题数：2小题"));
}

// A whole exam of the sample bank through the real windows.
void TestExamResult::everyStartHidesTheAnswerPanel_data()
{
    QTest::addColumn<QString>("start");
    for (const char *start : {"paper", "random exam", "redo", "resumed exam"})
        QTest::newRow(start) << QString::fromLatin1(start);
}

// "查看所有答案" opens the answer panel; whatever starts next is a new attempt, and its key is
// hidden from the first question on.
void TestExamResult::everyStartHidesTheAnswerPanel()
{
    QFETCH(QString, start);
    Views v;
    v.choosePaper(QStringLiteral("财经法规与会计职业道德"), QStringLiteral("法规试卷"));
    TSavedExam saved;
    v.sit([&] {
        v.enter();
        v.tick(0, QStringLiteral("A"));
        saved = v.window.snapshot();
        v.handIn();
    });
    Seen review;
    Modal::setHandler(recordReview(review));
    v.main.SpeedButton23->click();
    QVERIFY(review.answerPanel);
    QVERIFY(!v.window.PanelAnswer->isHidden());

    bool panelShown = true;
    int shown = 0;
    Modal::setHandler([&](QDialog *) {
        ++shown;
        panelShown = !v.window.PanelAnswer->isHidden();
        v.window.done(QDialog::Rejected);
    });
    if (start == QLatin1String("paper")) {
        v.main.sbKaiShiKaoShiClick();
    } else if (start == QLatin1String("random exam")) {
        v.main.SpeedButton30Click();
    } else if (start == QLatin1String("redo")) {
        v.main.SpeedButton19Click();
    } else {
        v.app.dm()->SaveExam(saved);
        MessageBox::setNextAnswer(QMessageBox::Yes);
        v.main.offerSavedExam();
    }
    QCOMPARE(shown, 1);
    QVERIFY(!panelShown);
    QCOMPARE(v.window.sbShowAnswer->text(), QStringLiteral("显示答案"));
}

// Each exam is headed, carded and recorded under its own course, whatever exam the window held
// before; a resumed exam shows its own course on the set-up page.
void TestExamResult::resumedExamThenAPaperOfTheOtherCourse()
{
    Views v([](BankWriter &bank) {
        resultBank(bank);
        bank.addCourse(QStringLiteral("02"), QStringLiteral("会计基础"));
        bank.addChapter(QStringLiteral("0291"), QStringLiteral("会计试卷"), QStringLiteral("02"), QStringLiteral("2"));
        bank.addQuestion(TestApp::choice(QStringLiteral("0291-001"), QStringLiteral("0291"), QStringLiteral("1"),
                                         QStringLiteral("A"), 1));
    });
    // A 财经法规 exam in progress, kept as a crash would have left it.
    v.choosePaper(QStringLiteral("财经法规与会计职业道德"), QStringLiteral("法规试卷"));
    TSavedExam saved;
    v.sit([&] {
        v.enter();
        saved = v.window.snapshot();
        v.handIn();
    });
    v.app.dm()->SaveExam(saved);
    // The set-up page open on 会计基础 when the offer comes.
    v.main.SpeedButton4Click();
    v.main.cbKaoShi->setCurrentIndex(v.main.cbKaoShi->findText(QStringLiteral("会计基础")));
    Modal::setHandler([&](QDialog *) {
        QCOMPARE(v.window.lblKeCheng->text(), QStringLiteral("财经法规与会计职业道德"));
        v.window.done(QDialog::Rejected); // left: it stays saved
    });
    MessageBox::setNextAnswer(QMessageBox::Yes);
    v.main.offerSavedExam();
    QCOMPARE(v.main.cbKaoShi->currentText(), QStringLiteral("财经法规与会计职业道德"));

    // A paper of 会计基础, chosen without the course box telling the window (as a box already
    // on that course would not).
    {
        const QSignalBlocker quiet(v.main.cbKaoShi);
        v.main.cbKaoShi->setCurrentIndex(v.main.cbKaoShi->findText(QStringLiteral("会计基础")));
    }
    v.main.cbKaoShiChange();
    v.window.KeChengName = QStringLiteral("财经法规与会计职业道德"); // what the resumed exam left
    v.window.KeChengID = QStringLiteral("01");
    for (QToolButton *b : v.main.ScrollBoxKaoShi->findChildren<QToolButton *>())
        if (b->text() == QStringLiteral("会计试卷"))
            b->click();
    QString heading, analysisCaption;
    MessageBox::setNextAnswer(QMessageBox::Yes); // give up the saved exam
    v.sit([&] {
        heading = v.window.lblKeCheng->text();
        analysisCaption = v.window.cpFenXi->caption();
        v.enter();
        v.handIn();
    });
    QCOMPARE(heading, QStringLiteral("会计基础"));
    QCOMPARE(analysisCaption, QStringLiteral("计算分析题"));
    QCOMPARE(v.history().last().at(8), QStringLiteral("会计基础"));
    QCOMPARE(v.history().last().at(9), QStringLiteral("会计试卷"));
}

// Mistakes of a mock exam go to the wrong-question book with the history row: answered and
// wrong ones only, once per question and day; a review adds none, a redo's hand-in does.
void TestExamResult::handInLogsTheWrongAnswers()
{
    Views v;
    v.choosePaper(QStringLiteral("财经法规与会计职业道德"), QStringLiteral("法规试卷"));
    v.sit([&] {
        v.enter();
        v.tick(0, QStringLiteral("A")); // right
        v.tick(1, QStringLiteral("A")); // wrong
        v.tick(5, QStringLiteral("B")); // the case's first sub-question, wrong
        v.tick(6, QStringLiteral("A")); // and its second, wrong too: one row for the case
        v.handIn();                     // 0191-003, -004 and -005 unanswered
    });
    const auto logged = [&] {
        return v.app.scalar(QStringLiteral("select group_concat(ERR_DATE || ':' || ERR_I_ID, ' ') from "
                                           "(select * from tabErrItemHisLog order by ERR_I_ID)"))
            .toString();
    };
    QCOMPARE(logged(), QStringLiteral("20240603:0191-002 20240603:0191-006"));
    QCOMPARE(v.history().size(), 1);

    // A review that tries to answer logs nothing.
    Modal::setHandler([&](QDialog *) {
        v.window.cbC->click();
        v.window.sbEndExClick();
    });
    v.main.SpeedButton23->click();
    QCOMPARE(logged(), QStringLiteral("20240603:0191-002 20240603:0191-006"));

    // The wrong-question review of the day offers them like practice mistakes.
    int zong = 0, dan = 0, duo = 0, pan = 0, fen = 0;
    v.app.dm()->GetCTItemCnt(zong, dan, duo, pan, fen, QStringLiteral("20240603"));
    QCOMPARE(zong, 2);
    QCOMPARE(dan, 1);
    QCOMPARE(fen, 1);

    // A redo, a day later, with another mistake.
    Clock::set(Start.addDays(1));
    Modal::setHandler([&](QDialog *) {
        v.tick(2, QStringLiteral("A"));
        v.handIn();
    });
    v.main.SpeedButton19Click();
    QCOMPARE(v.history().size(), 2);
    QCOMPARE(logged(), QStringLiteral("20240603:0191-002 20240604:0191-003 20240603:0191-006"));
}

void TestExamResult::wholeExam()
{
    if (!QFileInfo::exists(QDir(sampleSource()).filePath(QStringLiteral("courses"))))
        QSKIP("no sample source next to the tests");
    Views v(sampleBank);
    v.choosePaper(QStringLiteral("会计基础"), QStringLiteral("会计基础模拟试卷（一）"));
    QString report;
    QStringList flagged;
    v.sit([&] {
        QVERIFY(QTest::qWaitForWindowActive(&v.window));
        QVERIFY(v.window.Timer1->isActive());
        v.enter();
        QCOMPARE(ItemList.count(), 68);
        const auto wrongLetter = [](const TItem &item) {
            for (QChar letter : QStringLiteral("ABCD"))
                if (!item.ItemAnswer.contains(letter))
                    return QString(letter);
            return QString();
        };
        v.tick(0, ItemList[0]->ItemAnswer);            // right
        v.tick(1, wrongLetter(*ItemList[1]));          // wrong
        v.go(2);                                       // left, and flagged
        v.window.sbDaiChaClick();
        v.tick(20, ItemList[20]->ItemAnswer);          // multiple choice, right
        v.tick(40, wrongLetter(*ItemList[40]));        // true/false, wrong
        flagged << QString::number(ItemList[2]->ColorMark);

        // The first calculation question: its first sub-question's entry, typed row by row, and
        // its amount.
        v.go(60);
        TEntryPanels *p = v.window.Panel11n;
        const QStringList rows = ItemList[60]->ItemA.split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (int r = 1; r <= rows.size(); ++r) {
            if (r > 2)
                QTest::mouseClick(p->control<QToolButton>(QStringLiteral("pnlA_"), QStringLiteral("bbtnAdd%1").arg(r - 1)),
                                  Qt::LeftButton);
            const QString line = rows[r - 1];
            const bool debit = line.startsWith(QStringLiteral("借"));
            QTest::mouseClick(p->control<QRadioButton>(QStringLiteral("pnlA_"),
                                                        (debit ? QStringLiteral("rbJ%1") : QStringLiteral("rbD%1")).arg(r)),
                              Qt::LeftButton);
            auto *account = p->control<QLineEdit>(QStringLiteral("pnlA_"), QStringLiteral("edtKM%1").arg(r));
            account->setFocus();
            account->setText(line.mid(2, line.indexOf(QLatin1Char('=')) - 2));
            auto *amount = p->control<QLineEdit>(QStringLiteral("pnlA_"), QStringLiteral("edtJE%1").arg(r));
            amount->setFocus();
            QTest::keyClicks(amount, line.mid(line.indexOf(QLatin1Char('=')) + 1));
        }
        auto *amount = p->control<QLineEdit>(QStringLiteral("p2lD_"), QStringLiteral("edtJE"));
        amount->setFocus();
        QTest::keyClicks(amount, ItemList[63]->ItemD);

        Clock::advance(20 * 60 + 34);
        v.handIn();
        report = MessageBox::shown().value(0).text;
    });
    QCOMPARE(flagged, QStringList{"2"});
    QVERIFY(report.startsWith(QStringLiteral("您还有4类题未做\n       1、单选题有18题未做！            共计20题\n")));
    QVERIFY(report.endsWith(QStringLiteral("4、分析题有2题未做！            共计2题")));

    // The result view and the window's result fields.
    QCOMPARE(v.main.KaoShiArea->currentWidget(), v.main.gbKaoShi);
    QCOMPARE(v.resultLines(),
             (QStringList{"会计基础", "会计基础模拟试卷（一）", "09:00:00", "00:20:34", "试卷题目数：62题，共68小题",
                          "已做完题数：6小题", "未做完题数：62小题", "正确题数：4小题", "错误题数：2小题",
                          "满分：100.00分", "您本次得分：8.00分", "得分率为：8.00%"}));
    QCOMPARE((QList<int>{v.window.YiLianXiCnt, v.window.WeiLianXiCnt, v.window.ZhengQueCnt, v.window.CuoWuCnt,
                         v.window.ManFen, v.window.DeFen}),
             (QList<int>{6, 62, 4, 2, 10000, 800}));
    const QStringList firstRow{"20240603090000", "4", "2", "6", "62", "00:20:34", "模拟考试", "8", "会计基础",
                               "会计基础模拟试卷（一）"};
    QCOMPARE(v.history(), QList<QStringList>{firstRow});

    // 查看错题 opens on the first wrong question; leaving it changes no record.
    Seen seen;
    Modal::setHandler([&](QDialog *) {
        seen.position = v.window.Item_Index;
        QTest::mouseClick(v.window.cbA, Qt::LeftButton);
        QTest::mouseClick(v.window.Label15, Qt::LeftButton);
        seen.mode = QString::number(v.window.Item_Index);
        QTest::mouseClick(v.window.sbEndEx, Qt::LeftButton);
    });
    Clock::advance(300);
    QTest::mouseClick(v.main.SpeedButton22, Qt::LeftButton);
    QCOMPARE(seen.position, 1);
    QCOMPARE(seen.mode, QStringLiteral("40"));
    QCOMPARE(v.history(), QList<QStringList>{firstRow});
    QCOMPARE(v.main.lblKaoShiYongShi->text(), QStringLiteral("00:20:34"));

    // 重新练习: cleared, timed, and its hand-in adds a second row beside the first.
    Modal::setHandler([&](QDialog *) {
        seen.countdown = v.window.Timer1->isActive();
        seen.screen = v.window.currentScreen()->objectName();
        int answered = 0;
        for (int i = 0; i < ItemList.count(); ++i)
            answered += ItemList[i]->UserAnswer.isEmpty() ? 0 : 1;
        seen.times = answered;
        v.tick(0, ItemList[0]->ItemAnswer);
        Clock::advance(90);
        v.handIn();
    });
    Clock::advance(60);
    QTest::mouseClick(v.main.SpeedButton19, Qt::LeftButton);
    QVERIFY(seen.countdown);
    QCOMPARE(seen.screen, QStringLiteral("Panel5"));
    QCOMPARE(seen.times, 0);
    const QList<QStringList> rows = v.history();
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows.first(), firstRow);
    QCOMPARE(rows.last(), (QStringList{"20240603092634", "1", "0", "1", "67", "00:01:30", "模拟考试", "1", "会计基础",
                                       "会计基础模拟试卷（一）"}));

    // The learning curve shows both exams.
    v.main.SpeedButton8Click();
    QCOMPARE(v.main.sgXueXiLog->rowCount(), 2);
    QCOMPARE(v.main.sgXueXiLog->item(0, 8)->text(), QStringLiteral("模拟考试"));
    QCOMPARE(v.main.sgXueXiLog->item(1, 8)->text(), QStringLiteral("模拟考试"));
    QLineSeries *curve = nullptr;
    for (QAbstractSeries *series : v.main.Chart->series())
        if (series->objectName() == QLatin1String("ChartCurve"))
            curve = qobject_cast<QLineSeries *>(series);
    QVERIFY(curve);
    QCOMPARE(curve->count(), 2);
}

QTEST_MAIN(TestExamResult)
#include "tst_exam_result.moc"
