// Behaviour of the practice window: loading and showing entries, answering, moving,
// marks, the entry chooser, the timer, the end of a run, and the learner's keys.
#include "ui/practice/UnitZhangJie.h"

#include "core/UnitDefine.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "core/AppPath.h"
#include "store/UnitDM.h"
#include "ui/Guard.h"
#include "ui/ScreenFit.h"
#include "core/EntryAnswer.h"
#include "ui/entry/EntryPanels.h"
#include "ui/entry/KeMuPicker.h"
#include "ui/practice/OptionOrder.h"
#include "ui/WrapCheckBox.h"
#include "ui/practice/ZhangJieInternal.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QToolButton>

#include <algorithm>
#include <functional>

using ZhangJie::kLetters;

TfrmZhangJie *frmZhangJie = nullptr;

namespace {

// The name of each question type, the same on every screen.
QString typeName(const QString &type)
{
    static const QHash<QString, QString> names{
        {QStringLiteral("1"), QStringLiteral("单选题")},   {QStringLiteral("2"), QStringLiteral("多选题")},
        {QStringLiteral("3"), QStringLiteral("判断题")},   {QStringLiteral("4"), QStringLiteral("计算分析题")},
        {QStringLiteral("5"), QStringLiteral("案例分析题")},
    };
    return names.value(type);
}

bool isChoice(const QString &type)
{
    return type == QLatin1String("1") || type == QLatin1String("2") || type == QLatin1String("3")
        || type == QLatin1String("5");
}

QString tipPicture(const QString &mode)
{
    if (mode == QLatin1String("view")) return QStringLiteral("\\image\\r_1.bmp");
    if (mode == QLatin1String("error")) return QStringLiteral("\\image\\r_2_1.bmp");
    if (mode == QLatin1String("notfinish")) return QStringLiteral("\\image\\r_3_1.bmp");
    if (mode == QLatin1String("new")) return QStringLiteral("\\image\\r_4.bmp");
    return QString();
}

// Hours, minutes and seconds of a time within one day, two digits each, between the units given.
QString clockText(int seconds, const QString &h, const QString &m, const QString &s)
{
    return QStringLiteral("%1%2%3%4%5%6")
        .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
        .arg(h)
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(m)
        .arg(seconds % 60, 2, 10, QLatin1Char('0'))
        .arg(s);
}

bool isCutMode(const QString &mode)
{
    return mode == QLatin1String("JingHua") || mode == QLatin1String("CuoTi");
}

}

