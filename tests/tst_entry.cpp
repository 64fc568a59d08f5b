// The journal-entry editor hosted as the windows host it: the sub-question panels in a
// scrolling box, the account picker over them and a bottom bar that takes the focus, on a
// small bank of calculation questions loaded through the data module.
#include "core/UnitDefine.h"
#include "platform/MessageBox.h"
#include "store/UnitDM.h"
#include "tests/fixtures/TestBank.h"
#include "core/EntryAnswer.h"
#include "ui/entry/EntryPanels.h"
#include "ui/entry/KeMuPicker.h"

#include <QApplication>
#include <QCompleter>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QSignalSpy>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QtTest>

namespace {

const QString kCashBank = QStringLiteral("借:库存现金=1000;贷:银行存款=1000");

// Positions of the records the bank below gives, in list order.
enum Position {
    Q1Entry = 0,    // 0201-001 sub-question 1: kCashBank
    Q1Amount = 1,   // 0201-001 sub-question 2: 1000 (sub-question 3 is "-")
    Q2Amount1 = 2,  // 0201-002 sub-question 1: 1000
    Q2Amount2 = 3,  // 0201-002 sub-question 2: 1000.5
    Q3Entry1 = 4,   // 0201-003 sub-question 1: an entry
    Q3Amount = 5,   // 0201-003 sub-question 2: 5000, sub-question 3 is "-"
    Q3Entry4 = 6,   // 0201-003 sub-question 4: an entry
};

BankQuestion calculation(const QString &id, const QStringList &keys, int score)
{
    BankQuestion q;
    q.id = id;
    q.chapterId = QStringLiteral("0201");
    q.type = QStringLiteral("4");
    q.text = QStringLiteral("计算题") + id;
    q.options = keys;
    q.answer = QStringLiteral("见解析");
    q.score = score;
    return q;
}

void entryBank(BankWriter &bank)
{
    bank.addCourse(QStringLiteral("02"), QStringLiteral("会计基础"));
    bank.addChapter(QStringLiteral("0201"), QStringLiteral("第一章 总论"), QStringLiteral("02"), QStringLiteral("1"));
    bank.addQuestion(calculation(QStringLiteral("0201-001"), {kCashBank, QStringLiteral("1000"), QStringLiteral("-")}, 10));
    bank.addQuestion(calculation(QStringLiteral("0201-002"), {QStringLiteral("1000"), QStringLiteral("1000.5")}, 4));
    bank.addQuestion(calculation(QStringLiteral("0201-003"),
                                 {QStringLiteral("借:原材料=200;贷:应付账款=200"), QStringLiteral("5000"), QStringLiteral("-"),
                                  QStringLiteral("借:管理费用=300;贷:库存现金=300")},
                                 9));
    const auto account = [&bank](const char *pid, const char *pname, const char *cid, const char *cname) {
        bank.addAccount(QString::fromUtf8(pid), QString::fromUtf8(pname), QString::fromUtf8(cid), QString::fromUtf8(cname));
    };
    account("1001", "库存现金", "1001", "库存现金");
    account("1002", "银行存款", "1002", "银行存款");
    account("1012", "其他货币资金", "101201", "外埠存款");
    account("1012", "其他货币资金", "101202", "银行汇票存款");
    account("1403", "原材料", "140301", "原料及主要材料");
    account("1405", "库存商品", "1405", "库存商品");
    // A second code under a parent name already seen, not next to it in code order.
    account("1499", "原材料", "149901", "辅助材料");
    account("2202", "应付账款", "2202", "应付账款");
}

// A plain window hosting the editor as the exam and practice windows do.
class Host : public QWidget
{
public:
    explicit Host(TDataModuleMain *dm)
    {
        resize(960, 640);
        auto *column = new QVBoxLayout(this);
        ScrollBox = new QScrollArea(this);
        ScrollBox->setObjectName(QStringLiteral("ScrollBox"));
        ScrollBox->setWidgetResizable(true);
        panels = new TEntryPanels;
        ScrollBox->setWidget(panels);
        column->addWidget(ScrollBox, 1);
        Panel9 = new QWidget(this);
        Panel9->setObjectName(QStringLiteral("Panel9"));
        Panel9->setFocusPolicy(Qt::StrongFocus);
        Panel9->setFixedHeight(30);
        column->addWidget(Panel9);
        picker = new TKeMuPicker(this);
        panels->setPicker(picker);
        if (dm)
            picker->InitKeMuList(dm);
    }

