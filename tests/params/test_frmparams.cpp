// SPDX-License-Identifier: GPL-3.0-or-later
// The parameters screen against a real database: what Update stores in the
// params row and in Settings, and what the screen shows when it opens again.

#include "shell/SharedValues.h"
#include "support/ScreenDriver.h"

#include <QApplication>
#include <QtTest>

using namespace mqt;
using test::RunningShop;
using test::ScreenDriver;
using test::TempShop;

namespace {

constexpr int Parameters = 0;
const QStringList BoxNames{"txtDrive", "txtFolder(0)", "txtFolder(1)", "txtFolder(2)", "txtFolder(3)"};

QStringList Boxes(const ScreenDriver& screen)
{
    QStringList texts;
    for (const QString& name : BoxNames) texts << screen.Text(name);
    return texts;
}

void TypeBoxes(ScreenDriver& screen, const QStringList& texts)
{
    for (int i = 0; i < BoxNames.size(); ++i) screen.Type(BoxNames[i], texts[i]);
}

// Commission|Rounding|PriceOverride|Backup
QString StoredRow(const TempShop& shop)
{
    return shop.Rows("select Commission, Rounding, PriceOverride, Backup from params").value(0);
}

// Every stored setting, the shop's name, address and tax rate too.
QString WholeRow(const TempShop& shop)
{
    return StoredRow(shop) + u'|' + shop.Rows("select ShopName, ShopAddress, TaxRate from params").value(0);
}

}  // namespace

class TestFrmParams : public QObject {
    Q_OBJECT

private slots:
    void freshDatabaseShowsDefaultsAndUpdateClosesTheScreen()
    {
        RunningShop run;
        QVERIFY(run.Start());
        ScreenDriver screen(run, Parameters);
        QCOMPARE(screen.window->windowTitle(), "Marquill Tracking System");
        QCOMPARE(screen.Text("txtCommission") + screen.Text("txtRounding"), "00");
        QCOMPARE(Boxes(screen), (QStringList{" ", "", "", "", ""}));
        screen.Click("cmdUpdate");
        QCOMPARE(StoredRow(run.shop), "0|0|0|c:\\");
        QVERIFY(!screen.window->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!run.Menu().LoadedScreen(Screen::Params));
    }

    void update_data()
    {
        QTest::addColumn<QStringList>("typed");  // commission, rounding, drive, folders 1 to 4
        QTest::addColumn<QString>("inMemory");
        QTest::addColumn<QString>("row");
        QTest::newRow("drive and two folders kept as typed")
            << QStringList{"10", "0.25", "D", "Shop", "2024", "", ""} << "D:\\Shop\\2024\\"
            << "10|0.25|1|D:\\Shop\\2024\\";
        QTest::newRow("backslashes in a folder are dropped")
            << QStringList{"0", "1", "e", "a\\b", "", "", ""} << "e:\\ab\\"
            << "0|1|1|e:\\ab\\";
        QTest::newRow("empty folder 1 ignores folder 2") << QStringList{"0", "0", "d", "", "x", "", ""} << "d:\\"
                                                         << "0|0|1|d:\\";
        QTest::newRow("two blanks count as a folder") << QStringList{"0", "0", "d", "  ", "x", "", ""} << "d:\\  \\x\\"
                                                      << "0|0|1|d:\\  \\x\\";
        QTest::newRow("all four folders") << QStringList{"0", "0", "d", "a", "b", "c", "e"} << "d:\\a\\b\\c\\e\\"
                                          << "0|0|1|d:\\a\\b\\c\\e\\";
        QTest::newRow("blank drive becomes c") << QStringList{"0", "0", " ", "x", "", "", ""} << "c:\\x\\"
                                               << "0|0|1|c:\\x\\";
        QTest::newRow("commission 12.5 is 12") << QStringList{"12.5", "0", "c", "", "", "", ""} << "c:\\"
                                               << "12|0|1|c:\\";
        QTest::newRow("commission 13.5 is 14") << QStringList{"13.5", "0", "c", "", "", "", ""} << "c:\\"
                                               << "14|0|1|c:\\";
        QTest::newRow("blanks around numbers") << QStringList{" 25 ", " .5", "c", "", "", "", ""} << "c:\\"
                                               << "25|0.5|1|c:\\";
    }

