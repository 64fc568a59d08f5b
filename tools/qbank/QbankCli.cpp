#include "tools/qbank/QbankCli.h"

#include "store/BankRecords.h"
#include "store/UnitDM.h"
#include "store/UserBankPictures.h"
#include "tools/qbank/BankModel.h"
#include "tools/qbank/BankSynth.h"
#include "tools/qbank/BankWriter.h"
#include "tools/qbank/PaperPatterns.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <filesystem>
#include <functional>

namespace {

const char Usage[] =
    "usage: qbank COMMAND ...\n"
    "\n"
    "  build SOURCE -o FILE.db [--force | --keep-records] [--pages DIR]...\n"
    "      Checks the source folder (accounts.json, pages.json, courses/*.json, pictures/)\n"
    "      and, when it is sound, writes the bank with every question text enciphered;\n"
    "      the pictures are copied next to FILE.db. Every problem is listed with its file\n"
    "      and JSON path, and then nothing is written. Local pages are looked up in\n"
    "      SOURCE/html and each --pages DIR; a missing one is only a warning.\n"
    "      --keep-records replaces an existing FILE.db but carries the learner's records\n"
    "      (history, wrong-answer log, login, essentials flags) over into the new bank.\n"
    "  export FILE.db -o DIR [--force]\n"
    "      Writes the bank back as a source folder, deciphered, with its pictures.\n"
    "  check FILE.db\n"
    "      Checks a built bank like build checks a source, and also that every stored\n"
    "      text deciphers; pictures are looked up next to FILE.db (for a learner's copy\n"
    "      of AcctPrep's shipped bank, in the shipped bank's folder). A sound bank gets,\n"
    "      per course and type of choice question, the share of keys holding each\n"
    "      letter and the number of keys of each length, and per exam paper how many\n"
    "      keys a guess by pattern finds: every option ticked, true/false answered A,\n"
    "      a letter never keyed, the longest option chosen.\n"
    "  synth --questions N [--courses C] [--seed S] -o FILE.db [--force]\n"
    "      Writes a synthetic bank of N questions over C courses (default 2) for benchmarks.\n"
    "  encipher [TEXT]\n"
    "  decipher [CIPHER]\n"
    "      Enciphers or deciphers TEXT, or each line of standard input, one line out for\n"
    "      each. A text the GBK code page cannot hold is named and left out (its line\n"
    "      is empty), and the exit status is 1.\n"
    "\n"
    "An existing FILE.db, or a DIR that is not empty, is replaced only with --force.\n"
    "Exit status: 0 done, 1 problems found or a failure, 2 wrong usage.\n";

// Options of one command: positional arguments, "-o X", "--name X" and flags.
struct Options
{
    QStringList positional;
    QHash<QString, QStringList> values;
    QStringList flags;
    QString error;

    QString value(const QString &name) const { return values.value(name).value(0); }
    bool has(const QString &name) const { return flags.contains(name); }
};

Options parse(const QStringList &args, const QStringList &withValue, const QStringList &flags)
{
    Options o;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString &a = args.at(i);
        if (withValue.contains(a)) {
            if (i + 1 >= args.size()) {
                o.error = QStringLiteral("%1 needs a value").arg(a);
                return o;
            }
            o.values[a] << args.at(++i);
        } else if (flags.contains(a)) {
            o.flags << a;
        } else if (a.startsWith(QLatin1Char('-')) && a.size() > 1) {
            o.error = QStringLiteral("unknown option %1").arg(a);
            return o;
        } else {
            o.positional << a;
        }
    }
    return o;
}

int usageError(QTextStream &err, const QString &what)
{
    err << "qbank: " << what << "\n\n" << Usage;
    err.flush();
    return 2;
}

int report(QTextStream &err, const BankProblems &problems, const QString &outcome)
{
    for (const QString &line : problems.lines())
        err << line << '\n';
    err << problems.count() << (problems.count() == 1 ? " problem; " : " problems; ") << outcome << '\n';
    err.flush();
    return 1;
}

QString summary(const BankSource &bank)
{
    BankCounts counts;
    counts.addCatalogue(bank);
    for (const SourceCourse &course : bank.courses)
        for (const SourceChapter &chapter : course.chapters)
            counts.addQuestions(chapter.questions);
    return counts.summary();
}

