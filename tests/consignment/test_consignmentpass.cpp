// SPDX-License-Identifier: GPL-3.0-or-later
// The consignment period's daily pass: markdowns by age, the end of term,
// catching up after closed days, and a pass killed part-way.

#include "consignment/ConsignmentPass.h"
#include "consignment/ConsignmentTerms.h"
#include "support/TempShop.h"

#include <thread>
#include <QtTest>

using namespace mqt;

namespace {

const QDate Added(2027, 1, 4);
const SharePricing RuleOf40{40, 0, false};

// "Toys:30:40,:60:50": category (empty for every one), days, percent.
std::vector<MarkdownRow> RowsOf(const QString& text)
{
    std::vector<MarkdownRow> rows;
    for (const QString& row : text.split(u',', Qt::SkipEmptyParts)) {
        const QStringList parts = row.split(u':');
        rows.push_back({parts[0], parts[1].toInt(), parts[2].toInt()});
    }
    return rows;
}

void SetTerms(const test::TempShop& shop, const QString& rows, int term = 0, int grace = 0)
{
    Connection connection = shop.Connect();
    Transaction transaction(connection);
    WriteMarkdownRows(connection, RowsOf(rows));
    transaction.Commit();
    shop.Exec(QStringLiteral("INSERT INTO params (Commission, TermDays, GraceDays) VALUES (40, ?, ?)"), {term, grace});
}

PassOutcome PassOn(const test::TempShop& shop, const QDate& day, const SharePricing& pricing = RuleOf40)
{
    Connection connection = shop.Connect();
    return RunConsignmentPass(connection, QDateTime(day, QTime(7, 30)), pricing);
}

// The item's "sale price|share|status" and its history, oldest first.
QString ItemState(const test::TempShop& shop)
{
    const QString state = shop.Rows(QStringLiteral("select SalePrice, CostPrice, Status, StatusDate from item")).value(0);
    return state.endsWith(QLatin1String("|NULL")) ? state.chopped(5) : state;
}
QStringList History(const test::TempShop& shop)
{
    return shop.Rows(QStringLiteral("select OldCents, NewCents, Reason from price_change order by rowid"));
}

}  // namespace

