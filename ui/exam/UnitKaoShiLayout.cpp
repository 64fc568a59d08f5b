// Building the exam window: the introductory screens, the exam screen with its top bar,
// question area, bottom bar and answer card, and the pictures they show.
#include "ui/exam/UnitKaoShi.h"

#include "core/AppPath.h"
#include "core/UnitDefine.h"
#include "ui/Controls.h"
#include "ui/WrapCheckBox.h"
#include "ui/entry/EntryPanels.h"
#include "ui/entry/KeMuPicker.h"
#include "ui/exam/AnswerCard.h"
#include "ui/exam/KaoShiInternal.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLoggingCategory>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <initializer_list>


// Same category as the main window's pictures: "acctprep.pictures.warning=false" silences both.
Q_LOGGING_CATEGORY(lcExamPictures, "acctprep.pictures")

namespace {

constexpr int TopBarHeight = 64;
constexpr int RightColumnWidth = 220;
constexpr int HeadingHeight = 40;
constexpr int BottomBarHeight = 48;
constexpr int AnswerPanelHeight = 160;
// Left edge of the question's text and options; the right margin is the same.
constexpr int QuestionLeft = 30;
constexpr int QuestionTop = 14;

const char *Style = R"(
#frmKaoShi { background: rgb(240,246,250); }
#Panel5 { background: rgb(240,246,250); }
#Panel12, #Panel13 { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 rgb(46,154,206), stop:1 rgb(18,129,184));
  border-top: 1px solid rgb(100,180,220); border-bottom: 1px solid rgb(10,90,130); }
#Label3 { color: white; }
#lblLeftTime { color: white; font-weight: bold; }
#sbDaiCha { color: white; border: 1px solid rgba(255,255,255,170); border-radius: 12px; }
#sbDaiCha[flagged="true"] { background: rgb(253,146,66); border-color: rgb(253,146,66); font-weight: bold; }
QToolButton#sbShowAnswer { color: white; border: 1px solid rgba(255,255,255,170); border-radius: 4px; padding: 4px 10px; background: transparent; }
QToolButton#sbShowAnswer:hover { background: rgba(255,255,255,40); }
#Panel7, #CategoryPanelGroup, #Panel14 { background: rgb(38,144,196); }
#CategoryPanelGroup QToolButton { color: white; font-weight: bold; border: none; border-top: 1px solid rgba(255,255,255,70);
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 rgb(38,144,196), stop:1 rgb(18,129,184)); }
#CategoryPanelGroup QToolButton:hover { background: rgb(18,129,184); }
#Panel10 { background: white; border-bottom: 1px solid #d5e3ea; }
#lblKeCheng { color: rgb(18,129,184); }
#lblDiJiTi { color: #2c3e4a; }
#PanelMain { background: white; }
#Panel9, #Panel1 { background: rgb(240,246,250); }
#Panel9 { border-top: 1px solid #d5e3ea; }
#PanelAnswer { background: #fbfdfc; border-top: 2px solid rgb(38,144,196); }
#Label5, #Label6 { color: #5d7483; }
#lblAnswer { color: #1f8a4c; font-weight: bold; }
QPlainTextEdit { border: 1px solid #d5e3ea; border-radius: 3px; background: white; padding: 4px; }
QPlainTextEdit#meoExItem { background: rgb(237,248,242); }
QGroupBox#GroupBox { border: 1px solid #d5e3ea; border-radius: 3px; background: white; margin-top: 0px; padding: 0px; }
QScrollArea#ScrollBox, QScrollArea#ScrollBoxImage { border: 1px solid #d5e3ea; background: white; }
#pnlOptions, #Panel11n { background: white; }
#LabelKM { color: rgb(38,52,66); }
ClickLabel[standIn="true"] { background: white; color: rgb(18,129,184); border: 1px solid rgb(38,144,196); border-radius: 4px; }
QLabel[standInPicture="true"] { color: #5d7483; font-size: 20pt; }
#ImageRT[standInPicture="true"] { color: white; font-size: 14pt; font-weight: bold; }
)";

// A transparent hotspot over a picture. Its caption names it to tools and is painted only
// when the picture under it is missing.
ClickLabel *hotspot(QWidget *picture, const QString &name, const QString &caption, const QString &tip,
                    const QRect &place)
{
    ClickLabel *spot = Controls::clickLabel(picture, name, QString(), tip);
    spot->setAccessibleName(caption);
    spot->setAlignment(Qt::AlignCenter);
    spot->setGeometry(place);
    return spot;
}

QLabel *pictureLabel(QWidget *parent, const QString &name, const QSize &size)
{
    QLabel *image = Controls::label(parent, name);
    if (size.isValid())
        image->setFixedSize(size);
    image->setAlignment(Qt::AlignCenter);
    return image;
}

// Loads the picture into its label. Without it the label shows its stand-in text, and the
// hotspots over it become plain buttons, so the way on (or out) stays visible.
void showPicture(QLabel *image, const QString &relative, const QString &standIn,
                 std::initializer_list<ClickLabel *> hotspots)
{
    const QString path = AppPath(relative);
    const QPixmap pixmap = QPixmap::fromImage(QImage(path));
    const bool missing = pixmap.isNull();
    if (missing) {
        qCWarning(lcExamPictures, "AcctPrep: cannot read picture %s", qPrintable(path));
        image->clear();
        image->setText(standIn);
    } else {
        image->setPixmap(pixmap);
    }
    image->setProperty("standInPicture", missing);
    image->style()->polish(image);
    for (ClickLabel *spot : hotspots) {
        spot->setText(missing ? spot->accessibleName() : QString());
        spot->setProperty("standIn", missing);
        spot->style()->polish(spot);
    }
}

} // namespace