    QScrollArea *ScrollBox = nullptr;
    TEntryPanels *panels = nullptr;
    QWidget *Panel9 = nullptr;
    TKeMuPicker *picker = nullptr;
};

void loadChapter(TestApp &app)
{
    ItemList.clear();
    app.dm()->AddItem(QStringLiteral("0201"), QStringLiteral("4"), 10, 0);
    QCOMPARE(ItemList.count(), 7);
}

template <typename T>
T *find(const TEntryPanels *panels, const QString &prefix, const QString &child)
{
    T *control = panels->control<T>(prefix, child);
    if (!control)
        qFatal("no control %s%s", qPrintable(prefix), qPrintable(child));
    return control;
}

QLineEdit *edit(const TEntryPanels *p, const QString &prefix, const char *child, int row = 0)
{
    return find<QLineEdit>(p, prefix, QString::fromLatin1(child) + (row ? QString::number(row) : QString()));
}

QToolButton *button(const TEntryPanels *p, const QString &prefix, const char *child, int row)
{
    return find<QToolButton>(p, prefix, QString::fromLatin1(child) + QString::number(row));
}

// Text as an input method commits it (Chinese is not typed key by key).
void typeText(QWidget *target, const QString &text)
{
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(target, &commit);
}

// Leaving an edit as the focus moving elsewhere does.
void leave(QLineEdit *edit)
{
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(edit, &out);
}

// Types one row as a learner would: the side clicked, each edit filled and left.
void typeRow(TEntryPanels *p, const QString &prefix, int row, const QString &side, const QString &account,
             const QString &amount)
{
    if (side == QStringLiteral("借"))
        find<QRadioButton>(p, prefix, QStringLiteral("rbJ%1").arg(row))->click();
    else if (side == QStringLiteral("贷"))
        find<QRadioButton>(p, prefix, QStringLiteral("rbD%1").arg(row))->click();
    QLineEdit *km = edit(p, prefix, "edtKM", row);
    km->setText(account);
    leave(km);
    QLineEdit *je = edit(p, prefix, "edtJE", row);
    je->setText(amount);
    leave(je);
}

// Visible rows of an entry panel, as "side account amount".
QStringList shownRows(const TEntryPanels *p, const QString &prefix)
{
    QStringList rows;
    for (int r = 1; r <= 6; ++r) {
        if (edit(p, prefix, "edtKM", r)->isHidden())
            continue;
        QString side;
        if (find<QRadioButton>(p, prefix, QStringLiteral("rbJ%1").arg(r))->isChecked())
            side += QStringLiteral("借");
        if (find<QRadioButton>(p, prefix, QStringLiteral("rbD%1").arg(r))->isChecked())
            side += QStringLiteral("贷");
        rows << QStringLiteral("%1 %2 %3").arg(side, edit(p, prefix, "edtKM", r)->text(), edit(p, prefix, "edtJE", r)->text());
    }
    return rows;
}

QWidget *panel(const TEntryPanels *p, const QString &name)
{
    return find<QWidget>(p, QString(), name);
}

// The colour a learner sees in the panel's empty right-hand end.
QColor background(QWidget *panel)
{
    const QImage picture = panel->grab().toImage();
    return picture.pixelColor(picture.width() - 4, 4);
}

QStringList shownChildren(const TKeMuPicker *picker)
{
    QStringList names;
    for (int r = 0; r < picker->tvKeMu->topLevelItemCount(); ++r) {
        const QTreeWidgetItem *root = picker->tvKeMu->topLevelItem(r);
        for (int c = 0; c < root->childCount(); ++c)
            if (!root->isHidden() && !root->child(c)->isHidden())
                names << root->child(c)->text(0);
    }
    return names;
}

QTreeWidgetItem *treeItem(const TKeMuPicker *picker, const QString &text)
{
    const QList<QTreeWidgetItem *> found = picker->tvKeMu->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.first();
}

// A key of the form "side:account=amount;..." typed row by row.
struct TypedRow
{
    QString side, account, amount;
};

} // namespace

Q_DECLARE_METATYPE(QList<TypedRow>)

class TestEntry : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qRegisterMetaType<QLineEdit *>(); }
    void init() { MessageBox::clearShown(); }
    void cleanup() { ItemList.clear(); }

    void panelsHaveTheirControls_data();
    void panelsHaveTheirControls();
    void entryStoredAndScored_data();
    void entryStoredAndScored();
    void changingOneAmountScoresNothing();
    void removedRowStoredAndPackedOnShow();
    void rowsAddedAndRemoved();
    void amountScoredByValue_data();
    void amountScoredByValue();
    void entryAmountAndDashStackWithoutGaps();
    void dashBetweenKeysKeepsEachAnswerInItsRecord();
    void displayResetsRowsAndRestoresAnswers();
    void storingMarksCardState();
    void suspendedHandlersStoreNothing();
    void lineBreaksRemovedBeforeStoring();
    void readOnlyTakesNoAnswer();
    void leavingByRealFocusStores();
    void pickerTree();
    void pickerChoosing();
    void pickerFilter_data();
    void pickerFilter();
    void pickerKeyboard();
    void completerOffersChildAccounts();
    void answerTexts_data();
    void answerTexts();
    void storedRowsReadBack();
};

void TestEntry::panelsHaveTheirControls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("caption");
    const auto row = [](const QString &name, const char *className, const QString &caption = QString()) {
        QTest::newRow(qPrintable(name)) << name << QString::fromLatin1(className) << caption;
    };
    row(QStringLiteral("Panel11n"), "TEntryPanels");
    for (QChar l : QStringLiteral("ABCDEF")) {
        row(QStringLiteral("pnl") + l, "QFrame");
        row(QStringLiteral("pnl2") + l, "QFrame");
        row(QStringLiteral("pnl%1_No").arg(l), "QLabel");
        row(QStringLiteral("pnl2%1_No").arg(l), "QLabel");
        row(QStringLiteral("pnl%1_lblIndex").arg(l), "QLabel", QStringLiteral("-1"));
        row(QStringLiteral("p2l%1_lblIndex").arg(l), "QLabel", QStringLiteral("ItemIndex"));
        row(QStringLiteral("p2l%1_lblJE").arg(l), "QLabel", QStringLiteral("计算金额："));
        row(QStringLiteral("p2l%1_edtJE").arg(l), "QLineEdit");
    }
    for (int r = 1; r <= 6; ++r) {
        const QString p = QStringLiteral("pnlF_");
        row(p + QStringLiteral("lblJD%1").arg(r), "QLabel", QStringLiteral("借贷方向："));
        row(p + QStringLiteral("pnlJD%1").arg(r), "QWidget");
        row(p + QStringLiteral("rbJ%1").arg(r), "QRadioButton", QStringLiteral("借"));
        row(p + QStringLiteral("rbD%1").arg(r), "QRadioButton", QStringLiteral("贷"));
        row(p + QStringLiteral("lblKM%1").arg(r), "QLabel", QStringLiteral("会计科目："));
        row(p + QStringLiteral("edtKM%1").arg(r), "QLineEdit");
        row(p + QStringLiteral("bbtnKM%1").arg(r), "QToolButton", QStringLiteral("..."));
        row(p + QStringLiteral("lblJE%1").arg(r), "QLabel", QStringLiteral("金额："));
        row(p + QStringLiteral("edtJE%1").arg(r), "QLineEdit");
        if (r < 6)
            row(p + QStringLiteral("bbtnAdd%1").arg(r), "QToolButton", QStringLiteral("+"));
        if (r > 1)
            row(p + QStringLiteral("bbtnSub%1").arg(r), "QToolButton", QStringLiteral("-"));
    }
    row(QStringLiteral("pnlKeMu"), "TKeMuPicker");
    row(QStringLiteral("tvKeMu"), "QTreeWidget");
    row(QStringLiteral("lblEditName"), "QLabel");
    row(QStringLiteral("lblTitle"), "QLabel", QStringLiteral("选择会计科目"));
    row(QStringLiteral("sbOK"), "QToolButton", QStringLiteral("确定"));
    row(QStringLiteral("sbCancel"), "QToolButton", QStringLiteral("取消"));
    row(QStringLiteral("edtKeMuFilter"), "QLineEdit");
}

