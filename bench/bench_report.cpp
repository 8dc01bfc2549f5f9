// SPDX-License-Identifier: GPL-3.0-or-later
// Times the item report over a sample shop (1,000 consignors and 100,000
// items unless the arguments say otherwise, see BenchShop.h), sorted by name
// with detail totals, from the press of "Show" to the
// filled grid, against the sqlite3 command line writing the same query as
// CSV, both in the same bench run, taking turns. The report runs in a child
// process, a fresh program each time, so its peak memory (RSS) is the
// program's and the report's alone. Beside the elapsed times, the processor
// time of both is compared too: on a busy machine it varies less.
// Run with QT_QPA_PLATFORM=offscreen.

#include "BenchShop.h"
#include "app/Program.h"
#include "common/Clock.h"
#include "common/CommandRunner.h"
#include "shell/Grid.h"
#include "shell/WidgetDialogs.h"
#include "store/Connection.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <ctime>
#include <sys/resource.h>
#include <utility>

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

double Milliseconds(const timeval& time) { return double(time.tv_sec) * 1e3 + double(time.tv_usec) / 1e3; }

// Processor time (user and system) of this process so far.
double ProcessorMilliseconds()
{
    timespec time{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &time);
    return double(time.tv_sec) * 1e3 + double(time.tv_nsec) / 1e6;
}

// Processor time of the child processes that have ended.
double ChildrenProcessorMilliseconds()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return Milliseconds(usage.ru_utime) + Milliseconds(usage.ru_stime);
}

// In the child: start the program in the folder and run the report twice,
// the first run of a fresh program and a second one; prints both times,
// both processor times, the peak RSS in kB and the grid's rows.
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
    double processor[2] = {};
    for (double& used : processor) {
        QElapsedTimer timer;
        timer.start();
        const double before = ProcessorMilliseconds();
        report->findChild<QPushButton*>(QStringLiteral("cmdShow"))->click();
        grid->Publish();
        QCoreApplication::processEvents();
        used = ProcessorMilliseconds() - before;
        out << Milliseconds(timer) << ' ';
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    out << processor[0] << ' ' << processor[1] << ' ' << usage.ru_maxrss << ' ' << grid->Rows() << '\n';
    return 0;
}

// Runs the report in a child process: first run, second run, their processor
// times, peak RSS in kB, grid rows.
QList<double> ChildReport(const QString& folder)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--report"), folder});
    child.waitForFinished(-1);
    QList<double> figures;
    for (const QString& figure : QString::fromLocal8Bit(child.readAllStandardOutput()).split(u' ', Qt::SkipEmptyParts))
        figures << figure.toDouble();
    if (figures.size() != 6) qFatal("the report run failed");
    return figures;
}

// The elapsed and the processor time of the sqlite3 command line.
std::pair<double, double> SqliteCsv(const QString& path)
{
    QProcess cli;
    cli.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    const double before = ChildrenProcessorMilliseconds();
    cli.start(QStringLiteral("sqlite3"), {QStringLiteral("-csv"), path, Query});
    cli.waitForFinished(-1);
    if (cli.exitCode() != 0) qFatal("sqlite3 failed");
    return {Milliseconds(timer), ChildrenProcessorMilliseconds() - before};
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
    const BenchShop shop = BenchShop::FromArguments(1000, 100000);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Marquill.mqt"));
    shop.Make(path);
    out << "a shop of " << shop.Described() << '\n';

    // The first start charges the sample shop's rent; it is not timed.
    ChildReport(folder.path());
    // The two take turns, so a busy machine weighs on both alike.
    std::vector<double> cli, first, second, cliProcessor, firstProcessor, secondProcessor, firstRatio;
    double peakKb = 0;
    for (int i = 0; i < Repeats; ++i) {
        const auto [elapsed, processor] = SqliteCsv(path);
        cli.push_back(elapsed);
        cliProcessor.push_back(processor);
        const QList<double> figures = ChildReport(folder.path());
        first.push_back(figures[0]);
        second.push_back(figures[1]);
        firstProcessor.push_back(figures[2]);
        secondProcessor.push_back(figures[3]);
        firstRatio.push_back(figures[0] / elapsed);
        peakKb = std::max(peakKb, figures[4]);
    }
    out << "sqlite3 -csv:                 " << Median(cli) << " ms (median of " << Repeats << "), processor "
        << Median(cliProcessor) << " ms\n";
    out << "report, first run in program: " << Median(first) << " ms, ratio " << Median(first) / Median(cli)
        << " (median of the turns' ratios " << Median(firstRatio) << "), processor " << Median(firstProcessor)
        << " ms, ratio " << Median(firstProcessor) / Median(cliProcessor) << '\n';
    out << "report, second run:           " << Median(second) << " ms, ratio " << Median(second) / Median(cli)
        << ", processor " << Median(secondProcessor) << " ms, ratio "
        << Median(secondProcessor) / Median(cliProcessor) << '\n';
    out << "peak RSS of a program with two runs: " << peakKb / 1024 << " MB\n";
    return 0;
}
