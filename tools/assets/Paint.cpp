#include "Paint.h"

#include <QLinearGradient>
#include <QPainterPath>

QFont uiFont(int pixelSize, bool bold)
{
    QFont f(QStringLiteral("Noto Sans CJK SC"));
    f.setPixelSize(pixelSize);
    f.setWeight(bold ? QFont::Bold : QFont::Normal);
    f.setHintingPreference(QFont::PreferVerticalHinting);
    return f;
}

QImage newCanvas(int width, int height, const QColor &fill)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

void prepare(QPainter &p)
{
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing
                     | QPainter::SmoothPixmapTransform);
}

QPen roundPen(const QColor &colour, qreal width)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void fillVertical(QPainter &p, const QRectF &r, const QColor &top, const QColor &bottom)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(r, g);
}

void softShadow(QPainter &p, const QRectF &r, qreal radius, int spread, int alpha)
{
    p.save();
    p.setPen(Qt::NoPen);
    // Stacked translucent layers add up towards the card and fade outwards, like a blurred
    // shadow a little below it.
    for (int i = spread; i >= 1; --i) {
        QColor c(20, 60, 90, qMax(1, alpha / spread));
        p.setBrush(c);
        p.drawRoundedRect(r.adjusted(-i, -i + 3, i, i + 3), radius + i, radius + i);
    }
    p.restore();
}

void card(QPainter &p, const QRectF &r, qreal radius, const QColor &fill)
{
    softShadow(p, r, radius);
    p.save();
    p.setPen(QPen(Ink::Rule, 1));
    p.setBrush(fill);
    p.drawRoundedRect(r, radius, radius);
    p.restore();
}

void titledCard(QPainter &p, const QRectF &r, const QString &title, const QString &step)
{
    const qreal radius = 14;
    card(p, r, radius);
    const QRectF band(r.left(), r.top(), r.width(), 64);
    QPainterPath top;
    top.addRoundedRect(band.adjusted(0, 0, 0, radius), radius, radius);
    QPainterPath clip;
    clip.addRect(band);
    QLinearGradient g(band.topLeft(), band.topRight());
    g.setColorAt(0, Ink::Deep);
    g.setColorAt(1, Ink::Blue);
    p.fillPath(top.intersected(clip), g);
    text(p, band.adjusted(36, 0, -36, 0), Qt::AlignLeft | Qt::AlignVCenter, title,
         uiFont(26, true), Ink::Paper);
    if (!step.isEmpty())
        text(p, band.adjusted(36, 0, -32, 0), Qt::AlignRight | Qt::AlignVCenter, step,
             uiFont(15), QColor(220, 238, 248));
}

void button(QPainter &p, const QRect &r, const QString &caption, ButtonKind kind)
{
    const QRectF box(r);
    const qreal radius = 7;
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 60, 90, 34));
    p.drawRoundedRect(box.translated(0, 2), radius, radius);
    const bool primary = kind == ButtonKind::Primary;
    QLinearGradient g(box.topLeft(), box.bottomLeft());
    g.setColorAt(0, primary ? QColor(52, 160, 212) : QColor(216, 230, 241));
    g.setColorAt(1, primary ? Ink::Deep : QColor(194, 214, 230));
    p.setBrush(g);
    p.setPen(QPen(primary ? QColor(14, 106, 152) : QColor(136, 166, 188), 1));
    p.drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    p.restore();
    text(p, box, Qt::AlignCenter, caption, uiFont(16, true),
         primary ? Ink::Paper : QColor(28, 78, 112));
}

void text(QPainter &p, const QRectF &r, int flags, const QString &s, const QFont &font,
          const QColor &colour)
{
    p.save();
    p.setFont(font);
    p.setPen(colour);
    p.drawText(r, flags, s);
    p.restore();
}

void bubble(QPainter &p, const QPointF &centre, qreal radius, const QColor &colour, int alpha)
{
    p.save();
    QColor c = colour;
    c.setAlpha(alpha);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(centre, radius, radius);
    p.restore();
}

void lightBackdrop(QPainter &p, const QRectF &r)
{
    // Flat, with nothing touching the edges: a window that centres the picture on the same
    // colour shows no border around it at any size.
    p.fillRect(r, Ink::Mist);
}
