// Time from launching the program to its main window's first paint, and its resident memory
// then, over several runs. Run by hand under a virtual X server, so that the X11 path is
// measured rather than offscreen:
//   xvfb-run -a build/bench/bench_startup [--runs N] [--bank FILE] [--page] [LABEL=]APPDIR ...
// Each APPDIR (a built application directory such as build/app) is copied to a scratch
// directory, with FILE as its Data/sys.db when given; one run of each is a warm-up, then the
// programs take turns, A B A B ..., so that a drift of the machine touches them alike. The
// program reports its first paint itself (ACCTPREP_FIRST_PAINT, app/FirstPaint.h), and when
// the start-up work it leaves for after that paint is done ("ready"); with
// --page it then opens the help centre, and the time from the click to the page loaded and
// the memory then are reported too.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <memory>
#include <vector>

namespace {

struct Run
{
    double ms = 0;
    double rssMib = 0;
    double hwmMib = 0;
    double idleMs = 0;
    double idleRssMib = 0;
    double pageMs = 0;
    double pageRssMib = 0;
};

struct Program
{
    QString label;
    std::unique_ptr<QTemporaryDir> dir;
    QList<Run> runs;
};

qint64 monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

bool copyTree(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::Files | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = to + QLatin1Char('/') + QDir(from).relativeFilePath(file);
        QDir().mkpath(QFileInfo(target).absolutePath());
        if (!QFile::copy(file, target))
            return false;
        // The copy keeps the file's permissions, but a read-only bank could not take the
        // indexes the program adds; the benchmark wants the writable case.
        QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner);
    }
    return true;
}

// One launch; false (with the reason on standard error) when no first paint was reported.
bool launch(const Program &program, bool page, Run &run)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("ACCTPREP_FIRST_PAINT"), page ? QStringLiteral("page") : QStringLiteral("1"));
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::SeparateChannels);
    const QString exe = program.dir->path() + QStringLiteral("/acctprep");
    const qint64 start = monotonicNs();
    process.start(exe, {});
    if (!process.waitForStarted()) {
        std::fprintf(stderr, "%s: cannot start %s: %s\n", qPrintable(program.label), qPrintable(exe),
                     qPrintable(process.errorString()));
        return false;
    }
    if (!process.waitForFinished(120000)) {
        std::fprintf(stderr, "%s: no exit within two minutes\n", qPrintable(program.label));
        process.kill();
        process.waitForFinished();
        return false;
    }
    const QList<QByteArray> words = process.readAllStandardOutput().simplified().split(' ');
    const int at = int(words.indexOf("first-paint"));
    if (at < 0 || at + 5 >= words.size()) {
        std::fprintf(stderr, "%s: no first paint reported (exit %d): %s\n", qPrintable(program.label),
                     process.exitCode(), process.readAllStandardError().constData());
        return false;
    }
    run.ms = double(words.at(at + 1).toLongLong() - start) / 1e6;
    run.rssMib = words.at(at + 3).toDouble() / 1024.0;
    run.hwmMib = words.at(at + 5).toDouble() / 1024.0;
    const int idleAt = int(words.indexOf("first-idle"));
    if (idleAt >= 0 && idleAt + 3 < words.size()) {
        run.idleMs = double(words.at(idleAt + 1).toLongLong() - start) / 1e6;
        run.idleRssMib = words.at(idleAt + 3).toDouble() / 1024.0;
    }
    if (!page)
        return true;
    const int pageAt = int(words.indexOf("first-page"));
    if (pageAt < 0 || pageAt + 4 >= words.size()) {
        std::fprintf(stderr, "%s: no page shown (exit %d)\n", qPrintable(program.label), process.exitCode());
        return false;
    }
    run.pageMs = double(words.at(pageAt + 2).toLongLong() - words.at(pageAt + 1).toLongLong()) / 1e6;
    run.pageRssMib = words.at(pageAt + 4).toDouble() / 1024.0;
    return true;
}

double median(QList<double> v)
{
    std::sort(v.begin(), v.end());
    const qsizetype n = v.size();
    return n == 0 ? 0 : n % 2 ? v.at(n / 2) : (v.at(n / 2 - 1) + v.at(n / 2)) / 2;
}

