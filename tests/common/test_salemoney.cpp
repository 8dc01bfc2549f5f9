// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/SaleMoney.h"

#include <QTest>

using namespace mqt;

Q_DECLARE_METATYPE(std::optional<int>)
Q_DECLARE_METATYPE(std::optional<Cents>)

class TestSaleMoney : public QObject {
    Q_OBJECT
private slots:
    void taxRounding_data()
    {
        QTest::addColumn<Cents>("amount");
        QTest::addColumn<int>("rate");
        QTest::addColumn<Cents>("tax");
        QTest::newRow("half a cent rounds up") << Cents(200) << 250 << Cents(1);
        QTest::newRow("half a cent of a refund rounds down") << Cents(-200) << 250 << Cents(-1);
        QTest::newRow("just under half a cent") << Cents(199) << 250 << Cents(0);
        QTest::newRow("three decimals of rate") << Cents(5997) << 8875 << Cents(532);
        QTest::newRow("zero rate") << Cents(12345) << 0 << Cents(0);
        QTest::newRow("largest rate") << Cents(10000) << TaxRateLimit << Cents(3000);
        QTest::newRow("largest sale at largest rate") << Cents(9999999999) << TaxRateLimit << Cents(3000000000);
    }
    void taxRounding()
    {
        QFETCH(Cents, amount);
        QFETCH(int, rate);
        QFETCH(Cents, tax);
        QCOMPARE(TaxOn(amount, rate), tax);
    }

