// SPDX-License-Identifier: GPL-3.0-or-later
// Times the item report over a sample shop (1,000 consignors and 100,000
// items unless the arguments say otherwise, see BenchShop.h), sorted by name
// with detail totals, from the press of "Show" to the filled grid, against
// the sqlite3 command line writing the same query as CSV, both in the same
// bench run, taking turns (ReportTurns.h).
// Run with QT_QPA_PLATFORM=offscreen.

#include "BenchShop.h"
#include "ReportTurns.h"

#include <QTemporaryDir>

using namespace mqt;

int main(int argc, char* argv[])
{
    if (bench::IsReportChild(argc, argv)) return bench::ReportChildMain(argc, argv);
    QCoreApplication app(argc, argv);
    const BenchShop shop = BenchShop::FromArguments(1000, 100000);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Marquill.mqt"));
    shop.Make(path);
    QTextStream(stdout) << "a shop of " << shop.Described() << Qt::endl;
    bench::CompareInTurns(folder.path(), QStringLiteral("sqlite3"), {QStringLiteral("-csv"), path, bench::ReportQuery});
    return 0;
}
