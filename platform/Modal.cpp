#include "platform/Modal.h"

#include <QDialog>

namespace {
std::function<void(QDialog *)> g_handler;
}

namespace Modal {

int show(QDialog *dialog)
{
    if (!g_handler)
        return dialog->exec();
    dialog->setResult(0);
    dialog->show();
    g_handler(dialog);
    if (dialog->isVisible())
        dialog->reject();
    return dialog->result();
}

void setHandler(std::function<void(QDialog *)> handler) { g_handler = std::move(handler); }
void clearHandler() { g_handler = nullptr; }

}
