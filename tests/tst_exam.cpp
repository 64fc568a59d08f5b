// The exam window driven through its seams (modal showing, the clock, timer slots called
// directly): loading, the introductory screens, the answer card, navigation, the 待查 flag,
// the question display, the answer panel, the font controls and the keys.
#include "app/Startup.h"
#include "core/UnitDefine.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "store/UnitDM.h"
#include "tests/fixtures/TestBank.h"
#include "ui/Controls.h"
#include "ui/exam/AnswerCard.h"
#include "core/EntryAnswer.h"
#include "ui/entry/EntryPanels.h"
#include "ui/entry/KeMuPicker.h"
#include "ui/exam/UnitKaoShi.h"

#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

namespace {

const QString Letters = QStringLiteral("ABCDEF");

// Course "01" 财经法规与会计职业道德, paper "0191": 20 single (answers A, B, C, D in turn),
// 20 multiple (AB), 20 true/false (A), then one case "0191-061" of four sub-questions.
// Course "02" 会计基础, paper "0291": two single choices (the second with options 甲, "-",
// blank, 丁), then a calculation question with keys entry, amount, "-", entry.
// Course "03" 珠算, paper "0391": one single choice.
void examBank(BankWriter &bank)
{
    bank.addCourse(QStringLiteral("03"), QStringLiteral("珠算"));
    bank.addCourse(QStringLiteral("02"), QStringLiteral("会计基础"));
    bank.addCourse(QStringLiteral("01"), QStringLiteral("财经法规与会计职业道德"));
    bank.addChapter(QStringLiteral("0191"), QStringLiteral("法规试卷"), QStringLiteral("01"), QStringLiteral("2"));
    bank.addChapter(QStringLiteral("0291"), QStringLiteral("基础试卷"), QStringLiteral("02"), QStringLiteral("2"));
    bank.addChapter(QStringLiteral("0391"), QStringLiteral("珠算试卷"), QStringLiteral("03"), QStringLiteral("2"));

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
    kase.score = 10;
    for (int no = 1; no <= 4; ++no) {
        BankSubQuestion s;
        s.no = no;
        s.text = QStringLiteral("小题%1").arg(no);
        s.type = QStringLiteral("1");
        s.options = {QStringLiteral("甲"), QStringLiteral("乙"), QStringLiteral("丙"), QStringLiteral("丁")};
        s.answer = QString(Letters.at(no - 1));
        s.explanation = QStringLiteral("小题解析%1").arg(no);
        s.score = no <= 2 ? 2 : 3;
        kase.subquestions << s;
    }
    bank.addQuestion(kase);

    BankQuestion first = TestApp::examChoice(QStringLiteral("0291-001"), QStringLiteral("0291"), QStringLiteral("1"),
                                  QStringLiteral("A"), 1);
    first.picture = QStringLiteral("q1.png");
    bank.addQuestion(first);
    BankQuestion gaps = TestApp::examChoice(QStringLiteral("0291-002"), QStringLiteral("0291"), QStringLiteral("1"),
                                 QStringLiteral("D"), 1);
    gaps.options = {QStringLiteral("甲"), QStringLiteral("-"), QStringLiteral("  "), QStringLiteral("丁")};
    bank.addQuestion(gaps);
    BankQuestion calc;
    calc.id = QStringLiteral("0291-003");
    calc.chapterId = QStringLiteral("0291");
    calc.type = QStringLiteral("4");
    calc.text = QStringLiteral("计算题");
    calc.options = {QStringLiteral("借:库存现金=1000;贷:银行存款=1000"), QStringLiteral("5000"), QStringLiteral("-"),
                    QStringLiteral("借:原材料=200;贷:应付账款=200")};
    calc.answer = QStringLiteral("见解析");
    calc.score = 9;
    bank.addQuestion(calc);

    bank.addQuestion(TestApp::examChoice(QStringLiteral("0391-001"), QStringLiteral("0391"), QStringLiteral("1"),
                              QStringLiteral("B"), 1));

    bank.addAccount(QStringLiteral("1001"), QStringLiteral("库存现金"), QStringLiteral("1001"), QStringLiteral("库存现金"));
    bank.addAccount(QStringLiteral("1002"), QStringLiteral("银行存款"), QStringLiteral("1002"), QStringLiteral("银行存款"));
    bank.addAccount(QStringLiteral("1403"), QStringLiteral("原材料"), QStringLiteral("140301"), QStringLiteral("原料及主要材料"));
    bank.addAccount(QStringLiteral("2202"), QStringLiteral("应付账款"), QStringLiteral("2202"), QStringLiteral("应付账款"));
}

void writePicture(const QString &path, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(38, 144, 196));
    QVERIFY(image.save(path));
}

// The bank and the exam window, wired as start-up wires them.
struct Exam
{
    Exam() : app(examBank), window(app.dm()) { frmKaoShi = &window; }
    ~Exam()
    {
        frmKaoShi = nullptr;
        ItemList.clear();
    }

    // Loads a paper in the given mode; the course name decides the analysis caption.
    void load(const QString &paper, int dan, int duo, int pan, int fen, const QString &course = QString())
    {
        window.LXMode = QStringLiteral("First");
        window.ZhangJieID = paper;
        window.KeChengName = course.isEmpty() ? courseOf(paper) : course;
        window.DanXunCnt = dan;
        window.DuoXuanCnt = duo;
        window.PanDuanCnt = pan;
        window.FenXiCnt = fen;
        QVERIFY(window.InitItemList());
    }
    void loadFull() { load(QStringLiteral("0191"), 20, 20, 20, 1); }
    static QString courseOf(const QString &paper)
    {
        if (paper == QLatin1String("0191"))
            return QStringLiteral("财经法规与会计职业道德");
        if (paper == QLatin1String("0291"))
            return QStringLiteral("会计基础");
        return QStringLiteral("珠算");
    }
    TCardCell *cell(int position) const
    {
        return window.findChild<TCardCell *>(QStringLiteral("pnlItem%1").arg(101 + position));
    }
    QColor colour(int position) const { return cell(position)->color(); }
    void show(const QString &mode, int position)
    {
        window.LXMode = mode;
        window.Item_Index = position;
        window.ShowItem();
    }
    QString visibleBoxes() const
    {
        QString letters;
        for (QChar letter : Letters)
            if (window.findChild<QCheckBox *>(QStringLiteral("cb") + letter)->isVisibleTo(window.Panel5))
                letters += letter;
        return letters;
    }
    QString tickedBoxes() const
    {
        QString letters;
        for (QChar letter : Letters)
            if (window.findChild<QCheckBox *>(QStringLiteral("cb") + letter)->isChecked())
                letters += letter;
        return letters;
    }
    void click(const QString &letters)
    {
        for (QChar letter : letters)
            window.findChild<QCheckBox *>(QStringLiteral("cb") + letter)->click();
    }
    // Which categories are open, as 1 single ... 4 analysis.
    QString openCategories() const
    {
        QString open;
        const TCategoryPanel *panels[] = {window.cpDanXuan, window.cpDuoXuan, window.cpPanDuan, window.cpFenXi};
        for (int c = 0; c < 4; ++c)
            if (panels[c]->isExpanded())
                open += QChar(u'1' + c);
        return open;
    }

    TestApp app;
    TfrmKaoShi window;
};

void setAnswer(int position, const QString &answer, bool right)
{
    ItemList[position]->UserAnswer = answer;
    ItemList[position]->UserScore = right ? ItemList[position]->ItemScore : 0;
    ItemList[position]->ColorMark = answer.isEmpty() ? 3 : 4;
}

} // namespace

