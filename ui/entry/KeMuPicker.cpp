#include "ui/entry/KeMuPicker.h"

#include "core/UnitDefine.h"
#include "platform/MessageBox.h"
#include "store/UnitDM.h"
#include "ui/Controls.h"
#include "ui/Guard.h"

#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSet>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// Codes sit beside the names in the items, for the filter.
constexpr int kCodeRole = Qt::UserRole;

const char *kStyle = R"(
#pnlKeMu { background: white; border: 1px solid rgb(38,144,196); }
#lblTitle { background: rgb(38,144,196); color: white; font-weight: bold; padding: 6px; }
QTreeWidget { border: 1px solid #d5e3ea; }
QToolButton { border: 1px solid #9cc9e0; border-radius: 4px; padding: 4px 14px; background: white; color: #1d5f82; }
QToolButton:hover { background: #e3f2fa; }
QToolButton#sbOK { background: rgb(38,144,196); color: white; border-color: rgb(38,144,196); }
)";

const Controls::ButtonLook kButton{
    .style = Qt::ToolButtonTextOnly, .focus = Qt::TabFocus, .handCursor = true, .minimumSize = {72, 0}};

bool isParentAccount(const QTreeWidgetItem *item)
{
    return item->childCount() > 0;
}

} // namespace

TKeMuPicker::TKeMuPicker(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("pnlKeMu"));
    setAttribute(Qt::WA_StyledBackground, true);
    setStyleSheet(QString::fromUtf8(kStyle));

    lblTitle = Controls::label(this, QStringLiteral("lblTitle"), QStringLiteral("选择会计科目"));
    lblTitle->setAlignment(Qt::AlignCenter);
    edtKeMuFilter = Controls::lineEdit(this, QStringLiteral("edtKeMuFilter"));
    edtKeMuFilter->setPlaceholderText(QStringLiteral("输入科目名称或编码的一部分筛选，回车选定"));
    edtKeMuFilter->setClearButtonEnabled(true);
    tvKeMu = new QTreeWidget(this);
    tvKeMu->setObjectName(QStringLiteral("tvKeMu"));
    // Names, and their codes beside them for the filter.
    tvKeMu->setColumnCount(2);
    tvKeMu->header()->hide();
    tvKeMu->header()->setStretchLastSection(false);
    tvKeMu->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    tvKeMu->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    tvKeMu->setSelectionMode(QAbstractItemView::SingleSelection);
    lblEditName = Controls::label(this, QStringLiteral("lblEditName"));
    lblEditName->hide();
    sbOK = Controls::button(this, QStringLiteral("sbOK"), QStringLiteral("确定"), QString(), kButton);
    sbCancel = Controls::button(this, QStringLiteral("sbCancel"), QStringLiteral("取消"), QString(), kButton);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(sbOK);
    buttons->addWidget(sbCancel);
    auto *body = new QVBoxLayout;
    body->setContentsMargins(10, 8, 10, 10);
    body->setSpacing(8);
    body->addWidget(edtKeMuFilter);
    body->addWidget(tvKeMu, 1);
    body->addLayout(buttons);
    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(1, 1, 1, 1);
    root->setSpacing(0);
    root->addWidget(lblTitle);
    root->addLayout(body, 1);
    setFixedSize(360, 460);

    connect(sbOK, &QToolButton::clicked, this, &TKeMuPicker::sbOKClick);
    connect(sbCancel, &QToolButton::clicked, this, &TKeMuPicker::sbCancelClick);
    connect(tvKeMu, &QTreeWidget::itemDoubleClicked, this, &TKeMuPicker::tvKeMuDblClick);
    connect(edtKeMuFilter, &QLineEdit::textChanged, this, &TKeMuPicker::applyFilter);
    edtKeMuFilter->installEventFilter(this);
    tvKeMu->installEventFilter(this);
    hide();
}

bool TKeMuPicker::InitKeMuList(TDataModuleMain *dm)
{
    tvKeMu->clear();
    KeMuList.clear();
    const bool loaded = guarded(this, [dm] { dm->GetKeMuList(); });
    buildTree();
    emit accountsLoaded();
    return loaded;
}

void TKeMuPicker::buildTree()
{
    // Accounts of one parent gather under one root even when the list does not keep them
    // together; roots come in the order their names first occur. Only roots are looked up,
    // so a child that bears its parent's name never becomes a parent itself.
    QHash<QString, QTreeWidgetItem *> roots;
    QTreeWidgetItem *current = nullptr;
    for (int i = 0; i < KeMuList.count(); ++i) {
        const TKeMu &account = *KeMuList[i];
        if (!current || current->text(0) != account.PKMName) {
            current = roots.value(account.PKMName);
            if (!current) {
                current = new QTreeWidgetItem(tvKeMu, {account.PKMName, account.PKMID});
                current->setData(0, kCodeRole, account.PKMID);
                current->setForeground(1, QColor(0x8a, 0x9b, 0xa6));
                roots.insert(account.PKMName, current);
            }
        }
        auto *child = new QTreeWidgetItem(current, {account.CKMName, account.CKMID});
        child->setData(0, kCodeRole, account.CKMID);
        child->setForeground(1, QColor(0x8a, 0x9b, 0xa6));
    }
    tvKeMu->collapseAll();
}