    void taxRateEntry_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<std::optional<int>>("rate");
        QTest::newRow("three decimals") << "8.875" << std::optional<int>(8875);
        QTest::newRow("percent sign and blanks") << " 8.875 %" << std::optional<int>(8875);
        QTest::newRow("empty is none") << "" << std::optional<int>(0);
        QTest::newRow("the largest") << "30" << std::optional<int>(30000);
        QTest::newRow("point five") << ".5" << std::optional<int>(500);
        QTest::newRow("above the largest") << "30.001" << std::optional<int>();
        QTest::newRow("four decimals") << "8.8755" << std::optional<int>();
        QTest::newRow("negative") << "-1" << std::optional<int>();
        QTest::newRow("decimal comma") << "8,875" << std::optional<int>();
        QTest::newRow("words") << "abc" << std::optional<int>();
    }
    void taxRateEntry()
    {
        QFETCH(QString, typed);
        QFETCH(std::optional<int>, rate);
        QCOMPARE(ReadTaxRate(typed), rate);
        if (rate) QCOMPARE(ReadTaxRate(FormatTaxRate(*rate)), rate);
    }

    void amountEntry_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<std::optional<Cents>>("cents");
        QTest::newRow("dollars and cents") << "12.50" << std::optional<Cents>(1250);
        QTest::newRow("dollar sign") << "$12" << std::optional<Cents>(1200);
        QTest::newRow("largest") << "99999999.99" << std::optional<Cents>(9999999999);
        QTest::newRow("too large") << "100000000" << std::optional<Cents>();
        QTest::newRow("three decimals") << "12.505" << std::optional<Cents>();
        QTest::newRow("negative") << "-5" << std::optional<Cents>();
        QTest::newRow("a point alone") << "." << std::optional<Cents>();
        QTest::newRow("empty") << "" << std::optional<Cents>();
        QTest::newRow("thousands separator") << "1,250.00" << std::optional<Cents>();
    }
    void amountEntry()
    {
        QFETCH(QString, typed);
        QFETCH(std::optional<Cents>, cents);
        QCOMPARE(ReadCents(typed), cents);
    }

    // Lines 10.00 and 20.00 at 8.875%: tax 2.66, total 32.66.
    void payments_data()
    {
        QTest::addColumn<QList<int>>("kinds");
        QTest::addColumn<QList<int>>("amounts");
        QTest::addColumn<Cents>("change");
        QTest::addColumn<bool>("covered");
        const int cash = int(PayKind::Cash), card = int(PayKind::Card), check = int(PayKind::Check);
        QTest::newRow("part card part cash with change") << QList{card, cash} << QList{2000, 1500} << Cents(234) << true;
        QTest::newRow("exact check") << QList{check} << QList{3266} << Cents(0) << true;
        QTest::newRow("short of the total") << QList{card, cash} << QList{2000, 1265} << Cents(0) << false;
        QTest::newRow("card beyond the total gives no change") << QList{card} << QList{4000} << Cents(734) << false;
        QTest::newRow("nothing paid") << QList<int>{} << QList<int>{} << Cents(0) << false;
    }
    void payments()
    {
        QFETCH(QList<int>, kinds);
        QFETCH(QList<int>, amounts);
        QFETCH(Cents, change);
        QFETCH(bool, covered);
        std::vector<Payment> payments;
        for (int i = 0; i < kinds.size(); ++i) payments.push_back({PayKind(kinds[i]), amounts[i]});
        const SaleSums sums = SumSale({1000, 2000}, 8875, payments);
        QCOMPARE(sums.tax, Cents(266));
        QCOMPARE(sums.total, Cents(3266));
        QCOMPARE(sums.change, change);
        QCOMPARE(sums.covered, covered);
    }

    void paymentRefusals_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("amount");
        QTest::addColumn<bool>("refused");
        QTest::newRow("cash beyond what is due") << int(PayKind::Cash) << 5000 << false;
        QTest::newRow("card of what is due") << int(PayKind::Card) << 1266 << false;
        QTest::newRow("card beyond what is due") << int(PayKind::Card) << 1267 << true;
        QTest::newRow("check beyond what is due") << int(PayKind::Check) << 1267 << true;
        QTest::newRow("zero") << int(PayKind::Cash) << 0 << true;
        QTest::newRow("cash of 100 times what is due") << int(PayKind::Cash) << 126600 << false;
        QTest::newRow("cash beyond 100 times what is due") << int(PayKind::Cash) << 126601 << true;
    }
    void paymentRefusals()
    {
        QFETCH(int, kind);
        QFETCH(int, amount);
        QFETCH(bool, refused);
        const SaleSums sums = SumSale({1000, 2000}, 8875, {{PayKind::Card, 2000}});
        QCOMPARE(!PaymentRefusal(sums, {PayKind(kind), amount}).isEmpty(), refused);
        const SaleSums paidUp = SumSale({1000}, 0, {{PayKind::Cash, 1000}});
        QVERIFY(!PaymentRefusal(paidUp, {PayKind::Cash, 100}).isEmpty());
    }

    // A sale's lines come back one at a time, in the order given: the taxes
    // given back, each positive.
    void refundTax_data()
    {
        QTest::addColumn<QList<Cents>>("prices");
        QTest::addColumn<int>("rate");
        QTest::addColumn<QList<Cents>>("taxes");
        QTest::newRow("two halves, each rounded up alone") << QList<Cents>{250, 250} << 8250 << QList<Cents>{21, 20};
        QTest::newRow("larger first") << QList<Cents>{2000, 1000} << 8875 << QList<Cents>{178, 88};
        QTest::newRow("smaller first") << QList<Cents>{1000, 2000} << 8875 << QList<Cents>{89, 177};
        QTest::newRow("three lines") << QList<Cents>{333, 333, 334} << 7500 << QList<Cents>{25, 25, 25};
        QTest::newRow("no tax") << QList<Cents>{500, 700} << 0 << QList<Cents>{0, 0};
        QTest::newRow("a line given away") << QList<Cents>{0, 999} << 8875 << QList<Cents>{0, 89};
    }
    void refundTax()
    {
        QFETCH(QList<Cents>, prices);
        QFETCH(int, rate);
        QFETCH(QList<Cents>, taxes);
        Cents subtotal = 0;
        for (Cents price : prices) subtotal += price;
        const Cents saleTax = TaxOn(subtotal, rate);
        Cents returned = 0;
        Cents givenBack = 0;
        QList<Cents> each;
        for (qsizetype i = 0; i < prices.size(); ++i) {
            each << RefundTax(saleTax, rate, returned, prices[i], i + 1 == prices.size());
            returned += prices[i];
            givenBack += each.last();
            QVERIFY(givenBack <= saleTax);
        }
        QCOMPARE(each, taxes);
        QCOMPARE(givenBack, saleTax);
    }
};

QTEST_GUILESS_MAIN(TestSaleMoney)
#include "test_salemoney.moc"
