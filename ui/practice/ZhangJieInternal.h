#pragma once
// What the practice window's source files share and nothing else needs.
#include <QString>

namespace ZhangJie {

// Option letters, in the order of the option boxes cbA..cbF.
inline const QString kLetters = QStringLiteral("ABCDEF");

} // namespace ZhangJie
