#pragma once
#include <QStringList>
#include <QTextStream>

// The qbank command line: args are the arguments after the program name. Returns the exit
// code: 0 done, 1 problems found or a failure, 2 a usage error. shippedFolder is the folder of
// the bank AcctPrep ships (empty: none), where a learner's copy of it finds its pictures.
int runQbank(const QStringList &args, QTextStream &in, QTextStream &out, QTextStream &err,
             const QString &shippedFolder = QString());
