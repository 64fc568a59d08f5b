// The study-progress view: learning curve and history table of stored runs.
#include "ui/main/UnitMain.h"

#include "core/UnitDefine.h"
#include "platform/MessageBox.h"
#include "store/UnitDM.h"
#include "ui/Controls.h"
#include "ui/Guard.h"

#include <QAreaSeries>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QCursor>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QToolTip>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {
const QStringList LogHeaders = {
    QStringLiteral("成绩日期"), QStringLiteral("正确题目数"), QStringLiteral("错误题目数"),
    QStringLiteral("未完成数量"), QStringLiteral("已完成数量"), QStringLiteral("耗用时间"),
    QStringLiteral("成绩得分"), QStringLiteral("得分率"), QStringLiteral("成绩所属"),
};
const QColor PointColour(255, 0, 0);
// Runs the curve names at most.
constexpr int MostPointLabels = 20;

// The view's buttons fill their column and show their caption only.
const Controls::ButtonLook ColumnButton{.style = Qt::ToolButtonTextOnly, .fillWidth = true, .minimumSize = {0, 32}};

// "yyyymmddhhnnss" read as year-month-day hour:minute.
QString logDate(const QString &id)
{
    return id.mid(0, 4) + QLatin1Char('-') + id.mid(4, 2) + QLatin1Char('-') + id.mid(6, 2) + QLatin1Char(' ')
        + id.mid(8, 2) + QLatin1Char(':') + id.mid(10, 2);
}

// A run's score rate: points earned over full marks, what its result page showed as 得分率,
// in whole percent. Rows of older versions kept no full marks: they give the share of their
// entries that were right, which is the same figure when every entry is worth the same, and
// are marked estimated. Counts that are not whole numbers, or that add up to nothing, give 0.
struct Rate
{
    int percent = 0;
    bool estimated = false;
};

Rate scoreRate(const TXueXiLog &log)
{
    const auto whole = [](const QString &text, int &value) {
        bool ok = false;
        value = text.toInt(&ok);
        return ok && value >= 0;
    };
    const auto percent = [](qint64 part, qint64 whole) {
        return whole > 0 ? int(std::lround(double(part) * 100.0 / double(whole))) : 0;
    };
    int full = 0, earned = 0;
    if (whole(log.T_manfen, full) && whole(log.T_defen, earned))
        return {percent(earned, full), false};
    int right = 0, done = 0, notDone = 0;
    if (whole(log.T_true, right) && whole(log.T_havdo, done) && whole(log.T_notdo, notDone))
        return {percent(right, qint64(done) + notDone), true};
    return {0, true};
}

QString rateText(const Rate &rate)
{
    return (rate.estimated ? QStringLiteral("≈") : QString()) + QString::number(rate.percent) + QLatin1Char('%');
}

const QString EstimatedRateNote = QStringLiteral("较早版本保存的记录没有保存满分，标“≈”：按正确题数÷总题数估算");

// Every k-th run of a long history is named on the axis and at its point, the newest always,
// so that some twenty names show however many runs there are.
int nameEvery(int runs)
{
    return std::max(1, (runs + MostPointLabels - 1) / MostPointLabels);
}

// Headers, column widths and one empty row.
void resetLogGrid(QTableWidget *grid)
{
    grid->clear();
    grid->setColumnCount(int(LogHeaders.size()));
    grid->setRowCount(1);
    grid->setHorizontalHeaderLabels(LogHeaders);
    // The counts are of entries: each sub-question of an analysis question is one.
    for (int c = 1; c <= 4; ++c)
        grid->horizontalHeaderItem(c)->setToolTip(
            QStringLiteral("按小题计：计算分析题、案例分析题的每个小题各算一题"));
    // The share of the points, as the result page showed it when the run ended.
    grid->horizontalHeaderItem(7)->setToolTip(QStringLiteral("得分率＝得分÷满分，与练习或考试结束时成绩页所示相同。\n")
                                              + EstimatedRateNote);
    grid->setColumnWidth(0, 125);
    for (int c = 1; c < LogHeaders.size(); ++c)
        grid->setColumnWidth(c, 75);
}

QTableWidgetItem *cell(const QString &text, Qt::Alignment alignment = Qt::AlignCenter)
{
    auto *item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment);
    return item;
}
}

