// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace mqt::test {

// Whether this run of a test program is its run on the server engine:
// MQT_TEST_ENGINE=server, which CTest sets for the NAME_server tests.
bool ServerEngineWanted();

// Creates a fresh, empty database with a name of its own on the test server
// that scripts/test.sh starts (MQT_TEST_SERVER), as a shop's database is
// made: UTF-8, code-point order, case folding for all letters. Returns its
// URI: the test server's socket and user, the new database's name.
QString CreateTestDatabase();

// Drops a database that CreateTestDatabase made, ending any connection still
// open on it.
void DropTestDatabase(const QString& uri);

}  // namespace mqt::test
