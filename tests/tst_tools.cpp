// The question-bank tool: checking a source folder, building, exporting, checking a built
// bank, and the synthetic bank.
#include "core/UnitDefine.h"
#include "store/ExamSave.h"
#include "store/UnitDM.h"
#include "store/UserBank.h"
#include "tools/qbank/BankSynth.h"
#include "tools/qbank/BankWriter.h"
#include "tools/qbank/QbankCli.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run
{
    int code = -1;
    QString out;
    QString err;
};

Run qbank(const QStringList &args, const QString &input = QString(), const QString &shippedFolder = QString())
{
    Run run;
    QString in = input;
    QTextStream inStream(&in);
    QTextStream outStream(&run.out);
    QTextStream errStream(&run.err);
    run.code = runQbank(args, inStream, outStream, errStream, shippedFolder);
    return run;
}

QJsonObject parseObject(const char *json)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray(json), &error);
    if (error.error != QJsonParseError::NoError)
        qFatal("bad fixture JSON: %s", qPrintable(error.errorString()));
    return doc.object();
}

// A small sound source: one course of every question type, a second course, a picture.
const char *const AccountsJson = R"({"accounts": [
  {"id": "1001", "name": "库存现金", "children": [{"id": "1001", "name": "库存现金"}]},
  {"id": "1002", "name": "银行存款", "children": [{"id": "1002", "name": "银行存款"}]},
  {"id": "2221", "name": "应交税费", "children": [{"id": "222101", "name": "应交增值税"}]}]})";

const char *const PagesJson = R"({
  "guide": [{"caption": "考试大纲", "page": "guide/dg.htm", "kind": "FALSE"}],
  "help": [{"caption": "官方网站", "page": "https://acctprep.example.org/", "kind": "TRUE"}]})";

const char *const CourseJson = R"({"id": "02", "name": "会计基础", "docUrl": "",
  "chapters": [
    {"id": "0201", "name": "第一章 总论", "kind": "chapter",
     "handouts": [{"page": "jy/0201.htm", "kind": "FALSE"}],
     "questions": [
       {"id": "0201-001", "type": "1", "text": "会计的基本职能是（ ）。",
        "options": {"A": "核算和监督", "B": "预测和决策", "C": "计划和控制", "D": "分析和考核"},
        "answer": "A", "explanation": "基本职能是核算和监督。", "score": 1, "fav": true},
       {"id": "0201-002", "type": "2", "text": "会计基本假设有（ ）。",
        "options": {"A": "会计主体", "B": "持续经营", "C": "权责发生制", "D": "货币计量"},
        "answer": "ABD", "explanation": "权责发生制是核算基础。", "score": 2},
       {"id": "0201-003", "type": "3", "text": "会计分期以持续经营为前提。",
        "options": {"A": "正确", "B": "错误"}, "answer": "A", "score": 1, "mark": true},
       {"id": "0201-004", "type": "4", "text": "计算题：\n(1) 提现；\n(2) 月末余额。",
        "keys": ["借:库存现金=1000;贷:银行存款=1000", "5000"],
        "answer": "见分录", "explanation": "提现使现金增加。", "score": 10},
       {"id": "0201-005", "type": "5", "text": "案例：甲公司的情况如下。",
        "subquestions": [
          {"text": "小题一（ ）。", "type": "1", "options": {"A": "甲", "B": "乙"}, "answer": "B",
           "explanation": "乙。", "score": 2},
          {"text": "小题二（ ）。", "type": "2", "options": {"A": "甲", "B": "乙", "C": "丙"}, "answer": "AC",
           "score": 2}],
        "score": 4}]},
    {"id": "0291", "name": "模拟试卷一", "kind": "paper",
     "questions": [
       {"id": "0291-001", "type": "1", "text": "看图回答（ ）。",
        "options": {"A": "借方", "B": "贷方"}, "answer": "B", "score": 1, "picture": "p.png"}]}]})";

const char *const SecondCourseJson = R"({"id": "01", "name": "财经法规与会计职业道德", "docUrl": "",
  "chapters": [
    {"id": "0101", "name": "第一章 会计法律制度", "kind": "chapter",
     "questions": [
       {"id": "0101-001", "type": "1", "text": "会计法的立法宗旨是（ ）。",
        "options": {"A": "规范会计行为", "B": "增加收入"}, "answer": "A", "score": 1}]}]})";

// Sets (or with "<delete>" removes) the value at a path such as "chapters[0].questions[1].answer".
QJsonValue patched(const QJsonValue &node, QStringList path, const QJsonValue &value, bool remove)
{
    const QString head = path.takeFirst();
    if (head.startsWith(QLatin1Char('['))) {
        QJsonArray array = node.toArray();
        const int index = head.mid(1, head.size() - 2).toInt();
        if (path.isEmpty()) {
            if (remove)
                array.removeAt(index);
            else
                array[index] = value;
        } else {
            array[index] = patched(array.at(index), path, value, remove);
        }
        return array;
    }
    QJsonObject object = node.toObject();
    if (path.isEmpty()) {
        if (remove)
            object.remove(head);
        else
            object[head] = value;
    } else {
        object[head] = patched(object.value(head), path, value, remove);
    }
    return object;
}

QStringList splitPath(const QString &path)
{
    static const QRegularExpression segment(QStringLiteral("([^.\\[\\]]+)|(\\[\\d+\\])"));
    QStringList parts;
    for (auto it = segment.globalMatch(path); it.hasNext();)
        parts << it.next().captured(0);
    return parts;
}

// Writes the sound source into dir, changed as asked: a file's whole text, or one value.
void writeSource(const QString &dir, const QString &file = QString(), const QString &path = QString(),
                 const QString &json = QString())
{
    QDir root(dir);
    root.mkpath(QStringLiteral("courses"));
    root.mkpath(QStringLiteral("pictures"));
    QMap<QString, QJsonObject> files{{QStringLiteral("accounts.json"), parseObject(AccountsJson)},
                                     {QStringLiteral("pages.json"), parseObject(PagesJson)},
                                     {QStringLiteral("courses/c.json"), parseObject(CourseJson)},
                                     {QStringLiteral("courses/d.json"), parseObject(SecondCourseJson)}};
    QMap<QString, QByteArray> raw;
    if (!file.isEmpty() && path.isEmpty()) {
        raw[file] = json.toUtf8();
    } else if (!file.isEmpty()) {
        const bool remove = json == QLatin1String("<delete>");
        QJsonValue value;
        if (!remove) {
            const QJsonDocument wrapped = QJsonDocument::fromJson(("[" + json + "]").toUtf8());
            QVERIFY2(wrapped.isArray(), qPrintable(json));
            value = wrapped.array().at(0);
        }
        files[file] = patched(files[file], splitPath(path), value, remove).toObject();
    }
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        QFile f(root.filePath(it.key()));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(raw.contains(it.key()) ? raw.value(it.key()) : QJsonDocument(it.value()).toJson());
    }
    QFile picture(root.filePath(QStringLiteral("pictures/p.png")));
    QVERIFY(picture.open(QIODevice::WriteOnly));
    picture.write("not really a picture");
}

