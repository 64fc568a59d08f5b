// The exam window's list and answer card: loading a paper, the introductory screens, the
// card's colours and categories, moving between questions, the 待查 flag, and the keys.
#include "ui/exam/UnitKaoShi.h"

#include "core/AppPath.h"
#include "core/UnitDefine.h"
#include "store/UnitDM.h"
#include "ui/Guard.h"
#include "ui/WrapCheckBox.h"
#include "ui/exam/AnswerCard.h"
#include "ui/exam/KaoShiInternal.h"
#include "ui/entry/EntryPanels.h"
#include "ui/entry/KeMuPicker.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QShowEvent>
#include <QStyle>
#include <QTextEdit>
#include <QTimer>

#include <functional>

TfrmKaoShi *frmKaoShi = nullptr;

namespace {

QString tipPicture(const QString &mode)
{
    if (mode == QLatin1String("view")) return QStringLiteral("\\image\\r_1.bmp");
    if (mode == QLatin1String("error")) return QStringLiteral("\\image\\r_2_2.bmp");
    if (mode == QLatin1String("notfinish")) return QStringLiteral("\\image\\r_3_2.bmp");
    if (mode == QLatin1String("new")) return QStringLiteral("\\image\\r_4.bmp");
    return QString();
}

// Keys typed into an edit belong to the edit, not to the exam's shortcuts.
bool isTypingTarget(QObject *object)
{
    if (qobject_cast<QLineEdit *>(object) || qobject_cast<QAbstractSpinBox *>(object))
        return true;
    if (auto *combo = qobject_cast<QComboBox *>(object))
        return combo->isEditable();
    if (auto *memo = qobject_cast<QPlainTextEdit *>(object))
        return !memo->isReadOnly();
    if (auto *text = qobject_cast<QTextEdit *>(object))
        return !text->isReadOnly();
    return false;
}

} // namespace

bool TfrmKaoShi::InitItemList() { return loadItems(ZhangJieID, 0); }

bool TfrmKaoShi::InitSJItemList() { return loadItems(KeChengID, 1); }

void TfrmKaoShi::showCourse()
{
    lblKeCheng->setText(KeChengName);
    if (KeChengName == QStringLiteral("会计基础"))
        cpFenXi->setCaption(QStringLiteral("计算分析题"));
    else if (KeChengName == QStringLiteral("财经法规与会计职业道德"))
        cpFenXi->setCaption(QStringLiteral("案例分析题"));
}

bool TfrmKaoShi::loadItems(const QString &source, int random)
{
    showCourse();
    ItemList.clear();
    const bool loaded = guarded(this, [&] {
        m_dm->AddItem(source, QStringLiteral("1"), DanXunCnt, random);
        m_dm->AddItem(source, QStringLiteral("2"), DuoXuanCnt, random);
        m_dm->AddItem(source, QStringLiteral("3"), PanDuanCnt, random);
        m_dm->AddItem(source, QStringLiteral("4"), FenXiCnt, random);
        m_dm->AddItem(source, QStringLiteral("5"), FenXiCnt, random);
    });
    Item_Index = 0;
    ShowItem();
    return loaded;
}

bool TfrmKaoShi::InitKeMuList()
{
    return pnlKeMu->InitKeMuList(m_dm);
}

TItem *TfrmKaoShi::currentItem() const
{
    return Item_Index >= 0 && Item_Index < ItemList.count() ? ItemList[Item_Index] : nullptr;
}

TCardCell *TfrmKaoShi::cardCell(int position) const
{
    if (position < 0 || position >= KaoShi::CardCells)
        return nullptr;
    return CategoryPanelGroup->findChild<TCardCell *>(KaoShi::cellName(position));
}

TCategoryPanel *TfrmKaoShi::categoryOf(int position) const
{
    if (position < 20)
        return cpDanXuan;
    if (position < 40)
        return cpDuoXuan;
    if (position < 60)
        return cpPanDuan;
    return cpFenXi;
}

void TfrmKaoShi::collapseAllBut(TCategoryPanel *open)
{
    for (TCategoryPanel *category : {cpDanXuan, cpDuoXuan, cpPanDuan, cpFenXi})
        if (category != open)
            category->collapse();
    open->expand();
}

void TfrmKaoShi::cpDanXuanExpand() { collapseAllBut(cpDanXuan); }
void TfrmKaoShi::cpDuoXuanExpand() { collapseAllBut(cpDuoXuan); }
void TfrmKaoShi::cpPanDuanExpand() { collapseAllBut(cpPanDuan); }
void TfrmKaoShi::cpFenXiExpand() { collapseAllBut(cpFenXi); }

