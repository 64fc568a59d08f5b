#include "store/UnitDM.h"

#include "core/UnitDefine.h"
#include "platform/AnsiCodec.h"
#include "core/AppPath.h"
#include "store/UnitBase64.h"
#include "store/UnitEncrypt.h"

#include <QCryptographicHash>
#include <QFile>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QPasswordDigestor>
#include <QRandomGenerator>
#include <QSqlError>
#include <QSqlRecord>
#include <QUrl>

TDataModuleMain *DataModuleMain = nullptr;

namespace {

const QString ContentKey = QStringLiteral("QmTrxLoV");

// Every table and column the program reads or writes.
const std::initializer_list<std::pair<const char *, const char *>> RequiredTables = {
    {"tabMoudle", "Moudle_ID Moudle_Name Moudle_DocUrl"},
    {"tabZhangJie", "Z_ID Z_Name M_ID M_Type"},
    {"tabItem", "I_ID Z_ID I_TYPE I_DETAL I_A I_B I_C I_D I_E I_F I_ANSWER I_ANSWER_DESC I_MARK "
                "I_FAV I_SCORE I_PIC"},
    {"tabExItem", "I_ID EX_No EX_Subject EX_A EX_B EX_C EX_D EX_E EX_F EX_ANSWER EX_DES EX_TYPE "
                  "EX_SCORE"},
    {"tabJiangYi", "Z_ID Z_URL Z_TYPE"},
    {"tabKaoShiZhiNan", "KSDG_NAME KSDG_URL KSDG_TYPE"},
    {"tabHelp", "HP_NAME HP_URL HP_TYPE"},
    {"tabKeMu", "P_ID P_NAME C_ID C_NAME"},
    {"tabUserLogin", "UserName UserPass"},
    {"tabErrItemHisLog", "ERR_DATE ERR_I_ID"},
    {"tabTestHis", "TEST_ID TEST_TRUE TEST_FALSE TEST_HAVDO TEST_NOTDO TEST_TIME TEST_TYPE "
                   "TEST_SCORE TEST_KeCheng TEST_ZhangJie"},
};

int g_connections = 0;

}

TDataModuleMain::TDataModuleMain(const QString &databaseFile)
    : m_file(databaseFile), m_connectionName(QStringLiteral("acctprep-%1").arg(++g_connections))
{
    DataModuleCreate();
}

TDataModuleMain::~TDataModuleMain()
{
    m_statements.clear();
    if (QSqlDatabase::contains(m_connectionName)) {
        QSqlDatabase::database(m_connectionName, false).close();
        QSqlDatabase::removeDatabase(m_connectionName);
    }
}

void TDataModuleMain::DataModuleCreate()
{
    if (m_file.isEmpty())
        m_file = AppPath(QStringLiteral("\\Data\\sys.db"));
}

namespace {

// Connects and checks the file; returns the cause of failure, empty when the bank is usable.
QString connectAndCheck(const QString &connectionName, const QString &file, bool readOnly)
{
    const QFileInfo info(file);
    if (!info.exists())
        return QStringLiteral("文件不存在");
    if (!info.isFile())
        return QStringLiteral("不是一个文件");
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
    // mode=rw: SQLite must never create a missing file. A second copy of the program writing
    // at the same moment is waited for rather than failed at once.
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=5000"));
    QUrl url = QUrl::fromLocalFile(info.absoluteFilePath());
    url.setQuery(readOnly ? QStringLiteral("mode=ro") : QStringLiteral("mode=rw"));
    db.setDatabaseName(url.toString(QUrl::FullyEncoded));
    if (!db.open())
        return db.lastError().text();
    QSqlQuery probe(db);
    if (!probe.exec(QStringLiteral("PRAGMA schema_version")))
        return QStringLiteral("不是有效的题库数据库（%1）").arg(probe.lastError().text());
    // 16 MiB of pages rather than SQLite's 2: a list of a thousand questions reads and sorts
    // their whole rows, enciphered texts and all, which then stay in memory for the next
    // opening instead of being read again or sorted through a temporary file.
    QSqlQuery(db).exec(QStringLiteral("PRAGMA cache_size = -16384"));
    for (const auto &[table, columns] : RequiredTables) {
        QSqlQuery tableInfo(db);
        if (!tableInfo.exec(QStringLiteral("PRAGMA table_info(%1)").arg(QLatin1String(table))))
            return tableInfo.lastError().text();
        QStringList present;
        while (tableInfo.next())
            present << tableInfo.value(1).toString().toLower();
        if (present.isEmpty())
            return QStringLiteral("缺少数据表 %1").arg(QLatin1String(table));
        for (const QString &column : QString::fromLatin1(columns).split(QLatin1Char(' ')))
            if (!present.contains(column.toLower()))
                return QStringLiteral("数据表 %1 缺少列 %2").arg(QLatin1String(table), column);
    }
    return QString();
}

}