void TMainForm::buildProgressView()
{
    PanelXueXiJinJie = Controls::panel(Content, QStringLiteral("PanelXueXiJinJie"));
    auto *page = new QHBoxLayout(PanelXueXiJinJie);
    page->setContentsMargins(8, 8, 8, 8);

    QGroupBox *GroupBox4 = Controls::groupBox(PanelXueXiJinJie, QStringLiteral("GroupBox4"), QStringLiteral("学习进度"));
    GroupBox4->setFixedWidth(150);
    auto *column = new QVBoxLayout(GroupBox4);
    column->setSpacing(8);
    sbXXXQX = Controls::button(GroupBox4, QStringLiteral("sbXXXQX"), QStringLiteral("学习曲线"),
                               QStringLiteral("按成绩记录画出得分率曲线"), ColumnButton);
    SpeedButton25 = Controls::button(GroupBox4, QStringLiteral("SpeedButton25"), QStringLiteral("历史记录"),
                                     QStringLiteral("以表格列出每次练习和考试的成绩"), ColumnButton);
    SpeedButton26 = Controls::button(GroupBox4, QStringLiteral("SpeedButton26"), QStringLiteral("清除记录"),
                                     QStringLiteral("删除全部成绩记录"), ColumnButton);
    column->addWidget(sbXXXQX);
    column->addWidget(SpeedButton25);
    column->addWidget(SpeedButton26);
    column->addStretch(1);
    connect(sbXXXQX, &QToolButton::clicked, this, &TMainForm::sbXXXQXClick);
    connect(SpeedButton25, &QToolButton::clicked, this, &TMainForm::SpeedButton25Click);
    connect(SpeedButton26, &QToolButton::clicked, this, &TMainForm::SpeedButton26Click);
    page->addWidget(GroupBox4);

    ProgressArea = new QStackedWidget(PanelXueXiJinJie);
    ProgressArea->setObjectName(QStringLiteral("ProgressArea"));
    page->addWidget(ProgressArea, 1);

    // Curve view.
    PanelQuXian = Controls::panel(ProgressArea, QStringLiteral("PanelQuXian"));
    auto *curveLayout = new QVBoxLayout(PanelQuXian);
    curveLayout->setContentsMargins(0, 0, 0, 0);
    QGroupBox *GroupBox7 = Controls::groupBox(PanelQuXian, QStringLiteral("GroupBox7"), QStringLiteral("曲线"));
    auto *chartLayout = new QVBoxLayout(GroupBox7);
    Chart = new QChart;
    Chart->setObjectName(QStringLiteral("Chart"));
    Chart->setTitle(QStringLiteral("学习进度曲线图"));
    QFont titleFont = Chart->titleFont();
    titleFont.setPointSize(13);
    titleFont.setBold(true);
    Chart->setTitleFont(titleFont);
    // The curve stays out of the legend, which would only hold empty space.
    Chart->legend()->setVisible(false);
    ChartAxisY = new QValueAxis(Chart);
    // A little room below 0 and above 100, so runs at either end and their depth show whole.
    ChartAxisY->setRange(-6, 106);
    ChartAxisY->setTickType(QValueAxis::TicksDynamic);
    ChartAxisY->setTickAnchor(0);
    ChartAxisY->setTickInterval(10);
    ChartAxisY->setLabelFormat(QStringLiteral("%d"));
    ChartAxisY->setTitleText(QStringLiteral("得分率%"));
    Chart->addAxis(ChartAxisY, Qt::AlignLeft);
    ChartAxisX = new QCategoryAxis(Chart);
    ChartAxisX->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    ChartAxisX->setRange(0, 1);
    // The newest run stands on the left.
    ChartAxisX->setTitleText(QStringLiteral("练习次序（1 为最近一次，越往右越早）"));
    Chart->addAxis(ChartAxisX, Qt::AlignBottom);
    ChartView = new QChartView(Chart, GroupBox7);
    ChartView->setObjectName(QStringLiteral("ChartView"));
    ChartView->setRenderHint(QPainter::Antialiasing);
    // An empty history says so, over the chart, rather than showing an empty grid.
    auto *chartArea = new QGridLayout;
    chartArea->addWidget(ChartView, 0, 0);
    lblNoHistory = Controls::label(GroupBox7, QStringLiteral("lblNoHistory"), QStringLiteral("还没有学习记录"));
    lblNoHistory->setAlignment(Qt::AlignCenter);
    lblNoHistory->setAttribute(Qt::WA_TransparentForMouseEvents);
    lblNoHistory->setStyleSheet(QStringLiteral("color: #6b7a86; background: transparent;"));
    Controls::setPointSize(lblNoHistory, 14);
    chartArea->addWidget(lblNoHistory, 0, 0, Qt::AlignCenter);
    chartLayout->addLayout(chartArea, 1);
    cb3D = Controls::checkBox(GroupBox7, QStringLiteral("cb3D"), QStringLiteral("3D显示"), true);
    connect(cb3D, &QCheckBox::toggled, this, &TMainForm::cb3DClick);
    chartLayout->addWidget(cb3D);
    curveLayout->addWidget(GroupBox7);
    ProgressArea->addWidget(PanelQuXian);

    // Table view.
    PanelsgXueXiLog = Controls::panel(ProgressArea, QStringLiteral("PanelsgXueXiLog"));
    auto *tableLayout = new QVBoxLayout(PanelsgXueXiLog);
    tableLayout->setContentsMargins(0, 0, 0, 0);
    QGroupBox *GroupBox9 = Controls::groupBox(PanelsgXueXiLog, QStringLiteral("GroupBox9"), QStringLiteral("历史记录"));
    auto *gridLayout = new QVBoxLayout(GroupBox9);
    sgXueXiLog = Controls::readOnlyTable(GroupBox9, QStringLiteral("sgXueXiLog"));
    sgXueXiLog->horizontalHeader()->setHighlightSections(false);
    sgXueXiLog->setAlternatingRowColors(true);
    connect(sgXueXiLog, &QTableWidget::itemSelectionChanged, this, &TMainForm::sgXueXiLogClick);
    gridLayout->addWidget(sgXueXiLog);
    tableLayout->addWidget(GroupBox9, 1);

    QGroupBox *GroupBox10 =
        Controls::groupBox(PanelsgXueXiLog, QStringLiteral("GroupBox10"), QStringLiteral("课程及章节信息"));
    auto *details = new QGridLayout(GroupBox10);
    details->setColumnStretch(1, 1);
    lblJJKeCheng = Controls::boldLabel(GroupBox10, QStringLiteral("lblJJKeCheng"), QString());
    lblJJZhangJie = Controls::boldLabel(GroupBox10, QStringLiteral("lblJJZhangJie"), QString());
    for (QLabel *label : {lblJJKeCheng, lblJJZhangJie})
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    details->addWidget(new QLabel(QStringLiteral("【课程名称：】"), GroupBox10), 0, 0);
    details->addWidget(lblJJKeCheng, 0, 1);
    details->addWidget(new QLabel(QStringLiteral("【章节名称：】"), GroupBox10), 1, 0);
    details->addWidget(lblJJZhangJie, 1, 1);
    tableLayout->addWidget(GroupBox10);
    ProgressArea->addWidget(PanelsgXueXiLog);

    Content->addWidget(PanelXueXiJinJie);
    resetLogGrid(sgXueXiLog);
    plotCurve({});
}

