// The web engine behind the page views, built as a plugin so that only a page shown pays for
// it (see ../PageEngineLoader.cpp).
#include "platform/PageEngine.h"

#include <QObject>
#include <QUrl>
#include <QVariant>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace {

class EngineView : public QWebEngineView, public PageView
{
public:
    EngineView(QWidget *parent, std::function<void(const QUrl &, bool)> finished) : QWebEngineView(parent)
    {
        // A page that fails is told in the program's own words, not the engine's.
        settings()->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
        connect(page(), &QWebEnginePage::loadingChanged, this,
                [finished = std::move(finished)](const QWebEngineLoadingInfo &info) {
                    if (info.status() == QWebEngineLoadingInfo::LoadSucceededStatus)
                        finished(info.url(), true);
                    // -3 is the network layer's "aborted": given up for another load.
                    else if (info.status() == QWebEngineLoadingInfo::LoadFailedStatus
                             && !(info.errorDomain() == QWebEngineLoadingInfo::InternalErrorDomain
                                  && info.errorCode() == -3))
                        finished(info.url(), false);
                });
    }

    QWidget *widget() override { return this; }
    void load(const QUrl &url) override { QWebEngineView::load(url); }
    void setHtml(const QString &html, const QUrl &base) override { QWebEngineView::setHtml(html, base); }
    bool isLoading() const override { return page()->isLoading(); }
    void runScript(const QString &script, const std::function<void(const QVariant &)> &done) override
    {
        page()->runJavaScript(script, done);
    }
};

class WebEnginePlugin : public QObject, public PageEngine
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID PageEngine_iid)
    Q_INTERFACES(PageEngine)
public:
    PageView *createView(QWidget *parent, std::function<void(const QUrl &, bool)> finished) override
    {
        return new EngineView(parent, std::move(finished));
    }
};

}

#include "WebEnginePlugin.moc"
