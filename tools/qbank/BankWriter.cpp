#include "tools/qbank/BankWriter.h"

#include "store/BankRecords.h"
#include "store/UnitDM.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <stdexcept>

namespace {

int g_writers = 0;

[[noreturn]] void fail(const QString &what, const QSqlError &error)
{
    throw std::runtime_error(QStringLiteral("%1: %2").arg(what, error.text()).toStdString());
}

QString option(const QStringList &options, int i)
{
    return i < options.size() && !options.at(i).isEmpty() ? options.at(i) : QStringLiteral("-");
}

}

BankWriter::BankWriter(const QString &file, bool overwrite)
    : m_connection(QStringLiteral("bankwriter-%1").arg(++g_writers)), m_file(file)
{
    if (QFile::exists(file)) {
        if (!overwrite)
            throw std::runtime_error(QStringLiteral("%1 exists (use --force to overwrite)").arg(file).toStdString());
        if (!QFile::remove(file))
            throw std::runtime_error(QStringLiteral("cannot remove %1").arg(file).toStdString());
    }
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    // A constructor that throws gets no destructor: undo the connection and the file here.
    try {
        create();
    } catch (...) {
        release();
        throw;
    }
}

void BankWriter::create()
{
    m_db.setDatabaseName(m_file);
    if (!m_db.open())
        fail(QStringLiteral("cannot create %1").arg(m_file), m_db.lastError());
    const QString schema = TDataModuleMain::schemaSql();
    if (schema.isEmpty())
        throw std::runtime_error("schema resource missing");
    for (const QString &statement : schema.split(QLatin1Char(';'))) {
        QString sql;
        for (const QString &line : statement.split(QLatin1Char('\n')))
            sql += line.section(QStringLiteral("--"), 0, 0) + QLatin1Char('\n');
        if (sql.trimmed().isEmpty())
            continue;
        QSqlQuery query(m_db);
        if (!query.exec(sql))
            fail(QStringLiteral("schema"), query.lastError());
    }
    if (!m_db.transaction())
        fail(QStringLiteral("cannot start writing %1").arg(m_file), m_db.lastError());
}

BankWriter::~BankWriter()
{
    release();
}

void BankWriter::release()
{
    const bool incomplete = !m_committed;
    m_statements.clear();
    if (incomplete && m_db.isOpen())
        m_db.rollback();
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connection);
    // A bank that was never finished is not left behind looking like one. Whatever is at
    // m_file was made here: an existing file was refused or removed before connecting.
    if (incomplete)
        QFile::remove(m_file);
}

QSqlQuery &BankWriter::statement(const QString &sql)
{
    auto it = m_statements.find(sql);
    if (it == m_statements.end()) {
        QSqlQuery query(m_db);
        if (!query.prepare(sql))
            fail(sql, query.lastError());
        it = m_statements.insert(sql, query);
    }
    return *it;
}

void BankWriter::execute(const QString &sql, const QVariantList &values)
{
    QSqlQuery &query = statement(sql);
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values.at(i));
    if (!query.exec())
        fail(sql, query.lastError());
    if (query.isSelect())
        query.finish(); // rows nobody reads would keep the table locked
}

void BankWriter::digest(const char *table, const QVariantList &values)
{
    // Each value with its length, so that no two different rows give the same bytes.
    const auto add = [this](const QByteArray &bytes) {
        const quint64 size = quint64(bytes.size());
        m_digest.addData(QByteArrayView(reinterpret_cast<const char *>(&size), sizeof size));
        m_digest.addData(bytes);
    };
    add(QByteArray(table));
    for (const QVariant &value : values)
        add(value.toString().toUtf8());
}

void BankWriter::addCourse(const QString &id, const QString &name, const QString &docUrl)
{
    digest("course", {id, name, docUrl});
    execute(QStringLiteral("insert into tabMoudle values(?, ?, ?)"), {id, name, docUrl});
}

