#pragma once
#include <QLabel>
#include <QSize>
#include <QString>
#include <Qt>

#include <array>
#include <functional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class QScrollArea;
class QSpinBox;
class QTableWidget;
class QToolButton;
class QWidget;
class WrapCheckBox;

// A label that reports a left click released over it: picture hotspots and answer-card cells.
class ClickLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ClickLabel(QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};

// Design-time controls of the windows: each made with its parent and objectName (and caption
// and tip where it has them); an empty name leaves the control unnamed. Run-time buttons come
// from FlatButtons.h instead.
namespace Controls {

// Where a window's buttons differ from a plain QToolButton. Each window keeps its own look;
// the defaults are QToolButton's own.
struct ButtonLook
{
    Qt::ToolButtonStyle style = Qt::ToolButtonIconOnly;
    Qt::FocusPolicy focus = Qt::TabFocus;
    bool autoRaise = false;
    bool handCursor = false;
    // Takes the width of its column but no more height than it asks for.
    bool fillWidth = false;
    // Not applied while invalid (the default); QSize(0, h) sets only a minimum height.
    QSize minimumSize = QSize();
};

QLabel *label(QWidget *parent, const QString &name, const QString &text = QString());
// A bold label; a point size of 0 keeps the inherited size.
QLabel *boldLabel(QWidget *parent, const QString &name, const QString &text, int pointSize = 0);
QToolButton *button(QWidget *parent, const QString &name, const QString &caption, const QString &tip,
                    const ButtonLook &look = {});
QCheckBox *checkBox(QWidget *parent, const QString &name, const QString &caption, bool checked = false,
                    const QString &tip = QString());
// A one-line edit; a width of 0 leaves it to the layout.
QLineEdit *lineEdit(QWidget *parent, const QString &name, int fixedWidth = 0);
// Radio buttons exclude the others of the same parent.
QRadioButton *radioButton(QWidget *parent, const QString &name, const QString &caption);
// An answer option: its caption wraps onto further lines within the width it is given, and
// the whole box, caption included, takes the click. Taken by Tab, not by a click.
WrapCheckBox *optionBox(QWidget *parent, const QString &name, const QString &tip = QString());
// The answer options of a question: six hidden boxes cbA…cbF ("A".."F" taken as keys) in a
// column "pnlOptions" that scrolls when the options are long; a click on a box calls clicked.
QScrollArea *optionColumn(QWidget *parent, std::array<WrapCheckBox *, 6> &boxes,
                          const std::function<void(WrapCheckBox *)> &clicked);
// A clickable label with a hand cursor (hotspots over pictures, answer-card cells).
ClickLabel *clickLabel(QWidget *parent, const QString &name, const QString &text = QString(),
                       const QString &tip = QString());
// Wide enough for four digits beside its arrows.
QSpinBox *spinBox(QWidget *parent, const QString &name, int minimum, int maximum, int value,
                  const QString &tip = QString());
// Text to read, not to edit: wrapped at the box's width, scrolling up and down only.
QPlainTextEdit *readOnlyMemo(QWidget *parent, const QString &name);
QGroupBox *groupBox(QWidget *parent, const QString &name, const QString &title);
QWidget *panel(QWidget *parent, const QString &name);
// A panel that paints the background a style sheet gives it.
QWidget *styledPanel(QWidget *parent, const QString &name);
// A frameless area that scrolls its widget up and down; the widget takes the area's width.
QScrollArea *scrollColumn(QWidget *parent, const QString &name);
// A table read row by row: one whole row is picked at a time, nothing is edited, rows have
// no header.
QTableWidget *readOnlyTable(QWidget *parent, const QString &name);

// Sets the point size of the widget's font, keeping the rest of it.
void setPointSize(QWidget *widget, int points);

} // namespace Controls
