// SPDX-License-Identifier: GPL-3.0-or-later
// Price tags read back as a shop's scanner and eyes would: every page is
// rendered, each label's barcode decoded on its own, and the text extracted.

#include "documents/TagFiles.h"
#include "documents/TagSheet.h"
#include "support/ReadBack.h"
#include "support/RunningShop.h"

#include <QImage>
#include <QRegularExpression>
#include <QtTest>

using namespace mqt;

namespace {

constexpr int Dpi = 300;

// An item of the shop, stored through SQL so that the number is the store's.
struct ShopItem {
    QString description;
    QVariant salePrice;
};

// What each label of each page decodes to, in label order: the number, or
// "-" for a blank label; blank labels after the last tag of a page left out.
QList<QStringList> DecodeLabels(const QString& pdf, const TagLayout& layout, const QString& work)
{
    test::ReadBack("pdftoppm", {"-r", QString::number(Dpi), "-png", pdf, work + "/page"});
    QList<QStringList> pages;
    for (int page = 1;; ++page) {
        QImage image;
        const QStringList names = QDir(work).entryList({QStringLiteral("page-*%1.png").arg(page)});
        if (names.isEmpty() || !image.load(work + u'/' + names.first())) break;
        QStringList crops;
        for (int position = 0; position < layout.PerPage(); ++position) {
            const QRectF label(layout.LabelCorner(position) * Dpi / 72, layout.label * Dpi / 72);
            const QString crop = QStringLiteral("%1/p%2-%3.png").arg(work).arg(page).arg(position);
            image.copy(label.toRect()).save(crop);
            crops << crop;
        }
        const QString xml = test::ReadBack("zbarimg", QStringList{"--xml", "-q", "--nodbus"} + crops, {0, 4});
        // Each crop is one <source> of the report, with the label's data if any.
        QMap<QString, QString> decoded;
        static const QRegularExpression data("<!\\[CDATA\\[(\\d+)\\]\\]>");
        for (const QString& source : xml.split("<source href='").mid(1))
            decoded[source.section(u'\'', 0, 0)] = data.match(source).captured(1);
        QStringList labels;
        for (const QString& crop : crops) {
            const QString number = decoded.value(crop);
            labels << (number.isEmpty() ? QStringLiteral("-") : number);
        }
        while (!labels.isEmpty() && labels.last() == "-") labels.removeLast();
        pages << labels;
    }
    return pages;
}

}  // namespace

class TestTags : public QObject {
    Q_OBJECT

private slots:
    void tagsScanBackInOrder_data()
    {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("copies");
        QTest::addColumn<QList<ShopItem>>("items");
        QTest::addColumn<QList<QStringList>>("labels");  // per page
        QTest::addColumn<QStringList>("texts");          // pdftotext finds each

        const QList<ShopItem> three = {{"Oak chair", 25.0}, {"Blue vase", 12.5}, {"Brass lamp", QVariant()}};
        QTest::newRow("Letter sheet from the fifth label")
            << "letter30" << 5 << 1 << three << QList<QStringList>{{"-", "-", "-", "-", "1", "2", "3"}}
            << QStringList{"Oak chair", "$25.00", "Blue vase", "$12.50", "Brass lamp", "Corner Shop"};
        QTest::newRow("A4 sheet, two copies each, onto a second sheet")
            << "a4x21" << 20 << 2 << three.mid(0, 2)
            << QList<QStringList>{{QStringList(19, "-") + QStringList{"1", "1"}}, {"2", "2"}}
            << QStringList{"$25.00", "$12.50"};
        QTest::newRow("roll, one tag a page") << "roll" << 1 << 1 << three
                                              << QList<QStringList>{{"1"}, {"2"}, {"3"}}
                                              << QStringList{"Oak chair", "$12.50"};
        const QString longDescription = "Victorian mahogany writing desk " + QString(170, u'x');
        QTest::newRow("a 200-character description is shortened")
            << "letter30" << 1 << 1 << QList<ShopItem>{{longDescription, 450.0}} << QList<QStringList>{{"1"}}
            << QStringList{"Victorian mahogany", "...", "$450.00"};
        QTest::newRow("non-Latin letters and emoji")
            << "a4x21" << 1 << 1
            << QList<ShopItem>{{"Фарфоровый чайник Ελληνικό βάζο 🫖 with a long tail of words", 8.0}}
            << QList<QStringList>{{"1"}} << QStringList{"Фарфоровый", "$8.00"};
    }

    void tagsScanBackInOrder()
    {
        QFETCH(QString, layout);
        QFETCH(int, first);
        QFETCH(int, copies);
        QFETCH(QList<ShopItem>, items);
        QFETCH(QList<QStringList>, labels);
        QFETCH(QStringList, texts);

        test::RunningShop run;
        for (const ShopItem& item : items)
            run.shop.AddItem("Smith", "Ann", item.description, {"furniture", {}, 1, item.salePrice, "2024-02-20"});
        QVERIFY(run.Start());
        std::vector<std::int64_t> numbers;
        for (const QString& number : run.shop.Column("SELECT ItemNo FROM item ORDER BY rowid"))
            numbers.push_back(number.toLongLong());

        TagSheet sheet;
        sheet.layout = FindTagLayout(layout);
        sheet.shopName = "Corner Shop";
        sheet.items = ReadTagItems(run.Shared().database.connection(), numbers);
        sheet.firstPosition = first;
        sheet.copies = copies;
        const WrittenTags written = SaveTagsPdf(sheet, run.shop.Folder(), run.clock.Now());
        QVERIFY2(written.error.isEmpty(), qPrintable(written.error));
        QCOMPARE(written.path, run.shop.Folder() + "/tags/tags-2024-02-20-100000.pdf");

        QTemporaryDir work;
        QCOMPARE(DecodeLabels(written.path, *sheet.layout, work.path()), labels);
        const QString text = test::ReadBack("pdftotext", {written.path, "-"});
        for (const QString& expected : texts) QVERIFY2(text.contains(expected), qPrintable(expected));
        QVERIFY(text.contains("2/20/2024"));
        QVERIFY(!text.contains("Smith"));  // the consignor stays off the tag
    }
};

QTEST_MAIN(TestTags)
#include "test_tags.moc"
