// The reference-page views: exam guide, course handouts and help centre.
#include "ui/main/UnitMain.h"

#include "core/UnitDefine.h"
#include "core/AppPath.h"
#include "platform/WebView.h"
#include "store/UnitDM.h"
#include "ui/Controls.h"
#include "ui/FlatButtons.h"
#include "ui/Guard.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
const QString GuidePrefix = QStringLiteral("sbKaoShiDaGang");
const QString HandoutPrefix = QStringLiteral("sbKeChengJiangYi");
const QString HelpPrefix = QStringLiteral("sbHelp");
constexpr int PageColumnWidth = 200;
// Handouts are named after their chapters, whose names are long.
constexpr int HandoutColumnWidth = 360;
// Page buttons stand 20 px in from either side of their box.
constexpr int PageButtonSpare = 40;

QGroupBox *pageBox(const char *name, const QString &title, int width = PageColumnWidth)
{
    QGroupBox *box = Controls::groupBox(nullptr, QString::fromLatin1(name), title);
    box->setFixedWidth(width);
    FitFlatButtonsToWidth(box, PageButtonSpare);
    return box;
}

// The button column scrolls when a long list does not fit the window.
QScrollArea *scrolling(QGroupBox *box)
{
    QScrollArea *area = Controls::scrollColumn(nullptr, QString());
    area->setWidget(box);
    area->setFixedWidth(box->width() + area->verticalScrollBar()->sizeHint().width());
    return area;
}

WebView *pageView(const char *name)
{
    auto *view = new WebView;
    view->setObjectName(QString::fromLatin1(name));
    view->setMinimumWidth(300);
    return view;
}

QWidget *pageViewPanel(const char *name, QWidget *column, WebView *view)
{
    QWidget *panel = Controls::panel(nullptr, QString::fromLatin1(name));
    auto *layout = new QHBoxLayout(panel);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(column);
    layout->addWidget(view, 1);
    return panel;
}
}

void TMainForm::buildPageViews()
{
    GroupBoxKaoShiZhiNan = pageBox("GroupBoxKaoShiZhiNan", QStringLiteral("考试指南"));
    WebBrowserKSZN = pageView("WebBrowserKSZN");
    PanelKaoShiZhiNan = pageViewPanel("PanelKaoShiZhiNan", scrolling(GroupBoxKaoShiZhiNan), WebBrowserKSZN);
    Content->addWidget(PanelKaoShiZhiNan);

    QGroupBox *courseBox = pageBox("GroupBoxKeChengList", QStringLiteral("课程列表"), HandoutColumnWidth);
    auto *courseLayout = new QVBoxLayout(courseBox);
    auto *courseLabel = new QLabel(QStringLiteral("课程信息"), courseBox);
    cbKeChengList = new QComboBox(courseBox);
    cbKeChengList->setObjectName(QStringLiteral("cbKeChengList"));
    courseLabel->setBuddy(cbKeChengList);
    courseLayout->addWidget(courseLabel);
    courseLayout->addWidget(cbKeChengList);
    connect(cbKeChengList, &QComboBox::currentIndexChanged, this, &TMainForm::cbKeChengListChange);
    GroupBoxKeChengMuLu = pageBox("GroupBoxKeChengMuLu", QStringLiteral("课程目录"), HandoutColumnWidth);
    auto *handoutColumn = new QWidget;
    auto *handoutLayout = new QVBoxLayout(handoutColumn);
    handoutLayout->setContentsMargins(0, 0, 0, 0);
    handoutLayout->addWidget(courseBox);
    handoutLayout->addWidget(scrolling(GroupBoxKeChengMuLu), 1);
    WebBrowserKCJY = pageView("WebBrowserKCJY");
    PanelKeChengJiangYi = pageViewPanel("PanelKeChengJiangYi", handoutColumn, WebBrowserKCJY);
    Content->addWidget(PanelKeChengJiangYi);

    GroupBoxHelp = pageBox("GroupBoxHelp", QStringLiteral("帮助中心"));
    WebBrowserHelp = pageView("WebBrowserHelp");
    PanelHelp = pageViewPanel("PanelHelp", scrolling(GroupBoxHelp), WebBrowserHelp);
    Content->addWidget(PanelHelp);
}

void TMainForm::SpeedButton5Click()
{
    openPageList(PanelKaoShiZhiNan, WebBrowserKSZN, QStringLiteral("\\html\\ks_dg.htm"),
                 &TDataModuleMain::GetKaoShiDaGang, KaoShiDaGangList, GroupBoxKaoShiZhiNan, GuidePrefix, 22,
                 &TMainForm::sbKaoShiZhiNanTClick);
}

