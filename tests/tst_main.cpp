// The main window's shell: start picture, view switching, browser buttons and the page views.
#include "tests/fixtures/TestBank.h"

#include "core/UnitDefine.h"
#include "platform/Browser.h"
#include "platform/MessageBox.h"
#include "platform/WebView.h"
#include "store/UnitDM.h"
#include "ui/ScreenFit.h"
#include "ui/main/UnitMain.h"

#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QScreen>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>
#include <QToolButton>

namespace {
// The run-time page buttons of a box, in name order.
QList<QToolButton *> pageButtons(QGroupBox *box, const QString &prefix)
{
    QList<QToolButton *> buttons =
        box->findChildren<QToolButton *>(QRegularExpression(QStringLiteral("^%1\\d+$").arg(prefix)));
    std::sort(buttons.begin(), buttons.end(), [](QToolButton *a, QToolButton *b) {
        return a->objectName().size() != b->objectName().size() ? a->objectName().size() < b->objectName().size()
                                                                : a->objectName() < b->objectName();
    });
    return buttons;
}

QStringList namesOf(const QList<QToolButton *> &buttons)
{
    QStringList names;
    for (const QToolButton *b : buttons)
        names << b->objectName();
    return names;
}

QList<int> topsOf(const QList<QToolButton *> &buttons)
{
    QList<int> tops;
    for (const QToolButton *b : buttons)
        tops << b->geometry().top();
    return tops;
}

// The top-bar glyphs and the start picture; spoiled is left out, or written as bytes that are
// no picture when broken.
bool writePictures(const QString &dir, const QString &spoiled = QString(), bool broken = false)
{
    QImage image(48, 48, QImage::Format_RGB32);
    image.fill(QColor(40, 120, 200));
    for (const QString name : {"1-1.bmp", "1-3.bmp", "1-4.bmp", "1-5.bmp", "1-6.bmp", "1-7.bmp", "1-8.bmp",
                               "1-9.bmp", "1-11.jpg"}) {
        const QString file = dir + QStringLiteral("/image/") + name;
        if (name != spoiled) {
            if (!image.save(file))
                return false;
        } else if (broken) {
            QFile bad(file);
            if (!bad.open(QIODevice::WriteOnly) || bad.write("not a picture") < 0)
                return false;
        }
    }
    return true;
}

// Handout pages per course: course "04" with two chapters, course "03" with five.
void handoutBank(BankWriter &bank)
{
    bank.addCourse(QStringLiteral("03"), QStringLiteral("会计电算化"));
    bank.addCourse(QStringLiteral("04"), QStringLiteral("初级会计实务"));
    for (int i = 1; i <= 5; ++i) {
        const QString id = QStringLiteral("03%1").arg(i, 2, 10, QLatin1Char('0'));
        bank.addChapter(id, QStringLiteral("电算化第%1章").arg(i), QStringLiteral("03"), QStringLiteral("1"));
        bank.addHandout(id, QStringLiteral("jy/%1.htm").arg(id), QStringLiteral("FALSE"));
    }
    for (int i = 1; i <= 2; ++i) {
        const QString id = QStringLiteral("04%1").arg(i, 2, 10, QLatin1Char('0'));
        bank.addChapter(id, QStringLiteral("实务第%1章").arg(i), QStringLiteral("04"), QStringLiteral("1"));
        bank.addHandout(id, QStringLiteral("jy/%1.htm").arg(id), QStringLiteral("FALSE"));
    }
}
}

class TestMain : public QObject
{
    Q_OBJECT

private slots:
    void startPictureFirst_data();
    void startPictureFirst();
    void topBarOpensViews_data();
    void topBarOpensViews();
    void missingWebEngineIsSaid();
    void browserButtonsKeepView_data();
    void browserButtonsKeepView();
    void guideTwiceReusesButtons();
    void pageListLengthGivesButtons();
    void pageKindChoosesTarget_data();
    void pageKindChoosesTarget();
    void handoutCourseChangeReplacesButtons();
    void handoutsWithoutCourses();
    void storeFailureShowsMessage();
    void windowsFitTheScreen_data();
    void windowsFitTheScreen();
    void mainWindowOpensInsideTheScreen();
    void longChapterNamesShowWhole();
};

