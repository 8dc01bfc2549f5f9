// SPDX-License-Identifier: GPL-3.0-or-later
// Times the item report over a sample shop of 1,000 consignors and 100,000
// items, sorted by name with detail totals, from the press of "Show" to the
// filled grid, against the sqlite3 command line writing the same query as
// CSV, both in the same bench run, taking turns. The report runs in a child
// process, a fresh program each time, so its peak memory (RSS) is the
// program's and the report's alone.
// Run with QT_QPA_PLATFORM=offscreen.

#include "SampleShop.h"
#include "app/Program.h"
#include "common/Clock.h"
#include "common/CommandRunner.h"
#include "shell/Grid.h"
#include "shell/WidgetDialogs.h"
#include "store/Sqlite.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <sys/resource.h>

using namespace mqt;

namespace {

constexpr int Repeats = 5;
const QString Query = QStringLiteral("select * from item order by lastname asc, firstname asc");

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double Milliseconds(const QElapsedTimer& timer) { return double(timer.nsecsElapsed()) / 1e6; }

// In the child: start the program in the folder and run the report twice,
// the first run of a fresh program and a second one; prints both times and
// the peak RSS in kB.
int RunReport(const QString& folder)
{
    QTextStream out(stdout);
    WidgetDialogs dialogs;
    SystemClock clock;
    ProcessRunner commands;
    Program program(folder, dialogs, clock, commands);
    if (!program.Start()) return 1;
    QWidget* report = program.Menu().ShowScreen(Screen::Report);
    report->findChild<QCheckBox*>(QStringLiteral("chkTotals"))->setChecked(true);
    auto* grid = report->findChild<Grid*>(QStringLiteral("Grid"));
    QCoreApplication::processEvents();
    for (int i = 0; i < 2; ++i) {
        QElapsedTimer timer;
        timer.start();
        report->findChild<QPushButton*>(QStringLiteral("cmdShow"))->click();
        grid->Publish();
        QCoreApplication::processEvents();
        out << Milliseconds(timer) << ' ';
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    out << usage.ru_maxrss << ' ' << grid->Rows() << '\n';
    return 0;
}

// Runs the report in a child process: first run, second run, peak RSS in kB, grid rows.
QList<double> ChildReport(const QString& folder)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--report"), folder});
    child.waitForFinished(-1);
    QList<double> figures;
    for (const QString& figure : QString::fromLocal8Bit(child.readAllStandardOutput()).split(u' ', Qt::SkipEmptyParts))
        figures << figure.toDouble();
    if (figures.size() != 4) qFatal("the report run failed");
    return figures;
}

double SqliteCsv(const QString& path)
{
    QProcess cli;
    cli.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    cli.start(QStringLiteral("sqlite3"), {QStringLiteral("-csv"), path, Query});
    cli.waitForFinished(-1);
    if (cli.exitCode() != 0) qFatal("sqlite3 failed");
    return Milliseconds(timer);
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc == 3 && QByteArray(argv[1]) == "--report") {
        QApplication app(argc, argv);
        return RunReport(QString::fromLocal8Bit(argv[2]));
    }
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Marquill.mqt"));
    {
        Connection connection = CreateSampleShop(path, 1000, 100000);
    }

    // The first start charges the sample shop's rent; it is not timed.
    ChildReport(folder.path());
    // The two take turns, so a busy machine weighs on both alike.
    std::vector<double> cli, first, second;
    double peakKb = 0;
    for (int i = 0; i < Repeats; ++i) {
        cli.push_back(SqliteCsv(path));
        const QList<double> figures = ChildReport(folder.path());
        first.push_back(figures[0]);
        second.push_back(figures[1]);
        peakKb = std::max(peakKb, figures[2]);
    }
    out << "sqlite3 -csv:                 " << Median(cli) << " ms (median of " << Repeats << ")\n";
    out << "report, first run in program: " << Median(first) << " ms, ratio " << Median(first) / Median(cli) << '\n';
    out << "report, second run:           " << Median(second) << " ms, ratio " << Median(second) / Median(cli) << '\n';
    out << "peak RSS of a program with two runs: " << peakKb / 1024 << " MB\n";
    return 0;
}