TfrmKaoShi::TfrmKaoShi(TDataModuleMain *dataModule, QWidget *parent) : QDialog(parent), m_dm(dataModule)
{
    setObjectName(QStringLiteral("frmKaoShi"));
    setWindowTitle(QStringLiteral("模拟考试"));
    // No border and no close box: the ways out are the hand-in and "退出考场".
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setStyleSheet(QString::fromUtf8(Style));
    Controls::setPointSize(this, 10);

    buildIntroScreens();
    buildExamScreen();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TfrmKaoShi::Timer1Timer);
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(2000);
    connect(Timer2, &QTimer::timeout, this, &TfrmKaoShi::Timer2Timer);
    // Answers given in one burst of events are saved together, once it is over.
    m_saveTimer = new QTimer(this);
    m_saveTimer->setSingleShot(true);
    m_saveTimer->setInterval(0);
    connect(m_saveTimer, &QTimer::timeout, this, &TfrmKaoShi::saveNow);
    connect(qApp, &QCoreApplication::aboutToQuit, this, &TfrmKaoShi::flushSave);

    loadPictures();
    DangQianColor = QColor(131, 208, 102);
    DaiChaColor = QColor(253, 146, 66);
    WeiZuoColor = QColor(237, 248, 242);
    YiZuoColor = QColor(130, 192, 213);

    SetFontSize(FontSizeCur);
    resize(1366, 768);
    bringToFront(Panel5);
    watchKeys(this);
}

void TfrmKaoShi::buildIntroScreens()
{
    PanelPic1 = Controls::panel(this, QStringLiteral("PanelPic1"));
    ImagePic1 = pictureLabel(PanelPic1, QStringLiteral("ImagePic1"), KaoShi::IntroPicture);

    const auto screen = [this](QWidget *&panel, QLabel *&image, int n) {
        panel = Controls::panel(this, QStringLiteral("PanelPic%1").arg(n));
        panel->setFixedSize(KaoShi::IntroPicture);
        image = pictureLabel(panel, QStringLiteral("ImagePic%1").arg(n), KaoShi::IntroPicture);
        image->move(0, 0);
    };
    screen(PanelPic2, ImagePic2, 2);
    screen(PanelPic3, ImagePic3, 3);
    screen(PanelPic4, ImagePic4, 4);

    const QSize spot(89, 31);
    Label9 = hotspot(PanelPic2, QStringLiteral("Label9"), QStringLiteral("下一步"), QStringLiteral("下一步（Enter）"),
                     QRect(QPoint(467, 438), spot));
    Label10 = hotspot(PanelPic3, QStringLiteral("Label10"), QStringLiteral("开始答题"),
                      QStringLiteral("开始答题（Enter）"), QRect(QPoint(413, 437), spot));
    Label11 = hotspot(PanelPic3, QStringLiteral("Label11"), QStringLiteral("退出考场"),
                      QStringLiteral("不参加本次考试，回到考场"), QRect(QPoint(518, 436), spot));
    Label12 = hotspot(PanelPic4, QStringLiteral("Label12"), QStringLiteral("进入考试"), QStringLiteral("进入考试（Enter）"),
                      QRect(QPoint(466, 563), spot));
    // The course name goes into the blank field the picture leaves for it.
    LabelKM = Controls::boldLabel(PanelPic3, QStringLiteral("LabelKM"), QString());
    Controls::setPointSize(LabelKM, 13);
    LabelKM->setGeometry(362, 389, 320, 22);
    LabelKM->setContentsMargins(6, 0, 0, 0);
    LabelKM->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    connect(Label9, &ClickLabel::clicked, this, &TfrmKaoShi::Label9Click);
    connect(Label10, &ClickLabel::clicked, this, &TfrmKaoShi::Label10Click);
    connect(Label11, &ClickLabel::clicked, this, &TfrmKaoShi::Label11Click);
    connect(Label12, &ClickLabel::clicked, this, &TfrmKaoShi::Label12Click);
}

