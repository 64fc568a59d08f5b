// The practice page of the main window driven for real: chapter set-up and start, the result
// of a run with its reviews, and the essentials and wrong-question set-up.
#include "core/UnitDefine.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "store/UnitDM.h"
#include "tests/fixtures/TestBank.h"
#include "ui/main/UnitMain.h"
#include "ui/entry/EntryPanels.h"
#include "ui/practice/UnitZhangJie.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QSet>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

// The bank, the main window and the practice window, wired as start-up wires them.
struct Practice
{
    explicit Practice(const std::function<void(BankWriter &)> &fill = {})
        : app(fill), main(app.dm()), window(app.dm())
    {
        MainForm = &main;
        frmZhangJie = &window;
    }
    ~Practice()
    {
        MainForm = nullptr;
        frmZhangJie = nullptr;
        ItemList.clear();
    }

    QToolButton *chapter(int i) const
    {
        return main.findChild<QToolButton *>(QStringLiteral("sbZhangJie%1").arg(i));
    }
    // With the random order off, unless asked for, so that runs are in the bank's order.
    void openChapter(int i, bool randomOrder = false)
    {
        main.SpeedButton3Click();
        main.cbShunXu->setChecked(randomOrder);
        chapter(i)->click();
    }
    void selectCourse(int index) { main.cbKeCheng->setCurrentIndex(index); }

    TestApp app;
    TMainForm main;
    TfrmZhangJie window;
};

// What the practice window held while it was shown.
struct Shown
{
    int times = 0;
    QString mode;
    int index = -2;
    QString types;
    QStringList ids;
    bool timerActive = false;
    int timerInterval = 0;
};

void recordRun(Shown &seen)
{
    Modal::setHandler([&seen](QDialog *) {
        ++seen.times;
        seen.mode = frmZhangJie->LXMode;
        seen.index = frmZhangJie->Item_Index;
        seen.timerActive = frmZhangJie->TimerDaTi->isActive();
        seen.timerInterval = frmZhangJie->TimerDaTi->interval();
        seen.types.clear();
        seen.ids.clear();
        for (int i = 0; i < ItemList.count(); ++i) {
            seen.types += ItemList.object(i)->ItemType;
            seen.ids << ItemList.object(i)->ItemID;
        }
    });
}

QStringList chapterNames(const QString &prefix, int n)
{
    QStringList names;
    for (int i = 1; i <= n; ++i)
        names << QStringLiteral("%1第%2章").arg(prefix).arg(i);
    return names;
}

// Courses "03" 会计基础 (5 chapters), "02" 财经法规与会计职业道德 (2), "01" 珠算 (1).
void threeCourses(BankWriter &bank)
{
    bank.addCourse(QStringLiteral("03"), QStringLiteral("会计基础"));
    bank.addCourse(QStringLiteral("02"), QStringLiteral("财经法规与会计职业道德"));
    bank.addCourse(QStringLiteral("01"), QStringLiteral("珠算"));
    const std::tuple<QString, QString, int> courses[] = {{QStringLiteral("03"), QStringLiteral("会计"), 5},
                                                        {QStringLiteral("02"), QStringLiteral("法规"), 2},
                                                        {QStringLiteral("01"), QStringLiteral("珠算"), 1}};
    for (const auto &[id, prefix, n] : courses) {
        const QStringList names = chapterNames(prefix, n);
        for (int i = 0; i < n; ++i)
            bank.addChapter(id + QString::number(i + 1).rightJustified(2, u'0'), names.at(i), id, QStringLiteral("1"));
        bank.addChapter(id + QStringLiteral("91"), prefix + QStringLiteral("试卷"), id, QStringLiteral("2"));
    }
}

// Twelve essential single-choice questions Q01..Q12 in one chapter.
void twelveEssentials(BankWriter &bank)
{
    bank.addCourse(QStringLiteral("02"), QStringLiteral("会计基础"));
    bank.addChapter(QStringLiteral("0201"), QStringLiteral("第一章 总论"), QStringLiteral("02"), QStringLiteral("1"));
    for (int i = 1; i <= 12; ++i) {
        BankQuestion q = TestApp::choice(QStringLiteral("Q%1").arg(i, 2, 10, QChar(u'0')), QStringLiteral("0201"),
                                         QStringLiteral("1"), QStringLiteral("A"), 1);
        q.fav = true;
        bank.addQuestion(q);
    }
}

// An entry of a hand-made list: R answered right, W answered wrong, - unanswered.
std::unique_ptr<TItem> entry(QChar state)
{
    auto e = std::make_unique<TItem>();
    e->ItemID = QStringLiteral("X");
    e->ItemType = QStringLiteral("1");
    e->ItemDetail = QStringLiteral("题目");
    e->ItemA = QStringLiteral("甲");
    e->ItemB = QStringLiteral("乙");
    e->ItemAnswer = QStringLiteral("A");
    e->ItemScore = 100;
    e->kind45Index = 1;
    e->ColorMark = 3;
    if (state == u'R') {
        e->UserAnswer = QStringLiteral("A");
        e->UserScore = 100;
    } else if (state == u'W') {
        e->UserAnswer = QStringLiteral("B");
    }
    return e;
}

void fillList(const QString &states)
{
    ItemList.clear();
    for (QChar s : states)
        ItemList.add(QStringLiteral("X"), entry(s));
}

const QDateTime Pinned(QDate(2013, 9, 8), QTime(10, 20, 30));

} // namespace

class TstPracticeSetup : public QObject
{
    Q_OBJECT

private slots:
    void openingShowsFirstCourseAndItsChapters();
    void initialControls_data();
    void initialControls();
    void boxesAsFirstSeen();
    void chapterClickFillsCountsAndBounds_data();
    void chapterClickFillsCountsAndBounds();
    void courseChangeLeavesNoOldButton();
    void analysisCaptionsFollowTheCourseName();
    void startLoadsRequestedQuantitiesInTypeOrder_data();
    void startLoadsRequestedQuantitiesInTypeOrder();
    void startSetsTheRunUp_data();
    void startSetsTheRunUp();
    void failedLoadOpensNoRun();
    void endedRunShowsItsResult();
    void resultLines_data();
    void resultLines();
    void reviews_data();
    void reviews();
    void viewAllShowsTheAnswerStrip();
    void practiseAgainClearsAnswersKeepsMarksAndFlags();
    void fontPreviewsFollowTheirBoxes();
    void enterActivatesFocusedButton();
    void tabGoesFromCourseThroughChaptersToReviews();
    void essentialsCountsAndMode();
    void essentialsStartKeepsTheChosenRange();
    void selectionBoxHeldWithinItsBounds_data();
    void selectionBoxHeldWithinItsBounds();
    void wrongQuestionPeriodCaptionsFromClock();
    void wrongQuestionPeriods_data();
    void wrongQuestionPeriods();
    void wrongQuestionListedOncePerLoggedDay();
    void cancelledPeriodKeepsStartDisabled();
    void defaultReviewRunHoldsEveryFlaggedEntry_data();
    void defaultReviewRunHoldsEveryFlaggedEntry();
    void reviewKeepsTheRecordRedoAddsOne();
    void reviewsChangeNothing_data();
    void reviewsChangeNothing();
    void reviewRunsRecordedAsWhatTheyWere_data();
    void reviewRunsRecordedAsWhatTheyWere();
    void newRunStartsWithTheKeyHidden();
    void wrongQuestionSetupShowsItsOwnCounts();
    void essentialsThatCannotBeCountedStartNothing();
    void randomOrderBoxDecidesTheOrder_data();
    void randomOrderBoxDecidesTheOrder();
};

