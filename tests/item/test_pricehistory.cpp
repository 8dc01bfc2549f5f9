// SPDX-License-Identifier: GPL-3.0-or-later
// An item's price history: the rows that a Change on the item screen and a
// sale at the counter with a changed price write, the nothing that a refused
// write leaves, and the Sale Price cell's tooltip that shows them.

#include "checkout/CompleteSale.h"
#include "item/ItemRecord.h"
#include "item/ItemScreenDriver.h"
#include "store/Connection.h"

#include <QtTest>

using namespace mqt;
using namespace mqt::test;

namespace {

// OldCents|NewCents|Reason of every recorded change, oldest first.
QStringList History(const TempShop& shop)
{
    return shop.Rows("SELECT OldCents, NewCents, Reason FROM price_change ORDER BY ChangedAt, ItemNo");
}

qint64 ItemNo(const TempShop& shop, const QString& desc)
{
    return shop.Value("SELECT ItemNo FROM item WHERE ItemDesc = ?", {desc}).toLongLong();
}

const int SalePriceColumn = ItemGridColumn(ItemColumn::SalePrice);

}  // namespace

class TestPriceHistory : public QObject {
    Q_OBJECT

private slots:
    void changeOnTheItemScreen_data()
    {
        QTest::addColumn<QVariant>("before");  // the stored sale price
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("refusal");  // "", "write fails" or "changed meanwhile"
        QTest::addColumn<QStringList>("history");
        QTest::newRow("a new price") << QVariant(25.0) << "18.75" << "" << QStringList{"2500|1875|changed"};
        QTest::newRow("the same price written otherwise") << QVariant(25.0) << "$25" << "" << QStringList();
        QTest::newRow("a price for an item without one") << QVariant() << "10" << "" << QStringList{"NULL|1000|changed"};
        QTest::newRow("the price taken away") << QVariant(12.5) << "" << "" << QStringList{"1250|NULL|changed"};
        QTest::newRow("the write fails") << QVariant(25.0) << "18" << "write fails" << QStringList();
        QTest::newRow("changed at another till since opened") << QVariant(25.0) << "18" << "changed meanwhile"
                                                               << QStringList();
    }

    void changeOnTheItemScreen()
    {
        QFETCH(QVariant, before);
        QFETCH(QString, typed);
        QFETCH(QString, refusal);
        QFETCH(QStringList, history);
        RunningShop run;
        run.shop.AddConsignor("Jones", "Bob");
        run.shop.AddItem("Jones", "Bob", "Lamp", {"Light", {}, 5.0, before});
        if (refusal == u"write fails") run.shop.RefuseItemWrites("BEFORE UPDATE", "the disk is full");
        ItemScreenDriver screen(run);
        screen.Show("Jones");
        screen.Choose(Change);
        screen.ClickRow(1);
        if (refusal == u"changed meanwhile") run.shop.Exec("UPDATE item SET Notes = 'seen'");
        screen.Type("txtSalePrice", typed);
        screen.Click("cmdUpdate");
        QCOMPARE(History(run.shop), history);
        QCOMPARE(screen.Text("lblMessage"), refusal.isEmpty() ? "Change function is successful"
                                                              : "Change function not successful");
        if (!refusal.isEmpty()) QCOMPARE(run.shop.Rows("SELECT SalePrice FROM item"), QStringList{"25"});
    }

    // Sell stores the boxes as they stand: a price typed into them before
    // the row is clicked is a change by hand.
    void sellOnTheItemScreen()
    {
        RunningShop run;
        run.shop.AddConsignor("Jones", "Bob");
        run.shop.AddItem("Jones", "Bob", "Lamp", {"Light", {}, 5.0, 25.0});
        ItemScreenDriver screen(run);
        screen.Show("Jones");
        screen.Choose(Sell);
        screen.ClickRow(1);
        QCOMPARE(screen.Text("lblMessage"), "Sell function is successful");
        QCOMPARE(History(run.shop), QStringList());
        QCOMPARE(run.shop.Rows("SELECT SalePrice FROM item WHERE DateSold IS NOT NULL"), QStringList{"25"});
    }

    void saleAtTheCounter_data()
    {
        QTest::addColumn<QString>("newSale");  // the price typed at the counter; empty when kept
        QTest::addColumn<bool>("changedMeanwhile");
        QTest::addColumn<QStringList>("history");
        QTest::newRow("a price changed at the counter") << "8.00" << false << QStringList{"1000|800|counter"};
        QTest::newRow("the price kept") << "" << false << QStringList();
        QTest::newRow("the same price typed again") << "10" << false << QStringList();
        QTest::newRow("the item changed since it was scanned") << "8.00" << true << QStringList();
    }

    void saleAtTheCounter()
    {
        QFETCH(QString, newSale);
        QFETCH(bool, changedMeanwhile);
        QFETCH(QStringList, history);
        TempShop shop;
        shop.AddConsignor("Jones", "Bob");
        shop.AddItem("Jones", "Bob", "Lamp", {{}, {}, 7.0, 10.0});
        Connection connection = shop.Connect();
        CounterLine line{ItemNo(shop, "Lamp"), "Jones", "Bob", "Lamp", 1000, {}, {}};
        line.scanned = *ReadItemState(connection, line.itemNo);
        if (!newSale.isEmpty()) {
            line.newPrices = PricePair{"5.60", newSale};
            line.price = *ReadCents(newSale);
        }
        if (changedMeanwhile) shop.Exec("UPDATE item SET Notes = 'seen'");
        const SaleToComplete sale{QDateTime(QDate(2024, 3, 1), QTime(10, 0)), 0, {line}, {{PayKind::Cash, 5000}}};
        const CompletedSale done = CompleteSale(connection, sale);
        QCOMPARE(done.saleNo > 0, !changedMeanwhile);
        QCOMPARE(History(shop), history);
    }

    void tooltipOfTheSalePrice_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("tooltip");
        QTest::newRow("an item marked down, then changed at the counter")
            << 1 << SalePriceColumn << "3/1/2027 25.00 to 18.75 (markdown 25%)\n3/2/2027 18.75 to 15.00 (counter)";
        QTest::newRow("an item with no changes") << 2 << SalePriceColumn << "";
        QTest::newRow("another column of the changed item") << 1 << SalePriceColumn - 1 << "";
        QTest::newRow("the empty row below the list") << 3 << SalePriceColumn << "";
    }

    void tooltipOfTheSalePrice()
    {
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(QString, tooltip);
        RunningShop run;
        run.shop.AddConsignor("Jones", "Bob");
        run.shop.AddItem("Jones", "Bob", "Coat", {{}, {}, 10.0, 18.75});
        run.shop.AddItem("Jones", "Bob", "Desk", {{}, {}, 10.0, 30.0});
        const qint64 coat = ItemNo(run.shop, "Coat");
        run.shop.Exec("INSERT INTO price_change (ItemNo, ChangedAt, OldCents, NewCents, Reason) VALUES "
                      "(?, '2027-03-02T09:00:00', 1875, 1500, 'counter'), "
                      "(?, '2027-03-01T06:00:00', 2500, 1875, 'markdown 25%')",
                      {coat, coat});
        ItemScreenDriver screen(run);
        screen.Show("Jones");
        QCOMPARE(screen.Listed(), (QStringList{"Coat", "Desk"}));
        QCOMPARE(screen.grid()->ToolTipText(row, col), tooltip);
    }
};

QTEST_MAIN(TestPriceHistory)
#include "test_pricehistory.moc"
