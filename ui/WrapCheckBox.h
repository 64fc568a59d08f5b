#pragma once
#include <QCheckBox>

// A check box whose caption wraps onto further lines within the width it is given, so long
// option texts stay readable. The indicator sits beside the first line. In reviews it can
// show whether its option is the key (a green caption and "✓") or a wrong tick (red, "✗"),
// readable without colour.
class WrapCheckBox : public QCheckBox
{
public:
    enum Mark { NoMark, RightMark, WrongMark };

    explicit WrapCheckBox(QWidget *parent);

    void setMark(Mark mark);
    Mark mark() const { return m_mark; }

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    // The whole box, caption lines included, takes the click.
    bool hitButton(const QPoint &pos) const override { return rect().contains(pos); }
    void paintEvent(QPaintEvent *) override;

private:
    static constexpr int kVMargin = 3;

    // The caption as painted: with the review mark after it.
    QString shownText() const;
    QSize indicatorSize() const;
    int textLeft() const;
    QRect textRectFor(int width) const;

    Mark m_mark = NoMark;
};
