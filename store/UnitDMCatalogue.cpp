// Catalogue: courses, chapters and papers, page lists, the chart of accounts.
#include "store/UnitDM.h"

#include "core/UnitDefine.h"

void TDataModuleMain::GetKeChengInfo()
{
    KeChengList.clear();
    QSqlQuery &query = run(QStringLiteral(
        "Select Moudle_ID, Moudle_Name, Moudle_DocUrl from tabMoudle order by Moudle_ID desc"));
    while (query.next()) {
        auto course = std::make_unique<TKeCheng>();
        course->KeChengID = query.value(0).toString();
        course->KeChengName = query.value(1).toString();
        course->KeChengDocUrl = query.value(2).toString();
        const QString name = course->KeChengName;
        KeChengList.add(name, std::move(course));
    }
}

void TDataModuleMain::GetZhangJIe(const QString &KeChengID, const QString &kind)
{
    ZhangJieList.clear();
    QSqlQuery &query = run(QStringLiteral("Select Z_ID, Z_Name, M_ID, M_Type from tabZhangJie "
                                         "where M_TYPE = :kind and M_ID = :M_ID order by Z_ID asc"),
                          {{":kind", kind}, {":M_ID", KeChengID}});
    while (query.next()) {
        auto chapter = std::make_unique<TZhangJie>();
        chapter->ZhangJieID = query.value(0).toString();
        chapter->ZhangJieName = query.value(1).toString();
        chapter->KeChengID = query.value(2).toString();
        chapter->KeChengType = query.value(3).toString();
        const QString name = chapter->ZhangJieName;
        ZhangJieList.add(name, std::move(chapter));
    }
}

void TDataModuleMain::fillPageList(const QString &sql, QStringList &list, Binds binds)
{
    list.clear();
    QSqlQuery &query = run(sql, binds);
    while (query.next())
        list << query.value(0).toString() << query.value(1).toString() << query.value(2).toString();
}

void TDataModuleMain::GetKaoShiDaGang()
{
    fillPageList(QStringLiteral(
        "Select KSDG_NAME, KSDG_URL, KSDG_TYPE from tabKaoShiZhiNan order by rowid"), KaoShiDaGangList);
}

void TDataModuleMain::GetHelpList()
{
    fillPageList(QStringLiteral("Select HP_NAME, HP_URL, HP_TYPE from tabHelp order by rowid"), HelpList);
}

void TDataModuleMain::GetKeChengJiangYi(const QString &KeChengID, const QString &kind)
{
    fillPageList(QStringLiteral("Select a.Z_Name, b.Z_URL, b.Z_TYPE from tabZhangJie a, tabJiangYi b "
                                "where a.Z_ID = b.Z_ID and M_TYPE = :kind and M_ID = :M_ID "
                                "order by a.Z_ID asc, b.rowid"),
                 KeChengJiangYiList, {{":kind", kind}, {":M_ID", KeChengID}});
}

void TDataModuleMain::GetKeMuList()
{
    QSqlQuery &query = run(QStringLiteral("Select P_ID, P_NAME, C_ID, C_NAME from tabKeMu order by P_ID, C_ID"));
    while (query.next()) {
        auto account = std::make_unique<TKeMu>();
        account->PKMID = query.value(0).toString();
        account->PKMName = query.value(1).toString();
        account->CKMID = query.value(2).toString();
        account->CKMName = query.value(3).toString();
        const QString name = account->CKMName;
        KeMuList.add(name, std::move(account));
    }
}
