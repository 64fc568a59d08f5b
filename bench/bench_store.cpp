// What a learner waits for: drawing a random exam, loading a paper, deciphering texts, counting
// and listing essentials and wrong questions, and storing the end of a practice run.
#include "core/UnitDefine.h"
#include "platform/AnsiCodec.h"
#include "platform/Clock.h"
#include "store/UnitBase64.h"
#include "store/UnitDM.h"
#include "store/UnitEncrypt.h"
#include "tools/qbank/BankSynth.h"
#include "tools/qbank/BankWriter.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

const int BankQuestions = 100000;
// Essential questions and wrong-question log rows of the marked bank.
const int Marked = 1000;

// The data modules the benchmarks share. They close before main() returns: a data module
// left to static destruction would outlive Qt's registry of database connections.
struct Banks
{
    std::unique_ptr<TDataModuleMain> big;
    std::unique_ptr<QTemporaryDir> markedDir;
    std::unique_ptr<TDataModuleMain> marked;

    void release()
    {
        marked.reset();
        markedDir.reset();
        big.reset();
    }
};
Banks g_banks;

// ACCTPREP_BENCH_BANK names another large bank to measure on instead (made elsewhere, for
// instance by another version of qbank synth); the program adds its indexes to it if it lacks
// them, so give it a copy.
QString bigBankFile()
{
    const QString chosen = qEnvironmentVariable("ACCTPREP_BENCH_BANK");
    return chosen.isEmpty() ? QStringLiteral(ACCTPREP_BENCH_DATA) + QStringLiteral("/bank100k.db") : chosen;
}

// The 100,000-question bank, made on first use.
TDataModuleMain &bigBank()
{
    std::unique_ptr<TDataModuleMain> &dm = g_banks.big;
    if (dm)
        return *dm;
    const QString dir = QStringLiteral(ACCTPREP_BENCH_DATA);
    const QString file = bigBankFile();
    if (!QFileInfo::exists(file) && !qEnvironmentVariableIsEmpty("ACCTPREP_BENCH_BANK")) {
        std::fprintf(stderr, "no bank at %s\n", qPrintable(file));
        std::exit(2);
    }
    if (!QFileInfo::exists(file)) {
        std::fprintf(stderr, "making %s (%d questions) ...\n", qPrintable(file), BankQuestions);
        QDir().mkpath(dir);
        const QString part = file + QStringLiteral(".part");
        {
            BankWriter writer(part, true);
            SynthOptions options;
            options.questions = BankQuestions;
            synthBank(writer, options);
            writer.commit();
        }
        QFile::rename(part, file);
    }
    dm = std::make_unique<TDataModuleMain>(file);
    dm->open();
    return *dm;
}

// A copy of the big bank in which 1,000 choice questions (1,000 entries), spread over it, are
// essential, and 1,000 others were answered wrongly on ten days (100 a day).
TDataModuleMain *markedBank()
{
    if (g_banks.marked)
        return g_banks.marked.get();
    bigBank();
    g_banks.markedDir = std::make_unique<QTemporaryDir>();
    const QString copy = g_banks.markedDir->filePath(QStringLiteral("sys.db"));
    if (!QFile::copy(bigBankFile(), copy))
        return nullptr;
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
    g_banks.marked = std::make_unique<TDataModuleMain>(copy);
    QSqlDatabase db = g_banks.marked->database();
    QSqlQuery q(db);
    db.transaction();
    q.exec(QStringLiteral("update tabItem set I_FAV = 0 where I_FAV <> 0"));
    q.exec(QStringLiteral("update tabItem set I_FAV = 1 where rowid in (select rowid from tabItem "
                          "where I_TYPE in ('1', '2', '3') and rowid % 50 = 0 limit ")
           + QString::number(Marked) + QLatin1Char(')'));
    q.exec(QStringLiteral("delete from tabErrItemHisLog"));
    q.exec(QStringLiteral("insert into tabErrItemHisLog(ERR_DATE, ERR_I_ID) "
                          "select '202406' || printf('%02d', rowid / 50 % 10 + 1), I_ID from tabItem "
                          "where I_TYPE in ('1', '2', '3') and rowid % 50 = 25 limit ")
           + QString::number(Marked));
    db.commit();
    return g_banks.marked.get();
}

