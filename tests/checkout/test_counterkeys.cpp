// SPDX-License-Identifier: GPL-3.0-or-later
// The counter as a cashier with a barcode scanner drives it: the scanner
// types digits and Enter into whatever has the focus, so after every action
// the focus is back in the scan box. Then the amount box's keys and limit,
// an item taken in without a price, returns that put back the tag's price
// and pay back the way the sale was paid, what the next sale starts with,
// and the questions before an open sale is thrown away.

#include "checkout/CounterDriver.h"

#include <QListWidget>

using namespace mqt;
using namespace mqt::test;

namespace {

// Types as a scanner does, into the widget that has the focus.
void Scan(Counter& counter, const QString& digits)
{
    QWidget* focused = counter.window->focusWidget();
    QVERIFY(focused);
    QTest::keyClicks(focused, digits);
    QTest::keyClick(focused, Qt::Key_Return);
}

QString Payments(const Counter& counter) { return counter.Text("lstPayments"); }

}  // namespace

class TestCounterKeys : public QObject {
    Q_OBJECT
private slots:
    void focusBackInTheScanBox_data()
    {
        QTest::addColumn<QString>("action");
        for (const char* action : {"payment taken", "payment refused", "price changed", "line removed",
                                   "payments cleared", "sale cancelled", "sale completed", "return", "takings",
                                   "reprint refused", "back from the menu"})
            QTest::newRow(action) << action;
    }
    // Each action starts with the focus in the amount box; a scan typed
    // right after it lands on the sale as a new line.
    void focusBackInTheScanBox()
    {
        QFETCH(QString, action);
        RunningShop run;
        Counter counter(run);
        counter.Sell({3}, PayKind::Cash, "40");
        counter.Scan(1);
        counter.Scan(2);
        counter.Find("txtPayAmount")->setFocus();
        if (action == "payment taken") {
            counter.Type("txtPayAmount", "5\n");
        } else if (action == "payment refused") {
            counter.Type("txtPayAmount", "5x\n");
        } else if (action == "price changed") {
            counter.ClickRow(1);
            run.dialogs.QueueInput("12");
            counter.Click("cmdLinePrice");
            QCOMPARE(run.dialogs.InputInitials(), QStringList{"10.00"});
        } else if (action == "line removed") {
            counter.ClickRow(1);
            counter.Click("cmdRemoveLine");
        } else if (action == "payments cleared") {
            counter.Click("cmdClearPayments");
        } else if (action == "sale cancelled") {
            run.dialogs.QueueAnswer(Yes);
            counter.Click("cmdCancelSale");
        } else if (action == "sale completed") {
            counter.Pay(PayKind::Cash, "40");
            counter.Click("cmdComplete");
        } else if (action == "return") {
            run.dialogs.QueueInput("3");
            run.dialogs.QueueChoice(0);
            counter.Click("cmdReturn");
        } else if (action == "takings") {
            run.dialogs.QueueInput("today-1");
            counter.Click("cmdTakings");
            QVERIFY(counter.Text("lblMessage").contains("takings-2024-02-19"));
        } else if (action == "reprint refused") {
            run.dialogs.QueueInput("99");
            counter.Click("cmdReprint");
        } else {
            counter.Click("cmdMenu");
            run.Menu().activateWindow();
            counter.window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(counter.window));
        }
        QCOMPARE(counter.window->focusWidget()->objectName(), "txtScan");
        const int lines = counter.Lines();
        const QString paid = Payments(counter);
        Scan(counter, "4");
        QCOMPARE(counter.Lines(), lines + 1);
        QCOMPARE(Payments(counter), paid);
    }

    // With a line on the sale and nothing paid yet: Complete and Print
    // receipt are disabled and skipped; the grid's cells never hold Tab.
    void tabOrder()
    {
        RunningShop run;
        Counter counter(run);
        counter.Scan(1);
        counter.Find("txtScan")->setFocus();
        QStringList visited;
        for (int tab = 0; tab < 13; ++tab) {
            QTest::keyClick(counter.window->focusWidget(), Qt::Key_Tab);
            visited << counter.window->focusWidget()->objectName();
        }
        QCOMPARE(visited, (QStringList{"cboPayKind", "txtPayAmount", "cmdAddPayment", "cmdClearPayments",
                                       "cmdCancelSale", "Grid", "cmdLinePrice", "cmdRemoveLine", "cmdReprint",
                                       "cmdReturn", "cmdTakings", "cmdMenu", "txtScan"}));
    }

    void amountBox_data()
    {
        QTest::addColumn<QString>("before");  // cash taken first
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("100 times what is due") << "" << "1089" << "Cash 1089.00 taken";
        QTest::newRow("beyond 100 times what is due")
            << "" << "1090" << "1090.00 is more than 100 times the 10.89 still due: at most 1089.00 can be taken";
        QTest::newRow("beyond what an amount can be")
            << "" << "99999999999"
            << "Invalid amount: 99999999999; an amount has at most two decimals and is below 100000000.00";
        QTest::newRow("Enter on the empty box, sale covered") << "20" << "" << "Sale 000001 complete, change 9.11";
        QTest::newRow("Enter on the empty box, sale not covered") << "5" << "" << "Type the amount paid, then Enter";
    }
    void amountBox()
    {
        QFETCH(QString, before);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        RunningShop run;
        Counter counter(run);
        counter.Scan(1);
        if (!before.isEmpty()) counter.Pay(PayKind::Cash, before);
        counter.Type("txtPayAmount", typed + '\n');
        QCOMPARE(counter.Text("lblMessage"), message);
    }

    void itemWithoutPrice_data()
    {
        QTest::addColumn<QString>("price");  // typed when Complete asks
        QTest::addColumn<QString>("message");  // after the payment
        QTest::addColumn<QString>("stored");   // the item's prices after Complete
        QTest::newRow("price typed") << "12" << "Cash 100.00 taken" << "12|8.4";
        QTest::newRow("question cancelled")
            << "" << "Item 8 has no price: select its line and press Change price" << "NULL|NULL";
        QTest::newRow("price refused")
            << "1.234" << "Invalid price: 1.234; an amount has at most two decimals and is below 100000000.00"
            << "NULL|NULL";
    }
    void itemWithoutPrice()
    {
        QFETCH(QString, price);
        QFETCH(QString, message);
        QFETCH(QString, stored);
        RunningShop run;
        Counter counter(run);
        run.shop.AddItem("Adams", "Al", "Tin box", {QVariant(), QVariant(), QVariant(), QVariant(), "2024-01-02"});
        counter.Scan(8);
        QCOMPARE(counter.Text("lblMessage"), "Item 8 added; it has no price yet: it is asked for before the payment");
        // The payment asks for the price, and so does Complete while it is
        // still missing.
        run.dialogs.QueueInput(price);
        counter.Pay(PayKind::Cash, "100");
        QCOMPARE(counter.Text("lblMessage"), message);
        counter.Click("cmdComplete");
        QCOMPARE(run.dialogs.Texts(ScriptedDialogs::Kind::Input).value(0), "Item 8 has no price. Its price:");
        QCOMPARE(counter.Text("lblMessage"), price == "12"
                                                 ? "Sale 000001 complete, change 86.93"
                                                 : "Item 8 has no price: select its line and press Change price");
        QCOMPARE(run.shop.Rows("SELECT SalePrice, CostPrice FROM item WHERE ItemNo = 8"), QStringList{stored});
        QCOMPARE(counter.Stored("SELECT count(*) FROM sale"), price == "12" ? "1" : "0");
    }

    void returns_data()
    {
        QTest::addColumn<QString>("linePrice");  // changed at the counter before the sale
        QTest::addColumn<int>("paidBy");
        QTest::addColumn<int>("choice");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("refund");  // the refund's payment
        QTest::addColumn<QString>("prices");  // the item's, after the return
        QTest::newRow("price changed at the counter, back at its own")
            << "27.50" << int(PayKind::Cash) << 0 << "Item 3 is back on sale; refund 000002 of 29.94 in cash"
            << "Cash|-2994" << "30|21";
        QTest::newRow("card sale back to the card")
            << "" << int(PayKind::Card) << 0 << "Item 3 is back on sale; refund 000002 of 32.66 to the card"
            << "Card|-3266" << "30|21";
        QTest::newRow("card sale paid back in cash, as chosen")
            << "" << int(PayKind::Card) << 1 << "Item 3 is back on sale; refund 000002 of 32.66 in cash"
            << "Cash|-3266" << "30|21";
        QTest::newRow("question cancelled") << "" << int(PayKind::Cash) << -1 << "Return cancelled; nothing was written"
                                            << "" << "30|21";
    }
    void returns()
    {
        QFETCH(QString, linePrice);
        QFETCH(int, paidBy);
        QFETCH(int, choice);
        QFETCH(QString, message);
        QFETCH(QString, refund);
        QFETCH(QString, prices);
        RunningShop run;
        Counter counter(run);
        counter.Scan(3);
        if (!linePrice.isEmpty()) {
            counter.ClickRow(1);
            run.dialogs.QueueInput(linePrice);
            counter.Click("cmdLinePrice");
        }
        counter.Sell({}, PayKind(paidBy), counter.Text("lblTotal"));
        run.dialogs.QueueInput("3");
        if (choice >= 0) run.dialogs.QueueChoice(choice);
        counter.Click("cmdReturn");
        QCOMPARE(run.dialogs.ChoiceLists().value(0).value(0), PayKindName(PayKind(paidBy)) + ", as the sale was paid");
        QCOMPARE(counter.Text("lblMessage"), message);
        QCOMPARE(run.shop.Rows("SELECT Kind, Amount FROM sale_payment WHERE SaleNo = 2").join(""), refund);
        QCOMPARE(run.shop.Rows("SELECT SalePrice, CostPrice FROM item WHERE ItemNo = 3"), QStringList{prices});
    }

    // Items 1 and 2 sold together carry a tax of 2.66; returned one at a
    // time, the refunds give back exactly that.
    void refundTaxLineByLine_data()
    {
        QTest::addColumn<QList<int>>("order");
        QTest::addColumn<QString>("taxes");
        QTest::newRow("smaller first") << QList{1, 2} << "-89 -177";
        QTest::newRow("larger first") << QList{2, 1} << "-178 -88";
    }
    void refundTaxLineByLine()
    {
        QFETCH(QList<int>, order);
        QFETCH(QString, taxes);
        RunningShop run;
        Counter counter(run);
        counter.Sell({1, 2}, PayKind::Cash, "40");
        for (int item : order) {
            run.dialogs.QueueInput(QString::number(item));
            run.dialogs.QueueChoice(0);
            counter.Click("cmdReturn");
        }
        QCOMPARE(run.shop.Column("SELECT Tax FROM sale WHERE Kind = 'Return' ORDER BY SaleNo").join(' '), taxes);
        QCOMPARE(counter.Stored("SELECT sum(Tax) FROM sale"), "0");
    }

    // An open sale keeps the rate it started with; the next one starts at
    // cash and at the shop's rate.
    void nextSaleStartsAfresh()
    {
        RunningShop run;
        Counter counter(run);
        counter.Scan(1);
        run.Shared().Settings.TaxRate = 10000;
        QCOMPARE(counter.Text("lblTotal"), "10.89");
        counter.Pay(PayKind::Card, "10.89");
        counter.Click("cmdComplete");
        QCOMPARE(counter.Stored("SELECT TaxRate || ' ' || Tax FROM sale"), "8875 89");
        QCOMPARE(counter.Find<QComboBox>("cboPayKind")->currentIndex(), int(PayKind::Cash));
        counter.Scan(2);
        QCOMPARE(counter.Text("lblTaxCaption"), "Tax 10%");
        QCOMPARE(counter.Text("lblTotal"), "22.00");
    }

    void openSaleNotThrownAway_data()
    {
        QTest::addColumn<bool>("closing");  // else Cancel sale
        QTest::addColumn<int>("answer");
        QTest::newRow("cancel, answered No") << false << No;
        QTest::newRow("cancel, answered Yes") << false << Yes;
        QTest::newRow("closing, answered No") << true << No;
        QTest::newRow("closing, answered Yes") << true << Yes;
    }
    void openSaleNotThrownAway()
    {
        QFETCH(bool, closing);
        QFETCH(int, answer);
        RunningShop run;
        Counter counter(run);
        counter.Scan(1);
        counter.Pay(PayKind::Cash, "5");
        run.dialogs.QueueAnswer(answer);
        if (closing)
            counter.window->close();
        else
            counter.Click("cmdCancelSale");
        QCOMPARE(run.dialogs.Questions(),
                 QStringList{QString("Nothing of the open sale (1 line, 1 payment) has been written.\n") +
                             (closing ? "Close the counter and throw it away?" : "Cancel the sale?")});
        if (closing) {
            QCOMPARE(counter.window->isVisible(), answer == No);
            return;
        }
        QCOMPARE(counter.Lines(), answer == Yes ? 0 : 1);
        QCOMPARE(Payments(counter), answer == Yes ? "" : "Cash 5.00");
    }
};

QTEST_MAIN(TestCounterKeys)
#include "test_counterkeys.moc"
