// SPDX-License-Identifier: GPL-3.0-or-later
// Value conversions every screen shares: numbers read from text, rounding,
// money formats and dates.

#include "common/Amount.h"
#include "common/DateText.h"
#include "common/Val.h"

#include <QtTest>

using namespace mqt;

class TestConversions : public QObject {
    Q_OBJECT

private slots:
    void val_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("decimal") << "12.50" << 12.5;
        QTest::newRow("currency sign stops at once") << "$12" << 0.0;
        QTest::newRow("unit after number") << "7 kg" << 7.0;
        QTest::newRow("comma ends the number") << "12,50" << 12.0;
        QTest::newRow("blanks inside are skipped") << "1 2 3" << 123.0;
        QTest::newRow("blanks around the sign") << "  - 5" << -5.0;
        QTest::newRow("two signs") << "+-5" << 0.0;
        QTest::newRow("second point ends") << "1.2.3" << 1.2;
        QTest::newRow("leading point") << ".5" << 0.5;
        QTest::newRow("no exponent") << "1e3" << 1.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("word") << "abc" << 0.0;
        QTest::newRow("plus sign") << "+7.25" << 7.25;
        QTest::newRow("lone minus") << "-" << 0.0;
        QTest::newRow("tab is no blank: it ends the number") << "\t5" << 0.0;
        QTest::newRow("tiny with many digits") << "0." + QString(400, u'0') + "1" << 0.0;
    }

    void val()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(Val(text), value);
    }

    void valOfHugeNumberIsInfiniteNotACrash()
    {
        QVERIFY(std::isinf(Val(QString(400, u'9'))));
        QVERIFY(!RoundToInt16(Val(QString(400, u'9'))));
    }

    void roundToInt16_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("rounded");  // 99999 stands for "does not fit"
        QTest::newRow("half down to even") << 12.5 << 12;
        QTest::newRow("half up to even") << 13.5 << 14;
        QTest::newRow("negative half to even") << -2.5 << -2;
        QTest::newRow("just below half") << 12.49 << 12;
        QTest::newRow("largest") << 32767.0 << 32767;
        QTest::newRow("rounds past largest") << 32767.5 << 99999;
        QTest::newRow("smallest") << -32768.0 << -32768;
        QTest::newRow("below smallest") << -32769.0 << 99999;
    }

    void roundToInt16()
    {
        QFETCH(double, value);
        QFETCH(int, rounded);
        const std::optional<std::int16_t> result = RoundToInt16(value);
        QCOMPARE(result ? int(*result) : 99999, rounded);
    }

    void money_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("binary just below half") << 2.675 << "2.68";
        QTest::newRow("1.005 up") << 1.005 << "1.01";
        QTest::newRow("negative half away from zero") << -2.345 << "-2.35";
        QTest::newRow("zero") << 0.0 << "0.00";
        QTest::newRow("below one keeps a digit") << 0.5 << "0.50";
        QTest::newRow("no thousands separator") << 1234567.891 << "1234567.89";
        QTest::newRow("negative rounds to zero") << -0.004 << "0.00";
        QTest::newRow("rent") << -50.0 << "-50.00";
    }

    void money()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(FormatMoney(value), text);
    }

    void amountsAddExactly()
    {
        Amount total;
        for (int i = 0; i < 10; ++i) total += *Amount::FromDouble(0.1);
        QCOMPARE(total, *Amount::FromDouble(1.0));
        QCOMPARE(Amount::FromDouble(0.00005)->Units(), 0);  // tie to even
        QCOMPARE(Amount::FromDouble(0.00015)->Units(), 2);
        QVERIFY(!Amount::FromDouble(1e300));
        QVERIFY(!Amount::FromDouble(std::nan("")));
    }

    void readDate_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("date");  // invalid: not a date
        QTest::newRow("m/d/yyyy") << "3/1/2024" << QDate(2024, 3, 1);
        QTest::newRow("mm/dd/yy") << "03/01/24" << QDate(2024, 3, 1);
        QTest::newRow("two-digit year 29") << "1/1/29" << QDate(2029, 1, 1);
        QTest::newRow("two-digit year 30 is ahead") << "1/1/30" << QDate(2030, 1, 1);
        QTest::newRow("two-digit year 43, nineteen ahead") << "1/1/43" << QDate(2043, 1, 1);
        QTest::newRow("two-digit year 44, eighty back") << "1/1/44" << QDate(1944, 1, 1);
        QTest::newRow("m/d takes this year") << "3/15" << QDate(2024, 3, 15);
        QTest::newRow("dashes") << "3-1-2024" << QDate(2024, 3, 1);
        QTest::newRow("iso") << "2024-03-01" << QDate(2024, 3, 1);
        QTest::newRow("month name first") << "Mar 15, 2024" << QDate(2024, 3, 15);
        QTest::newRow("day first with dashes") << "15-Mar-2024" << QDate(2024, 3, 15);
        QTest::newRow("full month name") << "March 15 2024" << QDate(2024, 3, 15);
        QTest::newRow("surrounding blanks") << "  3/1/2024 " << QDate(2024, 3, 1);
        QTest::newRow("with time") << "3/1/2024 10:30" << QDate(2024, 3, 1);
        QTest::newRow("with time pm") << "3/1/2024 2:15:00 PM" << QDate(2024, 3, 1);
        QTest::newRow("leap day") << "2/29/2024" << QDate(2024, 2, 29);
        QTest::newRow("day not in month") << "2/30/2024" << QDate();
        QTest::newRow("no leap day") << "2/29/2023" << QDate();
        QTest::newRow("month above 12 not swapped") << "15/3/2024" << QDate();
        QTest::newRow("time alone") << "10:30" << QDate();
        QTest::newRow("decimal is no date") << "12.50" << QDate();
        QTest::newRow("word") << "abc" << QDate();
        QTest::newRow("empty") << "" << QDate();
        QTest::newRow("trailing junk") << "3/1/2024x" << QDate();
        QTest::newRow("mixed separators") << "3/1-2024" << QDate();
        QTest::newRow("three-digit year") << "3/1/202" << QDate();
        QTest::newRow("bad time") << "3/1/2024 25:00" << QDate();
        QTest::newRow("unknown month") << "Foo 1, 2024" << QDate();
    }

    void readDate()
    {
        QFETCH(QString, text);
        QFETCH(QDate, date);
        const std::optional<DateValue> read = ReadDate(text, QDate(2024, 2, 20));
        QCOMPARE(read ? read->date : QDate(), date);
    }

    // A two-digit year lies within today's year - 80 to today's year + 19.
    void twoDigitYearsFollowTheClock_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("date");
        QTest::newRow("2031: 1/1/31 is this year") << QDate(2031, 3, 10) << "1/1/31" << QDate(2031, 1, 1);
        QTest::newRow("2031: month name") << QDate(2031, 3, 10) << "Mar 15, 31" << QDate(2031, 3, 15);
        QTest::newRow("2031: day first") << QDate(2031, 3, 10) << "15-Mar-31" << QDate(2031, 3, 15);
        QTest::newRow("2099: 00 is the next century") << QDate(2099, 6, 1) << "1/1/00" << QDate(2100, 1, 1);
        QTest::newRow("2099: 19 is 2019") << QDate(2099, 6, 1) << "1/1/19" << QDate(2019, 1, 1);
        QTest::newRow("four digits stay") << QDate(2031, 3, 10) << "1/1/1931" << QDate(1931, 1, 1);
    }

    void twoDigitYearsFollowTheClock()
    {
        QFETCH(QDate, today);
        QFETCH(QString, text);
        QFETCH(QDate, date);
        const std::optional<DateValue> read = ReadDate(text, today);
        QCOMPARE(read ? read->date : QDate(), date);
    }

    void dateFormats()
    {
        const QDate date(2024, 3, 1);
        QCOMPARE(FormatDateMmDdYy(date), QStringLiteral("03/01/24"));
        QCOMPARE(FormatDateMmDdYyyy(date), QStringLiteral("03/01/2024"));
        QCOMPARE(FormatShortDate(date), QStringLiteral("3/1/2024"));
        QCOMPARE(FormatShortDate(*ReadDate("3/1/2024 2:15 pm", date)), QStringLiteral("3/1/2024 14:15:00"));
    }

    void addMonthsClampsToTheMonthEnd_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<int>("months");
        QTest::addColumn<QDate>("to");
        QTest::newRow("into a leap February") << QDate(2024, 1, 31) << 1 << QDate(2024, 2, 29);
        QTest::newRow("continues from the clamped day") << QDate(2024, 2, 29) << 1 << QDate(2024, 3, 29);
        QTest::newRow("across the year") << QDate(2024, 12, 15) << 3 << QDate(2025, 3, 15);
        QTest::newRow("none") << QDate(2024, 5, 31) << 0 << QDate(2024, 5, 31);
    }

    void addMonthsClampsToTheMonthEnd()
    {
        QFETCH(QDate, from);
        QFETCH(int, months);
        QFETCH(QDate, to);
        QCOMPARE(AddMonths(from, months), to);
    }
};

QTEST_GUILESS_MAIN(TestConversions)
#include "test_conversions.moc"
