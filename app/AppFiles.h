#pragma once
#include <QString>

// Where the program finds its own read-only files (image/, html/, the shipped Data/): beside
// the executable when that folder holds Data/sys.db (the build folder, worked in place), else
// the installed share folder relative to the executable (../share/acctprep).
struct AppFiles
{
    QString applicationDir;
    bool installed = false;
    // Installed: the folder of the program's own plugins (lib/acctprep), searched for them.
    QString pluginDir;
};

AppFiles FindAppFiles(const QString &executableDir);

// The bank the program works on this run.
struct StartupBank
{
    QString file;           // empty: ApplicationDir\Data\sys.db
    QString pictureDir;     // empty: ApplicationDir\Data
    QString readOnlyReason; // not empty: opened for reading only, and this is why
    QString notice;         // not empty: said to the learner once the bank is open (a renewed
                            // copy, or one that could not be renewed)
};

// --bank FILE as given (its pictures beside it, or, for a learner's copy of the shipped bank,
// the shipped bank's); in the build folder its own bank; installed,
// the learner's copy of the shipped bank in `userFolder` (made or renewed now). Throws
// StoreError when the shipped bank is missing or not a bank.
StartupBank ChooseBank(const AppFiles &files, const QString &bankOption, const QString &userFolder);

// The learner's data folder (QStandardPaths::AppDataLocation, ~/.local/share/AcctPrep).
QString UserDataFolder();
