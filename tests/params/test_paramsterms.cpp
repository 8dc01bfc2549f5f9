// SPDX-License-Identifier: GPL-3.0-or-later
// The consignment period on the parameters screen: what its frame shows,
// what Update stores with the other settings, and what it refuses, storing
// nothing at all then.

#include "shell/SharedValues.h"
#include "support/ScreenDriver.h"

#include <QComboBox>
#include <QTableWidget>
#include <QtTest>

using namespace mqt;
using test::RunningShop;
using test::ScreenDriver;

namespace {

constexpr int Parameters = 0;

// Category|Days|Percent of each markdown row, by days and category.
QStringList StoredMarkdowns(const RunningShop& run)
{
    return run.shop.Rows("SELECT coalesce(Category, ''), Days, Percent FROM markdown ORDER BY Days, Category");
}

QString StoredTerms(const RunningShop& run)
{
    return run.shop.Rows("SELECT TermDays, GraceDays, EndOfTerm FROM params").value(0);
}

int PassRows(const RunningShop& run) { return run.shop.Value("SELECT count(*) FROM consignment_pass").toInt(); }

// Adds each "category|days|percent" row through the frame's Add button.
void AddMarkdowns(ScreenDriver& screen, const QStringList& rows)
{
    auto* table = screen.Find<QTableWidget>("tblMarkdowns");
    for (const QString& row : rows) {
        screen.Click("cmdAddMarkdown");
        const int last = table->rowCount() - 1;
        for (int column = 0; column < 3; ++column) table->item(last, column)->setText(row.section(u'|', column, column));
    }
}

}  // namespace

class TestParamsTerms : public QObject {
    Q_OBJECT

private slots:
    void markdownRows_data()
    {
        QTest::addColumn<QStringList>("rows");  // category|days|percent, as typed
        QTest::addColumn<QString>("error");      // empty: stored
        QTest::addColumn<QStringList>("stored");
        const QString percentError = "Markdown row 1: the percent off must be from 1 to 95";
        const QString daysError = "Markdown row 1: the days must be 1 or more";
        QTest::newRow("percent 0 refused") << QStringList{"|30|0"} << percentError << QStringList();
        QTest::newRow("percent 96 refused") << QStringList{"|30|96"} << percentError << QStringList();
        QTest::newRow("days 0 refused") << QStringList{"|0|25"} << daysError << QStringList();
        QTest::newRow("days not a whole number refused") << QStringList{"|1.5|25"} << daysError << QStringList();
        QTest::newRow("same category and days ignoring case refused")
            << QStringList{"Shoes|30|25", "shoes|30|50"} << "Markdown row 2: row 1 already marks shoes down after 30 days"
            << QStringList();
        QTest::newRow("same days, another category accepted")
            << QStringList{"Shoes|30|25", "Coats|30|50"} << QString() << QStringList{"Coats|30|50", "Shoes|30|25"};
        QTest::newRow("every category beside one category accepted")
            << QStringList{"|60|50", " Shoes |60|25"} << QString() << QStringList{"|60|50", "Shoes|60|25"};
        QTest::newRow("the edges: 1 day, 1 and 95 percent accepted")
            << QStringList{"|1|1", "Hats|1|95"} << QString() << QStringList{"|1|1", "Hats|1|95"};
    }

    void markdownRows()
    {
        QFETCH(QStringList, rows);
        QFETCH(QString, error);
        QFETCH(QStringList, stored);
        RunningShop run;
        QVERIFY(run.Start());
        run.shop.Exec("INSERT INTO consignment_pass (PassedOn, NextItemNo) VALUES ('2026-12-01', 7)");
        const QString paramsBefore = run.shop.Rows("SELECT Commission, TermDays FROM params").value(0);
        ScreenDriver screen(run, Parameters);
        screen.Type("txtCommission", "40");
        screen.Type("txtTermDays", "90");
        AddMarkdowns(screen, rows);
        screen.Click("cmdUpdate");
        QCOMPARE(StoredMarkdowns(run), stored);
        if (!error.isEmpty()) {
            QCOMPARE(run.dialogs.Errors(), QStringList{error});
            QCOMPARE(run.shop.Rows("SELECT Commission, TermDays FROM params").value(0), paramsBefore);
            QCOMPARE(run.Shared().Settings.Commission, 0);
            QCOMPARE(PassRows(run), 1);
            QVERIFY(screen.window->isVisible());  // open for a correction
            return;
        }
        QCOMPARE(run.dialogs.Errors(), QStringList());
        QCOMPARE(run.shop.Rows("SELECT Commission, TermDays FROM params").value(0), "40|90");
        QCOMPARE(PassRows(run), 0);  // the next daily pass sees every item again
    }