    void update()
    {
        QFETCH(QStringList, typed);
        QFETCH(QString, inMemory);
        QFETCH(QString, row);
        RunningShop run;
        QVERIFY(run.Start());
        ScreenDriver screen(run, Parameters);
        screen.Type("txtCommission", typed[0]);
        screen.Type("txtRounding", typed[1]);
        TypeBoxes(screen, typed.mid(2));
        screen.Click("chkPriceOverride");
        screen.Click("cmdUpdate");
        QCOMPARE(StoredRow(run.shop), row);
        QCOMPARE(run.Shared().Settings.Backup, inMemory);
        QCOMPARE(QString::number(run.Shared().Settings.Commission), row.section(u'|', 0, 0));
        QVERIFY(run.Shared().Settings.PriceOverride);
    }

    void reopenedAndRestartedShowTheTypedCase()
    {
        RunningShop run;
        QVERIFY(run.Start());
        ScreenDriver screen(run, Parameters);
        screen.Type("txtRounding", "0.1");
        TypeBoxes(screen, {"D", "Shop", "2024", "", ""});
        screen.Click("cmdUpdate");
        const ScreenDriver again(run, Parameters);
        QCOMPARE(Boxes(again), (QStringList{"D", "Shop", "2024", "", ""}));
        QCOMPARE(again.Text("txtRounding"), "0.1");

        QVERIFY(run.Start());
        const ScreenDriver restarted(run, Parameters);
        QCOMPARE(Boxes(restarted), (QStringList{"D", "Shop", "2024", "", ""}));
        QCOMPARE(restarted.Text("txtRounding"), "0.1");
    }

    // Text that is not a number is refused in both boxes, and nothing is stored.
    void wordsAreRefused_data()
    {
        QTest::addColumn<QString>("commission");
        QTest::addColumn<QString>("rounding");
        QTest::addColumn<QString>("error");
        const QString commissionError = "Commission must be a number";
        const QString roundingError = "Round to nearest must be a number of dollars";
        QTest::newRow("commission forty") << "forty" << "0" << commissionError;
        QTest::newRow("commission with a percent sign") << "30 %" << "0" << commissionError;
        QTest::newRow("commission emptied") << "" << "0" << commissionError;
        QTest::newRow("rounding abc") << "30" << "abc" << roundingError;
        QTest::newRow("rounding with an exponent") << "30" << "1e3" << roundingError;
        QTest::newRow("both: commission first") << "abc" << "abc" << commissionError;
    }

    void wordsAreRefused()
    {
        QFETCH(QString, commission);
        QFETCH(QString, rounding);
        QFETCH(QString, error);
        RunningShop run;
        QVERIFY(run.Start());
        ScreenDriver screen(run, Parameters);
        screen.Type("txtCommission", commission);
        screen.Type("txtRounding", rounding);
        TypeBoxes(screen, {"d", "x", "", "", ""});
        screen.Click("cmdUpdate");
        QCOMPARE(run.dialogs.Errors(), QStringList{error});
        QCOMPARE(StoredRow(run.shop), "0|0|0| ");
        QVERIFY(screen.window->isVisible());  // open for a correction
    }

    void commissionOf100IsRefused()
    {
        RunningShop run;
        QVERIFY(run.Start());
        ScreenDriver screen(run, Parameters);
        screen.Type("txtCommission", "100");
        TypeBoxes(screen, {"d", "x", "", "", ""});
        screen.Click("cmdUpdate");
        QCOMPARE(run.dialogs.Errors(), QStringList{"Commission must be a percent from -32768 to 99"});
        QCOMPARE(StoredRow(run.shop), "0|0|0| ");
        QCOMPARE(run.Shared().Settings.Backup, " ");
        QVERIFY(screen.window->isVisible());  // open for a correction
    }

