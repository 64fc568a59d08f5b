#include "ui/login/UnitLoginSet.h"

#include "ui/login/LoginLayout.h"
#include "core/UnitDefine.h"
#include "platform/MessageBox.h"
#include "store/UnitDM.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
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
    // Below the picture, a strip for the warning and the buttons, so that the warning covers
    // neither the picture's caption nor the check box.
    constexpr int Picture = 256;
    setFixedSize(503, Picture + 84);
    setAutoFillBackground(true);
    Panel1->setGeometry(150, 82, 300, 122);
    auto *grid = qobject_cast<QGridLayout *>(Panel1->layout());
    auto *label4 = new QLabel(QStringLiteral("确认密码："), Panel1);
    label4->setObjectName(QStringLiteral("Label4"));
    edtPwd2 = new QLineEdit(Panel1);
    edtPwd2->setObjectName(QStringLiteral("edtPwd2"));
    edtPwd2->setEchoMode(QLineEdit::Password);
    grid->addWidget(label4, 2, 0);
    grid->addWidget(edtPwd2, 2, 1);

    CheckBox1 = new QCheckBox(QStringLiteral("设置用户登录"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(150, 54, 200, 24);
    Label3 = new QLabel(QStringLiteral("注意：1，此密码设置主要是为了防止别人恶意登陆，从而影响您的做题记录。"
                                       "2，请牢记您设置的密码信息，如忘记，密码则无法找回！"),
                        this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setWordWrap(true);
    Label3->setStyleSheet(QStringLiteral("color: red;"));
    Label3->setGeometry(20, Picture + 4, 463, 38);
    Button1->move(Button1->x(), Picture + 46);
    Button2->move(Button2->x(), Picture + 46);

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
    m_stored = stored;
    CheckBox1->setChecked(stored);
    edtUser->setText(UID);
    // What is stored is a key, not the password: the fields start empty.
    edtPwd->clear();
    edtPwd2->clear();
    CheckBox1Click();
}

void TfrmLoginSet::CheckBox1Click()
{
    Panel1->setEnabled(CheckBox1->isChecked());
}

void TfrmLoginSet::Button1Click()
{
    const bool on = CheckBox1->isChecked();
    // Unchanged: the stored login stays as it is, with nothing to say.
    if ((on && m_stored && edtUser->text() == UID && edtPwd->text().isEmpty() && edtPwd2->text().isEmpty())
        || (!on && !m_stored)) {
        done(QDialog::Accepted);
        return;
    }
    if (on && edtUser->text().trimmed().isEmpty()) {
        MessageBox::information(this, QStringLiteral("提示"), QStringLiteral("请输入用户名！"));
        edtUser->setFocus();
        return;
    }
    if (on && edtPwd->text().isEmpty()) {
        MessageBox::information(this, QStringLiteral("提示"), QStringLiteral("请输入密码！"));
        edtPwd->setFocus();
        return;
    }
    if (on && edtPwd->text() != edtPwd2->text()) {
        MessageBox::information(this, QStringLiteral("提示"), QStringLiteral("两次输入的密码不一致，请重新输入！"));
        edtPwd->clear();
        edtPwd2->clear();
        edtPwd->setFocus();
        return;
    }
    try {
        m_dm->SetLogin(on ? 1 : 0, edtUser->text(), edtPwd->text());
        m_dm->ShowLogin();
    } catch (const StoreError &e) {
        MessageBox::error(this, e.message());
        return;
    }
    MessageBox::information(this, QStringLiteral("提示"),
                            on ? QStringLiteral("登录密码已设置，下次启动时需要输入用户名和密码。")
                               : QStringLiteral("已取消登录，下次启动时不再需要输入密码。"));
    done(QDialog::Accepted);
}

void TfrmLoginSet::Button2Click()
{
    done(QDialog::Rejected);
}