void TestEntry::panelsHaveTheirControls()
{
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QString, caption);
    Host host(nullptr);
    QWidget *control = host.findChild<QWidget *>(name);
    QVERIFY2(control, qPrintable(name));
    QVERIFY(control->inherits(qPrintable(className)));
    if (!caption.isEmpty())
        QCOMPARE(control->property("text").toString(), caption);
    // Row 1 cannot be removed, row 6 has nothing after it.
    QVERIFY(!host.findChild<QWidget *>(QStringLiteral("pnlA_bbtnSub1")));
    QVERIFY(!host.findChild<QWidget *>(QStringLiteral("pnlA_bbtnAdd6")));
    QVERIFY(host.picker->isHidden());
    QVERIFY(host.picker->lblEditName->isHidden());
}

void TestEntry::entryStoredAndScored_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QList<TypedRow>>("rows");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("right");
    const QList<TypedRow> example{{QStringLiteral("借"), QStringLiteral("库存现金"), QStringLiteral("1000")},
                                  {QStringLiteral("贷"), QStringLiteral("银行存款"), QStringLiteral("1000")}};
    const QString exampleStored = QStringLiteral("true\r\nfalse\r\n库存现金\r\n1000\r\nfalse\r\ntrue\r\n银行存款\r\n1000\r\n");
    QTest::newRow("example entry") << kCashBank << example << exampleStored << true;
    QTest::newRow("key in the other order") << QStringLiteral("贷:银行存款=1000;借:库存现金=1000") << example
                                            << exampleStored << true;
    QTest::newRow("key with a trailing ;") << kCashBank + QLatin1Char(';') << example << exampleStored << true;
    QTest::newRow("rows in the other order")
        << kCashBank << QList<TypedRow>{example[1], example[0]}
        << QStringLiteral("false\r\ntrue\r\n银行存款\r\n1000\r\ntrue\r\nfalse\r\n库存现金\r\n1000\r\n") << true;
    QTest::newRow("blanks and separators kept as typed")
        << kCashBank
        << QList<TypedRow>{{QStringLiteral("借"), QStringLiteral(" 库存现金"), QStringLiteral(" 1,000.00")}, example[1]}
        << QStringLiteral("true\r\nfalse\r\n 库存现金\r\n 1,000.00\r\nfalse\r\ntrue\r\n银行存款\r\n1000\r\n") << true;
    QTest::newRow("wrong side") << kCashBank
                                << QList<TypedRow>{{QStringLiteral("贷"), QStringLiteral("库存现金"), QStringLiteral("1000")},
                                                   example[1]}
                                << QStringLiteral("false\r\ntrue\r\n库存现金\r\n1000\r\nfalse\r\ntrue\r\n银行存款\r\n1000\r\n")
                                << false;
    QTest::newRow("a line missing") << kCashBank << QList<TypedRow>{example[0]}
                                    << QStringLiteral("true\r\nfalse\r\n库存现金\r\n1000\r\n") << false;
    QTest::newRow("only 借 selected") << kCashBank << QList<TypedRow>{{QStringLiteral("借"), QString(), QString()}}
                                     << QStringLiteral("true\r\nfalse\r\n\r\n\r\n") << false;
    QTest::newRow("only 借 selected, against 借:=") << QStringLiteral("借:=")
                                                 << QList<TypedRow>{{QStringLiteral("借"), QString(), QString()}}
                                                 << QStringLiteral("true\r\nfalse\r\n\r\n\r\n") << true;
    QTest::newRow("nothing typed") << kCashBank << QList<TypedRow>{} << QString() << false;
}

void TestEntry::entryStoredAndScored()
{
    QFETCH(QString, key);
    QFETCH(QList<TypedRow>, rows);
    QFETCH(QString, stored);
    QFETCH(bool, right);
    TestApp app(entryBank);
    loadChapter(app);
    ItemList[Q1Entry]->ItemA = key;
    Host host(app.dm());
    host.panels->showQuestion(Q1Entry, 1);
    const QString p = QStringLiteral("pnlA_");
    for (int r = 1; r <= rows.size(); ++r) {
        if (r > 2)
            button(host.panels, p, "bbtnAdd", r - 1)->click();
        typeRow(host.panels, p, r, rows[r - 1].side, rows[r - 1].account, rows[r - 1].amount);
    }
    if (rows.isEmpty())
        leave(edit(host.panels, p, "edtKM", 1));
    const TItem &record = *ItemList[Q1Entry];
    QCOMPARE(record.UserAnswer, stored);
    QCOMPARE(record.UserScore, right ? record.ItemScore : 0);
    QVERIFY(record.ItemScore > 0);
    // The sub-question beside it is untouched.
    QVERIFY(ItemList[Q1Amount]->UserAnswer.isEmpty());
}

void TestEntry::changingOneAmountScoresNothing()
{
    TestApp app(entryBank);
    loadChapter(app);
    Host host(app.dm());
    host.panels->showQuestion(Q1Entry, 1);
    const QString p = QStringLiteral("pnlA_");
    typeRow(host.panels, p, 1, QStringLiteral("借"), QStringLiteral("库存现金"), QStringLiteral("1000"));
    typeRow(host.panels, p, 2, QStringLiteral("贷"), QStringLiteral("银行存款"), QStringLiteral("1000"));
    QCOMPARE(ItemList[Q1Entry]->UserScore, ItemList[Q1Entry]->ItemScore);
    QLineEdit *amount = edit(host.panels, p, "edtJE", 2);
    amount->setText(QStringLiteral("100"));
    leave(amount);
    QCOMPARE(ItemList[Q1Entry]->UserScore, 0);
    QVERIFY(ItemList[Q1Entry]->UserAnswer.contains(QStringLiteral("银行存款\r\n100\r\n")));
}

