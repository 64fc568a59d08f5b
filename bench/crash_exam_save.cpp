// Kills a process that is answering a mock exam, at random moments, and checks that the exam
// saved in the bank holds every answer given before the last save that completed. Run by hand
// on a copy of a bank:
//   crash_exam_save [--trials N] BANK
//   crash_exam_save --measure N BANK      (the cost of one save: median and worst)
// A child process resumes the saved exam (or starts the first paper of the first course) and
// gives answers one after another, saving the exam after each as the exam window does, and
// reports each save that completed. The parent kills it with SIGKILL after a random delay,
// then checks the bank: PRAGMA integrity_check says ok, and the saved exam is the one of the
// last reported save or of the one after it (in flight when the kill came), answer for answer.
#include "core/UnitDefine.h"
#include "store/ExamSave.h"
#include "store/UnitDM.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

const QString TestId = QStringLiteral("20200101080000");

// The first paper of the first course, loaded as the exam window loads a paper.
QString loadPaper(TDataModuleMain &dm)
{
    dm.GetKeChengInfo();
    if (KeChengList.isEmpty())
        return QString();
    dm.GetZhangJIe(KeChengList[0]->KeChengID, QStringLiteral("2"));
    if (ZhangJieList.isEmpty())
        return QString();
    const QString paper = ZhangJieList[0]->ZhangJieID;
    ItemList.clear();
    for (const char *type : {"1", "2", "3", "4", "5"})
        dm.AddItem(paper, QString::fromLatin1(type), 100, 0);
    return paper;
}

// Answer number `step` goes to one record, so the state after n answers is known exactly.
void answer(int step)
{
    TItem &item = *ItemList[step % ItemList.count()];
    item.UserAnswer = QStringLiteral("answer %1").arg(step);
    item.UserScore = step % 2 == 0 ? item.ItemScore : 0;
    item.ColorMark = step % 5 == 0 ? 2 : 4;
    item.ItemMark = step % 5 == 0;
}

TSavedExam snapshot(const QString &paper, int step)
{
    TSavedExam exam;
    exam.Test_ID = TestId;
    exam.KeChengID = KeChengList.isEmpty() ? QString() : KeChengList[0]->KeChengID;
    exam.ZhangJieID = paper;
    exam.ZhangJieName = QStringLiteral("试卷");
    exam.LXMode = QStringLiteral("First");
    exam.StartTime = QDateTime(QDate(2020, 1, 1), QTime(8, 0));
    // The driver's clock: a second per answer.
    exam.UsedMsecs = qint64(step) * 1000;
    exam.ItemIndex = step % ItemList.count();
    for (int i = 0; i < ItemList.count(); ++i) {
        const TItem &item = *ItemList[i];
        exam.records.append({item.ItemID, item.kind45Index, item.UserAnswer, item.UserScore, item.ColorMark,
                             item.ItemMark});
    }
    return exam;
}

// Gives answers for ever, from where the saved exam stands; prints each completed save.
int child(const QString &bank)
{
    TDataModuleMain dm(bank);
    const QString paper = loadPaper(dm);
    if (ItemList.isEmpty())
        return 2;
    int step = 0;
    TSavedExam saved;
    if (dm.LoadSavedExam(saved)) {
        step = int(saved.UsedMsecs / 1000);
        for (int s = 1; s <= step; ++s)
            answer(s);
    }
    for (;;) {
        answer(++step);
        dm.SaveExam(snapshot(paper, step));
        std::printf("%d\n", step);
        std::fflush(stdout);
    }
}

struct Check
{
    bool intact = false;
    int savedStep = -1;
    bool matches = false; // the saved exam is exactly the state after savedStep answers
};

