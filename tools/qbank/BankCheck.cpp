// Places of problems, and the checks every bank must pass, whether read from its source folder
// or from a built file.
#include "tools/qbank/BankModel.h"

#include "platform/AnsiCodec.h"
#include "store/UnitDM.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <optional>

namespace {

// Column of a source field in each table of a built bank.
QString columnOf(const QString &table, const QString &field)
{
    static const QHash<QString, QHash<QString, QString>> columns = {
        {QStringLiteral("tabItem"),
         {{QStringLiteral("id"), QStringLiteral("I_ID")},
          {QStringLiteral("type"), QStringLiteral("I_TYPE")},
          {QStringLiteral("text"), QStringLiteral("I_DETAL")},
          {QStringLiteral("answer"), QStringLiteral("I_ANSWER")},
          {QStringLiteral("explanation"), QStringLiteral("I_ANSWER_DESC")},
          {QStringLiteral("score"), QStringLiteral("I_SCORE")},
          {QStringLiteral("picture"), QStringLiteral("I_PIC")},
          {QStringLiteral("chapter"), QStringLiteral("Z_ID")},
          {QStringLiteral("keys"), QStringLiteral("I_A…I_F")},
          {QStringLiteral("subquestions"), QStringLiteral("(rows of tabExItem)")}}},
        {QStringLiteral("tabExItem"),
         {{QStringLiteral("text"), QStringLiteral("EX_Subject")},
          {QStringLiteral("type"), QStringLiteral("EX_TYPE")},
          {QStringLiteral("answer"), QStringLiteral("EX_ANSWER")},
          {QStringLiteral("explanation"), QStringLiteral("EX_DES")},
          {QStringLiteral("score"), QStringLiteral("EX_SCORE")},
          {QStringLiteral("no"), QStringLiteral("EX_No")},
          {QStringLiteral("question"), QStringLiteral("I_ID")}}},
        {QStringLiteral("tabZhangJie"),
         {{QStringLiteral("id"), QStringLiteral("Z_ID")},
          {QStringLiteral("name"), QStringLiteral("Z_Name")},
          {QStringLiteral("kind"), QStringLiteral("M_Type")},
          {QStringLiteral("course"), QStringLiteral("M_ID")}}},
        {QStringLiteral("tabMoudle"),
         {{QStringLiteral("id"), QStringLiteral("Moudle_ID")},
          {QStringLiteral("name"), QStringLiteral("Moudle_Name")},
          {QStringLiteral("docUrl"), QStringLiteral("Moudle_DocUrl")}}},
        {QStringLiteral("tabJiangYi"),
         {{QStringLiteral("chapter"), QStringLiteral("Z_ID")},
          {QStringLiteral("page"), QStringLiteral("Z_URL")},
          {QStringLiteral("kind"), QStringLiteral("Z_TYPE")}}},
        {QStringLiteral("tabKaoShiZhiNan"),
         {{QStringLiteral("caption"), QStringLiteral("KSDG_NAME")},
          {QStringLiteral("page"), QStringLiteral("KSDG_URL")},
          {QStringLiteral("kind"), QStringLiteral("KSDG_TYPE")}}},
        {QStringLiteral("tabHelp"),
         {{QStringLiteral("caption"), QStringLiteral("HP_NAME")},
          {QStringLiteral("page"), QStringLiteral("HP_URL")},
          {QStringLiteral("kind"), QStringLiteral("HP_TYPE")}}},
        {QStringLiteral("tabKeMu"),
         {{QStringLiteral("id"), QStringLiteral("C_ID")},
          {QStringLiteral("name"), QStringLiteral("C_NAME")},
          {QStringLiteral("parentId"), QStringLiteral("P_ID")},
          {QStringLiteral("parentName"), QStringLiteral("P_NAME")}}},
    };
    const QString prefix = table == QLatin1String("tabExItem") ? QStringLiteral("EX_") : QStringLiteral("I_");
    static const QRegularExpression keyField(QStringLiteral("^keys\\[(\\d+)\\]$"));
    if (field.startsWith(QLatin1String("options.")))
        return prefix + field.mid(8);
    if (const auto m = keyField.match(field); m.hasMatch() && m.captured(1).toInt() < 6)
        return prefix + QChar(u'A' + m.captured(1).toInt());
    return columns.value(table).value(field, field);
}

const QString Letters = QStringLiteral("ABCDEF");

QString letter(int i) { return QString(QChar(u'A' + i)); }

bool isAmount(const QString &text)
{
    static const QRegularExpression amount(QStringLiteral("^-?[0-9]+(\\.[0-9]+)?$"));
    return amount.match(text).hasMatch();
}

// An entry amount in whole cents: at most two decimal places, and small enough that a few
// hundred lines add up without overflow.
std::optional<qint64> cents(const QString &amount)
{
    if (!isAmount(amount))
        return std::nullopt;
    const bool negative = amount.startsWith(QLatin1Char('-'));
    const QString digits = negative ? amount.mid(1) : amount;
    const QString whole = digits.section(QLatin1Char('.'), 0, 0);
    QString fraction = digits.section(QLatin1Char('.'), 1);
    if (fraction.size() > 2 || whole.size() > 13)
        return std::nullopt;
    fraction = fraction.leftJustified(2, QLatin1Char('0'));
    const qint64 value = whole.toLongLong() * 100 + fraction.toLongLong();
    return negative ? -value : value;
}

QString yuan(qint64 cents)
{
    const qint64 magnitude = cents < 0 ? -cents : cents;
    return QStringLiteral("%1%2.%3")
        .arg(cents < 0 ? QStringLiteral("-") : QString())
        .arg(magnitude / 100)
        .arg(magnitude % 100, 2, 10, QLatin1Char('0'));
}

bool isPresent(const QStringList &options, int i)
{
    return i < options.size() && !options.at(i).isEmpty();
}

}