class TestExam : public QObject
{
    Q_OBJECT

private slots:
    // Most windows here are made without the pictures; their warnings would bury the output.
    void initTestCase() { QLoggingCategory::setFilterRules(QStringLiteral("acctprep.pictures.warning=false")); }
    void cleanup()
    {
        ItemList.clear();
        Modal::clearHandler();
        Clock::reset();
    }

    void windowHasItsControls_data();
    void windowHasItsControls();
    void cardColoursSetAtCreation_data();
    void cardColoursSetAtCreation();
    void initItemListLoadsTypesInOrder_data();
    void initItemListLoadsTypesInOrder();
    void analysisCaptionByCourse();
    void cardCellsFollowTheList();
    void subQuestionsShareTheirCaseNumber();
    void recolouringAndCategories_data();
    void recolouringAndCategories();
    void openingACategoryByHandClosesTheOthers();
    void navigation_data();
    void navigation();
    void cardClickJumpsAfterMovingTheFocus();
    void flagOnAndOff_data();
    void flagOnAndOff();
    void introScreensInOrder();
    void leavingFromTheThirdScreenCancels();
    void reviewModesOpenOnTheExamScreen_data();
    void reviewModesOpenOnTheExamScreen();
    void missingPicturesLeaveVisibleButtons_data();
    void missingPicturesLeaveVisibleButtons();
    void showItemShowsQuestion_data();
    void showItemShowsQuestion();
    void storedTicksShownWithoutAnswering();
    void questionPicture_data();
    void questionPicture();
    void choiceAnswers_data();
    void choiceAnswers();
    void fontControls();
    void answerPanelToggleAndHiddenAtEachStart();
    void layoutDividesTheQuestionArea_data();
    void layoutDividesTheQuestionArea();
    void keyboard_data();
    void keyboard();
    void keysTypedIntoAnEditStayThere();
    void noContextMenus();
    void emptyListShowsNothing();
    void entryAndAmountAnswers_data();
    void entryAndAmountAnswers();
    void keysInTheAnswerPanelsStayThere();
    void accountPickerOverTheExam();
};

void TestExam::windowHasItsControls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("caption");
    const auto row = [](const char *name, const char *className, const QString &caption = QString()) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(className) << caption;
    };
    row("Label3", "QLabel", QStringLiteral("剩余时间："));
    row("lblLeftTime", "QLabel", QStringLiteral("01:00:00"));
    row("sbDaiCha", "ClickLabel", QStringLiteral("待查"));
    row("sbShowAnswer", "QToolButton", QStringLiteral("显示答案"));
    row("Label5", "QLabel", QStringLiteral("【正确答案】"));
    row("Label6", "QLabel", QStringLiteral("【答案解析】"));
    row("pnlItem101", "TCardCell", QStringLiteral("1"));
    row("pnlItem170", "TCardCell", QStringLiteral("70"));
    for (const char *name : {"PanelPic1", "PanelPic2", "PanelPic3", "PanelPic4", "Panel5", "Panel9", "PanelMain",
                             "PanelAnswer", "Panel11n", "CategoryPanelGroup"})
        row(name, "QWidget");
    for (const char *name : {"cpDanXuan", "cpDuoXuan", "cpPanDuan", "cpFenXi"})
        row(name, "TCategoryPanel");
    for (const char *name : {"ImagePic1", "ImagePic2", "ImagePic3", "ImagePic4", "LabelKM", "ImageTC", "imgTrip",
                             "ImageTR", "ImageRT", "ImageRB", "lblKeCheng", "lblDiJiTi", "imgItem", "lblAnswer",
                             "Image1", "Image2"})
        row(name, "QLabel");
    for (const char *name : {"Label9", "Label10", "Label11", "Label12", "Label13", "Label14", "Label15", "Label16",
                             "Label17", "Label18", "Label19", "sbEndEx"})
        row(name, "ClickLabel");
    for (const char *name : {"meoItem", "meoExItem", "meoDesc"})
        row(name, "QPlainTextEdit");
    for (const char *name : {"cbA", "cbB", "cbC", "cbD", "cbE", "cbF"})
        row(name, "QCheckBox");
    row("GroupBox", "QGroupBox");
    row("ScrollBox", "QScrollArea");
    row("ScrollBoxImage", "QScrollArea");
}

void TestExam::windowHasItsControls()
{
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QString, caption);
    TfrmKaoShi w(nullptr);
    QWidget *control = w.findChild<QWidget *>(name);
    QVERIFY2(control, qPrintable(name));
    QVERIFY(control->inherits(qPrintable(className)));
    if (!caption.isEmpty())
        QCOMPARE(control->property("text").toString(), caption);
    QVERIFY(w.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(w.Timer1->interval(), 1000);
    QCOMPARE(w.Timer2->interval(), 2000);
    QVERIFY(!w.Timer1->isActive());
    QVERIFY(!w.Timer2->isActive());
    QCOMPARE(w.ScrollBox->widget(), w.Panel11n);
}

void TestExam::cardColoursSetAtCreation_data()
{
    QTest::addColumn<bool>("startUp");
    QTest::newRow("window made") << false;
    QTest::newRow("program started") << true;
}

void TestExam::cardColoursSetAtCreation()
{
    QFETCH(bool, startUp);
    TestApp app;
    for (QColor *colour : {&DangQianColor, &DaiChaColor, &WeiZuoColor, &YiZuoColor})
        *colour = QColor(0, 0, 0);
    if (startUp) {
        QCOMPARE(RunAcctPrep(*qobject_cast<QApplication *>(QCoreApplication::instance()), app.dir(), false), 0);
    } else {
        TfrmKaoShi w(app.dm());
    }
    QCOMPARE(DangQianColor, QColor(131, 208, 102));
    QCOMPARE(DaiChaColor, QColor(253, 146, 66));
    QCOMPARE(WeiZuoColor, QColor(237, 248, 242));
    QCOMPARE(YiZuoColor, QColor(130, 192, 213));
}

void TestExam::initItemListLoadsTypesInOrder_data()
{
    QTest::addColumn<QString>("paper");
    QTest::addColumn<QList<int>>("counts");
    QTest::addColumn<QString>("types");
    QTest::newRow("whole paper") << "0191" << QList<int>{20, 20, 20, 1}
                                 << QString(20, u'1') + QString(20, u'2') + QString(20, u'3') + "5555";
    QTest::newRow("fewer of each") << "0191" << QList<int>{2, 1, 3, 0} << "112333";
    QTest::newRow("more than the paper has") << "0291" << QList<int>{5, 5, 5, 5} << "11444";
    QTest::newRow("nothing asked") << "0291" << QList<int>{0, 0, 0, 0} << "";
}

void TestExam::initItemListLoadsTypesInOrder()
{
    QFETCH(QString, paper);
    QFETCH(QList<int>, counts);
    QFETCH(QString, types);
    Exam e;
    e.window.Item_Index = 7;
    e.load(paper, counts.at(0), counts.at(1), counts.at(2), counts.at(3));
    QString loaded;
    for (int i = 0; i < ItemList.count(); ++i) {
        loaded += ItemList[i]->ItemType;
        QCOMPARE(ItemList[i]->ColorMark, 3);
        if (i > 0 && ItemList[i]->ItemType == ItemList[i - 1]->ItemType && ItemList[i]->kind45Index == 1)
            QVERIFY(ItemList[i]->ItemID > ItemList[i - 1]->ItemID);
    }
    QCOMPARE(loaded, types);
    QCOMPARE(e.window.Item_Index, 0);
    QCOMPARE(e.window.lblKeCheng->text(), Exam::courseOf(paper));
    if (!types.isEmpty())
        QCOMPARE(e.window.meoItem->toPlainText(), ItemList[0]->ItemDetail);
}

