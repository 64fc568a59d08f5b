#pragma once
#include <QString>

// Paths under the program directory are written as backslash-relative parts ("\image\1-1.bmp").
QString AppPath(const QString &backslashRelative);
