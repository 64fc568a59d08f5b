// Making the sub-question panels: one entry panel and one amount panel per sub-question, the
// entry rows by one factory, stacked in a column that leaves no room for hidden panels.
#include "ui/entry/EntryPanels.h"

#include "ui/Controls.h"
#include "ui/entry/EntryPanelsInternal.h"

#include <QCompleter>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStringListModel>
#include <QToolButton>
#include <QVBoxLayout>

using namespace EntryPanels;

namespace {

const char *kStyle = R"(
QFrame[subQuestion="true"] { background: white; border: none; border-bottom: 1px solid #dde8ee; }
QFrame[subQuestion="true"][current="true"] { background: rgb(166,202,240); }
QLabel[numberBox="true"] { border: 1px solid #9cc9e0; border-radius: 3px; background: #f4f9fc; color: #1d5f82; padding: 2px 4px; }
QToolButton { border: 1px solid #9cc9e0; border-radius: 3px; background: white; color: #1d5f82; padding: 0px; }
QToolButton:hover { background: #e3f2fa; }
QToolButton:disabled { color: #a0b4c0; border-color: #d5e3ea; }
)";

// Edits narrow down to these where a host is narrow (the practice window) and widen up to
// the full widths where there is room.
constexpr int kAccountWidth = 170;
constexpr int kAccountMinWidth = 110;
constexpr int kAmountWidth = 110;
constexpr int kAmountMinWidth = 80;
constexpr int kComputedAmountWidth = 160;
constexpr int kNumberWidth = 60;

const Controls::ButtonLook kRowButton{.style = Qt::ToolButtonTextOnly, .focus = Qt::TabFocus, .handCursor = true,
                                      .minimumSize = {26, 0}};

void tagged(QWidget *control, const QString &prefix, int row)
{
    control->setProperty(kPrefixProperty, prefix);
    control->setProperty(kRowProperty, row);
}

QLabel *numberBox(QWidget *panel, const QString &name)
{
    QLabel *box = Controls::label(panel, name);
    box->setProperty("numberBox", true);
    box->setAlignment(Qt::AlignCenter);
    box->setFixedWidth(kNumberWidth);
    return box;
}

QLabel *indexLabel(QWidget *panel, const QString &name, const QString &initial)
{
    QLabel *label = Controls::label(panel, name, initial);
    label->hide();
    return label;
}

QFrame *subQuestionPanel(QWidget *parent, const QString &name)
{
    auto *panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setProperty("subQuestion", true);
    panel->setProperty("current", false);
    return panel;
}

// The controls of one entry row, made into the row r - 1 of the panel's grid.
struct EntryRowControls
{
    QRadioButton *rbJ = nullptr, *rbD = nullptr;
    QLineEdit *edtKM = nullptr, *edtJE = nullptr;
    QToolButton *bbtnKM = nullptr, *bbtnAdd = nullptr, *bbtnSub = nullptr;
};

EntryRowControls makeEntryRow(QWidget *panel, QGridLayout *grid, const QString &prefix, int r)
{
    const QString digit = QString::number(r);
    const auto name = [&](const char *child) { return prefix + QLatin1String(child) + digit; };
    const auto tag = [&](auto *control) {
        tagged(control, prefix, r);
        return control;
    };
    const int line = r - 1;
    EntryRowControls row;

    grid->addWidget(tag(Controls::label(panel, name("lblJD"), QStringLiteral("借贷方向："))), line, 0);
    QWidget *pnlJD = tag(Controls::panel(panel, name("pnlJD")));
    auto *sides = new QHBoxLayout(pnlJD);
    sides->setContentsMargins(0, 0, 6, 0);
    sides->setSpacing(8);
    row.rbJ = tag(Controls::radioButton(pnlJD, name("rbJ"), QStringLiteral("借")));
    row.rbD = tag(Controls::radioButton(pnlJD, name("rbD"), QStringLiteral("贷")));
    sides->addWidget(row.rbJ);
    sides->addWidget(row.rbD);
    grid->addWidget(pnlJD, line, 1);

    grid->addWidget(tag(Controls::label(panel, name("lblKM"), QStringLiteral("会计科目："))), line, 2);
    row.edtKM = tag(Controls::lineEdit(panel, name("edtKM")));
    row.edtKM->setMinimumWidth(kAccountMinWidth);
    row.edtKM->setMaximumWidth(kAccountWidth);
    row.edtKM->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    grid->addWidget(row.edtKM, line, 3);
    row.bbtnKM = tag(Controls::button(panel, name("bbtnKM"), QStringLiteral("..."),
                                      QStringLiteral("从会计科目表中选择"), kRowButton));
    grid->addWidget(row.bbtnKM, line, 4);

    QLabel *lblJE = tag(Controls::label(panel, name("lblJE"), QStringLiteral("金额：")));
    lblJE->setContentsMargins(8, 0, 0, 0);
    grid->addWidget(lblJE, line, 5);
    row.edtJE = tag(Controls::lineEdit(panel, name("edtJE")));
    row.edtJE->setMinimumWidth(kAmountMinWidth);
    row.edtJE->setMaximumWidth(kAmountWidth);
    row.edtJE->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    grid->addWidget(row.edtJE, line, 6);

    // Row 1 cannot be removed and row 6 has none after it.
    if (r < kRows) {
        row.bbtnAdd = tag(Controls::button(panel, name("bbtnAdd"), QStringLiteral("+"), QStringLiteral("增加一行"),
                                           kRowButton));
        grid->addWidget(row.bbtnAdd, line, 7);
    }
    if (r > 1) {
        row.bbtnSub = tag(Controls::button(panel, name("bbtnSub"), QStringLiteral("-"), QStringLiteral("删除本行"),
                                           kRowButton));
        grid->addWidget(row.bbtnSub, line, 8);
    }
    return row;
}

} // namespace

TEntryPanels::TEntryPanels(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Panel11n"));
    setStyleSheet(QString::fromUtf8(kStyle));
    m_accounts = new QStringListModel(this);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    for (int k = 1; k <= kSubQuestions; ++k) {
        buildEntryPanel(k);
        buildAmountPanel(k);
    }
    column->addStretch(1);
}

void TEntryPanels::buildEntryPanel(int k)
{
    const QString prefix = entryPrefix(k);
    QFrame *panel = subQuestionPanel(this, entryPanelName(k));
    layout()->addWidget(panel);
    QLabel *number = numberBox(panel, prefix + QStringLiteral("No"));
    indexLabel(panel, prefix + QStringLiteral("lblIndex"), QStringLiteral("-1"));

    auto *grid = new QGridLayout;
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(3);
    for (int r = 1; r <= kRows; ++r) {
        const EntryRowControls row = makeEntryRow(panel, grid, prefix, r);
        for (QRadioButton *side : {row.rbJ, row.rbD})
            connect(side, &QRadioButton::clicked, this, [this, side] {
                if (m_eventsOn)
                    pnlABCDEF_rbJDClick(side);
            });
        for (QLineEdit *edit : {row.edtKM, row.edtJE})
            edit->installEventFilter(this);
        auto *completer = new QCompleter(m_accounts, row.edtKM);
        completer->setCaseSensitivity(Qt::CaseInsensitive);
        completer->setFilterMode(Qt::MatchContains);
        completer->setCompletionMode(QCompleter::PopupCompletion);
        row.edtKM->setCompleter(completer);
        connect(row.bbtnKM, &QToolButton::clicked, this, [this, b = row.bbtnKM] { pnlABCDEF_bbtnKMPopUpClick(b); });
        if (row.bbtnAdd)
            connect(row.bbtnAdd, &QToolButton::clicked, this, [this, b = row.bbtnAdd] { pnlABCDEF_bbtnAddAllClick(b); });
        if (row.bbtnSub)
            connect(row.bbtnSub, &QToolButton::clicked, this, [this, b = row.bbtnSub] { pnlABCDEF_bbtnSubAllClick(b); });
    }

    auto *box = new QHBoxLayout(panel);
    box->setContentsMargins(8, 5, 8, 5);
    box->setSpacing(10);
    box->addWidget(number, 0, Qt::AlignTop);
    box->addLayout(grid, 4);
    box->addStretch(1);
    panel->hide();
}

void TEntryPanels::buildAmountPanel(int k)
{
    const QString prefix = amountPrefix(k);
    QFrame *panel = subQuestionPanel(this, amountPanelName(k));
    layout()->addWidget(panel);
    QLabel *number = numberBox(panel, amountPanelName(k) + QStringLiteral("_No"));
    QLabel *caption = Controls::label(panel, prefix + QStringLiteral("lblJE"), QStringLiteral("计算金额："));
    QLineEdit *amount = Controls::lineEdit(panel, prefix + QStringLiteral("edtJE"), kComputedAmountWidth);
    tagged(amount, prefix, 0);
    amount->installEventFilter(this);
    indexLabel(panel, prefix + QStringLiteral("lblIndex"), QStringLiteral("ItemIndex"));

    auto *box = new QHBoxLayout(panel);
    box->setContentsMargins(8, 5, 8, 5);
    box->setSpacing(10);
    box->addWidget(number);
    box->addWidget(caption);
    box->addWidget(amount);
    box->addStretch(1);
    panel->hide();
}
