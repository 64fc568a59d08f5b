#include "ui/login/UnitLoginSet.h"

#include "ui/login/LoginLayout.h"
#include "core/UnitDefine.h"
#include "platform/MessageBox.h"
#include "store/UnitDM.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TfrmLoginSet::TfrmLoginSet(TDataModuleMain *dataModule, QWidget *parent) : QDialog(parent), m_dm(dataModule)
{
    setObjectName(QStringLiteral("frmLoginSet"));
    const LoginLayout l = LoginLayout::build(this, QStringLiteral("系统设置"));
    Panel1 = l.Panel1;
    edtUser = l.edtUser;
    edtPwd = l.edtPwd;
    Button1 = l.Button1;
    Button2 = l.Button2;
    Panel1->setGeometry(150, 70, 300, 90);

    CheckBox1 = new QCheckBox(QStringLiteral("设置用户登录"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(150, 40, 200, 24);
    Label3 = new QLabel(QStringLiteral("注意：1，此密码设置主要是为了防止别人恶意登陆，从而影响您的做题记录。"
                                       "2，请牢记您设置的密码信息，如忘记，密码则无法找回！"),
                        this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setWordWrap(true);
    Label3->setStyleSheet(QStringLiteral("color: red;"));
    Label3->setGeometry(20, 164, 463, 38);

    connect(CheckBox1, &QCheckBox::clicked, this, &TfrmLoginSet::CheckBox1Click);
    connect(Button1, &QPushButton::clicked, this, &TfrmLoginSet::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TfrmLoginSet::Button2Click);
    FormCreate();
}

void TfrmLoginSet::FormCreate()
{
    // Start from what is stored, so that "确定" without changes keeps it.
    bool stored = false;
    try {
        stored = m_dm->ShowLogin();
    } catch (const StoreError &e) {
        MessageBox::error(this, e.message());
    }
    CheckBox1->setChecked(stored);
    edtUser->setText(UID);
    edtPwd->setText(PWD);
    CheckBox1Click();
}

void TfrmLoginSet::CheckBox1Click()
{
    Panel1->setEnabled(CheckBox1->isChecked());
}

void TfrmLoginSet::Button1Click()
{
    const bool on = CheckBox1->isChecked();
    if (on && edtUser->text().trimmed().isEmpty()) {
        MessageBox::information(this, QStringLiteral("提示"), QStringLiteral("请输入用户名！"));
        edtUser->setFocus();
        return;
    }
    try {
        m_dm->SetLogin(on ? 1 : 0, edtUser->text(), edtPwd->text());
        UID = on ? edtUser->text() : QString();
        PWD = on ? edtPwd->text() : QString();
    } catch (const StoreError &e) {
        MessageBox::error(this, e.message());
        return;
    }
    done(QDialog::Accepted);
}

void TfrmLoginSet::Button2Click()
{
    done(QDialog::Rejected);
}
