// The exam page of the main window driven for real: course and paper choice, the counts, the
// font size, and both starts writing the exam window up and showing it.
#include "core/UnitDefine.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "store/UnitDM.h"
#include "tests/fixtures/TestBank.h"
#include "ui/exam/UnitKaoShi.h"
#include "ui/main/UnitMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QMap>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

void addQuestions(BankWriter &bank, const QString &chapter, const QString &type, int n)
{
    for (int i = 1; i <= n; ++i) {
        const QString id = QStringLiteral("%1-%2-%3").arg(chapter, type).arg(i, 2, 10, QChar(u'0'));
        BankQuestion q = TestApp::choice(id, chapter, type, QStringLiteral("A"), type == QLatin1String("2") ? 2 : 1);
        if (type == QLatin1String("4")) {
            q.options = {QStringLiteral("借:库存现金=100;贷:银行存款=100"), QStringLiteral("300")};
            q.score = 10;
        }
        if (type == QLatin1String("5")) {
            q.options.clear();
            q.score = 10;
            for (int no = 1; no <= 2; ++no) {
                BankSubQuestion s;
                s.no = no;
                s.text = QStringLiteral("小题%1").arg(no);
                s.type = QStringLiteral("1");
                s.options = {QStringLiteral("甲"), QStringLiteral("乙")};
                s.answer = QStringLiteral("A");
                s.score = 5;
                q.subquestions << s;
            }
        }
        bank.addQuestion(q);
    }
}

// Course "03" 会计基础: ten papers 0381 ... 0390 (0381 holds 20 single, 20 multiple, 20
// true/false and one calculation question) and chapter 0301 (5, 5, 5 and two calculation).
// Course "02" 财经法规与会计职业道德: three papers 0281 ... 0283 (0281: two single, three cases).
// Course "01" 珠算: one paper without questions.
void setupBank(BankWriter &bank)
{
    bank.addCourse(QStringLiteral("03"), QStringLiteral("会计基础"));
    bank.addCourse(QStringLiteral("02"), QStringLiteral("财经法规与会计职业道德"));
    bank.addCourse(QStringLiteral("01"), QStringLiteral("珠算"));
    for (int i = 1; i <= 10; ++i)
        bank.addChapter(QStringLiteral("03%1").arg(80 + i), QStringLiteral("会计试卷%1").arg(i), QStringLiteral("03"),
                        QStringLiteral("2"));
    bank.addChapter(QStringLiteral("0301"), QStringLiteral("会计第1章"), QStringLiteral("03"), QStringLiteral("1"));
    for (int i = 1; i <= 3; ++i)
        bank.addChapter(QStringLiteral("02%1").arg(80 + i), QStringLiteral("法规试卷%1").arg(i), QStringLiteral("02"),
                        QStringLiteral("2"));
    bank.addChapter(QStringLiteral("0181"), QStringLiteral("珠算试卷"), QStringLiteral("01"), QStringLiteral("2"));

    const std::pair<const char *, int> paper[] = {{"1", 20}, {"2", 20}, {"3", 20}, {"4", 1}};
    for (const auto &[type, n] : paper)
        addQuestions(bank, QStringLiteral("0381"), QString::fromLatin1(type), n);
    const std::pair<const char *, int> chapter[] = {{"1", 5}, {"2", 5}, {"3", 5}, {"4", 2}};
    for (const auto &[type, n] : chapter)
        addQuestions(bank, QStringLiteral("0301"), QString::fromLatin1(type), n);
    addQuestions(bank, QStringLiteral("0281"), QStringLiteral("1"), 2);
    addQuestions(bank, QStringLiteral("0281"), QStringLiteral("5"), 3);
}

// The bank, the main window and the exam window, wired as start-up wires them.
struct Setup
{
    Setup() : app(setupBank), main(app.dm()), window(app.dm()) { frmKaoShi = &window; }
    ~Setup()
    {
        frmKaoShi = nullptr;
        ItemList.clear();
    }

