// Loading questions into ItemList, and counting them by type.
#include "store/UnitDM.h"

#include "core/UnitDefine.h"

#include <algorithm>

namespace {

// Column order of every question row; the essentials and wrong-question lists add the
// chapter and its course, joined in (NamedFrom), rather than looked up entry by entry.
const QString ItemColumns = QStringLiteral(
    "I_ID, I_TYPE, I_DETAL, I_A, I_B, I_C, I_D, I_E, I_F, I_ANSWER, I_ANSWER_DESC, I_MARK, I_FAV, "
    "I_SCORE, I_PIC");
const QString NamedColumns = ItemColumns + QStringLiteral(", i.Z_ID, z.Z_Name, z.M_ID, m.Moudle_Name, m.Moudle_ID");
// A question's names count only when its chapter and the chapter's course are both found.
const QString NamedJoins = QStringLiteral(
    "left join tabZhangJie z on z.Z_ID = i.Z_ID left join tabMoudle m on m.Moudle_ID = z.M_ID");
enum Col {
    cID, cType, cDetail, cA, cB, cC, cD, cE, cF, cAnswer, cDesc, cMark, cFav, cScore, cPic,
    cZID, cZName, cMID, cCourseName, cCourseFound
};

bool isPresent(const QString &option)
{
    return !option.isEmpty() && option != QLatin1String("-");
}

// Points of a stored score in hundredths. A bank written by another tool may hold any number
// there (qbank check reports it); held to 0 .. MaxScore, the hundredths and their sums stay
// well inside int.
int hundredths(const QVariant &score)
{
    const double points = score.toDouble();
    if (!(points > 0)) // also NaN
        return 0;
    return qRound(std::min(points, double(TDataModuleMain::MaxScore)) * 100);
}

}

TItem *TDataModuleMain::appendEntries(const QSqlQuery &row, const QString &zhangJieID, bool withChapterNames)
{
    TItem q;
    q.ZhangJieID = zhangJieID;
    q.ItemID = row.value(cID).toString();
    q.ItemType = row.value(cType).toString();
    q.ItemDetail = DcStr(row.value(cDetail).toString());
    q.ItemA = DcStr(row.value(cA).toString());
    q.ItemB = DcStr(row.value(cB).toString());
    q.ItemC = DcStr(row.value(cC).toString());
    q.ItemD = DcStr(row.value(cD).toString());
    q.ItemE = DcStr(row.value(cE).toString());
    q.ItemF = DcStr(row.value(cF).toString());
    q.ItemAnswer = DcStr(row.value(cAnswer).toString());
    q.ItemDesc = DcStr(row.value(cDesc).toString());
    q.ItemMark = row.value(cMark).toBool();
    q.ItemFav = row.value(cFav).toBool();
    q.ItemScore = hundredths(row.value(cScore));
    q.ItemPic = row.value(cPic).toString();
    q.ColorMark = 3;
    q.kind45Index = 1;

    if (withChapterNames && !row.value(cCourseFound).isNull()) {
        q.ZhangJieName = row.value(cZName).toString();
        q.KeChengID = row.value(cMID).toString();
        q.KeChengName = row.value(cCourseName).toString();
    }

    const auto append = [](const TItem &entry) {
        auto copy = std::make_unique<TItem>();
        copy->AssginData(entry);
        return ItemList.add(entry.ItemID, std::move(copy));
    };

    if (q.ItemType == QLatin1String("1") || q.ItemType == QLatin1String("2")
        || q.ItemType == QLatin1String("3"))
        return append(q);
    if (q.ItemType == QLatin1String("4")) {
        // One entry per present option (sub-question). The question's marks are shared among
        // them whole: what does not divide evenly goes a hundredth each to the first ones, so
        // that 10 points over 3 keys give 3.34, 3.33 and 3.33 and a paper's full marks add up.
        int present = 0;
        for (int p = 1; p <= 6; ++p)
            present += isPresent(q.option(p)) ? 1 : 0;
        if (present == 0)
            return nullptr;
        const int share = q.ItemScore / present;
        int remainder = q.ItemScore % present;
        TItem *last = nullptr;
        for (int p = 1; p <= 6; ++p) {
            if (!isPresent(q.option(p)))
                continue;
            q.kind45Index = p;
            q.ItemScore = share + (remainder > 0 ? 1 : 0);
            remainder = std::max(0, remainder - 1);
            last = append(q);
        }
        return last;
    }
    if (q.ItemType == QLatin1String("5"))
        appendCaseEntries(q);
    return nullptr;
}

void TDataModuleMain::appendCaseEntries(const TItem &question)
{
    QSqlQuery &sub = run(QStringLiteral("Select EX_Subject, EX_No, EX_A, EX_B, EX_C, EX_D, EX_E, EX_F, "
                                       "EX_ANSWER, EX_DES, EX_TYPE, EX_SCORE from tabExItem "
                                       "where I_ID = :I_ID order by EX_No"),
                        {{":I_ID", question.ItemID}});
    while (sub.next()) {
        auto entry = std::make_unique<TItem>();
        entry->AssginData(question);
        entry->EX_Subject = DcStr(sub.value(0).toString());
        entry->kind45Index = sub.value(1).toInt();
        entry->ItemA = DcStr(sub.value(2).toString());
        entry->ItemB = DcStr(sub.value(3).toString());
        entry->ItemC = DcStr(sub.value(4).toString());
        entry->ItemD = DcStr(sub.value(5).toString());
        entry->ItemE = DcStr(sub.value(6).toString());
        entry->ItemF = DcStr(sub.value(7).toString());
        entry->ItemAnswer = DcStr(sub.value(8).toString());
        entry->ItemDesc = DcStr(sub.value(9).toString());
        entry->ItemScore = hundredths(sub.value(11));
        ItemList.add(question.ItemID, std::move(entry));
    }
}

