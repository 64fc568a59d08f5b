// Shots of the exam page and of the exam window it starts: a paper chosen, each introductory
// screen, the exam screen with answers and a flag, a case sub-question, a picture question,
// the answer panel, a calculation question answered in its sub-question panels with the account
// picker, the countdown, both confirmations of the hand-in, the result and a review. The exam
// window is pictured at 1366 × 768, and once at 1920 × 1080.
#include "Shots.h"

#include "core/UnitDefine.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "store/UnitDM.h"
#include "ui/entry/EntryPanels.h"
#include "ui/entry/KeMuPicker.h"
#include "ui/exam/UnitKaoShi.h"
#include "ui/main/UnitMain.h"

#include <QCheckBox>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QMessageBox>
#include <QPainter>
#include <QTimer>
#include <QLineEdit>
#include <QPixmap>
#include <QRadioButton>
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

// An exam of an earlier picture left without a hand-in stays saved for a resume; each picture
// starts afresh rather than being asked whether to give it up.
void forgetLeftExam(ShotContext &c) { c.dm->DeleteSavedExam(); }

std::function<void()> paperExam(ShotContext &c, int course, int paper)
{
    return [&c, course, paper] {
        forgetLeftExam(c);
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
                                          forgetLeftExam(c);
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

// Answers one row of an entry panel as a candidate does: the side, then the account and the
// amount, stored as the amount edit is left.
void typeRow(TEntryPanels *p, const QString &prefix, int row, bool debit, const QString &account,
             const QString &amount)
{
    if (row > 2)
        if (auto *plus = p->control<QToolButton>(prefix, QStringLiteral("bbtnAdd%1").arg(row - 1)))
            p->pnlABCDEF_bbtnAddAllClick(plus);
    if (auto *side = p->control<QRadioButton>(prefix, QStringLiteral("%1%2").arg(debit ? "rbJ" : "rbD").arg(row)))
        side->click();
    auto *km = p->control<QLineEdit>(prefix, QStringLiteral("edtKM%1").arg(row));
    auto *je = p->control<QLineEdit>(prefix, QStringLiteral("edtJE%1").arg(row));
    if (!km || !je)
        return;
    km->setText(account);
    je->setText(amount);
    p->pnlABCDEF_edtKU_JEChange(je);
}

// The first calculation question of 会计基础模拟试卷（一）: sub-question 2 answered with its three
// entry lines, sub-question 4 with its amount, then shown again from sub-question 2.
void answerCalculation(TfrmKaoShi *f)
{
    enterExam(f);
    int first = -1;
    for (int i = 0; i < ItemList.count() && first < 0; ++i)
        if (ItemList[i]->ItemType == QLatin1String("4"))
            first = i;
    if (first < 0)
        return;
    const auto cell = [f](int position) { return f->findChild<QWidget *>(QStringLiteral("pnlItem%1").arg(101 + position)); };
    f->pnlItemAllClick(cell(first + 1));
    TEntryPanels *p = f->Panel11n;
    const QString b = QStringLiteral("pnlB_");
    typeRow(p, b, 1, true, QStringLiteral("应收账款"), QStringLiteral("113000"));
    typeRow(p, b, 2, false, QStringLiteral("主营业务收入"), QStringLiteral("100000"));
    typeRow(p, b, 3, false, QStringLiteral("应交增值税"), QStringLiteral("13000"));
    if (auto *amount = p->control<QLineEdit>(QStringLiteral("p2lD_"), QStringLiteral("edtJE"))) {
        amount->setText(QStringLiteral("7800"));
        p->p2lABCDEF_edtJEExit(amount);
    }
    f->Label13Click();
    f->pnlItemAllClick(cell(first + 1));
}

} // namespace

const Shots::Register calculation{570, QStringLiteral("exam-calculation-entry"), [](ShotContext &c) -> QWidget * {
                                      return duringExam(c, paperExam(c, 0, 0), answerCalculation);
                                  }};

const Shots::Register accountPicker{
    571, QStringLiteral("exam-account-picker"), [](ShotContext &c) -> QWidget * {
        return duringExam(c, paperExam(c, 0, 0), [](TfrmKaoShi *f) {
            answerCalculation(f);
            TEntryPanels *p = f->Panel11n;
            if (auto *dots = p->control<QToolButton>(QStringLiteral("pnlC_"), QStringLiteral("bbtnKM1")))
                p->pnlABCDEF_bbtnKMPopUpClick(dots);
            f->pnlKeMu->edtKeMuFilter->setText(QStringLiteral("库存"));
        });
    }};

// The key of a calculation sub-question in the answer panel: one line per entry.
const Shots::Register calculationKey{
    572, QStringLiteral("exam-calculation-answer-panel"), [](ShotContext &c) -> QWidget * {
        QWidget *shot = duringExam(c, paperExam(c, 0, 0), [](TfrmKaoShi *f) {
            answerCalculation(f);
            if (f->PanelAnswer->isHidden())
                f->sbShowAnswerClick();
        });
        // The panel stays open from exam to exam; the next shots begin without it.
        c.examForm->sbShowAnswerClick();
        return shot;
    }};

// Answers the first questions of 会计基础模拟试卷（一）: some right, one wrong, one flagged, some
// left.
void answerSome(TfrmKaoShi *f)
{
    enterExam(f);
    const auto cell = [f](int position) { return f->findChild<QWidget *>(QStringLiteral("pnlItem%1").arg(101 + position)); };
    for (int i = 0; i < 6 && i < ItemList.count(); ++i) {
        f->pnlItemAllClick(cell(i));
        const QString key = ItemList[i]->ItemAnswer;
        const QString given = i == 3 ? (key == QLatin1String("A") ? QStringLiteral("B") : QStringLiteral("A")) : key;
        for (QChar letter : given)
            if (auto *box = f->findChild<QCheckBox *>(QStringLiteral("cb") + letter))
                box->click();
    }
    f->pnlItemAllClick(cell(7));
    f->sbDaiChaClick();
    f->pnlItemAllClick(cell(8));
}

const Shots::Register countdown{580, QStringLiteral("exam-countdown"), [](ShotContext &c) -> QWidget * {
                                    QWidget *shot = duringExam(c, paperExam(c, 0, 0), [](TfrmKaoShi *f) {
                                        answerSome(f);
                                        // Twenty-one minutes and forty-eight seconds left.
                                        Clock::set(f->StartTime.addSecs(38 * 60 + 12));
                                        f->Timer1Timer();
                                    });
                                    Clock::reset();
                                    return shot;
                                }};

// The real message boxes of the hand-in, over the exam: the first one shown is pictured, then
// answered by its button (Yes goes on to the next box, No ends the hand-in).
QWidget *confirmation(ShotContext &c, int which)
{
    QPixmap pixmap;
    Modal::setHandler([&](QDialog *dialog) {
        dialog->setWindowState(Qt::WindowNoState);
        dialog->resize(Laptop);
        answerSome(c.examForm);
        Shots::settle(dialog);
        int seen = 0;
        std::function<void()> look = [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box) {
                QTimer::singleShot(50, look);
                return;
            }
            if (++seen == which) {
                QCoreApplication::processEvents();
                pixmap = dialog->grab();
                const QPixmap boxPicture = box->grab();
                QPainter painter(&pixmap);
                painter.drawPixmap((pixmap.width() - boxPicture.width()) / 2,
                                   (pixmap.height() - boxPicture.height()) / 2, boxPicture);
                box->button(QMessageBox::No)->click();
                return;
            }
            box->button(QMessageBox::Yes)->click();
            QTimer::singleShot(50, look);
        };
        MessageBox::setTestMode(false);
        QTimer::singleShot(50, look);
        c.examForm->sbEndExClick();
        MessageBox::setTestMode(true);
    });
    paperExam(c, 0, 0)();
    Modal::clearHandler();
    return pixmap.isNull() ? nullptr : Shots::asPicture(pixmap);
}