bool TfrmZhangJie::InitItemList()
{
    const auto cut = [this] {
        // Keep the questions at positions JHCT_Start .. JHCT_Select (from 1), each with all its
        // entries, since the set-up counts questions; a start past what is left leaves an
        // empty list.
        const std::vector<int> starts = QuestionStarts();
        const int questions = int(starts.size());
        if (JHCT_Select < questions)
            ItemList.truncate(JHCT_Select <= 0 ? 0 : starts.at(size_t(JHCT_Select)));
        const int drop = JHCT_Start - 1;
        if (drop >= qMin(questions, qMax(0, JHCT_Select)))
            ItemList.clear();
        else if (drop > 0)
            ItemList.removeFirst(starts.at(size_t(drop)));
    };

    bool loaded = true;
    if (LXMode == QLatin1String("JingHua")) {
        ItemList.clear();
        loaded = guarded(this, [this] { m_dm->GetJHItemList(); });
        cut();
    } else if (LXMode == QLatin1String("CuoTi")) {
        ItemList.clear();
        loaded = guarded(this, [this] { m_dm->GetCTItemList(CT_Start); });
        cut();
    } else {
        lblKeChengR->setText(KeChengName);
        lblZhangJieR->setText(ZhangJieName);
        ItemList.clear();
        loaded = guarded(this, [this] {
            m_dm->AddItem(ZhangJieID, QStringLiteral("1"), DanXunCnt, 0);
            m_dm->AddItem(ZhangJieID, QStringLiteral("2"), DuoXuanCnt, 0);
            m_dm->AddItem(ZhangJieID, QStringLiteral("3"), PanDuanCnt, 0);
            m_dm->AddItem(ZhangJieID, QStringLiteral("4"), FenXiCnt, 0);
            m_dm->AddItem(ZhangJieID, QStringLiteral("5"), FenXiCnt, 0);
        });
        if (RandomOrder)
            shuffleQuestions();
    }
    nameRun();
    // Calculation questions are answered with accounts from the chart.
    for (int i = 0; i < ItemList.count(); ++i) {
        if (ItemList[i]->ItemType == QLatin1String("4")) {
            loaded = pnlKeMu->InitKeMuList(m_dm) && loaded;
            break;
        }
    }
    QuestionCnt = int(QuestionStarts().size());
    showRunSummary();
    m_optionOrders.clear();
    if (RandomOrder && !isCutMode(LXMode)) {
        for (int i = 0; i < ItemList.count(); ++i) {
            const TItem &entry = *ItemList[i];
            // True/false keeps 正确 before 错误; calculation questions have no options to move.
            const bool choice = entry.ItemType == QLatin1String("1") || entry.ItemType == QLatin1String("2")
                || entry.ItemType == QLatin1String("5");
            m_optionOrders.push_back(choice ? OptionOrder::shuffled(entry, *QRandomGenerator::global())
                                            : OptionOrder::Identity);
        }
    }
    Item_Index = 0;
    ShowItem();
    return loaded;
}

void TfrmZhangJie::showRunSummary()
{
    // What the run holds, after a review's range was cut from its list: the summary must agree
    // with the result it ends in. Questions are counted, each calculation or case once.
    int dan = 0, duo = 0, pan = 0, fen = 0;
    for (const int start : QuestionStarts()) {
        const QString &type = ItemList[start]->ItemType;
        if (type == QLatin1String("1"))
            ++dan;
        else if (type == QLatin1String("2"))
            ++duo;
        else if (type == QLatin1String("3"))
            ++pan;
        else if (type == QLatin1String("4") || type == QLatin1String("5"))
            ++fen;
    }
    QString total = QStringLiteral("本次题量共：%1题").arg(QuestionCnt);
    // Where calculation or case questions bring more entries, it says so.
    if (QuestionCnt != ItemList.count())
        total += QStringLiteral("，共%1小题").arg(ItemList.count());
    lblTotal->setText(total);
    lblDanXuan->setText(QStringLiteral("单选题量为：%1题").arg(dan));
    lblDuoXuan->setText(QStringLiteral("多选题量为：%1题").arg(duo));
    lblPanDuan->setText(QStringLiteral("判断题量为：%1题").arg(pan));
    lblFenXi->setText(FenXiCaption + QString::number(fen) + QStringLiteral("题"));
}

void TfrmZhangJie::shuffleQuestions()
{
    // Questions move as wholes, and only among questions of their own type.
    const std::vector<int> starts = QuestionStarts();
    std::vector<int> order;
    order.reserve(size_t(ItemList.count()));
    size_t q = 0;
    while (q < starts.size()) {
        const QString type = ItemList[starts[q]]->ItemType;
        size_t end = q;
        while (end < starts.size() && ItemList[starts[end]]->ItemType == type)
            ++end;
        std::vector<size_t> questions;
        for (size_t i = q; i < end; ++i)
            questions.push_back(i);
        std::shuffle(questions.begin(), questions.end(), *QRandomGenerator::global());
        for (size_t question : questions) {
            const int from = starts[question];
            const int to = question + 1 < starts.size() ? starts[question + 1] : ItemList.count();
            for (int i = from; i < to; ++i)
                order.push_back(i);
        }
        q = end;
    }
    ItemList.permute(order);
}

