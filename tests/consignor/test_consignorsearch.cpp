// SPDX-License-Identifier: GPL-3.0-or-later
// The consignor screen's search, list and selection, driven through its
// controls against a real database.

#include "consignor/ConsignorScreenDriver.h"
#include "consignor/frmConsignor.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QRadioButton>
#include <QtTest>

using namespace mqt;
using namespace mqt::test;

class TestConsignorSearch : public QObject {
    Q_OBJECT

private slots:
    void emptySearchListsAllByLastNameAndCountsThem()
    {
        RunningShop run;
        for (const char* last : {"smith", "Adams", "Cole"}) run.shop.AddConsignor(last, "Al");
        ConsignorScreen screen(run);
        QCOMPARE(screen.window->windowTitle(), "MQT - Consignor Maintenance");
        screen.Search("");
        QCOMPARE(screen.Listed(), (QStringList{"Adams Al", "Cole Al", "smith Al"}));
        QCOMPARE(screen.Text("lblCount"), "3");
        QCOMPARE(run.Shared().CurrentLastName, "");  // several: nothing selected
    }

    void searchFinds_data()
    {
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QStringList>("listed");
        const QStringList smiths{"Smith Ann", "Smith Dee", "SMITHERS Cy"};
        QTest::newRow("lower-case prefix finds every case") << "smi" << "" << smiths;
        QTest::newRow("first-name prefix narrows") << "smith" << "d" << QStringList{"Smith Dee"};
        QTest::newRow("a blank first name adds no condition") << "smith" << " " << smiths;
        QTest::newRow("blanks around the prefix are ignored") << "  o'n  " << "" << QStringList{"O'Neil Pat"};
        QTest::newRow("star is a wildcard") << "s*s" << "" << QStringList{"SMITHERS Cy"};
        QTest::newRow("non-ASCII letters ignore case") << "MÜ" << "" << QStringList{"Müller Jörg"};
    }

    void searchFinds()
    {
        QFETCH(QString, last);
        QFETCH(QString, first);
        QFETCH(QStringList, listed);
        RunningShop run;
        for (const QString names : {"Smith Ann", "Smith Dee", "SMITHERS Cy", "O'Neil Pat", "Müller Jörg"})
            run.shop.AddConsignor(names.section(u' ', 0, 0), names.section(u' ', 1));
        ConsignorScreen screen(run);
        screen.Search(last, first);
        QCOMPARE(screen.Listed(), listed);
        QCOMPARE(screen.Text("lblCount"), QString::number(listed.size()));
    }

    void singleMatchIsSelectedAndItsEmailCopied_data()
    {
        QTest::addColumn<QString>("email");
        QTest::newRow("with an address") << "ann@example.com";
        QTest::newRow("without an address") << "";
    }

    void singleMatchIsSelectedAndItsEmailCopied()
    {
        QFETCH(QString, email);
        RunningShop run;
        run.shop.AddConsignor("Smith", "Ann");
        run.shop.Exec("update consignor set Email = ?", {email.isEmpty() ? QVariant() : QVariant(email)});
        run.shop.AddConsignor("Jones", "Bob");
        ConsignorScreen screen(run);
        QGuiApplication::clipboard()->setText("left over");
        screen.Search("sm");
        QCOMPARE(screen.RowColour(1), Yellow);
        QCOMPARE(run.Shared().CurrentLastName + u' ' + run.Shared().CurrentFirstName, "Smith Ann");
        QCOMPARE(QGuiApplication::clipboard()->text(), email);
    }

    void clickingMovesTheHighlightAndTheEmptyRowClearsIt()
    {
        RunningShop run;
        run.shop.AddConsignor("Adams", "Bob");
        run.shop.AddConsignor("Cole", "Cy");
        ConsignorScreen screen(run);
        screen.Search("");
        screen.ClickRow(1);
        screen.ClickRow(2);
        QCOMPARE(screen.RowColour(1), White);
        QCOMPARE(screen.RowColour(2), Yellow);
        QCOMPARE(run.Shared().CurrentLastName, "Cole");

        screen.ClickRow(3);
        QCOMPARE(screen.RowColour(2), White);
        QCOMPARE(screen.RowColour(3), White);
        QCOMPARE(run.Shared().CurrentLastName + run.Shared().CurrentFirstName, "");
    }

