// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace mqt {

class Connection;

// The schema version this program reads and writes (PRAGMA user_version).
int CurrentSchemaVersion();

// The file's schema version; 0 for a file of the first three tables.
int SchemaVersion(const Connection& connection);

// Refuses a file made by a newer program (StoreError "This shop file was
// made by a newer version of Marquill"), before anything in it is changed.
void RefuseNewerSchema(const Connection& connection);

// Brings the shop (a file, or a server database) up to CurrentSchemaVersion,
// every missing step in one transaction: a failure part-way leaves it at the
// version it had and throws StoreError. A shop that is up to date is not
// written. A newer one is refused as by RefuseNewerSchema.
void MigrateSchema(Connection& connection);

// Runs the steps after version `from`, inside the caller's transaction.
void ApplyStepsAfter(Connection& connection, int from);

}  // namespace mqt
