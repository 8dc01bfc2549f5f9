// SPDX-License-Identifier: GPL-3.0-or-later
// Times a consignor statement in a shop of 1,000 consignors and 100,000 items
// (other sizes from the arguments, see BenchShop.h),
// for a consignor with 2,000 items paid in one pay-out: reading the
// consignor's items, building the content, and writing the CSV and the PDF.
// Run on the offscreen platform: QT_QPA_PLATFORM=offscreen build/bench/bench_statement

#include "BenchShop.h"
#include "common/Clock.h"
#include "common/ItemColumns.h"
#include "documents/StatementCsv.h"
#include "documents/StatementFiles.h"
#include "documents/StatementSource.h"
#include "store/Database.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextStream>

using namespace mqt;

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    const BenchShop shop = BenchShop::FromArguments(1000, 100000);
    out << "a shop of " << shop.Described() << '\n';
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Marquill.mqt"));
    constexpr int Lines = 2000;
    {
        Connection connection = shop.Make(path);
        connection.Execute(QStringLiteral("INSERT INTO consignor (LastName, FirstName) VALUES ('Statement', 'Sam')"));
        Statement add(connection, QStringLiteral("INSERT INTO item (LastName, FirstName, ItemDesc, CostPrice, SalePrice, "
                                                 "DateSold, DatePaid, PayRef) VALUES ('Statement', 'Sam', ?, ?, ?, "
                                                 "'2024-02-10', '2024-03-01', '1042')"));
        for (int i = 0; i < Lines; ++i) {
            add.Reset();
            add.Bind(1, QStringLiteral("Item %1, a chair of oak with a seat of green velvet").arg(i));
            add.Bind(2, 7.0 + i / 100.0);
            add.Bind(3, 10.0 + i / 100.0);
            add.Step();
        }
    }
    SystemClock clock;
    Database database(clock);
    database.Open(path);
    const ItemColumnTable columns = BuildItemColumns();

    QElapsedTimer timer;
    timer.start();
    const ConsignorStatements statements = ReadConsignorStatements(database, columns, clock.Today(), QStringLiteral("Statement"),
                                                                     QStringLiteral("Sam"));
    const double readMs = double(timer.nsecsElapsed()) / 1e6;
    timer.restart();
    const StatementContent content = statements.ForPayOut(statements.PayOuts().at(0), QStringLiteral("Marquill"), clock.Today());
    const double buildMs = double(timer.nsecsElapsed()) / 1e6;
    timer.restart();
    const QByteArray csv = StatementCsv(content);
    const double csvMs = double(timer.nsecsElapsed()) / 1e6;
    timer.restart();
    const WrittenStatement written = WriteStatementFiles(content, folder.filePath(QStringLiteral("statements")),
                                                         QPageSize(QPageSize::A4));
    const double filesMs = double(timer.nsecsElapsed()) / 1e6;

    out << QStringLiteral("read %1 items of one consignor: %2 ms\n").arg(content.lines.size()).arg(readMs, 0, 'f', 1);
    out << QStringLiteral("build the pay-out's content: %1 ms\n").arg(buildMs, 0, 'f', 1);
    out << QStringLiteral("CSV text (%1 bytes): %2 ms\n").arg(csv.size()).arg(csvMs, 0, 'f', 1);
    out << QStringLiteral("PDF and CSV files written: %1 ms (%2)\n")
               .arg(filesMs, 0, 'f', 1)
               .arg(written.written ? QStringLiteral("written") : written.error);
    return written.written ? 0 : 1;
}
