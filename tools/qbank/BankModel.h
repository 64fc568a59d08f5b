#pragma once
#include "tools/qbank/BankWriter.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <memory>
#include <vector>

// The highest number a case's sub-question may have (EX_No); the lowest is 1.
constexpr int MaxSubNumber = 1000;

// Where a problem lies: a source file and the JSON path inside it, or a table row of a built
// bank. Problems name fields in the source's terms ("answer", "options.E", "keys[1]"); a row
// place turns them into the table's column names.
struct BankPlace
{
    QString file;          // "courses/kjjc.json", or a table name such as "tabItem"
    QString path;          // "chapters[2].questions[5]", or a row key such as "I_ID=0201-015"
    bool row = false;      // a row of a built bank rather than a source file

    static BankPlace inFile(const QString &file, const QString &path = QString()) { return {file, path, false}; }
    static BankPlace inRow(const QString &table, const QString &key) { return {table, key, true}; }

    BankPlace child(const QString &segment) const;
    BankPlace element(const QString &array, int index) const;
    // Text naming a field of this place ("courses/a.json: chapters[0].id", "tabItem I_ID=1 I_TYPE").
    QString at(const QString &field = QString()) const;
};

// Every problem found, each a line "place: what".
class BankProblems
{
public:
    void add(const BankPlace &place, const QString &field, const QString &what);
    void add(const QString &place, const QString &what);
    // True when a problem was already reported at this place: a field that is missing or of
    // the wrong kind is reported once, not again for what follows from it.
    bool has(const QString &place) const { return m_places.contains(place); }
    bool has(const BankPlace &place, const QString &field) const { return has(place.at(field)); }
    const QStringList &lines() const { return m_lines; }
    bool isEmpty() const { return m_lines.isEmpty(); }
    int count() const { return int(m_lines.size()); }

private:
    QStringList m_lines;
    QSet<QString> m_places;
};

struct BankPage
{
    QString caption;
    QString page;
    QString kind;
    BankPlace place;
};

struct BankHandout
{
    QString page;
    QString kind;
    BankPlace place;
};

struct BankAccountChild
{
    QString id;
    QString name;
    BankPlace place;
};

struct BankAccount
{
    QString id;
    QString name;
    QList<BankAccountChild> children;
    BankPlace place;
};

// A question in the writer's form (options A..F with "" for an absent one; for a calculation
// question the sub-question keys, "-" for an absent one before the last), with the places of
// it and of its sub-questions.
struct SourceQuestion
{
    BankQuestion q;
    BankPlace place;
    QList<BankPlace> subPlaces;
};

struct SourceChapter
{
    QString id;
    QString name;
    QString kind; // "1" practice chapter, "2" exam paper
    QList<BankHandout> handouts;
    QList<SourceQuestion> questions;
    BankPlace place;
};

struct SourceCourse
{
    QString id;
    QString name;
    QString docUrl;
    QList<SourceChapter> chapters;
    BankPlace place;
};

// A whole bank in plain text: what a source folder holds and what a built bank deciphers to.
struct BankSource
{
    QList<BankAccount> accounts;
    QList<BankPage> guide;
    QList<BankPage> help;
    QList<SourceCourse> courses;
    // Names the places use for the account chart and the page lists ("accounts.json" or "tabKeMu").
    QString accountsName = QStringLiteral("accounts.json");
    QString picturesName = QStringLiteral("pictures/");
    // False when the account chart could not be read: keys are then not checked against it.
    bool accountsKnown = true;

};

// What a bank holds, counted as it is read (a large bank is read a chapter at a time).
struct BankCounts
{
    int courses = 0;
    int chapters = 0;
    int questions = 0;
    int byType[6] = {}; // questions of type "1" .. "5"; [0] any other
    int pictures = 0;   // questions with a picture
    int accounts = 0;
    int pages = 0;

    void addCatalogue(const BankSource &bank);
    void addQuestions(const QList<SourceQuestion> &questions);
    // "2 courses, 14 chapters and papers, 390 questions (132 single, ...), 79 accounts, ..."
    QString summary() const;
};