// The essentials count (the review set-up page) and list (the start of the review).
void essentialsCount(benchmark::State &state)
{
    TDataModuleMain *dm = markedBank();
    if (!dm) {
        state.SkipWithError("cannot copy the bench bank");
        return;
    }
    int zong = 0;
    for (auto _ : state) {
        int dan = 0, duo = 0, pan = 0, fen = 0;
        dm->GetJHItemCnt(zong, dan, duo, pan, fen);
    }
    state.counters["questions"] = zong;
}

void essentialsList(benchmark::State &state)
{
    TDataModuleMain *dm = markedBank();
    if (!dm) {
        state.SkipWithError("cannot copy the bench bank");
        return;
    }
    for (auto _ : state)
        dm->GetJHItemList();
    state.counters["entries"] = ItemList.count();
    ItemList.clear();
}

// Wrong questions since the first logged day.
void wrongCount(benchmark::State &state)
{
    TDataModuleMain *dm = markedBank();
    if (!dm) {
        state.SkipWithError("cannot copy the bench bank");
        return;
    }
    int zong = 0;
    for (auto _ : state) {
        int dan = 0, duo = 0, pan = 0, fen = 0;
        dm->GetCTItemCnt(zong, dan, duo, pan, fen, QStringLiteral("20240601"));
    }
    state.counters["questions"] = zong;
}

void wrongList(benchmark::State &state)
{
    TDataModuleMain *dm = markedBank();
    if (!dm) {
        state.SkipWithError("cannot copy the bench bank");
        return;
    }
    for (auto _ : state)
        dm->GetCTItemList(QStringLiteral("20240601"));
    state.counters["entries"] = ItemList.count();
    ItemList.clear();
}

struct Draw
{
    const char *type;
    int count;
};
// A paper's quantities: 20 of each choice type, 2 analysis questions (asked as both "4" and "5").
const Draw Exam[] = {{"1", 20}, {"2", 20}, {"3", 20}, {"4", 2}, {"5", 2}};

void randomExam(benchmark::State &state)
{
    TDataModuleMain &dm = bigBank();
    const QString course = synthCourseId(int(state.range(0)));
    for (auto _ : state) {
        ItemList.clear();
        for (const Draw &d : Exam)
            dm.AddItem(course, QLatin1String(d.type), d.count, 1);
    }
    state.counters["entries"] = ItemList.count();
    ItemList.clear();
}

// The same rows through the same statements as the random draw, read as stored: no
// deciphering and no entries built.
void randomExamBareQuery(benchmark::State &state)
{
    TDataModuleMain &dm = bigBank();
    const QString course = synthCourseId(int(state.range(0)));
    QSqlQuery items(dm.database());
    items.setForwardOnly(true);
    items.prepare(QStringLiteral(
        "Select I_ID, I_TYPE, I_DETAL, I_A, I_B, I_C, I_D, I_E, I_F, I_ANSWER, I_ANSWER_DESC, I_MARK, I_FAV, "
        "I_SCORE, I_PIC from (Select a.I_ID as pick, random() as r from tabZhangJie b join tabItem a "
        "on a.Z_ID = b.Z_ID where b.M_ID = :M_ID and a.I_TYPE = :I_TYPE order by r limit :CNT) p "
        "join tabItem on tabItem.I_ID = p.pick order by p.r"));
    QSqlQuery subs(dm.database());
    subs.setForwardOnly(true);
    subs.prepare(QStringLiteral("Select EX_Subject, EX_No, EX_A, EX_B, EX_C, EX_D, EX_E, EX_F, EX_ANSWER, EX_DES, "
                                "EX_TYPE, EX_SCORE from tabExItem where I_ID = :I_ID order by EX_No"));
    qint64 bytes = 0;
    for (auto _ : state) {
        for (const Draw &d : Exam) {
            items.bindValue(QStringLiteral(":M_ID"), course);
            items.bindValue(QStringLiteral(":I_TYPE"), QLatin1String(d.type));
            items.bindValue(QStringLiteral(":CNT"), d.count);
            items.exec();
            while (items.next()) {
                for (int c = 0; c < 15; ++c)
                    bytes += items.value(c).toString().size();
                if (items.value(1).toString() == QLatin1String("5")) {
                    subs.bindValue(QStringLiteral(":I_ID"), items.value(0));
                    subs.exec();
                    while (subs.next())
                        for (int c = 0; c < 12; ++c)
                            bytes += subs.value(c).toString().size();
                }
            }
        }
    }
    benchmark::DoNotOptimize(bytes);
}

