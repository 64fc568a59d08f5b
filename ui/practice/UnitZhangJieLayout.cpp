// Layout of the practice window: top strip, question area with its option boxes and button
// strip, answer strip, right-hand column and entry chooser, and their placing on resize.
#include "ui/practice/UnitZhangJie.h"

#include "ui/Controls.h"
#include "ui/entry/EntryPanels.h"
#include "ui/entry/KeMuPicker.h"
#include "ui/WrapCheckBox.h"
#include "ui/practice/ZhangJieInternal.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QTableWidget>
#include <QTextLayout>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>


namespace {


// Left and right margin of the question area; the text and the options get w - 100.
constexpr int kSideMargin = 50;
constexpr int kQuestionTop = 70;
constexpr int kButtonStripHeight = 52;
constexpr int kAnswerStripHeight = 170;

// The window's buttons: raised under the mouse, reached by Tab but not taking the focus from
// the options on a click.
const Controls::ButtonLook WindowButton{.focus = Qt::TabFocus, .autoRaise = true, .handCursor = true};
// "退出练习" fills the foot of the right-hand column.
const Controls::ButtonLook EndButton{
    .focus = Qt::TabFocus, .autoRaise = true, .handCursor = true, .fillWidth = true, .minimumSize = {0, 36}};

const char *kStyle = R"(
#frmZhangJie { background: #f4f7f9; }
#Panel2 { background: rgb(38,144,196); }
#Panel2 QLabel { color: white; }
#Label1 { font-weight: bold; }
#PanelMain, #pnlXuanTi { background: white; }
#PanelMainB { background: rgb(237,248,242); border-top: 1px solid #cfe3d8; }
#pnlAnswer { background: #fbfdfc; border-top: 2px solid rgb(38,144,196); }
#Panel4 { background: rgb(237,248,242); border-left: 1px solid #cfe3d8; }
#Panel4 QLabel { color: #2c3e4a; }
#Label13, #Label15, #Label22, #Label29, #Label30, #Label33 { color: #5d7483; }
#Panel3 { background: rgb(38,144,196); color: white; font-weight: bold; padding-left: 12px; }
#Label4 { color: rgb(38,144,196); font-weight: bold; }
#lblDiJiTiMain { color: rgb(38,144,196); font-weight: bold; }
#Label6, #Label7, #lblxzda, #Label10, #Label12, #Label3 { color: #5d7483; }
#lblAnswer { color: #1f8a4c; font-weight: bold; }
#lblPicNote { color: #b35c00; }
#lvlQieHuanLeft { color: #c0392b; font-weight: bold; }
QPlainTextEdit { border: 1px solid #d5e3ea; border-radius: 3px; background: white; padding: 4px; }
QScrollArea#ScrollBoxImage { border: 1px solid #d5e3ea; background: white; }
QGroupBox#GroupBoxCB { border: 1px solid #d5e3ea; border-radius: 3px; background: white; margin-top: 0px; padding: 0px; }
QToolButton { border: 1px solid #9cc9e0; border-radius: 4px; padding: 5px 12px; background: white; color: #1d5f82; }
QToolButton:hover { background: #e3f2fa; }
QToolButton:pressed { background: #cde6f3; }
QToolButton#sbNext, QToolButton#SpeedButton8, QToolButton#sbOK { background: rgb(38,144,196); color: white; border-color: rgb(38,144,196); }
QToolButton#sbNext:hover, QToolButton#SpeedButton8:hover, QToolButton#sbOK:hover { background: #1f7aa8; }
QTableWidget { border: 1px solid #d5e3ea; gridline-color: #e4edf2; selection-background-color: rgb(38,144,196); }
QHeaderView::section { background: rgb(237,248,242); border: none; border-bottom: 1px solid #cfe3d8; padding: 4px; }
)";

}

TfrmZhangJie::TfrmZhangJie(TDataModuleMain *dataModule, QWidget *parent) : QDialog(parent), m_dm(dataModule)
{
    setObjectName(QStringLiteral("frmZhangJie"));
    setWindowTitle(QStringLiteral("章节练习"));
    setStyleSheet(QString::fromUtf8(kStyle));
    Controls::setPointSize(this, 10);

    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);
    buildTopStrip();
    root->addWidget(Panel2);

    auto *body = new QHBoxLayout;
    body->setSpacing(0);
    auto *left = new QVBoxLayout;
    left->setSpacing(0);
    buildQuestionArea();
    buildAnswerStrip();
    left->addWidget(PanelMain, 1);
    left->addWidget(pnlAnswer);
    // The buttons stay at the foot whether the answer strip shows or not: showing it never
    // moves a button from under the pointer.
    left->addWidget(PanelMainB);
    body->addLayout(left, 1);
    buildRightColumn();
    body->addWidget(Panel4);
    root->addLayout(body, 1);
    buildChooser();

    TimerDaTi = new QTimer(this);
    TimerDaTi->setObjectName(QStringLiteral("TimerDaTi"));
    TimerDaTi->setInterval(1000);
    connect(TimerDaTi, &QTimer::timeout, this, &TfrmZhangJie::TimerDaTiTimer);

    setTextFontSize(12);
    resize(964, 682);

    // Keys reach the window from whichever control has the focus; read-only text boxes and
    // buttons would otherwise keep the arrows for themselves.
    for (QWidget *child : findChildren<QWidget *>())
        child->installEventFilter(this);
}

void TfrmZhangJie::buildTopStrip()
{
    Panel2 = Controls::styledPanel(this, QStringLiteral("Panel2"));
    Panel2->setFixedHeight(46);
    auto *row = new QHBoxLayout(Panel2);
    row->setContentsMargins(16, 4, 12, 4);
    row->setSpacing(12);
    Label1 = Controls::label(Panel2, QStringLiteral("Label1"), QStringLiteral("章节练习："));
    lblKeChengL = Controls::label(Panel2, QStringLiteral("lblKeChengL"));
    lblZhangJieL = Controls::label(Panel2, QStringLiteral("lblZhangJieL"));
    for (QLabel *caption : {Label1, lblKeChengL, lblZhangJieL})
        Controls::setPointSize(caption, 12);
    imgTrip = Controls::label(Panel2, QStringLiteral("imgTrip"));
    imgTrip->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    row->addWidget(Label1);
    row->addWidget(lblKeChengL);
    row->addWidget(lblZhangJieL);
    row->addStretch(1);
    row->addWidget(imgTrip);
}

void TfrmZhangJie::buildQuestionArea()
{
    PanelMain = Controls::styledPanel(this, QStringLiteral("PanelMain"));

    // Heading row: "题面", the question number and its type.
    m_headRow = new QWidget(PanelMain);
    auto *head = new QHBoxLayout(m_headRow);
    head->setContentsMargins(0, 0, 0, 0);
    head->setSpacing(8);
    auto *label4 = Controls::label(m_headRow, QStringLiteral("Label4"), QStringLiteral("题面"));
    lblDiJiTiMain = Controls::label(m_headRow, QStringLiteral("lblDiJiTiMain"));
    Controls::setPointSize(label4, 13);
    Controls::setPointSize(lblDiJiTiMain, 13);
    head->addWidget(label4);
    head->addWidget(lblDiJiTiMain);
    head->addSpacing(24);
    head->addWidget(Controls::label(m_headRow, QStringLiteral("Label6"), QStringLiteral("【题目类型】")));
    lblItemType = Controls::label(m_headRow, QStringLiteral("lblItemType"));
    head->addWidget(lblItemType);
    head->addStretch(1);

    m_questionRow = new QWidget(PanelMain);
    auto *question = new QHBoxLayout(m_questionRow);
    question->setContentsMargins(0, 0, 0, 0);
    question->setSpacing(12);
    question->addWidget(Controls::label(m_questionRow, QStringLiteral("Label7"), QStringLiteral("【问题】")));
    lblPicNote = Controls::label(m_questionRow, QStringLiteral("lblPicNote"));
    lblPicNote->hide();
    question->addWidget(lblPicNote);
    question->addStretch(1);

    meoItem = Controls::readOnlyMemo(PanelMain, QStringLiteral("meoItem"));
    meoItem->setContextMenuPolicy(Qt::NoContextMenu);
    meoExItem = Controls::readOnlyMemo(PanelMain, QStringLiteral("meoExItem"));
    meoExItem->setContextMenuPolicy(Qt::NoContextMenu);
    meoExItem->hide();

    ScrollBoxImage = new QScrollArea(PanelMain);
    ScrollBoxImage->setObjectName(QStringLiteral("ScrollBoxImage"));
    ScrollBoxImage->setWidgetResizable(false);
    ScrollBoxImage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    imgItem = Controls::label(nullptr, QStringLiteral("imgItem"));
    imgItem->setCursor(Qt::PointingHandCursor);
    imgItem->setToolTip(QStringLiteral("点击查看原图"));
    ScrollBoxImage->setWidget(imgItem);
    ScrollBoxImage->hide();

    lblxzda = Controls::label(PanelMain, QStringLiteral("lblxzda"), QStringLiteral("【请选择答案】"));
    lblxzda->setToolTip(QStringLiteral("可用键盘 A～F 勾选或取消选项"));

    GroupBoxCB = Controls::groupBox(PanelMain, QStringLiteral("GroupBoxCB"), QString());
    auto *groupLayout = new QVBoxLayout(GroupBoxCB);
    groupLayout->setContentsMargins(1, 1, 1, 1);
    QScrollArea *optionScroll = Controls::optionColumn(GroupBoxCB, m_boxes, [this](WrapCheckBox *box) {
        if (m_clickAttached)
            cbABCDEFClick(box);
    });
    optionScroll->widget()->setStyleSheet(QStringLiteral("#pnlOptions { background: white; }"));
    groupLayout->addWidget(optionScroll);
    QCheckBox **named[] = {&cbA, &cbB, &cbC, &cbD, &cbE, &cbF};
    for (size_t i = 0; i < m_boxes.size(); ++i)
        *named[i] = m_boxes[i];

    // A calculation question is answered in its sub-question panels, where the options go.
    ScrollBox = Controls::scrollColumn(PanelMain, QStringLiteral("ScrollBox"));
    Panel11n = new TEntryPanels;
    ScrollBox->setWidget(Panel11n);
    ScrollBox->hide();
    pnlKeMu = new TKeMuPicker(this);
    pnlKeMu->hide();
    Panel11n->setPicker(pnlKeMu);

    PanelMainB = Controls::styledPanel(this, QStringLiteral("PanelMainB"));
    PanelMainB->setFixedHeight(kButtonStripHeight);
    auto *buttons = new QHBoxLayout(PanelMainB);
    buttons->setContentsMargins(kSideMargin, 8, kSideMargin, 8);
    buttons->setSpacing(10);
    sbAnswer = Controls::button(PanelMainB, QStringLiteral("sbAnswer"), QStringLiteral("显示答案"),
                                QStringLiteral("显示或隐藏正确答案与解析"), WindowButton);
    sbMark = Controls::button(PanelMainB, QStringLiteral("sbMark"), QStringLiteral("标记本题"),
                              QStringLiteral("标记本题，本次练习中可在选题列表里看到"), WindowButton);
    sbFAV = Controls::button(PanelMainB, QStringLiteral("sbFAV"), QStringLiteral("设为精华题目"),
                             QStringLiteral("设为或取消精华题目，结束练习时保存"), WindowButton);
    SpeedButton4 = Controls::button(PanelMainB, QStringLiteral("SpeedButton4"), QStringLiteral("上一题"),
                                    QStringLiteral("上一题（← / PageUp）"), WindowButton);
    sbNext = Controls::button(PanelMainB, QStringLiteral("sbNext"), QStringLiteral("下一题"),
                              QStringLiteral("下一题（→ / PageDown）"), WindowButton);
    SpeedButton6 = Controls::button(PanelMainB, QStringLiteral("SpeedButton6"), QStringLiteral("选题"),
                                    QStringLiteral("从题目列表中选择一题"), WindowButton);
    buttons->addWidget(sbAnswer);
    buttons->addWidget(sbMark);
    buttons->addWidget(sbFAV);
    buttons->addStretch(1);
    buttons->addWidget(SpeedButton4);
    buttons->addWidget(sbNext);
    buttons->addSpacing(16);
    buttons->addWidget(SpeedButton6);
    connect(sbAnswer, &QToolButton::clicked, this, &TfrmZhangJie::sbAnswerClick);
    connect(sbMark, &QToolButton::clicked, this, &TfrmZhangJie::sbMarkClick);
    connect(sbFAV, &QToolButton::clicked, this, &TfrmZhangJie::sbFAVClick);
    connect(SpeedButton4, &QToolButton::clicked, this, &TfrmZhangJie::SpeedButton4Click);
    connect(sbNext, &QToolButton::clicked, this, &TfrmZhangJie::sbNextClick);
    connect(SpeedButton6, &QToolButton::clicked, this, &TfrmZhangJie::SpeedButton6Click);
}

void TfrmZhangJie::buildAnswerStrip()
{
    pnlAnswer = Controls::styledPanel(this, QStringLiteral("pnlAnswer"));
    pnlAnswer->setFixedHeight(kAnswerStripHeight);
    auto *grid = new QGridLayout(pnlAnswer);
    grid->setContentsMargins(20, 8, 20, 10);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);
    auto *label10 = Controls::label(pnlAnswer, QStringLiteral("Label10"), QStringLiteral("【正确答案】"));
    label10->setFixedWidth(96);
    // A journal-entry key takes a line per entry.
    lblAnswer = Controls::label(pnlAnswer, QStringLiteral("lblAnswer"));
    lblAnswer->setWordWrap(true);
    lblAnswer->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Label12 = Controls::label(pnlAnswer, QStringLiteral("Label12"), QStringLiteral("【答案解析】"));
    meoDesc = Controls::readOnlyMemo(pnlAnswer, QStringLiteral("meoDesc"));
    meoDesc->setContextMenuPolicy(Qt::NoContextMenu);
    grid->addWidget(label10, 0, 0, Qt::AlignTop);
    grid->addWidget(lblAnswer, 0, 1, Qt::AlignTop);
    grid->addWidget(Label12, 1, 0, Qt::AlignTop);
    grid->addWidget(meoDesc, 1, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(1, 1);
    pnlAnswer->hide();
}

void TfrmZhangJie::buildRightColumn()
{
    Panel4 = Controls::styledPanel(this, QStringLiteral("Panel4"));
    Panel4->setFixedWidth(185);
    auto *column = new QVBoxLayout(Panel4);
    column->setContentsMargins(10, 14, 8, 14);
    column->setSpacing(4);

    const auto pair = [&](const QString &captionName, const QString &caption, QLabel *&value,
                          const QString &valueName, bool stacked) {
        auto *captionLabel = Controls::label(Panel4, captionName, caption);
        value = Controls::label(Panel4, valueName);
        value->setWordWrap(true);
        if (stacked) {
            column->addWidget(captionLabel);
            column->addWidget(value);
            return;
        }
        auto *row = new QHBoxLayout;
        row->setSpacing(2);
        row->addWidget(captionLabel);
        row->addWidget(value, 1);
        column->addLayout(row);
    };
    const auto separator = [&] {
        auto *line = new QFrame(Panel4);
        line->setFrameShape(QFrame::HLine);
        line->setStyleSheet(QStringLiteral("color: #cfe3d8;"));
        column->addSpacing(4);
        column->addWidget(line);
        column->addSpacing(4);
    };

    pair(QStringLiteral("Label13"), QStringLiteral("练习课程："), lblKeChengR, QStringLiteral("lblKeChengR"), true);
    pair(QStringLiteral("Label15"), QStringLiteral("练习章节："), lblZhangJieR, QStringLiteral("lblZhangJieR"), true);
    separator();
    lblTotal = Controls::label(Panel4, QStringLiteral("lblTotal"), QStringLiteral("本次题量共：0题"));
    lblDanXuan = Controls::label(Panel4, QStringLiteral("lblDanXuan"), QStringLiteral("单选题量为：0题"));
    lblDuoXuan = Controls::label(Panel4, QStringLiteral("lblDuoXuan"), QStringLiteral("多选题量为：0题"));
    lblPanDuan = Controls::label(Panel4, QStringLiteral("lblPanDuan"), QStringLiteral("判断题量为：0题"));
    lblFenXi = Controls::label(Panel4, QStringLiteral("lblFenXi"), QStringLiteral("计算分析题：0题"));
    for (QLabel *label : {lblTotal, lblDanXuan, lblDuoXuan, lblPanDuan, lblFenXi}) {
        label->setWordWrap(true);
        column->addWidget(label);
    }
    separator();
    pair(QStringLiteral("Label22"), QStringLiteral("本题为："), lblItemKind, QStringLiteral("lblItemKind"), false);
    auto *numberRow = new QHBoxLayout;
    numberRow->setSpacing(2);
    lblDiJiTi = Controls::label(Panel4, QStringLiteral("lblDiJiTi"));
    numberRow->addWidget(Controls::label(Panel4, QStringLiteral("lblDi"), QStringLiteral("第")));
    numberRow->addWidget(lblDiJiTi);
    numberRow->addWidget(Controls::label(Panel4, QStringLiteral("lblTi"), QStringLiteral("题")));
    numberRow->addStretch(1);
    column->addLayout(numberRow);
    lblStartTime = Controls::label(Panel4, QStringLiteral("lblStartTime"), QStringLiteral("开始时间："));
    lblUseTime = Controls::label(Panel4, QStringLiteral("lblUseTime"), QStringLiteral("本次用时："));
    for (QLabel *label : {lblStartTime, lblUseTime}) {
        label->setWordWrap(true);
        column->addWidget(label);
    }
    separator();
    pair(QStringLiteral("Label29"), QStringLiteral("是否标记："), lblMark, QStringLiteral("lblMark"), false);
    pair(QStringLiteral("Label30"), QStringLiteral("是否精华："), lblFAV, QStringLiteral("lblFAV"), false);
    pair(QStringLiteral("Label33"), QStringLiteral("本题强制切换剩余："), lvlQieHuanLeft,
         QStringLiteral("lvlQieHuanLeft"), false);
    lvlQieHuanLeft->setText(QStringLiteral("----"));
    column->addStretch(1);
    SpeedButton8 = Controls::button(Panel4, QStringLiteral("SpeedButton8"), QStringLiteral("退出练习"),
                                    QStringLiteral("结束本次练习并保存成绩"), EndButton);
    column->addWidget(SpeedButton8);
    connect(SpeedButton8, &QToolButton::clicked, this, &TfrmZhangJie::SpeedButton8Click);
}

void TfrmZhangJie::buildChooser()
{
    pnlXuanTi = Controls::styledPanel(PanelMain, QStringLiteral("pnlXuanTi"));
    auto *layout = new QVBoxLayout(pnlXuanTi);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto *panel3 = Controls::label(pnlXuanTi, QStringLiteral("Panel3"), QStringLiteral("题目选择"));
    panel3->setFixedHeight(34);
    layout->addWidget(panel3);

    auto *body = new QHBoxLayout;
    body->setContentsMargins(16, 12, 16, 12);
    body->setSpacing(16);
    sgList = Controls::readOnlyTable(pnlXuanTi, QStringLiteral("sgList"));
    sgList->setColumnCount(4);
    sgList->setHorizontalHeaderLabels(
        {QStringLiteral("序号"), QStringLiteral("类型"), QStringLiteral("状态"), QStringLiteral("标记")});
    const int widths[] = {48, 95, 103, 114};
    for (int c = 0; c < 4; ++c)
        sgList->setColumnWidth(c, widths[c]);
    sgList->verticalHeader()->setDefaultSectionSize(26);
    sgList->horizontalHeader()->setStretchLastSection(false);
    sgList->horizontalHeader()->setSectionsClickable(false);
    sgList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sgList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    sgList->setFixedWidth(48 + 95 + 103 + 114 + 2 * sgList->frameWidth()
                          + sgList->verticalScrollBar()->sizeHint().width());
    connect(sgList, &QTableWidget::cellClicked, this, [this] { sgListClick(); });
    connect(sgList, &QTableWidget::currentCellChanged, this, [this] { sgListClick(); });
    connect(sgList, &QTableWidget::cellDoubleClicked, this, [this] {
        sgListClick();
        sbOKClick();
    });
    body->addWidget(sgList);

    auto *right = new QVBoxLayout;
    right->setSpacing(8);
    right->addWidget(Controls::label(pnlXuanTi, QStringLiteral("Label3"), QStringLiteral("问题描述：")));
    moItemDesc = Controls::readOnlyMemo(pnlXuanTi, QStringLiteral("moItemDesc"));
    right->addWidget(moItemDesc, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    sbOK = Controls::button(pnlXuanTi, QStringLiteral("sbOK"), QStringLiteral("确定"), QStringLiteral("转到选中的题目"),
                            WindowButton);
    sbCancel = Controls::button(pnlXuanTi, QStringLiteral("sbCancel"), QStringLiteral("取消"),
                                QStringLiteral("关闭题目列表（Esc）"), WindowButton);
    buttons->addWidget(sbOK);
    buttons->addWidget(sbCancel);
    right->addLayout(buttons);
    body->addLayout(right, 1);
    layout->addLayout(body, 1);
    connect(sbOK, &QToolButton::clicked, this, &TfrmZhangJie::sbOKClick);
    connect(sbCancel, &QToolButton::clicked, this, &TfrmZhangJie::sbCancelClick);

    lblIndex = Controls::label(pnlXuanTi, QStringLiteral("lblIndex"), QStringLiteral("-1"));
    lblIndex->hide();
    pnlXuanTi->hide();
}

void TfrmZhangJie::setTextFontSize(int points)
{
    QList<QWidget *> controls{meoItem, meoExItem, lblAnswer, meoDesc};
    for (QCheckBox *box : m_boxes)
        controls << box;
    for (QWidget *control : controls)
        Controls::setPointSize(control, points);
}

void TfrmZhangJie::ReSize()
{
    // The button strip stands below the answer strip: the question area is all of PanelMain.
    const int h = PanelMain->height();
    const int w = PanelMain->width();
    const int width = qMax(0, w - 100);
    m_headRow->setGeometry(kSideMargin, 12, qMax(0, w - 2 * kSideMargin), 30);
    m_questionRow->setGeometry(kSideMargin, 44, qMax(0, w - 2 * kSideMargin), 22);
    const int textHeight = 4 * h / 15;
    if (!meoExItem->isHidden()) {
        // A case's text above, the sub-question under it; cases are long, so they take all the
        // room above the options.
        const int room = qMax(textHeight, 22 * h / 45 - kQuestionTop - 6);
        const int caseHeight = room * 3 / 5;
        meoItem->setGeometry(kSideMargin, kQuestionTop, width, caseHeight);
        meoExItem->setGeometry(kSideMargin, kQuestionTop + caseHeight + 5, width, qMax(0, room - caseHeight - 5));
    } else {
        meoItem->setGeometry(kSideMargin, kQuestionTop, width, textHeight);
    }
    lblxzda->adjustSize();
    lblxzda->move(kSideMargin, 22 * h / 45);
    GroupBoxCB->setGeometry(kSideMargin, 8 * h / 15, width, qMax(0, h - 8 * h / 15 - 10));
    // Entry rows are wide: the sub-question panels take the margins too.
    ScrollBox->setGeometry(16, GroupBoxCB->y(), qMax(0, w - 32), GroupBoxCB->height());
    // A picture takes the room of the text and, above the answers, all the height there is.
    ScrollBoxImage->setGeometry(kSideMargin, kQuestionTop, width, qMax(textHeight, 22 * h / 45 - kQuestionTop - 4));
    fitPicture();
    pnlXuanTi->setGeometry(0, 0, w, h);
    pnlKeMu->adjustSize();
    pnlKeMu->move((this->width() - pnlKeMu->width()) / 2, (this->height() - pnlKeMu->height()) / 2);
}
