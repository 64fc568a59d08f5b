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
using ResultViews::points;

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
    // The counts are of records; where analysis questions make them more than the questions,
    // they say so.
    const int records = f->YiLianXiCnt + f->WeiLianXiCnt;
    const bool subQuestions = f->QuestionCnt != records;
    const QString unit = subQuestions ? QStringLiteral("小题") : QStringLiteral("题");
    lblKaoShiZongGong->setText(subQuestions
                                   ? QStringLiteral("试卷题目数：%1题，共%2小题").arg(f->QuestionCnt).arg(records)
                                   : QStringLiteral("试卷题目数：%1题").arg(records));
    lblKaoShiYiDa->setText(QStringLiteral("已做完题数：%1").arg(f->YiLianXiCnt) + unit);
    lblKaoShiWeiDa->setText(QStringLiteral("未做完题数：%1").arg(f->WeiLianXiCnt) + unit);
    lblKaoShiDui->setText(QStringLiteral("正确题数：%1").arg(f->ZhengQueCnt) + unit);
    lblKaoShiCuo->setText(QStringLiteral("错误题数：%1").arg(f->CuoWuCnt) + unit);
    lblKaoShiManFen->setText(QStringLiteral("满分：") + points(f->ManFen) + QStringLiteral("分"));
    lblKaoShiDeFen->setText(QStringLiteral("您本次得分：") + points(f->DeFen) + QStringLiteral("分")
                            + (f->ResultStored ? QString() : QStringLiteral("（未记入学习记录）")));
    // A share of the points, named so that it is not taken for the history's share of right
    // answers.
    lblKaoShiZhengQueLv->setText(QStringLiteral("得分率为：0%"));
    if (f->ManFen != 0) {
        const double rate = double(qint64(f->DeFen) * 100) / f->ManFen;
        lblKaoShiZhengQueLv->setText(QStringLiteral("得分率为：") + QString::number(rate, 'f', 2) + QStringLiteral("%"));
    }
    lblKaoShiZhengQueLv->setToolTip(QStringLiteral("得分占满分的比例"));
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
    // The attempt begins with the key hidden, whatever the review before it opened.
    if (!f->PanelAnswer->isHidden())
        f->sbShowAnswerClick();
    startAttempt();
    runExamReview();
}