void TstPracticeSetup::openingShowsFirstCourseAndItsChapters()
{
    Practice p;
    p.main.SpeedButton3Click();

    QCOMPARE(p.main.currentView(), p.main.PanelZJLX);
    QCOMPARE(p.main.PracticeArea->currentWidget(), p.main.gbTiKuXinXi);
    QCOMPARE(p.main.cbKeCheng->count(), 2);
    QCOMPARE(p.main.cbKeCheng->currentText(), QStringLiteral("会计基础"));
    QCOMPARE(p.main.cbKeCheng->itemText(1), QStringLiteral("财经法规与会计职业道德"));
    QCOMPARE(p.window.KeChengID, QStringLiteral("02"));
    QCOMPARE(p.window.KeChengName, QStringLiteral("会计基础"));

    const QStringList captions = {QStringLiteral("第一章 总论"), QStringLiteral("第二章 会计科目")};
    const int width = p.main.ScrollBoxZhangJie->width() - 20;
    for (int i = 0; i < captions.size(); ++i) {
        QToolButton *b = p.chapter(i);
        QVERIFY(b);
        QCOMPARE(b->text(), captions.at(i));
        QCOMPARE(b->parentWidget(), p.main.ScrollBoxZhangJie->widget());
        QCOMPARE(b->geometry(), QRect(10, 12 + 32 * i, width, 30));
        QCOMPARE(b->font().pointSize(), 11);
    }
    QVERIFY(!p.chapter(2)); // the exam paper of the course is no chapter
    QCOMPARE(p.main.lblXuanZeZhangJie->text(), QStringLiteral("请选择章节。。。"));
    QVERIFY(!p.main.sbKaiShiLianXi->isEnabled());

    // Opening again reuses the names instead of adding a second set.
    p.main.SpeedButton3Click();
    QCOMPARE(p.main.ScrollBoxZhangJie->widget()->findChildren<QToolButton *>().size(), 2);
}

void TstPracticeSetup::initialControls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("enabled");

    QTest::newRow("chapter") << "lblXuanZeZhangJie" << "请选择章节。。。" << true;
    QTest::newRow("analysis caption") << "lblfenxi" << "计算分析题：" << true;
    QTest::newRow("all questions") << "cbZhangJieAll" << "全部习题" << true;
    QTest::newRow("single") << "cbDanXuan" << "单选题：" << false;
    QTest::newRow("analysis") << "cbFenXi" << "计算分析题：" << false;
    QTest::newRow("speed") << "cbDaTiSuDu" << "速度控制，每题" << true;
    QTest::newRow("order") << "cbShunXu" << "随机排列题目和选项顺序" << true;
    QTest::newRow("preview") << "pnlZitiYuLan" << "字体大小预览" << true;
    QTest::newRow("start") << "sbKaiShiLianXi" << "开始练习" << false;
    QTest::newRow("review kind") << "lblJHCT_CAP" << "请选择章节。。。" << true;
    QTest::newRow("review start") << "sbJHCTKaiShiLianXi" << "开始练习" << false;
    QTest::newRow("review speed") << "cbJHCTDaTiSuDu" << "速度控制，每题" << true;
    QTest::newRow("today") << "rbToDay" << "当天错题" << true;
    QTest::newRow("all errors") << "rbAll" << "所有错题" << true;
    QTest::newRow("confirm") << "SpeedButton28" << "确定" << true;
    QTest::newRow("essentials") << "SpeedButton24" << "精华试题" << true;
    QTest::newRow("wrong questions") << "SpeedButton27" << "错题复习" << true;
}

void TstPracticeSetup::initialControls()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(bool, enabled);
    Practice p;
    QWidget *w = p.main.PanelZJLX->findChild<QWidget *>(name);
    QVERIFY2(w, qPrintable(name));
    QCOMPARE(w->property("text").toString(), text);
    QCOMPARE(w->isEnabled(), enabled);
}

void TstPracticeSetup::boxesAsFirstSeen()
{
    Practice p;
    // Switching after 500 s, 12 pt, ticks as laid out.
    QCOMPARE(p.main.seQieHuanMiaoShu->value(), 500);
    QCOMPARE(p.main.seJHCTQieHuanMiaoShu->value(), 500);
    QCOMPARE(p.main.seZiTiDaXiao->value(), 12);
    QVERIFY(p.main.cbZhangJieAll->isChecked());
    QVERIFY(!p.main.cbJHCTDaTiSuDu->isChecked());
    QVERIFY(p.main.rbToDay->isChecked());
    QCOMPARE(p.main.gbJHCT->title(), QStringLiteral("精华类复习"));
}

void TstPracticeSetup::chapterClickFillsCountsAndBounds_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("chapterId");
    QTest::addColumn<QList<int>>("counts"); // total, single, multiple, true/false, analysis

    QTest::newRow("every type") << 0 << "0201" << QList<int>{8, 3, 2, 2, 1};
    QTest::newRow("no questions") << 1 << "0202" << QList<int>{0, 0, 0, 0, 0};
}

void TstPracticeSetup::chapterClickFillsCountsAndBounds()
{
    QFETCH(int, button);
    QFETCH(QString, chapterId);
    QFETCH(QList<int>, counts);
    Practice p;
    p.openChapter(button);

    QCOMPARE(p.window.ZhangJieID, chapterId);
    QCOMPARE(p.window.ZhangJieName, p.chapter(button)->text());
    QCOMPARE(p.main.lblXuanZeZhangJie->text(), p.chapter(button)->text());
    QVERIFY(p.main.sbKaiShiLianXi->isEnabled());
    QCOMPARE(p.main.lblZhangJieCnt->text(), QString::number(counts.at(0)));
    const std::pair<QLabel *, QSpinBox *> types[] = {{p.main.lblZJDanXuanCnt, p.main.seDanXunShuLiang},
                                                    {p.main.lblZJDuoXuanCnt, p.main.seDuoXuanShuLiang},
                                                    {p.main.lblZJPanDuanCnt, p.main.sePanDuanShuLiang},
                                                    {p.main.lblZJFenxiCnt, p.main.seFenXiShuLiang}};
    for (int t = 0; t < 4; ++t) {
        QCOMPARE(types[t].first->text(), QString::number(counts.at(t + 1)));
        QCOMPARE(types[t].second->value(), counts.at(t + 1));
        QCOMPARE(types[t].second->maximum(), counts.at(t + 1));
    }
}

void TstPracticeSetup::courseChangeLeavesNoOldButton()
{
    Practice p(threeCourses);
    p.openChapter(4);
    QCOMPARE(p.main.lblXuanZeZhangJie->text(), QStringLiteral("会计第5章"));

    // The exam page refills the shared chapter list with papers in between.
    p.app.dm()->GetZhangJIe(QStringLiteral("03"), QStringLiteral("2"));
    p.selectCourse(1);

    QCOMPARE(p.chapter(0)->text(), QStringLiteral("法规第1章"));
    QCOMPARE(p.chapter(1)->text(), QStringLiteral("法规第2章"));
    for (int i = 2; i < 5; ++i)
        QVERIFY2(!p.chapter(i), qPrintable(QString::number(i)));
    QCOMPARE(p.main.ScrollBoxZhangJie->widget()->findChildren<QToolButton *>().size(), 2);
    QCOMPARE(p.main.lblXuanZeZhangJie->text(), QStringLiteral("请选择章节。。。"));
    QVERIFY(!p.main.sbKaiShiLianXi->isEnabled());
    QCOMPARE(p.window.KeChengID, QStringLiteral("02"));

    // The new buttons lead to the new course's chapters.
    p.chapter(1)->click();
    QCOMPARE(p.window.ZhangJieID, QStringLiteral("0202"));
}

