// SPDX-License-Identifier: GPL-3.0-or-later
// Times the record sources on a shop of 1,000 consignors and 100,000 items
// (other sizes from the arguments, see BenchShop.h):
// the report's full read, one consignor's item list, a consignor name search
// and the lookup of one item, as the screens run them.

#include "BenchShop.h"
#include "common/Clock.h"
#include "store/DataControl.h"
#include "store/Database.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

using namespace mqt;

namespace {

// Runs the statement `repeat` times and walks each result; milliseconds per run.
double Time(DataControl& source, const QString& statement, int repeat, std::int64_t& rows)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < repeat; ++i) {
        source.RecordSource(statement);
        source.Refresh();
        Recordset& result = source.Recordset();
        rows = 0;
        if (!result.Eof()) result.MoveFirst();
        while (!result.Eof()) {
            result.Fields(QStringLiteral("LastName")).Text();
            ++rows;
            result.MoveNext();
        }
    }
    return double(timer.nsecsElapsed()) / 1e6 / repeat;
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const BenchShop shop = BenchShop::FromArguments(1000, 100000);
    out << "a shop of " << shop.Described() << '\n';
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Marquill.mqt"));
    {
        Connection connection = shop.Make(path);
    }
    SystemClock clock;
    Database database(clock);
    database.Open(path);
    DataControl source;
    source.DatabaseName(database);

    const struct {
        const char* what;
        QString statement;
        int repeat;
    } cases[] = {
        {"report, all items by name", "select * from item order by lastname asc, firstname asc", 3},
        {"report, all items by description", "select * from item order by itemdesc asc", 3},
        {"one consignor's items", "select * from  item where lastname = 'Smith14' and firstname ='Bob' "
                                  "order by itemdesc asc", 200},
        {"one item, ASCII names", "select * from item where lastname = 'smith14' and firstname = 'BOB' "
                                  "and itemdesc ='desk 1014'", 200},
        {"one item, names beyond ASCII", "select * from item where lastname = 'Müller17' and firstname = 'Bob' "
                                    "and itemdesc ='mirror 17'", 200},
        {"consignor name prefix", "select * from  consignor where lastname like 'smi*' order by lastname asc", 200},
        {"renting consignors", "select * from  consignor where notes like '*$Rent*' order by lastname asc", 200},
    };
    for (const auto& c : cases) {
        std::int64_t rows = 0;
        const double ms = Time(source, c.statement, c.repeat, rows);
        out << QStringLiteral("%1: %2 ms (%3 rows)\n").arg(QLatin1String(c.what), -34).arg(ms, 0, 'f', 2).arg(rows);
    }
    return 0;
}
