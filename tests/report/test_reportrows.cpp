// SPDX-License-Identifier: GPL-3.0-or-later
// The report's rows from its matching records: sorting, grouping keys,
// subtotals and totals, without windows.

#include "common/ItemColumns.h"
#include "report/ReportRows.h"

#include <QtTest>

using namespace mqt;

namespace {

const QDate today(2024, 2, 20);

// An item from its texts in column order 1 to 11 ("Smith|John|Oak chair|...").
ItemColumnValues Item(const QString& texts)
{
    ItemColumnValues values;
    const QStringList cells = texts.split(u'|');
    for (int c = 0; c < cells.size(); ++c) values[std::size_t(ItemColumn::LastName + c)] = cells[c];
    return values;
}

// Each row as "kind: cells joined by |", trailing empty cells left off.
QStringList Run(const ReportOptions& options, const QStringList& items)
{
    const ItemColumnTable columns = BuildItemColumns();
    QStringList shown;
    ReportRows rows(options, columns, today, [&](ReportRowKind kind, ReportCells& cells) {
        QStringList texts(cells.begin(), cells.end());
        while (!texts.isEmpty() && texts.last().isEmpty()) texts.removeLast();
        const char* name = kind == ReportRowKind::Detail ? "D" : kind == ReportRowKind::Subtotal ? "S" : "T";
        shown << QLatin1String(name) + u':' + texts.join(u'|');
    });
    for (const QString& item : items) rows.Add(Item(item));
    rows.Finish();
    return shown;
}

}  // namespace

class ReportRowsTest : public QObject {
    Q_OBJECT

private slots:
    void rows_data()
    {
        QTest::addColumn<int>("sortColumn");
        QTest::addColumn<bool>("summary");
        QTest::addColumn<bool>("totals");
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QStringList>("rows");

        const QStringList two{"Smith|John|Oak chair|Furniture|Chairs|12.00|20.00|3/1/2012",
                              "Smith|John|Lamp|||1.50|2.25", "Adams|Al|Rug|||5.00|8.00"};
        QTest::newRow("summary wins over detail totals") << 0 << true << true << two
            << QStringList{"S:Smith|John||||13.50|22.25|||||2", "S:Adams|Al||||5.00|8.00|||||1",
                           "T:Total|||||18.50|30.25|||||3"};
        QTest::newRow("part example: one item with detail totals") << 0 << false << true << two.mid(0, 1)
            << QStringList{"D:Smith|John|Oak chair|Furniture|Chairs|12.00|20.00|3/1/2012",
                           "S:Smith|John||||12.00|20.00|||||1", "T:Total|||||12.00|20.00|||||1"};
        QTest::newRow("same last name, other first name: two consignors") << 0 << true << false
            << QStringList{"Lee|Ann|a||||1.00", "Lee|Bo|b||||1.00"}
            << QStringList{"S:Lee|Ann||||0.00|1.00|||||1", "S:Lee|Bo||||0.00|1.00|||||1", "T:Total|||||0.00|2.00|||||2"};
        QTest::newRow("names group by letter case") << 0 << true << false
            << QStringList{"Smith|Al|a|||1.00", "smith|Al|b|||1.00"}
            << QStringList{"S:Smith|Al||||1.00|0.00|||||1", "S:smith|Al||||1.00|0.00|||||1", "T:Total|||||2.00|0.00|||||2"};
        QTest::newRow("descriptions group in any case, shown lower-cased") << 2 << false << true
            << QStringList{"A|B|Oak Chair|||1.00", "C|D|oak chair|||2.00"}
            << QStringList{"D:A|B|Oak Chair|||1.00", "D:C|D|oak chair|||2.00", "S:||oak chair|||3.00|0.00|||||2",
                           "T:Total|||||3.00|0.00|||||2"};
        QTest::newRow("cost groups show the sum, not the price") << 5 << false << true
            << QStringList{"A|B|x|||4.00", "C|D|y|||4.00", "E|F|z|||7.00"}
            << QStringList{"D:A|B|x|||4.00", "D:C|D|y|||4.00", "S:|||||8.00|0.00|||||2", "D:E|F|z|||7.00",
                           "S:|||||7.00|0.00|||||1", "T:Total|||||15.00|0.00|||||3"};
        QTest::newRow("empty cost counts 0 and is its own group") << 5 << true << false
            << QStringList{"A|B|x|||0.00|1.00", "C|D|y||||2.00"}
            << QStringList{"S:|||||0.00|1.00|||||1", "S:|||||0.00|2.00|||||1", "T:Total|||||0.00|3.00|||||2"};
        QTest::newRow("unsold items group under 1/1/1900") << 8 << true << false
            << QStringList{"A|B|x||||||", "C|D|y||||||not a date", "E|F|z||||||3/1/2012"}
            << QStringList{"S:|||||0.00|0.00||1/1/1900|||2", "S:|||||0.00|0.00||3/1/2012|||1",
                           "T:Total|||||0.00|0.00|||||3"};
        QTest::newRow("a rent item's negative cost subtracts") << 0 << true << false
            << QStringList{"Lee|Ann|Rent - 01/15/2024|$Rent||-50.00|0.00", "Lee|Ann|vase|||12.25|20.00"}
            << QStringList{"S:Lee|Ann||||-37.75|20.00|||||2", "T:Total|||||-37.75|20.00|||||2"};
        QTest::newRow("nothing matched: no total row") << 0 << false << true << QStringList{} << QStringList{};
    }

    void rows()
    {
        QFETCH(int, sortColumn);
        QFETCH(bool, summary);
        QFETCH(bool, totals);
        QFETCH(QStringList, items);
        QFETCH(QStringList, rows);
        QCOMPARE(Run(ReportOptions{sortColumn, summary, totals}, items), rows);
    }

    void countsBeyondSixteenBits()
    {
        const ItemColumnTable columns = BuildItemColumns();
        ReportCells last;
        ReportRows rows(ReportOptions{0, true, false}, columns, today,
                        [&](ReportRowKind, ReportCells& cells) { last = cells; });
        const ItemColumnValues item = Item("Smith|John|x|||0.01|1.00");
        for (int i = 0; i < 40000; ++i) rows.Add(item);
        rows.Finish();
        QCOMPARE(last[CountColumn], QStringLiteral("40000"));
        QCOMPARE(last[5], QStringLiteral("400.00"));
        QCOMPARE(last[6], QStringLiteral("40000.00"));
    }

    void sortColumnAndQuery_data()
    {
        QTest::addColumn<int>("clicked");
        QTest::addColumn<QString>("query");
        QTest::newRow("last name adds the first name") << 0 << "select * from item order by lastname asc, firstname asc";
        QTest::newRow("description") << 2 << "select * from item order by itemdesc asc";
        QTest::newRow("pay reference") << 10 << "select * from item order by payref asc";
        QTest::newRow("Count means the names") << 11 << "select * from item order by lastname asc, firstname asc";
    }

    void sortColumnAndQuery()
    {
        QFETCH(int, clicked);
        QFETCH(QString, query);
        const ItemColumnTable columns = BuildItemColumns();
        QCOMPARE(ReportQuery(SortColumnFor(clicked, columns), columns), query);
    }
};

QTEST_GUILESS_MAIN(ReportRowsTest)
#include "test_reportrows.moc"