void TstPracticeSetup::analysisCaptionsFollowTheCourseName()
{
    Practice p(threeCourses);
    p.main.SpeedButton3Click();
    QCOMPARE(p.main.lblfenxi->text(), QStringLiteral("计算分析题："));
    QCOMPARE(p.main.cbFenXi->text(), QStringLiteral("计算分析题："));

    p.selectCourse(1);
    QCOMPARE(p.main.lblfenxi->text(), QStringLiteral("案例分析题："));
    QCOMPARE(p.main.cbFenXi->text(), QStringLiteral("案例分析题："));

    // A course of neither kind keeps the captions of the one before.
    p.selectCourse(2);
    QCOMPARE(p.main.lblfenxi->text(), QStringLiteral("案例分析题："));
    QCOMPARE(p.main.cbFenXi->text(), QStringLiteral("案例分析题："));

    p.selectCourse(0);
    QCOMPARE(p.main.lblfenxi->text(), QStringLiteral("计算分析题："));
}

void TstPracticeSetup::startLoadsRequestedQuantitiesInTypeOrder_data()
{
    QTest::addColumn<bool>("all");
    QTest::addColumn<QString>("ticked"); // type boxes ticked: 1 single ... 4 analysis
    QTest::addColumn<QList<int>>("amounts");
    QTest::addColumn<QString>("types");
    QTest::addColumn<QString>("total");

    // The calculation question gives one entry per present key: A, B and D.
    // The summary counts questions, and says how many entries there are where it differs.
    QTest::newRow("all questions") << true << "" << QList<int>{3, 2, 2, 1} << "1112233444"
                                   << "本次题量共：8题，共10小题";
    QTest::newRow("all, box lowered while unticked")
        << true << "" << QList<int>{1, 2, 2, 1} << "12233444" << "本次题量共：6题，共8小题";
    QTest::newRow("all ignores the type boxes") << true << "2" << QList<int>{0, 1, 0, 0} << "2" << "本次题量共：1题";
    QTest::newRow("own choice, unticked types give none")
        << false << "24" << QList<int>{3, 1, 2, 1} << "2444" << "本次题量共：2题，共4小题";
    QTest::newRow("own choice, nothing ticked") << false << "" << QList<int>{3, 2, 2, 1} << "" << "本次题量共：0题";
}

void TstPracticeSetup::startLoadsRequestedQuantitiesInTypeOrder()
{
    QFETCH(bool, all);
    QFETCH(QString, ticked);
    QFETCH(QList<int>, amounts);
    QFETCH(QString, types);
    QFETCH(QString, total);
    Practice p;
    p.openChapter(0);
    p.main.cbZhangJieAll->setChecked(false);
    QCheckBox *boxes[] = {p.main.cbDanXuan, p.main.cbDuoXuan, p.main.cbPanDuan, p.main.cbFenXi};
    QSpinBox *amountBoxes[] = {p.main.seDanXunShuLiang, p.main.seDuoXuanShuLiang, p.main.sePanDuanShuLiang,
                               p.main.seFenXiShuLiang};
    for (int t = 0; t < 4; ++t) {
        QVERIFY(boxes[t]->isEnabled());
        boxes[t]->setChecked(ticked.contains(QChar(u'1' + t)));
        amountBoxes[t]->setValue(amounts.at(t));
    }
    p.main.cbZhangJieAll->setChecked(all);
    QCOMPARE(boxes[0]->isEnabled(), !all);
    QCOMPARE(amountBoxes[3]->isEnabled(), !all);

    Shown seen;
    recordRun(seen);
    p.main.sbKaiShiLianXi->click();

    QCOMPARE(seen.times, 1);
    QCOMPARE(seen.mode, QStringLiteral("First"));
    QCOMPARE(seen.types, types);
    QCOMPARE(p.window.lblTotal->text(), total);
}

void TstPracticeSetup::failedLoadOpensNoRun()
{
    Practice p;
    p.openChapter(0);
    p.app.scalar(QStringLiteral("alter table tabItem rename to tabItemGone"));
    Shown seen;
    recordRun(seen);
    p.main.sbKaiShiLianXi->click();
    QCOMPARE(seen.times, 0);
    QCOMPARE(MessageBox::shown().size(), 1);
    QVERIFY(!p.window.TimerDaTi->isActive());
    QVERIFY(p.main.PracticeArea->currentWidget() != p.main.gbRes);
}

void TstPracticeSetup::startSetsTheRunUp_data()
{
    QTest::addColumn<bool>("speed");
    QTest::addColumn<int>("seconds");

    QTest::newRow("forced switching") << true << 30;
    QTest::newRow("no switching") << false << 30;
}

void TstPracticeSetup::startSetsTheRunUp()
{
    QFETCH(bool, speed);
    QFETCH(int, seconds);
    Practice p;
    Clock::set(Pinned);
    p.openChapter(0);
    p.main.cbDaTiSuDu->setChecked(speed);
    p.main.seQieHuanMiaoShu->setValue(seconds);
    p.main.seZiTiDaXiao->setValue(15);
    p.window.QieHuaCnt = 7;

    Shown seen;
    recordRun(seen);
    p.main.sbKaiShiLianXiClick();

    QVERIFY(seen.timerActive);
    QCOMPARE(seen.timerInterval, 1000);
    QCOMPARE(seen.index, 0);
    QCOMPARE(p.window.Test_ID, QStringLiteral("20130908102030"));
    QCOMPARE(p.window.StartTime, Pinned);
    QCOMPARE(p.window.QieHuan, speed);
    if (speed) {
        QCOMPARE(p.window.QieHuaDiv, seconds);
        QCOMPARE(p.window.QieHuaCnt, 0);
    } else {
        QCOMPARE(p.window.lvlQieHuanLeft->text(), QStringLiteral("----"));
    }
    QCOMPARE(p.window.meoItem->font().pointSize(), 15);
    QCOMPARE(p.window.cbA->font().pointSize(), 15);
    QCOMPARE(p.window.lblDanXuan->text(), QStringLiteral("单选题量为：3题"));
    QCOMPARE(p.window.lblDuoXuan->text(), QStringLiteral("多选题量为：2题"));
    QCOMPARE(p.window.lblPanDuan->text(), QStringLiteral("判断题量为：2题"));
    QCOMPARE(p.window.lblFenXi->text(), QStringLiteral("计算分析题：1题"));
    // Left by the close box: the timer stops, nothing was counted, and the set-up comes back
    // rather than an earlier run's result.
    QVERIFY(!p.window.TimerDaTi->isActive());
    QCOMPARE(p.main.PracticeArea->currentWidget(), p.main.gbTiKuXinXi);
}

