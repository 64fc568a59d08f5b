// The practice window driven through its seams: modal showing, message boxes, the clock and
// the timer slot, on the small standard bank.
#include "core/UnitDefine.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "store/UnitDM.h"
#include "tests/fixtures/TestBank.h"
#include "ui/WrapCheckBox.h"
#include "ui/entry/EntryPanels.h"
#include "ui/practice/OptionOrder.h"
#include "ui/practice/UnitZhangJie.h"

#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QTableWidget>
#include <QSet>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

namespace {

const QString kLetters = QStringLiteral("ABCDEF");

// Chapter 0201 in list order: 001 (A), 002 (C), 003 (B), 004 (ABD), 005 (BC), 006 (A), 007 (B),
// then the calculation 0201-008 as three entries.
void startChapter(TfrmZhangJie &w, const QString &chapter = QStringLiteral("0201"), int dan = 3, int duo = 2,
                  int pan = 2, int fen = 1)
{
    w.LXMode = QStringLiteral("First");
    w.KeChengName = QStringLiteral("会计基础");
    w.ZhangJieID = chapter;
    w.ZhangJieName = QStringLiteral("第一章 总论");
    w.DanXunCnt = dan;
    w.DuoXuanCnt = duo;
    w.PanDuanCnt = pan;
    w.FenXiCnt = fen;
    w.InitItemList();
}

QStringList listIds()
{
    QStringList ids;
    for (int i = 0; i < ItemList.count(); ++i)
        ids << ItemList[i]->ItemID;
    return ids;
}

QString visibleBoxes(const TfrmZhangJie &w)
{
    QString letters;
    for (QChar letter : kLetters)
        if (!w.findChild<QCheckBox *>(QStringLiteral("cb") + letter)->isHidden())
            letters += letter;
    return letters;
}

QString tickedBoxes(const TfrmZhangJie &w)
{
    QString letters;
    for (QChar letter : kLetters)
        if (w.findChild<QCheckBox *>(QStringLiteral("cb") + letter)->isChecked())
            letters += letter;
    return letters;
}

void clickBoxes(TfrmZhangJie &w, const QString &letters)
{
    for (QChar letter : letters)
        w.findChild<QCheckBox *>(QStringLiteral("cb") + letter)->click();
}

// The number a learner sees for the entry: its question's, counting questions, not entries.
int questionNumberOf(int position)
{
    int number = 0;
    for (int i = 0; i <= position; ++i)
        number += StartsQuestion(i) ? 1 : 0;
    return number;
}

QString headingOf(int position)
{
    const TItem &e = *ItemList[position];
    return e.ItemType == QLatin1String("4") || e.ItemType == QLatin1String("5")
        ? QStringLiteral("第%1题（第%2小题）").arg(questionNumberOf(position)).arg(e.kind45Index)
        : QStringLiteral("第%1题").arg(questionNumberOf(position));
}

bool entryTypeIsNot(int position, const char *type)
{
    return ItemList[position]->ItemType != QLatin1String(type);
}

void setAnswer(int position, const QString &answer, bool right)
{
    ItemList[position]->UserAnswer = answer;
    ItemList[position]->UserScore = right ? ItemList[position]->ItemScore : 0;
}

int rowCount(TestApp &app, const QString &table)
{
    return app.scalar(QStringLiteral("select count(*) from %1").arg(table)).toInt();
}

void writePicture(const QString &path, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(38, 144, 196));
    QVERIFY(image.save(path, "BMP"));
}

const QDateTime kStart(QDate(2024, 3, 5), QTime(9, 8, 7));

}

class TestPracticeWindow : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        ItemList.clear();
        Modal::clearHandler();
        Clock::reset();
    }

    void windowHasItsControls_data();
    void windowHasItsControls();
    void initItemListLoadsTypesInOrder_data();
    void initItemListLoadsTypesInOrder();
    void loadFailureShowsMessage();
    void showItemShowsEntry_data();
    void showItemShowsEntry();
    void answering_data();
    void answering();
    void revisitRestoresTicksWithoutAnswering();
    void navigation_data();
    void navigation();
    void reviewStepsThroughWhatItCounted();
    void marksAndEssentialFlags();
    void essentialFlagBelongsToTheQuestion_data();
    void essentialFlagBelongsToTheQuestion();
    void randomOrder_data();
    void randomOrder();
    void pinnedOptionsKeepTheirPlace_data();
    void pinnedOptionsKeepTheirPlace();
    void explanationNoteForShuffledLetters_data();
    void explanationNoteForShuffledLetters();
    void caseSubQuestionAnsweredLikeAChoice();
    void calculationAnsweredInItsPanels();
    void reviewsShowRightAndWrong();
    void chooserPausesAndRestartsTheCountdown();
    void bigPictureFitsAndOpensWhole();
    void bankOrderWhenNotRandom();
    void answerStripAndLayout();
    void forcedSwitching_data();
    void forcedSwitching();
    void timeUsed_data();
    void timeUsed();
    void endOfRunStoresRun();
    void endingTwiceOnOneDayKeepsOneRowPerWrongEntry();
    void endDeclinedStoresNothing();
    void closeBoxStoresNothing();
    void storeFailureKeepsWindowOpen();
    void unwritableBankKeepsWindowOpen_data();
    void unwritableBankKeepsWindowOpen();
    void emptyList();
    void entryChooser();
    void jhctCut_data();
    void jhctCut();
    void wrongQuestionRunShowsQuestionCourse();
    void keyboard_data();
    void keyboard();
    void picture_data();
    void picture();
    void tipPicture_data();
    void tipPicture();
    void fontSizeAndContextMenus();
};

void TestPracticeWindow::windowHasItsControls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("caption");
    const auto row = [](const char *name, const char *className, const QString &caption) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(className) << caption;
    };
    row("Label1", "QLabel", QStringLiteral("章节练习："));
    row("Label4", "QLabel", QStringLiteral("题面"));
    row("Label6", "QLabel", QStringLiteral("【题目类型】"));
    row("Label7", "QLabel", QStringLiteral("【问题】"));
    row("lblxzda", "QLabel", QStringLiteral("【请选择答案】"));
    row("Label10", "QLabel", QStringLiteral("【正确答案】"));
    row("Label12", "QLabel", QStringLiteral("【答案解析】"));
    row("Label13", "QLabel", QStringLiteral("练习课程："));
    row("Label15", "QLabel", QStringLiteral("练习章节："));
    row("Label22", "QLabel", QStringLiteral("本题为："));
    row("Label29", "QLabel", QStringLiteral("是否标记："));
    row("Label30", "QLabel", QStringLiteral("是否精华："));
    row("Label33", "QLabel", QStringLiteral("本题强制切换剩余："));
    row("Panel3", "QLabel", QStringLiteral("题目选择"));
    row("Label3", "QLabel", QStringLiteral("问题描述："));
    row("lblIndex", "QLabel", QStringLiteral("-1"));
    row("sbAnswer", "QToolButton", QStringLiteral("显示答案"));
    row("sbMark", "QToolButton", QStringLiteral("标记本题"));
    row("sbFAV", "QToolButton", QStringLiteral("设为精华题目"));
    row("SpeedButton4", "QToolButton", QStringLiteral("上一题"));
    row("sbNext", "QToolButton", QStringLiteral("下一题"));
    row("SpeedButton6", "QToolButton", QStringLiteral("选题"));
    row("SpeedButton8", "QToolButton", QStringLiteral("退出练习"));
    row("sbOK", "QToolButton", QStringLiteral("确定"));
    row("sbCancel", "QToolButton", QStringLiteral("取消"));
    for (const char *name : {"meoItem", "meoDesc", "moItemDesc"})
        row(name, "QPlainTextEdit", QString());
    for (const char *name : {"cbA", "cbB", "cbC", "cbD", "cbE", "cbF"})
        row(name, "QCheckBox", QString());
    for (const char *name : {"Panel2", "Panel4", "PanelMain", "PanelMainB", "pnlAnswer", "pnlXuanTi"})
        row(name, "QWidget", QString());
    row("GroupBoxCB", "QGroupBox", QString());
    row("ScrollBoxImage", "QScrollArea", QString());
    row("sgList", "QTableWidget", QString());
    for (const char *name : {"lblKeChengL", "lblZhangJieL", "imgTrip", "lblDiJiTiMain", "lblItemType", "imgItem",
                             "lblAnswer", "lblKeChengR", "lblZhangJieR", "lblTotal", "lblDanXuan", "lblDuoXuan",
                             "lblPanDuan", "lblFenXi", "lblItemKind", "lblDiJiTi", "lblStartTime", "lblUseTime",
                             "lblMark", "lblFAV", "lvlQieHuanLeft"})
        row(name, "QLabel", QString());
}

void TestPracticeWindow::windowHasItsControls()
{
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QString, caption);
    TfrmZhangJie w(nullptr);
    QWidget *control = w.findChild<QWidget *>(name);
    QVERIFY2(control, qPrintable(name));
    QVERIFY(control->inherits(qPrintable(className)));
    if (!caption.isEmpty()) {
        const QString text = control->property("text").toString();
        QCOMPARE(text, caption);
    }
    if (name == QLatin1String("Panel4"))
        QCOMPARE(control->width(), 185);
}