void TMainForm::SpeedButton9Click()
{
    openPageList(PanelHelp, WebBrowserHelp, QStringLiteral("\\html\\about.htm"), &TDataModuleMain::GetHelpList,
                 HelpList, GroupBoxHelp, HelpPrefix, 22, &TMainForm::sbHelpTClick);
}

void TMainForm::openPageList(QWidget *panel, WebView *view, const QString &landing, void (TDataModuleMain::*load)(),
                             const QStringList &list, QGroupBox *box, const QString &prefix, int firstTop,
                             void (TMainForm::*click)(QToolButton *))
{
    view->navigate(AppPath(landing));
    bringToFront(panel);
    guarded(this, [&] { (m_dm->*load)(); });
    makePageButtons(list, box, prefix, firstTop, click);
}

void TMainForm::makePageButtons(const QStringList &list, QGroupBox *box, const QString &prefix, int firstTop,
                                void (TMainForm::*click)(QToolButton *))
{
    const int pages = int(list.size() / 3);
    for (int i = 0; i < pages; ++i) {
        const QString caption = list.at(3 * i);
        QToolButton *button =
            EnsureFlatButton(this, box, prefix + QString::number(i), caption, QRect(20, firstTop + 32 * i, box->width() - PageButtonSpare, 30));
        // A reused button keeps one connection, not one per opening.
        button->disconnect(this);
        connect(button, &QToolButton::clicked, this, [this, button, click] { (this->*click)(button); });
    }
    // Buttons left from a longer list would point past its end.
    for (int i = pages; findChild<QToolButton *>(prefix + QString::number(i)); ++i)
        RemoveFlatButton(this, prefix + QString::number(i));
    box->setMinimumHeight(firstTop + 32 * pages + 8);
}

void TMainForm::SpeedButton6Click()
{
    WebBrowserKCJY->navigate(AppPath(QStringLiteral("\\html\\ks_jy.htm")));
    guarded(this, [this] { m_dm->GetKeChengInfo(); });
    {
        // The change handler runs once, below, for the first course.
        const QSignalBlocker blocker(cbKeChengList);
        cbKeChengList->clear();
        for (int i = 0; i < KeChengList.count(); ++i)
            cbKeChengList->addItem(KeChengList.text(i));
        cbKeChengList->setCurrentIndex(KeChengList.isEmpty() ? -1 : 0);
    }
    cbKeChengListChange();
    bringToFront(PanelKeChengJiangYi);
}

void TMainForm::cbKeChengListChange()
{
    const int course = KeChengList.indexOf(cbKeChengList->currentText());
    if (course < 0)
        return;
    const QString courseId = KeChengList[course]->KeChengID;
    static const QRegularExpression handoutButton(
        QStringLiteral("^%1\\d+$").arg(QRegularExpression::escape(HandoutPrefix)));
    for (QToolButton *button : GroupBoxKeChengMuLu->findChildren<QToolButton *>(handoutButton))
        RemoveFlatButton(this, button->objectName());
    guarded(this, [&] { m_dm->GetKeChengJiangYi(courseId, QStringLiteral("1")); });
    makePageButtons(KeChengJiangYiList, GroupBoxKeChengMuLu, HandoutPrefix, 32, &TMainForm::sbKeChengJiangYiTClick);
}

void TMainForm::sbKaoShiZhiNanTClick(QToolButton *sender)
{
    showPage(sender, GuidePrefix, KaoShiDaGangList, WebBrowserKSZN);
}

void TMainForm::sbKeChengJiangYiTClick(QToolButton *sender)
{
    showPage(sender, HandoutPrefix, KeChengJiangYiList, WebBrowserKCJY);
}

void TMainForm::sbHelpTClick(QToolButton *sender)
{
    showPage(sender, HelpPrefix, HelpList, WebBrowserHelp);
}

void TMainForm::showPage(QToolButton *sender, const QString &prefix, const QStringList &list, WebView *view)
{
    if (!sender || !sender->objectName().startsWith(prefix))
        return;
    bool isNumber = false;
    const int i = sender->objectName().mid(prefix.size()).toInt(&isNumber);
    if (!isNumber || i < 0 || 3 * i + 2 >= list.size())
        return;
    const QString page = list.at(3 * i + 1);
    if (list.at(3 * i + 2).toUpper() == QLatin1String("TRUE"))
        view->navigate(page);
    else
        view->navigate(AppPath(QStringLiteral("\\html\\") + page));
}
