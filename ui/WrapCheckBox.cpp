#include "ui/WrapCheckBox.h"

#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QTextLayout>

namespace {
const QColor kTicked(27, 100, 137);
const QColor kRight(31, 138, 76);
const QColor kWrong(192, 57, 43);
}

WrapCheckBox::WrapCheckBox(QWidget *parent) : QCheckBox(parent)
{
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void WrapCheckBox::setMark(Mark mark)
{
    if (mark == m_mark)
        return;
    m_mark = mark;
    updateGeometry();
    update();
}

QString WrapCheckBox::shownText() const
{
    switch (m_mark) {
    case RightMark:
        return text() + QStringLiteral("  ✓ 正确答案");
    case WrongMark:
        return text() + QStringLiteral("  ✗ 选错");
    case NoMark:
        break;
    }
    return text();
}

int WrapCheckBox::heightForWidth(int width) const
{
    return qMax(indicatorSize().height(), textRectFor(width).height()) + 2 * kVMargin;
}

QSize WrapCheckBox::sizeHint() const
{
    const int width = textLeft() + fontMetrics().horizontalAdvance(shownText()) + 4;
    return {width, heightForWidth(width)};
}

QSize WrapCheckBox::minimumSizeHint() const
{
    // The real height comes from heightForWidth; this only keeps one line's room.
    return {textLeft() + fontMetrics().averageCharWidth() * 6,
            qMax(indicatorSize().height(), fontMetrics().height()) + 2 * kVMargin};
}

void WrapCheckBox::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QSize indicator = indicatorSize();
    // Centred on the ink of the first line, not on its line box.
    const QRect ink = fontMetrics().tightBoundingRect(QStringLiteral("中"));
    QTextLayout layout(text().isEmpty() ? QStringLiteral("中") : shownText(), font());
    layout.beginLayout();
    QTextLine first = layout.createLine();
    first.setLineWidth(textRectFor(width()).width());
    layout.endLayout();
    const int middle = kVMargin + qRound(first.ascent()) + (ink.top() + ink.bottom()) / 2;
    option.rect = QRect(QPoint(2, qMax(0, middle - indicator.height() / 2)), indicator);
    painter.drawPrimitive(QStyle::PE_IndicatorCheckBox, option);

    const QRect textRect = textRectFor(width());
    QColor pen = isChecked() ? kTicked : palette().color(QPalette::WindowText);
    if (m_mark == RightMark)
        pen = kRight;
    else if (m_mark == WrongMark)
        pen = kWrong;
    painter.setPen(pen);
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, shownText());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = textRect.adjusted(-2, 0, 2, 0);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

QSize WrapCheckBox::indicatorSize() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    return {style()->pixelMetric(QStyle::PM_IndicatorWidth, &option, this),
            style()->pixelMetric(QStyle::PM_IndicatorHeight, &option, this)};
}

int WrapCheckBox::textLeft() const
{
    return 2 + indicatorSize().width() + style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, this) + 2;
}

QRect WrapCheckBox::textRectFor(int width) const
{
    const QRect room(textLeft(), kVMargin, qMax(1, width - textLeft() - 2), 1 << 20);
    const QRect used = fontMetrics().boundingRect(room, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, shownText());
    return {room.topLeft(), QSize(room.width(), used.height())};
}
