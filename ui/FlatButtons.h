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
