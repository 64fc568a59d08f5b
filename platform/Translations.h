#pragma once
#include <QString>

// Qt's own texts in Chinese: standard buttons of message boxes (是, 否, 确定, 取消), the
// web view's menu. Read from Qt's translations directory (QLibraryInfo); Debian's
// qt6-translations-l10n ships them.
namespace Translations {
// Installs catalog ("qtbase", "qtwebengine") for Simplified Chinese; false when it is not there.
bool install(const QString &catalog = QStringLiteral("qtbase"));
}