void TstPracticeSetup::endedRunShowsItsResult()
{
    Practice p;
    Clock::set(Pinned);
    p.openChapter(0);
    Modal::setHandler([](QDialog *) {
        frmZhangJie->cbA->click(); // first single choice, answer A: right
        Clock::advance(65);
        MessageBox::setNextAnswer(QMessageBox::Yes);
        frmZhangJie->SpeedButton8Click();
    });
    p.main.sbKaiShiLianXiClick();

    QCOMPARE(p.main.PracticeArea->currentWidget(), p.main.gbRes);
    QCOMPARE(p.main.lblResKeCheng->text(), QStringLiteral("会计基础"));
    QCOMPARE(p.main.lblResZhangJie->text(), QStringLiteral("第一章 总论"));
    QCOMPARE(p.main.lblResKaiShi->text(), QStringLiteral("10:20:30"));
    QCOMPARE(p.main.lblResYongShi->text(), QStringLiteral("00:01:05"));
    // Eight questions, one of them a calculation of three sub-questions: the counts say which.
    QCOMPARE(p.main.lblResZongGong->text(), QStringLiteral("本次练习题量共：8题，共10小题"));
    QCOMPARE(p.main.lblResYiDa->text(), QStringLiteral("已练习题数：1小题"));
    QCOMPARE(p.main.lblResWeiDa->text(), QStringLiteral("未练习题数：9小题"));
    QCOMPARE(p.main.lblResDui->text(), QStringLiteral("正确题数：1小题"));
    // Unanswered is not done, not wrong.
    QCOMPARE(p.main.lblResCuo->text(), QStringLiteral("错误题数：0小题"));
    // 3 + 4 + 2 points of choices and the calculation's 10, whole however its sub-questions
    // share them.
    QCOMPARE(p.main.lblResManFen->text(), QStringLiteral("满分：19.00分"));
    QCOMPARE(p.main.lblResDeFen->text(), QStringLiteral("您本次得分：1.00分"));
    QCOMPARE(p.main.lblResZhengQueLv->text(), QStringLiteral("得分率为：5.26%"));
}

void TstPracticeSetup::resultLines_data()
{
    QTest::addColumn<int>("manFen");
    QTest::addColumn<int>("deFen");
    QTest::addColumn<int>("secondsUsed");
    QTest::addColumn<QString>("manFenLine");
    QTest::addColumn<QString>("deFenLine");
    QTest::addColumn<QString>("rateLine");
    QTest::addColumn<QString>("used");

    QTest::newRow("rate of points") << 2000 << 1500 << 59 << "满分：20.00分" << "您本次得分：15.00分"
                                    << "得分率为：75.00%" << "00:00:59";
    QTest::newRow("half a point") << 300 << 50 << 3600 << "满分：3.00分" << "您本次得分：0.50分"
                                  << "得分率为：16.67%" << "01:00:00";
    QTest::newRow("no full marks") << 0 << 0 << 0 << "满分：0.00分" << "您本次得分：0.00分" << "得分率为：0%"
                                   << "00:00:00";
    QTest::newRow("more than a day") << 100 << 100 << 86400 + 3662 << "满分：1.00分" << "您本次得分：1.00分"
                                     << "得分率为：100.00%" << "01:01:02";
}

void TstPracticeSetup::resultLines()
{
    QFETCH(int, manFen);
    QFETCH(int, deFen);
    QFETCH(int, secondsUsed);
    QFETCH(QString, manFenLine);
    QFETCH(QString, deFenLine);
    QFETCH(QString, rateLine);
    QFETCH(QString, used);
    Practice p;
    Clock::set(Pinned);
    p.window.StartTime = Pinned.addSecs(-secondsUsed);
    p.window.TimeUsed = used; // as the run's end stored it
    p.window.QuestionCnt = 7;
    p.window.ManFen = manFen;
    p.window.DeFen = deFen;
    p.window.YiLianXiCnt = 4;
    p.window.WeiLianXiCnt = 3;
    p.window.ZhengQueCnt = 2;
    p.window.CuoWuCnt = 5;

    p.main.ShowResultZJ();

    QCOMPARE(p.main.lblResManFen->text(), manFenLine);
    QCOMPARE(p.main.lblResDeFen->text(), deFenLine);
    QCOMPARE(p.main.lblResZhengQueLv->text(), rateLine);
    QCOMPARE(p.main.lblResYongShi->text(), used);
    // Shown later, the time used is still the run's.
    Clock::advance(3600);
    p.main.ShowResultZJ();
    QCOMPARE(p.main.lblResYongShi->text(), used);
    QCOMPARE(p.main.lblResZongGong->text(), QStringLiteral("本次练习题量共：7题"));
    QCOMPARE(p.main.lblResCuo->text(), QStringLiteral("错误题数：5题"));
}

void TstPracticeSetup::reviews_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("entries"); // R right, W wrong, - unanswered
    QTest::addColumn<QString>("mode");
    QTest::addColumn<int>("index"); // -1: not shown
    QTest::addColumn<QString>("message");

    QTest::newRow("all answers") << 14 << "RW-" << "view" << 0 << "";
    QTest::newRow("wrong") << 15 << "RW-" << "error" << 1 << "";
    // Wrong as the result counts it: an unanswered entry is not done, not wrong.
    QTest::newRow("wrong skips the unanswered") << 15 << "R-W" << "error" << 2 << "";
    QTest::newRow("unanswered is not wrong") << 15 << "R-R" << "error" << -1 << "没有错题！";
    QTest::newRow("right") << 16 << "W-R" << "right" << 2 << "";
    QTest::newRow("unanswered") << 17 << "RW-" << "notfinish" << 2 << "";
    QTest::newRow("again") << 18 << "RW-" << "new" << 0 << "";
    QTest::newRow("no wrong") << 15 << "RR" << "error" << -1 << "没有错题！";
    QTest::newRow("no right") << 16 << "W-" << "right" << -1 << "没有对题！";
    QTest::newRow("no unanswered") << 17 << "RW" << "notfinish" << -1 << "没有未完成题！";
    QTest::newRow("empty: all answers") << 14 << "" << "view" << 0 << "";
    QTest::newRow("empty: wrong") << 15 << "" << "error" << -1 << "没有错题！";
    QTest::newRow("empty: right") << 16 << "" << "right" << -1 << "没有对题！";
    QTest::newRow("empty: unanswered") << 17 << "" << "notfinish" << -1 << "没有未完成题！";
    QTest::newRow("empty: again") << 18 << "" << "new" << 0 << "";
}

void TstPracticeSetup::reviews()
{
    QFETCH(int, button);
    QFETCH(QString, entries);
    QFETCH(QString, mode);
    QFETCH(int, index);
    QFETCH(QString, message);
    Practice p;
    p.main.SpeedButton3Click();
    fillList(entries);
    p.window.QieHuaCnt = 9;
    Shown seen;
    recordRun(seen);

    QToolButton *buttons[] = {p.main.SpeedButton14, p.main.SpeedButton15, p.main.SpeedButton16,
                              p.main.SpeedButton17, p.main.SpeedButton18};
    buttons[button - 14]->click();

    QCOMPARE(p.window.LXMode, mode);
    if (index < 0) {
        QCOMPARE(seen.times, 0);
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(MessageBox::shown().at(0).caption, QStringLiteral("提示"));
        QCOMPARE(MessageBox::shown().at(0).text, message);
        QCOMPARE(p.main.PracticeArea->currentWidget(), p.main.gbTiKuXinXi);
    } else {
        QCOMPARE(seen.times, 1);
        QCOMPARE(seen.index, index);
        // Reviews have neither countdown nor forced switching; a redo is a new, timed attempt.
        QCOMPARE(seen.timerActive, mode == QLatin1String("new"));
        QCOMPARE(p.window.QieHuaCnt, 0);
        QVERIFY(MessageBox::shown().isEmpty());
        // Left by the close box: a review returns to its run's result; a redo, whose answers
        // are gone, to the set-up.
        QCOMPARE(p.main.PracticeArea->currentWidget(), mode == QLatin1String("new") ? p.main.gbTiKuXinXi : p.main.gbRes);
    }
}

void TstPracticeSetup::viewAllShowsTheAnswerStrip()
{
    Practice p;
    fillList(QStringLiteral("RW"));
    QVERIFY(p.window.pnlAnswer->isHidden());
    bool stripShown = false;
    Modal::setHandler([&](QDialog *) { stripShown = p.window.pnlAnswer->isVisible(); });
    p.main.SpeedButton14Click();
    QVERIFY(stripShown);
    QCOMPARE(p.window.sbAnswer->text(), QStringLiteral("隐藏答案"));

    // A strip already shown stays shown.
    p.main.SpeedButton14Click();
    QVERIFY(!p.window.pnlAnswer->isHidden());
    QCOMPARE(p.window.sbAnswer->text(), QStringLiteral("隐藏答案"));
}