void TfrmZhangJie::nameRun()
{
    if (!isCutMode(LXMode)) {
        RunKeChengName = KeChengName;
        RunZhangJieName = ZhangJieName;
        Label1->setText(QStringLiteral("章节练习："));
    } else {
        // A review of essentials or wrong questions is named for what it is and the courses its
        // questions came from, not for the chapter the set-up page last held.
        QStringList courses;
        for (int i = 0; i < ItemList.count(); ++i) {
            const QString course = ItemList[i]->KeChengName;
            if (!course.isEmpty() && !courses.contains(course))
                courses << course;
        }
        RunKeChengName = courses.join(QStringLiteral("、"));
        if (LXMode == QLatin1String("JingHua"))
            RunZhangJieName = QStringLiteral("精华试题");
        else if (CT_Period.isEmpty())
            RunZhangJieName = QStringLiteral("错题复习");
        else
            RunZhangJieName = QStringLiteral("错题复习（%1）").arg(CT_Period);
        Label1->setText(RunZhangJieName + QStringLiteral("："));
    }
    lblKeChengL->setText(RunKeChengName);
    lblZhangJieL->setText(isCutMode(LXMode) ? QString() : RunZhangJieName);
}

int TfrmZhangJie::questionNumber(int position) const
{
    int number = 0;
    for (int i = 0; i <= position && i < ItemList.count(); ++i)
        number += StartsQuestion(i) ? 1 : 0;
    return number;
}

bool TfrmZhangJie::isReview() const
{
    return LXMode == QLatin1String("view") || LXMode == QLatin1String("error") || LXMode == QLatin1String("right")
        || LXMode == QLatin1String("notfinish");
}

void TfrmZhangJie::commitEdits()
{
    Panel11n->commitFocusedEdit();
}

QString TfrmZhangJie::optionOrderAt(int position) const
{
    return position >= 0 && size_t(position) < m_optionOrders.size() ? m_optionOrders[size_t(position)]
                                                                    : OptionOrder::Identity;
}

void TfrmZhangJie::clearDisplay()
{
    ScrollBoxImage->hide();
    m_picture = QPixmap();
    imgItem->clear();
    meoExItem->hide();
    meoExItem->clear();
    ScrollBox->hide();
    GroupBoxCB->show();
    lblPicNote->hide();
    meoItem->show();
    meoItem->clear();
    lblDiJiTi->clear();
    lblDiJiTiMain->clear();
    lblItemKind->clear();
    lblItemType->clear();
    m_clickAttached = false;
    for (WrapCheckBox *box : m_boxes) {
        box->hide();
        box->setChecked(false);
        box->setMark(WrapCheckBox::NoMark);
    }
    m_clickAttached = true;
    lblAnswer->clear();
    meoDesc->clear();
    lblMark->clear();
    lblFAV->clear();
    sbMark->setText(QStringLiteral("标记本题"));
    sbFAV->setText(QStringLiteral("设为精华题目"));
}

void TfrmZhangJie::showQuestionPicture(const TItem &entry)
{
    ScrollBoxImage->hide();
    m_picture = QPixmap();
    imgItem->clear();
    lblPicNote->hide();
    meoItem->show();
    const QString picture = entry.ItemPic.trimmed();
    if (picture.isEmpty())
        return;
    const QString path = PicturePath(picture);
    if (!QFileInfo(path).isFile()) {
        // The text stands in for the picture; the note says what is missing.
        lblPicNote->setText(QStringLiteral("题目图片“%1”未找到，显示文字题面").arg(picture));
        lblPicNote->show();
        return;
    }
    const QPixmap pixmap(path);
    if (pixmap.isNull()) {
        lblPicNote->setText(QStringLiteral("题目图片“%1”无法读取，显示文字题面").arg(picture));
        lblPicNote->show();
        return;
    }
    m_picture = pixmap;
    fitPicture();
    ScrollBoxImage->horizontalScrollBar()->setValue(0);
    ScrollBoxImage->verticalScrollBar()->setValue(0);
    ScrollBoxImage->show();
    ScrollBoxImage->raise();
    meoItem->hide();
}

