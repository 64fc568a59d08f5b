#pragma once
#include <QCryptographicHash>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>

// One question as a bank holds it, in plain text; the writer enciphers the content columns.
struct BankSubQuestion
{
    int no = 1; // EX_No: the program's number of the sub-question
    QString text;
    QString type;
    QStringList options; // A..F; missing ones are stored as "-"
    QString answer;
    QString explanation;
    qint64 score = 0; // whole points; wider than the range allowed, so a bad bank reads as it is
};

struct BankQuestion
{
    QString id;
    QString chapterId;
    QString type;
    QString text;
    QStringList options; // A..F (for calculation questions the sub-question keys, "-" for an absent one)
    QString answer;
    QString explanation;
    bool mark = false;
    bool fav = false;
    qint64 score = 0;
    QString picture;
    QList<BankSubQuestion> subquestions;
};

// Writes a new bank file: creates the schema, then takes rows; everything lands at commit().
class BankWriter
{
public:
    // Refuses an existing file unless overwrite; throws std::runtime_error on failure.
    explicit BankWriter(const QString &file, bool overwrite = false);
    ~BankWriter();
    BankWriter(const BankWriter &) = delete;
    BankWriter &operator=(const BankWriter &) = delete;

    void addCourse(const QString &id, const QString &name, const QString &docUrl = QString());
    void addChapter(const QString &id, const QString &name, const QString &courseId, const QString &kind);
    void addQuestion(const BankQuestion &question);
    void addHandout(const QString &chapterId, const QString &page, const QString &kind);
    void addGuidePage(const QString &caption, const QString &page, const QString &kind);
    void addHelpPage(const QString &caption, const QString &page, const QString &kind);
    void addAccount(const QString &parentId, const QString &parentName, const QString &childId,
                    const QString &childName);
    // Runs any statement on the new bank (fixtures that need odd rows, records carried over);
    // what it writes is not part of the content digest.
    void execute(const QString &sql, const QVariantList &values = {});
    // The open bank, inside the writer's transaction.
    QSqlDatabase database() const { return m_db; }
    // Stores the digest of everything added through the add... calls (the bank's content
    // identity, by which a learner's copy tells a newer bank), then lands everything.
    void commit();

private:
    void create();
    // Closes and unregisters the connection; removes the file unless it was committed.
    void release();
    QSqlQuery &statement(const QString &sql);
    // Adds a row of content, as given in plain text, to the digest.
    void digest(const char *table, const QVariantList &values);

    QSqlDatabase m_db;
    // Prepared once per statement text: a large bank runs the same few inserts many times.
    QHash<QString, QSqlQuery> m_statements;
    QString m_connection;
    QString m_file;
    QCryptographicHash m_digest{QCryptographicHash::Sha256};
    bool m_committed = false;
};
