// Shots of the practice page and of the practice window it drives: a chapter chosen, a run
// with its answer shown, the entry chooser, the result, and the review set-ups.
#include "Shots.h"

#include "core/UnitDefine.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "ui/main/UnitMain.h"
#include "ui/practice/UnitZhangJie.h"

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QPixmap>
#include <QTableWidget>
#include <QToolButton>
#include <QWidget>

#include <functional>

namespace {

void chooseFirstChapter(TMainForm *main)
{
    main->SpeedButton3Click();
    if (auto *chapter = main->findChild<QToolButton *>(QStringLiteral("sbZhangJie0")))
        chapter->click();
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
