// Practice set-up of the main window: course and chapter choice, counts, and the start of a
// run, chapter or review alike.
#include "ui/main/UnitMain.h"

#include "core/UnitDefine.h"
#include "platform/Clock.h"
#include "platform/Modal.h"
#include "store/UnitDM.h"
#include "ui/Controls.h"
#include "ui/FlatButtons.h"
#include "ui/Guard.h"
#include "ui/main/PracticeViewsInternal.h"
#include "ui/practice/UnitZhangJie.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTimer>
#include <QToolButton>

#include <tuple>

using PracticeViews::NoChapter;

namespace {
// A start that cannot start says why.
void enableStart(QToolButton *start, bool on)
{
    start->setEnabled(on);
    start->setToolTip(on ? QStringLiteral("按以上设置开始练习") : QStringLiteral("请先在左侧的章节列表中选择章节"));
}
}

void TMainForm::SpeedButton3Click()
{
    bringToFront(PanelZJLX);
    cbZhangJieAll->setChecked(true);
    lblXuanZeZhangJie->setText(NoChapter);
    enableStart(sbKaiShiLianXi, false);
    for (QLabel *l : {lblZhangJieCnt, lblZJDanXuanCnt, lblZJDuoXuanCnt, lblZJPanDuanCnt, lblZJFenxiCnt})
        l->setText(QStringLiteral("0"));
    for (QSpinBox *s : {seDanXunShuLiang, seDuoXuanShuLiang, sePanDuanShuLiang, seFenXiShuLiang})
        s->setValue(0);
    cbDaTiSuDu->setChecked(true);
    cbShunXu->setChecked(true);
    if (!guarded(this, [this] { m_dm->GetKeChengInfo(); }))
        return;
    {
        // The refill selects nothing by itself; the course change runs once, below.
        const QSignalBlocker quiet(cbKeCheng);
        cbKeCheng->clear();
        for (int i = 0; i < KeChengList.count(); ++i)
            cbKeCheng->addItem(KeChengList.text(i));
        cbKeCheng->setCurrentIndex(cbKeCheng->count() > 0 ? 0 : -1);
    }
    cbKeChengChange();
}

void TMainForm::cbKeChengChange()
{
    PracticeArea->setCurrentWidget(gbTiKuXinXi);
    const int course = KeChengList.indexOf(cbKeCheng->currentText());
    if (course < 0)
        return;
    const TKeCheng *keCheng = KeChengList.object(course);
    if (keCheng->KeChengName.left(4) == QStringLiteral("会计基础")) {
        lblfenxi->setText(QStringLiteral("计算分析题："));
        cbFenXi->setText(QStringLiteral("计算分析题："));
    } else if (keCheng->KeChengName.left(4) == QStringLiteral("财经法规")) {
        lblfenxi->setText(QStringLiteral("案例分析题："));
        cbFenXi->setText(QStringLiteral("案例分析题："));
    }
    lblXuanZeZhangJie->setText(NoChapter);
    enableStart(sbKaiShiLianXi, false);
    if (frmZhangJie) {
        frmZhangJie->KeChengID = keCheng->KeChengID;
        frmZhangJie->KeChengName = keCheng->KeChengName;
    }
    // Our own count, not ZhangJieList's: the exam page refills that list with its papers.
    for (int i = 0; i < m_zhangJieButtonCount; ++i)
        RemoveFlatButton(this, QStringLiteral("sbZhangJie%1").arg(i));
    m_zhangJieButtonCount = 0;
    const QString keChengID = keCheng->KeChengID; // the reload below may free the record
    if (!guarded(this, [&] { m_dm->GetZhangJIe(keChengID, QStringLiteral("1")); }))
        return;
    QWidget *host = ScrollBoxZhangJie->widget();
    const int width = ScrollBoxZhangJie->width() - 20;
    QWidget *previous = cbKeCheng; // keyboard order: course, chapters, review buttons
    for (int i = 0; i < ZhangJieList.count(); ++i) {
        QToolButton *b = EnsureFlatButton(this, host, QStringLiteral("sbZhangJie%1").arg(i),
                                          ZhangJieList.object(i)->ZhangJieName, QRect(10, 12 + 32 * i, width, 30), 11);
        b->setFocusPolicy(Qt::StrongFocus);
        // The chosen chapter stays marked as chosen, whatever has the focus.
        b->setCheckable(true);
        b->setChecked(false);
        b->installEventFilter(m_enterClicks);
        disconnect(b, &QToolButton::clicked, this, nullptr);
        connect(b, &QToolButton::clicked, this, [this, b] { sbZhangJieClick(b); });
        QWidget::setTabOrder(previous, b);
        previous = b;
        m_zhangJieButtonCount = i + 1;
    }
    QWidget::setTabOrder(previous, SpeedButton24);
    // The scroll area scrolls over every button.
    host->setMinimumHeight(12 + 32 * m_zhangJieButtonCount);
    ScrollBoxZhangJie->verticalScrollBar()->setValue(0);
}