class BankChecker::Checker
{
public:
    Checker(const BankSource &bank, const QString &pictureDir, BankProblems &problems)
        : m_bank(bank), m_pictureDir(pictureDir), m_problems(problems)
    {
        for (const BankAccount &parent : bank.accounts)
            for (const BankAccountChild &child : parent.children)
                m_accounts.insert(child.name);
    }

    void checkHeader()
    {
        checkAccounts();
        for (const BankPage &page : m_bank.guide)
            checkPage(page);
        for (const BankPage &page : m_bank.help)
            checkPage(page);
    }

    void checkCourse(const SourceCourse &course)
    {
        required(course.place, QStringLiteral("id"), course.id);
        required(course.place, QStringLiteral("name"), course.name);
        unique(m_courseIds, course.id, QStringLiteral("course"), course.place);
    }

    void checkChapter(const SourceChapter &chapter)
    {
        required(chapter.place, QStringLiteral("id"), chapter.id);
        required(chapter.place, QStringLiteral("name"), chapter.name);
        unique(m_chapterIds, chapter.id, QStringLiteral("chapter"), chapter.place);
        if (chapter.kind != QLatin1String("1") && chapter.kind != QLatin1String("2"))
            problem(chapter.place, QStringLiteral("kind"),
                    chapter.place.row
                        ? QStringLiteral("kind \"%1\" is neither \"1\" (chapter) nor \"2\" (paper)").arg(chapter.kind)
                        : QStringLiteral("kind \"%1\" is neither \"chapter\" nor \"paper\"").arg(chapter.kind));
        for (const BankHandout &handout : chapter.handouts)
            required(handout.place, QStringLiteral("page"), handout.page);
    }

    void checkQuestions(const QList<SourceQuestion> &questions)
    {
        for (const SourceQuestion &question : questions)
            checkQuestion(question);
    }

private:
    void problem(const BankPlace &place, const QString &field, const QString &what)
    {
        m_problems.add(place, field, what);
    }

