// Behaviour of the sub-question panels: showing a calculation question's sub-questions,
// adding and removing entry rows, storing, scoring and restoring answers.
#include "ui/entry/EntryPanels.h"

#include "core/UnitDefine.h"
#include "core/EntryAnswer.h"
#include "ui/entry/EntryPanelsInternal.h"
#include "ui/entry/KeMuPicker.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QScrollArea>
#include <QStyle>
#include <QStringListModel>
#include <QTimer>
#include <QToolButton>

using namespace EntryPanels;

namespace {

QString row(const char *child, int r)
{
    return QLatin1String(child) + QString::number(r);
}

// Sets a radio button, also to unselected, which its group would otherwise refuse.
void setSelected(QRadioButton *button, bool on)
{
    if (button->isChecked() == on)
        return;
    const bool exclusive = button->autoExclusive();
    button->setAutoExclusive(false);
    button->setChecked(on);
    button->setAutoExclusive(exclusive);
}

// The sub-question the card and the navigation point at is sky blue (the style sheet's
// "current" panels) with a bold number.
void paintPanel(QWidget *panel, QLabel *number, bool current)
{
    if (panel->property("current").toBool() != current) {
        panel->setProperty("current", current);
        panel->style()->unpolish(panel);
        panel->style()->polish(panel);
        panel->update();
    }
    QFont font = number->font();
    font.setBold(current);
    number->setFont(font);
}

// The edit's text without line breaks; the edit shows what is stored.
QString cleanText(QLineEdit *edit)
{
    const QString clean = withoutLineBreaks(edit->text());
    if (clean != edit->text())
        edit->setText(clean);
    return clean;
}

bool sameQuestion(const TItem *a, const TItem *b)
{
    return a->ItemID == b->ItemID && a->ItemType == b->ItemType;
}

} // namespace

QString TEntryPanels::entryPrefix(int k)
{
    return QStringLiteral("pnl") + kLetters.at(k - 1) + QLatin1Char('_');
}

QString TEntryPanels::amountPrefix(int k)
{
    return QStringLiteral("p2l") + kLetters.at(k - 1) + QLatin1Char('_');
}

QWidget *TEntryPanels::control(const QString &prefix, const QString &child) const
{
    return findChild<QWidget *>(prefix + child);
}

TEntryPanels::Slot TEntryPanels::slotOf(const QObject *control)
{
    if (!control)
        return {};
    return {control->property(kPrefixProperty).toString(), control->property(kRowProperty).toInt()};
}

void TEntryPanels::SetEvent(int Flag)
{
    m_eventsOn = Flag != 0;
}

int TEntryPanels::subQuestionPosition(int index, int k)
{
    // The records of one question lie together with rising sub-question numbers; a "-" key
    // leaves a number out, so the position cannot be computed from the number alone.
    const TItem *shown = ItemList[index];
    int first = index;
    while (first > 0 && sameQuestion(ItemList[first - 1], shown)
           && ItemList[first - 1]->kind45Index < ItemList[first]->kind45Index)
        --first;
    for (int i = first; i < ItemList.count(); ++i) {
        const TItem *record = ItemList[i];
        if (i > first && !(sameQuestion(record, shown) && record->kind45Index > ItemList[i - 1]->kind45Index))
            break;
        if (record->kind45Index == k)
            return i;
    }
    return -1;
}

void TEntryPanels::showQuestion(int index, int number)
{
    SetEvent(0);
    // Only a calculation question has sub-question panels; anything else shows none.
    const TItem *shown = index >= 0 && index < ItemList.count() && ItemList[index]->ItemType == QLatin1String("4")
                             ? ItemList[index]
                             : nullptr;
    QWidget *current = nullptr;
    for (int k = 1; k <= kSubQuestions; ++k) {
        const QString ep = entryPrefix(k);
        const QString ap = amountPrefix(k);
        QWidget *entryPanel = control(QString(), entryPanelName(k));
        QWidget *amountPanel = control(QString(), amountPanelName(k));
        auto *entryNo = control<QLabel>(ep, QStringLiteral("No"));
        auto *amountNo = control<QLabel>(amountPanelName(k) + QLatin1Char('_'), QStringLiteral("No"));
        auto *amountEdit = control<QLineEdit>(ap, QStringLiteral("edtJE"));

        const QString caption = QStringLiteral("%1-%2").arg(number).arg(k);
        entryNo->setText(caption);
        amountNo->setText(caption);
        const int position = shown ? subQuestionPosition(index, k) : -1;
        control<QLabel>(ep, QStringLiteral("lblIndex"))->setText(QString::number(position));
        control<QLabel>(ap, QStringLiteral("lblIndex"))->setText(QString::number(position));
        resetEntryPanel(ep);
        amountEdit->clear();

        // A sub-question without a record of its own has nothing to store an answer in.
        const QString key = shown && position >= 0 ? shown->option(k) : QString();
        const bool entry = isEntryKey(key);
        const bool amount = !entry && !key.trimmed().isEmpty() && key.trimmed() != QLatin1String("-");
        entryPanel->setVisible(entry);
        amountPanel->setVisible(amount);

        const bool isCurrent = shown && k == shown->kind45Index;
        paintPanel(entryPanel, entryNo, isCurrent);
        paintPanel(amountPanel, amountNo, isCurrent);
        if (isCurrent)
            current = entry ? entryPanel : amount ? amountPanel : nullptr;

        if (entry)
            RestoreUserAnswer(ep, position);
        else if (amount)
            amountEdit->setText(ItemList[position]->UserAnswer);
    }
    SetEvent(1);
    if (current)
        scrollIntoView(current);
}

