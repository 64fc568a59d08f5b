// Layout of the practice page: course and chapter column, chapter set-up, result of a run,
// and the essentials / wrong-question set-up with its period chooser.
#include "ui/main/UnitMain.h"

#include "ui/Controls.h"
#include "ui/FlatButtons.h"
#include "ui/main/PracticeViewsInternal.h"
#include "ui/main/ResultViewsInternal.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <tuple>
#include <utility>

using PracticeViews::AnalysisBothCaption;
using PracticeViews::NoChapter;

namespace {

const QString FontPreview = QStringLiteral("字体大小预览");
const QString SpeedControl = QStringLiteral("速度控制，每题");
const QString SecondsBeforeSwitch = QStringLiteral("秒后强制切换");
const QString SecondsTip = QStringLiteral("每题停留的秒数，到时自动切换到下一题");
const QString FontSizeTip = QStringLiteral("练习窗口中题目文字的大小（磅）");

// The chapter column grows with the window, so that long chapter names show whole where there
// is room; the chapter buttons follow its width.
constexpr int ChapterColumnMinWidth = 264;
constexpr int ChapterColumnMaxWidth = 420;

// The page's buttons show their caption only and take the focus by Tab and by click.
const Controls::ButtonLook PageButton{.style = Qt::ToolButtonTextOnly,
                                      .focus = Qt::StrongFocus,
                                      .handCursor = true,
                                      .minimumSize = {96, 30}};
// The two review buttons fill the chapter column.
const Controls::ButtonLook ColumnButton{.style = Qt::ToolButtonTextOnly,
                                        .focus = Qt::StrongFocus,
                                        .handCursor = true,
                                        .fillWidth = true,
                                        .minimumSize = {96, 34}};
const Controls::ButtonLook StartButton{.style = Qt::ToolButtonTextOnly,
                                       .focus = Qt::StrongFocus,
                                       .handCursor = true,
                                       .minimumSize = {140, 36}};

// Enter on a focused button activates it, as Space does.
class EnterClicks : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            auto *button = qobject_cast<QAbstractButton *>(watched);
            if (button && button->isEnabled() && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
                button->click();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

// Keeps an overlay exactly over another widget of the same parent (the period chooser over
// the settings of the review box), whatever the window size.
class OverlayFollower : public QObject
{
public:
    OverlayFollower(QWidget *overlay, QWidget *target) : QObject(overlay), m_overlay(overlay), m_target(target)
    {
        target->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_target && (event->type() == QEvent::Resize || event->type() == QEvent::Move)) {
            m_overlay->setGeometry(m_target->geometry());
            m_overlay->raise();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget *m_overlay;
    QWidget *m_target;
};

QLabel *preview(QWidget *parent, const QString &name, int points)
{
    QLabel *l = Controls::label(parent, name, FontPreview);
    l->setFrameShape(QFrame::StyledPanel);
    l->setAlignment(Qt::AlignCenter);
    // Tall enough for the largest size, so the page does not jump while the size changes.
    l->setFixedSize(150, 36);
    Controls::setPointSize(l, points);
    return l;
}

// The three explanatory lines that head both set-up boxes; returns the first line's caption
// and text, which the review box changes with the kind of review.
std::pair<QLabel *, QLabel *> addExplanations(QWidget *box, QVBoxLayout *column)
{
    column->addWidget(Controls::boldLabel(box, QString(), QStringLiteral("练习设置"), 12));
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setColumnStretch(1, 1);
    const QString lines[][2] = {
        {QStringLiteral("章节练习："),
         QStringLiteral("提供了所有该课程内所有章节试题，用户选中其中一个章节进行该章节内所有试题的练习。")},
        {QStringLiteral("出题数量："), QStringLiteral("用户可以选择章节内所有题或部分试题进行练习。")},
        {QStringLiteral("练习设置："), QStringLiteral("用户可以设置从第一题或是第几题开始练习以及每题切换强制时间。")},
    };
    int row = 0;
    std::pair<QLabel *, QLabel *> first{};
    for (const auto &line : lines) {
        QLabel *caption = Controls::boldLabel(box, QString(), line[0]);
        caption->setAlignment(Qt::AlignRight | Qt::AlignTop);
        auto *text = new QLabel(line[1], box);
        text->setWordWrap(true);
        grid->addWidget(caption, row, 0);
        grid->addWidget(text, row, 1);
        if (row == 0)
            first = {caption, text};
        ++row;
    }
    column->addLayout(grid);
    return first;
}

// One line "caption count trailer" of a count box.
void addCountRow(QGridLayout *grid, int row, QWidget *caption, QLabel *count, const QString &trailer,
                 int column = 0)
{
    grid->addWidget(caption, row, column, Qt::AlignRight);
    count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    count->setMinimumWidth(36);
    grid->addWidget(count, row, column + 1);
    if (!trailer.isEmpty())
        grid->addWidget(new QLabel(trailer, count->parentWidget()), row, column + 2);
}

// One line "caption [spin box]" of a settings box; the caption names the spin box.
QSpinBox *addSpinRow(QGridLayout *grid, int row, QWidget *box, const QString &caption, const QString &name,
                     int minimum, int maximum, int value, const QString &tip)
{
    auto *captionLabel = new QLabel(caption, box);
    QSpinBox *spin = Controls::spinBox(box, name, minimum, maximum, value, tip);
    captionLabel->setBuddy(spin);
    grid->addWidget(captionLabel, row, 0, Qt::AlignRight);
    grid->addWidget(spin, row, 1);
    return spin;
}

// The text size of the practice window, with a sample beside it.
std::pair<QSpinBox *, QLabel *> addFontRow(QGridLayout *grid, int row, QWidget *box, const QString &spinName,
                                           const QString &previewName)
{
    QSpinBox *size = addSpinRow(grid, row, box, QStringLiteral("字体大小："), spinName, 9, 16, 12, FontSizeTip);
    QLabel *sample = preview(box, previewName, size->value());
    grid->addWidget(sample, row, 2, 1, 2, Qt::AlignLeft);
    return {size, sample};
}

// "速度控制，每题 [seconds] 秒后强制切换": forced switching and its time.
std::pair<QCheckBox *, QSpinBox *> addSpeedRow(QGridLayout *grid, int row, QWidget *box, const QString &checkName,
                                               bool checked, const QString &spinName, Qt::Alignment checkAlignment)
{
    QCheckBox *onOff = Controls::checkBox(box, checkName, SpeedControl, checked);
    QSpinBox *seconds = Controls::spinBox(box, spinName, 0, 2000, 1000, SecondsTip);
    grid->addWidget(onOff, row, 0, checkAlignment);
    grid->addWidget(seconds, row, 1);
    grid->addWidget(new QLabel(SecondsBeforeSwitch, box), row, 2);
    return {onOff, seconds};
}

} // namespace

void TMainForm::buildPracticeView()
{
    m_enterClicks = new EnterClicks(this);
    auto enterable = [this](QAbstractButton *b) { b->installEventFilter(m_enterClicks); };

    auto *page = new QHBoxLayout(PanelZJLX);
    page->setContentsMargins(8, 8, 8, 8);
    page->setSpacing(8);

    // Left column: course, chapters, the two review buttons.
    QGroupBox *GroupBox1 = Controls::groupBox(PanelZJLX, QStringLiteral("GroupBox1"), QStringLiteral("章节信息"));
    auto *left = new QVBoxLayout(GroupBox1);
    auto *courseRow = new QHBoxLayout;
    auto *courseCaption = new QLabel(QStringLiteral("课程信息"), GroupBox1);
    cbKeCheng = new QComboBox(GroupBox1);
    cbKeCheng->setObjectName(QStringLiteral("cbKeCheng"));
    cbKeCheng->setToolTip(QStringLiteral("选择要练习的课程"));
    cbKeCheng->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cbKeCheng->setMinimumContentsLength(8);
    courseCaption->setBuddy(cbKeCheng);
    courseRow->addWidget(courseCaption);
    courseRow->addWidget(cbKeCheng, 1);
    left->addLayout(courseRow);

    QGroupBox *GroupBox2 = Controls::groupBox(GroupBox1, QStringLiteral("GroupBox2"), QStringLiteral("章节列表"));
    auto *chapters = new QVBoxLayout(GroupBox2);
    chapters->setContentsMargins(4, 4, 4, 4);
    ScrollBoxZhangJie = Controls::scrollColumn(GroupBox2, QStringLiteral("ScrollBoxZhangJie"));
    ScrollBoxZhangJie->setMinimumWidth(ChapterColumnMinWidth);
    ScrollBoxZhangJie->setMaximumWidth(ChapterColumnMaxWidth);
    // A slim bar: the buttons end 10 px before the right edge and stay clear of it.
    ScrollBoxZhangJie->verticalScrollBar()->setStyleSheet(QStringLiteral(
        "QScrollBar:vertical { width: 8px; background: transparent; margin: 0; }"
        "QScrollBar::handle:vertical { background: #b4c4d4; border-radius: 4px; min-height: 24px; }"
        "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
        "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }"));
    ScrollBoxZhangJie->setWidget(Controls::panel(nullptr, QStringLiteral("ScrollBoxZhangJieContents")));
    // The chosen chapter keeps its mark when the list loses the focus.
    ScrollBoxZhangJie->widget()->setStyleSheet(QStringLiteral(
        "QToolButton:checked { background: #d6eaf6; border: 1px solid #8fc1de; border-radius: 3px; }"));
    FitFlatButtonsToWidth(ScrollBoxZhangJie->widget(), 20);
    chapters->addWidget(ScrollBoxZhangJie);
    left->addWidget(GroupBox2, 1);

    SpeedButton24 = Controls::button(GroupBox1, QStringLiteral("SpeedButton24"), QStringLiteral("精华试题"),
                                     QStringLiteral("练习所有标为精华的试题"), ColumnButton);
    SpeedButton27 = Controls::button(GroupBox1, QStringLiteral("SpeedButton27"), QStringLiteral("错题复习"),
                                     QStringLiteral("练习选定时间以来答错的试题"), ColumnButton);
    for (QToolButton *b : {SpeedButton24, SpeedButton27}) {
        left->addWidget(b);
        enterable(b);
    }
    page->addWidget(GroupBox1, 1);

    PracticeArea = new QStackedWidget(PanelZJLX);
    PracticeArea->setObjectName(QStringLiteral("PracticeArea"));
    page->addWidget(PracticeArea, 2);

    // Chapter set-up.
    gbTiKuXinXi = Controls::groupBox(PracticeArea, QStringLiteral("gbTiKuXinXi"), QStringLiteral("题库信息"));
    {
        auto *column = new QVBoxLayout(gbTiKuXinXi);
        column->setSpacing(10);
        addExplanations(gbTiKuXinXi, column);
        auto *boxes = new QHBoxLayout;

        QGroupBox *counts =
            Controls::groupBox(gbTiKuXinXi, QStringLiteral("GroupBoxTiKu"), QStringLiteral("本章练习题库信息"));
        auto *cg = new QGridLayout(counts);
        cg->setColumnStretch(3, 1);
        cg->addWidget(new QLabel(QStringLiteral("当前章节："), counts), 0, 0, Qt::AlignRight);
        lblXuanZeZhangJie = Controls::boldLabel(counts, QStringLiteral("lblXuanZeZhangJie"), NoChapter);
        lblXuanZeZhangJie->setWordWrap(true);
        cg->addWidget(lblXuanZeZhangJie, 0, 1, 1, 3);
        lblZhangJieCnt = Controls::label(counts, QStringLiteral("lblZhangJieCnt"), QStringLiteral("0"));
        lblZJDanXuanCnt = Controls::label(counts, QStringLiteral("lblZJDanXuanCnt"), QStringLiteral("0"));
        lblZJDuoXuanCnt = Controls::label(counts, QStringLiteral("lblZJDuoXuanCnt"), QStringLiteral("0"));
        lblZJPanDuanCnt = Controls::label(counts, QStringLiteral("lblZJPanDuanCnt"), QStringLiteral("0"));
        lblfenxi = Controls::label(counts, QStringLiteral("lblfenxi"), QStringLiteral("计算分析题："));
        lblZJFenxiCnt = Controls::label(counts, QStringLiteral("lblZJFenxiCnt"), QStringLiteral("0"));
        addCountRow(cg, 1, new QLabel(QStringLiteral("共有："), counts), lblZhangJieCnt, QStringLiteral("题"));
        addCountRow(cg, 2, new QLabel(QStringLiteral("单选题："), counts), lblZJDanXuanCnt,
                    QStringLiteral("题，每题1分"));
        addCountRow(cg, 3, new QLabel(QStringLiteral("多选题："), counts), lblZJDuoXuanCnt,
                    QStringLiteral("题，每题2分"));
        addCountRow(cg, 4, new QLabel(QStringLiteral("判断题："), counts), lblZJPanDuanCnt,
                    QStringLiteral("题，每题1分"));
        addCountRow(cg, 5, lblfenxi, lblZJFenxiCnt, QStringLiteral("题"));
        cg->setRowStretch(6, 1);
        boxes->addWidget(counts, 2);

        QGroupBox *choices =
            Controls::groupBox(gbTiKuXinXi, QStringLiteral("GroupBoxSheZhi"), QStringLiteral("本次练习设置"));
        auto *sg = new QGridLayout(choices);
        sg->setColumnStretch(3, 1);
        cbZhangJieAll = Controls::checkBox(choices, QStringLiteral("cbZhangJieAll"), QStringLiteral("全部习题"), true,
                                           QStringLiteral("勾选时按四个数量框中的题数练习"));
        sg->addWidget(cbZhangJieAll, 0, 0, 1, 3);
        cbDanXuan = Controls::checkBox(choices, QStringLiteral("cbDanXuan"), QStringLiteral("单选题："));
        cbDuoXuan = Controls::checkBox(choices, QStringLiteral("cbDuoXuan"), QStringLiteral("多选题："));
        cbPanDuan = Controls::checkBox(choices, QStringLiteral("cbPanDuan"), QStringLiteral("判断题："));
        cbFenXi = Controls::checkBox(choices, QStringLiteral("cbFenXi"), QStringLiteral("计算分析题："));
        const QString amountTip = QStringLiteral("本次练习的题数");
        seDanXunShuLiang = Controls::spinBox(choices, QStringLiteral("seDanXunShuLiang"), 0, 5000, 0, amountTip);
        seDuoXuanShuLiang = Controls::spinBox(choices, QStringLiteral("seDuoXuanShuLiang"), 0, 5000, 0, amountTip);
        sePanDuanShuLiang = Controls::spinBox(choices, QStringLiteral("sePanDuanShuLiang"), 0, 5000, 0, amountTip);
        seFenXiShuLiang = Controls::spinBox(choices, QStringLiteral("seFenXiShuLiang"), 0, 5000, 0, amountTip);
        const std::pair<QCheckBox *, QSpinBox *> types[] = {{cbDanXuan, seDanXunShuLiang},
                                                           {cbDuoXuan, seDuoXuanShuLiang},
                                                           {cbPanDuan, sePanDuanShuLiang},
                                                           {cbFenXi, seFenXiShuLiang}};
        int row = 1;
        for (const auto &[box, amount] : types) {
            box->setEnabled(false);
            amount->setEnabled(false);
            sg->addWidget(box, row, 0);
            sg->addWidget(amount, row, 1);
            ++row;
        }
        std::tie(cbDaTiSuDu, seQieHuanMiaoShu) = addSpeedRow(sg, row++, choices, QStringLiteral("cbDaTiSuDu"), true,
                                                             QStringLiteral("seQieHuanMiaoShu"), Qt::Alignment());
        cbShunXu = Controls::checkBox(choices, QStringLiteral("cbShunXu"), QStringLiteral("随机排列题目和选项顺序"), true);
        sg->addWidget(cbShunXu, row++, 0, 1, 3);
        std::tie(seZiTiDaXiao, pnlZitiYuLan) =
            addFontRow(sg, row++, choices, QStringLiteral("seZiTiDaXiao"), QStringLiteral("pnlZitiYuLan"));
        sg->setRowStretch(row, 1);
        boxes->addWidget(choices, 3);
        column->addLayout(boxes);

        sbKaiShiLianXi = Controls::button(gbTiKuXinXi, QStringLiteral("sbKaiShiLianXi"), QStringLiteral("开始练习"),
                                          QStringLiteral("按以上设置开始本章练习"), StartButton);
        sbKaiShiLianXi->setEnabled(false);
        enterable(sbKaiShiLianXi);
        column->addWidget(sbKaiShiLianXi, 0, Qt::AlignHCenter);
        column->addStretch(1);
    }
    PracticeArea->addWidget(gbTiKuXinXi);

    // Result of the last run.
    gbRes = Controls::groupBox(PracticeArea, QStringLiteral("gbRes"), QStringLiteral("练习成绩"));
    {
        auto *column = new QVBoxLayout(gbRes);
        column->setSpacing(10);
        column->addWidget(Controls::boldLabel(gbRes, QStringLiteral("Label9"), QStringLiteral("本次练习成绩"), 14));
        auto *grid = new QGridLayout;
        grid->setHorizontalSpacing(16);
        grid->setVerticalSpacing(8);
        grid->setColumnStretch(4, 1);
        lblResKeCheng = Controls::label(gbRes, QStringLiteral("lblResKeCheng"));
        lblResZhangJie = Controls::label(gbRes, QStringLiteral("lblResZhangJie"));
        lblResKaiShi = Controls::label(gbRes, QStringLiteral("lblResKaiShi"));
        lblResYongShi = Controls::label(gbRes, QStringLiteral("lblResYongShi"));
        grid->addWidget(Controls::boldLabel(gbRes, QStringLiteral("Label21"), QStringLiteral("练习课程")), 0, 0);
        grid->addWidget(lblResKeCheng, 0, 1);
        grid->addWidget(Controls::boldLabel(gbRes, QStringLiteral("Label25"), QStringLiteral("练习章节")), 0, 2);
        grid->addWidget(lblResZhangJie, 0, 3);
        grid->addWidget(Controls::boldLabel(gbRes, QStringLiteral("Label26"), QStringLiteral("开始时间")), 1, 0);
        grid->addWidget(lblResKaiShi, 1, 1);
        grid->addWidget(Controls::boldLabel(gbRes, QStringLiteral("Label27"), QStringLiteral("练习用时")), 1, 2);
        grid->addWidget(lblResYongShi, 1, 3);
        const ResultViews::FigureLabels figures = ResultViews::addFigureLabels(gbRes, grid, column, QStringLiteral("Res"));
        lblResZongGong = figures.total;
        lblResYiDa = figures.done;
        lblResWeiDa = figures.notDone;
        lblResDui = figures.right;
        lblResCuo = figures.wrong;
        lblResManFen = figures.full;
        lblResDeFen = figures.earned;
        lblResZhengQueLv = figures.rate;

        auto *reviews = new QHBoxLayout;
        SpeedButton14 = Controls::button(gbRes, QStringLiteral("SpeedButton14"), QStringLiteral("查看所有答案"),
                                         QStringLiteral("逐题查看本次练习的全部试题及答案"), PageButton);
        SpeedButton15 = Controls::button(gbRes, QStringLiteral("SpeedButton15"), QStringLiteral("查看错题"),
                                         QStringLiteral("只看答错的试题（没有作答的题在“未做题目”里）"), PageButton);
        SpeedButton16 = Controls::button(gbRes, QStringLiteral("SpeedButton16"), QStringLiteral("查看对题"),
                                         QStringLiteral("只看答对的试题"), PageButton);
        SpeedButton17 = Controls::button(gbRes, QStringLiteral("SpeedButton17"), QStringLiteral("未做题目"),
                                         QStringLiteral("只看没有作答的试题"), PageButton);
        SpeedButton18 = Controls::button(gbRes, QStringLiteral("SpeedButton18"), QStringLiteral("重新练习"),
                                         QStringLiteral("清除答案，把本次试题从头再做一遍"), PageButton);
        for (QToolButton *b : {SpeedButton14, SpeedButton15, SpeedButton16, SpeedButton17, SpeedButton18}) {
            reviews->addWidget(b);
            enterable(b);
        }
        reviews->addStretch(1);
        column->addSpacing(8);
        column->addLayout(reviews);
        column->addStretch(1);
    }
    PracticeArea->addWidget(gbRes);

    // Essentials and wrong-question review.
    gbJHCT = Controls::groupBox(PracticeArea, QStringLiteral("gbJHCT"), QStringLiteral("精华类复习"));
    {
        auto *column = new QVBoxLayout(gbJHCT);
        column->setSpacing(10);
        std::tie(lblJHCTKindCaption, lblJHCTKindText) = addExplanations(gbJHCT, column);

        auto *counts = new QFrame(gbJHCT);
        counts->setObjectName(QStringLiteral("PanelJHCTCnt"));
        counts->setFrameShape(QFrame::StyledPanel);
        auto *cg = new QGridLayout(counts);
        cg->setColumnMinimumWidth(3, 24);
        cg->setColumnStretch(6, 1);
        cg->addWidget(new QLabel(QStringLiteral("当前章节："), counts), 0, 0, Qt::AlignRight);
        lblJHCT_CAP = Controls::boldLabel(counts, QStringLiteral("lblJHCT_CAP"), NoChapter);
        cg->addWidget(lblJHCT_CAP, 0, 1, 1, 6);
        lblJHCT_all = Controls::label(counts, QStringLiteral("lblJHCT_all"), QStringLiteral("0"));
        lblJHCT_danxuan = Controls::label(counts, QStringLiteral("lblJHCT_danxuan"), QStringLiteral("0"));
        lblJHCT_duoxuan = Controls::label(counts, QStringLiteral("lblJHCT_duoxuan"), QStringLiteral("0"));
        lblJHCT_panduan = Controls::label(counts, QStringLiteral("lblJHCT_panduan"), QStringLiteral("0"));
        lblJHCT_fenxi = Controls::label(counts, QStringLiteral("lblJHCT_fenxi"), QStringLiteral("0"));
        addCountRow(cg, 1, new QLabel(QStringLiteral("本次共计有："), counts), lblJHCT_all, QStringLiteral("题"));
        addCountRow(cg, 2, new QLabel(QStringLiteral("单选题："), counts), lblJHCT_danxuan,
                    QStringLiteral("题，每题1分"));
        addCountRow(cg, 2, new QLabel(QStringLiteral("多选题："), counts), lblJHCT_duoxuan,
                    QStringLiteral("题，每题2分"), 4);
        addCountRow(cg, 3, new QLabel(QStringLiteral("判断题："), counts), lblJHCT_panduan,
                    QStringLiteral("题，每题1分"));
        // Flagged or wrong questions may come from both courses: the count holds both kinds.
        auto *analysis = new QLabel(AnalysisBothCaption, counts);
        analysis->setToolTip(QStringLiteral("计算分析题和案例分析题"));
        addCountRow(cg, 3, analysis, lblJHCT_fenxi, QStringLiteral("题，每题10分"), 4);
        column->addWidget(counts);

        QGroupBox *settings =
            Controls::groupBox(gbJHCT, QStringLiteral("GroupBoxTiMuSheZhi"), QStringLiteral("题目设置"));
        auto *sg = new QGridLayout(settings);
        sg->setColumnStretch(4, 1);
        int row = 0;
        seJHCT_select = addSpinRow(sg, row++, settings, QStringLiteral("本次练习题目数量："),
                                   QStringLiteral("seJHCT_select"), 1, 2000, 1, QStringLiteral("练习到第几题为止"));
        seJHCT_start = addSpinRow(sg, row, settings, QStringLiteral("从第"), QStringLiteral("seJHCT_start"), 1, 2000,
                                  1, QStringLiteral("从第几题开始练习"));
        sg->addWidget(new QLabel(QStringLiteral("题开始"), settings), row++, 2);
        std::tie(cbJHCTDaTiSuDu, seJHCTQieHuanMiaoShu) =
            addSpeedRow(sg, row++, settings, QStringLiteral("cbJHCTDaTiSuDu"), false,
                        QStringLiteral("seJHCTQieHuanMiaoShu"), Qt::AlignRight);
        std::tie(seJHCT_fontsize, pnlJHCTZitiYuLan) =
            addFontRow(sg, row++, settings, QStringLiteral("seJHCT_fontsize"), QStringLiteral("pnlJHCTZitiYuLan"));
        sbJHCTKaiShiLianXi = Controls::button(settings, QStringLiteral("sbJHCTKaiShiLianXi"),
                                              QStringLiteral("开始练习"), QStringLiteral("按以上设置开始复习"),
                                              StartButton);
        sbJHCTKaiShiLianXi->setEnabled(false);
        enterable(sbJHCTKaiShiLianXi);
        sg->addWidget(sbJHCTKaiShiLianXi, row++, 0, 1, 5, Qt::AlignHCenter);
        column->addWidget(settings);
        column->addStretch(1);

        // The period chooser lies over the settings until a period is confirmed or cancelled.
        auto *periods = new QFrame(gbJHCT);
        periods->setObjectName(QStringLiteral("pnlCTZQ"));
        periods->setFrameShape(QFrame::StyledPanel);
        periods->setAutoFillBackground(true);
        pnlCTZQ = periods;
        auto *chooser = new QVBoxLayout(pnlCTZQ);
        chooser->setContentsMargins(24, 16, 24, 16);
        chooser->addStretch(1);
        const std::tuple<QRadioButton **, const char *, QString> choices[] = {
            {&rbToDay, "rbToDay", QStringLiteral("当天错题")},
            {&rbWeek, "rbWeek", QStringLiteral("最近一周错题")},
            {&rbMonth, "rbMonth", QStringLiteral("最近一月错题")},
            {&rbAll, "rbAll", QStringLiteral("所有错题")},
        };
        for (const auto &[radio, name, caption] : choices) {
            *radio = new QRadioButton(caption, pnlCTZQ);
            (*radio)->setObjectName(QString::fromLatin1(name));
            chooser->addWidget(*radio);
        }
        rbToDay->setChecked(true);
        auto *confirm = new QHBoxLayout;
        SpeedButton28 = Controls::button(pnlCTZQ, QStringLiteral("SpeedButton28"), QStringLiteral("确定"),
                                         QStringLiteral("统计所选时间段内的错题"), PageButton);
        SpeedButton29 = Controls::button(pnlCTZQ, QStringLiteral("SpeedButton29"), QStringLiteral("取消"),
                                         QStringLiteral("不选择时间段"), PageButton);
        for (QToolButton *b : {SpeedButton28, SpeedButton29}) {
            confirm->addWidget(b);
            enterable(b);
        }
        confirm->addStretch(1);
        chooser->addLayout(confirm);
        chooser->addStretch(1);
        new OverlayFollower(pnlCTZQ, settings);
        pnlCTZQ->raise();
    }
    PracticeArea->addWidget(gbJHCT);
    PracticeArea->setCurrentWidget(gbTiKuXinXi);

    // Keyboard order follows the reading order; the overlay's controls come right after the
    // review buttons that open it.
    QWidget *order[] = {cbKeCheng, SpeedButton24, SpeedButton27, rbToDay, rbWeek, rbMonth, rbAll,
                        SpeedButton28, SpeedButton29, seJHCT_select, seJHCT_start, cbJHCTDaTiSuDu,
                        seJHCTQieHuanMiaoShu, seJHCT_fontsize, sbJHCTKaiShiLianXi};
    for (size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);

    connect(cbKeCheng, &QComboBox::currentIndexChanged, this, [this] { cbKeChengChange(); });
    connect(cbZhangJieAll, &QCheckBox::toggled, this, [this] { cbZhangJieAllClick(); });
    connect(seZiTiDaXiao, &QSpinBox::valueChanged, this, [this] { seZiTiDaXiaoChange(); });
    connect(sbKaiShiLianXi, &QToolButton::clicked, this, [this] { sbKaiShiLianXiClick(); });
    connect(SpeedButton14, &QToolButton::clicked, this, [this] { SpeedButton14Click(); });
    connect(SpeedButton15, &QToolButton::clicked, this, [this] { SpeedButton15Click(); });
    connect(SpeedButton16, &QToolButton::clicked, this, [this] { SpeedButton16Click(); });
    connect(SpeedButton17, &QToolButton::clicked, this, [this] { SpeedButton17Click(); });
    connect(SpeedButton18, &QToolButton::clicked, this, [this] { SpeedButton18Click(); });
    connect(SpeedButton24, &QToolButton::clicked, this, [this] { SpeedButton24Click(); });
    connect(SpeedButton27, &QToolButton::clicked, this, [this] { SpeedButton27Click(); });
    connect(SpeedButton28, &QToolButton::clicked, this, [this] { SpeedButton28Click(); });
    connect(SpeedButton29, &QToolButton::clicked, this, [this] { SpeedButton29Click(); });
    connect(sbJHCTKaiShiLianXi, &QToolButton::clicked, this, [this] { sbJHCTKaiShiLianXiClick(); });
    connect(seJHCT_fontsize, &QSpinBox::valueChanged, this, [this] { seJHCT_fontsizeChange(); });
}
