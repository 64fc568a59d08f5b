// Reading a built bank back into its plain form, with every enciphered text checked.
#include "tools/qbank/BankModel.h"

#include "store/UnitDM.h"
#include "store/UnitEncrypt.h"

#include <QHash>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <cmath>

namespace {

const char *const OptionColumns[] = {"A", "B", "C", "D", "E", "F"};

class Reader
{
public:
    Reader(TDataModuleMain &dm, BankProblems &problems) : m_db(dm.database()), m_problems(problems) {}

    BankSource read()
    {
        BankSource bank;
        bank.accountsName = QStringLiteral("tabKeMu");
        readAccounts(bank);
        readPages(QStringLiteral("tabKaoShiZhiNan"), QStringLiteral("KSDG"), bank.guide);
        readPages(QStringLiteral("tabHelp"), QStringLiteral("HP"), bank.help);
        readCourses(bank);
        return bank;
    }

private:
    QSqlQuery select(const QString &sql)
    {
        QSqlQuery query(m_db);
        query.setForwardOnly(true);
        if (!query.exec(sql))
            throw StoreError(QStringLiteral("%1: %2").arg(sql, query.lastError().text()));
        return query;
    }

    // The plain text of a stored cipher text. Absent texts ("" or a plain "-") read the same
    // with or without the cipher; anything else must decipher, and re-enciphering it from the
    // same starting offset must give the stored text back, or it was damaged.
    QString decipher(const QVariant &value, const BankPlace &place, const QString &field)
    {
        const QString stored = value.toString();
        if (stored.isEmpty() || stored == QLatin1String("-"))
            return QString();
        const QString plain = TDataModuleMain::DcStr(stored);
        if (plain == stored) {
            m_problems.add(place, field, QStringLiteral("does not decipher (not a cipher text)"));
            return stored;
        }
        bool ok = false;
        const int offset = stored.left(2).toInt(&ok, 16);
        SetEncryptOffsetForTesting(ok ? offset : 0);
        const QString again = TDataModuleMain::EcStr(plain);
        SetEncryptOffsetForTesting(-1);
        if (again.compare(stored, Qt::CaseInsensitive) != 0) {
            m_problems.add(place, field, QStringLiteral("does not decipher (the cipher text is damaged)"));
            return plain;
        }
        // EcStr writes an empty text as "-".
        return plain == QLatin1String("-") ? QString() : plain;
    }

    // A score as stored. Another tool may have put any value in the column: what is not a whole
    // number is reported here, a whole number out of range by the checks.
    qint64 score(const QVariant &value, const BankPlace &place, const QString &field)
    {
        if (value.isNull())
            return 0;
        if (value.typeId() == QMetaType::LongLong || value.typeId() == QMetaType::Int)
            return value.toLongLong();
        bool ok = false;
        const double d = value.toDouble(&ok);
        if (ok && d == std::floor(d) && std::fabs(d) < 1e18)
            return qint64(d);
        m_problems.add(place, field,
                       QStringLiteral("must be a whole number from 0 to %1, not \"%2\"")
                           .arg(TDataModuleMain::MaxScore)
                           .arg(value.toString()));
        return 0;
    }

    void readAccounts(BankSource &bank)
    {
        QSqlQuery q = select(QStringLiteral("select P_ID, P_NAME, C_ID, C_NAME from tabKeMu order by rowid"));
        QHash<QString, qsizetype> parents;
        while (q.next()) {
            const QString pid = q.value(0).toString();
            const QString pname = q.value(1).toString();
            const QString key = pid + QChar(0) + pname;
            auto it = parents.find(key);
            if (it == parents.end()) {
                BankAccount account;
                account.id = pid;
                account.name = pname;
                account.place = BankPlace::inRow(QStringLiteral("tabKeMu"), QStringLiteral("P_ID=") + pid);
                bank.accounts << account;
                it = parents.insert(key, bank.accounts.size() - 1);
            }
            BankAccountChild child;
            child.id = q.value(2).toString();
            child.name = q.value(3).toString();
            child.place = BankPlace::inRow(QStringLiteral("tabKeMu"), QStringLiteral("C_ID=") + child.id);
            bank.accounts[*it].children << child;
        }
    }

