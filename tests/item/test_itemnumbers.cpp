// SPDX-License-Identifier: GPL-3.0-or-later
// Item numbers and price tags on the item screen: the selected item's number,
// the find box, the tags dialog (tags again for the items repriced since
// their tag was made, too); and the shop's name and address from the
// parameters screen heading statements.

#include "documents/MakeStatement.h"
#include "item/ItemScreenDriver.h"
#include "support/ReadBack.h"

#include <QComboBox>
#include <QDialog>
#include <QtTest>

using namespace mqt;
using namespace mqt::test;

namespace {

constexpr char NothingToTag[] = "There are no items to tag: rent charges and sold items get no tags";

// The price on the item's last tag, in cents.
QString TagCents(test::RunningShop& run, const QString& desc)
{
    return run.shop.Column(QStringLiteral("SELECT Cents FROM tag_price WHERE ItemNo = "
                                          "(SELECT ItemNo FROM item WHERE ItemDesc = ?)"),
                           {desc})
        .value(0);
}

}  // namespace

class TestItemNumbers : public QObject {
    Q_OBJECT

    // Smith Ann: oak chair (1), lamp (2, sold), rug (3, added today), rent
    // (4, added today); Smithson Bob: vase (5). Today is 2/20/2024.
    static void Fill(RunningShop& run)
    {
        run.shop.AddConsignor("Smith", "Ann");
        run.shop.AddConsignor("Smithson", "Bob");
        run.shop.AddItem("Smith", "Ann", "oak chair", {"furniture", {}, 10, 25, "2024-01-05"});
        run.shop.AddItem("Smith", "Ann", "lamp", {"lighting", {}, 5, 9.5, "2024-01-05", "2024-02-01"});
        run.shop.AddItem("Smith", "Ann", "rug", {"textiles", {}, 20, 40, "2024-02-20"});
        run.shop.AddItem("Smith", "Ann", "Rent - 02/01/2024", {"$Rent", {}, -50, 0, "2024-02-20", "2024-02-20"});
        run.shop.AddItem("Smithson", "Bob", "vase", {"glass", {}, 3, 6, "2024-02-01"});
    }

    static QDialog* OpenTags(ItemScreenDriver& screen)
    {
        screen.Click("cmdTags");
        return screen.Find<QDialog>("dlgTags");
    }

    // Saves the tags for the repriced items as a roll, one tag a page.
    static void SaveRetags(ItemScreenDriver& screen)
    {
        QDialog* dialog = OpenTags(screen);
        auto* layouts = dialog->findChild<QComboBox*>("cboTagLayout");
        layouts->setCurrentIndex(layouts->findText("Roll label 2.25 x 1.25 in"));
        QTest::mouseClick(dialog->findChild<QAbstractButton*>("optTagsFor(3)"), Qt::LeftButton, {}, QPoint(2, 2));
        QTest::mouseClick(dialog->findChild<QAbstractButton*>("cmdSaveTags"), Qt::LeftButton);
    }

private slots:
    void findBoxListsAndSelects_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("listedLast");  // empty: the list stays as it was
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<int>("selectedRow");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("message");  // shown in red