void TfrmZhangJie::fitPicture()
{
    if (m_picture.isNull())
        return;
    // As large as the area allows, never beyond the picture's own size; a click shows it whole.
    const QSize room = ScrollBoxImage->maximumViewportSize() - QSize(2, 2);
    const QPixmap shown = m_picture.width() > room.width() || m_picture.height() > room.height()
        ? m_picture.scaled(room.expandedTo(QSize(1, 1)), Qt::KeepAspectRatio, Qt::SmoothTransformation)
        : m_picture;
    imgItem->setPixmap(shown);
    imgItem->resize(shown.size());
}

void TfrmZhangJie::openPicture()
{
    if (m_picture.isNull())
        return;
    QDialog viewer(this);
    viewer.setObjectName(QStringLiteral("frmPicture"));
    viewer.setWindowTitle(QStringLiteral("题目图片"));
    auto *layout = new QVBoxLayout(&viewer);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *area = new QScrollArea(&viewer);
    auto *picture = new QLabel;
    picture->setPixmap(m_picture);
    area->setWidget(picture);
    area->setAlignment(Qt::AlignCenter);
    layout->addWidget(area);
    const QSize frame(4, 4);
    PlaceOnScreen(&viewer, m_picture.size() + frame);
    Modal::show(&viewer);
}

void TfrmZhangJie::showMarkAndFav(const TItem &entry)
{
    if (entry.ItemMark) {
        lblMark->setText(QStringLiteral("已标记"));
        sbMark->setText(QStringLiteral("已标记"));
    } else {
        lblMark->setText(QStringLiteral("未标记"));
        sbMark->setText(QStringLiteral("标记本题"));
    }
    if (entry.ItemFav) {
        lblFAV->setText(QStringLiteral("精华类"));
        sbFAV->setText(QStringLiteral("已精华标记"));
    } else {
        lblFAV->setText(QStringLiteral("普通类"));
        sbFAV->setText(QStringLiteral("设为精华题目"));
    }
}

void TfrmZhangJie::ShowItem()
{
    // An answer still being typed belongs to the entry it was typed for.
    commitEdits();
    // A run without entries shows nothing rather than what an earlier run left behind.
    if (ItemList.isEmpty()) {
        clearDisplay();
        return;
    }
    const TItem *shown = currentEntry();
    if (!shown)
        return;
    const TItem &entry = *shown;

    showQuestionPicture(entry);
    if (isCutMode(LXMode)) {
        lblZhangJieL->setText(entry.ZhangJieName);
        lblKeChengR->setText(entry.KeChengName);
        lblZhangJieR->setText(entry.ZhangJieName);
    }
    // Numbered by question, as the run's counts are: the sub-questions of a calculation or
    // case share their question's number and say which of them is shown.
    const int number = questionNumber(Item_Index);
    const bool subQuestion = entry.ItemType == QLatin1String("4") || entry.ItemType == QLatin1String("5");
    lblDiJiTi->setText(QString::number(number));
    lblDiJiTiMain->setText(subQuestion ? QStringLiteral("第%1题（第%2小题）").arg(number).arg(entry.kind45Index)
                                       : QStringLiteral("第%1题").arg(number));
    Item_Type = entry.ItemType;
    const QString word = typeName(Item_Type);
    if (!word.isEmpty())
        lblItemKind->setText(word);
    lblItemType->setText(lblItemKind->text());
    meoItem->setPlainText(entry.ItemDetail);
    // A case sub-question is read under its case.
    const bool caseEntry = Item_Type == QLatin1String("5");
    meoExItem->setVisible(caseEntry);
    meoExItem->setPlainText(caseEntry ? entry.EX_Subject : QString());

    // Restoring the ticks is not answering.
    m_clickAttached = false;
    for (WrapCheckBox *box : m_boxes) {
        box->hide();
        box->setChecked(false);
        box->setMark(WrapCheckBox::NoMark);
    }
    const QString order = optionOrderAt(Item_Index);
    if (isChoice(Item_Type)) {
        for (int i = 0; i < 6; ++i) {
            const QChar bankLetter = order.at(i);
            if (bankLetter == QLatin1Char(' '))
                continue;
            const QString option = entry.option(kLetters.indexOf(bankLetter) + 1);
            const QString trimmed = option.trimmed();
            if (trimmed.isEmpty() || trimmed == QLatin1String("-"))
                continue;
            WrapCheckBox *box = m_boxes[size_t(i)];
            box->setText(kLetters.at(i) + QStringLiteral("、") + option);
            box->show();
        }
    }
    m_clickAttached = true;

    // A calculation question is answered in its sub-question panels, all of them at once.
    const bool calculation = Item_Type == QLatin1String("4");
    GroupBoxCB->setVisible(!calculation);
    ScrollBox->setVisible(calculation);
    lblxzda->setText(calculation ? QStringLiteral("【请在下面作答】") : QStringLiteral("【请选择答案】"));
    if (calculation) {
        // A review shows the rows given and takes none.
        Panel11n->setReadOnly(isReview());
        Panel11n->showQuestion(Item_Index, questionNumber(Item_Index));
        ScrollBox->raise();
    } else {
        GroupBoxCB->raise();
    }
    if (!pnlXuanTi->isHidden())
        pnlXuanTi->raise();

    // The key in the letters the learner sees (explanations keep the bank's letters); a
    // calculation sub-question's key as readable entries or its amount.
    if (calculation)
        lblAnswer->setText(readableKey(entry.option(entry.kind45Index)));
    else
        lblAnswer->setText(OptionOrder::shownKey(order, entry.ItemAnswer));
    const QString note = OptionOrder::note(order, entry);
    meoDesc->setPlainText(note.isEmpty() ? entry.ItemDesc : note + QLatin1Char('\n') + entry.ItemDesc);
    showOptionTicks(entry);
    showMarkAndFav(entry);
    ReSize();
}

