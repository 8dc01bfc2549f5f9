// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The item report timed against a command-line tool writing the same query
// as CSV, in turns, within one bench run (bench_report, bench_report_server).
// The report runs in a child process, a fresh program each time, so its peak
// memory (RSS) is the program's and the report's alone. Beside the elapsed
// times the processor times are compared too: on a busy machine they vary
// less.

#include "UnattendedDialogs.h"
#include "app/Program.h"
#include "common/Clock.h"
#include "common/CommandRunner.h"
#include "shell/Grid.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QProcess>
#include <QPushButton>
#include <QTextStream>
#include <algorithm>
#include <ctime>
#include <functional>
#include <sys/resource.h>
#include <utility>
#include <vector>

namespace mqt::bench {

constexpr int Repeats = 5;
// The report's statement, sorted by name (the report shows detail totals).
inline const QString ReportQuery = QStringLiteral("select * from item order by lastname asc, firstname asc");

inline double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

inline double Milliseconds(const QElapsedTimer& timer) { return double(timer.nsecsElapsed()) / 1e6; }

inline double Milliseconds(const timeval& time) { return double(time.tv_sec) * 1e3 + double(time.tv_usec) / 1e3; }

// Processor time (user and system) of this process so far.
inline double ProcessorMilliseconds()
{
    timespec time{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &time);
    return double(time.tv_sec) * 1e3 + double(time.tv_nsec) / 1e6;
}

// Processor time of the child processes that have ended.
inline double ChildrenProcessorMilliseconds()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return Milliseconds(usage.ru_utime) + Milliseconds(usage.ru_stime);
}

// In the child: start the program in the folder and run the report twice,
// the first run of a fresh program and a second one; prints both times,
// both processor times, the peak RSS in kB and the grid's rows.
inline int RunReport(const QString& folder)
{
    QTextStream out(stdout);
    UnattendedDialogs dialogs;
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

// The child's part of a bench run ("BENCH --report FOLDER"), when asked for.
inline bool IsReportChild(int argc, char* argv[]) { return argc == 3 && QByteArray(argv[1]) == "--report"; }
inline int ReportChildMain(int argc, char* argv[])
{
    QApplication app(argc, argv);
    return RunReport(QString::fromLocal8Bit(argv[2]));
}

// Runs the report in a child process: first run, second run, their processor
// times, peak RSS in kB, grid rows.
inline QList<double> ChildReport(const QString& folder)
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

// The elapsed and the processor time of a command whose output is dropped.
inline std::pair<double, double> TimedCommand(const QString& program, const QStringList& arguments)
{
    QProcess cli;
    cli.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    const double before = ChildrenProcessorMilliseconds();
    cli.start(program, arguments);
    cli.waitForFinished(-1);
    if (cli.exitStatus() != QProcess::NormalExit || cli.exitCode() != 0)
        qFatal("%s failed: %s", qPrintable(program), cli.readAllStandardError().constData());
    return {Milliseconds(timer), ChildrenProcessorMilliseconds() - before};
}

// Runs the tool's command and the report on the shop in FOLDER in turns, so
// that a busy machine weighs on both alike, and prints the medians and ratios.
inline void CompareInTurns(const QString& folder, const QString& tool, const QStringList& arguments)
{
    QTextStream out(stdout);
    // The first start charges the sample shop's rent; it is not timed.
    ChildReport(folder);
    std::vector<double> cli, first, second, cliProcessor, firstProcessor, secondProcessor, firstRatio;
    double peakKb = 0;
    for (int i = 0; i < Repeats; ++i) {
        const auto [elapsed, processor] = TimedCommand(tool, arguments);
        cli.push_back(elapsed);
        cliProcessor.push_back(processor);
        const QList<double> figures = ChildReport(folder);
        first.push_back(figures[0]);
        second.push_back(figures[1]);
        firstProcessor.push_back(figures[2]);
        secondProcessor.push_back(figures[3]);
        firstRatio.push_back(figures[0] / elapsed);
        peakKb = std::max(peakKb, figures[4]);
    }
    out << qSetFieldWidth(30) << Qt::left << tool + QStringLiteral(":") << qSetFieldWidth(0) << Median(cli)
        << " ms (median of " << Repeats << "), processor " << Median(cliProcessor) << " ms\n";
    out << "report, first run in program: " << Median(first) << " ms, ratio " << Median(first) / Median(cli)
        << " (median of the turns' ratios " << Median(firstRatio) << "), processor " << Median(firstProcessor)
        << " ms, ratio " << Median(firstProcessor) / Median(cliProcessor) << '\n';
    out << "report, second run:           " << Median(second) << " ms, ratio " << Median(second) / Median(cli)
        << ", processor " << Median(secondProcessor) << " ms, ratio "
        << Median(secondProcessor) / Median(cliProcessor) << '\n';
    out << "peak RSS of a program with two runs: " << peakKb / 1024 << " MB\n";
}

}  // namespace mqt::bench
