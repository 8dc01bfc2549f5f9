// SPDX-License-Identifier: GPL-3.0-or-later
// The item screen's lookup, list, selection, add, change and delete, driven
// through its controls against a real database.

#include "consignment/EndOfTerm.h"
#include "item/ItemScreenDriver.h"
#include "report/ReportScreenDriver.h"

#include <QtTest>

using namespace mqt;
using namespace mqt::test;

class TestItemScreen : public QObject {
    Q_OBJECT

    // A shop with consignors Smith Ann, Smith Dee and Jones Bob; Jones has
    // the given number of items "Item 01", "Item 02", ...
    static void Fill(RunningShop& run, int jonesItems = 0)
    {
        run.shop.AddConsignor("Smith", "Ann");
        run.shop.AddConsignor("Smith", "Dee");
        run.shop.AddConsignor("Jones", "Bob");
        for (int i = 1; i <= jonesItems; ++i)
            run.shop.AddItem("Jones", "Bob", QStringLiteral("Item %1").arg(i, 2, 10, QLatin1Char('0')), {{}, {}, 1.5});
    }

private slots:
    void lookup_data()
    {
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("current");      // CurrentLastName afterwards
        QTest::addColumn<bool>("consignorShown");  // handed to the consignor screen
        QTest::newRow("one match lists and writes the full names") << "jo" << "" << "" << "Jones" << false;
        QTest::newRow("several go to the consignor screen") << "sm" << "" << "" << "" << true;
        QTest::newRow("the first name narrows to one") << "sm" << "d" << "" << "Smith" << false;
        QTest::newRow("none is an error") << "zz" << "" << "No such name found - try again" << "" << false;
        QTest::newRow("empty boxes match everybody") << "" << "" << "" << "" << true;
    }

    void lookup()
    {
        QFETCH(QString, last);
        QFETCH(QString, first);
        QFETCH(QString, error);
        QFETCH(QString, current);
        QFETCH(bool, consignorShown);
        RunningShop run;
        Fill(run, 2);
        ItemScreenDriver screen(run);
        QCOMPARE(screen.window->windowTitle(), "MQT - Item Maintenance");
        screen.Show(last, first);
        QCOMPARE(run.dialogs.Errors(), error.isEmpty() ? QStringList() : QStringList{error});
        QCOMPARE(run.Shared().CurrentLastName, current);
        QCOMPARE(bool(run.Menu().LoadedScreen(Screen::Consignor)), consignorShown);
        if (current == "Jones") {
            QCOMPARE(screen.Text("txtLastName"), "Jones");
            QCOMPARE(screen.Text("txtFirstName"), "Bob");
            QCOMPARE(screen.Listed(), (QStringList{"Item 01", "Item 02"}));
        }
    }

    void severalMatchesComeBackThroughTheConsignorScreen()
    {
        RunningShop run;
        Fill(run);
        run.shop.AddItem("Smith", "Dee", "Dee's lamp");
        ItemScreenDriver screen(run);
        screen.Show("smith");
        ScreenDriver consignors(run, MenuEntry::Consignors);
        consignors.ClickRow(2);  // Smith Dee
        QCOMPARE(screen.Listed(), QStringList{"Dee's lamp"});
        QCOMPARE(screen.Text("txtFirstName"), "Dee");
        QCOMPARE(run.Shared().CallerMode, "");
        QVERIFY(run.Menu().LoadedScreen(Screen::Consignor)->isHidden());
    }

    void rowsCountsAndTotals_data()
    {
        QTest::addColumn<int>("items");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("totalCost");
        QTest::newRow("none: no totals row") << 0 << 10 << "";
        QTest::newRow("8 items keep 10 rows") << 8 << 10 << "12.00";
        QTest::newRow("9 items grow to 11") << 9 << 11 << "13.50";
        QTest::newRow("20 items") << 20 << 22 << "30.00";
    }

    void rowsCountsAndTotals()
    {
        QFETCH(int, items);
        QFETCH(int, rows);
        QFETCH(QString, totalCost);
        RunningShop run;
        Fill(run, items);
        ItemScreenDriver screen(run);
        screen.Show("jones");
        QCOMPARE(screen.Text("lblCount"), QString::number(items));
        QCOMPARE(screen.grid()->Rows(), rows);
        QCOMPARE(screen.Cell(items + 1, 0), items ? "Total" : "");
        QCOMPARE(screen.Cell(items + 1, 3), totalCost);
        QCOMPARE(screen.Cell(items + 1, 4), items ? "0.00" : "");  // empty sale prices add 0
        if (items) QCOMPARE(screen.RowColour(items + 1), PaleRed);
    }

