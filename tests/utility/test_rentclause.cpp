// SPDX-License-Identifier: GPL-3.0-or-later
// The rent clause reader on its own: the corners the start-up tests do not
// reach, and thousands of generated clauses.

#include "common/DateText.h"
#include "utility/RentClause.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace mqt;

namespace {

const QDate Today(2024, 2, 20);

QString Pick(QRandomGenerator& random, const QStringList& choices) { return choices[random.bounded(choices.size())]; }

// Notes around a clause whose every part may be missing, misspelt or garbage.
QString RandomNotes(QRandomGenerator& random)
{
    static const QStringList noise = {"", "Booth 4 ", "(old) ", "paid\r\n", "\u0130", "$", "$ren", ")", "\"", "~`"};
    static const QStringList words = {"$rent", "$Rent=", "$RENT =", "$rEnT:", "$rent"};
    static const QStringList keys = {"amount", "AMOUNT", "due", "Due", "interval", " due", "amount ", "x", ""};
    static const QStringList amounts = {"50", "0", "-3", "12.5", " 7 5", "$40", "1e40", "99999999999999999999"};
    static const QStringList dates = {"01/31/2024", "2/29/2024", "2/30/2024", "12/31/9999", "1/15/24", "Mar 15, 2024",
                                      "3/1", "13/1/2024", "02/20/2024 10:30", "2024-01-15", "abc", ""};
    static const QStringList intervals = {"1", "0", "2.5", "32767", "32768", "-1", "12", "x"};
    static const QStringList others = {"\"1,5\"", "a=b", "(", "\n", "7"};
    static const QStringList garbage = {"\"", "~", "`", " ", "\n", "=", "\u00fc", "'", "*", "\"a,b\""};

    QString notes = Pick(random, noise) + Pick(random, words);
    if (random.bounded(10) > 0) notes += u'(';
    const int itemCount = random.bounded(0, 6);
    for (int i = 0; i < itemCount; ++i) {
        if (i > 0) notes += u',';
        if (random.bounded(8) == 0) {
            notes += Pick(random, garbage);
            continue;
        }
        const QString key = Pick(random, keys);
        notes += key;
        if (random.bounded(10) > 0) notes += u'=';
        const QString lower = key.toLower();
        const QStringList& values = random.bounded(5) == 0 ? others
                                    : lower == u"amount" ? amounts
                                    : lower.contains(u"due") ? dates
                                    : lower == u"interval" ? intervals
                                                           : others;
        notes += Pick(random, values);
    }
    if (random.bounded(10) > 0) notes += u')';
    return notes + Pick(random, noise);
}

}  // namespace

class TestRentClause : public QObject {
    Q_OBJECT

private slots:
    void corners_data()
    {
        QTest::addColumn<QString>("notes");
        QTest::addColumn<QString>("rewritten");  // empty: nothing due

        QTest::newRow("letters that grow in lower case before the clause")
            << "\u0130\u0130 $rent=(amount=5,due=1/15/2024) x" << "\u0130\u0130 $Rent=(amount=5,Due=02/15/2024) x";
        QTest::newRow("due date with a time of day")
            << "$Rent=(amount=5,due=01/15/2024 10:30)" << "$Rent=(amount=5,Due=02/15/2024)";
        QTest::newRow("interval rounds half to even")
            << "$Rent=(amount=5,due=01/15/2024,interval=2.5)" << "$Rent=(amount=5,Due=03/15/2024,interval=2.5)";
        QTest::newRow("amount read up to its first other character")
            << "$Rent=(amount= 4 0 dollars,due=01/15/2024)" << "$Rent=(amount= 4 0 dollars,Due=02/15/2024)";
        QTest::newRow("amount with a dollar sign reads as 0") << "$Rent=(amount=$40,due=01/15/2024)" << "";
        QTest::newRow("empty clause") << "$Rent=()" << "";
        QTest::newRow(") inside quotes still ends the clause")
            << "$Rent=(amount=5,\"a)b\",due=01/15/2024)" << "";
        QTest::newRow("only the first word counts")
            << "$rent later $Rent=(amount=5,due=01/15/2024)" << "$Rent=(amount=5,Due=02/15/2024)";
    }

    void corners()
    {
        QFETCH(QString, notes);
        QFETCH(QString, rewritten);
        const std::optional<RentCharge> charge = RentDue(notes, Today);
        QCOMPARE(charge.has_value(), !rewritten.isEmpty());
        if (charge) QCOMPARE(charge->notes, rewritten);
    }

    // Whatever the notes, the reader ends without failing; a charge is never
    // for a day after today, the text outside the clause stays as it was,
    // and the rewritten clause reads back with the next due date.
    void generatedClauses()
    {
        QRandomGenerator random(20240220);
        int charged = 0, readBack = 0;
        for (int run = 0; run < 100000; ++run) {
            const QString notes = RandomNotes(random);
            const std::optional<RentClause> clause = ReadRentClause(notes, Today);
            const std::optional<RentCharge> charge = RentDue(notes, Today);
            if (!charge) continue;
            ++charged;
            QVERIFY2(clause, qPrintable(notes));
            QVERIFY2(charge->amount > 0 && charge->due <= Today, qPrintable(notes));
            QVERIFY2(charge->notes.startsWith(notes.left(clause->start)), qPrintable(notes));
            QVERIFY2(charge->notes.endsWith(notes.mid(clause->close)), qPrintable(notes));

            // SplitFields turns quotes, tildes and grave accents into other
            // text, so only clauses without them must read back the same.
            const QString items = notes.mid(clause->start, clause->close - clause->start);
            if (items.contains(u'"') || items.contains(u'~') || items.contains(u'`') || clause->dueItem < 0) continue;
            const QDate next = AddMonths(clause->due, clause->interval);
            if (next.year() > 9999) continue;
            ++readBack;
            const std::optional<RentClause> again = ReadRentClause(charge->notes, Today);
            QVERIFY2(again, qPrintable(notes));
            QCOMPARE(again->items.size(), clause->items.size());
            QCOMPARE(again->amount, clause->amount);
            QCOMPARE(again->interval, clause->interval);
            QCOMPARE(again->due, next);
        }
        // The generator reaches charging clauses, and clauses that read back.
        QVERIFY(charged > 1000);
        QVERIFY(readBack > 500);
    }
};

QTEST_MAIN(TestRentClause)
#include "test_rentclause.moc"
