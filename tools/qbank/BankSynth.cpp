#include "tools/qbank/BankSynth.h"

#include "tools/qbank/BankWriter.h"

#include <QRandomGenerator>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <bit>

namespace {

const int PaperSize = 62;
const int ChapterTarget = 250;
const int MaxChapters = 800;

struct Account
{
    const char *id;
    const char *name;
    std::initializer_list<std::pair<const char *, const char *>> children;
};

const Account Chart[] = {
    {"1001", "库存现金", {}},
    {"1002", "银行存款", {}},
    {"1012", "其他货币资金", {{"101201", "外埠存款"}, {"101202", "银行汇票存款"}}},
    {"1122", "应收账款", {}},
    {"1123", "预付账款", {}},
    {"1221", "其他应收款", {}},
    {"1403", "原材料", {}},
    {"1405", "库存商品", {}},
    {"1601", "固定资产", {}},
    {"1602", "累计折旧", {}},
    {"2001", "短期借款", {}},
    {"2202", "应付账款", {}},
    {"2211", "应付职工薪酬", {{"221101", "工资"}, {"221102", "职工福利"}}},
    {"2221", "应交税费", {{"222101", "应交增值税（进项税额）"}, {"222102", "应交增值税（销项税额）"}}},
    {"4001", "实收资本", {}},
    {"4101", "盈余公积", {}},
    {"4103", "本年利润", {}},
    {"5001", "生产成本", {}},
    {"6001", "主营业务收入", {}},
    {"6401", "主营业务成本", {}},
    {"6602", "管理费用", {}},
    {"6603", "财务费用", {}},
};

const char *const Terms[] = {
    "会计主体", "持续经营", "会计分期", "货币计量", "权责发生制", "收付实现制", "资产", "负债",
    "所有者权益", "收入", "费用", "利润", "会计科目", "账户", "借贷记账法", "试算平衡", "原始凭证",
    "记账凭证", "会计账簿", "财产清查", "财务报表", "资产负债表", "利润表", "固定资产", "累计折旧",
    "应收账款", "坏账准备", "原材料", "库存商品", "实收资本", "资本公积", "盈余公积", "未分配利润",
    "应付职工薪酬", "应交税费", "增值税", "营业外收入", "营业外支出", "管理费用", "销售费用",
    "财务费用", "会计档案", "会计机构", "会计人员", "会计监督", "内部控制", "支付结算", "银行账户",
    "票据", "支票", "汇票", "税收征收管理", "纳税申报", "职业道德", "爱岗敬业", "诚实守信",
    "廉洁自律", "客观公正", "坚持准则", "提高技能", "参与管理", "强化服务",
};

const char *const Links[] = {
    "的", "与", "和", "应当", "按照", "属于", "不属于", "计入", "反映", "核算", "根据", "对于",
    "在", "由", "通过", "以及", "依据", "形成", "影响", "确认",
};

const char *const Openers[] = {
    "下列各项中，", "根据规定，", "某企业", "关于", "企业发生", "按照会计准则，", "在会计核算中，",
    "下列说法中，", "甲公司", "根据《会计法》的规定，",
};

class Generator
{
public:
    explicit Generator(quint32 seed) : m_rng(seed) {}

    int between(int low, int high) { return int(m_rng.bounded(low, high + 1)); }
    bool chance(int percent) { return between(1, 100) <= percent; }

    // Text of about the given length in characters, made of accounting terms.
    QString text(int low, int high, const QString &ending)
    {
        const int target = std::max(1, between(low, high) - int(ending.size()));
        QString out = QString::fromUtf8(pick(Openers));
        while (out.size() < target) {
            out += QString::fromUtf8(pick(Terms));
            if (out.size() < target)
                out += QString::fromUtf8(pick(Links));
            if (chance(12) && out.size() < target)
                out += QStringLiteral("，");
        }
        out.truncate(target);
        return out + ending;
    }

    // Words without an opener, as options are written: terms joined by links.
    QString phrase(int low, int high)
    {
        const int target = between(low, high);
        QString out = QString::fromUtf8(pick(Terms));
        while (out.size() < target)
            out += QString::fromUtf8(pick(Links)) + QString::fromUtf8(pick(Terms));
        out.truncate(target);
        return out;
    }

    int amount() { return between(1, 500) * 100; }

    QString term() { return QString::fromUtf8(pick(Terms)); }

    // A child account of the chart, by name.
    QString account()
    {
        const Account &a = Chart[between(0, int(std::size(Chart)) - 1)];
        if (a.children.size() == 0)
            return QString::fromUtf8(a.name);
        return QString::fromUtf8((a.children.begin() + between(0, int(a.children.size()) - 1))->second);
    }

private:
    template <typename T, size_t N> T pick(T const (&list)[N]) { return list[between(0, int(N) - 1)]; }

