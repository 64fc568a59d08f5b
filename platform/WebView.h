#pragma once
#include <QString>
#include <QUrl>
#include <QWidget>

class PageView;
class QLabel;

// A page view that navigates to a web address or a full local file path given as one string.
// The web engine is loaded and made on the first navigation, so start-up does not pay for it;
// in test mode it is never made and the target is only recorded. A page that cannot be shown
// is replaced by the program's own page naming the address, with a link that tries again.
class WebView : public QWidget
{
    Q_OBJECT
public:
    explicit WebView(QWidget *parent = nullptr);

    void navigate(const QString &target);
    QString target() const { return m_target; }
    // The engine's view; null before the first navigation, in test mode, or when the engine
    // could not be loaded.
    PageView *page() const { return m_page; }
    bool isLoading() const;
    // The last page could not be shown: the view shows why instead.
    bool failed() const { return m_failed; }

    static void setTestMode(bool on);
    static QUrl urlFor(const QString &target);
    // The program's page for an address that could not be shown.
    static QString failurePage(const QString &address);

signals:
    // After each load of the view: ok false when the failure page is shown instead.
    void pageShown(bool ok);

private:
    bool ensurePage();
    void finished(const QUrl &url, bool ok);

    QString m_target;
    PageView *m_page = nullptr;
    QLabel *m_noEngine = nullptr;
    bool m_failed = false;
    // The failure page itself is loading; its success is not the page's.
    bool m_showingFailure = false;
};