void TfrmZhangJie::showOptionTicks(const TItem &entry)
{
    const QString order = optionOrderAt(Item_Index);
    const bool marked = isReview() && isChoice(entry.ItemType);
    // Restoring the ticks is not answering.
    m_clickAttached = false;
    for (int i = 0; i < 6; ++i) {
        WrapCheckBox *box = m_boxes[size_t(i)];
        const QChar bankLetter = order.at(i);
        box->setChecked(!box->isHidden() && bankLetter != QLatin1Char(' ') && entry.UserAnswer.contains(bankLetter));
        WrapCheckBox::Mark mark = WrapCheckBox::NoMark;
        if (marked && !box->isHidden() && bankLetter != QLatin1Char(' ')) {
            if (entry.ItemAnswer.contains(bankLetter))
                mark = WrapCheckBox::RightMark;
            else if (box->isChecked())
                mark = WrapCheckBox::WrongMark;
        }
        box->setMark(mark);
    }
    m_clickAttached = true;
}

void TfrmZhangJie::cbABCDEFClick(QCheckBox *sender)
{
    // A review shows the run as it was ended; "重新练习" is the way to answer again.
    if (isReview()) {
        if (const TItem *entry = currentEntry())
            showOptionTicks(*entry);
        return;
    }
    m_clickAttached = false;
    if (Item_Type == QLatin1String("1") || Item_Type == QLatin1String("3")) {
        for (WrapCheckBox *box : m_boxes)
            if (box != sender)
                box->setChecked(false);
    }
    m_clickAttached = true;

    unsigned ticked = 0;
    for (int i = 0; i < 6; ++i)
        if (m_boxes[size_t(i)]->isChecked())
            ticked |= 1u << i;
    const QString answer = OptionOrder::bankAnswer(optionOrderAt(Item_Index), ticked);
    TItem *entry = currentEntry();
    if (!entry)
        return;
    entry->UserAnswer = answer;
    // No ticks is no answer, and no answer earns nothing.
    entry->UserScore = !answer.isEmpty() && entry->ItemAnswer == answer ? entry->ItemScore : 0;
}

