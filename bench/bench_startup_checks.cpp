// SPDX-License-Identifier: GPL-3.0-or-later
// Times the checks that start-up and the safety copies add, on a shop of 1,000
// consignors and 100,000 items: PRAGMA quick_check on the open database, one
// safety copy (online backup and integrity_check of the copy), and the whole
// start-up of the program with and without the day's safety copy.
// Run with QT_QPA_PLATFORM=offscreen. The file is in the page cache after it
// is made, so the figures are those of a warm start.

#include "SampleShop.h"
#include "UnattendedDialogs.h"
#include "app/Program.h"
#include "common/Clock.h"
#include "common/CommandRunner.h"
#include "store/Database.h"
#include "store/IntegrityCheck.h"
#include "store/OnlineBackup.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>

#include <functional>

using namespace mqt;

namespace {

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
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Marquill.mqt"));
    {
        Connection connection = CreateSampleShop(path, 1000, 100000);
    }
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
    for (const char* what : {"start-up with the day's safety copy", "start-up, copy made already today"}) {
        const double ms = Time(1, [&] {
            Program program(folder.path(), dialogs, clock, commands);
            program.Start();
        });
        out << QStringLiteral("%1: %2 ms\n").arg(QLatin1String(what), -38).arg(ms, 0, 'f', 1);
    }
    return 0;
}
