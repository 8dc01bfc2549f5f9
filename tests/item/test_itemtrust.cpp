// SPDX-License-Identifier: GPL-3.0-or-later
// Dates, prices, totals and descriptions a shop can trust, met on the item
// screen (and from the report and the statements) against a real database:
// the clock in 2031, price texts that are no amounts, totals too large to
// hold, descriptions with runs of apostrophes, a pay-out below zero.

#include "documents/StatementSource.h"
#include "item/ItemScreenDriver.h"

#include <QPushButton>
#include <QtTest>

using namespace mqt;
using namespace mqt::test;

namespace {

const QVariant None;

void Settings(RunningShop& run, bool priceOverride)
{
    run.shop.Exec("INSERT INTO params (Commission, Rounding, PriceOverride, Backup) VALUES (30, 0, ?, ' ')",
                  {priceOverride});
}

int ItemCount(RunningShop& run) { return run.shop.Value("SELECT count(*) FROM item").toInt(); }

// The report screen of the running program, listing every item.
struct Report : ScreenDriver {
    explicit Report(RunningShop& run) : ScreenDriver(run, MenuEntry::Report) { Click("cmdShow"); }
    QString Cell(int row, int col) const { return Find<Grid>("Grid")->TextMatrix(row, col); }
    void ClickCell(int row, int col)
    {
        auto* grid = Find<Grid>("Grid");
        QTest::mouseClick(grid->ClickTarget(row), Qt::LeftButton, {}, grid->CellCentre(row, col));
    }
};

}  // namespace

class TestItemTrust : public QObject {
    Q_OBJECT

private slots:
    // With the clock in 2031 the dates the screen writes as "mm/dd/yy" are
    // stored in 2031, not in 1931.
    void clockIn2031_data()
    {
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("dateSold");  // typed on a change
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("stored");
        QTest::newRow("add: date added today") << int(Add) << "" << "DateAdded" << "2031-03-10";
        QTest::newRow("sell: date sold today") << int(Sell) << "" << "DateSold" << "2031-03-10";
        QTest::newRow("pay: date paid today") << int(Pay) << "" << "DatePaid" << "2031-03-10";
        QTest::newRow("change: typed 3/1/31") << int(Change) << "3/1/31" << "DateSold" << "2031-03-01";
        QTest::newRow("change: today+30 into the next month") << int(Change) << "today+30" << "DateSold" << "2031-04-09";
    }

    void clockIn2031()
    {
        QFETCH(int, action);
        QFETCH(QString, dateSold);
        QFETCH(QString, field);
        QFETCH(QString, stored);
        RunningShop run;
        run.clock.SetToday(QDate(2031, 3, 10));
        run.shop.AddConsignor("Baker", "Al");
        run.shop.AddItem("Baker", "Al", "Sold", {None, None, 10.0, 14.29, "2031-01-02", "2031-02-01"});
        run.shop.AddItem("Baker", "Al", "Unsold", {None, None, 3.0, 4.0, "2031-01-02"});
        ItemScreenDriver screen(run);
        screen.Show("baker");
        const QString desc = action == Add ? QStringLiteral("New") : action == Pay ? "Sold" : "Unsold";
        switch (action) {
        case Add:
            screen.AddItem(desc, "5");
            break;
        case Sell:
            screen.Choose(Sell);
            screen.ClickRow(2);
            break;
        case Pay:
            screen.Choose(Pay);
            screen.Click("cmdUpdate");
            break;
        case Change:
            screen.Choose(Change);
            screen.ClickRow(2);
            screen.Type("txtDateSold", dateSold);
            screen.Click("cmdUpdate");
            break;
        }
        QVERIFY2(run.dialogs.Errors().isEmpty(), qPrintable(run.dialogs.Errors().join(u'/')));
        QCOMPARE(screen.Stored(desc, field), stored);
    }

