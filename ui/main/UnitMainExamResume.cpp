// An exam left unfinished when the program ended: offered again at the next start, and
// reopened where the candidate was, or discarded.
#include "ui/main/UnitMain.h"

#include "core/UnitDefine.h"
#include "platform/MessageBox.h"
#include "store/ExamSave.h"
#include "store/UnitDM.h"
#include "ui/Guard.h"
#include "ui/exam/UnitKaoShi.h"

#include <QComboBox>
#include <QSpinBox>
#include <QStackedWidget>

namespace {

// The course, paper and beginning that name a saved exam to the learner.
QString savedExamName(const TSavedExam &exam)
{
    // Named by when it began, which its identifier keeps; the start time it is saved with
    // leaves out the time the program was not running.
    QDateTime began = QDateTime::fromString(exam.Test_ID, QStringLiteral("yyyyMMddhhmmss"));
    if (!began.isValid())
        began = exam.StartTime;
    return QStringLiteral("%1、%2、%3")
        .arg(exam.KeChengName, exam.ZhangJieName, began.toString(QStringLiteral("yyyy-MM-dd hh:mm")));
}

}

bool TMainForm::mayReplaceSavedExam()
{
    TSavedExam exam;
    bool found = false;
    try {
        found = m_dm->LoadSavedExam(exam);
    } catch (const std::exception &) {
        return true; // nothing can be read back, so nothing is lost by going on
    }
    if (!found)
        return true;
    return MessageBox::question(this, QStringLiteral("放弃考试"),
                                QStringLiteral("还保存着一次未交卷的模拟考试（%1）。开始新的考试将放弃它，"
                                               "已做的答案不能恢复。确定开始新的考试吗？\n（选“否”则保留它，下次启动程序时可以继续。）")
                                    .arg(savedExamName(exam)));
}

void TMainForm::offerSavedExam()
{
    TfrmKaoShi *f = frmKaoShi;
    if (!f)
        return;
    TSavedExam exam;
    bool found = false;
    if (!guarded(this, [&] { found = m_dm->LoadSavedExam(exam); }) || !found)
        return;
    const QString what = savedExamName(exam);
    if (!MessageBox::question(this, QStringLiteral("继续考试"),
                              QStringLiteral("发现未交卷的模拟考试（%1），是否继续？").arg(what))) {
        // Answers are lost only on a second, plain word; otherwise the exam waits for the next start.
        if (MessageBox::question(this, QStringLiteral("放弃考试"),
                                 QStringLiteral("放弃后，这次考试已做的答案将全部丢失，不能恢复。确定放弃吗？")))
            guarded(this, [this] { m_dm->DeleteSavedExam(); });
        return;
    }

    SpeedButton4Click();
    // The set-up shows the exam's own course, so that what is started there next is not taken
    // for a paper of another.
    const int course = cbKaoShi->findText(exam.KeChengName);
    if (course >= 0 && course != cbKaoShi->currentIndex())
        cbKaoShi->setCurrentIndex(course);
    f->SetFontSize(seKSZiTiDaXiao->value());
    f->FontSizeOra = f->FontSizeCur = seKSZiTiDaXiao->value();
    switch (f->ResumeExam(exam)) {
    case TfrmKaoShi::Resume::LoadFailed:
        // Told already; the exam stays saved for a later start.
        return;
    case TfrmKaoShi::Resume::PaperGone:
        MessageBox::information(this, QStringLiteral("提示"),
                                QStringLiteral("未交卷的模拟考试（%1）所用的试题已不在题库中（题库可能已经更新），"
                                               "无法继续，这次考试已删除。")
                                    .arg(what));
        guarded(this, [this] { m_dm->DeleteSavedExam(); });
        return;
    case TfrmKaoShi::Resume::Resumed:
        break;
    }
    f->InitKeMuList();
    f->startCountdown();
    runExam();
}
