// Essentials and wrong-question review set-up of the main window: counts, the period
// chooser, and the start of the review run.
#include "ui/main/UnitMain.h"

#include "platform/Clock.h"
#include "store/UnitDM.h"
#include "ui/Controls.h"
#include "ui/Guard.h"
#include "ui/main/PracticeViewsInternal.h"
#include "ui/practice/UnitZhangJie.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QToolButton>

#include <algorithm>

void TMainForm::showJHCTCounts(int zong, int dan, int duo, int pan, int fen)
{
    lblJHCT_all->setText(QString::number(zong));
    lblJHCT_danxuan->setText(QString::number(dan));
    lblJHCT_duoxuan->setText(QString::number(duo));
    lblJHCT_panduan->setText(QString::number(pan));
    lblJHCT_fenxi->setText(QString::number(fen));
    seJHCT_select->setValue(std::clamp(zong, seJHCT_select->minimum(), seJHCT_select->maximum()));
}

void TMainForm::SpeedButton24Click()
{
    pnlCTZQ->hide();
    gbJHCT->setTitle(QStringLiteral("精华类练习"));
    lblJHCT_CAP->setText(QStringLiteral("精华类练习"));
    lblJHCTKindCaption->setText(QStringLiteral("精华试题："));
    lblJHCTKindText->setText(QStringLiteral("练习所有课程中标为精华的试题。在练习窗口中点“设为精华题目”即可加入，"
                                            "再点一次即可取消。"));
    sbJHCTKaiShiLianXi->setToolTip(QStringLiteral("按以上设置开始复习"));
    PracticeArea->setCurrentWidget(gbJHCT);
    int zong = 0, dan = 0, duo = 0, pan = 0, fen = 0;
    if (!guarded(this, [&] { m_dm->GetJHItemCnt(zong, dan, duo, pan, fen); })) {
        // No counts, no start: the box must not start a run of another kind.
        showJHCTCounts(0, 0, 0, 0, 0);
        sbJHCTKaiShiLianXi->setEnabled(false);
        sbJHCTKaiShiLianXi->setToolTip(QStringLiteral("精华试题的数量未能读出，请稍后再打开本页"));
        return;
    }
    showJHCTCounts(zong, dan, duo, pan, fen);
    sbJHCTKaiShiLianXi->setEnabled(true);
    if (frmZhangJie)
        frmZhangJie->LXMode = QStringLiteral("JingHua");
}

void TMainForm::SpeedButton27Click()
{
    gbJHCT->setTitle(QStringLiteral("错题类练习"));
    lblJHCT_CAP->setText(QStringLiteral("错题类练习"));
    lblJHCTKindCaption->setText(QStringLiteral("错题复习："));
    lblJHCTKindText->setText(QStringLiteral("练习所选时间段内答错过的试题；同一题在几天里都答错过，按天各练一次。"));
    // The counts are the wrong questions' own, once a period is chosen; not the essentials'.
    showJHCTCounts(0, 0, 0, 0, 0);
    sbJHCTKaiShiLianXi->setToolTip(QStringLiteral("请先选择错题的时间范围并点“确定”"));
    PracticeArea->setCurrentWidget(gbJHCT);
    pnlCTZQ->show();
    pnlCTZQ->raise();
    const QDateTime now = Clock::now();
    rbWeek->setText(QStringLiteral("最近一周错题(%1至今天)").arg(now.addDays(-7).toString(QStringLiteral("yyyy-MM-dd"))));
    rbMonth->setText(QStringLiteral("最近一月错题(%1至今天)").arg(now.addDays(-30).toString(QStringLiteral("yyyy-MM-dd"))));
    if (frmZhangJie)
        frmZhangJie->LXMode = QStringLiteral("CuoTi");
    sbJHCTKaiShiLianXi->setEnabled(false);
    // The learner's first step is to pick a period.
    for (QRadioButton *r : {rbToDay, rbWeek, rbMonth, rbAll})
        if (r->isChecked())
            r->setFocus();
}

void TMainForm::SpeedButton28Click()
{
    int daysBack = 0;
    if (rbWeek->isChecked())
        daysBack = 7;
    else if (rbMonth->isChecked())
        daysBack = 30;
    else if (rbAll->isChecked())
        daysBack = 1000;
    const QString start = Clock::now().addDays(-daysBack).toString(QStringLiteral("yyyyMMdd"));
    int zong = 0, dan = 0, duo = 0, pan = 0, fen = 0;
    if (!guarded(this, [&] { m_dm->GetCTItemCnt(zong, dan, duo, pan, fen, start); }))
        return;
    showJHCTCounts(zong, dan, duo, pan, fen);
    sbJHCTKaiShiLianXi->setEnabled(true);
    sbJHCTKaiShiLianXi->setToolTip(QStringLiteral("按以上设置开始复习"));
    pnlCTZQ->hide();
    if (frmZhangJie) {
        frmZhangJie->CT_Start = start;
        frmZhangJie->CT_Period = rbWeek->isChecked() ? QStringLiteral("近一周")
            : rbMonth->isChecked()                   ? QStringLiteral("近一月")
            : rbAll->isChecked()                     ? QStringLiteral("全部")
                                                     : QStringLiteral("当天");
    }
    seJHCT_select->setFocus();
}

void TMainForm::SpeedButton29Click()
{
    pnlCTZQ->hide();
}

void TMainForm::seJHCT_fontsizeChange()
{
    Controls::setPointSize(pnlJHCTZitiYuLan, seJHCT_fontsize->value());
}

void TMainForm::sbJHCTKaiShiLianXiClick()
{
    TfrmZhangJie *f = frmZhangJie;
    if (!f)
        return;
    prepareRun(lblJHCT_all->text().toInt(), lblJHCT_danxuan->text().toInt(), lblJHCT_duoxuan->text().toInt(),
               lblJHCT_panduan->text().toInt(), lblJHCT_fenxi->text().toInt(), seJHCT_fontsize->value(),
               PracticeViews::AnalysisBothCaption);
    f->JHCT_Select = seJHCT_select->value();
    f->JHCT_Start = seJHCT_start->value();
    f->RandomOrder = false;
    m_setupView = gbJHCT;
    startPracticeRun(cbJHCTDaTiSuDu->isChecked(), seJHCTQieHuanMiaoShu->value());
}
