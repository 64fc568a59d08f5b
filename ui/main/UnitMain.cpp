// The shell of the main window: top bar, content area, status bar, window creation.
#include "ui/main/UnitMain.h"

#include "core/UnitDefine.h"
#include "ui/login/UnitLoginSet.h"
#include "platform/Browser.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "core/AppPath.h"
#include "ui/Controls.h"
#include "ui/ScreenFit.h"

#include <QApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLoggingCategory>
#include <QPixmap>
#include <QScreen>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

TMainForm *MainForm = nullptr;

// Pictures the windows could not read; "acctprep.pictures.warning=false" silences them.
Q_LOGGING_CATEGORY(lcPictures, "acctprep.pictures")

namespace {
const QString ProductTitle = QStringLiteral("AcctPrep 会计从业资格考试练习系统");
const QString HomePage = QStringLiteral("https://acctprep.example.org/");
const QString QuestionBoard = QStringLiteral("https://acctprep.example.org/user/myquestion.html");
const QString SiteNotice = QStringLiteral("欢迎访问 AcctPrep 官网：https://acctprep.example.org/");

// A picture under the program directory; a file that cannot be read gives an empty pixmap and
// a warning naming it, so the window still opens.
QPixmap loadPicture(const QString &relative, bool transparentGlyph)
{
    const QString path = AppPath(relative);
    QImage image(path);
    if (image.isNull()) {
        qCWarning(lcPictures, "AcctPrep: cannot read picture %s", qPrintable(path));
        return {};
    }
    QPixmap pixmap = QPixmap::fromImage(image);
    // Glyphs are drawn on a plain background; its colour, taken from the bottom-left pixel,
    // is see-through so the button's own background shows.
    if (transparentGlyph)
        pixmap.setMask(pixmap.createMaskFromColor(image.pixelColor(0, image.height() - 1), Qt::MaskInColor));
    return pixmap;
}
}

TMainForm::TMainForm(TDataModuleMain *dataModule, QWidget *parent) : QMainWindow(parent), m_dm(dataModule)
{
    setObjectName(QStringLiteral("MainForm"));
    buildShell();
    buildPageViews();
    buildPracticeView();
    buildExamView();
    buildProgressView();
    FormCreate();
}

TMainForm::~TMainForm() = default;

void TMainForm::buildShell()
{
    setWindowTitle(ProductTitle);
    setMinimumSize(960, 640);

    auto *central = new QWidget(this);
    auto *centralLayout = new QVBoxLayout(central);
    centralLayout->setContentsMargins(0, 0, 0, 0);
    centralLayout->setSpacing(0);
    setCentralWidget(central);

    PanelTop = Controls::styledPanel(central, QStringLiteral("PanelTop"));
    PanelTop->setStyleSheet(QStringLiteral(
        "#PanelTop { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #f4f9fd, stop:1 #d5e6f4);"
        " border-bottom: 1px solid #9fbfd9; }"));
    auto *topLayout = new QHBoxLayout(PanelTop);
    topLayout->setContentsMargins(8, 4, 8, 4);
    topLayout->setSpacing(4);

    struct TopButton
    {
        QToolButton **button;
        const char *name;
        QString caption;
        QString tip;
        void (TMainForm::*click)();
    };
    const TopButton buttons[] = {
        {&SpeedButton1, "SpeedButton1", QStringLiteral("官网首页"), QStringLiteral("在浏览器中打开 AcctPrep 官网首页"),
         &TMainForm::SpeedButton1Click},
        {&SpeedButton3, "SpeedButton3", QStringLiteral("章节练习"), QStringLiteral("按章节练习试题，每题即时判断对错"),
         &TMainForm::SpeedButton3Click},
        {&SpeedButton4, "SpeedButton4", QStringLiteral("模拟考场"), QStringLiteral("按试卷或随机组卷进行限时模拟考试"),
         &TMainForm::SpeedButton4Click},
        {&SpeedButton5, "SpeedButton5", QStringLiteral("考试指南"), QStringLiteral("阅读考试大纲和报考须知"),
         &TMainForm::SpeedButton5Click},
        {&SpeedButton6, "SpeedButton6", QStringLiteral("课程讲义"), QStringLiteral("按课程阅读各章讲义"),
         &TMainForm::SpeedButton6Click},
        {&SpeedButton7, "SpeedButton7", QStringLiteral("答疑版"), QStringLiteral("在浏览器中打开答疑版，提问或查看解答"),
         &TMainForm::SpeedButton7Click},
        {&SpeedButton8, "SpeedButton8", QStringLiteral("学习进阶"), QStringLiteral("查看学习进度曲线和历史成绩"),
         &TMainForm::SpeedButton8Click},
        {&SpeedButton9, "SpeedButton9", QStringLiteral("帮助中心"), QStringLiteral("查看软件使用帮助"),
         &TMainForm::SpeedButton9Click},
    };
    // Glyph above caption, raised under the mouse; Tab and click both give the focus.
    const Controls::ButtonLook look{.style = Qt::ToolButtonTextUnderIcon,
                                    .focus = Qt::StrongFocus,
                                    .autoRaise = true,
                                    .handCursor = true,
                                    .minimumSize = {84, 76}};
    for (const TopButton &b : buttons) {
        QToolButton *button = Controls::button(PanelTop, QString::fromLatin1(b.name), b.caption, b.tip, look);
        button->setIconSize(QSize(48, 48));
        Controls::setPointSize(button, 10);
        connect(button, &QToolButton::clicked, this, b.click);
        topLayout->addWidget(button);
        *b.button = button;
    }
    // The two buttons that hand a page to the browser change no view: a click leaves the focus
    // where it was, so that neither looks like the page in front (Tab still reaches them).
    for (QToolButton *button : {SpeedButton1, SpeedButton7})
        button->setFocusPolicy(Qt::TabFocus);
    topLayout->addStretch(1);
    centralLayout->addWidget(PanelTop);

    Content = new QStackedWidget(central);
    Content->setObjectName(QStringLiteral("Content"));
    centralLayout->addWidget(Content, 1);

    PanelMain = Controls::panel(Content, QStringLiteral("PanelMain"));
    auto *mainLayout = new QVBoxLayout(PanelMain);
    mainLayout->setContentsMargins(0, 0, 0, 0);
    ImageMain = Controls::label(PanelMain, QStringLiteral("ImageMain"));
    ImageMain->setScaledContents(true);
    // The picture follows the view's size; it never makes the window larger.
    ImageMain->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    mainLayout->addWidget(ImageMain);
    Content->addWidget(PanelMain);

    PanelZJLX = Controls::panel(Content, QStringLiteral("PanelZJLX"));
    Content->addWidget(PanelZJLX);

    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar"));
    StatusPanel0 = Controls::label(bar, QStringLiteral("StatusPanel0"));
    StatusPanel0->setFixedWidth(400);
    StatusPanel0->setTextInteractionFlags(Qt::TextSelectableByMouse);
    StatusPanel1 = Controls::label(bar, QStringLiteral("StatusPanel1"));
    StatusPanel1->setFixedWidth(50);
    StatusPanel2 = Controls::label(bar, QStringLiteral("StatusPanel2"));
    StatusPanel2->setFixedWidth(50);
    bar->addWidget(StatusPanel0);
    bar->addWidget(StatusPanel1);
    bar->addWidget(StatusPanel2);
    sbLoginSet = Controls::button(bar, QStringLiteral("sbLoginSet"), QStringLiteral("登录设置"),
                                  QStringLiteral("设置启动时是否需要登录，以及登录的用户名和密码"), {.autoRaise = true});
    bar->addPermanentWidget(sbLoginSet);
    connect(sbLoginSet, &QToolButton::clicked, this, &TMainForm::sbLoginSetClick);
}

