// The page view with the real web engine: loaded on the first page, a page shown, and a page
// that cannot be shown replaced by the program's own Chinese page with the address and a retry.
#include "platform/PageEngine.h"
#include "platform/WebView.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QVariant>

namespace {

const int PageTimeout = 60000;

bool writePage(const QString &file, const QString &text)
{
    QFile page(file);
    if (!page.open(QIODevice::WriteOnly))
        return false;
    page.write(QStringLiteral("<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>页</title></head>"
                              "<body style=\"font-size:40px\"><p>%1</p></body></html>")
                   .arg(text)
                   .toUtf8());
    return true;
}

// What the page says, as the learner reads it.
QString pageText(WebView &view)
{
    QString text;
    bool done = false;
    view.page()->runScript(QStringLiteral("document.body ? document.body.innerText : ''"),
                           [&](const QVariant &value) {
                               text = value.toString();
                               done = true;
                           });
    if (!QTest::qWaitFor([&] { return done; }, PageTimeout))
        return QStringLiteral("(no answer from the page)");
    return text;
}

bool waitShown(QSignalSpy &spy, int count)
{
    return QTest::qWaitFor([&] { return spy.count() >= count; }, PageTimeout);
}

}

class TestWebView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        WebView::setTestMode(false);
        // The plugin is built into the application directory, beside the program.
        QCoreApplication::addLibraryPath(QStringLiteral(ACCTPREP_APP_DIR));
    }

    void pageShows()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("page.htm"));
        QVERIFY(writePage(file, QStringLiteral("本地讲义页面")));
        WebView view;
        view.resize(640, 400);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QSignalSpy shown(&view, &WebView::pageShown);

        view.navigate(QDir::toNativeSeparators(file));

        QVERIFY(view.page());
        QVERIFY(waitShown(shown, 1));
        QCOMPARE(shown.at(0).at(0).toBool(), true);
        QVERIFY(!view.failed());
        QCOMPARE(pageText(view), QStringLiteral("本地讲义页面"));
        // Drawn, not only loaded: the large dark text leaves dark pixels in the view.
        const bool drawn = QTest::qWaitFor(
            [&] {
                const QImage image = view.grab().toImage();
                for (int y = 0; y < image.height(); y += 2)
                    for (int x = 0; x < image.width(); x += 2)
                        if (qGray(image.pixel(x, y)) < 100)
                            return true;
                return false;
            },
            PageTimeout);
        QVERIFY(drawn);
    }

    void failedPageSaysSoAndRetries_data()
    {
        QTest::addColumn<QString>("target");  // empty: a missing file of the temporary folder
        QTest::addColumn<bool>("mendBeforeRetry");

        QTest::newRow("missing local page, written before the retry") << QString() << true;
        // Nothing listens on the discard port of this machine: refused at once, and again.
        QTest::newRow("unreachable address") << QStringLiteral("http://127.0.0.1:9/jy/0201.htm") << false;
    }

    void failedPageSaysSoAndRetries()
    {
        QFETCH(QString, target);
        QFETCH(bool, mendBeforeRetry);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("missing.htm"));
        if (target.isEmpty())
            target = QDir::toNativeSeparators(file);
        WebView view;
        view.resize(640, 400);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QSignalSpy shown(&view, &WebView::pageShown);

        view.navigate(target);

        QVERIFY(waitShown(shown, 1));
        QCOMPARE(shown.at(0).at(0).toBool(), false);
        QVERIFY(view.failed());
        QCOMPARE(view.target(), target);
        const QString text = pageText(view);
        QVERIFY2(text.contains(QStringLiteral("页面无法打开")), qPrintable(text));
        QVERIFY2(text.contains(target), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("重试")), qPrintable(text));

        if (mendBeforeRetry)
            QVERIFY(writePage(file, QStringLiteral("补上的页面")));
        view.page()->runScript(QStringLiteral("document.getElementById('retry').click()"), [](const QVariant &) {});

        QVERIFY(waitShown(shown, 2));
        QCOMPARE(shown.at(1).at(0).toBool(), mendBeforeRetry);
        QCOMPARE(view.failed(), !mendBeforeRetry);
        if (mendBeforeRetry)
            QCOMPARE(pageText(view), QStringLiteral("补上的页面"));
        else
            QVERIFY(pageText(view).contains(target));
    }

    void failurePageEscapesTheAddress()
    {
        const QString page = WebView::failurePage(QStringLiteral("https://a.example/?q=<b>&x=1"));
        QVERIFY(page.contains(QStringLiteral("https://a.example/?q=&lt;b&gt;&amp;x=1")));
        QVERIFY(!page.contains(QStringLiteral("<b>")));
    }
};

QTEST_MAIN(TestWebView)
#include "tst_webview.moc"
