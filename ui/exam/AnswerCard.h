#pragma once
#include "ui/Controls.h"

#include <QColor>
#include <QWidget>

class QGridLayout;
class QToolButton;

// One cell of the exam's answer card: its question number on the colour of the question's
// state.
class TCardCell : public ClickLabel
{
    Q_OBJECT
    Q_PROPERTY(QColor color READ color WRITE setColor)
public:
    explicit TCardCell(QWidget *parent = nullptr);

    QColor color() const { return m_color; }
    void setColor(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_color;
};

// A collapsible section of the answer card: a caption bar over a grid of cells. Clicking the
// bar opens or closes it.
class TCategoryPanel : public QWidget
{
    Q_OBJECT
public:
    TCategoryPanel(QWidget *parent, const QString &name, const QString &caption);

    void setCaption(const QString &caption);
    QString caption() const { return m_caption; }
    bool isExpanded() const { return m_expanded; }
    void expand();
    void collapse();
    // Where its cells go, six to a row.
    QGridLayout *cells() const { return m_grid; }
    QToolButton *header() const { return m_header; }

signals:
    // The panel has just opened, by a click or by the program.
    void expanded();

private:
    void showState();

    QToolButton *m_header;
    QWidget *m_body;
    QGridLayout *m_grid;
    QString m_caption;
    bool m_expanded = true;
};
