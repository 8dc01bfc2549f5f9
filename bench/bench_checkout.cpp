// SPDX-License-Identifier: GPL-3.0-or-later
// Times the counter on a shop of 1,000,000 items: a scan (the number typed
// with Enter until its line is shown on the checkout screen), completing a
// 30-line sale (the one transaction, without the receipt) and writing a
// receipt's PDF. The reference is the bare look-up of one item by its number.
// Run with QT_QPA_PLATFORM=offscreen.

#include "SampleShop.h"
#include "UnattendedDialogs.h"
#include "app/Program.h"
#include "checkout/CompleteSale.h"
#include "checkout/ScanItem.h"
#include "common/Clock.h"
#include "common/CommandRunner.h"
#include "documents/CounterFiles.h"
#include "documents/SaleRecord.h"
#include "shell/Grid.h"
#include "store/ShopIdentity.h"
#include "store/Connection.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>

using namespace mqt;

namespace {

constexpr int Sales = 20;
constexpr int LinesPerSale = 30;

std::vector<std::int64_t> UnsoldItems(const QString& path, int count)
{
    Connection connection = Connection::Open(path);
    connection.Execute(QStringLiteral("INSERT INTO params (Commission, Rounding, PriceOverride, Backup, TaxRate) "
                                      "VALUES (30, 0, 0, ' ', 8.875)"));
    Statement unsold(connection, QStringLiteral("SELECT ItemNo FROM item WHERE DateSold IS NULL AND "
                                                "ifnull(Category, '') <> '$Rent' ORDER BY random() LIMIT ?"));
    unsold.Bind(1, count);
    std::vector<std::int64_t> items;
    while (unsold.Step()) items.push_back(unsold.ColumnInt64(0));
    return items;
}

double Ms(const QElapsedTimer& timer, int repeat) { return double(timer.nsecsElapsed()) / 1e6 / repeat; }

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Marquill.mqt"));
    QElapsedTimer fill;
    fill.start();
    CreateSampleShop(path, 10000, 1000000).Close();
    const std::vector<std::int64_t> items = UnsoldItems(path, 2 * Sales * LinesPerSale);
    out << QStringLiteral("sample shop of 1,000,000 items made in %1 s\n").arg(fill.elapsed() / 1000.0, 0, 'f', 1);

    UnattendedDialogs dialogs;
    SystemClock clock;
    ProcessRunner commands;
    Program program(folder.path(), dialogs, clock, commands);
    if (!program.Start()) return 1;
    Connection& connection = program.Shared().database.connection();
    QWidget* checkout = program.Menu().ShowScreen(Screen::Checkout);
    auto* scan = checkout->findChild<QLineEdit*>(QStringLiteral("txtScan"));
    auto* grid = checkout->findChild<Grid*>(QStringLiteral("Grid"));
    auto* cancel = checkout->findChild<QPushButton*>(QStringLiteral("cmdCancelSale"));

    QElapsedTimer timer;
    timer.start();
    for (std::int64_t itemNo : items) {
        Statement lookUp(connection, QStringLiteral("SELECT LastName, FirstName, ItemDesc, Category, SalePrice, "
                                                    "DateSold FROM item WHERE ItemNo = ?"));
        lookUp.Bind(1, qint64(itemNo));
        lookUp.Step();
    }
    const double reference = Ms(timer, int(items.size()));

    // Once with the line only put into the grid, once also painted on the screen.
    const auto scans = [&](bool paint) {
        QElapsedTimer scanTimer;
        qint64 ns = 0;
        for (int sale = 0; sale < Sales; ++sale) {
            scanTimer.restart();
            for (int line = 0; line < LinesPerSale; ++line) {
                scan->setText(QString::number(items[std::size_t(sale * LinesPerSale + line)]));
                emit scan->returnPressed();
                grid->Publish();
                if (paint) QApplication::processEvents();
            }
            ns += scanTimer.nsecsElapsed();
            if (grid->Rows() != LinesPerSale + 1) return -1.0;
            cancel->click();
            QApplication::processEvents();
        }
        return double(ns) / 1e6 / (Sales * LinesPerSale);
    };
    const double scanLogicMs = scans(false);
    const double scanMs = scans(true);
    if (scanMs < 0 || scanLogicMs < 0) return 2;

    double completeNs = 0;
    double receiptNs = 0;
    for (int sale = 0; sale < Sales; ++sale) {
        SaleToComplete toComplete{clock.Now(), 8875, {}, {}};
        for (int line = 0; line < LinesPerSale; ++line)
            toComplete.lines.push_back(*ScanItem(connection,
                                                 QString::number(items[std::size_t((Sales + sale) * LinesPerSale + line)]),
                                                 toComplete.lines)
                                            .line);
        Cents total = 0;
        for (const CounterLine& line : toComplete.lines) total += line.price;
        toComplete.payments.push_back({PayKind::Cash, total + TaxOn(total, 8875)});
        timer.restart();
        const CompletedSale completed = CompleteSale(connection, toComplete);
        completeNs += double(timer.nsecsElapsed());
        if (!completed.refusal.isEmpty()) return 3;
        timer.restart();
        const std::optional<SaleRecord> record = ReadSale(connection, completed.saleNo);
        if (!WriteReceiptFile(*record, ReadShopIdentity(connection), folder.path()).written) return 4;
        receiptNs += double(timer.nsecsElapsed());
    }

    const auto report = [&](const char* what, double ms, double target) {
        out << QStringLiteral("%1: %2 ms (target %3 ms, %4 x the look-up of one item)\n")
                   .arg(QLatin1String(what), -34)
                   .arg(ms, 0, 'f', 3)
                   .arg(target)
                   .arg(ms / reference, 0, 'f', 1);
    };
    out << QStringLiteral("%1: %2 ms\n").arg(QStringLiteral("look-up of one item by number"), -34).arg(reference, 0, 'f', 3);
    report("scan, number to line in the grid", scanLogicMs, 5);
    report("scan, number to line shown", scanMs, 5);
    report("30-line sale completed", completeNs / 1e6 / Sales, 50);
    report("receipt PDF written", receiptNs / 1e6 / Sales, 300);
    return 0;
}
