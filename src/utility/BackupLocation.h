// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

namespace mqt {

// The folder that the backup location of the settings names on this system.
// The location keeps the form the parameters screen writes: a drive letter,
// ":\", then folder names each followed by "\" (d:\shop\data\). Drive "c"
// is the file system root; any other drive letter L is the mount point
// root/mnt/l. The folder names follow as they are written, without any change
// of case: on a case-sensitive file system a backup must be found again by
// the next restore. Empty folder levels ("d:\\shop\") are passed over.
//
// Empty when the text is not of that form, for instance the blank that stands
// for "no location set", or when a folder name is "." or ".." or holds a "/":
// the program must not guess a folder for the shop's data.
std::optional<QString> BackupFolder(const QString& location, const QString& root = QStringLiteral("/"));

}  // namespace mqt
