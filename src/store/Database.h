// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/Connection.h"

#include <QString>

namespace mqt {

class Clock;

// Whether a folder holds a shop: the shop file, or the server file that
// names the shop's database on a server (see ShopFiles.h).
bool FolderHoldsShop(const QString& folder);

// The shop's database: the shop file in the shop folder, or the database on
// the shop's server that the folder's server file names. One connection that
// the three record sources share.
class Database {
public:
    explicit Database(const Clock& clock) : clock_(clock) {}

    // Opens the shop of a folder: its server database when the folder holds
    // the server file, else its shop file. Throws StoreError with the reason
    // when it cannot be opened.
    void OpenShop(const QString& folder);
    // Opens the file; throws StoreError with the engine's text when it is
    // missing, read-only or cannot be opened. Nothing is created or changed,
    // except that a file in WAL mode is switched back to the rollback journal;
    // when that cannot be done the opening fails and the file stays as it was.
    void Open(const QString& path);
    // Connects to a shop's server database by its URI; throws StoreError when
    // the server cannot be reached or the database holds no shop.
    void OpenServer(const QString& uri);
    void Close();
    bool IsOpen() const { return connection_.IsOpen(); }

    // The shop's schema version: a shop of an older version gains the newer
    // fields and row versions when it is brought up to date at start-up.
    int SchemaVersion();

    Connection& connection() { return connection_; }
    const Clock& clock() const { return clock_; }

private:
    void Take(Connection connection);

    const Clock& clock_;
    Connection connection_;
    int schemaVersion_ = 0;  // once known to be the program's, never asked again
};

}  // namespace mqt