    // A second use of an identifier names the place of the first.
    void unique(QHash<QString, BankPlace> &seen, const QString &id, const QString &kind, const BankPlace &place)
    {
        if (id.isEmpty())
            return;
        const auto first = seen.constFind(id);
        if (first != seen.constEnd())
            problem(place, QStringLiteral("id"),
                    QStringLiteral("duplicate %1 id \"%2\" (first at %3)").arg(kind, id, first->at()));
        else
            seen.insert(id, place);
    }

    // True when reading already found this field missing or of the wrong kind: what follows
    // from that is not reported again.
    bool reported(const BankPlace &place, const QString &field) const { return m_problems.has(place, field); }

    void required(const BankPlace &place, const QString &field, const QString &value)
    {
        if (value.isEmpty() && !reported(place, field))
            problem(place, field, QStringLiteral("is empty"));
    }

    // Whole numbers in a range; a source reports what is not one while reading it.
    void inRange(const BankPlace &place, const QString &field, qint64 value, qint64 low, qint64 high)
    {
        if ((value < low || value > high) && !reported(place, field))
            problem(place, field, QStringLiteral("must be a whole number from %1 to %2, not %3").arg(low).arg(high).arg(value));
    }

    // Every enciphered text must survive the code page; a text that does not is stored plain.
    void storable(const BankPlace &place, const QString &field, const QString &text)
    {
        const QString what = codePageProblem(text);
        if (!what.isEmpty())
            problem(place, field, what);
    }

    void checkAccounts()
    {
        QHash<QString, BankPlace> ids;
        for (const BankAccount &parent : m_bank.accounts) {
            required(parent.place, QStringLiteral("id"), parent.id);
            required(parent.place, QStringLiteral("name"), parent.name);
            if (parent.children.isEmpty())
                problem(parent.place, QStringLiteral("children"),
                        QStringLiteral("an account needs at least one child (its own name when it has no sub-accounts)"));
            for (const BankAccountChild &child : parent.children) {
                required(child.place, QStringLiteral("id"), child.id);
                required(child.place, QStringLiteral("name"), child.name);
                unique(ids, child.id, QStringLiteral("account"), child.place);
            }
        }
    }

    void checkPage(const BankPage &page)
    {
        required(page.place, QStringLiteral("caption"), page.caption);
        required(page.place, QStringLiteral("page"), page.page);
    }

    void checkQuestion(const SourceQuestion &sq)
    {
        const BankQuestion &q = sq.q;
        const BankPlace &at = sq.place;
        required(at, QStringLiteral("id"), q.id);
        unique(m_questionIds, q.id, QStringLiteral("question"), at);
        required(at, QStringLiteral("text"), q.text);
        inRange(at, QStringLiteral("score"), q.score, 0, TDataModuleMain::MaxScore);
        storable(at, QStringLiteral("text"), q.text);
        storable(at, QStringLiteral("answer"), q.answer);
        storable(at, QStringLiteral("explanation"), q.explanation);
        checkPicture(at, q.picture);

        if (q.type == QLatin1String("1") || q.type == QLatin1String("2") || q.type == QLatin1String("3")) {
            checkChoice(at, q.type, q.options, q.answer);
        } else if (q.type == QLatin1String("4")) {
            checkKeys(at, q.options);
        } else if (q.type == QLatin1String("5")) {
            const QString subquestions = QStringLiteral("subquestions");
            if (q.subquestions.isEmpty() && !reported(at, subquestions))
                problem(at, subquestions, QStringLiteral("a case question needs sub-questions"));
            QHash<int, BankPlace> numbers;
            qint64 sum = 0;
            for (qsizetype i = 0; i < q.subquestions.size(); ++i) {
                const BankPlace &subAt = i < sq.subPlaces.size() ? sq.subPlaces.at(i) : at;
                checkNumber(subAt, q.subquestions.at(i).no, numbers);
                checkSub(subAt, q.subquestions.at(i));
                sum += q.subquestions.at(i).score;
            }
            // The program adds the sub-questions' points up for the question.
            if (sum > TDataModuleMain::MaxScore)
                problem(at, subquestions,
                        QStringLiteral("the sub-questions' scores add up to %1; together they must be from 0 to %2")
                            .arg(sum)
                            .arg(TDataModuleMain::MaxScore));
        } else if (!reported(at, QStringLiteral("type"))) {
            problem(at, QStringLiteral("type"), QStringLiteral("unknown type \"%1\" (types are \"1\" to \"5\")").arg(q.type));
        }
    }