void BankWriter::addChapter(const QString &id, const QString &name, const QString &courseId, const QString &kind)
{
    digest("chapter", {id, name, courseId, kind});
    execute(QStringLiteral("insert into tabZhangJie values(?, ?, ?, ?)"), {id, name, courseId, kind});
}

void BankWriter::addQuestion(const BankQuestion &q)
{
    // The cipher draws a new offset for every text: the digest is taken of the plain texts, so
    // the same source always gives the same identity.
    digest("question", {q.id, q.chapterId, q.type, q.text, q.options.join(QChar(0)), q.answer, q.explanation,
                        q.mark, q.fav, q.score, q.picture});
    for (const BankSubQuestion &s : q.subquestions)
        digest("sub-question", {s.no, s.text, s.type, s.options.join(QChar(0)), s.answer, s.explanation, s.score});
    const auto ec = &TDataModuleMain::EcStr;
    execute(QStringLiteral("insert into tabItem(I_ID, Z_ID, I_TYPE, I_DETAL, I_A, I_B, I_C, I_D, I_E, I_F, "
                           "I_ANSWER, I_ANSWER_DESC, I_MARK, I_FAV, I_SCORE, I_PIC) "
                           "values(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
            {q.id, q.chapterId, q.type, ec(q.text), ec(option(q.options, 0)), ec(option(q.options, 1)),
             ec(option(q.options, 2)), ec(option(q.options, 3)), ec(option(q.options, 4)),
             ec(option(q.options, 5)), ec(q.answer), ec(q.explanation), q.mark ? 1 : 0, q.fav ? 1 : 0,
             q.score, q.picture});
    for (const BankSubQuestion &s : q.subquestions)
        execute(QStringLiteral("insert into tabExItem(I_ID, EX_No, EX_Subject, EX_A, EX_B, EX_C, EX_D, EX_E, "
                               "EX_F, EX_ANSWER, EX_DES, EX_TYPE, EX_SCORE) "
                               "values(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                {q.id, s.no, ec(s.text), ec(option(s.options, 0)), ec(option(s.options, 1)),
                 ec(option(s.options, 2)), ec(option(s.options, 3)), ec(option(s.options, 4)),
                 ec(option(s.options, 5)), ec(s.answer), ec(s.explanation), s.type, s.score});
}

void BankWriter::addHandout(const QString &chapterId, const QString &page, const QString &kind)
{
    digest("handout", {chapterId, page, kind});
    execute(QStringLiteral("insert into tabJiangYi values(?, ?, ?)"), {chapterId, page, kind});
}

void BankWriter::addGuidePage(const QString &caption, const QString &page, const QString &kind)
{
    digest("guide", {caption, page, kind});
    execute(QStringLiteral("insert into tabKaoShiZhiNan values(?, ?, ?)"), {caption, page, kind});
}

void BankWriter::addHelpPage(const QString &caption, const QString &page, const QString &kind)
{
    digest("help", {caption, page, kind});
    execute(QStringLiteral("insert into tabHelp values(?, ?, ?)"), {caption, page, kind});
}

void BankWriter::addAccount(const QString &parentId, const QString &parentName, const QString &childId,
                            const QString &childName)
{
    digest("account", {parentId, parentName, childId, childName});
    execute(QStringLiteral("insert into tabKeMu values(?, ?, ?, ?)"), {parentId, parentName, childId, childName});
}

void BankWriter::commit()
{
    for (QSqlQuery &query : m_statements)
        query.finish();
    BankRecords::setContentId(m_db, QString::fromLatin1(m_digest.result().toHex()));
    // Statistics let the query planner pick the chapter and course indexes on a large bank.
    QSqlQuery analyze(m_db);
    if (!analyze.exec(QStringLiteral("ANALYZE")))
        fail(QStringLiteral("analyze"), analyze.lastError());
    if (!m_db.commit())
        fail(QStringLiteral("commit"), m_db.lastError());
    m_committed = true;
}
