#include "ui/exam/AnswerCard.h"

#include <QGridLayout>
#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>

TCardCell::TCardCell(QWidget *parent) : ClickLabel(parent), m_color(192, 192, 192)
{
    setAlignment(Qt::AlignCenter);
    setCursor(Qt::PointingHandCursor);
}

void TCardCell::setColor(const QColor &color)
{
    if (color == m_color)
        return;
    m_color = color;
    update();
}

void TCardCell::paintEvent(QPaintEvent *)
{
    // Painted here rather than by a style sheet: the colour changes on every display.
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(m_color.darker(135), 1));
    p.setBrush(m_color);
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    p.setPen(QColor(30, 45, 58));
    p.drawText(rect(), Qt::AlignCenter, text());
}

TCategoryPanel::TCategoryPanel(QWidget *parent, const QString &name, const QString &caption)
    : QWidget(parent), m_caption(caption)
{
    setObjectName(name);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    m_header = new QToolButton(this);
    m_header->setObjectName(name + QStringLiteral("Header"));
    m_header->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_header->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_header->setMinimumHeight(28);
    m_header->setCursor(Qt::PointingHandCursor);
    // Clicks only: the card is worked with the mouse, the questions with the keys.
    m_header->setFocusPolicy(Qt::NoFocus);
    column->addWidget(m_header);
    m_body = new QWidget(this);
    m_body->setObjectName(name + QStringLiteral("Cells"));
    m_grid = new QGridLayout(m_body);
    m_grid->setContentsMargins(8, 6, 8, 8);
    m_grid->setHorizontalSpacing(4);
    m_grid->setVerticalSpacing(4);
    column->addWidget(m_body);
    connect(m_header, &QToolButton::clicked, this, [this] {
        if (m_expanded)
            collapse();
        else
            expand();
    });
    showState();
}

void TCategoryPanel::setCaption(const QString &caption)
{
    m_caption = caption;
    showState();
}

void TCategoryPanel::expand()
{
    if (m_expanded)
        return;
    m_expanded = true;
    showState();
    emit expanded();
}

void TCategoryPanel::collapse()
{
    if (!m_expanded)
        return;
    m_expanded = false;
    showState();
}

void TCategoryPanel::showState()
{
    m_body->setVisible(m_expanded);
    m_header->setText((m_expanded ? QStringLiteral("▾  ") : QStringLiteral("▸  ")) + m_caption);
}
