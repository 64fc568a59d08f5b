// The study-progress view: history table, learning curve, clearing and the 3D switch.
#include "tests/fixtures/TestBank.h"

#include "core/UnitDefine.h"
#include "platform/MessageBox.h"
#include "store/UnitDM.h"
#include "ui/main/UnitMain.h"

#include <QAreaSeries>
#include <QCategoryAxis>
#include <QChart>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLoggingCategory>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

namespace {
struct Run
{
    QString id;
    QString right;
    QString wrong;
    QString course;
    QString chapter;
    // Full marks and points earned in hundredths; -1: a row of an older version, without them.
    int full = -1;
    int earned = -1;
};

void store(TestApp &app, const Run &run)
{
    app.dm()->InsertTestInfo(run.id, run.right, run.wrong, QStringLiteral("10"), QStringLiteral("2"),
                             QStringLiteral("00:12:34"), QStringLiteral("章节练习"), run.course, run.chapter,
                             std::max(0, run.earned) / 100, run.full, run.earned);
}

QLineSeries *curve(const TMainForm &form)
{
    QLineSeries *found = nullptr;
    for (QAbstractSeries *series : form.Chart->series())
        if (auto *line = qobject_cast<QLineSeries *>(series))
            found = line;
    return found;
}

QList<QAreaSeries *> depthBands(const TMainForm &form)
{
    QList<QAreaSeries *> bands;
    for (QAbstractSeries *series : form.Chart->series())
        if (auto *band = qobject_cast<QAreaSeries *>(series))
            bands << band;
    return bands;
}

bool hasDepth(const TMainForm &form) { return !depthBands(form).isEmpty(); }

QStringList rowTexts(const QTableWidget *grid, int row)
{
    QStringList texts;
    for (int c = 0; c < grid->columnCount(); ++c)
        texts << (grid->item(row, c) ? grid->item(row, c)->text() : QString());
    return texts;
}

const QStringList Headers = {"成绩日期", "正确题目数", "错误题目数", "未完成数量", "已完成数量",
                             "耗用时间", "成绩得分", "得分率", "成绩所属"};

// Three runs stored out of order; the view lists them newest first.
const QList<Run> ThreeRuns = {
    {"20130305093015", "8", "2", "会计基础", "第一章 总论", 1000, 800},
    {"20131224200000", "1", "2", "财经法规与会计职业道德", "第二章 支付结算", 1200, 400},
    {"20130101080000", "2", "1", "会计基础", "模拟试卷一", 1200, 800},
};
}

class TestProgress : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void scoreRate_data();
    void scoreRate();
    void newestFirstInTableAndCurve();
    void openingTwiceShowsEachRunOnce();
    void longHistoryNamesSomePoints_data();
    void longHistoryNamesSomePoints();
    void clearingLeavesHeaderAndEmptyRow();
    void failedClearingKeepsEverything();
    void rowClickShowsCourseAndChapter();
    void emptyRowClickChangesNothing();
    void depthSwitch();
    void pointsSayWhichRun();
};

void TestProgress::initTestCase()
{
    // The fixture's application directory has no window pictures; that is not under test here.
    QLoggingCategory::setFilterRules(QStringLiteral("acctprep.pictures.warning=false"));
}

void TestProgress::scoreRate_data()
{
    QTest::addColumn<QString>("right");
    QTest::addColumn<QString>("wrong");
    QTest::addColumn<int>("full");
    QTest::addColumn<int>("earned");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("plotted");

    // Points earned over full marks, as the result page said it.
    QTest::newRow("an almost empty exam") << "1" << "0" << 10000 << 100 << "1%" << 1;
    QTest::newRow("rounds to whole percent") << "40" << "20" << 10000 << 4550 << "46%" << 46;
    QTest::newRow("wrong answers count as nothing") << "8" << "2" << 1000 << 800 << "80%" << 80;
    QTest::newRow("full marks") << "5" << "0" << 500 << 500 << "100%" << 100;
    QTest::newRow("a run worth nothing") << "0" << "0" << 0 << 0 << "0%" << 0;
    // Older rows have no full marks: right ones among all 12 entries, marked as estimated.
    QTest::newRow("older row") << "8" << "2" << -1 << -1 << "≈67%" << 67;
    QTest::newRow("older row, nothing right") << "0" << "0" << -1 << -1 << "≈0%" << 0;
    QTest::newRow("older row, count not a number") << "x" << "2" << -1 << -1 << "≈0%" << 0;
    QTest::newRow("older row, count not whole") << "2.5" << "1" << -1 << -1 << "≈0%" << 0;
}

