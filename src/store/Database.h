// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/Connection.h"

#include <QString>

namespace mqt {

class Clock;

// Whether a folder holds a shop: the file "Marquill.mqt", or the server file
// "Marquill.server" that names the shop's database on a server.
bool FolderHoldsShop(const QString& folder);

// The shop's database: the file "Marquill.mqt" in the shop folder, or the
// database on the shop's server that the folder's "Marquill.server" names.
// One connection that the three record sources share.
class Database {
public:
    explicit Database(const Clock& clock) : clock_(clock) {}

    // Opens the shop of a folder: its server database when the folder holds
    // "Marquill.server", else its file "Marquill.mqt". Throws StoreError with
    // the reason when it cannot be opened.
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
    // The file's path; empty for a server shop.
    const QString& Path() const { return path_; }
    bool IsServer() const { return !uri_.isEmpty(); }
    // The server's URI as the shop folder gives it; empty for a file shop.
    const QString& ServerUri() const { return uri_; }

    // Whether the shop's rows carry row versions yet: a shop of an older
    // version gains them when it is brought up to date at start-up.
    bool HasRowVersions();

    Connection& connection() { return connection_; }
    const Clock& clock() const { return clock_; }

private:
    const Clock& clock_;
    QString path_;
    QString uri_;
    Connection connection_;
    bool rowVersions_ = false;  // once known to be there, never asked again
};

}  // namespace mqt