    // A price box holds no price (empty or blanks), or an amount; anything
    // else stops the add or change with its error box, nothing stored and
    // the entry kept.
    void priceTexts_data()
    {
        QTest::addColumn<QString>("cost");
        QTest::addColumn<QString>("sale");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("storedCost");
        QTest::addColumn<QString>("storedSale");
        QTest::newRow("dollar signs") << "$12.50" << "$20.00" << "" << "12.5" << "20";
        QTest::newRow("blanks around and inside") << " $ 12.50 " << "20" << "" << "12.5" << "20";
        QTest::newRow("a lone blank is no price") << " " << "20" << "" << "NULL" << "20";
        QTest::newRow("blanks only are no price") << "10" << "   " << "" << "10" << "NULL";
        QTest::newRow("negative") << "-5" << "0" << "" << "-5" << "0";
        QTest::newRow("largest amount") << "99999999.99" << ".5" << "" << "99999999.99" << "0.5";
        QTest::newRow("thousands separator") << "1,250.00" << "20" << "Invalid Cost Price" << "" << "";
        QTest::newRow("a word") << "abc" << "20" << "Invalid Cost Price" << "" << "";
        QTest::newRow("decimal comma") << "12,50" << "20" << "Invalid Cost Price" << "" << "";
        QTest::newRow("a unit after the number") << "7 kg" << "20" << "Invalid Cost Price" << "" << "";
        QTest::newRow("three decimals") << "12.505" << "20" << "Invalid Cost Price" << "" << "";
        QTest::newRow("too large to hold") << "9999999999999999999" << "20" << "Invalid Cost Price" << "" << "";
        QTest::newRow("one hundred million") << "100000000" << "20" << "Invalid Cost Price" << "" << "";
        QTest::newRow("a dollar sign alone") << "$" << "20" << "Invalid Cost Price" << "" << "";
        QTest::newRow("sale price a word") << "10" << "twenty" << "Invalid Sale Price" << "" << "";
        QTest::newRow("both wrong: cost first") << "abc" << "xyz" << "Invalid Cost Price" << "" << "";
    }

    void priceTexts()
    {
        QFETCH(QString, cost);
        QFETCH(QString, sale);
        QFETCH(QString, error);
        QFETCH(QString, storedCost);
        QFETCH(QString, storedSale);
        for (const ItemAction action : {Add, Change}) {
            const QString word = action == Add ? QStringLiteral("Add") : QStringLiteral("Change");
            RunningShop run;
            Settings(run, true);
            run.shop.AddConsignor("Baker", "Al");
            run.shop.AddItem("Baker", "Al", "Lamp", {None, None, 1.0, 2.0, "2024-01-02"});
            ItemScreenDriver screen(run);
            screen.Show("baker");
            screen.Choose(action);
            if (action == Change) screen.ClickRow(1);
            if (action == Add) screen.Type("txtItemDesc", "Vase");
            // Typed and pressed at once: the leave routines do not rewrite them.
            screen.Type("txtCostPrice", cost);
            screen.Type("txtSalePrice", sale);
            screen.Click("cmdUpdate");
            const QString desc = action == Add ? QStringLiteral("Vase") : QStringLiteral("Lamp");
            if (error.isEmpty()) {
                QCOMPARE(run.dialogs.Errors(), QStringList());
                QCOMPARE(screen.Stored(desc, "CostPrice"), storedCost);
                QCOMPARE(screen.Stored(desc, "SalePrice"), storedSale);
                continue;
            }
            QCOMPARE(run.dialogs.Errors(), QStringList{error});
            QCOMPARE(screen.Text("lblMessage"), word + " function not successful");
            QCOMPARE(ItemCount(run), 1);
            QCOMPARE(screen.Stored("Lamp", "CostPrice") + '|' + screen.Stored("Lamp", "SalePrice"), "1|2");
            QCOMPARE(screen.Text("txtCostPrice"), cost);
            QCOMPARE(screen.Text("txtSalePrice"), sale);
        }
    }

    // A description with apostrophes, runs of them too, is stored as typed
    // and found again by every look-up: change, sale, pay-out, statement,
    // the report's Item button and delete.
    void apostrophesInADescription_data()
    {
        QTest::addColumn<QString>("desc");
        QTest::newRow("an inch mark of two apostrophes") << "12'' LP";
        QTest::newRow("three in a row") << "It'''s";
        QTest::newRow("one") << "Bob's lamp";
        QTest::newRow("at both ends") << "'Quoted'";
        QTest::newRow("with a comma") << "Plate 5'', blue";
    }

