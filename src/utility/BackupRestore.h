// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace mqt {

class SharedValues;

// The helper commands in the program folder. A shop may edit them, for
// instance to copy to a network share; they keep their arguments:
//   Makedir.sh FOLDER   creates the backup folder
//   backup.sh FROM TO   copies the file FROM to the file TO
inline constexpr const char* MakeFolderCommand = "Makedir.sh";
inline constexpr const char* CopyFileCommand = "backup.sh";

// Menu entry "Backup": copies the database file into the backup folder of
// the settings (see BackupFolder, which root is given to). The helper commands
// are waited for, and success is reported only when the copy holds the same
// bytes as the database and passes PRAGMA integrity_check; anything else is
// reported as a failure. A server shop's backup is a dump instead, made and
// checked with pg_dump and pg_restore (see ServerBackup.h).
void BackupDatabase(SharedValues& shared, const QString& root = QStringLiteral("/"));

// Menu entry "Restore": after the user confirms and a safety copy is made
// (none made, nothing restored), closes the database and copies the backup
// copy over it. The restored shop's item and sale numbers then go on past
// every number given out before, its own and its receipt files' (see
// RestoredNumbering.h). Returns true when the program is to end:
// after a restore, and after a failed copy that changed the database file,
// which must not be used again before it is restored. After a failed copy
// that left the file as it was, the database is opened again and the program
// goes on. A server shop is restored from its dump, and only while no other
// till is connected (see ServerBackup.h).
bool RestoreDatabase(SharedValues& shared, const QString& root = QStringLiteral("/"));

}  // namespace mqt