int TfrmZhangJie::GetNextItemIndex(int index, int step) const
{
    if (LXMode == QLatin1String("First") || LXMode == QLatin1String("new") || LXMode == QLatin1String("view")
        || isCutMode(LXMode))
        return NextTakenIndex(index, step, [](const TItem &) { return true; });
    // Right and wrong as the result counts them, so the review steps through what it counted.
    const auto take = ReviewFilter(LXMode);
    return take ? NextTakenIndex(index, step, take) : index;
}

void TfrmZhangJie::sbNextClick()
{
    Item_Index = GetNextItemIndex(Item_Index, 1);
    if (Item_Index >= ItemList.count())
        Item_Index = ItemList.count() - 1;
    ShowItem();
    QieHuaCnt = 0;
}

void TfrmZhangJie::SpeedButton4Click()
{
    Item_Index = GetNextItemIndex(Item_Index, -1);
    if (Item_Index < 0)
        Item_Index = 0;
    ShowItem();
    QieHuaCnt = 0;
}

void TfrmZhangJie::sbAnswerClick()
{
    pnlAnswer->setVisible(pnlAnswer->isHidden());
    sbAnswer->setText(pnlAnswer->isHidden() ? QStringLiteral("显示答案") : QStringLiteral("隐藏答案"));
    // The question area gets its new height now, not on the next event round.
    if (layout())
        layout()->activate();
    ReSize();
}

TItem *TfrmZhangJie::currentEntry() const
{
    return Item_Index >= 0 && Item_Index < ItemList.count() ? ItemList[Item_Index] : nullptr;
}

void TfrmZhangJie::toggleFlag(bool TItem::*flag)
{
    TItem *entry = currentEntry();
    if (!entry)
        return;
    entry->*flag = !(entry->*flag);
    showMarkAndFav(*entry);
}

void TfrmZhangJie::sbMarkClick() { toggleFlag(&TItem::ItemMark); }

void TfrmZhangJie::sbFAVClick()
{
    TItem *entry = currentEntry();
    if (!entry)
        return;
    // The flag belongs to the question: every entry of it in the run follows, so the one
    // stored is the one the learner last set, whichever sub-question they were on.
    const bool flag = !entry->ItemFav;
    for (int i = 0; i < ItemList.count(); ++i)
        if (ItemList[i]->ItemID == entry->ItemID)
            ItemList[i]->ItemFav = flag;
    showMarkAndFav(*entry);
}

void TfrmZhangJie::SpeedButton6Click()
{
    commitEdits();
    lblIndex->setText(QStringLiteral("-1"));
    {
        // Filling the grid is not picking.
        const QSignalBlocker blocker(sgList);
        sgList->clearSelection();
        sgList->setCurrentCell(-1, -1);
        sgList->setRowCount(0);
        sgList->setColumnCount(4);
        sgList->setRowCount(ItemList.count());
        for (int r = 0; r < ItemList.count(); ++r) {
            const TItem &entry = *ItemList[r];
            // Reviews tell right from wrong here too, in words as well as colour.
            QString state = entry.UserAnswer.isEmpty() ? QStringLiteral("未做") : QStringLiteral("已做");
            if (isReview() && EntryIsRight(entry))
                state = QStringLiteral("✓ 正确");
            else if (isReview() && EntryIsWrong(entry))
                state = QStringLiteral("✗ 错误");
            const QString cells[] = {QString::number(r + 1), typeName(entry.ItemType), state,
                                     entry.ItemMark ? QStringLiteral("已标记") : QStringLiteral("未标记")};
            for (int c = 0; c < 4; ++c) {
                auto *cell = new QTableWidgetItem(cells[c]);
                cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
                cell->setTextAlignment(Qt::AlignCenter);
                sgList->setItem(r, c, cell);
            }
            if (entry.UserAnswer.isEmpty())
                sgList->item(r, 2)->setForeground(QColor(0x8a, 0x9a, 0xa5));
            else if (isReview())
                sgList->item(r, 2)->setForeground(EntryIsRight(entry) ? QColor(31, 138, 76) : QColor(192, 57, 43));
            if (entry.ItemMark)
                sgList->item(r, 3)->setForeground(QColor(0xc0, 0x6a, 0x00));
        }
        sgList->setCurrentCell(-1, -1);
    }
    pnlXuanTi->setGeometry(PanelMain->rect());
    pnlXuanTi->show();
    pnlXuanTi->raise();
}

