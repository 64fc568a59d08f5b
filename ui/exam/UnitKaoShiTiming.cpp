// Answers, the countdown and the hand-in of the exam window: choice answers recorded and
// scored, the hour counted down with its five-minute warning, the paper handed in (by the
// candidate after two confirmations, or by the clock), scored and stored as one history row.
#include "ui/exam/UnitKaoShi.h"

#include "core/UnitDefine.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "store/UnitDM.h"
#include "ui/Guard.h"
#include "ui/WrapCheckBox.h"
#include "ui/entry/EntryPanels.h"
#include "ui/exam/KaoShiInternal.h"

#include <QCheckBox>
#include <QLabel>
#include <QTime>
#include <QTimer>

#include <exception>
#include <vector>

using KaoShi::Letters;

namespace {

constexpr qint64 ExamMsecs = 60 * 60 * 1000;
constexpr qint64 WarningMsecs = 5 * 60 * 1000;
// The time used of a saved exam is brought up to date at least this often.
constexpr qint64 RefreshMsecs = 30 * 1000;

// "hh:nn:ss" of a number of seconds; only the part below a day shows.
QString clockText(qint64 seconds)
{
    return QTime(0, 0).addSecs(int(std::max<qint64>(0, seconds) % 86400)).toString(QStringLiteral("hh:mm:ss"));
}

} // namespace

bool TfrmKaoShi::isReview() const
{
    return LXMode == QLatin1String("view") || LXMode == QLatin1String("error") || LXMode == QLatin1String("right")
        || LXMode == QLatin1String("notfinish");
}

void TfrmKaoShi::cbABCDEFClick(QCheckBox *sender)
{
    TItem *item = currentItem();
    if (!item)
        return;
    if (answersClosed()) {
        // A review shows the answer handed in, and after the time is up the answer stands; a
        // click changes nothing.
        showOptionTicks(*item);
        return;
    }
    // Single choice and true/false keep one tick: the one just given, or none.
    m_clickAttached = false;
    if (Item_Type == QLatin1String("1") || Item_Type == QLatin1String("3")) {
        for (QCheckBox *box : m_boxes)
            if (box != sender)
                box->setChecked(false);
    }
    m_clickAttached = true;

    QString answer;
    for (int i = 0; i < 6; ++i)
        if (m_boxes[size_t(i)]->isChecked())
            answer += Letters.at(i);
    item->UserAnswer = answer;
    // No ticks is no answer, and no answer earns nothing.
    item->UserScore = !answer.isEmpty() && item->ItemAnswer == answer ? item->ItemScore : 0;
    item->ColorMark = answer.isEmpty() ? 3 : 4;
    SetButtonColor(Item_Index, QString());
    scheduleSave();
}

void TfrmKaoShi::startCountdown()
{
    // Every attempt starts with the key hidden, whatever a review before it opened.
    if (!PanelAnswer->isHidden())
        sbShowAnswerClick();
    ResultStored = true;
    m_warned = false;
    m_timeUp = false;
    Panel11n->setReadOnly(false);
    showLeftTime();
    // Also without a limit: its steps keep the saved exam's time used current.
    Timer1->start();
    // Kept in the bank from its first moment; a bank that cannot be written goes without.
    m_saveErrorShown = false;
    m_lastSave = QDateTime();
    m_saving = false;
    try {
        m_saving = m_dm->canSaveExam();
    } catch (const std::exception &) {
        m_saving = false;
    }
    scheduleSave();
}

qint64 TfrmKaoShi::showLeftTime()
{
    const qint64 left = std::min(ExamMsecs, ExamMsecs - StartTime.msecsTo(Clock::now()));
    lblLeftTime->setText(Timed ? clockText(left > 0 ? left / 1000 : 0) : QStringLiteral("不限时"));
    return left;
}

void TfrmKaoShi::Timer1Timer()
{
    Timer1->stop();
    // Reviews are never timed.
    if (isReview())
        return;
    const qint64 left = showLeftTime();
    if (Timed && left <= 0) {
        timeUp();
        return;
    }
    // The time used of a saved exam stays near the truth while no answer is given.
    if (!m_lastSave.isValid() || m_lastSave.msecsTo(Clock::now()) >= RefreshMsecs)
        scheduleSave();
    // Once, as soon as five minutes or less are left: a late step must not skip it.
    if (Timed && !m_warned && left <= WarningMsecs) {
        m_warned = true;
        MessageBox::information(this, QStringLiteral("提示"), QStringLiteral("还有5分钟结束本次考试，请抓紧时间答题！"));
    }
    Timer1->start();
}

void TfrmKaoShi::timeUp()
{
    // The paper goes in as it stands. Confirmations here could be declined for ever.
    MessageBox::information(this, QStringLiteral("提示"), QStringLiteral("考试时间到，系统将为您自动交卷。"));
    leaveAnswerEditors();
    m_timeUp = true;
    Panel11n->setReadOnly(true);
    handIn(false);
}

void TfrmKaoShi::sbEndExClick()
{
    // An answer being typed is stored before the hand-in.
    leaveAnswerEditors();
    EndEx();
}

