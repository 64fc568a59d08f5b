// What a learner's work leaves behind: essentials flags, the wrong-answer log, the history.
#include "store/UnitDM.h"

#include "core/UnitDefine.h"
#include "platform/Clock.h"

void TDataModuleMain::UpdateFav()
{
    inTransaction([this] {
        QSqlQuery update = prepare(QStringLiteral("update tabItem set I_FAV = :I_FAV where I_ID = :I_ID"));
        for (int i = 0; i < ItemList.count(); ++i) {
            const TItem *entry = ItemList[i];
            update.bindValue(QStringLiteral(":I_FAV"), entry->ItemFav ? 1 : 0);
            update.bindValue(QStringLiteral(":I_ID"), entry->ItemID);
            exec(update);
        }
    });
}

void TDataModuleMain::LogErrItem()
{
    const auto isWrong = [](const TItem *entry) { return !entry->UserAnswer.isEmpty() && entry->UserScore <= 0; };
    const auto today = [] { return Clock::now().toString(QStringLiteral("yyyyMMdd")); };
    inTransaction([&] {
        // A question keeps one row per wrong entry for the day, however often it was logged before.
        QSqlQuery remove = prepare(QStringLiteral(
            "delete from tabErrItemHisLog where ERR_DATE = :ERR_DATE and ERR_I_ID = :ERR_I_ID"));
        for (int i = 0; i < ItemList.count(); ++i) {
            if (!isWrong(ItemList[i]))
                continue;
            remove.bindValue(QStringLiteral(":ERR_DATE"), today());
            remove.bindValue(QStringLiteral(":ERR_I_ID"), ItemList[i]->ItemID);
            exec(remove);
        }
        QSqlQuery insert = prepare(QStringLiteral(
            "insert into tabErrItemHisLog(ERR_DATE, ERR_I_ID) values(:ERR_DATE, :ERR_I_ID)"));
        for (int i = 0; i < ItemList.count(); ++i) {
            if (!isWrong(ItemList[i]))
                continue;
            insert.bindValue(QStringLiteral(":ERR_DATE"), today());
            insert.bindValue(QStringLiteral(":ERR_I_ID"), ItemList[i]->ItemID);
            exec(insert);
        }
    });
}

void TDataModuleMain::InsertTestInfo(const QString &t_id, const QString &t_true, const QString &t_false,
                                     const QString &t_havdo, const QString &t_notdo, const QString &t_time,
                                     const QString &t_type, const QString &t_kecheng,
                                     const QString &t_zhangjie, int t_score)
{
    // Replacing the run's record happens whole, so a failed insert keeps the old record.
    inTransaction([&] {
        run(QStringLiteral("delete from tabTestHis where TEST_ID = :TEST_ID"), {{":TEST_ID", t_id}});
        run(QStringLiteral("insert into tabTestHis(TEST_ID, TEST_TRUE, TEST_FALSE, TEST_HAVDO, TEST_NOTDO, "
                           "TEST_TIME, TEST_TYPE, TEST_SCORE, TEST_KeCheng, TEST_ZhangJie) "
                           "values(:TEST_ID, :TEST_TRUE, :TEST_FALSE, :TEST_HAVDO, :TEST_NOTDO, :TEST_TIME, "
                           ":TEST_TYPE, :TEST_SCORE, :TEST_KeCheng, :TEST_ZhangJie)"),
            {{":TEST_ID", t_id},
             {":TEST_TRUE", t_true},
             {":TEST_FALSE", t_false},
             {":TEST_HAVDO", t_havdo},
             {":TEST_NOTDO", t_notdo},
             {":TEST_TIME", t_time},
             {":TEST_TYPE", t_type},
             {":TEST_SCORE", t_score},
             {":TEST_KeCheng", t_kecheng},
             {":TEST_ZhangJie", t_zhangjie}});
    });
}

void TDataModuleMain::GetXueXiLog()
{
    QSqlQuery query = run(QStringLiteral("select TEST_ID, TEST_TRUE, TEST_FALSE, TEST_HAVDO, TEST_NOTDO, "
                                         "TEST_TIME, TEST_TYPE, TEST_SCORE, TEST_KeCheng, TEST_ZhangJie "
                                         "from tabTestHis order by TEST_ID desc"));
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
        const QString id = log->T_ID;
        XueXiLogList.add(id, std::move(log));
    }
}

void TDataModuleMain::DeleteXueXiLog()
{
    run(QStringLiteral("delete from tabTestHis"));
}
