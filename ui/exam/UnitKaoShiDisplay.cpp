// Showing a question on the exam screen: numbering, text or picture, options or sub-question
// panels, the answer panel, the layout of the question area and the font size.
#include "ui/exam/UnitKaoShi.h"

#include "core/AppPath.h"
#include "core/UnitDefine.h"
#include "ui/Controls.h"
#include "ui/WrapCheckBox.h"
#include "core/EntryAnswer.h"
#include "ui/entry/EntryPanels.h"
#include "ui/entry/KeMuPicker.h"
#include "ui/exam/AnswerCard.h"
#include "ui/exam/KaoShiInternal.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>

using KaoShi::Letters;

namespace {
// Height of one line of the answer panel's key.
constexpr int AnswerLineHeight = 26;
}

void TfrmKaoShi::ShowItem()
{
    // An exam without questions shows nothing rather than what an earlier exam left behind.
    if (ItemList.isEmpty()) {
        clearDisplay();
        return;
    }
    const TItem *shown = currentItem();
    if (!shown)
        return;
    const TItem &item = *shown;

    // Sub-questions of one case share its number: only first sub-questions are counted.
    int total = 0, number = 0;
    for (int i = 0; i < ItemList.count(); ++i) {
        if (ItemList[i]->kind45Index != 1)
            continue;
        ++total;
        if (i <= Item_Index)
            ++number;
    }
    // Every cell up to the list's length, whatever an earlier, shorter list hid.
    for (int p = 0; p < KaoShi::CardCells; ++p)
        cardCell(p)->setHidden(p >= ItemList.count());
    lblDiJiTi->setText(QStringLiteral("共%1题，当前第%2题").arg(total).arg(number));

    showQuestionPicture(item);
    Item_Type = item.ItemType;
    meoItem->setPlainText(item.ItemDetail);
    const bool caseQuestion = Item_Type == QLatin1String("5");
    meoExItem->setVisible(caseQuestion);
    meoExItem->setPlainText(caseQuestion ? item.EX_Subject : QString());
    ReSize();

    if (Item_Type == QLatin1String("4")) {
        clearOptions();
        // A review shows the answers handed in and takes none; nor does a paper whose time is up.
        Panel11n->setReadOnly(answersClosed());
        showSubQuestions(number);
        GroupBox->hide();
        ScrollBox->show();
        ScrollBox->raise();
    } else if (Item_Type == QLatin1String("1") || Item_Type == QLatin1String("2") || Item_Type == QLatin1String("3")
               || caseQuestion) {
        showOptions(item);
        ScrollBox->hide();
        GroupBox->show();
        GroupBox->raise();
    } else {
        // A type the exam does not know: no answer controls of another question stay behind.
        clearOptions();
        GroupBox->hide();
        ScrollBox->hide();
    }

    // A calculation sub-question's key is its own entry or amount, one line per entry; the
    // question's answer text only points to an answer shown nowhere else.
    lblAnswer->setText(Item_Type == QLatin1String("4") ? readableKey(item.option(item.kind45Index)) : item.ItemAnswer);
    meoDesc->setPlainText(item.ItemDesc);
    showFlag(item.ItemMark);
    SetButtonColor(Item_Index, QStringLiteral("1"));
    ReSize();
    // The question shown is where a resumed exam opens.
    scheduleSave();
}

void TfrmKaoShi::clearDisplay()
{
    for (int p = 0; p < KaoShi::CardCells; ++p)
        cardCell(p)->hide();
    lblDiJiTi->setText(QStringLiteral("共0题，当前第0题"));
    ScrollBoxImage->hide();
    imgItem->clear();
    meoItem->show();
    meoItem->clear();
    meoExItem->hide();
    meoExItem->clear();
    clearOptions();
    GroupBox->hide();
    ScrollBox->hide();
    lblAnswer->clear();
    meoDesc->clear();
    showFlag(false);
    ReSize();
}

void TfrmKaoShi::showQuestionPicture(const TItem &item)
{
    ScrollBoxImage->lower();
    ScrollBoxImage->hide();
    imgItem->clear();
    meoItem->show();
    const QString picture = item.ItemPic.trimmed();
    if (picture.isEmpty())
        return;
    const QString path = PicturePath(picture);
    if (!QFileInfo(path).isFile())
        return;
    // A file that is no picture leaves the text in its place, as a missing one does.
    const QPixmap pixmap(path);
    if (pixmap.isNull())
        return;
    imgItem->setPixmap(pixmap);
    imgItem->resize(pixmap.size());
    ScrollBoxImage->horizontalScrollBar()->setValue(0);
    ScrollBoxImage->verticalScrollBar()->setValue(0);
    ScrollBoxImage->raise();
    ScrollBoxImage->show();
    meoItem->hide();
}

void TfrmKaoShi::clearOptions()
{
    // A hidden box keeps no tick, which would otherwise count in the next answer given.
    m_clickAttached = false;
    for (WrapCheckBox *box : m_boxes) {
        box->hide();
        box->setChecked(false);
        box->setMark(WrapCheckBox::NoMark);
    }
    m_clickAttached = true;
}