// Missing pages do not stop a build (other pages may arrive from elsewhere); a few name them.
void warnPages(const QStringList &warnings, QTextStream &err)
{
    const qsizetype shown = std::min<qsizetype>(warnings.size(), 10);
    for (qsizetype i = 0; i < shown; ++i)
        err << "warning: " << warnings.at(i) << '\n';
    if (warnings.size() > shown)
        err << "warning: " << warnings.size() - shown << " more local pages are missing\n";
    err.flush();
}

bool refuseExisting(const QString &file, bool force, QTextStream &err)
{
    if (force || !QFileInfo::exists(file))
        return false;
    err << "qbank: " << file << " exists; nothing written (use --force to replace it)\n";
    err.flush();
    return true;
}

// Writes the bank to a file beside the target and moves it over the target only when it is
// complete, so a failed run leaves the old bank as it was.
void writeWhole(const QString &file, const std::function<void(BankWriter &)> &fill)
{
    const QString part = file + QStringLiteral(".part");
    {
        BankWriter writer(part, true);
        fill(writer);
        writer.commit();
    }
    std::error_code ec;
    std::filesystem::rename(QFile::encodeName(part).toStdString(), QFile::encodeName(file).toStdString(), ec);
    if (ec) {
        QFile::remove(part);
        throw std::runtime_error(
            QStringLiteral("cannot move %1 to %2: %3").arg(part, file, QString::fromStdString(ec.message())).toStdString());
    }
}

void copyFile(const QString &from, const QString &to)
{
    if (QFileInfo(from).canonicalFilePath() == QFileInfo(to).canonicalFilePath())
        return;
    QFile::remove(to);
    if (!QFile::copy(from, to))
        throw std::runtime_error(QStringLiteral("cannot copy %1 to %2").arg(from, to).toStdString());
}

QString folderOf(const QString &file)
{
    return QFileInfo(file).absolutePath();
}

int build(const Options &o, QTextStream &out, QTextStream &err)
{
    if (o.positional.size() != 1 || o.value(QStringLiteral("-o")).isEmpty())
        return usageError(err, QStringLiteral("build needs SOURCE and -o FILE.db"));
    const QString source = o.positional.at(0);
    const QString file = o.value(QStringLiteral("-o"));
    const bool keep = o.has(QStringLiteral("--keep-records")) && QFileInfo::exists(file);
    if (!keep && refuseExisting(file, o.has(QStringLiteral("--force")), err))
        return 1;

    BankProblems problems;
    const BankSource bank = readSourceFolder(source, problems);
    const QString pictures = QDir(source).filePath(QStringLiteral("pictures"));
    validateBank(bank, pictures, problems);
    if (!problems.isEmpty())
        return report(err, problems, QStringLiteral("nothing written"));

    QStringList htmlDirs{QDir(source).filePath(QStringLiteral("html"))};
    htmlDirs << o.values.value(QStringLiteral("--pages"));
    warnPages(missingPages(bank, htmlDirs), err);

    try {
        QDir().mkpath(folderOf(file));
        // Pictures first: a bank never names a picture that is not there yet.
        const QFileInfoList files = QDir(pictures).entryInfoList(QDir::Files, QDir::Name);
        for (const QFileInfo &picture : files)
            copyFile(picture.absoluteFilePath(), QDir(folderOf(file)).filePath(picture.fileName()));
        writeWhole(file, [&](BankWriter &writer) {
            writeBank(bank, writer);
            if (keep)
                BankRecords::carry(file, writer.database());
        });
    } catch (const std::exception &e) {
        err << "qbank: " << e.what() << '\n';
        err.flush();
        return 1;
    }
    out << file << ": built " << summary(bank) << '\n';
    out.flush();
    return 0;
}

