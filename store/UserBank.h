#pragma once
#include <QString>

// The learner's own working copy of a bank that ships read-only with the program: made on
// the first start, renewed (the learner's records carried over) when a newer bank ships.
namespace UserBank {

struct Result
{
    // The bank to open: the learner's copy, or the shipped bank when no copy could be made.
    QString file;
    // Not empty when no copy could be made: why, for the learner; the shipped bank is then
    // opened for reading and practice only, and nothing is written to it.
    QString readOnlyReason;
    // Not empty when a newer shipped bank could not be taken over: the learner goes on with
    // the copy as it was (nothing lost), and the next start tries again.
    QString notice;
    // Where the copy it replaced was kept, after a renewal; empty otherwise.
    QString backup;
};

// The copy's file name in its folder.
QString fileIn(const QString &folder);

// How many dated backups of the copy a renewal leaves beside it, the newest ones.
constexpr int KeptBackups = 3;

// Makes or renews the copy of `shipped` in `folder` (created when missing). Throws StoreError
// when the shipped bank is missing or not a bank. A copy that is not a usable bank is left
// alone, for the program's own open to report.
Result prepare(const QString &shipped, const QString &folder);

// What tells one shipped bank from another: the content digest the bank tool stored in it,
// or, in a bank without one, the digest of the file. Throws StoreError as prepare() does.
QString identity(const QString &shipped);

}