void TestPracticeWindow::initItemListLoadsTypesInOrder_data()
{
    QTest::addColumn<QString>("chapter");
    QTest::addColumn<int>("dan");
    QTest::addColumn<int>("duo");
    QTest::addColumn<int>("pan");
    QTest::addColumn<int>("fen");
    QTest::addColumn<QStringList>("expected");
    const QStringList all{"0201-001", "0201-002", "0201-003", "0201-004", "0201-005",
                          "0201-006", "0201-007", "0201-008", "0201-008", "0201-008"};
    QTest::newRow("every type") << "0201" << 3 << 2 << 2 << 1 << all;
    QTest::newRow("more than the chapter has") << "0201" << 9 << 9 << 9 << 9 << all;
    QTest::newRow("one of each choice type") << "0201" << 1 << 1 << 1 << 0
                                             << QStringList{"0201-001", "0201-004", "0201-006"};
    QTest::newRow("calculation only") << "0201" << 0 << 0 << 0 << 1
                                      << QStringList{"0201-008", "0201-008", "0201-008"};
    QTest::newRow("case after singles") << "0101" << 2 << 0 << 0 << 1
                                        << QStringList{"0101-001", "0101-002", "0101-003", "0101-003", "0101-003"};
}

void TestPracticeWindow::initItemListLoadsTypesInOrder()
{
    QFETCH(QString, chapter);
    QFETCH(int, dan);
    QFETCH(int, duo);
    QFETCH(int, pan);
    QFETCH(int, fen);
    QFETCH(QStringList, expected);
    TestApp app;
    TfrmZhangJie w(app.dm());
    w.Item_Index = 5;
    startChapter(w, chapter, dan, duo, pan, fen);
    QCOMPARE(listIds(), expected);
    QCOMPARE(w.Item_Index, 0);
    QCOMPARE(w.lblDiJiTiMain->text(), headingOf(0));
    QCOMPARE(w.meoItem->toPlainText(), ItemList[0]->ItemDetail);
    for (QLabel *label : {w.lblKeChengL, w.lblKeChengR})
        QCOMPARE(label->text(), QStringLiteral("会计基础"));
    for (QLabel *label : {w.lblZhangJieL, w.lblZhangJieR})
        QCOMPARE(label->text(), QStringLiteral("第一章 总论"));
}

void TestPracticeWindow::loadFailureShowsMessage()
{
    TestApp app;
    TfrmZhangJie w(app.dm());
    startChapter(w);
    app.scalar(QStringLiteral("alter table tabItem rename to tabItemGone"));
    MessageBox::clearShown();
    startChapter(w);
    QCOMPARE(MessageBox::shown().size(), 1);
    QCOMPARE(MessageBox::shown().first().caption, QStringLiteral("错误"));
    QVERIFY(ItemList.isEmpty());
    QVERIFY(w.meoItem->toPlainText().isEmpty());
    QCOMPARE(visibleBoxes(w), QString());
}

void TestPracticeWindow::showItemShowsEntry_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("typeWord");
    QTest::addColumn<QString>("boxes");
    QTest::addColumn<QString>("captionA");
    QTest::addColumn<QString>("key");
    QTest::newRow("single choice") << 0 << "单选题" << "ABCD" << "A、选项0201-001A" << "A";
    QTest::newRow("multiple choice") << 3 << "多选题" << "ABCD" << "A、选项0201-004A" << "ABD";
    QTest::newRow("true/false") << 5 << "判断题" << "AB" << "A、正确" << "A";
    // A calculation sub-question is answered in its panels; its key reads as entries.
    QTest::newRow("calculation: entry") << 7 << "计算分析题" << "" << ""
                                        << "借：库存现金 1000\n贷：银行存款 1000";
    QTest::newRow("calculation: amount") << 8 << "计算分析题" << "" << "" << "5000";
}

void TestPracticeWindow::showItemShowsEntry()
{
    QFETCH(int, position);
    QFETCH(QString, typeWord);
    QFETCH(QString, boxes);
    QFETCH(QString, captionA);
    QFETCH(QString, key);
    TestApp app;
    TfrmZhangJie w(app.dm());
    startChapter(w);
    w.Item_Index = position;
    w.ShowItem();
    QCOMPARE(w.ScrollBox->isHidden(), entryTypeIsNot(position, "4"));
    const TItem &entry = *ItemList[position];
    QCOMPARE(w.Item_Type, entry.ItemType);
    QCOMPARE(w.lblItemKind->text(), typeWord);
    QCOMPARE(w.lblItemType->text(), typeWord);
    QCOMPARE(w.lblDiJiTi->text(), QString::number(questionNumberOf(position)));
    QCOMPARE(w.lblDiJiTiMain->text(), headingOf(position));
    QCOMPARE(w.meoItem->toPlainText(), entry.ItemDetail);
    QCOMPARE(visibleBoxes(w), boxes);
    if (!captionA.isEmpty())
        QCOMPARE(w.cbA->text(), captionA);
    QCOMPARE(w.lblAnswer->text(), key);
    QCOMPARE(w.meoDesc->toPlainText(), entry.ItemDesc);
    QCOMPARE(w.lblMark->text(), QStringLiteral("未标记"));
    QCOMPARE(w.sbMark->text(), QStringLiteral("标记本题"));
    QCOMPARE(w.lblFAV->text(), QStringLiteral("普通类"));
    QCOMPARE(w.sbFAV->text(), QStringLiteral("设为精华题目"));

    // A position outside the list leaves the display as it is.
    w.Item_Index = ItemList.count();
    w.ShowItem();
    QCOMPARE(w.lblDiJiTi->text(), QString::number(questionNumberOf(position)));
}

void TestPracticeWindow::answering_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("score");
    QTest::newRow("single: A then C leaves C") << 1 << "AC" << "C" << 100;
    QTest::newRow("single: C again leaves it unanswered") << 1 << "ACC" << "" << 0;
    QTest::newRow("single: wrong letter") << 1 << "B" << "B" << 0;
    QTest::newRow("multiple: AB of ABD") << 3 << "AB" << "AB" << 0;
    QTest::newRow("multiple: ABCD of ABD") << 3 << "ABCD" << "ABCD" << 0;
    QTest::newRow("multiple: D, B, A in any order") << 3 << "DBA" << "ABD" << 200;
    QTest::newRow("multiple: unticking D") << 3 << "ABDD" << "AB" << 0;
    QTest::newRow("true/false: A then B") << 6 << "AB" << "B" << 100;
}

void TestPracticeWindow::answering()
{
    QFETCH(int, position);
    QFETCH(QString, clicks);
    QFETCH(QString, answer);
    QFETCH(int, score);
    TestApp app;
    TfrmZhangJie w(app.dm());
    startChapter(w);
    w.Item_Index = position;
    w.ShowItem();
    clickBoxes(w, clicks);
    QCOMPARE(ItemList[position]->UserAnswer, answer);
    QCOMPARE(ItemList[position]->UserScore, score);
    QCOMPARE(tickedBoxes(w), answer);
}

void TestPracticeWindow::revisitRestoresTicksWithoutAnswering()
{
    TestApp app;
    TfrmZhangJie w(app.dm());
    startChapter(w);
    w.Item_Index = 3;
    w.ShowItem();
    clickBoxes(w, QStringLiteral("DA"));
    w.sbNextClick();
    QCOMPARE(tickedBoxes(w), QString());
    w.SpeedButton4Click();
    QCOMPARE(w.Item_Index, 3);
    QCOMPARE(tickedBoxes(w), QStringLiteral("AD"));
    QCOMPARE(ItemList[3]->UserAnswer, QStringLiteral("AD"));
    clickBoxes(w, QStringLiteral("B"));
    QCOMPARE(ItemList[3]->UserAnswer, QStringLiteral("ABD"));
    QCOMPARE(ItemList[3]->UserScore, 200);
}

void TestPracticeWindow::navigation_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("moves");
    QTest::addColumn<QList<int>>("visited");
    // Entries: 0 unanswered, 1 right, 2 wrong, 3 unanswered, 4 wrong, 5 right, 6..9 unanswered.
    QTest::newRow("First: neighbours") << "First" << 0 << "++-" << QList<int>{1, 2, 1};
    QTest::newRow("First: past the end") << "First" << 9 << "+" << QList<int>{9};
    QTest::newRow("First: before the start") << "First" << 0 << "-" << QList<int>{0};
    QTest::newRow("view: neighbours") << "view" << 4 << "+-" << QList<int>{5, 4};
    QTest::newRow("JingHua: neighbours") << "JingHua" << 8 << "++" << QList<int>{9, 9};
    QTest::newRow("error: answered with score 0 only") << "error" << 0 << "+++--" << QList<int>{2, 4, 4, 2, 2};
    QTest::newRow("right: scored only") << "right" << 1 << "++-" << QList<int>{5, 5, 1};
    QTest::newRow("notfinish: unanswered only") << "notfinish" << 0 << "++---" << QList<int>{3, 6, 3, 0, 0};
    QTest::newRow("unknown mode stays") << "xyz" << 2 << "+-" << QList<int>{2, 2};
}

