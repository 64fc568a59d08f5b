#include "platform/MessageBox.h"

#include <QAbstractButton>
#include <QQueue>

#include <utility>

namespace {
bool g_testMode = false;
QQueue<QMessageBox::StandardButton> g_answers;
QList<MessageBox::Shown> g_shown;

QMessageBox::StandardButton ask(QWidget *parent, QMessageBox::Icon icon, const QString &caption,
                                const QString &text, QMessageBox::StandardButtons buttons,
                                QMessageBox::StandardButton fallback)
{
    g_shown.append({caption, text});
    if (g_testMode)
        return g_answers.isEmpty() ? fallback : g_answers.dequeue();
    QMessageBox box(icon, caption, text, buttons, parent);
    // The buttons speak the program's language, whatever translations the system has.
    const std::pair<QMessageBox::StandardButton, const char *> captions[] = {
        {QMessageBox::Ok, "确定"}, {QMessageBox::Yes, "是(&Y)"}, {QMessageBox::No, "否(&N)"}};
    for (const auto &[button, caption] : captions)
        if (QAbstractButton *b = box.button(button))
            b->setText(QString::fromUtf8(caption));
    // Enter answers as the highlighted button says, Esc as No: the same on every desktop.
    if (buttons.testFlag(QMessageBox::Yes) && buttons.testFlag(QMessageBox::No)) {
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    }
    return static_cast<QMessageBox::StandardButton>(box.exec());
}
}

void MessageBox::information(QWidget *parent, const QString &caption, const QString &text)
{
    ask(parent, QMessageBox::Information, caption, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool MessageBox::question(QWidget *parent, const QString &caption, const QString &text)
{
    return ask(parent, QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No,
               QMessageBox::No)
        == QMessageBox::Yes;
}

void MessageBox::error(QWidget *parent, const QString &text)
{
    ask(parent, QMessageBox::Critical, QStringLiteral("错误"), text, QMessageBox::Ok, QMessageBox::Ok);
}

void MessageBox::setTestMode(bool on) { g_testMode = on; }
bool MessageBox::testMode() { return g_testMode; }
void MessageBox::setNextAnswer(QMessageBox::StandardButton answer) { g_answers.enqueue(answer); }
QList<MessageBox::Shown> MessageBox::shown() { return g_shown; }
void MessageBox::clearShown()
{
    g_shown.clear();
    g_answers.clear();
}