    void termBoxes_data()
    {
        QTest::addColumn<QString>("termDays");
        QTest::addColumn<QString>("graceDays");
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("stored");  // TermDays|GraceDays|EndOfTerm
        const QString termError = "Term days must be a whole number of days from 0 up (0: no period)";
        const QString graceError = "Grace days must be a whole number of days from 0 up";
        QTest::newRow("a term, grace days and donating") << "60" << "14" << 1 << QString() << "60|14|donated";
        QTest::newRow("the shop keeps what is left") << " 30 " << "0" << 2 << QString() << "30|0|shop";
        QTest::newRow("empty boxes are no period") << "" << "" << 0 << QString() << "0|0|returned";
        QTest::newRow("a negative term refused") << "-1" << "0" << 0 << termError << "NULL|NULL|NULL";
        QTest::newRow("a term in part days refused") << "1.5" << "0" << 0 << termError << "NULL|NULL|NULL";
        QTest::newRow("grace days in words refused") << "30" << "a week" << 0 << graceError << "NULL|NULL|NULL";
    }

    void termBoxes()
    {
        QFETCH(QString, termDays);
        QFETCH(QString, graceDays);
        QFETCH(int, action);
        QFETCH(QString, error);
        QFETCH(QString, stored);
        RunningShop run;
        QVERIFY(run.Start());
        ScreenDriver screen(run, Parameters);
        screen.Type("txtTermDays", termDays);
        screen.Type("txtGraceDays", graceDays);
        screen.Find<QComboBox>("cboEndOfTerm")->setCurrentIndex(action);
        screen.Click("cmdUpdate");
        QCOMPARE(run.dialogs.Errors(), error.isEmpty() ? QStringList() : QStringList{error});
        QCOMPARE(StoredTerms(run), stored);
    }

    // A markdown row the database refuses to write takes the settings and
    // the rows before it back with it.
    void failingMarkdownWriteStoresNothing()
    {
        RunningShop run;
        run.shop.Exec("INSERT INTO markdown (Category, Days, Percent) VALUES ('Coats', 60, 40)");
        if (run.shop.IsServer()) {
            run.shop.Exec("CREATE FUNCTION refuse_markdown() RETURNS trigger LANGUAGE plpgsql AS "
                          "$$BEGIN IF NEW.Days = 90 THEN RAISE EXCEPTION 'the disk is full'; END IF; RETURN NEW; END$$");
            run.shop.Exec("CREATE TRIGGER refuse_markdown BEFORE INSERT ON markdown FOR EACH ROW "
                          "EXECUTE FUNCTION refuse_markdown()");
        } else {
            run.shop.Exec("CREATE TRIGGER refuse_markdown BEFORE INSERT ON markdown WHEN NEW.Days = 90 "
                          "BEGIN SELECT RAISE(ABORT, 'the disk is full'); END");
        }
        QVERIFY(run.Start());  // its daily pass remembers the day
        QCOMPARE(PassRows(run), 1);
        ScreenDriver screen(run, Parameters);
        screen.Type("txtCommission", "40");
        AddMarkdowns(screen, {"|30|10", "|90|50"});
        screen.Click("cmdUpdate");
        QCOMPARE(run.dialogs.Errors().size(), 1);
        QVERIFY2(run.dialogs.Errors().value(0).contains("the disk is full"), qPrintable(run.dialogs.Errors().value(0)));
        QCOMPARE(run.shop.Rows("SELECT Commission FROM params"), QStringList{"0"});
        QCOMPARE(StoredMarkdowns(run), QStringList{"Coats|60|40"});
        QCOMPARE(PassRows(run), 1);
        QCOMPARE(run.Shared().Settings.Commission, 0);
        QVERIFY(screen.window->isVisible());
    }

    // The frame shows the shop's terms when the screen opens; a row removed
    // and the rest stored again leave the others as they were.
    void shownThenRowRemoved()
    {
        RunningShop run;
        run.shop.Exec("INSERT INTO params (Commission, Rounding, PriceOverride, Backup, TermDays, GraceDays, "
                      "EndOfTerm) VALUES (0, 0, 0, ' ', 90, 10, 'donated')");
        run.shop.Exec("INSERT INTO markdown (Category, Days, Percent) VALUES ('', 30, 20), ('Coats', 60, 40)");
        QVERIFY(run.Start());
        ScreenDriver screen(run, Parameters);
        QCOMPARE(screen.Text("txtTermDays") + "|" + screen.Text("txtGraceDays"), "90|10");
        QCOMPARE(screen.Find<QComboBox>("cboEndOfTerm")->currentText(), "Donate");
        auto* table = screen.Find<QTableWidget>("tblMarkdowns");
        QCOMPARE(table->rowCount(), 2);
        QCOMPARE(table->item(1, 0)->text() + "|" + table->item(1, 1)->text() + "|" + table->item(1, 2)->text(),
                 "Coats|60|40");
        table->setCurrentCell(0, 1);
        screen.Click("cmdRemoveMarkdown");
        screen.Click("cmdUpdate");
        QCOMPARE(run.dialogs.Errors(), QStringList());
        QCOMPARE(StoredMarkdowns(run), QStringList{"Coats|60|40"});
        QCOMPARE(StoredTerms(run), "90|10|donated");
    }
};

QTEST_MAIN(TestParamsTerms)
#include "test_paramsterms.moc"
