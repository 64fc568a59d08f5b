#include "ui/login/UnitSplash.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QVBoxLayout>

namespace {

// The splash picture is part of the window: drawn here, so it can never be missing.
QPixmap splashPicture()
{
    QPixmap pixmap(611, 298);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, pixmap.height());
    sky.setColorAt(0, QColor(38, 144, 196));
    sky.setColorAt(1, QColor(18, 109, 164));
    QPainterPath card;
    card.addRoundedRect(QRectF(pixmap.rect()).adjusted(1, 1, -1, -1), 18, 18);
    p.fillPath(card, sky);

    // An open book.
    p.setPen(QPen(QColor(255, 255, 255, 230), 3));
    p.setBrush(QColor(255, 255, 255, 40));
    const QPointF c(120, 150);
    QPainterPath book;
    book.moveTo(c + QPointF(0, -40));
    book.cubicTo(c + QPointF(-30, -58), c + QPointF(-62, -54), c + QPointF(-80, -44));
    book.lineTo(c + QPointF(-80, 44));
    book.cubicTo(c + QPointF(-62, 34), c + QPointF(-30, 30), c + QPointF(0, 48));
    book.cubicTo(c + QPointF(30, 30), c + QPointF(62, 34), c + QPointF(80, 44));
    book.lineTo(c + QPointF(80, -44));
    book.cubicTo(c + QPointF(62, -54), c + QPointF(30, -58), c + QPointF(0, -40));
    book.lineTo(c + QPointF(0, 48));
    p.drawPath(book);

    p.setPen(Qt::white);
    QFont title = p.font();
    title.setPixelSize(44);
    title.setBold(true);
    p.setFont(title);
    p.drawText(QRect(230, 70, 370, 60), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("AcctPrep"));
    QFont sub = p.font();
    sub.setPixelSize(24);
    sub.setBold(false);
    p.setFont(sub);
    p.drawText(QRect(230, 135, 370, 40), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("会计从业资格考试练习系统"));
    QFont small = p.font();
    small.setPixelSize(15);
    p.setFont(small);
    p.setPen(QColor(255, 255, 255, 200));
    p.drawText(QRect(230, 200, 370, 30), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("正在载入题库，请稍候……"));
    return pixmap;
}

}

TFormSplash::TFormSplash(QWidget *parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("FormSplash"));
    setFixedSize(651, 338);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(242, 233, 222));
    setPalette(pal);

    auto *Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(splashPicture());
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Image1, 0, Qt::AlignCenter);

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}
