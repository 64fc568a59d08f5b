#pragma once
// Journal-entry and amount answers as texts: the stored form of an entry answer, reading it
// back, and comparing answers with a calculation question's key. No widgets, no store.
#include <QList>
#include <QString>

// One row of an entry panel as the learner left it.
struct EntryRow
{
    bool debit = false;
    bool credit = false;
    QString account;
    QString amount;

    // A row with no direction and nothing but blanks in its edits is not part of the answer.
    bool isEmpty() const;
};

// A key is an entry key when it names a debit or credit side; otherwise it is an amount.
bool isEntryKey(const QString &key);

// Four lines per non-empty row ("true"/"false" for 借, the same for 贷, account, amount), each
// followed by CR LF; nothing at all when every row is empty. Line breaks inside the texts are
// dropped so the grouping by four cannot be spoiled.
QString storeEntryRows(const QList<EntryRow> &rows);
// The rows of a stored entry answer; a trailing group of fewer than four lines is ignored.
QList<EntryRow> parseStoredEntryRows(const QString &userAnswer);

// The rows' entry lines equal the key's as a set: order and a trailing ";" do not matter,
// accounts are compared trimmed, directions exactly, amounts by amountMatches.
bool entryAnswerMatches(const QString &key, const QList<EntryRow> &rows);

// Amounts that both read as decimal numbers (blanks around them and thousands separators
// ignored) match when equal in value; anything else matches only as the same trimmed text.
bool amountMatches(const QString &typed, const QString &key);

// A key for reading: an entry key as one line per entry ("借：库存现金 1000"), an amount key
// as it is.
QString readableKey(const QString &key);

// The text without its line breaks (what a pasted text may bring into a one-line edit).
QString withoutLineBreaks(const QString &text);