void TestExam::analysisCaptionByCourse()
{
    Exam e;
    QCOMPARE(e.window.cpFenXi->caption(), QStringLiteral("分析题"));
    e.load(QStringLiteral("0291"), 1, 0, 0, 0);
    QCOMPARE(e.window.cpFenXi->caption(), QStringLiteral("计算分析题"));
    // A course of another name keeps the caption of the paper before.
    e.load(QStringLiteral("0391"), 1, 0, 0, 0);
    QCOMPARE(e.window.cpFenXi->caption(), QStringLiteral("计算分析题"));
    e.window.KeChengID = QStringLiteral("01");
    e.window.KeChengName = QStringLiteral("财经法规与会计职业道德");
    QVERIFY(e.window.InitSJItemList());
    QCOMPARE(e.window.cpFenXi->caption(), QStringLiteral("案例分析题"));
    // The caption follows the whole name, not its beginning.
    e.load(QStringLiteral("0291"), 1, 0, 0, 0, QStringLiteral("会计基础（新）"));
    QCOMPARE(e.window.cpFenXi->caption(), QStringLiteral("案例分析题"));
}

void TestExam::cardCellsFollowTheList()
{
    Exam e;
    e.loadFull();
    QCOMPARE(ItemList.count(), 64);
    for (int p = 0; p < 70; ++p)
        QCOMPARE(e.cell(p)->isHidden(), p >= 64);

    // A shorter list hides the cells past its end ...
    e.load(QStringLiteral("0191"), 5, 0, 0, 0);
    for (int p = 0; p < 70; ++p)
        QCOMPARE(e.cell(p)->isHidden(), p >= 5);
    // ... and a longer one shows every cell up to its length again.
    e.load(QStringLiteral("0191"), 20, 20, 8, 0);
    for (int p = 0; p < 70; ++p)
        QCOMPARE(e.cell(p)->isHidden(), p >= 48);
    QCOMPARE(e.cell(63)->text(), QStringLiteral("64"));
}

void TestExam::subQuestionsShareTheirCaseNumber()
{
    Exam e;
    e.loadFull();
    QCOMPARE(e.window.lblDiJiTi->text(), QStringLiteral("共61题，当前第1题"));
    for (int p = 60; p < 64; ++p) {
        e.show(QStringLiteral("First"), p);
        QCOMPARE(e.window.lblDiJiTi->text(), QStringLiteral("共61题，当前第61题"));
        QCOMPARE(ItemList[p]->kind45Index, p - 59);
        QVERIFY(!e.window.meoExItem->isHidden());
        QCOMPARE(e.window.meoExItem->toPlainText(), QStringLiteral("小题%1").arg(p - 59));
        QCOMPARE(e.window.meoItem->toPlainText(), QStringLiteral("案例材料"));
    }
    e.show(QStringLiteral("First"), 59);
    QCOMPARE(e.window.lblDiJiTi->text(), QStringLiteral("共61题，当前第60题"));
    QVERIFY(e.window.meoExItem->isHidden());
}

void TestExam::recolouringAndCategories_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("open");
    QTest::newRow("single choice") << 0 << "1";
    QTest::newRow("last single choice") << 19 << "1";
    QTest::newRow("multiple choice") << 20 << "2";
    QTest::newRow("true/false") << 59 << "3";
    QTest::newRow("case") << 62 << "4";
}

void TestExam::recolouringAndCategories()
{
    QFETCH(int, position);
    QFETCH(QString, open);
    Exam e;
    e.loadFull();
    setAnswer(1, QStringLiteral("B"), true);
    ItemList[2]->ColorMark = 2;
    ItemList[3]->ColorMark = 7; // no state: the cell keeps its colour
    e.show(QStringLiteral("First"), position);
    QCOMPARE(e.openCategories(), open);
    QCOMPARE(e.colour(position), DangQianColor);
    if (position != 1)
        QCOMPARE(e.colour(1), YiZuoColor);
    if (position != 2)
        QCOMPARE(e.colour(2), DaiChaColor);
    if (position != 4)
        QCOMPARE(e.colour(4), WeiZuoColor);

    // Each kind paints the given cell; no kind leaves the state's colour.
    const std::pair<QString, QColor> kinds[] = {{QStringLiteral("2"), DaiChaColor}, {QStringLiteral("3"), WeiZuoColor},
                                                {QStringLiteral("4"), YiZuoColor}, {QStringLiteral("1"), DangQianColor}};
    for (const auto &[kind, colour] : kinds) {
        e.window.SetButtonColor(5, kind);
        QCOMPARE(e.colour(5), colour);
    }
    e.window.SetButtonColor(5, QString());
    QCOMPARE(e.colour(5), WeiZuoColor);
    QCOMPARE(e.openCategories(), QStringLiteral("1"));
    // Without a position the categories stay as they are.
    e.window.cpPanDuan->expand();
    e.window.SetButtonColor(-1, QString());
    QCOMPARE(e.openCategories(), QStringLiteral("3"));
}

void TestExam::openingACategoryByHandClosesTheOthers()
{
    Exam e;
    e.loadFull();
    e.show(QStringLiteral("First"), 45);
    QCOMPARE(e.openCategories(), QStringLiteral("3"));
    e.window.cpDanXuan->header()->click();
    QCOMPARE(e.openCategories(), QStringLiteral("1"));
    // Clicking the open one closes it; none is open then.
    e.window.cpDanXuan->header()->click();
    QCOMPARE(e.openCategories(), QString());
    e.window.Label15Click();
    QCOMPARE(e.openCategories(), QStringLiteral("3"));
}

void TestExam::navigation_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("moves"); // f first, p previous, n next, l last
    QTest::addColumn<QList<int>>("visited");
    // Of the 64 records: 1 right, 2 wrong, 4 wrong, 5 right, 62 wrong; the rest unanswered.
    QTest::newRow("First: neighbours") << "First" << 0 << "nnp" << QList<int>{1, 2, 1};
    QTest::newRow("First: first and last") << "First" << 30 << "lf" << QList<int>{63, 0};
    QTest::newRow("First: past either end") << "First" << 63 << "nfp" << QList<int>{63, 0, 0};
    QTest::newRow("new: neighbours") << "new" << 5 << "np" << QList<int>{6, 5};
    QTest::newRow("view: last then next") << "view" << 5 << "ln" << QList<int>{63, 63};
    QTest::newRow("error: wrong ones") << "error" << 0 << "nnnpp" << QList<int>{2, 4, 62, 4, 2};
    QTest::newRow("error: first and last") << "error" << 40 << "fl" << QList<int>{2, 62};
    QTest::newRow("error: stays at the last wrong") << "error" << 62 << "n" << QList<int>{62};
    QTest::newRow("right: right ones") << "right" << 0 << "nnnp" << QList<int>{1, 5, 5, 1};
    QTest::newRow("right: last") << "right" << 0 << "l" << QList<int>{5};
    QTest::newRow("notfinish: unanswered") << "notfinish" << 0 << "nnnp" << QList<int>{3, 6, 7, 6};
    QTest::newRow("notfinish: previous from the first") << "notfinish" << 0 << "p" << QList<int>{0};
    QTest::newRow("notfinish: next from the last unanswered") << "notfinish" << 63 << "n" << QList<int>{63};
    QTest::newRow("notfinish: last") << "notfinish" << 0 << "l" << QList<int>{63};
    QTest::newRow("unknown mode stays") << "xyz" << 7 << "npfl" << QList<int>{7, 7, -1, 64};
}

