// qbank: builds, exports and checks AcctPrep question banks; enciphers and deciphers texts.
#include "tools/qbank/QbankCli.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream in(stdin);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return runQbank(app.arguments().mid(1), in, out, err);
}