void TestMain::startPictureFirst_data()
{
    QTest::addColumn<QString>("spoiled");
    QTest::addColumn<bool>("broken");
    QTest::addColumn<QString>("emptyButton"); // button left without glyph
    QTest::addColumn<bool>("startPicture");

    QTest::newRow("all pictures") << QString() << false << QString() << true;
    QTest::newRow("glyph missing") << QStringLiteral("1-4.bmp") << false << QStringLiteral("SpeedButton4") << true;
    QTest::newRow("first glyph unreadable") << QStringLiteral("1-1.bmp") << true << QStringLiteral("SpeedButton1") << true;
    QTest::newRow("start picture unreadable") << QStringLiteral("1-11.jpg") << true << QString() << false;
}

void TestMain::startPictureFirst()
{
    QFETCH(QString, spoiled);
    QFETCH(bool, broken);
    QFETCH(QString, emptyButton);
    QFETCH(bool, startPicture);

    TestApp app;
    QVERIFY(writePictures(app.dir(), spoiled, broken));
    if (!spoiled.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QRegularExpression::escape(spoiled)));

    TMainForm form(app.dm());

    QCOMPARE(form.currentView(), form.PanelMain);
    QCOMPARE(form.ImageMain->pixmap().isNull(), !startPicture);
    for (QToolButton *b : {form.SpeedButton1, form.SpeedButton3, form.SpeedButton4, form.SpeedButton5,
                           form.SpeedButton6, form.SpeedButton7, form.SpeedButton8, form.SpeedButton9})
        QCOMPARE(b->icon().isNull(), b->objectName() == emptyButton);
    QCOMPARE(form.windowTitle(), QStringLiteral("AcctPrep 会计从业资格考试练习系统"));
    QVERIFY(form.StatusPanel0->text().contains(QStringLiteral("https://acctprep.example.org/")));
}

void TestMain::topBarOpensViews_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("view");

    QTest::newRow("practice") << "SpeedButton3" << "章节练习" << "PanelZJLX";
    QTest::newRow("exam") << "SpeedButton4" << "模拟考场" << "PanelKaoShi";
    QTest::newRow("guide") << "SpeedButton5" << "考试指南" << "PanelKaoShiZhiNan";
    QTest::newRow("handouts") << "SpeedButton6" << "课程讲义" << "PanelKeChengJiangYi";
    QTest::newRow("progress") << "SpeedButton8" << "学习进阶" << "PanelXueXiJinJie";
    QTest::newRow("help") << "SpeedButton9" << "帮助中心" << "PanelHelp";
}

void TestMain::topBarOpensViews()
{
    QFETCH(QString, button);
    QFETCH(QString, caption);
    QFETCH(QString, view);

    TestApp app;
    QVERIFY(writePictures(app.dir()));
    TMainForm form(app.dm());
    auto *b = form.findChild<QToolButton *>(button);
    QVERIFY(b);
    QCOMPARE(b->text(), caption);
    QCOMPARE(b->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);

    b->click();

    QCOMPARE(form.currentView()->objectName(), view);
    int inFront = 0;
    for (int i = 0; i < form.Content->count(); ++i)
        inFront += form.Content->widget(i)->isVisibleTo(form.Content) ? 1 : 0;
    QCOMPARE(inFront, 1);
    QVERIFY(MessageBox::shown().isEmpty());
}

