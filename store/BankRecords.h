#pragma once
#include <QSqlDatabase>
#include <QString>

// What a learner's work leaves in a bank (history, wrong-answer log, stored login, essentials
// flags), and the marks a bank carries of what it was built from. Shared by the bank tool,
// which rebuilds a bank from its source, and the program, which renews a learner's copy
// when a newer bank ships: both keep the records across.
namespace BankRecords {

// Copies the records of the bank file `from` into the open bank `to`, replacing any records
// `to` held; essentials flags go to the questions `to` still has. Runs inside the caller's
// transaction on `to`, so it lands whole with the caller's work or not at all. Throws
// StoreError when `from` is not a usable bank or a statement fails.
void carry(const QString &from, QSqlDatabase to);

// The digest of a bank's content (questions, catalogue, pages, accounts) as the bank tool
// stored it; empty when the bank has none (made by an older tool).
QString contentId(QSqlDatabase db);
// In a learner's copy: the identity of the shipped bank it was made from; empty when unknown.
QString madeFrom(QSqlDatabase db);
void setContentId(QSqlDatabase db, const QString &id);
void setMadeFrom(QSqlDatabase db, const QString &id);

}
