// Result of a handed-in exam and its five reviews: all answers, wrong ones, right ones,
// unanswered ones, and the paper again as a new attempt.
#include "ui/main/UnitMain.h"

#include "ui/main/ResultViewsInternal.h"

#include "core/UnitDefine.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "ui/exam/UnitKaoShi.h"

#include <QGroupBox>
#include <QLabel>
#include <QStackedWidget>
#include <QTime>

#include <algorithm>

using ResultViews::elapsed;

void TMainForm::ShowResultKS()
{
    const TfrmKaoShi *f = frmKaoShi;
    if (!f)
        return;
    // The figures of the exam as it was handed in: a review afterwards changes none of them.
    lblKaoShiKeCheng->setText(f->KeChengName);
    lblKaoShiZhangJie->setText(f->ZhangJieName);
    // When it began, which its identifier keeps: a resumed exam's StartTime leaves out the time
    // the program was not running.
    const QDateTime began = QDateTime::fromString(f->Test_ID, QStringLiteral("yyyyMMddhhmmss"));
    lblKaoShiKaiShi->setText((began.isValid() ? began : f->StartTime).toString(QStringLiteral("hh:mm:ss")));
    lblKaoShiYongShi->setText(f->TimeUsed.isEmpty() ? elapsed(f->StartTime, Clock::now()) : f->TimeUsed);
    ResultViews::showFigures({lblKaoShiZongGong, lblKaoShiYiDa, lblKaoShiWeiDa, lblKaoShiDui, lblKaoShiCuo, lblKaoShiManFen,
                              lblKaoShiDeFen, lblKaoShiZhengQueLv},
                             {f->QuestionCnt, f->YiLianXiCnt, f->WeiLianXiCnt, f->ZhengQueCnt, f->CuoWuCnt, f->ManFen,
                              f->DeFen},
                             QStringLiteral("试卷题目数："), QStringLiteral("已做完题数："), QStringLiteral("未做完题数："));
    if (!f->ResultStored)
        lblKaoShiDeFen->setText(lblKaoShiDeFen->text() + QStringLiteral("（未记入学习记录）"));
    KaoShiArea->setCurrentWidget(gbKaoShi);
}

void TMainForm::runExamReview()
{
    TfrmKaoShi *f = frmKaoShi;
    f->ShowItem();
    const bool redo = f->LXMode == QLatin1String("new");
    // A redo handed in shows its own result; one left otherwise has nothing to show, and the
    // answers of the exam before are gone. A review always returns to the exam's result.
    if (Modal::show(f) == QDialog::Accepted || !redo)
        ShowResultKS();
    else
        KaoShiArea->setCurrentWidget(dbKaoShiInfo);
}

void TMainForm::examReviewFrom(const QString &mode, const QString &none)
{
    TfrmKaoShi *f = frmKaoShi;
    if (!f)
        return;
    const int first = NextTakenIndex(-1, 1, ReviewFilter(mode));
    f->LXMode = mode;
    f->Item_Index = first;
    if (first < 0) {
        MessageBox::information(this, QStringLiteral("提示"), none);
        return;
    }
    runExamReview();
}

void TMainForm::SpeedButton23Click()
{
    TfrmKaoShi *f = frmKaoShi;
    if (!f)
        return;
    f->LXMode = QStringLiteral("view");
    f->Item_Index = 0;
    if (f->PanelAnswer->isHidden())
        f->sbShowAnswerClick();
    runExamReview();
}

void TMainForm::SpeedButton22Click()
{
    // Wrong as the result counts it: answered without its marks. Unanswered records are
    // what "未做题目" shows.
    examReviewFrom(QStringLiteral("error"), QStringLiteral("没有错题！"));
}

void TMainForm::SpeedButton21Click()
{
    examReviewFrom(QStringLiteral("right"), QStringLiteral("没有对题！"));
}

void TMainForm::SpeedButton20Click()
{
    examReviewFrom(QStringLiteral("notfinish"), QStringLiteral("没有未完成题！"));
}

void TMainForm::SpeedButton19Click()
{
    TfrmKaoShi *f = frmKaoShi;
    if (!f || !mayReplaceSavedExam())
        return;
    // A new attempt on the same questions, timed from a full hour, with its own identifier
    // and, at its hand-in, its own history row; the exam before keeps its record.
    f->LXMode = QStringLiteral("new");
    f->Item_Index = 0;
    for (int i = 0; i < ItemList.count(); ++i) {
        TItem *record = ItemList.object(i);
        record->UserAnswer.clear();
        record->UserScore = 0;
        record->ColorMark = 3;
        record->ItemMark = false;
    }
    startAttempt();
    runExamReview();
}