        QTest::newRow("a number lists its consignor, whose names begin another's")
            << "3" << "Smith" << QStringList{"lamp", "oak chair", "Rent - 02/01/2024", "rug"} << 4 << "Item 3" << "";
        QTest::newRow("a scanned number with blanks around it") << " 5 " << "Smithson" << QStringList{"vase"} << 1
                                                                << "Item 5" << "";
        QTest::newRow("an unknown number") << "99" << "" << QStringList{} << 0 << "" << "No item 99";
        QTest::newRow("a deleted item's number") << "6" << "" << QStringList{} << 0 << "" << "No item 6";
        QTest::newRow("not a number") << "abc" << "" << QStringList{} << 0 << "" << "No item abc";
    }

    void findBoxListsAndSelects()
    {
        QFETCH(QString, typed);
        QFETCH(QString, listedLast);
        QFETCH(QStringList, listed);
        QFETCH(int, selectedRow);
        QFETCH(QString, label);
        QFETCH(QString, message);

        RunningShop run;
        Fill(run);
        run.shop.AddItem("Smithson", "Bob", "gone", {});
        run.shop.Exec("DELETE FROM item WHERE ItemDesc = 'gone'");
        ItemScreenDriver screen(run);
        screen.Type("txtFindItemNo", typed);
        screen.Click("cmdFindItemNo");

        QCOMPARE(screen.Text("txtLastName"), listedLast);
        QCOMPARE(screen.Listed(), listed);
        if (selectedRow > 0) QCOMPARE(screen.RowColour(selectedRow), Yellow);
        QCOMPARE(screen.Text("lblItemNo"), label);
        QCOMPARE(screen.Text("lblMessage"), message);
        if (!message.isEmpty()) QCOMPARE(screen.MessageColour(), QColor(Qt::red));
        QVERIFY(run.dialogs.Errors().isEmpty());
    }

    void labelFollowsTheSelection()
    {
        RunningShop run;
        Fill(run);
        ItemScreenDriver screen(run);
        screen.Show("Smith", "Ann");
        screen.ClickRow(2);
        QCOMPARE(screen.Text("lblItemNo"), "Item 1");
        screen.ClickRow(2);  // a second click clears the selection
        QCOMPARE(screen.Text("lblItemNo"), "");
        screen.ClickRow(1);
        QCOMPARE(screen.Text("lblItemNo"), "Item 2");
        screen.AddItem("teapot", "", "12");  // Add clears the selection; a new item gets the next number
        QCOMPARE(run.shop.Value("SELECT ItemNo FROM item WHERE ItemDesc = 'teapot'").toInt(), 6);
        QCOMPARE(screen.Text("lblItemNo"), "");
    }

    void tagsDialogSavesTheChosenItems_data()
    {
        QTest::addColumn<int>("selectRow");  // 0: none
        QTest::addColumn<int>("tagsFor");
        QTest::addColumn<QStringList>("tagged");
        QTest::addColumn<QString>("error");

        QTest::newRow("the selected item") << 2 << 0 << QStringList{"oak chair"} << "";
        QTest::newRow("every unsold item listed, no rent") << 0 << 1 << QStringList{"oak chair", "rug"} << "";
        QTest::newRow("the consignor's items added today, no rent") << 0 << 2 << QStringList{"rug"} << "";
        QTest::newRow("a selected rent charge gets no tag")
            << 3 << 0 << QStringList{}
            << NothingToTag;
    }

    void tagsDialogSavesTheChosenItems()
    {
        QFETCH(int, selectRow);
        QFETCH(int, tagsFor);
        QFETCH(QStringList, tagged);
        QFETCH(QString, error);

        RunningShop run;
        Fill(run);
        ItemScreenDriver screen(run);
        screen.Show("Smith", "Ann");
        if (selectRow > 0) screen.ClickRow(selectRow);
        QDialog* dialog = OpenTags(screen);
        auto* layouts = dialog->findChild<QComboBox*>("cboTagLayout");
        layouts->setCurrentIndex(layouts->findText("Roll label 2.25 x 1.25 in"));
        QTest::mouseClick(dialog->findChild<QAbstractButton*>(QStringLiteral("optTagsFor(%1)").arg(tagsFor)),
                          Qt::LeftButton, {}, QPoint(2, 2));
        QTest::mouseClick(dialog->findChild<QAbstractButton*>("cmdSaveTags"), Qt::LeftButton);

        QCOMPARE(run.dialogs.Errors(), error.isEmpty() ? QStringList{} : QStringList{error});
        const QString pdf = run.shop.Folder() + "/tags/tags-2024-02-20-100000.pdf";
        QCOMPARE(QFileInfo::exists(pdf), !tagged.isEmpty());
        if (tagged.isEmpty()) return;
        QCOMPARE(screen.Text("lblMessage"),
                 QStringLiteral("%1 tags written to %2").arg(tagged.size()).arg(QDir::toNativeSeparators(pdf)));
        // A roll has one tag a page.
        QStringList pages = ReadBack("pdftotext", {pdf, "-"}).split(u'\f', Qt::SkipEmptyParts);
        QCOMPARE(pages.size(), tagged.size());
        for (int i = 0; i < tagged.size(); ++i) QVERIFY2(pages[i].contains(tagged[i]), qPrintable(pages[i]));

        // The paper chosen is offered first the next time.
        QDialog* again = OpenTags(screen);
        QCOMPARE(again->findChild<QComboBox*>("cboTagLayout")->currentText(), "Roll label 2.25 x 1.25 in");
    }

    void markedDownSinceTagged_data()
    {
        QTest::addColumn<QString>("consignor");  // of the item; the screen lists Smith Ann
        QTest::addColumn<QString>("category");
        QTest::addColumn<double>("salePrice");
        QTest::addColumn<QVariant>("tagCents");
        QTest::addColumn<QString>("dateSold");
        QTest::addColumn<QString>("status");
        QTest::addColumn<bool>("tagged");
        QTest::newRow("marked down below its tag") << "Smith" << "coats" << 18.75 << QVariant(2500) << "" << "" << true;
        QTest::newRow("raised above its tag") << "Smith" << "coats" << 30.0 << QVariant(2500) << "" << "" << true;
        QTest::newRow("another consignor's item") << "Jones" << "coats" << 18.75 << QVariant(2500) << "" << "" << true;
        QTest::newRow("kept as the shop's stock") << "Smith" << "coats" << 18.75 << QVariant(2500) << "" << "shop"
                                                  << true;
        QTest::newRow("the price on its tag") << "Smith" << "coats" << 25.0 << QVariant(2500) << "" << "" << false;
        QTest::newRow("less than half a cent off its tag")
            << "Smith" << "coats" << 24.999 << QVariant(2500) << "" << "" << false;
        QTest::newRow("never tagged") << "Smith" << "coats" << 18.75 << QVariant() << "" << "" << false;
        QTest::newRow("sold since") << "Smith" << "coats" << 18.75 << QVariant(2500) << "2024-02-19" << "" << false;
        QTest::newRow("its term ended") << "Smith" << "coats" << 18.75 << QVariant(2500) << "" << "ended" << false;
        QTest::newRow("a rent charge") << "Smith" << "$Rent" << -5.0 << QVariant(0) << "" << "" << false;
    }

    void markedDownSinceTagged()
    {
        QFETCH(QString, consignor);
        QFETCH(QString, category);
        QFETCH(double, salePrice);
        QFETCH(QVariant, tagCents);
        QFETCH(QString, dateSold);
        QFETCH(QString, status);
        QFETCH(bool, tagged);
        RunningShop run;
        run.shop.AddConsignor("Smith", "Ann");
        run.shop.AddConsignor("Jones", "Bob");
        // Beside it an item tagged at its price, never picked.
        run.shop.AddItem("Smith", "Ann", "desk", {"furniture", {}, 10, 30, "2024-01-05"});
        run.shop.Exec("INSERT INTO tag_price (ItemNo, Cents) SELECT ItemNo, 3000 FROM item");
        run.shop.AddItem(consignor, consignor == u"Jones" ? "Bob" : "Ann", "coat",
                         {category, {}, 5, salePrice, "2024-01-05", dateSold.isEmpty() ? QVariant() : dateSold});
        run.shop.Exec("UPDATE item SET Status = ? WHERE ItemDesc = 'coat'", {status.isEmpty() ? QVariant() : status});
        if (!tagCents.isNull())
            run.shop.Exec("INSERT INTO tag_price (ItemNo, Cents) SELECT ItemNo, ? FROM item WHERE ItemDesc = 'coat'",
                          {tagCents});
        ItemScreenDriver screen(run);
        screen.Show("Smith", "Ann");
        const QString version = screen.Stored("coat", "RowVersion");
        SaveRetags(screen);
        QCOMPARE(run.dialogs.Errors(), tagged ? QStringList() : QStringList{NothingToTag});
        if (!tagged) return;
        QVERIFY(screen.Text("lblMessage").startsWith("1 tags written to"));
        QCOMPARE(TagCents(run, "coat"), QString::number(qRound(salePrice * 100)));
        QCOMPARE(TagCents(run, "desk"), "3000");
        // Making the tags leaves the items' rows as an open screen read them.
        QCOMPARE(screen.Stored("coat", "RowVersion"), version);

        // Tagged at its new price, it is not picked again.
        run.dialogs.Clear();
        SaveRetags(screen);
        QCOMPARE(run.dialogs.Errors(), QStringList{NothingToTag});
    }

    void shopNameAndAddressHeadStatements()
    {
        RunningShop run;
        Fill(run);
        QVERIFY(run.Start());
        ScreenDriver params(run, MenuEntry::Parameters);
        params.Type("txtShopName", "Second Chance Resale");
        params.Type("txtShopAddress", "12 Main Street\n\nShelbyville");
        params.Click("cmdUpdate");
        QCOMPARE(run.shop.Column("SELECT ShopName || '|' || ShopAddress FROM params"),
                 QStringList{"Second Chance Resale|12 Main Street\n\nShelbyville"});

        QString message;
        run.dialogs.QueueChoice(0);
        QStringList viewed;
        SharedValues& shared = run.Shared();
        QCOMPARE(MakeStatement(shared.database, shared.dialogs, shared.clock, shared.ItemColumns, shared.ProgramFolder,
                               "Smith", "Ann", message, [&](const QString& path) { viewed << path; }),
                 StatementOutcome::Written);
        const QString text = ReadBack("pdftotext", {"-layout", viewed.value(0), "-"});
        QVERIFY2(text.contains(QRegularExpression("^\\s*Second Chance Resale\\s*\\n\\s*12 Main Street\\s*\\n\\s*Shelbyville\\b")),
                 qPrintable(text.left(200)));
        QVERIFY(!text.contains("Marquill"));

        // Opened again, the screen shows what was stored; emptied, the fields clear.
        ScreenDriver again(run, MenuEntry::Parameters);
        QCOMPARE(again.Text("txtShopName"), "Second Chance Resale");
        again.Type("txtShopName", "");
        again.Type("txtShopAddress", "");
        again.Click("cmdUpdate");
        QCOMPARE(run.shop.Column("SELECT count(*) FROM params WHERE ShopName IS NULL AND ShopAddress IS NULL"),
                 QStringList{"1"});
    }
};

QTEST_MAIN(TestItemNumbers)
#include "test_itemnumbers.moc"
