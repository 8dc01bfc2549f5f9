// SPDX-License-Identifier: GPL-3.0-or-later
// Safety copies: their names and rotation, the copies made at start-up and
// before a restore or a purge, and the database check at start-up.

#include "store/sqlite/IntegrityCheck.h"
#include "support/RunningShop.h"
#include "utility/BackupRestore.h"
#include "utility/SafetyCopies.h"

#include <QSignalSpy>
#include <QtTest>

using namespace mqt;

namespace {

const QDateTime Now(QDate(2026, 12, 7), QTime(10, 0));

QString Daily(int daysAgo) { return NameSafetyCopy(Now.addDays(-daysAgo), SafetyReason::Daily); }

QStringList Dailies(int count)
{
    QStringList names;
    for (int day = 0; day < count; ++day) names << Daily(day);
    return names;
}

QStringList SafetyFiles(const test::RunningShop& run)
{
    return QDir(run.shop.Folder() + QStringLiteral("/safety")).entryList(QDir::Files, QDir::Name);
}

// Every row of the three tables, column values joined, in stored order.
QStringList Rows(const QString& path)
{
    const Connection connection = Connection::OpenReadOnly(path);
    QStringList rows;
    for (const char* table : {"params", "consignor", "item"}) {
        Statement select(connection, QStringLiteral("select * from %1 order by rowid").arg(QLatin1String(table)));
        while (select.Step()) {
            QStringList values{QLatin1String(table)};
            for (int c = 0; c < select.ColumnCount(); ++c) {
                const QVariant value = select.Column(c);
                values << (value.isNull() ? QStringLiteral("NULL") : value.toString());
            }
            rows << values.join(u'|');
        }
    }
    return rows;
}

// The shop's real helper commands, run for real.
void InstallHelpers(test::RunningShop& run)
{
    for (const char* command : {MakeFolderCommand, CopyFileCommand}) {
        const QString name = QLatin1String(command);
        QVERIFY(QFile::copy(QStringLiteral(MQT_PROGRAM_DIR "/") + name, run.shop.Folder() + u'/' + name));
    }
    run.runner.passThrough = true;
}

// A shop whose backup folder holds a copy of its empty database, and which
// now has one item sold and paid on 02/01/2024.
void PrepareShop(test::RunningShop& run, const QTemporaryDir& backup)
{
    QString location = QStringLiteral("c:") + backup.path() + u'/';
    location.replace(u'/', u'\\');
    run.shop.Exec(QStringLiteral("INSERT INTO params (Commission, Rounding, PriceOverride, Backup) VALUES (0, 0, 0, ?)"), {location});
    QVERIFY(QFile::copy(run.shop.DatabasePath(), backup.path() + QStringLiteral("/Marquill.mqt")));
    run.shop.AddConsignor(QStringLiteral("Dvořák"), QStringLiteral("Ann"), QStringLiteral("line 1\nline 2"));
    run.shop.AddItem(QStringLiteral("Dvořák"), QStringLiteral("Ann"), QStringLiteral("oak chair \U0001FA91"),
                     {"furniture", {}, 10.0, 20.5, "2024-01-10", "2024-01-20", "2024-02-01", {}, "scratched"});
}

// No menu entry: the start-up alone.
constexpr int StartUpAlone = -1;

// Runs Restore or Delete Paid Items from the menu, answering Yes.
void RunStep(test::RunningShop& run, int entry)
{
    if (entry == MenuEntry::DeletePaidItems) run.dialogs.QueueInput(QStringLiteral("3/1/2024"));
    run.dialogs.QueueAnswer(Yes);
    run.Menu().lblFunction_Click(entry);
}

}  // namespace

class TestSafetyCopies : public QObject {
    Q_OBJECT

private slots:
    void rotation_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("removed");

        const QString restore30 = NameSafetyCopy(Now.addDays(-30), SafetyReason::BeforeRestore);
        const QString purge89 = NameSafetyCopy(Now.addDays(-89), SafetyReason::BeforePurge);
        const QString purge91 = NameSafetyCopy(Now.addDays(-91), SafetyReason::BeforePurge);
        QStringList sparse;
        for (int i = 0; i < 16; ++i) sparse << Daily(10 * i);