void TfrmKaoShi::buildExamScreen()
{
    Panel5 = Controls::styledPanel(this, QStringLiteral("Panel5"));
    auto *column = new QVBoxLayout(Panel5);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    buildTopBar(Panel5);
    column->addWidget(Panel6);

    auto *body = new QHBoxLayout;
    body->setSpacing(0);
    Panel8 = Controls::panel(Panel5, QStringLiteral("Panel8"));
    auto *centre = new QVBoxLayout(Panel8);
    centre->setContentsMargins(0, 0, 0, 0);
    centre->setSpacing(0);
    Panel10 = Controls::styledPanel(Panel8, QStringLiteral("Panel10"));
    Panel10->setFixedHeight(HeadingHeight);
    auto *heading = new QHBoxLayout(Panel10);
    heading->setContentsMargins(QuestionLeft, 0, QuestionLeft, 0);
    lblKeCheng = Controls::boldLabel(Panel10, QStringLiteral("lblKeCheng"), QString(), 12);
    lblDiJiTi = Controls::label(Panel10, QStringLiteral("lblDiJiTi"));
    Controls::setPointSize(lblDiJiTi, 11);
    heading->addWidget(lblKeCheng);
    heading->addStretch(1);
    heading->addWidget(lblDiJiTi);
    centre->addWidget(Panel10);
    buildQuestionArea(Panel8);
    centre->addWidget(PanelMain, 1);
    buildBottomBar(Panel8);
    centre->addWidget(Panel9);
    body->addWidget(Panel8, 1);
    buildCard(Panel5);
    body->addWidget(Panel7);
    column->addLayout(body, 1);
}

void TfrmKaoShi::buildTopBar(QWidget *parent)
{
    Panel6 = Controls::panel(parent, QStringLiteral("Panel6"));
    Panel6->setFixedHeight(TopBarHeight);
    auto *row = new QHBoxLayout(Panel6);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);

    // The bar picture with the review tip over its right end. The panel's own gradient is the
    // picture's, so the picture keeps its proportions and the panel carries it to any width.
    Panel12 = Controls::styledPanel(Panel6, QStringLiteral("Panel12"));
    auto *stack = new QGridLayout(Panel12);
    stack->setContentsMargins(0, 0, 0, 0);
    ImageTC = Controls::label(Panel12, QStringLiteral("ImageTC"));
    ImageTC->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    ImageTC->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    imgTrip = Controls::label(Panel12, QStringLiteral("imgTrip"));
    stack->addWidget(ImageTC, 0, 0);
    stack->addWidget(imgTrip, 0, 0, Qt::AlignRight | Qt::AlignVCenter);
    row->addWidget(Panel12, 1);

    Panel13 = Controls::styledPanel(Panel6, QStringLiteral("Panel13"));
    auto *right = new QHBoxLayout(Panel13);
    right->setContentsMargins(16, 0, 0, 0);
    right->setSpacing(8);
    sbShowAnswer = Controls::button(Panel13, QStringLiteral("sbShowAnswer"), QStringLiteral("显示答案"),
                                    QStringLiteral("显示或隐藏正确答案与解析（X）"),
                                    {.style = Qt::ToolButtonTextOnly, .focus = Qt::NoFocus, .autoRaise = true,
                                     .handCursor = true});
    right->addWidget(sbShowAnswer);
    ImageTR = pictureLabel(Panel13, QStringLiteral("ImageTR"), KaoShi::TopRightPicture);
    right->addWidget(ImageTR);
    row->addWidget(Panel13);

    Label3 = Controls::label(ImageTR, QStringLiteral("Label3"), QStringLiteral("剩余时间："));
    Controls::setPointSize(Label3, 11);
    Label3->setGeometry(12, 18, 84, 28);
    lblLeftTime = Controls::label(ImageTR, QStringLiteral("lblLeftTime"), QStringLiteral("01:00:00"));
    Controls::setPointSize(lblLeftTime, 16);
    lblLeftTime->setGeometry(94, 14, 110, 36);
    sbDaiCha = Controls::clickLabel(ImageTR, QStringLiteral("sbDaiCha"), QStringLiteral("待查"),
                                    QStringLiteral("把本题标为待查，或取消待查（M）"));
    sbDaiCha->setAlignment(Qt::AlignCenter);
    sbDaiCha->setGeometry(222, 19, 92, 26);
    sbEndEx = hotspot(ImageTR, QStringLiteral("sbEndEx"), QStringLiteral("交卷"),
                      QStringLiteral("交卷，结束本次考试（Ctrl+Enter）"), KaoShi::SubmitHotspot);

    connect(sbShowAnswer, &QToolButton::clicked, this, &TfrmKaoShi::sbShowAnswerClick);
    connect(sbDaiCha, &ClickLabel::clicked, this, &TfrmKaoShi::sbDaiChaClick);
    connect(sbEndEx, &ClickLabel::clicked, this, &TfrmKaoShi::sbEndExClick);
}