// Without the web engine plugin (this test program has none beside it) a page view says so
// in its place; the program goes on.
void TestMain::missingWebEngineIsSaid()
{
    TestApp app;
    QVERIFY(writePictures(app.dir()));
    TMainForm form(app.dm());
    WebView::setTestMode(false);
    const auto backToTestMode = qScopeGuard([] { WebView::setTestMode(true); });
    QSignalSpy shown(form.WebBrowserHelp, &WebView::pageShown);
    form.findChild<QToolButton *>(QStringLiteral("SpeedButton9"))->click();
    QCOMPARE(form.currentView()->objectName(), QStringLiteral("PanelHelp"));
    QCOMPARE(shown.count(), 1);
    QCOMPARE(shown.at(0).at(0).toBool(), false);
    QVERIFY(form.WebBrowserHelp->failed());
    auto *said = form.WebBrowserHelp->findChild<QLabel *>(QStringLiteral("lblNoWebEngine"));
    QVERIFY(said);
    QVERIFY(said->isVisibleTo(form.WebBrowserHelp));
    QVERIFY2(said->text().startsWith(QStringLiteral("网页组件无法加载（")), qPrintable(said->text()));
    QVERIFY(said->text().endsWith(QStringLiteral("），页面不能显示。")));
    QVERIFY(MessageBox::shown().isEmpty());
}

void TestMain::browserButtonsKeepView_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("opens"); // whether the default browser could be opened

    QTest::newRow("home page") << "SpeedButton1" << "https://acctprep.example.org/" << true;
    QTest::newRow("question board") << "SpeedButton7" << "https://acctprep.example.org/user/myquestion.html" << true;
    QTest::newRow("home page, no browser") << "SpeedButton1" << "https://acctprep.example.org/" << false;
    QTest::newRow("question board, no browser")
        << "SpeedButton7" << "https://acctprep.example.org/user/myquestion.html" << false;
}

void TestMain::browserButtonsKeepView()
{
    QFETCH(QString, button);
    QFETCH(QString, address);
    QFETCH(bool, opens);

    TestApp app;
    QVERIFY(writePictures(app.dir()));
    TMainForm form(app.dm());
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    // No top-bar button looks chosen when the window opens.
    QVERIFY(!qobject_cast<QToolButton *>(QApplication::focusWidget()));
    form.SpeedButton9->click();
    auto *b = form.findChild<QToolButton *>(button);
    b->setAttribute(Qt::WA_UnderMouse, true); // the pointer is on it

    Browser::setNextResult(opens);
    QTest::mouseClick(b, Qt::LeftButton);

    QCOMPARE(form.currentView(), form.PanelHelp);
    QCOMPARE(Browser::opened(), QStringList{address});
    QVERIFY(!b->hasFocus());
    if (opens) {
        QVERIFY(MessageBox::shown().isEmpty());
        return;
    }
    QCOMPARE(MessageBox::shown().size(), 1);
    QCOMPARE(MessageBox::shown().at(0).caption, QStringLiteral("提示"));
    QVERIFY2(MessageBox::shown().at(0).text.contains(address), qPrintable(MessageBox::shown().at(0).text));
    QVERIFY(MessageBox::shown().at(0).text.contains(QStringLiteral("无法打开默认浏览器")));
    // The button of the page that did not open is not left highlighted.
    QVERIFY(!b->testAttribute(Qt::WA_UnderMouse));
}

void TestMain::guideTwiceReusesButtons()
{
    TestApp app;
    QVERIFY(writePictures(app.dir()));
    TMainForm form(app.dm());

    form.SpeedButton5->click();
    const QList<QToolButton *> first = pageButtons(form.GroupBoxKaoShiZhiNan, QStringLiteral("sbKaoShiDaGang"));
    form.sbKaoShiZhiNanTClick(first.at(1));
    form.SpeedButton5->click();
    const QList<QToolButton *> second = pageButtons(form.GroupBoxKaoShiZhiNan, QStringLiteral("sbKaoShiDaGang"));

    QCOMPARE(second, first);
    QCOMPARE(namesOf(second), (QStringList{"sbKaoShiDaGang0", "sbKaoShiDaGang1"}));
    QCOMPARE(topsOf(second), (QList<int>{22, 54}));
    QCOMPARE(second.at(0)->text(), QStringLiteral("考试大纲"));
    QCOMPARE(second.at(1)->text(), QStringLiteral("报名须知"));
    QCOMPARE(second.at(0)->geometry(), QRect(20, 22, 160, 30));
    QVERIFY(second.at(0)->autoRaise());
    // Reopening goes back to the landing page.
    QCOMPARE(form.WebBrowserKSZN->target(), app.dir() + QStringLiteral("/html/ks_dg.htm"));
    // A reused button still opens its own page.
    second.at(1)->click();
    QCOMPARE(form.WebBrowserKSZN->target(), QStringLiteral("https://acctprep.example.org/bm"));
}