QStringList filesUnder(const QString &dir)
{
    QStringList files;
    QDirIterator it(dir, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(dir).relativeFilePath(it.next());
    files.sort();
    return files;
}

QByteArray contents(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Runs one statement on a built bank.
void alter(const QString &db, const QString &sql)
{
    TDataModuleMain dm(db);
    QSqlQuery query(dm.database());
    QVERIFY2(query.exec(sql), qPrintable(sql));
    QVERIFY(query.numRowsAffected() > 0);
}

QJsonObject choice(const QString &id, const char *type, const QStringList &options, const char *answer)
{
    QJsonObject letters;
    for (qsizetype i = 0; i < options.size(); ++i)
        letters.insert(QString(QChar(char16_t(u'A' + i))), options.at(i));
    return {{"id", id}, {"type", type}, {"text", "题（ ）。"}, {"options", letters}, {"answer", answer}, {"score", 1}};
}

QJsonObject trueFalse(const QString &id, const char *answer)
{
    return choice(id, "3", {"正确", "错误"}, answer);
}

// A course whose first paper leans every way a guess could use, whose second does not, whose
// third has no choice question, and whose practice chapter leans too but is no paper.
QJsonObject leaningCourse()
{
    const QStringList four{"甲", "乙", "丙", "丁"};
    QJsonObject kase{{"id", "0291-012"}, {"type", "5"}, {"text", "案例。"}, {"score", 3}};
    QJsonObject subSingle = choice("", "1", {"短", "短", "长长的选项", "短"}, "C");
    QJsonObject subMultiple = choice("", "2", four, "ABCD");
    QJsonObject subTrue = trueFalse("", "A");
    QJsonObject subFalse = trueFalse("", "B");
    QJsonArray subs;
    for (QJsonObject sub : {subSingle, subMultiple, subTrue, subFalse}) {
        sub.remove("id");
        subs.append(sub);
    }
    kase.insert("subquestions", subs);
    const QJsonArray leaning{
        choice("0291-001", "1", {"长长的选项", "短", "短", "短", "短"}, "A"),
        choice("0291-002", "1", {"短", "长长的选项", "短", "短"}, "B"),
        choice("0291-003", "1", {"一样长", "一样长", "短", "短"}, "A"),
        choice("0291-004", "2", four, "ABCD"),
        choice("0291-005", "2", four, "ABCD"),
        choice("0291-006", "2", {"甲", "乙", "丙", "丁", "戊"}, "ABCDE"),
        choice("0291-007", "2", four, "ABC"),
        trueFalse("0291-008", "A"),
        trueFalse("0291-009", "A"),
        trueFalse("0291-010", "A"),
        trueFalse("0291-011", "B"),
        kase};
    const QJsonArray balanced{
        choice("0292-001", "1", {"长长的选项", "短", "短", "短"}, "B"),
        choice("0292-002", "1", {"短", "短", "短", "短"}, "C"),
        choice("0292-003", "1", {"长长的选项", "长长的选项", "短", "短"}, "A"),
        choice("0292-004", "1", {"长长的选项", "乙", "丙", "丁"}, "D"),
        choice("0292-005", "2", four, "AC"),
        trueFalse("0292-006", "A"),
        trueFalse("0292-007", "B")};
    const QJsonArray calculation{QJsonObject{
        {"id", "0293-001"}, {"type", "4"}, {"text", "计算。"}, {"keys", QJsonArray{"5000"}}, {"score", 2}}};
    const QJsonArray practice{choice("0201-001", "2", four, "ABCD"), trueFalse("0201-002", "A")};
    const auto chapter = [](const char *id, const char *name, const char *kind, const QJsonArray &questions) {
        return QJsonObject{{"id", id}, {"name", name}, {"kind", kind}, {"questions", questions}};
    };
    return {{"id", "02"},
            {"name", "会计基础"},
            {"chapters", QJsonArray{chapter("0201", "第一章", "chapter", practice),
                                    chapter("0291", "偏的试卷", "paper", leaning),
                                    chapter("0292", "匀的试卷", "paper", balanced),
                                    chapter("0293", "只有计算题", "paper", calculation)}}};
}

QString sampleSource()
{
    return QFileInfo(QStringLiteral(__FILE__)).absoluteDir().filePath(QStringLiteral("../data/sample"));
}

}

class TestTools : public QObject
{
    Q_OBJECT

private slots:
    void soundSourceBuildsAndChecksClean()
    {
        QTemporaryDir tmp;
        writeSource(tmp.filePath(QStringLiteral("src")));
        const QString db = tmp.filePath(QStringLiteral("out/sys.db"));
        const Run build = qbank({QStringLiteral("build"), tmp.filePath(QStringLiteral("src")), QStringLiteral("-o"), db});
        QVERIFY2(build.code == 0, qPrintable(build.err));
        QVERIFY(QFileInfo(tmp.filePath(QStringLiteral("out/p.png"))).isFile());

        // The program reads what was built: texts deciphered, sub-questions split.
        TDataModuleMain dm(db);
        QSqlQuery q(dm.database());
        QVERIFY(q.exec(QStringLiteral("select I_DETAL, I_A, I_ANSWER, I_FAV, I_MARK from tabItem where I_ID = '0201-001'")));
        QVERIFY(q.next());
        QVERIFY(q.value(0).toString() != QStringLiteral("会计的基本职能是（ ）。"));
        QCOMPARE(TDataModuleMain::DcStr(q.value(0).toString()), QStringLiteral("会计的基本职能是（ ）。"));
        QCOMPARE(TDataModuleMain::DcStr(q.value(2).toString()), QStringLiteral("A"));
        QCOMPARE(q.value(3).toInt(), 1);
        QVERIFY(q.exec(QStringLiteral("select I_A, I_B, I_C from tabItem where I_ID = '0201-004'")));
        QVERIFY(q.next());
        QCOMPARE(TDataModuleMain::DcStr(q.value(0).toString()), QStringLiteral("借:库存现金=1000;贷:银行存款=1000"));
        QCOMPARE(TDataModuleMain::DcStr(q.value(1).toString()), QStringLiteral("5000"));
        QCOMPARE(TDataModuleMain::DcStr(q.value(2).toString()), QStringLiteral("-"));
        QVERIFY(q.exec(QStringLiteral("select EX_No, EX_TYPE, EX_SCORE from tabExItem where I_ID = '0201-005' order by EX_No")));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toInt(), 1);
        QVERIFY(q.next());
        QCOMPARE(q.value(1).toString(), QStringLiteral("2"));
        QVERIFY(q.exec(QStringLiteral("select M_ID, M_Type from tabZhangJie where Z_ID = '0291'")));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("02"));
        QCOMPARE(q.value(1).toString(), QStringLiteral("2"));

        const Run check = qbank({QStringLiteral("check"), db});
        QVERIFY2(check.code == 0, qPrintable(check.err));
        QVERIFY(check.out.contains(QStringLiteral(": ok: 2 courses, 3 chapters and papers, 7 questions")));
    }

    // A teacher sees at once when keys lean to one letter or one length.
    void checkShowsHowTheKeysLean()
    {
        QTemporaryDir tmp;
        writeSource(tmp.filePath(QStringLiteral("src")));
        const QString db = tmp.filePath(QStringLiteral("sys.db"));
        QCOMPARE(qbank({QStringLiteral("build"), tmp.filePath(QStringLiteral("src")), QStringLiteral("-o"), db}).code, 0);
        const Run check = qbank({QStringLiteral("check"), db});
        QVERIFY2(check.code == 0, qPrintable(check.err));
        const QStringList lines = check.out.split(QLatin1Char('\n')).mid(1);
        QCOMPARE(lines,
                 (QStringList{
                     "key letters (share of keys holding each letter; keys by number of letters):",
                     "  02 会计基础, single choice: 2 keys; A 50%, B 50%, C 0%, D 0%; 1 letter: 2",
                     "  02 会计基础, multiple choice: 1 key; A 100%, B 100%, C 0%, D 100%; 3 letters: 1",
                     "  02 会计基础, true/false: 1 key; A 100%, B 0%; 1 letter: 1",
                     "  02 会计基础, case sub-questions, single choice: 1 key; A 0%, B 100%; 1 letter: 1",
                     "  02 会计基础, case sub-questions, multiple choice: 1 key; A 100%, B 0%, C 100%; 2 letters: 1",
                     "  01 财经法规与会计职业道德, single choice: 1 key; A 100%, B 0%; 1 letter: 1",
                     "exam papers (keys a guess by pattern would find):",
                     "  0291 模拟试卷一:",
                     "    single choice: letters never keyed: A; key is the longest option: 0 of 1 (0%)",
                     ""}));
    }

    // Per paper, what ticking every option, answering 正确 throughout, leaving out a letter or
    // choosing the longest option would earn; practice chapters are not papers.
    void checkShowsHowEachPaperCanBeGuessed_data()
    {
        QTest::addColumn<QString>("paper");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("leaning paper")
            << "0291 偏的试卷"
            << QStringList{"    multiple choice, key names every option: 3 of 4 (75%); in case sub-questions 1 of 1 (100%)",
                           "    true/false, key A (正确): 3 of 4 (75%); in case sub-questions 1 of 2 (50%)",
                           "    single choice: letters never keyed: C, D, E; key is the longest option: 2 of 3 (67%); "
                           "in case sub-questions letters never keyed: A, B, D; key is the longest option: 1 of 1 (100%)"};
        QTest::newRow("balanced paper")
            << "0292 匀的试卷"
            << QStringList{"    multiple choice, key names every option: 0 of 1 (0%)",
                           "    true/false, key A (正确): 1 of 2 (50%)",
                           "    single choice: letters never keyed: none; key is the longest option: 0 of 4 (0%)"};
        QTest::newRow("paper without choice questions") << "0293 只有计算题" << QStringList{"    no choice questions"};
    }

    void checkShowsHowEachPaperCanBeGuessed()
    {
        QFETCH(QString, paper);
        QFETCH(QStringList, lines);
        QTemporaryDir tmp;
        const QString src = tmp.filePath(QStringLiteral("src"));
        writeSource(src, QStringLiteral("courses/c.json"), QString(),
                    QString::fromUtf8(QJsonDocument(leaningCourse()).toJson()));
        const QString db = tmp.filePath(QStringLiteral("sys.db"));
        const Run build = qbank({QStringLiteral("build"), src, QStringLiteral("-o"), db});
        QVERIFY2(build.code == 0, qPrintable(build.err));
        const Run check = qbank({QStringLiteral("check"), db});
        QVERIFY2(check.code == 0, qPrintable(check.err));

        const QStringList out = check.out.split(QLatin1Char('\n'));
        const qsizetype section = out.indexOf(QStringLiteral("exam papers (keys a guess by pattern would find):"));
        QVERIFY2(section > 0, qPrintable(check.out));
        QVERIFY2(!out.mid(section).join(QLatin1Char('\n')).contains(QStringLiteral("0201")), qPrintable(check.out));
        const qsizetype at = out.indexOf(QStringLiteral("  %1:").arg(paper), section);
        QVERIFY2(at > section, qPrintable(check.out));
        QCOMPARE(out.mid(at + 1, lines.size()), lines);
        QVERIFY(!out.value(at + 1 + lines.size()).startsWith(QStringLiteral("    ")));
    }

    void everyProblemIsReported_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("json");
        QTest::addColumn<QString>("expected");

        const QString q0 = QStringLiteral("chapters[0].questions[0]");
        const QString q1 = QStringLiteral("chapters[0].questions[1]");
        const QString q2 = QStringLiteral("chapters[0].questions[2]");
        const QString q3 = QStringLiteral("chapters[0].questions[3]");
        const QString q4 = QStringLiteral("chapters[0].questions[4]");
        const QString c = QStringLiteral("courses/c.json");
        const auto row = [&](const char *name, const QString &file, const QString &path, const QString &json,
                             const QString &expected) { QTest::newRow(name) << file << path << json << expected; };

        row("unknown type", c, q0 + ".type", "\"7\"", c + ": " + q0 + ".type: unknown type \"7\"");
        row("absent option", c, q0 + ".answer", "\"E\"", c + ": " + q0 + ".answer: letter \"E\" names an absent option");
        row("single of two letters", c, q0 + ".answer", "\"AB\"",
            c + ": " + q0 + ".answer: a single-choice answer takes one letter, not \"AB\"");
        row("true/false of two letters", c, q2 + ".answer", "\"AB\"",
            c + ": " + q2 + ".answer: a true/false answer takes one letter, not \"AB\"");
        row("letters out of order", c, q1 + ".answer", "\"BA\"",
            c + ": " + q1 + ".answer: letters of answer \"BA\" are not in A…F order");
        row("letter repeated", c, q1 + ".answer", "\"AAB\"", c + ": " + q1 + ".answer: letter \"A\" is repeated");
        row("not a letter", c, q1 + ".answer", "\"A,B\"", c + ": " + q1 + ".answer: \",\" in answer \"A,B\" is not an option letter");
        row("empty answer", c, q0 + ".answer", "\"\"", c + ": " + q0 + ".answer: answer is empty");
        row("sub-question answer", c, q4 + ".subquestions[1].answer", "\"AD\"",
            c + ": " + q4 + ".subquestions[1].answer: letter \"D\" names an absent option");
        row("key neither entry nor amount", c, q3 + ".keys[1]", "\"五千元\"",
            c + ": " + q3 + ".keys[1]: \"五千元\" is neither an entry list");
        row("amount with separator", c, q3 + ".keys[1]", "\"5,000\"", c + ": " + q3 + ".keys[1]: \"5,000\" is neither");
        row("entry line without =", c, q3 + ".keys[0]", "\"借:库存现金1000;贷:银行存款=1000\"",
            c + ": " + q3 + ".keys[0]: entry line 1 \"借:库存现金1000\" does not read 借:account=amount");
        row("entry line with a bad amount", c, q3 + ".keys[0]", "\"借:库存现金=1000;贷:银行存款=一千\"",
            c + ": " + q3 + ".keys[0]: entry line 2: amount \"一千\" is not a plain decimal number");
        row("entry line of an unknown account", c, q3 + ".keys[0]", "\"借:现金=1000;贷:银行存款=1000\"",
            c + ": " + q3 + ".keys[0]: entry line 1: account \"现金\" is not in accounts.json");
        row("empty entry line", c, q3 + ".keys[0]", "\"借:库存现金=1000;;贷:银行存款=1000\"",
            c + ": " + q3 + ".keys[0]: entry line 2 \"\" does not read");
        row("no keys", c, q3 + ".keys", "[]", c + ": " + q3 + ".keys: a calculation question needs 1 to 6 keys, not 0");
        row("seven keys", c, q3 + ".keys", "[\"1\", \"2\", \"3\", \"4\", \"5\", \"6\", \"7\"]",
            c + ": " + q3 + ".keys: a calculation question needs 1 to 6 keys, not 7");
        row("keys missing", c, q3 + ".keys", "<delete>", c + ": " + q3 + ".keys: missing");
        row("case without sub-questions", c, q4 + ".subquestions", "[]",
            c + ": " + q4 + ".subquestions: a case question needs sub-questions");
        row("case sub-questions missing", c, q4 + ".subquestions", "<delete>",
            c + ": " + q4 + ".subquestions: a case question needs sub-questions");
        row("missing picture", c, "chapters[1].questions[0].picture", "\"nope.png\"",
            c + ": chapters[1].questions[0].picture: picture \"nope.png\" is missing from pictures/");
        row("picture with a folder", c, "chapters[1].questions[0].picture", "\"../p.png\"",
            c + ": chapters[1].questions[0].picture: picture \"../p.png\" must be a plain file name");
        row("duplicate question", c, q1 + ".id", "\"0201-001\"",
            c + ": " + q1 + ".id: duplicate question id \"0201-001\" (first at " + c + ": " + q0 + ")");
        row("duplicate question across courses", "courses/d.json", "chapters[0].questions[0].id", "\"0201-001\"",
            "courses/d.json: chapters[0].questions[0].id: duplicate question id \"0201-001\" (first at " + c + ": " + q0 + ")");
        row("duplicate chapter", c, "chapters[1].id", "\"0201\"",
            c + ": chapters[1].id: duplicate chapter id \"0201\" (first at " + c + ": chapters[0])");
        row("duplicate course", "courses/d.json", "id", "\"02\"",
            "courses/d.json: id: duplicate course id \"02\" (first at " + c + ")");
        row("duplicate account", "accounts.json", "accounts[1].children[0].id", "\"1001\"",
            "accounts.json: accounts[1].children[0].id: duplicate account id \"1001\" (first at accounts.json: accounts[0].children[0])");
        row("text outside GBK", c, q0 + ".text", "\"价格¥5\"",
            c + ": " + q0 + ".text: character \"¥\" (U+00A5, at 3) is not in the GBK code page");
        row("option outside GBK", c, q0 + ".options.B", "\"😀\"",
            c + ": " + q0 + ".options.B: character \"😀\" (U+1F600, at 1) is not in the GBK code page");
        row("key outside GBK", c, q3 + ".keys[1]", "\"5000₩\"", c + ": " + q3 + ".keys[1]: character \"₩\" (U+20A9, at 5)");
        // Columns count characters, not the bytes of the UTF-8 text.
        row("bad JSON", c, QString(), "{\n  \"id\": \"02\",\n  \"name\": \"会计基础\", \"docUrl\": x\n}",
            c + ": line 3, column 29: bad JSON:");
        row("bad JSON in accounts", "accounts.json", QString(), "{\"accounts\": [\n  {\"id\": 1001}\n  {\"id\": 2}]}",
            "accounts.json: line 3, column 4: bad JSON:");
        row("not an object", "pages.json", QString(), "[]", "pages.json: must hold one JSON object");
        row("unknown chapter kind", c, "chapters[1].kind", "\"exam\"",
            c + ": chapters[1].kind: kind \"exam\" is neither \"chapter\" nor \"paper\"");
        row("unknown field", c, q0 + ".explaination", "\"拼错\"", c + ": " + q0 + ".explaination: unknown field");
        // Points are whole numbers from 0 to 1000; the message says so whatever was given, once.
        row("score as text", c, q0 + ".score", "\"1\"",
            c + ": " + q0 + ".score: must be a whole number from 0 to 1000, not a text\n1 problem");
        row("negative score", c, q0 + ".score", "-5", c + ": " + q0 + ".score: must be a whole number from 0 to 1000, not -5");
        row("fractional score", c, q1 + ".score", "1.5", c + ": " + q1 + ".score: must be a whole number from 0 to 1000, not 1.5");
        row("score past the most", c, q0 + ".score", "1001",
            c + ": " + q0 + ".score: must be a whole number from 0 to 1000, not 1001");
        row("score past int", c, q0 + ".score", "2147483647",
            c + ": " + q0 + ".score: must be a whole number from 0 to 1000, not 2147483647");
        row("score of 1e23", c, q3 + ".score", "1e23",
            c + ": " + q3 + ".score: must be a whole number from 0 to 1000, not 1e+23");
        row("score missing", c, q0 + ".score", "<delete>", c + ": " + q0 + ".score: missing\n1 problem");
        row("sub-question score negative", c, q4 + ".subquestions[1].score", "-1",
            c + ": " + q4 + ".subquestions[1].score: must be a whole number from 0 to 1000, not -1");
        row("sub-question score missing", c, q4 + ".subquestions[0].score", "<delete>",
            c + ": " + q4 + ".subquestions[0].score: missing");
        row("sub-question score past int", c, q4 + ".subquestions[0].score", "1000000000",
            c + ": " + q4 + ".subquestions[0].score: must be a whole number from 0 to 1000, not 1000000000");
        row("sub-question scores add up past the most", c, q4 + ".subquestions[0].score", "999",
            c + ": " + q4 + ".subquestions: the sub-questions' scores add up to 1001; together they must be from 0 to 1000");
        row("type as a number", c, q0 + ".type", "1", c + ": " + q0 + ".type: must be a text, not a number\n1 problem");
        row("sub-question type as a number", c, q4 + ".subquestions[0].type", "2",
            c + ": " + q4 + ".subquestions[0].type: must be a text, not a number\n1 problem");
        row("options as a text", c, q0 + ".options", "\"A\"", c + ": " + q0 + ".options: must be an object, not a text\n1 problem");
        row("keys as a text", c, q3 + ".keys", "\"5000\"", c + ": " + q3 + ".keys: must be a list, not a text\n1 problem");
        row("key as a number", c, q3 + ".keys[1]", "5000", c + ": " + q3 + ".keys[1]: must be a text, not a number\n1 problem");
        row("keyed option as a number", c, q0 + ".options.A", "1",
            c + ": " + q0 + ".options.A: must be a text, not a number\n1 problem");
        row("sub-questions as an object", c, q4 + ".subquestions", "{}",
            c + ": " + q4 + ".subquestions: must be a list, not an object\n1 problem");
        row("options on a calculation", c, q3 + ".options", "{\"A\": \"x\"}",
            c + ": " + q3 + ".options: a calculation question takes keys, not options");
        row("option letter G", c, q0 + ".options.G", "\"x\"", c + ": " + q0 + ".options.G: \"G\" is not an option letter");
        row("option text dash", c, q0 + ".options.B", "\"-\"", c + ": " + q0 + ".options.B: option text is empty");
        row("one option", c, q2 + ".options", "{\"A\": \"正确\"}", c + ": " + q2 + ".options: a choice question needs at least two options");
        row("empty stem", c, q0 + ".text", "\"\"", c + ": " + q0 + ".text: is empty");
        row("empty key", c, q3 + ".keys[1]", "\"\"", c + ": " + q3 + ".keys[1]: key is empty (write \"-\" for an absent");
        row("only absent keys", c, q3 + ".keys", "[\"-\", \"-\"]",
            c + ": " + q3 + ".keys: a calculation question needs 1 to 6 keys, not 0");
        row("keys past F", c, q3 + ".keys", "[\"1\", \"-\", \"3\", \"4\", \"5\", \"6\", \"7\"]",
            c + ": " + q3 + ".keys: keys and absent places (\"-\") take 7 places; there are 6 (A to F)");
        row("sub-question number 0", c, q4 + ".subquestions[0].no", "0",
            c + ": " + q4 + ".subquestions[0].no: must be a whole number from 1 to 1000, not 0\n1 problem");
        // The second sub-question is number 2 by its place.
        row("sub-question number twice", c, q4 + ".subquestions[0].no", "2",
            c + ": " + q4 + ".subquestions[1].no: number 2 is used twice in the question (first at " + c + ": " + q4
                + ".subquestions[0])");
        row("sub-question number as text", c, q4 + ".subquestions[0].no", "\"1\"",
            c + ": " + q4 + ".subquestions[0].no: must be a whole number from 1 to 1000, not a text\n1 problem");
        row("sub-question number past int", c, q4 + ".subquestions[1].no", "4294967297",
            c + ": " + q4 + ".subquestions[1].no: must be a whole number from 1 to 1000, not 4294967297");
        // A missing field is reported once, not also as empty.
        row("missing id", c, q0 + ".id", "<delete>", c + ": " + q0 + ".id: missing\n1 problem; nothing written");
        row("missing answer", c, q0 + ".answer", "<delete>", c + ": " + q0 + ".answer: missing\n1 problem; nothing written");
    }

    void everyProblemIsReported()
    {
        QFETCH(QString, file);
        QFETCH(QString, path);
        QFETCH(QString, json);
        QFETCH(QString, expected);
        QTemporaryDir tmp;
        const QString src = tmp.filePath(QStringLiteral("src"));
        writeSource(src, file, path, json);
        const QString db = tmp.filePath(QStringLiteral("out/sys.db"));
        const Run run = qbank({QStringLiteral("build"), src, QStringLiteral("-o"), db});
        QCOMPARE(run.code, 1);
        QVERIFY2(run.err.contains(expected), qPrintable(run.err));
        QVERIFY(run.err.contains(QStringLiteral("nothing written")));
        QVERIFY(!QFileInfo::exists(db));
        QVERIFY(!QFileInfo::exists(tmp.filePath(QStringLiteral("out/p.png"))));
    }

    void problemsInSeveralFilesAreAllListed()
    {
        QTemporaryDir tmp;
        const QString src = tmp.filePath(QStringLiteral("src"));
        writeSource(src, QStringLiteral("courses/c.json"), QStringLiteral("chapters[0].questions[0].answer"),
                    QStringLiteral("\"E\""));
        QFile broken(QDir(src).filePath(QStringLiteral("courses/d.json")));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("{ \"id\": ");
        broken.close();
        const Run run = qbank({QStringLiteral("build"), src, QStringLiteral("-o"), tmp.filePath(QStringLiteral("sys.db"))});
        QCOMPARE(run.code, 1);
        QVERIFY2(run.err.contains(QStringLiteral("courses/c.json: chapters[0].questions[0].answer: letter \"E\"")),
                 qPrintable(run.err));
        QVERIFY2(run.err.contains(QStringLiteral("courses/d.json: line 1, column 9: bad JSON")), qPrintable(run.err));
        QVERIFY(run.err.contains(QStringLiteral("2 problems; nothing written")));
    }

    void acceptedVariants_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("json");
        QTest::newRow("trailing semicolon") << "chapters[0].questions[3].keys[0]"
                                            << "\"借:库存现金=1000;贷:银行存款=1000;\"";
        QTest::newRow("one key") << "chapters[0].questions[3].keys" << "[\"5000\"]";
        QTest::newRow("six keys") << "chapters[0].questions[3].keys" << "[\"1\", \"2\", \"3\", \"4\", \"5\", \"6.5\"]";
        QTest::newRow("negative amount") << "chapters[0].questions[3].keys[1]" << "\"-200.50\"";
        QTest::newRow("sub-account in an entry") << "chapters[0].questions[3].keys[0]"
                                                 << "\"借:应交增值税=130;贷:银行存款=130\"";
        QTest::newRow("multiple choice of one letter") << "chapters[0].questions[1].answer" << "\"B\"";
        QTest::newRow("case score left out") << "chapters[0].questions[4].score" << "<delete>";
        QTest::newRow("fullwidth yen") << "chapters[0].questions[0].text" << "\"价格￥5\"";
        QTest::newRow("absent key in the middle") << "chapters[0].questions[3].keys" << "[\"1\", \"-\", \"3\"]";
        QTest::newRow("six keys after an absent one")
            << "chapters[0].questions[3].keys" << "[\"-\", \"1\", \"2\", \"3\", \"4\", \"5\"]";
        QTest::newRow("trailing absent key") << "chapters[0].questions[3].keys" << "[\"1\", \"-\"]";
        QTest::newRow("sub-question numbered") << "chapters[0].questions[4].subquestions[0].no" << "3";
        QTest::newRow("score 0") << "chapters[0].questions[0].score" << "0";
        QTest::newRow("score 1000") << "chapters[0].questions[3].score" << "1000";
        QTest::newRow("score written 2.0") << "chapters[0].questions[0].score" << "2.0";
        QTest::newRow("sub-question scores add up to 1000") << "chapters[0].questions[4].subquestions[0].score" << "998";
    }

    void acceptedVariants()
    {
        QFETCH(QString, path);
        QFETCH(QString, json);
        QTemporaryDir tmp;
        writeSource(tmp.filePath(QStringLiteral("src")), QStringLiteral("courses/c.json"), path, json);
        const Run run = qbank({QStringLiteral("build"), tmp.filePath(QStringLiteral("src")), QStringLiteral("-o"),
                               tmp.filePath(QStringLiteral("sys.db"))});
        QVERIFY2(run.code == 0, qPrintable(run.err));
    }

    // Each side of an entry adds up in whole cents, and an entry has both sides.
    void entryKeysBalance_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected"); // empty: the bank builds
        QTest::newRow("two lines") << "借:库存现金=1000;贷:银行存款=1000" << "";
        QTest::newRow("three lines") << "借:银行存款=1130;贷:库存现金=1000;贷:应交增值税=130" << "";
        QTest::newRow("0.10 + 0.20 = 0.30") << "借:库存现金=0.10;借:应交增值税=0.20;贷:银行存款=0.30" << "";
        QTest::newRow("one decimal against two") << "借:库存现金=1000.5;贷:银行存款=1000.50" << "";
        QTest::newRow("unbalanced") << "借:库存现金=1000;贷:银行存款=900"
                                    << "keys[0]: debits 1000.00 and credits 900.00 do not balance";
        QTest::newRow("a cent off") << "借:库存现金=0.10;借:应交增值税=0.20;贷:银行存款=0.31"
                                    << "keys[0]: debits 0.30 and credits 0.31 do not balance";
        QTest::newRow("debit side only") << "借:库存现金=1000" << "keys[0]: the entry has debit (借) lines only";
        QTest::newRow("credit side only") << "贷:库存现金=500;贷:银行存款=500" << "keys[0]: the entry has credit (贷) lines only";
        QTest::newRow("fractions of a cent") << "借:库存现金=0.005;贷:银行存款=0.005"
                                             << "keys[0]: entry line 1: amount \"0.005\" is not in yuan and fen";
    }

    void entryKeysBalance()
    {
        QFETCH(QString, key);
        QFETCH(QString, expected);
        QTemporaryDir tmp;
        const QString src = tmp.filePath(QStringLiteral("src"));
        writeSource(src, QStringLiteral("courses/c.json"), QStringLiteral("chapters[0].questions[3].keys[0]"),
                    QStringLiteral("\"%1\"").arg(key));
        const Run run = qbank({QStringLiteral("build"), src, QStringLiteral("-o"), tmp.filePath(QStringLiteral("sys.db"))});
        if (expected.isEmpty()) {
            QVERIFY2(run.code == 0, qPrintable(run.err));
            return;
        }
        QCOMPARE(run.code, 1);
        QVERIFY2(run.err.contains(QStringLiteral("courses/c.json: chapters[0].questions[3].") + expected), qPrintable(run.err));
    }

    void missingLocalPageIsOnlyAWarning()
    {
        QTemporaryDir tmp;
        writeSource(tmp.filePath(QStringLiteral("src")));
        QDir(tmp.filePath(QStringLiteral("src"))).mkpath(QStringLiteral("html/jy"));
        QFile page(tmp.filePath(QStringLiteral("src/html/jy/0201.htm")));
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.close();
        const Run run = qbank({QStringLiteral("build"), tmp.filePath(QStringLiteral("src")), QStringLiteral("-o"),
                               tmp.filePath(QStringLiteral("sys.db"))});
        QCOMPARE(run.code, 0);
        QVERIFY2(run.err.contains(QStringLiteral("warning: pages.json: guide[0].page: page \"guide/dg.htm\" is not under")),
                 qPrintable(run.err));
        QVERIFY(!run.err.contains(QStringLiteral("jy/0201.htm")));
        QVERIFY(!run.err.contains(QStringLiteral("acctprep.example.org")));
    }

    void existingBankIsReplacedOnlyWithForce()
    {
        QTemporaryDir tmp;
        const QString src = tmp.filePath(QStringLiteral("src"));
        writeSource(src);
        const QString db = tmp.filePath(QStringLiteral("sys.db"));
        QCOMPARE(qbank({QStringLiteral("build"), src, QStringLiteral("-o"), db}).code, 0);
        const QByteArray first = contents(db);

        const Run again = qbank({QStringLiteral("build"), src, QStringLiteral("-o"), db});
        QCOMPARE(again.code, 1);
        QVERIFY2(again.err.contains(QStringLiteral("exists; nothing written (use --force")), qPrintable(again.err));
        QCOMPARE(contents(db), first);

        const Run synth = qbank({QStringLiteral("synth"), QStringLiteral("--questions"), QStringLiteral("10"),
                                 QStringLiteral("-o"), db});
        QCOMPARE(synth.code, 1);
        QCOMPARE(contents(db), first);

        // A source with a problem leaves the old bank whole, even with --force.
        writeSource(src, QStringLiteral("courses/c.json"), QStringLiteral("chapters[0].questions[0].answer"),
                    QStringLiteral("\"Z\""));
        QCOMPARE(qbank({QStringLiteral("build"), src, QStringLiteral("-o"), db, QStringLiteral("--force")}).code, 1);
        QCOMPARE(contents(db), first);

        writeSource(src);
        const Run forced = qbank({QStringLiteral("build"), src, QStringLiteral("-o"), db, QStringLiteral("--force")});
        QVERIFY2(forced.code == 0, qPrintable(forced.err));
        QVERIFY(!QFileInfo::exists(db + QStringLiteral(".part")));
        QCOMPARE(qbank({QStringLiteral("check"), db}).code, 0);

        const QString exported = tmp.filePath(QStringLiteral("export"));
        QCOMPARE(qbank({QStringLiteral("export"), db, QStringLiteral("-o"), exported}).code, 0);
        QCOMPARE(qbank({QStringLiteral("export"), db, QStringLiteral("-o"), exported}).code, 1);
        QCOMPARE(qbank({QStringLiteral("export"), db, QStringLiteral("-o"), exported, QStringLiteral("--force")}).code, 0);
    }

    void rebuildKeepsTheLearnersRecords()
    {
        QTemporaryDir tmp;
        const QString src = tmp.filePath(QStringLiteral("src"));
        writeSource(src);
        const QString db = tmp.filePath(QStringLiteral("sys.db"));
        const QStringList keepBuild{QStringLiteral("build"), src, QStringLiteral("-o"), db,
                                    QStringLiteral("--keep-records")};
        QCOMPARE(qbank(keepBuild).code, 0); // no bank yet: a plain build
        const QString firstId = QStringLiteral("0201-001"); // chapters[0].questions[0] of courses/c.json
        {
            TDataModuleMain dm(db);
            QSqlQuery q(dm.database());
            dm.InsertTestInfo(QStringLiteral("20261209100000"), "8", "2", "10", "0", "00:10:00",
                              QStringLiteral("章节练习"), QStringLiteral("会计基础"), QStringLiteral("第一章"), 8);
            dm.SetLogin(1, QStringLiteral("li"), QStringLiteral("pw"));
            QVERIFY(q.exec(QStringLiteral("insert into tabErrItemHisLog values('20261209', '%1')").arg(firstId)));
            QVERIFY(q.exec(QStringLiteral("update tabItem set I_FAV = 1 where I_ID = '%1'").arg(firstId)));
        }
        // The source changes; the rebuilt bank takes the new text and keeps the records.
        writeSource(src, QStringLiteral("courses/c.json"), QStringLiteral("chapters[0].questions[0].text"),
                    QStringLiteral("\"改过的题目\""));
        const Run rebuilt = qbank(keepBuild);
        QVERIFY2(rebuilt.code == 0, qPrintable(rebuilt.err));
        TDataModuleMain dm(db);
        QSqlQuery q(dm.database());
        const auto count = [&](const QString &sql) {
            return q.exec(sql) && q.next() ? q.value(0).toInt() : -1;
        };
        QCOMPARE(count(QStringLiteral("select count(*) from tabTestHis where TEST_ID = '20261209100000'")), 1);
        QCOMPARE(count(QStringLiteral("select count(*) from tabErrItemHisLog")), 1);
        QCOMPARE(count(QStringLiteral("select I_FAV from tabItem where I_ID = '%1'").arg(firstId)), 1);
        QVERIFY(dm.ValidLogin(QStringLiteral("li"), QStringLiteral("pw")));
        QVERIFY(q.exec(QStringLiteral("select I_DETAL from tabItem where I_ID = '%1'").arg(firstId)) && q.next());
        QCOMPARE(TDataModuleMain::DcStr(q.value(0).toString()), QStringLiteral("改过的题目"));
    }

    void rebuildKeepsRecordsWhateverTheColumnOrder()
    {
        QTemporaryDir tmp;
        const QString src = tmp.filePath(QStringLiteral("src"));
        writeSource(src);
        const QString db = tmp.filePath(QStringLiteral("sys.db"));
        QCOMPARE(qbank({QStringLiteral("build"), src, QStringLiteral("-o"), db}).code, 0);
        {
            // The record tables made again with their columns in reverse order: the program
            // reads them by name, so they are a sound bank.
            TDataModuleMain dm(db);
            QSqlQuery q(dm.database());
            for (const char *sql :
                 {"drop table tabTestHis",
                  "create table tabTestHis (TEST_DEFEN INTEGER, TEST_MANFEN INTEGER, TEST_ZhangJie TEXT, "
                  "TEST_KeCheng TEXT, TEST_SCORE INTEGER, TEST_TYPE TEXT, TEST_TIME TEXT, TEST_NOTDO TEXT, "
                  "TEST_HAVDO TEXT, TEST_FALSE TEXT, TEST_TRUE TEXT, TEST_ID TEXT PRIMARY KEY)",
                  "drop table tabErrItemHisLog", "create table tabErrItemHisLog (ERR_I_ID TEXT, ERR_DATE TEXT)",
                  "drop table tabUserLogin", "create table tabUserLogin (UserPass TEXT, UserName TEXT)",
                  "insert into tabErrItemHisLog(ERR_DATE, ERR_I_ID) values('20261209', '0201-002')"})
                QVERIFY2(q.exec(QLatin1String(sql)), sql);
            dm.InsertTestInfo(QStringLiteral("20261209100000"), "8", "2", "10", "1", "00:10:00",
                              QStringLiteral("章节练习"), QStringLiteral("会计基础"), QStringLiteral("第一章"), 80,
                              10050, 8025);
            dm.SetLogin(1, QStringLiteral("li"), QStringLiteral("pw"));
        }
        const Run rebuilt = qbank({QStringLiteral("build"), src, QStringLiteral("-o"), db, QStringLiteral("--keep-records")});
        QVERIFY2(rebuilt.code == 0, qPrintable(rebuilt.err));

        TDataModuleMain dm(db);
        QSqlQuery q(dm.database());
        QVERIFY(q.exec(QStringLiteral("select TEST_ID, TEST_TRUE, TEST_FALSE, TEST_HAVDO, TEST_NOTDO, TEST_TIME, "
                                      "TEST_TYPE, TEST_SCORE, TEST_KeCheng, TEST_ZhangJie, TEST_MANFEN, TEST_DEFEN "
                                      "from tabTestHis")));
        QVERIFY(q.next());
        QStringList values;
        for (int i = 0; i < 12; ++i)
            values << q.value(i).toString();
        QCOMPARE(values, (QStringList{QStringLiteral("20261209100000"), QStringLiteral("8"), QStringLiteral("2"),
                                      QStringLiteral("10"), QStringLiteral("1"), QStringLiteral("00:10:00"),
                                      QStringLiteral("章节练习"), QStringLiteral("80"), QStringLiteral("会计基础"),
                                      QStringLiteral("第一章"), QStringLiteral("10050"), QStringLiteral("8025")}));
        QVERIFY(!q.next());
        QVERIFY(q.exec(QStringLiteral("select ERR_DATE, ERR_I_ID from tabErrItemHisLog")) && q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("20261209"));
        QCOMPARE(q.value(1).toString(), QStringLiteral("0201-002"));
        QVERIFY(dm.ValidLogin(QStringLiteral("li"), QStringLiteral("pw")));
    }

    void rebuildKeepsTheExamInProgress()
    {
        QTemporaryDir tmp;
        const QString src = tmp.filePath(QStringLiteral("src"));
        writeSource(src);
        const QString db = tmp.filePath(QStringLiteral("sys.db"));
        QCOMPARE(qbank({QStringLiteral("build"), src, QStringLiteral("-o"), db}).code, 0);
        TSavedExam exam;
        exam.Test_ID = QStringLiteral("20240603090000");
        exam.KeChengID = QStringLiteral("02");
        exam.KeChengName = QStringLiteral("会计基础");
        exam.ZhangJieID = QStringLiteral("02");
        exam.ZhangJieName = QStringLiteral("随机考试");
        exam.LXMode = QStringLiteral("First");
        exam.StartTime = QDateTime(QDate(2024, 6, 3), QTime(9, 0, 0, 250));
        exam.UsedMsecs = 754321;
        exam.ItemIndex = 1;
        exam.Timed = false;
        exam.records = {{QStringLiteral("0201-002"), 1, QStringLiteral("AC"), 0, 2, true},
                        {QStringLiteral("0201-001"), 1, QString(), 0, 3, false}};
        {
            TDataModuleMain dm(db);
            dm.SaveExam(exam);
        }
        const Run rebuilt = qbank({QStringLiteral("build"), src, QStringLiteral("-o"), db, QStringLiteral("--keep-records")});
        QVERIFY2(rebuilt.code == 0, qPrintable(rebuilt.err));
        {
            TDataModuleMain dm(db);
            TSavedExam back;
            QVERIFY(dm.LoadSavedExam(back));
            QCOMPARE(back.Test_ID, exam.Test_ID);
            QCOMPARE(back.ZhangJieName, exam.ZhangJieName);
            QCOMPARE(back.StartTime, exam.StartTime);
            QCOMPARE(back.UsedMsecs, exam.UsedMsecs);
            QCOMPARE(back.ItemIndex, 1);
            QCOMPARE(back.records.size(), 2);
            QCOMPARE(back.records.at(0).UserAnswer, QStringLiteral("AC"));
            QVERIFY(back.records.at(0).ItemMark);
            QCOMPARE(back.records.at(1).ItemID, QStringLiteral("0201-001"));
            QCOMPARE(back.records.at(1).UserAnswer, QString(""));
            QVERIFY(!back.Timed);
            // Saved before an exam could go untimed: it comes over, timed as it then was.
            QSqlQuery q(dm.database());
            QVERIFY(q.exec(QStringLiteral("alter table tabExamSave drop column TIMED")));
        }
        const Run older = qbank({QStringLiteral("build"), src, QStringLiteral("-o"), db, QStringLiteral("--keep-records")});
        QVERIFY2(older.code == 0, qPrintable(older.err));
        {
            TDataModuleMain dm(db);
            TSavedExam back;
            QVERIFY(dm.LoadSavedExam(back));
            QCOMPARE(back.Test_ID, exam.Test_ID);
            QCOMPARE(back.records.size(), 2);
            QVERIFY(back.Timed);
            // A bank from before the exam was kept rebuilds as well, with the tables.
            QSqlQuery q(dm.database());
            QVERIFY(q.exec(QStringLiteral("drop table tabExamSaveItem")));
            QVERIFY(q.exec(QStringLiteral("drop table tabExamSave")));
        }
        const Run old = qbank({QStringLiteral("build"), src, QStringLiteral("-o"), db, QStringLiteral("--keep-records")});
        QVERIFY2(old.code == 0, qPrintable(old.err));
        TDataModuleMain dm(db);
        QVERIFY(dm.database().tables().contains(QStringLiteral("tabExamSave")));
        TSavedExam none;
        QVERIFY(!dm.LoadSavedExam(none));
    }

    void rebuildRefusesToDropRecordsItCannotRead()
    {
        QTemporaryDir tmp;
        const QString src = tmp.filePath(QStringLiteral("src"));
        writeSource(src);
        const QString db = tmp.filePath(QStringLiteral("sys.db"));
        {
            QFile garbage(db);
            QVERIFY(garbage.open(QIODevice::WriteOnly));
            garbage.write(QByteArray("not a bank").repeated(50));
        }
        const QByteArray before = contents(db);
        const Run run = qbank({QStringLiteral("build"), src, QStringLiteral("-o"), db, QStringLiteral("--keep-records")});
        QCOMPARE(run.code, 1);
        QVERIFY2(run.err.contains(db), qPrintable(run.err));
        QCOMPARE(contents(db), before);
    }

    void exportBuildExportGivesTheSameFiles()
    {
        QTemporaryDir tmp;
        const QString src = tmp.filePath(QStringLiteral("src"));
        writeSource(src);
        const auto step = [&](const QStringList &args) {
            const Run run = qbank(args);
            QVERIFY2(run.code == 0, qPrintable(run.err));
        };
        step({QStringLiteral("build"), src, QStringLiteral("-o"), tmp.filePath(QStringLiteral("a/sys.db"))});
        step({QStringLiteral("export"), tmp.filePath(QStringLiteral("a/sys.db")), QStringLiteral("-o"), tmp.filePath(QStringLiteral("e1"))});
        step({QStringLiteral("build"), tmp.filePath(QStringLiteral("e1")), QStringLiteral("-o"), tmp.filePath(QStringLiteral("b/sys.db"))});
        step({QStringLiteral("export"), tmp.filePath(QStringLiteral("b/sys.db")), QStringLiteral("-o"), tmp.filePath(QStringLiteral("e2"))});

        const QStringList files = filesUnder(tmp.filePath(QStringLiteral("e1")));
        QCOMPARE(files, (QStringList{QStringLiteral("accounts.json"), QStringLiteral("courses/01.json"),
                                     QStringLiteral("courses/02.json"), QStringLiteral("pages.json"),
                                     QStringLiteral("pictures/p.png")}));
        QCOMPARE(filesUnder(tmp.filePath(QStringLiteral("e2"))), files);
        for (const QString &file : files)
            QCOMPARE(contents(tmp.filePath(QStringLiteral("e2/") + file)), contents(tmp.filePath(QStringLiteral("e1/") + file)));

        // The export says what the source said, in the format's own key order.
        const QByteArray course = contents(tmp.filePath(QStringLiteral("e1/courses/02.json")));
        QCOMPARE(QJsonDocument::fromJson(course).object(), parseObject(CourseJson));
        QCOMPARE(QJsonDocument::fromJson(contents(tmp.filePath(QStringLiteral("e1/accounts.json")))).object(),
                 parseObject(AccountsJson));
        QCOMPARE(QJsonDocument::fromJson(contents(tmp.filePath(QStringLiteral("e1/pages.json")))).object(),
                 parseObject(PagesJson));
        QVERIFY(course.startsWith("{\n  \"id\": \"02\",\n  \"name\": \"会计基础\","));
        QVERIFY(course.indexOf("\"text\"") < course.indexOf("\"options\""));
    }

    // A course without chapters and a chapter without questions come back as they were.
    void exportKeepsEmptyCoursesAndChapters()
    {
        QTemporaryDir tmp;
        const QString src = tmp.filePath(QStringLiteral("src"));
        writeSource(src, QStringLiteral("courses/d.json"), QStringLiteral("chapters"), QStringLiteral("[]"));
        QJsonObject course = parseObject(CourseJson);
        QJsonArray chapters = course.value(QStringLiteral("chapters")).toArray();
        QJsonObject empty = chapters.at(1).toObject();
        empty[QStringLiteral("id")] = QStringLiteral("0292");
        empty[QStringLiteral("questions")] = QJsonArray();
        chapters.append(empty);
        course[QStringLiteral("chapters")] = chapters;
        QFile file(QDir(src).filePath(QStringLiteral("courses/c.json")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QJsonDocument(course).toJson());
        file.close();

        const QString db = tmp.filePath(QStringLiteral("a/sys.db"));
        const Run build = qbank({QStringLiteral("build"), src, QStringLiteral("-o"), db});
        QVERIFY2(build.code == 0, qPrintable(build.err));
        const Run run = qbank({QStringLiteral("export"), db, QStringLiteral("-o"), tmp.filePath(QStringLiteral("e"))});
        QVERIFY2(run.code == 0, qPrintable(run.err));
        const QByteArray second = contents(tmp.filePath(QStringLiteral("e/courses/01.json")));
        QVERIFY(second.contains("\"chapters\": []\n}\n"));
        QCOMPARE(QJsonDocument::fromJson(second).object(), QJsonDocument::fromJson(contents(QDir(src).filePath(QStringLiteral("courses/d.json")))).object());
        QCOMPARE(QJsonDocument::fromJson(contents(tmp.filePath(QStringLiteral("e/courses/02.json")))).object(), course);
    }

    // What the learner sees of a question hangs on its numbering: absent keys keep the places
    // of the keys after them, and case sub-questions keep their own numbers.
    void numberingSurvivesExportAndBuild_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("json");
        QTest::addColumn<QString>("id");
        QTest::addColumn<QList<int>>("indexes");
        QTest::newRow("absent key in the middle")
            << "chapters[0].questions[3].keys" << "[\"借:库存现金=1000;贷:银行存款=1000\", \"500\", \"-\", \"300\"]"
            << "0201-004" << QList<int>{1, 2, 4};
        QTest::newRow("case sub-questions numbered 2, 5, 7")
            << "chapters[0].questions[4].subquestions"
            << R"([{"no": 2, "text": "小题一（ ）。", "type": "1", "options": {"A": "甲", "B": "乙"}, "answer": "B", "score": 1},
                  {"no": 5, "text": "小题二（ ）。", "type": "3", "options": {"A": "正确", "B": "错误"}, "answer": "A", "score": 1},
                  {"no": 7, "text": "小题三（ ）。", "type": "2", "options": {"A": "甲", "B": "乙", "C": "丙"}, "answer": "BC", "score": 2}])"
            << "0201-005" << QList<int>{2, 5, 7};
    }

    void numberingSurvivesExportAndBuild()
    {
        QFETCH(QString, path);
        QFETCH(QString, json);
        QFETCH(QString, id);
        QFETCH(QList<int>, indexes);
        QTemporaryDir tmp;
        const QString src = tmp.filePath(QStringLiteral("src"));
        writeSource(src, QStringLiteral("courses/c.json"), path, json);
        const auto step = [&](const QStringList &args) {
            const Run run = qbank(args);
            QVERIFY2(run.code == 0, qPrintable(run.err));
        };
        const QString a = tmp.filePath(QStringLiteral("a/sys.db"));
        step({QStringLiteral("build"), src, QStringLiteral("-o"), a});
        step({QStringLiteral("check"), a});
        step({QStringLiteral("export"), a, QStringLiteral("-o"), tmp.filePath(QStringLiteral("e1"))});
        step({QStringLiteral("build"), tmp.filePath(QStringLiteral("e1")), QStringLiteral("-o"), tmp.filePath(QStringLiteral("b/sys.db"))});
        step({QStringLiteral("export"), tmp.filePath(QStringLiteral("b/sys.db")), QStringLiteral("-o"), tmp.filePath(QStringLiteral("e2"))});

        const QString course = QStringLiteral("courses/02.json");
        QCOMPARE(contents(tmp.filePath(QStringLiteral("e2/") + course)), contents(tmp.filePath(QStringLiteral("e1/") + course)));
        QCOMPARE(QJsonDocument::fromJson(contents(tmp.filePath(QStringLiteral("e1/") + course))).object(),
                 QJsonDocument::fromJson(contents(QDir(src).filePath(QStringLiteral("courses/c.json")))).object());

        // The program loads the question with the same numbers.
        TDataModuleMain dm(a);
        ItemList.clear();
        dm.AddItem(QStringLiteral("0201"), id == QLatin1String("0201-004") ? QStringLiteral("4") : QStringLiteral("5"), 10, 0);
        QList<int> loaded;
        for (int i = 0; i < ItemList.count(); ++i)
            if (ItemList[i]->ItemID == id)
                loaded << ItemList[i]->kind45Index;
        ItemList.clear();
        QCOMPARE(loaded, indexes);
    }

    void failedBankWriterLeavesNothingBehind_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("journalBlocked");
        QTest::newRow("folder missing") << "missing/sys.db" << false;
        // The file is made, but the schema cannot be written: its journal's place is a folder.
        QTest::newRow("schema fails") << "sys.db" << true;
    }

    void failedBankWriterLeavesNothingBehind()
    {
        QFETCH(QString, file);
        QFETCH(bool, journalBlocked);
        QTemporaryDir tmp;
        const QString path = tmp.filePath(file);
        if (journalBlocked)
            QVERIFY(QDir(tmp.path()).mkdir(file + QStringLiteral("-journal")));
        const QStringList connections = QSqlDatabase::connectionNames();
        bool thrown = false;
        try {
            BankWriter writer(path);
        } catch (const std::runtime_error &) {
            thrown = true;
        }
        QVERIFY(thrown);
        QCOMPARE(QSqlDatabase::connectionNames(), connections);
        QVERIFY(!QFileInfo::exists(path));
    }

    void checkReportsDamagedBanks_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain text in a cipher column")
            << "update tabItem set I_DETAL = '会计的基本职能' where I_ID = '0201-001'"
            << "tabItem I_ID=0201-001 I_DETAL: does not decipher (not a cipher text)";
        QTest::newRow("non-hex digits")
            << "update tabItem set I_ANSWER = 'ZZ' || substr(I_ANSWER, 3) where I_ID = '0201-002'"
            << "tabItem I_ID=0201-002 I_ANSWER: does not decipher (not a cipher text)";
        QTest::newRow("one digit changed")
            << "update tabItem set I_A = substr(I_A, 1, 6) || (case substr(I_A, 7, 1) when '0' then '1' else '0' end) "
               "|| substr(I_A, 8) where I_ID = '0201-001'"
            << "tabItem I_ID=0201-001 I_A: does not decipher (the cipher text is damaged)";
        QTest::newRow("cut short")
            << "update tabExItem set EX_ANSWER = substr(EX_ANSWER, 1, 5) where I_ID = '0201-005' and EX_No = 2"
            << "tabExItem I_ID=0201-005 EX_No=2 EX_ANSWER: does not decipher";
        QTest::newRow("answer naming an absent option")
            << "update tabItem set I_ANSWER = (select I_ANSWER from tabItem where I_ID = '0201-002') "
               "where I_ID = '0201-003'"
            << "tabItem I_ID=0201-003 I_ANSWER: letter \"D\" names an absent option";
        QTest::newRow("unknown type") << "update tabItem set I_TYPE = '6' where I_ID = '0201-003'"
                                      << "tabItem I_ID=0201-003 I_TYPE: unknown type \"6\"";
        QTest::newRow("chapter of an unknown course") << "update tabZhangJie set M_ID = '09' where Z_ID = '0291'"
                                                      << "tabZhangJie Z_ID=0291 M_ID: course \"09\" is not in tabMoudle";
        QTest::newRow("question of an unknown chapter") << "update tabItem set Z_ID = '0299' where I_ID = '0201-001'"
                                                        << "tabItem I_ID=0201-001 Z_ID: chapter \"0299\" is not in tabZhangJie";
        // Rows no chapter reaches are still read, and their texts checked.
        QTest::newRow("damaged text of a question of an unknown chapter")
            << "update tabItem set Z_ID = '0299', I_DETAL = '会计' where I_ID = '0201-001'"
            << "tabItem I_ID=0201-001 I_DETAL: does not decipher (not a cipher text)";
        QTest::newRow("question of a chapter of an unknown course") << "update tabZhangJie set M_ID = '09' where Z_ID = '0291'"
                                                                    << "tabItem I_ID=0291-001 Z_ID: chapter \"0291\" is not in tabZhangJie";
        QTest::newRow("sub-question of no question")
            << "update tabExItem set I_ID = '0201-999' where I_ID = '0201-005' and EX_No = 2"
            << "tabExItem I_ID=0201-999 EX_No=2 I_ID: question \"0201-999\" is not in tabItem";
        QTest::newRow("sub-questions of a plain question")
            << "update tabExItem set I_ID = '0201-001' where I_ID = '0201-005' and EX_No = 1"
            << "tabExItem I_ID=0201-001 EX_No=1 I_ID: question \"0201-001\" is not a case question";
        QTest::newRow("case without sub-questions") << "delete from tabExItem where I_ID = '0201-005'"
                                                    << "tabItem I_ID=0201-005 (rows of tabExItem): a case question needs sub-questions";
        QTest::newRow("calculation without keys")
            << "update tabItem set I_A = I_C, I_B = I_C where I_ID = '0201-004'"
            << "tabItem I_ID=0201-004 I_A…I_F: a calculation question needs 1 to 6 keys, not 0";
        QTest::newRow("sub-question number used twice")
            << "update tabExItem set EX_No = 1 where I_ID = '0201-005' and EX_No = 2"
            << "tabExItem I_ID=0201-005 EX_No=1 EX_No: number 1 is used twice in the question";
        QTest::newRow("sub-question number 0") << "update tabExItem set EX_No = 0 where I_ID = '0201-005' and EX_No = 1"
                                               << "tabExItem I_ID=0201-005 EX_No=0 EX_No: must be a whole number from 1 to 1000, not 0";
        // Another tool may store any number as a score.
        QTest::newRow("score past int after x100") << "update tabItem set I_SCORE = 1000000000 where I_ID = '0201-001'"
                                                   << "tabItem I_ID=0201-001 I_SCORE: must be a whole number from 0 to 1000, not 1000000000";
        QTest::newRow("negative score") << "update tabItem set I_SCORE = -5 where I_ID = '0201-002'"
                                        << "tabItem I_ID=0201-002 I_SCORE: must be a whole number from 0 to 1000, not -5";
        QTest::newRow("fractional score") << "update tabItem set I_SCORE = 2.5 where I_ID = '0201-002'"
                                          << "tabItem I_ID=0201-002 I_SCORE: must be a whole number from 0 to 1000, not \"2.5\"";
        QTest::newRow("sub-question score past the most")
            << "update tabExItem set EX_SCORE = 5000000000 where I_ID = '0201-005' and EX_No = 2"
            << "tabExItem I_ID=0201-005 EX_No=2 EX_SCORE: must be a whole number from 0 to 1000, not 5000000000";
        QTest::newRow("sub-question scores add up past the most")
            << "update tabExItem set EX_SCORE = 600 where I_ID = '0201-005'"
            << "tabItem I_ID=0201-005 (rows of tabExItem): the sub-questions' scores add up to 1200";
        QTest::newRow("unbalanced entry key")
            << QStringLiteral("update tabItem set I_A = '%1' where I_ID = '0201-004'")
                   .arg(TDataModuleMain::EcStr(QStringLiteral("借:库存现金=1000;贷:银行存款=999.99")))
            << "tabItem I_ID=0201-004 I_A: debits 1000.00 and credits 999.99 do not balance";
        QTest::newRow("entry key of an unknown account") << "delete from tabKeMu where C_NAME = '库存现金'"
                                                         << "tabItem I_ID=0201-004 I_A: entry line 1: account \"库存现金\" is not in tabKeMu";
        QTest::newRow("unknown chapter kind") << "update tabZhangJie set M_Type = '3' where Z_ID = '0291'"
                                              << "tabZhangJie Z_ID=0291 M_Type: kind \"3\" is neither \"1\" (chapter) nor \"2\" (paper)";
    }

    void checkReportsDamagedBanks()
    {
        QFETCH(QString, sql);
        QFETCH(QString, expected);
        QTemporaryDir tmp;
        writeSource(tmp.filePath(QStringLiteral("src")));
        const QString db = tmp.filePath(QStringLiteral("app/Data/sys.db"));
        QCOMPARE(qbank({QStringLiteral("build"), tmp.filePath(QStringLiteral("src")), QStringLiteral("-o"), db}).code, 0);
        alter(db, sql);
        const Run run = qbank({QStringLiteral("check"), db});
        QCOMPARE(run.code, 1);
        QVERIFY2(run.err.contains(expected), qPrintable(run.err));
        QVERIFY(run.out.isEmpty());
    }

    // A picture name is looked up in the bank's folder and copied into the export's pictures/,
    // never anywhere else, whatever a bank from elsewhere says.
    void exportStaysInItsFolders_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("up two folders") << "../../escape.png";
        QTest::newRow("up one folder") << "../escape.png";
        QTest::newRow("absolute") << "/etc/passwd";
        QTest::newRow("parent") << "..";
        QTest::newRow("sub-folder") << "sub/p.png";
        QTest::newRow("backslash") << "..\\escape.png";
    }

    void exportStaysInItsFolders()
    {
        QFETCH(QString, name);
        QTemporaryDir tmp;
        writeSource(tmp.filePath(QStringLiteral("src")));
        const QString db = tmp.filePath(QStringLiteral("bank/Data/sys.db"));
        QCOMPARE(qbank({QStringLiteral("build"), tmp.filePath(QStringLiteral("src")), QStringLiteral("-o"), db}).code, 0);
        // Files the name would reach from the bank's folder.
        for (const QString &outside : {QStringLiteral("escape.png"), QStringLiteral("bank/escape.png"),
                                       QStringLiteral("bank/Data/sub/p.png")}) {
            QDir(tmp.path()).mkpath(QFileInfo(outside).path());
            QFile f(tmp.filePath(outside));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("outside");
        }
        alter(db, QStringLiteral("update tabItem set I_PIC = '%1' where I_ID = '0291-001'").arg(name));
        const QStringList before = filesUnder(tmp.path());

        const QString out = tmp.filePath(QStringLiteral("out/e"));
        const Run run = qbank({QStringLiteral("export"), db, QStringLiteral("-o"), out});
        QCOMPARE(run.code, 1);
        QVERIFY2(run.err.contains(QStringLiteral("picture \"%1\" is not a plain file name; not copied").arg(name)),
                 qPrintable(run.err));
        // Only the export's own files are new, and none is a picture.
        QStringList after = filesUnder(tmp.path());
        for (const QString &file : before)
            after.removeOne(file);
        QCOMPARE(after, (QStringList{QStringLiteral("out/e/accounts.json"), QStringLiteral("out/e/courses/01.json"),
                                     QStringLiteral("out/e/courses/02.json"), QStringLiteral("out/e/pages.json")}));
        QCOMPARE(contents(tmp.filePath(QStringLiteral("escape.png"))), QByteArray("outside"));

        const Run check = qbank({QStringLiteral("check"), db});
        QCOMPARE(check.code, 1);
        QVERIFY2(check.err.contains(QStringLiteral("tabItem I_ID=0291-001 I_PIC: picture \"%1\" must be a plain file name").arg(name)),
                 qPrintable(check.err));
    }

    void checkLooksForPicturesNextToTheBank()
    {
        QTemporaryDir tmp;
        writeSource(tmp.filePath(QStringLiteral("src")));
        const QString db = tmp.filePath(QStringLiteral("Data/sys.db"));
        QCOMPARE(qbank({QStringLiteral("build"), tmp.filePath(QStringLiteral("src")), QStringLiteral("-o"), db}).code, 0);
        QVERIFY(QFile::remove(tmp.filePath(QStringLiteral("Data/p.png"))));
        const Run run = qbank({QStringLiteral("check"), db});
        QCOMPARE(run.code, 1);
        QVERIFY2(run.err.contains(QStringLiteral("tabItem I_ID=0291-001 I_PIC: picture \"p.png\" is missing from ")),
                 qPrintable(run.err));
    }

    // The learner's copy of the shipped bank is made alone in their own folder; check and export
    // of it take the pictures of the shipped bank, as the program does. Without a shipped bank
    // they look beside the copy, and say the picture is missing there.
    void learnersCopyUsesTheShippedPictures_data()
    {
        QTest::addColumn<bool>("shippedThere");
        QTest::newRow("shipped bank installed") << true;
        QTest::newRow("no shipped bank") << false;
    }
    void learnersCopyUsesTheShippedPictures()
    {
        QFETCH(bool, shippedThere);
        QTemporaryDir tmp;
        writeSource(tmp.filePath(QStringLiteral("src")));
        const QString shippedFolder = tmp.filePath(QStringLiteral("share/acctprep/Data"));
        const QString shipped = shippedFolder + QStringLiteral("/sys.db");
        QCOMPARE(qbank({QStringLiteral("build"), tmp.filePath(QStringLiteral("src")), QStringLiteral("-o"), shipped}).code, 0);
        const QString home = tmp.filePath(QStringLiteral("home/AcctPrep"));
        const QString copy = UserBank::prepare(shipped, home).file;
        QCOMPARE(copy, UserBank::fileIn(home));
        QVERIFY(!QFileInfo::exists(home + QStringLiteral("/p.png")));
        const QString given = shippedThere ? shippedFolder : tmp.filePath(QStringLiteral("not-installed"));

        const Run check = qbank({QStringLiteral("check"), copy}, QString(), given);
        const QString out = tmp.filePath(QStringLiteral("export"));
        const Run exported = qbank({QStringLiteral("export"), copy, QStringLiteral("-o"), out}, QString(), given);
        if (shippedThere) {
            QVERIFY2(check.code == 0, qPrintable(check.err));
            QVERIFY2(exported.code == 0, qPrintable(exported.err));
            QCOMPARE(contents(out + QStringLiteral("/pictures/p.png")), QByteArray("not really a picture"));
        } else {
            QCOMPARE(check.code, 1);
            QVERIFY2(check.err.contains(QStringLiteral("picture \"p.png\" is missing from %1").arg(home)), qPrintable(check.err));
            QCOMPARE(exported.code, 1);
            QVERIFY2(exported.err.contains(QStringLiteral("picture \"p.png\" is missing from %1").arg(home)),
                     qPrintable(exported.err));
        }
        // A bank the tool built is no learner's copy: its pictures are beside it, wherever the
        // shipped bank is.
        const QString teacher = tmp.filePath(QStringLiteral("teacher/sys.db"));
        QCOMPARE(qbank({QStringLiteral("build"), tmp.filePath(QStringLiteral("src")), QStringLiteral("-o"), teacher}).code, 0);
        QVERIFY(QFile::remove(tmp.filePath(QStringLiteral("teacher/p.png"))));
        const Run teacherCheck = qbank({QStringLiteral("check"), teacher}, QString(), shippedFolder);
        QCOMPARE(teacherCheck.code, 1);
        QVERIFY2(teacherCheck.err.contains(QStringLiteral("is missing from %1").arg(tmp.filePath(QStringLiteral("teacher")))),
                 qPrintable(teacherCheck.err));
    }

    void checkRefusesWhatIsNotABank_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expected");
        QTest::newRow("missing") << QByteArray() << "文件不存在";
        QTest::newRow("not a database") << QByteArray("just text, no tables at all") << "无法打开题库文件";
    }

    void checkRefusesWhatIsNotABank()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        QTemporaryDir tmp;
        const QString db = tmp.filePath(QStringLiteral("sys.db"));
        if (!bytes.isEmpty()) {
            QFile f(db);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(bytes);
        }
        const Run run = qbank({QStringLiteral("check"), db});
        QCOMPARE(run.code, 1);
        QVERIFY2(run.err.contains(expected), qPrintable(run.err));
    }

    void synthMakesARealisticBank_data()
    {
        QTest::addColumn<int>("questions");
        QTest::addColumn<int>("courses");
        QTest::newRow("two courses") << 2000 << 2;
        QTest::newRow("three courses") << 1500 << 3;
        QTest::newRow("fewer than a paper") << 40 << 1;
    }

    void synthMakesARealisticBank()
    {
        QFETCH(int, questions);
        QFETCH(int, courses);
        QTemporaryDir tmp;
        const QString db = tmp.filePath(QStringLiteral("synth.db"));
        const Run run = qbank({QStringLiteral("synth"), QStringLiteral("--questions"), QString::number(questions),
                               QStringLiteral("--courses"), QString::number(courses), QStringLiteral("-o"), db});
        QVERIFY2(run.code == 0, qPrintable(run.err));
        const Run check = qbank({QStringLiteral("check"), db});
        QVERIFY2(check.code == 0, qPrintable(check.err.left(2000)));

        TDataModuleMain dm(db);
        QSqlQuery q(dm.database());
        const auto scalar = [&](const QString &sql) {
            if (!q.exec(sql) || !q.next())
                qFatal("%s", qPrintable(sql));
            return q.value(0).toInt();
        };
        QCOMPARE(scalar(QStringLiteral("select count(*) from tabItem")), questions);
        QCOMPARE(scalar(QStringLiteral("select count(*) from tabMoudle")), courses);

        // Shares by type over the whole bank: 35% single, 30% multiple, 30% true/false, 5% analysis.
        const double n = questions;
        const auto share = [&](const QString &types) {
            return scalar(QStringLiteral("select count(*) from tabItem where I_TYPE in (%1)").arg(types)) / n;
        };
        const double slack = questions >= 1000 ? 0.015 : 0.1;
        QVERIFY(qAbs(share(QStringLiteral("'1'")) - 0.35) <= slack);
        QVERIFY(qAbs(share(QStringLiteral("'2'")) - 0.30) <= slack);
        QVERIFY(qAbs(share(QStringLiteral("'3'")) - 0.30) <= slack);
        QVERIFY(qAbs(share(QStringLiteral("'4','5'")) - 0.05) <= slack);

        // Every course has both analysis types, so a random exam draws two of each; its papers
        // hold its own: calculations in the first course, cases in the second.
        for (int c = 0; c < courses; ++c) {
            const QString course = synthCourseId(c);
            const auto ofType = [&](const char *type, const char *kind) {
                return scalar(QStringLiteral("select count(*) from tabItem a join tabZhangJie b on a.Z_ID = b.Z_ID "
                                             "where b.M_ID = '%1' and a.I_TYPE = '%2' and b.M_Type = '%3'")
                                  .arg(course, QLatin1String(type), QLatin1String(kind)));
            };
            if (questions / courses >= 40) {
                QVERIFY(ofType("4", "1") > 0);
                QVERIFY(ofType("5", "1") > 0);
            }
            QCOMPARE(ofType(c % 2 == 0 ? "5" : "4", "2"), 0);
        }
        QCOMPARE(scalar(QStringLiteral("select count(*) from tabItem a left join tabExItem x on a.I_ID = x.I_ID "
                                       "where a.I_TYPE = '5' and x.I_ID is null")),
                 0);

        // Papers hold 20 single, 20 multiple, 20 true/false and 2 analysis questions.
        const int papers = scalar(QStringLiteral("select count(*) from tabZhangJie where M_Type = '2'"));
        QCOMPARE(papers > 0, questions / courses >= 62);
        if (papers > 0) {
            QVERIFY(scalar(QStringLiteral("select count(*) from tabZhangJie where Z_ID = '%1' and M_Type = '2'")
                               .arg(synthPaperId(0)))
                    == 1);
            for (const auto &[types, expected] : {std::pair{"'1'", 20}, {"'2'", 20}, {"'3'", 20}, {"'4','5'", 2}})
                QCOMPARE(scalar(QStringLiteral("select count(*) from tabItem where Z_ID = '%1' and I_TYPE in (%2)")
                                    .arg(synthPaperId(0), QLatin1String(types))),
                         expected);
        }
        QVERIFY(scalar(QStringLiteral("select count(*) from tabZhangJie where M_Type = '1'")) > 0);
        QVERIFY(scalar(QStringLiteral("select count(*) from tabKeMu")) > 10);
        QVERIFY(scalar(QStringLiteral("select count(*) from tabHelp")) > 0);
    }

    void synthIsRepeatableBySeed()
    {
        QTemporaryDir tmp;
        // The first course's file of the exported bank; empty when a step fails.
        const auto make = [&](const QString &name, const QString &seed) {
            const QString db = tmp.filePath(name);
            if (qbank({QStringLiteral("synth"), QStringLiteral("--questions"), QStringLiteral("300"),
                       QStringLiteral("--seed"), seed, QStringLiteral("-o"), db})
                    .code
                != 0)
                return QByteArray();
            if (qbank({QStringLiteral("export"), db, QStringLiteral("-o"), tmp.filePath(name + QStringLiteral(".src"))}).code != 0)
                return QByteArray();
            return contents(tmp.filePath(name + QStringLiteral(".src/courses/01.json")));
        };
        const QByteArray a = make(QStringLiteral("a.db"), QStringLiteral("7"));
        QVERIFY(!a.isEmpty());
        QCOMPARE(make(QStringLiteral("b.db"), QStringLiteral("7")), a);
        QVERIFY(make(QStringLiteral("c.db"), QStringLiteral("8")) != a);
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("expected");
        QTest::newRow("help lists every command")
            << QStringList{QStringLiteral("--help")} << 0 << "build SOURCE -o FILE.db";
        QTest::newRow("no command") << QStringList{} << 2 << "no command given";
        QTest::newRow("unknown command") << QStringList{QStringLiteral("make")} << 2 << "unknown command make";
        QTest::newRow("build without -o") << QStringList{QStringLiteral("build"), QStringLiteral("src")} << 2
                                          << "build needs SOURCE and -o FILE.db";
        QTest::newRow("unknown option") << QStringList{QStringLiteral("check"), QStringLiteral("--fast"), QStringLiteral("x.db")}
                                        << 2 << "unknown option --fast";
        QTest::newRow("synth without a count") << QStringList{QStringLiteral("synth"), QStringLiteral("-o"), QStringLiteral("x.db")}
                                               << 2 << "synth needs --questions N";
        QTest::newRow("source folder missing") << QStringList{QStringLiteral("build"), QStringLiteral("/nonexistent/src"),
                                                              QStringLiteral("-o"), QStringLiteral("/nonexistent/x.db")}
                                               << 1 << "/nonexistent/src: no such folder";
    }

    void commandLine()
    {
        QFETCH(QStringList, args);
        QFETCH(int, code);
        QFETCH(QString, expected);
        const Run run = qbank(args);
        QCOMPARE(run.code, code);
        QVERIFY2((run.out + run.err).contains(expected), qPrintable(run.out + run.err));
        if (args == QStringList{QStringLiteral("--help")})
            for (const char *command : {"build", "export", "check", "synth", "encipher", "decipher"})
                QVERIFY(run.out.contains(QStringLiteral("  ") + QLatin1String(command) + QLatin1Char(' ')));
    }

    void encipherAndDecipherLines()
    {
        const Run ciphers = qbank({QStringLiteral("encipher")}, QStringLiteral("会计基础\n借:库存现金=1000\n"));
        QCOMPARE(ciphers.code, 0);
        const QStringList lines = ciphers.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        QVERIFY(QRegularExpression(QStringLiteral("^[0-9A-F]+$")).match(lines.at(0)).hasMatch());
        const Run plain = qbank({QStringLiteral("decipher"), lines.at(0), lines.at(1)});
        QCOMPARE(plain.out, QStringLiteral("会计基础\n借:库存现金=1000\n"));
        QCOMPARE(qbank({QStringLiteral("decipher"), QStringLiteral("-")}).out, QStringLiteral("-\n"));
    }

    // A text the code page cannot hold would decipher to something else: it is named, its
    // line left empty so the others still pair up, and the run fails.
    void encipherRefusesTextOutsideTheCodePage()
    {
        const Run run = qbank({QStringLiteral("encipher")}, QStringLiteral("会计\n答对了😀\n价格¥5\n借\n"));
        QCOMPARE(run.code, 1);
        QVERIFY2(run.err.contains(QStringLiteral("line 2: character \"😀\" (U+1F600, at 4) is not in the GBK code page")),
                 qPrintable(run.err));
        QVERIFY2(run.err.contains(QStringLiteral("line 3: character \"¥\" (U+00A5, at 3)")), qPrintable(run.err));
        const QStringList lines = run.out.split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 5);
        QCOMPARE(TDataModuleMain::DcStr(lines.at(0)), QStringLiteral("会计"));
        QVERIFY(lines.at(1).isEmpty() && lines.at(2).isEmpty());
        QCOMPARE(TDataModuleMain::DcStr(lines.at(3)), QStringLiteral("借"));

        const Run one = qbank({QStringLiteral("encipher"), QStringLiteral("😀")});
        QCOMPARE(one.code, 1);
        QVERIFY2(one.err.contains(QStringLiteral("text 1: character \"😀\"")), qPrintable(one.err));
    }

    void sampleBankBuildsAndChecksClean()
    {
        const QString source = sampleSource();
        if (!QFileInfo::exists(QDir(source).filePath(QStringLiteral("courses"))))
            QSKIP("no sample source next to the tests");
        QTemporaryDir tmp;
        const QString db = tmp.filePath(QStringLiteral("Data/sys.db"));
        const Run build = qbank({QStringLiteral("build"), source, QStringLiteral("-o"), db});
        QVERIFY2(build.code == 0, qPrintable(build.err));
        const Run check = qbank({QStringLiteral("check"), db});
        QVERIFY2(check.code == 0, qPrintable(check.err));
        QVERIFY(check.out.contains(QStringLiteral(": ok: ")));

        // Exported a chapter at a time, the bank says what its source says.
        const QString exported = tmp.filePath(QStringLiteral("export"));
        const Run run = qbank({QStringLiteral("export"), db, QStringLiteral("-o"), exported});
        QVERIFY2(run.code == 0, qPrintable(run.err));
        const QStringList sources = QDir(QDir(source).filePath(QStringLiteral("courses"))).entryList({QStringLiteral("*.json")});
        QCOMPARE(filesUnder(QDir(exported).filePath(QStringLiteral("courses"))).size(), sources.size());
        for (const QString &name : sources) {
            const QJsonObject original = QJsonDocument::fromJson(contents(QDir(source).filePath(QStringLiteral("courses/") + name))).object();
            const QString id = original.value(QStringLiteral("id")).toString();
            QCOMPARE(QJsonDocument::fromJson(contents(QDir(exported).filePath(QStringLiteral("courses/%1.json").arg(id)))).object(),
                     original);
        }
        for (const char *name : {"accounts.json", "pages.json"})
            QCOMPARE(QJsonDocument::fromJson(contents(QDir(exported).filePath(QLatin1String(name)))).object(),
                     QJsonDocument::fromJson(contents(QDir(source).filePath(QLatin1String(name)))).object());
    }
};

QTEST_GUILESS_MAIN(TestTools)
#include "tst_tools.moc"
