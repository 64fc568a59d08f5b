#pragma once
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>

// The palette every picture shares, so the windows look like one application.
namespace Ink {
inline const QColor Blue{38, 144, 196};
inline const QColor Deep{18, 129, 184};
inline const QColor Mist{240, 246, 250};
inline const QColor Paper{255, 255, 255};
inline const QColor Text{38, 52, 66};
inline const QColor Muted{98, 114, 130};
inline const QColor Rule{208, 222, 232};
// The answer card's cell colours, repeated in its legend.
inline const QColor Current{131, 208, 102};
inline const QColor Flagged{253, 146, 66};
inline const QColor Unanswered{237, 248, 242};
inline const QColor Answered{130, 192, 213};
}

enum class ButtonKind { Primary, Secondary };

QFont uiFont(int pixelSize, bool bold = false);
// An opaque canvas: BMP and JPEG have no alpha, so every picture starts filled.
QImage newCanvas(int width, int height, const QColor &fill);
void prepare(QPainter &p);
QPen roundPen(const QColor &colour, qreal width);

void fillVertical(QPainter &p, const QRectF &r, const QColor &top, const QColor &bottom);
void softShadow(QPainter &p, const QRectF &r, qreal radius, int spread = 10, int alpha = 26);
void card(QPainter &p, const QRectF &r, qreal radius, const QColor &fill = Ink::Paper);
// A card with a blue title band across its top.
void titledCard(QPainter &p, const QRectF &r, const QString &title, const QString &step = {});
void button(QPainter &p, const QRect &r, const QString &caption, ButtonKind kind);
void text(QPainter &p, const QRectF &r, int flags, const QString &s, const QFont &font,
          const QColor &colour);
// Decorative translucent circles of the light backgrounds.
void bubble(QPainter &p, const QPointF &centre, qreal radius, const QColor &colour, int alpha);
// The plain mist background of the pictures shown centred in a larger window.
void lightBackdrop(QPainter &p, const QRectF &r);