void TestPracticeWindow::navigation()
{
    QFETCH(QString, mode);
    QFETCH(int, start);
    QFETCH(QString, moves);
    QFETCH(QList<int>, visited);
    TestApp app;
    TfrmZhangJie w(app.dm());
    startChapter(w);
    setAnswer(1, QStringLiteral("C"), true);
    setAnswer(2, QStringLiteral("A"), false);
    setAnswer(4, QStringLiteral("B"), false);
    setAnswer(5, QStringLiteral("A"), true);
    w.LXMode = mode;
    w.Item_Index = start;
    w.ShowItem();
    for (int i = 0; i < moves.size(); ++i) {
        w.QieHuaCnt = 7;
        if (moves.at(i) == QLatin1Char('+'))
            w.sbNextClick();
        else
            w.SpeedButton4Click();
        QCOMPARE(w.Item_Index, visited.at(i));
        QCOMPARE(w.lblDiJiTi->text(), QString::number(questionNumberOf(visited.at(i))));
        QCOMPARE(w.QieHuaCnt, 0);
    }
}

// A question worth no points answered with its key counts as right, so the reviews of right
// and wrong entries step to it, or past it, as the result counted it.
void TestPracticeWindow::reviewStepsThroughWhatItCounted()
{
    TestApp app;
    TfrmZhangJie w(app.dm());
    startChapter(w);
    setAnswer(1, QStringLiteral("C"), true);
    setAnswer(2, QStringLiteral("A"), false);
    ItemList[3]->ItemScore = 0;
    setAnswer(3, ItemList[3]->ItemAnswer, true);
    setAnswer(4, QStringLiteral("B"), false);
    QVERIFY(EntryIsRight(*ItemList[3]));
    w.LXMode = QStringLiteral("right");
    w.Item_Index = 1;
    w.ShowItem();
    w.sbNextClick();
    QCOMPARE(w.Item_Index, 3);
    w.LXMode = QStringLiteral("error");
    w.Item_Index = 2;
    w.ShowItem();
    w.sbNextClick();
    QCOMPARE(w.Item_Index, 4);
}

void TestPracticeWindow::marksAndEssentialFlags()
{
    TestApp app;
    TfrmZhangJie w(app.dm());
    startChapter(w);
    w.sbMark->click();
    QVERIFY(ItemList[0]->ItemMark);
    QCOMPARE(w.lblMark->text(), QStringLiteral("已标记"));
    QCOMPARE(w.sbMark->text(), QStringLiteral("已标记"));
    w.sbFAV->click();
    QVERIFY(ItemList[0]->ItemFav);
    QCOMPARE(w.lblFAV->text(), QStringLiteral("精华类"));
    QCOMPARE(w.sbFAV->text(), QStringLiteral("已精华标记"));

    // The next entry shows its own state; coming back shows the marks again.
    w.sbNextClick();
    QCOMPARE(w.lblMark->text(), QStringLiteral("未标记"));
    QCOMPARE(w.lblFAV->text(), QStringLiteral("普通类"));
    w.SpeedButton4Click();
    QCOMPARE(w.sbMark->text(), QStringLiteral("已标记"));

    w.sbMark->click();
    w.sbFAV->click();
    QVERIFY(!ItemList[0]->ItemMark);
    QVERIFY(!ItemList[0]->ItemFav);
    QCOMPARE(w.lblMark->text(), QStringLiteral("未标记"));
    QCOMPARE(w.sbMark->text(), QStringLiteral("标记本题"));
    QCOMPARE(w.lblFAV->text(), QStringLiteral("普通类"));
    QCOMPARE(w.sbFAV->text(), QStringLiteral("设为精华题目"));
}

void TestPracticeWindow::essentialFlagBelongsToTheQuestion_data()
{
    QTest::addColumn<int>("firstClickAt");
    QTest::addColumn<int>("secondClickAt");
    // 0201-008 stands at positions 7, 8 and 9; the case 0101-003 elsewhere.
    QTest::newRow("first sub-question, then last") << 7 << 9;
    QTest::newRow("last sub-question, then middle") << 9 << 8;
    QTest::newRow("twice on one") << 8 << 8;
}

void TestPracticeWindow::essentialFlagBelongsToTheQuestion()
{
    QFETCH(int, firstClickAt);
    QFETCH(int, secondClickAt);
    TestApp app;
    TfrmZhangJie w(app.dm());
    startChapter(w);
    const auto flags = [] {
        QList<bool> out;
        for (int i = 7; i <= 9; ++i)
            out << ItemList[i]->ItemFav;
        return out;
    };
    w.Item_Index = firstClickAt;
    w.ShowItem();
    w.sbFAVClick();
    QCOMPARE(flags(), (QList<bool>{true, true, true}));
    QVERIFY(!ItemList[6]->ItemFav); // other questions keep theirs
    w.Item_Index = secondClickAt;
    w.ShowItem();
    QCOMPARE(w.lblFAV->text(), QStringLiteral("精华类"));
    w.sbFAVClick();
    QCOMPARE(flags(), (QList<bool>{false, false, false}));
    // What is stored is what the learner last set.
    app.dm()->UpdateFav();
    QCOMPARE(app.scalar(QStringLiteral("select I_FAV from tabItem where I_ID = '0201-008'")).toInt(), 0);
}

void TestPracticeWindow::randomOrder_data()
{
    QTest::addColumn<QString>("chapter");
    QTest::addColumn<QList<int>>("counts"); // single, multiple, true/false, analysis
    // 0201 holds the calculation 0201-008 with sub-questions 1, 2 and 4; 0101 the case 0101-003.
    QTest::newRow("chapter with a calculation") << QStringLiteral("0201") << QList<int>{3, 2, 2, 1};
    QTest::newRow("chapter with a case") << QStringLiteral("0101") << QList<int>{2, 0, 0, 1};
}

void TestPracticeWindow::randomOrder()
{
    QFETCH(QString, chapter);
    QFETCH(QList<int>, counts);
    TestApp app;
    TfrmZhangJie w(app.dm());
    const auto start = [&] { startChapter(w, chapter, counts[0], counts[1], counts[2], counts[3]); };
    start();
    QList<QPair<QString, int>> bankEntries;
    for (int i = 0; i < ItemList.count(); ++i)
        bankEntries << qMakePair(ItemList[i]->ItemID, ItemList[i]->kind45Index);
    w.RandomOrder = true;
    start();
    const QStringList bankOrder = [] {
        QStringList ids = listIds();
        std::sort(ids.begin(), ids.end());
        return ids;
    }();
    QSet<QString> orders, optionOrders;
    for (int run = 0; run < 30; ++run) {
        start();
        QStringList ids = listIds();
        orders.insert(ids.join(QLatin1Char(',')));
        // Every question once, types in their order, a question's entries together and in order.
        QStringList sorted = ids;
        std::sort(sorted.begin(), sorted.end());
        QCOMPARE(sorted, bankOrder);
        for (int i = 1; i < ItemList.count(); ++i)
            QVERIFY(ItemList[i - 1]->ItemType <= ItemList[i]->ItemType);
        // A calculation's or case's entries follow one another in the bank's order.
        for (int i = 0; i < ItemList.count(); ++i) {
            const int first = ids.indexOf(ItemList[i]->ItemID);
            const int inBank = bankEntries.indexOf(qMakePair(ItemList[i]->ItemID, ItemList[i]->kind45Index));
            const int bankFirst = bankEntries.indexOf(qMakePair(ItemList[first]->ItemID, ItemList[first]->kind45Index));
            QCOMPARE(i - first, inBank - bankFirst);
        }

        for (int i = 0; i < ItemList.count(); ++i) {
            TItem *entry = ItemList[i];
            if (entry->ItemType == QLatin1String("4"))
                continue;
            w.Item_Index = i;
            w.ShowItem();
            // Every option shown once, under the letters A.. in order.
            QStringList shown, options;
            QString letters;
            for (int o = 0; o < 6; ++o) {
                auto *box = w.findChild<QCheckBox *>(QStringLiteral("cb") + kLetters.at(o));
                if (box->isHidden())
                    continue;
                letters += kLetters.at(o);
                shown << box->text().mid(2);
                QVERIFY(box->text().startsWith(kLetters.at(o) + QStringLiteral("、")));
            }
            for (int o = 1; o <= 6; ++o)
                if (entry->option(o) != QLatin1String("-") && !entry->option(o).isEmpty())
                    options << entry->option(o);
            QCOMPARE(letters, kLetters.left(options.size()));
            if (entry->ItemType == QLatin1String("3"))
                QCOMPARE(shown, options); // 正确 stays before 错误
            optionOrders.insert(shown.join(QLatin1Char('|')));
            std::sort(shown.begin(), shown.end());
            std::sort(options.begin(), options.end());
            QCOMPARE(shown, options);

            // Ticking the boxes that show the keyed options stores the bank's letters and scores.
            QString shownKey;
            for (QChar bankLetter : entry->ItemAnswer) {
                const QString text = entry->option(kLetters.indexOf(bankLetter) + 1);
                for (int o = 0; o < 6; ++o) {
                    auto *box = w.findChild<QCheckBox *>(QStringLiteral("cb") + kLetters.at(o));
                    if (!box->isHidden() && box->text().mid(2) == text) {
                        box->click();
                        shownKey += kLetters.at(o);
                    }
                }
            }
            std::sort(shownKey.begin(), shownKey.end());
            QCOMPARE(entry->UserAnswer, entry->ItemAnswer);
            QCOMPARE(entry->UserScore, entry->ItemScore);
            QCOMPARE(w.lblAnswer->text(), shownKey);
            // Coming back shows the same boxes ticked.
            w.ShowItem();
            QCOMPARE(tickedBoxes(w), shownKey);
        }
    }
    // A box that says random must not give the bank's order every time.
    QVERIFY(orders.size() > 1);
    QVERIFY(optionOrders.size() > 7);
}

