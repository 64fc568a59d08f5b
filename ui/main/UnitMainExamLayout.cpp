// Layout of the exam page: course and paper column with the random exam, and the set-up view
// with the paper's counts, the exam length, timing and font size, and the start button.
#include "ui/main/UnitMain.h"

#include "ui/Controls.h"
#include "ui/main/ResultViewsInternal.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Width of the paper column; the paper buttons are sized from it before the page is ever laid
// out, so it must not depend on the window size.
constexpr int PaperColumnWidth = 264;

const Controls::ButtonLook ColumnButton{.style = Qt::ToolButtonTextOnly,
                                        .focus = Qt::StrongFocus,
                                        .handCursor = true,
                                        .fillWidth = true,
                                        .minimumSize = {96, 34}};
const Controls::ButtonLook StartButton{.style = Qt::ToolButtonTextOnly,
                                       .focus = Qt::StrongFocus,
                                       .handCursor = true,
                                       .minimumSize = {140, 36}};
// The result's review buttons show their caption only and take the focus by Tab and by click.
const Controls::ButtonLook PageButton{.style = Qt::ToolButtonTextOnly,
                                      .focus = Qt::StrongFocus,
                                      .handCursor = true,
                                      .minimumSize = {96, 30}};

// "caption count trailer" in a count grid.
void addCount(QGridLayout *grid, int row, int column, QLabel *caption, QLabel *count, const QString &trailer)
{
    grid->addWidget(caption, row, column, Qt::AlignRight);
    count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    count->setMinimumWidth(36);
    grid->addWidget(count, row, column + 1);
    grid->addWidget(new QLabel(trailer, count->parentWidget()), row, column + 2);
}

} // namespace

