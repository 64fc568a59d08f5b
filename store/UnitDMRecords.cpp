// What a learner's work leaves behind: essentials flags, the wrong-answer log, the history.
#include "store/UnitDM.h"

#include "core/UnitDefine.h"
#include "platform/Clock.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>

namespace {

// The questions of the run, each once, in list order.
template <typename Pred>
QStringList questionsWhere(Pred pred)
{
    QStringList ids;
    QSet<QString> seen;
    for (int i = 0; i < ItemList.count(); ++i) {
        const QString &id = ItemList[i]->ItemID;
        if (pred(*ItemList[i]) && !seen.contains(id)) {
            seen.insert(id);
            ids << id;
        }
    }
    return ids;
}

}

void TDataModuleMain::UpdateFav()
{
    // The flag belongs to the question: every entry of one question carries the same value,
    // so the last one speaks for all.
    QHash<QString, bool> flags;
    QStringList order;
    for (int i = 0; i < ItemList.count(); ++i) {
        const TItem *entry = ItemList[i];
        if (!flags.contains(entry->ItemID))
            order << entry->ItemID;
        flags.insert(entry->ItemID, entry->ItemFav);
    }
    if (order.isEmpty())
        return;
    inTransaction([&] {
        // The run's flags as the bank holds them, in one read; only those that differ are
        // written, so a run that changed two flags writes two rows, not a thousand.
        QSqlQuery &stored = run(QStringLiteral("select I_ID, I_FAV from tabItem "
                                               "where I_ID in (select value from json_each(:ids))"),
                                {{":ids", QString::fromUtf8(QJsonDocument(QJsonArray::fromStringList(order))
                                                                .toJson(QJsonDocument::Compact))}});
        QStringList changed;
        while (stored.next()) {
            const QString id = stored.value(0).toString();
            if (stored.value(1).isNull() || (stored.value(1).toInt() != 0) != flags.value(id))
                changed << id;
        }
        QSqlQuery &update = prepare(QStringLiteral("update tabItem set I_FAV = :I_FAV where I_ID = :I_ID"));
        for (const QString &id : std::as_const(changed)) {
            update.bindValue(QStringLiteral(":I_FAV"), flags.value(id) ? 1 : 0);
            update.bindValue(QStringLiteral(":I_ID"), id);
            exec(update);
        }
    });
}

void TDataModuleMain::LogErrItem()
{
    // One row per question and day, however many of its entries were wrong and however
    // often it was logged before: a review of the log must not multiply the log.
    const QStringList wrong = questionsWhere(EntryIsWrong);
    if (wrong.isEmpty())
        return;
    const QString today = Clock::now().toString(QStringLiteral("yyyyMMdd"));
    inTransaction([&] {
        // Today's rows, read at once: a question with its one row today keeps it; one with
        // several (older banks wrote a row per wrong entry) gets one in their place.
        QHash<QString, int> logged;
        QSqlQuery &todays = run(QStringLiteral("select ERR_I_ID, count(*) from tabErrItemHisLog "
                                               "where ERR_DATE = :ERR_DATE group by ERR_I_ID"),
                                {{":ERR_DATE", today}});
        while (todays.next())
            logged.insert(todays.value(0).toString(), todays.value(1).toInt());
        QSqlQuery &remove = prepare(QStringLiteral(
            "delete from tabErrItemHisLog where ERR_DATE = :ERR_DATE and ERR_I_ID = :ERR_I_ID"));
        QSqlQuery &insert = prepare(QStringLiteral(
            "insert into tabErrItemHisLog(ERR_DATE, ERR_I_ID) values(:ERR_DATE, :ERR_I_ID)"));
        for (const QString &id : wrong) {
            const int rows = logged.value(id);
            if (rows == 1)
                continue;
            for (QSqlQuery *statement : {&remove, &insert}) {
                if (statement == &remove && rows == 0)
                    continue;
                statement->bindValue(QStringLiteral(":ERR_DATE"), today);
                statement->bindValue(QStringLiteral(":ERR_I_ID"), id);
                exec(*statement);
            }
        }
    });
}