void TestProgress::scoreRate()
{
    QFETCH(QString, right);
    QFETCH(QString, wrong);
    QFETCH(int, full);
    QFETCH(int, earned);
    QFETCH(QString, shown);
    QFETCH(int, plotted);

    TestApp app;
    store(app, {"20130305093015", right, wrong, "会计基础", "第一章 总论", full, earned});
    TMainForm form(app.dm());

    form.SpeedButton8Click();

    QTableWidgetItem *rate = form.sgXueXiLog->item(0, 7);
    QCOMPARE(rate->text(), shown);
    // Which rows are estimates, and why, is said where they are.
    QCOMPARE(rate->toolTip().contains(QStringLiteral("较早版本")), full < 0);
    QVERIFY(form.sgXueXiLog->horizontalHeaderItem(7)->toolTip().contains(QStringLiteral("得分÷满分")));
    QLineSeries *line = curve(form);
    QVERIFY(line);
    QCOMPARE(line->points(), QList<QPointF>{QPointF(1, plotted)});
    QVERIFY(form.curvePointTip(0).endsWith(shown));
}

void TestProgress::newestFirstInTableAndCurve()
{
    TestApp app;
    for (const Run &run : ThreeRuns)
        store(app, run);
    TMainForm form(app.dm());

    form.SpeedButton8->click();

    QCOMPARE(form.currentView(), form.PanelXueXiJinJie);
    QCOMPARE(form.ProgressArea->currentWidget(), form.PanelQuXian);
    QTableWidget *grid = form.sgXueXiLog;
    QCOMPARE(grid->columnCount(), 9);
    QCOMPARE(grid->rowCount(), 3);
    for (int c = 0; c < 9; ++c) {
        QCOMPARE(grid->horizontalHeaderItem(c)->text(), Headers.at(c));
        QCOMPARE(grid->columnWidth(c), c == 0 ? 125 : 75);
        // The four counts say that they count sub-questions.
        QCOMPARE(grid->horizontalHeaderItem(c)->toolTip().startsWith(QStringLiteral("按小题计")), c >= 1 && c <= 4);
    }
    QCOMPARE(rowTexts(grid, 0), (QStringList{"2013-12-24 20:00", "1", "2", "2", "10", "00:12:34", "4", "33%", "章节练习"}));
    QCOMPARE(rowTexts(grid, 1).first(), QStringLiteral("2013-03-05 09:30"));
    QCOMPARE(rowTexts(grid, 2).first(), QStringLiteral("2013-01-01 08:00"));

    QLineSeries *line = curve(form);
    QVERIFY(line);
    QCOMPARE(line->points(), (QList<QPointF>{{1, 33}, {2, 80}, {3, 67}}));
    QCOMPARE(form.ChartAxisX->categoriesLabels(), (QStringList{"1", "2", "3"}));
    QVERIFY(line->pointsVisible());
    QVERIFY(line->pointLabelsVisible());
    for (int i = 0; i < 3; ++i)
        QCOMPARE(line->pointConfiguration(i).value(QXYSeries::PointConfiguration::Color).value<QColor>(),
                 QColor(255, 0, 0));
    for (QLegendMarker *marker : form.Chart->legend()->markers())
        QVERIFY(!marker->isVisible());
    QCOMPARE(form.Chart->title(), QStringLiteral("学习进度曲线图"));
    // The result page's share of points; the newest run on the left, as the axis says.
    QCOMPARE(form.ChartAxisY->titleText(), QStringLiteral("得分率%"));
    QVERIFY(form.lblNoHistory->isHidden());
    QVERIFY(form.ChartAxisX->titleText().contains(QStringLiteral("1 为最近一次")));
}

void TestProgress::longHistoryNamesSomePoints_data()
{
    QTest::addColumn<int>("runs");
    QTest::addColumn<int>("named");
    QTest::newRow("a few runs: every one") << 3 << 3;
    QTest::newRow("20 runs: every one") << 20 << 20;
    QTest::newRow("21 runs: every other") << 21 << 11;
    QTest::newRow("200 runs: every tenth") << 200 << 20;
}