void TestPracticeWindow::pinnedOptionsKeepTheirPlace_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("pinnedAt"); // per box: the bank letter it must always show, or '.'
    QTest::newRow("以上 last") << QStringList{"甲", "乙", "丙", "以上都对"} << QStringLiteral("...D");
    QTest::newRow("上述 in the middle") << QStringList{"甲", "上述说法都不对", "乙", "丙"} << QStringLiteral(".B..");
    QTest::newRow("after a missing option") << QStringList{"甲", "-", "乙", "以上都不对"} << QStringLiteral("..D");
    QTest::newRow("none pinned") << QStringList{"甲", "乙", "丙", "丁"} << QStringLiteral("....");
}

void TestPracticeWindow::pinnedOptionsKeepTheirPlace()
{
    QFETCH(QStringList, options);
    QFETCH(QString, pinnedAt);
    TItem entry;
    entry.ItemA = options.value(0);
    entry.ItemB = options.value(1);
    entry.ItemC = options.value(2);
    entry.ItemD = options.value(3);
    QString present;
    for (int i = 0; i < options.size(); ++i)
        if (options[i] != QLatin1String("-"))
            present += kLetters.at(i);
    QRandomGenerator random(7);
    QSet<QString> orders;
    for (int draw = 0; draw < 50; ++draw) {
        const QString order = OptionOrder::shuffled(entry, random);
        const QString shown = order.left(present.size());
        QString sorted = shown;
        std::sort(sorted.begin(), sorted.end());
        QCOMPARE(sorted, present); // every present option once, in the first boxes
        QCOMPARE(order.mid(present.size()).trimmed(), QString());
        for (int box = 0; box < pinnedAt.size(); ++box)
            if (pinnedAt.at(box) != QLatin1Char('.'))
                QCOMPARE(shown.at(box), pinnedAt.at(box));
        orders.insert(order);
    }
    QVERIFY(orders.size() > 1);
}

void TestPracticeWindow::explanationNoteForShuffledLetters_data()
{
    QTest::addColumn<QString>("order");
    QTest::addColumn<QString>("explanation");
    QTest::addColumn<QString>("note");
    const QString moved = QStringLiteral("BADC  ");
    QTest::newRow("letters named, order moved")
        << moved << QStringLiteral("选项A正确，C错误。")
        << QStringLiteral("（本题选项已随机排列，解析中的选项字母指原题顺序：原A＝现B，原B＝现A，原C＝现D，原D＝现C）");
    QTest::newRow("bank order") << OptionOrder::Identity << QStringLiteral("选项A正确。") << QString();
    QTest::newRow("no letter named") << moved << QStringLiteral("见教材第三章。") << QString();
    QTest::newRow("letters inside a word") << moved << QStringLiteral("ABC公司于2024年成立。") << QString();
}

void TestPracticeWindow::explanationNoteForShuffledLetters()
{
    QFETCH(QString, order);
    QFETCH(QString, explanation);
    QFETCH(QString, note);
    TItem entry;
    entry.ItemA = QStringLiteral("甲");
    entry.ItemB = QStringLiteral("乙");
    entry.ItemC = QStringLiteral("丙");
    entry.ItemD = QStringLiteral("丁");
    entry.ItemDesc = explanation;
    QCOMPARE(OptionOrder::note(order, entry), note);
}

void TestPracticeWindow::caseSubQuestionAnsweredLikeAChoice()
{
    TestApp app;
    TfrmZhangJie w(app.dm());
    // Chapter 0101: two single choices, then the case 0101-003 of three sub-questions (keys A, B, C).
    startChapter(w, QStringLiteral("0101"), 2, 0, 0, 1);
    QCOMPARE(ItemList.count(), 5);
    w.Item_Index = 3; // the case's second sub-question
    w.ShowItem();
    QVERIFY(!w.meoExItem->isHidden());
    QCOMPARE(w.meoItem->toPlainText(), QStringLiteral("案例0101-003"));
    QCOMPARE(w.meoExItem->toPlainText(), QStringLiteral("小题2"));
    QCOMPARE(visibleBoxes(w), QStringLiteral("ABCD"));
    QCOMPARE(w.cbB->text(), QStringLiteral("B、乙"));
    QCOMPARE(w.lblItemKind->text(), QStringLiteral("案例分析题"));
    clickBoxes(w, QStringLiteral("B"));
    QCOMPARE(ItemList[3]->UserAnswer, QStringLiteral("B"));
    QCOMPARE(ItemList[3]->UserScore, 300);
    // A plain question shows no sub-question box.
    w.Item_Index = 0;
    w.ShowItem();
    QVERIFY(w.meoExItem->isHidden());
}

void TestPracticeWindow::calculationAnsweredInItsPanels()
{
    TestApp app;
    TfrmZhangJie w(app.dm());
    startChapter(w); // 0201-008 at positions 7, 8, 9: an entry, an amount 5000, an entry
    w.Item_Index = 7;
    w.ShowItem();
    QVERIFY(!w.ScrollBox->isHidden());
    QVERIFY(w.findChild<QWidget *>(QStringLiteral("GroupBoxCB"))->isHidden());
    TEntryPanels *panels = w.Panel11n;
    panels->control<QRadioButton>(QStringLiteral("pnlA_"), QStringLiteral("rbJ1"))->click();
    panels->control<QLineEdit>(QStringLiteral("pnlA_"), QStringLiteral("edtKM1"))->setText(QStringLiteral("库存现金"));
    panels->control<QLineEdit>(QStringLiteral("pnlA_"), QStringLiteral("edtJE1"))->setText(QStringLiteral("1000"));
    panels->control<QRadioButton>(QStringLiteral("pnlA_"), QStringLiteral("rbD2"))->click();
    panels->control<QLineEdit>(QStringLiteral("pnlA_"), QStringLiteral("edtKM2"))->setText(QStringLiteral("银行存款"));
    auto *amount = panels->control<QLineEdit>(QStringLiteral("pnlA_"), QStringLiteral("edtJE2"));
    amount->setText(QStringLiteral("1,000.00"));
    panels->pnlABCDEF_edtKU_JEChange(amount); // leaving the edit stores and checks at once
    QCOMPARE(ItemList[7]->UserScore, ItemList[7]->ItemScore);
    QVERIFY(EntryIsRight(*ItemList[7]));
    auto *computed = panels->control<QLineEdit>(QStringLiteral("p2lB_"), QStringLiteral("edtJE"));
    computed->setText(QStringLiteral("4000"));
    panels->p2lABCDEF_edtJEExit(computed);
    QVERIFY(EntryIsWrong(*ItemList[8]));

    // Shown again, the answers are there; the run counts them.
    w.Item_Index = 0;
    w.ShowItem();
    w.Item_Index = 8;
    w.ShowItem();
    QCOMPARE(panels->control<QLineEdit>(QStringLiteral("pnlA_"), QStringLiteral("edtKM2"))->text(),
             QStringLiteral("银行存款"));
    QCOMPARE(panels->control<QLineEdit>(QStringLiteral("p2lB_"), QStringLiteral("edtJE"))->text(), QStringLiteral("4000"));
    MessageBox::setNextAnswer(QMessageBox::Yes);
    w.SpeedButton8Click();
    QCOMPARE(w.ZhengQueCnt, 1);
    QCOMPARE(w.CuoWuCnt, 1);
    QCOMPARE(w.DeFen, ItemList[7]->ItemScore);
}

void TestPracticeWindow::reviewsShowRightAndWrong()
{
    TestApp app;
    TfrmZhangJie w(app.dm());
    startChapter(w);
    const auto marks = [&] {
        QString out;
        for (QChar letter : kLetters) {
            auto *box = static_cast<WrapCheckBox *>(w.findChild<QCheckBox *>(QStringLiteral("cb") + letter));
            out += box->mark() == WrapCheckBox::RightMark ? QLatin1Char('R')
                 : box->mark() == WrapCheckBox::WrongMark ? QLatin1Char('W')
                                                          : QLatin1Char('.');
        }
        return out;
    };
    w.Item_Index = 3; // 0201-004, key ABD
    w.ShowItem();
    clickBoxes(w, QStringLiteral("AC"));
    QCOMPARE(marks(), QStringLiteral("......")); // a run shows nothing
    w.Item_Index = 1; // 0201-002, key C, left unanswered
    w.ShowItem();

    w.LXMode = QStringLiteral("view");
    w.Item_Index = 3;
    w.ShowItem();
    QCOMPARE(marks(), QStringLiteral("RRWR.."));
    w.SpeedButton6Click();
    QCOMPARE(w.sgList->item(0, 2)->text(), QStringLiteral("未做"));
    QCOMPARE(w.sgList->item(1, 2)->text(), QStringLiteral("未做"));
    QCOMPARE(w.sgList->item(3, 2)->text(), QStringLiteral("✗ 错误"));
    w.sbCancelClick();
    // A review shows the answer given and takes no other: the ticks, marks and chooser stay.
    clickBoxes(w, QStringLiteral("BCD"));
    QCOMPARE(marks(), QStringLiteral("RRWR.."));
    QVERIFY(w.cbA->isChecked() && w.cbC->isChecked() && !w.cbB->isChecked() && !w.cbD->isChecked());
    QCOMPARE(ItemList[3]->UserAnswer, QStringLiteral("AC"));
    w.SpeedButton6Click();
    QCOMPARE(w.sgList->item(3, 2)->text(), QStringLiteral("✗ 错误"));
}