    QToolButton *paper(int i) const { return main.findChild<QToolButton *>(QStringLiteral("sbKaoShi%1").arg(i)); }
    void openPaper(int course, int i)
    {
        main.SpeedButton4Click();
        main.cbKaoShi->setCurrentIndex(course);
        paper(i)->click();
    }
    QStringList counts() const
    {
        QStringList texts;
        for (QLabel *l : {main.lblKaoshiCnt, main.lblKSDanXuanCnt, main.lblKSDuoXuanCnt, main.lblKSPanDuanCnt,
                          main.lblKSFenXiCnt})
            texts << l->text();
        return texts;
    }

    TestApp app;
    TMainForm main;
    TfrmKaoShi window;
};

// Questions drawn, by type.
using TypeCounts = QMap<QString, int>;

// What the exam window held while it was shown.
struct Shown
{
    int times = 0;
    QString mode;
    QList<int> counts;
    QString types;
    QStringList ids;
    QString zhangJieID;
    QString zhangJieName;
    QString screen;
    bool countdown = false;
    bool maximised = false;
    QString leftTime;
};

// Records the showing, then leaves through the third introductory screen.
void recordExam(Shown &seen)
{
    Modal::setHandler([&seen](QDialog *) {
        TfrmKaoShi *f = frmKaoShi;
        ++seen.times;
        seen.mode = f->LXMode;
        seen.counts = {f->DanXunCnt, f->DuoXuanCnt, f->PanDuanCnt, f->FenXiCnt};
        seen.types.clear();
        seen.ids.clear();
        for (int i = 0; i < ItemList.count(); ++i) {
            seen.types += ItemList[i]->ItemType;
            seen.ids << ItemList[i]->ItemID;
        }
        seen.zhangJieID = f->ZhangJieID;
        seen.zhangJieName = f->ZhangJieName;
        seen.screen = f->currentScreen()->objectName();
        seen.countdown = f->Timer1->isActive();
        seen.leftTime = f->lblLeftTime->text();
        seen.maximised = f->windowState() & Qt::WindowMaximized;
        f->Timer2Timer();
        f->Label9Click();
        f->Label11Click();
    });
}

} // namespace

class TstExamSetup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLoggingCategory::setFilterRules(QStringLiteral("acctprep.pictures.warning=false")); }
    void cleanup()
    {
        Modal::clearHandler();
        Clock::reset();
    }

    void openingShowsFirstCourseAndItsPapers();
    void controlsAsFirstSeen_data();
    void controlsAsFirstSeen();
    void openingResetsTheSetUp();
    void analysisCaptionFollowsTheCourseName();
    void courseChangeLeavesExactlyTheNewButtons();
    void paperClickFillsCounts();
    void startPassesTheCounts();
    void startWritesTheExamUp();
    void examLeftWithoutHandInKeepsThePaper();
    void paperWithoutQuestions();
    void failedLoadOpensNoExam();
    void randomExamDraws_data();
    void randomExamDraws();
    void randomExamLeftReturnsToSetUp();
    void fontPreviewFollowsItsBox();
    void timingBoxDecidesTheLimit_data();
    void timingBoxDecidesTheLimit();
};

void TstExamSetup::openingShowsFirstCourseAndItsPapers()
{
    Setup s;
    s.main.SpeedButton4Click();
    QCOMPARE(s.main.currentView(), s.main.PanelKaoShi);
    QCOMPARE(s.main.KaoShiArea->currentWidget(), s.main.dbKaoShiInfo);
    QCOMPARE(s.main.cbKaoShi->count(), 3);
    QCOMPARE(s.main.cbKaoShi->currentText(), QStringLiteral("会计基础"));
    QCOMPARE(s.window.KeChengID, QStringLiteral("03"));
    QCOMPARE(s.window.KeChengName, QStringLiteral("会计基础"));

    const int width = s.main.ScrollBoxKaoShi->width() - 20;
    for (int i = 0; i < 10; ++i) {
        QToolButton *b = s.paper(i);
        QVERIFY(b);
        QCOMPARE(b->text(), QStringLiteral("会计试卷%1").arg(i + 1));
        QCOMPARE(b->parentWidget(), s.main.ScrollBoxKaoShi->widget());
        QCOMPARE(b->geometry(), QRect(10, 12 + 32 * i, width, 30));
        QCOMPARE(b->font().pointSize(), 11);
    }
    QVERIFY(!s.paper(10)); // the chapter of the course is no paper
    QCOMPARE(s.main.lblKaoShiJuan->text(), QStringLiteral("请选择试卷名称"));
    QCOMPARE(s.counts(), QStringList(5, QStringLiteral("0")));
    QCOMPARE(s.main.edtKaoShiShiJian->text(), QStringLiteral("60"));
    QVERIFY(s.main.edtKaoShiShiJian->isReadOnly());
    QVERIFY(s.main.cbKaoShiJIShi->isChecked());
    QVERIFY(!s.main.sbKaiShiKaoShi->isEnabled());

    // Opening again reuses the names instead of adding a second set.
    s.main.SpeedButton4Click();
    QCOMPARE(s.main.ScrollBoxKaoShi->widget()->findChildren<QToolButton *>().size(), 10);
}

