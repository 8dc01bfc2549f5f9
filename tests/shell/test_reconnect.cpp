// SPDX-License-Identifier: GPL-3.0-or-later
// The shop's server going away and coming back: the connection made again
// by the next statement, the actions that run again by themselves or on
// Retry, and the screens that keep their lists meanwhile. The cases that stop
// the test server are the server run's alone.

#include "shell/Grid.h"
#include "shell/ReportErrors.h"
#include "store/StoreError.h"
#include "support/ScreenDriver.h"
#include "support/TestServer.h"

#include <QtTest>

#include <optional>

using namespace mqt;
using namespace mqt::test;

namespace {

const QString Unreachable = QStringLiteral("The shop's server cannot be reached; retrying");

void Insert(Connection& connection, const QString& lastName)
{
    Statement insert(connection, "INSERT INTO consignor (LastName, FirstName) VALUES (?, 'Al')");
    insert.Bind(1, lastName);
    insert.Step();
}

// The texts in the first column of the grid's rows below the heading, down
// to the first empty one.
QStringList FirstColumn(const Grid& grid)
{
    QStringList texts;
    for (int row = 1; row < grid.Rows() && !grid.TextMatrix(row, 0).isEmpty(); ++row) texts << grid.TextMatrix(row, 0);
    return texts;
}

}  // namespace

class TestReconnect : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { StartTestServer(); }

    void lostConnection_data()
    {
        QTest::addColumn<bool>("inTransaction");
        QTest::addColumn<bool>("backFirst");  // the server is up again before the next statement
        QTest::newRow("idle, the server back") << false << true;
        QTest::newRow("idle, the server still down") << false << false;
        QTest::newRow("in a transaction, the server back") << true << true;
        QTest::newRow("in a transaction, the server still down") << true << false;
    }
    void lostConnection()
    {
        MQT_SERVER_ONLY();
        QFETCH(bool, inTransaction);
        QFETCH(bool, backFirst);
        TempShop shop;
        Connection connection = shop.Connect();
        std::optional<Transaction> transaction;
        if (inTransaction) {
            transaction.emplace(connection);
            Insert(connection, "Before");
        }
        StopTestServer();
        if (backFirst) StartTestServer();
        QVERIFY_THROWS_EXCEPTION(ServerUnreachable, Insert(connection, "During"));
        if (!backFirst) StartTestServer();
        if (transaction) {
            // Nothing of the transaction runs outside it: it fails to its end,
            // which is quiet.
            QVERIFY_THROWS_EXCEPTION(ServerUnreachable, Insert(connection, "After"));
            QVERIFY_THROWS_EXCEPTION(ServerUnreachable, transaction->Commit());
            transaction.reset();
        }

        Statement settings(connection, "SELECT current_setting('DateStyle') || '|' || current_setting('client_encoding') "
                                       "|| '|' || current_setting('extra_float_digits') || '|' || "
                                       "current_setting('application_name')");
        QVERIFY(settings.Step());
        QCOMPARE(settings.Column(0).toString(), "ISO, MDY|UTF8|1|Marquill");
        Insert(connection, "Again");
        QCOMPARE(shop.Column("SELECT LastName FROM consignor"), QStringList{"Again"});
    }

    void actionRunsAgain_data()
    {
        QTest::addColumn<int>("failures");  // runs that find the server gone
        QTest::addColumn<QList<bool>>("answers");  // of the Retry boxes: Retry or Cancel
        QTest::addColumn<int>("runs");
        QTest::addColumn<bool>("done");
        const int byItself = ServerRetries + 1;
        QTest::newRow("back at the first run again") << 1 << QList<bool>{} << 2 << true;
        QTest::newRow("back at the last run by itself") << ServerRetries << QList<bool>{} << byItself << true;
        QTest::newRow("Retry once it is back") << byItself << QList<bool>{true} << byItself + 1 << true;
        QTest::newRow("Retry while it is gone, then Cancel") << 99 << QList<bool>{true, false} << 2 * byItself << false;
        QTest::newRow("Cancel gives up") << 99 << QList<bool>{false} << byItself << false;
    }
    void actionRunsAgain()
    {
        QFETCH(int, failures);
        QFETCH(QList<bool>, answers);
        QFETCH(int, runs);
        QFETCH(bool, done);
        ScriptedDialogs dialogs;
        for (const bool retry : answers) dialogs.QueueRetry(retry);
        int run = 0;
        QCOMPARE(RunReportingErrors(dialogs, [&] {
                     if (++run <= failures) throw ServerUnreachable();
                 }),
                 done);
        QCOMPARE(run, runs);
        QCOMPARE(dialogs.RetryBoxes(), QStringList(answers.size(), Unreachable));
        QCOMPARE(dialogs.Errors(), QStringList{});
    }

    void listsStay_data()
    {
        QTest::addColumn<int>("menuEntry");
        QTest::addColumn<QString>("box");  // typed into before Show
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QStringList>("afterRetry");
        QTest::newRow("consignors") << 1 << "txtShowLastName" << "" << QStringList{"Adams", "Baker"}
                                    << QStringList{"Adams", "Baker", "Clark"};
        QTest::newRow("a consignor's items") << 2 << "txtLastName" << "Adams" << QStringList{"Blue vase", "Total"}
                                             << QStringList{"Blue vase", "Brass lamp", "Total"};
        QTest::newRow("report") << 3 << "txtSearch" << "" << QStringList{"Adams", "Baker", "Total"}
                                << QStringList{"Adams", "Adams", "Baker", "Total"};
    }
    void listsStay()
    {
        MQT_SERVER_ONLY();
        QFETCH(int, menuEntry);
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QStringList, listed);
        QFETCH(QStringList, afterRetry);
        RunningShop run;
        run.shop.AddConsignor("Adams", "Al");
        run.shop.AddConsignor("Baker", "Bo");
        run.shop.AddItem("Adams", "Al", "Blue vase");
        run.shop.AddItem("Baker", "Bo", "Oak chair");
        ScreenDriver screen(ScreenDriver::Started(run), menuEntry);
        const Grid& grid = *screen.Find<Grid>("Grid");
        screen.Type(box, typed);
        screen.Click("cmdShow");
        QCOMPARE(FirstColumn(grid), listed);

        StopTestServer();
        run.dialogs.QueueRetry(false);
        screen.Click("cmdShow");
        QCOMPARE(run.dialogs.RetryBoxes(), QStringList{Unreachable});
        QCOMPARE(FirstColumn(grid), listed);

        run.dialogs.QueueRetry(true, [&] {
            StartTestServer();
            run.shop.AddConsignor("Clark", "Cy");
            run.shop.AddItem("Adams", "Al", "Brass lamp");
        });
        screen.Click("cmdShow");
        QCOMPARE(run.dialogs.RetryBoxes(), QStringList(2, Unreachable));
        QCOMPARE(FirstColumn(grid), afterRetry);
        QCOMPARE(run.dialogs.Errors(), QStringList{});
    }
};

QTEST_MAIN(TestReconnect)
#include "test_reconnect.moc"