void TestPracticeWindow::chooserPausesAndRestartsTheCountdown()
{
    TestApp app;
    TfrmZhangJie w(app.dm());
    startChapter(w);
    w.QieHuan = true;
    w.QieHuaDiv = 5;
    w.QieHuaCnt = 0;
    w.TimerDaTiTimer();
    w.TimerDaTiTimer();
    QCOMPARE(w.lvlQieHuanLeft->text(), QStringLiteral("3"));
    w.SpeedButton6Click();
    for (int i = 0; i < 10; ++i) // the learner takes their time choosing
        w.TimerDaTiTimer();
    QCOMPARE(w.Item_Index, 0);
    QCOMPARE(w.QieHuaCnt, 2);
    w.sgList->setCurrentCell(4, 0);
    w.sbOKClick();
    QCOMPARE(w.Item_Index, 4);
    QCOMPARE(w.lvlQieHuanLeft->text(), QStringLiteral("5")); // full time for the question jumped to
    for (int i = 0; i < 4; ++i)
        w.TimerDaTiTimer();
    QCOMPARE(w.Item_Index, 4);
    w.TimerDaTiTimer();
    QCOMPARE(w.Item_Index, 5);
}

void TestPracticeWindow::bigPictureFitsAndOpensWhole()
{
    TestApp app;
    writePicture(app.dir() + QStringLiteral("/Data/big.bmp"), QSize(1600, 1200));
    TfrmZhangJie w(app.dm());
    startChapter(w);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    ItemList[1]->ItemPic = QStringLiteral("big.bmp");
    w.sbNextClick();
    const QSize shown = w.imgItem->pixmap().size();
    const QSize room = w.ScrollBoxImage->maximumViewportSize();
    // As large as the area allows, keeping its shape.
    QVERIFY(shown.width() <= room.width() && shown.height() <= room.height());
    QVERIFY(shown.width() >= room.width() - 4 || shown.height() >= room.height() - 4);
    QVERIFY(qAbs(shown.width() * 3 - shown.height() * 4) <= 8);
    QSize opened;
    Modal::setHandler([&](QDialog *viewer) {
        if (auto *label = viewer->findChild<QLabel *>())
            opened = label->pixmap().size();
    });
    QTest::mouseClick(w.imgItem, Qt::LeftButton);
    QCOMPARE(opened, QSize(1600, 1200));
}

void TestPracticeWindow::bankOrderWhenNotRandom()
{
    TestApp app;
    TfrmZhangJie w(app.dm());
    w.RandomOrder = false;
    startChapter(w);
    QCOMPARE(listIds(), (QStringList{"0201-001", "0201-002", "0201-003", "0201-004", "0201-005", "0201-006",
                                     "0201-007", "0201-008", "0201-008", "0201-008"}));
    w.Item_Index = 3;
    w.ShowItem();
    QCOMPARE(w.cbA->text(), QStringLiteral("A、选项0201-004A"));
    QCOMPARE(w.cbD->text(), QStringLiteral("D、选项0201-004D"));
    QCOMPARE(w.lblAnswer->text(), QStringLiteral("ABD"));
    QCOMPARE(w.meoDesc->toPlainText(), QStringLiteral("解析0201-004"));
}

void TestPracticeWindow::answerStripAndLayout()
{
    TestApp app;
    TfrmZhangJie w(app.dm());
    startChapter(w);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.size(), QSize(964, 682));
    QVERIFY(!w.isMaximized());
    QVERIFY(w.pnlAnswer->isHidden());

    auto *panelMain = w.findChild<QWidget *>(QStringLiteral("PanelMain"));
    auto *strip = w.findChild<QWidget *>(QStringLiteral("PanelMainB"));
    auto *options = w.findChild<QWidget *>(QStringLiteral("GroupBoxCB"));
    auto *choose = w.findChild<QWidget *>(QStringLiteral("lblxzda"));
    // The button strip stands below the question area and the answer strip.
    const auto checkLayout = [&] {
        const int h = panelMain->height();
        const int width = panelMain->width();
        QCOMPARE(w.meoItem->height(), 4 * h / 15);
        QCOMPARE(w.meoItem->width(), width - 100);
        QCOMPARE(choose->y(), 22 * h / 45);
        QCOMPARE(options->y(), 8 * h / 15);
        QCOMPARE(options->width(), width - 100);
        QCOMPARE(w.ScrollBox->y(), options->y());
        QVERIFY(w.ScrollBox->width() >= options->width());
        QCOMPARE(strip->geometry().bottom(), w.height() - 1);
    };
    checkLayout();
    const int fullHeight = w.meoItem->height();
    const QRect buttonsBefore = w.sbNext->geometry();
    const QPoint nextOnScreen = w.sbNext->mapToGlobal(QPoint(0, 0));

    w.sbAnswer->click();
    QVERIFY(!w.pnlAnswer->isHidden());
    QCOMPARE(w.sbAnswer->text(), QStringLiteral("隐藏答案"));
    QVERIFY(w.meoDesc->width() > w.pnlAnswer->width() - 160);
    checkLayout();
    QVERIFY(w.meoItem->height() < fullHeight);
    // Showing the strip does not move a button from under the pointer.
    QCOMPARE(w.sbNext->geometry(), buttonsBefore);
    QCOMPARE(w.sbNext->mapToGlobal(QPoint(0, 0)), nextOnScreen);

    // The strip stays open for the next entry.
    w.sbNextClick();
    QVERIFY(!w.pnlAnswer->isHidden());

    w.sbAnswer->click();
    QVERIFY(w.pnlAnswer->isHidden());
    QCOMPARE(w.sbAnswer->text(), QStringLiteral("显示答案"));
    checkLayout();
    QCOMPARE(w.meoItem->height(), fullHeight);
}

void TestPracticeWindow::forcedSwitching_data()
{
    QTest::addColumn<bool>("on");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("countdown");
    QTest::newRow("counting down") << true << 3 << 0 << 1 << 0 << "2";
    QTest::newRow("moves on the tick that shows 0") << true << 2 << 0 << 2 << 1 << "0";
    QTest::newRow("restarts on the next entry") << true << 2 << 0 << 3 << 1 << "1";
    QTest::newRow("last entry stays") << true << 2 << 9 << 2 << 9 << "0";
    QTest::newRow("last entry restarts") << true << 2 << 9 << 3 << 9 << "1";
    QTest::newRow("0 seconds moves at every tick") << true << 0 << 0 << 3 << 3 << "-1";
    QTest::newRow("switching off") << false << 0 << 0 << 3 << 0 << "----";
}

void TestPracticeWindow::forcedSwitching()
{
    QFETCH(bool, on);
    QFETCH(int, seconds);
    QFETCH(int, start);
    QFETCH(int, ticks);
    QFETCH(int, position);
    QFETCH(QString, countdown);
    TestApp app;
    TfrmZhangJie w(app.dm());
    startChapter(w);
    w.Item_Index = start;
    w.ShowItem();
    w.QieHuan = on;
    w.QieHuaDiv = seconds;
    w.QieHuaCnt = 0;
    for (int i = 0; i < ticks; ++i)
        w.TimerDaTiTimer();
    QCOMPARE(w.Item_Index, position);
    QCOMPARE(w.lblDiJiTi->text(), QString::number(questionNumberOf(position)));
    QCOMPARE(w.lvlQieHuanLeft->text(), countdown);
}

void TestPracticeWindow::timeUsed_data()
{
    QTest::addColumn<int>("elapsed");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("stored");
    QTest::newRow("at the start") << 0 << "本次用时：00小时00分钟00秒" << "00:00:00";
    QTest::newRow("an hour and a bit") << 3725 << "本次用时：01小时02分钟05秒" << "01:02:05";
    QTest::newRow("more than a day") << 25 * 3600 + 5 << "本次用时：01小时00分钟05秒" << "01:00:05";
}

void TestPracticeWindow::timeUsed()
{
    QFETCH(int, elapsed);
    QFETCH(QString, label);
    QFETCH(QString, stored);
    TestApp app;
    TfrmZhangJie w(app.dm());
    Clock::set(kStart);
    startChapter(w);
    w.StartTime = Clock::now();
    w.Test_ID = kStart.toString(QStringLiteral("yyyyMMddhhmmss"));
    Clock::advance(elapsed);
    w.TimerDaTiTimer();
    QCOMPARE(w.lblStartTime->text(), QStringLiteral("开始时间：09时08分07秒"));
    QCOMPARE(w.lblUseTime->text(), label);

    MessageBox::setNextAnswer(QMessageBox::Yes);
    w.SpeedButton8Click();
    QCOMPARE(app.scalar(QStringLiteral("select TEST_TIME from tabTestHis where TEST_ID = ?"), {w.Test_ID}).toString(),
             stored);
}

