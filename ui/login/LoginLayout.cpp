#include "ui/login/LoginLayout.h"

#include "core/AppPath.h"

#include <QDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

LoginLayout LoginLayout::build(QDialog *dialog, const QString &caption)
{
    LoginLayout l;
    dialog->setWindowTitle(caption);
    // A title, but no title-bar buttons: the dialog ends through its own buttons.
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    dialog->setFixedSize(503, 256);

    l.Image = new QLabel(dialog);
    l.Image->setObjectName(QStringLiteral("Image"));
    l.Image->setGeometry(0, 0, 503, 256);
    const QString picture = AppPath(QStringLiteral("\\image\\Login.bmp"));
    if (QFileInfo::exists(picture))
        l.Image->setPixmap(QPixmap(picture).scaled(503, 256));
    else
        qWarning("AcctPrep: picture missing: %s", qPrintable(picture));

    l.Panel1 = new QFrame(dialog);
    l.Panel1->setObjectName(QStringLiteral("Panel1"));
    l.Panel1->setFrameShape(QFrame::StyledPanel);
    l.Panel1->setAutoFillBackground(true);
    l.Panel1->setGeometry(150, 96, 300, 90);
    auto *grid = new QGridLayout(l.Panel1);
    l.Label1 = new QLabel(QStringLiteral("用户名："), l.Panel1);
    l.Label1->setObjectName(QStringLiteral("Label1"));
    l.edtUser = new QLineEdit(l.Panel1);
    l.edtUser->setObjectName(QStringLiteral("edtUser"));
    l.Label2 = new QLabel(QStringLiteral("密码："), l.Panel1);
    l.Label2->setObjectName(QStringLiteral("Label2"));
    l.edtPwd = new QLineEdit(l.Panel1);
    l.edtPwd->setObjectName(QStringLiteral("edtPwd"));
    l.edtPwd->setEchoMode(QLineEdit::Password);
    grid->addWidget(l.Label1, 0, 0);
    grid->addWidget(l.edtUser, 0, 1);
    grid->addWidget(l.Label2, 1, 0);
    grid->addWidget(l.edtPwd, 1, 1);

    l.Button1 = new QPushButton(QStringLiteral("确定"), dialog);
    l.Button1->setObjectName(QStringLiteral("Button1"));
    l.Button1->setGeometry(250, 204, 90, 30);
    l.Button1->setDefault(true);
    l.Button2 = new QPushButton(QStringLiteral("退出"), dialog);
    l.Button2->setObjectName(QStringLiteral("Button2"));
    l.Button2->setGeometry(360, 204, 90, 30);

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        dialog->move(screen->availableGeometry().center() - dialog->rect().center());
    return l;
}
