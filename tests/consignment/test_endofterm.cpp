// SPDX-License-Identifier: GPL-3.0-or-later
// Items at the end of their term: which are listed with which agreed action,
// what returning, donating or keeping them writes, and that nothing is
// written when another till changed one since the list was read.
#include "checkout/ScanItem.h"
#include "consignment/EndOfTerm.h"
#include "consignment/ItemsLeft.h"
#include "support/TempShop.h"

#include <QtTest>

using namespace mqt;
using test::TempShop;

namespace {

const QDate Today(2027, 3, 1);

QString Iso(const QDate& day) { return day.toString(Qt::ISODate); }

// Adds an unsold item of Ann Lee added `daysAgo` days before today, ended or
// not; returns its number.
qint64 AddItem(const TempShop& shop, const QString& desc, int daysAgo, bool ended, const QString& last = "Lee")
{
    shop.AddItem(last, "Ann", desc, {"Coats", "", 6.0, 12.5, Iso(Today.addDays(-daysAgo))});
    const qint64 itemNo = shop.Value("SELECT MAX(ItemNo) FROM item").toLongLong();
    if (ended) shop.Exec("UPDATE item SET Status = 'ended', StatusDate = ? WHERE ItemNo = ?", {Iso(Today), itemNo});
    return itemNo;
}

// The shop's params row, which a new shop gets at the program's first start.
void SetTerms(const TempShop& shop, int termDays, const QString& code)
{
    shop.Exec("INSERT INTO params (Commission, Rounding, PriceOverride, Backup, TermDays, GraceDays, EndOfTerm) "
              "VALUES (0, 0, 0, ' ', ?, 10, ?)",
              {termDays, code});
}

std::vector<TermItem> Read(const TempShop& shop, int withinDays = 0)
{
    const Connection connection = shop.Connect();
    return ReadTermItems(connection, Today, withinDays);
}

}  // namespace

class TestEndOfTerm : public QObject {
    Q_OBJECT
private slots:
    void apply_data()
    {
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("meanwhile");  // what another till does to the second item
        QTest::addColumn<QString>("leftAs");      // item_left's rows, empty when none
        QTest::addColumn<QString>("refused");     // how the refusal ends, empty when none

        QTest::newRow("returned") << int(EndOfTermAction::ReturnToConsignor) << "" << "returned" << "";
        QTest::newRow("donated") << int(EndOfTermAction::Donate) << "" << "donated" << "";
        QTest::newRow("kept as shop stock") << int(EndOfTermAction::ShopStock) << "" << "" << "";
        QTest::newRow("changed meanwhile writes nothing")
            << int(EndOfTermAction::ReturnToConsignor) << "UPDATE item SET Notes = 'moved' WHERE ItemNo = ?" << ""
            << "since the list was read: nothing was written. Read the list again.";
        QTest::newRow("sold meanwhile writes nothing")
            << int(EndOfTermAction::Donate) << "UPDATE item SET DateSold = '2027-03-01' WHERE ItemNo = ?" << ""
            << "was sold at another till or screen since the list was read: nothing was written. Read the list again.";
        QTest::newRow("shop stock sold meanwhile writes nothing")
            << int(EndOfTermAction::ShopStock) << "UPDATE item SET DateSold = '2027-03-01' WHERE ItemNo = ?" << ""
            << "was sold at another till or screen since the list was read: nothing was written. Read the list again.";
    }
    void apply()
    {
        QFETCH(int, action);
        QFETCH(QString, meanwhile);
        QFETCH(QString, leftAs);
        QFETCH(QString, refused);
        TempShop shop;
        const qint64 first = AddItem(shop, "Wool coat", 200, true);
        const qint64 second = AddItem(shop, "Rain coat", 150, true);
        const std::vector<TermItem> items = Read(shop);
        QCOMPARE(items.size(), 2u);
        if (!meanwhile.isEmpty()) shop.Exec(meanwhile, {second});

        Connection connection = shop.Connect();
        const TermOutcome outcome = ApplyEndOfTerm(connection, items, EndOfTermAction(action), Today);
        if (!refused.isEmpty()) {
            QVERIFY2(outcome.refusal.startsWith(QStringLiteral("Item %1 ").arg(second)), qPrintable(outcome.refusal));
            QVERIFY2(outcome.refusal.endsWith(refused), qPrintable(outcome.refusal));
            QCOMPARE(shop.Value("SELECT COUNT(*) FROM item_left").toInt(), 0);
            QCOMPARE(shop.Rows("SELECT Status, CostPrice FROM item WHERE ItemNo = ?", {first}),
                     QStringList{"ended|6"});
            return;
        }
        QCOMPARE(outcome.refusal, QString());
        const QString scanned = ScanItem(connection, QString::number(first), {}).refusal;
        if (leftAs.isEmpty()) {
            QCOMPARE(shop.Rows("SELECT Status, StatusDate, CostPrice, SalePrice FROM item ORDER BY ItemNo"),
                     (QStringList{"shop|2027-03-01|0|12.5", "shop|2027-03-01|0|12.5"}));
            QCOMPARE(shop.Value("SELECT COUNT(*) FROM item_left").toInt(), 0);
            QCOMPARE(scanned, QString());  // the shop's own stock sells as before
            return;
        }
        // Gone from item, so no list, pay-out or report counts it.
        QCOMPARE(shop.Value("SELECT COUNT(*) FROM item").toInt(), 0);
        QCOMPARE(shop.Rows("SELECT ItemNo, LastName, ItemDesc, CostPrice, Status, LeftAs, LeftOn FROM item_left "
                           "ORDER BY ItemNo"),
                 (QStringList{QStringLiteral("%1|Lee|Wool coat|6|ended|%2|2027-03-01").arg(first).arg(leftAs),
                              QStringLiteral("%1|Lee|Rain coat|6|ended|%2|2027-03-01").arg(second).arg(leftAs)}));
        const QString expected = leftAs == LeftReturned
                                     ? QStringLiteral("Item %1 was returned to its consignor on 3/1/2027").arg(first)
                                     : QStringLiteral("Item %1 was donated on 3/1/2027").arg(first);
        QCOMPARE(scanned, expected);

        // The consignor's statement finds them by name, whatever the letter
        // case, and a rename carries them as it carries the items in stock.
        QCOMPARE(ReadItemsLeftOf(connection, "LEE", "ann").size(), 2u);
        {
            Transaction transaction(connection);
            RenameItemsLeft(connection, "lee", "Ann", "Lee-Park", "Ann");
            transaction.Commit();
        }
        QCOMPARE(ReadItemsLeftOf(connection, "Lee", "Ann").size(), 0u);
        QCOMPARE(ReadItemsLeftOf(connection, "Lee-Park", "Ann").size(), 2u);
    }