void TestPracticeWindow::endOfRunStoresRun()
{
    TestApp app;
    TfrmZhangJie w(app.dm());
    Clock::set(kStart);
    startChapter(w);
    w.StartTime = Clock::now();
    w.Test_ID = QStringLiteral("20240305090807");
    w.TimerDaTi->start();

    int result = -1;
    Modal::setHandler([&](QDialog *) {
        clickBoxes(w, QStringLiteral("A")); // 0201-001 right
        w.sbFAVClick();                     // flagged, stored as essential
        w.sbNextClick();
        clickBoxes(w, QStringLiteral("A")); // 0201-002 wrong
        w.Item_Index = 3;
        w.ShowItem();
        clickBoxes(w, QStringLiteral("AB")); // 0201-004 wrong: no partial credit
        w.Item_Index = 7;
        w.ShowItem();
        w.sbFAVClick(); // on the first entry of 0201-008: the flag is the question's
        Clock::advance(3725);
        MessageBox::setNextAnswer(QMessageBox::Yes);
        w.SpeedButton8Click();
    });
    result = Modal::show(&w);

    QCOMPARE(result, 1);
    QVERIFY(!w.isVisible());
    QVERIFY(!w.TimerDaTi->isActive());
    QCOMPARE(MessageBox::shown().last().caption, QStringLiteral("确认结束"));
    QCOMPARE(MessageBox::shown().last().text, QStringLiteral("结束本次练习吗？"));
    QCOMPARE(w.YiLianXiCnt, 3);
    QCOMPARE(w.WeiLianXiCnt, 7);
    QCOMPARE(w.ZhengQueCnt, 1);
    QCOMPARE(w.CuoWuCnt, 2); // answered and wrong; the seven unanswered are not done, not wrong
    QCOMPARE(w.ManFen, 3 * 100 + 2 * 200 + 2 * 100 + 1000); // the calculation question whole
    QCOMPARE(w.DeFen, 100);

    QSqlQuery row(app.dm()->database());
    QVERIFY(row.exec(QStringLiteral("select TEST_ID, TEST_TRUE, TEST_FALSE, TEST_HAVDO, TEST_NOTDO, TEST_TIME, "
                                    "TEST_TYPE, TEST_SCORE, TEST_KeCheng, TEST_ZhangJie from tabTestHis")));
    QVERIFY(row.next());
    QStringList values;
    for (int c = 0; c < 10; ++c)
        values << row.value(c).toString();
    QCOMPARE(values, (QStringList{"20240305090807", "1", "2", "3", "7", "01:02:05", "章节练习", "1", "会计基础",
                                  "第一章 总论"}));
    QVERIFY(!row.next());

    const auto fav = [&](const char *id) {
        return app.scalar(QStringLiteral("select I_FAV from tabItem where I_ID = ?"), {QString::fromLatin1(id)}).toInt();
    };
    QCOMPARE(fav("0201-001"), 1);
    QCOMPARE(fav("0201-008"), 1);

    QSqlQuery log(app.dm()->database());
    QVERIFY(log.exec(QStringLiteral("select ERR_DATE, ERR_I_ID from tabErrItemHisLog order by ERR_I_ID")));
    QStringList logged;
    while (log.next())
        logged << log.value(0).toString() + QLatin1Char(' ') + log.value(1).toString();
    QCOMPARE(logged, (QStringList{"20240305 0201-002", "20240305 0201-004"}));
}

void TestPracticeWindow::endingTwiceOnOneDayKeepsOneRowPerWrongEntry()
{
    TestApp app;
    TfrmZhangJie w(app.dm());
    Clock::set(kStart);
    startChapter(w);
    w.StartTime = Clock::now();
    w.Test_ID = QStringLiteral("20240305090807");
    w.Item_Index = 1;
    w.ShowItem();
    clickBoxes(w, QStringLiteral("B"));
    MessageBox::setNextAnswer(QMessageBox::Yes);
    w.SpeedButton8Click();

    // A review run of the same list, ended later the same day: it takes no answer.
    w.LXMode = QStringLiteral("view");
    w.Item_Index = 0;
    w.ShowItem();
    clickBoxes(w, QStringLiteral("C"));
    Clock::advance(600);
    MessageBox::setNextAnswer(QMessageBox::Yes);
    w.SpeedButton8Click();
    QCOMPARE(rowCount(app, QStringLiteral("tabTestHis")), 1);
    QCOMPARE(app.scalar(QStringLiteral("select TEST_TIME from tabTestHis")).toString(), QStringLiteral("00:00:00"));
    QCOMPARE(app.scalar(QStringLiteral("select TEST_FALSE from tabTestHis")).toString(), QStringLiteral("1"));
    QCOMPARE(app.scalar(QStringLiteral("select count(*) from tabErrItemHisLog where ERR_I_ID = '0201-001'")).toInt(), 0);

    // A redo the same day with the same mistake: its own history row, the day's one log row.
    w.LXMode = QStringLiteral("new");
    for (int i = 0; i < ItemList.count(); ++i)
        ItemList[i]->UserAnswer.clear();
    w.Test_ID = QStringLiteral("20240305091807");
    w.Item_Index = 1;
    w.ShowItem();
    clickBoxes(w, QStringLiteral("A"));
    MessageBox::setNextAnswer(QMessageBox::Yes);
    w.SpeedButton8Click();
    QCOMPARE(rowCount(app, QStringLiteral("tabTestHis")), 2);
    QCOMPARE(app.scalar(QStringLiteral("select count(*) from tabErrItemHisLog where ERR_I_ID = '0201-002'")).toInt(), 1);
    QCOMPARE(rowCount(app, QStringLiteral("tabErrItemHisLog")), 1);
}

void TestPracticeWindow::endDeclinedStoresNothing()
{
    TestApp app;
    TfrmZhangJie w(app.dm());
    startChapter(w);
    clickBoxes(w, QStringLiteral("B"));
    bool stillOpen = false;
    Modal::setHandler([&](QDialog *) {
        MessageBox::setNextAnswer(QMessageBox::No);
        w.SpeedButton8Click();
        stillOpen = w.isVisible();
    });
    Modal::show(&w);
    QVERIFY(stillOpen);
    QCOMPARE(w.YiLianXiCnt, 0);
    QCOMPARE(rowCount(app, QStringLiteral("tabTestHis")), 0);
    QCOMPARE(rowCount(app, QStringLiteral("tabErrItemHisLog")), 0);
}

void TestPracticeWindow::closeBoxStoresNothing()
{
    TestApp app;
    TfrmZhangJie w(app.dm());
    startChapter(w);
    w.TimerDaTi->start();
    const int result = [&] {
        Modal::setHandler([&](QDialog *dialog) {
            clickBoxes(w, QStringLiteral("B"));
            w.sbFAVClick();
            dialog->close();
        });
        return Modal::show(&w);
    }();
    QCOMPARE(result, 0);
    QVERIFY(!w.TimerDaTi->isActive());
    QVERIFY(MessageBox::shown().isEmpty());
    QCOMPARE(w.YiLianXiCnt, 0);
    QCOMPARE(w.CuoWuCnt, 0);
    QCOMPARE(rowCount(app, QStringLiteral("tabTestHis")), 0);
    QCOMPARE(rowCount(app, QStringLiteral("tabErrItemHisLog")), 0);
    QCOMPARE(app.scalar(QStringLiteral("select I_FAV from tabItem where I_ID = '0201-001'")).toInt(), 0);
}

void TestPracticeWindow::storeFailureKeepsWindowOpen()
{
    TestApp app;
    TfrmZhangJie w(app.dm());
    Clock::set(kStart);
    startChapter(w);
    w.StartTime = Clock::now();
    w.Test_ID = QStringLiteral("20240305090807");
    clickBoxes(w, QStringLiteral("B"));
    w.sbFAVClick();
    app.scalar(QStringLiteral("alter table tabTestHis rename to tabTestHisAway"));

    bool openAfterFailure = false;
    QString failureCaption;
    Modal::setHandler([&](QDialog *) {
        MessageBox::setNextAnswer(QMessageBox::Yes);
        w.SpeedButton8Click(); // the offer to end without storing is declined (No)
        openAfterFailure = w.isVisible();
        failureCaption = MessageBox::shown().at(MessageBox::shown().size() - 2).caption;
        QCOMPARE(MessageBox::shown().last().caption, QStringLiteral("成绩未保存"));
        // Nothing of the run was written while its record could not be.
        QCOMPARE(app.scalar(QStringLiteral("select I_FAV from tabItem where I_ID = '0201-001'")).toInt(), 0);
        QCOMPARE(rowCount(app, QStringLiteral("tabErrItemHisLog")), 0);

        app.scalar(QStringLiteral("alter table tabTestHisAway rename to tabTestHis"));
        MessageBox::setNextAnswer(QMessageBox::Yes);
        w.SpeedButton8Click();
    });
    const int result = Modal::show(&w);
    QVERIFY(openAfterFailure);
    QCOMPARE(failureCaption, QStringLiteral("错误"));
    QCOMPARE(result, 1);
    QCOMPARE(rowCount(app, QStringLiteral("tabTestHis")), 1);
    QCOMPARE(app.scalar(QStringLiteral("select I_FAV from tabItem where I_ID = '0201-001'")).toInt(), 1);
    QCOMPARE(rowCount(app, QStringLiteral("tabErrItemHisLog")), 1);
}