int exportBank(const Options &o, const QString &shippedFolder, QTextStream &out, QTextStream &err)
{
    if (o.positional.size() != 1 || o.value(QStringLiteral("-o")).isEmpty())
        return usageError(err, QStringLiteral("export needs FILE.db and -o DIR"));
    const QString file = o.positional.at(0);
    const QString dir = o.value(QStringLiteral("-o"));
    if (!o.has(QStringLiteral("--force")) && QFileInfo::exists(dir)
        && !QDir(dir).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System)) {
        err << "qbank: " << dir << " is not empty; nothing written (use --force to write into it)\n";
        err.flush();
        return 1;
    }
    const QString pictureFolder = UserBank::pictureFolder(file, shippedFolder);
    BankProblems problems;
    try {
        TDataModuleMain dm(file);
        // A chapter at a time: a large bank is never whole in memory.
        BankFileReader reader(dm, problems);
        const BankSource bank = reader.catalogue();
        BankCounts counts;
        counts.addCatalogue(bank);
        QStringList names; // pictures, in the order first named
        QSet<QString> named;
        SourceFolderWriter writer(dir);
        writer.writeHeader(bank);
        for (const SourceCourse &course : bank.courses) {
            writer.beginCourse(course);
            for (const SourceChapter &chapter : course.chapters) {
                const QList<SourceQuestion> questions = reader.questions(chapter);
                writer.addChapter(chapter, questions);
                counts.addQuestions(questions);
                for (const SourceQuestion &sq : questions)
                    if (!sq.q.picture.isEmpty() && !named.contains(sq.q.picture)) {
                        named.insert(sq.q.picture);
                        names << sq.q.picture;
                    }
            }
            writer.endCourse();
        }
        reader.reportStrays();
        const QDir pictures(QDir(dir).filePath(QStringLiteral("pictures")));
        pictures.mkpath(QStringLiteral("."));
        for (const QString &name : std::as_const(names)) {
            if (!isPlainFileName(name)) {
                problems.add(file, QStringLiteral("picture \"%1\" is not a plain file name; not copied").arg(name));
                continue;
            }
            const QString from = QDir(pictureFolder).filePath(name);
            if (QFileInfo(from).isFile())
                copyFile(from, pictures.filePath(name));
            else
                problems.add(file, QStringLiteral("picture \"%1\" is missing from %2").arg(name, pictureFolder));
        }
        if (!problems.isEmpty())
            return report(err, problems, QStringLiteral("exported to %1 as read").arg(dir));
        out << file << ": exported to " << dir << ": " << counts.summary() << '\n';
        out.flush();
        return 0;
    } catch (const StoreError &e) {
        err << "qbank: " << e.message() << '\n';
    } catch (const std::exception &e) {
        err << "qbank: " << e.what() << '\n';
    }
    err.flush();
    return 1;
}

int check(const Options &o, const QString &shippedFolder, QTextStream &out, QTextStream &err)
{
    if (o.positional.size() != 1)
        return usageError(err, QStringLiteral("check needs FILE.db"));
    const QString file = o.positional.at(0);
    const QString pictureFolder = UserBank::pictureFolder(file, shippedFolder);
    BankProblems problems;
    BankSource bank;
    BankCounts counts;
    KeyStats stats;
    PaperPatterns patterns;
    try {
        TDataModuleMain dm(file);
        dm.open(); // the program's own check of tables and columns
        // A chapter at a time: a large bank is never whole in memory.
        BankFileReader reader(dm, problems);
        bank = reader.catalogue();
        bank.picturesName = pictureFolder;
        counts.addCatalogue(bank);
        BankChecker checker(bank, pictureFolder, problems);
        checker.checkHeader();
        for (const SourceCourse &course : std::as_const(bank.courses)) {
            checker.checkCourse(course);
            for (const SourceChapter &chapter : course.chapters) {
                checker.checkChapter(chapter);
                const QList<SourceQuestion> questions = reader.questions(chapter);
                checker.checkQuestions(questions);
                counts.addQuestions(questions);
                stats.add(course, questions);
                patterns.add(chapter, questions);
            }
        }
        reader.reportStrays();
    } catch (const StoreError &e) {
        err << "qbank: " << e.message() << '\n';
        err.flush();
        return 1;
    }
    // In an application folder the pages live in html/ beside Data/.
    const QString html = QDir::cleanPath(QDir(pictureFolder).filePath(QStringLiteral("../html")));
    if (QFileInfo(html).isDir())
        warnPages(missingPages(bank, {html}), err);
    if (!problems.isEmpty())
        return report(err, problems, QStringLiteral("the bank needs repair"));
    out << file << ": ok: " << counts.summary() << '\n';
    stats.print(out);
    patterns.print(out);
    out.flush();
    return 0;
}