const Shots::Register confirmUnanswered{581, QStringLiteral("exam-confirm-unanswered"),
                                        [](ShotContext &c) { return confirmation(c, 1); }};
const Shots::Register confirmHandIn{582, QStringLiteral("exam-confirm-hand-in"),
                                    [](ShotContext &c) { return confirmation(c, 2); }};

// A paper handed in after twenty minutes and thirty-four seconds.
void handIn(ShotContext &c)
{
    Modal::setHandler([&c](QDialog *) {
        answerSome(c.examForm);
        Clock::set(c.examForm->StartTime.addSecs(20 * 60 + 34));
        MessageBox::setNextAnswer(QMessageBox::Yes);
        MessageBox::setNextAnswer(QMessageBox::Yes);
        c.examForm->sbEndExClick();
    });
    paperExam(c, 0, 0)();
    Modal::clearHandler();
    Clock::reset();
}

const Shots::Register result{583, QStringLiteral("exam-result"), [](ShotContext &c) -> QWidget * {
                                 handIn(c);
                                 return c.mainForm;
                             }};

const Shots::Register review{584, QStringLiteral("exam-review-wrong"), [](ShotContext &c) -> QWidget * {
                                 QPixmap pixmap;
                                 Modal::setHandler([&](QDialog *dialog) {
                                     // The window comes back maximised from the exam; the restore lands
                                     // before the resize.
                                     dialog->setWindowState(Qt::WindowNoState);
                                     QCoreApplication::processEvents();
                                     dialog->resize(Laptop);
                                     Shots::settle(dialog);
                                     pixmap = dialog->grab();
                                 });
                                 c.mainForm->SpeedButton22Click();
                                 Modal::clearHandler();
                                 return pixmap.isNull() ? nullptr : Shots::asPicture(pixmap);
                             }};

// At the next start after an exam was left unfinished: the offer to go on, over the main window.
const Shots::Register resume{
    590, QStringLiteral("exam-resume-offer"), [](ShotContext &c) -> QWidget * {
        // An exam answered in part and never handed in, as a crash leaves it.
        Modal::setHandler([&c](QDialog *) { answerSome(c.examForm); });
        paperExam(c, 0, 0)();
        Modal::clearHandler();
        QPixmap pixmap;
        std::function<void()> look = [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box) {
                QTimer::singleShot(50, look);
                return;
            }
            if (pixmap.isNull()) {
                QCoreApplication::processEvents();
                pixmap = c.mainForm->grab();
                const QPixmap boxPicture = box->grab();
                QPainter painter(&pixmap);
                painter.drawPixmap((pixmap.width() - boxPicture.width()) / 2,
                                   (pixmap.height() - boxPicture.height()) / 2, boxPicture);
                // Declined, and then discarded: the scratch bank keeps nothing of it.
                box->button(QMessageBox::No)->click();
                QTimer::singleShot(50, look);
                return;
            }
            box->button(QMessageBox::Yes)->click();
        };
        MessageBox::setTestMode(false);
        QTimer::singleShot(50, look);
        c.mainForm->offerSavedExam();
        MessageBox::setTestMode(true);
        return pixmap.isNull() ? nullptr : Shots::asPicture(pixmap);
    }};
