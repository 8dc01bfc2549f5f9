// SPDX-License-Identifier: GPL-3.0-or-later
// One program per shop: a second start on a shop that is open is refused and
// touches nothing, the lock of a program that died is cleared, and a folder
// without a shop says what to do.

#include "app/ShopLauncher.h"
#include "support/RunningShop.h"

#include <QCryptographicHash>
#include <QProcess>
#include <QSysInfo>
#include <QtTest>

using namespace mqt;

namespace {

constexpr int LockWaitMs = 60 * 1000;  // the real program starts on a busy machine too

// Every file below a folder, with its contents' hash.
QStringList Snapshot(const QString& folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (!file.open(QIODevice::ReadOnly)) return {file.fileName() + QStringLiteral(" unreadable")};
        files << file.fileName() + u' ' +
                     QString::fromLatin1(QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1).toHex());
    }
    files.sort();
    return files;
}

// The real program, started on a shop in a process of its own.
class OtherProcess {
public:
    explicit OtherProcess(const QString& shop) : shop_(shop)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process_.setProcessEnvironment(environment);
        process_.start(QStringLiteral(MQT_PROGRAM_DIR "/marquill"), {QStringLiteral("--shop"), shop});
        process_.waitForStarted();
    }
    ~OtherProcess()
    {
        process_.kill();
        process_.waitForFinished();
    }
    // Whether it holds the shop's lock and has made the day's safety copy,
    // its last write at start-up on a shop with a params row and no rent.
    bool Started()
    {
        QElapsedTimer waited;
        waited.start();
        while (!HasStarted() && process_.state() == QProcess::Running && waited.elapsed() < LockWaitMs)
            QTest::qWait(20);
        return HasStarted() && process_.state() == QProcess::Running;
    }
    void Kill()
    {
        process_.kill();
        process_.waitForFinished();
    }
    qint64 Id() const { return process_.processId(); }

private:
    bool HasStarted() const
    {
        return QFile::exists(shop_ + QStringLiteral("/Marquill.lock")) &&
               !QDir(shop_ + QStringLiteral("/safety")).entryList({QStringLiteral("Marquill-*.mqt")}).isEmpty();
    }

    QString shop_;
    QProcess process_;
};

QString AlreadyOpen(qint64 process)
{
    return QStringLiteral("Marquill is already open on this shop (on %1, process %2)")
        .arg(QSysInfo::machineHostName())
        .arg(process);
}

enum FirstProgram { InThisProcess, InAnotherProcess };
enum SecondStart { Program_, Launcher };

}  // namespace

class TestShopLock : public QObject {
    Q_OBJECT

private slots:
    void secondStartOnAnOpenShopIsRefused_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::newRow("second program beside one in this process") << int(InThisProcess) << int(Program_);
        QTest::newRow("second program beside one in another process") << int(InAnotherProcess) << int(Program_);
        QTest::newRow("launcher while the program runs") << int(InThisProcess) << int(Launcher);
    }

    void secondStartOnAnOpenShopIsRefused()
    {
        QFETCH(int, first);
        QFETCH(int, second);
        test::RunningShop run;
        run.shop.Exec(QStringLiteral("INSERT INTO params VALUES (0, 0, 0, ' ')"));
        std::unique_ptr<OtherProcess> other;
        qint64 holder = QCoreApplication::applicationPid();
        if (first == InThisProcess) {
            // Rent falls due again on 03/15/2024: a second program on 03/20 would charge it.
            run.shop.AddConsignor(QStringLiteral("Smith"), QStringLiteral("Ann"),
                                  QStringLiteral("$Rent=(amount=50,due=02/15/2024,interval=1)"));
            QVERIFY(run.Start());
        } else {
            other = std::make_unique<OtherProcess>(run.shop.Folder());
            QVERIFY(other->Started());
            holder = other->Id();
        }
        const QStringList before = Snapshot(run.shop.Folder());

        test::ScriptedDialogs dialogs;
        if (second == Launcher) {
            QCOMPARE(PrepareShop(run.shop.Folder(), QStringLiteral(MQT_PROGRAM_DIR), dialogs), LaunchOutcome::Failed);
        } else {
            test::FixedClock later(QDate(2024, 3, 20));  // a day with rent due and no safety copy yet
            test::RecordingRunner runner;
            Program program(run.shop.Folder(), dialogs, later, runner);
            QVERIFY(!program.Start());
            QVERIFY(!program.Menu().isVisible());
            QVERIFY(!program.Shared().database.IsOpen());
        }
        QCOMPARE(dialogs.Errors(), QStringList{AlreadyOpen(holder)});
        QCOMPARE(dialogs.Questions(), QStringList());
        QCOMPARE(Snapshot(run.shop.Folder()), before);
        if (first == InThisProcess) {  // the first goes on
            QVERIFY(run.Menu().isVisible());
            run.Shared().Data2.RecordSource(QStringLiteral("select * from consignor"));
            run.Shared().Data2.Refresh();
            QVERIFY(!run.Shared().Data2.Recordset().Eof());
        }
    }

    void lockOfAProgramThatDiedIsCleared()
    {
        test::RunningShop run;
        run.shop.Exec(QStringLiteral("INSERT INTO params VALUES (0, 0, 0, ' ')"));
        {
            OtherProcess died(run.shop.Folder());
            QVERIFY(died.Started());
            died.Kill();
        }
        QVERIFY(QFile::exists(run.shop.Folder() + QStringLiteral("/Marquill.lock")));
        QVERIFY(run.Start());
        QCOMPARE(run.dialogs.Errors(), QStringList());
        QVERIFY(run.Menu().isVisible());
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
        QTemporaryDir home;
        const QString folder = home.path() + QStringLiteral("/shop");
        if (folderExists) QVERIFY(QDir().mkpath(folder));
        test::ScriptedDialogs dialogs;
        test::FixedClock clock;
        test::RecordingRunner runner;
        Program program(folder, dialogs, clock, runner);
        QVERIFY(!program.Start());

        QCOMPARE(dialogs.Errors().size(), 1);
        const QStringList lines = dialogs.Errors().first().split(u'\n');
        QVERIFY2(lines.first().endsWith(QStringLiteral("unable to open database file")), qPrintable(lines.first()));
        QCOMPARE(lines.mid(1), QStringList{QStringLiteral("There is no shop in %1. Start marquill-launcher to create "
                                                          "a shop, or give --shop FOLDER")
                                               .arg(folder)});
        QCOMPARE(QDir(home.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 folderExists ? QStringList{"shop"} : QStringList());
        if (folderExists)
            QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
    }
};

QTEST_MAIN(TestShopLock)
#include "test_shoplock.moc"