void TMainForm::FormCreate()
{
    // The layout's default is 1000 seconds; learners start from 500.
    if (seJHCTQieHuanMiaoShu)
        seJHCTQieHuanMiaoShu->setValue(500);
    if (seQieHuanMiaoShu)
        seQieHuanMiaoShu->setValue(500);
    CreateGlobalLists();
    bringToFront(PanelMain);
    // The start picture holds the focus when the window opens; the first button in the Tab
    // order, "官网首页", would otherwise look chosen though no page of it is open.
    PanelMain->setFocus();
    // The product title names the main window only. As the application's display name it
    // would be appended to every dialog and message box title.
    QGuiApplication::setApplicationName(QStringLiteral("AcctPrep"));
    StatusPanel0->setText(SiteNotice);
    StatusPanel0->setToolTip(SiteNotice);
    loadPictures();
    PlaceOnScreen(this, QSize(1280, 800));
}

void TMainForm::loadPictures()
{
    const std::pair<QToolButton *, const char *> glyphs[] = {
        {SpeedButton1, "\\image\\1-1.bmp"}, {SpeedButton3, "\\image\\1-3.bmp"}, {SpeedButton4, "\\image\\1-4.bmp"},
        {SpeedButton5, "\\image\\1-5.bmp"}, {SpeedButton6, "\\image\\1-6.bmp"}, {SpeedButton7, "\\image\\1-7.bmp"},
        {SpeedButton8, "\\image\\1-8.bmp"}, {SpeedButton9, "\\image\\1-9.bmp"},
    };
    // Every picture is tried: one unreadable file costs only its own control.
    for (const auto &[button, file] : glyphs) {
        const QPixmap glyph = loadPicture(QString::fromLatin1(file), true);
        button->setIcon(glyph.isNull() ? QIcon() : QIcon(glyph));
    }
    const QPixmap start = loadPicture(QStringLiteral("\\image\\1-11.jpg"), false);
    if (start.isNull())
        ImageMain->clear();
    else
        ImageMain->setPixmap(start);
}

void TMainForm::bringToFront(QWidget *view)
{
    if (Content->indexOf(view) < 0)
        Content->addWidget(view);
    Content->setCurrentWidget(view);
}

QWidget *TMainForm::currentView() const { return Content->currentWidget(); }

void TMainForm::SpeedButton1Click() { openInBrowser(SpeedButton1, HomePage); }

void TMainForm::SpeedButton7Click() { openInBrowser(SpeedButton7, QuestionBoard); }

void TMainForm::openInBrowser(QToolButton *button, const QString &address)
{
    if (Browser::open(address))
        return;
    MessageBox::information(this, QStringLiteral("提示"),
                            QStringLiteral("无法打开默认浏览器。请在浏览器中打开以下地址：\n%1").arg(address));
    // Nothing opened: the button must not stay raised as if its page were showing. The message
    // box took the pointer, so no leave event came to clear the hover.
    button->setAttribute(Qt::WA_UnderMouse, false);
    button->update();
}

void TMainForm::sbLoginSetClick()
{
    TfrmLoginSet dialog(m_dm, this);
    Modal::show(&dialog);
}
