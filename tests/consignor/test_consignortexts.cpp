// SPDX-License-Identifier: GPL-3.0-or-later
// What the consignor screen's boxes store: a tab or line break pasted into a
// one-line box becomes a blank there, notes keep their lines, and a box
// emptied on a change clears its field, so a rent clause taken out of the
// notes stops rent at the next start-up.

#include "consignor/ConsignorScreenDriver.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest>

using namespace mqt;
using namespace mqt::test;

namespace {

enum { Add, Change };

// Pastes the text into the box as a user does with Ctrl+V.
void Paste(ConsignorScreen& screen, const QString& box, const QString& text)
{
    screen.Type(box, {});
    QGuiApplication::clipboard()->setText(text);
    QTest::keySequence(screen.Find(box), QKeySequence::Paste);
}

QStringList RentItems(const TempShop& shop)
{
    return shop.Column("select ItemDesc from item where Category = '$Rent' order by rowid");
}

}  // namespace

class TestConsignorTexts : public QObject {
    Q_OBJECT

private slots:
    void pastedLineBreaks_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("stored");  // the field as the table holds it
        QTest::newRow("a tab in the last name") << "txtLastName" << "Tab\there" << "Tab here";
        QTest::newRow("a line break in the last name") << "txtLastName" << "Baker\nSecond line" << "Baker Second line";
        QTest::newRow("a carriage return and line feed are one") << "txtLastName" << "Baker\r\nJr" << "Baker Jr";
        QTest::newRow("two tabs are two blanks") << "txtLastName" << "Baker\t\tJr" << "Baker  Jr";
        QTest::newRow("a line separator in the street") << "txtStreet" << QString("1 Elm St") + QChar(0x2028) + "Apt 2"
                                                        << "1 Elm St Apt 2";
        QTest::newRow("a tab in the e-mail") << "txtEmail" << "al@example.org\t" << "al@example.org ";
        QTest::newRow("notes keep their lines") << "txtNotes" << "Space B\nfront\twindow" << "Space B\nfront\twindow";
    }

    void pastedLineBreaks()
    {
        QFETCH(QString, box);
        QFETCH(QString, pasted);
        QFETCH(QString, stored);
        RunningShop run;
        ConsignorScreen screen(run);
        screen.Click("optAction(0)");
        screen.Type("txtLastName", "Baker");
        screen.Type("txtFirstName", "Al");
        Paste(screen, box, pasted);
        QCOMPARE(screen.Text(box), stored);
        screen.Click("cmdUpdate");
        QCOMPARE(screen.Text("lblMessage"), "Add function is successful");
        const QString field = box.mid(3);
        QCOMPARE(run.shop.Value(QStringLiteral("select %1 from consignor").arg(field)).toString(), stored);
        if (box == "txtLastName") {
            // Found again by typing the name as the box showed it.
            screen.Search(stored.left(stored.size() - 1));
            QCOMPARE(screen.Listed(), QStringList{stored + " Al"});
        }
    }

    // A box emptied on a change clears its field; the next start-up charges
    // rent only while the clause is still in the notes.
    void rentClauseRemoved_data()
    {
        QTest::addColumn<QString>("notes");  // typed on the change; empty empties the box
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QStringList>("rent");  // rent items after the next month's start-up
        QTest::newRow("notes emptied") << "" << "NULL" << QStringList{"Rent - 03/15/2024"};
        QTest::newRow("clause taken out, other notes kept") << "Space B" << "Space B"
                                                            << QStringList{"Rent - 03/15/2024"};
        QTest::newRow("clause kept") << "Space B $Rent=(amount=50,Due=04/15/2024,interval=1)"
                                     << "Space B $Rent=(amount=50,Due=04/15/2024,interval=1)"
                                     << QStringList{"Rent - 03/15/2024", "Rent - 04/15/2024"};
    }

    void rentClauseRemoved()
    {
        QFETCH(QString, notes);
        QFETCH(QString, stored);
        QFETCH(QStringList, rent);
        RunningShop run;
        run.clock.SetToday(QDate(2024, 3, 20));
        run.shop.AddConsignor("Smith", "Ann", "Space B $Rent=(amount=50,due=03/15/2024,interval=1)");
        ConsignorScreen screen(run);  // this start-up charges March
        QCOMPARE(RentItems(run.shop), QStringList{"Rent - 03/15/2024"});
        screen.Prepare(Change, 1);
        screen.Type("txtNotes", notes);
        screen.Click("cmdUpdate");
        QCOMPARE(screen.Text("lblMessage"), "Change function is successful");
        QCOMPARE(run.shop.Value("select coalesce(Notes, 'NULL') from consignor").toString(), stored);

        run.clock.SetToday(QDate(2024, 4, 20));
        QVERIFY(run.Start());
        QCOMPARE(RentItems(run.shop), rent);
    }
};

QTEST_MAIN(TestConsignorTexts)
#include "test_consignortexts.moc"