void TMainForm::SpeedButton8Click()
{
    XueXiLogList.clear();
    guarded(this, [this] { m_dm->GetXueXiLog(); });
    sbXXXQXClick();
    bringToFront(PanelXueXiJinJie);
}

void TMainForm::sbXXXQXClick()
{
    Chart->removeAllSeries();
    ProgressArea->setCurrentWidget(PanelQuXian);

    // Rebuilding moves the selection; the detail labels keep what the learner last chose.
    const QSignalBlocker blocker(sgXueXiLog);
    resetLogGrid(sgXueXiLog);

    if (XueXiLogList.isEmpty()) {
        plotCurve({});
        return;
    }
    sgXueXiLog->setRowCount(XueXiLogList.count());
    QList<QPointF> points;
    for (int i = 0; i < XueXiLogList.count(); ++i) {
        const TXueXiLog *log = XueXiLogList[i];
        const Rate rate = scoreRate(*log);
        sgXueXiLog->setItem(i, 0, cell(logDate(log->T_ID)));
        sgXueXiLog->setItem(i, 1, cell(log->T_true));
        sgXueXiLog->setItem(i, 2, cell(log->T_false));
        sgXueXiLog->setItem(i, 3, cell(log->T_notdo));
        sgXueXiLog->setItem(i, 4, cell(log->T_havdo));
        sgXueXiLog->setItem(i, 5, cell(log->T_time));
        sgXueXiLog->setItem(i, 6, cell(log->T_score));
        sgXueXiLog->setItem(i, 7, cell(rateText(rate)));
        if (rate.estimated)
            sgXueXiLog->item(i, 7)->setToolTip(EstimatedRateNote);
        sgXueXiLog->setItem(i, 8, cell(log->T_type));
        points << QPointF(i + 1, rate.percent);
    }
    plotCurve(points);
    ProgressArea->setCurrentWidget(PanelQuXian);
}