void TfrmZhangJie::sgListClick()
{
    const int row = sgList->currentRow();
    const QTableWidgetItem *cell = row >= 0 ? sgList->item(row, 0) : nullptr;
    if (!cell)
        return;
    bool ok = false;
    const int position = cell->text().toInt(&ok) - 1;
    if (!ok || position < 0 || position >= ItemList.count())
        return;
    moItemDesc->setPlainText(ItemList[position]->ItemDetail);
    lblIndex->setText(QString::number(position));
}

void TfrmZhangJie::sbOKClick()
{
    bool ok = false;
    const int position = lblIndex->text().toInt(&ok);
    if (!ok || position < 0) {
        MessageBox::information(this, QStringLiteral("提示"), QStringLiteral("请选择题目！"));
        return;
    }
    Item_Index = position;
    ShowItem();
    // The question jumped to gets its full time.
    QieHuaCnt = 0;
    if (QieHuan)
        lvlQieHuanLeft->setText(QString::number(QieHuaDiv));
    pnlXuanTi->hide();
}

void TfrmZhangJie::sbCancelClick() { pnlXuanTi->hide(); }

int TfrmZhangJie::elapsedSeconds() const
{
    if (!StartTime.isValid())
        return 0;
    // A clock set back shows no time used rather than a negative one.
    const qint64 seconds = qMax<qint64>(0, StartTime.secsTo(Clock::now()));
    return int(seconds % 86400);
}

void TfrmZhangJie::TimerDaTiTimer()
{
    // The countdown waits while the learner picks a question from the list.
    if (QieHuan && pnlXuanTi->isHidden()) {
        ++QieHuaCnt;
        lvlQieHuanLeft->setText(QString::number(QieHuaDiv - QieHuaCnt));
        if (QieHuaCnt >= QieHuaDiv)
            sbNextClick();
    }
    const QTime start = StartTime.time();
    lblStartTime->setText(QStringLiteral("开始时间：")
                          + clockText(start.isValid() ? start.msecsSinceStartOfDay() / 1000 : 0,
                                      QStringLiteral("时"), QStringLiteral("分"), QStringLiteral("秒")));
    lblUseTime->setText(QStringLiteral("本次用时：")
                        + clockText(elapsedSeconds(), QStringLiteral("小时"), QStringLiteral("分钟"),
                                    QStringLiteral("秒")));
}

void TfrmZhangJie::SpeedButton8Click()
{
    commitEdits();
    if (!MessageBox::question(this, QStringLiteral("确认结束"), QStringLiteral("结束本次练习吗？")))
        return;

    // A review looks at a finished run and changes none of it: its record, its answers and the
    // wrong-question log stay as the run left them. Only the essential flags the learner set
    // while looking are kept, as they belong to the questions, not to the run.
    const bool review = isReview();
    const RunTally tally = TallyItemList();
    const QString timeUsed = clockText(elapsedSeconds(), QStringLiteral(":"), QStringLiteral(":"), QString());
    // The history row, the flags and the log land together or not at all.
    const bool stored = guarded(this, [&] {
        m_dm->inTransaction([&] {
            if (!review)
                m_dm->InsertTestInfo(Test_ID, QString::number(tally.right), QString::number(tally.wrong),
                                     QString::number(tally.answered), QString::number(tally.unanswered), timeUsed,
                                     QStringLiteral("章节练习"), RunKeChengName, RunZhangJieName, tally.earned / 100,
                                     tally.full, tally.earned);
            m_dm->UpdateFav();
            if (!review)
                m_dm->LogErrItem();
        });
    });
    // Nothing stored: the run stays open so that ending it again stores it whole, unless the
    // learner would rather see the result without keeping it (a bank that cannot be written
    // must not hold them in the run for ever).
    if (!stored && !review
        && !MessageBox::question(this, QStringLiteral("成绩未保存"),
                                 QStringLiteral("本次练习的成绩未能保存到学习记录中。\n\n"
                                                "选“是”：仍然结束练习并查看成绩，这次成绩不记入学习记录；\n"
                                                "选“否”：回到练习，答案都在，稍后可以再次结束。")))
        return;
    if (!review) {
        ResultStored = stored;
        YiLianXiCnt = tally.answered;
        WeiLianXiCnt = tally.unanswered;
        ZhengQueCnt = tally.right;
        CuoWuCnt = tally.wrong;
        ManFen = tally.full;
        DeFen = tally.earned;
        TimeUsed = timeUsed;
        QuestionCnt = int(QuestionStarts().size());
    }
    done(1);
}

