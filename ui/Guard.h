#pragma once
#include "platform/MessageBox.h"

#include <QString>
#include <QWidget>

#include <exception>

// Runs a window action; a failure ends the action with its message in an error box and the
// program goes on.
template <typename Fn>
bool guarded(QWidget *parent, Fn &&action)
{
    try {
        action();
        return true;
    } catch (const std::exception &e) {
        MessageBox::error(parent, QString::fromUtf8(e.what()));
        return false;
    }
}