void TfrmKaoShi::EndEx()
{
    // A review ends without a word and writes nothing: the exam was handed in before.
    if (isReview()) {
        done(QDialog::Rejected);
        return;
    }
    // After the time is up only the store can have failed: the paper goes in as it stands.
    handIn(!m_timeUp);
}

QString TfrmKaoShi::unansweredReport() const
{
    struct Category
    {
        const char *line;
        int total = 0;
        int open = 0;
    };
    Category categories[] = {{"       1、单选题有"}, {"       2、多选题有"}, {"       3、判断题有"}, {"       4、分析题有"}};
    const std::vector<int> starts = QuestionStarts();
    for (size_t q = 0; q < starts.size(); ++q) {
        const int from = starts[q];
        const int to = q + 1 < starts.size() ? starts[q + 1] : ItemList.count();
        const QString type = ItemList[from]->ItemType;
        const int c = type == QLatin1String("1") ? 0
            : type == QLatin1String("2")         ? 1
            : type == QLatin1String("3")         ? 2
            : type == QLatin1String("4") || type == QLatin1String("5") ? 3
                                                                        : -1;
        if (c < 0)
            continue;
        // An analysis question is done only when all of its sub-questions are.
        bool open = false;
        for (int i = from; i < to; ++i)
            open = open || ItemList[i]->UserAnswer.isEmpty();
        ++categories[c].total;
        categories[c].open += open ? 1 : 0;
    }
    int k = 0;
    QStringList lines;
    for (const Category &category : categories) {
        k += category.open > 0 ? 1 : 0;
        lines << QString::fromUtf8(category.line) + QString::number(category.open)
                     + QStringLiteral("题未做！            共计") + QString::number(category.total) + QStringLiteral("题");
    }
    if (k == 0)
        return QString();
    return QStringLiteral("您还有%1类题未做\n").arg(k) + lines.join(QLatin1Char('\n'));
}

void TfrmKaoShi::handIn(bool confirm)
{
    // The countdown waits while the candidate answers the confirmations.
    const bool ticking = Timer1->isActive();
    Timer1->stop();
    const auto goOn = [&] {
        if (ticking)
            Timer1->start();
    };
    if (confirm) {
        const QString report = unansweredReport();
        if (!report.isEmpty() && !MessageBox::question(this, QStringLiteral("待查确认"), report)) {
            goOn();
            return;
        }
        if (!MessageBox::question(this, QStringLiteral("交卷确认"),
                                  QStringLiteral("考生交卷后，将不能再次进入本科目的考试，您确定要交卷吗？"))) {
            goOn();
            return;
        }
    }

    // Right is full marks (an entry's stored rows never equal its key's text); unanswered is
    // neither right nor wrong.
    const RunTally tally = TallyItemList();
    // An exam held to the hour took at most the hour, however long the candidate took to read
    // that the time was up.
    qint64 usedSeconds = StartTime.secsTo(Clock::now());
    if (Timed)
        usedSeconds = std::min(usedSeconds, ExamMsecs / 1000);
    const QString timeUsed = clockText(usedSeconds);
    // The history row, the wrong answers in the wrong-question log and the end of the saved
    // exam land together, or nothing changes and the exam stays open with every answer, so
    // that a later hand-in stores it.
    const bool stored = guarded(this, [&] {
        m_dm->inTransaction([&] {
            m_dm->InsertTestInfo(Test_ID, QString::number(tally.right), QString::number(tally.wrong),
                                 QString::number(tally.answered), QString::number(tally.unanswered), timeUsed,
                                 QStringLiteral("模拟考试"), KeChengName, ZhangJieName, tally.earned / 100,
                                 tally.full, tally.earned);
            m_dm->LogErrItem();
            if (m_saving)
                m_dm->DeleteSavedExam();
        });
    });
    if (!stored) {
        // Kept open so that a later hand-in can store it; but a bank that cannot be written
        // must not hold the candidate in the borderless exam window for ever.
        if (!MessageBox::question(this, QStringLiteral("成绩未保存"),
                                  QStringLiteral("本次考试的成绩未能保存到学习记录中。\n\n"
                                                 "选“是”：仍然交卷并查看成绩，这次成绩不记入学习记录；\n"
                                                 "选“否”：留在考场，答案都在，稍后可以再次交卷。"))) {
            goOn();
            return;
        }
        // Handed in is handed in: the exam is not offered again at the next start.
        if (m_saving) {
            try {
                m_dm->DeleteSavedExam();
            } catch (const std::exception &) {
            }
        }
    }
    stopSaving(false);
    ResultStored = stored;
    YiLianXiCnt = tally.answered;
    WeiLianXiCnt = tally.unanswered;
    ZhengQueCnt = tally.right;
    CuoWuCnt = tally.wrong;
    ManFen = tally.full;
    DeFen = tally.earned;
    TimeUsed = timeUsed;
    QuestionCnt = int(QuestionStarts().size());
    done(QDialog::Accepted);
}
