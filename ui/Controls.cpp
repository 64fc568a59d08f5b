#include "ui/Controls.h"

#include "ui/WrapCheckBox.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

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

QLineEdit *lineEdit(QWidget *parent, const QString &name, int fixedWidth)
{
    auto *e = new QLineEdit(parent);
    setName(e, name);
    if (fixedWidth > 0)
        e->setFixedWidth(fixedWidth);
    return e;
}

QRadioButton *radioButton(QWidget *parent, const QString &name, const QString &caption)
{
    auto *r = new QRadioButton(caption, parent);
    setName(r, name);
    return r;
}

WrapCheckBox *optionBox(QWidget *parent, const QString &name, const QString &tip)
{
    auto *box = new WrapCheckBox(parent);
    setName(box, name);
    box->setFocusPolicy(Qt::TabFocus);
    if (!tip.isEmpty())
        box->setToolTip(tip);
    return box;
}

QScrollArea *optionColumn(QWidget *parent, std::array<WrapCheckBox *, 6> &boxes,
                          const std::function<void(WrapCheckBox *)> &clicked)
{
    // Long options scroll inside the column rather than being cut off.
    QScrollArea *area = scrollColumn(parent, QStringLiteral("ScrollBoxOptions"));
    QWidget *options = panel(nullptr, QStringLiteral("pnlOptions"));
    auto *layout = new QVBoxLayout(options);
    layout->setContentsMargins(12, 8, 12, 8);
    layout->setSpacing(6);
    for (int i = 0; i < 6; ++i) {
        const QChar letter(u'A' + i);
        WrapCheckBox *box =
            optionBox(options, QStringLiteral("cb") + letter, QStringLiteral("按 %1 键勾选或取消").arg(letter));
        box->hide();
        layout->addWidget(box);
        QObject::connect(box, &QCheckBox::clicked, box, [clicked, box] { clicked(box); });
        boxes[size_t(i)] = box;
    }
    layout->addStretch(1);
    area->setWidget(options);
    return area;
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
