// SPDX-License-Identifier: GPL-3.0-or-later
// Times start-up on a shop of 10,000 consignors, a fifth of them with rent
// due, and 100,000 items (other sizes from the arguments, see BenchShop.h): from process start to the menu shown, each time on
// a fresh copy of the shop, so every start charges all those rents. The
// start-up runs in a child process; the parent times it from the moment it
// starts the process to the moment the process has ended.
// Run with QT_QPA_PLATFORM=offscreen.

#include "BenchShop.h"
#include "app/Program.h"
#include "common/Clock.h"
#include "common/CommandRunner.h"
#include "shell/WidgetDialogs.h"
#include "store/Connection.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

using namespace mqt;

namespace {

constexpr int Repeats = 3;

// In the child: the program's start-up until the menu is painted.
int StartUp(const QString& folder, QElapsedTimer& sinceStart)
{
    QTextStream out(stdout);
    WidgetDialogs dialogs;
    SystemClock clock;
    ProcessRunner commands;
    Program program(folder, dialogs, clock, commands);
    if (!program.Start()) return 1;
    QCoreApplication::processEvents();
    out << double(sinceStart.nsecsElapsed()) / 1e6 << '\n';
    return 0;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc == 3 && QByteArray(argv[1]) == "--start") {
        QElapsedTimer sinceStart;
        sinceStart.start();
        QApplication app(argc, argv);
        return StartUp(QString::fromLocal8Bit(argv[2]), sinceStart);
    }
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const BenchShop sample = BenchShop::FromArguments(10000, 100000);
    out << "a shop of " << sample.Described() << '\n';
    QTemporaryDir folder;
    const QString shop = folder.filePath(QStringLiteral("shop.mqt"));
    {
        Connection connection = sample.Make(shop);
        // Every fifth consignor rents, due long ago.
        connection.Execute(QStringLiteral("UPDATE consignor SET Notes = CASE WHEN rowid % 5 = 0 THEN "
                                       "'Booth $Rent=(amount=50,Due=01/15/2024,interval=1)' ELSE NULL END"));
    }

    for (int i = 0; i < Repeats; ++i) {
        QTemporaryDir run;
        const QString path = run.filePath(QStringLiteral("Marquill.mqt"));
        QFile::copy(shop, path);
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QElapsedTimer timer;
        timer.start();
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--start"), run.path()});
        child.waitForFinished(-1);
        const double whole = double(timer.nsecsElapsed()) / 1e6;
        const QString inside = QString::fromLocal8Bit(child.readAllStandardOutput()).trimmed();

        Connection check = Connection::Open(path);
        Statement count(check, QStringLiteral("SELECT count(*) FROM item WHERE Category = '$Rent'"));
        count.Step();
        out << "start-up " << i + 1 << ": " << whole << " ms process start to end, menu shown after " << inside
            << " ms in the process; rent items booked " << count.Column(0).toLongLong() << '\n';
    }
    return 0;
}
