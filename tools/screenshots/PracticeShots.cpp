// Shots of the practice page and of the practice window it drives: a chapter chosen, a run
// with its answer shown, the entry chooser, the result, and the review set-ups.
#include "Shots.h"

#include "core/UnitDefine.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "ui/entry/EntryPanels.h"
#include "ui/main/UnitMain.h"
#include "ui/practice/UnitZhangJie.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QDialog>
#include <QLabel>
#include <QPixmap>
#include <QTableWidget>
#include <QToolButton>
#include <QWidget>

#include <functional>

namespace {

// Pictures are alike from run to run: the bank's own order.
void chooseChapter(TMainForm *main, int course = 0, int chapter = 0)
{
    main->SpeedButton3Click();
    main->cbShunXu->setChecked(false);
    main->cbKeCheng->setCurrentIndex(course);
    if (auto *button = main->findChild<QToolButton *>(QStringLiteral("sbZhangJie%1").arg(chapter)))
        button->click();
}

void chooseFirstChapter(TMainForm *main) { chooseChapter(main); }

// The first entry of that type in the run's list; -1 when none.
int firstOfType(const QString &type)
{
    for (int i = 0; i < ItemList.count(); ++i)
        if (ItemList[i]->ItemType == type)
            return i;
    return -1;
}

// Runs chapters of the course until one holds an entry of the type, and shows it; act() then
// answers it before the picture is taken.
QWidget *duringRunOnType(ShotContext &c, int course, const QString &type,
                         const std::function<void(TfrmZhangJie *, int)> &act)
{
    for (int chapter = 0; chapter < 10; ++chapter) {
        chooseChapter(c.mainForm, course, chapter);
        QPixmap pixmap;
        bool found = false;
        Modal::setHandler([&](QDialog *dialog) {
            const int at = firstOfType(type);
            if (at >= 0) {
                found = true;
                c.practiceForm->Item_Index = at;
                c.practiceForm->ShowItem();
                act(c.practiceForm, at);
                Shots::settle(dialog);
                pixmap = dialog->grab();
            }
            dialog->reject();
        });
        c.mainForm->sbKaiShiLianXiClick();
        Modal::clearHandler();
        if (found)
            return pixmap.isNull() ? nullptr : Shots::asPicture(pixmap);
    }
    return nullptr;
}

// Starts a chapter run from the set-up page; during it, act() drives the window and the
// window is pictured; then the run is ended with its end button, so it is counted and stored.
QWidget *duringRun(ShotContext &c, const std::function<void(TfrmZhangJie *)> &act)
{
    chooseFirstChapter(c.mainForm);
    QPixmap pixmap;
    Modal::setHandler([&](QDialog *dialog) {
        act(c.practiceForm);
        Shots::settle(dialog);
        pixmap = dialog->grab();
        MessageBox::setNextAnswer(QMessageBox::Yes);
        c.practiceForm->SpeedButton8Click();
    });
    c.mainForm->sbKaiShiLianXiClick();
    Modal::clearHandler();
    return pixmap.isNull() ? nullptr : Shots::asPicture(pixmap);
}

// Ticks the option of the given letter when the shown entry has one.
void answer(TfrmZhangJie *f, QCheckBox *option)
{
    if (option->isVisibleTo(f))
        option->click();
}

const Shots::Register setup{110, QStringLiteral("practice-setup"), [](ShotContext &c) -> QWidget * {
                                chooseFirstChapter(c.mainForm);
                                return c.mainForm;
                            }};

const Shots::Register question{120, QStringLiteral("practice-question-with-answer"),
                               [](ShotContext &c) -> QWidget * {
                                   return duringRun(c, [](TfrmZhangJie *f) {
                                       answer(f, f->cbA);
                                       f->sbNextClick();
                                       answer(f, f->cbB);
                                       f->sbFAVClick(); // gives the essentials shot something to count
                                       if (f->pnlAnswer->isHidden())
                                           f->sbAnswerClick();
                                   });
                               }};

const Shots::Register caseQuestion{122, QStringLiteral("practice-case-subquestion"), [](ShotContext &c) -> QWidget * {
    return duringRunOnType(c, 1, QStringLiteral("5"), [](TfrmZhangJie *f, int) { answer(f, f->cbB); });
}};

const Shots::Register calculation{124, QStringLiteral("practice-calculation"), [](ShotContext &c) -> QWidget * {
    return duringRunOnType(c, 0, QStringLiteral("4"), [](TfrmZhangJie *f, int) {
        TEntryPanels *panels = f->Panel11n;
        panels->control<QRadioButton>(QStringLiteral("pnlA_"), QStringLiteral("rbJ1"))->click();
        panels->control<QLineEdit>(QStringLiteral("pnlA_"), QStringLiteral("edtKM1"))->setText(QStringLiteral("库存现金"));
        auto *amount = panels->control<QLineEdit>(QStringLiteral("pnlA_"), QStringLiteral("edtJE1"));
        amount->setText(QStringLiteral("1000"));
        panels->pnlABCDEF_edtKU_JEChange(amount);
        if (f->pnlAnswer->isHidden())
            f->sbAnswerClick();
    });
}};

const Shots::Register chooser{130, QStringLiteral("practice-chooser"), [](ShotContext &c) -> QWidget * {
                                  return duringRun(c, [](TfrmZhangJie *f) {
                                      // The strip from the shot before stays shown; this one reads better without.
                                      if (!f->pnlAnswer->isHidden())
                                          f->sbAnswerClick();
                                      for (QCheckBox *option : {f->cbA, f->cbC, f->cbB}) {
                                          answer(f, option);
                                          f->sbNextClick();
                                      }
                                      f->sbMarkClick();
                                      f->SpeedButton6Click();
                                      if (f->sgList->rowCount() > 2) {
                                          f->sgList->setCurrentCell(2, 0);
                                          f->sgListClick();
                                      }
                                  });
                              }};

// The run of the chooser shot, ended and stored.
const Shots::Register result{140, QStringLiteral("practice-result"),
                             [](ShotContext &c) -> QWidget * { return c.mainForm; }};

// A look at all answers of that run: the key marked right, wrong ticks marked wrong.
const Shots::Register review{145, QStringLiteral("practice-review-marks"), [](ShotContext &c) -> QWidget * {
    QPixmap pixmap;
    Modal::setHandler([&](QDialog *dialog) {
        c.practiceForm->sbNextClick(); // the second question, answered wrongly in the run before
        Shots::settle(dialog);
        pixmap = dialog->grab();
        dialog->reject();
    });
    c.mainForm->SpeedButton14Click();
    Modal::clearHandler();
    return pixmap.isNull() ? nullptr : Shots::asPicture(pixmap);
}};

const Shots::Register essentials{150, QStringLiteral("essentials-setup"), [](ShotContext &c) -> QWidget * {
                                     c.mainForm->SpeedButton3Click();
                                     c.mainForm->SpeedButton24Click();
                                     return c.mainForm;
                                 }};

const Shots::Register wrongPeriod{160, QStringLiteral("wrong-question-period"), [](ShotContext &c) -> QWidget * {
                                      c.mainForm->SpeedButton27Click();
                                      return c.mainForm;
                                  }};

} // namespace
