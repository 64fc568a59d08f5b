#include "Shots.h"

#include "platform/WebView.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QList>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace {
QList<Shot> &registry()
{
    static QList<Shot> shots;
    return shots;
}

void wait(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}
}

namespace Shots {

Register::Register(int order, const QString &name, ShotFunction take)
{
    registry().append({order, name, std::move(take)});
}

QList<Shot> all()
{
    QList<Shot> shots = registry();
    std::stable_sort(shots.begin(), shots.end(), [](const Shot &a, const Shot &b) { return a.order < b.order; });
    return shots;
}

QWidget *asPicture(const QPixmap &pixmap)
{
    static QLabel *picture = nullptr;
    if (!picture)
        picture = new QLabel;
    picture->setPixmap(pixmap);
    picture->resize(pixmap.size());
    return picture;
}

void settle(QWidget *root)
{
    QCoreApplication::processEvents();
    wait(300);
    // Pages load on their own; a page that never finishes is grabbed as it stands.
    QElapsedTimer clock;
    clock.start();
    for (WebView *view : root->findChildren<WebView *>()) {
        while (view->isVisible() && view->isLoading() && clock.elapsed() < 20000)
            wait(100);
    }
    wait(700);
}

}