class TestConsignmentPass : public QObject {
    Q_OBJECT

private slots:
    void oneItemThroughItsPasses_data()
    {
        QTest::addColumn<QString>("rows");
        QTest::addColumn<int>("term");
        QTest::addColumn<int>("grace");
        QTest::addColumn<bool>("priceOverride");
        QTest::addColumn<QVariantList>("item");  // category, cost, sale, date added, date sold
        QTest::addColumn<QString>("itemSql");    // run on the item before the passes
        QTest::addColumn<QList<int>>("passDays");  // days after Date Added
        QTest::addColumn<QString>("state");
        QTest::addColumn<QStringList>("history");

        const QVariantList toy{"Toys", 6.0, 10.0, Added, QVariant()};
        const QVariantList book{"Books", 6.0, 10.0, Added, QVariant()};
        const QString twoRows = QStringLiteral(":30:25,:60:50");
        QTest::newRow("a category's row beats the row for every category")
            << "Toys:30:40,:30:25" << 0 << 0 << false << toy << "" << QList<int>{30} << "6|3.6|NULL"
            << QStringList{"1000|600|markdown 40%"};
        QTest::newRow("the row for every category serves the others")
            << "Toys:30:40,:30:25" << 0 << 0 << false << book << "" << QList<int>{30} << "7.5|4.5|NULL"
            << QStringList{"1000|750|markdown 25%"};
        QTest::newRow("not due the day before")
            << twoRows << 0 << 0 << false << toy << "" << QList<int>{29} << "10|6|NULL" << QStringList{};
        QTest::newRow("percents off the first price, never compounded")
            << twoRows << 0 << 0 << false << toy << "" << QList<int>{30, 45, 60} << "5|3|NULL"
            << QStringList{"1000|750|markdown 25%", "750|500|markdown 50%"};
        QTest::newRow("after closed days the largest percent once")
            << twoRows << 0 << 0 << false << toy << "" << QList<int>{10, 75} << "5|3|NULL"
            << QStringList{"1000|500|markdown 50%"};
        QTest::newRow("a second pass on the same day changes nothing")
            << twoRows << 0 << 0 << false << toy << "" << QList<int>{30, 30} << "7.5|4.5|NULL"
            << QStringList{"1000|750|markdown 25%"};
        QTest::newRow("no markdown flag")
            << twoRows << 0 << 0 << false << toy << "UPDATE item SET NoMarkdown = 1" << QList<int>{70}
            << "10|6|NULL" << QStringList{};
        QTest::newRow("a rent item")
            << twoRows << 0 << 0 << false << QVariantList{"$Rent", -50.0, 0.0, Added, QVariant()} << ""
            << QList<int>{70} << "0|-50|NULL" << QStringList{};
        QTest::newRow("an item without Date Added")
            << twoRows << 60 << 0 << false << QVariantList{"Toys", 6.0, 10.0, QVariant(), QVariant()} << ""
            << QList<int>{70} << "10|6|NULL" << QStringList{};
        QTest::newRow("a sold item")
            << twoRows << 60 << 0 << false << QVariantList{"Toys", 6.0, 10.0, Added, Added.addDays(3)} << ""
            << QList<int>{70} << "10|6|NULL" << QStringList{};
        QTest::newRow("price override on: the share falls by the same percent")
            << twoRows << 0 << 0 << true << QVariantList{"Toys", 7.0, 10.0, Added, QVariant()} << ""
            << QList<int>{30} << "7.5|5.25|NULL" << QStringList{"1000|750|markdown 25%"};
        QTest::newRow("price override off: the share by the pricing rule")
            << twoRows << 0 << 0 << false << QVariantList{"Toys", 7.0, 10.0, Added, QVariant()} << ""
            << QList<int>{30} << "7.5|4.5|NULL" << QStringList{"1000|750|markdown 25%"};
        QTest::newRow("half a cent rounds away from zero")
            << twoRows << 0 << 0 << true << QVariantList{"Toys", 0.1, 0.3, Added, QVariant()} << ""
            << QList<int>{30} << "0.23|0.08|NULL" << QStringList{"30|23|markdown 25%"};
        QTest::newRow("a price set by hand is the new first price")
            << twoRows << 0 << 0 << false << toy << "" << QList<int>{30, -1, 60} << "4.5|2.7|NULL"
            << QStringList{"1000|750|markdown 25%", "900|450|markdown 50%"};
        QTest::newRow("end of term without grace days")
            << "" << 60 << 0 << false << toy << "" << QList<int>{59, 60} << "10|6|ended|2027-03-05" << QStringList{};
        QTest::newRow("grace days put the end later")
            << "" << 60 << 7 << false << toy << "" << QList<int>{66} << "10|6|NULL" << QStringList{};
        QTest::newRow("the end after the grace days")
            << "" << 60 << 7 << false << toy << "" << QList<int>{67} << "10|6|ended|2027-03-12" << QStringList{};
        QTest::newRow("an ended item marked down keeps the day it ended")
            << twoRows << 30 << 0 << false << toy << "" << QList<int>{30, 60} << "5|3|ended|2027-02-03"
            << QStringList{"1000|750|markdown 25%", "750|500|markdown 50%"};
        QTest::newRow("shop stock is left alone")
            << twoRows << 60 << 0 << false << toy << "UPDATE item SET Status = 'shop', CostPrice = 0"
            << QList<int>{70} << "10|0|shop" << QStringList{};
    }