void TMainForm::sbZhangJieClick(QToolButton *sender)
{
    PracticeArea->setCurrentWidget(gbTiKuXinXi);
    const int course = KeChengList.indexOf(cbKeCheng->currentText());
    if (course < 0 || !sender)
        return;
    const QString keChengID = KeChengList.object(course)->KeChengID;
    const int chapter = ZhangJieList.indexOf(sender->text());
    if (chapter < 0)
        return;
    const TZhangJie *zhangJie = ZhangJieList.object(chapter);
    if (frmZhangJie) {
        frmZhangJie->ZhangJieID = zhangJie->ZhangJieID;
        frmZhangJie->ZhangJieName = zhangJie->ZhangJieName;
    }
    lblXuanZeZhangJie->setText(sender->text());
    for (int i = 0; i < m_zhangJieButtonCount; ++i)
        if (auto *b = findChild<QToolButton *>(QStringLiteral("sbZhangJie%1").arg(i)))
            b->setChecked(b == sender);
    if (!fillChapterCounts(keChengID, zhangJie->ZhangJieID)) {
        // Without its counts the chapter cannot be practised.
        lblXuanZeZhangJie->setText(NoChapter);
        enableStart(sbKaiShiLianXi, false);
        sender->setChecked(false);
        return;
    }
    enableStart(sbKaiShiLianXi, true);
}

void TMainForm::SelectZhangJie(const QString &KeCheng_ID, const QString &ZhangJie_ID)
{
    fillChapterCounts(KeCheng_ID, ZhangJie_ID);
}

bool TMainForm::fillChapterCounts(const QString &KeCheng_ID, const QString &ZhangJie_ID)
{
    int zong = 0, dan = 0, duo = 0, pan = 0, fen = 0;
    if (!guarded(this, [&] { m_dm->GetItemCnt(KeCheng_ID, ZhangJie_ID, zong, dan, duo, pan, fen); }))
        return false;
    lblZhangJieCnt->setText(QString::number(dan + duo + pan + fen));
    const std::tuple<QLabel *, QSpinBox *, int> types[] = {{lblZJDanXuanCnt, seDanXunShuLiang, dan},
                                                          {lblZJDuoXuanCnt, seDuoXuanShuLiang, duo},
                                                          {lblZJPanDuanCnt, sePanDuanShuLiang, pan},
                                                          {lblZJFenxiCnt, seFenXiShuLiang, fen}};
    for (const auto &[count, amount, n] : types) {
        count->setText(QString::number(n));
        amount->setMaximum(n);
        amount->setValue(n);
    }
    return true;
}

void TMainForm::cbZhangJieAllClick()
{
    const bool own = !cbZhangJieAll->isChecked();
    for (QWidget *w : std::initializer_list<QWidget *>{cbDanXuan, seDanXunShuLiang, cbDuoXuan, seDuoXuanShuLiang,
                                                       cbPanDuan, sePanDuanShuLiang, cbFenXi, seFenXiShuLiang})
        w->setEnabled(own);
}

