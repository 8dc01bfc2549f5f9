// SPDX-License-Identifier: GPL-3.0-or-later
// Times the checks that start-up and the safety copies add, on a sample shop
// (1,000 consignors and 100,000 items unless the arguments say otherwise, see
// BenchShop.h): PRAGMA quick_check on the open database, one safety copy
// (online backup and integrity_check of the copy), and the program's start-up
// to the menu shown, the first of the day (with the day's safety copy, whose
// full check runs beside the menu) and a later one. The shop was started the
// day before, so the day's start charges only the day's rents.
// Run with QT_QPA_PLATFORM=offscreen. The file is in the page cache after it
// is made, so the figures are those of a warm start.

#include "BenchShop.h"
#include "UnattendedDialogs.h"
#include "app/Program.h"
#include "common/Clock.h"
#include "common/CommandRunner.h"
#include "store/Database.h"
#include "store/sqlite/IntegrityCheck.h"
#include "store/sqlite/OnlineBackup.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>

#include <ctime>
#include <functional>
#include <memory>

using namespace mqt;

namespace {

// The day the program is started on; the time stays the real time.
class DayClock final : public Clock {
public:
    QDateTime Now() const override { return QDateTime::currentDateTime().addDays(daysBack); }
    int daysBack = 0;
};

// Processor time of the calling thread so far: on a busy machine the elapsed
// time says more about the other programs than about this one.
double ThreadMilliseconds()
{
    timespec time{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &time);
    return double(time.tv_sec) * 1e3 + double(time.tv_nsec) / 1e6;
}

// Milliseconds per run, over `repeat` runs.
double Time(int repeat, const std::function<void()>& run)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < repeat; ++i) run();
    return double(timer.nsecsElapsed()) / 1e6 / repeat;
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QTextStream out(stdout);
    const BenchShop shop = BenchShop::FromArguments(1000, 100000);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Marquill.mqt"));
    shop.Make(path);
    out << "a shop of " << shop.Described() << '\n';
    out << QStringLiteral("database file: %1 MB\n").arg(double(QFileInfo(path).size()) / 1e6, 0, 'f', 1);

    SystemClock clock;
    {
        Database database(clock);
        database.Open(path);
        QString findings;
        out << QStringLiteral("quick_check: %1 ms\n")
                   .arg(Time(5, [&] { findings = QuickCheckFindings(database.connection()); }), 0, 'f', 1);
        if (!findings.isEmpty()) out << findings << '\n';

        int copies = 0;
        const double copyMs = Time(3, [&] {
            const QString copy = folder.filePath(QStringLiteral("copy%1.mqt").arg(++copies));
            CopyDatabase(database.connection(), copy);
        });
        out << QStringLiteral("online backup to a new file: %1 ms\n").arg(copyMs, 0, 'f', 1);
        out << QStringLiteral("integrity_check of the copy, read-only: %1 ms\n")
                   .arg(Time(3, [&] { findings = IntegrityCheckFindings(folder.filePath(QStringLiteral("copy1.mqt"))); }),
                        0, 'f', 1);
    }

    UnattendedDialogs dialogs;
    ProcessRunner commands;
    DayClock day;
    day.daysBack = -1;
    {
        // Yesterday's start charges the rents due until then and makes yesterday's copy.
        Program yesterday(folder.path(), dialogs, day, commands);
        yesterday.Start();
    }
    day.daysBack = 0;
    for (const char* what : {"start-up with the day's safety copy", "start-up, copy made already today"}) {
        QElapsedTimer timer;
        timer.start();
        const double before = ThreadMilliseconds();
        auto program = std::make_unique<Program>(folder.path(), dialogs, day, commands);
        program->Start();
        QCoreApplication::processEvents();
        const double menu = double(timer.nsecsElapsed()) / 1e6;
        const double processor = ThreadMilliseconds() - before;
        // Ending the program waits for a check still running beside the menu.
        program.reset();
        const double ended = double(timer.nsecsElapsed()) / 1e6;
        out << QStringLiteral("%1: menu shown after %2 ms (processor %3 ms), program ended after %4 ms\n")
                   .arg(QLatin1String(what), -38)
                   .arg(menu, 0, 'f', 1)
                   .arg(processor, 0, 'f', 1)
                   .arg(ended, 0, 'f', 1);
    }
    return 0;
}