    // The program takes a sub-question's number as its place in the case question.
    void checkNumber(const BankPlace &at, int no, QHash<int, BankPlace> &numbers)
    {
        const QString field = QStringLiteral("no");
        if (reported(at, field))
            return;
        if (no < 1 || no > MaxSubNumber) {
            inRange(at, field, no, 1, MaxSubNumber);
            return;
        }
        const auto first = numbers.constFind(no);
        if (first != numbers.constEnd())
            problem(at, field, QStringLiteral("number %1 is used twice in the question (first at %2)").arg(no).arg(first->at()));
        else
            numbers.insert(no, at);
    }

    void checkSub(const BankPlace &at, const BankSubQuestion &s)
    {
        required(at, QStringLiteral("text"), s.text);
        storable(at, QStringLiteral("text"), s.text);
        storable(at, QStringLiteral("answer"), s.answer);
        storable(at, QStringLiteral("explanation"), s.explanation);
        inRange(at, QStringLiteral("score"), s.score, 0, TDataModuleMain::MaxScore);
        if (s.type == QLatin1String("1") || s.type == QLatin1String("2") || s.type == QLatin1String("3"))
            checkChoice(at, s.type, s.options, s.answer);
        else if (!reported(at, QStringLiteral("type")))
            problem(at, QStringLiteral("type"),
                    QStringLiteral("unknown sub-question type \"%1\" (types are \"1\" to \"3\")").arg(s.type));
    }

    void checkChoice(const BankPlace &at, const QString &type, const QStringList &options, const QString &answer)
    {
        int present = 0;
        for (int i = 0; i < options.size(); ++i) {
            if (!isPresent(options, i))
                continue;
            ++present;
            if (i < 6)
                storable(at, QStringLiteral("options.") + letter(i), options.at(i));
        }
        // Options that could not be read say nothing about the answer.
        if (reported(at, QStringLiteral("options")))
            return;
        if (present < 2)
            problem(at, QStringLiteral("options"), QStringLiteral("a choice question needs at least two options"));
        if (answer.isEmpty()) {
            if (!reported(at, QStringLiteral("answer")))
                problem(at, QStringLiteral("answer"), QStringLiteral("answer is empty"));
            return;
        }
        const QString field = QStringLiteral("answer");
        bool lettersOk = true;
        for (const QChar c : answer) {
            if (!Letters.contains(c)) {
                problem(at, field, QStringLiteral("\"%1\" in answer \"%2\" is not an option letter A to F").arg(c).arg(answer));
                lettersOk = false;
            }
        }
        if (!lettersOk)
            return;
        for (qsizetype i = 1; i < answer.size(); ++i) {
            if (answer.at(i) <= answer.at(i - 1)) {
                problem(at, field,
                        answer.at(i) == answer.at(i - 1)
                            ? QStringLiteral("letter \"%1\" is repeated in answer \"%2\"").arg(answer.at(i)).arg(answer)
                            : QStringLiteral("letters of answer \"%1\" are not in A…F order").arg(answer));
                break;
            }
        }
        if ((type == QLatin1String("1") || type == QLatin1String("3")) && answer.size() > 1)
            problem(at, field,
                    QStringLiteral("a %1 answer takes one letter, not \"%2\"")
                        .arg(type == QLatin1String("1") ? QStringLiteral("single-choice") : QStringLiteral("true/false"),
                             answer));
        QSet<QChar> named;
        for (const QChar c : answer) {
            // An option that could not be read is reported as such, not again as absent.
            if (!isPresent(options, int(Letters.indexOf(c))) && !named.contains(c)
                && !reported(at, QStringLiteral("options.") + c)) {
                problem(at, field, QStringLiteral("letter \"%1\" names an absent option").arg(c));
                named.insert(c);
            }
        }
    }

