// Result of a practice run and its five reviews: all answers, wrong ones, right ones,
// unanswered ones, and the run again from the start.
#include "ui/main/UnitMain.h"

#include "core/UnitDefine.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "ui/practice/UnitZhangJie.h"

#include <QGroupBox>
#include <QLabel>
#include <QStackedWidget>
#include <QTime>

#include <algorithm>

namespace {

QString elapsed(const QDateTime &from, const QDateTime &to)
{
    // Only the part below a day is shown; a clock set back counts as no time.
    const qint64 seconds = std::max<qint64>(0, from.secsTo(to)) % 86400;
    return QTime(0, 0).addSecs(int(seconds)).toString(QStringLiteral("hh:mm:ss"));
}

QString points(int hundredths)
{
    return QString::number(hundredths / 100.0, 'f', 2);
}

// Position of the first entry that meets the condition; -1 when none.
template <typename Pred>
int firstEntry(Pred pred)
{
    for (int i = 0; i < ItemList.count(); ++i)
        if (pred(*ItemList.object(i)))
            return i;
    return -1;
}

} // namespace

void TMainForm::ShowResultZJ()
{
    const TfrmZhangJie *f = frmZhangJie;
    if (!f)
        return;
    lblResKeCheng->setText(f->KeChengName);
    lblResZhangJie->setText(f->ZhangJieName);
    lblResKaiShi->setText(f->StartTime.toString(QStringLiteral("hh:mm:ss")));
    lblResYongShi->setText(elapsed(f->StartTime, Clock::now()));
    lblResZongGong->setText(QStringLiteral("本次练习题量共：%1题").arg(f->YiLianXiCnt + f->WeiLianXiCnt));
    lblResYiDa->setText(QStringLiteral("已练习题数：%1题").arg(f->YiLianXiCnt));
    lblResWeiDa->setText(QStringLiteral("未练习题数：%1题").arg(f->WeiLianXiCnt));
    lblResDui->setText(QStringLiteral("正确题数：%1题").arg(f->ZhengQueCnt));
    lblResCuo->setText(QStringLiteral("错误题数：%1题").arg(f->CuoWuCnt));
    lblResManFen->setText(QStringLiteral("满分：") + points(f->ManFen) + QStringLiteral("分"));
    lblResDeFen->setText(QStringLiteral("您本次得分：") + points(f->DeFen) + QStringLiteral("分"));
    lblResZhengQueLv->setText(QStringLiteral("正确率为：0%"));
    if (f->ManFen != 0) {
        const double rate = double(qint64(f->DeFen) * 100) / f->ManFen;
        lblResZhengQueLv->setText(QStringLiteral("正确率为：") + QString::number(rate, 'f', 2) + QStringLiteral("%"));
    }
    PracticeArea->setCurrentWidget(gbRes);
}

void TMainForm::runReview()
{
    frmZhangJie->ShowItem();
    frmZhangJie->QieHuaCnt = 0;
    runPractice();
}

void TMainForm::reviewFrom(const QString &mode, int first, const QString &none)
{
    TfrmZhangJie *f = frmZhangJie;
    if (!f)
        return;
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
    reviewFrom(QStringLiteral("error"), firstEntry([](const TItem &e) { return e.UserScore == 0; }),
               QStringLiteral("没有错题！"));
}

void TMainForm::SpeedButton16Click()
{
    reviewFrom(QStringLiteral("right"), firstEntry([](const TItem &e) { return e.UserScore != 0; }),
               QStringLiteral("没有对题！"));
}

void TMainForm::SpeedButton17Click()
{
    reviewFrom(QStringLiteral("notfinish"), firstEntry([](const TItem &e) { return e.UserAnswer.isEmpty(); }),
               QStringLiteral("没有未完成题！"));
}

void TMainForm::SpeedButton18Click()
{
    TfrmZhangJie *f = frmZhangJie;
    if (!f)
        return;
    f->LXMode = QStringLiteral("new");
    f->Item_Index = 0;
    // Marks and essential flags belong to the learner, not to the attempt: they stay.
    for (int i = 0; i < ItemList.count(); ++i) {
        ItemList.object(i)->UserAnswer.clear();
        ItemList.object(i)->UserScore = 0;
    }
    runReview();
}