void TestEntry::removedRowStoredAndPackedOnShow()
{
    TestApp app(entryBank);
    loadChapter(app);
    Host host(app.dm());
    host.panels->showQuestion(Q1Entry, 1);
    const QString p = QStringLiteral("pnlA_");
    typeRow(host.panels, p, 1, QStringLiteral("借"), QStringLiteral("库存现金"), QStringLiteral("1000"));
    typeRow(host.panels, p, 2, QStringLiteral("借"), QStringLiteral("原材料"), QStringLiteral("5"));
    button(host.panels, p, "bbtnAdd", 2)->click();
    typeRow(host.panels, p, 3, QStringLiteral("贷"), QStringLiteral("银行存款"), QStringLiteral("1000"));

    QSignalSpy stored(host.panels, &TEntryPanels::answerStored);
    button(host.panels, p, "bbtnSub", 2)->click();
    // Stored at once, without leaving an edit.
    QCOMPARE(stored.size(), 1);
    QCOMPARE(stored.first().first().toInt(), int(Q1Entry));
    QCOMPARE(ItemList[Q1Entry]->UserAnswer,
             QStringLiteral("true\r\nfalse\r\n库存现金\r\n1000\r\nfalse\r\ntrue\r\n银行存款\r\n1000\r\n"));
    QCOMPARE(ItemList[Q1Entry]->UserScore, ItemList[Q1Entry]->ItemScore);
    QCOMPARE(shownRows(host.panels, p), (QStringList{QStringLiteral("借 库存现金 1000"), QStringLiteral("贷 银行存款 1000")}));

    // Another question and back: the rows close up.
    host.panels->showQuestion(Q2Amount1, 2);
    host.panels->showQuestion(Q1Entry, 1);
    QCOMPARE(shownRows(host.panels, p), (QStringList{QStringLiteral("借 库存现金 1000"), QStringLiteral("贷 银行存款 1000")}));
    QVERIFY(edit(host.panels, p, "edtKM", 3)->isHidden());
}

void TestEntry::rowsAddedAndRemoved()
{
    TestApp app(entryBank);
    loadChapter(app);
    Host host(app.dm());
    host.panels->showQuestion(Q1Entry, 1);
    const QString p = QStringLiteral("pnlA_");
    QCOMPARE(shownRows(host.panels, p).size(), 2);
    for (int r = 2; r <= 5; ++r)
        button(host.panels, p, "bbtnAdd", r)->click();
    QCOMPARE(shownRows(host.panels, p).size(), 6);
    // "+" on a row whose next row is already shown changes nothing.
    button(host.panels, p, "bbtnAdd", 1)->click();
    QCOMPARE(shownRows(host.panels, p).size(), 6);
    for (const char *child : {"lblJD6", "pnlJD6", "rbJ6", "rbD6", "lblKM6", "edtKM6", "bbtnKM6", "lblJE6", "edtJE6",
                              "bbtnSub6"})
        QVERIFY2(!panel(host.panels, p + QString::fromLatin1(child))->isHidden(), child);
    button(host.panels, p, "bbtnSub", 6)->click();
    for (const char *child : {"lblJD6", "pnlJD6", "rbJ6", "rbD6", "lblKM6", "edtKM6", "bbtnKM6", "lblJE6", "edtJE6",
                              "bbtnSub6"})
        QVERIFY2(panel(host.panels, p + QString::fromLatin1(child))->isHidden(), child);
    // Removing a row that held nothing stores the (empty) answer.
    QVERIFY(ItemList[Q1Entry]->UserAnswer.isEmpty());
    QCOMPARE(ItemList[Q1Entry]->ColorMark, 3);
}

void TestEntry::amountScoredByValue_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("matches1000");
    QTest::addColumn<bool>("matches1000_5");
    QTest::newRow("1000") << "1000" << true << false;
    QTest::newRow("leading blank") << " 1000" << true << false;
    QTest::newRow("thousands separator") << "1,000" << true << false;
    QTest::newRow("cents") << "1000.00" << true << false;
    QTest::newRow("1000.5") << "1000.5" << false << true;
    QTest::newRow("1000.50 with separator") << "1,000.50 " << false << true;
    QTest::newRow("not a number") << "abc" << false << false;
    QTest::newRow("misplaced separator") << "10,00" << false << false;
    QTest::newRow("empty") << "" << false << false;
}

void TestEntry::amountScoredByValue()
{
    QFETCH(QString, typed);
    QFETCH(bool, matches1000);
    QFETCH(bool, matches1000_5);
    TestApp app(entryBank);
    loadChapter(app);
    Host host(app.dm());
    host.panels->showQuestion(Q2Amount1, 2);
    for (const auto &[prefix, position, right] :
         {std::tuple{QStringLiteral("p2lA_"), int(Q2Amount1), matches1000},
          std::tuple{QStringLiteral("p2lB_"), int(Q2Amount2), matches1000_5}}) {
        QLineEdit *amount = edit(host.panels, prefix, "edtJE");
        amount->setText(typed);
        leave(amount);
        const TItem &record = *ItemList[position];
        QCOMPARE(record.UserAnswer, typed); // kept as typed
        QCOMPARE(record.UserScore, right ? record.ItemScore : 0);
        QCOMPARE(record.ColorMark, typed.isEmpty() ? 3 : 4);
    }
    host.panels->showQuestion(Q1Entry, 1);
    host.panels->showQuestion(Q2Amount2, 2);
    QCOMPARE(edit(host.panels, QStringLiteral("p2lA_"), "edtJE")->text(), typed);
    QCOMPARE(edit(host.panels, QStringLiteral("p2lB_"), "edtJE")->text(), typed);
}

