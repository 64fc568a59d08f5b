// Shots of the exam page and of the exam window it starts: a paper chosen, each introductory
// screen, the exam screen with answers and a flag, a case sub-question, a picture question and
// the answer panel. The exam window is pictured at 1366 × 768, and once at 1920 × 1080.
#include "Shots.h"

#include "core/UnitDefine.h"
#include "platform/Modal.h"
#include "ui/exam/UnitKaoShi.h"
#include "ui/main/UnitMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QPixmap>
#include <QToolButton>

#include <functional>

namespace {

const QSize Laptop(1366, 768);
const QSize Desktop(1920, 1080);

void choosePaper(TMainForm *main, int course, int paper)
{
    main->SpeedButton4Click();
    main->cbKaoShi->setCurrentIndex(course);
    if (auto *b = main->findChild<QToolButton *>(QStringLiteral("sbKaoShi%1").arg(paper)))
        b->click();
}

// Starts an exam with start(); while it is shown, act() drives the window, which is then
// pictured at the given size. The exam is left without a hand-in.
QWidget *duringExam(ShotContext &c, const std::function<void()> &start,
                    const std::function<void(TfrmKaoShi *)> &act, const QSize &size = Laptop)
{
    QPixmap pixmap;
    Modal::setHandler([&](QDialog *dialog) {
        // The offscreen screen is small: the window takes the size of the screen pictured.
        dialog->setWindowState(Qt::WindowNoState);
        dialog->resize(size);
        act(c.examForm);
        Shots::settle(dialog);
        pixmap = dialog->grab();
    });
    start();
    Modal::clearHandler();
    return pixmap.isNull() ? nullptr : Shots::asPicture(pixmap);
}

std::function<void()> paperExam(ShotContext &c, int course, int paper)
{
    return [&c, course, paper] {
        choosePaper(c.mainForm, course, paper);
        c.mainForm->sbKaiShiKaoShiClick();
    };
}

// From the first introductory screen to the exam screen.
void enterExam(TfrmKaoShi *f)
{
    f->Timer2Timer();
    f->Label9Click();
    f->Label10Click();
    f->Label12Click();
}

QWidget *introScreen(ShotContext &c, int screen)
{
    return duringExam(c, paperExam(c, 0, 0), [screen](TfrmKaoShi *f) {
        if (screen >= 2)
            f->Timer2Timer();
        if (screen >= 3)
            f->Label9Click();
        if (screen >= 4)
            f->Label10Click();
    });
}

const Shots::Register setup{500, QStringLiteral("exam-setup"), [](ShotContext &c) -> QWidget * {
                                choosePaper(c.mainForm, 0, 0);
                                return c.mainForm;
                            }};

const Shots::Register intro1{510, QStringLiteral("exam-intro-1-preparing"),
                             [](ShotContext &c) { return introScreen(c, 1); }};
const Shots::Register intro2{511, QStringLiteral("exam-intro-2-rules"),
                             [](ShotContext &c) { return introScreen(c, 2); }};
const Shots::Register intro3{512, QStringLiteral("exam-intro-3-confirm"),
                             [](ShotContext &c) { return introScreen(c, 3); }};
const Shots::Register intro4{513, QStringLiteral("exam-intro-4-how-to"),
                             [](ShotContext &c) { return introScreen(c, 4); }};

const Shots::Register choice{520, QStringLiteral("exam-single-choice"), [](ShotContext &c) -> QWidget * {
                                 return duringExam(c, paperExam(c, 0, 0), [](TfrmKaoShi *f) {
                                     enterExam(f);
                                     f->cbA->click();
                                     f->Label15Click();
                                     f->cbC->click();
                                     f->Label15Click();
                                     f->sbDaiChaClick();
                                     f->Label15Click();
                                 });
                             }};

const Shots::Register caseQuestion{530, QStringLiteral("exam-case-subquestion"), [](ShotContext &c) -> QWidget * {
                                       return duringExam(c, paperExam(c, 1, 0), [](TfrmKaoShi *f) {
                                           enterExam(f);
                                           f->pnlItemAllClick(f->findChild<QWidget *>(QStringLiteral("pnlItem162")));
                                           f->cbB->click();
                                       });
                                   }};

// A random paper of 会计基础 draws the picture questions of its chapters now and then.
const Shots::Register picture{540, QStringLiteral("exam-picture-question"), [](ShotContext &c) -> QWidget * {
                                  QWidget *shot = nullptr;
                                  bool found = false;
                                  for (int attempt = 0; attempt < 20 && !found; ++attempt) {
                                      const auto start = [&c] {
                                          c.mainForm->SpeedButton4Click();
                                          c.mainForm->cbKaoShi->setCurrentIndex(0);
                                          c.mainForm->SpeedButton30Click();
                                      };
                                      shot = duringExam(c, start, [&found](TfrmKaoShi *f) {
                                          enterExam(f);
                                          for (int i = 0; i < ItemList.count() && !found; ++i) {
                                              if (ItemList[i]->ItemPic.trimmed().isEmpty())
                                                  continue;
                                              found = true;
                                              f->pnlItemAllClick(
                                                  f->findChild<QWidget *>(QStringLiteral("pnlItem%1").arg(101 + i)));
                                          }
                                      });
                                  }
                                  return found ? shot : nullptr;
                              }};

const Shots::Register answer{550, QStringLiteral("exam-answer-panel"), [](ShotContext &c) -> QWidget * {
                                 QWidget *shot = duringExam(c, paperExam(c, 0, 1), [](TfrmKaoShi *f) {
                                     enterExam(f);
                                     f->pnlItemAllClick(f->findChild<QWidget *>(QStringLiteral("pnlItem121")));
                                     f->cbA->click();
                                     f->cbB->click();
                                     if (f->PanelAnswer->isHidden())
                                         f->sbShowAnswerClick();
                                 });
                                 // The panel stays open from exam to exam; the next shots begin without it.
                                 c.examForm->sbShowAnswerClick();
                                 return shot;
                             }};

const Shots::Register large{560, QStringLiteral("exam-1920x1080"), [](ShotContext &c) -> QWidget * {
                                return duringExam(
                                    c, paperExam(c, 1, 1),
                                    [](TfrmKaoShi *f) {
                                        enterExam(f);
                                        f->pnlItemAllClick(f->findChild<QWidget *>(QStringLiteral("pnlItem141")));
                                        f->cbA->click();
                                    },
                                    Desktop);
                            }};

} // namespace