    void rowShowsEveryFieldAndTheNotesMarker()
    {
        RunningShop run;
        Fill(run);
        run.shop.AddItem("Jones", "Bob", "Blue vase",
                         {"Glass", "Vases", 7.125, 10, "2024-01-05", "2024-02-01", {}, {}, "chipped"});
        run.shop.AddItem("Jones", "Bob", "Clock", {{}, {}, {}, {}, {}, {}, {}, {}, ""});
        ItemScreenDriver screen(run);
        screen.Show("jones");
        QStringList cells;
        for (int col = 0; col < 10; ++col) cells << screen.Cell(1, col);
        QCOMPARE(cells, (QStringList{"Blue vase", "Glass", "Vases", "7.13", "10.00", "1/5/2024", "2/1/2024", "", "", "*"}));
        QCOMPARE(screen.Cell(2, 9), "");
    }

    void selection()
    {
        RunningShop run;
        Fill(run, 6);
        ItemScreenDriver screen(run);
        screen.Show("jones");
        screen.ClickRow(3);
        screen.ClickRow(5);
        QCOMPARE(screen.RowColour(3), White);
        QCOMPARE(screen.RowColour(5), Yellow);
        QCOMPARE(run.Shared().CurrentItemDesc, "Item 05");
        screen.ClickRow(5);  // a second click clears
        QCOMPARE(screen.RowColour(5), White);
        QCOMPARE(run.Shared().CurrentItemDesc, "");
        screen.ClickRow(2);
        screen.ClickRow(7);  // the totals row clears too
        QCOMPARE(screen.RowColour(2), White);
        QCOMPARE(run.Shared().CurrentItemDesc, "");
    }

    void add_data()
    {
        QTest::addColumn<QString>("desc");
        QTest::addColumn<QString>("dateAdded");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("stored");  // DateAdded stored, or the count of items
        QTest::newRow("today") << "Lamp" << "today" << "" << "2024-02-20";
        QTest::newRow("today + 7, blanks removed") << "Lamp" << "today + 7" << "" << "2024-02-27";
        QTest::newRow("month and day") << "Lamp" << "3/15" << "" << "2024-03-15";
        QTest::newRow("not a date") << "Lamp" << "abc" << "Invalid Date Added" << "";
        QTest::newRow("offset beyond 16 bits") << "Lamp" << "today+40000" << "Invalid Date Added" << "";
        QTest::newRow("duplicate in other case") << "item 01" << "" << "Duplicate Item Descriptions - not added" << "";
        QTest::newRow("a lone blank") << " " << "" << "Item description must not be blank" << "";
        QTest::newRow("two blanks") << "  " << "" << "Item description must not be blank" << "";
    }

    void add()
    {
        QFETCH(QString, desc);
        QFETCH(QString, dateAdded);
        QFETCH(QString, error);
        QFETCH(QString, stored);
        RunningShop run;
        Fill(run, 1);
        ItemScreenDriver screen(run);
        screen.Show("jones");
        screen.Choose(Add);
        QCOMPARE(screen.Text("txtDateAdded"), "02/20/24");
        QVERIFY(screen.IsShown("txtItemDesc") && !screen.IsShown("txtDateSold"));
        screen.Enter("txtItemDesc", desc);
        screen.Type("txtDateAdded", dateAdded);
        screen.Click("cmdUpdate");
        QCOMPARE(run.dialogs.Errors(), error.isEmpty() ? QStringList() : QStringList{error});
        if (error.isEmpty()) {
            QCOMPARE(screen.Stored(desc, "DateAdded"), stored);
            QCOMPARE(screen.Listed(), (QStringList{"Item 01", desc}));
            // Ready for the next item at once (preparing it empties the message line).
            QCOMPARE(screen.Text("cmdUpdate"), "Add");
            QCOMPARE(screen.Text("txtItemDesc"), "");
            QCOMPARE(screen.Text("txtDateAdded"), "02/20/24");
        } else {
            QCOMPARE(run.shop.Value("SELECT count(*) FROM item").toInt(), 1);
        }
    }