void TestExam::navigation()
{
    QFETCH(QString, mode);
    QFETCH(int, start);
    QFETCH(QString, moves);
    QFETCH(QList<int>, visited);
    Exam e;
    e.loadFull();
    setAnswer(1, QStringLiteral("B"), true);
    setAnswer(2, QStringLiteral("A"), false);
    setAnswer(4, QStringLiteral("B"), false);
    setAnswer(5, QStringLiteral("B"), true);
    setAnswer(62, QStringLiteral("A"), false);
    e.show(mode, start);
    for (int i = 0; i < moves.size(); ++i) {
        switch (moves.at(i).unicode()) {
        case 'f': e.window.Label13Click(); break;
        case 'p': e.window.Label14Click(); break;
        case 'n': e.window.Label15Click(); break;
        default: e.window.Label16Click(); break;
        }
        QCOMPARE(e.window.Item_Index, visited.at(i));
    }
}

void TestExam::cardClickJumpsAfterMovingTheFocus()
{
    Exam e;
    e.loadFull();
    e.window.LXMode = QStringLiteral("error"); // nothing is wrong, yet the card goes anywhere
    Modal::setHandler([&](QDialog *) {
        QVERIFY(QTest::qWaitForWindowActive(&e.window));
        auto *edit = new QLineEdit(e.window.Panel11n);
        edit->show();
        edit->setFocus();
        QVERIFY(edit->hasFocus());
        TCardCell *target = e.cell(44);
        e.window.cpPanDuan->expand();
        QTest::mouseClick(target, Qt::LeftButton);
        QCOMPARE(e.window.Item_Index, 44);
        QCOMPARE(QApplication::focusWidget(), e.window.Panel9);
        QCOMPARE(e.window.lblDiJiTi->text(), QStringLiteral("共61题，当前第45题"));
        QCOMPARE(e.colour(44), DangQianColor);
        delete edit;
    });
    Modal::show(&e.window);
}

void TestExam::flagOnAndOff_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("stateAfter");
    QTest::newRow("answered") << "A" << 4;
    QTest::newRow("unanswered") << "" << 3;
}

void TestExam::flagOnAndOff()
{
    QFETCH(QString, answer);
    QFETCH(int, stateAfter);
    Exam e;
    e.loadFull();
    e.show(QStringLiteral("First"), 3);
    e.click(answer);
    QCOMPARE(ItemList[3]->UserAnswer, answer);

    e.window.sbDaiCha->clicked();
    QCOMPARE(ItemList[3]->ColorMark, 2);
    QVERIFY(ItemList[3]->ItemMark);
    QCOMPARE(e.window.sbDaiCha->text(), QStringLiteral("取消待查"));
    QCOMPARE(e.colour(3), DaiChaColor);

    // Away and back: the caption comes from the flag.
    e.window.Label15Click();
    QCOMPARE(e.window.sbDaiCha->text(), QStringLiteral("待查"));
    QCOMPARE(e.colour(3), DaiChaColor);
    e.window.Label14Click();
    QCOMPARE(e.window.sbDaiCha->text(), QStringLiteral("取消待查"));

    e.window.sbDaiChaClick();
    QCOMPARE(ItemList[3]->ColorMark, stateAfter);
    QVERIFY(!ItemList[3]->ItemMark);
    QCOMPARE(e.window.sbDaiCha->text(), QStringLiteral("待查"));
    QCOMPARE(e.colour(3), DangQianColor);
    e.window.Label15Click();
    QCOMPARE(e.colour(3), stateAfter == 4 ? YiZuoColor : WeiZuoColor);

    // Outside the list the flag does nothing.
    e.window.Item_Index = -1;
    e.window.sbDaiChaClick();
    QCOMPARE(e.window.sbDaiCha->text(), QStringLiteral("待查"));
}

void TestExam::introScreensInOrder()
{
    Exam e;
    e.loadFull();
    e.window.Timer1->start();
    QStringList seen;
    const auto front = [&] { return e.window.currentScreen()->objectName(); };
    Modal::setHandler([&](QDialog *) {
        seen << front();
        QVERIFY(e.window.Timer2->isActive());
        QVERIFY(e.window.PanelPic1->isVisible());
        QVERIFY(!e.window.Panel5->isVisible());
        e.window.Timer2Timer();
        QVERIFY(!e.window.Timer2->isActive());
        seen << front();
        QTest::mouseClick(e.window.Label9, Qt::LeftButton);
        seen << front();
        QCOMPARE(e.window.LabelKM->text(), QStringLiteral("财经法规与会计职业道德"));
        QTest::mouseClick(e.window.Label10, Qt::LeftButton);
        seen << front();
        QTest::mouseClick(e.window.Label12, Qt::LeftButton);
        seen << front();
        QVERIFY(e.window.Panel5->isVisible());
        QVERIFY(!e.window.PanelPic4->isVisible());
        // The countdown runs through the introductory screens.
        QVERIFY(e.window.Timer1->isActive());
    });
    Modal::show(&e.window);
    QCOMPARE(seen, (QStringList{"PanelPic1", "PanelPic2", "PanelPic3", "PanelPic4", "Panel5"}));
}

void TestExam::leavingFromTheThirdScreenCancels()
{
    Exam e;
    e.loadFull();
    e.window.Timer1->start();
    Modal::setHandler([&](QDialog *) {
        e.window.Timer2Timer();
        e.window.Label9Click();
        QTest::mouseClick(e.window.Label11, Qt::LeftButton);
    });
    QCOMPARE(Modal::show(&e.window), 2);
    QVERIFY(!e.window.isVisible());
    QVERIFY(!e.window.Timer1->isActive());
    QVERIFY(!e.window.Timer2->isActive());
}

void TestExam::reviewModesOpenOnTheExamScreen_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<bool>("tip");
    QTest::newRow("view") << "view" << true;
    QTest::newRow("error") << "error" << true;
    QTest::newRow("notfinish") << "notfinish" << true;
    QTest::newRow("new") << "new" << true;
    QTest::newRow("right") << "right" << false;
}

void TestExam::reviewModesOpenOnTheExamScreen()
{
    QFETCH(QString, mode);
    QFETCH(bool, tip);
    Exam e;
    for (const char *name : {"r_1.bmp", "r_2_2.bmp", "r_3_2.bmp", "r_4.bmp"})
        writePicture(e.app.dir() + QStringLiteral("/image/") + QString::fromLatin1(name), QSize(180, 36));
    e.loadFull();
    // A tip of an earlier showing never lingers.
    e.window.LXMode = QStringLiteral("view");
    Modal::setHandler([](QDialog *) {});
    Modal::show(&e.window);
    e.window.LXMode = mode;
    QString screen;
    bool tipShown = false;
    bool introTimer = true;
    Modal::setHandler([&](QDialog *) {
        screen = e.window.currentScreen()->objectName();
        tipShown = !e.window.imgTrip->pixmap().isNull();
        introTimer = e.window.Timer2->isActive();
    });
    Modal::show(&e.window);
    QCOMPARE(screen, QStringLiteral("Panel5"));
    QCOMPARE(tipShown, tip);
    QVERIFY(!introTimer);
}

