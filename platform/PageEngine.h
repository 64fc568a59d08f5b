#pragma once
#include <QtPlugin>

#include <functional>

class QString;
class QUrl;
class QVariant;
class QWidget;

// One page view of the web engine. It is a widget (widget()) owned by the parent it was made
// with.
class PageView
{
public:
    virtual ~PageView() = default;
    virtual QWidget *widget() = 0;
    virtual void load(const QUrl &url) = 0;
    // Shows html; its relative links resolve against base.
    virtual void setHtml(const QString &html, const QUrl &base) = 0;
    virtual bool isLoading() const = 0;
    // Runs script in the page; done gets its value.
    virtual void runScript(const QString &script, const std::function<void(const QVariant &)> &done) = 0;
};

// The web engine as the plugin acctprep_webview offers it (loaded by PageEngineLoader.cpp).
class PageEngine
{
public:
    virtual ~PageEngine() = default;
    // finished(url, ok) follows every load of the view that ended; a load given up for the
    // next one is not reported.
    virtual PageView *createView(QWidget *parent, std::function<void(const QUrl &url, bool ok)> finished) = 0;
};

#define PageEngine_iid "org.acctprep.PageEngine/1"
Q_DECLARE_INTERFACE(PageEngine, PageEngine_iid)
