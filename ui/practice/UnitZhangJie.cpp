#include "ui/practice/UnitZhangJie.h"

#include "core/UnitDefine.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/Paths.h"
#include "store/UnitDM.h"
#include "ui/Guard.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QTableWidget>
#include <QTextLayout>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <functional>

TfrmZhangJie *frmZhangJie = nullptr;

namespace {

const QString kLetters = QStringLiteral("ABCDEF");

// Accent colour of the window (its strips use it too, through the style sheet).
const QColor kBlue(38, 144, 196);

// Left and right margin of the question area; the text and the options get w - 100.
constexpr int kSideMargin = 50;
constexpr int kQuestionTop = 70;
constexpr int kButtonStripHeight = 52;
constexpr int kAnswerStripHeight = 170;

// A check box whose caption wraps onto further lines within the width it is given, so long
// option texts stay readable. The indicator sits beside the first line.
class WrapCheckBox : public QCheckBox
{
public:
    explicit WrapCheckBox(QWidget *parent) : QCheckBox(parent)
    {
        QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
        policy.setHeightForWidth(true);
        setSizePolicy(policy);
    }

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override
    {
        return qMax(indicatorSize().height(), textRectFor(width).height()) + 2 * kVMargin;
    }
    QSize sizeHint() const override
    {
        const int width = textLeft() + fontMetrics().horizontalAdvance(text()) + 4;
        return {width, heightForWidth(width)};
    }
    QSize minimumSizeHint() const override
    {
        // The real height comes from heightForWidth; this only keeps one line's room.
        return {textLeft() + fontMetrics().averageCharWidth() * 6,
                qMax(indicatorSize().height(), fontMetrics().height()) + 2 * kVMargin};
    }

protected:
    // The whole box, caption lines included, takes the click.
    bool hitButton(const QPoint &pos) const override { return rect().contains(pos); }

    void paintEvent(QPaintEvent *) override
    {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        const QSize indicator = indicatorSize();
        // Centred on the ink of the first line, not on its line box.
        const QRect ink = fontMetrics().tightBoundingRect(QStringLiteral("中"));
        QTextLayout layout(text().isEmpty() ? QStringLiteral("中") : text(), font());
        layout.beginLayout();
        QTextLine first = layout.createLine();
        first.setLineWidth(textRectFor(width()).width());
        layout.endLayout();
        const int middle = kVMargin + qRound(first.ascent()) + (ink.top() + ink.bottom()) / 2;
        option.rect = QRect(QPoint(2, qMax(0, middle - indicator.height() / 2)), indicator);
        painter.drawPrimitive(QStyle::PE_IndicatorCheckBox, option);

        const QRect textRect = textRectFor(width());
        painter.setPen(isChecked() ? kBlue.darker(140) : palette().color(QPalette::WindowText));
        painter.drawText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text());
        if (hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = textRect.adjusted(-2, 0, 2, 0);
            painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
        }
    }

private:
    static constexpr int kVMargin = 3;

    QSize indicatorSize() const
    {
        QStyleOptionButton option;
        initStyleOption(&option);
        return {style()->pixelMetric(QStyle::PM_IndicatorWidth, &option, this),
                style()->pixelMetric(QStyle::PM_IndicatorHeight, &option, this)};
    }
    int textLeft() const
    {
        return 2 + indicatorSize().width() + style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, this) + 2;
    }
    QRect textRectFor(int width) const
    {
        const QRect room(textLeft(), kVMargin, qMax(1, width - textLeft() - 2), 1 << 20);
        const QRect used = fontMetrics().boundingRect(room, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text());
        return {room.topLeft(), QSize(room.width(), used.height())};
    }
};

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text = QString())
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QToolButton *makeButton(QWidget *parent, const QString &name, const QString &text, const QString &tip)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(text);
    button->setToolTip(tip);
    button->setAutoRaise(true);
    button->setCursor(Qt::PointingHandCursor);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

QPlainTextEdit *makeMemo(QWidget *parent, const QString &name)
{
    auto *memo = new QPlainTextEdit(parent);
    memo->setObjectName(name);
    memo->setReadOnly(true);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    return memo;
}

QWidget *makePanel(QWidget *parent, const QString &name)
{
    auto *panel = new QWidget(parent);
    panel->setObjectName(name);
    panel->setAttribute(Qt::WA_StyledBackground, true);
    return panel;
}

QString typeWord(const QString &type)
{
    if (type == QLatin1String("1")) return QStringLiteral("单选题");
    if (type == QLatin1String("2")) return QStringLiteral("多选题");
    if (type == QLatin1String("3")) return QStringLiteral("判断题");
    if (type == QLatin1String("4")) return QStringLiteral("计算题");
    if (type == QLatin1String("5")) return QStringLiteral("案例题");
    return QString();
}

