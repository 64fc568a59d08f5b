#pragma once
#include <QRect>
#include <QSize>

class QWidget;

// Where a top-level window goes in the free area of its screen (without panels and task
// bars): the client size it wants, shrunk where the area is smaller but not below its
// minimum, centred so that its frame, title bar included, lies inside the area.
struct Placement
{
    QSize minimum;  // the window's minimum, lowered to what the area holds
    QRect geometry; // client area
    QPoint framePos;
};
Placement PlaceWithin(const QRect &area, QSize wanted, QSize minimum, QSize frame);

// Places the window so on its screen.
void PlaceOnScreen(QWidget *window, QSize wanted);
