// The tip pictures that tell the learner which review a practice or exam run is in. They are
// full-bleed tags (no rounded outer corners): the practice strip and the exam's blue top bar
// have different colours, and square edges sit cleanly on both.
#include "Assets.h"
#include "Paint.h"

#include <QPainterPath>
#include <QtMath>

#include <functional>

namespace {

using Icon = std::function<void(QPainter &, const QPointF &)>;

void eye(QPainter &p, const QPointF &c)
{
    QPainterPath lid;
    lid.moveTo(c.x() - 11, c.y());
    lid.quadTo(c.x(), c.y() - 11, c.x() + 11, c.y());
    lid.quadTo(c.x(), c.y() + 11, c.x() - 11, c.y());
    p.drawPath(lid);
    p.save();
    p.setBrush(Ink::Paper);
    p.drawEllipse(c, 3.2, 3.2);
    p.restore();
}

void cross(QPainter &p, const QPointF &c)
{
    p.drawEllipse(c, 10, 10);
    p.drawLine(c + QPointF(-4, -4), c + QPointF(4, 4));
    p.drawLine(c + QPointF(4, -4), c + QPointF(-4, 4));
}

void blank(QPainter &p, const QPointF &c)
{
    QPen pen = roundPen(Ink::Paper, 2);
    pen.setDashPattern({2.0, 2.2});
    p.save();
    p.setPen(pen);
    p.drawEllipse(c, 10, 10);
    p.restore();
    p.drawLine(c + QPointF(-4, 0), c + QPointF(4, 0));
}

void redo(QPainter &p, const QPointF &c)
{
    const qreal r = 9, start = 120, sweep = 280;
    p.drawArc(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), int(start * 16), int(sweep * 16));
    // Arrow head at the arc's end, pointing the way the arc runs (counter-clockwise on screen).
    const qreal a = qDegreesToRadians(start + sweep);
    const QPointF end = c + QPointF(r * qCos(a), -r * qSin(a));
    const QPointF along(-qSin(a), -qCos(a));
    const QPointF across(-along.y(), along.x());
    const QPointF tip = end + along * 2;
    p.drawPolyline(QPolygonF({tip - along * 5 + across * 4.5, tip, tip - along * 5 - across * 4.5}));
}

QImage badge(const QString &caption, const QColor &fill, const QColor &block, const Icon &icon)
{
    QImage image = newCanvas(180, 36, fill);
    QPainter p(&image);
    prepare(p);
    fillVertical(p, QRectF(0, 0, 180, 36), fill.lighter(108), fill);
    fillVertical(p, QRectF(0, 0, 36, 36), block.lighter(106), block);
    p.setPen(roundPen(Ink::Paper, 2.2));
    p.setBrush(Qt::NoBrush);
    icon(p, QPointF(18, 18));
    text(p, QRectF(36, 0, 144, 36), Qt::AlignCenter, caption, uiFont(16, true), Ink::Paper);
    return image;
}

}

QList<Asset> drawTipBadges()
{
    const QString all = QStringLiteral("查看所有答案");
    const QString wrong = QStringLiteral("查看错题");
    const QString undone = QStringLiteral("未做题目");
    // Practice (_1) and exam (_2) variants differ in shade so the two windows stay apart.
    return {
        {AssetDir::Image, QStringLiteral("r_1.bmp"),
         badge(all, Ink::Blue, QColor(20, 108, 156), eye)},
        {AssetDir::Image, QStringLiteral("r_2_1.bmp"),
         badge(wrong, QColor(228, 104, 88), QColor(196, 74, 62), cross)},
        {AssetDir::Image, QStringLiteral("r_2_2.bmp"),
         badge(wrong, QColor(206, 80, 100), QColor(168, 52, 74), cross)},
        {AssetDir::Image, QStringLiteral("r_3_1.bmp"),
         badge(undone, QColor(240, 152, 54), QColor(208, 120, 28), blank)},
        {AssetDir::Image, QStringLiteral("r_3_2.bmp"),
         badge(undone, QColor(222, 130, 40), QColor(184, 98, 22), blank)},
        {AssetDir::Image, QStringLiteral("r_4.bmp"),
         badge(QStringLiteral("重新练习"), QColor(86, 172, 104), QColor(58, 140, 78), redo)},
    };
}