void TEntryPanels::scrollIntoView(QWidget *panel)
{
    QScrollArea *area = nullptr;
    for (QWidget *w = parentWidget(); w && !area; w = w->parentWidget())
        area = qobject_cast<QScrollArea *>(w);
    if (!area)
        return;
    // After the scroll area has taken the new height of the column.
    QTimer::singleShot(0, area, [area, target = QPointer<QWidget>(panel)] {
        if (target && target->isVisible())
            area->ensureWidgetVisible(target, 0, 0);
    });
}

void TEntryPanels::showRow(const QString &prefix, int r)
{
    for (const QString &child : kRowChildren)
        if (QWidget *w = control(prefix, child + QString::number(r)))
            w->show();
}

void TEntryPanels::removeRow(const QString &prefix, int r)
{
    // Emptied before hidden: an edit that loses the focus by hiding stores the row as gone.
    if (auto *rbJ = control<QRadioButton>(prefix, row("rbJ", r)))
        setSelected(rbJ, false);
    if (auto *rbD = control<QRadioButton>(prefix, row("rbD", r)))
        setSelected(rbD, false);
    if (auto *edtKM = control<QLineEdit>(prefix, row("edtKM", r)))
        edtKM->clear();
    if (auto *edtJE = control<QLineEdit>(prefix, row("edtJE", r)))
        edtJE->clear();
    for (const QString &child : kRowChildren)
        if (QWidget *w = control(prefix, child + QString::number(r)))
            w->hide();
}

void TEntryPanels::resetEntryPanel(const QString &prefix)
{
    for (int r = 1; r <= kRows; ++r)
        removeRow(prefix, r);
    showRow(prefix, 1);
    showRow(prefix, 2);
}

int TEntryPanels::recordPosition(const QString &prefix) const
{
    const auto *label = control<QLabel>(prefix, QStringLiteral("lblIndex"));
    if (!label)
        return -1;
    bool ok = false;
    const int position = label->text().toInt(&ok);
    if (!ok || position < 0 || position >= ItemList.count() || !ItemList[position])
        return -1;
    return position;
}

void TEntryPanels::storeAnswer(int position, const QString &answer, bool right)
{
    TItem *record = ItemList[position];
    const bool changed = record->UserAnswer != answer;
    record->UserAnswer = answer;
    record->UserScore = right ? record->ItemScore : 0;
    // A flagged sub-question stays flagged while the learner only passes through its edits.
    if (changed || record->ColorMark != 2)
        record->ColorMark = answer.isEmpty() ? 3 : 4;
    emit answerStored(position);
}

void TEntryPanels::pnlABCDEF_SaveUserAnswer(const QString &PrexName)
{
    if (m_readOnly)
        return;
    QList<EntryRow> rows;
    for (int r = 1; r <= kRows; ++r) {
        auto *edtKM = control<QLineEdit>(PrexName, row("edtKM", r));
        auto *edtJE = control<QLineEdit>(PrexName, row("edtJE", r));
        auto *rbJ = control<QRadioButton>(PrexName, row("rbJ", r));
        auto *rbD = control<QRadioButton>(PrexName, row("rbD", r));
        if (!edtKM || !edtJE || !rbJ || !rbD)
            return;
        rows.append({rbJ->isChecked(), rbD->isChecked(), cleanText(edtKM), cleanText(edtJE)});
    }
    const int position = recordPosition(PrexName);
    if (position < 0)
        return;
    const TItem *record = ItemList[position];
    storeAnswer(position, storeEntryRows(rows), entryAnswerMatches(record->option(record->kind45Index), rows));
}