    QRandomGenerator m_rng;
};

QString letters(int mask)
{
    QString out;
    for (int i = 0; i < 6; ++i)
        if (mask & (1 << i))
            out += QChar(u'A' + i);
    return out;
}

// Texts are as long as the sample bank's (median and spread of each kind of text).
BankQuestion choice(Generator &g, const QString &id, const QString &chapter, const QString &type)
{
    BankQuestion q;
    q.id = id;
    q.chapterId = chapter;
    q.type = type;
    q.fav = g.chance(1);
    if (type == QLatin1String("3")) {
        q.text = g.text(16, 50, QStringLiteral("。"));
        q.explanation = g.text(20, 82, QStringLiteral("。"));
        q.options = {QStringLiteral("正确"), QStringLiteral("错误")};
        q.answer = g.chance(50) ? QStringLiteral("A") : QStringLiteral("B");
        q.score = 1;
        return q;
    }
    const bool single = type == QLatin1String("1");
    q.text = single ? g.text(12, 55, QStringLiteral("（ ）。")) : g.text(14, 36, QStringLiteral("（ ）。"));
    q.explanation = single ? g.text(28, 80, QStringLiteral("。")) : g.text(40, 118, QStringLiteral("。"));
    const int count = !single && g.chance(5) ? 5 : 4;
    for (int i = 0; i < count; ++i)
        q.options << (single ? g.phrase(2, 9) : g.phrase(3, 17));
    if (single) {
        q.answer = QString(QChar(u'A' + g.between(0, count - 1)));
        q.score = 1;
    } else {
        int mask = 0;
        while (std::popcount(unsigned(mask)) < 2)
            mask = g.between(1, (1 << count) - 1);
        q.answer = letters(mask);
        q.score = 2;
    }
    return q;
}

BankQuestion calculation(Generator &g, const QString &id, const QString &chapter)
{
    BankQuestion q;
    q.id = id;
    q.chapterId = chapter;
    q.type = QStringLiteral("4");
    const int keys = g.between(3, 5);
    q.text = g.text(140, 220, QStringLiteral("。\n要求："));
    for (int k = 0; k < keys; ++k) {
        q.text += QStringLiteral("\n(%1) ").arg(k + 1) + g.text(10, 25, QStringLiteral("；"));
        if (k == 0 || g.chance(50)) {
            const int sum = g.amount();
            const int lines = g.between(1, 2);
            QStringList entry;
            for (int l = 0; l < lines; ++l)
                entry << QStringLiteral("借:%1=%2").arg(g.account()).arg(lines == 1 ? sum : sum / 2);
            entry << QStringLiteral("贷:%1=%2").arg(g.account()).arg(lines == 1 ? sum : sum / 2 * 2);
            q.options << entry.join(QLatin1Char(';'));
        } else {
            q.options << QString::number(g.amount());
        }
    }
    q.answer = g.text(10, 60, QStringLiteral("。"));
    q.explanation = g.text(140, 250, QStringLiteral("。"));
    q.score = 10;
    return q;
}

BankQuestion caseQuestion(Generator &g, const QString &id, const QString &chapter)
{
    BankQuestion q;
    q.id = id;
    q.chapterId = chapter;
    q.type = QStringLiteral("5");
    q.text = g.text(180, 330, QStringLiteral("。"));
    q.explanation = g.text(50, 66, QStringLiteral("。"));
    const int subs = 5;
    for (int no = 1; no <= subs; ++no) {
        BankSubQuestion s;
        s.no = no;
        s.type = g.chance(60) ? QStringLiteral("1") : QStringLiteral("2");
        s.text = g.text(17, 33, QStringLiteral("（ ）。"));
        for (int i = 0; i < 4; ++i)
            s.options << g.phrase(4, 28);
        if (s.type == QLatin1String("1")) {
            s.answer = QString(QChar(u'A' + g.between(0, 3)));
        } else {
            int mask = 0;
            while (std::popcount(unsigned(mask)) < 2)
                mask = g.between(1, 15);
            s.answer = letters(mask);
        }
        s.explanation = g.text(40, 110, QStringLiteral("。"));
        s.score = 2;
        q.subquestions << s;
    }
    q.score = 2 * subs;
    return q;
}

// A course's papers hold its own analysis type (calculations in 会计基础, cases in 财经法规);
// its chapters hold both, so that a random exam draws two of each as the real one does.
QString analysisType(int course) { return course % 2 == 0 ? QStringLiteral("4") : QStringLiteral("5"); }
QString otherAnalysisType(int course) { return course % 2 == 0 ? QStringLiteral("5") : QStringLiteral("4"); }

QString courseName(int course)
{
    if (course == 0)
        return QStringLiteral("会计基础");
    if (course == 1)
        return QStringLiteral("财经法规与会计职业道德");
    return course % 2 == 0 ? QStringLiteral("会计基础（%1）").arg(course + 1)
                           : QStringLiteral("财经法规与会计职业道德（%1）").arg(course + 1);
}

}