void TMainForm::seZiTiDaXiaoChange()
{
    Controls::setPointSize(pnlZitiYuLan, seZiTiDaXiao->value());
}

void TMainForm::sbKaiShiLianXiClick()
{
    TfrmZhangJie *f = frmZhangJie;
    if (!f)
        return;
    f->LXMode = QStringLiteral("First");
    // "全部习题" takes every amount; otherwise only the ticked types count.
    const auto amount = [this](const QCheckBox *ticked, const QSpinBox *box) {
        return cbZhangJieAll->isChecked() || ticked->isChecked() ? box->value() : 0;
    };
    const int dan = amount(cbDanXuan, seDanXunShuLiang), duo = amount(cbDuoXuan, seDuoXuanShuLiang),
              pan = amount(cbPanDuan, sePanDuanShuLiang), fen = amount(cbFenXi, seFenXiShuLiang);
    prepareRun(dan + duo + pan + fen, dan, duo, pan, fen, seZiTiDaXiao->value(), lblfenxi->text());
    f->RandomOrder = cbShunXu->isChecked();
    m_setupView = gbTiKuXinXi;
    startPracticeRun(cbDaTiSuDu->isChecked(), seQieHuanMiaoShu->value());
}

void TMainForm::prepareRun(int total, int dan, int duo, int pan, int fen, int fontSize, const QString &analysisCaption)
{
    TfrmZhangJie *f = frmZhangJie;
    f->DanXunCnt = dan;
    f->DuoXuanCnt = duo;
    f->PanDuanCnt = pan;
    f->FenXiCnt = fen;
    f->setTextFontSize(fontSize);
    f->lblTotal->setText(QStringLiteral("本次题量共：%1题").arg(total));
    f->lblDanXuan->setText(QStringLiteral("单选题量为：%1题").arg(dan));
    f->lblDuoXuan->setText(QStringLiteral("多选题量为：%1题").arg(duo));
    f->lblPanDuan->setText(QStringLiteral("判断题量为：%1题").arg(pan));
    f->lblFenXi->setText(analysisCaption + QString::number(fen) + QStringLiteral("题"));
    f->FenXiCaption = analysisCaption;
}

// Loads the list and runs it: the common end of the chapter and the review starts.
void TMainForm::startPracticeRun(bool forcedSwitching, int seconds)
{
    TfrmZhangJie *f = frmZhangJie;
    // A failed load ends the start; the window is not shown on a half-built list.
    if (!f->InitItemList())
        return;
    // A new run starts with the key hidden; reviews keep the strip as the learner left it.
    if (!f->pnlAnswer->isHidden())
        f->sbAnswerClick();
    f->TimeUsed.clear();
    f->StartTime = Clock::now();
    if (forcedSwitching) {
        f->QieHuan = true;
        f->QieHuaDiv = seconds;
        f->QieHuaCnt = 0;
    } else {
        f->QieHuan = false;
        f->lvlQieHuanLeft->setText(QStringLiteral("----"));
    }
    f->TimerDaTi->setInterval(1000);
    f->TimerDaTi->start();
    f->Test_ID = Clock::now().toString(QStringLiteral("yyyyMMddhhmmss"));
    runPractice();
}

void TMainForm::runPractice()
{
    if (Modal::show(frmZhangJie) == QDialog::Accepted) {
        ShowResultZJ();
        return;
    }
    // Left by the close box: nothing was counted or stored. A review goes back to the result it
    // came from, which is still that run's; a new run, or a redo that cleared the answers,
    // goes back to where it was set up rather than showing an earlier run's figures as its own.
    const QString mode = frmZhangJie->LXMode;
    if (mode == QLatin1String("view") || mode == QLatin1String("error") || mode == QLatin1String("right")
        || mode == QLatin1String("notfinish"))
        ShowResultZJ();
    else
        PracticeArea->setCurrentWidget(m_setupView ? m_setupView : gbTiKuXinXi);
}