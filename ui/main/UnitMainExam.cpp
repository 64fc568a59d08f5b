// Exam set-up of the main window: course and paper choice, counts, font size, and the start
// of an exam on a paper or on a random paper.
#include "ui/main/UnitMain.h"

#include "core/UnitDefine.h"
#include "platform/Clock.h"
#include "platform/Modal.h"
#include "store/UnitDM.h"
#include "ui/Controls.h"
#include "ui/FlatButtons.h"
#include "ui/Guard.h"
#include "ui/exam/UnitKaoShi.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTimer>
#include <QToolButton>

namespace {
const QString NoPaper = QStringLiteral("请选择试卷名称");
}

void TMainForm::SpeedButton4Click()
{
    bringToFront(PanelKaoShi);
    noPaperChosen();
    for (QLabel *l : {lblKaoshiCnt, lblKSDanXuanCnt, lblKSDuoXuanCnt, lblKSPanDuanCnt, lblKSFenXiCnt})
        l->setText(QStringLiteral("0"));
    cbKaoShiJIShi->setChecked(true);
    edtKaoShiShiJian->setText(QStringLiteral("60"));
    if (!guarded(this, [this] { m_dm->GetKeChengInfo(); }))
        return;
    {
        // The refill selects nothing by itself; the course change runs once, below.
        const QSignalBlocker quiet(cbKaoShi);
        cbKaoShi->clear();
        for (int i = 0; i < KeChengList.count(); ++i)
            cbKaoShi->addItem(KeChengList.text(i));
        cbKaoShi->setCurrentIndex(cbKaoShi->count() > 0 ? 0 : -1);
    }
    cbKaoShiChange();
}

void TMainForm::noPaperChosen()
{
    lblKaoShiJuan->setText(NoPaper);
    sbKaiShiKaoShi->setEnabled(false);
}

void TMainForm::cbKaoShiChange()
{
    KaoShiArea->setCurrentWidget(dbKaoShiInfo);
    const int course = KeChengList.indexOf(cbKaoShi->currentText());
    if (course < 0)
        return;
    const TKeCheng *keCheng = KeChengList.object(course);
    if (keCheng->KeChengName.left(4) == QStringLiteral("会计基础"))
        lblFenXiTi->setText(QStringLiteral("计算分析题："));
    else if (keCheng->KeChengName.left(4) == QStringLiteral("财经法规"))
        lblFenXiTi->setText(QStringLiteral("案例分析题："));
    noPaperChosen();
    if (frmKaoShi) {
        frmKaoShi->KeChengID = keCheng->KeChengID;
        frmKaoShi->KeChengName = keCheng->KeChengName;
    }
    // Our own count, not ZhangJieList's: the practice page refills that list with chapters.
    for (int i = 0; i < m_kaoShiButtonCount; ++i)
        RemoveFlatButton(this, QStringLiteral("sbKaoShi%1").arg(i));
    m_kaoShiButtonCount = 0;
    const QString keChengID = keCheng->KeChengID; // the reload below may free the record
    if (!guarded(this, [&] { m_dm->GetZhangJIe(keChengID, QStringLiteral("2")); }))
        return;
    QWidget *host = ScrollBoxKaoShi->widget();
    const int width = ScrollBoxKaoShi->width() - 20;
    QWidget *previous = cbKaoShi; // keyboard order: course, papers, random exam
    for (int i = 0; i < ZhangJieList.count(); ++i) {
        QToolButton *b = EnsureFlatButton(this, host, QStringLiteral("sbKaoShi%1").arg(i),
                                          ZhangJieList.object(i)->ZhangJieName, QRect(10, 12 + 32 * i, width, 30), 11);
        b->setFocusPolicy(Qt::StrongFocus);
        b->installEventFilter(m_enterClicks);
        disconnect(b, &QToolButton::clicked, this, nullptr);
        connect(b, &QToolButton::clicked, this, [this, b] { sbKaoShiClick(b); });
        QWidget::setTabOrder(previous, b);
        previous = b;
        m_kaoShiButtonCount = i + 1;
    }
    QWidget::setTabOrder(previous, SpeedButton30);
    // The scroll area scrolls over every button.
    host->setMinimumHeight(12 + 32 * m_kaoShiButtonCount);
    ScrollBoxKaoShi->verticalScrollBar()->setValue(0);
}

void TMainForm::sbKaoShiClick(QToolButton *sender)
{
    KaoShiArea->setCurrentWidget(dbKaoShiInfo);
    const int course = KeChengList.indexOf(cbKaoShi->currentText());
    if (course < 0 || !sender)
        return;
    const QString keChengID = KeChengList.object(course)->KeChengID;
    const int paper = ZhangJieList.indexOf(sender->text());
    if (paper < 0)
        return;
    const TZhangJie *zhangJie = ZhangJieList.object(paper);
    if (frmKaoShi) {
        frmKaoShi->ZhangJieID = zhangJie->ZhangJieID;
        frmKaoShi->ZhangJieName = zhangJie->ZhangJieName;
    }
    lblKaoShiJuan->setText(sender->text());
    // Without its counts the paper cannot be started.
    if (!fillPaperCounts(keChengID, zhangJie->ZhangJieID)) {
        noPaperChosen();
        return;
    }
    sbKaiShiKaoShi->setEnabled(true);
}

