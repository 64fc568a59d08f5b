// Top-bar glyphs: white line icons on the bar's own blue, 48 × 48, so a flat button shows no
// seam around its picture.
#include "Assets.h"
#include "Paint.h"

#include <QPainterPath>

#include <functional>

namespace {

const QColor Bar = Ink::Blue;
const QColor Line = Ink::Paper;

using Drawing = std::function<void(QPainter &)>;

QImage glyph(const Drawing &draw)
{
    QImage image = newCanvas(48, 48, Bar);
    QPainter p(&image);
    prepare(p);
    p.setPen(roundPen(Line, 2.6));
    p.setBrush(Qt::NoBrush);
    draw(p);
    return image;
}

// Shapes drawn over other lines are filled with the bar colour first, so lines behind them
// are hidden instead of showing through.
void solid(QPainter &p, const QPainterPath &path)
{
    p.save();
    p.setBrush(Bar);
    p.drawPath(path);
    p.restore();
}

void globe(QPainter &p)
{
    const QPointF c(24, 24);
    p.drawEllipse(c, 16, 16);
    p.drawEllipse(c, 7, 16);
    p.drawLine(QPointF(8, 24), QPointF(40, 24));
    QPainterPath lat;
    lat.moveTo(10.6, 15);
    lat.quadTo(24, 19, 37.4, 15);
    lat.moveTo(10.6, 33);
    lat.quadTo(24, 29, 37.4, 33);
    p.drawPath(lat);
}

void pencilAndBook(QPainter &p)
{
    p.drawRoundedRect(QRectF(7, 8, 24, 32), 2.5, 2.5);
    p.drawLine(QPointF(12, 8), QPointF(12, 40));
    p.drawLine(QPointF(16, 16), QPointF(26, 16));
    p.drawLine(QPointF(16, 21.5), QPointF(24, 21.5));
    p.save();
    p.translate(33, 25);
    p.rotate(32);
    QPainterPath pencil;
    pencil.moveTo(-3.6, -15);
    pencil.lineTo(3.6, -15);
    pencil.lineTo(3.6, 8);
    pencil.lineTo(0, 15);
    pencil.lineTo(-3.6, 8);
    pencil.closeSubpath();
    solid(p, pencil);
    p.drawLine(QPointF(-3.6, -10), QPointF(3.6, -10));
    p.drawLine(QPointF(-3.6, 8), QPointF(3.6, 8));
    p.restore();
}

void clockAndPaper(QPainter &p)
{
    QPainterPath paper;
    paper.moveTo(8, 6);
    paper.lineTo(26, 6);
    paper.lineTo(33, 13);
    paper.lineTo(33, 41);
    paper.lineTo(8, 41);
    paper.closeSubpath();
    p.drawPath(paper);
    p.drawPolyline(QPolygonF({QPointF(26, 6), QPointF(26, 13), QPointF(33, 13)}));
    p.drawLine(QPointF(13, 17), QPointF(24, 17));
    p.drawLine(QPointF(13, 23), QPointF(24, 23));
    p.drawLine(QPointF(13, 29), QPointF(20, 29));
    QPainterPath clock;
    clock.addEllipse(QPointF(33.5, 33.5), 10.5, 10.5);
    solid(p, clock);
    p.drawPolyline(QPolygonF({QPointF(33.5, 27), QPointF(33.5, 33.5), QPointF(38, 36)}));
}

void signpost(QPainter &p)
{
    p.drawLine(QPointF(24, 6), QPointF(24, 42));
    p.drawLine(QPointF(16, 42), QPointF(32, 42));
    QPainterPath right;
    right.moveTo(11, 10);
    right.lineTo(34, 10);
    right.lineTo(39.5, 15.5);
    right.lineTo(34, 21);
    right.lineTo(11, 21);
    right.closeSubpath();
    solid(p, right);
    QPainterPath left;
    left.moveTo(37, 25);
    left.lineTo(14, 25);
    left.lineTo(8.5, 30.5);
    left.lineTo(14, 36);
    left.lineTo(37, 36);
    left.closeSubpath();
    solid(p, left);
}

void openBook(QPainter &p)
{
    QPainterPath pages;
    pages.moveTo(24, 14);
    pages.cubicTo(19, 10, 11, 9.5, 5, 11.5);
    pages.lineTo(5, 36);
    pages.cubicTo(11, 34, 19, 34.5, 24, 38.5);
    pages.cubicTo(29, 34.5, 37, 34, 43, 36);
    pages.lineTo(43, 11.5);
    pages.cubicTo(37, 9.5, 29, 10, 24, 14);
    pages.closeSubpath();
    p.drawPath(pages);
    p.drawLine(QPointF(24, 14), QPointF(24, 38.5));
    p.save();
    p.setPen(roundPen(Line, 2));
    for (qreal y : {18.0, 23.5, 29.0}) {
        p.drawLine(QPointF(10, y - 1), QPointF(19.5, y));
        p.drawLine(QPointF(28.5, y), QPointF(38, y - 1));
    }
    p.restore();
}

// A rounded bubble whose tail leaves its bottom edge between tailRight and tailLeft (x), one
// outline with no seams.
QPainterPath bubblePath(const QRectF &r, qreal radius, qreal tailRight, qreal tailLeft,
                        const QPointF &tip)
{
    const qreal d = 2 * radius;
    QPainterPath path;
    path.moveTo(r.left() + radius, r.top());
    path.lineTo(r.right() - radius, r.top());
    path.arcTo(QRectF(r.right() - d, r.top(), d, d), 90, -90);
    path.lineTo(r.right(), r.bottom() - radius);
    path.arcTo(QRectF(r.right() - d, r.bottom() - d, d, d), 0, -90);
    path.lineTo(tailRight, r.bottom());
    path.lineTo(tip);
    path.lineTo(tailLeft, r.bottom());
    path.lineTo(r.left() + radius, r.bottom());
    path.arcTo(QRectF(r.left(), r.bottom() - d, d, d), 270, -90);
    path.lineTo(r.left(), r.top() + radius);
    path.arcTo(QRectF(r.left(), r.top(), d, d), 180, -90);
    path.closeSubpath();
    return path;
}

void speechBubbles(QPainter &p)
{
    p.drawPath(bubblePath(QRectF(5, 7, 27, 19), 7, 14.5, 9.5, QPointF(7, 32.5)));
    solid(p, bubblePath(QRectF(16, 19, 27, 18), 7, 38, 32, QPointF(40.5, 43)));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(Line);
    for (qreal x : {23.5, 29.5, 35.5})
        p.drawEllipse(QPointF(x, 28), 1.8, 1.8);
    p.restore();
}

void risingChart(QPainter &p)
{
    p.drawPolyline(QPolygonF({QPointF(7, 7), QPointF(7, 41), QPointF(42, 41)}));
    const QPolygonF trend({QPointF(12, 34), QPointF(20, 25), QPointF(27, 30), QPointF(39, 14)});
    p.drawPolyline(trend);
    // Arrow head along the last segment.
    const QPointF tip = trend.last();
    const QPointF dir = (tip - trend.at(2)) / QLineF(trend.at(2), tip).length();
    const QPointF normal(-dir.y(), dir.x());
    p.drawPolyline(QPolygonF({tip - dir * 7 + normal * 4.5, tip, tip - dir * 7 - normal * 4.5}));
    p.save();
    p.setBrush(Line);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i)
        p.drawEllipse(trend.at(i), 2.4, 2.4);
    p.restore();
}