void TfrmZhangJie::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    PlaceOnScreen(this, QSize(964, 682));
    // A run starts on its question, not on a list an earlier run left open.
    pnlXuanTi->hide();
    pnlKeMu->hide();
    // The tip names the kind of review; a missing tip file just leaves the strip plain.
    imgTrip->clear();
    const QString tip = tipPicture(LXMode);
    if (!tip.isEmpty()) {
        QPixmap pixmap(AppPath(tip));
        if (!pixmap.isNull()) {
            const int room = Panel2->height() - 6;
            if (pixmap.height() > room)
                pixmap = pixmap.scaledToHeight(room, Qt::SmoothTransformation);
            imgTrip->setPixmap(pixmap);
        }
    }
    ReSize();
}

void TfrmZhangJie::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    ReSize();
}

void TfrmZhangJie::done(int result)
{
    TimerDaTi->stop();
    QDialog::done(result);
}

bool TfrmZhangJie::handleKey(QKeyEvent *event)
{
    if (!pnlXuanTi->isHidden()) {
        // The chooser's grid keeps its keys; Esc closes it.
        if (event->key() == Qt::Key_Escape) {
            sbCancelClick();
            return true;
        }
        return false;
    }
    if ((event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_PageUp:
        SpeedButton4Click();
        return true;
    case Qt::Key_Right:
    case Qt::Key_PageDown:
        sbNextClick();
        return true;
    case Qt::Key_Escape:
        // A stray Esc must not end the run unnoticed; "退出练习" or the close box do that.
        return true;
    default:
        break;
    }
    if (event->key() >= Qt::Key_A && event->key() <= Qt::Key_F) {
        QCheckBox *box = m_boxes[size_t(event->key() - Qt::Key_A)];
        if (box->isHidden())
            return true;
        // Holding the key down must not flip the box back and forth.
        if (!event->isAutoRepeat())
            box->click();
        return true;
    }
    return false;
}

void TfrmZhangJie::keyPressEvent(QKeyEvent *event)
{
    if (!handleKey(event))
        QDialog::keyPressEvent(event);
}

bool TfrmZhangJie::eventFilter(QObject *watched, QEvent *event)
{
    // Letters and arrows typed into an answer's edits or the account picker are text, not
    // the window's keys.
    const auto *widget = qobject_cast<QWidget *>(watched);
    const bool typing = widget && (Panel11n->isAncestorOf(widget) || pnlKeMu->isAncestorOf(widget) || widget == pnlKeMu);
    if (event->type() == QEvent::KeyPress && watched != this && !typing
        && handleKey(static_cast<QKeyEvent *>(event)))
        return true;
    if (watched == imgItem && event->type() == QEvent::MouseButtonRelease) {
        openPicture();
        return true;
    }
    if (watched == PanelMain && event->type() == QEvent::Resize)
        ReSize();
    return QDialog::eventFilter(watched, event);
}
