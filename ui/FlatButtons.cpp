#include "ui/FlatButtons.h"

#include <QToolButton>

QToolButton *EnsureFlatButton(QWidget *owner, QWidget *parent, const QString &name, const QString &caption,
                              const QRect &geometry, int fontPointSize)
{
    auto *button = owner->findChild<QToolButton *>(name);
    if (!button) {
        button = new QToolButton(parent);
        button->setObjectName(name);
        button->setAutoRaise(true);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button->setCursor(Qt::PointingHandCursor);
        // Glyph margin of 10: captions sit 10 px in from the left edge.
        button->setStyleSheet(QStringLiteral("QToolButton { text-align: left; padding-left: 10px; }"));
    }
    button->setParent(parent);
    button->setText(caption);
    button->setToolTip(caption);
    button->setGeometry(geometry);
    if (fontPointSize > 0) {
        QFont font = button->font();
        font.setPointSize(fontPointSize);
        button->setFont(font);
    }
    button->setVisible(true);
    return button;
}

void RemoveFlatButton(QWidget *owner, const QString &name)
{
    delete owner->findChild<QToolButton *>(name);
}
