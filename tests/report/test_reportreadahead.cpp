// SPDX-License-Identifier: GPL-3.0-or-later
// The report's records read ahead on a worker thread: the same records in
// the same order as a plain walk, the engine's failures passed on, and a run
// that stops early ends the worker.

#include "report/ItemRecordText.h"
#include "report/ReportReadAhead.h"
#include "store/DataControl.h"
#include "store/Database.h"
#include "store/StoreError.h"
#include "support/FixedClock.h"
#include "support/TempShop.h"

#include <QtTest>
#include <optional>

using namespace mqt;
using namespace mqt::test;

namespace {

const QString Query = QStringLiteral("select * from item order by lastname asc, firstname asc");

struct OpenShop {
    explicit OpenShop(const TempShop& shop) : database(clock)
    {
        database.OpenShop(shop.Folder());
        source.DatabaseName(database);
        source.RecordSource(Query);
    }
    FixedClock clock;
    Database database;
    DataControl source;
    const ItemColumnTable columns = BuildItemColumns();
};

// Each record's values joined, as the plain walk reads them.
QStringList Walked(OpenShop& open)
{
    QStringList records;
    std::optional<ItemRecordReader> reader;
    ItemRecordText text(open.columns);
    open.source.Walk([&](const Recordset& items) {
        if (!reader) reader.emplace(items, open.columns);
        const ItemColumnValues values = text.Shown(reader->Stored());
        records << QStringList(values.begin(), values.end()).join(u'|');
    });
    return records;
}

}  // namespace

class TestReportReadAhead : public QObject {
    Q_OBJECT

private slots:
    void sameRecordsInTheSameOrder_data()
    {
        QTest::addColumn<int>("items");
        QTest::newRow("no records") << 0;
        QTest::newRow("fewer than a batch") << 3;
        QTest::newRow("several batches and a part") << 2345;
        QTest::newRow("more than are read ahead") << 9000;
    }

    void sameRecordsInTheSameOrder()
    {
        QFETCH(int, items);
        TempShop shop;
        if (items > 0) {
            shop.AddManyItems(items - 1);
            shop.AddItem(QStringLiteral("Ærø"), QStringLiteral("Åse"), QStringLiteral("bowl"),
                         {"kitchen", {}, 1.5, 2.25, "2024-01-05", {}, {}, {}, "chipped"});
        }
        OpenShop open(shop);
        const QStringList expected = Walked(open);
        QCOMPARE(expected.size(), items);

        QStringList read;
        {
            ReportReadAhead records(open.source, open.columns);
            ItemColumnValues values;
            while (records.Next(values)) read << QStringList(values.begin(), values.end()).join(u'|');
            QVERIFY(!records.Next(values));
        }
        QCOMPARE(read, expected);
        // The record source is free again.
        QCOMPARE(Walked(open), expected);
    }

    void failureOfTheEngineIsPassedOn()
    {
        TempShop shop;
        OpenShop open(shop);
        open.source.RecordSource(QStringLiteral("select * from no_such_table"));
        ReportReadAhead records(open.source, open.columns);
        ItemColumnValues values;
        QVERIFY_THROWS_EXCEPTION(StoreError, records.Next(values));
    }

    void runThatStopsEarlyEndsTheWorker()
    {
        TempShop shop;
        shop.AddManyItems(20000);
        OpenShop open(shop);
        {
            ReportReadAhead records(open.source, open.columns);
            ItemColumnValues values;
            for (int i = 0; i < 10; ++i) QVERIFY(records.Next(values));
        }
        QCOMPARE(Walked(open).size(), 20000);
    }
};

QTEST_MAIN(TestReportReadAhead)
#include "test_reportreadahead.moc"