int synth(const Options &o, QTextStream &out, QTextStream &err)
{
    const QString file = o.value(QStringLiteral("-o"));
    bool ok = false;
    SynthOptions options;
    options.questions = o.value(QStringLiteral("--questions")).toInt(&ok);
    if (!o.positional.isEmpty() || file.isEmpty() || !ok || options.questions < 1)
        return usageError(err, QStringLiteral("synth needs --questions N (1 or more) and -o FILE.db"));
    if (!o.value(QStringLiteral("--courses")).isEmpty()) {
        options.courses = o.value(QStringLiteral("--courses")).toInt(&ok);
        if (!ok || options.courses < 1)
            return usageError(err, QStringLiteral("--courses needs a number of 1 or more"));
    }
    if (!o.value(QStringLiteral("--seed")).isEmpty()) {
        options.seed = o.value(QStringLiteral("--seed")).toUInt(&ok);
        if (!ok)
            return usageError(err, QStringLiteral("--seed needs a whole number"));
    }
    if (refuseExisting(file, o.has(QStringLiteral("--force")), err))
        return 1;
    try {
        QDir().mkpath(folderOf(file));
        int shown = 0;
        writeWhole(file, [&](BankWriter &writer) {
            synthBank(writer, options, [&](int done, int total) {
                if (total < 10000)
                    return;
                const int tenth = int(qint64(done) * 10 / total);
                if (tenth > shown) {
                    shown = tenth;
                    err << "synth: " << tenth * 10 << "% (" << done << " of " << total << " questions)\n";
                    err.flush();
                }
            });
        });
    } catch (const std::exception &e) {
        err << "qbank: " << e.what() << '\n';
        err.flush();
        return 1;
    }
    out << file << ": " << options.questions << " synthetic questions in " << options.courses << " courses\n";
    out.flush();
    return 0;
}

// One output line per text, so that lines still pair up with the input. A text the code page
// cannot hold is not enciphered (it would come back altered): its line stays empty and the
// character is named.
int eachText(const Options &o, bool encipher, QTextStream &in, QTextStream &out, QTextStream &err)
{
    int failed = 0;
    int number = 0;
    const auto one = [&](const QString &text) {
        ++number;
        if (!encipher) {
            out << TDataModuleMain::DcStr(text) << '\n';
            return;
        }
        const QString what = codePageProblem(text);
        if (!what.isEmpty()) {
            err << "qbank: " << (o.positional.isEmpty() ? QStringLiteral("line") : QStringLiteral("text")) << ' '
                << number << ": " << what << "; not enciphered\n";
            ++failed;
            out << '\n';
            return;
        }
        out << TDataModuleMain::EcStr(text) << '\n';
    };
    if (!o.positional.isEmpty()) {
        for (const QString &text : o.positional)
            one(text);
    } else {
        QString line;
        while (in.readLineInto(&line))
            one(line);
    }
    out.flush();
    err.flush();
    return failed ? 1 : 0;
}

}

int runQbank(const QStringList &args, QTextStream &in, QTextStream &out, QTextStream &err,
              const QString &shippedFolder)
{
    if (args.isEmpty())
        return usageError(err, QStringLiteral("no command given"));
    const QString command = args.at(0);
    if (command == QLatin1String("--help") || command == QLatin1String("-h") || command == QLatin1String("help")) {
        out << Usage;
        out.flush();
        return 0;
    }
    Options o;
    if (command == QLatin1String("build"))
        o = parse(args, {QStringLiteral("-o"), QStringLiteral("--pages")},
                  {QStringLiteral("--force"), QStringLiteral("--keep-records")});
    else if (command == QLatin1String("export"))
        o = parse(args, {QStringLiteral("-o")}, {QStringLiteral("--force")});
    else if (command == QLatin1String("synth"))
        o = parse(args, {QStringLiteral("-o"), QStringLiteral("--questions"), QStringLiteral("--courses"),
                         QStringLiteral("--seed")},
                  {QStringLiteral("--force")});
    else if (command == QLatin1String("check"))
        o = parse(args, {}, {});
    else if (command == QLatin1String("encipher") || command == QLatin1String("decipher")) {
        // Texts may begin with "-"; every argument is a text.
        o.positional = args.mid(1);
    } else
        return usageError(err, QStringLiteral("unknown command %1").arg(command));
    if (!o.error.isEmpty())
        return usageError(err, o.error);

    if (command == QLatin1String("build"))
        return build(o, out, err);
    if (command == QLatin1String("export"))
        return exportBank(o, shippedFolder, out, err);
    if (command == QLatin1String("check"))
        return check(o, shippedFolder, out, err);
    if (command == QLatin1String("synth"))
        return synth(o, out, err);
    return eachText(o, command == QLatin1String("encipher"), in, out, err);
}