void TestExam::missingPicturesLeaveVisibleButtons_data()
{
    QTest::addColumn<QString>("hotspot");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("caption");
    QTest::newRow("next") << "Label9" << "2-2.jpg" << QSize(1000, 650) << "下一步";
    QTest::newRow("start") << "Label10" << "2-3.jpg" << QSize(1000, 650) << "开始答题";
    QTest::newRow("leave") << "Label11" << "2-3.jpg" << QSize(1000, 650) << "退出考场";
    QTest::newRow("enter") << "Label12" << "2-4.jpg" << QSize(1000, 650) << "进入考试";
    QTest::newRow("hand in") << "sbEndEx" << "2-6.jpg" << QSize(420, 64) << "交卷";
    QTest::newRow("first") << "Label13" << "2-9.jpg" << QSize(440, 40) << "第一题";
    QTest::newRow("last") << "Label16" << "2-9.jpg" << QSize(440, 40) << "最后一题";
    QTest::newRow("larger") << "Label19" << "2-10.jpg" << QSize(236, 40) << "放大";
}

void TestExam::missingPicturesLeaveVisibleButtons()
{
    QFETCH(QString, hotspot);
    QFETCH(QString, picture);
    QFETCH(QSize, size);
    QFETCH(QString, caption);
    TestApp app;
    {
        // No picture at all: each hotspot shows its caption as a button.
        TfrmKaoShi w(app.dm());
        auto *spot = w.findChild<ClickLabel *>(hotspot);
        QCOMPARE(spot->text(), caption);
        QVERIFY(spot->property("standIn").toBool());
    }
    writePicture(app.dir() + QStringLiteral("/image/") + picture, size);
    TfrmKaoShi w(app.dm());
    auto *spot = w.findChild<ClickLabel *>(hotspot);
    QVERIFY(spot->text().isEmpty());
    QVERIFY(!spot->property("standIn").toBool());
    QCOMPARE(spot->accessibleName(), caption);
}

void TestExam::showItemShowsQuestion_data()
{
    QTest::addColumn<QString>("paper");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("boxes");
    QTest::addColumn<QString>("captionA");
    QTest::addColumn<bool>("subQuestions");
    QTest::addColumn<QString>("answer");
    QTest::newRow("single choice") << "0191" << 0 << "ABCD" << "A、选项0191-001A" << false << "A";
    QTest::newRow("multiple choice") << "0191" << 25 << "ABCD" << "A、选项0191-026A" << false << "AB";
    QTest::newRow("true/false") << "0191" << 40 << "AB" << "A、正确" << false << "A";
    QTest::newRow("case sub-question") << "0191" << 61 << "ABCD" << "A、甲" << false << "B";
    QTest::newRow("options '-' and blank hidden") << "0291" << 1 << "AD" << "A、甲" << false << "D";
    // A sub-question's own key, not the question's "见解析".
    QTest::newRow("calculation, amount") << "0291" << 3 << "" << "" << true << "5000";
    QTest::newRow("calculation, entry") << "0291" << 2 << "" << "" << true << "借：库存现金 1000\n贷：银行存款 1000";
}

void TestExam::showItemShowsQuestion()
{
    QFETCH(QString, paper);
    QFETCH(int, position);
    QFETCH(QString, boxes);
    QFETCH(QString, captionA);
    QFETCH(bool, subQuestions);
    QFETCH(QString, answer);
    Exam e;
    e.load(paper, 20, 20, 20, 1);
    // What the question before left must not show through.
    e.show(QStringLiteral("First"), 0);
    e.click(QStringLiteral("A"));
    e.show(QStringLiteral("First"), position);
    const TItem &item = *ItemList[position];
    QCOMPARE(e.window.Item_Type, item.ItemType);
    QCOMPARE(e.window.meoItem->toPlainText(), item.ItemDetail);
    QCOMPARE(e.visibleBoxes(), boxes);
    QCOMPARE(e.tickedBoxes(), position == 0 ? QStringLiteral("A") : QString());
    if (!captionA.isEmpty())
        QCOMPARE(e.window.cbA->text(), captionA);
    QCOMPARE(e.window.GroupBox->isHidden(), subQuestions);
    QCOMPARE(e.window.ScrollBox->isHidden(), !subQuestions);
    QCOMPARE(e.window.meoExItem->isHidden(), item.ItemType != QLatin1String("5"));
    QCOMPARE(e.window.lblAnswer->text(), answer);
    QCOMPARE(e.window.meoDesc->toPlainText(), item.ItemDesc);

    // A position outside the list leaves the display as it is.
    const QString numbering = e.window.lblDiJiTi->text();
    e.show(QStringLiteral("First"), ItemList.count());
    QCOMPARE(e.window.lblDiJiTi->text(), numbering);
    QCOMPARE(e.window.meoItem->toPlainText(), item.ItemDetail);
}

void TestExam::storedTicksShownWithoutAnswering()
{
    Exam e;
    e.loadFull();
    // Two letters on a single choice can come only from stored data; both show.
    ItemList[4]->UserAnswer = QStringLiteral("AC");
    ItemList[4]->ColorMark = 4;
    e.show(QStringLiteral("First"), 4);
    QCOMPARE(e.tickedBoxes(), QStringLiteral("AC"));
    QCOMPARE(ItemList[4]->UserAnswer, QStringLiteral("AC"));
    QCOMPARE(ItemList[4]->ColorMark, 4);
}

void TestExam::questionPicture_data()
{
    QTest::addColumn<QString>("itemPic");
    QTest::addColumn<bool>("file");
    QTest::addColumn<bool>("pictureShown");
    QTest::newRow("picture present") << "q1.png" << true << true;
    QTest::newRow("name with blanks around it") << " q1.png  " << true << true;
    QTest::newRow("file missing") << "q1.png" << false << false;
    QTest::newRow("blanks only") << "   " << true << false;
}

void TestExam::questionPicture()
{
    QFETCH(QString, itemPic);
    QFETCH(bool, file);
    QFETCH(bool, pictureShown);
    Exam e;
    if (file)
        writePicture(e.app.dir() + QStringLiteral("/Data/q1.png"), QSize(120, 80));
    e.load(QStringLiteral("0291"), 2, 0, 0, 1);
    ItemList[0]->ItemPic = itemPic;
    e.window.show();
    e.show(QStringLiteral("First"), 0);
    QCOMPARE(!e.window.ScrollBoxImage->isHidden(), pictureShown);
    QCOMPARE(e.window.meoItem->isHidden(), pictureShown);
    if (pictureShown) {
        QCOMPARE(e.window.imgItem->pixmap().size(), QSize(120, 80));
        QCOMPARE(e.window.ScrollBoxImage->geometry(), e.window.meoItem->geometry());
    }
    QCOMPARE(e.visibleBoxes(), QStringLiteral("ABCD"));
    e.window.Label15Click();
    QVERIFY(e.window.ScrollBoxImage->isHidden());
    QVERIFY(!e.window.meoItem->isHidden());
}

void TestExam::choiceAnswers_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("score");
    // 0191-002: single, answer B; 0191-021: multiple, AB; 0191-041: true/false, A; sub-question 2: B.
    QTest::newRow("single: A then B leaves B") << 1 << "AB" << "B" << 100;
    QTest::newRow("single: B again leaves none") << 1 << "BB" << "" << 0;
    QTest::newRow("multiple: B then A gives AB") << 20 << "BA" << "AB" << 200;
    QTest::newRow("multiple: one too many") << 20 << "ABC" << "ABC" << 0;
    QTest::newRow("true/false: B then A") << 40 << "BA" << "A" << 100;
    QTest::newRow("case sub-question: several ticks") << 61 << "AB" << "AB" << 0;
}

void TestExam::choiceAnswers()
{
    QFETCH(int, position);
    QFETCH(QString, clicks);
    QFETCH(QString, answer);
    QFETCH(int, score);
    Exam e;
    e.loadFull();
    e.show(QStringLiteral("First"), position);
    e.click(clicks);
    QCOMPARE(ItemList[position]->UserAnswer, answer);
    QCOMPARE(ItemList[position]->UserScore, score);
    QCOMPARE(e.tickedBoxes(), answer);
    QCOMPARE(ItemList[position]->ColorMark, answer.isEmpty() ? 3 : 4);
    // The current cell shows the state until the next display.
    QCOMPARE(e.colour(position), answer.isEmpty() ? WeiZuoColor : YiZuoColor);
}

