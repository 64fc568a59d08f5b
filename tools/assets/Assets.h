#pragma once
#include <QImage>
#include <QList>
#include <QString>

// Where a picture goes: the application's image directory, the sample bank's pictures or the
// icon theme folder (its name is then a path under it).
enum class AssetDir { Image, Pictures, Icons };

// One picture to write; the file format follows the name's suffix (bmp, jpg, png). A picture
// drawn as a vector file (svg) comes as its bytes, written as they are.
struct Asset
{
    AssetDir dir;
    QString name;
    QImage image;
    QByteArray bytes = {};
};

QList<Asset> drawGlyphs();           // top-bar glyphs 1-1.bmp, 1-3.bmp … 1-9.bmp
QList<Asset> drawScreens();          // start picture 1-11.jpg, Login.bmp
QList<Asset> drawTipBadges();        // r_*.bmp of the practice and exam windows
QList<Asset> drawExamPictures();     // 2-1.jpg … 2-10.jpg
QList<Asset> drawQuestionPictures(); // q_*.png of the sample bank
QList<Asset> drawIcons();            // hicolor/NxN/apps/ID.png with transparency, hicolor/scalable/apps/ID.svg
