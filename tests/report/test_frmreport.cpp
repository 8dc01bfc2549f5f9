// SPDX-License-Identifier: GPL-3.0-or-later
// The item report screen driven through its controls against a real
// database: runs, sort choice, selections, print file and the Item button.

#include "report/ReportScreenDriver.h"
#include "search/RecordMatchesCriteria.h"
#include "report/frmReport.h"
#include "shell/ItemScreen.h"
#include "shell/ScreenNavigator.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace mqt;
using namespace mqt::test;

namespace {

// Three items of three consignors, two of them Smiths.
void FillShop(const TempShop& shop)
{
    shop.AddItem("Smith", "John", "Oak chair", {"Furniture", "Chairs", 12.0, 20.0, "2012-03-01"});
    shop.AddItem("Adams", "Al", "Plate 5\"", {"Kitchen", {}, 1.5, 2.25, {}, "2024-01-05"});
    shop.AddItem("Smith", "Kim", "Lamp", {"Lighting", {}, {}, 9.0});
}

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(no file)");
}

const QByteArray Heading = "\"Last name\",\"First Name\",\"Item Description\",\"Category\",\"Subcategory\","
                           "\"Cost Price\",\"Sale Price\",\"Date added\",\"Date Sold\",\"Date Paid\",\"Pay Ref\"\r\n\r\n";

// The item screen as the report sees it: it records what it was handed.
class FakeItemScreen final : public QWidget, public ItemScreen {
public:
    explicit FakeItemScreen(SharedValues& shared) : shared_(shared) {}
    void ShowItemsFor(const QString& last, const QString& first, const QString& handedCriteria) override
    {
        handed << last + u'|' + first + u'|' + shared_.CallerMode + u'|' + handedCriteria;
        criteria = handedCriteria;
    }
    QStringList handed;
    QString criteria;

private:
    SharedValues& shared_;
};

class FakeNavigator final : public ScreenNavigator {
public:
    explicit FakeNavigator(QWidget* items) : items_(items) {}
    QWidget* ShowScreen(Screen screen) override { return screen == Screen::Item ? items_ : nullptr; }
    QWidget* LoadedScreen(Screen) const override { return nullptr; }
    void UnloadScreen(Screen) override {}
    void ShowMenu() override {}

private:
    QWidget* items_;
};

}  // namespace

class TestReportScreen : public QObject {
    Q_OBJECT

private slots:
    void runs_data()
    {
        QTest::addColumn<QStringList>("clicks");  // "checkbox name" or "col N" (a heading click) or "select N=text"
        QTest::addColumn<QString>("search");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("default: all items by name, then the total")
            << QStringList{} << ""
            << QStringList{"Adams|Al|Plate 5\"|Kitchen||1.50|2.25||1/5/2024", "Smith|John|Oak chair|Furniture|Chairs|12.00|20.00|3/1/2012",
                           "Smith|Kim|Lamp|Lighting|||9.00", "Total|||||13.50|31.25|||||3"};
        QTest::newRow("summary by name") << QStringList{"chkSummary"} << ""
            << QStringList{"Adams|Al||||1.50|2.25|||||1", "Smith|John||||12.00|20.00|||||1", "Smith|Kim||||0.00|9.00|||||1", "Total|||||13.50|31.25|||||3"};
        QTest::newRow("Count heading sorts by name") << QStringList{"col 2", "col 11", "chkSummary"} << ""
            << QStringList{"Adams|Al||||1.50|2.25|||||1", "Smith|John||||12.00|20.00|||||1", "Smith|Kim||||0.00|9.00|||||1", "Total|||||13.50|31.25|||||3"};
        QTest::newRow("date sold totals: unsold under 1/1/1900") << QStringList{"col 8", "chkSummary"} << ""
            << QStringList{"|||||12.00|29.00||1/1/1900|||2", "|||||1.50|2.25||1/5/2024|||1", "Total|||||13.50|31.25|||||3"};
        QTest::newRow("selection and advanced search together") << QStringList{"select 0=smi"} << "chair or plate"
            << QStringList{"Smith|John|Oak chair|Furniture|Chairs|12.00|20.00|3/1/2012", "Total|||||12.00|20.00|||||1"};
        QTest::newRow("nothing matches: empty grid, no total") << QStringList{"select 0=zz"} << "" << QStringList{};
    }

