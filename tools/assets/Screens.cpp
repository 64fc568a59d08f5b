// The main window's start picture and the login dialog's background.
#include "Assets.h"
#include "Paint.h"

#include <QLinearGradient>
#include <QPainterPath>

namespace {

// A ledger sheet: a white card with a blue header and ruled amount columns.
void ledgerCard(QPainter &p, const QRectF &r)
{
    card(p, r, 16);
    const QRectF head(r.left(), r.top(), r.width(), 52);
    QPainterPath band;
    band.addRoundedRect(head.adjusted(0, 0, 0, 16), 16, 16);
    QPainterPath clip;
    clip.addRect(head);
    p.fillPath(band.intersected(clip), Ink::Blue);
    text(p, head.adjusted(24, 0, -24, 0), Qt::AlignLeft | Qt::AlignVCenter,
         QStringLiteral("总分类账"), uiFont(20, true), Ink::Paper);
    const qreal left = r.left() + 24, right = r.right() - 24;
    const qreal debit = r.right() - 150, credit = r.right() - 76;
    text(p, QRectF(debit - 8, head.top(), credit - debit, head.height()), Qt::AlignCenter,
         QStringLiteral("借方"), uiFont(15), QColor(222, 240, 250));
    text(p, QRectF(credit - 8, head.top(), right - credit + 8, head.height()), Qt::AlignCenter,
         QStringLiteral("贷方"), uiFont(15), QColor(222, 240, 250));
    p.save();
    p.setPen(QPen(Ink::Rule, 1));
    for (int i = 0; i < 7; ++i) {
        const qreal y = head.bottom() + 34 + i * 32;
        p.drawLine(QPointF(left, y), QPointF(right, y));
    }
    p.drawLine(QPointF(debit - 8, head.bottom() + 10), QPointF(debit - 8, head.bottom() + 226));
    p.drawLine(QPointF(credit - 8, head.bottom() + 10), QPointF(credit - 8, head.bottom() + 226));
    // Entries as soft bars: a ledger's rhythm without figures to read.
    p.setPen(Qt::NoPen);
    const qreal widths[] = {120, 90, 140, 70, 110, 96};
    for (int i = 0; i < 6; ++i) {
        const qreal y = head.bottom() + 16 + i * 32;
        p.setBrush(QColor(196, 216, 230));
        p.drawRoundedRect(QRectF(left + 4, y, widths[i], 9), 4.5, 4.5);
        p.setBrush(i % 2 ? QColor(253, 190, 140) : QColor(130, 192, 213));
        p.drawRoundedRect(QRectF(i % 2 ? credit : debit, y, 52, 9), 4.5, 4.5);
    }
    p.restore();
}

// A small chart card with a rising line.
void chartCard(QPainter &p, const QRectF &r)
{
    card(p, r, 16);
    text(p, QRectF(r.left() + 20, r.top() + 14, r.width() - 40, 26),
         Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("学习进度"), uiFont(16, true),
         Ink::Text);
    const QRectF plot = r.adjusted(24, 54, -24, -26);
    p.save();
    p.setPen(QPen(QColor(226, 234, 240), 1));
    for (int i = 0; i <= 3; ++i) {
        const qreal y = plot.top() + i * plot.height() / 3;
        p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }
    const qreal ys[] = {0.82, 0.66, 0.72, 0.48, 0.40, 0.18};
    QPolygonF line;
    for (int i = 0; i < 6; ++i)
        line << QPointF(plot.left() + i * plot.width() / 5, plot.top() + ys[i] * plot.height());
    QPainterPath area;
    area.moveTo(line.first().x(), plot.bottom());
    for (const QPointF &pt : line)
        area.lineTo(pt);
    area.lineTo(line.last().x(), plot.bottom());
    area.closeSubpath();
    QLinearGradient g(plot.topLeft(), plot.bottomLeft());
    g.setColorAt(0, QColor(38, 144, 196, 90));
    g.setColorAt(1, QColor(38, 144, 196, 8));
    p.fillPath(area, g);
    p.setPen(roundPen(Ink::Blue, 3.5));
    p.drawPolyline(line);
    p.setBrush(Ink::Paper);
    p.setPen(QPen(Ink::Blue, 2.5));
    for (const QPointF &pt : line)
        p.drawEllipse(pt, 4.5, 4.5);
    p.setBrush(Ink::Current);
    p.setPen(QPen(Ink::Paper, 2.5));
    p.drawEllipse(line.last(), 7, 7);
    p.restore();
}

void book(QPainter &p, const QRectF &r, const QColor &cover)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 60, 90, 30));
    p.drawRoundedRect(r.translated(0, 3), 6, 6);
    p.setBrush(QColor(250, 250, 246));
    p.drawRoundedRect(r.adjusted(8, 4, 0, -4), 4, 4);
    p.setBrush(cover);
    p.drawRoundedRect(QRectF(r.left(), r.top(), r.width() - 14, r.height()), 6, 6);
    p.setBrush(cover.lighter(130));
    p.drawRoundedRect(QRectF(r.left() + 18, r.center().y() - 3, r.width() * 0.45, 6), 3, 3);
    p.setPen(QPen(QColor(228, 232, 230), 1));
    for (int i = 1; i <= 2; ++i) {
        const qreal y = r.top() + 4 + i * (r.height() - 8) / 3;
        p.drawLine(QPointF(r.right() - 13, y), QPointF(r.right() - 1, y));
    }
    p.restore();
}