void TestExam::fontControls()
{
    Exam e;
    e.loadFull();
    const auto sizes = [&] {
        QList<int> points;
        for (QWidget *w : QList<QWidget *>{e.window.meoItem, e.window.cbA, e.window.cbF, e.window.lblAnswer,
                                           e.window.meoDesc})
            points << w->font().pointSize();
        return points;
    };
    const int subQuestion = e.window.meoExItem->font().pointSize();
    e.window.SetFontSize(10);
    e.window.FontSizeOra = e.window.FontSizeCur = 10;
    e.window.Label17Click();
    QCOMPARE(e.window.FontSizeCur, 9);
    QCOMPARE(sizes(), QList<int>(5, 9));
    e.window.Label17Click();
    QCOMPARE(e.window.FontSizeCur, 9);
    for (int i = 0; i < 9; ++i)
        QTest::mouseClick(e.window.Label19, Qt::LeftButton);
    QCOMPARE(e.window.FontSizeCur, 16);
    QCOMPARE(sizes(), QList<int>(5, 16));
    QCOMPARE(e.window.meoExItem->font().pointSize(), subQuestion);
    e.window.Label18Click();
    QCOMPARE(e.window.FontSizeCur, 10);
    QCOMPARE(sizes(), QList<int>(5, 10));
}

void TestExam::answerPanelToggleAndHiddenAtEachStart()
{
    Exam e;
    e.loadFull();
    e.window.show();
    QVERIFY(e.window.PanelAnswer->isHidden());
    const QRect question = e.window.meoItem->geometry();
    const QRect options = e.window.GroupBox->geometry();
    e.window.sbShowAnswer->click();
    QVERIFY(!e.window.PanelAnswer->isHidden());
    QCOMPARE(e.window.sbShowAnswer->text(), QStringLiteral("隐藏答案"));
    // Its room is kept all along: opening it moves nothing.
    QCOMPARE(e.window.meoItem->geometry(), question);
    QCOMPARE(e.window.GroupBox->geometry(), options);
    QCOMPARE(e.window.PanelAnswer->geometry().bottom(), e.window.PanelMain->height() - 1);

    // The next attempt starts with it hidden: the key of an exam is not shown before it is
    // answered.
    e.loadFull();
    e.window.startCountdown();
    QVERIFY(e.window.PanelAnswer->isHidden());
    QCOMPARE(e.window.sbShowAnswer->text(), QStringLiteral("显示答案"));
}

void TestExam::layoutDividesTheQuestionArea_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QSize>("size");
    QTest::newRow("choice, 1366 x 768") << 0 << QSize(1366, 768);
    QTest::newRow("case, 1366 x 768") << 61 << QSize(1366, 768);
    QTest::newRow("case, 1920 x 1080") << 61 << QSize(1920, 1080);
}

void TestExam::layoutDividesTheQuestionArea()
{
    QFETCH(int, position);
    QFETCH(QSize, size);
    Exam e;
    e.loadFull();
    e.window.resize(size);
    e.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&e.window));
    e.show(QStringLiteral("First"), position);
    QWidget *main = e.window.PanelMain;
    const int h = main->height() - e.window.PanelAnswer->height();
    const int left = e.window.GroupBox->x();
    const int w = main->width() - 2 * left;
    for (QWidget *area : QList<QWidget *>{e.window.GroupBox, e.window.ScrollBox})
        QCOMPARE(area->geometry(), QRect(left, h * 4 / 9, w, h * 5 / 9 - 10));
    QCOMPARE(e.window.meoItem->width(), w);
    if (position == 61) {
        QCOMPARE(e.window.meoItem->height(), h * 4 / 15 - 10);
        QCOMPARE(e.window.meoExItem->y(), e.window.meoItem->geometry().bottom() + 1 + 5);
        QCOMPARE(e.window.meoExItem->height(), h / 10);
        QCOMPARE(e.window.meoExItem->width(), w);
    } else {
        QCOMPARE(e.window.meoItem->height(), h * 17 / 45);
    }
    QCOMPARE(e.window.meoDesc->width(), e.window.PanelAnswer->width() - e.window.meoDesc->x() - 10);
    QCOMPARE(e.window.ScrollBoxImage->geometry(), e.window.meoItem->geometry());
    // The introductory screens are centred.
    QCOMPARE(e.window.PanelPic2->pos(), QPoint((size.width() - 1000) / 2, (size.height() - 650) / 2));
    QCOMPARE(e.window.ImagePic1->mapTo(&e.window, QPoint(0, 0)),
             QPoint((size.width() - 1000) / 2, (size.height() - 650) / 2));
}

void TestExam::keyboard_data()
{
    QTest::addColumn<int>("screen"); // 1 ... 4 an introductory screen, 5 the exam screen
    QTest::addColumn<QString>("target");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("front");
    // Starts on record 1 (0191-002, single choice).
    const QString exam = QStringLiteral("Panel5");
    QTest::newRow("Right on the question") << 5 << "meoItem" << QList<int>{Qt::Key_Right} << 2 << "" << exam;
    QTest::newRow("PageDown on an option") << 5 << "cbA" << QList<int>{Qt::Key_PageDown} << 2 << "" << exam;
    QTest::newRow("Left on the window") << 5 << "frmKaoShi" << QList<int>{Qt::Key_Left} << 0 << "" << exam;
    QTest::newRow("PageUp on the explanation") << 5 << "meoDesc" << QList<int>{Qt::Key_PageUp} << 0 << "" << exam;
    QTest::newRow("End, then Home") << 5 << "Panel9" << QList<int>{Qt::Key_End, Qt::Key_Home} << 0 << "" << exam;
    QTest::newRow("End") << 5 << "Panel9" << QList<int>{Qt::Key_End} << 63 << "" << exam;
    QTest::newRow("A then C") << 5 << "meoItem" << QList<int>{Qt::Key_A, Qt::Key_C} << 1 << "C" << exam;
    QTest::newRow("E is no option here") << 5 << "Panel9" << QList<int>{Qt::Key_E} << 1 << "" << exam;
    QTest::newRow("Esc does not leave") << 5 << "meoItem" << QList<int>{Qt::Key_Escape} << 1 << "" << exam;
    QTest::newRow("intro: arrows reach no question") << 2 << "frmKaoShi"
                                                     << QList<int>{Qt::Key_Right, Qt::Key_End, Qt::Key_B} << 1 << ""
                                                     << "PanelPic2";
    QTest::newRow("intro: Enter goes on") << 2 << "frmKaoShi" << QList<int>{Qt::Key_Return, Qt::Key_Enter} << 1 << ""
                                          << "PanelPic4";
    QTest::newRow("intro: Esc does not leave") << 3 << "frmKaoShi" << QList<int>{Qt::Key_Escape} << 1 << ""
                                               << "PanelPic3";
    QTest::newRow("intro: into the exam") << 4 << "frmKaoShi" << QList<int>{Qt::Key_Return, Qt::Key_Right} << 2 << ""
                                          << exam;
}