void TestMain::pageListLengthGivesButtons()
{
    TestApp app;
    QVERIFY(writePictures(app.dir()));
    TMainForm form(app.dm());
    const QString prefix = QStringLiteral("sbKaoShiDaGang");

    KaoShiDaGangList = {"一", "https://a.example/1", "TRUE", "二", "https://a.example/2", "TRUE", "三"};
    form.makePageButtons(KaoShiDaGangList, form.GroupBoxKaoShiZhiNan, prefix, 22, &TMainForm::sbKaoShiZhiNanTClick);
    QCOMPARE(namesOf(pageButtons(form.GroupBoxKaoShiZhiNan, prefix)), (QStringList{"sbKaoShiDaGang0", "sbKaoShiDaGang1"}));
    pageButtons(form.GroupBoxKaoShiZhiNan, prefix).at(1)->click();
    QCOMPARE(form.WebBrowserKSZN->target(), QStringLiteral("https://a.example/2"));

    // A caption too long for the button keeps its whole text (it is drawn elided) and tooltip.
    const QString longCaption = QStringLiteral("第四章 主要经济业务的账务处理（制造业企业）");
    KaoShiDaGangList = {longCaption, "https://a.example/1", "TRUE", "二", "https://a.example/2", "TRUE"};
    form.makePageButtons(KaoShiDaGangList, form.GroupBoxKaoShiZhiNan, prefix, 22, &TMainForm::sbKaoShiZhiNanTClick);
    QToolButton *first = pageButtons(form.GroupBoxKaoShiZhiNan, prefix).at(0);
    QCOMPARE(first->text(), longCaption);
    QCOMPARE(first->toolTip(), longCaption);
    QCOMPARE(pageButtons(form.GroupBoxKaoShiZhiNan, prefix).at(1)->text(), QStringLiteral("二"));

    // A shorter list leaves no button pointing past its end.
    KaoShiDaGangList = {"一", "https://a.example/1", "TRUE"};
    form.makePageButtons(KaoShiDaGangList, form.GroupBoxKaoShiZhiNan, prefix, 22, &TMainForm::sbKaoShiZhiNanTClick);
    QCOMPARE(namesOf(pageButtons(form.GroupBoxKaoShiZhiNan, prefix)), QStringList{"sbKaoShiDaGang0"});
}

void TestMain::pageKindChoosesTarget_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("page");
    QTest::addColumn<bool>("webAddress");

    QTest::newRow("TRUE") << "TRUE" << "https://acctprep.example.org/help/a.html" << true;
    QTest::newRow("true") << "true" << "https://acctprep.example.org/help/b.html" << true;
    QTest::newRow("True") << "True" << "http://acctprep.example.org/c" << true;
    QTest::newRow("1") << "1" << "help/use.htm" << false;
    QTest::newRow("empty") << "" << "help/faq.htm" << false;
    QTest::newRow("FALSE, address-like page") << "FALSE" << "https://acctprep.example.org/d" << false;
}

