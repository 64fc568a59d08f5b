#pragma once
#include <QString>

class QRandomGenerator;
struct TItem;

// The order in which a choice question's options are shown: letter i of the order is the
// bank's letter of the option in box i (A..F), a blank where no option is shown. Answers,
// scores and everything stored keep the bank's letters; only the screen uses the order.
namespace OptionOrder {

// Box i shows the bank's option i.
inline const QString Identity = QStringLiteral("ABCDEF");

// A random order of the entry's present options, in the first boxes. Options that speak of
// the others ("以上…", "上述…") keep their place.
QString shuffled(const TItem &entry, QRandomGenerator &random);
// The bank letters of the ticked boxes (bit i = box i), in A..F order.
QString bankAnswer(const QString &order, unsigned tickedBoxes);
// The answer key in the letters shown on screen, in A..F order; other characters stay.
QString shownKey(const QString &order, const QString &key);
// A line for the explanation when the order differs from the bank's and the explanation
// names options by letter (the bank's letters); empty otherwise.
QString note(const QString &order, const TItem &entry);

} // namespace OptionOrder