QImage startPicture()
{
    QImage image = newCanvas(1200, 640, Ink::Mist);
    QPainter p(&image);
    prepare(p);
    const QRectF all(0, 0, 1200, 640);
    fillVertical(p, all, QColor(230, 241, 249), QColor(252, 253, 255));
    bubble(p, QPointF(1010, 150), 300, Ink::Blue, 26);
    bubble(p, QPointF(1140, 600), 210, Ink::Deep, 20);
    bubble(p, QPointF(90, 610), 160, Ink::Blue, 14);

    // A gentle wave along the bottom.
    QPainterPath wave;
    wave.moveTo(0, 560);
    wave.cubicTo(260, 510, 520, 620, 800, 570);
    wave.cubicTo(980, 540, 1100, 560, 1200, 540);
    wave.lineTo(1200, 640);
    wave.lineTo(0, 640);
    wave.closeSubpath();
    QLinearGradient wg(0, 520, 0, 640);
    wg.setColorAt(0, QColor(38, 144, 196, 60));
    wg.setColorAt(1, QColor(18, 129, 184, 110));
    p.fillPath(wave, wg);

    // Words on the left.
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(Ink::Blue);
    p.drawRoundedRect(QRectF(90, 150, 8, 112), 4, 4);
    p.restore();
    text(p, QRectF(120, 140, 600, 84), Qt::AlignLeft | Qt::AlignVCenter,
         QStringLiteral("AcctPrep"), uiFont(68, true), Ink::Deep);
    text(p, QRectF(122, 220, 600, 50), Qt::AlignLeft | Qt::AlignVCenter,
         QStringLiteral("会计从业资格考试练习系统"), uiFont(36, true), Ink::Text);
    text(p, QRectF(122, 290, 600, 36), Qt::AlignLeft | Qt::AlignVCenter,
         QStringLiteral("章节练习 · 模拟考试 · 错题复习 · 学习进阶"), uiFont(22), Ink::Blue);

    // A pointer to the top bar, deliberately not shaped like a button: nothing here is clickable.
    const QPointF up(136, 386);
    bubble(p, up, 14, Ink::Blue, 255);
    p.save();
    p.setPen(roundPen(Ink::Paper, 2.6));
    p.drawLine(up + QPointF(0, 7), up + QPointF(0, -6));
    p.drawPolyline(QPolygonF({up + QPointF(-5.5, -1), up + QPointF(0, -7), up + QPointF(5.5, -1)}));
    p.restore();
    text(p, QRectF(162, 368, 500, 36), Qt::AlignLeft | Qt::AlignVCenter,
         QStringLiteral("请从上方选择一项，开始学习"), uiFont(20, true), Ink::Deep);
    text(p, QRectF(122, 424, 600, 30), Qt::AlignLeft | Qt::AlignVCenter,
         QStringLiteral("每天进步一点点，考试更从容。"), uiFont(17), Ink::Muted);

    // Illustration on the right: ledger, chart and a stack of books.
    ledgerCard(p, QRectF(690, 92, 380, 300));
    chartCard(p, QRectF(900, 292, 250, 196));
    book(p, QRectF(640, 470, 210, 38), QColor(18, 129, 184));
    book(p, QRectF(656, 432, 190, 38), QColor(253, 166, 96));
    book(p, QRectF(632, 394, 220, 38), QColor(38, 144, 196));
    return image;
}