void TfrmKaoShi::buildQuestionArea(QWidget *parent)
{
    PanelMain = Controls::styledPanel(parent, QStringLiteral("PanelMain"));
    PanelMain->installEventFilter(this);

    meoItem = Controls::readOnlyMemo(PanelMain, QStringLiteral("meoItem"));
    meoItem->move(QuestionLeft, QuestionTop);
    meoExItem = Controls::readOnlyMemo(PanelMain, QStringLiteral("meoExItem"));
    meoExItem->move(QuestionLeft, QuestionTop);
    // Its own size: the font controls change the question and options, not the sub-question.
    Controls::setPointSize(meoExItem, 12);
    meoExItem->hide();

    ScrollBoxImage = new QScrollArea(PanelMain);
    ScrollBoxImage->setObjectName(QStringLiteral("ScrollBoxImage"));
    ScrollBoxImage->setWidgetResizable(false);
    ScrollBoxImage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    imgItem = Controls::label(nullptr, QStringLiteral("imgItem"));
    imgItem->setContextMenuPolicy(Qt::NoContextMenu);
    ScrollBoxImage->setWidget(imgItem);
    ScrollBoxImage->hide();

    GroupBox = Controls::groupBox(PanelMain, QStringLiteral("GroupBox"), QString());
    GroupBox->move(QuestionLeft, 0);
    auto *groupLayout = new QVBoxLayout(GroupBox);
    groupLayout->setContentsMargins(1, 1, 1, 1);
    groupLayout->addWidget(Controls::optionColumn(GroupBox, m_boxes, [this](WrapCheckBox *box) {
        if (m_clickAttached)
            cbABCDEFClick(box);
    }));
    QCheckBox **named[] = {&cbA, &cbB, &cbC, &cbD, &cbE, &cbF};
    for (size_t i = 0; i < m_boxes.size(); ++i)
        *named[i] = m_boxes[i];

    // The sub-question panels of calculation questions, with the account picker over the
    // whole window.
    ScrollBox = Controls::scrollColumn(PanelMain, QStringLiteral("ScrollBox"));
    Panel11n = new TEntryPanels;
    ScrollBox->setWidget(Panel11n);
    ScrollBox->hide();
    pnlKeMu = new TKeMuPicker(this);
    pnlKeMu->hide();
    Panel11n->setPicker(pnlKeMu);
    // A stored entry or amount marks its sub-question answered on the card, as a choice does.
    connect(Panel11n, &TEntryPanels::answerStored, this, [this] {
        SetButtonColor(Item_Index, QString());
        scheduleSave();
    });

    PanelAnswer = Controls::styledPanel(PanelMain, QStringLiteral("PanelAnswer"));
    PanelAnswer->setFixedHeight(AnswerPanelHeight);
    Label5 = Controls::label(PanelAnswer, QStringLiteral("Label5"), QStringLiteral("【正确答案】"));
    Controls::setPointSize(Label5, 11);
    Label5->setGeometry(QuestionLeft - 10, 10, 110, 26);
    lblAnswer = Controls::label(PanelAnswer, QStringLiteral("lblAnswer"));
    lblAnswer->setGeometry(QuestionLeft + 104, 10, 600, 26);
    lblAnswer->setWordWrap(true);
    lblAnswer->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Label6 = Controls::label(PanelAnswer, QStringLiteral("Label6"), QStringLiteral("【答案解析】"));
    Controls::setPointSize(Label6, 11);
    Label6->setGeometry(QuestionLeft - 10, 46, 110, 26);
    meoDesc = Controls::readOnlyMemo(PanelAnswer, QStringLiteral("meoDesc"));
    meoDesc->setContextMenuPolicy(Qt::NoContextMenu);
    meoDesc->setGeometry(QuestionLeft + 104, 42, 600, AnswerPanelHeight - 52);
    PanelAnswer->hide();
}

