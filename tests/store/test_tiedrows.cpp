// SPDX-License-Identifier: GPL-3.0-or-later
// Rows whose sort terms tie, in the statements the report, the item and
// consignor screens and the rent pass sort with: both engines give them in
// one order, the file's, on every run.

#include "common/ItemColumns.h"
#include "consignor/ConsignorQueries.h"
#include "item/ItemQueries.h"
#include "report/ReportSort.h"
#include "support/RunningShop.h"

#include <QtTest>

using namespace mqt;

namespace {

// Items i1 to i12, stored in that order; each is named by its Notes.
void AddItems(const test::TempShop& shop)
{
    struct Item {
        const char* last;
        const char* first;
        const char* desc;
        QVariant category;
        QVariant cost;
    };
    const Item items[] = {
        {"Smith", "Ann", "b", "toys", 5.0},   {"Smith", "Ann", "a", "toys", 5.0},  {"SMITH", "ann", "c", "Toys", 5.0},
        {"Smith", "Ann", "A", "toys", 7.0},   {"Smith", "Ann", "a", "books", 5.0}, {"smith", "Ann", "a", "toys", 5.0},
        {"Adams", "Bo", "b", QVariant(), 5.0}, {"Adams", "Bo", "a", "toys", QVariant()},
        {"Müller", "Jo", "x", "art", 1.0},    {"MÜLLER", "Jo", "x", "art", 1.0},   {"Müller", "Jo", "x", "art", 1.0},
        {"müller", "Jo", "x", "art", 1.0},
    };
    int n = 0;
    for (const Item& item : items)
        shop.AddItem(QString::fromUtf8(item.last), QString::fromUtf8(item.first), QString::fromUtf8(item.desc),
                     {item.category, {}, item.cost, {}, {}, {}, {}, {}, QStringLiteral("i%1").arg(++n)});
}

// Consignors c1 to c6, stored in that order; each is named by the first word
// of its Notes, and all but Adams rent a space that charges nothing.
void AddConsignors(const test::TempShop& shop)
{
    const char* names[][2] = {{"Smith", "Cy"},  {"Smith", "Ann"}, {"SMITH", "Bo"},
                              {"Smith", "ann"}, {"Adams", "Al"},  {"Smith", "Ann"}};
    int n = 0;
    for (const auto& name : names) {
        const QString label = QStringLiteral("c%1").arg(++n);
        shop.AddConsignor(QLatin1String(name[0]), QLatin1String(name[1]),
                          QLatin1String(name[0]) == u"Adams" ? label : label + QStringLiteral(" $Rent=(amount=0)"));
    }
}

// A server keeps rows in the order they were last written: rewritten rows
// move behind the others, away from both the order of their row ids and
// that of their descriptions.
void RewriteSome(const test::TempShop& shop)
{
    shop.Exec(QStringLiteral("UPDATE item SET Notes = Notes WHERE Notes IN ('i1', 'i2', 'i9')"));
    shop.Exec(QStringLiteral("UPDATE consignor SET Notes = Notes WHERE LastName = 'Smith' AND FirstName = 'Ann'"));
}

QString ReportBy(int sortColumn) { return ReportQuery(sortColumn, BuildItemColumns()); }

}  // namespace

class TestTiedRows : public QObject {
    Q_OBJECT

private slots:
    void tiedRowsComeInTheFilesOrder_data()
    {
        QTest::addColumn<bool>("items");  // else consignors
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QStringList>("order");

        // The file reads these through its names index: tied rows follow
        // its description (A to Z folded), then the row id.
        QTest::newRow("report by consignor: one consignor's items by description")
            << true << ReportBy(0)
            << QStringList{"i8", "i7", "i10", "i9", "i11", "i12", "i3", "i2", "i4", "i5", "i1", "i6"};
        QTest::newRow("item list: equal descriptions in the order stored")
            << true << ListItems(QStringLiteral("Smith"), QStringLiteral("Ann"))
            << QStringList{"i4", "i2", "i5", "i6", "i1", "i3"};
        QTest::newRow("item list beyond ASCII: the names as the index folds them, then the order stored")
            << true << ListItems(QStringLiteral("Müller"), QStringLiteral("Jo"))
            << QStringList{"i10", "i9", "i11", "i12"};
        QTest::newRow("consignor search: first names as the index folds them, then the order stored")
            << false << SearchConsignors(QStringLiteral("smi"), QString())
            << QStringList{"c3", "c2", "c4", "c6", "c1"};
        QTest::newRow("rent pass: consignors of one last name by first name")
            << false << QStringLiteral("select * from  consignor where notes like '*$Rent*' order by lastname asc")
            << QStringList{"c3", "c2", "c4", "c6", "c1"};

        // These the file reads in the order stored.
        QTest::newRow("report by first name")
            << true << ReportBy(1)
            << QStringList{"i1", "i2", "i4", "i5", "i6", "i3", "i7", "i8", "i9", "i10", "i11", "i12"};
        QTest::newRow("report by description")
            << true << ReportBy(2)
            << QStringList{"i4", "i2", "i5", "i6", "i8", "i1", "i7", "i3", "i9", "i10", "i11", "i12"};
        QTest::newRow("report by category, empty first")
            << true << ReportBy(3)
            << QStringList{"i7", "i9", "i10", "i11", "i12", "i5", "i3", "i1", "i2", "i4", "i6", "i8"};
        QTest::newRow("report by cost price, empty first")
            << true << ReportBy(5)
            << QStringList{"i8", "i9", "i10", "i11", "i12", "i1", "i2", "i3", "i5", "i6", "i7", "i4"};
    }

    void tiedRowsComeInTheFilesOrder()
    {
        QFETCH(bool, items);
        QFETCH(QString, statement);
        QFETCH(QStringList, order);

        test::RunningShop run;
        AddItems(run.shop);
        AddConsignors(run.shop);
        RewriteSome(run.shop);
        QVERIFY(run.Start());
        QCOMPARE(run.dialogs.Messages(), QStringList());

        QStringList seen;
        Recordset& rows = (items ? run.Shared().Data3 : run.Shared().Data2).Query(statement);
        for (; !rows.Eof(); rows.MoveNext()) seen << rows.Fields(QStringLiteral("Notes")).Text().section(u' ', 0, 0);
        QCOMPARE(seen, order);
    }
};

QTEST_MAIN(TestTiedRows)
#include "test_tiedrows.moc"