QImage loginPicture()
{
    QImage image = newCanvas(503, 256, Ink::Mist);
    QPainter p(&image);
    prepare(p);
    fillVertical(p, QRectF(0, 0, 503, 256), QColor(244, 249, 252), QColor(232, 242, 249));

    // Title band at the top.
    QLinearGradient g(0, 0, 503, 0);
    g.setColorAt(0, Ink::Deep);
    g.setColorAt(1, Ink::Blue);
    p.fillRect(QRectF(0, 0, 503, 56), g);
    bubble(p, QPointF(470, 8), 46, Ink::Paper, 22);
    bubble(p, QPointF(420, 60), 26, Ink::Paper, 14);
    const QRectF mark(18, 12, 32, 32);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(Ink::Paper);
    p.drawRoundedRect(mark, 8, 8);
    p.restore();
    text(p, mark, Qt::AlignCenter, QStringLiteral("账"), uiFont(20, true), Ink::Deep);
    text(p, QRectF(62, 0, 400, 56), Qt::AlignLeft | Qt::AlignVCenter,
         QStringLiteral("AcctPrep 用户登录"), uiFont(22, true), Ink::Paper);

    // Left strip: a person with a lock, and a word on why the login exists.
    const QPointF c(70, 132);
    bubble(p, c, 44, Ink::Blue, 36);
    bubble(p, c, 34, Ink::Paper, 255);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(Ink::Blue);
    p.drawEllipse(QPointF(c.x(), c.y() - 9), 10, 10);
    QPainterPath body;
    body.moveTo(c.x() - 18, c.y() + 22);
    body.cubicTo(c.x() - 18, c.y() + 2, c.x() + 18, c.y() + 2, c.x() + 18, c.y() + 22);
    body.closeSubpath();
    QPainterPath round;
    round.addEllipse(c, 34, 34);
    p.drawPath(body.intersected(round));
    // Lock badge at the lower right of the circle.
    const QRectF lockBody(c.x() + 16, c.y() + 18, 22, 17);
    p.setBrush(Ink::Flagged);
    p.setPen(QPen(Ink::Paper, 2));
    p.drawRoundedRect(lockBody, 4, 4);
    p.setBrush(Qt::NoBrush);
    p.setPen(roundPen(Ink::Flagged, 3));
    p.drawArc(QRectF(lockBody.left() + 5, lockBody.top() - 9, 12, 16), 0, 180 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(Ink::Paper);
    p.drawEllipse(QPointF(lockBody.center().x(), lockBody.center().y()), 2.4, 2.4);
    p.restore();
    text(p, QRectF(4, 190, 132, 22), Qt::AlignCenter, QStringLiteral("保护您的做题记录"),
         uiFont(13), Ink::Muted);
    p.save();
    p.setPen(QPen(QColor(210, 226, 236), 1));
    p.drawLine(QPointF(138, 78), QPointF(138, 232));
    p.restore();
    return image;
}

}

QList<Asset> drawScreens()
{
    return {
        {AssetDir::Image, QStringLiteral("1-11.jpg"), startPicture()},
        {AssetDir::Image, QStringLiteral("Login.bmp"), loginPicture()},
    };
}