    void addStoresTheConsignorsNamesAsOnFile()
    {
        RunningShop run;
        Fill(run);
        ItemScreenDriver screen(run);
        screen.Show("jones");
        screen.Choose(Add);
        screen.Type("txtLastName", "JONES ");
        screen.Enter("txtItemDesc", "  Rug  ");
        screen.Click("cmdUpdate");
        QCOMPARE(run.shop.Column("SELECT LastName || '/' || FirstName || '/' || ItemDesc FROM item"),
                 QStringList{"Jones/Bob/Rug"});

        screen.Type("txtLastName", "Nobody");
        screen.Enter("txtItemDesc", "Chair");
        screen.Click("cmdUpdate");
        QCOMPARE(run.dialogs.Errors(), QStringList{"Last name and first name not on Consignor file"});
        QCOMPARE(screen.Text("lblMessage"), "Add function not successful");
        QCOMPARE(screen.MessageColour(), QColor(255, 0, 0));
    }

    void change_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("error");
        QTest::addColumn<bool>("clickedAgain");  // the yellow row is clicked a second time before Change
        QTest::newRow("letter case only") << "Lamp" << "lamp" << "" << false;
        QTest::newRow("a new description") << "Lamp" << "Floor lamp" << "" << false;
        QTest::newRow("to another item's description")
            << "Lamp" << "CLOCK" << "Duplicate item description - not changed" << false;
        QTest::newRow("the same plus a blank finds itself")
            << "Lamp" << "Lamp " << "Duplicate item description - not changed" << false;
        QTest::newRow("empty") << "Lamp" << "" << "Item Description is missing" << false;
        QTest::newRow("blanks only") << "Lamp" << "   " << "Item description must not be blank" << false;
        QTest::newRow("the row clicked again: nothing selected") << "Lamp" << "Floor lamp" << "" << true;
    }

    void change()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, error);
        QFETCH(bool, clickedAgain);
        RunningShop run;
        Fill(run);
        run.shop.AddItem("Jones", "Bob", "Clock", {"Time", {}, 5.0});
        run.shop.AddItem("Jones", "Bob", from, {"Light", {}, 8.0});
        ItemScreenDriver screen(run);
        screen.Show("jones");
        screen.Choose(Change);
        QVERIFY(!screen.IsShown("cmdUpdate"));  // waits for a row
        screen.ClickRow(2);
        QCOMPARE(screen.Text("txtCategory"), "Light");
        QCOMPARE(screen.Text("txtCostPrice"), "8.00");
        screen.Type("txtItemDesc", to);
        if (clickedAgain) {
            screen.ClickRow(2);
            QVERIFY(!screen.IsShown("txtItemDesc") && !screen.IsShown("cmdUpdate"));  // waits for a row again
            // Pressed all the same, Change says why it stores nothing.
            screen.Find<QAbstractButton>("cmdUpdate")->click();
        } else {
            screen.Click("cmdUpdate");
        }
        QCOMPARE(run.dialogs.Errors(), error.isEmpty() ? QStringList() : QStringList{error});
        QCOMPARE(screen.Text("lblMessage"), clickedAgain       ? "Select an item first"
                                            : error.isEmpty() ? "Change function is successful"
                                                              : "Change function not successful");
        const QString expected = error.isEmpty() && !clickedAgain ? to : from;
        QCOMPARE(run.shop.Column("SELECT ItemDesc FROM item WHERE Category = 'Light'"), QStringList{expected});
    }

    void changeReachesItsItemAfterAnotherScreensQuery()
    {
        RunningShop run;
        Fill(run);
        run.shop.AddItem("Jones", "Bob", "Lamp", {"Light"});
        run.shop.AddItem("Smith", "Ann", "Lamp", {"Other"});
        ItemScreenDriver screen(run);
        screen.Show("jones");
        screen.Choose(Change);
        screen.ClickRow(1);
        // Another screen moves Data3 to Smith's lamp meanwhile.
        run.Shared().Data3.RecordSource("select * from item where lastname = 'Smith'");
        run.Shared().Data3.Refresh();
        screen.Type("txtCategory", "Lights");
        screen.Type("txtLastName", "");  // names left in the boxes are not written
        screen.Click("cmdUpdate");
        QCOMPARE(run.shop.Column("SELECT LastName || '/' || Category FROM item ORDER BY LastName"),
                 (QStringList{"Jones/Lights", "Smith/Other"}));
    }

    void deleteAsksFirst_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("left");
        QTest::newRow("No keeps it") << int(No) << QStringList{"Item 01", "Item 02"};
        QTest::newRow("Yes deletes it") << int(Yes) << QStringList{"Item 02"};
    }

    void deleteAsksFirst()
    {
        QFETCH(int, answer);
        QFETCH(QStringList, left);
        RunningShop run;
        Fill(run, 2);
        ItemScreenDriver screen(run);
        screen.Show("jones");
        screen.Choose(Delete);
        run.dialogs.QueueAnswer(answer);
        screen.ClickRow(1);
        QCOMPARE(run.dialogs.Questions(), QStringList{"Are you sure you want to delete this item?"});
        QCOMPARE(run.shop.Column("SELECT ItemDesc FROM item ORDER BY ItemDesc"), left);
        QCOMPARE(screen.Listed(), left);
        QCOMPARE(screen.Text("lblMessage"), answer == Yes ? "Delete function is successful" : "");
    }

    void reportItemButtonListsThatOneItem_data()
    {
        QTest::addColumn<QString>("desc");
        for (const char* desc : {"Plate 5\"", "Chair, oak", "Bowl ~ small", "`Quoted` frame", "null"})
            QTest::newRow(desc) << QString::fromUtf8(desc);
    }

    void reportItemButtonListsThatOneItem()
    {
        QFETCH(QString, desc);
        RunningShop run;
        Fill(run);
        for (const char* other : {"Plate 5\"", "Plate 5", "Chair, oak", "Chair", "Bowl ~ small", "Bowl",
                                  "`Quoted` frame", "null", "Quoted"})
            run.shop.AddItem("Jones", "Bob", QString::fromUtf8(other));
        ReportScreen report(run);
        report.Click("cmdShow");
        int row = 1;
        while (row < report.grid()->Rows() && report.grid()->TextMatrix(row, 2) != desc) ++row;
        QVERIFY(row < report.grid()->Rows());
        report.ClickCell(row, 2);
        report.Click("cmdItem");
        auto* items = run.Menu().LoadedScreen(Screen::Item);
        QVERIFY(items);
        QCOMPARE(items->findChild<Grid*>("Grid")->TextMatrix(1, 0), desc);
        QCOMPARE(items->findChild<QLabel*>("lblCount")->text(), "1");
    }

    void itemNotFoundForConsignor()
    {
        RunningShop run;
        Fill(run, 2);
        ItemScreenDriver screen(run);
        screen.Show("jones");
        run.shop.Exec("DELETE FROM item WHERE ItemDesc = 'Item 01'");
        screen.Choose(Change);
        screen.ClickRow(1);
        QCOMPARE(screen.Text("lblMessage"), "Item not found for consignor");
        QVERIFY(!screen.IsShown("cmdUpdate"));
    }

    void sellRefusesAnItemThatLeft_data()
    {
        QTest::addColumn<int>("action");  // how the item went at another till; -1: deleted
        QTest::addColumn<QString>("message");
        QTest::newRow("deleted") << -1 << "Item not found for consignor";
        QTest::newRow("returned") << int(EndOfTermAction::ReturnToConsignor)
                                  << "Item %1 was returned to its consignor on 2/20/2024";
        QTest::newRow("donated") << int(EndOfTermAction::Donate) << "Item %1 was donated on 2/20/2024";
    }
    void sellRefusesAnItemThatLeft()
    {
        QFETCH(int, action);
        QFETCH(QString, message);
        RunningShop run;
        Fill(run, 2);
        run.shop.Exec("UPDATE item SET Status = 'ended' WHERE ItemDesc = 'Item 01'");
        ItemScreenDriver screen(run);
        screen.Show("jones");
        const QString itemNo = run.shop.Column("SELECT ItemNo FROM item WHERE ItemDesc = 'Item 01'").value(0);
        if (action < 0) {
            run.shop.Exec("DELETE FROM item WHERE ItemDesc = 'Item 01'");
        } else {
            Connection connection = run.shop.Connect();
            const std::vector<TermItem> ended = ReadTermItems(connection, run.clock.Today(), 0);
            QCOMPARE(ApplyEndOfTerm(connection, ended, EndOfTermAction(action), run.clock.Today()).refusal, QString());
        }
        screen.Choose(Sell);
        screen.ClickRow(1);
        QCOMPARE(screen.Text("lblMessage"), message.arg(itemNo));
        QCOMPARE(run.shop.Value("SELECT COUNT(*) FROM item WHERE DateSold IS NOT NULL").toInt(), 0);

        // Looked up by its number, it says the same.
        screen.Type("txtFindItemNo", itemNo);
        screen.Click("cmdFindItemNo");
        QCOMPARE(screen.Text("lblMessage"), action < 0 ? QStringLiteral("No item %1").arg(itemNo) : message.arg(itemNo));
    }
};

QTEST_MAIN(TestItemScreen)
#include "test_itemscreen.moc"
