#include "ui/FlatButtons.h"

#include <QEvent>
#include <QStyleOptionToolButton>
#include <QStylePainter>
#include <QToolButton>

namespace {

// A flat button whose caption sits 10 px in from the left (the glyph margin) and is elided
// on the right when it does not fit; QToolButton itself always centres its text.
class FlatButton : public QToolButton
{
public:
    explicit FlatButton(QWidget *parent) : QToolButton(parent) {}

protected:
    void paintEvent(QPaintEvent *) override
    {
        QStylePainter painter(this);
        QStyleOptionToolButton option;
        initStyleOption(&option);
        const QString caption = option.text;
        option.text.clear();
        painter.drawComplexControl(QStyle::CC_ToolButton, option);
        const QRect area = rect().adjusted(10, 0, -6, 0);
        const QString shown = fontMetrics().elidedText(caption, Qt::ElideRight, area.width());
        painter.drawItemText(area, Qt::AlignLeft | Qt::AlignVCenter, palette(), isEnabled(), shown,
                             QPalette::ButtonText);
    }
};

// Resizes the flat buttons of the watched host whenever the host is resized.
class WidthFollower : public QObject
{
public:
    WidthFollower(QWidget *host, int spare) : QObject(host), m_spare(spare) { host->installEventFilter(this); }

    void fit(QWidget *host) const
    {
        const int width = qMax(0, host->width() - m_spare);
        for (FlatButton *button : host->findChildren<FlatButton *>(Qt::FindDirectChildrenOnly))
            button->resize(width, button->height());
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Resize)
            fit(static_cast<QWidget *>(watched));
        return QObject::eventFilter(watched, event);
    }

private:
    int m_spare;
};

}

QToolButton *EnsureFlatButton(QWidget *owner, QWidget *parent, const QString &name, const QString &caption,
                              const QRect &geometry, int fontPointSize)
{
    auto *button = owner->findChild<QToolButton *>(name);
    if (!button) {
        button = new FlatButton(parent);
        button->setObjectName(name);
        button->setAutoRaise(true);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button->setCursor(Qt::PointingHandCursor);
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

void FitFlatButtonsToWidth(QWidget *host, int spare)
{
    if (!host->findChild<WidthFollower *>(QString(), Qt::FindDirectChildrenOnly))
        new WidthFollower(host, spare);
}

void RemoveFlatButton(QWidget *owner, const QString &name)
{
    delete owner->findChild<QToolButton *>(name);
}