void TDataModuleMain::open()
{
    if (m_open)
        return;
    const QString cause = connectAndCheck(m_connectionName, m_file, m_readOnly);
    if (!cause.isEmpty()) {
        if (QSqlDatabase::contains(m_connectionName))
            QSqlDatabase::removeDatabase(m_connectionName);
        throw StoreError(QStringLiteral("无法打开题库文件 %1：%2").arg(QDir::toNativeSeparators(m_file), cause));
    }
    m_open = true;
    updateIndexes();
    updateHistoryColumns();
}

void TDataModuleMain::updateHistoryColumns()
{
    const auto present = [this] {
        const QSqlRecord history = database().record(QStringLiteral("tabTestHis"));
        return history.contains(QStringLiteral("TEST_MANFEN")) && history.contains(QStringLiteral("TEST_DEFEN"));
    };
    m_historyMarks = present();
    // A bank that cannot be written keeps its history as it is; its rows are read without.
    if (m_historyMarks || !writeProblem().isEmpty())
        return;
    try {
        inTransaction([&] {
            const QSqlRecord history = database().record(QStringLiteral("tabTestHis"));
            for (const char *column : {"TEST_MANFEN", "TEST_DEFEN"})
                if (!history.contains(QLatin1String(column)))
                    run(QStringLiteral("alter table tabTestHis add column %1 INTEGER").arg(QLatin1String(column)));
        });
        m_historyMarks = present();
    } catch (const StoreError &e) {
        qWarning("AcctPrep: cannot add the score columns to the history of %s: %s", qPrintable(m_file),
                 qPrintable(e.message()));
    }
}

void TDataModuleMain::updateIndexes()
{
    // Every index of the schema, as written there: a bank made before one was added gets it
    // here, once, so that its lists and writes are as quick as a new bank's.
    static const QRegularExpression createIndex(QStringLiteral("^CREATE INDEX (\\w+) ON [^;]+"),
                                                QRegularExpression::MultilineOption);
    QSqlDatabase db = database();
    QSqlQuery existing(db);
    if (!existing.exec(QStringLiteral("select name from sqlite_master where type = 'index'")))
        return;
    QStringList present;
    while (existing.next())
        present << existing.value(0).toString();
    QStringList changes;
    for (const QRegularExpressionMatch &m : createIndex.globalMatch(schemaSql()))
        if (!present.contains(m.captured(1)))
            changes << m.captured(0);
    // Indexes of older banks that the program no longer reads and that only slow its writes.
    for (const char *old : {"idxErrLog"})
        if (present.contains(QLatin1String(old)))
            changes << QStringLiteral("DROP INDEX %1").arg(QLatin1String(old));
    // A bank the records cannot be written to is left as it is: the lists work without.
    if (changes.isEmpty() || !writeProblem().isEmpty())
        return;
    try {
        inTransaction([&] {
            for (const QString &statement : changes) {
                QSqlQuery change(db);
                if (!change.exec(statement))
                    throw StoreError(change.lastError().text());
            }
        });
    } catch (const StoreError &e) {
        // Only slower lists, not a reason to refuse the bank.
        qWarning("AcctPrep: cannot update the indexes of %s: %s", qPrintable(m_file), qPrintable(e.message()));
    }
}

QSqlDatabase TDataModuleMain::database()
{
    open();
    return QSqlDatabase::database(m_connectionName, false);
}

QString TDataModuleMain::writeProblem()
{
    if (m_probed)
        return m_writeProblem;
    QSqlDatabase db = database();
    // A real change, so that SQLite must open its journal beside the file: a read-only folder
    // fails here too, not only a read-only file. A new table fires no trigger of the bank's,
    // and nothing of it stays.
    QSqlQuery probe(db);
    QString cause;
    if (!probe.exec(QStringLiteral("BEGIN IMMEDIATE")))
        cause = probe.lastError().text();
    else {
        if (!probe.exec(QStringLiteral("create table acctprep_write_probe(x)")))
            cause = probe.lastError().text();
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
    }
    m_probed = true;
    if (!cause.isEmpty())
        m_writeProblem = QStringLiteral("题库文件 %1 不能写入（%2），学习记录无法保存。")
                             .arg(QDir::toNativeSeparators(m_file), cause);
    return m_writeProblem;
}

void TDataModuleMain::setReadOnly(const QString &reason)
{
    m_readOnly = true;
    m_probed = true;
    m_writeProblem = reason;
}

void TDataModuleMain::requireWritable()
{
    const QString problem = writeProblem();
    if (!problem.isEmpty())
        throw StoreError(problem);
}

