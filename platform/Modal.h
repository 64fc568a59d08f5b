#pragma once
#include <functional>

class QDialog;

// Shows a dialog modally and returns its result. Tests install a handler that drives the
// dialog while it is shown (and usually closes it) instead of entering its event loop.
namespace Modal {
int show(QDialog *dialog);
void setHandler(std::function<void(QDialog *)> handler);
void clearHandler();
}