void TMainForm::plotCurve(const QList<QPointF> &points)
{
    Chart->removeAllSeries();
    for (const QString &label : ChartAxisX->categoriesLabels())
        ChartAxisX->remove(label);
    const int n = int(points.size());
    const int every = nameEvery(n);
    ChartAxisX->setRange(0.5, n + 0.5);
    for (int i = 0; i < n; i += every)
        ChartAxisX->append(QString::number(i + 1), i + 1);
    lblNoHistory->setVisible(points.isEmpty());
    ChartAxisX->setVisible(!points.isEmpty());
    ChartAxisY->setVisible(!points.isEmpty());
    if (points.isEmpty())
        return;

    const auto attach = [this](QAbstractSeries *series) {
        Chart->addSeries(series);
        series->attachAxis(ChartAxisX);
        series->attachAxis(ChartAxisY);
        for (QLegendMarker *marker : Chart->legend()->markers(series))
            marker->setVisible(false);
    };

    if (cb3D->isChecked()) {
        // Depth: behind each segment of the curve, the band between it and a copy pushed down
        // and to the right. One band per segment, so that a steep rise or fall, where a single
        // band would cross itself and leave holes, is shaded like the rest.
        const qreal dx = (ChartAxisX->max() - ChartAxisX->min()) * 0.012;
        const qreal dy = -(ChartAxisY->max() - ChartAxisY->min()) * 0.03;
        for (int i = 0; i + 1 < n || (n == 1 && i == 0); ++i) {
            const QPointF a = points.at(i), b = points.at(qMin(i + 1, n - 1));
            auto *depth = new QAreaSeries;
            depth->setObjectName(QStringLiteral("ChartDepth"));
            auto *front = new QLineSeries(depth);
            auto *back = new QLineSeries(depth);
            front->append({a, b});
            back->append({QPointF(a.x() + dx, a.y() + dy), QPointF(b.x() + dx, b.y() + dy)});
            depth->setUpperSeries(back);
            depth->setLowerSeries(front);
            depth->setBrush(QColor(150, 20, 20, 110));
            depth->setPen(QPen(QColor(110, 0, 0, 160), 1));
            attach(depth);
        }
    }

    auto *series = new QLineSeries;
    series->setObjectName(QStringLiteral("ChartCurve"));
    series->setName(QStringLiteral("得分率"));
    series->append(points);
    series->setPen(QPen(PointColour, cb3D->isChecked() ? 2.5 : 2));
    series->setPointsVisible(true);
    series->setMarkerSize(5);
    series->setPointLabelsVisible(true);
    series->setPointLabelsFormat(QStringLiteral("@xPoint"));
    series->setPointLabelsClipping(false);
    series->setPointLabelsColor(QColor(40, 40, 40));
    QFont labelFont = series->pointLabelsFont();
    labelFont.setBold(true);
    series->setPointLabelsFont(labelFont);
    // A long history would bury the curve under its own numbers: the points named are those
    // the axis names.
    for (int i = 0; i < n; ++i)
        series->setPointConfiguration(i, {{QXYSeries::PointConfiguration::Color, PointColour},
                                          {QXYSeries::PointConfiguration::Size, 5},
                                          {QXYSeries::PointConfiguration::LabelVisibility, i % every == 0}});
    // Which run a point is: its date, course and chapter.
    connect(series, &QLineSeries::hovered, this, [this](const QPointF &point, bool entered) {
        if (entered)
            QToolTip::showText(QCursor::pos(), curvePointTip(qRound(point.x()) - 1), ChartView);
        else
            QToolTip::hideText();
    });
    attach(series);
}

QString TMainForm::curvePointTip(int index) const
{
    if (index < 0 || index >= XueXiLogList.count())
        return QString();
    const TXueXiLog *log = XueXiLogList[index];
    return QStringLiteral("第%1次（倒数）：%2\n%3\n%4\n%5，得分率 %6")
        .arg(index + 1)
        .arg(logDate(log->T_ID), log->T_KeCheng, log->T_ZhangJie, log->T_type, rateText(scoreRate(*log)));
}

void TMainForm::SpeedButton25Click()
{
    sgXueXiLog->selectRow(0);
    ProgressArea->setCurrentWidget(PanelsgXueXiLog);
    if (!XueXiLogList.isEmpty())
        showLogDetails(sgXueXiLog->currentRow());
}

void TMainForm::sgXueXiLogClick()
{
    showLogDetails(sgXueXiLog->currentRow());
}

void TMainForm::showLogDetails(int row)
{
    if (row < 0 || row >= XueXiLogList.count())
        return;
    lblJJKeCheng->setText(XueXiLogList[row]->T_KeCheng);
    lblJJZhangJie->setText(XueXiLogList[row]->T_ZhangJie);
}

void TMainForm::SpeedButton26Click()
{
    // Every record goes at once and cannot come back: the learner confirms first.
    if (!MessageBox::question(this, QStringLiteral("确认清除"),
                              QStringLiteral("确定要清除全部学习记录吗？清除后不能恢复。")))
        return;
    // A failed delete leaves list and views as they were.
    if (!guarded(this, [this] { m_dm->DeleteXueXiLog(); }))
        return;
    XueXiLogList.clear();
    sbXXXQXClick();
}

void TMainForm::cb3DClick()
{
    // The curve is redrawn from its own points, so switching needs no trip to the store.
    QList<QPointF> points;
    for (QAbstractSeries *series : Chart->series())
        if (auto *line = qobject_cast<QLineSeries *>(series))
            points = line->points();
    plotCurve(points);
}
