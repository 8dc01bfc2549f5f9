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

// Stops the test server at once, as a crash would: every connection to it
// breaks, and it takes none until StartTestServer. What was committed stays.
void StopTestServer();
// Starts the test server again after StopTestServer and waits until it takes
// connections; nothing when it runs. A test that stops it calls this in its
// cleanup too, so that a failed case leaves it running for the next.
void StartTestServer();
// Both, one after the other: the server restarted while the program stood by.
inline void RestartTestServer()
{
    StopTestServer();
    StartTestServer();
}

}  // namespace mqt::test

// Ends the current test function as skipped in the server run: for what only
// a shop file has (its bytes, its pages, its journal).
#define MQT_FILE_ONLY()                                                      \
    do {                                                                     \
        if (mqt::test::ServerEngineWanted()) QSKIP("a shop file's own matter"); \
    } while (false)

// Ends the current test function as skipped in the file run: for a server
// that goes away, which a file never does.
#define MQT_SERVER_ONLY()                                                          \
    do {                                                                           \
        if (!mqt::test::ServerEngineWanted()) QSKIP("the shop's server going away"); \
    } while (false)