void fixedPaper(benchmark::State &state)
{
    TDataModuleMain &dm = bigBank();
    const QString paper = synthPaperId(int(state.range(0)));
    for (auto _ : state) {
        ItemList.clear();
        for (const Draw &d : Exam)
            dm.AddItem(paper, QLatin1String(d.type), d.count, 0);
    }
    state.counters["entries"] = ItemList.count();
    ItemList.clear();
}

// Every enciphered text of the sample bank.
const QStringList &sampleCiphers()
{
    static QStringList texts;
    if (!texts.isEmpty() || !QFileInfo::exists(QStringLiteral(ACCTPREP_APP_BANK)))
        return texts;
    TDataModuleMain dm(QStringLiteral(ACCTPREP_APP_BANK));
    QSqlQuery q(dm.database());
    for (const char *sql : {"select I_DETAL, I_A, I_B, I_C, I_D, I_E, I_F, I_ANSWER, I_ANSWER_DESC from tabItem",
                            "select EX_Subject, EX_A, EX_B, EX_C, EX_D, EX_E, EX_F, EX_ANSWER, EX_DES from tabExItem"}) {
        q.exec(QLatin1String(sql));
        while (q.next())
            for (int c = 0; c < 9; ++c)
                texts << q.value(c).toString();
    }
    return texts;
}

qint64 totalSize(const QStringList &texts)
{
    qint64 n = 0;
    for (const QString &t : texts)
        n += t.size();
    return n;
}

void dcStrThroughput(benchmark::State &state)
{
    const QStringList &texts = sampleCiphers();
    if (texts.isEmpty()) {
        state.SkipWithError("no sample bank at " ACCTPREP_APP_BANK " (build the acctprep_appdir target)");
        return;
    }
    for (auto _ : state)
        for (const QString &t : texts)
            benchmark::DoNotOptimize(TDataModuleMain::DcStr(t));
    state.SetBytesProcessed(state.iterations() * totalSize(texts));
    state.counters["texts"] = double(texts.size());
}

// The three stages of DcStr one by one: the hex cipher, Base64, the GBK code page.
void dcStrStages(benchmark::State &state)
{
    const QStringList &texts = sampleCiphers();
    if (texts.isEmpty()) {
        state.SkipWithError("no sample bank at " ACCTPREP_APP_BANK " (build the acctprep_appdir target)");
        return;
    }
    QList<QByteArray> base64, ansi;
    for (const QString &t : texts) {
        try {
            base64 << UnEncryptToBytes(t, QStringLiteral("QmTrxLoV"));
        } catch (const ConvertError &) {
            base64 << QByteArray();
        }
        ansi << Base64Decode(base64.last());
    }
    const int stage = int(state.range(0));
    for (auto _ : state) {
        for (qsizetype i = 0; i < texts.size(); ++i) {
            if (stage == 0) {
                try {
                    benchmark::DoNotOptimize(UnEncryptToBytes(texts.at(i), QStringLiteral("QmTrxLoV")));
                } catch (const ConvertError &) {
                }
            } else if (stage == 1) {
                benchmark::DoNotOptimize(Base64Decode(base64.at(i)));
            } else {
                benchmark::DoNotOptimize(AnsiCodec::fromAnsi(ansi.at(i)));
            }
        }
    }
    state.SetBytesProcessed(state.iterations() * totalSize(texts));
    state.SetLabel(stage == 0 ? "hex cipher" : stage == 1 ? "base64" : "GBK to Unicode");
}

