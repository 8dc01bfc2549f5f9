// SPDX-License-Identifier: GPL-3.0-or-later
// A consignor's own end of term on the consignor screen: shown from the
// consignor row on a Change, stored with the other fields, and back at the
// shop's default whenever the entry is cleared.

#include "consignor/ConsignorScreenDriver.h"

#include <QComboBox>
#include <QtTest>

using namespace mqt;
using namespace mqt::test;

namespace {

enum { Add, Change };

QComboBox* Terms(const ConsignorScreen& screen) { return screen.Find<QComboBox>("cboConsignorTerms"); }

QString StoredTerms(const TempShop& shop, const QString& last)
{
    return shop.Rows("select EndOfTerm from consignor where LastName = ?", {last}).value(0);
}

}  // namespace

class TestConsignorTerms : public QObject {
    Q_OBJECT

private slots:
    void change_data()
    {
        QTest::addColumn<QVariant>("before");  // consignor.EndOfTerm
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("chosen");
        QTest::addColumn<QString>("after");
        QTest::newRow("the shop's default kept") << QVariant() << "Shop's default" << 0 << "NULL";
        QTest::newRow("donating becomes returning") << QVariant("donated") << "Donate" << 1 << "returned";
        QTest::newRow("the shop's keeping back to the default") << QVariant("shop") << "Becomes the shop's" << 0
                                                                << "NULL";
        QTest::newRow("an unknown code shows the default") << QVariant("later") << "Shop's default" << 3 << "shop";
    }

    void change()
    {
        QFETCH(QVariant, before);
        QFETCH(QString, shown);
        QFETCH(int, chosen);
        QFETCH(QString, after);
        RunningShop run;
        run.shop.AddConsignor("Smith", "Ann");
        run.shop.AddConsignor("Taylor", "Tim");
        run.shop.Exec("update consignor set EndOfTerm = ? where LastName = 'Smith'", {before});
        run.shop.Exec("update consignor set EndOfTerm = 'donated' where LastName = 'Taylor'");
        ConsignorScreen screen(run);
        screen.Prepare(Change, 1);
        QCOMPARE(Terms(screen)->currentText(), shown);
        Terms(screen)->setCurrentIndex(chosen);
        screen.Click("cmdUpdate");
        QCOMPARE(screen.Text("lblMessage"), "Change function is successful");
        QCOMPARE(StoredTerms(run.shop, "Smith"), after);
        QCOMPARE(StoredTerms(run.shop, "Taylor"), "donated");
    }

    // An Add starts from the shop's default, also after a Change showed
    // another choice, and stores the one chosen.
    void addStartsFromTheDefault()
    {
        RunningShop run;
        run.shop.AddConsignor("Taylor", "Tim");
        run.shop.Exec("update consignor set EndOfTerm = 'donated'");
        ConsignorScreen screen(run);
        screen.Prepare(Change, 1);
        QCOMPARE(Terms(screen)->currentText(), "Donate");
        screen.Click("optAction(0)");
        QCOMPARE(Terms(screen)->currentIndex(), 0);
        screen.Type("txtLastName", "Brown");
        screen.Type("txtFirstName", "Bo");
        Terms(screen)->setCurrentIndex(3);
        screen.Click("cmdUpdate");
        QCOMPARE(screen.Text("lblMessage"), "Add function is successful");
        QCOMPARE(StoredTerms(run.shop, "Brown"), "shop");
        QCOMPARE(Terms(screen)->currentIndex(), 0);  // the entry is cleared for the next
    }
};

QTEST_MAIN(TestConsignorTerms)
#include "test_consignorterms.moc"
