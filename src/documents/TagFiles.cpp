// SPDX-License-Identifier: GPL-3.0-or-later
#include "documents/TagFiles.h"

#include "documents/TagSheet.h"
#include "documents/WholeFile.h"

#include <QDir>
#include <QFileInfo>

namespace mqt {

WrittenTags SaveTagsPdf(const TagSheet& sheet, const QString& shopFolder, const QDateTime& now)
{
    const QDir folder(QDir(shopFolder).filePath(QStringLiteral("tags")));
    const QString stem = QStringLiteral("tags-") + now.toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
    QString path = folder.filePath(stem + QStringLiteral(".pdf"));
    for (int n = 2; QFileInfo::exists(path); ++n) path = folder.filePath(stem + QStringLiteral("-%1.pdf").arg(n));

    const QString reason = WriteWholeFile(path, [&sheet](QIODevice& device) { return WriteTagsPdf(sheet, device); });
    if (!reason.isEmpty())
        return {{}, QStringLiteral("The tags could not be written to %1: %2").arg(QDir::toNativeSeparators(path), reason)};
    return {path, {}};
}

}  // namespace mqt