void TMainForm::SelectKaoShi(const QString &KeCheng_ID, const QString &ZhangJie_ID)
{
    fillPaperCounts(KeCheng_ID, ZhangJie_ID);
}

bool TMainForm::fillPaperCounts(const QString &KeCheng_ID, const QString &ZhangJie_ID)
{
    int zong = 0, dan = 0, duo = 0, pan = 0, fen = 0;
    if (!guarded(this, [&] { m_dm->GetItemCnt(KeCheng_ID, ZhangJie_ID, zong, dan, duo, pan, fen); }))
        return false;
    lblKaoshiCnt->setText(QString::number(dan + duo + pan + fen));
    lblKSDanXuanCnt->setText(QString::number(dan));
    lblKSDuoXuanCnt->setText(QString::number(duo));
    lblKSPanDuanCnt->setText(QString::number(pan));
    lblKSFenXiCnt->setText(QString::number(fen));
    return true;
}

void TMainForm::seKSZiTiDaXiaoChange()
{
    Controls::setPointSize(pnlKSZitiYuLan, seKSZiTiDaXiao->value());
}

void TMainForm::sbKaiShiKaoShiClick()
{
    TfrmKaoShi *f = frmKaoShi;
    const int course = KeChengList.indexOf(cbKaoShi->currentText());
    if (!f || course < 0 || !mayReplaceSavedExam())
        return;
    // The exam is of the course its paper belongs to, whatever exam the window held before
    // (a resumed one of another course).
    f->KeChengID = KeChengList.object(course)->KeChengID;
    f->KeChengName = KeChengList.object(course)->KeChengName;
    f->LXMode = QStringLiteral("First");
    f->Timed = cbKaoShiJIShi->isChecked();
    f->DanXunCnt = lblKSDanXuanCnt->text().toInt();
    f->DuoXuanCnt = lblKSDuoXuanCnt->text().toInt();
    f->PanDuanCnt = lblKSPanDuanCnt->text().toInt();
    f->FenXiCnt = lblKSFenXiCnt->text().toInt();
    f->SetFontSize(seKSZiTiDaXiao->value());
    f->FontSizeOra = f->FontSizeCur = seKSZiTiDaXiao->value();
    // A failed load ends the start; the window is not shown on a half-built list.
    if (!f->InitItemList())
        return;
    f->InitKeMuList();
    startExam();
}

void TMainForm::SpeedButton30Click()
{
    KaoShiArea->setCurrentWidget(dbKaoShiInfo);
    TfrmKaoShi *f = frmKaoShi;
    const int course = KeChengList.indexOf(cbKaoShi->currentText());
    if (!f || course < 0 || !mayReplaceSavedExam())
        return;
    const TKeCheng *keCheng = KeChengList.object(course);
    f->KeChengID = keCheng->KeChengID;
    f->KeChengName = keCheng->KeChengName;
    f->ZhangJieID.clear();
    f->ZhangJieName = QStringLiteral("随机考试");
    // The exam window no longer holds the chosen paper: a paper start needs a paper click first.
    noPaperChosen();
    f->LXMode = QStringLiteral("First");
    f->Timed = cbKaoShiJIShi->isChecked();
    f->DanXunCnt = 20;
    f->DuoXuanCnt = 20;
    f->PanDuanCnt = 20;
    f->FenXiCnt = 2;
    f->SetFontSize(seKSZiTiDaXiao->value());
    f->FontSizeOra = f->FontSizeCur = seKSZiTiDaXiao->value();
    if (!f->InitSJItemList())
        return;
    f->InitKeMuList();
    startExam();
}

void TMainForm::startAttempt()
{
    TfrmKaoShi *f = frmKaoShi;
    QDateTime start = Clock::now();
    // An attempt begun within the second of the last one must not take over its history row.
    if (start.toString(QStringLiteral("yyyyMMddhhmmss")) == f->Test_ID)
        start = start.addSecs(1);
    f->StartTime = start;
    f->Test_ID = start.toString(QStringLiteral("yyyyMMddhhmmss"));
    f->TimeUsed.clear();
    f->startCountdown();
}

void TMainForm::startExam()
{
    startAttempt();
    runExam();
}

void TMainForm::runExam()
{
    TfrmKaoShi *f = frmKaoShi;
    f->setWindowState(f->windowState() | Qt::WindowMaximized);
    // Only a handed-in exam has a result to show; any other way out leads back to the set-up.
    if (Modal::show(f) == QDialog::Accepted)
        ShowResultKS();
    else
        KaoShiArea->setCurrentWidget(dbKaoShiInfo);
}
