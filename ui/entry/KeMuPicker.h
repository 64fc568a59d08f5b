#pragma once
#include <QPointer>
#include <QStringList>
#include <QWidget>

class QLabel;
class QLineEdit;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class TDataModuleMain;

// The account picker: an overlay panel over the two-level chart of accounts that puts the
// chosen child account into the edit it was opened for. The host window owns it, keeps it
// hidden and centres it. A filter field narrows the tree by part of a name or code.
class TKeMuPicker : public QWidget
{
    Q_OBJECT
public:
    explicit TKeMuPicker(QWidget *parent = nullptr);

    // Reloads KeMuList from the store and rebuilds the tree from it; false when the load failed
    // (the failure has been shown; the tree holds what was read before it).
    bool InitKeMuList(TDataModuleMain *dm);
    // Shows the picker, collapsed and unfiltered, for the given edit.
    void openFor(QLineEdit *edit);
    void sbOKClick();
    void sbCancelClick();
    void tvKeMuDblClick();
    // Enter in the filter or the tree: the selected child account, else the only one shown.
    void chooseFromKeyboard();
    // Every child account once, in tree order (what the account edits offer as completions).
    QStringList childAccounts() const;
    // The edit the picker works for; none while closed or when the edit is gone.
    QLineEdit *targetEdit() const;

    QLabel *lblTitle = nullptr;
    QLineEdit *edtKeMuFilter = nullptr;
    QTreeWidget *tvKeMu = nullptr;
    QLabel *lblEditName = nullptr;
    QToolButton *sbOK = nullptr;
    QToolButton *sbCancel = nullptr;

signals:
    // The account was put into the edit.
    void accountChosen(QLineEdit *edit);
    // The tree was rebuilt.
    void accountsLoaded();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Enter and Esc from anywhere in the picker (its buttons too) stay with it.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildTree();
    // Shows the accounts whose name or code contains the text (all of a matching parent's),
    // with their parents expanded; the whole tree, collapsed, for an empty text.
    void applyFilter(const QString &text);
    // Puts a child account into the edit and closes; refuses a parent account.
    void choose(QTreeWidgetItem *item);
    // The child accounts not hidden by the filter.
    QList<QTreeWidgetItem *> shownChildren() const;
    void closePicker(bool returnFocus);

    QPointer<QLineEdit> m_edit;
};
