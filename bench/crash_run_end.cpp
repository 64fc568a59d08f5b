// Kills a process that is ending practice runs, at random moments, and counts what a kill
// leaves half-written. Run by hand on a copy of a bank:
//   crash_run_end [--trials N] [--separate] BANK
// A child process ends runs one after another on the bank (each run on a day of its own: its
// history row, its essential flags and its wrong-question rows); the parent kills it with
// SIGKILL after a random delay, then checks the bank: every history row has all its log rows,
// every logged day has its history row, the flags are those of the last stored run, and
// PRAGMA integrity_check says ok. --separate stores the three parts in three transactions, as
// the program did before the end of a run became one transaction.
#include "core/UnitDefine.h"
#include "platform/Clock.h"
#include "store/UnitDM.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QThread>

#include <cstdio>

namespace {

const QDateTime FirstDay(QDate(2020, 1, 1), QTime(8, 0));

// The chapter every run practises: the first chapter of the first course.
QString practiceChapter(TDataModuleMain &dm)
{
    dm.GetKeChengInfo();
    if (KeChengList.isEmpty())
        return QString();
    dm.GetZhangJIe(KeChengList[0]->KeChengID, QStringLiteral("1"));
    return ZhangJieList.isEmpty() ? QString() : ZhangJieList[0]->ZhangJieID;
}

void loadRun(TDataModuleMain &dm, const QString &chapter)
{
    ItemList.clear();
    for (const char *type : {"1", "2", "3", "4", "5"})
        dm.AddItem(chapter, QString::fromLatin1(type), 1000, 0);
}

int wrongQuestionsPerRun()
{
    QStringList ids;
    for (int i = 0; i < ItemList.count(); ++i)
        if (!ids.contains(ItemList[i]->ItemID))
            ids << ItemList[i]->ItemID;
    return int(ids.size());
}

// Ends runs from the given one on, for ever: every answer wrong, flags set on odd runs.
int child(const QString &bank, int firstRun, bool separate)
{
    TDataModuleMain dm(bank);
    const QString chapter = practiceChapter(dm);
    loadRun(dm, chapter);
    for (int run = firstRun;; ++run) {
        Clock::set(FirstDay.addDays(run));
        for (int i = 0; i < ItemList.count(); ++i) {
            ItemList[i]->UserAnswer = QStringLiteral("X");
            ItemList[i]->UserScore = 0;
            ItemList[i]->ItemFav = run % 2 == 1;
        }
        const auto history = [&] {
            dm.InsertTestInfo(Clock::now().toString(QStringLiteral("yyyyMMddhhmmss")), QStringLiteral("0"),
                              QString::number(ItemList.count()), QString::number(ItemList.count()),
                              QStringLiteral("0"), QStringLiteral("00:10:00"), QStringLiteral("章节练习"),
                              QStringLiteral("课程"), QStringLiteral("章节"), 0);
        };
        if (separate) {
            history();
            dm.UpdateFav();
            dm.LogErrItem();
        } else {
            dm.inTransaction([&] {
                history();
                dm.UpdateFav();
                dm.LogErrItem();
            });
        }
    }
}

struct Check
{
    int runs = 0;
    int partial = 0;
    bool intact = true;
    int nextRun = 0;
};

Check check(const QString &bank, int questionsPerRun)
{
    Check c;
    TDataModuleMain dm(bank);
    QSqlDatabase db = dm.database();
    QSqlQuery q(db);
    q.exec(QStringLiteral("PRAGMA integrity_check"));
    c.intact = q.next() && q.value(0).toString() == QLatin1String("ok");

    // Runs by day: history rows and log rows.
    QHash<QString, int> logRows;
    q.exec(QStringLiteral("select ERR_DATE, count(*) from tabErrItemHisLog group by ERR_DATE"));
    while (q.next())
        logRows.insert(q.value(0).toString(), q.value(1).toInt());
    QStringList historyDays;
    q.exec(QStringLiteral("select substr(TEST_ID, 1, 8) from tabTestHis order by TEST_ID"));
    while (q.next())
        historyDays << q.value(0).toString();
    c.runs = int(historyDays.size());
    for (const QString &day : historyDays)
        if (logRows.value(day) != questionsPerRun)
            ++c.partial;
    for (auto it = logRows.cbegin(); it != logRows.cend(); ++it)
        if (!historyDays.contains(it.key()))
            ++c.partial;
    // The flags must be those of the last run stored.
    if (!historyDays.isEmpty()) {
        const int last = int(FirstDay.date().daysTo(QDate::fromString(historyDays.last(), QStringLiteral("yyyyMMdd"))));
        q.exec(QStringLiteral("select count(distinct I_FAV) , max(I_FAV) from tabItem where I_ID in "
                              "(select ERR_I_ID from tabErrItemHisLog)"));
        if (q.next() && (q.value(0).toInt() != 1 || q.value(1).toInt() != (last % 2 == 1 ? 1 : 0)))
            ++c.partial;
        c.nextRun = last + 1;
    }
    return c;
}

}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("bank"), QStringLiteral("a copy of a question bank; it is written to"));
    const QCommandLineOption trials(QStringLiteral("trials"), QStringLiteral("kills to make"), QStringLiteral("n"),
                                    QStringLiteral("100"));
    const QCommandLineOption separate(QStringLiteral("separate"), QStringLiteral("three transactions per run end"));
    const QCommandLineOption childRun(QStringLiteral("child"), QStringLiteral("(internal) end runs from this one"),
                                      QStringLiteral("run"));
    parser.addOptions({trials, separate, childRun});
    parser.process(app);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(2);
    const QString bank = parser.positionalArguments().first();

    if (parser.isSet(childRun))
        return child(bank, parser.value(childRun).toInt(), parser.isSet(separate));

    int perRun = 0;
    {
        TDataModuleMain dm(bank);
        const QString chapter = practiceChapter(dm);
        if (chapter.isEmpty()) {
            std::fprintf(stderr, "no practice chapter in %s\n", qPrintable(bank));
            return 2;
        }
        loadRun(dm, chapter);
        perRun = wrongQuestionsPerRun();
    }
    int partial = 0, broken = 0, completed = 0;
    const Check start = check(bank, perRun);
    int nextRun = start.nextRun, runsBefore = start.runs;
    const int n = parser.value(trials).toInt();
    for (int trial = 0; trial < n; ++trial) {
        QProcess worker;
        QStringList args{QStringLiteral("--child"), QString::number(nextRun), bank};
        if (parser.isSet(separate))
            args.prepend(QStringLiteral("--separate"));
        worker.start(QCoreApplication::applicationFilePath(), args);
        worker.waitForStarted();
        // Past the start-up and a few run ends, then at any moment.
        QThread::msleep(150 + QRandomGenerator::global()->bounded(250));
        worker.kill(); // SIGKILL
        worker.waitForFinished();
        const Check c = check(bank, perRun);
        partial += c.partial > 0 ? 1 : 0;
        broken += c.intact ? 0 : 1;
        completed += qMax(0, c.runs - runsBefore);
        runsBefore = c.runs;
        nextRun = qMax(nextRun, c.nextRun);
        if (c.partial > 0) {
            // Count each kill's damage once: clear the records so the next trial starts sound.
            TDataModuleMain dm(bank);
            QSqlQuery(dm.database()).exec(QStringLiteral("delete from tabTestHis"));
            QSqlQuery(dm.database()).exec(QStringLiteral("delete from tabErrItemHisLog"));
            runsBefore = 0;
        }
    }
    std::printf("%s: %d kills, %d run ends completed between them, %d kills left a partial run, "
                "%d failed integrity checks\n",
                parser.isSet(separate) ? "three transactions" : "one transaction", n, completed, partial, broken);
    return partial == 0 && broken == 0 ? 0 : 1;
}
