#pragma once
#include "app/AppFiles.h"

#include <QString>

#include <functional>

class QApplication;

// The program entry's sequence: splash, database, optional login, the windows, the event loop.
// Returns the exit code; start-up failures and a refused login give a non-zero code.
// With runEventLoop false it stops once the windows exist (tests). chooseBank, run behind the
// splash, says which bank to open (none: ApplicationDir\Data\sys.db); a StoreError from it
// ends start-up like a bank that cannot be opened.
int RunAcctPrep(QApplication &app, const QString &applicationDir, bool runEventLoop = true,
                const std::function<StartupBank()> &chooseBank = {});
