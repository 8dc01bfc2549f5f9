// SPDX-License-Identifier: GPL-3.0-or-later
// Times the item screen listing one consignor's 1,000 items (the query, the
// criteria test of every record, the grid fill and the totals) in a shop of
// 1,000 consignors and 100,000 more items (other sizes from the arguments,
// see BenchShop.h), as Show Items from the consignor
// screen runs it; and the pay-out list of the same consignor.
// Run with QT_QPA_PLATFORM=offscreen.

#include "BenchShop.h"
#include "UnattendedDialogs.h"
#include "app/Program.h"
#include "common/Clock.h"
#include "common/CommandRunner.h"
#include "search/PayableCriteria.h"
#include "shell/ItemScreen.h"
#include "store/Connection.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

using namespace mqt;

namespace {

void FillShop(const BenchShop& shop, const QString& path)
{
    Connection connection = shop.Make(path);
    Transaction transaction(connection);
    Statement add(connection, QStringLiteral("INSERT INTO consignor (LastName, FirstName) VALUES ('Busy', 'Bea')"));
    add.Step();
    Statement item(connection, QStringLiteral("INSERT INTO item (LastName, FirstName, ItemDesc, CostPrice, SalePrice, "
                                              "DateAdded, DateSold) VALUES ('Busy', 'Bea', ?, ?, ?, '2024-01-02', ?)"));
    for (int i = 0; i < 1000; ++i) {
        item.Bind(1, QStringLiteral("thing %1").arg(i, 4, 10, QLatin1Char('0')));
        item.Bind(2, 10.0 + i % 50);
        item.Bind(3, 14.29 + i % 50);
        item.Bind(4, i % 2 ? QVariant(QStringLiteral("2024-02-01")) : QVariant());
        item.Step();
        item.Reset();
    }
    transaction.Commit();
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QTextStream out(stdout);
    const BenchShop shop = BenchShop::FromArguments(1000, 100000);
    QTemporaryDir folder;
    FillShop(shop, folder.filePath(QStringLiteral("Marquill.mqt")));
    out << "a shop of " << shop.Described() << " and one consignor's 1,000 more\n";

    UnattendedDialogs dialogs;
    SystemClock clock;
    ProcessRunner commands;
    Program program(folder.path(), dialogs, clock, commands);
    if (!program.Start()) return 1;
    auto* items = dynamic_cast<ItemScreen*>(program.Menu().ShowScreen(Screen::Item));

    const auto time = [&](const char* what, const QString& criteria) {
        constexpr int Repeat = 20;
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < Repeat; ++i) {
            program.Shared().CurrentLastName = QStringLiteral("Busy");
            program.Shared().CurrentFirstName = QStringLiteral("Bea");
            program.Shared().CallerMode = QStringLiteral("Consignor");
            items->ShowItemsFor(QStringLiteral("Busy"), QStringLiteral("Bea"), criteria);
        }
        out << QStringLiteral("%1: %2 ms\n").arg(QLatin1String(what), -40).arg(double(timer.nsecsElapsed()) / 1e6 / Repeat, 0, 'f', 2);
    };
    time("1,000 items listed", {});
    out << QStringLiteral("(%1 items counted)\n").arg(program.Menu().LoadedScreen(Screen::Item)
                                                         ->findChild<QWidget*>(QStringLiteral("lblCount"))
                                                         ->property("text").toString());
    time("the 500 payable of them listed", PayableCriteria());
    return 0;
}
