// Reading a built bank back into its plain form, a chapter at a time, with every enciphered
// text checked.
#include "tools/qbank/BankModel.h"

#include "store/UnitDM.h"
#include "store/UnitEncrypt.h"

#include <QHash>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <cmath>

namespace {

const char *const OptionColumns[] = {"A", "B", "C", "D", "E", "F"};

using SubRows = QHash<QString, QList<std::pair<BankSubQuestion, BankPlace>>>;

}

class BankFileReader::Reader
{
public:
    Reader(TDataModuleMain &dm, BankProblems &problems) : m_db(dm.database()), m_problems(problems) {}

    BankSource catalogue()
    {
        BankSource bank;
        bank.accountsName = QStringLiteral("tabKeMu");
        readAccounts(bank);
        readPages(QStringLiteral("tabKaoShiZhiNan"), QStringLiteral("KSDG"), bank.guide);
        readPages(QStringLiteral("tabHelp"), QStringLiteral("HP"), bank.help);
        readCourses(bank);
        return bank;
    }

    QList<SourceQuestion> readChapter(const SourceChapter &chapter)
    {
        // A repeated chapter identifier: its questions went to the first chapter of that name.
        if (!m_chapters.contains(chapter.id) || m_done.contains(chapter.id))
            return {};
        m_done.insert(chapter.id);
        return readQuestions(QStringLiteral("i.Z_ID = ?"), chapter.id);
    }

    void reportStrays()
    {
        // Questions of a chapter the catalogue does not hold (none, or one of an unknown
        // course); their texts are checked all the same.
        const QList<SourceQuestion> strays = readQuestions(
            QStringLiteral("coalesce(i.Z_ID, '') not in "
                           "(select z.Z_ID from tabZhangJie z join tabMoudle m on m.Moudle_ID = z.M_ID)"));
        for (const SourceQuestion &sq : strays)
            m_problems.add(sq.place, QStringLiteral("chapter"),
                           QStringLiteral("chapter \"%1\" is not in tabZhangJie").arg(sq.q.chapterId));
        const SubRows orphans = readSubs(QStringLiteral("where not exists (select 1 from tabItem i where i.I_ID = x.I_ID)"));
        QStringList ids = orphans.keys();
        ids.sort();
        for (const QString &id : std::as_const(ids))
            for (const auto &[sub, place] : orphans.value(id))
                m_problems.add(place, QStringLiteral("question"), QStringLiteral("question \"%1\" is not in tabItem").arg(id));
    }

private:
    // Runs a query, with one bound value when given one; forward only, rows are read once.
    QSqlQuery select(const QString &sql, const QVariant &value = QVariant())
    {
        QSqlQuery query(m_db);
        query.setForwardOnly(true);
        bool ok = false;
        if (value.isValid()) {
            ok = query.prepare(sql);
            query.addBindValue(value);
            ok = ok && query.exec();
        } else {
            ok = query.exec(sql);
        }
        if (!ok)
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

        m_chapters.clear();
        m_done.clear();
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
            if (!m_chapters.contains(chapter.id))
                m_chapters.insert(chapter.id, {*course, list.size()});
            list << chapter;
        }

        QSqlQuery j = select(QStringLiteral("select rowid, Z_ID, Z_URL, Z_TYPE from tabJiangYi order by rowid"));
        while (j.next()) {
            BankHandout handout;
            handout.place = BankPlace::inRow(QStringLiteral("tabJiangYi"), QStringLiteral("rowid=") + j.value(0).toString());
            handout.page = j.value(2).toString();
            handout.kind = j.value(3).toString();
            const QString chapterId = j.value(1).toString();
            const auto at = m_chapters.constFind(chapterId);
            if (at != m_chapters.constEnd())
                bank.courses[at->first].chapters[at->second].handouts << handout;
            else
                m_problems.add(handout.place, QStringLiteral("chapter"),
                               QStringLiteral("chapter \"%1\" is not in tabZhangJie").arg(chapterId));
        }
    }

    // The questions a condition on tabItem i picks, with their sub-questions, in stored order.
    // Sub-question rows of a question that is not a case question are reported.
    QList<SourceQuestion> readQuestions(const QString &where, const QVariant &value = QVariant())
    {
        SubRows subs = readSubs(QStringLiteral("join tabItem i on i.I_ID = x.I_ID where ") + where, value);
        QSqlQuery i = select(QStringLiteral("select i.I_ID, i.Z_ID, i.I_TYPE, i.I_DETAL, i.I_A, i.I_B, i.I_C, i.I_D, i.I_E, "
                                            "i.I_F, i.I_ANSWER, i.I_ANSWER_DESC, i.I_MARK, i.I_FAV, i.I_SCORE, i.I_PIC "
                                            "from tabItem i where %1 order by i.rowid")
                                 .arg(where),
                             value);
        QList<SourceQuestion> questions;
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
            // A repeated question identifier: the sub-questions go to the first.
            for (auto &[sub, place] : subs.take(q.id)) {
                if (q.type != QLatin1String("5")) {
                    m_problems.add(place, QStringLiteral("question"),
                                   QStringLiteral("question \"%1\" is not a case question").arg(q.id));
                    continue;
                }
                q.subquestions << sub;
                sq.subPlaces << place;
            }
            questions << sq;
        }
        return questions;
    }

    // Sub-question rows a condition on tabExItem x picks, by question.
    SubRows readSubs(const QString &condition, const QVariant &value = QVariant())
    {
        SubRows subs;
        QSqlQuery s = select(QStringLiteral("select x.I_ID, x.EX_No, x.EX_Subject, x.EX_A, x.EX_B, x.EX_C, x.EX_D, x.EX_E, "
                                            "x.EX_F, x.EX_ANSWER, x.EX_DES, x.EX_TYPE, x.EX_SCORE from tabExItem x %1 "
                                            "order by x.I_ID, x.EX_No, x.rowid")
                                 .arg(condition),
                             value);
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
    // Chapters of the catalogue by identifier: (course index, chapter index).
    QHash<QString, std::pair<qsizetype, qsizetype>> m_chapters;
    QSet<QString> m_done;
};

BankFileReader::BankFileReader(TDataModuleMain &dm, BankProblems &problems) : d(std::make_unique<Reader>(dm, problems)) {}

BankFileReader::~BankFileReader() = default;

BankSource BankFileReader::catalogue()
{
    return d->catalogue();
}

QList<SourceQuestion> BankFileReader::questions(const SourceChapter &chapter)
{
    return d->readChapter(chapter);
}

void BankFileReader::reportStrays()
{
    d->reportStrays();
}
