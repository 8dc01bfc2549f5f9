// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: the database file, the settings row and the main menu.

#include "support/RunningShop.h"
#include "support/TestServer.h"

#include <QGroupBox>
#include <QLabel>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

#include "store/sqlite/SqliteConnection.h"

using namespace mqt;

namespace {

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void emptyParamsGetsTheDefaultRow()
    {
        test::RunningShop run;
        test::TempShop& shop = run.shop;
        QVERIFY(run.Start());
        QCOMPARE(shop.Rows("select Commission, Rounding, PriceOverride, Backup from params"), QStringList{"0|0|0| "});
        const ShopSettings& settings = run.Shared().Settings;
        QCOMPARE(settings.Commission, 0);
        QCOMPARE(settings.Rounding, 0.0f);
        QCOMPARE(settings.PriceOverride, false);
        QCOMPARE(settings.Backup, QStringLiteral(" "));
        QVERIFY(!run.Shared().Data1.Recordset().Eof());  // stands on the new row
        QVERIFY(run.dialogs.shown().isEmpty());
    }

    void onlyTheFirstOfSeveralRowsIsRead()
    {
        test::RunningShop run;
        test::TempShop& shop = run.shop;
        shop.Exec("INSERT INTO params (Commission, Rounding, PriceOverride, Backup) VALUES (15, 0.25, 1, 'd:\\shop\\')");
        shop.Exec("INSERT INTO params (Commission, Rounding, PriceOverride, Backup) VALUES (30, 1, 0, 'e:\\')");
        QVERIFY(run.Start());
        const ShopSettings& settings = run.Shared().Settings;
        QCOMPARE(settings.Commission, 15);
        QCOMPARE(settings.Rounding, 0.25f);
        QCOMPARE(settings.PriceOverride, true);
        QCOMPARE(settings.Backup, QStringLiteral("d:\\shop\\"));
        QCOMPARE(shop.Column("select count(*) from params"), QStringList{"2"});
    }

    void sharedValuesAreReady()
    {
        test::RunningShop run;
        test::TempShop& shop = run.shop;
        QVERIFY(run.Start());
        SharedValues& shared = run.Shared();
        QCOMPARE(shared.DatabasePath, shop.DatabasePath());
        QCOMPARE(shared.ItemColumns.ReportColumnCount, 11);
        shared.Data3.RecordSource("select * from item");
        shared.Data3.Refresh();  // the item source works on the same database
        QVERIFY(shared.Data3.Recordset().Eof());
    }

    void unusableDatabaseStopsWithTheEnginesText_data()
    {
        QTest::addColumn<QByteArray>("contents");  // empty: no file at all
        QTest::addColumn<QString>("message");
        QTest::newRow("missing file") << QByteArray() << "unable to open database file";
        QTest::newRow("old database of another format")
            << QByteArray("\0\1\0\0Standard Jet DB\0", 20) + QByteArray(2000, 'x') << "file is not a database";
        QTest::newRow("database without params") << QByteArray("sqlite-no-params") << "no such table: params";
    }