void TestExam::keyboard()
{
    QFETCH(int, screen);
    QFETCH(QString, target);
    QFETCH(QList<int>, keys);
    QFETCH(int, position);
    QFETCH(QString, answer);
    QFETCH(QString, front);
    Exam e;
    e.loadFull();
    e.window.Item_Index = 1;
    e.window.ShowItem();
    e.window.show();
    QWidget *screens[] = {e.window.PanelPic1, e.window.PanelPic2, e.window.PanelPic3, e.window.PanelPic4,
                          e.window.Panel5};
    e.window.bringToFront(screens[screen - 1]);
    QWidget *receiver = target == e.window.objectName() ? &e.window : e.window.findChild<QWidget *>(target);
    QVERIFY(receiver);
    receiver->setFocus();
    for (int key : keys)
        QTest::keyClick(receiver, Qt::Key(key));
    QCOMPARE(e.window.Item_Index, position);
    QCOMPARE(ItemList[1]->UserAnswer, answer);
    QCOMPARE(e.window.currentScreen()->objectName(), front);
    QVERIFY(e.window.isVisible());
}

void TestExam::keysTypedIntoAnEditStayThere()
{
    Exam e;
    e.loadFull();
    e.window.show();
    QVERIFY(QTest::qWaitForWindowActive(&e.window));
    e.window.bringToFront(e.window.Panel5);
    e.window.Item_Index = 1;
    e.window.ShowItem();
    // An edit of the kind the journal-entry editor brings, added after the window was built.
    auto *edit = new QLineEdit(e.window.Panel5);
    edit->show();
    edit->installEventFilter(&e.window);
    edit->setFocus();
    QTest::keyClicks(edit, QStringLiteral("ab"));
    QTest::keyClick(edit, Qt::Key_Left);
    QTest::keyClick(edit, Qt::Key_Home);
    QCOMPARE(edit->text(), QStringLiteral("ab"));
    QCOMPARE(e.window.Item_Index, 1);
    QVERIFY(ItemList[1]->UserAnswer.isEmpty());

    // Shortcuts of their own: M flags, X opens the answer panel.
    e.window.Panel9->setFocus();
    QTest::keyClick(e.window.Panel9, Qt::Key_M);
    QCOMPARE(ItemList[1]->ColorMark, 2);
    QTest::keyClick(e.window.Panel9, Qt::Key_X);
    QVERIFY(!e.window.PanelAnswer->isHidden());
    QTest::keyClick(e.window.Panel9, Qt::Key_Equal, Qt::ControlModifier);
    QCOMPARE(e.window.FontSizeCur, 13);
    QTest::keyClick(e.window.Panel9, Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(e.window.FontSizeCur, 12);
    QVERIFY(e.window.sbDaiCha->toolTip().contains(QStringLiteral("（M）")));
    QVERIFY(e.window.sbShowAnswer->toolTip().contains(QStringLiteral("（X）")));
    QVERIFY(e.window.Label16->toolTip().contains(QStringLiteral("End")));
}

void TestExam::noContextMenus()
{
    Exam e;
    e.loadFull();
    e.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&e.window));
    e.window.sbShowAnswerClick();
    for (QWidget *target : QList<QWidget *>{e.window.meoDesc->viewport(), e.window.imgItem}) {
        bool menuShown = false;
        // Should a menu open, its event loop runs this and closes it again.
        QTimer::singleShot(0, [&] {
            if (QWidget *popup = QApplication::activePopupWidget()) {
                menuShown = true;
                popup->close();
            }
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), target->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(target, &event);
        QCoreApplication::processEvents();
        QVERIFY(!menuShown);
    }
}

void TestExam::emptyListShowsNothing()
{
    Exam e;
    e.loadFull();
    e.show(QStringLiteral("First"), 3);
    e.window.sbDaiChaClick();
    e.load(QStringLiteral("0291"), 0, 0, 0, 0);
    QVERIFY(ItemList.isEmpty());
    QVERIFY(e.window.meoItem->toPlainText().isEmpty());
    QCOMPARE(e.visibleBoxes(), QString());
    QVERIFY(e.window.lblAnswer->text().isEmpty());
    QCOMPARE(e.window.sbDaiCha->text(), QStringLiteral("待查"));
    for (int p = 0; p < 70; ++p)
        QVERIFY(e.cell(p)->isHidden());
    e.window.Label15Click();
    e.window.Label13Click();
    e.window.sbDaiChaClick();
    QVERIFY(e.window.meoItem->toPlainText().isEmpty());
}

// Paper 0291: positions 2, 3 and 4 are the calculation question's sub-questions 1 (entry),
// 2 (amount 5000) and 4 (entry); its sub-question 3 is "-". Each row of a table below is
// "借|account|amount" or "贷|account|amount" for an entry row, or the amount typed.
void TestExam::entryAndAmountAnswers_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<bool>("right");
    QTest::addColumn<QString>("key");
    const QString cashKey = QStringLiteral("借：库存现金 1000\n贷：银行存款 1000");
    QTest::newRow("entry matching the key")
        << 2 << QStringList{"借|库存现金|1000", "贷|银行存款|1000"} << true << cashKey;
    QTest::newRow("entry with one amount wrong")
        << 2 << QStringList{"借|库存现金|1000", "贷|银行存款|100"} << false << cashKey;
    QTest::newRow("three rows, the debit split in two")
        << 4 << QStringList{"贷|应付账款|200", "借|原材料|100", "借|原材料|100"} << false
        << QStringLiteral("借：原材料 200\n贷：应付账款 200");
    QTest::newRow("entry lines in another order")
        << 4 << QStringList{"贷|应付账款|200", "借|原材料|200"} << true << QStringLiteral("借：原材料 200\n贷：应付账款 200");
    QTest::newRow("amount right") << 3 << QStringList{"5000"} << true << QStringLiteral("5000");
    QTest::newRow("amount wrong") << 3 << QStringList{"4000"} << false << QStringLiteral("5000");
}