    // "-" keeps the place of an absent sub-question: the program loads the present keys as
    // sub-questions 1, 2, 4 ... by their places. Absent places after the last key are dropped.
    void checkKeys(const BankPlace &at, const QStringList &keys)
    {
        if (reported(at, QStringLiteral("keys")))
            return;
        const auto absent = [](const QString &key) { return key == QLatin1String("-"); };
        qsizetype places = keys.size();
        while (places > 0 && absent(keys.at(places - 1)))
            --places;
        const qsizetype real = std::count_if(keys.cbegin(), keys.cbegin() + places,
                                             [&](const QString &key) { return !absent(key); });
        if (real < 1 || real > 6) {
            problem(at, QStringLiteral("keys"),
                    QStringLiteral("a calculation question needs 1 to 6 keys, not %1").arg(real));
            if (real < 1)
                return;
        } else if (places > 6) {
            problem(at, QStringLiteral("keys"),
                    QStringLiteral("keys and absent places (\"-\") take %1 places; there are 6 (A to F)").arg(places));
        }
        for (qsizetype i = 0; i < std::min<qsizetype>(places, 6); ++i) {
            const QString field = QStringLiteral("keys[%1]").arg(i);
            const QString &key = keys.at(i);
            if (absent(key) || reported(at, field))
                continue;
            if (key.isEmpty()) {
                problem(at, field, QStringLiteral("key is empty (write \"-\" for an absent sub-question)"));
                continue;
            }
            storable(at, field, key);
            checkKey(at, field, key);
        }
    }

    // A key is an entry list "借:account=amount;贷:account=amount" or a plain amount.
    void checkKey(const BankPlace &at, const QString &field, const QString &key)
    {
        const bool entry = key.contains(QLatin1Char(':')) || key.contains(QChar(u'：'))
            || key.startsWith(QChar(u'借')) || key.startsWith(QChar(u'贷'));
        if (!entry) {
            if (!isAmount(key))
                problem(at, field,
                        QStringLiteral("\"%1\" is neither an entry list (借:account=amount;贷:account=amount) "
                                       "nor a plain decimal amount")
                            .arg(key));
            return;
        }
        static const QRegularExpression line(QStringLiteral("^([借贷]):([^=;\\s](?:[^=;]*[^=;\\s])?)=([^=;]*)$"));
        QStringList lines = key.split(QLatin1Char(';'));
        if (lines.size() > 1 && lines.last().isEmpty())
            lines.removeLast(); // a trailing ";" is allowed
        // Sums of each side in cents, and their line counts; unknown once a line is unreadable.
        qint64 debit = 0, credit = 0;
        int debitLines = 0, creditLines = 0;
        bool readable = true;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QString &text = lines.at(i);
            const auto m = line.match(text);
            if (!m.hasMatch()) {
                problem(at, field,
                        QStringLiteral("entry line %1 \"%2\" does not read 借:account=amount or 贷:account=amount")
                            .arg(i + 1)
                            .arg(text));
                readable = false;
                continue;
            }
            const QString amount = m.captured(3);
            const std::optional<qint64> value = cents(amount);
            if (!isAmount(amount))
                problem(at, field,
                        QStringLiteral("entry line %1: amount \"%2\" is not a plain decimal number").arg(i + 1).arg(amount));
            else if (!value)
                problem(at, field,
                        QStringLiteral("entry line %1: amount \"%2\" is not in yuan and fen (at most two decimal "
                                       "places, below 10000000000000)")
                            .arg(i + 1)
                            .arg(amount));
            if (m_bank.accountsKnown && !m_accounts.contains(m.captured(2)))
                problem(at, field,
                        QStringLiteral("entry line %1: account \"%2\" is not in %3")
                            .arg(i + 1)
                            .arg(m.captured(2), m_bank.accountsName));
            if (!value) {
                readable = false;
                continue;
            }
            if (m.captured(1) == QStringLiteral("借")) {
                debit += *value;
                ++debitLines;
            } else {
                credit += *value;
                ++creditLines;
            }
        }
        if (!readable)
            return;
        // Every entry has a debit and a credit side, and the two sides are equal.
        if (creditLines == 0)
            problem(at, field, QStringLiteral("the entry has debit (借) lines only; it needs credit (贷) lines too"));
        else if (debitLines == 0)
            problem(at, field, QStringLiteral("the entry has credit (贷) lines only; it needs debit (借) lines too"));
        else if (debit != credit)
            problem(at, field,
                    QStringLiteral("debits %1 and credits %2 do not balance").arg(yuan(debit), yuan(credit)));
    }

    void checkPicture(const BankPlace &at, const QString &picture)
    {
        if (picture.isEmpty())
            return;
        if (!isPlainFileName(picture)) {
            problem(at, QStringLiteral("picture"),
                    QStringLiteral("picture \"%1\" must be a plain file name").arg(picture));
            return;
        }
        if (!QFileInfo(QDir(m_pictureDir).filePath(picture)).isFile())
            problem(at, QStringLiteral("picture"),
                    QStringLiteral("picture \"%1\" is missing from %2").arg(picture, m_bank.picturesName));
    }

    const BankSource &m_bank;
    QString m_pictureDir;
    BankProblems &m_problems;
    QSet<QString> m_accounts;
    QHash<QString, BankPlace> m_courseIds;
    QHash<QString, BankPlace> m_chapterIds;
    QHash<QString, BankPlace> m_questionIds;
};