    void gridKeepsOneEmptyRowBelowTheList_data()
    {
        QTest::addColumn<int>("consignors");
        QTest::addColumn<int>("rows");
        QTest::newRow("empty database") << 0 << 10;
        QTest::newRow("8 fit the nine empty rows") << 8 << 10;
        QTest::newRow("9 add a row") << 9 << 11;
        QTest::newRow("thousands") << 5000 << 5002;
    }

    void gridKeepsOneEmptyRowBelowTheList()
    {
        QFETCH(int, consignors);
        QFETCH(int, rows);
        RunningShop run;
        run.shop.Exec(
            "with recursive n(i) as (select 1 union all select i + 1 from n where i < ?) insert into consignor "
            "(LastName, FirstName) select 'Name' || substr(cast(100000 + i as text), 2), 'F' from n where i <= ?",
            {consignors, consignors});
        ConsignorScreen screen(run);
        screen.Search("");
        QCOMPARE(screen.grid()->Rows(), rows);
        QCOMPARE(screen.Text("lblCount"), QString::number(consignors));
        QCOMPARE(screen.grid()->TextMatrix(rows - 2, 0), consignors ? QString::asprintf("Name%05d", consignors) : "");
        QCOMPARE(screen.grid()->TextMatrix(rows - 1, 0), "");
    }

    void screenStaysAsItWasUntilItsWindowCloses()
    {
        RunningShop run;
        run.shop.AddConsignor("Adams", "Bob");
        run.shop.AddConsignor("Cole", "Cy");
        ConsignorScreen screen(run);
        screen.Search("");
        screen.ClickRow(2);
        screen.Click("cmdMenu");
        QCOMPARE(ScreenDriver(run, MenuEntry::Consignors).window, screen.window);
        QCOMPARE(screen.Listed(), (QStringList{"Adams Bob", "Cole Cy"}));
        QCOMPARE(screen.RowColour(2), Yellow);

        screen.window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!run.Menu().LoadedScreen(Screen::Consignor));
        const ScreenDriver fresh(run, MenuEntry::Consignors);
        QCOMPARE(fresh.Text("lblCount"), "0");
    }

    void handOverFromTheItemScreenKeepsShowItems_data()
    {
        QTest::addColumn<QString>("last");
        QTest::addColumn<bool>("listedAtOnce");
        QTest::newRow("several matches wait for a click") << "smith" << false;
        QTest::newRow("a single match shows its items at once") << "jones" << true;
    }

    void handOverFromTheItemScreenKeepsShowItems()
    {
        QFETCH(QString, last);
        QFETCH(bool, listedAtOnce);
        RunningShop run;
        for (const char* first : {"Ann", "Dee"}) run.shop.AddConsignor("Smith", first);
        run.shop.AddConsignor("Jones", "Bob");
        ConsignorScreen screen(run);
        screen.Search("");
        screen.ClickRow(1);  // a selection from before the hand-over

        qobject_cast<frmConsignor*>(screen.window)->ChooseConsignorForItems(last, "");
        // The consignor screen's listing takes the hand-over marker.
        QCOMPARE(run.Shared().CallerMode, "");
        QCOMPARE(bool(run.Menu().LoadedScreen(Screen::Item)), listedAtOnce);
        QVERIFY(screen.Find<QRadioButton>("optAction(3)")->isChecked());

        screen.ClickRow(1);
        QCOMPARE(run.Shared().CallerMode, "");
        QCOMPARE(run.Shared().CurrentLastName, screen.grid()->TextMatrix(1, 0));
        QVERIFY(run.Menu().LoadedScreen(Screen::Item));
    }
};

QTEST_MAIN(TestConsignorSearch)
#include "test_consignorsearch.moc"
