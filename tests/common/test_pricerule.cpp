// SPDX-License-Identifier: GPL-3.0-or-later
// The pricing rule of the item screen: one price worked out from the other
// through the commission, to two decimals, then to the shop's rounding step.

#include "common/PriceRule.h"

#include <QtTest>

using namespace mqt;

class TestPriceRule : public QObject {
    Q_OBJECT

private slots:
    void workedOutPrice_data()
    {
        QTest::addColumn<bool>("fromCost");  // cost typed, sale worked out; else the reverse
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("commission");
        QTest::addColumn<float>("rounding");
        QTest::addColumn<QString>("cost");  // both empty: refused, the boxes stay
        QTest::addColumn<QString>("sale");

        QTest::newRow("30%, no step: cost 10 gives 14.29") << true << "10" << 30 << 0.0f << "10.00" << "14.29";
        QTest::newRow("30%, no step: sale 20 gives 14.00") << false << "20" << 30 << 0.0f << "14.00" << "20.00";
        QTest::newRow("30%, step 0.25: cost 10 gives 14.25") << true << "10" << 30 << 0.25f << "10.00" << "14.25";
        QTest::newRow("30%, step 0.25: sale 20 gives 14.00") << false << "20" << 30 << 0.25f << "14.00" << "20.00";
        QTest::newRow("30%, step 0.5: cost 10 gives 14.50") << true << "10" << 30 << 0.5f << "10.00" << "14.50";
        QTest::newRow("tie 14.25 on step 0.5 goes down to even") << true << "11.40" << 20 << 0.5f << "11.40" << "14.00";
        QTest::newRow("tie 14.75 on step 0.5 goes up to even") << true << "11.80" << 20 << 0.5f << "11.80" << "15.00";
        QTest::newRow("cost side tie 14.25 goes down to even") << false << "28.50" << 50 << 0.5f << "14.00" << "28.50";
        QTest::newRow("cost side tie 14.75 goes up to even") << false << "29.50" << 50 << 0.5f << "15.00" << "29.50";
        QTest::newRow("cents tie 12.525 goes down to even") << true << "10.02" << 20 << 0.0f << "10.02" << "12.52";
        QTest::newRow("cost side cents tie 2.505 goes down to even") << false << "25.05" << 90 << 0.0f << "2.50" << "25.05";
        QTest::newRow("commission 0: sale equals cost, no step") << true << "10.10" << 0 << 0.25f << "10.10" << "10.10";
        QTest::newRow("commission 0: cost equals sale, no step") << false << "10.10" << 0 << 0.25f << "10.10" << "10.10";
        QTest::newRow("negative commission: no step") << true << "10.10" << -5 << 0.25f << "10.10" << "10.10";
        QTest::newRow("dollar sign removed") << true << "$12.50" << 30 << 0.0f << "12.50" << "17.86";
        QTest::newRow("every dollar sign removed") << false << "$1$2.50$" << 0 << 0.0f << "12.50" << "12.50";
        QTest::newRow("comma ends the number") << true << "12,50" << 30 << 0.0f << "12.00" << "17.14";
        QTest::newRow("word reads as 0") << true << "abc" << 30 << 0.25f << "0.00" << "0.00";
        QTest::newRow("1000.00 on step 0.01: sale") << true << "1000.00" << 30 << 0.01f << "1000.00" << "1428.57";
        QTest::newRow("1000.00 on step 0.01: cost") << false << "1000.00" << 30 << 0.01f << "700.00" << "1000.00";
        QTest::newRow("commission 99") << true << "10" << 99 << 0.0f << "10.00" << "1000.00";
        QTest::newRow("commission 100 refused: sale") << true << "10" << 100 << 0.0f << "" << "";
        QTest::newRow("commission 100 refused: cost") << false << "10" << 100 << 0.0f << "" << "";
        QTest::newRow("commission 150 refused: sale") << true << "10" << 150 << 0.25f << "" << "";
        QTest::newRow("commission 150 refused: cost") << false << "10" << 150 << 0.25f << "" << "";
        QTest::newRow("worked half cent shows away from zero") << true << "9.90" << 30 << 0.125f << "9.90" << "14.13";
        QTest::newRow("negative half cent shows away from zero") << true << "-9.90" << 30 << 0.125f << "-9.90" << "-14.13";
        QTest::newRow("typed half cent shows away from zero") << true << "10.005" << 30 << 0.0f << "10.01" << "14.29";
        QTest::newRow("rent item's negative cost") << true << "-25" << 30 << 0.0f << "-25.00" << "-35.71";
        QTest::newRow("price too large to hold refused") << true << QString(400, u'9') << 30 << 0.0f << "" << "";
        QTest::newRow("product too large to hold refused") << false << "900000000000000" << 1 << 0.0f << "" << "";
    }

    void workedOutPrice()
    {
        QFETCH(bool, fromCost);
        QFETCH(QString, typed);
        QFETCH(int, commission);
        QFETCH(float, rounding);
        QFETCH(QString, cost);
        QFETCH(QString, sale);
        const std::optional<PricePair> pair = fromCost
            ? ComputeSalePrice(typed, std::int16_t(commission), rounding)
            : ComputeCostPrice(typed, std::int16_t(commission), rounding);
        QCOMPARE(pair.has_value(), !cost.isEmpty());
        if (!pair) return;
        QCOMPARE(pair->costText, cost);
        QCOMPARE(pair->saleText, sale);
    }

    void roundToStep_data()
    {
        QTest::addColumn<double>("amount");
        QTest::addColumn<float>("rounding");
        QTest::addColumn<double>("rounded");
        QTest::newRow("down to a quarter") << 14.29 << 0.25f << 14.25;
        QTest::newRow("up to a half") << 14.29 << 0.5f << 14.5;
        QTest::newRow("tie 28.5 steps to 28") << 14.25 << 0.5f << 14.0;
        QTest::newRow("tie 29.5 steps to 30") << 14.75 << 0.5f << 15.0;
        QTest::newRow("negative tie to even") << -14.25 << 0.5f << -14.0;
        QTest::newRow("whole dollars, tie down") << 2.5 << 1.0f << 2.0;
        QTest::newRow("whole dollars, tie up") << 3.5 << 1.0f << 4.0;
        QTest::newRow("single-precision nickel") << 14.29 << 0.05f << 14.3;
        QTest::newRow("last price of a 16-bit count") << 327.67 << 0.01f << 327.67;
        QTest::newRow("beyond a 16-bit count") << 1000.0 << 0.01f << 1000.0;
        QTest::newRow("step above the price") << 10.0 << 25.0f << 0.0;
        QTest::newRow("step too fine to count keeps the amount") << 14.29 << 1e-20f << 14.29;
    }

    void roundToStep()
    {
        QFETCH(double, amount);
        QFETCH(float, rounding);
        QFETCH(double, rounded);
        QCOMPARE(RoundToStep(*Amount::FromDouble(amount), rounding).Units(),
                 Amount::FromDouble(rounded)->Units());
    }
};

QTEST_GUILESS_MAIN(TestPriceRule)
#include "test_pricerule.moc"
