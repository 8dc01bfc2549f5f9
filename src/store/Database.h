// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/Sqlite.h"

#include <QString>
#include <functional>

namespace mqt {

class Clock;

// The database file "Marquill.mqt": one connection that the three record
// sources share. The file is opened, never created.
class Database {
public:
    explicit Database(const Clock& clock) : clock_(clock) {}

    // Opens the file; throws StoreError with the engine's text when it is
    // missing, read-only or cannot be opened. Nothing is created or changed,
    // except that a file in WAL mode is switched back to the rollback journal;
    // when that cannot be done the opening fails and the file stays as it was.
    void Open(const QString& path);
    void Close();
    bool IsOpen() const { return connection_.IsOpen(); }
    const QString& Path() const { return path_; }

    Connection& connection() { return connection_; }
    const Clock& clock() const { return clock_; }

private:
    const Clock& clock_;
    QString path_;
    Connection connection_;
};

}  // namespace mqt
