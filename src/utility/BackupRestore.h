// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "utility/ShopCopyTools.h"

#include <QString>

namespace mqt {

// The helper commands in the program folder. A shop may edit them, for
// instance to copy to a network share; they keep their arguments:
//   Makedir.sh FOLDER   creates the backup folder
//   backup.sh FROM TO   copies the file FROM to the file TO
inline constexpr const char* MakeFolderCommand = "Makedir.sh";
inline constexpr const char* CopyFileCommand = "backup.sh";

// Menu entry "Backup": copies the shop into the backup folder that the
// setting `location` names (see BackupFolder, which root is given to). A
// shop file is copied with the helper commands, which are waited for, and
// success is reported only when the copy holds the same bytes as the
// database and passes the shop file's check; a server shop's backup is a
// dump, checked before it replaces the last one (see ShopBackend). Anything
// else is reported as a failure.
void BackupDatabase(const ShopCopyTools& tools, const QString& location, const QString& root = QStringLiteral("/"));

// Menu entry "Restore": after the user confirms and a safety copy is made
// (none made, nothing restored), closes the database and copies the backup
// copy over it. The restored shop's item and sale numbers then go on past
// every number given out before, its own and its receipt files' (see
// RestoredNumbering.h). Returns true when the program is to end:
// after a restore, and after a failed copy that changed the database file,
// which must not be used again before it is restored. After a failed copy
// that left the file as it was, the database is opened again and the program
// goes on. A server shop is restored from its dump, and only while no other
// till is connected (see OtherTills.h).
bool RestoreDatabase(const ShopCopyTools& tools, const QString& location, const QString& root = QStringLiteral("/"));

}  // namespace mqt