void TMainForm::buildExamView()
{
    PanelKaoShi = Controls::panel(Content, QStringLiteral("PanelKaoShi"));
    auto *page = new QHBoxLayout(PanelKaoShi);
    page->setContentsMargins(8, 8, 8, 8);
    page->setSpacing(8);

    // Left column: course, papers, random exam.
    QGroupBox *GroupBox5 = Controls::groupBox(PanelKaoShi, QStringLiteral("GroupBox5"), QStringLiteral("考试信息"));
    auto *left = new QVBoxLayout(GroupBox5);
    auto *courseRow = new QHBoxLayout;
    QLabel *Label73 = Controls::label(GroupBox5, QStringLiteral("Label73"), QStringLiteral("课程名称"));
    cbKaoShi = new QComboBox(GroupBox5);
    cbKaoShi->setObjectName(QStringLiteral("cbKaoShi"));
    cbKaoShi->setToolTip(QStringLiteral("选择要考试的课程"));
    cbKaoShi->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cbKaoShi->setMinimumContentsLength(8);
    Label73->setBuddy(cbKaoShi);
    courseRow->addWidget(Label73);
    courseRow->addWidget(cbKaoShi, 1);
    left->addLayout(courseRow);

    QGroupBox *GroupBox6 =
        Controls::groupBox(GroupBox5, QStringLiteral("GroupBox6"), QStringLiteral("试卷名称列表"));
    auto *papers = new QVBoxLayout(GroupBox6);
    papers->setContentsMargins(4, 4, 4, 4);
    ScrollBoxKaoShi = Controls::scrollColumn(GroupBox6, QStringLiteral("ScrollBoxKaoShi"));
    ScrollBoxKaoShi->setFixedWidth(PaperColumnWidth);
    // A slim bar: the buttons end 10 px before the right edge and stay clear of it.
    ScrollBoxKaoShi->verticalScrollBar()->setStyleSheet(QStringLiteral(
        "QScrollBar:vertical { width: 8px; background: transparent; margin: 0; }"
        "QScrollBar::handle:vertical { background: #b4c4d4; border-radius: 4px; min-height: 24px; }"
        "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
        "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }"));
    ScrollBoxKaoShi->setWidget(Controls::panel(nullptr, QStringLiteral("ScrollBoxKaoShiContents")));
    papers->addWidget(ScrollBoxKaoShi);
    left->addWidget(GroupBox6, 1);
    SpeedButton30 = Controls::button(GroupBox5, QStringLiteral("SpeedButton30"), QStringLiteral("随机考试"),
                                     QStringLiteral("从本课程的全部题目中随机抽题组成一份试卷进行考试"), ColumnButton);
    SpeedButton30->installEventFilter(m_enterClicks);
    left->addWidget(SpeedButton30);
    page->addWidget(GroupBox5);

    KaoShiArea = new QStackedWidget(PanelKaoShi);
    KaoShiArea->setObjectName(QStringLiteral("KaoShiArea"));
    page->addWidget(KaoShiArea, 1);

    dbKaoShiInfo = Controls::groupBox(KaoShiArea, QStringLiteral("dbKaoShiInfo"), QStringLiteral("模拟考试信息"));
    auto *column = new QVBoxLayout(dbKaoShiInfo);
    column->setSpacing(10);
    column->addWidget(Controls::boldLabel(dbKaoShiInfo, QString(), QStringLiteral("试卷设置"), 12));
    auto *notes = new QGridLayout;
    notes->setHorizontalSpacing(6);
    notes->setColumnStretch(1, 1);
    const QString lines[][2] = {
        {QStringLiteral("模拟试卷："), QStringLiteral("提供了有代表性的考试题目，综合考评用户通过模拟考试可以了解知识")},
        {QStringLiteral("出题数量："), QStringLiteral("默认为试卷内所有题目")},
        {QStringLiteral("练习设置："), QStringLiteral("用户可以设置考试中是否计时")},
    };
    for (int row = 0; row < 3; ++row) {
        QLabel *caption = Controls::boldLabel(dbKaoShiInfo, QString(), lines[row][0]);
        caption->setAlignment(Qt::AlignRight | Qt::AlignTop);
        QLabel *text = Controls::label(dbKaoShiInfo, QString(), lines[row][1]);
        text->setWordWrap(true);
        notes->addWidget(caption, row, 0);
        notes->addWidget(text, row, 1);
    }
    column->addLayout(notes);

    QGroupBox *paper = Controls::groupBox(dbKaoShiInfo, QStringLiteral("GroupBoxKSJuan"), QStringLiteral("本次考试试卷"));
    auto *pg = new QGridLayout(paper);
    pg->setColumnMinimumWidth(3, 24);
    pg->setColumnStretch(6, 1);
    pg->addWidget(Controls::label(paper, QString(), QStringLiteral("当前试卷：")), 0, 0, Qt::AlignRight);
    lblKaoShiJuan = Controls::boldLabel(paper, QStringLiteral("lblKaoShiJuan"), QStringLiteral("请选择试卷名称"));
    lblKaoShiJuan->setWordWrap(true);
    pg->addWidget(lblKaoShiJuan, 0, 1, 1, 6);
    lblKaoshiCnt = Controls::label(paper, QStringLiteral("lblKaoshiCnt"), QStringLiteral("0"));
    lblKSDanXuanCnt = Controls::label(paper, QStringLiteral("lblKSDanXuanCnt"), QStringLiteral("0"));
    lblKSDuoXuanCnt = Controls::label(paper, QStringLiteral("lblKSDuoXuanCnt"), QStringLiteral("0"));
    lblKSPanDuanCnt = Controls::label(paper, QStringLiteral("lblKSPanDuanCnt"), QStringLiteral("0"));
    lblFenXiTi = Controls::label(paper, QStringLiteral("lblFenXiTi"), QStringLiteral("计算分析题："));
    lblKSFenXiCnt = Controls::label(paper, QStringLiteral("lblKSFenXiCnt"), QStringLiteral("0"));
    addCount(pg, 1, 0, Controls::label(paper, QString(), QStringLiteral("本次共计有：")), lblKaoshiCnt,
             QStringLiteral("题"));
    addCount(pg, 2, 0, Controls::label(paper, QString(), QStringLiteral("单选题：")), lblKSDanXuanCnt,
             QStringLiteral("题，每题1分"));
    addCount(pg, 2, 4, Controls::label(paper, QString(), QStringLiteral("多选题：")), lblKSDuoXuanCnt,
             QStringLiteral("题，每题2分"));
    addCount(pg, 3, 0, Controls::label(paper, QString(), QStringLiteral("判断题：")), lblKSPanDuanCnt,
             QStringLiteral("题，每题1分"));
    addCount(pg, 3, 4, lblFenXiTi, lblKSFenXiCnt, QStringLiteral("大题，共20分"));
    column->addWidget(paper);

    QGroupBox *settings =
        Controls::groupBox(dbKaoShiInfo, QStringLiteral("GroupBoxKSSheZhi"), QStringLiteral("本次考试设置"));
    auto *sg = new QGridLayout(settings);
    sg->setColumnStretch(4, 1);
    sg->addWidget(Controls::label(settings, QString(), QStringLiteral("本次考试需要")), 0, 0, Qt::AlignRight);
    edtKaoShiShiJian = new QLineEdit(QStringLiteral("60"), settings);
    edtKaoShiShiJian->setObjectName(QStringLiteral("edtKaoShiShiJian"));
    edtKaoShiShiJian->setReadOnly(true);
    edtKaoShiShiJian->setFocusPolicy(Qt::NoFocus);
    edtKaoShiShiJian->setAlignment(Qt::AlignCenter);
    edtKaoShiShiJian->setFixedWidth(72);
    edtKaoShiShiJian->setToolTip(QStringLiteral("模拟考试的时长固定为60分钟"));
    sg->addWidget(edtKaoShiShiJian, 0, 1);
    sg->addWidget(Controls::label(settings, QString(), QStringLiteral("分钟")), 0, 2);
    cbKaoShiJIShi = Controls::checkBox(settings, QStringLiteral("cbKaoShiJIShi"), QStringLiteral("考试中计时"), true,
                                       QStringLiteral("勾选时限时60分钟：显示剩余时间，剩5分钟时提醒，到时自动交卷；"
                                                      "不勾选则不限时，只记录用时"));
    sg->addWidget(cbKaoShiJIShi, 0, 3);
    QLabel *sizeCaption = Controls::label(settings, QString(), QStringLiteral("字体大小："));
    seKSZiTiDaXiao = Controls::spinBox(settings, QStringLiteral("seKSZiTiDaXiao"), 9, 16, 12,
                                       QStringLiteral("考试窗口中题目文字的大小（磅）"));
    sizeCaption->setBuddy(seKSZiTiDaXiao);
    pnlKSZitiYuLan = Controls::label(settings, QStringLiteral("pnlKSZitiYuLan"), QStringLiteral("字体大小预览"));
    pnlKSZitiYuLan->setFrameShape(QFrame::StyledPanel);
    pnlKSZitiYuLan->setAlignment(Qt::AlignCenter);
    // Tall enough for the largest size, so the page does not jump while the size changes.
    pnlKSZitiYuLan->setFixedSize(150, 36);
    Controls::setPointSize(pnlKSZitiYuLan, seKSZiTiDaXiao->value());
    sg->addWidget(sizeCaption, 1, 0, Qt::AlignRight);
    sg->addWidget(seKSZiTiDaXiao, 1, 1);
    sg->addWidget(pnlKSZitiYuLan, 1, 2, 1, 2, Qt::AlignLeft);
    column->addWidget(settings);

    sbKaiShiKaoShi = Controls::button(dbKaoShiInfo, QStringLiteral("sbKaiShiKaoShi"), QStringLiteral("开始考试"),
                                      QStringLiteral("按所选试卷开始模拟考试"), StartButton);
    sbKaiShiKaoShi->setEnabled(false);
    sbKaiShiKaoShi->installEventFilter(m_enterClicks);
    column->addWidget(sbKaiShiKaoShi, 0, Qt::AlignHCenter);
    column->addStretch(1);
    KaoShiArea->addWidget(dbKaoShiInfo);
    buildExamResultView();
    KaoShiArea->setCurrentWidget(dbKaoShiInfo);
    Content->addWidget(PanelKaoShi);

    QWidget *order[] = {cbKaoShi, SpeedButton30, cbKaoShiJIShi, seKSZiTiDaXiao, sbKaiShiKaoShi};
    for (size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);

    connect(cbKaoShi, &QComboBox::currentIndexChanged, this, [this] { cbKaoShiChange(); });
    connect(seKSZiTiDaXiao, &QSpinBox::valueChanged, this, [this] { seKSZiTiDaXiaoChange(); });
    connect(sbKaiShiKaoShi, &QToolButton::clicked, this, [this] { sbKaiShiKaoShiClick(); });
    connect(SpeedButton30, &QToolButton::clicked, this, [this] { SpeedButton30Click(); });
}

