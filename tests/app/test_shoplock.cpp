// SPDX-License-Identifier: GPL-3.0-or-later
// One program per shop: a second start on an open shop is refused and
// touches nothing, the lock of a program that died is cleared, and a folder
// without a shop says what to do.

#include "app/ShopLauncher.h"
#include "support/RunningShop.h"

#include <QProcess>
#include <QSysInfo>
#include <QtTest>

using namespace mqt;

namespace {

// The real program in a process of its own on a shop with a params row and
// no rent, where the day's safety copy is its last write at start-up.
struct OtherProgram {
    explicit OtherProgram(const QString& shop) : shop(shop)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(MQT_PROGRAM_DIR "/marquill"), {QStringLiteral("--shop"), shop});
        process.waitForStarted();
    }
    ~OtherProgram()
    {
        process.kill();
        process.waitForFinished();
    }
    bool Started()
    {
        QElapsedTimer waited;
        waited.start();
        while (SafetyCopies().isEmpty() && process.state() == QProcess::Running && waited.elapsed() < 60000)
            QTest::qWait(20);
        return !SafetyCopies().isEmpty() && QFile::exists(shop + QStringLiteral("/.Marquill.lock"));
    }
    QStringList SafetyCopies() const
    {
        return QDir(shop + QStringLiteral("/safety")).entryList(QStringList{"Marquill-*.mqt"});
    }

    QString shop;
    QProcess process;
};

}  // namespace

class TestShopLock : public QObject {
    Q_OBJECT

private slots:
    void secondStartOnAnOpenShopIsRefused_data()
    {
        QTest::addColumn<bool>("firstInThisProcess");
        QTest::addColumn<bool>("launcher");  // else a second program
        QTest::newRow("second program beside one in this process") << true << false;
        QTest::newRow("second program beside one in another process") << false << false;
        QTest::newRow("launcher while the program runs") << true << true;
    }

    void secondStartOnAnOpenShopIsRefused()
    {
        QFETCH(bool, firstInThisProcess);
        QFETCH(bool, launcher);
        test::RunningShop run;
        run.shop.Exec(QStringLiteral("INSERT INTO params (Commission, Rounding, PriceOverride, Backup) VALUES (0, 0, 0, ' ')"));
        std::unique_ptr<OtherProgram> other;
        if (firstInThisProcess) {
            QVERIFY(run.Start());
        } else {
            other = std::make_unique<OtherProgram>(run.shop.Folder());
            QVERIFY(other->Started());
        }
        const QByteArray database = test::FileContents(run.shop.DatabasePath());
        const QStringList copies = QDir(run.shop.Folder() + QStringLiteral("/safety")).entryList(QDir::Files);

        test::ScriptedDialogs dialogs;
        if (launcher) {
            QCOMPARE(PrepareShop(run.shop.Folder(), QStringLiteral(MQT_PROGRAM_DIR), dialogs), LaunchOutcome::Failed);
        } else {
            test::FixedClock nextDay(QDate(2024, 2, 21));  // would make the day's safety copy
            test::RecordingRunner runner;
            QVERIFY(!Program(run.shop.Folder(), dialogs, nextDay, runner).Start());
        }
        const qint64 holder = other ? other->process.processId() : QCoreApplication::applicationPid();
        QCOMPARE(dialogs.shown().size(), 1);
        const QString open = QStringLiteral("Marquill is already open on this shop (on %1, process %2)");
        QCOMPARE(dialogs.Errors(), QStringList{open.arg(QSysInfo::machineHostName()).arg(holder)});
        QCOMPARE(test::FileContents(run.shop.DatabasePath()), database);
        QCOMPARE(QDir(run.shop.Folder() + QStringLiteral("/safety")).entryList(QDir::Files), copies);
        if (firstInThisProcess) QVERIFY(run.Menu().isVisible() && run.Shared().database.IsOpen());
    }

    void lockOfAProgramThatDiedIsCleared()
    {
        test::RunningShop run;
        run.shop.Exec(QStringLiteral("INSERT INTO params (Commission, Rounding, PriceOverride, Backup) VALUES (0, 0, 0, ' ')"));
        {
            OtherProgram died(run.shop.Folder());
            QVERIFY(died.Started());
            died.process.kill();
            died.process.waitForFinished();
        }
        QVERIFY(QFile::exists(run.shop.Folder() + QStringLiteral("/.Marquill.lock")));
        QVERIFY(run.Start());
        QCOMPARE(run.dialogs.Errors(), QStringList());
    }

    void folderWithoutAShopSaysWhatToDo_data()
    {
        QTest::addColumn<bool>("folderExists");
        QTest::newRow("empty folder") << true;
        QTest::newRow("folder that does not exist") << false;
    }

    void folderWithoutAShopSaysWhatToDo()
    {
        QFETCH(bool, folderExists);
        test::RunningShop run(false);
        const QString folder = run.shop.Folder() + QStringLiteral("/shop");
        if (folderExists) QVERIFY(QDir().mkpath(folder));
        QVERIFY(!Program(folder, run.dialogs, run.clock, run.runner).Start());

        const QStringList lines = run.dialogs.Errors().value(0).split(u'\n');
        QVERIFY2(lines.first().endsWith(QStringLiteral("unable to open database file")), qPrintable(lines.first()));
        QCOMPARE(lines.mid(1), QStringList{QStringLiteral("There is no shop in %1. Start marquill-launcher to create "
                                                          "a shop, or give --shop FOLDER")
                                               .arg(folder)});
        QCOMPARE(QDir(folder).exists(), folderExists);
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
    }
};

QTEST_MAIN(TestShopLock)
#include "test_shoplock.moc"
