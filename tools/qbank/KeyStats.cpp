// How the keys of choice questions lean: a key that is usually "A", or usually three letters,
// teaches the key rather than the subject. Counted per course and type.
#include "tools/qbank/BankModel.h"

#include <QTextStream>

#include <algorithm>

namespace {

QString kindName(const QString &type, bool sub)
{
    const QString name = type == QLatin1String("1") ? QStringLiteral("single choice")
        : type == QLatin1String("2")                ? QStringLiteral("multiple choice")
                                                    : QStringLiteral("true/false");
    return sub ? QStringLiteral("case sub-questions, ") + name : name;
}

}

void KeyStats::add(const SourceCourse &course, const QList<SourceQuestion> &questions)
{
    const auto count = [&](const QString &type, bool sub, const QStringList &options, const QString &answer) {
        if (type != QLatin1String("1") && type != QLatin1String("2") && type != QLatin1String("3"))
            return;
        const QString name = QStringLiteral("%1 %2, %3").arg(course.id, course.name, kindName(type, sub));
        auto it = std::find_if(m_groups.begin(), m_groups.end(), [&](const Group &g) { return g.name == name; });
        if (it == m_groups.end()) {
            m_groups.push_back(Group{name});
            it = m_groups.end() - 1;
        }
        ++it->keys;
        for (int i = 0; i < options.size() && i < 6; ++i)
            if (!options.at(i).isEmpty())
                it->offered = std::max(it->offered, i + 1);
        int letters = 0;
        for (const QChar c : answer) {
            const int i = c.unicode() - u'A';
            if (i >= 0 && i < 6) {
                ++it->withLetter[i];
                ++letters;
            }
        }
        ++it->bySize[std::min(letters, 6)];
    };
    for (const SourceQuestion &sq : questions) {
        count(sq.q.type, false, sq.q.options, sq.q.answer);
        if (sq.q.type == QLatin1String("5"))
            for (const BankSubQuestion &s : sq.q.subquestions)
                count(s.type, true, s.options, s.answer);
    }
}

void KeyStats::print(QTextStream &out) const
{
    if (m_groups.empty())
        return;
    out << "key letters (share of keys holding each letter; keys by number of letters):\n";
    for (const Group &g : m_groups) {
        out << "  " << g.name << ": " << g.keys << (g.keys == 1 ? " key; " : " keys; ");
        for (int i = 0; i < g.offered; ++i)
            out << (i ? ", " : "") << QChar(u'A' + i) << ' ' << qRound(100.0 * g.withLetter[i] / g.keys) << '%';
        out << ';';
        bool first = true;
        for (int n = 0; n <= 6; ++n) {
            if (g.bySize[n] == 0)
                continue;
            out << (first ? " " : ", ") << n << (n == 1 ? " letter: " : " letters: ") << g.bySize[n];
            first = false;
        }
        out << '\n';
    }
}
