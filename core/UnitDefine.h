#pragma once
#include <QColor>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

// A course (tabMoudle).
struct TKeCheng
{
    QString KeChengID;
    QString KeChengName;
    QString KeChengDocUrl;
};

// A practice chapter or an exam paper (tabZhangJie).
struct TZhangJie
{
    QString ZhangJieID;
    QString ZhangJieName;
    QString KeChengID;
    QString KeChengType;
};

// One entry of a practice run or exam: a question, or one sub-question of an analysis question.
struct TItem
{
    QString ZhangJieID;
    QString ItemID;
    QString ItemType;
    QString ItemDetail;
    QString ItemA;
    QString ItemB;
    QString ItemC;
    QString ItemD;
    QString ItemE;
    QString ItemF;
    QString ItemAnswer;
    QString ItemDesc;
    bool ItemMark = false;
    bool ItemFav = false;
    int ItemScore = 0;
    QString UserAnswer;
    int UserScore = 0;
    int ColorMark = 0;
    int kind45Index = 0;
    QString EX_Subject;
    QString ItemPic;
    QString KeChengID;
    QString KeChengName;
    QString ZhangJieName;

    void AssginData(const TItem &source);
    // Option texts A..F by position 1..6.
    QString option(int position) const;
};

// A second-level account under its first-level account (tabKeMu).
struct TKeMu
{
    QString PKMID;
    QString PKMName;
    QString CKMID;
    QString CKMName;
};

// One stored practice run or exam (tabTestHis), every field as stored.
struct TXueXiLog
{
    QString T_ID;
    QString T_true;
    QString T_false;
    QString T_havdo;
    QString T_notdo;
    QString T_time;
    QString T_type;
    QString T_score;
    QString T_KeCheng;
    QString T_ZhangJie;
    // Full marks and points earned in hundredths; empty in rows of older versions.
    QString T_manfen;
    QString T_defen;
};

// An ordered list of (text, record) pairs that owns its records. Not sorted; duplicates allowed.
template <typename T>
class OwningList
{
public:
    int count() const { return int(m_entries.size()); }
    bool isEmpty() const { return m_entries.empty(); }
    const QString &text(int i) const { return m_entries.at(size_t(i)).first; }
    T *object(int i) const { return m_entries.at(size_t(i)).second.get(); }
    T *operator[](int i) const { return object(i); }

    T *add(const QString &text, std::unique_ptr<T> record)
    {
        m_entries.emplace_back(text, std::move(record));
        return m_entries.back().second.get();
    }
    // First entry whose text equals the given one exactly; -1 when none.
    int indexOf(const QString &text) const
    {
        for (size_t i = 0; i < m_entries.size(); ++i)
            if (m_entries[i].first == text)
                return int(i);
        return -1;
    }
    void removeAt(int i) { m_entries.erase(m_entries.begin() + i); }
    // Keeps the first n entries, freeing the rest.
    void truncate(int n)
    {
        if (n < count())
            m_entries.erase(m_entries.begin() + n, m_entries.end());
    }
    // Drops the first n entries.
    void removeFirst(int n)
    {
        n = std::min(n, count());
        if (n > 0)
            m_entries.erase(m_entries.begin(), m_entries.begin() + n);
    }
    void clear() { m_entries.clear(); }
    // Reorders the entries: entry i afterwards is the one that stood at order[i] before.
    // order must name every position once.
    void permute(const std::vector<int> &order)
    {
        std::vector<std::pair<QString, std::unique_ptr<T>>> moved;
        moved.reserve(m_entries.size());
        for (int from : order)
            moved.push_back(std::move(m_entries.at(size_t(from))));
        m_entries = std::move(moved);
    }

private:
    std::vector<std::pair<QString, std::unique_ptr<T>>> m_entries;
};

// Process-wide state shared by every window and the data module; user-interface thread only.
extern OwningList<TKeCheng> KeChengList;
extern OwningList<TZhangJie> ZhangJieList;
extern OwningList<TItem> ItemList;
extern OwningList<TZhangJie> KaoShiList; // made with the others; nothing fills it
extern OwningList<TKeMu> KeMuList;
extern OwningList<TXueXiLog> XueXiLogList;
// Page lists: three texts per page (caption, page, kind).
extern QStringList KaoShiDaGangList;
extern QStringList KeChengJiangYiList;
extern QStringList HelpList;

extern QString ApplicationDir;
extern bool CanLogin;
extern QString UID;
extern QString PWD;

extern QColor DangQianColor;
extern QColor DaiChaColor;
extern QColor WeiZuoColor;
extern QColor YiZuoColor;

// Empties every global list, as the main window does when it is made.
void CreateGlobalLists();

// Whether the entry at this position of ItemList begins a question: a plain question, or the
// first of the entries of one calculation or case question, which stand together.
bool StartsQuestion(int position);
// The positions of ItemList at which questions begin, in order.
std::vector<int> QuestionStarts();

// Whether the entry's answer is its key: a choice answer letter for letter, a calculation
// sub-question's entry rows or amount as they are scored (a journal-entry answer is stored as
// rows, never as the key's text). False for an unanswered entry.
bool AnswerMatchesKey(const TItem &entry);
// What the answer earns: the entry's full marks when it matches its key, else nothing.
int EarnedScore(const TItem &entry);
// An answered entry is right when its answer matches its key, whatever it is worth: one rule
// for the result, the reviews, the chooser and the wrong-question log.
bool EntryIsRight(const TItem &entry);
// Answered, and not right. An unanswered entry is neither right nor wrong.
bool EntryIsWrong(const TItem &entry);

// The entries a review of that mode goes through, for practice and exam alike: "error" the
// wrong ones, "right" the right ones, "notfinish" the unanswered ones; empty for another mode.
std::function<bool(const TItem &)> ReviewFilter(const QString &mode);
// The position of the nearest entry of ItemList after index in steps of step (1 or -1) that
// take accepts; index itself when there is none (so -1, 1 gives the first, or -1).
int NextTakenIndex(int index, int step, const std::function<bool(const TItem &)> &take);

// The counts and marks of ItemList as a run or exam ends; scores in hundredths of a point.
struct RunTally
{
    int answered = 0;
    int unanswered = 0;
    int right = 0;
    int wrong = 0;
    int full = 0;
    int earned = 0;
};
RunTally TallyItemList();
