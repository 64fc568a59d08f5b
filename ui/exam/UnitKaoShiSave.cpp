// The exam in progress kept in the bank as it is answered, so that a crash loses no answer,
// and the exam rebuilt from it at the next start.
#include "ui/exam/UnitKaoShi.h"

#include "core/UnitDefine.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "store/UnitDM.h"
#include "ui/Guard.h"

#include <QTimer>

#include <exception>

TSavedExam TfrmKaoShi::snapshot() const
{
    TSavedExam exam;
    exam.Test_ID = Test_ID;
    exam.KeChengID = KeChengID;
    exam.KeChengName = KeChengName;
    exam.ZhangJieID = ZhangJieID;
    exam.ZhangJieName = ZhangJieName;
    exam.LXMode = LXMode;
    exam.StartTime = StartTime;
    exam.UsedMsecs = std::max<qint64>(0, StartTime.msecsTo(Clock::now()));
    exam.ItemIndex = Item_Index;
    exam.Timed = Timed;
    exam.records.reserve(ItemList.count());
    for (int i = 0; i < ItemList.count(); ++i) {
        const TItem &item = *ItemList[i];
        exam.records.append({item.ItemID, item.kind45Index, item.UserAnswer, item.UserScore, item.ColorMark,
                             item.ItemMark});
    }
    return exam;
}

void TfrmKaoShi::scheduleSave()
{
    if (m_saving && !m_saveTimer->isActive())
        m_saveTimer->start();
}

void TfrmKaoShi::saveNow()
{
    m_saveTimer->stop();
    if (!m_saving)
        return;
    try {
        m_dm->SaveExam(snapshot());
        m_lastSave = Clock::now();
    } catch (const std::exception &e) {
        // Said once: the exam goes on, and later answers try again.
        if (!m_saveErrorShown) {
            m_saveErrorShown = true;
            MessageBox::error(this, QStringLiteral("考试进度无法保存，程序意外退出时本次答案可能丢失。\n%1")
                                        .arg(QString::fromUtf8(e.what())));
        }
    }
}

void TfrmKaoShi::flushSave()
{
    if (m_saveTimer->isActive())
        saveNow();
}

void TfrmKaoShi::stopSaving(bool discard)
{
    m_saveTimer->stop();
    if (discard && m_saving)
        guarded(this, [this] { m_dm->DeleteSavedExam(); });
    m_saving = false;
}

TfrmKaoShi::Resume TfrmKaoShi::ResumeExam(const TSavedExam &exam)
{
    stopSaving(false);
    LXMode = exam.LXMode == QLatin1String("new") ? QStringLiteral("new") : QStringLiteral("First");
    Test_ID = exam.Test_ID;
    KeChengID = exam.KeChengID;
    KeChengName = exam.KeChengName;
    ZhangJieID = exam.ZhangJieID;
    ZhangJieName = exam.ZhangJieName;
    Timed = exam.Timed;
    showCourse();
    ItemList.clear();
    // The questions again, each once, in the order they were drawn.
    const bool loaded = guarded(this, [&] {
        for (int i = 0; i < exam.records.size(); ++i) {
            const TSavedRecord &record = exam.records.at(i);
            const bool starts = i == 0 || record.ItemID != exam.records.at(i - 1).ItemID
                || record.kind45Index <= exam.records.at(i - 1).kind45Index;
            if (starts)
                m_dm->AddItemByID(exam.ZhangJieID, record.ItemID);
        }
    });
    // Answers go back only onto the records they were given on.
    bool same = loaded && !exam.records.isEmpty() && ItemList.count() == exam.records.size();
    for (int i = 0; same && i < ItemList.count(); ++i)
        same = ItemList[i]->ItemID == exam.records.at(i).ItemID
            && ItemList[i]->kind45Index == exam.records.at(i).kind45Index;
    if (!same) {
        ItemList.clear();
        clearDisplay();
        return loaded ? Resume::PaperGone : Resume::LoadFailed;
    }
    for (int i = 0; i < ItemList.count(); ++i) {
        TItem &item = *ItemList[i];
        const TSavedRecord &record = exam.records.at(i);
        item.UserAnswer = record.UserAnswer;
        // Scored again: a bank renewed since may have mended a key or changed the points.
        item.UserScore = EarnedScore(item);
        item.ColorMark = record.ColorMark;
        item.ItemMark = record.ItemMark;
    }
    // Time while the program was not running is not counted.
    StartTime = Clock::now().addMSecs(-std::max<qint64>(0, exam.UsedMsecs));
    TimeUsed.clear();
    m_skipIntro = true;
    Item_Index = qBound(0, exam.ItemIndex, ItemList.count() - 1);
    ShowItem();
    return Resume::Resumed;
}