void TMainForm::buildExamResultView()
{
    gbKaoShi = Controls::groupBox(KaoShiArea, QStringLiteral("gbKaoShi"), QStringLiteral("练习成绩"));
    auto *column = new QVBoxLayout(gbKaoShi);
    column->setSpacing(10);
    column->addWidget(Controls::boldLabel(gbKaoShi, QStringLiteral("Label56"), QStringLiteral("本次考试成绩"), 14));
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(8);
    // A long paper name takes the room there is before it wraps.
    grid->setColumnStretch(3, 1);
    lblKaoShiKeCheng = Controls::label(gbKaoShi, QStringLiteral("lblKaoShiKeCheng"));
    lblKaoShiZhangJie = Controls::label(gbKaoShi, QStringLiteral("lblKaoShiZhangJie"));
    lblKaoShiZhangJie->setWordWrap(true);
    lblKaoShiKaiShi = Controls::label(gbKaoShi, QStringLiteral("lblKaoShiKaiShi"));
    lblKaoShiYongShi = Controls::label(gbKaoShi, QStringLiteral("lblKaoShiYongShi"));
    const std::pair<QString, QLabel *> heads[] = {{QStringLiteral("考试课程"), lblKaoShiKeCheng},
                                                  {QStringLiteral("考试章节"), lblKaoShiZhangJie},
                                                  {QStringLiteral("开始时间"), lblKaoShiKaiShi},
                                                  {QStringLiteral("考试用时"), lblKaoShiYongShi}};
    for (int i = 0; i < 4; ++i) {
        grid->addWidget(Controls::boldLabel(gbKaoShi, QString(), heads[i].first), i / 2, (i % 2) * 2);
        grid->addWidget(heads[i].second, i / 2, (i % 2) * 2 + 1);
    }
    const ResultViews::FigureLabels figures = ResultViews::addFigureLabels(gbKaoShi, grid, column, QStringLiteral("KaoShi"));
    lblKaoShiZongGong = figures.total;
    lblKaoShiYiDa = figures.done;
    lblKaoShiWeiDa = figures.notDone;
    lblKaoShiDui = figures.right;
    lblKaoShiCuo = figures.wrong;
    lblKaoShiManFen = figures.full;
    lblKaoShiDeFen = figures.earned;
    lblKaoShiZhengQueLv = figures.rate;

    // From the left: all answers, wrong, right, unanswered, the paper again.
    auto *reviews = new QHBoxLayout;
    SpeedButton23 = Controls::button(gbKaoShi, QStringLiteral("SpeedButton23"), QStringLiteral("查看所有答案"),
                                     QStringLiteral("逐题查看本次考试的全部试题及答案"), PageButton);
    SpeedButton22 = Controls::button(gbKaoShi, QStringLiteral("SpeedButton22"), QStringLiteral("查看错题"),
                                     QStringLiteral("只看答错的试题"), PageButton);
    SpeedButton21 = Controls::button(gbKaoShi, QStringLiteral("SpeedButton21"), QStringLiteral("查看对题"),
                                     QStringLiteral("只看答对的试题"), PageButton);
    SpeedButton20 = Controls::button(gbKaoShi, QStringLiteral("SpeedButton20"), QStringLiteral("未做题目"),
                                     QStringLiteral("只看没有作答的试题"), PageButton);
    SpeedButton19 = Controls::button(gbKaoShi, QStringLiteral("SpeedButton19"), QStringLiteral("重新练习"),
                                     QStringLiteral("清除答案，限时一小时把本卷重新考一遍，另记一次成绩"), PageButton);
    for (QToolButton *b : {SpeedButton23, SpeedButton22, SpeedButton21, SpeedButton20, SpeedButton19}) {
        reviews->addWidget(b);
        b->installEventFilter(m_enterClicks);
    }
    reviews->addStretch(1);
    column->addSpacing(8);
    column->addLayout(reviews);
    column->addStretch(1);
    KaoShiArea->addWidget(gbKaoShi);

    connect(SpeedButton23, &QToolButton::clicked, this, [this] { SpeedButton23Click(); });
    connect(SpeedButton22, &QToolButton::clicked, this, [this] { SpeedButton22Click(); });
    connect(SpeedButton21, &QToolButton::clicked, this, [this] { SpeedButton21Click(); });
    connect(SpeedButton20, &QToolButton::clicked, this, [this] { SpeedButton20Click(); });
    connect(SpeedButton19, &QToolButton::clicked, this, [this] { SpeedButton19Click(); });
}
