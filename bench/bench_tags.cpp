// SPDX-License-Identifier: GPL-3.0-or-later
// Times price tags for 1,000 items on the Letter sheet of 30 labels, from the
// query to the written PDF, in a shop of 100 consignors and 10,000 items: the
// consignor's items added on one day are found, read and drawn, each with its
// Code 128 barcode.
// Run on the offscreen platform: QT_QPA_PLATFORM=offscreen build/bench/bench_tags [FOLDER]
// With a folder (new or empty), the shop and its sheets of tags stay there to be looked at.

#include "SampleShop.h"
#include "common/Clock.h"
#include "documents/TagFiles.h"
#include "documents/TagSheet.h"
#include "store/Database.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextStream>

using namespace mqt;

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir temporary;
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporary.path());
    if (!QDir().mkpath(folder.path())) return 2;
    const QString path = folder.filePath(QStringLiteral("Marquill.mqt"));
    constexpr int Tags = 1000;
    const QDate day(2024, 3, 1);
    {
        Connection connection = CreateSampleShop(path, 100, 10000);
        Transaction transaction(connection);
        Statement add(connection, QStringLiteral("INSERT INTO item (LastName, FirstName, ItemDesc, Category, CostPrice, "
                                                 "SalePrice, DateAdded) VALUES ('Tagg', 'Tess', ?, 'furniture', ?, ?, ?)"));
        const QStringList things = {QStringLiteral("Oak chair with a seat of green velvet and turned legs"),
                                    QStringLiteral("Blue glass vase"), QStringLiteral("Brass desk lamp, 1960s"),
                                    QStringLiteral("Wool rug 4 x 6 ft"), QStringLiteral("Teapot, bone china"),
                                    QStringLiteral("Mirror in a gilt frame"), QStringLiteral("Leather armchair"),
                                    QStringLiteral("Quilt, hand-stitched, queen size")};
        for (int i = 0; i < Tags; ++i) {
            add.Reset();
            add.Bind(1, things[i % things.size()]);
            // Every tenth item has no price yet: its tag leaves room for one by hand.
            add.Bind(2, i % 10 == 9 ? QVariant() : QVariant(4.0 + i % 37 * 3.5));
            add.Bind(3, i % 10 == 9 ? QVariant() : QVariant(6.0 + i % 37 * 5.25));
            add.Bind(4, day.toString(Qt::ISODate));
            add.Step();
        }
        transaction.Commit();
    }
    SystemClock clock;
    Database database(clock);
    database.Open(path);

    QElapsedTimer timer;
    timer.start();
    TagSheet sheet;
    sheet.layout = FindTagLayout(QStringLiteral("letter30"));
    sheet.shopName = QStringLiteral("The Corner Consignment Shop");
    sheet.items = ReadTagItems(database.connection(),
                               ItemsAddedOn(database.connection(), QStringLiteral("Tagg"), QStringLiteral("Tess"), day));
    const double queryMs = double(timer.nsecsElapsed()) / 1e6;
    const WrittenTags written = SaveTagsPdf(sheet, folder.path(), clock.Now());
    const double totalMs = double(timer.nsecsElapsed()) / 1e6;

    out << QStringLiteral("query and read %1 items: %2 ms\n").arg(sheet.items.size()).arg(queryMs, 0, 'f', 1);
    out << QStringLiteral("%1 tags on %2 Letter sheets, query to written PDF (%3 KB): %4 ms (target 2000 ms)\n")
               .arg(sheet.TagCount())
               .arg(sheet.PageCount())
               .arg(QFileInfo(written.path).size() / 1024)
               .arg(totalMs, 0, 'f', 1);
    if (!written.error.isEmpty()) out << written.error << '\n';
    return written.error.isEmpty() ? 0 : 1;
}