void TestMain::pageKindChoosesTarget()
{
    QFETCH(QString, kind);
    QFETCH(QString, page);
    QFETCH(bool, webAddress);

    TestApp app;
    app.scalar(QStringLiteral("delete from tabHelp"));
    app.scalar(QStringLiteral("insert into tabHelp(HP_NAME, HP_URL, HP_TYPE) values(?, ?, ?)"),
               {QStringLiteral("页面"), page, kind});
    QVERIFY(writePictures(app.dir()));
    TMainForm form(app.dm());
    form.SpeedButton9->click();
    QCOMPARE(form.WebBrowserHelp->target(), app.dir() + QStringLiteral("/html/about.htm"));

    auto *button = form.findChild<QToolButton *>(QStringLiteral("sbHelp0"));
    QVERIFY(button);
    button->click();

    QCOMPARE(form.WebBrowserHelp->target(), webAddress ? page : app.dir() + QStringLiteral("/html/") + page);
}

void TestMain::handoutCourseChangeReplacesButtons()
{
    TestApp app(handoutBank);
    QVERIFY(writePictures(app.dir()));
    TMainForm form(app.dm());
    const QString prefix = QStringLiteral("sbKeChengJiangYi");

    form.SpeedButton6->click();
    QCOMPARE(form.currentView(), form.PanelKeChengJiangYi);
    QCOMPARE(form.cbKeChengList->currentText(), QStringLiteral("初级会计实务"));
    QCOMPARE(pageButtons(form.GroupBoxKeChengMuLu, prefix).size(), 2);

    form.cbKeChengList->setCurrentText(QStringLiteral("会计电算化"));
    QCOMPARE(topsOf(pageButtons(form.GroupBoxKeChengMuLu, prefix)), (QList<int>{32, 64, 96, 128, 160}));
    pageButtons(form.GroupBoxKeChengMuLu, prefix).at(4)->click();
    QCOMPARE(form.WebBrowserKCJY->target(), app.dir() + QStringLiteral("/html/jy/0305.htm"));

    form.cbKeChengList->setCurrentText(QStringLiteral("初级会计实务"));
    const QList<QToolButton *> buttons = pageButtons(form.GroupBoxKeChengMuLu, prefix);
    QCOMPARE(namesOf(buttons), (QStringList{"sbKeChengJiangYi0", "sbKeChengJiangYi1"}));
    QCOMPARE(topsOf(buttons), (QList<int>{32, 64}));
    QCOMPARE(buttons.at(1)->text(), QStringLiteral("实务第2章"));
    // The course change leaves the page that was showing.
    QCOMPARE(form.WebBrowserKCJY->target(), app.dir() + QStringLiteral("/html/jy/0305.htm"));
}

void TestMain::handoutsWithoutCourses()
{
    TestApp app([](BankWriter &) {});
    QVERIFY(writePictures(app.dir()));
    TMainForm form(app.dm());

    form.SpeedButton6->click();

    QCOMPARE(form.currentView(), form.PanelKeChengJiangYi);
    QCOMPARE(form.cbKeChengList->count(), 0);
    QVERIFY(pageButtons(form.GroupBoxKeChengMuLu, QStringLiteral("sbKeChengJiangYi")).isEmpty());
    QCOMPARE(form.WebBrowserKCJY->target(), app.dir() + QStringLiteral("/html/ks_jy.htm"));
    QVERIFY(MessageBox::shown().isEmpty());
}

void TestMain::storeFailureShowsMessage()
{
    TestApp app;
    QVERIFY(writePictures(app.dir()));
    TMainForm form(app.dm());
    app.scalar(QStringLiteral("drop table tabKaoShiZhiNan"));

    form.SpeedButton5->click();

    QCOMPARE(form.currentView(), form.PanelKaoShiZhiNan);
    QCOMPARE(MessageBox::shown().size(), 1);
    QCOMPARE(MessageBox::shown().at(0).caption, QStringLiteral("错误"));
    QVERIFY(pageButtons(form.GroupBoxKaoShiZhiNan, QStringLiteral("sbKaoShiDaGang")).isEmpty());
    // The window goes on: the next view still opens.
    form.SpeedButton9->click();
    QCOMPARE(form.currentView(), form.PanelHelp);
    QCOMPARE(pageButtons(form.GroupBoxHelp, QStringLiteral("sbHelp")).size(), 1);
}