void TestEntry::entryAmountAndDashStackWithoutGaps()
{
    TestApp app(entryBank);
    loadChapter(app);
    Host host(app.dm());
    host.show();
    host.panels->showQuestion(Q1Amount, 61);
    host.panels->layout()->activate();
    TEntryPanels *p = host.panels;
    QWidget *pnlA = panel(p, QStringLiteral("pnlA"));
    QWidget *pnl2B = panel(p, QStringLiteral("pnl2B"));
    QStringList shown;
    for (QWidget *w : p->findChildren<QFrame *>(QString(), Qt::FindDirectChildrenOnly))
        if (!w->isHidden())
            shown << w->objectName();
    QCOMPARE(shown, (QStringList{QStringLiteral("pnlA"), QStringLiteral("pnl2B")}));
    QCOMPARE(pnlA->y(), 0);
    QCOMPARE(pnl2B->y(), pnlA->geometry().bottom() + 1);
    QCOMPARE(find<QLabel>(p, QStringLiteral("pnlA_"), QStringLiteral("No"))->text(), QStringLiteral("61-1"));
    QCOMPARE(find<QLabel>(p, QStringLiteral("pnl2B_"), QStringLiteral("No"))->text(), QStringLiteral("61-2"));
    QCOMPARE(find<QLabel>(p, QStringLiteral("pnlA_"), QStringLiteral("lblIndex"))->text(), QStringLiteral("0"));
    QCOMPARE(find<QLabel>(p, QStringLiteral("p2lB_"), QStringLiteral("lblIndex"))->text(), QStringLiteral("1"));
    // The sub-question shown is sky blue with a bold number; the other is white.
    QCOMPARE(background(pnl2B), QColor(166, 202, 240));
    QVERIFY(find<QLabel>(p, QStringLiteral("pnl2B_"), QStringLiteral("No"))->font().bold());
    QCOMPARE(background(pnlA), QColor(Qt::white));
    QVERIFY(!find<QLabel>(p, QStringLiteral("pnlA_"), QStringLiteral("No"))->font().bold());

    host.panels->showQuestion(Q1Entry, 61);
    QCOMPARE(background(pnlA), QColor(166, 202, 240));
    QCOMPARE(background(pnl2B), QColor(Qt::white));
}

void TestEntry::dashBetweenKeysKeepsEachAnswerInItsRecord()
{
    TestApp app(entryBank);
    loadChapter(app);
    Host host(app.dm());
    TEntryPanels *p = host.panels;
    host.panels->showQuestion(Q3Amount, 3);
    QVERIFY(!panel(p, QStringLiteral("pnlA"))->isHidden());
    QVERIFY(!panel(p, QStringLiteral("pnl2B"))->isHidden());
    QVERIFY(panel(p, QStringLiteral("pnlC"))->isHidden() && panel(p, QStringLiteral("pnl2C"))->isHidden());
    QVERIFY(!panel(p, QStringLiteral("pnlD"))->isHidden());
    QCOMPARE(find<QLabel>(p, QStringLiteral("pnlD_"), QStringLiteral("lblIndex"))->text(),
             QString::number(Q3Entry4));
    typeRow(p, QStringLiteral("pnlD_"), 1, QStringLiteral("借"), QStringLiteral("管理费用"), QStringLiteral("300"));
    typeRow(p, QStringLiteral("pnlD_"), 2, QStringLiteral("贷"), QStringLiteral("库存现金"), QStringLiteral("300"));
    QCOMPARE(ItemList[Q3Entry4]->UserScore, ItemList[Q3Entry4]->ItemScore);
    QVERIFY(ItemList[Q3Entry4]->ItemScore > 0);
    // Nothing landed in the next question's record.
    for (int i = 0; i < ItemList.count(); ++i)
        if (i != Q3Entry4)
            QVERIFY2(ItemList[i]->UserAnswer.isEmpty(), qPrintable(QString::number(i)));
}

void TestEntry::displayResetsRowsAndRestoresAnswers()
{
    TestApp app(entryBank);
    loadChapter(app);
    Host host(app.dm());
    TEntryPanels *p = host.panels;
    const QString a = QStringLiteral("pnlA_");
    host.panels->showQuestion(Q1Entry, 1);
    typeRow(p, a, 1, QStringLiteral("借"), QStringLiteral("库存现金"), QStringLiteral("1000"));
    button(p, a, "bbtnAdd", 2)->click();
    typeRow(p, a, 3, QStringLiteral("贷"), QStringLiteral("银行存款"), QStringLiteral("1000"));
    QLineEdit *amount = edit(p, QStringLiteral("p2lB_"), "edtJE");
    amount->setText(QStringLiteral("1000"));
    leave(amount);

    // An unanswered question in the same panels shows rows 1 and 2 empty.
    host.panels->showQuestion(Q3Entry1, 3);
    QCOMPARE(shownRows(p, a), (QStringList{QStringLiteral("  "), QStringLiteral("  ")}));
    QVERIFY(edit(p, QStringLiteral("p2lB_"), "edtJE")->text().isEmpty());

    host.panels->showQuestion(Q1Entry, 1);
    QCOMPARE(shownRows(p, a), (QStringList{QStringLiteral("借 库存现金 1000"), QStringLiteral("贷 银行存款 1000")}));
    QCOMPARE(edit(p, QStringLiteral("p2lB_"), "edtJE")->text(), QStringLiteral("1000"));
}

