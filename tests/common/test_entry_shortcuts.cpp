// SPDX-License-Identifier: GPL-3.0-or-later
// The entry shortcuts of the item screen: the ditto mark and "today" in date boxes.

#include "common/Ditto.h"
#include "common/ExpandToday.h"

#include <QtTest>

using namespace mqt;

class TestEntryShortcuts : public QObject {
    Q_OBJECT

private slots:
    void ditto_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("previous");
        QTest::addColumn<QString>("result");
        QTest::newRow("lone quote repeats the previous entry") << "\"" << "Glassware" << "Glassware";
        QTest::newRow("typed start overwrites") << "Pink\"" << "Blue vase" << "Pink vase";
        QTest::newRow("shorter start overwrites as many") << "Red\"" << "Blue vase" << "Rede vase";
        QTest::newRow("previous shorter adds nothing") << "Lamp shade, large\"" << "Lamp" << "Lamp shade, large";
        QTest::newRow("inch mark inside stays") << "5\" plate" << "Blue vase" << "5\" plate";
        QTest::newRow("two quotes stay") << "\"Pink\"" << "Blue vase" << "\"Pink\"";
        QTest::newRow("empty previous leaves empty") << "\"" << "" << "";
        QTest::newRow("date of the last update") << "\"" << "03/15/24" << "03/15/24";
        QTest::newRow("no quote") << "Pink" << "Blue vase" << "Pink";
        QTest::newRow("empty text") << "" << "Blue vase" << "";
    }

    void ditto()
    {
        QFETCH(QString, text);
        QFETCH(QString, previous);
        QFETCH(QString, result);
        QCOMPARE(ApplyDitto(text, previous), result);
    }

    void expandToday_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("result");
        const QDate day(2024, 2, 28);
        QTest::newRow("today") << "today" << day << "02/28/24";
        QTest::newRow("any letter case, a week ahead") << "Today+7" << day << "03/06/24";
        QTest::newRow("yesterday") << "TODAY-1" << day << "02/27/24";
        QTest::newRow("leap day") << "today+1" << day << "02/29/24";
        QTest::newRow("1.5 ties up to 2") << "today+1.5" << day << "03/01/24";
        QTest::newRow("2.5 ties down to 2") << "today+2.5" << day << "03/01/24";
        QTest::newRow("no number is today") << "todayabc" << day << "02/28/24";
        QTest::newRow("offset beyond 16 bits unchanged") << "today+40000" << day << "today+40000";
        QTest::newRow("negative offset beyond 16 bits unchanged") << "today-40000" << day << "today-40000";
        QTest::newRow("no calendar day unchanged") << "today+1" << QDate() << "today+1";
        QTest::newRow("a date unchanged") << "3/15/24" << day << "3/15/24";
        QTest::newRow("today not at the start unchanged") << "xtoday" << day << "xtoday";
        QTest::newRow("empty unchanged") << "" << day << "";
    }

    void expandToday()
    {
        QFETCH(QString, text);
        QFETCH(QDate, today);
        QFETCH(QString, result);
        QCOMPARE(ExpandToday(text, today), result);
    }
};

QTEST_GUILESS_MAIN(TestEntryShortcuts)
#include "test_entry_shortcuts.moc"