void TestMain::windowsFitTheScreen_data()
{
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QSize>("wanted");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QSize>("minimum");
    // A laptop with a 40 px task bar: the main window loses height, not its title bar.
    QTest::newRow("main, 1366x768") << QRect(0, 0, 1366, 728) << QSize(1280, 800) << QSize(1280, 690)
                                    << QSize(960, 640);
    QTest::newRow("main, 1920x1080") << QRect(0, 0, 1920, 1040) << QSize(1280, 800) << QSize(1280, 800)
                                     << QSize(960, 640);
    QTest::newRow("practice, 1366x768") << QRect(0, 0, 1366, 728) << QSize(964, 682) << QSize(964, 682)
                                        << QSize(960, 640);
    // Smaller than the window's minimum: the minimum gives way too.
    QTest::newRow("main, 1024x600") << QRect(0, 32, 1024, 568) << QSize(1280, 800) << QSize(1016, 530)
                                    << QSize(960, 530);
}

void TestMain::windowsFitTheScreen()
{
    QFETCH(QRect, area);
    QFETCH(QSize, wanted);
    QFETCH(QSize, size);
    QFETCH(QSize, minimum);
    const QSize frame(8, 38);
    const Placement p = PlaceWithin(area, wanted, QSize(960, 640), frame);
    QCOMPARE(p.geometry.size(), size);
    QCOMPARE(p.minimum, minimum);
    QVERIFY(area.contains(QRect(p.framePos, size + frame)));
}

void TestMain::mainWindowOpensInsideTheScreen()
{
    TestApp app;
    QVERIFY(writePictures(app.dir()));
    TMainForm form(app.dm());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QRect area = form.screen()->availableGeometry();
    QVERIFY2(area.contains(form.frameGeometry()), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                               .arg(form.frameGeometry().x())
                                                               .arg(form.frameGeometry().y())
                                                               .arg(form.frameGeometry().width())
                                                               .arg(form.frameGeometry().height())));
    // Message boxes and dialogs keep their own captions: no product name is added to them.
    QVERIFY(QGuiApplication::applicationDisplayName() != form.windowTitle());
}

void TestMain::longChapterNamesShowWhole()
{
    const QString longName = QStringLiteral("第五章 会计凭证、会计账簿、财产清查与财务报表");
    TestApp app([&](BankWriter &bank) {
        bank.addCourse(QStringLiteral("02"), QStringLiteral("会计基础"));
        bank.addChapter(QStringLiteral("0205"), longName, QStringLiteral("02"), QStringLiteral("1"));
        bank.addHandout(QStringLiteral("0205"), QStringLiteral("jy/0205.htm"), QStringLiteral("FALSE"));
    });
    QVERIFY(writePictures(app.dir()));
    TMainForm form(app.dm());
    form.resize(1366, 728);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const auto fits = [](QToolButton *b) {
        QFont f = b->font();
        return b && QFontMetrics(f).horizontalAdvance(b->text()) <= b->width() - 16;
    };

    form.SpeedButton3->click();
    QApplication::processEvents();
    auto *chapter = form.findChild<QToolButton *>(QStringLiteral("sbZhangJie0"));
    QVERIFY(chapter);
    QCOMPARE(chapter->text(), longName);
    QVERIFY2(fits(chapter), qPrintable(QString::number(chapter->width())));

    form.SpeedButton6->click();
    QApplication::processEvents();
    auto *handout = form.findChild<QToolButton *>(QStringLiteral("sbKeChengJiangYi0"));
    QVERIFY(handout);
    QVERIFY2(fits(handout), qPrintable(QString::number(handout->width())));
}

QTEST_MAIN(TestMain)
#include "tst_main.moc"