    void apostrophesInADescription()
    {
        QFETCH(QString, desc);
        RunningShop run;
        run.shop.AddConsignor("Baker", "Al");
        ItemScreenDriver screen(run);
        screen.Show("baker");
        screen.AddItem(desc, "10", "20");
        QCOMPARE(run.shop.Column("SELECT ItemDesc FROM item"), QStringList{desc});
        screen.AddItem(desc, "10", "20");
        QCOMPARE(run.dialogs.Errors(), QStringList{"Duplicate Item Descriptions - not added"});
        run.dialogs.Clear();
        screen.Click("cmdShow");

        screen.Choose(Change);
        screen.ClickRow(1);
        QCOMPARE(screen.Text("txtItemDesc"), desc);
        screen.Type("txtCategory", "music");
        screen.Click("cmdUpdate");
        QCOMPARE(screen.Text("lblMessage"), "Change function is successful");
        QCOMPARE(screen.Stored(desc, "Category"), "music");

        screen.Choose(Sell);
        screen.ClickRow(1);
        QCOMPARE(screen.Text("lblMessage"), "Sell function is successful");
        QCOMPARE(screen.Stored(desc, "DateSold"), "2024-02-20");

        const ConsignorStatements owed =
            ReadConsignorStatements(run.Shared().database, run.Shared().ItemColumns, run.clock.Today(), "Baker", "Al");
        const StatementContent content = owed.OwedNow("Marquill", QDate(2024, 2, 20));
        QCOMPARE(content.lines.size(), std::size_t(1));
        QCOMPARE(content.lines.front().description, desc);

        screen.Choose(Pay);
        QCOMPARE(screen.Listed(), QStringList{desc});
        screen.Click("cmdUpdate");
        QCOMPARE(screen.Text("lblMessage"), "1 Items paid");
        QCOMPARE(screen.Stored(desc, "DatePaid"), "2024-02-20");

        Report report(run);
        report.ClickCell(1, 2);
        report.Click("cmdItem");
        QCOMPARE(screen.Listed(), QStringList{desc});

        screen.Choose(Delete);
        run.dialogs.QueueAnswer(Yes);
        screen.ClickRow(1);
        QCOMPARE(screen.Text("lblMessage"), "Delete function is successful");
        QCOMPARE(ItemCount(run), 0);
        QCOMPARE(run.dialogs.Errors(), QStringList());
    }

    // A price too large to be held makes its totals show "too large" and is
    // never left out of a sum silently: the item list, the report and the
    // statements.
    void totalsTooLarge_data()
    {
        QTest::addColumn<QVariantList>("costs");
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("firstOnly");  // the pay-out's total without the second
        QTest::newRow("ordinary prices") << QVariantList{10.0, 2.5} << "12.50" << "10.00";
        QTest::newRow("a price beyond an amount") << QVariantList{10.0, 1e19} << "too large" << "10.00";
        QTest::newRow("a sum beyond an amount") << QVariantList{9e14, 9e14} << "too large"
                                                << "900000000000000.00";
        QTest::newRow("a large negative price") << QVariantList{-1e19, 5.0} << "too large" << "too large";
    }

