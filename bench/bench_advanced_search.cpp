// SPDX-License-Identifier: GPL-3.0-or-later
// How long the report's filters take for 100,000 items (or as many as the
// argument ITEMS says), beside the time the record source needs to read those
// items from SQLite.
#include "common/Clock.h"
#include "common/ItemColumns.h"
#include "search/AdvancedSearch.h"
#include "search/CriteriaFromSelections.h"
#include "search/RecordMatchesCriteria.h"
#include "store/DataControl.h"
#include "store/Database.h"
#include "store/Schema.h"
#include "store/Connection.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <limits>
#include <vector>

using namespace mqt;

namespace {

int itemCount = 100000;

struct Item {
    QString last, first, desc, category, subcategory;
    double cost;
    QDate added;
};

std::vector<Item> GenerateItems()
{
    const QStringList lasts = {"Smith", "Jones", "Miller", "Brown", "Garcia", "Wilson", "Taylor", "Moore"};
    const QStringList firsts = {"John", "Ann", "Mary", "Peter", "Lisa", "Tom"};
    const QStringList woods = {"oak", "pine", "walnut", "maple", "teak", "painted"};
    const QStringList things = {"chair", "table", "desk", "lamp", "dresser", "mirror", "shelf", "stool"};
    const QStringList states = {"", "", "", " (broken leg)", " with drawers", " set of 4"};
    const QStringList categories = {"furniture", "lighting", "decor", "kitchen"};
    QRandomGenerator random(42);
    auto pick = [&](const QStringList& list) { return list[random.bounded(int(list.size()))]; };
    std::vector<Item> items;
    items.reserve(itemCount);
    for (int i = 0; i < itemCount; ++i) {
        const QString thing = pick(things);
        items.push_back({pick(lasts) + QString::number(i % 500), pick(firsts), pick(woods) + u' ' + thing + pick(states),
                         pick(categories), thing + u's', random.bounded(1, 50000) / 100.0,
                         QDate(2020, 1, 1).addDays(random.bounded(1500))});
    }
    return items;
}

QString SearchText(const Item& item)
{
    return item.last + u',' + item.first + u',' + item.desc + u',' + item.category + u',' + item.subcategory + u',';
}

ItemColumnValues ColumnValues(const Item& item)
{
    ItemColumnValues values;
    values[1] = item.last;
    values[2] = item.first;
    values[3] = item.desc;
    values[4] = item.category;
    values[5] = item.subcategory;
    values[6] = QString::number(item.cost, 'f', 2);
    values[8] = item.added.toString(QStringLiteral("M/d/yyyy"));
    return values;
}

void FillDatabase(const QString& path, const std::vector<Item>& items)
{
    Connection connection = Connection::Open(path, true);
    CreateSchema(connection);
    Transaction transaction(connection);
    for (const Item& item : items) {
        Statement insert(connection, QStringLiteral("INSERT INTO item (LastName, FirstName, ItemDesc, Category, "
                                                    "Subcategory, CostPrice, DateAdded) VALUES (?,?,?,?,?,?,?)"));
        const QVariantList values{item.last, item.first, item.desc, item.category, item.subcategory, item.cost,
                                  item.added.toString(Qt::ISODate)};
        for (int c = 0; c < values.size(); ++c) insert.Bind(c + 1, values[c]);
        insert.Step();
    }
    transaction.Commit();
}

void Report(const char* what, qint64 nanoseconds, const QString& outcome)
{
    std::printf("%-52s %9.1f ms  (%s)\n", what, double(nanoseconds) / 1e6, qPrintable(outcome));
}

// Runs a filter over all items three times and reports the fastest run, since
// other work on the machine only ever makes a run slower.
void Measure(const char* what, const std::function<int()>& countMatches)
{
    qint64 fastest = std::numeric_limits<qint64>::max();
    int matches = 0;
    for (int run = 0; run < 3; ++run) {
        QElapsedTimer timer;
        timer.start();
        matches = countMatches();
        fastest = std::min(fastest, timer.nsecsElapsed());
    }
    Report(what, fastest, QStringLiteral("%1 of %2 match").arg(matches).arg(itemCount));
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc > 1) itemCount = std::max(QByteArray(argv[1]).toInt(), 1);
    const std::vector<Item> items = GenerateItems();
    std::vector<QString> texts;
    texts.reserve(items.size());
    for (const Item& item : items) texts.push_back(SearchText(item));

    const QString expression = QStringLiteral("oak and (table or chair) and not broken or smith1");
    Measure("advanced search, five phrases, worked out once", [&] {
        const AdvancedSearch search(expression);
        int matches = 0;
        for (const QString& text : texts) matches += search.Matches(text);
        return matches;
    });
    Measure("advanced search, five phrases, worked out per text", [&] {
        int matches = 0;
        for (const QString& text : texts) matches += MatchesAdvancedSearch(text, expression);
        return matches;
    });

    const ItemColumnTable columns = BuildItemColumns();
    const QDate today(2024, 2, 20);
    const QString criteriaText =
        CriteriaFromSelections({"a-s", "", "", "furn", "", ">10", "", "1/1/2021-12/31/2022"}, columns, today);
    std::vector<ItemColumnValues> records;
    records.reserve(items.size());
    for (const Item& item : items) records.push_back(ColumnValues(item));
    Measure("criteria, four selections, read once", [&] {
        QString criteria = criteriaText;
        const CriteriaFilter filter(criteria, columns.ColumnTypes, today);
        int matches = 0;
        for (const ItemColumnValues& record : records) matches += filter.Matches(record);
        return matches;
    });
    Measure("criteria, four selections, read per record", [&] {
        QString criteria = criteriaText;
        int matches = 0;
        for (const ItemColumnValues& record : records)
            matches += RecordMatchesCriteria(criteria, columns.ColumnTypes, record, today);
        return matches;
    });

    QTemporaryDir folder;
    const QString path = folder.path() + QStringLiteral("/Marquill.mqt");
    FillDatabase(path, items);
    const SystemClock clock;
    Database database(clock);
    database.Open(path);
    DataControl data;
    data.DatabaseName(database);
    data.RecordSource(QStringLiteral("select * from item order by lastname asc, firstname asc"));
    const QStringList fields = {"LastName", "FirstName", "ItemDesc", "Category", "Subcategory", "CostPrice",
                                "SalePrice", "DateAdded", "DateSold", "DatePaid", "PayRef", "Notes"};
    int read = 0;
    qsizetype characters = 0;
    QElapsedTimer timer;
    timer.start();
    data.Refresh();
    for (Recordset& result = data.Recordset(); !result.Eof(); result.MoveNext()) {
        for (const QString& field : fields) characters += result.Fields(field).Text().size();
        ++read;
    }
    Report("SQLite: Refresh and walk, reading the 12 fields", timer.nsecsElapsed(),
           QStringLiteral("%1 records, %2 characters").arg(read).arg(characters));
    return 0;
}
