#pragma once
#include <QList>
#include <QMessageBox>
#include <QString>

class QWidget;

// Modal message boxes. Tests switch on test mode, queue the next answers and read back
// what was shown instead of blocking on a real box.
class MessageBox
{
public:
    struct Shown
    {
        QString caption;
        QString text;
    };

    // A notice with one OK button.
    static void information(QWidget *parent, const QString &caption, const QString &text);
    // A confirmation with Yes and No; true only for Yes.
    static bool question(QWidget *parent, const QString &caption, const QString &text);
    // An error the current action could not get past.
    static void error(QWidget *parent, const QString &text);

    static void setTestMode(bool on);
    static bool testMode();
    static void setNextAnswer(QMessageBox::StandardButton answer);
    static QList<Shown> shown();
    static void clearShown();
};