// Type names of the entry chooser.
QString listTypeName(const QString &type)
{
    if (type == QLatin1String("1")) return QStringLiteral("单选题");
    if (type == QLatin1String("2")) return QStringLiteral("多选题");
    if (type == QLatin1String("3")) return QStringLiteral("判断题");
    if (type == QLatin1String("4")) return QStringLiteral("计算分析题");
    if (type == QLatin1String("5")) return QStringLiteral("案例分析题题");
    return QString();
}

QString tipPicture(const QString &mode)
{
    if (mode == QLatin1String("view")) return QStringLiteral("\\image\\r_1.bmp");
    if (mode == QLatin1String("error")) return QStringLiteral("\\image\\r_2_1.bmp");
    if (mode == QLatin1String("notfinish")) return QStringLiteral("\\image\\r_3_1.bmp");
    if (mode == QLatin1String("new")) return QStringLiteral("\\image\\r_4.bmp");
    return QString();
}

// Hours, minutes and seconds of a time within one day, two digits each, between the units given.
QString clockText(int seconds, const QString &h, const QString &m, const QString &s)
{
    return QStringLiteral("%1%2%3%4%5%6")
        .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
        .arg(h)
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(m)
        .arg(seconds % 60, 2, 10, QLatin1Char('0'))
        .arg(s);
}

bool isCutMode(const QString &mode)
{
    return mode == QLatin1String("JingHua") || mode == QLatin1String("CuoTi");
}

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
    QFont base = font();
    base.setPointSize(10);
    setFont(base);

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
    Panel2 = makePanel(this, QStringLiteral("Panel2"));
    Panel2->setFixedHeight(46);
    auto *row = new QHBoxLayout(Panel2);
    row->setContentsMargins(16, 4, 12, 4);
    row->setSpacing(12);
    auto *label1 = makeLabel(Panel2, QStringLiteral("Label1"), QStringLiteral("章节练习："));
    QFont big = label1->font();
    big.setPointSize(12);
    label1->setFont(big);
    lblKeChengL = makeLabel(Panel2, QStringLiteral("lblKeChengL"));
    lblKeChengL->setFont(big);
    lblZhangJieL = makeLabel(Panel2, QStringLiteral("lblZhangJieL"));
    lblZhangJieL->setFont(big);
    imgTrip = makeLabel(Panel2, QStringLiteral("imgTrip"));
    imgTrip->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    row->addWidget(label1);
    row->addWidget(lblKeChengL);
    row->addWidget(lblZhangJieL);
    row->addStretch(1);
    row->addWidget(imgTrip);
}

