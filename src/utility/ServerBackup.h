// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace mqt {

class Connection;
class SharedValues;

// Backup and restore of a server shop: the database is written with pg_dump
// into the backup folder as this file, and loaded back from it by pg_restore
// (see ServerDump.h).
inline constexpr const char* ServerBackupName = "Marquill.dump";

// Backup: dumps the shop's database into `folder` (which takes files) under a
// working name, checks the dump's list of tables, and only then gives it its
// name, replacing the last backup. Returns why there is no new backup, empty
// when there is one; no half-written file is left.
QString MakeServerBackup(SharedValues& shared, const QString& folder);

// The computers from which other sessions than this one are connected to the
// database: their addresses, or "this computer" for a session over the
// server's local socket; each named once. Empty when this is the only one.
QStringList OtherTills(const Connection& connection);

// Refuses a restore while another till is connected, naming the others in
// the error box; returns whether it refused. A till that has just been closed
// is waited for a moment.
bool RefuseWhileOtherTills(SharedValues& shared);

}  // namespace mqt
