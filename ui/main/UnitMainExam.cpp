// The exam view of the main window.
#include "ui/main/UnitMain.h"

#include <QLabel>
#include <QStackedWidget>
#include <QVBoxLayout>

void TMainForm::buildExamView()
{
    PanelKaoShi = new QWidget(Content);
    PanelKaoShi->setObjectName(QStringLiteral("PanelKaoShi"));
    auto *layout = new QVBoxLayout(PanelKaoShi);
    auto *note = new QLabel(QStringLiteral("模拟考场即将开放"), PanelKaoShi);
    note->setObjectName(QStringLiteral("lblKaoShiNote"));
    note->setAlignment(Qt::AlignCenter);
    QFont noteFont = note->font();
    noteFont.setPointSize(16);
    note->setFont(noteFont);
    layout->addWidget(note);
    Content->addWidget(PanelKaoShi);
}

void TMainForm::SpeedButton4Click()
{
    bringToFront(PanelKaoShi);
}
