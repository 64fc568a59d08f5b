#include "platform/WebView.h"

#include <QDir>
#include <QFileInfo>
#include <QVBoxLayout>
#include <QWebEngineView>

namespace {
bool g_testMode = false;
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

void WebView::navigate(const QString &target)
{
    m_target = target;
    if (g_testMode)
        return;
    if (!m_engine) {
        m_engine = new QWebEngineView(this);
        layout()->addWidget(m_engine);
    }
    m_engine->setUrl(urlFor(target));
}

void WebView::setTestMode(bool on) { g_testMode = on; }