void TfrmKaoShi::SetButtonColor(int Index, const QString &kind)
{
    for (int i = 0; i < ItemList.count(); ++i) {
        TCardCell *cell = cardCell(i);
        if (!cell)
            break;
        switch (ItemList[i]->ColorMark) {
        case 2: cell->setColor(DaiChaColor); break;
        case 3: cell->setColor(WeiZuoColor); break;
        case 4: cell->setColor(YiZuoColor); break;
        default: break;
        }
    }
    if (Index < 0)
        return;
    collapseAllBut(categoryOf(Index));
    TCardCell *cell = cardCell(Index);
    if (!cell)
        return;
    if (kind == QLatin1String("1"))
        cell->setColor(DangQianColor);
    else if (kind == QLatin1String("2"))
        cell->setColor(DaiChaColor);
    else if (kind == QLatin1String("3"))
        cell->setColor(WeiZuoColor);
    else if (kind == QLatin1String("4"))
        cell->setColor(YiZuoColor);
}

void TfrmKaoShi::leaveAnswerEditors()
{
    // An answer editor that has the focus stores its answer on losing it. Where the focus
    // cannot move (a window not active), the edit's answer is stored directly.
    Panel11n->commitFocusedEdit();
    Panel9->setFocus();
}

void TfrmKaoShi::goTo(int position)
{
    leaveAnswerEditors();
    Item_Index = position;
    ShowItem();
}

void TfrmKaoShi::pnlItemAllClick(QWidget *sender)
{
    // "pnlItem1" followed by the cell number 01 ... 70.
    bool ok = false;
    const int number = sender ? sender->objectName().mid(8, 2).toInt(&ok) : 0;
    if (ok)
        goTo(number - 1);
}

int TfrmKaoShi::GetNextItemIndex(int index, int val) const
{
    if (LXMode == QLatin1String("First") || LXMode == QLatin1String("new") || LXMode == QLatin1String("view"))
        return NextTakenIndex(index, val, [](const TItem &) { return true; });
    // Right and wrong as the result counts them: by the marks earned.
    const auto take = ReviewFilter(LXMode);
    return take ? NextTakenIndex(index, val, take) : index;
}

void TfrmKaoShi::Label13Click() { goTo(GetNextItemIndex(-1, 1)); }

void TfrmKaoShi::Label14Click() { goTo(qMax(0, GetNextItemIndex(Item_Index, -1))); }

void TfrmKaoShi::Label15Click() { goTo(qMin(ItemList.count() - 1, GetNextItemIndex(Item_Index, 1))); }

void TfrmKaoShi::Label16Click() { goTo(GetNextItemIndex(ItemList.count(), -1)); }

void TfrmKaoShi::showFlag(bool flagged)
{
    sbDaiCha->setText(flagged ? QStringLiteral("取消待查") : QStringLiteral("待查"));
    sbDaiCha->setProperty("flagged", flagged);
    sbDaiCha->style()->unpolish(sbDaiCha);
    sbDaiCha->style()->polish(sbDaiCha);
}

void TfrmKaoShi::sbDaiChaClick()
{
    TItem *item = currentItem();
    if (!item)
        return;
    if (item->ColorMark == 2) {
        item->ItemMark = false;
        item->ColorMark = item->UserAnswer.isEmpty() ? 3 : 4;
        showFlag(false);
        SetButtonColor(Item_Index, QStringLiteral("1"));
    } else {
        item->ColorMark = 2;
        item->ItemMark = true;
        showFlag(true);
        SetButtonColor(-1, QString());
    }
    scheduleSave();
}

void TfrmKaoShi::bringToFront(QWidget *screen)
{
    for (QWidget *each : {PanelPic1, PanelPic2, PanelPic3, PanelPic4, Panel5})
        each->setVisible(each == screen);
    screen->raise();
    m_screen = screen;
    // The window's keys work from the first moment on each screen.
    if (screen == Panel5)
        Panel9->setFocus();
    else
        setFocus();
}

void TfrmKaoShi::Timer2Timer()
{
    Timer2->stop();
    bringToFront(PanelPic2);
}

void TfrmKaoShi::Label9Click() { bringToFront(PanelPic3); }

void TfrmKaoShi::Label10Click() { bringToFront(PanelPic4); }

void TfrmKaoShi::Label11Click()
{
    // Left before it began: nothing of it is kept.
    stopSaving(true);
    done(2);
}

void TfrmKaoShi::Label12Click() { bringToFront(Panel5); }