// Typed into the real exam window as a candidate does: the edits take the focus, the card and
// the navigation move it away, which stores the answer.
void TestExam::entryAndAmountAnswers()
{
    QFETCH(int, position);
    QFETCH(QStringList, typed);
    QFETCH(bool, right);
    QFETCH(QString, key);
    Exam e;
    e.load(QStringLiteral("0291"), 2, 0, 0, 1);
    QVERIFY(e.window.InitKeMuList());
    e.window.LXMode = QStringLiteral("new");
    TEntryPanels *panels = e.window.Panel11n;
    const int k = ItemList[position]->kind45Index;
    const bool entry = typed.first().contains(QLatin1Char('|'));
    QList<EntryRow> rows;
    Modal::setHandler([&](QDialog *) {
        QVERIFY(QTest::qWaitForWindowActive(&e.window));
        e.window.pnlItemAllClick(e.cell(position));
        QVERIFY(e.window.ScrollBox->isVisible());
        QVERIFY(!e.window.GroupBox->isVisible());
        QCOMPARE(e.window.lblAnswer->text(), key);
        if (entry) {
            const QString prefix = TEntryPanels::entryPrefix(k);
            for (int r = 1; r <= typed.size(); ++r) {
                const QStringList parts = typed.at(r - 1).split(QLatin1Char('|'));
                if (r > 2)
                    QTest::mouseClick(panels->control<QToolButton>(prefix, QStringLiteral("bbtnAdd%1").arg(r - 1)),
                                      Qt::LeftButton);
                const bool debit = parts.at(0) == QStringLiteral("借");
                auto *side = panels->control<QRadioButton>(prefix, (debit ? QStringLiteral("rbJ") : QStringLiteral("rbD"))
                                                                       + QString::number(r));
                QVERIFY(side && side->isVisible());
                QTest::mouseClick(side, Qt::LeftButton);
                // The side alone is an answer already: the card shows the sub-question answered.
                if (r == 1) {
                    QCOMPARE(ItemList[position]->ColorMark, 4);
                    QCOMPARE(e.colour(position), YiZuoColor);
                }
                for (const auto &[child, text] : {std::pair{QStringLiteral("edtKM"), parts.at(1)},
                                                  std::pair{QStringLiteral("edtJE"), parts.at(2)}}) {
                    auto *edit = panels->control<QLineEdit>(prefix, child + QString::number(r));
                    edit->setFocus();
                    QVERIFY(edit->hasFocus());
                    edit->setText(text);
                }
                rows.append({debit, !debit, parts.at(1), parts.at(2)});
            }
        } else {
            auto *amount = panels->control<QLineEdit>(TEntryPanels::amountPrefix(k), QStringLiteral("edtJE"));
            QVERIFY(amount->isVisible());
            amount->setFocus();
            QTest::keyClicks(amount, typed.first());
            // Typing alone stores nothing yet.
            QVERIFY(ItemList[position]->UserAnswer.isEmpty());
            QCOMPARE(e.colour(position), DangQianColor);
        }
        // Next question: the edit that has the focus stores first.
        e.window.Label16Click();
        QCOMPARE(e.window.Item_Index, 4);
        QCOMPARE(ItemList[position]->UserAnswer, entry ? storeEntryRows(rows) : typed.first());
        QCOMPARE(ItemList[position]->UserScore, right ? ItemList[position]->ItemScore : 0);
        QVERIFY(ItemList[position]->ItemScore > 0);
        QCOMPARE(ItemList[position]->ColorMark, 4);
        e.window.Label13Click();
        QCOMPARE(e.window.Item_Index, 0);
        QCOMPARE(e.colour(position), YiZuoColor);
        // The other sub-questions are still unanswered.
        for (int other : {2, 3, 4})
            if (other != position)
                QCOMPARE(e.colour(other), WeiZuoColor);

        // Back on the question: every answer restored in its place.
        e.window.pnlItemAllClick(e.cell(position));
        if (entry) {
            const QString prefix = TEntryPanels::entryPrefix(k);
            for (int r = 1; r <= rows.size(); ++r) {
                QCOMPARE(panels->control<QRadioButton>(prefix, QStringLiteral("rbJ%1").arg(r))->isChecked(), rows[r - 1].debit);
                QCOMPARE(panels->control<QRadioButton>(prefix, QStringLiteral("rbD%1").arg(r))->isChecked(), rows[r - 1].credit);
                QCOMPARE(panels->control<QLineEdit>(prefix, QStringLiteral("edtKM%1").arg(r))->text(), rows[r - 1].account);
                QCOMPARE(panels->control<QLineEdit>(prefix, QStringLiteral("edtJE%1").arg(r))->text(), rows[r - 1].amount);
                QVERIFY(panels->control<QLineEdit>(prefix, QStringLiteral("edtJE%1").arg(r))->isVisible());
            }
        } else {
            QCOMPARE(panels->control<QLineEdit>(TEntryPanels::amountPrefix(k), QStringLiteral("edtJE"))->text(),
                     typed.first());
        }
        // Shown from a sibling sub-question too, with the same answers.
        const int sibling = position == 2 ? 3 : 2;
        e.window.pnlItemAllClick(e.cell(sibling));
        QCOMPARE(panels->control<QLineEdit>(entry ? TEntryPanels::entryPrefix(k) : TEntryPanels::amountPrefix(k),
                                            entry ? QStringLiteral("edtJE1") : QStringLiteral("edtJE"))
                     ->text(),
                 entry ? rows.first().amount : typed.first());
        e.window.done(2);
    });
    Modal::show(&e.window);
}

void TestExam::keysInTheAnswerPanelsStayThere()
{
    Exam e;
    e.load(QStringLiteral("0291"), 2, 0, 0, 1);
    e.window.LXMode = QStringLiteral("new");
    Modal::setHandler([&](QDialog *) {
        QVERIFY(QTest::qWaitForWindowActive(&e.window));
        e.window.pnlItemAllClick(e.cell(3));
        auto *amount = e.window.Panel11n->control<QLineEdit>(QStringLiteral("p2lB_"), QStringLiteral("edtJE"));
        amount->setFocus();
        // Letters that answer options, flag or open the answer elsewhere, and the arrows.
        QTest::keyClicks(amount, QStringLiteral("5abxm0"));
        for (Qt::Key key : {Qt::Key_Left, Qt::Key_Home, Qt::Key_End, Qt::Key_Right, Qt::Key_PageDown, Qt::Key_Escape})
            QTest::keyClick(amount, key);
        QCOMPARE(amount->text(), QStringLiteral("5abxm0"));
        QCOMPARE(e.window.Item_Index, 3);
        QVERIFY(!ItemList[3]->ItemMark);
        QVERIFY(e.window.PanelAnswer->isHidden());
        QVERIFY(e.window.isVisible());
        // A radio button of an entry row keeps its arrows too.
        auto *debit = e.window.Panel11n->control<QRadioButton>(QStringLiteral("pnlA_"), QStringLiteral("rbJ1"));
        debit->setFocus();
        QTest::keyClick(debit, Qt::Key_Right);
        QCOMPARE(e.window.Item_Index, 3);
        e.window.done(2);
    });
    Modal::show(&e.window);
}

void TestExam::accountPickerOverTheExam()
{
    Exam e;
    e.load(QStringLiteral("0291"), 2, 0, 0, 1);
    QVERIFY(e.window.InitKeMuList());
    e.window.LXMode = QStringLiteral("new");
    Modal::setHandler([&](QDialog *) {
        QVERIFY(QTest::qWaitForWindowActive(&e.window));
        e.window.pnlItemAllClick(e.cell(2));
        TKeMuPicker *picker = e.window.pnlKeMu;
        QCOMPARE(picker->objectName(), QStringLiteral("pnlKeMu"));
        QCOMPARE(picker->parentWidget(), &e.window);
        QVERIFY(picker->tvKeMu->topLevelItemCount() > 0);
        QTest::mouseClick(e.window.Panel11n->control<QToolButton>(QStringLiteral("pnlA_"), QStringLiteral("bbtnKM1")),
                          Qt::LeftButton);
        QVERIFY(picker->isVisible());
        // Centred over the whole window and in front of the exam screen.
        QCOMPARE(picker->pos(), QPoint((e.window.width() - picker->width()) / 2,
                                       (e.window.height() - picker->height()) / 2));
        QWidget *onTop = e.window.childAt(picker->geometry().center());
        QVERIFY(onTop == picker || picker->isAncestorOf(onTop));
        // Typed into its filter, Enter takes the only account shown; Esc never leaves the exam.
        QTest::keyClicks(picker->edtKeMuFilter, QStringLiteral("1001"));
        QTest::keyClick(picker->edtKeMuFilter, Qt::Key_Return);
        QVERIFY(!picker->isVisible());
        auto *account = e.window.Panel11n->control<QLineEdit>(QStringLiteral("pnlA_"), QStringLiteral("edtKM1"));
        QCOMPARE(account->text(), QStringLiteral("库存现金"));
        QTest::mouseClick(e.window.Panel11n->control<QToolButton>(QStringLiteral("pnlA_"), QStringLiteral("bbtnKM2")),
                          Qt::LeftButton);
        QTest::keyClick(picker->edtKeMuFilter, Qt::Key_Escape);
        QVERIFY(!picker->isVisible());
        QVERIFY(e.window.isVisible());
        QCOMPARE(e.window.Item_Index, 2);
        e.window.done(2);
    });
    Modal::show(&e.window);
}

QTEST_MAIN(TestExam)
#include "tst_exam.moc"
