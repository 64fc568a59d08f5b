#pragma once
// What the exam window's source files share and nothing else needs.
#include <QRect>
#include <QSize>
#include <QString>

namespace KaoShi {

// Option letters, in the order of the option boxes cbA..cbF.
inline const QString Letters = QStringLiteral("ABCDEF");

// The answer card: one cell per list position up to 70, named "pnlItem" + (101 + position).
constexpr int CardCells = 70;
inline QString cellName(int position) { return QStringLiteral("pnlItem%1").arg(101 + position); }

// Pictures and the hotspots laid over them, in picture coordinates. The picture generator
// draws each hotspot's button in exactly these places.
inline const QSize IntroPicture(1000, 650);
inline const QSize TopRightPicture(420, 64);
inline const QSize CardHeadPicture(220, 56);
inline const QSize CardFootPicture(220, 90);
inline const QSize NavigationPicture(440, 40);
inline const QSize FontPicture(236, 40);
inline const QRect SubmitHotspot(330, 16, 80, 32);
// First, previous, next, last.
inline const QRect NavigationHotspots[4] = {QRect(4, 4, 100, 32), QRect(112, 4, 100, 32), QRect(228, 4, 100, 32),
                                            QRect(336, 4, 100, 32)};
// Smaller, starting size, larger.
inline const QRect FontHotspots[3] = {QRect(64, 4, 52, 32), QRect(122, 4, 52, 32), QRect(180, 4, 52, 32)};

constexpr int MinFontSize = 9;
constexpr int MaxFontSize = 16;

} // namespace KaoShi