void questionMark(QPainter &p)
{
    p.drawEllipse(QPointF(24, 24), 17, 17);
    QPainterPath q;
    q.moveTo(18.5, 19);
    q.cubicTo(18.5, 11.5, 30, 11.5, 30, 18.5);
    q.cubicTo(30, 23, 24, 23.5, 24, 28.5);
    p.save();
    p.setPen(roundPen(Line, 3.2));
    p.drawPath(q);
    p.setPen(Qt::NoPen);
    p.setBrush(Line);
    p.drawEllipse(QPointF(24, 34.5), 2.2, 2.2);
    p.restore();
}

}

QList<Asset> drawGlyphs()
{
    const QList<std::pair<QString, Drawing>> glyphs = {
        {QStringLiteral("1-1.bmp"), globe},        {QStringLiteral("1-3.bmp"), pencilAndBook},
        {QStringLiteral("1-4.bmp"), clockAndPaper}, {QStringLiteral("1-5.bmp"), signpost},
        {QStringLiteral("1-6.bmp"), openBook},     {QStringLiteral("1-7.bmp"), speechBubbles},
        {QStringLiteral("1-8.bmp"), risingChart},  {QStringLiteral("1-9.bmp"), questionMark},
    };
    QList<Asset> out;
    for (const auto &[name, draw] : glyphs)
        out.append({AssetDir::Image, name, glyph(draw)});
    return out;
}
