#pragma once
#include <QDialog>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class TDataModuleMain;

// Switches the stored login on or off and sets its user name and password.
class TfrmLoginSet : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmLoginSet(TDataModuleMain *dataModule, QWidget *parent = nullptr);

    void FormCreate();
    void CheckBox1Click();
    void Button1Click();
    void Button2Click();

    QCheckBox *CheckBox1 = nullptr;
    QFrame *Panel1 = nullptr;
    QLineEdit *edtUser = nullptr;
    QLineEdit *edtPwd = nullptr;
    // The password once more, so that a slip of the finger does not lock the learner out.
    QLineEdit *edtPwd2 = nullptr;
    QLabel *Label3 = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;

private:
    TDataModuleMain *m_dm;
    bool m_stored = false;
};
