// SPDX-License-Identifier: GPL-3.0-or-later
// Tags again for the items whose price moved since their tag was made: the
// tags dialog's last choice picks exactly those, shop-wide, and the tags it
// makes note the prices on them, so the same items are not picked again.

#include "item/ItemScreenDriver.h"

#include <QComboBox>
#include <QDialog>
#include <QtTest>

using namespace mqt;
using namespace mqt::test;

namespace {

constexpr char NothingToTag[] = "There are no items to tag: rent charges and sold items get no tags";

// Saves the tags for the repriced items as a roll, one tag a page.
void SaveRetags(ItemScreenDriver& screen)
{
    screen.Click("cmdTags");
    auto* dialog = screen.Find<QDialog>("dlgTags");
    auto* layouts = dialog->findChild<QComboBox*>("cboTagLayout");
    layouts->setCurrentIndex(layouts->findText("Roll label 2.25 x 1.25 in"));
    QTest::mouseClick(dialog->findChild<QAbstractButton*>("optTagsFor(3)"), Qt::LeftButton, {}, QPoint(2, 2));
    QTest::mouseClick(dialog->findChild<QAbstractButton*>("cmdSaveTags"), Qt::LeftButton);
}

}  // namespace

class TestRetagging : public QObject {
    Q_OBJECT

private slots:
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
        run.shop.Exec("UPDATE item SET TagCents = 3000");
        run.shop.AddItem(consignor, consignor == u"Jones" ? "Bob" : "Ann", "coat",
                         {category, {}, 5, salePrice, "2024-01-05", dateSold.isEmpty() ? QVariant() : dateSold});
        run.shop.Exec("UPDATE item SET TagCents = ?, Status = ? WHERE ItemDesc = 'coat'",
                      {tagCents, status.isEmpty() ? QVariant() : status});
        ItemScreenDriver screen(run);
        screen.Show("Smith", "Ann");
        SaveRetags(screen);
        QCOMPARE(run.dialogs.Errors(), tagged ? QStringList() : QStringList{NothingToTag});
        if (!tagged) return;
        QVERIFY(screen.Text("lblMessage").startsWith("1 tags written to"));
        QCOMPARE(screen.Stored("coat", "TagCents"), QString::number(qRound(salePrice * 100)));
        QCOMPARE(screen.Stored("desk", "TagCents"), "3000");

        // Tagged at its new price, it is not picked again.
        run.dialogs.Clear();
        SaveRetags(screen);
        QCOMPARE(run.dialogs.Errors(), QStringList{NothingToTag});
    }
};

QTEST_MAIN(TestRetagging)
#include "test_retagging.moc"
