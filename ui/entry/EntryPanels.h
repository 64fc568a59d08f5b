#pragma once
#include <QPointer>
#include <QString>
#include <QWidget>

class QCompleter;
class QLabel;
class QLineEdit;
class QRadioButton;
class QStringListModel;
class QToolButton;
class TKeMuPicker;
struct TItem;

// The sub-question panels of a calculation question: for each sub-question 1..6 (letters
// A..F) an entry panel pnlA..pnlF of up to six journal-entry rows and an amount panel
// pnl2A..pnl2F. Every answer is stored into its record of ItemList as it is given and
// restored when the question is shown again. Hosted by the exam and practice windows.
//
// Controls carry composed names: prefix "pnlA_".."pnlF_" (entry) or "p2lA_".."p2lF_" (amount)
// + child name (+ row digit for entry rows), e.g. pnlA_rbJ1, pnlC_edtKM3, p2lB_edtJE; the
// number boxes are pnlA_No and pnl2A_No.
class TEntryPanels : public QWidget
{
    Q_OBJECT
public:
    explicit TEntryPanels(QWidget *parent = nullptr);

    // Shows every sub-question of the calculation question whose record sits at position
    // index of ItemList, numbered "number-1".."number-6", the one at index highlighted, each
    // with its stored answer. The answer handlers are suspended while the panels are filled.
    void showQuestion(int index, int number);

    // 0 suspends, 1 restores the answer handlers of the rows and amount edits.
    void SetEvent(int Flag);
    // Stores and scores the entry answer of the panel with that prefix ("pnlA_".."pnlF_").
    void pnlABCDEF_SaveUserAnswer(const QString &PrexName);
    // Fills the rows of the panel from the stored answer of the record at position Index.
    void RestoreUserAnswer(const QString &PrexName, int Index);

    // Handlers of the controls; callable directly (tests, hosts).
    void pnlABCDEF_edtKU_JEChange(QLineEdit *edit); // an account or amount edit was left
    void pnlABCDEF_rbJDClick(QRadioButton *button);
    void pnlABCDEF_bbtnAddAllClick(QToolButton *button); // "+": shows the next row
    void pnlABCDEF_bbtnSubAllClick(QToolButton *button); // "-": removes the row, stores
    void pnlABCDEF_bbtnKMPopUpClick(QToolButton *button); // "...": opens the picker
    void p2lABCDEF_edtJEExit(QLineEdit *edit);           // an amount edit was left

    // Stores the answer of the edit that has the keyboard focus, if it is one of these panels'.
    // Hosts call it before they move away from the question, since a click on a button that
    // takes no focus does not make the edit lose it.
    void commitFocusedEdit();

    // Reviews show answers but take none.
    void setReadOnly(bool on);
    bool isReadOnly() const { return m_readOnly; }

    // The one way to a control by composed name: prefix + child, e.g. ("pnlA_", "edtKM3").
    QWidget *control(const QString &prefix, const QString &child) const;
    template <typename T>
    T *control(const QString &prefix, const QString &child) const
    {
        return qobject_cast<T *>(control(prefix, child));
    }

    // The "..." buttons open this picker; its accounts become the edits' completions.
    void setPicker(TKeMuPicker *picker);

    // Prefixes of sub-question k = 1..6.
    static QString entryPrefix(int k);
    static QString amountPrefix(int k);

signals:
    // After every store, with the ItemList position of the record written.
    void answerStored(int position);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Where a row control belongs: its panel's prefix and its row (0 for amount edits).
    struct Slot
    {
        QString prefix;
        int row = 0;
    };
    static Slot slotOf(const QObject *control);

    void buildEntryPanel(int k);
    void buildAmountPanel(int k);
    void showRow(const QString &prefix, int row);
    // Hides and empties the row.
    void removeRow(const QString &prefix, int row);
    // Rows 1 and 2 shown and empty, rows 3..6 removed.
    void resetEntryPanel(const QString &prefix);
    // Position of the sub-question's record, from its panel's index label; -1 when none.
    int recordPosition(const QString &prefix) const;
    // Position of sub-question k of the question whose record is at index; -1 when none.
    static int subQuestionPosition(int index, int k);
    void storeAnswer(int position, const QString &answer, bool right);
    // Keeps the focused panel in sight in a scrolling host.
    void scrollIntoView(QWidget *panel);
    void refreshCompletions();

    bool m_eventsOn = true;
    bool m_readOnly = false;
    QPointer<TKeMuPicker> m_picker;
    QStringListModel *m_accounts = nullptr;
};