void TstExamSetup::controlsAsFirstSeen_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QString>("value");
    QTest::newRow("left column") << "GroupBox5" << "title" << "考试信息";
    QTest::newRow("paper list") << "GroupBox6" << "title" << "试卷名称列表";
    QTest::newRow("course caption") << "Label73" << "text" << "课程名称";
    QTest::newRow("random exam") << "SpeedButton30" << "text" << "随机考试";
    QTest::newRow("set-up view") << "dbKaoShiInfo" << "title" << "模拟考试信息";
    QTest::newRow("analysis caption") << "lblFenXiTi" << "text" << "计算分析题：";
    QTest::newRow("timing") << "cbKaoShiJIShi" << "text" << "考试中计时";
    QTest::newRow("preview") << "pnlKSZitiYuLan" << "text" << "字体大小预览";
    QTest::newRow("start") << "sbKaiShiKaoShi" << "text" << "开始考试";
    QTest::newRow("font size") << "seKSZiTiDaXiao" << "value" << "12";
    QTest::newRow("smallest font") << "seKSZiTiDaXiao" << "minimum" << "9";
    QTest::newRow("largest font") << "seKSZiTiDaXiao" << "maximum" << "16";
}

void TstExamSetup::controlsAsFirstSeen()
{
    QFETCH(QString, name);
    QFETCH(QString, property);
    QFETCH(QString, value);
    Setup s;
    QWidget *w = s.main.PanelKaoShi->findChild<QWidget *>(name);
    QVERIFY2(w, qPrintable(name));
    QCOMPARE(w->property(qPrintable(property)).toString(), value);
    QStringList texts;
    for (QLabel *l : s.main.dbKaoShiInfo->findChildren<QLabel *>())
        texts << l->text();
    for (const char *text : {"试卷设置", "模拟试卷：", "提供了有代表性的考试题目，综合考评用户通过模拟考试可以了解知识",
                             "出题数量：", "默认为试卷内所有题目", "练习设置：", "用户可以设置考试中是否计时",
                             "当前试卷：", "本次共计有：", "单选题：", "题，每题1分", "多选题：", "题，每题2分",
                             "判断题：", "大题，共20分", "本次考试需要", "分钟", "字体大小："})
        QVERIFY2(texts.contains(QString::fromUtf8(text)), text);
}

void TstExamSetup::openingResetsTheSetUp()
{
    Setup s;
    s.openPaper(0, 0);
    s.main.cbKaoShiJIShi->setChecked(false);
    s.main.edtKaoShiShiJian->setText(QStringLiteral("90"));
    s.main.seKSZiTiDaXiao->setValue(15);
    s.main.SpeedButton4Click();
    QCOMPARE(s.main.lblKaoShiJuan->text(), QStringLiteral("请选择试卷名称"));
    QCOMPARE(s.counts(), QStringList(5, QStringLiteral("0")));
    QVERIFY(s.main.cbKaoShiJIShi->isChecked());
    QCOMPARE(s.main.edtKaoShiShiJian->text(), QStringLiteral("60"));
    QVERIFY(!s.main.sbKaiShiKaoShi->isEnabled());
    // The font size is the learner's and stays.
    QCOMPARE(s.main.seKSZiTiDaXiao->value(), 15);
}

