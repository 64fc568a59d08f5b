#include "ui/Controls.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QSpinBox>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QTableWidget>
#include <QTextLayout>
#include <QToolButton>

ClickLabel::ClickLabel(QWidget *parent) : QLabel(parent) {}

void ClickLabel::mousePressEvent(QMouseEvent *event)
{
    // Taken here, so the press does not reach the picture or panel underneath.
    if (event->button() == Qt::LeftButton)
        event->accept();
    else
        QLabel::mousePressEvent(event);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        event->accept();
        emit clicked();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

namespace Controls {

namespace {
void setName(QWidget *widget, const QString &objectName)
{
    if (!objectName.isEmpty())
        widget->setObjectName(objectName);
}

// Colour of a ticked option's caption: the accent of the practice and exam windows, darker.
const QColor OptionAccent(38, 144, 196);

// A check box whose caption wraps onto further lines within the width it is given, so long
// option texts stay readable. The indicator sits beside the first line.
class WrapCheckBox : public QCheckBox
{
public:
    explicit WrapCheckBox(QWidget *parent) : QCheckBox(parent)
    {
        QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
        policy.setHeightForWidth(true);
        setSizePolicy(policy);
    }

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override
    {
        return qMax(indicatorSize().height(), textRectFor(width).height()) + 2 * kVMargin;
    }
    QSize sizeHint() const override
    {
        const int width = textLeft() + fontMetrics().horizontalAdvance(text()) + 4;
        return {width, heightForWidth(width)};
    }
    QSize minimumSizeHint() const override
    {
        // The real height comes from heightForWidth; this only keeps one line's room.
        return {textLeft() + fontMetrics().averageCharWidth() * 6,
                qMax(indicatorSize().height(), fontMetrics().height()) + 2 * kVMargin};
    }

protected:
    // The whole box, caption lines included, takes the click.
    bool hitButton(const QPoint &pos) const override { return rect().contains(pos); }

    void paintEvent(QPaintEvent *) override
    {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        const QSize indicator = indicatorSize();
        // Centred on the ink of the first line, not on its line box.
        const QRect ink = fontMetrics().tightBoundingRect(QStringLiteral("中"));
        QTextLayout layout(text().isEmpty() ? QStringLiteral("中") : text(), font());
        layout.beginLayout();
        QTextLine first = layout.createLine();
        first.setLineWidth(textRectFor(width()).width());
        layout.endLayout();
        const int middle = kVMargin + qRound(first.ascent()) + (ink.top() + ink.bottom()) / 2;
        option.rect = QRect(QPoint(2, qMax(0, middle - indicator.height() / 2)), indicator);
        painter.drawPrimitive(QStyle::PE_IndicatorCheckBox, option);

        const QRect textRect = textRectFor(width());
        painter.setPen(isChecked() ? OptionAccent.darker(140) : palette().color(QPalette::WindowText));
        painter.drawText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text());
        if (hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = textRect.adjusted(-2, 0, 2, 0);
            painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
        }
    }

private:
    static constexpr int kVMargin = 3;

    QSize indicatorSize() const
    {
        QStyleOptionButton option;
        initStyleOption(&option);
        return {style()->pixelMetric(QStyle::PM_IndicatorWidth, &option, this),
                style()->pixelMetric(QStyle::PM_IndicatorHeight, &option, this)};
    }
    int textLeft() const
    {
        return 2 + indicatorSize().width() + style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, this) + 2;
    }
    QRect textRectFor(int width) const
    {
        const QRect room(textLeft(), kVMargin, qMax(1, width - textLeft() - 2), 1 << 20);
        const QRect used = fontMetrics().boundingRect(room, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text());
        return {room.topLeft(), QSize(room.width(), used.height())};
    }
};


}

QLabel *label(QWidget *parent, const QString &name, const QString &text)
{
    auto *l = new QLabel(text, parent);
    setName(l, name);
    // Labels show bank texts (answers, names): never let one be taken for markup.
    l->setTextFormat(Qt::PlainText);
    return l;
}

QLabel *boldLabel(QWidget *parent, const QString &name, const QString &text, int pointSize)
{
    QLabel *l = label(parent, name, text);
    QFont f = l->font();
    f.setBold(true);
    if (pointSize > 0)
        f.setPointSize(pointSize);
    l->setFont(f);
    return l;
}

QToolButton *button(QWidget *parent, const QString &name, const QString &caption, const QString &tip,
                    const ButtonLook &look)
{
    auto *b = new QToolButton(parent);
    setName(b, name);
    b->setText(caption);
    b->setToolTip(tip);
    b->setToolButtonStyle(look.style);
    b->setFocusPolicy(look.focus);
    b->setAutoRaise(look.autoRaise);
    if (look.handCursor)
        b->setCursor(Qt::PointingHandCursor);
    if (look.fillWidth)
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    if (look.minimumSize.isValid())
        b->setMinimumSize(look.minimumSize);
    return b;
}

QCheckBox *checkBox(QWidget *parent, const QString &name, const QString &caption, bool checked, const QString &tip)
{
    auto *c = new QCheckBox(caption, parent);
    setName(c, name);
    c->setChecked(checked);
    if (!tip.isEmpty())
        c->setToolTip(tip);
    return c;
}

QCheckBox *optionBox(QWidget *parent, const QString &name, const QString &tip)
{
    auto *box = new WrapCheckBox(parent);
    setName(box, name);
    box->setFocusPolicy(Qt::TabFocus);
    if (!tip.isEmpty())
        box->setToolTip(tip);
    return box;
}

ClickLabel *clickLabel(QWidget *parent, const QString &name, const QString &text, const QString &tip)
{
    auto *l = new ClickLabel(parent);
    setName(l, name);
    l->setTextFormat(Qt::PlainText);
    l->setText(text);
    l->setCursor(Qt::PointingHandCursor);
    if (!tip.isEmpty())
        l->setToolTip(tip);
    return l;
}

QSpinBox *spinBox(QWidget *parent, const QString &name, int minimum, int maximum, int value, const QString &tip)
{
    auto *s = new QSpinBox(parent);
    setName(s, name);
    s->setRange(minimum, maximum);
    s->setValue(value);
    s->setMinimumWidth(72);
    if (!tip.isEmpty())
        s->setToolTip(tip);
    return s;
}

QPlainTextEdit *readOnlyMemo(QWidget *parent, const QString &name)
{
    auto *memo = new QPlainTextEdit(parent);
    setName(memo, name);
    memo->setReadOnly(true);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    return memo;
}

QGroupBox *groupBox(QWidget *parent, const QString &name, const QString &title)
{
    auto *box = new QGroupBox(title, parent);
    setName(box, name);
    return box;
}

QWidget *panel(QWidget *parent, const QString &name)
{
    auto *p = new QWidget(parent);
    setName(p, name);
    return p;
}

QWidget *styledPanel(QWidget *parent, const QString &name)
{
    QWidget *p = panel(parent, name);
    p->setAttribute(Qt::WA_StyledBackground, true);
    return p;
}

QScrollArea *scrollColumn(QWidget *parent, const QString &name)
{
    auto *area = new QScrollArea(parent);
    setName(area, name);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return area;
}

QTableWidget *readOnlyTable(QWidget *parent, const QString &name)
{
    auto *table = new QTableWidget(parent);
    setName(table, name);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    return table;
}

void setPointSize(QWidget *widget, int points)
{
    QFont f = widget->font();
    f.setPointSize(points);
    widget->setFont(f);
}

} // namespace Controls
