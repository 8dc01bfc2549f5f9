// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace mqt::test {

// Whether this run of a test program works on a server database: the
// second run of the tests that touch data has MQT_TEST_ENGINE=server, on the
// throwaway server that scripts/test.sh starts (MQT_TEST_SERVER).
bool ServerEngineWanted();

// A new empty database on the test server, fit for a shop; its URI.
QString CreateTestDatabase();
// Drops a database made by CreateTestDatabase, ending its connections.
void DropTestDatabase(const QString& uri);

}  // namespace mqt::test

// Ends the current test function as skipped in the server run: for what only
// a shop file has (its bytes, its pages, its journal).
#define MQT_FILE_ONLY()                                                      \
    do {                                                                     \
        if (mqt::test::ServerEngineWanted()) QSKIP("a shop file's own matter"); \
    } while (false)