Check check(const QString &bank)
{
    Check c;
    TDataModuleMain dm(bank);
    QSqlQuery q(dm.database());
    c.intact = q.exec(QStringLiteral("PRAGMA integrity_check")) && q.next() && q.value(0).toString() == QLatin1String("ok");
    TSavedExam saved;
    if (!dm.LoadSavedExam(saved)) {
        c.savedStep = 0;
        c.matches = true;
        return c;
    }
    c.savedStep = int(saved.UsedMsecs / 1000);
    const QString paper = loadPaper(dm);
    for (int s = 1; s <= c.savedStep; ++s)
        answer(s);
    const TSavedExam expected = snapshot(paper, c.savedStep);
    c.matches = saved.records.size() == expected.records.size() && saved.ItemIndex == expected.ItemIndex;
    for (int i = 0; c.matches && i < saved.records.size(); ++i) {
        const TSavedRecord &a = saved.records.at(i);
        const TSavedRecord &b = expected.records.at(i);
        c.matches = a.ItemID == b.ItemID && a.kind45Index == b.kind45Index && a.UserAnswer == b.UserAnswer
            && a.UserScore == b.UserScore && a.ColorMark == b.ColorMark && a.ItemMark == b.ItemMark;
    }
    return c;
}

int measure(const QString &bank, int saves)
{
    TDataModuleMain dm(bank);
    const QString paper = loadPaper(dm);
    if (ItemList.isEmpty())
        return 2;
    std::vector<double> ms;
    for (int step = 1; step <= saves; ++step) {
        answer(step);
        QElapsedTimer timer;
        timer.start();
        dm.SaveExam(snapshot(paper, step));
        ms.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    dm.DeleteSavedExam();
    std::sort(ms.begin(), ms.end());
    std::printf("one save of an exam of %d records: median %.2f ms, worst %.2f ms (%d saves)\n",
                int(ItemList.count()), ms[ms.size() / 2], ms.back(), saves);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("bank"), QStringLiteral("a copy of a question bank; it is written to"));
    const QCommandLineOption trials(QStringLiteral("trials"), QStringLiteral("kills to make"), QStringLiteral("n"),
                                    QStringLiteral("100"));
    const QCommandLineOption measureSaves(QStringLiteral("measure"), QStringLiteral("time this many saves instead"),
                                          QStringLiteral("n"));
    const QCommandLineOption childRun(QStringLiteral("child"), QStringLiteral("(internal) answer for ever"));
    parser.addOptions({trials, measureSaves, childRun});
    parser.process(app);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(2);
    const QString bank = parser.positionalArguments().first();

    if (parser.isSet(childRun))
        return child(bank);
    if (parser.isSet(measureSaves))
        return measure(bank, std::max(1, parser.value(measureSaves).toInt()));

    {
        TDataModuleMain dm(bank);
        if (loadPaper(dm).isEmpty() || ItemList.isEmpty()) {
            std::fprintf(stderr, "no exam paper with questions in %s\n", qPrintable(bank));
            return 2;
        }
        dm.DeleteSavedExam();
    }
    const int n = parser.value(trials).toInt();
    int lost = 0, broken = 0, answers = 0, inFlight = 0, lastStep = 0;
    for (int trial = 0; trial < n; ++trial) {
        QProcess worker;
        worker.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child"), bank});
        worker.waitForStarted();
        // Past the start-up and some answers, then at any moment.
        QThread::msleep(150 + QRandomGenerator::global()->bounded(250));
        worker.kill(); // SIGKILL
        worker.waitForFinished();
        // The saves it reported as completed; a line cut by the kill does not count.
        const QList<QByteArray> lines = worker.readAllStandardOutput().split('\n');
        int reported = lastStep;
        for (int i = 0; i + 1 < lines.size(); ++i)
            reported = std::max(reported, lines.at(i).toInt());
        const Check c = check(bank);
        broken += c.intact ? 0 : 1;
        const bool sound = c.matches && c.savedStep >= reported && c.savedStep <= reported + 1;
        lost += sound ? 0 : 1;
        inFlight += c.savedStep == reported + 1 ? 1 : 0;
        answers += std::max(0, c.savedStep - lastStep);
        lastStep = std::max(c.savedStep, reported);
        if (!sound) {
            std::fprintf(stderr, "trial %d: reported %d, saved %d, %s\n", trial, reported, c.savedStep,
                         c.matches ? "answers as saved" : "answers differ");
            // Count each kill's damage once: the next trial starts afresh.
            TDataModuleMain dm(bank);
            dm.DeleteSavedExam();
            lastStep = 0;
        }
    }
    std::printf("%d kills, %d answers saved between them, %d kills lost an answer of a completed save, "
                "%d kills came after a save landed but before it was reported, %d failed integrity checks\n",
                n, answers, lost, inFlight, broken);
    return lost == 0 && broken == 0 ? 0 : 1;
}
