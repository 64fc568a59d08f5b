// Reading a bank's source folder: the JSON files and their shape. What the texts say is
// checked afterwards, the same way for a source folder and a built bank.
#include "tools/qbank/BankModel.h"

#include "store/UnitDM.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QSet>

#include <cmath>
#include <optional>

namespace {

QString jsonTypeName(const QJsonValue &value)
{
    switch (value.type()) {
    case QJsonValue::Null: return QStringLiteral("null");
    case QJsonValue::Bool: return QStringLiteral("a true/false value");
    case QJsonValue::Double: return QStringLiteral("a number");
    case QJsonValue::String: return QStringLiteral("a text");
    case QJsonValue::Array: return QStringLiteral("a list");
    case QJsonValue::Object: return QStringLiteral("an object");
    case QJsonValue::Undefined: break;
    }
    return QStringLiteral("nothing");
}

// Reads the fields of one JSON object, reporting missing, mistyped and unknown ones.
class Fields
{
public:
    Fields(const QJsonObject &object, const BankPlace &place, BankProblems &problems)
        : m_object(object), m_place(place), m_problems(problems) {}
    ~Fields()
    {
        for (auto it = m_object.constBegin(); it != m_object.constEnd(); ++it)
            if (!m_known.contains(it.key()))
                m_problems.add(m_place, it.key(), QStringLiteral("unknown field"));
    }
    Fields(const Fields &) = delete;
    Fields &operator=(const Fields &) = delete;

    bool has(const QString &key) const { return m_object.contains(key); }
    // Marks a field as read without reading it (it is reported elsewhere).
    void known(const QString &key) { m_known.insert(key); }

    QString text(const QString &key, bool required)
    {
        const QJsonValue value = take(key, required);
        if (value.isUndefined())
            return QString();
        if (!value.isString()) {
            wrongType(key, value, QStringLiteral("a text"));
            return QString();
        }
        return value.toString();
    }

    // A whole number from low to high; nothing when the field is missing or anything else
    // (reported either way, with the range wanted).
    std::optional<qint64> number(const QString &key, bool required, qint64 low, qint64 high)
    {
        const QJsonValue value = take(key, required);
        if (value.isUndefined())
            return std::nullopt;
        const double d = value.toDouble(std::nan(""));
        if (!value.isDouble() || d != std::floor(d) || d < double(low) || d > double(high)) {
            const QString given = !value.isDouble()                        ? jsonTypeName(value)
                : d == std::floor(d) && std::fabs(d) < 1e18 ? QString::number(qint64(d))
                                                            : QString::number(d, 'g', QLocale::FloatingPointShortest);
            m_problems.add(m_place, key, QStringLiteral("must be a whole number from %1 to %2, not %3")
                                             .arg(low)
                                             .arg(high)
                                             .arg(given));
            return std::nullopt;
        }
        return qint64(d);
    }

    bool flag(const QString &key)
    {
        const QJsonValue value = take(key, false);
        if (value.isUndefined())
            return false;
        if (!value.isBool()) {
            wrongType(key, value, QStringLiteral("true or false"));
            return false;
        }
        return value.toBool();
    }

    QJsonArray array(const QString &key, bool required)
    {
        const QJsonValue value = take(key, required);
        if (value.isUndefined())
            return {};
        if (!value.isArray()) {
            wrongType(key, value, QStringLiteral("a list"));
            return {};
        }
        return value.toArray();
    }

    QJsonObject object(const QString &key, bool required)
    {
        const QJsonValue value = take(key, required);
        if (value.isUndefined())
            return {};
        if (!value.isObject()) {
            wrongType(key, value, QStringLiteral("an object"));
            return {};
        }
        return value.toObject();
    }

private:
    QJsonValue take(const QString &key, bool required)
    {
        m_known.insert(key);
        const QJsonValue value = m_object.value(key);
        if (value.isUndefined() && required)
            m_problems.add(m_place, key, QStringLiteral("missing"));
        return value;
    }

    void wrongType(const QString &key, const QJsonValue &value, const QString &expected)
    {
        m_problems.add(m_place, key, QStringLiteral("must be %1, not %2").arg(expected, jsonTypeName(value)));
    }