void TestPracticeWindow::unwritableBankKeepsWindowOpen_data()
{
    QTest::addColumn<bool>("endWithoutRecord");
    QTest::newRow("stays to try again") << false;
    QTest::newRow("ends, result not recorded") << true;
}

// A bank that cannot be written: the learner is told, and may stay with every answer to try
// again, or see the result all the same, knowing it is not recorded.
void TestPracticeWindow::unwritableBankKeepsWindowOpen()
{
    QFETCH(bool, endWithoutRecord);
    TestApp app;
    {
        QFile file(app.databaseFile());
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.seek(18)); // a write version SQLite will not write
        QVERIFY(file.putChar(char(3)));
    }
    TfrmZhangJie w(app.dm());
    startChapter(w);
    clickBoxes(w, QStringLiteral("A"));
    bool open = false;
    Modal::setHandler([&](QDialog *) {
        MessageBox::setNextAnswer(QMessageBox::Yes);
        MessageBox::setNextAnswer(QMessageBox::Ok); // the error
        MessageBox::setNextAnswer(endWithoutRecord ? QMessageBox::Yes : QMessageBox::No);
        w.SpeedButton8Click();
        open = w.isVisible();
    });
    QCOMPARE(Modal::show(&w), endWithoutRecord ? 1 : 0);
    QCOMPARE(open, !endWithoutRecord);
    const QList<MessageBox::Shown> shown = MessageBox::shown();
    QCOMPARE(shown.size(), 3);
    QCOMPARE(shown.at(1).caption, QStringLiteral("错误"));
    QCOMPARE(shown.at(1).text, app.dm()->writeProblem());
    QVERIFY(shown.at(1).text.contains(QStringLiteral("学习记录无法保存")));
    QCOMPARE(shown.at(2).caption, QStringLiteral("成绩未保存"));
    QCOMPARE(ItemList[0]->UserAnswer, QStringLiteral("A")); // the answers stay, for another try or the reviews
    QCOMPARE(w.ResultStored, !endWithoutRecord);
    if (endWithoutRecord) {
        QCOMPARE(w.ZhengQueCnt, 1);
        QCOMPARE(w.DeFen, 100);
    }
}

void TestPracticeWindow::emptyList()
{
    TestApp app;
    TfrmZhangJie w(app.dm());
    startChapter(w); // an earlier run leaves its entry on screen
    Clock::set(kStart);
    w.StartTime = Clock::now();
    w.Test_ID = QStringLiteral("20240305090807");
    startChapter(w, QStringLiteral("0201"), 0, 0, 0, 0);
    QVERIFY(ItemList.isEmpty());
    QVERIFY(w.meoItem->toPlainText().isEmpty());
    QVERIFY(w.lblDiJiTiMain->text().isEmpty());
    QCOMPARE(visibleBoxes(w), QString());

    w.sbNextClick();
    w.SpeedButton4Click();
    w.sbMarkClick();
    QVERIFY(w.meoItem->toPlainText().isEmpty());
    QVERIFY(w.lblDiJiTi->text().isEmpty());

    w.SpeedButton6Click();
    QVERIFY(!w.pnlXuanTi->isHidden());
    QCOMPARE(w.sgList->rowCount(), 0);
    w.sbOKClick();
    QCOMPARE(MessageBox::shown().last().text, QStringLiteral("请选择题目！"));
    w.sbCancelClick();

    MessageBox::setNextAnswer(QMessageBox::Yes);
    w.SpeedButton8Click();
    QCOMPARE(app.scalar(QStringLiteral("select TEST_TRUE || TEST_FALSE || TEST_HAVDO || TEST_NOTDO || '/' || "
                                       "TEST_SCORE from tabTestHis"))
                 .toString(),
             QStringLiteral("0000/0"));
}

void TestPracticeWindow::entryChooser()
{
    TestApp app;
    TfrmZhangJie w(app.dm());
    startChapter(w);
    setAnswer(2, QStringLiteral("A"), false);
    ItemList[4]->ItemMark = true;
    w.LXMode = QStringLiteral("First"); // the chooser reaches every entry whatever the mode
    w.QieHuaCnt = 4;

    w.SpeedButton6Click();
    QVERIFY(!w.pnlXuanTi->isHidden());
    QCOMPARE(w.lblIndex->text(), QStringLiteral("-1"));
    QCOMPARE(w.sgList->columnCount(), 4);
    QCOMPARE(w.sgList->rowCount(), 10);
    QStringList header;
    for (int c = 0; c < 4; ++c)
        header << w.sgList->horizontalHeaderItem(c)->text();
    QCOMPARE(header, (QStringList{"序号", "类型", "状态", "标记"}));
    QCOMPARE(QList<int>({w.sgList->columnWidth(0), w.sgList->columnWidth(1), w.sgList->columnWidth(2),
                         w.sgList->columnWidth(3)}),
             QList<int>({48, 95, 103, 114}));
    const auto rowText = [&](int r) {
        QStringList cells;
        for (int c = 0; c < 4; ++c)
            cells << w.sgList->item(r, c)->text();
        return cells;
    };
    QCOMPARE(rowText(0), (QStringList{"1", "单选题", "未做", "未标记"}));
    QCOMPARE(rowText(2), (QStringList{"3", "单选题", "已做", "未标记"}));
    QCOMPARE(rowText(4), (QStringList{"5", "多选题", "未做", "已标记"}));
    QCOMPARE(rowText(9), (QStringList{"10", "计算分析题", "未做", "未标记"}));

    w.sbOKClick();
    QCOMPARE(MessageBox::shown().last().caption, QStringLiteral("提示"));
    QCOMPARE(MessageBox::shown().last().text, QStringLiteral("请选择题目！"));
    QVERIFY(!w.pnlXuanTi->isHidden());
    QCOMPARE(w.Item_Index, 0);

    w.sgList->setCurrentCell(3, 1);
    QCOMPARE(w.lblIndex->text(), QStringLiteral("3"));
    QCOMPARE(w.moItemDesc->toPlainText(), ItemList[3]->ItemDetail);
    w.sbOKClick();
    QVERIFY(w.pnlXuanTi->isHidden());
    QCOMPARE(w.Item_Index, 3);
    QCOMPARE(w.meoItem->toPlainText(), ItemList[3]->ItemDetail);
    QCOMPARE(w.QieHuaCnt, 0);

    // Opening again forgets the pick; cancelling goes nowhere.
    w.SpeedButton6Click();
    QCOMPARE(w.lblIndex->text(), QStringLiteral("-1"));
    w.sgList->setCurrentCell(7, 0);
    w.sbCancelClick();
    QVERIFY(w.pnlXuanTi->isHidden());
    QCOMPARE(w.Item_Index, 3);
}

void TestPracticeWindow::jhctCut_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("select");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("count");
    // Every question flagged: 12 questions, 16 entries. The positions count questions, as
    // the set-up's counts do; a calculation (entries 7-9) and a case (13-15) stay whole.
    QTest::newRow("start 3, select 10") << 3 << 10 << 2 << 10;
    QTest::newRow("whole list") << 1 << 2000 << 0 << 16;
    QTest::newRow("every question, as counted") << 1 << 12 << 0 << 16;
    QTest::newRow("select below the list") << 1 << 4 << 0 << 4;
    QTest::newRow("select ending on a calculation") << 1 << 8 << 0 << 10;
    QTest::newRow("start on a case") << 12 << 12 << 13 << 3;
    QTest::newRow("start at the last kept") << 10 << 10 << 11 << 1;
    QTest::newRow("start beyond the rest") << 5 << 3 << 0 << 0;
    QTest::newRow("start beyond the list") << 20 << 2000 << 0 << 0;
}

void TestPracticeWindow::jhctCut()
{
    QFETCH(int, start);
    QFETCH(int, select);
    QFETCH(int, first);
    QFETCH(int, count);
    TestApp app;
    app.scalar(QStringLiteral("update tabItem set I_FAV = 1"));
    TfrmZhangJie w(app.dm());
    w.LXMode = QStringLiteral("JingHua");
    w.JHCT_Start = 1;
    w.JHCT_Select = 2000;
    w.InitItemList();
    const QStringList all = listIds();
    QCOMPARE(all.size(), 16);

    w.JHCT_Start = start;
    w.JHCT_Select = select;
    w.InitItemList();
    QCOMPARE(listIds(), all.mid(first, count));
    QCOMPARE(w.Item_Index, 0);
    if (count == 0)
        QVERIFY(w.meoItem->toPlainText().isEmpty());
    else
        QCOMPARE(w.meoItem->toPlainText(), ItemList[0]->ItemDetail);
}

