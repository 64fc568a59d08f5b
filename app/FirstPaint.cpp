#include "app/FirstPaint.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>

namespace {

long long monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// A field of /proc/self/status in KiB ("VmRSS", "VmHWM"); 0 when unknown.
long statusKib(const QByteArray &field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(field + ':'))
            return line.mid(field.size() + 1).trimmed().split(' ').value(0).toLong();
    return 0;
}

class FirstPaint : public QObject
{
    Q_OBJECT
public:
    FirstPaint(QWidget *window, bool openPage) : QObject(window), m_window(window), m_openPage(openPage) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            // Reported once the paint and its flush to the screen are done.
            QTimer::singleShot(0, this, [this] {
                std::printf("first-paint %lld rss-kib %ld hwm-kib %ld\n", monotonicNs(), statusKib("VmRSS"),
                            statusKib("VmHWM"));
                std::fflush(stdout);
                // After whatever start-up left for after the first paint.
                QTimer::singleShot(0, this, [this] {
                    std::printf("first-idle %lld rss-kib %ld hwm-kib %ld\n", monotonicNs(), statusKib("VmRSS"),
                                statusKib("VmHWM"));
                    std::fflush(stdout);
                    if (m_openPage)
                        openPage();
                    else
                        QCoreApplication::quit();
                });
            });
        }
        return QObject::eventFilter(watched, event);
    }

private slots:
    void pageShown()
    {
        std::printf("first-page %lld %lld rss-kib %ld hwm-kib %ld\n", m_click, monotonicNs(), statusKib("VmRSS"),
                    statusKib("VmHWM"));
        std::fflush(stdout);
        QCoreApplication::quit();
    }

private:
    void openPage()
    {
        auto *button = m_window->findChild<QAbstractButton *>(QStringLiteral("SpeedButton9"));
        QWidget *view = m_window->findChild<QWidget *>(QStringLiteral("WebBrowserHelp"));
        if (!button || !view) {
            QCoreApplication::exit(3);
            return;
        }
        connect(view, SIGNAL(pageShown(bool)), this, SLOT(pageShown()));
        m_click = monotonicNs();
        button->click();
    }

    QWidget *m_window;
    bool m_openPage;
    bool m_seen = false;
    long long m_click = 0;
};

}

void QuitAtFirstPaintIfAsked(QWidget *window)
{
    const QByteArray asked = qgetenv("ACCTPREP_FIRST_PAINT");
    if (asked.isEmpty())
        return;
    window->installEventFilter(new FirstPaint(window, asked == "page"));
}

#include "FirstPaint.moc"
