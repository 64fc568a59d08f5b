#pragma once
// What the entry panels' source files share and nothing else needs.
#include <QString>

namespace EntryPanels {

inline const QString kLetters = QStringLiteral("ABCDEF");
constexpr int kSubQuestions = 6;
constexpr int kRows = 6;

// Every row control carries its panel's prefix and its row, so a handler knows where its
// sender belongs without taking its name apart.
inline const char *const kPrefixProperty = "entryPrefix";
inline const char *const kRowProperty = "entryRow";

// Child names of an entry row, without the row digit.
inline const QString kRowChildren[] = {
    QStringLiteral("lblJD"), QStringLiteral("pnlJD"),  QStringLiteral("rbJ"),    QStringLiteral("rbD"),
    QStringLiteral("lblKM"), QStringLiteral("edtKM"),  QStringLiteral("bbtnKM"), QStringLiteral("lblJE"),
    QStringLiteral("edtJE"), QStringLiteral("bbtnAdd"), QStringLiteral("bbtnSub"),
};

// Names of the panels of sub-question k = 1..6.
inline QString entryPanelName(int k) { return QStringLiteral("pnl") + kLetters.at(k - 1); }
inline QString amountPanelName(int k) { return QStringLiteral("pnl2") + kLetters.at(k - 1); }

} // namespace EntryPanels