// After months of practice the curve is not buried under its own names: the axis and the
// points name the same runs, the newest always.
void TestProgress::longHistoryNamesSomePoints()
{
    QFETCH(int, runs);
    QFETCH(int, named);
    TestApp app;
    for (int i = 0; i < runs; ++i)
        store(app, {QStringLiteral("2025%1").arg(100000000 + i * 1000, 10, 10, QChar(u'0')), QStringLiteral("3"),
                    QStringLiteral("1"), QStringLiteral("会计基础"), QStringLiteral("第一章 总论"), 400, 300});
    TMainForm form(app.dm());
    form.SpeedButton8->click();
    QLineSeries *line = curve(form);
    QVERIFY(line);
    QCOMPARE(line->count(), runs);
    QStringList pointNames;
    for (int i = 0; i < runs; ++i)
        if (line->pointConfiguration(i).value(QXYSeries::PointConfiguration::LabelVisibility).toBool())
            pointNames << QString::number(i + 1);
    QCOMPARE(pointNames.size(), named);
    QCOMPARE(pointNames.first(), QStringLiteral("1"));
    QCOMPARE(form.ChartAxisX->categoriesLabels(), pointNames);
}

void TestProgress::openingTwiceShowsEachRunOnce()
{
    TestApp app;
    for (const Run &run : ThreeRuns)
        store(app, run);
    TMainForm form(app.dm());

    form.SpeedButton8Click();
    form.SpeedButton8Click();

    QCOMPARE(XueXiLogList.count(), 3);
    QCOMPARE(form.sgXueXiLog->rowCount(), 3);
    QCOMPARE(curve(form)->count(), 3);
}

void TestProgress::clearingLeavesHeaderAndEmptyRow()
{
    TestApp app;
    for (const Run &run : ThreeRuns)
        store(app, run);
    TMainForm form(app.dm());
    form.SpeedButton8Click();
    form.SpeedButton25Click();
    QCOMPARE(form.ProgressArea->currentWidget(), form.PanelsgXueXiLog);

    // No keeps every record; Yes clears.
    MessageBox::setNextAnswer(QMessageBox::No);
    form.SpeedButton26->click();
    QCOMPARE(app.scalar(QStringLiteral("select count(*) from tabTestHis")).toInt(), 3);
    QCOMPARE(XueXiLogList.count(), 3);
    QCOMPARE(form.ProgressArea->currentWidget(), form.PanelsgXueXiLog);
    QCOMPARE(MessageBox::shown().size(), 1);
    QCOMPARE(MessageBox::shown().at(0).caption, QStringLiteral("确认清除"));

    MessageBox::setNextAnswer(QMessageBox::Yes);
    form.SpeedButton26->click();

    QCOMPARE(app.scalar(QStringLiteral("select count(*) from tabTestHis")).toInt(), 0);
    QVERIFY(XueXiLogList.isEmpty());
    QCOMPARE(form.ProgressArea->currentWidget(), form.PanelQuXian);
    QVERIFY(form.Chart->series().isEmpty());
    // The chart says that there is nothing, rather than showing an empty grid.
    QVERIFY(!form.lblNoHistory->isHidden());
    QCOMPARE(form.lblNoHistory->text(), QStringLiteral("还没有学习记录"));
    QVERIFY(!form.ChartAxisX->isVisible() && !form.ChartAxisY->isVisible());
    QCOMPARE(form.sgXueXiLog->rowCount(), 1);
    QCOMPARE(rowTexts(form.sgXueXiLog, 0), QStringList(9, QString()));
    QCOMPARE(form.sgXueXiLog->horizontalHeaderItem(8)->text(), QStringLiteral("成绩所属"));
    // The detail labels keep their last texts.
    QCOMPARE(form.lblJJKeCheng->text(), QStringLiteral("财经法规与会计职业道德"));
    QCOMPARE(MessageBox::shown().size(), 2); // the two confirmations, no error
}