void TstExamSetup::analysisCaptionFollowsTheCourseName()
{
    Setup s;
    s.main.SpeedButton4Click();
    QCOMPARE(s.main.lblFenXiTi->text(), QStringLiteral("计算分析题："));
    s.main.cbKaoShi->setCurrentIndex(1);
    QCOMPARE(s.main.lblFenXiTi->text(), QStringLiteral("案例分析题："));
    // A course of neither kind keeps the caption of the one before.
    s.main.cbKaoShi->setCurrentIndex(2);
    QCOMPARE(s.main.lblFenXiTi->text(), QStringLiteral("案例分析题："));
    QCOMPARE(s.window.KeChengName, QStringLiteral("珠算"));
    s.main.cbKaoShi->setCurrentIndex(0);
    QCOMPARE(s.main.lblFenXiTi->text(), QStringLiteral("计算分析题："));
}

void TstExamSetup::courseChangeLeavesExactlyTheNewButtons()
{
    Setup s;
    s.openPaper(0, 9);
    QCOMPARE(s.main.lblKaoShiJuan->text(), QStringLiteral("会计试卷10"));
    QVERIFY(s.main.sbKaiShiKaoShi->isEnabled());

    // The practice page refills the shared list with chapters in between.
    s.app.dm()->GetZhangJIe(QStringLiteral("03"), QStringLiteral("1"));
    s.main.cbKaoShi->setCurrentIndex(1);

    for (int i = 0; i < 3; ++i)
        QCOMPARE(s.paper(i)->text(), QStringLiteral("法规试卷%1").arg(i + 1));
    for (int i = 3; i < 10; ++i)
        QVERIFY2(!s.paper(i), qPrintable(QString::number(i)));
    QCOMPARE(s.main.ScrollBoxKaoShi->widget()->findChildren<QToolButton *>().size(), 3);
    QCOMPARE(s.main.lblKaoShiJuan->text(), QStringLiteral("请选择试卷名称"));
    QVERIFY(!s.main.sbKaiShiKaoShi->isEnabled());
    QCOMPARE(s.window.KeChengID, QStringLiteral("02"));

    // The new buttons lead to the new course's papers.
    s.paper(2)->click();
    QCOMPARE(s.window.ZhangJieID, QStringLiteral("0283"));
    QCOMPARE(s.window.ZhangJieName, QStringLiteral("法规试卷3"));
}

void TstExamSetup::paperClickFillsCounts()
{
    Setup s;
    s.openPaper(0, 0);
    QCOMPARE(s.window.ZhangJieID, QStringLiteral("0381"));
    QCOMPARE(s.window.ZhangJieName, QStringLiteral("会计试卷1"));
    QCOMPARE(s.main.lblKaoShiJuan->text(), QStringLiteral("会计试卷1"));
    QCOMPARE(s.counts(), (QStringList{"61", "20", "20", "20", "1"}));
    QVERIFY(s.main.sbKaiShiKaoShi->isEnabled());

    // A result view in front makes way for the set-up again.
    auto *other = new QWidget;
    s.main.KaoShiArea->addWidget(other);
    s.main.KaoShiArea->setCurrentWidget(other);
    s.paper(1)->click();
    QCOMPARE(s.main.KaoShiArea->currentWidget(), s.main.dbKaoShiInfo);
    QCOMPARE(s.counts(), QStringList(5, QStringLiteral("0")));
}

void TstExamSetup::startPassesTheCounts()
{
    Setup s;
    s.openPaper(0, 0);
    Shown seen;
    recordExam(seen);
    s.main.sbKaiShiKaoShi->click();
    QCOMPARE(seen.times, 1);
    QCOMPARE(seen.mode, QStringLiteral("First"));
    QCOMPARE(seen.counts, (QList<int>{20, 20, 20, 1}));
    // The calculation question gives one record per key.
    QCOMPARE(seen.types, QString(20, u'1') + QString(20, u'2') + QString(20, u'3') + QStringLiteral("44"));
    QCOMPARE(seen.zhangJieID, QStringLiteral("0381"));
    QCOMPARE(seen.screen, QStringLiteral("PanelPic1"));
    QVERIFY(seen.countdown);
    QVERIFY(seen.maximised);
}

