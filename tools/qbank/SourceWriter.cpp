// Writing a bank as a source folder. QJsonDocument sorts keys alphabetically; the files are
// meant to be read and diffed by people, so they keep the order of the format description.
#include "tools/qbank/BankModel.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QSet>

#include <stdexcept>
#include <memory>
#include <variant>
#include <vector>

namespace {

struct Json;
using JsonObject = std::vector<std::pair<QString, Json>>;
using JsonArray = std::vector<Json>;

struct Json
{
    std::variant<QString, qint64, bool, JsonArray, JsonObject> value;
};

QString quoted(const QString &text)
{
    QString out;
    out.reserve(text.size() + 2);
    out += QLatin1Char('"');
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '"': out += QLatin1String("\\\""); break;
        case '\\': out += QLatin1String("\\\\"); break;
        case '\n': out += QLatin1String("\\n"); break;
        case '\r': out += QLatin1String("\\r"); break;
        case '\t': out += QLatin1String("\\t"); break;
        case '\b': out += QLatin1String("\\b"); break;
        case '\f': out += QLatin1String("\\f"); break;
        default:
            if (c.unicode() < 0x20)
                out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    out += QLatin1Char('"');
    return out;
}

void print(const Json &json, int indent, QString &out)
{
    const QString pad(indent + 2, QLatin1Char(' '));
    const QString end(indent, QLatin1Char(' '));
    if (const auto *s = std::get_if<QString>(&json.value)) {
        out += quoted(*s);
    } else if (const auto *i = std::get_if<qint64>(&json.value)) {
        out += QString::number(*i);
    } else if (const auto *b = std::get_if<bool>(&json.value)) {
        out += *b ? QLatin1String("true") : QLatin1String("false");
    } else if (const auto *a = std::get_if<JsonArray>(&json.value)) {
        if (a->empty()) {
            out += QLatin1String("[]");
            return;
        }
        out += QLatin1String("[\n");
        for (size_t k = 0; k < a->size(); ++k) {
            out += pad;
            print((*a)[k], indent + 2, out);
            out += k + 1 < a->size() ? QLatin1String(",\n") : QLatin1String("\n");
        }
        out += end + QLatin1Char(']');
    } else if (const auto *o = std::get_if<JsonObject>(&json.value)) {
        if (o->empty()) {
            out += QLatin1String("{}");
            return;
        }
        out += QLatin1String("{\n");
        for (size_t k = 0; k < o->size(); ++k) {
            out += pad + quoted((*o)[k].first) + QLatin1String(": ");
            print((*o)[k].second, indent + 2, out);
            out += k + 1 < o->size() ? QLatin1String(",\n") : QLatin1String("\n");
        }
        out += end + QLatin1Char('}');
    }
}

Json str(const QString &s) { return Json{s}; }

JsonObject options(const QStringList &texts)
{
    JsonObject o;
    for (int i = 0; i < texts.size() && i < 6; ++i)
        if (!texts.at(i).isEmpty())
            o.emplace_back(QString(QChar(u'A' + i)), str(texts.at(i)));
    return o;
}

Json question(const BankQuestion &q)
{
    JsonObject o;
    o.emplace_back(QStringLiteral("id"), str(q.id));
    o.emplace_back(QStringLiteral("type"), str(q.type));
    o.emplace_back(QStringLiteral("text"), str(q.text));
    if (q.type == QLatin1String("4")) {
        JsonArray keys;
        for (const QString &key : q.options)
            keys.push_back(str(key));
        o.emplace_back(QStringLiteral("keys"), Json{keys});
    } else if (q.type != QLatin1String("5")) {
        o.emplace_back(QStringLiteral("options"), Json{options(q.options)});
    }
    if (!q.answer.isEmpty() || (q.type != QLatin1String("4") && q.type != QLatin1String("5")))
        o.emplace_back(QStringLiteral("answer"), str(q.answer));
    if (q.type == QLatin1String("5")) {
        JsonArray subs;
        for (qsizetype i = 0; i < q.subquestions.size(); ++i) {
            const BankSubQuestion &s = q.subquestions.at(i);
            JsonObject so;
            // Numbered by place unless the bank says otherwise.
            if (s.no != i + 1)
                so.emplace_back(QStringLiteral("no"), Json{qint64(s.no)});
            so.emplace_back(QStringLiteral("text"), str(s.text));
            so.emplace_back(QStringLiteral("type"), str(s.type));
            so.emplace_back(QStringLiteral("options"), Json{options(s.options)});
            so.emplace_back(QStringLiteral("answer"), str(s.answer));
            if (!s.explanation.isEmpty())
                so.emplace_back(QStringLiteral("explanation"), str(s.explanation));
            so.emplace_back(QStringLiteral("score"), Json{s.score});
            subs.push_back(Json{so});
        }
        o.emplace_back(QStringLiteral("subquestions"), Json{subs});
    }
    if (!q.explanation.isEmpty())
        o.emplace_back(QStringLiteral("explanation"), str(q.explanation));
    o.emplace_back(QStringLiteral("score"), Json{q.score});
    if (!q.picture.isEmpty())
        o.emplace_back(QStringLiteral("picture"), str(q.picture));
    if (q.mark)
        o.emplace_back(QStringLiteral("mark"), Json{true});
    if (q.fav)
        o.emplace_back(QStringLiteral("fav"), Json{true});
    return Json{o};
}

Json page(const QString &target, const QString &kind, const QString *caption = nullptr)
{
    JsonObject o;
    if (caption)
        o.emplace_back(QStringLiteral("caption"), str(*caption));
    o.emplace_back(QStringLiteral("page"), str(target));
    o.emplace_back(QStringLiteral("kind"), str(kind));
    return Json{o};
}

Json chapter(const SourceChapter &ch, const QList<SourceQuestion> &list)
{
    JsonObject co;
    co.emplace_back(QStringLiteral("id"), str(ch.id));
    co.emplace_back(QStringLiteral("name"), str(ch.name));
    co.emplace_back(QStringLiteral("kind"), str(ch.kind == QLatin1String("1")   ? QStringLiteral("chapter")
                                                : ch.kind == QLatin1String("2") ? QStringLiteral("paper")
                                                                                : ch.kind));
    if (!ch.handouts.isEmpty()) {
        JsonArray handouts;
        for (const BankHandout &h : ch.handouts)
            handouts.push_back(page(h.page, h.kind));
        co.emplace_back(QStringLiteral("handouts"), Json{handouts});
    }
    JsonArray questions;
    for (const SourceQuestion &q : list)
        questions.push_back(question(q.q));
    co.emplace_back(QStringLiteral("questions"), Json{questions});
    return Json{co};
}

[[noreturn]] void cannotWrite(const QSaveFile &file)
{
    throw std::runtime_error(QStringLiteral("cannot write %1: %2").arg(file.fileName(), file.errorString()).toStdString());
}

void write(QSaveFile &file, const QString &text)
{
    if (file.write(text.toUtf8()) < 0)
        cannotWrite(file);
}

void save(const QString &path, const Json &json)
{
    QString text;
    print(json, 0, text);
    text += QLatin1Char('\n');
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        cannotWrite(file);
    write(file, text);
    if (!file.commit())
        cannotWrite(file);
}

// A course file is named after its identifier, made safe as a file name.
QString courseFileName(const QString &id, QSet<QString> &used)
{
    QString base;
    for (const QChar c : id)
        base += c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char('_') ? c : QLatin1Char('_');
    if (base.isEmpty())
        base = QStringLiteral("course");
    QString name = base;
    for (int n = 2; used.contains(name.toLower()); ++n)
        name = QStringLiteral("%1-%2").arg(base).arg(n);
    used.insert(name.toLower());
    return name + QStringLiteral(".json");
}

}