void TfrmKaoShi::buildBottomBar(QWidget *parent)
{
    Panel9 = Controls::styledPanel(parent, QStringLiteral("Panel9"));
    Panel9->setFixedHeight(BottomBarHeight);
    // Takes the focus before the card, the navigation and the hand-in act, so that an answer
    // being typed is stored first.
    Panel9->setFocusPolicy(Qt::ClickFocus);
    auto *row = new QHBoxLayout(Panel9);
    row->setContentsMargins(QuestionLeft - 4, 0, 16, 0);
    Image1 = pictureLabel(Panel9, QStringLiteral("Image1"), KaoShi::NavigationPicture);
    row->addWidget(Image1);
    row->addStretch(1);
    Panel1 = Controls::styledPanel(Panel9, QStringLiteral("Panel1"));
    auto *fontRow = new QHBoxLayout(Panel1);
    fontRow->setContentsMargins(0, 0, 0, 0);
    Image2 = pictureLabel(Panel1, QStringLiteral("Image2"), KaoShi::FontPicture);
    fontRow->addWidget(Image2);
    row->addWidget(Panel1);

    const QString navigation[][3] = {
        {QStringLiteral("Label13"), QStringLiteral("第一题"), QStringLiteral("第一题（Home）")},
        {QStringLiteral("Label14"), QStringLiteral("上一题"), QStringLiteral("上一题（← / PageUp）")},
        {QStringLiteral("Label15"), QStringLiteral("下一题"), QStringLiteral("下一题（→ / PageDown）")},
        {QStringLiteral("Label16"), QStringLiteral("最后一题"), QStringLiteral("最后一题（End）")},
    };
    ClickLabel **navigationSpots[] = {&Label13, &Label14, &Label15, &Label16};
    for (int i = 0; i < 4; ++i)
        *navigationSpots[i] =
            hotspot(Image1, navigation[i][0], navigation[i][1], navigation[i][2], KaoShi::NavigationHotspots[i]);
    const QString font[][3] = {
        {QStringLiteral("Label17"), QStringLiteral("缩小"), QStringLiteral("缩小字号（Ctrl+-）")},
        {QStringLiteral("Label18"), QStringLiteral("还原"), QStringLiteral("恢复开考时的字号（Ctrl+0）")},
        {QStringLiteral("Label19"), QStringLiteral("放大"), QStringLiteral("放大字号（Ctrl+=）")},
    };
    ClickLabel **fontSpots[] = {&Label17, &Label18, &Label19};
    for (int i = 0; i < 3; ++i)
        *fontSpots[i] = hotspot(Image2, font[i][0], font[i][1], font[i][2], KaoShi::FontHotspots[i]);

    connect(Label13, &ClickLabel::clicked, this, &TfrmKaoShi::Label13Click);
    connect(Label14, &ClickLabel::clicked, this, &TfrmKaoShi::Label14Click);
    connect(Label15, &ClickLabel::clicked, this, &TfrmKaoShi::Label15Click);
    connect(Label16, &ClickLabel::clicked, this, &TfrmKaoShi::Label16Click);
    connect(Label17, &ClickLabel::clicked, this, &TfrmKaoShi::Label17Click);
    connect(Label18, &ClickLabel::clicked, this, &TfrmKaoShi::Label18Click);
    connect(Label19, &ClickLabel::clicked, this, &TfrmKaoShi::Label19Click);
}

