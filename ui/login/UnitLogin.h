#pragma once
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QFrame;
class TDataModuleMain;

// Asks for the stored login before the program opens.
class TfrmLogin : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmLogin(TDataModuleMain *dataModule, QWidget *parent = nullptr);

    int RetryCnt = 0;

    void FormCreate();
    void Button1Click();
    void Button2Click();

    // Esc acts as "退出": the dialog has no close box and ends only through its buttons.
    void reject() override;

    QLineEdit *edtUser = nullptr;
    QLineEdit *edtPwd = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;

private:
    TDataModuleMain *m_dm;
    QLabel *Image = nullptr;
    QFrame *Panel1 = nullptr;
};
