#pragma once
#include <QString>
#include <QWidget>

class QWebEngineView;

// A page view that navigates to a web address or a full local file path given as one string.
// The web engine is made on the first navigation, so start-up stays fast; in test mode it is
// never made and the target is only recorded.
class WebView : public QWidget
{
    Q_OBJECT
public:
    explicit WebView(QWidget *parent = nullptr);

    void navigate(const QString &target);
    QString target() const { return m_target; }
    QWebEngineView *engine() const { return m_engine; }

    static void setTestMode(bool on);
    static QUrl urlFor(const QString &target);

private:
    QString m_target;
    QWebEngineView *m_engine = nullptr;
};
