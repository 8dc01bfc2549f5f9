// SPDX-License-Identifier: GPL-3.0-or-later
// After a restore of an older backup, item and sale numbers go on past every
// number given out before: the shop's own until the restore, and those its
// receipt files carry. With the real helper commands, pg_dump and pg_restore.

#include "store/Schema.h"
#include "support/RunningShop.h"
#include "support/TestServer.h"
#include "store/ShopFiles.h"

#include <QSignalSpy>
#include <QtTest>

using namespace mqt;

namespace {

void AddSale(const test::TempShop& shop)
{
    shop.Exec(QStringLiteral("INSERT INTO sale (SoldAt, Kind, TaxRate, Subtotal, Tax, Total) "
                             "VALUES ('2024-02-20T10:00:00', 'Sale', 0, 500, 0, 500)"));
}

void AddItemsAndSales(const test::TempShop& shop, int items, int sales, const QString& description)
{
    for (int i = 0; i < items; ++i)
        shop.AddItem(QStringLiteral("Smith"), QStringLiteral("Ann"), description + QString::number(i + 1));
    for (int i = 0; i < sales; ++i) AddSale(shop);
}

void WriteReceipts(const QString& shopFolder, const QStringList& names)
{
    QVERIFY(QDir().mkpath(shopFolder + QStringLiteral("/receipts")));
    for (const QString& name : names) {
        QFile file(shopFolder + QStringLiteral("/receipts/") + name);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("%PDF-1.4\n") > 0);
    }
}

// Replaces the backup copy by a shop file of the first version, without item
// or sale numbers: one consignor and one item.
void MakeFirstVersionBackup(const QString& copy)
{
    QFile::remove(copy);
    Connection shop = Connection::Open(copy, true);
    CreateSchema(shop);
    shop.Execute(QStringLiteral("INSERT INTO consignor (LastName, FirstName) VALUES ('Smith', 'Ann')"));
    shop.Execute(QStringLiteral("INSERT INTO item (LastName, FirstName, ItemDesc) VALUES ('Smith', 'Ann', 'old')"));
}

// Starts the program on a shop with a consignor, whose backup folder is
// `backup`, with the real helper commands.
void StartShop(test::RunningShop& run, const QString& backup)
{
    run.InstallHelperCommands();
    QString location = QStringLiteral("c:") + backup + u'/';
    location.replace(u'/', u'\\');
    run.shop.Exec(QStringLiteral("INSERT INTO params (Commission, Rounding, PriceOverride, Backup) VALUES (0, 0, 0, ?)"),
                  {location});
    run.shop.AddConsignor(QStringLiteral("Smith"), QStringLiteral("Ann"));
    QVERIFY(run.Start());
}

}  // namespace

class TestRestoreNumbering : public QObject {
    Q_OBJECT

private slots:
    void numbersGoOnPastThoseGivenOut_data()
    {
        QTest::addColumn<int>("items");        // stored after the backup, beside the two before it
        QTest::addColumn<int>("sales");        // likewise, beside the three before it
        QTest::addColumn<bool>("dropNewest");  // the newest item and sale deleted again before the restore
        QTest::addColumn<QStringList>("receipts");
        QTest::addColumn<bool>("firstVersion");  // the backup is a shop file without numbers
        QTest::addColumn<qint64>("nextItem");
        QTest::addColumn<qint64>("nextSale");

        const QStringList none;
        QTest::newRow("items and sales since the backup") << 2 << 3 << false << none << false << 5ll << 7ll;
        QTest::newRow("receipt files beyond the shop's sales")
            << 0 << 1 << false << QStringList{"sale-000002.pdf", "sale-000044.pdf"} << false << 3ll << 45ll;
        QTest::newRow("numbers of items and sales deleted before the restore")
            << 1 << 1 << true << QStringList{"sale-000004.pdf"} << false << 4ll << 5ll;
        QTest::newRow("a receipt number beyond six digits")
            << 0 << 0 << false << QStringList{"sale-1234567.pdf"} << false << 3ll << 1234568ll;
        QTest::newRow("files that name no receipt are not counted")
            << 1 << 2 << false
            << QStringList{"receipts.ini", "sale-000090.pdf.part", "sale-91.pdf", "sale-000092.txt", "Sale-000093.pdf"}
            << false << 4ll << 6ll;
        QTest::newRow("a backup of the first version of the shop file")
            << 1 << 1 << false << QStringList{"sale-000010.pdf"} << true << 4ll << 11ll;
    }