    void unusableDatabaseStopsWithTheEnginesText()
    {
        MQT_FILE_ONLY();
        QFETCH(QByteArray, contents);
        QFETCH(QString, message);
        test::RunningShop run(false);
        const test::TempShop& shop = run.shop;
        if (contents == "sqlite-no-params") {
            Connection connection = Connection::Open(shop.DatabasePath(), true);
            connection.Execute("CREATE TABLE other (x)");
            connection.Close();
            contents = Contents(shop.DatabasePath());
        } else if (!contents.isEmpty()) {
            QFile file(shop.DatabasePath());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(contents);
        }
        QVERIFY(!run.Start());
        QCOMPARE(run.dialogs.Errors().size(), 1);
        QVERIFY2(run.dialogs.Errors().first().contains(message), qPrintable(run.dialogs.Errors().first()));
        QVERIFY(!run.Menu().isVisible());
        QCOMPARE(QFileInfo::exists(shop.DatabasePath()), !contents.isEmpty());
        QCOMPARE(Contents(shop.DatabasePath()), contents);
        QCOMPARE(QDir(shop.Folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(),
                 contents.isEmpty() ? 0 : 1);
    }

    void walDatabaseIsSwitchedBackOrLeftAlone_data()
    {
        QTest::addColumn<bool>("held");  // another program keeps the file open
        QTest::newRow("left in WAL mode: switched back, changes kept") << false;
        QTest::newRow("held by another program: start-up ends, nothing changed") << true;
    }

    void walDatabaseIsSwitchedBackOrLeftAlone()
    {
        MQT_FILE_ONLY();
        QFETCH(bool, held);
        test::RunningShop run;
        const QString path = run.shop.DatabasePath();
        const QString wal = path + QStringLiteral("-wal");
        {
            // Another SQLite tool: WAL mode, a change still in the -wal file.
            Connection other = Connection::Open(path);
            sqlite3_db_config(SqliteHandle(other), SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
            other.Execute(QStringLiteral("PRAGMA journal_mode=WAL"));
            other.Execute(QStringLiteral("INSERT INTO consignor (LastName) VALUES ('Jones')"));
        }
        QVERIFY(QFileInfo(wal).size() > 0);
        Connection holder;
        if (held) {
            holder = Connection::Open(path);
            holder.Execute(QStringLiteral("select count(*) from consignor"));
        }
        const QByteArray file = Contents(path);
        const QByteArray log = Contents(wal);

        QCOMPARE(run.Start(), !held);
        if (held) {
            QCOMPARE(run.dialogs.Errors().size(), 1);
            QVERIFY2(run.dialogs.Errors().first().contains(QStringLiteral("WAL mode")),
                     qPrintable(run.dialogs.Errors().first()));
            QVERIFY(!run.Menu().isVisible());
            QCOMPARE(Contents(path), file);
            QCOMPARE(Contents(wal), log);
            return;
        }
        QVERIFY(!QFile::exists(wal));
        QCOMPARE(run.shop.Value(QStringLiteral("PRAGMA journal_mode")).toString(), QStringLiteral("delete"));
        QCOMPARE(run.shop.Column(QStringLiteral("select LastName from consignor")), QStringList{"Jones"});
    }

    void menuShowsItsEntriesInTheirFrames()
    {
        test::RunningShop run;
        test::TempShop& shop = run.shop;
        QVERIFY(run.Start());
        frmMenu& menu = run.Menu();
        QVERIFY(menu.isVisible());
        QCOMPARE(menu.windowTitle(), QStringLiteral("MQT - Menu"));
        QCOMPARE(menu.findChild<QLabel*>("Label1")->text(), QStringLiteral("Menu"));

        const QList<QPair<QString, QString>> entries = {
            {"Parameters", "File Maintenance"},   {"Consignor Maintenance", "File Maintenance"},
            {"Item Maintenance", "File Maintenance"}, {"Report Items", "Reports"},
            {"Backup", "Utility Functions"},      {"Restore", "Utility Functions"},
            {"Delete Paid Items", "Utility Functions"}};
        int previousTop = -1;
        for (int i = 0; i < entries.size(); ++i) {
            auto* label = menu.findChild<QLabel*>(QStringLiteral("lblFunction(%1)").arg(i));
            QVERIFY(label);
            QCOMPARE(label->text(), entries[i].first);
            auto* frame = qobject_cast<QGroupBox*>(label->parentWidget());
            QVERIFY(frame);
            QCOMPARE(frame->title(), entries[i].second);
            const int top = label->mapTo(&menu, QPoint()).y();
            QVERIFY2(top > previousTop, "entries are listed top to bottom");
            previousTop = top;
        }
        QCOMPARE(menu.findChild<QGroupBox*>("Frame1")->title(), QStringLiteral("File Maintenance"));
        QCOMPARE(menu.findChild<QGroupBox*>("Frame3")->title(), QStringLiteral("Utility Functions"));
    }

    void closingTheMenuEndsTheProgram()
    {
        test::RunningShop run;
        test::TempShop& shop = run.shop;
        QVERIFY(run.Start());
        QSignalSpy ended(&run.Menu(), &frmMenu::Ended);
        run.Menu().close();
        QCOMPARE(ended.count(), 1);
        QVERIFY(run.dialogs.shown().isEmpty());
    }

    void createdDatabaseOpensInTheStockTool()
    {
        MQT_FILE_ONLY();
        const QString sqlite = QStandardPaths::findExecutable("sqlite3");
        if (sqlite.isEmpty()) QSKIP("the sqlite3 tool is not installed");
        test::TempShop shop(false);
        const QString tool = QStringLiteral(MQT_PROGRAM_DIR "/mqt-createdb");
        QCOMPARE(QProcess::execute(tool, {shop.DatabasePath()}), 0);
        QCOMPARE(QProcess::execute(tool, {shop.DatabasePath()}), 1);  // never overwrites

        shop.AddItem("Smith", "Ann", "oak chair", {{}, {}, 12.5, 30.0, "2024-03-01"});
        QProcess process;
        process.start(sqlite, {shop.DatabasePath(),
                               "select LastName, CostPrice, DateAdded from item where lastname = 'SMITH' "
                               "collate nocase; pragma integrity_check;"});
        QVERIFY(process.waitForFinished());
        QCOMPARE(process.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(process.readAllStandardOutput()), QStringLiteral("Smith|12.5|2024-03-01\nok\n"));
    }
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
