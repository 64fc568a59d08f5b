#pragma once
#include <QString>

class QApplication;

// The program entry's sequence: splash, database, optional login, the windows, the event loop.
// Returns the exit code; start-up failures and a refused login give a non-zero code.
// With runEventLoop false it stops once the windows exist (tests).
int RunAcctPrep(QApplication &app, const QString &applicationDir, bool runEventLoop = true);