void TDataModuleMain::InsertTestInfo(const QString &t_id, const QString &t_true, const QString &t_false,
                                     const QString &t_havdo, const QString &t_notdo, const QString &t_time,
                                     const QString &t_type, const QString &t_kecheng,
                                     const QString &t_zhangjie, int t_score, int t_manfen, int t_defen)
{
    const auto known = [](int hundredths) { return hundredths >= 0 ? QVariant(hundredths) : QVariant(); };
    // Replacing the run's record happens whole, so a failed insert keeps the old record.
    inTransaction([&] {
        run(QStringLiteral("delete from tabTestHis where TEST_ID = :TEST_ID"), {{":TEST_ID", t_id}});
        const Binds row{{":TEST_ID", t_id},         {":TEST_TRUE", t_true},   {":TEST_FALSE", t_false},
                        {":TEST_HAVDO", t_havdo},   {":TEST_NOTDO", t_notdo}, {":TEST_TIME", t_time},
                        {":TEST_TYPE", t_type},     {":TEST_SCORE", t_score}, {":TEST_KeCheng", t_kecheng},
                        {":TEST_ZhangJie", t_zhangjie}};
        QSqlQuery &insert = prepare(
            m_historyMarks
                ? QStringLiteral("insert into tabTestHis(TEST_ID, TEST_TRUE, TEST_FALSE, TEST_HAVDO, TEST_NOTDO, "
                                 "TEST_TIME, TEST_TYPE, TEST_SCORE, TEST_KeCheng, TEST_ZhangJie, TEST_MANFEN, "
                                 "TEST_DEFEN) values(:TEST_ID, :TEST_TRUE, :TEST_FALSE, :TEST_HAVDO, :TEST_NOTDO, "
                                 ":TEST_TIME, :TEST_TYPE, :TEST_SCORE, :TEST_KeCheng, :TEST_ZhangJie, :TEST_MANFEN, "
                                 ":TEST_DEFEN)")
                : QStringLiteral("insert into tabTestHis(TEST_ID, TEST_TRUE, TEST_FALSE, TEST_HAVDO, TEST_NOTDO, "
                                 "TEST_TIME, TEST_TYPE, TEST_SCORE, TEST_KeCheng, TEST_ZhangJie) "
                                 "values(:TEST_ID, :TEST_TRUE, :TEST_FALSE, :TEST_HAVDO, :TEST_NOTDO, :TEST_TIME, "
                                 ":TEST_TYPE, :TEST_SCORE, :TEST_KeCheng, :TEST_ZhangJie)"));
        for (const auto &[name, value] : row)
            insert.bindValue(QLatin1String(name), value);
        if (m_historyMarks) {
            insert.bindValue(QStringLiteral(":TEST_MANFEN"), known(t_manfen));
            insert.bindValue(QStringLiteral(":TEST_DEFEN"), known(t_defen));
        }
        exec(insert);
    });
}

void TDataModuleMain::GetXueXiLog()
{
    // Rows of older versions, and banks whose history could not be given the columns, have no
    // full marks or points earned: they read as empty.
    QSqlQuery &query = run(QStringLiteral("select TEST_ID, TEST_TRUE, TEST_FALSE, TEST_HAVDO, TEST_NOTDO, "
                                         "TEST_TIME, TEST_TYPE, TEST_SCORE, TEST_KeCheng, TEST_ZhangJie, %1 "
                                         "from tabTestHis order by TEST_ID desc")
                               .arg(m_historyMarks ? QStringLiteral("TEST_MANFEN, TEST_DEFEN")
                                                   : QStringLiteral("NULL, NULL")));
    while (query.next()) {
        auto log = std::make_unique<TXueXiLog>();
        log->T_ID = query.value(0).toString();
        log->T_true = query.value(1).toString();
        log->T_false = query.value(2).toString();
        log->T_havdo = query.value(3).toString();
        log->T_notdo = query.value(4).toString();
        log->T_time = query.value(5).toString();
        log->T_type = query.value(6).toString();
        log->T_score = query.value(7).toString();
        log->T_KeCheng = query.value(8).toString();
        log->T_ZhangJie = query.value(9).toString();
        log->T_manfen = query.value(10).toString();
        log->T_defen = query.value(11).toString();
        const QString id = log->T_ID;
        XueXiLogList.add(id, std::move(log));
    }
}

void TDataModuleMain::DeleteXueXiLog()
{
    inTransaction([this] { run(QStringLiteral("delete from tabTestHis")); });
}