    void numbersGoOnPastThoseGivenOut()
    {
        QFETCH(int, items);
        QFETCH(int, sales);
        QFETCH(bool, dropNewest);
        QFETCH(QStringList, receipts);
        QFETCH(bool, firstVersion);
        QFETCH(qint64, nextItem);
        QFETCH(qint64, nextSale);
        if (firstVersion) MQT_FILE_ONLY();
        const bool server = test::ServerEngineWanted();

        QTemporaryDir backup;
        test::RunningShop run;
        StartShop(run, backup.path());
        AddItemsAndSales(run.shop, 2, 3, QStringLiteral("before "));
        run.Menu().lblFunction_Click(MenuEntry::Backup);
        QCOMPARE(run.dialogs.Errors(), QStringList());
        if (firstVersion) MakeFirstVersionBackup(backup.path() + QStringLiteral("/Marquill.mqt"));

        AddItemsAndSales(run.shop, items, sales, QStringLiteral("since "));
        if (dropNewest) {
            run.shop.Exec(QStringLiteral("DELETE FROM item WHERE ItemNo = (SELECT max(ItemNo) FROM item)"));
            run.shop.Exec(QStringLiteral("DELETE FROM sale WHERE SaleNo = (SELECT max(SaleNo) FROM sale)"));
        }
        WriteReceipts(run.shop.Folder(), receipts);
        run.dialogs.Clear();
        QSignalSpy ended(&run.Menu(), &frmMenu::Ended);
        run.dialogs.QueueAnswer(Yes);
        run.Menu().lblFunction_Click(MenuEntry::Restore);

        QCOMPARE(run.dialogs.Errors(), QStringList());
        QCOMPARE(run.dialogs.Messages(), QStringList{"Files restored - Restart program"});
        QCOMPARE(ended.size(), 1);
        QVERIFY(!run.Shared().database.IsOpen());
        QCOMPARE(run.shop.Column(QStringLiteral("select ItemDesc from item where substr(ItemDesc, 1, 5) = 'since'")),
                 QStringList());
        QCOMPARE(QFileInfo::exists(backup.path() + u'/' + QLatin1String(server ? ServerBackupName : ShopFileName)),
                 true);

        // The program starts again on the restored shop; the next item and
        // sale get numbers of their own.
        QVERIFY(run.Start());
        run.shop.AddItem(QStringLiteral("Smith"), QStringLiteral("Ann"), QStringLiteral("after"));
        AddSale(run.shop);
        QCOMPARE(run.shop.Value(QStringLiteral("select ItemNo from item where ItemDesc = 'after'")).toLongLong(),
                 nextItem);
        QCOMPARE(run.shop.Value(QStringLiteral("select max(SaleNo) from sale")).toLongLong(), nextSale);
    }

    void shopWhoseNumberingCannotBeReadIsNotReplaced()
    {
        MQT_FILE_ONLY();
        QTemporaryDir backup;
        test::RunningShop run;
        StartShop(run, backup.path());
        run.Menu().lblFunction_Click(MenuEntry::Backup);
        run.shop.Exec(QStringLiteral("DROP TRIGGER item_number_given"));
        run.shop.Exec(QStringLiteral("DROP TABLE counters"));
        const QByteArray shop = test::FileContents(run.shop.DatabasePath());
        run.dialogs.Clear();
        QSignalSpy ended(&run.Menu(), &frmMenu::Ended);
        run.dialogs.QueueAnswer(Yes);
        run.Menu().lblFunction_Click(MenuEntry::Restore);

        QCOMPARE(run.dialogs.Errors().size(), 1);
        QVERIFY2(run.dialogs.Errors().first().startsWith(
                     QStringLiteral("The shop's numbering cannot be read - nothing restored\n")),
                 qPrintable(run.dialogs.Errors().first()));
        QCOMPARE(run.dialogs.Messages(), QStringList());
        QCOMPARE(ended.size(), 0);
        QVERIFY(run.Shared().database.IsOpen());
        QCOMPARE(test::FileContents(run.shop.DatabasePath()), shop);
    }
};

QTEST_MAIN(TestRestoreNumbering)
#include "test_restorenumbering.moc"