void TfrmKaoShi::buildCard(QWidget *parent)
{
    Panel7 = Controls::styledPanel(parent, QStringLiteral("Panel7"));
    Panel7->setFixedWidth(RightColumnWidth);
    auto *column = new QVBoxLayout(Panel7);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    ImageRT = pictureLabel(Panel7, QStringLiteral("ImageRT"), KaoShi::CardHeadPicture);
    column->addWidget(ImageRT);

    CategoryPanelGroup = Controls::styledPanel(Panel7, QStringLiteral("CategoryPanelGroup"));
    auto *group = new QVBoxLayout(CategoryPanelGroup);
    group->setContentsMargins(0, 0, 0, 0);
    group->setSpacing(0);
    const std::pair<TCategoryPanel **, const char *> categories[] = {
        {&cpDanXuan, "cpDanXuan"}, {&cpDuoXuan, "cpDuoXuan"}, {&cpPanDuan, "cpPanDuan"}, {&cpFenXi, "cpFenXi"}};
    const QString captions[] = {QStringLiteral("单选题"), QStringLiteral("多选题"), QStringLiteral("判断题"),
                                QStringLiteral("分析题")};
    for (int c = 0; c < 4; ++c) {
        auto *panel = new TCategoryPanel(CategoryPanelGroup, QString::fromLatin1(categories[c].second), captions[c]);
        *categories[c].first = panel;
        group->addWidget(panel);
    }
    group->addStretch(1);
    for (int p = 0; p < KaoShi::CardCells; ++p) {
        TCategoryPanel *category = categoryOf(p);
        const int inCategory = p < 60 ? p % 20 : p - 60;
        auto *cell = new TCardCell(category);
        cell->setObjectName(KaoShi::cellName(p));
        cell->setText(QString::number(p + 1));
        cell->setToolTip(QStringLiteral("第%1题").arg(p + 1));
        cell->setFixedSize(30, 26);
        Controls::setPointSize(cell, 9);
        category->cells()->addWidget(cell, inCategory / 6, inCategory % 6);
        connect(cell, &ClickLabel::clicked, this, [this, cell] { pnlItemAllClick(cell); });
    }
    connect(cpDanXuan, &TCategoryPanel::expanded, this, &TfrmKaoShi::cpDanXuanExpand);
    connect(cpDuoXuan, &TCategoryPanel::expanded, this, &TfrmKaoShi::cpDuoXuanExpand);
    connect(cpPanDuan, &TCategoryPanel::expanded, this, &TfrmKaoShi::cpPanDuanExpand);
    connect(cpFenXi, &TCategoryPanel::expanded, this, &TfrmKaoShi::cpFenXiExpand);
    collapseAllBut(cpDanXuan);
    column->addWidget(CategoryPanelGroup, 1);

    Panel14 = Controls::styledPanel(Panel7, QStringLiteral("Panel14"));
    auto *foot = new QVBoxLayout(Panel14);
    foot->setContentsMargins(0, 0, 0, 0);
    ImageRB = pictureLabel(Panel14, QStringLiteral("ImageRB"), KaoShi::CardFootPicture);
    foot->addWidget(ImageRB);
    column->addWidget(Panel14);
}

void TfrmKaoShi::loadPictures()
{
    showPicture(ImagePic1, QStringLiteral("\\image\\2-1.jpg"), QStringLiteral("正在准备试卷……"), {});
    showPicture(ImagePic2, QStringLiteral("\\image\\2-2.jpg"), QStringLiteral("考试须知"), {Label9});
    showPicture(ImagePic3, QStringLiteral("\\image\\2-3.jpg"), QStringLiteral("确认考试信息"), {Label10, Label11});
    showPicture(ImagePic4, QStringLiteral("\\image\\2-4.jpg"), QStringLiteral("答题说明"), {Label12});
    showPicture(ImageTC, QStringLiteral("\\image\\2-5.jpg"), QString(), {});
    showPicture(ImageTR, QStringLiteral("\\image\\2-6.jpg"), QString(), {sbEndEx});
    showPicture(ImageRT, QStringLiteral("\\image\\2-7.jpg"), QStringLiteral("答题卡"), {});
    showPicture(ImageRB, QStringLiteral("\\image\\2-8.jpg"), QString(), {});
    showPicture(Image1, QStringLiteral("\\image\\2-9.jpg"), QString(), {Label13, Label14, Label15, Label16});
    showPicture(Image2, QStringLiteral("\\image\\2-10.jpg"), QString(), {Label17, Label18, Label19});
}

void TfrmKaoShi::watchKeys(QWidget *root)
{
    if (root != this)
        root->installEventFilter(this);
    for (QWidget *child : root->findChildren<QWidget *>())
        child->installEventFilter(this);
}