void TDataModuleMain::AddItem(const QString &ZhangJieID, const QString &ItemKind, int CNT, int Rmd)
{
    if (CNT <= 0)
        return;
    QSqlQuery *query = nullptr;
    if (Rmd == 1) {
        // Draw the identifiers in random order through the index, then read just those rows.
        query = &run(QStringLiteral("Select %1 from (Select a.I_ID as pick, random() as r "
                                   "from tabZhangJie b join tabItem a on a.Z_ID = b.Z_ID "
                                   "where b.M_ID = :M_ID and a.I_TYPE = :I_TYPE order by r limit :CNT) p "
                                   "join tabItem on tabItem.I_ID = p.pick order by p.r")
                        .arg(ItemColumns),
                    {{":M_ID", ZhangJieID}, {":I_TYPE", ItemKind}, {":CNT", CNT}});
    } else {
        query = &run(QStringLiteral("Select %1 from tabItem where Z_ID = :Z_ID and I_TYPE = :I_TYPE "
                                   "order by I_ID limit :CNT")
                        .arg(ItemColumns),
                    {{":Z_ID", ZhangJieID}, {":I_TYPE", ItemKind}, {":CNT", CNT}});
    }
    while (query->next())
        appendEntries(*query, ZhangJieID, false);
}

void TDataModuleMain::GetJHItemList()
{
    ItemList.clear();
    // Through the index of flagged questions ("+" keeps the ordering from choosing a walk of
    // the whole table in rowid order instead).
    QSqlQuery &query = run(QStringLiteral("Select %1 from tabItem i %2 where I_FAV <> 0 order by +i.rowid")
                               .arg(NamedColumns, NamedJoins));
    while (query.next())
        appendEntries(query, query.value(cZID).toString(), true);
}

void TDataModuleMain::GetCTItemList(const QString &CT_Start)
{
    ItemList.clear();
    // A question comes once per day it was logged, in the order the days were first logged;
    // rows repeated within a day (older banks wrote one per wrong entry) count once.
    // Driven from the log of the period (cross join: the log first), not from the questions.
    QSqlQuery &query = run(QStringLiteral("Select %1 from (Select ERR_I_ID, min(rowid) as first "
                                          "from tabErrItemHisLog where ERR_DATE >= :ERR_DATE "
                                          "group by ERR_DATE, ERR_I_ID) l cross join tabItem i on i.I_ID = l.ERR_I_ID "
                                          "%2 order by l.first")
                               .arg(NamedColumns, NamedJoins),
                           {{":ERR_DATE", CT_Start}});
    while (query.next())
        appendEntries(query, query.value(cZID).toString(), true);
}

void TDataModuleMain::countByType(QSqlQuery &query, int &DanCnt, int &DuoCnt, int &PanCnt, int &FenCnt)
{
    // Types 4 and 5 are both analysis questions: a set holding both counts them together.
    int analysis = 0;
    bool anyAnalysis = false;
    while (query.next()) {
        const QString type = query.value(0).toString();
        const int cnt = query.value(1).toInt();
        if (type == QLatin1String("1"))
            DanCnt = cnt;
        else if (type == QLatin1String("2"))
            DuoCnt = cnt;
        else if (type == QLatin1String("3"))
            PanCnt = cnt;
        else if (type == QLatin1String("4") || type == QLatin1String("5")) {
            analysis += cnt;
            anyAnalysis = true;
        }
    }
    if (anyAnalysis)
        FenCnt = analysis;
}

void TDataModuleMain::GetItemCnt(const QString &KeCheng_ID, const QString &ZhangJie_ID, int &ZongCnt,
                                 int &DanCnt, int &DuoCnt, int &PanCnt, int &FenCnt)
{
    Q_UNUSED(KeCheng_ID);
    Q_UNUSED(ZongCnt); // callers add the total up themselves
    QSqlQuery &query = run(QStringLiteral("Select I_TYPE, count(*) as cnt from tabItem where Z_ID = :Z_ID "
                                         "group by I_TYPE"),
                          {{":Z_ID", ZhangJie_ID}});
    countByType(query, DanCnt, DuoCnt, PanCnt, FenCnt);
}

void TDataModuleMain::GetJHItemCnt(int &ZongCnt, int &DanCnt, int &DuoCnt, int &PanCnt, int &FenCnt)
{
    QSqlQuery &query = run(QStringLiteral("Select I_TYPE, count(*) as cnt from tabItem where I_FAV <> 0 "
                                          "group by I_TYPE"));
    countByType(query, DanCnt, DuoCnt, PanCnt, FenCnt);
    ZongCnt = DanCnt + DuoCnt + PanCnt + FenCnt;
}

void TDataModuleMain::GetCTItemCnt(int &ZongCnt, int &DanCnt, int &DuoCnt, int &PanCnt, int &FenCnt,
                                   const QString &StarStr)
{
    // Counted as the list loads them: once per question and day.
    QSqlQuery &query = run(QStringLiteral("Select I_TYPE, count(*) as cnt from "
                                          "(Select distinct ERR_DATE, ERR_I_ID from tabErrItemHisLog "
                                          "where ERR_DATE >= :ERR_DATE) l cross join tabItem on I_ID = l.ERR_I_ID "
                                          "group by I_TYPE"),
                           {{":ERR_DATE", StarStr}});
    countByType(query, DanCnt, DuoCnt, PanCnt, FenCnt);
    ZongCnt = DanCnt + DuoCnt + PanCnt + FenCnt;
}