    QJsonObject m_object;
    BankPlace m_place;
    BankProblems &m_problems;
    QSet<QString> m_known;
};

// Objects of a list; anything else in it is reported.
QList<QJsonObject> objectsOf(const QJsonArray &array, const BankPlace &place, const QString &name,
                             BankProblems &problems, QList<BankPlace> &places)
{
    QList<QJsonObject> objects;
    for (int i = 0; i < array.size(); ++i) {
        const BankPlace at = place.element(name, i);
        if (!array.at(i).isObject()) {
            problems.add(at, QString(), QStringLiteral("must be an object, not %1").arg(jsonTypeName(array.at(i))));
            continue;
        }
        objects << array.at(i).toObject();
        places << at;
    }
    return objects;
}

// Parses one file into its top-level object; bad JSON is reported with line and column.
bool readJson(const QString &dir, const QString &relative, QJsonObject &object, BankProblems &problems)
{
    QFile file(QDir(dir).filePath(relative));
    if (!file.open(QIODevice::ReadOnly)) {
        problems.add(relative, QStringLiteral("cannot read: %1").arg(file.errorString()));
        return false;
    }
    const QByteArray data = file.readAll();
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(data, &error);
    if (error.error != QJsonParseError::NoError) {
        // The offset counts bytes of the UTF-8 text; columns count characters.
        const qsizetype offset = std::clamp<qsizetype>(error.offset, 0, data.size());
        const QByteArray before = data.left(offset);
        const qsizetype lineStart = before.lastIndexOf('\n') + 1;
        const int line = int(before.count('\n')) + 1;
        const int column = int(QString::fromUtf8(before.mid(lineStart)).toUcs4().size()) + 1;
        problems.add(QStringLiteral("%1: line %2, column %3").arg(relative).arg(line).arg(column),
                     QStringLiteral("bad JSON: %1").arg(error.errorString()));
        return false;
    }
    if (!doc.isObject()) {
        problems.add(relative, QStringLiteral("must hold one JSON object"));
        return false;
    }
    object = doc.object();
    return true;
}

// Option letters A..F to texts; "" stands for an absent option.
QStringList readOptions(const QJsonObject &options, const BankPlace &place, BankProblems &problems)
{
    QStringList texts(6);
    for (auto it = options.constBegin(); it != options.constEnd(); ++it) {
        const QString field = QStringLiteral("options.") + it.key();
        const QString letters = QStringLiteral("ABCDEF");
        if (it.key().size() != 1 || !letters.contains(it.key().at(0))) {
            problems.add(place, field, QStringLiteral("\"%1\" is not an option letter A to F").arg(it.key()));
            continue;
        }
        if (!it.value().isString()) {
            problems.add(place, field, QStringLiteral("must be a text, not %1").arg(jsonTypeName(it.value())));
            continue;
        }
        const QString text = it.value().toString();
        // The bank marks an absent option with "-": as an option's own text it would vanish.
        if (text.isEmpty() || text == QLatin1String("-")) {
            problems.add(place, field, QStringLiteral("option text is empty (leave the letter out instead)"));
            continue;
        }
        texts[int(letters.indexOf(it.key().at(0)))] = text;
    }
    while (!texts.isEmpty() && texts.last().isEmpty())
        texts.removeLast();
    return texts;
}

// A sub-question's number is its place (1, 2, ...) unless "no" says otherwise.
void readSub(const QJsonObject &object, const BankPlace &place, int no, BankSubQuestion &sub, BankProblems &problems)
{
    Fields f(object, place, problems);
    // A number that is not one is reported here; 0 keeps the checker from reporting it again.
    sub.no = f.has(QStringLiteral("no")) ? int(f.number(QStringLiteral("no"), false, 1, MaxSubNumber).value_or(0)) : no;
    sub.text = f.text(QStringLiteral("text"), true);
    sub.type = f.text(QStringLiteral("type"), true);
    sub.options = readOptions(f.object(QStringLiteral("options"), true), place, problems);
    sub.answer = f.text(QStringLiteral("answer"), true);
    sub.explanation = f.text(QStringLiteral("explanation"), false);
    sub.score = f.number(QStringLiteral("score"), true, 0, TDataModuleMain::MaxScore).value_or(0);
}

void readQuestion(const QJsonObject &object, const BankPlace &place, const QString &chapterId, SourceQuestion &sq,
                  BankProblems &problems)
{
    Fields f(object, place, problems);
    BankQuestion &q = sq.q;
    sq.place = place;
    q.chapterId = chapterId;
    q.id = f.text(QStringLiteral("id"), true);
    q.type = f.text(QStringLiteral("type"), true);
    q.text = f.text(QStringLiteral("text"), true);
    q.explanation = f.text(QStringLiteral("explanation"), false);
    q.picture = f.text(QStringLiteral("picture"), false);
    q.mark = f.flag(QStringLiteral("mark"));
    q.fav = f.flag(QStringLiteral("fav"));

    const bool choice = q.type == QLatin1String("1") || q.type == QLatin1String("2") || q.type == QLatin1String("3");
    const bool calculation = q.type == QLatin1String("4");
    const bool kase = q.type == QLatin1String("5");
    const auto notFor = [&](const QString &key, const QString &why) {
        if (f.has(key)) {
            f.known(key);
            problems.add(place, key, why);
        }
    };

    if (!choice && !calculation && !kase) {
        // The unknown type is reported on its own; what the other fields mean depends on it.
        for (const char *key : {"options", "answer", "score", "keys", "subquestions"})
            f.known(QLatin1String(key));
        return;
    }
    if (choice)
        q.options = readOptions(f.object(QStringLiteral("options"), true), place, problems);
    else if (calculation)
        notFor(QStringLiteral("options"), QStringLiteral("a calculation question takes keys, not options"));
    else
        notFor(QStringLiteral("options"), QStringLiteral("a case question keeps its options in its sub-questions"));

    // Choice answers are required; calculation and case answers are optional summaries.
    q.answer = f.text(QStringLiteral("answer"), choice);
    const bool scored = f.has(QStringLiteral("score"));
    q.score = f.number(QStringLiteral("score"), !kase, 0, TDataModuleMain::MaxScore).value_or(0);

    if (calculation) {
        const QJsonArray keys = f.array(QStringLiteral("keys"), true);
        for (int i = 0; i < keys.size(); ++i) {
            if (!keys.at(i).isString()) {
                problems.add(place, QStringLiteral("keys[%1]").arg(i),
                             QStringLiteral("must be a text, not %1").arg(jsonTypeName(keys.at(i))));
                q.options << QStringLiteral("?");
                continue;
            }
            // "-" stays as it is: the bank's own mark of an absent sub-question.
            q.options << keys.at(i).toString();
        }
    } else {
        notFor(QStringLiteral("keys"), QStringLiteral("only calculation questions take keys"));
    }

    if (kase) {
        const QJsonArray subs = f.array(QStringLiteral("subquestions"), false);
        QList<BankPlace> places;
        const QList<QJsonObject> objects = objectsOf(subs, place, QStringLiteral("subquestions"), problems, places);
        for (qsizetype i = 0; i < objects.size(); ++i) {
            BankSubQuestion sub;
            readSub(objects.at(i), places.at(i), int(i) + 1, sub, problems);
            q.subquestions << sub;
        }
        sq.subPlaces = places;
        // A case question's own points default to the sum of its sub-questions' (a sum past
        // the most a question may carry is reported by the checks).
        if (!scored) {
            qint64 sum = 0;
            for (const BankSubQuestion &sub : std::as_const(q.subquestions))
                sum += sub.score;
            q.score = sum <= TDataModuleMain::MaxScore ? sum : 0;
        }
    } else {
        notFor(QStringLiteral("subquestions"), QStringLiteral("only case questions take sub-questions"));
    }
}

void readHandouts(Fields &f, const BankPlace &place, SourceChapter &chapter, BankProblems &problems)
{
    QList<BankPlace> places;
    const QList<QJsonObject> objects =
        objectsOf(f.array(QStringLiteral("handouts"), false), place, QStringLiteral("handouts"), problems, places);
    for (qsizetype i = 0; i < objects.size(); ++i) {
        Fields h(objects.at(i), places.at(i), problems);
        BankHandout handout;
        handout.place = places.at(i);
        handout.page = h.text(QStringLiteral("page"), true);
        handout.kind = h.text(QStringLiteral("kind"), false);
        if (handout.kind.isEmpty())
            handout.kind = QStringLiteral("FALSE");
        chapter.handouts << handout;
    }
}

void readCourse(const QString &dir, const QString &relative, BankSource &bank, BankProblems &problems)
{
    QJsonObject object;
    if (!readJson(dir, relative, object, problems))
        return;
    const BankPlace place = BankPlace::inFile(relative);
    Fields f(object, place, problems);
    SourceCourse course;
    course.place = place;
    course.id = f.text(QStringLiteral("id"), true);
    course.name = f.text(QStringLiteral("name"), true);
    course.docUrl = f.text(QStringLiteral("docUrl"), false);
    QList<BankPlace> places;
    const QList<QJsonObject> chapters =
        objectsOf(f.array(QStringLiteral("chapters"), true), place, QStringLiteral("chapters"), problems, places);
    for (qsizetype c = 0; c < chapters.size(); ++c) {
        const BankPlace at = places.at(c);
        Fields cf(chapters.at(c), at, problems);
        SourceChapter chapter;
        chapter.place = at;
        chapter.id = cf.text(QStringLiteral("id"), true);
        chapter.name = cf.text(QStringLiteral("name"), true);
        const QString kind = cf.text(QStringLiteral("kind"), true);
        chapter.kind = kind == QLatin1String("chapter") ? QStringLiteral("1")
            : kind == QLatin1String("paper")            ? QStringLiteral("2")
                                                        : kind;
        readHandouts(cf, at, chapter, problems);
        QList<BankPlace> questionPlaces;
        const QList<QJsonObject> questions = objectsOf(cf.array(QStringLiteral("questions"), false), at,
                                                       QStringLiteral("questions"), problems, questionPlaces);
        for (qsizetype i = 0; i < questions.size(); ++i) {
            SourceQuestion question;
            readQuestion(questions.at(i), questionPlaces.at(i), chapter.id, question, problems);
            chapter.questions << question;
        }
        course.chapters << chapter;
    }
    bank.courses << course;
}

void readAccounts(const QString &dir, BankSource &bank, BankProblems &problems)
{
    const QString relative = QStringLiteral("accounts.json");
    QJsonObject object;
    if (!QFileInfo::exists(QDir(dir).filePath(relative)))
        return;
    if (!readJson(dir, relative, object, problems)) {
        bank.accountsKnown = false;
        return;
    }
    const BankPlace place = BankPlace::inFile(relative);
    Fields f(object, place, problems);
    QList<BankPlace> places;
    const QList<QJsonObject> parents =
        objectsOf(f.array(QStringLiteral("accounts"), true), place, QStringLiteral("accounts"), problems, places);
    for (qsizetype i = 0; i < parents.size(); ++i) {
        Fields pf(parents.at(i), places.at(i), problems);
        BankAccount account;
        account.place = places.at(i);
        account.id = pf.text(QStringLiteral("id"), true);
        account.name = pf.text(QStringLiteral("name"), true);
        QList<BankPlace> childPlaces;
        const QList<QJsonObject> children = objectsOf(pf.array(QStringLiteral("children"), true), places.at(i),
                                                      QStringLiteral("children"), problems, childPlaces);
        for (qsizetype c = 0; c < children.size(); ++c) {
            Fields cf(children.at(c), childPlaces.at(c), problems);
            BankAccountChild child;
            child.place = childPlaces.at(c);
            child.id = cf.text(QStringLiteral("id"), true);
            child.name = cf.text(QStringLiteral("name"), true);
            account.children << child;
        }
        bank.accounts << account;
    }
}

void readPageList(Fields &f, const BankPlace &place, const QString &name, QList<BankPage> &pages, BankProblems &problems)
{
    QList<BankPlace> places;
    const QList<QJsonObject> objects = objectsOf(f.array(name, false), place, name, problems, places);
    for (qsizetype i = 0; i < objects.size(); ++i) {
        Fields pf(objects.at(i), places.at(i), problems);
        BankPage page;
        page.place = places.at(i);
        page.caption = pf.text(QStringLiteral("caption"), true);
        page.page = pf.text(QStringLiteral("page"), true);
        page.kind = pf.text(QStringLiteral("kind"), false);
        if (page.kind.isEmpty())
            page.kind = QStringLiteral("FALSE");
        pages << page;
    }
}

void readPages(const QString &dir, BankSource &bank, BankProblems &problems)
{
    const QString relative = QStringLiteral("pages.json");
    QJsonObject object;
    if (!QFileInfo::exists(QDir(dir).filePath(relative)) || !readJson(dir, relative, object, problems))
        return;
    const BankPlace place = BankPlace::inFile(relative);
    Fields f(object, place, problems);
    readPageList(f, place, QStringLiteral("guide"), bank.guide, problems);
    readPageList(f, place, QStringLiteral("help"), bank.help, problems);
}

}

BankSource readSourceFolder(const QString &dir, BankProblems &problems)
{
    BankSource bank;
    if (!QFileInfo(dir).isDir()) {
        problems.add(dir, QStringLiteral("no such folder"));
        return bank;
    }
    readAccounts(dir, bank, problems);
    readPages(dir, bank, problems);
    const QDir courses(QDir(dir).filePath(QStringLiteral("courses")));
    const QStringList files = courses.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name);
    if (files.isEmpty())
        problems.add(QStringLiteral("courses/"), QStringLiteral("holds no course file (*.json)"));
    for (const QString &name : files)
        readCourse(dir, QStringLiteral("courses/") + name, bank, problems);
    return bank;
}
