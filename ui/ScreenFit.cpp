#include "ui/ScreenFit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

Placement PlaceWithin(const QRect &area, QSize wanted, QSize minimum, QSize frame)
{
    const QSize room = (area.size() - frame).expandedTo(QSize(0, 0));
    Placement p;
    p.minimum = minimum.boundedTo(room);
    const QSize size = wanted.boundedTo(room).expandedTo(p.minimum);
    const QSize outer = size + frame;
    p.framePos = QPoint(area.left() + qMax(0, (area.width() - outer.width()) / 2),
                        area.top() + qMax(0, (area.height() - outer.height()) / 2));
    p.geometry = QRect(p.framePos + QPoint(frame.width() / 2, frame.height() - frame.width() / 2), size);
    return p;
}

void PlaceOnScreen(QWidget *window, QSize wanted)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) {
        window->resize(wanted);
        return;
    }
    // The window manager's frame is known only once the window is shown; before that, room
    // for a usual title bar and border is kept.
    QSize frame = window->frameGeometry().size() - window->geometry().size();
    if (frame.width() <= 0 && frame.height() <= 0)
        frame = QSize(8, 38);
    const Placement p = PlaceWithin(screen->availableGeometry(), wanted, window->minimumSize(), frame);
    window->setMinimumSize(p.minimum);
    window->resize(p.geometry.size());
    window->move(p.framePos); // a window's position is that of its frame
}