// The floor: copying the same cipher bytes text by text.
void memcpyOfTheSameBytes(benchmark::State &state)
{
    const QStringList &texts = sampleCiphers();
    if (texts.isEmpty()) {
        state.SkipWithError("no sample bank at " ACCTPREP_APP_BANK " (build the acctprep_appdir target)");
        return;
    }
    QList<QByteArray> bytes;
    for (const QString &t : texts)
        bytes << t.toLatin1();
    QByteArray target(4096, 0);
    for (auto _ : state) {
        for (const QByteArray &b : bytes) {
            if (b.size() > target.size())
                target.resize(b.size());
            std::memcpy(target.data(), b.constData(), size_t(b.size()));
            benchmark::ClobberMemory();
        }
    }
    state.SetBytesProcessed(state.iterations() * totalSize(texts));
}

// What a practice run of 1,000 entries writes when it ends, as the practice window stores it
// (one transaction), on a copy of the big bank: its history row, its changed essential flags
// (the second argument: how many) and 250 wrong questions, each run on a day of its own. With
// a first argument of 1 the copy is switched to write-ahead logging first.
void endOfRun(benchmark::State &state)
{
    bigBank();
    QTemporaryDir tmp;
    const QString copy = tmp.filePath(QStringLiteral("sys.db"));
    if (!QFile::copy(bigBankFile(), copy)) {
        state.SkipWithError("cannot copy the bench bank");
        return;
    }
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
    TDataModuleMain dm(copy);
    if (state.range(0) == 1)
        QSqlQuery(dm.database()).exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    ItemList.clear();
    {
        QSqlQuery q(dm.database());
        q.exec(QStringLiteral("select I_ID, I_FAV from tabItem where I_TYPE in ('1', '2', '3') order by I_ID limit 1000"));
        for (int i = 0; q.next(); ++i) {
            const QString id = q.value(0).toString();
            auto entry = std::make_unique<TItem>();
            entry->ItemID = id;
            entry->ItemFav = q.value(1).toBool();
            entry->UserAnswer = i % 4 == 0 ? QString() : QStringLiteral("A");
            entry->UserScore = i % 3 == 0 ? 0 : 100;
            ItemList.add(id, std::move(entry));
        }
    }
    const QDateTime firstDay(QDate(2024, 6, 1), QTime(12, 0));
    int run = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Clock::set(firstDay.addDays(run++));
        for (int i = 0; i < ItemList.count(); i += int(ItemList.count() / state.range(1)))
            ItemList[i]->ItemFav = !ItemList[i]->ItemFav;
        state.ResumeTiming();
        dm.inTransaction([&] {
            dm.InsertTestInfo(Clock::now().toString(QStringLiteral("yyyyMMddhhmmss")), QStringLiteral("500"),
                              QStringLiteral("250"), QStringLiteral("750"), QStringLiteral("250"),
                              QStringLiteral("01:02:03"), QStringLiteral("章节练习"), QStringLiteral("会计基础"),
                              QStringLiteral("第1章"), 500);
            dm.UpdateFav();
            dm.LogErrItem();
        });
    }
    Clock::reset();
    state.counters["entries"] = ItemList.count();
    ItemList.clear();
}

}

BENCHMARK(randomExam)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(randomExamBareQuery)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(fixedPaper)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(dcStrThroughput)->Unit(benchmark::kMillisecond);
BENCHMARK(dcStrStages)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(memcpyOfTheSameBytes)->Unit(benchmark::kMicrosecond);
BENCHMARK(endOfRun)->ArgsProduct({{0, 1}, {10, 200}})->Unit(benchmark::kMillisecond);
BENCHMARK(essentialsCount)->Unit(benchmark::kMillisecond);
BENCHMARK(essentialsList)->Unit(benchmark::kMillisecond);
BENCHMARK(wrongCount)->Unit(benchmark::kMillisecond);
BENCHMARK(wrongList)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_banks.release();
    return 0;
}