void TEntryPanels::RestoreUserAnswer(const QString &PrexName, int Index)
{
    if (Index < 0 || Index >= ItemList.count())
        return;
    const QList<EntryRow> rows = parseStoredEntryRows(ItemList[Index]->UserAnswer);
    for (int r = 1; r <= qMin(int(rows.size()), kRows); ++r) {
        auto *rbJ = control<QRadioButton>(PrexName, row("rbJ", r));
        auto *rbD = control<QRadioButton>(PrexName, row("rbD", r));
        auto *edtKM = control<QLineEdit>(PrexName, row("edtKM", r));
        auto *edtJE = control<QLineEdit>(PrexName, row("edtJE", r));
        if (!rbJ || !rbD || !edtKM || !edtJE)
            return;
        // Stored rows are packed into rows 1..n, whatever rows they were typed in.
        showRow(PrexName, r);
        const EntryRow &stored = rows.at(r - 1);
        setSelected(rbJ, stored.debit);
        setSelected(rbD, stored.credit);
        edtKM->setText(stored.account);
        edtJE->setText(stored.amount);
    }
}

void TEntryPanels::pnlABCDEF_edtKU_JEChange(QLineEdit *edit)
{
    pnlABCDEF_SaveUserAnswer(slotOf(edit).prefix);
}

void TEntryPanels::pnlABCDEF_rbJDClick(QRadioButton *button)
{
    pnlABCDEF_SaveUserAnswer(slotOf(button).prefix);
}

void TEntryPanels::pnlABCDEF_bbtnAddAllClick(QToolButton *button)
{
    const Slot slot = slotOf(button);
    if (m_readOnly || slot.row < 1 || slot.row >= kRows)
        return;
    showRow(slot.prefix, slot.row + 1);
    if (auto *account = control<QLineEdit>(slot.prefix, row("edtKM", slot.row + 1)))
        account->setFocus();
}

void TEntryPanels::pnlABCDEF_bbtnSubAllClick(QToolButton *button)
{
    const Slot slot = slotOf(button);
    if (m_readOnly || slot.row < 2)
        return;
    // Stored at once, so a removed row cannot come back at the next display.
    removeRow(slot.prefix, slot.row);
    pnlABCDEF_SaveUserAnswer(slot.prefix);
}

void TEntryPanels::pnlABCDEF_bbtnKMPopUpClick(QToolButton *button)
{
    const Slot slot = slotOf(button);
    auto *account = control<QLineEdit>(slot.prefix, row("edtKM", slot.row));
    if (m_readOnly || !m_picker || !account)
        return;
    m_picker->openFor(account);
}

void TEntryPanels::p2lABCDEF_edtJEExit(QLineEdit *edit)
{
    if (m_readOnly || !edit)
        return;
    const int position = recordPosition(slotOf(edit).prefix);
    if (position < 0)
        return;
    const QString answer = cleanText(edit);
    const TItem *record = ItemList[position];
    const bool right = !answer.trimmed().isEmpty() && amountMatches(answer, record->option(record->kind45Index));
    storeAnswer(position, answer, right);
}

void TEntryPanels::setReadOnly(bool on)
{
    m_readOnly = on;
    for (QLineEdit *edit : findChildren<QLineEdit *>())
        edit->setReadOnly(on);
    for (QRadioButton *side : findChildren<QRadioButton *>())
        side->setEnabled(!on);
    for (QToolButton *button : findChildren<QToolButton *>())
        button->setEnabled(!on);
}

void TEntryPanels::setPicker(TKeMuPicker *picker)
{
    if (m_picker)
        disconnect(m_picker, nullptr, this, nullptr);
    m_picker = picker;
    if (picker)
        connect(picker, &TKeMuPicker::accountsLoaded, this, &TEntryPanels::refreshCompletions);
    refreshCompletions();
}

void TEntryPanels::refreshCompletions()
{
    m_accounts->setStringList(m_picker ? m_picker->childAccounts() : QStringList());
}

void TEntryPanels::commitFocusedEdit()
{
    auto *edit = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    if (!edit || !isAncestorOf(edit) || !m_eventsOn)
        return;
    if (slotOf(edit).prefix.startsWith(QLatin1String("p2l")))
        p2lABCDEF_edtJEExit(edit);
    else
        pnlABCDEF_edtKU_JEChange(edit);
}

bool TEntryPanels::eventFilter(QObject *watched, QEvent *event)
{
    // Leaving an edit stores its panel's answer. A popup opening over the edit (its
    // completions, its context menu) does not leave it.
    if (event->type() == QEvent::FocusOut && m_eventsOn
        && static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason) {
        if (auto *edit = qobject_cast<QLineEdit *>(watched)) {
            if (slotOf(edit).prefix.startsWith(QLatin1String("p2l")))
                p2lABCDEF_edtJEExit(edit);
            else
                pnlABCDEF_edtKU_JEChange(edit);
        }
    }
    return QWidget::eventFilter(watched, event);
}