// Reads a source folder (accounts.json, pages.json, courses/*.json); reports what is malformed.
BankSource readSourceFolder(const QString &dir, BankProblems &problems);
// Checks what a bank says: types, answers, keys, sub-questions, pictures (looked up in
// pictureDir), identifiers, references and the code page of every enciphered text.
void validateBank(const BankSource &bank, const QString &pictureDir, BankProblems &problems);

// The same checks a piece at a time, for a bank read a chapter at a time: first the header,
// then each course, and after each of its chapters that chapter's questions. The catalogue
// (accounts, names of the places) must outlive the checker.
class BankChecker
{
public:
    BankChecker(const BankSource &catalogue, const QString &pictureDir, BankProblems &problems);
    ~BankChecker();
    BankChecker(const BankChecker &) = delete;
    BankChecker &operator=(const BankChecker &) = delete;

    void checkHeader();                                  // accounts and pages
    void checkCourse(const SourceCourse &course);         // the course's own fields
    void checkChapter(const SourceChapter &chapter);      // the chapter's own fields and handouts
    void checkQuestions(const QList<SourceQuestion> &questions);

private:
    class Checker;
    std::unique_ptr<Checker> d;
};
// Local pages (kind not "TRUE") that none of the directories holds, as warnings.
QStringList missingPages(const BankSource &bank, const QStringList &htmlDirs);
// Adds every row of the bank to the writer.
void writeBank(const BankSource &bank, BankWriter &writer);
// Empty when every character of the text is in the code page of stored texts; otherwise names
// the first one that is not ("character "😀" (U+1F600, at 3) is not in the GBK code page").
QString codePageProblem(const QString &text);
// A name of a file in a folder, without any folder part: pictures are looked up by such names
// only, so that nothing outside the bank's folder is read or written through them.
bool isPlainFileName(const QString &name);

// Per course and type of choice question (case sub-questions apart): how often each letter is
// in the key and how many keys have each number of letters.
class KeyStats
{
public:
    void add(const SourceCourse &course, const QList<SourceQuestion> &questions);
    void print(QTextStream &out) const;

private:
    struct Group
    {
        QString name;
        int keys = 0;
        int offered = 0; // letters up to the last option any of them offers
        int withLetter[6] = {};
        int bySize[7] = {};
    };
    std::vector<Group> m_groups;
};

class TDataModuleMain;

// Reads a built bank back, deciphered, a chapter at a time; reports texts that do not decipher
// and broken references. Throws StoreError when a statement fails.
class BankFileReader
{
public:
    BankFileReader(TDataModuleMain &dm, BankProblems &problems);
    ~BankFileReader();
    BankFileReader(const BankFileReader &) = delete;
    BankFileReader &operator=(const BankFileReader &) = delete;

    // Accounts, pages, courses, their chapters and handouts: everything but the questions.
    BankSource catalogue();
    // The questions of a chapter of the catalogue with their sub-questions, in stored order.
    QList<SourceQuestion> questions(const SourceChapter &chapter);
    // Reports the rows no chapter or question of the catalogue reaches.
    void reportStrays();

private:
    class Reader;
    std::unique_ptr<Reader> d;
};

// Writes a bank as a source folder (pretty-printed UTF-8 JSON in a fixed key order), a course
// file a chapter at a time; throws std::runtime_error when a file cannot be written.
class SourceFolderWriter
{
public:
    explicit SourceFolderWriter(const QString &dir);
    ~SourceFolderWriter();
    SourceFolderWriter(const SourceFolderWriter &) = delete;
    SourceFolderWriter &operator=(const SourceFolderWriter &) = delete;

    void writeHeader(const BankSource &bank); // accounts.json and pages.json
    void beginCourse(const SourceCourse &course);
    void addChapter(const SourceChapter &chapter, const QList<SourceQuestion> &questions);
    void endCourse();

private:
    class Writer;
    std::unique_ptr<Writer> d;
};
