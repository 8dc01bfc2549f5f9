// SPDX-License-Identifier: GPL-3.0-or-later
// Two tills complete, at the same moment, baskets that hold the same items
// scanned in opposite order. One sale is written whole; the other is refused
// in the program's own words and writes nothing, never with the server's
// text of a deadlock. On a server shop every item write is slowed down, so
// that the two transactions certainly overlap.

#include "checkout/CompleteSale.h"
#include "store/Connection.h"
#include "store/StoreError.h"
#include "support/TempShop.h"

#include <QtTest>
#include <latch>
#include <thread>

using namespace mqt;
using namespace mqt::test;

namespace {

SaleToComplete Basket(const Connection& connection, const QList<qint64>& items)
{
    SaleToComplete sale;
    sale.at = QDateTime(QDate(2024, 3, 1), QTime(10, 0));
    for (qint64 itemNo : items) {
        CounterLine line;
        line.itemNo = itemNo;
        line.lastName = "Jones";
        line.firstName = "Bob";
        line.description = "Lamp";
        line.price = 1000;
        line.scanned = *ReadItemState(connection, itemNo);
        sale.lines.push_back(line);
    }
    sale.payments.push_back({PayKind::Cash, 100000});
    return sale;
}

// The refusal of a till, or its store error; empty for a sale written.
QString Complete(Connection& connection, const SaleToComplete& sale, std::latch& start)
{
    start.arrive_and_wait();
    try {
        const CompletedSale done = CompleteSale(connection, sale);
        return done.saleNo > 0 ? QString() : done.refusal;
    } catch (const StoreError& error) {
        return error.Message();
    }
}

}  // namespace

class TestOppositeBaskets : public QObject {
    Q_OBJECT

private slots:
    void oneSaleWrittenOtherRefused_data()
    {
        QTest::addColumn<int>("items");
        QTest::newRow("two items") << 2;
        QTest::newRow("five items") << 5;
    }

    void oneSaleWrittenOtherRefused()
    {
        QFETCH(int, items);
        TempShop shop;
        shop.AddConsignor("Jones", "Bob");
        for (int i = 0; i < items; ++i) shop.AddItem("Jones", "Bob", "Lamp", {QVariant(), QVariant(), 7.0, 10.0});
        if (shop.IsServer()) {
            shop.Exec("CREATE FUNCTION slow_write() RETURNS trigger LANGUAGE plpgsql AS "
                      "$$BEGIN PERFORM pg_sleep(0.2); RETURN NEW; END$$");
            shop.Exec("CREATE TRIGGER slow_write AFTER UPDATE ON item FOR EACH ROW EXECUTE FUNCTION slow_write()");
        }
        const QList<qint64> order = [&] {
            QList<qint64> numbers;
            for (const QString& number : shop.Column("SELECT ItemNo FROM item ORDER BY ItemNo")) numbers << number.toLongLong();
            return numbers;
        }();
        QList<qint64> reversed(order.rbegin(), order.rend());

        Connection one = shop.Connect();
        Connection two = shop.Connect();
        const SaleToComplete first = Basket(one, order);
        const SaleToComplete second = Basket(two, reversed);
        std::latch start(2);
        QString refusalOne, refusalTwo;
        std::thread tillTwo([&] { refusalTwo = Complete(two, second, start); });
        refusalOne = Complete(one, first, start);
        tillTwo.join();

        QCOMPARE(refusalOne.isEmpty() + refusalTwo.isEmpty(), 1);
        const QString refusal = refusalOne + refusalTwo;
        const QRegularExpression ours("^Item \\d+ was sold at another till or screen since it was scanned: nothing "
                                      "was written\\. Remove its line and scan it again\\.$");
        QVERIFY2(ours.match(refusal).hasMatch(), qPrintable(refusal));
        QCOMPARE(shop.Value("SELECT count(*) FROM sale").toInt(), 1);
        QCOMPARE(shop.Value("SELECT count(*) FROM sale_line").toInt(), items);
        QCOMPARE(shop.Value("SELECT count(*) FROM item WHERE DateSold IS NULL").toInt(), 0);
    }
};

QTEST_MAIN(TestOppositeBaskets)
#include "test_oppositebaskets.moc"
