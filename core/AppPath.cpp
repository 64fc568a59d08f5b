#include "core/AppPath.h"

#include "core/UnitDefine.h"

#include <QDir>

QString AppPath(const QString &backslashRelative)
{
    QString rel = backslashRelative;
    rel.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir::toNativeSeparators(ApplicationDir + rel);
}
