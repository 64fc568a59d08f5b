// Shots of the journal-entry editor in a plain window the size of the exam window's question
// area at 1366 x 768: a calculation question answered row by row, and the account picker with
// a filter typed.
#include "Shots.h"

#include "core/UnitDefine.h"
#include "store/UnitDM.h"
#include "ui/Controls.h"
#include "ui/entry/EntryPanels.h"
#include "ui/entry/KeMuPicker.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QResizeEvent>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The paper and question the shots answer: four sub-questions, three entries and an amount.
const QString kPaper = QStringLiteral("0291");
const QString kQuestion = QStringLiteral("0291-061");

class EntryShotWindow : public QWidget
{
public:
    explicit EntryShotWindow(TDataModuleMain *dm)
    {
        setWindowTitle(QStringLiteral("计算分析题"));
        auto *column = new QVBoxLayout(this);
        column->setContentsMargins(16, 12, 16, 12);
        meoItem = Controls::readOnlyMemo(this, QStringLiteral("meoItem"));
        column->addWidget(meoItem, 4);
        ScrollBox = new QScrollArea(this);
        ScrollBox->setObjectName(QStringLiteral("ScrollBox"));
        ScrollBox->setWidgetResizable(true);
        panels = new TEntryPanels;
        ScrollBox->setWidget(panels);
        column->addWidget(ScrollBox, 5);
        picker = new TKeMuPicker(this);
        picker->InitKeMuList(dm);
        panels->setPicker(picker);
        resize(900, 600);
    }

    QPlainTextEdit *meoItem = nullptr;
    QScrollArea *ScrollBox = nullptr;
    TEntryPanels *panels = nullptr;
    TKeMuPicker *picker = nullptr;

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        QWidget::resizeEvent(event);
        picker->move((width() - picker->width()) / 2, (height() - picker->height()) / 2);
    }
};

EntryShotWindow *window(ShotContext &c)
{
    static EntryShotWindow *w = nullptr;
    if (!w)
        w = new EntryShotWindow(c.dm);
    return w;
}

// Loads the paper's calculation questions; the position of the question's sub-question k.
int loadQuestion(ShotContext &c, int k)
{
    ItemList.clear();
    c.dm->AddItem(kPaper, QStringLiteral("4"), 10, 0);
    for (int i = 0; i < ItemList.count(); ++i)
        if (ItemList[i]->ItemID == kQuestion && ItemList[i]->kind45Index == k)
            return i;
    return -1;
}

void typeRow(TEntryPanels *p, const QString &prefix, int row, bool debit, const QString &account,
             const QString &amount)
{
    const QString side = (debit ? QStringLiteral("rbJ") : QStringLiteral("rbD")) + QString::number(row);
    if (auto *radio = p->control<QRadioButton>(prefix, side))
        radio->click();
    auto *km = p->control<QLineEdit>(prefix, QStringLiteral("edtKM%1").arg(row));
    auto *je = p->control<QLineEdit>(prefix, QStringLiteral("edtJE%1").arg(row));
    if (!km || !je)
        return;
    km->setText(account);
    je->setText(amount);
    p->pnlABCDEF_edtKU_JEChange(je);
}

void addRow(TEntryPanels *p, const QString &prefix, int row)
{
    if (auto *plus = p->control<QToolButton>(prefix, QStringLiteral("bbtnAdd%1").arg(row)))
        p->pnlABCDEF_bbtnAddAllClick(plus);
}

const Shots::Register answered{900, QStringLiteral("entry-calculation"), [](ShotContext &c) -> QWidget * {
    EntryShotWindow *w = window(c);
    const int second = loadQuestion(c, 2);
    if (second < 0)
        return nullptr;
    w->meoItem->setPlainText(ItemList[second]->ItemDetail);
    TEntryPanels *p = w->panels;
    p->showQuestion(second - 1, 61);
    const QString a = QStringLiteral("pnlA_");
    typeRow(p, a, 1, true, QStringLiteral("原材料"), QStringLiteral("40000"));
    typeRow(p, a, 2, true, QStringLiteral("应交增值税"), QStringLiteral("5200"));
    addRow(p, a, 2);
    typeRow(p, a, 3, false, QStringLiteral("银行存款"), QStringLiteral("45200"));
    const QString b = QStringLiteral("pnlB_");
    typeRow(p, b, 1, true, QStringLiteral("应收账款"), QStringLiteral("113,000"));
    typeRow(p, b, 2, false, QStringLiteral("主营业务收入"), QStringLiteral("100000"));
    addRow(p, b, 2);
    typeRow(p, b, 3, false, QStringLiteral("应交增值税"), QStringLiteral("13000"));
    if (auto *amount = p->control<QLineEdit>(QStringLiteral("p2lD_"), QStringLiteral("edtJE"))) {
        amount->setText(QStringLiteral("7800"));
        p->p2lABCDEF_edtJEExit(amount);
    }
    // Shown again as the candidate comes back to sub-question 2: restored from the records.
    p->showQuestion(second, 61);
    w->picker->hide();
    w->show();
    return w;
}};

const Shots::Register picker{910, QStringLiteral("entry-account-picker"), [](ShotContext &c) -> QWidget * {
    EntryShotWindow *w = window(c);
    TEntryPanels *p = w->panels;
    if (auto *dots = p->control<QToolButton>(QStringLiteral("pnlC_"), QStringLiteral("bbtnKM1")))
        p->pnlABCDEF_bbtnKMPopUpClick(dots);
    w->picker->edtKeMuFilter->setText(QStringLiteral("存款"));
    w->show();
    return w;
}};

} // namespace
