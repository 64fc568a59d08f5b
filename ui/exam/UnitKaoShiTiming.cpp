// Answers, the countdown and the hand-in of the exam window.
#include "ui/exam/UnitKaoShi.h"

#include "core/UnitDefine.h"
#include "ui/exam/KaoShiInternal.h"

#include <QCheckBox>

using KaoShi::Letters;

void TfrmKaoShi::cbABCDEFClick(QCheckBox *sender)
{
    TItem *item = currentItem();
    if (!item)
        return;
    // Single choice and true/false keep one tick: the one just given, or none.
    m_clickAttached = false;
    if (Item_Type == QLatin1String("1") || Item_Type == QLatin1String("3")) {
        for (QCheckBox *box : m_boxes)
            if (box != sender)
                box->setChecked(false);
    }
    m_clickAttached = true;

    QString answer;
    for (int i = 0; i < 6; ++i)
        if (m_boxes[size_t(i)]->isChecked())
            answer += Letters.at(i);
    item->UserAnswer = answer;
    // No ticks is no answer, and no answer earns nothing.
    item->UserScore = !answer.isEmpty() && item->ItemAnswer == answer ? item->ItemScore : 0;
    item->ColorMark = answer.isEmpty() ? 3 : 4;
    SetButtonColor(Item_Index, QString());
}

void TfrmKaoShi::Timer1Timer()
{
    // One step of the countdown from StartTime; comes with the hand-in.
}

void TfrmKaoShi::sbEndExClick()
{
    // An answer editor that has the focus stores its answer on losing it, before the hand-in.
    Panel9->setFocus();
    EndEx();
}

void TfrmKaoShi::EndEx()
{
    // The hand-in: confirmation, scoring into the result fields, the history row, result OK.
}
