// SPDX-License-Identifier: GPL-3.0-or-later
#include "utility/BackupLocation.h"

#include <QDir>
#include <QStringList>

namespace mqt {

std::optional<QString> BackupFolder(const QString& location, const QString& root)
{
    if (location.size() < 3 || location.mid(1, 2) != u":\\") return std::nullopt;
    const QChar drive = location[0].toLower();
    if (drive < u'a' || drive > u'z') return std::nullopt;

    QStringList parts{root};
    if (drive != u'c') parts << QStringLiteral("mnt") << QString(drive);
    for (const QString& folder : location.mid(3).split(u'\\', Qt::SkipEmptyParts)) {
        if (folder == u"." || folder == u".." || folder.contains(u'/')) return std::nullopt;
        parts << folder;
    }
    return QDir::cleanPath(parts.join(u'/'));
}

}  // namespace mqt