        QTest::newRow("14 daily copies all kept") << Dailies(14) << QStringList();
        QTest::newRow("the 15th daily copy goes, the oldest") << Dailies(15) << QStringList{Daily(14)};
        QTest::newRow("daily copies kept by count, not by age") << sparse << QStringList{Daily(140), Daily(150)};
        QTest::newRow("30-day-old pre-restore copy kept beside 15 daily ones")
            << Dailies(15) + QStringList{restore30} << QStringList{Daily(14)};
        QTest::newRow("pre-purge copies: 91 days old goes, 89 days old stays")
            << QStringList{purge91, purge89} << QStringList{purge91};
        QTest::newRow("of two copies in one second the second is the newer")
            << Dailies(13) + QStringList{NameSafetyCopy(Now.addDays(-13), SafetyReason::Daily, 2), Daily(13)}
            << QStringList{Daily(13)};
        QTest::newRow("a server shop's dumps count with the file's copies")
            << Dailies(14) + QStringList{NameSafetyCopy(Now.addSecs(60), SafetyReason::Daily, 1, DumpFileSuffix)}
            << QStringList{Daily(13)};
        QTest::newRow("a dump made before a purge is kept 90 days")
            << QStringList{NameSafetyCopy(Now.addDays(-91), SafetyReason::BeforePurge, 1, DumpFileSuffix),
                           NameSafetyCopy(Now.addDays(-89), SafetyReason::BeforePurge, 1, DumpFileSuffix)}
            << QStringList{"Marquill-2026-09-07-100000-before-purge.dump"};
        QTest::newRow("other files stay")
            << Dailies(15) + QStringList{"Marquill.mqt", "notes.txt", Daily(300) + ".part", "Marquill-2020-02-30-093000.mqt",
                                         "Marquill-2020-01-01-093000-before-lunch.mqt",
                                         "Marquill-2020-01-01-093000.sql"}
            << QStringList{Daily(14)};
    }

    void rotation()
    {
        QFETCH(QStringList, names);
        QFETCH(QStringList, removed);
        QCOMPARE(SafetyCopiesToRemove(names, Now), removed);
    }

    void onceADayAtStartUpBeforeRentIsCharged()
    {
        test::RunningShop run;
        run.shop.AddConsignor(QStringLiteral("Smith"), QStringLiteral("Ann"),
                              QStringLiteral("$Rent=(amount=50,due=02/15/2024,interval=1)"));
        QVERIFY(run.Start());
        QVERIFY(run.Start());
        QCOMPARE(SafetyFiles(run), QStringList{"Marquill-2024-02-20-100000.mqt"});
        const QString first = run.shop.Folder() + QStringLiteral("/safety/Marquill-2024-02-20-100000.mqt");
        QCOMPARE(Rows(first).filter(QStringLiteral("item|")), QStringList());  // the rent came after the copy
        QCOMPARE(run.shop.Column(QStringLiteral("select count(*) from item")), QStringList{"1"});

        run.clock.SetToday(QDate(2024, 2, 21));
        QVERIFY(run.Start());
        QCOMPARE(SafetyFiles(run),
                 (QStringList{"Marquill-2024-02-20-100000.mqt", "Marquill-2024-02-21-100000.mqt"}));
        QCOMPARE(run.dialogs.Errors(), QStringList());
    }

    void dailyCopyIsCheckedBesideTheMenu_data()
    {
        QTest::addColumn<bool>("indexDisagrees");  // the start-up's quick_check passes, integrity_check does not
        QTest::addColumn<bool>("startUpFails");    // after the copy, before the menu shows
        QTest::newRow("a copy failing its check is deleted") << true << false;
        QTest::newRow("start-up failing later keeps a sound copy") << false << true;
        QTest::newRow("start-up failing later still checks the copy") << true << true;
    }

    void dailyCopyIsCheckedBesideTheMenu()
    {
        QFETCH(bool, indexDisagrees);
        QFETCH(bool, startUpFails);
        test::RunningShop run;
        run.shop.Exec(QStringLiteral("INSERT INTO params (Commission, Rounding, PriceOverride, Backup) VALUES (?, 0, 0, ' ')"), {startUpFails ? 99999 : 0});
        run.shop.AddItem(QStringLiteral("Smith"), QStringLiteral("Ann"), QStringLiteral("lamp"), {"lighting", "desk"});
        if (indexDisagrees) {
            Connection connection = Connection::Open(run.shop.DatabasePath());
            connection.Execute(QStringLiteral("CREATE INDEX item_category ON item (Category)"));
            connection.Execute(QStringLiteral("PRAGMA writable_schema = ON"));
            connection.Execute(QStringLiteral("UPDATE sqlite_schema SET sql = 'CREATE INDEX item_category ON item "
                                              "(Subcategory)' WHERE name = 'item_category'"));
        }

        QCOMPARE(run.Start(), !startUpFails);
        if (startUpFails) {
            run.program.reset();
            QCOMPARE(SafetyFiles(run), indexDisagrees ? QStringList() : QStringList{"Marquill-2024-02-20-100000.mqt"});
            return;
        }
        QVERIFY(run.Menu().isVisible());
        QTRY_COMPARE(run.dialogs.Errors().size(), 1);
        const QString error = run.dialogs.Errors().first();
        QCOMPARE(error.section(u'\n', 0, 1),
                 QStringLiteral("Safety copy not made - the program goes on without one\nThe copy failed its check:"));
        QVERIFY2(error.contains(QStringLiteral("item_category")), qPrintable(error));
        QCOMPARE(SafetyFiles(run), QStringList());
        QVERIFY(run.Shared().database.IsOpen());
    }

    void noCopyNoStep_data()
    {
        QTest::addColumn<int>("entry");  // the menu entry run after the start-up
        QTest::addColumn<QString>("error");
        QTest::newRow("start-up goes on") << StartUpAlone << "Safety copy not made - the program goes on without one";
        QTest::newRow("restore does nothing") << int(MenuEntry::Restore) << "Safety copy not made - nothing restored";
        QTest::newRow("purge deletes nothing")
            << int(MenuEntry::DeletePaidItems) << "Safety copy not made - no items deleted";
    }

    void noCopyNoStep()
    {
        QFETCH(int, entry);
        QFETCH(QString, error);
        QTemporaryDir backup;
        test::RunningShop run;
        PrepareShop(run, backup);
        QFile blocker(run.shop.Folder() + QStringLiteral("/safety"));  // a file where the folder should be
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();

        QVERIFY(run.Start());
        QVERIFY(run.Menu().isVisible());
        if (entry != StartUpAlone) {
            run.dialogs.Clear();
            QSignalSpy ended(&run.Menu(), &frmMenu::Ended);
            RunStep(run, entry);
            QCOMPARE(ended.size(), 0);
            QVERIFY(run.Shared().database.IsOpen());
        }
        QCOMPARE(run.dialogs.Errors().size(), 1);
        QCOMPARE(run.dialogs.Errors().first().section(u'\n', 0, 0), error);
        QVERIFY2(run.dialogs.Errors().first().contains(QStringLiteral("/safety cannot be created")),
                 qPrintable(run.dialogs.Errors().first()));
        QCOMPARE(run.dialogs.Messages(), QStringList());
        QCOMPARE(run.runner.calls.size(), 0);
        QCOMPARE(run.shop.Column(QStringLiteral("select count(*) from item")), QStringList{"1"});
        QVERIFY(QFileInfo(blocker.fileName()).isFile());
    }

    void stepCanBeUndoneFromItsCopy_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("copy");
        QTest::newRow("restore") << int(MenuEntry::Restore) << "Marquill-2024-02-20-100000-before-restore.mqt";
        QTest::newRow("purge") << int(MenuEntry::DeletePaidItems) << "Marquill-2024-02-20-100000-before-purge.mqt";
    }

    void stepCanBeUndoneFromItsCopy()
    {
        QFETCH(int, entry);
        QFETCH(QString, copy);
        QTemporaryDir backup;
        test::RunningShop run;
        InstallHelpers(run);
        PrepareShop(run, backup);
        QVERIFY(run.Start());
        const QStringList before = Rows(run.shop.DatabasePath());
        run.dialogs.Clear();
        RunStep(run, entry);

        QCOMPARE(run.dialogs.Errors(), QStringList());
        QCOMPARE(run.shop.Column(QStringLiteral("select count(*) from item")), QStringList{"0"});
        QCOMPARE(SafetyFiles(run), (QStringList{copy, "Marquill-2024-02-20-100000.mqt"}));
        QCOMPARE(Rows(run.shop.Folder() + QStringLiteral("/safety/") + copy), before);
    }

    void twoPurgesInOneSecondEachMakeTheirCopy()
    {
        QTemporaryDir backup;
        test::RunningShop run;
        PrepareShop(run, backup);
        // The working file of a copy under way elsewhere is not this program's to touch.
        QVERIFY(QDir().mkpath(run.shop.Folder() + QStringLiteral("/safety")));
        QFile foreign(run.shop.Folder() + QStringLiteral("/safety/Marquill-2024-02-20-100000.mqt.part"));
        QVERIFY(foreign.open(QIODevice::WriteOnly) && foreign.write("half a copy") > 0);
        foreign.close();
        QVERIFY(run.Start());
        RunStep(run, MenuEntry::DeletePaidItems);
        RunStep(run, MenuEntry::DeletePaidItems);

        QCOMPARE(run.dialogs.Errors(), QStringList());
        const QStringList copies{"Marquill-2024-02-20-100000-2-before-purge.mqt",
                                 "Marquill-2024-02-20-100000-before-purge.mqt"};
        QCOMPARE(SafetyFiles(run),
                 copies + QStringList({"Marquill-2024-02-20-100000.mqt", "Marquill-2024-02-20-100000.mqt.part"}));
        QCOMPARE(test::FileContents(foreign.fileName()), QByteArray("half a copy"));
        for (const QString& copy : copies)
            QCOMPARE(IntegrityCheckFindings(run.shop.Folder() + QStringLiteral("/safety/") + copy), QString());
    }

    void damagedDatabaseIsRefusedAndLeftUnchanged_data()
    {
        QTest::addColumn<bool>("earlierCopy");
        QTest::addColumn<QString>("named");
        QTest::newRow("the newest safety copy is named")
            << true << "The newest safety copy is <shop>/safety/Marquill-2024-02-20-100000.mqt.";
        QTest::newRow("no safety copy yet") << false << "There is no safety copy in <shop>/safety.";
    }

    void damagedDatabaseIsRefusedAndLeftUnchanged()
    {
        QFETCH(bool, earlierCopy);
        QFETCH(QString, named);
        test::RunningShop run;
        named.replace(QStringLiteral("<shop>"), run.shop.Folder());
        run.shop.Exec(QStringLiteral("INSERT INTO params (Commission, Rounding, PriceOverride, Backup) VALUES (0, 0, 0, ' ')"));
        run.shop.AddManyItems(400);
        if (earlierCopy) {
            QVERIFY(run.Start());
            run.program.reset();
        }
        run.shop.DamageATablePage();
        const QByteArray damaged = test::FileContents(run.shop.DatabasePath());
        const QStringList copies = SafetyFiles(run);

        run.clock.SetToday(QDate(2024, 2, 21));
        QVERIFY(!run.Start());
        QCOMPARE(run.dialogs.Errors().size(), 1);
        const QString error = run.dialogs.Errors().first();
        QVERIFY2(error.startsWith(QStringLiteral("The database %1 is damaged").arg(run.shop.DatabasePath())),
                 qPrintable(error));
        QVERIFY2(error.contains(QStringLiteral("page")), qPrintable(error));  // the engine's finding
        QVERIFY2(error.contains(named), qPrintable(error));
        QVERIFY(!run.Menu().isVisible());
        QCOMPARE(test::FileContents(run.shop.DatabasePath()), damaged);
        QCOMPARE(SafetyFiles(run), copies);
    }
};

QTEST_MAIN(TestSafetyCopies)
#include "test_safetycopies.moc"
