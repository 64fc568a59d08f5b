#include "ui/login/UnitLogin.h"

#include "ui/login/LoginLayout.h"
#include "core/UnitDefine.h"
#include "platform/MessageBox.h"
#include "store/UnitDM.h"

#include <QLineEdit>
#include <QPushButton>

TfrmLogin::TfrmLogin(TDataModuleMain *dataModule, QWidget *parent) : QDialog(parent), m_dm(dataModule)
{
    setObjectName(QStringLiteral("frmLogin"));
    const LoginLayout l = LoginLayout::build(this, QStringLiteral("登陆"));
    Image = l.Image;
    Panel1 = l.Panel1;
    edtUser = l.edtUser;
    edtPwd = l.edtPwd;
    Button1 = l.Button1;
    Button2 = l.Button2;
    connect(Button1, &QPushButton::clicked, this, &TfrmLogin::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TfrmLogin::Button2Click);
    FormCreate();
}

void TfrmLogin::FormCreate()
{
    RetryCnt = 0;
}

void TfrmLogin::Button1Click()
{
    CanLogin = false;
    bool valid = false;
    try {
        valid = m_dm->ValidLogin(edtUser->text(), edtPwd->text());
    } catch (const StoreError &e) {
        // The store failed, not the learner: no wrong attempt is counted.
        MessageBox::error(this, e.message());
        return;
    }
    if (valid) {
        CanLogin = true;
        done(QDialog::Accepted);
        return;
    }
    ++RetryCnt;
    // The wrong password goes, so the next try starts clean.
    edtPwd->clear();
    edtPwd->setFocus();
    MessageBox::information(this, QStringLiteral("提示"), QStringLiteral("密码错误！"));
    if (RetryCnt > 3)
        done(QDialog::Rejected);
}

void TfrmLogin::Button2Click()
{
    CanLogin = false;
    done(QDialog::Rejected);
}

void TfrmLogin::reject()
{
    Button2Click();
}
