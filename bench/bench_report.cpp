// Times the item report over a sample shop of 1,000 consignors and 100,000
// items, sorted by name with detail totals, from the press of "Show" to the
// filled grid, against the sqlite3 command line writing the same query as
// CSV, both in the same bench run. The report runs in a child process, so
// its peak memory (RSS) is the program's and the report's alone.
// Run with QT_QPA_PLATFORM=offscreen.

#include "SampleShop.h"
#include "app/Program.h"
#include "common/Clock.h"
#include "common/CommandRunner.h"
#include "shell/Grid.h"
#include "shell/WidgetDialogs.h"
#include "store/Schema.h"
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

// In the child: start the program in the folder and run the report.
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
    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    for (int i = 0; i < Repeats; ++i) {
        QElapsedTimer timer;
        timer.start();
        report->findChild<QPushButton*>(QStringLiteral("cmdShow"))->click();
        grid->Publish();
        QCoreApplication::processEvents();
        out << double(timer.nsecsElapsed()) / 1e6 << ' ';
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    out << "\npeak RSS " << usage.ru_maxrss / 1024 << " MB (" << before.ru_maxrss / 1024
        << " MB before the first run), grid rows " << grid->Rows() << '\n';
    return 0;
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
        Connection connection = Connection::Open(path, true);
        CreateSchema(connection);
        FillSampleShop(connection, 1000, 100000);
    }

    // The child's first start charges the sample shop's rent; a start-up
    // before the timing keeps that out of the comparison.
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--report"), folder.path()});
    child.waitForFinished(-1);
    const QStringList reportRun = QString::fromLocal8Bit(child.readAllStandardOutput()).split(u'\n');

    std::vector<double> sqlite;
    for (int i = 0; i < Repeats; ++i) {
        QProcess cli;
        cli.setStandardOutputFile(QProcess::nullDevice());
        QElapsedTimer timer;
        timer.start();
        cli.start(QStringLiteral("sqlite3"), {QStringLiteral("-csv"), path, Query});
        cli.waitForFinished(-1);
        sqlite.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (cli.exitCode() != 0) out << "sqlite3 failed\n";
    }

    std::vector<double> report;
    for (const QString& ms : reportRun.value(0).split(u' ', Qt::SkipEmptyParts)) report.push_back(ms.toDouble());
    if (report.empty()) {
        out << "the report run failed\n";
        return 1;
    }
    const double cli = Median(sqlite);
    const double run = Median(report);
    out << "sqlite3 -csv:          " << cli << " ms (median of " << Repeats << ")\n";
    out << "report, name, totals:  " << run << " ms (median of " << report.size() << "; runs "
        << reportRun.value(0) << ")\n";
    out << "ratio report/sqlite3:  " << run / cli << '\n';
    out << reportRun.value(1) << '\n';
    return 0;
}
