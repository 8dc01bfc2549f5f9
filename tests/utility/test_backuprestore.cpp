// SPDX-License-Identifier: GPL-3.0-or-later
// Backup and restore with the real helper commands, in temporary folders.

#include "support/RunningShop.h"
#include "support/TestServer.h"
#include "utility/BackupLocation.h"
#include "utility/BackupRestore.h"
#include "store/ShopFiles.h"

#include <QCursor>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

using namespace mqt;

namespace {

// How a test spoils the helper commands in the shop's program folder.
enum Helpers { RealHelpers, CopyExitsWithFailure, CopyMissing, CopyTruncatesThenFails, NothingRuns };

void WriteScript(const QString& path, const QByteArray& body)
{
    QFile script(path);
    QVERIFY(script.open(QIODevice::WriteOnly | QIODevice::Truncate));
    script.write("#!/bin/sh\n" + body + "\n");
    script.close();
    QVERIFY(script.setPermissions(script.permissions() | QFile::ExeOwner));
}

void InstallHelpers(test::RunningShop& run, Helpers helpers)
{
    run.InstallHelperCommands();
    const QString copy = run.shop.Folder() + u'/' + QLatin1String(CopyFileCommand);
    switch (helpers) {
    case CopyExitsWithFailure:
        QFile::remove(copy);
        WriteScript(copy, "echo 'cp: no space left on device' >&2\nexit 1");
        break;
    case CopyMissing:
        QVERIFY(QFile::remove(copy));
        break;
    case CopyTruncatesThenFails:
        QFile::remove(copy);
        WriteScript(copy, ": > \"$2\"\nexit 1");
        break;
    case RealHelpers:
    case NothingRuns:
        break;
    }
    run.runner.passThrough = helpers != NothingRuns;
}

// The location text that names `folder` on drive c, the file system root.
QString OnDriveC(const QString& folder)
{
    QString location = QStringLiteral("c:") + folder + u'/';
    location.replace(u'/', u'\\');
    return location;
}

void SetLocation(test::RunningShop& run, const QString& location)
{
    run.shop.Exec(QStringLiteral("INSERT INTO params (Commission, Rounding, PriceOverride, Backup) VALUES (0, 0, 0, ?)"),
                  {location});
}

// A server shop's backup is a dump, and its restore a load: the cases that
// are the file's own skip the server run (see test_servercopies). These rows
// hold for both.
const QStringList BothEngineRows{"destination cannot be created", "no location set", "no backup copy"};

bool FileRowInServerRun()
{
    return test::ServerEngineWanted() && !BothEngineRows.contains(QString::fromUtf8(QTest::currentDataTag()));
}

const QString RestoreQuestion = QStringLiteral(
    "You will lose all data entered since the last backup\nAre you sure you want to restore all your files?");

}  // namespace

class TestBackupRestore : public QObject {
    Q_OBJECT

private slots:
    void locationNamesAFolder_data()
    {
        QTest::addColumn<QString>("location");
        QTest::addColumn<QString>("folder");  // below the root; "-" for none

        QTest::newRow("drive c is the root") << "c:\\" << "";
        QTest::newRow("drive C in upper case") << "C:\\shop\\" << "/shop";
        QTest::newRow("another drive is its mount point") << "d:\\shop\\data\\" << "/mnt/d/shop/data";
        QTest::newRow("folder names keep their case") << "D:\\Shop\\2024\\" << "/mnt/d/Shop/2024";
        QTest::newRow("blanks stay in the names") << "e:\\back up\\  \\" << "/mnt/e/back up/  ";
        QTest::newRow("no trailing backslash") << "d:\\shop" << "/mnt/d/shop";
        QTest::newRow("empty level passed over") << "d:\\\\shop\\" << "/mnt/d/shop";
        QTest::newRow("blank: no location set") << " " << "-";
        QTest::newRow("empty") << "" << "-";
        QTest::newRow("drive without :\\") << "d" << "-";
        QTest::newRow("digit as drive") << "1:\\shop\\" << "-";
        QTest::newRow("parent folder") << "d:\\..\\etc\\" << "-";
        QTest::newRow("slash inside a name") << "d:\\a/b\\" << "-";
    }

    void locationNamesAFolder()
    {
        QFETCH(QString, location);
        QFETCH(QString, folder);
        const std::optional<QString> named = BackupFolder(location, QStringLiteral("/srv/root"));
        QCOMPARE(named.value_or(QStringLiteral("-")), folder == u"-" ? folder : QStringLiteral("/srv/root") + folder);
    }