QString TDataModuleMain::schemaSql()
{
    QFile file(QStringLiteral(":/store/schema.sql"));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

QSqlQuery &TDataModuleMain::prepare(const QString &sql)
{
    const auto found = m_statements.find(sql);
    if (found != m_statements.end()) {
        found->second->finish();
        return *found->second;
    }
    auto query = std::make_unique<QSqlQuery>(database());
    query->setForwardOnly(true);
    if (!query->prepare(sql))
        throw StoreError(QStringLiteral("数据库错误：%1").arg(query->lastError().text()));
    return *m_statements.emplace(sql, std::move(query)).first->second;
}

void TDataModuleMain::exec(QSqlQuery &query)
{
    if (!query.exec())
        throw StoreError(QStringLiteral("数据库错误：%1").arg(query.lastError().text()));
}

QSqlQuery &TDataModuleMain::run(const QString &sql, Binds binds)
{
    QSqlQuery &query = prepare(sql);
    for (const auto &[name, value] : binds)
        query.bindValue(QLatin1String(name), value);
    exec(query);
    return query;
}

// Login ---------------------------------------------------------------------------------------

bool TDataModuleMain::ShowLogin()
{
    QSqlQuery &query = run(QStringLiteral("select UserName, UserPass from tabUserLogin"));
    UID.clear();
    PWD.clear();
    if (!query.next())
        return false;
    UID = query.value(0).toString();
    PWD = query.value(1).toString();
    query.finish();
    return true;
}

namespace {

// Stored passwords: "pbkdf2-sha256$iterations$salt$key", salt and key in Base64. A password is
// never stored as typed.
const QString HashScheme = QStringLiteral("pbkdf2-sha256");
constexpr int HashIterations = 40000;

QByteArray deriveKey(const QString &password, const QByteArray &salt, int iterations)
{
    return QPasswordDigestor::deriveKeyPbkdf2(QCryptographicHash::Sha256, password.toUtf8(), salt, iterations, 32);
}

QString hashPassword(const QString &password)
{
    QByteArray salt(16, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32 *>(salt.data()), salt.size() / 4);
    return QStringList{HashScheme, QString::number(HashIterations), QString::fromLatin1(salt.toBase64()),
                       QString::fromLatin1(deriveKey(password, salt, HashIterations).toBase64())}
        .join(QLatin1Char('$'));
}

bool isHashed(const QString &stored)
{
    return stored.startsWith(HashScheme + QLatin1Char('$'));
}

bool passwordMatches(const QString &stored, const QString &password)
{
    if (!isHashed(stored))
        return stored == password; // as an older bank stored it
    const QStringList parts = stored.split(QLatin1Char('$'));
    bool ok = false;
    const int iterations = parts.size() == 4 ? parts.at(1).toInt(&ok) : 0;
    if (!ok || iterations <= 0 || iterations > 10000000)
        return false;
    const QByteArray salt = QByteArray::fromBase64(parts.at(2).toLatin1());
    const QByteArray key = QByteArray::fromBase64(parts.at(3).toLatin1());
    return !salt.isEmpty() && !key.isEmpty() && deriveKey(password, salt, iterations) == key;
}

}

bool TDataModuleMain::ValidLogin(const QString &UserID, const QString &Pwd)
{
    // The user name is compared exactly, letter case included; the password against its key.
    QSqlQuery &query = run(QStringLiteral("select rowid, UserPass from tabUserLogin where UserName = :UserName"),
                           {{":UserName", UserID}});
    while (query.next()) {
        const QString stored = query.value(1).toString();
        if (!passwordMatches(stored, Pwd))
            continue;
        const qlonglong row = query.value(0).toLongLong();
        query.finish();
        if (!isHashed(stored) && writeProblem().isEmpty()) {
            // A password an older bank kept as typed is stored as a key from now on.
            try {
                inTransaction([&] {
                    run(QStringLiteral("update tabUserLogin set UserPass = :UserPass where rowid = :row"),
                        {{":UserPass", hashPassword(Pwd)}, {":row", row}});
                });
            } catch (const StoreError &) {
                // The learner is let in all the same; the next login tries again.
            }
        }
        return true;
    }
    return false;
}

void TDataModuleMain::SetLogin(int mode, const QString &UserID, const QString &Pwd)
{
    if (mode != 0 && mode != 1)
        return;
    inTransaction([&] {
        run(QStringLiteral("delete from tabUserLogin"));
        if (mode == 1)
            run(QStringLiteral("insert into tabUserLogin(UserName, UserPass) values(:UserName, :UserPass)"),
                {{":UserName", UserID}, {":UserPass", hashPassword(Pwd)}});
    });
}

// Cipher --------------------------------------------------------------------------------------

QString TDataModuleMain::EcStr(const QString &instr)
{
    const QString str = instr.isEmpty() ? QStringLiteral("-") : instr;
    // A text the code page cannot hold would come back altered: keep it as it is instead.
    if (!AnsiCodec::canEncode(str))
        return instr;
    return EncryptString(StrToBase64(str), ContentKey);
}

QString TDataModuleMain::DcStr(const QString &instr)
{
    try {
        return Base64ToStr(UnEncryptToBytes(instr, ContentKey));
    } catch (const ConvertError &) {
        return instr;
    }
}