void TstPracticeSetup::practiseAgainClearsAnswersKeepsMarksAndFlags()
{
    Practice p;
    fillList(QStringLiteral("RW-"));
    ItemList.object(0)->ItemMark = true;
    ItemList.object(1)->ItemFav = true;
    bool anyTicked = true;
    Modal::setHandler([&](QDialog *) {
        anyTicked = p.window.cbA->isChecked() || p.window.cbB->isChecked();
    });
    p.main.SpeedButton18Click();

    QVERIFY(!anyTicked);
    for (int i = 0; i < ItemList.count(); ++i) {
        QVERIFY(ItemList.object(i)->UserAnswer.isEmpty());
        QCOMPARE(ItemList.object(i)->UserScore, 0);
    }
    QVERIFY(ItemList.object(0)->ItemMark);
    QVERIFY(ItemList.object(1)->ItemFav);
}

void TstPracticeSetup::fontPreviewsFollowTheirBoxes()
{
    Practice p;
    p.main.seZiTiDaXiao->setValue(16);
    QCOMPARE(p.main.pnlZitiYuLan->font().pointSize(), 16);
    p.main.seJHCT_fontsize->setValue(9);
    QCOMPARE(p.main.pnlJHCTZitiYuLan->font().pointSize(), 9);
    QCOMPARE(p.main.pnlZitiYuLan->font().pointSize(), 16);
}

void TstPracticeSetup::enterActivatesFocusedButton()
{
    Practice p;
    p.main.SpeedButton3Click();
    QTest::keyClick(p.main.SpeedButton24, Qt::Key_Return);
    QCOMPARE(p.main.PracticeArea->currentWidget(), p.main.gbJHCT);
    QCOMPARE(p.window.LXMode, QStringLiteral("JingHua"));

    QTest::keyClick(p.chapter(0), Qt::Key_Enter);
    QCOMPARE(p.main.PracticeArea->currentWidget(), p.main.gbTiKuXinXi);
    QCOMPARE(p.main.lblXuanZeZhangJie->text(), QStringLiteral("第一章 总论"));
}