void TfrmZhangJie::buildQuestionArea()
{
    PanelMain = makePanel(this, QStringLiteral("PanelMain"));

    // Heading row: "题面", the question number and its type.
    m_headRow = new QWidget(PanelMain);
    auto *head = new QHBoxLayout(m_headRow);
    head->setContentsMargins(0, 0, 0, 0);
    head->setSpacing(8);
    auto *label4 = makeLabel(m_headRow, QStringLiteral("Label4"), QStringLiteral("题面"));
    QFont headFont = label4->font();
    headFont.setPointSize(13);
    label4->setFont(headFont);
    lblDiJiTiMain = makeLabel(m_headRow, QStringLiteral("lblDiJiTiMain"));
    lblDiJiTiMain->setFont(headFont);
    head->addWidget(label4);
    head->addWidget(lblDiJiTiMain);
    head->addSpacing(24);
    head->addWidget(makeLabel(m_headRow, QStringLiteral("Label6"), QStringLiteral("【题目类型】")));
    lblItemType = makeLabel(m_headRow, QStringLiteral("lblItemType"));
    head->addWidget(lblItemType);
    head->addStretch(1);

    m_questionRow = new QWidget(PanelMain);
    auto *question = new QHBoxLayout(m_questionRow);
    question->setContentsMargins(0, 0, 0, 0);
    question->setSpacing(12);
    question->addWidget(makeLabel(m_questionRow, QStringLiteral("Label7"), QStringLiteral("【问题】")));
    lblPicNote = makeLabel(m_questionRow, QStringLiteral("lblPicNote"));
    lblPicNote->hide();
    question->addWidget(lblPicNote);
    question->addStretch(1);

    meoItem = makeMemo(PanelMain, QStringLiteral("meoItem"));
    meoItem->setContextMenuPolicy(Qt::NoContextMenu);

    ScrollBoxImage = new QScrollArea(PanelMain);
    ScrollBoxImage->setObjectName(QStringLiteral("ScrollBoxImage"));
    ScrollBoxImage->setWidgetResizable(false);
    ScrollBoxImage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    imgItem = makeLabel(nullptr, QStringLiteral("imgItem"));
    ScrollBoxImage->setWidget(imgItem);
    ScrollBoxImage->hide();

    lblxzda = makeLabel(PanelMain, QStringLiteral("lblxzda"), QStringLiteral("【请选择答案】"));
    lblxzda->setToolTip(QStringLiteral("可用键盘 A～F 勾选或取消选项"));

    GroupBoxCB = new QGroupBox(PanelMain);
    GroupBoxCB->setObjectName(QStringLiteral("GroupBoxCB"));
    auto *groupLayout = new QVBoxLayout(GroupBoxCB);
    groupLayout->setContentsMargins(1, 1, 1, 1);
    // Long options scroll inside the group rather than being cut off.
    auto *optionScroll = new QScrollArea(GroupBoxCB);
    optionScroll->setObjectName(QStringLiteral("ScrollBoxOptions"));
    optionScroll->setWidgetResizable(true);
    optionScroll->setFrameShape(QFrame::NoFrame);
    optionScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto *options = new QWidget;
    options->setObjectName(QStringLiteral("pnlOptions"));
    options->setStyleSheet(QStringLiteral("#pnlOptions { background: white; }"));
    auto *optionLayout = new QVBoxLayout(options);
    optionLayout->setContentsMargins(12, 8, 12, 8);
    optionLayout->setSpacing(6);
    QCheckBox **named[] = {&cbA, &cbB, &cbC, &cbD, &cbE, &cbF};
    for (int i = 0; i < 6; ++i) {
        auto *box = new WrapCheckBox(options);
        box->setObjectName(QStringLiteral("cb") + kLetters.at(i));
        box->setToolTip(QStringLiteral("按 %1 键勾选或取消").arg(kLetters.at(i)));
        box->setFocusPolicy(Qt::TabFocus);
        box->hide();
        optionLayout->addWidget(box);
        connect(box, &QCheckBox::clicked, this, [this, box] {
            if (m_clickAttached)
                cbABCDEFClick(box);
        });
        *named[i] = box;
        m_boxes[size_t(i)] = box;
    }
    optionLayout->addStretch(1);
    optionScroll->setWidget(options);
    groupLayout->addWidget(optionScroll);

    PanelMainB = makePanel(PanelMain, QStringLiteral("PanelMainB"));
    PanelMainB->setFixedHeight(kButtonStripHeight);
    auto *buttons = new QHBoxLayout(PanelMainB);
    buttons->setContentsMargins(kSideMargin, 8, kSideMargin, 8);
    buttons->setSpacing(10);
    sbAnswer = makeButton(PanelMainB, QStringLiteral("sbAnswer"), QStringLiteral("显示答案"),
                          QStringLiteral("显示或隐藏正确答案与解析"));
    sbMark = makeButton(PanelMainB, QStringLiteral("sbMark"), QStringLiteral("标记本题"),
                        QStringLiteral("标记本题，本次练习中可在选题列表里看到"));
    sbFAV = makeButton(PanelMainB, QStringLiteral("sbFAV"), QStringLiteral("设为精华题目"),
                       QStringLiteral("设为或取消精华题目，结束练习时保存"));
    SpeedButton4 = makeButton(PanelMainB, QStringLiteral("SpeedButton4"), QStringLiteral("上一题"),
                              QStringLiteral("上一题（← / PageUp）"));
    sbNext = makeButton(PanelMainB, QStringLiteral("sbNext"), QStringLiteral("下一题"),
                        QStringLiteral("下一题（→ / PageDown）"));
    SpeedButton6 = makeButton(PanelMainB, QStringLiteral("SpeedButton6"), QStringLiteral("选题"),
                              QStringLiteral("从题目列表中选择一题"));
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
    pnlAnswer = makePanel(this, QStringLiteral("pnlAnswer"));
    pnlAnswer->setFixedHeight(kAnswerStripHeight);
    auto *label10 = makeLabel(pnlAnswer, QStringLiteral("Label10"), QStringLiteral("【正确答案】"));
    label10->setGeometry(20, 8, 96, 28);
    label10->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lblAnswer = makeLabel(pnlAnswer, QStringLiteral("lblAnswer"));
    lblAnswer->setGeometry(120, 8, 600, 28);
    lblAnswer->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Label12 = makeLabel(pnlAnswer, QStringLiteral("Label12"), QStringLiteral("【答案解析】"));
    Label12->move(20, 46);
    meoDesc = makeMemo(pnlAnswer, QStringLiteral("meoDesc"));
    meoDesc->setContextMenuPolicy(Qt::NoContextMenu);
    meoDesc->setGeometry(120, 42, 600, kAnswerStripHeight - 52);
    pnlAnswer->hide();
}

