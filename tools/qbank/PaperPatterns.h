#pragma once
#include "tools/qbank/BankModel.h"

#include <QTextStream>

#include <vector>

// Per exam paper, the ways a learner could score by pattern rather than by knowledge: ticking
// every option of a multiple-choice question, answering 正确 to every true/false statement,
// leaving out a letter that is never the key, or choosing the longest option.
class PaperPatterns
{
public:
    // Counts the questions of a chapter of kind "2" (a paper); practice chapters are skipped.
    void add(const SourceChapter &chapter, const QList<SourceQuestion> &questions);
    void print(QTextStream &out) const;

private:
    // Keys of one type of choice question, either top-level or in case questions.
    struct Keys
    {
        int keys = 0;
        int hits = 0; // keys that the pattern of the type would guess
        int offered = 0; // single choice: letters up to the last option any question offers
        int withLetter[6] = {};
    };
    struct Paper
    {
        QString name;
        Keys multiple, multipleInCases;
        Keys trueFalse, trueFalseInCases;
        Keys single, singleInCases;
    };
    std::vector<Paper> m_papers;
};