void report(const char *what, const std::vector<Program> &programs, double Run::*field, const char *unit)
{
    for (const Program &p : programs) {
        QList<double> v;
        for (const Run &r : p.runs)
            v << r.*field;
        if (v.isEmpty())
            continue;
        std::printf("  %-22s %-28s min %8.1f  median %8.1f  max %8.1f %s\n", what, qPrintable(p.label),
                    *std::min_element(v.begin(), v.end()), median(v), *std::max_element(v.begin(), v.end()), unit);
    }
}

}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Launch-to-first-paint time and memory of built application directories."));
    parser.addHelpOption();
    const QCommandLineOption runsOption(QStringLiteral("runs"), QStringLiteral("counted runs of each program"),
                                        QStringLiteral("n"), QStringLiteral("11"));
    const QCommandLineOption bankOption(QStringLiteral("bank"), QStringLiteral("bank to use as Data/sys.db"),
                                        QStringLiteral("file"));
    const QCommandLineOption pageOption(QStringLiteral("page"),
                                        QStringLiteral("also open the help centre after the first paint"));
    parser.addOptions({runsOption, bankOption, pageOption});
    parser.addPositionalArgument(QStringLiteral("appdir"), QStringLiteral("[LABEL=]APPDIR, one or more"));
    parser.process(app);
    if (parser.positionalArguments().isEmpty())
        parser.showHelp(2);
    const int runs = qMax(1, parser.value(runsOption).toInt());
    const QString bank = parser.value(bankOption);
    const bool page = parser.isSet(pageOption);
    if (!bank.isEmpty() && !QFileInfo::exists(bank)) {
        std::fprintf(stderr, "no bank at %s\n", qPrintable(bank));
        return 2;
    }

    std::vector<Program> programs;
    for (const QString &arg : parser.positionalArguments()) {
        const qsizetype eq = arg.indexOf(QLatin1Char('='));
        Program p;
        const QString source = QDir(eq > 0 ? arg.mid(eq + 1) : arg).absolutePath();
        p.label = eq > 0 ? arg.left(eq) : arg;
        p.dir = std::make_unique<QTemporaryDir>();
        if (!QFileInfo::exists(source + QStringLiteral("/acctprep")) || !copyTree(source, p.dir->path())) {
            std::fprintf(stderr, "%s: no application directory to copy at %s\n", qPrintable(p.label), qPrintable(source));
            return 2;
        }
        if (!bank.isEmpty()) {
            const QString target = p.dir->path() + QStringLiteral("/Data/sys.db");
            QFile::remove(target);
            if (!QFile::copy(bank, target)) {
                std::fprintf(stderr, "cannot copy %s\n", qPrintable(bank));
                return 2;
            }
            QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner);
        }
        programs.push_back(std::move(p));
    }

    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    std::printf("platform %s, bank %s, %d counted runs each after one warm-up\n",
                platform.isEmpty() ? qPrintable(QStringLiteral("default (DISPLAY=%1)").arg(qEnvironmentVariable("DISPLAY")))
                                   : platform.constData(),
                bank.isEmpty() ? "of each application directory" : qPrintable(bank), runs);
    std::fflush(stdout);
    int failures = 0;
    for (int round = -1; round < runs; ++round) {
        for (Program &p : programs) {
            Run r;
            if (!launch(p, page, r)) {
                ++failures;
                continue;
            }
            if (round >= 0)
                p.runs << r;
        }
    }
    report("first paint", programs, &Run::ms, "ms");
    report("resident at first paint", programs, &Run::rssMib, "MiB");
    report("peak resident by then", programs, &Run::hwmMib, "MiB");
    report("ready (start-up done)", programs, &Run::idleMs, "ms");
    report("resident when ready", programs, &Run::idleRssMib, "MiB");
    if (page) {
        report("first page, from click", programs, &Run::pageMs, "ms");
        report("resident with the page", programs, &Run::pageRssMib, "MiB");
    }
    return failures == 0 ? 0 : 1;
}
