#pragma once
#include <QString>

class QDialog;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

// The look both login dialogs share: the picture filling the dialog, a framed panel with the
// user name and password inputs, and the "确定" / "退出" buttons.
struct LoginLayout
{
    QLabel *Image = nullptr;
    QFrame *Panel1 = nullptr;
    QLabel *Label1 = nullptr;
    QLineEdit *edtUser = nullptr;
    QLabel *Label2 = nullptr;
    QLineEdit *edtPwd = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;

    static LoginLayout build(QDialog *dialog, const QString &caption);
};
