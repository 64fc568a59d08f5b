#pragma once
#include <QString>

#include <functional>

class BankWriter;

// A synthetic bank of realistic size and shape for benchmarks: every course has practice
// chapters and papers of 20 single, 20 multiple, 20 true/false and 2 analysis questions; the
// papers' analysis questions are calculations in even-numbered courses and cases in odd-numbered
// ones, and every course's chapters hold both kinds, so a random exam draws 20/20/20/2/2.
// Chapters hold 35% single, 30% multiple, 30% true/false and 5% analysis questions. Texts are
// as long as the sample bank's.
struct SynthOptions
{
    int questions = 100000;
    int courses = 2;
    quint32 seed = 20240601;
};

// Writes the whole bank (accounts, pages, courses, chapters, papers, questions) into the
// writer; progress(done, total) follows the questions. The caller commits.
void synthBank(BankWriter &writer, const SynthOptions &options,
               const std::function<void(int done, int total)> &progress = {});

// Identifier of synthetic course i (0-based), and of its first exam paper.
QString synthCourseId(int course);
QString synthPaperId(int course);