    void oneItemThroughItsPasses()
    {
        QFETCH(QString, rows);
        QFETCH(int, term);
        QFETCH(int, grace);
        QFETCH(bool, priceOverride);
        QFETCH(QVariantList, item);
        QFETCH(QString, itemSql);
        QFETCH(QList<int>, passDays);
        QFETCH(QString, state);
        QFETCH(QStringList, history);

        test::TempShop shop;
        SetTerms(shop, rows, term, grace);
        shop.AddItem(QStringLiteral("Smith"), QStringLiteral("Ann"), QStringLiteral("oak chair"),
                     {item[0], QVariant(), item[1], item[2], item[3], item[4]});
        if (!itemSql.isEmpty()) shop.Exec(itemSql);
        for (const int day : passDays) {
            if (day < 0) {  // the owner sets the price by hand
                shop.Exec(QStringLiteral("UPDATE item SET SalePrice = 9, CostPrice = 5.4"));
                continue;
            }
            PassOn(shop, Added.addDays(day), {40, 0, priceOverride});
        }
        QCOMPARE(ItemState(shop), state);
        QCOMPARE(History(shop), history);
    }

    void theOutcomeIsCountedAndTold()
    {
        test::TempShop shop;
        SetTerms(shop, QStringLiteral(":30:25"), 60);
        for (int i = 0; i < 3; ++i)
            shop.AddItem(QStringLiteral("Smith"), QStringLiteral("Ann"), QStringLiteral("chair %1").arg(i),
                         {"Toys", QVariant(), 6.0, 10.0, Added.addDays(-30 * i)});
        const PassOutcome outcome = PassOn(shop, Added.addDays(30));
        QCOMPARE(outcome, (PassOutcome{3, 2}));
        QCOMPARE(PassOutcomeText(outcome), "3 items marked down, 2 items reached the end of their term");
        QCOMPARE(PassOutcomeText({1, 1}), "1 item marked down, 1 item reached the end of its term");
        QCOMPARE(PassOutcomeText({0, 2}), "2 items reached the end of their term");
        QCOMPARE(PassOutcomeText({}), "");
        QCOMPARE(PassOn(shop, Added.addDays(30)), PassOutcome{});
    }

    void aShopWithoutTermsIsNotWritten()
    {
        test::TempShop shop;
        shop.Exec(QStringLiteral("INSERT INTO params (Commission) VALUES (40)"));
        shop.AddItem(QStringLiteral("Smith"), QStringLiteral("Ann"), QStringLiteral("chair"),
                     {"Toys", QVariant(), 6.0, 10.0, Added});
        const QString before = shop.Rows(QStringLiteral("select RowVersion, SalePrice from item")).join(u';');
        QCOMPARE(PassOn(shop, Added.addDays(400)), PassOutcome{});
        QCOMPARE(shop.Rows(QStringLiteral("select RowVersion, SalePrice from item")).join(u';'), before);
        QCOMPARE(shop.Value(QStringLiteral("select count(*) from consignment_pass")).toInt(), 0);
    }

    void twoTillsStartingTogetherPassOnce()
    {
        test::TempShop shop;
        SetTerms(shop, QStringLiteral(":30:25"), 60);
        shop.AddManyItems(2000);
        shop.Exec(QStringLiteral("UPDATE item SET SalePrice = 20, DateAdded = ?"), {Added});
        PassOutcome first, second;
        std::thread other([&] { first = PassOn(shop, Added.addDays(70)); });
        second = PassOn(shop, Added.addDays(70));
        other.join();
        QCOMPARE(first.markedDown + second.markedDown, 2000);
        QCOMPARE(first.ended + second.ended, 2000);
        QCOMPARE(shop.Value(QStringLiteral("select count(*) from price_change")).toInt(), 2000);
    }

    void itemsAddedLateWithAnOldDateAreCaughtUp()
    {
        test::TempShop shop;
        SetTerms(shop, QStringLiteral(":30:25"));
        PassOn(shop, Added.addDays(40));
        // Taken in weeks ago, entered only now.
        shop.AddItem(QStringLiteral("Smith"), QStringLiteral("Ann"), QStringLiteral("late chair"),
                     {"Toys", QVariant(), 6.0, 10.0, Added});
        PassOn(shop, Added.addDays(41));
        QCOMPARE(ItemState(shop), "7.5|4.5|NULL");
    }
};

QTEST_GUILESS_MAIN(TestConsignmentPass)
#include "test_consignmentpass.moc"