    void readPages(const QString &table, const QString &prefix, QList<BankPage> &pages)
    {
        QSqlQuery q = select(QStringLiteral("select rowid, %2_NAME, %2_URL, %2_TYPE from %1 order by rowid").arg(table, prefix));
        while (q.next()) {
            BankPage page;
            page.place = BankPlace::inRow(table, QStringLiteral("rowid=") + q.value(0).toString());
            page.caption = q.value(1).toString();
            page.page = q.value(2).toString();
            page.kind = q.value(3).toString();
            pages << page;
        }
    }

    void readCourses(BankSource &bank)
    {
        QHash<QString, qsizetype> courses;
        QSqlQuery c = select(QStringLiteral("select Moudle_ID, Moudle_Name, Moudle_DocUrl from tabMoudle order by rowid"));
        while (c.next()) {
            SourceCourse course;
            course.id = c.value(0).toString();
            course.name = c.value(1).toString();
            course.docUrl = c.value(2).toString();
            course.place = BankPlace::inRow(QStringLiteral("tabMoudle"), QStringLiteral("Moudle_ID=") + course.id);
            if (!courses.contains(course.id))
                courses.insert(course.id, bank.courses.size());
            bank.courses << course;
        }

        // Chapters by identifier: (course index, chapter index).
        QHash<QString, std::pair<qsizetype, qsizetype>> chapters;
        QSqlQuery z = select(QStringLiteral("select Z_ID, Z_Name, M_ID, M_Type from tabZhangJie order by rowid"));
        while (z.next()) {
            SourceChapter chapter;
            chapter.id = z.value(0).toString();
            chapter.name = z.value(1).toString();
            chapter.kind = z.value(3).toString();
            chapter.place = BankPlace::inRow(QStringLiteral("tabZhangJie"), QStringLiteral("Z_ID=") + chapter.id);
            const QString courseId = z.value(2).toString();
            const auto course = courses.constFind(courseId);
            if (course == courses.constEnd()) {
                m_problems.add(chapter.place, QStringLiteral("course"),
                               QStringLiteral("course \"%1\" is not in tabMoudle").arg(courseId));
                continue;
            }
            QList<SourceChapter> &list = bank.courses[*course].chapters;
            if (!chapters.contains(chapter.id))
                chapters.insert(chapter.id, {*course, list.size()});
            list << chapter;
        }
        const auto chapterOf = [&](const QString &id) -> SourceChapter * {
            const auto it = chapters.constFind(id);
            return it == chapters.constEnd() ? nullptr : &bank.courses[it->first].chapters[it->second];
        };

        QSqlQuery j = select(QStringLiteral("select rowid, Z_ID, Z_URL, Z_TYPE from tabJiangYi order by rowid"));
        while (j.next()) {
            BankHandout handout;
            handout.place = BankPlace::inRow(QStringLiteral("tabJiangYi"), QStringLiteral("rowid=") + j.value(0).toString());
            handout.page = j.value(2).toString();
            handout.kind = j.value(3).toString();
            const QString chapterId = j.value(1).toString();
            if (SourceChapter *chapter = chapterOf(chapterId))
                chapter->handouts << handout;
            else
                m_problems.add(handout.place, QStringLiteral("chapter"),
                               QStringLiteral("chapter \"%1\" is not in tabZhangJie").arg(chapterId));
        }

        QHash<QString, QList<std::pair<BankSubQuestion, BankPlace>>> subs = readSubs();
        QSqlQuery i = select(QStringLiteral("select I_ID, Z_ID, I_TYPE, I_DETAL, I_A, I_B, I_C, I_D, I_E, I_F, I_ANSWER, "
                                            "I_ANSWER_DESC, I_MARK, I_FAV, I_SCORE, I_PIC from tabItem order by rowid"));
        while (i.next()) {
            SourceQuestion sq;
            BankQuestion &q = sq.q;
            q.id = i.value(0).toString();
            q.chapterId = i.value(1).toString();
            q.type = i.value(2).toString();
            sq.place = BankPlace::inRow(QStringLiteral("tabItem"), QStringLiteral("I_ID=") + q.id);
            q.text = decipher(i.value(3), sq.place, QStringLiteral("text"));
            for (int o = 0; o < 6; ++o)
                q.options << decipher(i.value(4 + o), sq.place, QStringLiteral("options.") + QLatin1String(OptionColumns[o]));
            while (!q.options.isEmpty() && q.options.last().isEmpty())
                q.options.removeLast();
            // An absent key before the last one keeps its place, as a source says it: "-".
            if (q.type == QLatin1String("4"))
                for (QString &key : q.options)
                    if (key.isEmpty())
                        key = QStringLiteral("-");
            q.answer = decipher(i.value(10), sq.place, QStringLiteral("answer"));
            q.explanation = decipher(i.value(11), sq.place, QStringLiteral("explanation"));
            q.mark = i.value(12).toBool();
            q.fav = i.value(13).toBool();
            q.score = score(i.value(14), sq.place, QStringLiteral("score"));
            q.picture = i.value(15).toString();
            for (auto &[sub, place] : subs.take(q.id)) {
                if (q.type != QLatin1String("5")) {
                    m_problems.add(place, QStringLiteral("question"),
                                   QStringLiteral("question \"%1\" is not a case question").arg(q.id));
                    continue;
                }
                q.subquestions << sub;
                sq.subPlaces << place;
            }
            if (SourceChapter *chapter = chapterOf(q.chapterId))
                chapter->questions << sq;
            else
                m_problems.add(sq.place, QStringLiteral("chapter"),
                               QStringLiteral("chapter \"%1\" is not in tabZhangJie").arg(q.chapterId));
        }
        for (auto it = subs.cbegin(); it != subs.cend(); ++it)
            for (const auto &[sub, place] : it.value())
                m_problems.add(place, QStringLiteral("question"),
                               QStringLiteral("question \"%1\" is not in tabItem").arg(it.key()));
    }

