// SPDX-License-Identifier: GPL-3.0-or-later
// Times the consignment period's daily pass on a sample shop (sizes from the
// arguments, see BenchShop.h) with one markdown row, 25% off after 30 days:
//  - with nothing due: the day after a pass, when no item crossed the row,
//    as every start-up of a quiet day pays for it;
//  - with 100,000 unsold items due, against the sqlite3 command line running
//    one UPDATE that writes the same rows' prices, percent and row version.
// Each run works on a fresh copy of the shop; the two are timed in turns.

#include "BenchShop.h"
#include "ReportTurns.h"
#include "consignment/ConsignmentPass.h"
#include "consignment/ConsignmentTerms.h"
#include "store/Connection.h"
#include "store/Engine.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

using namespace mqt;

namespace {

constexpr int Turns = 3;
constexpr int Due = 100000;
const QDate Today(2030, 6, 1);

QString Iso(const QDate& day) { return day.toString(Qt::ISODate); }

// The shop with the markdown row and a pass run yesterday; `due` unsold
// items were taken in exactly 30 days ago.
void Prepare(const QString& path, int due)
{
    Connection shop = Connection::Open(path);
    Transaction transaction(shop);
    WriteMarkdownRows(shop, {{QString(), 30, 25}});
    shop.Execute(QStringLiteral("DELETE FROM consignment_pass"));
    shop.Execute(QStringLiteral("INSERT INTO consignment_pass (PassedOn, NextItemNo) "
                                "SELECT '%1', max(ItemNo) + 1 FROM item").arg(Iso(Today.addDays(-1))));
    shop.Execute(QStringLiteral("UPDATE item SET DateAdded = '%1' WHERE rowid IN (SELECT rowid FROM item WHERE "
                                "DateSold IS NULL AND SalePrice > 0 LIMIT %2)")
                     .arg(Iso(Today.addDays(-30)))
                     .arg(due));
    transaction.Commit();
}

double PassMs(const QString& path)
{
    Connection shop = OpenShopFile(path);  // as the program opens it
    QElapsedTimer timer;
    timer.start();
    RunConsignmentPass(shop, QDateTime(Today, QTime(8, 0)), {40, 0, false});
    return double(timer.nsecsElapsed()) / 1e6;
}

double CommandLineMs(const QString& path)
{
    const QString update = QStringLiteral(
        "UPDATE item SET SalePrice = round(SalePrice * 0.75, 2), CostPrice = round(SalePrice * 0.75 * 0.6, 2), "
        "FirstCents = CAST(round(SalePrice * 100) AS INTEGER), MarkdownPercent = 25, RowVersion = RowVersion + 1 "
        "WHERE DateSold IS NULL AND DateAdded > '%1' AND DateAdded <= '%2';")
                               .arg(Iso(Today.addDays(-31)), Iso(Today.addDays(-30)));
    QProcess sqlite;
    QElapsedTimer timer;
    timer.start();
    sqlite.start(QStringLiteral("sqlite3"), {path, update});
    sqlite.waitForFinished(-1);
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    if (sqlite.exitCode() != 0) qFatal("sqlite3 failed: %s", sqlite.readAllStandardError().constData());
    return ms;
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const BenchShop sample = BenchShop::FromArguments(1000, 100000);
    QTemporaryDir folder;
    const QString made = folder.filePath(QStringLiteral("made.mqt"));
    sample.Make(made).Close();
    QTextStream out(stdout);
    out << "consignment pass on " << sample.Described() << '\n';

    const QString quiet = folder.filePath(QStringLiteral("quiet.mqt"));
    QFile::copy(made, quiet);
    Prepare(quiet, 0);
    std::vector<double> nothing;
    for (int turn = 0; turn < 5; ++turn) {
        Connection(Connection::Open(quiet))
            .Execute(QStringLiteral("UPDATE consignment_pass SET PassedOn = '%1'").arg(Iso(Today.addDays(-1))));
        nothing.push_back(PassMs(quiet));
    }
    out << "nothing due:                 " << bench::Median(nothing) << " ms (median of 5)\n";

    const QString due = folder.filePath(QStringLiteral("due.mqt"));
    QFile::copy(made, due);
    Prepare(due, Due);
    std::vector<double> pass, cli;
    for (int turn = 0; turn < Turns; ++turn) {
        const QString copy = folder.filePath(QStringLiteral("turn.mqt"));
        QFile::remove(copy);
        QFile::copy(due, copy);
        cli.push_back(CommandLineMs(copy));
        QFile::remove(copy);
        QFile::copy(due, copy);
        pass.push_back(PassMs(copy));
    }
    out << Due << " due, sqlite3 UPDATE:     " << bench::Median(cli) << " ms (median of " << Turns << ")\n";
    out << Due << " due, the pass:           " << bench::Median(pass) << " ms, ratio "
        << bench::Median(pass) / bench::Median(cli) << '\n';
    return 0;
}
