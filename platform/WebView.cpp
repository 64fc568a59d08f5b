#include "platform/WebView.h"

#include "platform/PageEngine.h"
#include "platform/PageEngineLoader.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QVBoxLayout>

namespace {
bool g_testMode = false;

QString addressOf(const QUrl &url)
{
    return url.isLocalFile() ? QDir::toNativeSeparators(url.toLocalFile()) : url.toDisplayString();
}
}

WebView::WebView(QWidget *parent) : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

QUrl WebView::urlFor(const QString &target)
{
    if (QDir::isAbsolutePath(target) || QFileInfo::exists(target))
        return QUrl::fromLocalFile(QDir::fromNativeSeparators(target));
    return QUrl::fromUserInput(target);
}

QString WebView::failurePage(const QString &address)
{
    // The empty link leads to the page's base, which is the address that failed.
    return QStringLiteral(
               "<!DOCTYPE html><html lang=\"zh-CN\"><head><meta charset=\"utf-8\"><title>页面无法打开</title>"
               "<style>body{font-family:sans-serif;margin:48px;color:#333;line-height:1.7}"
               "h1{font-size:20px;color:#1f5f99}code{word-break:break-all;background:#f3f6f9;padding:2px 4px}"
               "a#retry{display:inline-block;margin-top:16px;padding:6px 20px;border:1px solid #9fbfd9;"
               "border-radius:3px;background:#eaf2fa;color:#1f5f99;text-decoration:none}</style></head>"
               "<body><h1>页面无法打开</h1><p>无法打开以下地址的页面：</p><p><code>%1</code></p>"
               "<p>网络地址请检查网络连接，本地页面请确认文件存在，然后点击“重试”。</p>"
               "<a id=\"retry\" href=\"\">重试</a></body></html>")
        .arg(address.toHtmlEscaped());
}

bool WebView::ensurePage()
{
    if (m_page)
        return true;
    QString why;
    PageEngine *engine = LoadPageEngine(&why);
    if (!engine) {
        if (!m_noEngine) {
            m_noEngine = new QLabel(this);
            m_noEngine->setObjectName(QStringLiteral("lblNoWebEngine"));
            m_noEngine->setWordWrap(true);
            m_noEngine->setAlignment(Qt::AlignCenter);
            m_noEngine->setTextFormat(Qt::PlainText);
            m_noEngine->setTextInteractionFlags(Qt::TextSelectableByMouse);
            layout()->addWidget(m_noEngine);
        }
        m_noEngine->setText(QStringLiteral("网页组件无法加载（%1），页面不能显示。").arg(why));
        return false;
    }
    m_page = engine->createView(this, [this](const QUrl &url, bool ok) { finished(url, ok); });
    layout()->addWidget(m_page->widget());
    return true;
}

void WebView::navigate(const QString &target)
{
    m_target = target;
    if (g_testMode)
        return;
    m_failed = false;
    m_showingFailure = false;
    if (ensurePage()) {
        m_page->load(urlFor(target));
        return;
    }
    m_failed = true;
    emit pageShown(false);
}

void WebView::finished(const QUrl &url, bool ok)
{
    if (m_showingFailure) {
        m_showingFailure = false;
        emit pageShown(false);
        return;
    }
    m_failed = !ok;
    if (ok) {
        emit pageShown(true);
        return;
    }
    m_showingFailure = true;
    m_page->setHtml(failurePage(addressOf(url)), url);
}

bool WebView::isLoading() const { return m_page && m_page->isLoading(); }

void WebView::setTestMode(bool on) { g_testMode = on; }