void TestEntry::storingMarksCardState()
{
    TestApp app(entryBank);
    loadChapter(app);
    Host host(app.dm());
    TEntryPanels *p = host.panels;
    QSignalSpy stored(p, &TEntryPanels::answerStored);
    host.panels->showQuestion(Q1Entry, 1);
    QCOMPARE(stored.size(), 0); // showing stores nothing
    QCOMPARE(ItemList[Q1Entry]->ColorMark, 3);
    typeRow(p, QStringLiteral("pnlA_"), 1, QStringLiteral("借"), QStringLiteral("库存现金"), QStringLiteral("1000"));
    QCOMPARE(ItemList[Q1Entry]->ColorMark, 4);
    QVERIFY(!stored.isEmpty());
    QCOMPARE(stored.last().first().toInt(), int(Q1Entry));

    // A flagged sub-question keeps its flag while its edits are only passed through...
    ItemList[Q1Entry]->ColorMark = 2;
    leave(edit(p, QStringLiteral("pnlA_"), "edtKM", 1));
    QCOMPARE(ItemList[Q1Entry]->ColorMark, 2);
    // ... and shows answered or unanswered once the answer changes, as a choice answer does.
    button(p, QStringLiteral("pnlA_"), "bbtnSub", 2)->click();
    QCOMPARE(ItemList[Q1Entry]->ColorMark, 2);
    QLineEdit *account = edit(p, QStringLiteral("pnlA_"), "edtKM", 1);
    account->clear();
    edit(p, QStringLiteral("pnlA_"), "edtJE", 1)->clear();
    leave(account);
    QCOMPARE(ItemList[Q1Entry]->UserAnswer, QStringLiteral("true\r\nfalse\r\n\r\n\r\n"));
    QCOMPARE(ItemList[Q1Entry]->ColorMark, 4); // 借 is still selected
    find<QRadioButton>(p, QStringLiteral("pnlA_"), QStringLiteral("rbJ1"))->setAutoExclusive(false);
    find<QRadioButton>(p, QStringLiteral("pnlA_"), QStringLiteral("rbJ1"))->click(); // unselects
    QCOMPARE(ItemList[Q1Entry]->UserAnswer, QString());
    QCOMPARE(ItemList[Q1Entry]->ColorMark, 3);
}

void TestEntry::suspendedHandlersStoreNothing()
{
    TestApp app(entryBank);
    loadChapter(app);
    Host host(app.dm());
    TEntryPanels *p = host.panels;
    host.panels->showQuestion(Q1Entry, 1);
    p->SetEvent(0);
    QLineEdit *account = edit(p, QStringLiteral("pnlA_"), "edtKM", 1);
    account->setText(QStringLiteral("库存现金"));
    leave(account);
    find<QRadioButton>(p, QStringLiteral("pnlA_"), QStringLiteral("rbJ1"))->click();
    QLineEdit *amount = edit(p, QStringLiteral("p2lB_"), "edtJE");
    amount->setText(QStringLiteral("1000"));
    leave(amount);
    QVERIFY(ItemList[Q1Entry]->UserAnswer.isEmpty());
    QVERIFY(ItemList[Q1Amount]->UserAnswer.isEmpty());
    p->SetEvent(1);
    leave(account);
    leave(amount);
    QCOMPARE(ItemList[Q1Entry]->UserAnswer, QStringLiteral("true\r\nfalse\r\n库存现金\r\n\r\n"));
    QCOMPARE(ItemList[Q1Amount]->UserAnswer, QStringLiteral("1000"));
}

void TestEntry::lineBreaksRemovedBeforeStoring()
{
    TestApp app(entryBank);
    loadChapter(app);
    Host host(app.dm());
    TEntryPanels *p = host.panels;
    host.panels->showQuestion(Q1Entry, 1);
    QLineEdit *account = edit(p, QStringLiteral("pnlA_"), "edtKM", 1);
    account->setText(QStringLiteral("库存\r\n现金"));
    leave(account);
    QLineEdit *amount = edit(p, QStringLiteral("pnlA_"), "edtJE", 1);
    amount->setText(QStringLiteral("10\n00"));
    leave(amount);
    QCOMPARE(ItemList[Q1Entry]->UserAnswer, QStringLiteral("false\r\nfalse\r\n库存现金\r\n1000\r\n"));
    QCOMPARE(account->text(), QStringLiteral("库存现金"));
    QLineEdit *computed = edit(p, QStringLiteral("p2lB_"), "edtJE");
    computed->setText(QStringLiteral("1000\n"));
    leave(computed);
    QCOMPARE(ItemList[Q1Amount]->UserAnswer, QStringLiteral("1000"));
    QCOMPARE(ItemList[Q1Amount]->UserScore, ItemList[Q1Amount]->ItemScore);
}

void TestEntry::readOnlyTakesNoAnswer()
{
    TestApp app(entryBank);
    loadChapter(app);
    ItemList[Q1Amount]->UserAnswer = QStringLiteral("999");
    Host host(app.dm());
    TEntryPanels *p = host.panels;
    p->setReadOnly(true);
    host.panels->showQuestion(Q1Entry, 1);
    QLineEdit *amount = edit(p, QStringLiteral("p2lB_"), "edtJE");
    QCOMPARE(amount->text(), QStringLiteral("999"));
    QVERIFY(amount->isReadOnly());
    QVERIFY(!find<QRadioButton>(p, QStringLiteral("pnlA_"), QStringLiteral("rbJ1"))->isEnabled());
    QVERIFY(!button(p, QStringLiteral("pnlA_"), "bbtnAdd", 1)->isEnabled());
    QVERIFY(!button(p, QStringLiteral("pnlA_"), "bbtnKM", 1)->isEnabled());
    amount->setText(QStringLiteral("1000"));
    leave(amount);
    p->pnlABCDEF_bbtnKMPopUpClick(button(p, QStringLiteral("pnlA_"), "bbtnKM", 1));
    QCOMPARE(ItemList[Q1Amount]->UserAnswer, QStringLiteral("999"));
    QVERIFY(host.picker->isHidden());
}

void TestEntry::leavingByRealFocusStores()
{
    TestApp app(entryBank);
    loadChapter(app);
    Host host(app.dm());
    host.show();
    host.activateWindow();
    if (!QTest::qWaitForWindowActive(&host))
        QSKIP("the platform gives no window the focus");
    TEntryPanels *p = host.panels;
    host.panels->showQuestion(Q1Entry, 1);
    QLineEdit *amount = edit(p, QStringLiteral("p2lB_"), "edtJE");
    amount->setFocus();
    QTRY_VERIFY(amount->hasFocus());
    QTest::keyClicks(amount, QStringLiteral("1000"));
    // The host moves the focus to its bottom bar before it acts.
    host.Panel9->setFocus();
    QTRY_VERIFY(host.Panel9->hasFocus());
    QCOMPARE(ItemList[Q1Amount]->UserAnswer, QStringLiteral("1000"));
    QCOMPARE(ItemList[Q1Amount]->UserScore, ItemList[Q1Amount]->ItemScore);
}