void TestPracticeWindow::wrongQuestionRunShowsQuestionCourse()
{
    TestApp app;
    app.scalar(QStringLiteral("insert into tabErrItemHisLog(ERR_DATE, ERR_I_ID) values('20240301', '0201-002')"));
    app.scalar(QStringLiteral("insert into tabErrItemHisLog(ERR_DATE, ERR_I_ID) values('20240304', '0101-001')"));
    app.scalar(QStringLiteral("insert into tabErrItemHisLog(ERR_DATE, ERR_I_ID) values('20240305', '0201-004')"));
    TfrmZhangJie w(app.dm());
    w.LXMode = QStringLiteral("CuoTi");
    w.CT_Start = QStringLiteral("20240303");
    w.JHCT_Start = 1;
    w.JHCT_Select = 2000;
    w.InitItemList();
    QCOMPARE(listIds(), (QStringList{"0101-001", "0201-004"}));
    // The header names the run and the courses it drew from; the column, the entry's own.
    QCOMPARE(w.lblKeChengL->text(), QStringLiteral("财经法规与会计职业道德、会计基础"));
    QCOMPARE(w.lblKeChengR->text(), QStringLiteral("财经法规与会计职业道德"));
    QCOMPARE(w.lblZhangJieR->text(), QStringLiteral("第一章 会计法律制度"));
    w.sbNextClick();
    QCOMPARE(w.lblKeChengR->text(), QStringLiteral("会计基础"));
    QCOMPARE(w.lblZhangJieL->text(), QStringLiteral("第一章 总论"));
}

void TestPracticeWindow::keyboard_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("chooserOpen");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("answer");
    // Starts on entry 1 (0201-002, single choice, answer C).
    QTest::newRow("Right on the question text") << "meoItem" << false << QList<int>{Qt::Key_Right} << 2 << "";
    QTest::newRow("PageDown on a button") << "sbMark" << false << QList<int>{Qt::Key_PageDown} << 2 << "";
    QTest::newRow("Left on the window") << "frmZhangJie" << false << QList<int>{Qt::Key_Left} << 0 << "";
    QTest::newRow("PageUp on an option") << "cbA" << false << QList<int>{Qt::Key_PageUp} << 0 << "";
    QTest::newRow("Left on the explanation") << "meoDesc" << false << QList<int>{Qt::Key_Left} << 0 << "";
    QTest::newRow("A then C") << "meoItem" << false << QList<int>{Qt::Key_A, Qt::Key_C} << 1 << "C";
    QTest::newRow("C twice") << "frmZhangJie" << false << QList<int>{Qt::Key_C, Qt::Key_C} << 1 << "";
    QTest::newRow("E is no option here") << "frmZhangJie" << false << QList<int>{Qt::Key_E} << 1 << "";
    QTest::newRow("Esc does not end the run") << "meoItem" << false << QList<int>{Qt::Key_Escape} << 1 << "";
    QTest::newRow("Esc closes the chooser") << "sgList" << true << QList<int>{Qt::Key_Escape, Qt::Key_Right} << 2
                                            << "";
    QTest::newRow("chooser open keeps the entry") << "sgList" << true << QList<int>{Qt::Key_Right, Qt::Key_C} << 1
                                                  << "";
}

void TestPracticeWindow::keyboard()
{
    QFETCH(QString, target);
    QFETCH(bool, chooserOpen);
    QFETCH(QList<int>, keys);
    QFETCH(int, position);
    QFETCH(QString, answer);
    TestApp app;
    TfrmZhangJie w(app.dm());
    startChapter(w);
    w.show();
    w.Item_Index = 1;
    w.ShowItem();
    if (chooserOpen)
        w.SpeedButton6Click();
    QWidget *receiver = target == w.objectName() ? &w : w.findChild<QWidget *>(target);
    QVERIFY(receiver);
    receiver->setFocus();
    for (int key : keys)
        QTest::keyClick(receiver, Qt::Key(key));
    QCOMPARE(w.Item_Index, position);
    QCOMPARE(ItemList[1]->UserAnswer, answer);
    QCOMPARE(tickedBoxes(w), position == 1 ? answer : QString());
    QVERIFY(w.isVisible());
}

void TestPracticeWindow::picture_data()
{
    QTest::addColumn<QString>("itemPic");
    QTest::addColumn<QString>("file"); // "" none, "bmp" a picture, "junk" not a picture
    QTest::addColumn<bool>("pictureShown");
    QTest::addColumn<bool>("noteShown");
    QTest::newRow("picture present") << "q1.bmp" << "bmp" << true << false;
    QTest::newRow("name with blanks around it") << "  q1.bmp " << "bmp" << true << false;
    QTest::newRow("file missing") << "q1.bmp" << "" << false << true;
    QTest::newRow("blank name") << "   " << "" << false << false;
    QTest::newRow("not a picture") << "q1.bmp" << "junk" << false << true;
}

void TestPracticeWindow::picture()
{
    QFETCH(QString, itemPic);
    QFETCH(QString, file);
    QFETCH(bool, pictureShown);
    QFETCH(bool, noteShown);
    TestApp app;
    const QString path = app.dir() + QStringLiteral("/Data/q1.bmp");
    if (file == QLatin1String("bmp"))
        writePicture(path, QSize(120, 80));
    if (file == QLatin1String("junk")) {
        QFile junk(path);
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("not a picture");
    }
    TfrmZhangJie w(app.dm());
    startChapter(w);
    w.show();
    ItemList[1]->ItemPic = itemPic;
    w.sbNextClick();

    QCOMPARE(!w.ScrollBoxImage->isHidden(), pictureShown);
    QCOMPARE(w.meoItem->isHidden(), pictureShown);
    QCOMPARE(!w.findChild<QLabel *>(QStringLiteral("lblPicNote"))->isHidden(), noteShown);
    if (pictureShown) {
        QCOMPARE(w.imgItem->pixmap().size(), QSize(120, 80));
        QCOMPARE(w.imgItem->size(), QSize(120, 80));
        // In the text's place, with at least its room.
        QCOMPARE(w.ScrollBoxImage->geometry().topLeft(), w.meoItem->geometry().topLeft());
        QCOMPARE(w.ScrollBoxImage->width(), w.meoItem->width());
        QVERIFY(w.ScrollBoxImage->height() >= w.meoItem->height());
    }
    // The options are shown either way.
    QCOMPARE(visibleBoxes(w), QStringLiteral("ABCD"));

    w.sbNextClick();
    QVERIFY(w.ScrollBoxImage->isHidden());
    QVERIFY(!w.meoItem->isHidden());
    QVERIFY(w.findChild<QLabel *>(QStringLiteral("lblPicNote"))->isHidden());
}

void TestPracticeWindow::tipPicture_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<bool>("filesPresent");
    QTest::addColumn<bool>("tipShown");
    QTest::newRow("view") << "view" << true << true;
    QTest::newRow("error") << "error" << true << true;
    QTest::newRow("notfinish") << "notfinish" << true << true;
    QTest::newRow("new") << "new" << true << true;
    QTest::newRow("right has none") << "right" << true << false;
    QTest::newRow("First has none") << "First" << true << false;
    QTest::newRow("view, file missing") << "view" << false << false;
}

void TestPracticeWindow::tipPicture()
{
    QFETCH(QString, mode);
    QFETCH(bool, filesPresent);
    QFETCH(bool, tipShown);
    TestApp app;
    if (filesPresent)
        for (const char *name : {"r_1.bmp", "r_2_1.bmp", "r_3_1.bmp", "r_4.bmp"})
            writePicture(app.dir() + QStringLiteral("/image/") + QString::fromLatin1(name), QSize(200, 30));
    TfrmZhangJie w(app.dm());
    startChapter(w);
    // A tip from an earlier showing never lingers.
    w.LXMode = QStringLiteral("view");
    Modal::setHandler([](QDialog *) {});
    Modal::show(&w);
    w.LXMode = mode;
    bool shown = false;
    Modal::setHandler([&](QDialog *) { shown = !w.imgTrip->pixmap().isNull(); });
    Modal::show(&w);
    QCOMPARE(shown, tipShown);
}

void TestPracticeWindow::fontSizeAndContextMenus()
{
    TestApp app;
    TfrmZhangJie w(app.dm());
    startChapter(w);
    QCOMPARE(w.meoItem->font().pointSize(), 12);
    w.setTextFontSize(15);
    for (QWidget *control : QList<QWidget *>{w.meoItem, w.cbA, w.cbB, w.cbC, w.cbD, w.cbE, w.cbF, w.lblAnswer,
                                             w.meoDesc})
        QCOMPARE(control->font().pointSize(), 15);

    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    for (QPlainTextEdit *memo : {w.meoItem, w.meoDesc}) {
        bool menuShown = false;
        // Should a menu open, its event loop runs this and closes it again.
        QTimer::singleShot(0, [&] {
            if (QWidget *popup = QApplication::activePopupWidget()) {
                menuShown = true;
                popup->close();
            }
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), memo->viewport()->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(memo->viewport(), &event);
        QCoreApplication::processEvents();
        QVERIFY(!menuShown);
    }
}

QTEST_MAIN(TestPracticeWindow)
#include "tst_practice_window.moc"
