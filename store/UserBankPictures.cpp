#include "store/UserBankPictures.h"

#include "store/BankRecords.h"
#include "store/UnitDM.h"

#include <QFileInfo>

namespace UserBank {

QString pictureFolder(const QString &file, const QString &shippedFolder)
{
    const QString beside = QFileInfo(file).absolutePath();
    if (shippedFolder.isEmpty() || !QFileInfo(shippedFolder).isDir() || !QFileInfo(file).isFile())
        return beside;
    try {
        TDataModuleMain bank(file);
        bank.setReadOnly(QStringLiteral("只读"));
        // Only a copy the program made carries the mark of the shipped bank it was made from.
        if (!BankRecords::madeFrom(bank.database()).isEmpty())
            return QFileInfo(shippedFolder).absoluteFilePath();
    } catch (const StoreError &) {
    }
    return beside;
}

}
