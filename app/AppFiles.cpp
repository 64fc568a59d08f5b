#include "app/AppFiles.h"

#include "store/UserBank.h"
#include "store/UserBankPictures.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

AppFiles FindAppFiles(const QString &executableDir)
{
    const QDir here(executableDir);
    AppFiles files;
    files.applicationDir = QDir::cleanPath(executableDir);
    if (QFileInfo(here.filePath(QStringLiteral("Data/sys.db"))).exists())
        return files;
    const QString shared = QDir::cleanPath(here.filePath(QStringLiteral(ACCTPREP_DATA_FROM_BIN)));
    if (QFileInfo(shared).isDir()) {
        files.applicationDir = shared;
        files.installed = true;
        files.pluginDir = QDir::cleanPath(here.filePath(QStringLiteral(ACCTPREP_PLUGINS_FROM_BIN)));
    }
    // Otherwise the bank is missing where it always was, and the start-up error names it there.
    return files;
}

StartupBank ChooseBank(const AppFiles &files, const QString &bankOption, const QString &userFolder)
{
    StartupBank bank;
    if (!bankOption.isEmpty()) {
        bank.file = bankOption;
        bank.pictureDir = UserBank::pictureFolder(bankOption, QDir(files.applicationDir).filePath(QStringLiteral("Data")));
        return bank;
    }
    if (!files.installed)
        return bank;
    const QString shipped = QDir(files.applicationDir).filePath(QStringLiteral("Data/sys.db"));
    bank.pictureDir = QFileInfo(shipped).absolutePath();
    if (userFolder.isEmpty()) {
        bank.file = shipped;
        bank.readOnlyReason = QStringLiteral("找不到您的个人数据文件夹，学习记录无法保存。");
        return bank;
    }
    const UserBank::Result copy = UserBank::prepare(shipped, userFolder);
    bank.file = copy.file;
    bank.readOnlyReason = copy.readOnlyReason;
    bank.notice = copy.notice;
    // Said once, in a box, to a learner who may have started from the menu. The shipped bank
    // may be older than the copy (a package taken back), so the text does not call it newer.
    if (!copy.backup.isEmpty() && bank.notice.isEmpty())
        bank.notice = QStringLiteral("您的题库副本 %1 已换成本程序所带的题库，学习记录都已保留。原来的副本保存为 %2。")
                          .arg(QDir::toNativeSeparators(copy.file), QDir::toNativeSeparators(copy.backup));
    return bank;
}

QString UserDataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}
