// SPDX-License-Identifier: GPL-3.0-or-later
#include "params/BackupBoxes.h"

#include "common/SortsAfterBlank.h"
#include "common/SplitFields.h"

namespace mqt {

QString BuildBackup(const BackupBoxes& boxes)
{
    QString backup = SortsAfterBlank(boxes.drive) ? boxes.drive : QStringLiteral("c");
    backup += QStringLiteral(":\\");
    for (const QString& folder : boxes.folders) {
        if (!SortsAfterBlank(folder)) break;
        backup += QString(folder).remove(u'\\') + u'\\';
    }
    return backup;
}

std::optional<int> FolderWithComma(const BackupBoxes& boxes)
{
    for (int i = 0; i < BackupBoxes::FolderCount; ++i)
        if (boxes.folders[std::size_t(i)].contains(u',')) return i;
    return std::nullopt;
}

BackupBoxes SplitBackup(const QString& backup)
{
    BackupBoxes boxes;
    boxes.drive = backup.left(1);
    QString levels = backup.mid(3).replace(u'\\', u',');
    const QStringList pieces = SplitFields(levels);
    for (int i = 0; i < BackupBoxes::FolderCount && i < pieces.size(); ++i) boxes.folders[std::size_t(i)] = pieces[i];
    return boxes;
}

}  // namespace mqt
