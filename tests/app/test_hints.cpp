// SPDX-License-Identifier: GPL-3.0-or-later
// The hints that tell a shop owner what a box accepts: every box that hides a
// convention carries a tooltip saying it, on the screen the menu opens.

#include "support/ScreenDriver.h"

#include <QtTest>

using namespace mqt;

namespace {

constexpr int Consignors = 1;
constexpr int Items = 2;
constexpr int Report = 3;

}  // namespace

class TestHints : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { test::ScreenDriver::Started(run_); }

    void hint_data()
    {
        QTest::addColumn<int>("menuEntry");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("says");

        QTest::newRow("consignor notes: the rent clause with an example")
            << Consignors << "txtNotes" << "$Rent=(amount=150,due=3/1/2025,interval=1)";
        for (const char* box : {"txtItemDesc", "txtCategory", "txtSubCategory", "txtCostPrice", "txtSalePrice",
                                "txtDateAdded", "txtDateSold", "txtDatePaid", "txtPayRef", "txtNotes"})
            QTest::addRow("item %s: the ditto mark", box) << Items << box << "A lone \" repeats";
        for (const char* box : {"txtDateAdded", "txtDateSold", "txtDatePaid"})
            QTest::addRow("item %s: the date forms", box) << Items << box << "3/15/24, 3/15/2024, Mar 15 2024; or today, today+7";
        for (const char* box : {"txtCostPrice", "txtSalePrice"})
            QTest::addRow("item %s: an amount or nothing", box) << Items << box << "or nothing for no price";
        for (int i = 0; i < 11; ++i)
            QTest::addRow("report txtSelect(%d): an example", i)
                << Report << QStringLiteral("txtSelect(%1)").arg(i) << ", for example ";
        for (int i : {0, 1, 2, 3, 4, 10})
            QTest::addRow("report txtSelect(%d): text rules", i)
                << Report << QStringLiteral("txtSelect(%1)").arg(i) << "A plain text selects what begins with it";
        for (int i : {5, 6})
            QTest::addRow("report txtSelect(%d): number rules", i)
                << Report << QStringLiteral("txtSelect(%1)").arg(i) << "A number selects exactly that";
        for (int i : {7, 8, 9})
            QTest::addRow("report txtSelect(%d): date rules", i)
                << Report << QStringLiteral("txtSelect(%1)").arg(i) << "A date, month/day/year";
        QTest::newRow("report advanced search: operators with an example")
            << Report << "txtSearch" << "oak and (table or chair) and not broken";
    }

    void hint()
    {
        QFETCH(int, menuEntry);
        QFETCH(QString, control);
        QFETCH(QString, says);
        const test::ScreenDriver screen(run_, menuEntry);
        const QString tip = screen.Find(control)->toolTip();
        QVERIFY2(tip.contains(says), qPrintable(control + QStringLiteral(": ") + tip));
    }

private:
    test::RunningShop run_;
};

QTEST_MAIN(TestHints)
#include "test_hints.moc"
