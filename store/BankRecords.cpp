#include "store/BankRecords.h"

#include "store/UnitDM.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QVariant>

namespace {

const QString ContentIdName = QStringLiteral("ContentId");
const QString MadeFromName = QStringLiteral("MadeFrom");

QSqlQuery exec(QSqlDatabase db, const QString &sql, const QVariantList &values = {})
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        throw StoreError(QStringLiteral("数据库错误：%1").arg(query.lastError().text()));
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values.at(i));
    if (!query.exec())
        throw StoreError(QStringLiteral("数据库错误：%1").arg(query.lastError().text()));
    return query;
}

QString info(QSqlDatabase db, const QString &name)
{
    QSqlQuery query(db);
    // A bank made before the table existed simply has no marks.
    if (!query.prepare(QStringLiteral("select Value from tabBankInfo where Name = ?")))
        return QString();
    query.bindValue(0, name);
    if (!query.exec() || !query.next())
        return QString();
    return query.value(0).toString();
}

void setInfo(QSqlDatabase db, const QString &name, const QString &value)
{
    // Banks of older tools lack the table; it is theirs to gain.
    exec(db, QStringLiteral("create table if not exists tabBankInfo (Name TEXT PRIMARY KEY, Value TEXT)"));
    exec(db, QStringLiteral("insert or replace into tabBankInfo(Name, Value) values(?, ?)"), {name, value});
}

}

namespace BankRecords {

void carry(const QString &from, QSqlDatabase to)
{
    TDataModuleMain old(from);
    QSqlDatabase db = old.database(); // throws when the old file is not a usable bank
    // Columns are named: a bank may hold them in any order (the program checks only names).
    const auto copyRows = [&](const QString &table, const QStringList &columns) {
        exec(to, QStringLiteral("delete from %1").arg(table));
        const QString names = columns.join(QStringLiteral(", "));
        QSqlQuery rows = exec(db, QStringLiteral("select %1 from %2 order by rowid").arg(names, table));
        const QString marks = QStringList(columns.size(), QStringLiteral("?")).join(QStringLiteral(", "));
        QSqlQuery insert(to);
        if (!insert.prepare(QStringLiteral("insert into %1(%2) values(%3)").arg(table, names, marks)))
            throw StoreError(QStringLiteral("数据库错误：%1").arg(insert.lastError().text()));
        while (rows.next()) {
            for (int i = 0; i < columns.size(); ++i)
                insert.bindValue(i, rows.value(i));
            if (!insert.exec())
                throw StoreError(QStringLiteral("数据库错误：%1").arg(insert.lastError().text()));
        }
    };
    QStringList history{QStringLiteral("TEST_ID"),    QStringLiteral("TEST_TRUE"),  QStringLiteral("TEST_FALSE"),
                        QStringLiteral("TEST_HAVDO"), QStringLiteral("TEST_NOTDO"), QStringLiteral("TEST_TIME"),
                        QStringLiteral("TEST_TYPE"),  QStringLiteral("TEST_SCORE"), QStringLiteral("TEST_KeCheng"),
                        QStringLiteral("TEST_ZhangJie")};
    // Full marks and points earned, kept since the history shows the score rate.
    const QSqlRecord oldHistory = db.record(QStringLiteral("tabTestHis"));
    for (const char *column : {"TEST_MANFEN", "TEST_DEFEN"})
        if (oldHistory.contains(QLatin1String(column)))
            history << QLatin1String(column);
    copyRows(QStringLiteral("tabTestHis"), history);
    copyRows(QStringLiteral("tabErrItemHisLog"), {QStringLiteral("ERR_DATE"), QStringLiteral("ERR_I_ID")});
    copyRows(QStringLiteral("tabUserLogin"), {QStringLiteral("UserName"), QStringLiteral("UserPass")});
    // An exam in progress, where the old bank kept one: the program finds out at its next start
    // whether its questions are still there.
    const QStringList tables = db.tables();
    if (tables.contains(QStringLiteral("tabExamSave")) && tables.contains(QStringLiteral("tabExamSaveItem"))) {
        QStringList columns{QStringLiteral("TEST_ID"),      QStringLiteral("KeChengID"),  QStringLiteral("KeChengName"),
                            QStringLiteral("ZhangJieID"),   QStringLiteral("ZhangJieName"), QStringLiteral("LXMode"),
                            QStringLiteral("START_TIME"),   QStringLiteral("USED_MSECS"), QStringLiteral("ITEM_INDEX")};
        // Kept since exams could go without the hour's limit; older rows were all timed.
        if (db.record(QStringLiteral("tabExamSave")).contains(QStringLiteral("TIMED")))
            columns << QStringLiteral("TIMED");
        copyRows(QStringLiteral("tabExamSave"), columns);
        copyRows(QStringLiteral("tabExamSaveItem"),
                 {QStringLiteral("TEST_ID"), QStringLiteral("POS"), QStringLiteral("I_ID"), QStringLiteral("KIND45"),
                  QStringLiteral("USER_ANSWER"), QStringLiteral("USER_SCORE"), QStringLiteral("COLOR_MARK"),
                  QStringLiteral("ITEM_MARK")});
    }

    QSqlQuery flags = exec(db, QStringLiteral("select I_ID, I_FAV from tabItem"));
    QSqlQuery update(to);
    if (!update.prepare(QStringLiteral("update tabItem set I_FAV = ? where I_ID = ?")))
        throw StoreError(QStringLiteral("数据库错误：%1").arg(update.lastError().text()));
    while (flags.next()) {
        update.bindValue(0, flags.value(1).toBool() ? 1 : 0);
        update.bindValue(1, flags.value(0));
        if (!update.exec())
            throw StoreError(QStringLiteral("数据库错误：%1").arg(update.lastError().text()));
    }
}

QString contentId(QSqlDatabase db)
{
    return info(db, ContentIdName);
}

QString madeFrom(QSqlDatabase db)
{
    return info(db, MadeFromName);
}

void setContentId(QSqlDatabase db, const QString &id)
{
    setInfo(db, ContentIdName, id);
}

void setMadeFrom(QSqlDatabase db, const QString &id)
{
    setInfo(db, MadeFromName, id);
}

}
