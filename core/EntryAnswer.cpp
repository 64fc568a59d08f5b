#include "core/EntryAnswer.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <optional>

namespace {

const QString kDebit = QStringLiteral("借");
const QString kCredit = QStringLiteral("贷");
const QString kTrue = QStringLiteral("true");
const QString kFalse = QStringLiteral("false");
const QString kLineEnd = QStringLiteral("\r\n");

// The value of a decimal amount written out without sign noise, leading or trailing zeros or
// separators ("1,000.50" -> "1000.5", "-0" -> "0"), so equal values give equal texts exactly,
// with no floating point. None when the text is not such an amount.
std::optional<QString> decimalValue(const QString &text)
{
    static const QRegularExpression number(
        QStringLiteral("^([+-]?)([0-9]{1,3}(?:,[0-9]{3})+|[0-9]*)(?:\\.([0-9]*))?$"));
    const QString trimmed = text.trimmed();
    const QRegularExpressionMatch m = number.match(trimmed);
    if (!m.hasMatch())
        return std::nullopt;
    QString whole = m.captured(2).remove(QLatin1Char(','));
    QString fraction = m.captured(3);
    if (whole.isEmpty() && fraction.isEmpty())
        return std::nullopt; // a sign or a point alone
    while (whole.startsWith(QLatin1Char('0')))
        whole.remove(0, 1);
    while (fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    if (whole.isEmpty())
        whole = QStringLiteral("0");
    QString value = whole;
    if (!fraction.isEmpty())
        value += QLatin1Char('.') + fraction;
    if (m.captured(1) == QLatin1String("-") && value != QLatin1String("0"))
        value.prepend(QLatin1Char('-'));
    return value;
}

// What an amount is compared by: its value when it reads as a number, else its trimmed text.
QString amountKey(const QString &amount)
{
    if (const std::optional<QString> value = decimalValue(amount))
        return QLatin1Char('#') + *value;
    return QLatin1Char('\'') + amount.trimmed();
}

// One entry line of a key: direction, account and amount, split at the first ":" and the
// last "=" (the full-width forms are read too).
struct KeyLine
{
    QString direction;
    QString account;
    QString amount;
};

std::optional<KeyLine> parseKeyLine(const QString &line)
{
    static const QRegularExpression colon(QStringLiteral("[:：]"));
    static const QRegularExpression equals(QStringLiteral("[=＝]"));
    const int c = line.indexOf(colon);
    if (c < 0)
        return std::nullopt;
    const int e = line.lastIndexOf(equals);
    if (e < c)
        return std::nullopt;
    return KeyLine{line.left(c).trimmed(), line.mid(c + 1, e - c - 1).trimmed(), line.mid(e + 1).trimmed()};
}

// The key's entry lines, blanks around them and empty ones dropped.
QStringList keyLines(const QString &key)
{
    QStringList lines;
    for (const QString &part : key.split(QLatin1Char(';')))
        if (!part.trimmed().isEmpty())
            lines << part.trimmed();
    return lines;
}

QString comparable(const QString &direction, const QString &account, const QString &amount)
{
    return direction + QLatin1Char(':') + account.trimmed() + QLatin1Char('=') + amountKey(amount);
}

} // namespace

bool EntryRow::isEmpty() const
{
    return !debit && !credit && account.trimmed().isEmpty() && amount.trimmed().isEmpty();
}

bool isEntryKey(const QString &key)
{
    return key.contains(kDebit) || key.contains(kCredit);
}

QString withoutLineBreaks(const QString &text)
{
    QString clean = text;
    clean.remove(QLatin1Char('\r'));
    clean.remove(QLatin1Char('\n'));
    clean.remove(QChar(0x2028)); // line and paragraph separators, as pasted from rich text
    clean.remove(QChar(0x2029));
    return clean;
}

QString storeEntryRows(const QList<EntryRow> &rows)
{
    QString stored;
    for (const EntryRow &row : rows) {
        if (row.isEmpty())
            continue;
        stored += (row.debit ? kTrue : kFalse) + kLineEnd;
        stored += (row.credit ? kTrue : kFalse) + kLineEnd;
        stored += withoutLineBreaks(row.account) + kLineEnd;
        stored += withoutLineBreaks(row.amount) + kLineEnd;
    }
    return stored;
}

QList<EntryRow> parseStoredEntryRows(const QString &userAnswer)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = userAnswer.split(lineBreak);
    // The break after the last line ends it; it does not start another.
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    QList<EntryRow> rows;
    for (int i = 0; i + 3 < lines.size(); i += 4)
        rows.append({lines[i] == kTrue, lines[i + 1] == kTrue, lines[i + 2], lines[i + 3]});
    return rows;
}

bool entryAnswerMatches(const QString &key, const QList<EntryRow> &rows)
{
    QStringList expected;
    for (const QString &line : keyLines(key)) {
        if (const std::optional<KeyLine> k = parseKeyLine(line))
            expected << comparable(k->direction, k->account, k->amount);
        else
            expected << QLatin1Char('?') + line; // a line no row can give
    }
    QStringList given;
    for (const EntryRow &row : rows) {
        if (row.isEmpty())
            continue;
        const QString direction = (row.debit ? kDebit : QString()) + (row.credit ? kCredit : QString());
        given << comparable(direction, row.account, row.amount);
    }
    if (expected.isEmpty() || given.size() != expected.size())
        return false;
    std::sort(expected.begin(), expected.end());
    std::sort(given.begin(), given.end());
    return expected == given;
}

bool amountMatches(const QString &typed, const QString &key)
{
    return amountKey(typed) == amountKey(key);
}

QString readableKey(const QString &key)
{
    if (!isEntryKey(key))
        return key;
    QStringList lines;
    for (const QString &line : keyLines(key)) {
        if (const std::optional<KeyLine> k = parseKeyLine(line))
            lines << k->direction + QStringLiteral("：") + k->account + QLatin1Char(' ') + k->amount;
        else
            lines << line;
    }
    return lines.join(QLatin1Char('\n'));
}