    void totalsTooLarge()
    {
        QFETCH(QVariantList, costs);
        QFETCH(QString, total);
        QFETCH(QString, firstOnly);
        RunningShop run;
        run.shop.AddConsignor("Baker", "Al");
        for (int i = 0; i < costs.size(); ++i)
            run.shop.AddItem("Baker", "Al", QStringLiteral("Item %1").arg(i),
                             {None, None, costs[i], 1.0, "2024-01-02", "2024-01-03"});
        ItemScreenDriver screen(run);
        screen.Show("baker");
        QCOMPARE(screen.Cell(3, 0), "Total");
        QCOMPARE(screen.Cell(3, 3), total);
        QCOMPARE(screen.Cell(3, 4), "2.00");

        screen.Choose(Pay);
        QCOMPARE(screen.Cell(3, 3), total);
        screen.ClickRow(2);  // the second price left out of the pay-out
        QCOMPARE(screen.Cell(3, 3), firstOnly);

        const StatementContent owed =
            ReadConsignorStatements(run.Shared().database, run.Shared().ItemColumns, run.clock.Today(), "Baker", "Al")
                .OwedNow("Marquill", QDate(2024, 2, 20));
        QCOMPARE(owed.totalShares.Format(), total);
        QCOMPARE(owed.totalSales.Format(), "2.00");
        QCOMPARE(owed.shopPart.TooLarge(), total == "too large");

        const Report report(run);
        QCOMPARE(report.Cell(3, 0), "Total");
        QCOMPARE(report.Cell(3, 5), total);
    }

    // A pay-out whose chosen items total less than zero asks whether the
    // consignor has paid the debt; No pays nothing and keeps the pay-out.
    void payOutBelowZero_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("payable");
        QTest::newRow("No: nothing paid") << No << "" << QStringList{"Lamp", "Rent - 02/15/2024"};
        QTest::newRow("Yes: paid") << Yes << "2 Items paid" << QStringList{};
    }

    void payOutBelowZero()
    {
        QFETCH(int, answer);
        QFETCH(QString, message);
        QFETCH(QStringList, payable);
        RunningShop run;
        run.shop.AddConsignor("Baker", "Al");
        run.shop.AddItem("Baker", "Al", "Lamp", {None, None, 43.0, 61.43, "2024-01-02", "2024-02-01"});
        run.shop.AddItem("Baker", "Al", "Rent - 02/15/2024", {"$Rent", None, -100.0, 0.0, "2024-02-15", "2024-02-15"});
        ItemScreenDriver screen(run);
        screen.Show("baker");
        screen.Choose(Pay);
        QCOMPARE(screen.Cell(3, 3), "-57.00");
        run.dialogs.QueueAnswer(answer);
        screen.Click("cmdUpdate");
        QCOMPARE(run.dialogs.Questions(),
                 QStringList{"The chosen items total -57.00: Baker, Al owes the shop 57.00. Has it been paid?"});
        QCOMPARE(screen.Text("lblMessage"), message);
        QCOMPARE(run.shop.Column("SELECT ItemDesc FROM item WHERE DatePaid IS NULL ORDER BY ItemDesc"), payable);
        QCOMPARE(screen.IsChosen(Pay), answer == No);
        if (answer == No) {
            QCOMPARE(screen.Text("cmdUpdate"), "Pay");
            QCOMPARE(screen.RowColour(1), Yellow);
            screen.ClickRow(2);  // the rent left out: what is paid is above zero, and no question
            run.dialogs.Clear();
            screen.Click("cmdUpdate");
            QCOMPARE(run.dialogs.Questions(), QStringList());
            QCOMPARE(screen.Text("lblMessage"), "1 Items paid");
        }
    }

    // Pay's listing narrows the list to payable items; when it fails, the
    // narrowing goes with it, and later lists show every item.
    void failedPayListingLeavesNoCriteria()
    {
        RunningShop run;
        run.shop.AddConsignor("Baker", "Al");
        run.shop.AddItem("Baker", "Al", "Sold", {None, None, 10.0, 14.29, "2024-01-02", "2024-02-01"});
        run.shop.AddItem("Baker", "Al", "Unsold", {None, None, 3.0, 4.0, "2024-01-02"});
        ItemScreenDriver screen(run);
        screen.Show("baker");
        run.shop.Exec("ALTER TABLE item RENAME TO item_away");
        screen.Choose(Pay);
        QCOMPARE(run.dialogs.Errors().size(), 1);
        run.shop.Exec("ALTER TABLE item_away RENAME TO item");
        screen.Click("cmdShow");
        QCOMPARE(screen.Listed(), (QStringList{"Sold", "Unsold"}));
    }
};

QTEST_MAIN(TestItemTrust)
#include "test_itemtrust.moc"