    void runs()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QString, search);
        QFETCH(QStringList, rows);
        RunningShop run;
        FillShop(run.shop);
        ReportScreen screen(run);
        QCOMPARE(screen.window->windowTitle(), "MQT - Item Report");
        for (const QString& click : clicks) {
            if (click.startsWith("col "))
                screen.ClickCell(0, click.mid(4).toInt());
            else if (click.startsWith("select "))
                screen.Type("txtSelect(" + click.section(u'=', 0, 0).mid(7) + ")", click.section(u'=', 1));
            else
                screen.Check(click, true);
        }
        screen.Type("txtSearch", search);
        screen.Click("cmdShow");
        QCOMPARE(screen.Rows(), rows);
        QVERIFY(run.dialogs.shown().isEmpty());
        if (!rows.isEmpty()) QCOMPARE(screen.RowColour(rows.size()), LightRed);
        if (clicks.contains("chkSummary"))
            QCOMPARE(screen.RowColour(1), screen.window->palette().color(QPalette::Button).rgb());
        else if (!rows.isEmpty())
            QCOMPARE(screen.RowColour(1), GridModel::White);
    }

    void enterInSearchRunsAndGrowsByFive()
    {
        RunningShop run;
        for (int i = 0; i < 16; ++i) run.shop.AddItem("Lee", "Ann", QStringLiteral("item %1").arg(i, 2, 10, QLatin1Char('0')));
        ReportScreen screen(run);
        screen.Type("txtSearch", "item\n");
        QCOMPARE(screen.Rows().size(), 17);
        QCOMPARE(screen.grid()->Rows(), 20);  // 15, and 5 more as row 13 filled
    }

    void doubleClickOnHeadingSortsAndRuns()
    {
        RunningShop run;
        FillShop(run.shop);
        ReportScreen screen(run);
        auto* grid = screen.grid();
        // A real double click: a click, then the second press as a double click.
        screen.ClickCell(0, 2);
        QCOMPARE(screen.Rows(), QStringList{});  // a click alone only picks the sort
        QTest::mouseDClick(grid->ClickTarget(0), Qt::LeftButton, {}, grid->CellCentre(0, 2));
        QCOMPARE(screen.Rows().value(0), "Smith|Kim|Lamp|Lighting|||9.00");
        QCOMPARE(screen.Rows().size(), 4);
    }

    void malformedSearchSaysSoOnceAndListsNothing()
    {
        RunningShop run;
        FillShop(run.shop);
        ReportScreen screen(run);
        screen.Click("cmdShow");
        screen.Type("txtSearch", "chair and (plate\n");
        QCOMPARE(screen.Rows(), QStringList{});
        QCOMPARE(run.dialogs.Errors().size(), 1);
        QVERIFY(!run.dialogs.Errors()[0].isEmpty());
    }

    void printFile_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("file");  // empty: no file
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error");
        const QByteArray example = Heading +
            "\"Smith\",\"John\",\"Oak chair\",\"Furniture\",\"Chairs\",\"12.00\",\"20.00\",\"3/1/2012\",\"\",\"\",\"\",\"\"\r\n"
            "\"Smith\",\"John\",\"\",\"\",\"\",\"12.00\",\"20.00\",\"\",\"\",\"\",\"\",\"1\"\r\n"
            "\"Total\",\"\",\"\",\"\",\"\",\"12.00\",\"20.00\",\"\",\"\",\"\",\"\",\"1\"\r\n";
        QTest::newRow("the example, blank answer") << "" << "ItemReport.csv" << example << "";
        QTest::newRow("a name with blanks") << "May sales" << "May sales.csv" << example << "";
        QTest::newRow("own extension gets .csv added") << "report.csv" << "report.csv.csv" << example << "";
        QTest::newRow("non-ASCII name") << "Müller Bücher" << "Müller Bücher.csv" << example << "";
        QTest::newRow("slash refused") << "sub/report" << "" << QByteArray() << "may not hold";
        QTest::newRow("backslash refused") << "..\\report" << "" << QByteArray() << "may not hold";
        QTest::newRow("cannot be put in place") << "taken" << "" << QByteArray() << "taken.csv could not be written";
    }

    void printFile()
    {
        QFETCH(QString, answer);
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        RunningShop run;
        run.shop.AddItem("Smith", "John", "Oak chair", {"Furniture", "Chairs", 12.0, 20.0, "2012-03-01"});
        QDir(run.shop.Folder()).mkdir("taken.csv");  // a folder where the file should go
        ReportScreen screen(run);
        screen.Check("chkTotals", true);
        screen.Check("chkPrint", true);
        run.dialogs.QueueInput(answer);
        screen.Click("cmdShow");
        QCOMPARE(run.dialogs.Texts(ScriptedDialogs::Kind::Input),
                 QStringList{"Enter print file name\nIf left blank, default anme will be ItemReport"});
        QCOMPARE(screen.Rows().size(), 3);  // the grid part runs in any case
        const QStringList files = QDir(run.shop.Folder()).entryList({"*.csv"}, QDir::Files);
        if (file.isEmpty()) {
            QCOMPARE(files, QStringList{});
            QCOMPARE(run.dialogs.Errors().size(), 1);
            QVERIFY2(run.dialogs.Errors()[0].contains(error), qPrintable(run.dialogs.Errors()[0]));
        } else {
            QCOMPARE(files, QStringList{file});
            QCOMPARE(FileBytes(run.shop.Folder() + u'/' + file), bytes);
            QVERIFY(run.dialogs.Errors().isEmpty());
        }
    }

    void failedRunLeavesNoPrintFile()
    {
        RunningShop run;
        FillShop(run.shop);
        ReportScreen screen(run);
        const QStringList shopFiles = QDir(run.shop.Folder()).entryList(QDir::Files);
        run.shop.Exec("ALTER TABLE item RENAME TO gone");  // the query fails after the file was begun
        screen.Check("chkPrint", true);
        screen.Click("cmdShow");
        QCOMPARE(run.dialogs.Errors().size(), 1);
        QCOMPARE(QDir(run.shop.Folder()).entryList(QDir::Files), shopFiles);
    }

    void printFileQuotesAndReplaces()
    {
        RunningShop run;
        run.shop.AddItem("Müller", "Jörg", "Vase \"Tall\", blue", {{}, {}, 1.0});
        const QString path = run.shop.Folder() + "/ItemReport.csv";
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("an earlier run's longer file, to be replaced as a whole\r\n");
        }
        ReportScreen screen(run);
        screen.Check("chkSummary", true);
        screen.Check("chkPrint", true);
        screen.Click("cmdShow");
        QCOMPARE(FileBytes(path), Heading +
                 "\"Müller\",\"Jörg\",\"\",\"\",\"\",\"1.00\",\"0.00\",\"\",\"\",\"\",\"\",\"1\"\r\n"
                 "\"Total\",\"\",\"\",\"\",\"\",\"1.00\",\"0.00\",\"\",\"\",\"\",\"\",\"1\"\r\n");
        screen.Check("chkSummary", false);
        screen.Check("chkPrint", true);
        screen.Click("cmdShow");
        QVERIFY(FileBytes(path).contains("\"Vase \"\"Tall\"\", blue\""));
        QVERIFY(!FileBytes(path).startsWith("\xEF\xBB\xBF"));
    }

    void itemButton_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("handed");
        QTest::addColumn<QString>("description");  // what the criteria must find
        QTest::newRow("detail row with an inch mark")
            << 1 << QStringList{"Adams|Al|Report|3.EQ.Plate 5%22"} << "Plate 5\"";
        QTest::newRow("detail row") << 2 << QStringList{"Smith|John|Report|3.EQ.Oak chair"} << "Oak chair";
        QTest::newRow("total row") << 4 << QStringList{} << "";
        QTest::newRow("heading row") << 0 << QStringList{} << "";
    }

    void itemButton()
    {
        QFETCH(int, row);
        QFETCH(QStringList, handed);
        QFETCH(QString, description);
        RunningShop run;
        FillShop(run.shop);
        QVERIFY(run.Start());
        FakeItemScreen items(run.Shared());
        FakeNavigator navigator(&items);
        frmReport report(run.Shared(), navigator);
        report.show();
        report.findChild<QPushButton*>("cmdShow")->click();
        if (row > 0) {
            auto* grid = report.findChild<Grid*>("Grid");
            QTest::mouseClick(grid->ClickTarget(row), Qt::LeftButton, {}, grid->CellCentre(row, 3));
        }
        report.findChild<QPushButton*>("cmdItem")->click();
        QCOMPARE(items.handed, handed);
        if (!description.isEmpty()) {
            QCOMPARE(run.Shared().CurrentItemDesc, description);
            ItemColumnValues record;
            record[ItemColumn::ItemDesc] = description;
            QString criteria = items.criteria;
            QVERIFY(RecordMatchesCriteria(criteria, run.Shared().ItemColumns.ColumnTypes, record,
                                          run.Shared().clock.Today()));
        }
    }
};

QTEST_MAIN(TestReportScreen)
#include "test_frmreport.moc"