    QHash<QString, QList<std::pair<BankSubQuestion, BankPlace>>> readSubs()
    {
        QHash<QString, QList<std::pair<BankSubQuestion, BankPlace>>> subs;
        QSqlQuery s = select(QStringLiteral("select I_ID, EX_No, EX_Subject, EX_A, EX_B, EX_C, EX_D, EX_E, EX_F, "
                                            "EX_ANSWER, EX_DES, EX_TYPE, EX_SCORE from tabExItem "
                                            "order by I_ID, EX_No, rowid"));
        while (s.next()) {
            BankSubQuestion sub;
            const QString id = s.value(0).toString();
            sub.no = s.value(1).toInt();
            const BankPlace place =
                BankPlace::inRow(QStringLiteral("tabExItem"), QStringLiteral("I_ID=%1 EX_No=%2").arg(id).arg(sub.no));
            sub.text = decipher(s.value(2), place, QStringLiteral("text"));
            for (int o = 0; o < 6; ++o)
                sub.options << decipher(s.value(3 + o), place, QStringLiteral("options.") + QLatin1String(OptionColumns[o]));
            while (!sub.options.isEmpty() && sub.options.last().isEmpty())
                sub.options.removeLast();
            sub.answer = decipher(s.value(9), place, QStringLiteral("answer"));
            sub.explanation = decipher(s.value(10), place, QStringLiteral("explanation"));
            sub.type = s.value(11).toString();
            sub.score = score(s.value(12), place, QStringLiteral("score"));
            subs[id] << std::pair{sub, place};
        }
        return subs;
    }

    QSqlDatabase m_db;
    BankProblems &m_problems;
};

}

BankSource readBankFile(TDataModuleMain &dm, BankProblems &problems)
{
    return Reader(dm, problems).read();
}