void TstExamSetup::startWritesTheExamUp()
{
    Setup s;
    s.openPaper(0, 0);
    s.main.seKSZiTiDaXiao->setValue(16);
    const QDateTime start(QDate(2024, 5, 6), QTime(7, 8, 9));
    Clock::set(start);
    QList<int> sizes;
    Modal::setHandler([&](QDialog *) {
        TfrmKaoShi *f = frmKaoShi;
        for (QWidget *w : QList<QWidget *>{f->meoItem, f->cbA, f->cbB, f->cbC, f->cbD, f->cbE, f->cbF, f->lblAnswer,
                                           f->meoDesc})
            sizes << w->font().pointSize();
        sizes << f->FontSizeOra << f->FontSizeCur;
    });
    s.main.sbKaiShiKaoShiClick();
    QCOMPARE(sizes, QList<int>(11, 16));
    QCOMPARE(s.window.StartTime, start);
    QCOMPARE(s.window.Test_ID, QStringLiteral("20240506070809"));

    // Every start takes a new moment. The exam before was left without a hand-in and is still
    // kept for a resume, so the new one asks before it replaces it.
    Clock::advance(65);
    MessageBox::setNextAnswer(QMessageBox::Yes);
    s.main.sbKaiShiKaoShiClick();
    QCOMPARE(MessageBox::shown().size(), 1);
    QCOMPARE(MessageBox::shown().first().caption, QStringLiteral("放弃考试"));
    QCOMPARE(s.window.Test_ID, QStringLiteral("20240506070914"));
    QCOMPARE(s.window.StartTime, start.addSecs(65));
}

void TstExamSetup::examLeftWithoutHandInKeepsThePaper()
{
    Setup s;
    s.openPaper(0, 3);
    Shown seen;
    recordExam(seen);
    s.main.sbKaiShiKaoShiClick();
    QCOMPARE(seen.times, 1);
    QVERIFY(!s.window.isVisible());
    QVERIFY(!s.window.Timer1->isActive());
    QCOMPARE(s.main.currentView(), s.main.PanelKaoShi);
    QCOMPARE(s.main.KaoShiArea->currentWidget(), s.main.dbKaoShiInfo);
    QCOMPARE(s.main.lblKaoShiJuan->text(), QStringLiteral("会计试卷4"));
    QVERIFY(s.main.sbKaiShiKaoShi->isEnabled());
    // The same paper can be started again at once.
    s.main.sbKaiShiKaoShiClick();
    QCOMPARE(seen.times, 2);
    QCOMPARE(seen.zhangJieID, QStringLiteral("0384"));
}

void TstExamSetup::paperWithoutQuestions()
{
    Setup s;
    s.openPaper(2, 0);
    QCOMPARE(s.counts(), QStringList(5, QStringLiteral("0")));
    QVERIFY(s.main.sbKaiShiKaoShi->isEnabled());
    Shown seen;
    recordExam(seen);
    s.main.sbKaiShiKaoShiClick();
    QCOMPARE(seen.times, 1);
    QVERIFY(seen.types.isEmpty());
}

void TstExamSetup::failedLoadOpensNoExam()
{
    Setup s;
    s.openPaper(0, 0);
    s.app.scalar(QStringLiteral("alter table tabItem rename to tabItemGone"));
    Shown seen;
    recordExam(seen);
    MessageBox::clearShown();
    s.main.sbKaiShiKaoShiClick();
    QCOMPARE(seen.times, 0);
    QCOMPARE(MessageBox::shown().size(), 1);
    QCOMPARE(MessageBox::shown().first().caption, QStringLiteral("错误"));
    QVERIFY(!s.window.Timer1->isActive());
}

void TstExamSetup::randomExamDraws_data()
{
    QTest::addColumn<int>("course");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<TypeCounts>("questions"); // questions drawn by type
    QTest::newRow("会计基础: 20, 20, 20 and 2 of 3 calculations")
        << 0 << "03" << TypeCounts{{"1", 20}, {"2", 20}, {"3", 20}, {"4", 2}};
    QTest::newRow("法规: as far as the course has them")
        << 1 << "02" << TypeCounts{{"1", 2}, {"5", 2}};
    QTest::newRow("珠算: nothing to draw") << 2 << "01" << TypeCounts{};
}

