#include "store/UserBank.h"

#include "store/BankRecords.h"
#include "store/UnitDM.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>

#include <algorithm>
#include <filesystem>
#include <functional>

namespace {

int g_copies = 0;

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

std::filesystem::path fsPath(const QString &path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

// Opens the bank for reading only; throws StoreError naming the file when it is not a bank.
struct ReadOnlyBank
{
    explicit ReadOnlyBank(const QString &file) : dm(file)
    {
        dm.setReadOnly(QStringLiteral("只读"));
        db = dm.database();
    }
    TDataModuleMain dm;
    QSqlDatabase db;
};

// Writes a copy of `shipped` to `target` + ".part", lets `fill` work on it in one transaction,
// and returns the finished file's name. A copy that fails is removed.
QString writeCopy(const QString &shipped, const QString &target, const std::function<void(QSqlDatabase)> &fill)
{
    const QString part = target + QStringLiteral(".part");
    QFile::remove(part); // a copy an earlier start did not finish
    QFile source(shipped);
    if (!source.copy(part))
        throw StoreError(QStringLiteral("无法复制 %1 到 %2（%3）").arg(native(shipped), native(part), source.errorString()));
    // The records are the learner's own: readable and writable by them alone, whatever the
    // shipped file allowed.
    QFile::setPermissions(part, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser
                                    | QFileDevice::WriteUser);
    const QString connection = QStringLiteral("userbank-%1").arg(++g_copies);
    try {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
            db.setDatabaseName(part);
            if (!db.open() || !db.transaction())
                throw StoreError(QStringLiteral("无法写入 %1（%2）").arg(native(part), db.lastError().text()));
            try {
                fill(db);
            } catch (...) {
                db.rollback();
                db.close();
                throw;
            }
            if (!db.commit()) {
                const QString cause = db.lastError().text();
                db.rollback();
                db.close();
                throw StoreError(QStringLiteral("无法写入 %1（%2）").arg(native(part), cause));
            }
            db.close();
        }
        QSqlDatabase::removeDatabase(connection);
    } catch (...) {
        QSqlDatabase::removeDatabase(connection);
        QFile::remove(part);
        throw;
    }
    return part;
}

// Moves the finished copy over the target in one step: the target is always whole, old or new.
void moveInto(const QString &part, const QString &target)
{
    std::error_code ec;
    std::filesystem::rename(fsPath(part), fsPath(target), ec);
    if (ec) {
        QFile::remove(part);
        throw StoreError(QStringLiteral("无法把 %1 移到 %2（%3）")
                             .arg(native(part), native(target), QString::fromLocal8Bit(ec.message().c_str())));
    }
}

// Keeps the copy as it is now under a dated name beside it (a second name for the same file
// where the file system allows, else a copy); returns that name.
QString keepBackup(const QString &file)
{
    const QFileInfo info(file);
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString backup;
    for (int n = 0;; ++n) {
        backup = info.dir().filePath(QStringLiteral("%1-%2%3.%4")
                                         .arg(info.completeBaseName(), stamp,
                                              n ? QStringLiteral("-%1").arg(n) : QString(), info.suffix()));
        if (!QFileInfo::exists(backup))
            break;
    }
    std::error_code ec;
    std::filesystem::create_hard_link(fsPath(file), fsPath(backup), ec);
    if (ec && !QFile::copy(file, backup))
        throw StoreError(QStringLiteral("无法备份 %1 到 %2").arg(native(file), native(backup)));
    return backup;
}

// Backups of the copy beyond the newest few go: every renewal made one, and their records
// are all in the copy. Only names keepBackup gives are touched.
void pruneBackups(const QString &file, int keep)
{
    const QFileInfo info(file);
    const QRegularExpression dated(QStringLiteral("^%1-(\\d{8}-\\d{6})(?:-(\\d+))?\\.%2$")
                                       .arg(QRegularExpression::escape(info.completeBaseName()),
                                            QRegularExpression::escape(info.suffix())));
    struct Backup
    {
        QString stamp;
        int n;
        QString name;
    };
    QList<Backup> backups;
    for (const QString &name : info.dir().entryList(QDir::Files)) {
        const QRegularExpressionMatch m = dated.match(name);
        if (m.hasMatch())
            backups.append({m.captured(1), m.captured(2).toInt(), name});
    }
    std::sort(backups.begin(), backups.end(), [](const Backup &a, const Backup &b) {
        return a.stamp != b.stamp ? a.stamp > b.stamp : a.n > b.n;
    });
    for (qsizetype i = keep; i < backups.size(); ++i)
        QFile::remove(info.dir().filePath(backups.at(i).name));
}

}

namespace UserBank {

QString fileIn(const QString &folder)
{
    return QDir(folder).filePath(QStringLiteral("sys.db"));
}

QString identity(const QString &shipped)
{
    QString id;
    {
        ReadOnlyBank bank(shipped);
        id = BankRecords::contentId(bank.db);
    }
    if (!id.isEmpty())
        return id;
    QFile file(shipped);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        throw StoreError(QStringLiteral("无法读取题库文件 %1（%2）").arg(native(shipped), file.errorString()));
    return QStringLiteral("file-sha256:") + QString::fromLatin1(hash.result().toHex());
}

Result prepare(const QString &shipped, const QString &folder)
{
    const QString id = identity(shipped);
    const QString user = fileIn(folder);
    Result result;
    result.file = user;
    const auto readOnly = [&](const QString &cause) {
        result.file = shipped;
        result.readOnlyReason =
            QStringLiteral("无法在 %1 建立您的题库副本（%2），学习记录无法保存。").arg(native(folder), cause);
        return result;
    };

    if (!QDir().mkpath(folder))
        return readOnly(QStringLiteral("无法建立文件夹"));
    // Two copies of the program starting at once must not both make or renew the copy.
    QLockFile lock(user + QStringLiteral(".lock"));
    if (!lock.tryLock(20000)) {
        if (QFileInfo::exists(user))
            return result;
        return readOnly(lock.error() == QLockFile::LockFailedError ? QStringLiteral("另一个 AcctPrep 正在使用它")
                                                                   : QStringLiteral("文件夹不能写入"));
    }

    if (!QFileInfo::exists(user)) {
        try {
            moveInto(writeCopy(shipped, user, [&](QSqlDatabase db) { BankRecords::setMadeFrom(db, id); }), user);
        } catch (const StoreError &e) {
            return readOnly(e.message());
        }
        return result;
    }

    QString madeFrom;
    try {
        ReadOnlyBank copy(user);
        madeFrom = BankRecords::madeFrom(copy.db);
    } catch (const StoreError &) {
        return result; // the program's open says what is wrong with it, naming the file
    }
    if (madeFrom == id)
        return result;

    // A newer bank ships: a new copy of it with the learner's records, the old copy kept.
    try {
        const QString part = writeCopy(shipped, user, [&](QSqlDatabase db) {
            BankRecords::carry(user, db);
            BankRecords::setMadeFrom(db, id);
        });
        try {
            result.backup = keepBackup(user);
        } catch (...) {
            QFile::remove(part);
            throw;
        }
        try {
            moveInto(part, user);
        } catch (...) {
            QFile::remove(result.backup); // still the very copy in use
            result.backup.clear();
            throw;
        }
        pruneBackups(user, KeptBackups);
    } catch (const StoreError &e) {
        result.notice = QStringLiteral("新版题库未能转入您的题库副本 %1（%2）。本次仍使用原来的题库，学习记录都在；下次启动时会再试。")
                            .arg(native(user), e.message());
    }
    return result;
}

}
