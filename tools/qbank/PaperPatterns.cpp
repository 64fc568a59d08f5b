// Patterns a learner could score by in an exam paper without knowing the subject.
#include "tools/qbank/PaperPatterns.h"

#include <algorithm>

namespace {

bool isOffered(const QStringList &options, int i)
{
    return i < options.size() && !options.at(i).isEmpty();
}

// A multiple-choice key that names every option the question offers.
bool namesEveryOption(const QStringList &options, const QString &answer)
{
    int offered = 0;
    for (int i = 0; i < options.size() && i < 6; ++i)
        offered += isOffered(options, i) ? 1 : 0;
    return offered > 0 && answer.size() == offered;
}

// A single-letter key whose option is longer than every other option; a tie guesses nothing.
bool isTheLongest(const QStringList &options, const QString &answer)
{
    if (answer.size() != 1)
        return false;
    const int key = answer.at(0).unicode() - u'A';
    if (!isOffered(options, key))
        return false;
    for (int i = 0; i < options.size() && i < 6; ++i)
        if (i != key && isOffered(options, i) && options.at(i).size() >= options.at(key).size())
            return false;
    return true;
}

// "3 of 20 (15%)"
QString share(int hits, int keys)
{
    return QStringLiteral("%1 of %2 (%3%)").arg(hits).arg(keys).arg(qRound(100.0 * hits / keys));
}

}

void PaperPatterns::add(const SourceChapter &chapter, const QList<SourceQuestion> &questions)
{
    if (chapter.kind != QLatin1String("2"))
        return;
    Paper paper;
    paper.name = chapter.id + QLatin1Char(' ') + chapter.name;
    const auto count = [&](const QString &type, bool inCase, const QStringList &options, const QString &answer) {
        if (type == QLatin1String("2")) {
            Keys &k = inCase ? paper.multipleInCases : paper.multiple;
            ++k.keys;
            k.hits += namesEveryOption(options, answer) ? 1 : 0;
        } else if (type == QLatin1String("3")) {
            Keys &k = inCase ? paper.trueFalseInCases : paper.trueFalse;
            ++k.keys;
            k.hits += answer == QLatin1String("A") ? 1 : 0;
        } else if (type == QLatin1String("1")) {
            Keys &k = inCase ? paper.singleInCases : paper.single;
            ++k.keys;
            k.hits += isTheLongest(options, answer) ? 1 : 0;
            for (int i = 0; i < options.size() && i < 6; ++i)
                if (isOffered(options, i))
                    k.offered = std::max(k.offered, i + 1);
            const int letter = answer.size() == 1 ? answer.at(0).unicode() - u'A' : -1;
            if (letter >= 0 && letter < 6)
                ++k.withLetter[letter];
        }
    };
    for (const SourceQuestion &sq : questions) {
        count(sq.q.type, false, sq.q.options, sq.q.answer);
        if (sq.q.type == QLatin1String("5"))
            for (const BankSubQuestion &s : sq.q.subquestions)
                count(s.type, true, s.options, s.answer);
    }
    m_papers.push_back(paper);
}

void PaperPatterns::print(QTextStream &out) const
{
    if (m_papers.empty())
        return;
    out << "exam papers (keys a guess by pattern would find):\n";
    // "single choice: letters never keyed: D; key is the longest option: 3 of 20 (15%)"
    const auto single = [](const Keys &k) {
        QStringList never;
        for (int i = 0; i < k.offered; ++i)
            if (k.withLetter[i] == 0)
                never << QString(QChar(char16_t(u'A' + i)));
        return QStringLiteral("letters never keyed: %1; key is the longest option: %2")
            .arg(never.isEmpty() ? QStringLiteral("none") : never.join(QStringLiteral(", ")), share(k.hits, k.keys));
    };
    const auto line = [&](const char *what, const Keys &top, const Keys &inCases, bool letters) {
        if (top.keys == 0 && inCases.keys == 0)
            return;
        out << "    " << what << ": ";
        if (top.keys > 0)
            out << (letters ? single(top) : share(top.hits, top.keys)) << (inCases.keys > 0 ? "; " : "");
        if (inCases.keys > 0)
            out << "in case sub-questions " << (letters ? single(inCases) : share(inCases.hits, inCases.keys));
        out << '\n';
    };
    for (const Paper &p : m_papers) {
        out << "  " << p.name << ":\n";
        const int keys = p.multiple.keys + p.multipleInCases.keys + p.trueFalse.keys + p.trueFalseInCases.keys
            + p.single.keys + p.singleInCases.keys;
        if (keys == 0)
            out << "    no choice questions\n";
        line("multiple choice, key names every option", p.multiple, p.multipleInCases, false);
        line("true/false, key A (正确)", p.trueFalse, p.trueFalseInCases, false);
        line("single choice", p.single, p.singleInCases, true);
    }
}