QString synthCourseId(int course)
{
    return QStringLiteral("%1").arg(course + 1, 2, 10, QLatin1Char('0'));
}

QString synthPaperId(int course)
{
    return synthCourseId(course) + QStringLiteral("901");
}

void synthBank(BankWriter &writer, const SynthOptions &options, const std::function<void(int, int)> &progress)
{
    Generator g(options.seed);
    const int courses = std::max(1, options.courses);
    const int total = std::max(0, options.questions);

    for (const Account &a : Chart) {
        if (a.children.size() == 0)
            writer.addAccount(QString::fromUtf8(a.id), QString::fromUtf8(a.name), QString::fromUtf8(a.id),
                              QString::fromUtf8(a.name));
        for (const auto &[id, name] : a.children)
            writer.addAccount(QString::fromUtf8(a.id), QString::fromUtf8(a.name), QString::fromUtf8(id),
                              QString::fromUtf8(name));
    }
    writer.addGuidePage(QStringLiteral("考试大纲"), QStringLiteral("guide/dagang.htm"), QStringLiteral("FALSE"));
    writer.addGuidePage(QStringLiteral("考试说明"), QStringLiteral("guide/shuoming.htm"), QStringLiteral("FALSE"));
    writer.addGuidePage(QStringLiteral("报名须知"), QStringLiteral("https://acctprep.example.org/baoming"), QStringLiteral("TRUE"));
    writer.addHelpPage(QStringLiteral("使用说明"), QStringLiteral("help/use.htm"), QStringLiteral("FALSE"));
    writer.addHelpPage(QStringLiteral("常见问题"), QStringLiteral("help/faq.htm"), QStringLiteral("FALSE"));
    writer.addHelpPage(QStringLiteral("官方网站"), QStringLiteral("https://acctprep.example.org/"), QStringLiteral("TRUE"));

    int done = 0;
    const auto add = [&](const BankQuestion &q) {
        writer.addQuestion(q);
        ++done;
        if (progress)
            progress(done, total);
    };
    const auto make = [&](const QString &type, const QString &id, const QString &chapter) {
        if (type == QLatin1String("4"))
            return calculation(g, id, chapter);
        if (type == QLatin1String("5"))
            return caseQuestion(g, id, chapter);
        return choice(g, id, chapter, type);
    };
    const auto questionId = [](const QString &chapter, int n, int count) {
        const int width = std::max(3, int(QString::number(count).size()));
        return QStringLiteral("%1-%2").arg(chapter).arg(n, width, 10, QLatin1Char('0'));
    };

    for (int c = 0; c < courses; ++c) {
        const QString courseId = synthCourseId(c);
        const QString analysis = analysisType(c);
        int analysisSlots = 0;
        writer.addCourse(courseId, courseName(c));
        const int inCourse = total / courses + (c < total % courses ? 1 : 0);
        const int papers = inCourse >= PaperSize ? std::clamp(inCourse / 500, 1, 10) : 0;
        const int rest = inCourse - papers * PaperSize;
        const int chapters = rest > 0 ? std::min(MaxChapters, (rest + ChapterTarget - 1) / ChapterTarget) : 0;

        for (int k = 0; k < chapters; ++k) {
            const QString chapterId = courseId + QStringLiteral("%1").arg(k + 1, 3, 10, QLatin1Char('0'));
            writer.addChapter(chapterId, QStringLiteral("第%1章 %2与%3").arg(k + 1).arg(g.term(), g.term()), courseId,
                              QStringLiteral("1"));
            writer.addHandout(chapterId, QStringLiteral("jy/%1.htm").arg(chapterId), QStringLiteral("FALSE"));
            const int count = rest / chapters + (k < rest % chapters ? 1 : 0);
            for (int n = 0; n < count; ++n) {
                // 7 single, 6 multiple, 6 true/false and 1 analysis question in every 20.
                const int slot = n % 20;
                const QString type = slot == 19 ? (analysisSlots++ % 2 == 0 ? analysis : otherAnalysisType(c))
                    : slot == 18                ? QStringLiteral("1")
                                                : QString::number(slot % 3 + 1);
                add(make(type, questionId(chapterId, n + 1, count), chapterId));
            }
        }
        for (int p = 0; p < papers; ++p) {
            const QString paperId = courseId + QStringLiteral("%1").arg(901 + p);
            writer.addChapter(paperId, courseName(c) + QStringLiteral("模拟试卷（%1）").arg(p + 1), courseId,
                              QStringLiteral("2"));
            for (int n = 0; n < PaperSize; ++n) {
                const QString type = n < 60 ? QString::number(n / 20 + 1) : analysis;
                add(make(type, questionId(paperId, n + 1, PaperSize), paperId));
            }
        }
    }
}
