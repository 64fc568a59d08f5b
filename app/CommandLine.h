#pragma once
#include <QString>
#include <QStringList>
#include <QTextStream>

// What the command line asks of the program.
struct CommandLine
{
    // Set when the program is done once the arguments are read (--help, --version, an error).
    bool done = false;
    int exitCode = 0;
    // --bank FILE, absolute; empty: the bank the program normally works on.
    QString bankFile;
};

// The program's name and version, as --version and the desktop know them.
void SetApplicationIdentity();

// Reads the arguments (the program name first). --help and --version are printed on `out`
// and end the program with 0, so they need neither a display nor a bank. A wrong argument is
// said on `err` with a hint and ends it with 2, but only with reportErrors: before the
// application object exists, Qt's own options (-platform, -style …) are still among the
// arguments and are not the program's to judge.
CommandLine ParseCommandLine(const QStringList &arguments, QTextStream &out, QTextStream &err,
                             bool reportErrors = true);