void TestEntry::pickerTree()
{
    TestApp app(entryBank);
    Host host(app.dm());
    const QTreeWidget *tree = host.picker->tvKeMu;
    QStringList roots;
    for (int r = 0; r < tree->topLevelItemCount(); ++r)
        roots << tree->topLevelItem(r)->text(0);
    QCOMPARE(roots, (QStringList{QStringLiteral("库存现金"), QStringLiteral("银行存款"), QStringLiteral("其他货币资金"),
                                 QStringLiteral("原材料"), QStringLiteral("库存商品"), QStringLiteral("应付账款")}));
    const QTreeWidgetItem *materials = tree->topLevelItem(3);
    QCOMPARE(materials->childCount(), 2);
    QCOMPARE(materials->child(0)->text(0), QStringLiteral("原料及主要材料"));
    QCOMPARE(materials->child(1)->text(0), QStringLiteral("辅助材料"));
    // A child named as its parent stays a child.
    QCOMPARE(tree->topLevelItem(0)->childCount(), 1);
    QCOMPARE(tree->topLevelItem(0)->child(0)->childCount(), 0);
    QCOMPARE(KeMuList.count(), 8);

    // Rebuilding replaces, never doubles.
    host.picker->InitKeMuList(app.dm());
    QCOMPARE(tree->topLevelItemCount(), 6);
    QCOMPARE(KeMuList.count(), 8);
    QCOMPARE(host.picker->childAccounts().size(), 8);
}

void TestEntry::pickerChoosing()
{
    TestApp app(entryBank);
    loadChapter(app);
    Host host(app.dm());
    TEntryPanels *p = host.panels;
    TKeMuPicker *picker = host.picker;
    host.panels->showQuestion(Q1Entry, 1);
    button(p, QStringLiteral("pnlA_"), "bbtnAdd", 2)->click();
    QSignalSpy chosen(picker, &TKeMuPicker::accountChosen);

    button(p, QStringLiteral("pnlA_"), "bbtnKM", 3)->click();
    QVERIFY(!picker->isHidden());
    QCOMPARE(picker->lblEditName->text(), QStringLiteral("pnlA_edtKM3"));
    for (int r = 0; r < picker->tvKeMu->topLevelItemCount(); ++r)
        QVERIFY(!picker->tvKeMu->topLevelItem(r)->isExpanded());

    // Nothing selected: nothing happens.
    picker->sbOKClick();
    QVERIFY(!picker->isHidden());
    QVERIFY(MessageBox::shown().isEmpty());

    // A parent account is refused; a double click on it does nothing.
    picker->tvKeMu->setCurrentItem(treeItem(picker, QStringLiteral("其他货币资金")));
    picker->tvKeMuDblClick();
    QVERIFY(MessageBox::shown().isEmpty());
    picker->sbOKClick();
    QCOMPARE(MessageBox::shown().size(), 1);
    QCOMPARE(MessageBox::shown().first().caption, QStringLiteral("提示"));
    QCOMPARE(MessageBox::shown().first().text, QStringLiteral("请选择科目的子项"));
    QVERIFY(!picker->isHidden());
    QVERIFY(chosen.isEmpty());

    picker->tvKeMu->setCurrentItem(treeItem(picker, QStringLiteral("银行汇票存款")));
    picker->sbOKClick();
    QVERIFY(picker->isHidden());
    QCOMPARE(edit(p, QStringLiteral("pnlA_"), "edtKM", 3)->text(), QStringLiteral("银行汇票存款"));
    QCOMPARE(chosen.size(), 1);
    // Choosing does not store; leaving the edit does.
    QVERIFY(ItemList[Q1Entry]->UserAnswer.isEmpty());

    // Opened again: collapsed, nothing chosen; cancel leaves the edit alone.
    picker->tvKeMu->expandAll();
    button(p, QStringLiteral("pnlA_"), "bbtnKM", 1)->click();
    QVERIFY(!picker->tvKeMu->topLevelItem(2)->isExpanded());
    picker->tvKeMu->setCurrentItem(treeItem(picker, QStringLiteral("外埠存款")));
    picker->sbCancelClick();
    QVERIFY(picker->isHidden());
    QVERIFY(edit(p, QStringLiteral("pnlA_"), "edtKM", 1)->text().isEmpty());

    // A double click on a child chooses it.
    button(p, QStringLiteral("pnlA_"), "bbtnKM", 1)->click();
    picker->tvKeMu->setCurrentItem(treeItem(picker, QStringLiteral("外埠存款")));
    picker->tvKeMuDblClick();
    QVERIFY(picker->isHidden());
    QCOMPARE(edit(p, QStringLiteral("pnlA_"), "edtKM", 1)->text(), QStringLiteral("外埠存款"));
}

void TestEntry::pickerFilter_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("part of a name") << "汇票" << QStringList{QStringLiteral("银行汇票存款")};
    QTest::newRow("part of names in two parents")
        << "存款" << QStringList{QStringLiteral("银行存款"), QStringLiteral("外埠存款"), QStringLiteral("银行汇票存款")};
    QTest::newRow("a parent's code shows its children")
        << "1012" << QStringList{QStringLiteral("外埠存款"), QStringLiteral("银行汇票存款")};
    QTest::newRow("a parent's name, children of both codes")
        << "原材料" << QStringList{QStringLiteral("原料及主要材料"), QStringLiteral("辅助材料")};
    QTest::newRow("a child's code") << "149901" << QStringList{QStringLiteral("辅助材料")};
    QTest::newRow("nothing") << "xyz" << QStringList{};
}