void TfrmKaoShi::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    if (LXMode == QLatin1String("First") && !m_skipIntro) {
        bringToFront(PanelPic1);
        Timer2->start();
    } else {
        bringToFront(Panel5);
    }
    m_skipIntro = false;
    LabelKM->setText(KeChengName);
    showSubmitHotspot();
    // A missing tip file leaves the bar plain.
    imgTrip->clear();
    const QString tip = tipPicture(LXMode);
    if (!tip.isEmpty()) {
        const QPixmap pixmap(AppPath(tip));
        if (!pixmap.isNull())
            imgTrip->setPixmap(pixmap);
    }
    ReSize();
}

void TfrmKaoShi::showSubmitHotspot()
{
    // The picture under the hotspot reads "交卷"; a review's way out names itself over it.
    const bool review = isReview();
    const bool standIn = review || ImageTR->pixmap().isNull();
    sbEndEx->setAccessibleName(review ? QStringLiteral("结束查看") : QStringLiteral("交卷"));
    sbEndEx->setText(standIn ? sbEndEx->accessibleName() : QString());
    sbEndEx->setToolTip(review ? QStringLiteral("结束查看，回到考试成绩（Ctrl+Enter）")
                               : QStringLiteral("交卷，结束本次考试（Ctrl+Enter）"));
    sbEndEx->setProperty("standIn", standIn);
    sbEndEx->style()->unpolish(sbEndEx);
    sbEndEx->style()->polish(sbEndEx);
}

void TfrmKaoShi::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    ReSize();
}

void TfrmKaoShi::done(int result)
{
    Timer1->stop();
    Timer2->stop();
    // Closed without a hand-in: the exam stays saved as it stands, to be resumed.
    if (m_saving) {
        flushSave();
        m_saving = false;
    }
    QDialog::done(result);
}

bool TfrmKaoShi::inAnswerEditors(const QWidget *widget) const
{
    return widget && (Panel11n->isAncestorOf(widget) || widget == pnlKeMu || pnlKeMu->isAncestorOf(widget));
}

bool TfrmKaoShi::handleKey(QObject *watched, QKeyEvent *event)
{
    const int key = event->key();
    // A stray Esc must not end the exam.
    if (key == Qt::Key_Escape)
        return true;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    // The hand-in (or the end of a review) from anywhere on the exam screen, an answer being
    // typed included: it goes through the same confirmations as the hotspot.
    if (m_screen == Panel5 && modifiers == Qt::ControlModifier && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
        sbEndExClick();
        return true;
    }
    // Keys typed into an answer, and those its editors leave unused, are not the exam's.
    if (isTypingTarget(watched) || inAnswerEditors(QApplication::focusWidget()))
        return false;

    if (m_screen != Panel5) {
        // Enter takes the way on of the screen in front; nothing reaches the exam behind it.
        if (modifiers == Qt::NoModifier && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            if (m_screen == PanelPic2)
                Label9Click();
            else if (m_screen == PanelPic3)
                Label10Click();
            else if (m_screen == PanelPic4)
                Label12Click();
            return true;
        }
        return false;
    }

    if (modifiers & Qt::ControlModifier) {
        switch (key) {
        case Qt::Key_Minus: Label17Click(); return true;
        case Qt::Key_0: Label18Click(); return true;
        case Qt::Key_Equal:
        case Qt::Key_Plus: Label19Click(); return true;
        default: return false;
        }
    }
    if (modifiers != Qt::NoModifier)
        return false;
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_PageUp: Label14Click(); return true;
    case Qt::Key_Right:
    case Qt::Key_PageDown: Label15Click(); return true;
    case Qt::Key_Home: Label13Click(); return true;
    case Qt::Key_End: Label16Click(); return true;
    case Qt::Key_M: sbDaiChaClick(); return true;
    case Qt::Key_X: sbShowAnswerClick(); return true;
    default: break;
    }
    if (key >= Qt::Key_A && key <= Qt::Key_F) {
        WrapCheckBox *box = m_boxes[size_t(key - Qt::Key_A)];
        // Holding the key down must not flip the box back and forth.
        if (!GroupBox->isHidden() && !box->isHidden() && !event->isAutoRepeat())
            box->click();
        return true;
    }
    return false;
}

void TfrmKaoShi::keyPressEvent(QKeyEvent *event)
{
    if (!handleKey(this, event))
        QDialog::keyPressEvent(event);
}

bool TfrmKaoShi::eventFilter(QObject *watched, QEvent *event)
{
    // The answer panels and the account picker see their keys (Esc included) first.
    if (event->type() == QEvent::KeyPress && watched != this && !inAnswerEditors(qobject_cast<QWidget *>(watched))
        && handleKey(watched, static_cast<QKeyEvent *>(event)))
        return true;
    if (watched == PanelMain && event->type() == QEvent::Resize)
        ReSize();
    return QDialog::eventFilter(watched, event);
}