void TstPracticeSetup::tabGoesFromCourseThroughChaptersToReviews()
{
    Practice p;
    p.main.show();
    QVERIFY(QTest::qWaitForWindowActive(&p.main));
    p.main.SpeedButton3Click();
    p.main.cbKeCheng->setFocus();
    const QList<QWidget *> expected = {p.chapter(0), p.chapter(1), p.main.SpeedButton24, p.main.SpeedButton27};
    for (QWidget *next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
}

void TstPracticeSetup::essentialsCountsAndMode()
{
    Practice p;
    p.app.scalar(QStringLiteral("update tabItem set I_FAV = 1 where I_ID in ('0201-001', '0201-002', '0201-004', "
                                "'0201-008')"));
    p.main.SpeedButton3Click();
    p.main.pnlCTZQ->show();
    p.main.SpeedButton24->click();

    QCOMPARE(p.main.PracticeArea->currentWidget(), p.main.gbJHCT);
    QCOMPARE(p.main.gbJHCT->title(), QStringLiteral("精华类练习"));
    QCOMPARE(p.main.lblJHCT_CAP->text(), QStringLiteral("精华类练习"));
    QVERIFY(p.main.pnlCTZQ->isHidden());
    QCOMPARE(p.main.lblJHCT_all->text(), QStringLiteral("4"));
    QCOMPARE(p.main.lblJHCT_danxuan->text(), QStringLiteral("2"));
    QCOMPARE(p.main.lblJHCT_duoxuan->text(), QStringLiteral("1"));
    QCOMPARE(p.main.lblJHCT_panduan->text(), QStringLiteral("0"));
    QCOMPARE(p.main.lblJHCT_fenxi->text(), QStringLiteral("1"));
    QCOMPARE(p.main.seJHCT_select->value(), 4);
    QVERIFY(p.main.sbJHCTKaiShiLianXi->isEnabled());
    QCOMPARE(p.window.LXMode, QStringLiteral("JingHua"));
}

void TstPracticeSetup::essentialsStartKeepsTheChosenRange()
{
    Practice p(twelveEssentials);
    Clock::set(Pinned);
    p.main.SpeedButton3Click();
    p.main.SpeedButton24Click();
    p.main.seJHCT_start->setValue(3);
    p.main.seJHCT_select->setValue(10);
    p.main.seJHCT_fontsize->setValue(14);

    Shown seen;
    recordRun(seen);
    p.main.sbJHCTKaiShiLianXi->click();

    QCOMPARE(seen.mode, QStringLiteral("JingHua"));
    QCOMPARE(seen.ids, (QStringList{"Q03", "Q04", "Q05", "Q06", "Q07", "Q08", "Q09", "Q10"}));
    QVERIFY(seen.timerActive);
    QCOMPARE(p.window.JHCT_Start, 3);
    QCOMPARE(p.window.JHCT_Select, 10);
    QCOMPARE(p.window.DanXunCnt, 12);
    // The summary counts what the run holds, as its result will.
    QCOMPARE(p.window.lblTotal->text(), QStringLiteral("本次题量共：8题"));
    QCOMPARE(p.window.lblDanXuan->text(), QStringLiteral("单选题量为：8题"));
    // Essentials may hold calculation and case questions alike.
    QCOMPARE(p.window.lblFenXi->text(), QStringLiteral("分析题：0题"));
    // Forced switching is off until the learner ticks it here.
    QVERIFY(!p.window.QieHuan);
    QCOMPARE(p.window.lvlQieHuanLeft->text(), QStringLiteral("----"));
    QCOMPARE(p.window.meoItem->font().pointSize(), 14);
    QCOMPARE(p.window.Test_ID, QStringLiteral("20130908102030"));
    // Left by the close box: back to the essentials set-up, not an earlier run's result.
    QCOMPARE(p.main.PracticeArea->currentWidget(), p.main.gbJHCT);
}

void TstPracticeSetup::selectionBoxHeldWithinItsBounds_data()
{
    QTest::addColumn<int>("essentials");
    QTest::addColumn<int>("select");

    QTest::newRow("none") << 0 << 1;
    QTest::newRow("some") << 5 << 5;
    QTest::newRow("more than the box holds") << 2001 << 2000;
}

void TstPracticeSetup::selectionBoxHeldWithinItsBounds()
{
    QFETCH(int, essentials);
    QFETCH(int, select);
    Practice p;
    p.app.scalar(QStringLiteral("with recursive n(x) as (select 1 union all select x + 1 from n where x < ?) "
                                "insert into tabItem(I_ID, Z_ID, I_TYPE, I_FAV) "
                                "select printf('F%04d', x), '0201', '2', 1 from n where ? > 0"),
                 {essentials, essentials});
    p.main.SpeedButton24Click();
    QCOMPARE(p.main.lblJHCT_all->text(), QString::number(essentials));
    QCOMPARE(p.main.seJHCT_select->value(), select);
}

void TstPracticeSetup::wrongQuestionPeriodCaptionsFromClock()
{
    Practice p;
    Clock::set(Pinned);
    p.main.SpeedButton24Click();
    p.main.SpeedButton27->click();

    QCOMPARE(p.main.PracticeArea->currentWidget(), p.main.gbJHCT);
    QCOMPARE(p.main.gbJHCT->title(), QStringLiteral("错题类练习"));
    QCOMPARE(p.main.lblJHCT_CAP->text(), QStringLiteral("错题类练习"));
    QVERIFY(!p.main.pnlCTZQ->isHidden());
    QCOMPARE(p.main.rbWeek->text(), QStringLiteral("最近一周错题(2013-09-01至今天)"));
    QCOMPARE(p.main.rbMonth->text(), QStringLiteral("最近一月错题(2013-08-09至今天)"));
    QCOMPARE(p.window.LXMode, QStringLiteral("CuoTi"));
    QVERIFY(!p.main.sbJHCTKaiShiLianXi->isEnabled());
}

void TstPracticeSetup::wrongQuestionPeriods_data()
{
    QTest::addColumn<QString>("period");
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("single");

    QTest::newRow("today") << "rbToDay" << "20130908" << 1 << 1;
    QTest::newRow("week") << "rbWeek" << "20130901" << 2 << 2;
    QTest::newRow("month") << "rbMonth" << "20130809" << 3 << 3;
    QTest::newRow("all") << "rbAll" << "20101213" << 4 << 3;
}

void TstPracticeSetup::wrongQuestionPeriods()
{
    QFETCH(QString, period);
    QFETCH(QString, start);
    QFETCH(int, total);
    QFETCH(int, single);
    Practice p;
    Clock::set(Pinned);
    const std::pair<const char *, const char *> log[] = {{"20130908", "0201-001"},
                                                         {"20130905", "0201-001"},
                                                         {"20130820", "0201-002"},
                                                         {"20101213", "0201-004"},
                                                         {"20101212", "0201-005"}};
    for (const auto &[day, id] : log)
        p.app.scalar(QStringLiteral("insert into tabErrItemHisLog(ERR_DATE, ERR_I_ID) values(?, ?)"),
                     {QString::fromLatin1(day), QString::fromLatin1(id)});
    p.main.SpeedButton27Click();
    p.main.PanelZJLX->findChild<QRadioButton *>(period)->setChecked(true);
    p.main.SpeedButton28->click();

    QCOMPARE(p.window.CT_Start, start);
    QCOMPARE(p.main.lblJHCT_all->text(), QString::number(total));
    QCOMPARE(p.main.lblJHCT_danxuan->text(), QString::number(single));
    QCOMPARE(p.main.lblJHCT_duoxuan->text(), QString::number(total - single));
    QCOMPARE(p.main.seJHCT_select->value(), total);
    QVERIFY(p.main.sbJHCTKaiShiLianXi->isEnabled());
    QVERIFY(p.main.pnlCTZQ->isHidden());
    QCOMPARE(p.window.LXMode, QStringLiteral("CuoTi"));
}

void TstPracticeSetup::wrongQuestionListedOncePerLoggedDay()
{
    Practice p;
    Clock::set(Pinned);
    for (const char *day : {"20130902", "20130905", "20130907"})
        p.app.scalar(QStringLiteral("insert into tabErrItemHisLog(ERR_DATE, ERR_I_ID) values(?, '0201-003')"),
                     {QString::fromLatin1(day)});
    p.main.SpeedButton27Click();
    p.main.rbWeek->setChecked(true);
    p.main.SpeedButton28Click();
    QCOMPARE(p.main.lblJHCT_all->text(), QStringLiteral("3"));

    Shown seen;
    recordRun(seen);
    p.main.sbJHCTKaiShiLianXiClick();
    QCOMPARE(seen.mode, QStringLiteral("CuoTi"));
    QCOMPARE(seen.ids, (QStringList{"0201-003", "0201-003", "0201-003"}));
}

void TstPracticeSetup::defaultReviewRunHoldsEveryFlaggedEntry_data()
{
    QTest::addColumn<bool>("wrongQuestions");
    QTest::addColumn<QStringList>("questions");
    QTest::addColumn<int>("entries");
    // 0201-008 is a calculation of three entries, 0101-003 a case of three.
    QTest::newRow("plain only") << false << QStringList{"0201-001", "0201-002"} << 2;
    QTest::newRow("a calculation") << false << QStringList{"0201-001", "0201-008", "0201-002"} << 5;
    QTest::newRow("calculation and case") << false << QStringList{"0201-008", "0101-003", "0201-004"} << 7;
    QTest::newRow("wrong: calculation and case") << true << QStringList{"0101-003", "0201-008", "0201-001"} << 7;
}

void TstPracticeSetup::defaultReviewRunHoldsEveryFlaggedEntry()
{
    QFETCH(bool, wrongQuestions);
    QFETCH(QStringList, questions);
    QFETCH(int, entries);
    Practice p;
    Clock::set(Pinned);
    for (const QString &id : questions) {
        if (wrongQuestions)
            p.app.scalar(QStringLiteral("insert into tabErrItemHisLog values('20130908', ?)"), {id});
        else
            p.app.scalar(QStringLiteral("update tabItem set I_FAV = 1 where I_ID = ?"), {id});
    }
    p.main.SpeedButton3Click();
    if (wrongQuestions) {
        p.main.SpeedButton27Click();
        p.main.SpeedButton28Click(); // today
    } else {
        p.main.SpeedButton24Click();
    }
    QCOMPARE(p.main.lblJHCT_all->text(), QString::number(questions.size()));
    QCOMPARE(p.main.seJHCT_select->value(), int(questions.size()));

    Shown seen;
    recordRun(seen);
    p.main.sbJHCTKaiShiLianXiClick();
    QCOMPARE(seen.ids.size(), entries);
    for (const QString &id : questions)
        QVERIFY2(seen.ids.contains(id), qPrintable(id));
}

// A finished run's record is never overwritten: a review stores no history row, a redo stores
// its own.
void TstPracticeSetup::reviewKeepsTheRecordRedoAddsOne()
{
    Practice p;
    Clock::set(Pinned);
    p.openChapter(0);
    const auto end = [] {
        MessageBox::setNextAnswer(QMessageBox::Yes);
        frmZhangJie->SpeedButton8Click();
    };
    Modal::setHandler([&](QDialog *) {
        frmZhangJie->cbA->click(); // 0201-001 right
        Clock::advance(60);
        end();
    });
    p.main.sbKaiShiLianXiClick();
    const QString firstId = p.window.Test_ID;
    QCOMPARE(p.app.scalar(QStringLiteral("select count(*) from tabTestHis")).toInt(), 1);
    QCOMPARE(p.main.lblResDui->text(), QStringLiteral("正确题数：1小题"));
    QCOMPARE(p.main.lblResYongShi->text(), QStringLiteral("00:01:00"));

    // A look at all answers, trying to answer on the way: a review takes no answer, so the
    // record, the result and the wrong-question log stay the run's.
    Modal::setHandler([&](QDialog *) {
        frmZhangJie->Item_Index = 1;
        frmZhangJie->ShowItem();
        frmZhangJie->cbA->click(); // 0201-002 would be wrong
        QVERIFY(frmZhangJie->cbA->isHidden() || !frmZhangJie->cbA->isChecked());
        Clock::advance(300);
        end();
    });
    p.main.SpeedButton14->click();
    QCOMPARE(p.app.scalar(QStringLiteral("select count(*) from tabTestHis")).toInt(), 1);
    QCOMPARE(p.app.scalar(QStringLiteral("select TEST_TIME from tabTestHis")).toString(), QStringLiteral("00:01:00"));
    QCOMPARE(p.main.lblResDui->text(), QStringLiteral("正确题数：1小题"));
    QCOMPARE(p.main.lblResCuo->text(), QStringLiteral("错误题数：0小题"));
    QCOMPARE(p.main.lblResYongShi->text(), QStringLiteral("00:01:00"));
    QCOMPARE(p.app.scalar(QStringLiteral("select count(*) from tabErrItemHisLog")).toInt(), 0);
    QVERIFY(ItemList[1]->UserAnswer.isEmpty());

    // A redo: a new attempt with its own start, its own row, its own result.
    Clock::advance(10);
    bool timed = false;
    Modal::setHandler([&](QDialog *) {
        timed = frmZhangJie->TimerDaTi->isActive();
        frmZhangJie->cbB->click(); // 0201-001 wrong this time
        Clock::advance(30);
        end();
    });
    p.main.SpeedButton18->click();
    QVERIFY(timed);
    QVERIFY(p.window.Test_ID != firstId);
    QCOMPARE(p.app.scalar(QStringLiteral("select count(*) from tabTestHis")).toInt(), 2);
    QCOMPARE(p.app.scalar(QStringLiteral("select TEST_TRUE from tabTestHis where TEST_ID = ?"), {firstId}).toString(),
             QStringLiteral("1"));
    QCOMPARE(p.main.lblResDui->text(), QStringLiteral("正确题数：0小题"));
    QCOMPARE(p.main.lblResCuo->text(), QStringLiteral("错误题数：1小题"));
    QCOMPARE(p.main.lblResYongShi->text(), QStringLiteral("00:00:30"));
}

void TstPracticeSetup::reviewsChangeNothing_data()
{
    QTest::addColumn<QString>("review"); // the result view's button
    QTest::addColumn<QString>("attempt");
    const char *reviews[] = {"SpeedButton14", "SpeedButton15", "SpeedButton16", "SpeedButton17"};
    const char *names[] = {"all answers", "wrong ones", "right ones", "unanswered ones"};
    for (int r = 0; r < 4; ++r)
        for (const char *attempt : {"click", "key", "amount", "entry row"})
            QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(QLatin1String(names[r]), QLatin1String(attempt))))
                << QString::fromLatin1(reviews[r]) << QString::fromLatin1(attempt);
}

