// qbank: builds, exports and checks AcctPrep question banks; enciphers and deciphers texts.
#include "tools/qbank/QbankCli.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream in(stdin);
    QTextStream out(stdout);
    QTextStream err(stderr);
    // Installed beside acctprep: the shipped bank is where the installed program finds it.
    const QString shipped = QDir::cleanPath(QDir(QCoreApplication::applicationDirPath())
                                                .filePath(QStringLiteral(ACCTPREP_DATA_FROM_BIN "/Data")));
    return runQbank(app.arguments().mid(1), in, out, err, shipped);
}
