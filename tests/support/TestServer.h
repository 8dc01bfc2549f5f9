// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace mqt::test {

// Whether this run of a test program works on a server database: the
// second run of the tests that touch data, NAME_server, has
// MQT_TEST_ENGINE=server, on the throwaway server that scripts/test.sh
// starts (MQT_TEST_SERVER). Any other value than "server" or "file" stops
// the program, so that a misspelt engine never runs the file's tests again.
bool ServerEngineWanted();

// Creates a fresh, empty database with a name of its own on the test server,
// as a shop's database is made (UTF-8, code-point order, case folding for all
// letters), and returns its URI: the test server's socket and user, the new
// database's name.
QString CreateTestDatabase();

// Drops a database that CreateTestDatabase made, ending any connection still
// open on it; any other database is refused.
void DropTestDatabase(const QString& uri);

}  // namespace mqt::test

// Ends the current test function as skipped in the server run: for what only
// a shop file has (its bytes, its pages, its journal).
#define MQT_FILE_ONLY()                                                      \
    do {                                                                     \
        if (mqt::test::ServerEngineWanted()) QSKIP("a shop file's own matter"); \
    } while (false)