void TstExamSetup::randomExamDraws()
{
    QFETCH(int, course);
    QFETCH(QString, prefix);
    QFETCH(TypeCounts, questions);
    Setup s;
    s.main.SpeedButton4Click();
    s.main.cbKaoShi->setCurrentIndex(course);
    Shown seen;
    recordExam(seen);
    s.main.SpeedButton30->click();
    QCOMPARE(seen.times, 1);
    QCOMPARE(seen.mode, QStringLiteral("First"));
    QCOMPARE(seen.counts, (QList<int>{20, 20, 20, 2}));
    QCOMPARE(seen.zhangJieID, QString());
    QCOMPARE(seen.zhangJieName, QStringLiteral("随机考试"));
    QVERIFY(seen.countdown);
    QMap<QString, QSet<QString>> drawn;
    for (int i = 0; i < seen.ids.size(); ++i) {
        drawn[seen.types.at(i)].insert(seen.ids.at(i));
        QVERIFY2(seen.ids.at(i).startsWith(prefix), qPrintable(seen.ids.at(i)));
    }
    TypeCounts counted;
    for (auto it = drawn.cbegin(); it != drawn.cend(); ++it)
        counted[it.key()] = int(it.value().size());
    QCOMPARE(counted, questions);
    // Types in their order, whatever the order within a type.
    QString sorted = seen.types;
    std::sort(sorted.begin(), sorted.end());
    QCOMPARE(seen.types, sorted);
}

void TstExamSetup::randomExamLeftReturnsToSetUp()
{
    Setup s;
    s.openPaper(0, 2);
    Shown seen;
    recordExam(seen);
    s.main.SpeedButton30Click();
    QCOMPARE(seen.times, 1);
    QCOMPARE(s.main.KaoShiArea->currentWidget(), s.main.dbKaoShiInfo);
    // The exam window holds no paper any more: a paper start needs a paper click first.
    QCOMPARE(s.main.lblKaoShiJuan->text(), QStringLiteral("请选择试卷名称"));
    QVERIFY(!s.main.sbKaiShiKaoShi->isEnabled());
    s.paper(2)->click();
    QCOMPARE(s.window.ZhangJieID, QStringLiteral("0383"));
    QVERIFY(s.main.sbKaiShiKaoShi->isEnabled());
}

void TstExamSetup::fontPreviewFollowsItsBox()
{
    Setup s;
    QCOMPARE(s.main.pnlKSZitiYuLan->font().pointSize(), 12);
    s.main.seKSZiTiDaXiao->setValue(9);
    QCOMPARE(s.main.pnlKSZitiYuLan->font().pointSize(), 9);
    s.main.seKSZiTiDaXiao->setValue(20);
    QCOMPARE(s.main.seKSZiTiDaXiao->value(), 16);
    QCOMPARE(s.main.pnlKSZitiYuLan->font().pointSize(), 16);
}

void TstExamSetup::timingBoxDecidesTheLimit_data()
{
    QTest::addColumn<bool>("random");
    QTest::addColumn<bool>("ticked");
    QTest::addColumn<QString>("leftTime");
    QTest::newRow("paper, timed") << false << true << "01:00:00";
    QTest::newRow("paper, no limit") << false << false << "不限时";
    QTest::newRow("random exam, timed") << true << true << "01:00:00";
    QTest::newRow("random exam, no limit") << true << false << "不限时";
}

// The box "考试中计时" is what it says: unticked, the exam goes without the hour's limit. It is
// ticked again whenever the page opens.
void TstExamSetup::timingBoxDecidesTheLimit()
{
    QFETCH(bool, random);
    QFETCH(bool, ticked);
    QFETCH(QString, leftTime);
    Setup s;
    // The countdown reads the clock: pinned, a millisecond passing on a busy machine is no
    // second gone.
    Clock::set(QDateTime(QDate(2024, 5, 6), QTime(7, 8, 9)));
    s.openPaper(0, 0);
    s.main.cbKaoShiJIShi->setChecked(ticked);
    Shown seen;
    recordExam(seen);
    if (random)
        s.main.SpeedButton30Click();
    else
        s.main.sbKaiShiKaoShiClick();
    QCOMPARE(seen.times, 1);
    QCOMPARE(s.window.Timed, ticked);
    QCOMPARE(seen.leftTime, leftTime);
    s.main.SpeedButton4Click();
    QVERIFY(s.main.cbKaoShiJIShi->isChecked());
}

QTEST_MAIN(TstExamSetup)
#include "tst_exam_setup.moc"