void TfrmKaoShi::showOptions(const TItem &item)
{
    clearOptions();
    for (int i = 0; i < 6; ++i) {
        const QString option = item.option(i + 1);
        const QString trimmed = option.trimmed();
        if (trimmed.isEmpty() || trimmed == QLatin1String("-"))
            continue;
        WrapCheckBox *box = m_boxes[size_t(i)];
        box->setText(Letters.at(i) + QStringLiteral("、") + option);
        box->show();
    }
    showOptionTicks(item);
}

void TfrmKaoShi::showOptionTicks(const TItem &item)
{
    // Restoring the ticks is not answering.
    m_clickAttached = false;
    const bool review = isReview();
    for (int i = 0; i < 6; ++i) {
        WrapCheckBox *box = m_boxes[size_t(i)];
        const bool ticked = item.UserAnswer.contains(Letters.at(i));
        box->setChecked(ticked);
        WrapCheckBox::Mark mark = WrapCheckBox::NoMark;
        if (review && !box->isHidden()) {
            if (item.ItemAnswer.contains(Letters.at(i)))
                mark = WrapCheckBox::RightMark;
            else if (ticked)
                mark = WrapCheckBox::WrongMark;
        }
        box->setMark(mark);
    }
    m_clickAttached = true;
}

void TfrmKaoShi::showSubQuestions(int number)
{
    Panel11n->showQuestion(Item_Index, number);
}

void TfrmKaoShi::ReSize()
{
    // The introductory screens keep their pictures' size, centred in the window.
    PanelPic1->setGeometry(rect());
    Panel5->setGeometry(rect());
    ImagePic1->move((width() - ImagePic1->width()) / 2, (height() - ImagePic1->height()) / 2);
    for (QWidget *screen : {PanelPic2, PanelPic3, PanelPic4})
        screen->move((width() - screen->width()) / 2, (height() - screen->height()) / 2);

    // The answer panel's room is kept whether it shows or not, so opening it moves nothing.
    PanelAnswer->setGeometry(0, PanelMain->height() - PanelAnswer->height(), PanelMain->width(),
                             PanelAnswer->height());
    const int h = PanelMain->height() - PanelAnswer->height();
    const int left = GroupBox->x();
    const int w = qMax(0, PanelMain->width() - 2 * left);
    const int answerTop = h * 4 / 9;
    const int answerHeight = qMax(0, h * 5 / 9 - 10);
    GroupBox->setGeometry(left, answerTop, w, answerHeight);
    ScrollBox->setGeometry(left, answerTop, w, answerHeight);
    if (!meoExItem->isHidden()) {
        meoItem->setGeometry(left, meoItem->y(), w, qMax(0, h * 4 / 15 - 10));
        meoExItem->setGeometry(left, meoItem->y() + meoItem->height() + 5, w, qMax(0, h / 10));
    } else {
        meoItem->setGeometry(left, meoItem->y(), w, qMax(0, h * 17 / 45));
        meoExItem->setGeometry(left, meoExItem->y(), w, meoExItem->height());
    }
    // An entry key takes a line per entry; the explanation moves down below it.
    const int answerWidth = qMax(0, PanelAnswer->width() - lblAnswer->x() - 10);
    lblAnswer->resize(answerWidth, qMax(AnswerLineHeight, lblAnswer->heightForWidth(answerWidth)));
    const int descTop = qMax(AnswerLineHeight + 16, lblAnswer->y() + lblAnswer->height() + 6);
    Label6->move(Label6->x(), descTop + 4);
    meoDesc->setGeometry(meoDesc->x(), descTop, qMax(0, PanelAnswer->width() - meoDesc->x() - 10),
                         qMax(AnswerLineHeight, PanelAnswer->height() - descTop - 10));
    ScrollBoxImage->setGeometry(meoItem->geometry());
    pnlKeMu->move((width() - pnlKeMu->width()) / 2, (height() - pnlKeMu->height()) / 2);
}

void TfrmKaoShi::SetFontSize(int size)
{
    QList<QWidget *> controls{meoItem};
    for (WrapCheckBox *box : m_boxes)
        controls << box;
    controls << lblAnswer << meoDesc;
    for (QWidget *control : controls)
        Controls::setPointSize(control, size);
    // The key may take more lines at a larger size.
    ReSize();
}

void TfrmKaoShi::Label17Click()
{
    if (FontSizeCur > KaoShi::MinFontSize) {
        --FontSizeCur;
        SetFontSize(FontSizeCur);
    }
}

void TfrmKaoShi::Label18Click()
{
    FontSizeCur = FontSizeOra;
    SetFontSize(FontSizeCur);
}

void TfrmKaoShi::Label19Click()
{
    if (FontSizeCur < KaoShi::MaxFontSize) {
        ++FontSizeCur;
        SetFontSize(FontSizeCur);
    }
}

void TfrmKaoShi::sbShowAnswerClick()
{
    PanelAnswer->setVisible(PanelAnswer->isHidden());
    sbShowAnswer->setText(PanelAnswer->isHidden() ? QStringLiteral("显示答案") : QStringLiteral("隐藏答案"));
}