void TestProgress::failedClearingKeepsEverything()
{
    TestApp app;
    for (const Run &run : ThreeRuns)
        store(app, run);
    app.scalar(QStringLiteral("create trigger keepHistory before delete on tabTestHis "
                              "begin select raise(abort, 'history is read-only'); end"));
    TMainForm form(app.dm());
    form.SpeedButton8Click();
    form.SpeedButton25Click();

    MessageBox::setNextAnswer(QMessageBox::Yes);
    form.SpeedButton26Click();

    QCOMPARE(MessageBox::shown().size(), 2);
    QCOMPARE(MessageBox::shown().at(1).caption, QStringLiteral("错误"));
    QCOMPARE(app.scalar(QStringLiteral("select count(*) from tabTestHis")).toInt(), 3);
    QCOMPARE(XueXiLogList.count(), 3);
    QCOMPARE(form.sgXueXiLog->rowCount(), 3);
    QCOMPARE(curve(form)->count(), 3);
    QCOMPARE(form.ProgressArea->currentWidget(), form.PanelsgXueXiLog);
}

void TestProgress::rowClickShowsCourseAndChapter()
{
    TestApp app;
    for (const Run &run : ThreeRuns)
        store(app, run);
    TMainForm form(app.dm());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.SpeedButton8Click();

    form.SpeedButton25->click();
    QCOMPARE(form.ProgressArea->currentWidget(), form.PanelsgXueXiLog);
    QCOMPARE(form.lblJJKeCheng->text(), QStringLiteral("财经法规与会计职业道德"));
    QCOMPARE(form.lblJJZhangJie->text(), QStringLiteral("第二章 支付结算"));
    QVERIFY(form.lblJJKeCheng->font().bold());

    QTableWidget *grid = form.sgXueXiLog;
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(2, 3)).center());

    QCOMPARE(form.lblJJKeCheng->text(), QStringLiteral("会计基础"));
    QCOMPARE(form.lblJJZhangJie->text(), QStringLiteral("模拟试卷一"));
}

void TestProgress::emptyRowClickChangesNothing()
{
    TestApp app;
    TMainForm form(app.dm());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.lblJJKeCheng->setText(QStringLiteral("甲"));
    form.lblJJZhangJie->setText(QStringLiteral("乙"));
    form.SpeedButton8Click();
    form.SpeedButton25Click();

    QTableWidget *grid = form.sgXueXiLog;
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(0, 1)).center());

    QCOMPARE(grid->rowCount(), 1);
    QCOMPARE(form.lblJJKeCheng->text(), QStringLiteral("甲"));
    QCOMPARE(form.lblJJZhangJie->text(), QStringLiteral("乙"));
    QVERIFY(form.Chart->series().isEmpty());
}

void TestProgress::pointsSayWhichRun()
{
    TestApp app;
    for (const Run &run : ThreeRuns)
        store(app, run);
    TMainForm form(app.dm());
    form.SpeedButton8Click();
    for (int i = 0; i < XueXiLogList.count(); ++i) {
        const QString tip = form.curvePointTip(i);
        const TXueXiLog *log = XueXiLogList[i];
        QVERIFY2(tip.contains(log->T_KeCheng) && tip.contains(log->T_ZhangJie), qPrintable(tip));
        QVERIFY2(tip.contains(form.sgXueXiLog->item(i, 0)->text()), qPrintable(tip)); // its date and time
    }
    QVERIFY(form.curvePointTip(3).isEmpty());
}

void TestProgress::depthSwitch()
{
    TestApp app;
    for (const Run &run : ThreeRuns)
        store(app, run);
    TMainForm form(app.dm());
    form.SpeedButton8Click();
    const QList<QPointF> points = curve(form)->points();
    QVERIFY(form.cb3D->isChecked());
    // Every segment has its own shading, whether it rises or falls.
    const QList<QAreaSeries *> bands = depthBands(form);
    QCOMPARE(bands.size(), points.size() - 1);
    for (int i = 0; i < bands.size(); ++i)
        QCOMPARE(bands.at(i)->lowerSeries()->points(), (QList<QPointF>{points.at(i), points.at(i + 1)}));

    form.cb3D->click();
    QVERIFY(!hasDepth(form));
    QCOMPARE(form.Chart->series().size(), 1);
    QCOMPARE(curve(form)->points(), points);

    // The setting holds across rebuilds and reopenings.
    form.sbXXXQXClick();
    QVERIFY(!hasDepth(form));
    form.SpeedButton8Click();
    QVERIFY(!hasDepth(form));

    form.cb3D->click();
    QVERIFY(hasDepth(form));
    QCOMPARE(curve(form)->points(), points);
    for (QLegendMarker *marker : form.Chart->legend()->markers())
        QVERIFY(!marker->isVisible());
}

QTEST_MAIN(TestProgress)
#include "tst_progress.moc"
