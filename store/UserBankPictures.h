#pragma once
#include <QString>

namespace UserBank {

// The folder of the question pictures of the bank `file`. A bank has them beside it, as the
// bank tool lays them out; but a learner's copy of the shipped bank, and each backup of one,
// was copied alone into the learner's folder, so its pictures are those of the shipped bank in
// `shippedFolder` (where that folder is there). A file that is not a bank gets its own folder,
// and opening it later says what is wrong.
QString pictureFolder(const QString &file, const QString &shippedFolder);

}