void TestEntry::pickerFilter()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, shown);
    TestApp app(entryBank);
    Host host(app.dm());
    QLineEdit target;
    host.picker->openFor(&target);
    typeText(host.picker->edtKeMuFilter, typed);
    QCOMPARE(shownChildren(host.picker), shown);
    for (int r = 0; r < host.picker->tvKeMu->topLevelItemCount(); ++r) {
        const QTreeWidgetItem *root = host.picker->tvKeMu->topLevelItem(r);
        QCOMPARE(root->isExpanded(), !root->isHidden());
    }
    // Emptying the filter shows the whole tree again.
    host.picker->edtKeMuFilter->clear();
    QCOMPARE(shownChildren(host.picker).size(), 8);
}

void TestEntry::pickerKeyboard()
{
    TestApp app(entryBank);
    loadChapter(app);
    Host host(app.dm());
    TKeMuPicker *picker = host.picker;
    host.panels->showQuestion(Q1Entry, 1);
    QLineEdit *account = edit(host.panels, QStringLiteral("pnlA_"), "edtKM", 2);

    // Enter chooses the one account the filter leaves.
    host.panels->pnlABCDEF_bbtnKMPopUpClick(button(host.panels, QStringLiteral("pnlA_"), "bbtnKM", 2));
    typeText(picker->edtKeMuFilter, QStringLiteral("汇票"));
    QTest::keyClick(picker->edtKeMuFilter, Qt::Key_Return);
    QVERIFY(picker->isHidden());
    QCOMPARE(account->text(), QStringLiteral("银行汇票存款"));

    // With several left, Enter takes the selected one and nothing else.
    host.panels->pnlABCDEF_bbtnKMPopUpClick(button(host.panels, QStringLiteral("pnlA_"), "bbtnKM", 2));
    typeText(picker->edtKeMuFilter, QStringLiteral("存款"));
    QTest::keyClick(picker->edtKeMuFilter, Qt::Key_Return);
    QVERIFY(!picker->isHidden());
    QVERIFY(MessageBox::shown().isEmpty());
    picker->tvKeMu->setCurrentItem(treeItem(picker, QStringLiteral("外埠存款")));
    QTest::keyClick(picker->tvKeMu, Qt::Key_Enter);
    QVERIFY(picker->isHidden());
    QCOMPARE(account->text(), QStringLiteral("外埠存款"));

    // Esc cancels.
    host.panels->pnlABCDEF_bbtnKMPopUpClick(button(host.panels, QStringLiteral("pnlA_"), "bbtnKM", 2));
    typeText(picker->edtKeMuFilter, QStringLiteral("汇票"));
    QTest::keyClick(picker->edtKeMuFilter, Qt::Key_Escape);
    QVERIFY(picker->isHidden());
    QCOMPARE(account->text(), QStringLiteral("外埠存款"));
    // Also from its buttons.
    host.panels->pnlABCDEF_bbtnKMPopUpClick(button(host.panels, QStringLiteral("pnlA_"), "bbtnKM", 2));
    QTest::keyClick(picker->sbOK, Qt::Key_Escape);
    QVERIFY(picker->isHidden());
    QVERIFY(MessageBox::shown().isEmpty());

    // Down from the filter goes to the first account it left; Enter takes it.
    host.panels->pnlABCDEF_bbtnKMPopUpClick(button(host.panels, QStringLiteral("pnlA_"), "bbtnKM", 2));
    typeText(picker->edtKeMuFilter, QStringLiteral("存款"));
    QTest::keyClick(picker->edtKeMuFilter, Qt::Key_Down);
    QCOMPARE(picker->tvKeMu->currentItem()->text(0), QStringLiteral("银行存款"));
    QTest::keyClick(picker->tvKeMu, Qt::Key_Return);
    QVERIFY(picker->isHidden());
    QCOMPARE(account->text(), QStringLiteral("银行存款"));
}

void TestEntry::completerOffersChildAccounts()
{
    TestApp app(entryBank);
    Host host(app.dm());
    QCompleter *completer = edit(host.panels, QStringLiteral("pnlC_"), "edtKM", 4)->completer();
    QVERIFY(completer);
    completer->setCompletionPrefix(QStringLiteral("存款"));
    QStringList offered;
    for (bool more = completer->setCurrentRow(0); more; more = completer->setCurrentRow(completer->currentRow() + 1))
        offered << completer->currentCompletion();
    QCOMPARE(offered, (QStringList{QStringLiteral("银行存款"), QStringLiteral("外埠存款"), QStringLiteral("银行汇票存款")}));
    // Parents that are no account of their own are not offered.
    completer->setCompletionPrefix(QStringLiteral("其他货币"));
    QCOMPARE(completer->completionCount(), 0);
}

void TestEntry::answerTexts_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("readable");
    QTest::newRow("entry") << kCashBank << QStringLiteral("借：库存现金 1000\n贷：银行存款 1000");
    QTest::newRow("trailing ;, three lines")
        << QStringLiteral("借:原材料=40000;借:应交增值税=5200;贷:银行存款=45200;")
        << QStringLiteral("借：原材料 40000\n借：应交增值税 5200\n贷：银行存款 45200");
    QTest::newRow("amount stays") << QStringLiteral("7800") << QStringLiteral("7800");
}

void TestEntry::answerTexts()
{
    QFETCH(QString, key);
    QFETCH(QString, readable);
    QCOMPARE(readableKey(key), readable);
}

void TestEntry::storedRowsReadBack()
{
    const QList<EntryRow> rows{{true, false, QStringLiteral("库存现金"), QString()},
                               {false, true, QString(), QStringLiteral(" 1,000")}};
    const QList<EntryRow> back = parseStoredEntryRows(storeEntryRows(rows));
    QCOMPARE(back.size(), 2);
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(back[i].debit, rows[i].debit);
        QCOMPARE(back[i].credit, rows[i].credit);
        QCOMPARE(back[i].account, rows[i].account);
        QCOMPARE(back[i].amount, rows[i].amount);
    }
}

QTEST_MAIN(TestEntry)
#include "tst_entry.moc"
