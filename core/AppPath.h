#pragma once
#include <QString>

// Paths under the program directory are written as backslash-relative parts ("\image\1-1.bmp").
QString AppPath(const QString &backslashRelative);

// The folder of the question pictures: they travel with their bank (the bank tool copies them
// beside it), so a bank opened from elsewhere brings its own. Empty: ApplicationDir\Data.
extern QString PictureDir;
// A question picture's file, by the name the bank gives it.
QString PicturePath(const QString &fileName);