BankPlace BankPlace::child(const QString &segment) const
{
    BankPlace p = *this;
    p.path = path.isEmpty() ? segment : path + QLatin1Char('.') + segment;
    return p;
}

BankPlace BankPlace::element(const QString &array, int index) const
{
    return child(QStringLiteral("%1[%2]").arg(array).arg(index));
}

QString BankPlace::at(const QString &field) const
{
    if (row) {
        QString text = file + QLatin1Char(' ') + path;
        if (!field.isEmpty())
            text += QLatin1Char(' ') + columnOf(file, field);
        return text;
    }
    QString inner = path;
    if (!field.isEmpty())
        inner = inner.isEmpty() ? field : inner + QLatin1Char('.') + field;
    return inner.isEmpty() ? file : file + QStringLiteral(": ") + inner;
}

void BankProblems::add(const BankPlace &place, const QString &field, const QString &what)
{
    add(place.at(field), what);
}

void BankProblems::add(const QString &place, const QString &what)
{
    m_lines << place + QStringLiteral(": ") + what;
    m_places.insert(place);
}

BankChecker::BankChecker(const BankSource &catalogue, const QString &pictureDir, BankProblems &problems)
    : d(std::make_unique<Checker>(catalogue, pictureDir, problems))
{
}

BankChecker::~BankChecker() = default;

void BankChecker::checkHeader()
{
    d->checkHeader();
}

void BankChecker::checkCourse(const SourceCourse &course)
{
    d->checkCourse(course);
}

void BankChecker::checkChapter(const SourceChapter &chapter)
{
    d->checkChapter(chapter);
}

void BankChecker::checkQuestions(const QList<SourceQuestion> &questions)
{
    d->checkQuestions(questions);
}

void validateBank(const BankSource &bank, const QString &pictureDir, BankProblems &problems)
{
    BankChecker checker(bank, pictureDir, problems);
    checker.checkHeader();
    for (const SourceCourse &course : bank.courses) {
        checker.checkCourse(course);
        for (const SourceChapter &chapter : course.chapters) {
            checker.checkChapter(chapter);
            checker.checkQuestions(chapter.questions);
        }
    }
}

void BankCounts::addCatalogue(const BankSource &bank)
{
    courses += int(bank.courses.size());
    for (const SourceCourse &course : bank.courses)
        chapters += int(course.chapters.size());
    for (const BankAccount &account : bank.accounts)
        accounts += int(account.children.size());
    pages += int(bank.guide.size() + bank.help.size());
}