    void backupCopiesTheDatabase_data()
    {
        QTest::addColumn<QString>("location");  // "<tmp>" stands for the temporary folder
        QTest::addColumn<bool>("rootInTmp");
        QTest::addColumn<QString>("folder");

        QTest::newRow("drive c, folders with blanks, created")
            << "<c>/back up/shop copies" << false << "<tmp>/back up/shop copies";
        QTest::newRow("another drive under its mount point") << "q:\\Shop Data\\" << true << "<tmp>/mnt/q/Shop Data";
    }

    void backupCopiesTheDatabase()
    {
        MQT_FILE_ONLY();
        QFETCH(QString, location);
        QFETCH(bool, rootInTmp);
        QFETCH(QString, folder);
        QTemporaryDir tmp;
        location.replace(QStringLiteral("<c>"), tmp.path());
        if (location.startsWith(u'/')) location = OnDriveC(location);
        folder.replace(QStringLiteral("<tmp>"), tmp.path());

        test::RunningShop run;
        InstallHelpers(run, RealHelpers);
        SetLocation(run, location);
        run.shop.AddConsignor(QStringLiteral("Smith"), QStringLiteral("Ann"));
        QVERIFY(run.Start());
        BackupDatabase(run.CopyTools(), run.Shared().Settings.Backup, rootInTmp ? tmp.path() : QStringLiteral("/"));

        QCOMPARE(run.dialogs.Errors(), QStringList());
        QCOMPARE(run.dialogs.Messages(), QStringList{"File Backed up in " + folder});
        const QString copy = folder + QStringLiteral("/Marquill.mqt");
        QCOMPARE(QFileInfo(copy).size(), QFileInfo(run.shop.DatabasePath()).size());
        QVERIFY(!QFile::exists(folder + QStringLiteral("/test")));
        QCOMPARE(run.runner.calls.size(), 2);
        QCOMPARE(run.runner.calls[0].program, run.shop.Folder() + "/Makedir.sh");
        QCOMPARE(run.runner.calls[0].arguments, QStringList{folder});
        QCOMPARE(run.runner.calls[1].program, run.shop.Folder() + "/backup.sh");
        QCOMPARE(run.runner.calls[1].arguments, (QStringList{run.shop.DatabasePath(), copy}));
    }

    void backupFailureIsReported_data()
    {
        QTest::addColumn<int>("helpers");
        // "<tmp>": a fresh folder; "<file>": a folder below a file; "<shop>": the program folder
        QTest::addColumn<QString>("location");
        QTest::addColumn<QString>("error");     // its first line
        QTest::addColumn<int>("commands");
        QTest::addColumn<bool>("staleCopy");    // yesterday's copy of the same size is there

        QTest::newRow("destination cannot be created")
            << int(RealHelpers) << "<file>" << "Backup Destination not found" << 1 << false;
        QTest::newRow("copy command fails")
            << int(CopyExitsWithFailure) << "<tmp>" << "File not backed up in <tmp>" << 2 << false;
        QTest::newRow("copy command missing")
            << int(CopyMissing) << "<tmp>" << "File not backed up in <tmp>" << 2 << false;
        QTest::newRow("copy reported done but not there")
            << int(NothingRuns) << "<tmp>" << "File not backed up in <tmp>" << 2 << false;
        QTest::newRow("copy reported done, yesterday's copy of the same size there")
            << int(NothingRuns) << "<tmp>" << "File not backed up in <tmp>" << 2 << true;
        QTest::newRow("program folder itself")
            << int(RealHelpers) << "<shop>" << "File not backed up in <shop>" << 1 << false;
        QTest::newRow("no location set") << int(RealHelpers) << " "
                                         << "No backup location set - enter one under Parameters" << 0 << false;
    }