// A course file is written as it would be printed whole; its chapters are printed one at a
// time, so only one chapter's questions are held at once.
class SourceFolderWriter::Writer
{
public:
    explicit Writer(const QString &dir) : root(dir) {}

    QDir root;
    QSet<QString> used;
    std::unique_ptr<QSaveFile> course;
    int chapters = 0;
};

SourceFolderWriter::SourceFolderWriter(const QString &dir) : d(std::make_unique<Writer>(dir))
{
    if (!d->root.mkpath(QStringLiteral("courses")))
        throw std::runtime_error(QStringLiteral("cannot create %1/courses").arg(dir).toStdString());
}

SourceFolderWriter::~SourceFolderWriter() = default;

void SourceFolderWriter::writeHeader(const BankSource &bank)
{
    JsonArray accounts;
    for (const BankAccount &a : bank.accounts) {
        JsonObject o;
        o.emplace_back(QStringLiteral("id"), str(a.id));
        o.emplace_back(QStringLiteral("name"), str(a.name));
        JsonArray children;
        for (const BankAccountChild &c : a.children)
            children.push_back(Json{JsonObject{{QStringLiteral("id"), str(c.id)}, {QStringLiteral("name"), str(c.name)}}});
        o.emplace_back(QStringLiteral("children"), Json{children});
        accounts.push_back(Json{o});
    }
    save(d->root.filePath(QStringLiteral("accounts.json")), Json{JsonObject{{QStringLiteral("accounts"), Json{accounts}}}});

    JsonArray guide, help;
    for (const BankPage &p : bank.guide)
        guide.push_back(page(p.page, p.kind, &p.caption));
    for (const BankPage &p : bank.help)
        help.push_back(page(p.page, p.kind, &p.caption));
    save(d->root.filePath(QStringLiteral("pages.json")),
         Json{JsonObject{{QStringLiteral("guide"), Json{guide}}, {QStringLiteral("help"), Json{help}}}});
}

void SourceFolderWriter::beginCourse(const SourceCourse &c)
{
    d->course = std::make_unique<QSaveFile>(d->root.filePath(QStringLiteral("courses/") + courseFileName(c.id, d->used)));
    d->chapters = 0;
    if (!d->course->open(QIODevice::WriteOnly))
        cannotWrite(*d->course);
    QString text = QStringLiteral("{\n");
    for (const auto &[key, value] : {std::pair{QStringLiteral("id"), c.id}, std::pair{QStringLiteral("name"), c.name},
                                     std::pair{QStringLiteral("docUrl"), c.docUrl}})
        text += QStringLiteral("  ") + quoted(key) + QStringLiteral(": ") + quoted(value) + QStringLiteral(",\n");
    text += QStringLiteral("  \"chapters\": ");
    write(*d->course, text);
}

void SourceFolderWriter::addChapter(const SourceChapter &ch, const QList<SourceQuestion> &questions)
{
    QString text = d->chapters++ == 0 ? QStringLiteral("[\n    ") : QStringLiteral(",\n    ");
    print(chapter(ch, questions), 4, text);
    write(*d->course, text);
}

void SourceFolderWriter::endCourse()
{
    write(*d->course, d->chapters == 0 ? QStringLiteral("[]\n}\n") : QStringLiteral("\n  ]\n}\n"));
    if (!d->course->commit())
        cannotWrite(*d->course);
    d->course.reset();
}