QStringList TKeMuPicker::childAccounts() const
{
    QStringList names;
    QSet<QString> seen;
    for (int r = 0; r < tvKeMu->topLevelItemCount(); ++r) {
        const QTreeWidgetItem *root = tvKeMu->topLevelItem(r);
        for (int c = 0; c < root->childCount(); ++c) {
            const QString name = root->child(c)->text(0);
            if (!seen.contains(name)) {
                seen.insert(name);
                names << name;
            }
        }
    }
    return names;
}

QLineEdit *TKeMuPicker::targetEdit() const
{
    return m_edit;
}

void TKeMuPicker::openFor(QLineEdit *edit)
{
    m_edit = edit;
    lblEditName->setText(edit ? edit->objectName() : QString());
    edtKeMuFilter->clear(); // shows the whole tree again
    tvKeMu->collapseAll();
    tvKeMu->clearSelection();
    tvKeMu->setCurrentItem(nullptr);
    show();
    raise();
    edtKeMuFilter->setFocus();
}

void TKeMuPicker::applyFilter(const QString &text)
{
    const QString wanted = text.trimmed();
    const auto matches = [&wanted](const QTreeWidgetItem *item) {
        return item->text(0).contains(wanted, Qt::CaseInsensitive)
               || item->data(0, kCodeRole).toString().contains(wanted, Qt::CaseInsensitive);
    };
    for (int r = 0; r < tvKeMu->topLevelItemCount(); ++r) {
        QTreeWidgetItem *root = tvKeMu->topLevelItem(r);
        const bool rootMatches = wanted.isEmpty() || matches(root);
        bool anyChild = false;
        for (int c = 0; c < root->childCount(); ++c) {
            QTreeWidgetItem *child = root->child(c);
            const bool shown = rootMatches || matches(child);
            child->setHidden(!shown);
            anyChild = anyChild || shown;
        }
        root->setHidden(!rootMatches && !anyChild);
        root->setExpanded(!wanted.isEmpty() && !root->isHidden());
    }
    const QList<QTreeWidgetItem *> shown = shownChildren();
    if (!wanted.isEmpty() && shown.size() == 1)
        tvKeMu->setCurrentItem(shown.first());
    else if (QTreeWidgetItem *current = tvKeMu->currentItem(); current && current->isHidden())
        tvKeMu->setCurrentItem(nullptr);
}

QList<QTreeWidgetItem *> TKeMuPicker::shownChildren() const
{
    QList<QTreeWidgetItem *> shown;
    for (int r = 0; r < tvKeMu->topLevelItemCount(); ++r) {
        const QTreeWidgetItem *root = tvKeMu->topLevelItem(r);
        if (root->isHidden())
            continue;
        for (int c = 0; c < root->childCount(); ++c)
            if (!root->child(c)->isHidden())
                shown << root->child(c);
    }
    return shown;
}

void TKeMuPicker::choose(QTreeWidgetItem *item)
{
    if (isParentAccount(item)) {
        MessageBox::information(this, QStringLiteral("提示"), QStringLiteral("请选择科目的子项"));
        return;
    }
    QLineEdit *edit = m_edit;
    if (edit)
        edit->setText(item->text(0));
    closePicker(true);
    if (edit)
        emit accountChosen(edit);
}

void TKeMuPicker::sbOKClick()
{
    const QList<QTreeWidgetItem *> selected = tvKeMu->selectedItems();
    if (!selected.isEmpty())
        choose(selected.first());
}

void TKeMuPicker::tvKeMuDblClick()
{
    QTreeWidgetItem *item = tvKeMu->currentItem();
    if (item && !isParentAccount(item))
        choose(item);
}

void TKeMuPicker::chooseFromKeyboard()
{
    QTreeWidgetItem *item = tvKeMu->currentItem();
    if (item && (item->isHidden() || (item->parent() && item->parent()->isHidden())))
        item = nullptr;
    if (!item || isParentAccount(item)) {
        const QList<QTreeWidgetItem *> shown = shownChildren();
        if (shown.size() == 1)
            item = shown.first();
    }
    if (item)
        choose(item);
}

void TKeMuPicker::sbCancelClick()
{
    closePicker(true);
}

void TKeMuPicker::closePicker(bool returnFocus)
{
    hide();
    // The edit gets the focus back, so leaving it later stores its panel's answer.
    if (returnFocus && m_edit)
        m_edit->setFocus();
    m_edit = nullptr;
}

void TKeMuPicker::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        chooseFromKeyboard();
        break;
    case Qt::Key_Escape:
        sbCancelClick();
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

bool TKeMuPicker::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            // The filter and the tree would use these keys themselves.
            keyPressEvent(key);
            return true;
        case Qt::Key_Down:
            // From the filter straight into the accounts it left.
            if (watched == edtKeMuFilter) {
                tvKeMu->setFocus();
                if (!tvKeMu->currentItem() || tvKeMu->currentItem()->isHidden()) {
                    const QList<QTreeWidgetItem *> shown = shownChildren();
                    if (edtKeMuFilter->text().trimmed().isEmpty() || shown.isEmpty())
                        tvKeMu->setCurrentItem(tvKeMu->topLevelItem(0));
                    else
                        tvKeMu->setCurrentItem(shown.first());
                }
                return true;
            }
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}
