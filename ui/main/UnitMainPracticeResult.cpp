// Result of a practice run and its five reviews: all answers, wrong ones, right ones,
// unanswered ones, and the run again from the start.
#include "ui/main/UnitMain.h"

#include "ui/main/ResultViewsInternal.h"

#include "core/UnitDefine.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "ui/practice/UnitZhangJie.h"

#include <QGroupBox>
#include <QLabel>
#include <QStackedWidget>
#include <QTime>
#include <QTimer>

#include <algorithm>

using ResultViews::elapsed;

void TMainForm::ShowResultZJ()
{
    const TfrmZhangJie *f = frmZhangJie;
    if (!f)
        return;
    // The figures of the run as it was stored: a review afterwards changes none of them.
    lblResKeCheng->setText(f->RunKeChengName);
    lblResZhangJie->setText(f->RunZhangJieName);
    lblResKaiShi->setText(f->StartTime.toString(QStringLiteral("hh:mm:ss")));
    lblResYongShi->setText(f->TimeUsed.isEmpty() ? elapsed(f->StartTime, Clock::now()) : f->TimeUsed);
    ResultViews::showFigures({lblResZongGong, lblResYiDa, lblResWeiDa, lblResDui, lblResCuo, lblResManFen, lblResDeFen,
                              lblResZhengQueLv},
                             {f->QuestionCnt, f->YiLianXiCnt, f->WeiLianXiCnt, f->ZhengQueCnt, f->CuoWuCnt, f->ManFen,
                              f->DeFen},
                             QStringLiteral("本次练习题量共："), QStringLiteral("已练习题数："), QStringLiteral("未练习题数："));
    if (!f->ResultStored)
        lblResDeFen->setText(lblResDeFen->text() + QStringLiteral("（未记入学习记录）"));
    PracticeArea->setCurrentWidget(gbRes);
}

void TMainForm::runReview()
{
    // Reviews are not timed: no countdown to show.
    if (frmZhangJie->isReview())
        frmZhangJie->lvlQieHuanLeft->setText(QStringLiteral("----"));
    frmZhangJie->ShowItem();
    frmZhangJie->QieHuaCnt = 0;
    runPractice();
}

void TMainForm::reviewFrom(const QString &mode, const QString &none)
{
    TfrmZhangJie *f = frmZhangJie;
    if (!f)
        return;
    const int first = NextTakenIndex(-1, 1, ReviewFilter(mode));
    f->LXMode = mode;
    f->Item_Index = first;
    if (first < 0) {
        MessageBox::information(this, QStringLiteral("提示"), none);
        return;
    }
    runReview();
}

void TMainForm::SpeedButton14Click()
{
    TfrmZhangJie *f = frmZhangJie;
    if (!f)
        return;
    f->LXMode = QStringLiteral("view");
    f->Item_Index = 0;
    if (f->pnlAnswer->isHidden())
        f->sbAnswerClick();
    runReview();
}

void TMainForm::SpeedButton15Click()
{
    // Wrong as the result counts it: answered and not right. Unanswered entries are what
    // "未做题目" shows.
    reviewFrom(QStringLiteral("error"), QStringLiteral("没有错题！"));
}

void TMainForm::SpeedButton16Click()
{
    reviewFrom(QStringLiteral("right"), QStringLiteral("没有对题！"));
}

void TMainForm::SpeedButton17Click()
{
    reviewFrom(QStringLiteral("notfinish"), QStringLiteral("没有未完成题！"));
}

void TMainForm::SpeedButton18Click()
{
    TfrmZhangJie *f = frmZhangJie;
    if (!f)
        return;
    // A new attempt on the same questions: its own start, its own record, the run's timing.
    // Marks and essential flags belong to the learner, not to the attempt: they stay.
    f->LXMode = QStringLiteral("new");
    f->Item_Index = 0;
    for (int i = 0; i < ItemList.count(); ++i) {
        ItemList.object(i)->UserAnswer.clear();
        ItemList.object(i)->UserScore = 0;
    }
    f->StartTime = Clock::now();
    f->Test_ID = f->StartTime.toString(QStringLiteral("yyyyMMddhhmmss"));
    f->TimeUsed.clear();
    if (!f->pnlAnswer->isHidden())
        f->sbAnswerClick();
    if (!f->QieHuan)
        f->lvlQieHuanLeft->setText(QStringLiteral("----"));
    f->TimerDaTi->setInterval(1000);
    f->TimerDaTi->start();
    runReview();
}
