#include "core/UnitDefine.h"

#include "core/EntryAnswer.h"

OwningList<TKeCheng> KeChengList;
OwningList<TZhangJie> ZhangJieList;
OwningList<TItem> ItemList;
OwningList<TZhangJie> KaoShiList;
OwningList<TKeMu> KeMuList;
OwningList<TXueXiLog> XueXiLogList;
QStringList KaoShiDaGangList;
QStringList KeChengJiangYiList;
QStringList HelpList;

QString ApplicationDir;
bool CanLogin = false;
QString UID;
QString PWD;

QColor DangQianColor(0, 0, 0);
QColor DaiChaColor(0, 0, 0);
QColor WeiZuoColor(0, 0, 0);
QColor YiZuoColor(0, 0, 0);

void TItem::AssginData(const TItem &source)
{
    *this = source;
}

QString TItem::option(int position) const
{
    switch (position) {
    case 1: return ItemA;
    case 2: return ItemB;
    case 3: return ItemC;
    case 4: return ItemD;
    case 5: return ItemE;
    case 6: return ItemF;
    default: return QString();
    }
}

void CreateGlobalLists()
{
    KeChengList.clear();
    ZhangJieList.clear();
    ItemList.clear();
    KaoShiList.clear();
    KeMuList.clear();
    KaoShiDaGangList.clear();
    KeChengJiangYiList.clear();
    HelpList.clear();
    XueXiLogList.clear();
}

bool StartsQuestion(int position)
{
    if (position <= 0)
        return position == 0;
    const TItem *entry = ItemList[position];
    const TItem *before = ItemList[position - 1];
    // The same question may come twice in a list (logged on two days): a sub-question number
    // that does not go up starts it again.
    return entry->ItemID != before->ItemID || entry->kind45Index <= before->kind45Index;
}

std::vector<int> QuestionStarts()
{
    std::vector<int> starts;
    for (int i = 0; i < ItemList.count(); ++i)
        if (StartsQuestion(i))
            starts.push_back(i);
    return starts;
}

bool AnswerMatchesKey(const TItem &entry)
{
    if (entry.UserAnswer.trimmed().isEmpty())
        return false;
    if (entry.ItemType == QLatin1String("4")) {
        const QString key = entry.option(entry.kind45Index);
        return isEntryKey(key) ? entryAnswerMatches(key, parseStoredEntryRows(entry.UserAnswer))
                               : amountMatches(entry.UserAnswer, key);
    }
    return entry.UserAnswer == entry.ItemAnswer;
}

int EarnedScore(const TItem &entry)
{
    return AnswerMatchesKey(entry) ? entry.ItemScore : 0;
}

bool EntryIsRight(const TItem &entry)
{
    return !entry.UserAnswer.isEmpty() && AnswerMatchesKey(entry);
}

bool EntryIsWrong(const TItem &entry)
{
    return !entry.UserAnswer.isEmpty() && !EntryIsRight(entry);
}

std::function<bool(const TItem &)> ReviewFilter(const QString &mode)
{
    if (mode == QLatin1String("error"))
        return EntryIsWrong;
    if (mode == QLatin1String("right"))
        return EntryIsRight;
    if (mode == QLatin1String("notfinish"))
        return [](const TItem &entry) { return entry.UserAnswer.isEmpty(); };
    return {};
}

int NextTakenIndex(int index, int step, const std::function<bool(const TItem &)> &take)
{
    for (int position = index + step; position >= 0 && position < ItemList.count(); position += step)
        if (take(*ItemList[position]))
            return position;
    return index;
}

RunTally TallyItemList()
{
    RunTally t;
    for (int i = 0; i < ItemList.count(); ++i) {
        const TItem &entry = *ItemList[i];
        if (entry.UserAnswer.isEmpty())
            ++t.unanswered;
        else
            ++t.answered;
        // Unanswered is not done, neither right nor wrong.
        if (EntryIsRight(entry))
            ++t.right;
        else if (EntryIsWrong(entry))
            ++t.wrong;
        t.full += entry.ItemScore;
        t.earned += entry.UserScore;
    }
    return t;
}