    void agreedAction_data()
    {
        QTest::addColumn<QString>("shopCode");
        QTest::addColumn<QString>("consignorCode");
        QTest::addColumn<int>("agreed");
        QTest::newRow("nothing set returns") << "" << "" << int(EndOfTermAction::ReturnToConsignor);
        QTest::newRow("shop's donate") << "donated" << "" << int(EndOfTermAction::Donate);
        QTest::newRow("consignor's own over the shop's") << "donated" << "shop" << int(EndOfTermAction::ShopStock);
        QTest::newRow("consignor's return over the shop's") << "shop" << "returned"
                                                            << int(EndOfTermAction::ReturnToConsignor);
    }
    void agreedAction()
    {
        QFETCH(QString, shopCode);
        QFETCH(QString, consignorCode);
        QFETCH(int, agreed);
        TempShop shop;
        shop.AddConsignor("Lee", "Ann");
        shop.AddConsignor("Abel", "Bo");
        SetTerms(shop, 90, shopCode);
        shop.Exec("UPDATE consignor SET EndOfTerm = ? WHERE LastName = 'Lee'", {consignorCode});
        AddItem(shop, "Hat", 120, true, "Lee");
        AddItem(shop, "Scarf", 120, true, "Abel");
        const std::vector<TermItem> items = Read(shop);
        QCOMPARE(items.size(), 2u);
        QCOMPARE(items[0].read.lastName, "Abel");  // grouped by consignor, by name
        QCOMPARE(int(items[1].agreed), agreed);
        QCOMPARE(int(items[0].agreed), int(EndOfTermOfCode(shopCode).value_or(EndOfTermAction::ReturnToConsignor)));
    }

    void endsWithin_data()
    {
        QTest::addColumn<int>("termDays");
        QTest::addColumn<int>("daysAgo");
        QTest::addColumn<int>("within");
        QTest::addColumn<bool>("listed");
        QTest::newRow("ends in 5 days, within 7") << 90 << 85 << 7 << true;
        QTest::newRow("ends today") << 90 << 90 << 1 << true;
        QTest::newRow("ends in 7 days, within 7") << 90 << 83 << 7 << true;
        QTest::newRow("ends in 8 days, within 7") << 90 << 82 << 7 << false;
        QTest::newRow("ends in 5 days, none asked") << 90 << 85 << 0 << false;
        QTest::newRow("no term kept") << 0 << 85 << 7 << false;
    }
    void endsWithin()
    {
        QFETCH(int, termDays);
        QFETCH(int, daysAgo);
        QFETCH(int, within);
        QFETCH(bool, listed);
        TempShop shop;
        SetTerms(shop, termDays, "");
        AddItem(shop, "Lamp", daysAgo, false);
        const std::vector<TermItem> items = Read(shop, within);
        QCOMPARE(items.size(), listed ? 1u : 0u);
        if (!listed) return;
        QVERIFY(!items[0].ended);
        QCOMPARE(items[0].termEnds, Today.addDays(termDays - daysAgo));
    }

    void question_data()
    {
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("question");
        QTest::newRow("returned, one agreed to be donated")
            << int(EndOfTermAction::ReturnToConsignor)
            << "Mark 3 items returned to their consignors? 1 of them was agreed to be donated.";
        QTest::newRow("donated, two agreed to be returned")
            << int(EndOfTermAction::Donate) << "Mark 3 items donated? 2 of them were agreed to be returned to their "
                                               "consignor.";
    }
    void question()
    {
        QFETCH(int, action);
        QFETCH(QString, question);
        std::vector<TermItem> items(3);
        for (TermItem& item : items) item.ended = true;
        items[2].agreed = EndOfTermAction::Donate;
        QCOMPARE(EndOfTermQuestion(items, EndOfTermAction(action)), question);
    }
};

QTEST_GUILESS_MAIN(TestEndOfTerm)
#include "test_endofterm.moc"
