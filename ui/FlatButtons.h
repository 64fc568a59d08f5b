#pragma once
#include <QRect>
#include <QString>

class QToolButton;
class QWidget;

// Run-time flat buttons (page, chapter and paper buttons): found again by name under owner,
// made when missing, and given parent, caption, geometry and look.
QToolButton *EnsureFlatButton(QWidget *owner, QWidget *parent, const QString &name, const QString &caption,
                              const QRect &geometry, int fontPointSize = 0);
// Destroys the button of that name under owner, if there is one.
void RemoveFlatButton(QWidget *owner, const QString &name);
// Keeps the width of every run-time flat button placed directly in host at host's width
// less spare, as host grows and shrinks with the window.
void FitFlatButtonsToWidth(QWidget *host, int spare);