    void backupFailureIsReported()
    {
        if (FileRowInServerRun()) QSKIP("a shop file's own matter");
        QFETCH(int, helpers);
        QFETCH(QString, location);
        QFETCH(QString, error);
        QFETCH(int, commands);
        QFETCH(bool, staleCopy);
        QTemporaryDir tmp;
        QFile blocker(tmp.path() + QStringLiteral("/blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        if (location == u"<file>") location = OnDriveC(blocker.fileName() + QStringLiteral("/copies"));
        if (location == u"<tmp>") location = OnDriveC(tmp.path());
        error.replace(QStringLiteral("<tmp>"), tmp.path());

        test::RunningShop run;
        if (location == u"<shop>") location = OnDriveC(run.shop.Folder());
        error.replace(QStringLiteral("<shop>"), run.shop.Folder());
        InstallHelpers(run, Helpers(helpers));
        SetLocation(run, location);
        run.shop.AddConsignor(QStringLiteral("Smith"), QStringLiteral("Ann"), QStringLiteral("phone 555-1234"));
        const QString copy = tmp.path() + QStringLiteral("/Marquill.mqt");
        if (staleCopy) {
            QVERIFY(QFile::copy(run.shop.DatabasePath(), copy));
            run.shop.Exec(QStringLiteral("UPDATE consignor SET Notes = 'phone 555-9876'"));
            QCOMPARE(QFileInfo(copy).size(), QFileInfo(run.shop.DatabasePath()).size());
        }
        QVERIFY(run.Start());
        run.runner.calls.clear();  // a server shop's day copy runs pg_dump
        run.Menu().lblFunction_Click(MenuEntry::Backup);

        QCOMPARE(run.dialogs.Messages(), QStringList());
        QCOMPARE(run.dialogs.Errors().size(), 1);
        QCOMPARE(run.dialogs.Errors().first().section(u'\n', 0, 0), error);
        QCOMPARE(run.runner.calls.size(), commands);
        QCOMPARE(QFile::exists(copy), staleCopy);
        QVERIFY(run.Shared().database.IsOpen());
    }

    void walDatabaseIsBackedUpWithTheDaysWork()
    {
        MQT_FILE_ONLY();
        QTemporaryDir tmp;
        test::RunningShop run;
        InstallHelpers(run, RealHelpers);
        SetLocation(run, OnDriveC(tmp.path()));
        run.shop.AddConsignor(QStringLiteral("Smith"), QStringLiteral("Ann"),
                              QStringLiteral("$Rent=(amount=50,due=02/15/2024,interval=1)"));
        run.shop.Exec(QStringLiteral("PRAGMA journal_mode=WAL"));
        QVERIFY(run.Start());  // charges the rent due on 02/15/2024
        run.Menu().lblFunction_Click(MenuEntry::Backup);

        QCOMPARE(run.dialogs.Errors(), QStringList());
        QCOMPARE(run.shop.Value(QStringLiteral("PRAGMA journal_mode")).toString(), QStringLiteral("delete"));
        Connection copy = Connection::Open(tmp.path() + QStringLiteral("/Marquill.mqt"));
        Statement rent(copy, QStringLiteral("select ItemDesc from item"));
        QVERIFY(rent.Step());
        QCOMPARE(rent.Column(0).toString(), QStringLiteral("Rent - 02/15/2024"));
    }

    void backupOfADamagedDatabaseIsNotReportedAsDone()
    {
        MQT_FILE_ONLY();
        QTemporaryDir tmp;
        test::RunningShop run;
        InstallHelpers(run, RealHelpers);
        SetLocation(run, OnDriveC(tmp.path()));
        run.shop.AddManyItems(400);
        QVERIFY(run.Start());
        run.shop.DamageATablePage();  // a failing disk, during the day
        run.Menu().lblFunction_Click(MenuEntry::Backup);

        QCOMPARE(run.dialogs.Messages(), QStringList());
        QCOMPARE(run.dialogs.Errors().size(), 1);
        const QString copy = tmp.path() + QStringLiteral("/Marquill.mqt");
        QVERIFY2(run.dialogs.Errors().first().startsWith(QStringLiteral("File not backed up in ") + tmp.path() +
                                                          u'\n' + copy + QStringLiteral(" is damaged:\n")),
                 qPrintable(run.dialogs.Errors().first()));
    }

    void restoreBringsBackTheData()
    {
        MQT_FILE_ONLY();
        QTemporaryDir tmp;
        test::RunningShop run;
        InstallHelpers(run, RealHelpers);
        SetLocation(run, OnDriveC(tmp.path() + QStringLiteral("/shop backup")));
        run.shop.AddConsignor(QStringLiteral("Smith"), QStringLiteral("Ann"));
        QVERIFY(run.Start());
        run.Menu().lblFunction_Click(MenuEntry::Backup);
        QCOMPARE(run.dialogs.Errors(), QStringList());

        run.shop.AddConsignor(QStringLiteral("Later"), QStringLiteral("Lou"));
        QSignalSpy ended(&run.Menu(), &frmMenu::Ended);
        run.dialogs.Clear();
        run.dialogs.QueueAnswer(Yes);
        run.Menu().lblFunction_Click(MenuEntry::Restore);

        QCOMPARE(run.dialogs.Questions(), QStringList{RestoreQuestion});
        QCOMPARE(run.dialogs.Errors(), QStringList());
        QCOMPARE(run.dialogs.Messages(), QStringList{"Files restored - Restart program"});
        QCOMPARE(ended.size(), 1);
        QVERIFY(!run.Shared().database.IsOpen());
        QCOMPARE(run.shop.Column(QStringLiteral("select LastName from consignor")), QStringList{"Smith"});
        QCOMPARE(run.runner.calls.last().arguments,
                 (QStringList{tmp.path() + QStringLiteral("/shop backup/Marquill.mqt"), run.shop.DatabasePath()}));
    }

    void restoreNotDone_data()
    {
        // "none", "shop" (a copy of the shop's), "newer" (the same made by a newer version),
        // "tableless", or its bytes
        QTest::addColumn<QByteArray>("backup");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("errors");  // <copy>: the backup copy's path
        QTest::addColumn<QStringList>("questions");

        const QString refused =
            QStringLiteral("Backup Source is not a sound shop database - nothing restored\n<copy>\n");
        const QStringList none;
        QTest::newRow("no backup copy") << QByteArray("none") << int(Yes) << QStringList{"Backup Source not found"}
                                        << none;
        QTest::newRow("user answers No") << QByteArray("shop") << int(No) << none << QStringList{RestoreQuestion};
        QTest::newRow("garbage copy refused") << QByteArray("backup.sh was here\n").repeated(300) << int(Yes)
                                              << QStringList{refused + "file is not a database"} << none;
        QTest::newRow("empty copy refused") << QByteArray() << int(Yes)
                                            << QStringList{refused + "It has no table params"} << none;
        QTest::newRow("copy of a newer version refused")
            << QByteArray("newer") << int(Yes)
            << QStringList{refused + "This shop file was made by a newer version of Marquill"} << none;
        QTest::newRow("table-less database refused") << QByteArray("tableless") << int(Yes)
                                                     << QStringList{refused + "It has no table params"} << none;
    }

    void restoreNotDone()
    {
        if (FileRowInServerRun()) QSKIP("a shop file's own matter");
        QFETCH(QByteArray, backup);
        QFETCH(int, answer);
        QFETCH(QStringList, errors);
        QFETCH(QStringList, questions);
        QTemporaryDir tmp;
        const QString copy = tmp.path() + "/Marquill.mqt";
        errors.replaceInStrings(QStringLiteral("<copy>"), copy);
        test::RunningShop run;
        if (backup == "shop" || backup == "newer") {
            QVERIFY(QFile::copy(run.shop.DatabasePath(), copy));
            if (backup == "newer") Connection::Open(copy, false).Execute(QStringLiteral("PRAGMA user_version = 99"));
        } else if (backup == "tableless") {
            Connection::Open(copy, true).Execute(QStringLiteral("CREATE TABLE other (x)"));
        } else if (backup != "none") {
            QFile file(copy);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(backup) == backup.size());
        }
        InstallHelpers(run, RealHelpers);
        SetLocation(run, OnDriveC(tmp.path()));
        QVERIFY(run.Start());
        run.runner.calls.clear();  // a server shop's day copy runs pg_dump
        const QByteArray database = test::FileContents(run.shop.DatabasePath());
        QSignalSpy ended(&run.Menu(), &frmMenu::Ended);
        run.dialogs.QueueAnswer(answer);
        run.Menu().lblFunction_Click(MenuEntry::Restore);

        QCOMPARE(run.dialogs.Errors(), errors);
        QCOMPARE(run.dialogs.Questions(), questions);
        QCOMPARE(run.dialogs.Messages(), QStringList());
        QCOMPARE(run.runner.calls.size(), 0);
        QCOMPARE(ended.size(), 0);
        QVERIFY(run.Shared().database.IsOpen());
        QCOMPARE(test::FileContents(run.shop.DatabasePath()), database);
    }

    void backupLeavesAFileNamedTestAlone()
    {
        QTemporaryDir tmp;
        QFile notes(tmp.path() + QStringLiteral("/test"));
        QVERIFY(notes.open(QIODevice::WriteOnly) && notes.write("the shop's own notes") > 0);
        notes.close();
        test::RunningShop run;
        InstallHelpers(run, RealHelpers);
        SetLocation(run, OnDriveC(tmp.path()));
        QVERIFY(run.Start());
        run.Menu().lblFunction_Click(MenuEntry::Backup);

        QCOMPARE(run.dialogs.Messages(), QStringList{"File Backed up in " + tmp.path()});
        const QString backup = QLatin1String(test::ServerEngineWanted() ? ServerBackupName : ShopFileName);
        QCOMPARE(QDir(tmp.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name),
                 (QStringList{backup, "test"}));
        QCOMPARE(test::FileContents(notes.fileName()), QByteArray("the shop's own notes"));
    }

    void windowsKeepPaintingWhileACommandRuns()
    {
        MQT_FILE_ONLY();
        QTemporaryDir tmp;
        test::RunningShop run;
        InstallHelpers(run, RealHelpers);
        const QString copy = run.shop.Folder() + u'/' + QLatin1String(CopyFileCommand);
        QVERIFY(QFile::rename(copy, copy + QStringLiteral(".real")));
        WriteScript(copy, "sleep 1\nexec \"$0.real\" \"$@\"");
        SetLocation(run, OnDriveC(tmp.path()));
        QVERIFY(run.Start());

        // A timer, as the windows' painting, runs while the copy command
        // does, under the busy cursor.
        QList<bool> busy;
        QTimer tick;
        QObject::connect(&tick, &QTimer::timeout, [&] {
            const QCursor* cursor = QGuiApplication::overrideCursor();
            busy << (cursor && cursor->shape() == Qt::WaitCursor);
        });
        tick.start(100);
        run.Menu().lblFunction_Click(MenuEntry::Backup);
        tick.stop();

        QCOMPARE(run.dialogs.Messages(), QStringList{"File Backed up in " + tmp.path()});
        QVERIFY2(busy.size() >= 5, qPrintable(QString::number(busy.size())));
        QVERIFY(!busy.contains(false));
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void restoreCopyFailure_data()
    {
        QTest::addColumn<int>("helpers");
        QTest::addColumn<bool>("programEnds");

        QTest::newRow("copy fails, database untouched: opened again") << int(CopyExitsWithFailure) << false;
        QTest::newRow("copy command missing: opened again") << int(CopyMissing) << false;
        QTest::newRow("copy damages the database then fails: program ends") << int(CopyTruncatesThenFails) << true;
    }

    void restoreCopyFailure()
    {
        MQT_FILE_ONLY();
        QFETCH(int, helpers);
        QFETCH(bool, programEnds);
        QTemporaryDir tmp;
        test::RunningShop run;
        InstallHelpers(run, RealHelpers);
        SetLocation(run, OnDriveC(tmp.path()));
        QVERIFY(run.Start());
        run.Menu().lblFunction_Click(MenuEntry::Backup);
        QVERIFY(QFile::exists(tmp.path() + QStringLiteral("/Marquill.mqt")));

        for (const char* command : {MakeFolderCommand, CopyFileCommand})
            QFile::remove(run.shop.Folder() + u'/' + QLatin1String(command));
        InstallHelpers(run, Helpers(helpers));
        run.dialogs.Clear();
        QSignalSpy ended(&run.Menu(), &frmMenu::Ended);
        run.dialogs.QueueAnswer(Yes);
        run.Menu().lblFunction_Click(MenuEntry::Restore);

        QCOMPARE(run.dialogs.Messages(), QStringList());
        QCOMPARE(run.dialogs.Errors().size(), 1);
        QVERIFY(run.dialogs.Errors().first().startsWith(QStringLiteral("Files not restored\n")));
        QCOMPARE(ended.size(), programEnds ? 1 : 0);
        QCOMPARE(run.Shared().database.IsOpen(), !programEnds);
        if (!programEnds) {
            // The program goes on with its database.
            run.Shared().Data2.RecordSource(QStringLiteral("select * from consignor"));
            run.Shared().Data2.Refresh();
        }
    }
};

QTEST_MAIN(TestBackupRestore)
#include "test_backuprestore.moc"
