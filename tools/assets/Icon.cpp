// The application's icon for the desktop's menus (hicolor theme): a ledger sheet with a tick
// on the program's blue. Drawn anew at every size, so the small ones stay crisp rather than
// being scaled down from the large one; below 32 pixels the sheet loses its finer lines.
// The same drawing, at its large size, is also written as SVG for the theme's scalable folder.
// Both are named by the application's id, as the desktop entry names its icon.
#include "Assets.h"
#include "Paint.h"

#include <QBuffer>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRegularExpression>
#include <QSvgGenerator>

namespace {

// Draws the icon on a 256 × 256 canvas.
void paintIcon(QPainter &p, bool small)
{

    // The tile: a rounded square with a soft vertical gradient.
    const QRectF tile = small ? QRectF(8, 8, 240, 240) : QRectF(16, 16, 224, 224);
    QLinearGradient g(tile.topLeft(), tile.bottomLeft());
    g.setColorAt(0, Ink::Blue.lighter(112));
    g.setColorAt(1, Ink::Deep);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(tile, 48, 48);

    // The sheet, a little turned, with its header band and ruled lines.
    p.save();
    p.translate(124, 132);
    p.rotate(-6);
    const QRectF sheet(-62, -82, 124, 160);
    p.setBrush(QColor(0, 40, 70, 50));
    p.drawRoundedRect(sheet.translated(4, 6), 12, 12);
    p.setBrush(Ink::Paper);
    p.drawRoundedRect(sheet, 12, 12);
    QPainterPath band;
    band.addRoundedRect(QRectF(sheet.left(), sheet.top(), sheet.width(), 48), 12, 12);
    QPainterPath clip;
    clip.addRect(QRectF(sheet.left(), sheet.top(), sheet.width(), 34));
    p.setBrush(Ink::Flagged);
    p.drawPath(band.intersected(clip));
    const int lines = small ? 2 : 4;
    const qreal step = small ? 40 : 24;
    p.setPen(roundPen(Ink::Rule.darker(small ? 140 : 110), small ? 14 : 7));
    for (int i = 0; i < lines; ++i) {
        const qreal y = sheet.top() + 58 + i * step;
        p.drawLine(QPointF(sheet.left() + 18, y), QPointF(sheet.right() - (i % 2 ? 40 : 18), y));
    }
    p.restore();

    // The tick, over the sheet's lower corner: a practice answered right.
    const QPointF c(176, 180);
    p.setPen(Qt::NoPen);
    p.setBrush(Ink::Paper);
    p.drawEllipse(c, 46, 46);
    p.setBrush(Ink::Current.darker(112));
    p.drawEllipse(c, 38, 38);
    p.setPen(roundPen(Ink::Paper, small ? 16 : 12));
    p.setBrush(Qt::NoBrush);
    QPainterPath tick;
    tick.moveTo(c + QPointF(-18, 1));
    tick.lineTo(c + QPointF(-5, 15));
    tick.lineTo(c + QPointF(20, -13));
    p.drawPath(tick);
}

QImage icon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    prepare(p);
    p.scale(size / 256.0, size / 256.0);
    paintIcon(p, size < 32);
    return image;
}

QByteArray svgIcon()
{
    QBuffer buffer;
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(256, 256));
    svg.setViewBox(QRect(0, 0, 256, 256));
    svg.setTitle(QStringLiteral("AcctPrep"));
    svg.setDescription(QStringLiteral("The AcctPrep application icon"));
    {
        QPainter p(&svg);
        prepare(p);
        paintIcon(p, false);
    }
    // Sized in pixels, as icon themes expect, rather than in the generator's millimetres.
    QString text = QString::fromUtf8(buffer.data());
    text.replace(QRegularExpression(QStringLiteral("<svg width=\"[^\"]*\" height=\"[^\"]*\"")),
                 QStringLiteral("<svg width=\"256\" height=\"256\""));
    return text.toUtf8();
}

}

QList<Asset> drawIcons()
{
    const QString id = QStringLiteral(ACCTPREP_APP_ID);
    QList<Asset> assets;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        assets << Asset{AssetDir::Icons, QStringLiteral("hicolor/%1x%1/apps/%2.png").arg(size).arg(id), icon(size)};
    assets << Asset{AssetDir::Icons, QStringLiteral("hicolor/scalable/apps/%1.svg").arg(id), QImage(), svgIcon()};
    return assets;
}
