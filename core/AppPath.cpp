#include "core/AppPath.h"

#include "core/UnitDefine.h"

#include <QDir>

QString PictureDir;

QString AppPath(const QString &backslashRelative)
{
    QString rel = backslashRelative;
    rel.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir::toNativeSeparators(ApplicationDir + rel);
}

QString PicturePath(const QString &fileName)
{
    if (PictureDir.isEmpty())
        return AppPath(QStringLiteral("\\Data\\") + fileName);
    QString name = fileName;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir::toNativeSeparators(QDir(PictureDir).filePath(name));
}