    // Keys go where the focus is, as a user's do: "Tab" and "Backtab" move
    // it, any other step is typed there.
    void keyboard_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("visited");  // the focus after each Tab or Backtab
        QTest::newRow("Tab visits the boxes top to bottom, the sales tax too")
            << "txtCommission" << QStringList(11, "Tab")
            << QStringList{"txtRounding",  "chkPriceOverride", "txtDrive",    "txtFolder(0)",
                           "txtFolder(1)", "txtFolder(2)",     "txtFolder(3)", "txtTaxRate",
                           "txtShopName",  "txtShopAddress",   "cmdUpdate"};
        QTest::newRow("Backtab goes back up")
            << "txtShopName" << QStringList{"Backtab", "Backtab"} << QStringList{"txtTaxRate", "txtFolder(3)"};
        QTest::newRow("a space and Enter in the shop name box")
            << "txtShopName" << QStringList{" ", "\n", "Corner Shop", "\n"} << QStringList();
        QTest::newRow("the rate typed after the last folder")
            << "txtFolder(3)" << QStringList{"Tab", "8.25", " ", "\n", "Tab", " "}
            << QStringList{"txtTaxRate", "txtShopName"};
    }

    void keyboard()
    {
        QFETCH(QString, start);
        QFETCH(QStringList, steps);
        QFETCH(QStringList, visited);
        RunningShop run;
        QVERIFY(run.Start());
        const QString before = WholeRow(run.shop);
        ScreenDriver screen(run, Parameters);
        screen.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(screen.window));
        screen.Find(start)->setFocus();
        QStringList moves;
        for (const QString& step : steps) {
            QWidget* focus = QApplication::focusWidget();
            QVERIFY(focus);
            if (step == u"Tab" || step == u"Backtab") {
                QTest::keyClick(focus, step == u"Tab" ? Qt::Key_Tab : Qt::Key_Backtab);
                moves << QApplication::focusWidget()->objectName();
            } else if (step == u"\n") {
                QTest::keyClick(focus, Qt::Key_Return);
            } else {
                QTest::keyClicks(focus, step);
            }
        }
        QCOMPARE(moves, visited);
        QVERIFY(screen.window->isVisible());  // nothing pressed Update
        QCOMPARE(WholeRow(run.shop), before);
    }

    void folderWithACommaIsRefused_data()
    {
        QTest::addColumn<QStringList>("folders");
        QTest::addColumn<int>("box");  // the one named, from 0
        QTest::newRow("folder 1") << QStringList{"a,b", "", "", ""} << 0;
        QTest::newRow("folder 4 of four") << QStringList{"a", "b", "c", "d,"} << 3;
        QTest::newRow("a lone comma") << QStringList{"shop", ",", "", ""} << 1;
        QTest::newRow("first of two") << QStringList{"shop", "x,y", "2024,", ""} << 1;
    }

    void folderWithACommaIsRefused()
    {
        QFETCH(QStringList, folders);
        QFETCH(int, box);
        RunningShop run;
        run.shop.Exec("INSERT INTO params (Commission, Rounding, PriceOverride, Backup) VALUES (5, 0, 0, 'd:\\shop\\')");
        QVERIFY(run.Start());
        ScreenDriver screen(run, Parameters);
        screen.Type("txtCommission", "10");
        TypeBoxes(screen, QStringList{"e"} + folders);
        screen.Click("cmdUpdate");
        QCOMPARE(run.dialogs.Errors(),
                 QStringList{QStringLiteral("Folder %1 holds a comma: a folder name cannot hold one").arg(box + 1)});
        QCOMPARE(StoredRow(run.shop), "5|0|0|d:\\shop\\");
        QCOMPARE(run.Shared().Settings.Backup, "d:\\shop\\");
        QVERIFY(screen.window->isVisible());  // open for a correction
        QCOMPARE(screen.Text("txtFolder(" + QString::number(box) + ")"), folders[box]);
    }
};

QTEST_MAIN(TestFrmParams)
#include "test_frmparams.moc"