// Whatever a learner tries in a review, the result page, the reviews, the chooser, the
// history row and the wrong-question log say afterwards what they said before.
void TstPracticeSetup::reviewsChangeNothing()
{
    QFETCH(QString, review);
    QFETCH(QString, attempt);
    Practice p;
    Clock::set(Pinned);
    p.openChapter(0);
    Modal::setHandler([](QDialog *) {
        frmZhangJie->cbA->click(); // 0201-001 right
        frmZhangJie->Item_Index = 1;
        frmZhangJie->ShowItem();
        frmZhangJie->cbA->click(); // 0201-002 wrong
        frmZhangJie->Item_Index = 8; // 0201-008, sub-question 2: amount 5000
        frmZhangJie->ShowItem();
        auto *amount = frmZhangJie->Panel11n->control<QLineEdit>(QStringLiteral("p2lB_"), QStringLiteral("edtJE"));
        amount->setText(QStringLiteral("500"));
        frmZhangJie->Panel11n->p2lABCDEF_edtJEExit(amount); // wrong
        MessageBox::setNextAnswer(QMessageBox::Yes);
        frmZhangJie->SpeedButton8Click();
    });
    p.main.sbKaiShiLianXiClick();

    const auto chooser = [] {
        frmZhangJie->SpeedButton6Click();
        QStringList states;
        for (int r = 0; r < frmZhangJie->sgList->rowCount(); ++r)
            states << frmZhangJie->sgList->item(r, 2)->text();
        frmZhangJie->sbCancelClick();
        return states;
    };
    const auto readers = [&] {
        QStringList seen;
        for (QLabel *line : {p.main.lblResZongGong, p.main.lblResYiDa, p.main.lblResWeiDa, p.main.lblResDui,
                             p.main.lblResCuo, p.main.lblResManFen, p.main.lblResDeFen, p.main.lblResZhengQueLv})
            seen << line->text();
        seen << p.app.scalar(QStringLiteral("select TEST_TRUE || ',' || TEST_FALSE || ',' || TEST_HAVDO || ',' || "
                                            "TEST_NOTDO || ',' || TEST_SCORE || ',' || TEST_MANFEN || ',' || "
                                            "TEST_DEFEN || ',' || count(*) from tabTestHis"))
                    .toString();
        seen << p.app.scalar(QStringLiteral("select group_concat(ERR_DATE || ':' || ERR_I_ID) from tabErrItemHisLog"))
                    .toString();
        for (int i = 0; i < ItemList.count(); ++i)
            seen << ItemList[i]->UserAnswer + QLatin1Char('/') + QString::number(ItemList[i]->UserScore);
        for (const char *mode : {"error", "right", "notfinish"})
            seen << QString::number(NextTakenIndex(-1, 1, ReviewFilter(QLatin1String(mode))));
        return seen;
    };
    const QStringList before = readers();
    QCOMPARE(before.at(4), QStringLiteral("错误题数：2小题"));
    QCOMPARE(before.at(9), QStringLiteral("20130908:0201-002,20130908:0201-008"));

    QStringList chooserBefore, chooserAfter;
    Modal::setHandler([&](QDialog *) {
        chooserBefore = chooser();
        // Onto a question of the kind tried: a choice one, or the calculation's amount or entry.
        if (attempt == QLatin1String("amount"))
            frmZhangJie->Item_Index = 8;
        else if (attempt == QLatin1String("entry row"))
            frmZhangJie->Item_Index = 7;
        frmZhangJie->ShowItem();
        if (attempt == QLatin1String("click")) {
            for (QCheckBox *box : {frmZhangJie->cbA, frmZhangJie->cbB, frmZhangJie->cbC})
                if (!box->isHidden())
                    box->click();
        } else if (attempt == QLatin1String("key")) {
            QTest::keyClick(frmZhangJie, Qt::Key_B);
            QTest::keyClick(frmZhangJie, Qt::Key_C);
        } else if (attempt == QLatin1String("amount")) {
            auto *amount =
                frmZhangJie->Panel11n->control<QLineEdit>(QStringLiteral("p2lB_"), QStringLiteral("edtJE"));
            QVERIFY(amount->isReadOnly());
            QTest::keyClicks(amount, QStringLiteral("0"));
            frmZhangJie->Panel11n->p2lABCDEF_edtJEExit(amount);
        } else {
            auto *account = frmZhangJie->Panel11n->control<QLineEdit>(QStringLiteral("pnlA_"), QStringLiteral("edtKM1"));
            auto *debit = frmZhangJie->Panel11n->control<QRadioButton>(QStringLiteral("pnlA_"), QStringLiteral("rbJ1"));
            QVERIFY(account->isReadOnly());
            QVERIFY(!debit->isEnabled());
            QTest::keyClicks(account, QStringLiteral("kucun"));
            debit->click();
            frmZhangJie->Panel11n->pnlABCDEF_edtKU_JEChange(account);
        }
        chooserAfter = chooser();
        MessageBox::setNextAnswer(QMessageBox::Yes);
        frmZhangJie->SpeedButton8Click();
    });
    p.main.findChild<QToolButton *>(review)->click();
    QCOMPARE(chooserAfter, chooserBefore);
    QCOMPARE(readers(), before);
    QCOMPARE(p.main.PracticeArea->currentWidget(), p.main.gbRes);
}

void TstPracticeSetup::reviewRunsRecordedAsWhatTheyWere_data()
{
    QTest::addColumn<bool>("wrongQuestions");
    QTest::addColumn<QString>("title");
    QTest::newRow("essentials") << false << "精华试题";
    QTest::newRow("wrong questions of the week") << true << "错题复习（近一周）";
}