void BankCounts::addQuestions(const QList<SourceQuestion> &list)
{
    for (const SourceQuestion &sq : list) {
        ++questions;
        const int type = sq.q.type.size() == 1 ? sq.q.type.at(0).unicode() - u'0' : 0;
        ++byType[type >= 1 && type <= 5 ? type : 0];
        pictures += sq.q.picture.isEmpty() ? 0 : 1;
    }
}

QString BankCounts::summary() const
{
    return QStringLiteral("%1 courses, %2 chapters and papers, %3 questions (%4 single, %5 multiple, %6 true/false, "
                          "%7 calculation, %8 case), %9 accounts, %10 pages, %11 questions with a picture")
        .arg(courses)
        .arg(chapters)
        .arg(questions)
        .arg(byType[1])
        .arg(byType[2])
        .arg(byType[3])
        .arg(byType[4])
        .arg(byType[5])
        .arg(accounts)
        .arg(pages)
        .arg(pictures);
}

QStringList missingPages(const BankSource &bank, const QStringList &htmlDirs)
{
    QStringList warnings;
    const auto look = [&](const BankPlace &place, const QString &page, const QString &kind) {
        if (page.isEmpty() || kind.compare(QLatin1String("TRUE"), Qt::CaseInsensitive) == 0)
            return;
        for (const QString &dir : htmlDirs)
            if (QFileInfo(QDir(dir).filePath(page)).isFile())
                return;
        warnings << place.at(QStringLiteral("page"))
                + QStringLiteral(": page \"%1\" is not under %2").arg(page, htmlDirs.join(QStringLiteral(" or ")));
    };
    for (const BankPage &page : bank.guide)
        look(page.place, page.page, page.kind);
    for (const BankPage &page : bank.help)
        look(page.place, page.page, page.kind);
    for (const SourceCourse &course : bank.courses)
        for (const SourceChapter &chapter : course.chapters)
            for (const BankHandout &handout : chapter.handouts)
                look(handout.place, handout.page, handout.kind);
    return warnings;
}

QString codePageProblem(const QString &text)
{
    if (text.isEmpty() || AnsiCodec::canEncode(text))
        return QString();
    const QList<uint> points = text.toUcs4();
    for (qsizetype i = 0; i < points.size(); ++i) {
        const QString one = QString::fromUcs4(reinterpret_cast<const char32_t *>(&points[i]), 1);
        if (!AnsiCodec::canEncode(one))
            return QStringLiteral("character \"%1\" (U+%2, at %3) is not in the GBK code page")
                .arg(one)
                .arg(QStringLiteral("%1").arg(points[i], 4, 16, QLatin1Char('0')).toUpper())
                .arg(i + 1);
    }
    return QStringLiteral("text is not in the GBK code page");
}

bool isPlainFileName(const QString &name)
{
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'))
        && name != QLatin1String(".") && name != QLatin1String("..");
}

void writeBank(const BankSource &bank, BankWriter &writer)
{
    for (const BankAccount &parent : bank.accounts)
        for (const BankAccountChild &child : parent.children)
            writer.addAccount(parent.id, parent.name, child.id, child.name);
    for (const BankPage &page : bank.guide)
        writer.addGuidePage(page.caption, page.page, page.kind);
    for (const BankPage &page : bank.help)
        writer.addHelpPage(page.caption, page.page, page.kind);
    for (const SourceCourse &course : bank.courses) {
        writer.addCourse(course.id, course.name, course.docUrl);
        for (const SourceChapter &chapter : course.chapters) {
            writer.addChapter(chapter.id, chapter.name, course.id, chapter.kind);
            for (const BankHandout &handout : chapter.handouts)
                writer.addHandout(chapter.id, handout.page, handout.kind);
            for (const SourceQuestion &question : chapter.questions)
                writer.addQuestion(question.q);
        }
    }
}