void TfrmZhangJie::buildRightColumn()
{
    Panel4 = makePanel(this, QStringLiteral("Panel4"));
    Panel4->setFixedWidth(185);
    auto *column = new QVBoxLayout(Panel4);
    column->setContentsMargins(10, 14, 8, 14);
    column->setSpacing(4);

    const auto pair = [&](const QString &captionName, const QString &caption, QLabel *&value,
                          const QString &valueName, bool stacked) {
        auto *captionLabel = makeLabel(Panel4, captionName, caption);
        value = makeLabel(Panel4, valueName);
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
    lblTotal = makeLabel(Panel4, QStringLiteral("lblTotal"), QStringLiteral("本次题量共：0题"));
    lblDanXuan = makeLabel(Panel4, QStringLiteral("lblDanXuan"), QStringLiteral("单选题量为：0题"));
    lblDuoXuan = makeLabel(Panel4, QStringLiteral("lblDuoXuan"), QStringLiteral("多选题量为：0题"));
    lblPanDuan = makeLabel(Panel4, QStringLiteral("lblPanDuan"), QStringLiteral("判断题量为：0题"));
    lblFenXi = makeLabel(Panel4, QStringLiteral("lblFenXi"), QStringLiteral("计算分析题：0题"));
    for (QLabel *label : {lblTotal, lblDanXuan, lblDuoXuan, lblPanDuan, lblFenXi}) {
        label->setWordWrap(true);
        column->addWidget(label);
    }
    separator();
    pair(QStringLiteral("Label22"), QStringLiteral("本题为："), lblItemKind, QStringLiteral("lblItemKind"), false);
    auto *numberRow = new QHBoxLayout;
    numberRow->setSpacing(2);
    lblDiJiTi = makeLabel(Panel4, QStringLiteral("lblDiJiTi"));
    numberRow->addWidget(makeLabel(Panel4, QStringLiteral("lblDi"), QStringLiteral("第")));
    numberRow->addWidget(lblDiJiTi);
    numberRow->addWidget(makeLabel(Panel4, QStringLiteral("lblTi"), QStringLiteral("题")));
    numberRow->addStretch(1);
    column->addLayout(numberRow);
    lblStartTime = makeLabel(Panel4, QStringLiteral("lblStartTime"), QStringLiteral("开始时间："));
    lblUseTime = makeLabel(Panel4, QStringLiteral("lblUseTime"), QStringLiteral("本次用时："));
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
    SpeedButton8 = makeButton(Panel4, QStringLiteral("SpeedButton8"), QStringLiteral("退出练习"),
                              QStringLiteral("结束本次练习并保存成绩"));
    SpeedButton8->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    SpeedButton8->setMinimumHeight(36);
    column->addWidget(SpeedButton8);
    connect(SpeedButton8, &QToolButton::clicked, this, &TfrmZhangJie::SpeedButton8Click);
}

void TfrmZhangJie::buildChooser()
{
    pnlXuanTi = makePanel(PanelMain, QStringLiteral("pnlXuanTi"));
    auto *layout = new QVBoxLayout(pnlXuanTi);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto *panel3 = makeLabel(pnlXuanTi, QStringLiteral("Panel3"), QStringLiteral("选择会计科目"));
    panel3->setFixedHeight(34);
    layout->addWidget(panel3);

    auto *body = new QHBoxLayout;
    body->setContentsMargins(16, 12, 16, 12);
    body->setSpacing(16);
    sgList = new QTableWidget(pnlXuanTi);
    sgList->setObjectName(QStringLiteral("sgList"));
    sgList->setColumnCount(4);
    sgList->setHorizontalHeaderLabels(
        {QStringLiteral("序号"), QStringLiteral("类型"), QStringLiteral("状态"), QStringLiteral("标记")});
    const int widths[] = {48, 95, 103, 114};
    for (int c = 0; c < 4; ++c)
        sgList->setColumnWidth(c, widths[c]);
    sgList->verticalHeader()->hide();
    sgList->verticalHeader()->setDefaultSectionSize(26);
    sgList->horizontalHeader()->setStretchLastSection(false);
    sgList->horizontalHeader()->setSectionsClickable(false);
    sgList->setSelectionBehavior(QAbstractItemView::SelectRows);
    sgList->setSelectionMode(QAbstractItemView::SingleSelection);
    sgList->setEditTriggers(QAbstractItemView::NoEditTriggers);
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
    right->addWidget(makeLabel(pnlXuanTi, QStringLiteral("Label3"), QStringLiteral("问题描述：")));
    moItemDesc = makeMemo(pnlXuanTi, QStringLiteral("moItemDesc"));
    right->addWidget(moItemDesc, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    sbOK = makeButton(pnlXuanTi, QStringLiteral("sbOK"), QStringLiteral("确定"), QStringLiteral("转到选中的题目"));
    sbCancel = makeButton(pnlXuanTi, QStringLiteral("sbCancel"), QStringLiteral("取消"),
                          QStringLiteral("关闭题目列表（Esc）"));
    buttons->addWidget(sbOK);
    buttons->addWidget(sbCancel);
    right->addLayout(buttons);
    body->addLayout(right, 1);
    layout->addLayout(body, 1);
    connect(sbOK, &QToolButton::clicked, this, &TfrmZhangJie::sbOKClick);
    connect(sbCancel, &QToolButton::clicked, this, &TfrmZhangJie::sbCancelClick);

    lblIndex = makeLabel(pnlXuanTi, QStringLiteral("lblIndex"), QStringLiteral("-1"));
    lblIndex->hide();
    pnlXuanTi->hide();
}

void TfrmZhangJie::setTextFontSize(int points)
{
    QList<QWidget *> controls{meoItem, lblAnswer, meoDesc};
    for (QCheckBox *box : m_boxes)
        controls << box;
    for (QWidget *control : controls) {
        QFont f = control->font();
        f.setPointSize(points);
        control->setFont(f);
    }
}

void TfrmZhangJie::InitItemList()
{
    const auto cut = [this] {
        // Keep positions JHCT_Start .. JHCT_Select (from 1); a start past what is left
        // leaves an empty list.
        ItemList.truncate(qMax(0, JHCT_Select));
        const int drop = JHCT_Start - 1;
        if (drop >= ItemList.count())
            ItemList.clear();
        else if (drop > 0)
            ItemList.removeFirst(drop);
    };

    if (LXMode == QLatin1String("JingHua")) {
        ItemList.clear();
        guarded(this, [this] { m_dm->GetJHItemList(); });
        cut();
    } else if (LXMode == QLatin1String("CuoTi")) {
        ItemList.clear();
        guarded(this, [this] { m_dm->GetCTItemList(CT_Start); });
        cut();
    } else {
        lblKeChengL->setText(KeChengName);
        lblKeChengR->setText(KeChengName);
        lblZhangJieL->setText(ZhangJieName);
        lblZhangJieR->setText(ZhangJieName);
        ItemList.clear();
        guarded(this, [this] {
            m_dm->AddItem(ZhangJieID, QStringLiteral("1"), DanXunCnt, 0);
            m_dm->AddItem(ZhangJieID, QStringLiteral("2"), DuoXuanCnt, 0);
            m_dm->AddItem(ZhangJieID, QStringLiteral("3"), PanDuanCnt, 0);
            m_dm->AddItem(ZhangJieID, QStringLiteral("4"), FenXiCnt, 0);
            m_dm->AddItem(ZhangJieID, QStringLiteral("5"), FenXiCnt, 0);
        });
    }
    Item_Index = 0;
    ShowItem();
}

void TfrmZhangJie::clearDisplay()
{
    ScrollBoxImage->hide();
    imgItem->clear();
    lblPicNote->hide();
    meoItem->show();
    meoItem->clear();
    lblDiJiTi->clear();
    lblDiJiTiMain->clear();
    lblItemKind->clear();
    lblItemType->clear();
    m_clickAttached = false;
    for (QCheckBox *box : m_boxes) {
        box->hide();
        box->setChecked(false);
    }
    m_clickAttached = true;
    lblAnswer->clear();
    meoDesc->clear();
    lblMark->clear();
    lblFAV->clear();
    sbMark->setText(QStringLiteral("标记本题"));
    sbFAV->setText(QStringLiteral("设为精华题目"));
}

void TfrmZhangJie::showQuestionPicture(const TItem &entry)
{
    ScrollBoxImage->hide();
    imgItem->clear();
    lblPicNote->hide();
    meoItem->show();
    const QString picture = entry.ItemPic.trimmed();
    if (picture.isEmpty())
        return;
    const QString path = AppPath(QStringLiteral("\\Data\\") + picture);
    if (!QFileInfo(path).isFile()) {
        // The text stands in for the picture; the note says what is missing.
        lblPicNote->setText(QStringLiteral("题目图片“%1”未找到，显示文字题面").arg(picture));
        lblPicNote->show();
        return;
    }
    const QPixmap pixmap(path);
    if (pixmap.isNull()) {
        lblPicNote->setText(QStringLiteral("题目图片“%1”无法读取，显示文字题面").arg(picture));
        lblPicNote->show();
        return;
    }
    imgItem->setPixmap(pixmap);
    imgItem->resize(pixmap.size());
    ScrollBoxImage->horizontalScrollBar()->setValue(0);
    ScrollBoxImage->verticalScrollBar()->setValue(0);
    ScrollBoxImage->show();
    ScrollBoxImage->raise();
    meoItem->hide();
}

void TfrmZhangJie::showMarkAndFav(const TItem &entry)
{
    if (entry.ItemMark) {
        lblMark->setText(QStringLiteral("已标记"));
        sbMark->setText(QStringLiteral("已标记"));
    } else {
        lblMark->setText(QStringLiteral("未标记"));
        sbMark->setText(QStringLiteral("标记本题"));
    }
    if (entry.ItemFav) {
        lblFAV->setText(QStringLiteral("精华类"));
        sbFAV->setText(QStringLiteral("已精华标记"));
    } else {
        lblFAV->setText(QStringLiteral("普通类"));
        sbFAV->setText(QStringLiteral("设为精华题目"));
    }
}

void TfrmZhangJie::ShowItem()
{
    // A run without entries shows nothing rather than what an earlier run left behind.
    if (ItemList.isEmpty()) {
        clearDisplay();
        return;
    }
    if (Item_Index < 0 || Item_Index >= ItemList.count())
        return;
    const TItem &entry = *ItemList[Item_Index];

    showQuestionPicture(entry);
    if (isCutMode(LXMode)) {
        lblKeChengL->setText(entry.KeChengName);
        lblKeChengR->setText(entry.KeChengName);
        lblZhangJieL->setText(entry.ZhangJieName);
        lblZhangJieR->setText(entry.ZhangJieName);
    }
    lblDiJiTi->setText(QString::number(Item_Index + 1));
    lblDiJiTiMain->setText(QStringLiteral("第%1题").arg(Item_Index + 1));
    Item_Type = entry.ItemType;
    const QString word = typeWord(Item_Type);
    if (!word.isEmpty())
        lblItemKind->setText(word);
    lblItemType->setText(lblItemKind->text());
    meoItem->setPlainText(entry.ItemDetail);

    // Restoring the ticks is not answering.
    m_clickAttached = false;
    for (QCheckBox *box : m_boxes) {
        box->hide();
        box->setChecked(false);
    }
    if (Item_Type == QLatin1String("1") || Item_Type == QLatin1String("2") || Item_Type == QLatin1String("3")) {
        for (int i = 0; i < 6; ++i) {
            const QString option = entry.option(i + 1);
            const QString trimmed = option.trimmed();
            if (trimmed.isEmpty() || trimmed == QLatin1String("-"))
                continue;
            QCheckBox *box = m_boxes[size_t(i)];
            box->setText(kLetters.at(i) + QStringLiteral("、") + option);
            box->setChecked(entry.UserAnswer.contains(kLetters.at(i)));
            box->show();
        }
    }
    m_clickAttached = true;

    lblAnswer->setText(entry.ItemAnswer);
    meoDesc->setPlainText(entry.ItemDesc);
    showMarkAndFav(entry);
}

void TfrmZhangJie::cbABCDEFClick(QCheckBox *sender)
{
    m_clickAttached = false;
    if (Item_Type == QLatin1String("1") || Item_Type == QLatin1String("3")) {
        for (QCheckBox *box : m_boxes)
            if (box != sender)
                box->setChecked(false);
    }
    m_clickAttached = true;

    QString answer;
    for (int i = 0; i < 6; ++i)
        if (m_boxes[size_t(i)]->isChecked())
            answer += kLetters.at(i);
    if (Item_Index < 0 || Item_Index >= ItemList.count())
        return;
    TItem *entry = ItemList[Item_Index];
    entry->UserAnswer = answer;
    // No ticks is no answer, and no answer earns nothing.
    entry->UserScore = !answer.isEmpty() && entry->ItemAnswer == answer ? entry->ItemScore : 0;
}

int TfrmZhangJie::GetNextItemIndex(int index, int step) const
{
    const int n = ItemList.count();
    const auto inList = [n](int position) { return position >= 0 && position < n; };

    if (LXMode == QLatin1String("First") || LXMode == QLatin1String("new") || LXMode == QLatin1String("view")
        || isCutMode(LXMode))
        return inList(index + step) ? index + step : index;

    std::function<bool(const TItem &)> wanted;
    if (LXMode == QLatin1String("error"))
        wanted = [](const TItem &e) { return !e.UserAnswer.isEmpty() && e.UserScore == 0; };
    else if (LXMode == QLatin1String("right"))
        wanted = [](const TItem &e) { return !e.UserAnswer.isEmpty() && e.UserScore != 0; };
    else if (LXMode == QLatin1String("notfinish"))
        wanted = [](const TItem &e) { return e.UserAnswer.isEmpty(); };
    else
        return index;
    for (int position = index + step; inList(position); position += step)
        if (wanted(*ItemList[position]))
            return position;
    return index;
}

void TfrmZhangJie::sbNextClick()
{
    Item_Index = GetNextItemIndex(Item_Index, 1);
    if (Item_Index >= ItemList.count())
        Item_Index = ItemList.count() - 1;
    ShowItem();
    QieHuaCnt = 0;
}

void TfrmZhangJie::SpeedButton4Click()
{
    Item_Index = GetNextItemIndex(Item_Index, -1);
    if (Item_Index < 0)
        Item_Index = 0;
    ShowItem();
    QieHuaCnt = 0;
}

void TfrmZhangJie::sbAnswerClick()
{
    pnlAnswer->setVisible(pnlAnswer->isHidden());
    sbAnswer->setText(pnlAnswer->isHidden() ? QStringLiteral("显示答案") : QStringLiteral("隐藏答案"));
    // The question area gets its new height now, not on the next event round.
    if (layout())
        layout()->activate();
    ReSize();
}

void TfrmZhangJie::sbMarkClick()
{
    if (Item_Index < 0 || Item_Index >= ItemList.count())
        return;
    TItem *entry = ItemList[Item_Index];
    entry->ItemMark = !entry->ItemMark;
    showMarkAndFav(*entry);
}

void TfrmZhangJie::sbFAVClick()
{
    if (Item_Index < 0 || Item_Index >= ItemList.count())
        return;
    TItem *entry = ItemList[Item_Index];
    entry->ItemFav = !entry->ItemFav;
    showMarkAndFav(*entry);
}

void TfrmZhangJie::SpeedButton6Click()
{
    lblIndex->setText(QStringLiteral("-1"));
    {
        // Filling the grid is not picking.
        const QSignalBlocker blocker(sgList);
        sgList->clearSelection();
        sgList->setCurrentCell(-1, -1);
        sgList->setRowCount(0);
        sgList->setColumnCount(4);
        sgList->setRowCount(ItemList.count());
        for (int r = 0; r < ItemList.count(); ++r) {
            const TItem &entry = *ItemList[r];
            const QString cells[] = {
                QString::number(r + 1), listTypeName(entry.ItemType),
                entry.UserAnswer.isEmpty() ? QStringLiteral("未做") : QStringLiteral("已做"),
                entry.ItemMark ? QStringLiteral("已标记") : QStringLiteral("未标记")};
            for (int c = 0; c < 4; ++c) {
                auto *cell = new QTableWidgetItem(cells[c]);
                cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
                cell->setTextAlignment(Qt::AlignCenter);
                sgList->setItem(r, c, cell);
            }
            if (entry.UserAnswer.isEmpty())
                sgList->item(r, 2)->setForeground(QColor(0x8a, 0x9a, 0xa5));
            if (entry.ItemMark)
                sgList->item(r, 3)->setForeground(QColor(0xc0, 0x6a, 0x00));
        }
        sgList->setCurrentCell(-1, -1);
    }
    pnlXuanTi->setGeometry(PanelMain->rect());
    pnlXuanTi->show();
    pnlXuanTi->raise();
}

void TfrmZhangJie::sgListClick()
{
    const int row = sgList->currentRow();
    const QTableWidgetItem *cell = row >= 0 ? sgList->item(row, 0) : nullptr;
    if (!cell)
        return;
    bool ok = false;
    const int position = cell->text().toInt(&ok) - 1;
    if (!ok || position < 0 || position >= ItemList.count())
        return;
    moItemDesc->setPlainText(ItemList[position]->ItemDetail);
    lblIndex->setText(QString::number(position));
}

void TfrmZhangJie::sbOKClick()
{
    bool ok = false;
    const int position = lblIndex->text().toInt(&ok);
    if (!ok || position < 0) {
        MessageBox::information(this, QStringLiteral("提示"), QStringLiteral("请选择题目！"));
        return;
    }
    Item_Index = position;
    ShowItem();
    QieHuaCnt = 0;
    pnlXuanTi->hide();
}

void TfrmZhangJie::sbCancelClick() { pnlXuanTi->hide(); }

int TfrmZhangJie::elapsedSeconds() const
{
    if (!StartTime.isValid())
        return 0;
    // A clock set back shows no time used rather than a negative one.
    const qint64 seconds = qMax<qint64>(0, StartTime.secsTo(Clock::now()));
    return int(seconds % 86400);
}

void TfrmZhangJie::TimerDaTiTimer()
{
    if (QieHuan) {
        ++QieHuaCnt;
        lvlQieHuanLeft->setText(QString::number(QieHuaDiv - QieHuaCnt));
        if (QieHuaCnt >= QieHuaDiv)
            sbNextClick();
    }
    const QTime start = StartTime.time();
    lblStartTime->setText(QStringLiteral("开始时间：")
                          + clockText(start.isValid() ? start.msecsSinceStartOfDay() / 1000 : 0,
                                      QStringLiteral("时"), QStringLiteral("分"), QStringLiteral("秒")));
    lblUseTime->setText(QStringLiteral("本次用时：")
                        + clockText(elapsedSeconds(), QStringLiteral("小时"), QStringLiteral("分钟"),
                                    QStringLiteral("秒")));
}

void TfrmZhangJie::SpeedButton8Click()
{
    if (!MessageBox::question(this, QStringLiteral("确认结束"), QStringLiteral("结束本次练习吗？")))
        return;

    YiLianXiCnt = WeiLianXiCnt = ZhengQueCnt = CuoWuCnt = ManFen = DeFen = 0;
    for (int i = 0; i < ItemList.count(); ++i) {
        const TItem &entry = *ItemList[i];
        if (entry.UserAnswer.isEmpty())
            ++WeiLianXiCnt;
        else
            ++YiLianXiCnt;
        if (entry.UserAnswer == entry.ItemAnswer)
            ++ZhengQueCnt;
        else
            ++CuoWuCnt;
        ManFen += entry.ItemScore;
        DeFen += entry.UserScore;
    }

    const QString timeUsed = clockText(elapsedSeconds(), QStringLiteral(":"), QStringLiteral(":"), QString());
    const bool stored = guarded(this, [&] {
        m_dm->InsertTestInfo(Test_ID, QString::number(ZhengQueCnt), QString::number(CuoWuCnt),
                             QString::number(YiLianXiCnt), QString::number(WeiLianXiCnt), timeUsed,
                             QStringLiteral("章节练习"), KeChengName, ZhangJieName, DeFen / 100);
        m_dm->UpdateFav();
        m_dm->LogErrItem();
    });
    // Nothing stored, nothing finished: the run stays open so that ending it again stores it
    // whole (each step replaces what an earlier attempt left).
    if (!stored)
        return;
    done(1);
}

void TfrmZhangJie::ReSize()
{
    const int height = PanelMain->height();
    const int w = PanelMain->width();
    const int h = height - PanelMainB->height();
    PanelMainB->setGeometry(0, h, w, PanelMainB->height());
    m_headRow->setGeometry(kSideMargin, 12, qMax(0, w - 2 * kSideMargin), 30);
    m_questionRow->setGeometry(kSideMargin, 44, qMax(0, w - 2 * kSideMargin), 22);
    meoItem->setGeometry(kSideMargin, kQuestionTop, qMax(0, w - 100), 4 * h / 15);
    lblxzda->adjustSize();
    lblxzda->move(kSideMargin, 22 * h / 45);
    GroupBoxCB->setGeometry(kSideMargin, 8 * h / 15, qMax(0, w - 100), qMax(0, h - 8 * h / 15 - 10));
    meoDesc->resize(qMax(0, pnlAnswer->width() - 140), meoDesc->height());
    lblAnswer->resize(qMax(0, pnlAnswer->width() - 140), lblAnswer->height());
    ScrollBoxImage->setGeometry(meoItem->geometry());
    pnlXuanTi->setGeometry(0, 0, w, height);
}

void TfrmZhangJie::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    if (const QScreen *desktop = screen()) {
        const QRect area = desktop->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    // The tip names the kind of review; a missing tip file just leaves the strip plain.
    imgTrip->clear();
    const QString tip = tipPicture(LXMode);
    if (!tip.isEmpty()) {
        QPixmap pixmap(AppPath(tip));
        if (!pixmap.isNull()) {
            const int room = Panel2->height() - 6;
            if (pixmap.height() > room)
                pixmap = pixmap.scaledToHeight(room, Qt::SmoothTransformation);
            imgTrip->setPixmap(pixmap);
        }
    }
    ReSize();
}

void TfrmZhangJie::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    ReSize();
}

void TfrmZhangJie::done(int result)
{
    TimerDaTi->stop();
    QDialog::done(result);
}

bool TfrmZhangJie::handleKey(QKeyEvent *event)
{
    if (!pnlXuanTi->isHidden()) {
        // The chooser's grid keeps its keys; Esc closes it.
        if (event->key() == Qt::Key_Escape) {
            sbCancelClick();
            return true;
        }
        return false;
    }
    if ((event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_PageUp:
        SpeedButton4Click();
        return true;
    case Qt::Key_Right:
    case Qt::Key_PageDown:
        sbNextClick();
        return true;
    case Qt::Key_Escape:
        // A stray Esc must not end the run unnoticed; "退出练习" or the close box do that.
        return true;
    default:
        break;
    }
    if (event->key() >= Qt::Key_A && event->key() <= Qt::Key_F) {
        QCheckBox *box = m_boxes[size_t(event->key() - Qt::Key_A)];
        if (box->isHidden())
            return true;
        // Holding the key down must not flip the box back and forth.
        if (!event->isAutoRepeat())
            box->click();
        return true;
    }
    return false;
}

void TfrmZhangJie::keyPressEvent(QKeyEvent *event)
{
    if (!handleKey(event))
        QDialog::keyPressEvent(event);
}

bool TfrmZhangJie::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && watched != this && handleKey(static_cast<QKeyEvent *>(event)))
        return true;
    if (watched == PanelMain && event->type() == QEvent::Resize)
        ReSize();
    return QDialog::eventFilter(watched, event);
}