void TstPracticeSetup::reviewRunsRecordedAsWhatTheyWere()
{
    QFETCH(bool, wrongQuestions);
    QFETCH(QString, title);
    Practice p;
    Clock::set(Pinned);
    for (const char *id : {"0201-002", "0101-001"}) {
        if (wrongQuestions)
            p.app.scalar(QStringLiteral("insert into tabErrItemHisLog values('20130907', ?)"), {QString::fromLatin1(id)});
        else
            p.app.scalar(QStringLiteral("update tabItem set I_FAV = 1 where I_ID = ?"), {QString::fromLatin1(id)});
    }
    p.openChapter(1); // the set-up page holds 会计基础 / 第二章, which the review is not about
    if (wrongQuestions) {
        p.main.SpeedButton27Click();
        p.main.rbWeek->setChecked(true);
        p.main.SpeedButton28Click();
    } else {
        p.main.SpeedButton24Click();
    }
    QString header;
    Modal::setHandler([&](QDialog *) {
        header = p.window.findChild<QLabel *>(QStringLiteral("Label1"))->text() + p.window.lblKeChengL->text();
        MessageBox::setNextAnswer(QMessageBox::Yes);
        frmZhangJie->SpeedButton8Click();
    });
    p.main.sbJHCTKaiShiLianXiClick();
    const QString courses = QStringLiteral("会计基础、财经法规与会计职业道德");
    QCOMPARE(header, title + QStringLiteral("：") + courses);
    QCOMPARE(p.main.lblResKeCheng->text(), courses);
    QCOMPARE(p.main.lblResZhangJie->text(), title);
    QCOMPARE(p.app.scalar(QStringLiteral("select TEST_KeCheng from tabTestHis")).toString(), courses);
    QCOMPARE(p.app.scalar(QStringLiteral("select TEST_ZhangJie from tabTestHis")).toString(), title);
    // The chapter chosen on the set-up page is still the one a chapter run records.
    p.main.SpeedButton3Click();
    p.main.cbShunXu->setChecked(false);
    p.chapter(1)->click();
    Clock::advance(60);
    p.main.sbKaiShiLianXiClick();
    QCOMPARE(p.main.lblResZhangJie->text(), QStringLiteral("第二章 会计科目"));
}

void TstPracticeSetup::newRunStartsWithTheKeyHidden()
{
    Practice p;
    Clock::set(Pinned);
    p.openChapter(0);
    bool hiddenAtStart = false;
    Modal::setHandler([&](QDialog *) {
        hiddenAtStart = p.window.pnlAnswer->isHidden();
        p.window.sbAnswerClick(); // the learner looks at the key
        MessageBox::setNextAnswer(QMessageBox::Yes);
        p.window.SpeedButton8Click();
    });
    p.main.sbKaiShiLianXiClick();
    QVERIFY(hiddenAtStart);
    QVERIFY(!p.window.pnlAnswer->isHidden());
    // A review keeps the strip as the learner left it.
    bool shownInReview = false;
    Modal::setHandler([&](QDialog *) { shownInReview = !p.window.pnlAnswer->isHidden(); });
    p.main.SpeedButton17->click(); // 未做题目
    QVERIFY(shownInReview);
    // A new run, and a redo, start with the key hidden again.
    Clock::advance(60);
    Modal::setHandler([&](QDialog *) { hiddenAtStart = p.window.pnlAnswer->isHidden(); });
    p.main.sbKaiShiLianXiClick();
    QVERIFY(hiddenAtStart);
    p.window.sbAnswerClick();
    hiddenAtStart = false;
    p.main.SpeedButton18->click();
    QVERIFY(hiddenAtStart);
}

void TstPracticeSetup::wrongQuestionSetupShowsItsOwnCounts()
{
    Practice p;
    p.app.scalar(QStringLiteral("update tabItem set I_FAV = 1"));
    p.main.SpeedButton3Click();
    p.main.SpeedButton24Click();
    QVERIFY(p.main.lblJHCT_all->text() != QStringLiteral("0"));
    QCOMPARE(p.main.lblJHCTKindCaption->text(), QStringLiteral("精华试题："));
    p.main.SpeedButton27Click();
    // Before a period is chosen, nothing of the essentials is shown as if it were the wrong questions'.
    QCOMPARE(p.main.lblJHCT_all->text(), QStringLiteral("0"));
    QCOMPARE(p.main.lblJHCTKindCaption->text(), QStringLiteral("错题复习："));
    QVERIFY(!p.main.sbJHCTKaiShiLianXi->isEnabled());
    QVERIFY(p.main.sbJHCTKaiShiLianXi->toolTip().contains(QStringLiteral("时间范围")));
    QVERIFY(!p.main.sbKaiShiLianXi->isEnabled());
    QVERIFY(p.main.sbKaiShiLianXi->toolTip().contains(QStringLiteral("选择章节")));
}

// Essentials that cannot be counted: no figures of before, no start, and the reason.
void TstPracticeSetup::essentialsThatCannotBeCountedStartNothing()
{
    Practice p;
    p.app.scalar(QStringLiteral("update tabItem set I_FAV = 1"));
    p.main.SpeedButton3Click();
    p.main.SpeedButton24Click();
    QVERIFY(p.main.lblJHCT_all->text() != QStringLiteral("0"));
    p.app.scalar(QStringLiteral("alter table tabItem rename to tabItemGone"));
    p.main.SpeedButton24Click();
    QCOMPARE(MessageBox::shown().last().caption, QStringLiteral("错误"));
    QCOMPARE(p.main.lblJHCT_all->text(), QStringLiteral("0"));
    QVERIFY(!p.main.sbJHCTKaiShiLianXi->isEnabled());
    QVERIFY(p.main.sbJHCTKaiShiLianXi->toolTip().contains(QStringLiteral("未能读出")));
}

void TstPracticeSetup::randomOrderBoxDecidesTheOrder_data()
{
    QTest::addColumn<bool>("ticked");
    QTest::newRow("ticked") << true;
    QTest::newRow("unticked") << false;
}

void TstPracticeSetup::randomOrderBoxDecidesTheOrder()
{
    QFETCH(bool, ticked);
    Practice p;
    QSet<QString> orders;
    Shown seen;
    recordRun(seen);
    for (int run = 0; run < 20; ++run) {
        p.openChapter(0, ticked);
        p.main.sbKaiShiLianXi->click();
        QCOMPARE(p.window.RandomOrder, ticked);
        orders.insert(seen.ids.join(QLatin1Char(',')));
    }
    if (ticked)
        QVERIFY(orders.size() > 1);
    else
        QCOMPARE(orders, (QSet<QString>{"0201-001,0201-002,0201-003,0201-004,0201-005,0201-006,0201-007,"
                                        "0201-008,0201-008,0201-008"}));
    // Essentials keep the bank's order: there is no such box for them.
    p.main.SpeedButton24Click();
    p.main.sbJHCTKaiShiLianXiClick();
    QVERIFY(!p.window.RandomOrder);
}

void TstPracticeSetup::cancelledPeriodKeepsStartDisabled()
{
    Practice p;
    p.main.SpeedButton24Click();
    QVERIFY(p.main.sbJHCTKaiShiLianXi->isEnabled());
    p.main.SpeedButton27Click();
    p.main.SpeedButton29->click();

    QVERIFY(p.main.pnlCTZQ->isHidden());
    QVERIFY(!p.main.sbJHCTKaiShiLianXi->isEnabled());
    QCOMPARE(p.window.LXMode, QStringLiteral("CuoTi"));
    QVERIFY(p.window.CT_Start.isEmpty());
}

QTEST_MAIN(TstPracticeSetup)
#include "tst_practice_setup.moc"
