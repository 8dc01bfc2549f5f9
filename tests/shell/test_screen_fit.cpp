// SPDX-License-Identifier: GPL-3.0-or-later
// Screens that show their texts whole and keep their controls in place: the
// report's totals and headings, the message line, and the entry boxes under
// the grid columns, driven through the controls against a real database.

#include "report/ReportScreenDriver.h"
#include "shell/MessageLine.h"

#include <QApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QToolTip>
#include <QtTest>

using namespace mqt;
using namespace mqt::test;

namespace {

// Lets the layouts settle, as they do before the user can click again.
void Settle()
{
    QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QApplication::processEvents();
}

// Where a control stands in its window.
QPoint Place(const QWidget* control) { return control->mapTo(control->window(), QPoint()); }

const QString LongDesc =
    "Victorian mahogany writing desk with a leather top, three drawers and brass handles, signed";

// A thousand items of 1,234.56 each, half of them with a sale date, and a
// desk with a long description, under a consignor with a long name.
void WideTotalsShop(const TempShop& shop)
{
    shop.AddConsignor("Worthington-Fairweather", "Maximiliana");
    shop.Exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1000) "
              "INSERT INTO item (LastName, FirstName, ItemDesc, Category, CostPrice, SalePrice, DateAdded, DateSold) "
              "SELECT 'Worthington-Fairweather', 'Maximiliana', 'Chair ' || i, 'Furniture', 1234.56, 1234.56, "
              "'2024-12-' || (10 + i % 19), CASE WHEN i % 2 = 0 THEN '2024-12-28' END FROM n");
    shop.AddItem("Worthington-Fairweather", "Maximiliana", LongDesc, {"Furniture", {}, 1.0, 2.0});
}

}  // namespace

class TestScreenFit : public QObject {
    Q_OBJECT

private slots:
    void reportShowsTotalsAndHeadingsWhole_data()
    {
        QTest::addColumn<QStringList>("checks");
        QTest::addColumn<int>("sortColumn");
        QTest::newRow("detail rows and the total") << QStringList{} << 0;
        QTest::newRow("summary by consignor") << QStringList{"chkSummary"} << 0;
        QTest::newRow("detail totals by date added") << QStringList{"chkTotals"} << 7;
        QTest::newRow("summary by sale price") << QStringList{"chkSummary"} << 6;
    }

    void reportShowsTotalsAndHeadingsWhole()
    {
        QFETCH(QStringList, checks);
        QFETCH(int, sortColumn);
        RunningShop run;
        WideTotalsShop(run.shop);
        ReportScreen screen(run);
        for (const QString& box : checks) screen.Check(box, true);
        screen.ClickCell(0, sortColumn);
        screen.Click("cmdShow");
        Grid* grid = screen.grid();
        grid->Publish();

        const QFontMetrics metrics = grid->fontMetrics();
        int checked = 0;
        for (int col = 0; col < grid->Cols(); ++col) {
            QVERIFY2(grid->CutText(0, col).isEmpty(), qPrintable(grid->TextMatrix(0, col)));
            for (int row = 1; row < grid->Rows(); ++row) {
                const QString text = grid->TextMatrix(row, col);
                // Subtotal and total rows are the coloured ones.
                grid->SetRow(row);
                grid->SetCol(col);
                if (text.isEmpty() || grid->CellBackColor() == GridModel::White) continue;
                QVERIFY2(grid->CutText(row, col).isEmpty(), qPrintable(text));
                QVERIFY2(grid->columnWidth(col) > metrics.horizontalAdvance(text), qPrintable(text));
                ++checked;
            }
        }
        QVERIFY(checked >= 4);  // at least a total row's label, cost, sale and count
        QVERIFY(screen.Rows().last().contains("|1234561.00|1234562.00|"));

        // A detail row's long description is cut, and its tooltip is the whole of it.
        if (!checks.contains("chkSummary")) {
            int row = 1;
            while (row < grid->Rows() && grid->TextMatrix(row, 2) != LongDesc) ++row;
            QCOMPARE(grid->CutText(row, 2), LongDesc);
            const QPoint cell = grid->CellCentre(row, 2);
            QHelpEvent hover(QEvent::ToolTip, cell, grid->viewport()->mapToGlobal(cell));
            QApplication::sendEvent(grid->viewport(), &hover);
            QCOMPARE(QToolTip::text(), LongDesc);
        }
    }

    void messageLineNeverWidensItsWindow_data()
    {
        QTest::addColumn<bool>("listed");
        QTest::addColumn<bool>("cut");
        QTest::newRow("short message shows whole") << false << false;
        QTest::newRow("statement's two paths are cut, whole in the tooltip") << true << true;
    }

    void messageLineNeverWidensItsWindow()
    {
        QFETCH(bool, listed);
        QFETCH(bool, cut);
        RunningShop run;
        WideTotalsShop(run.shop);
        ScreenDriver screen(ScreenDriver::Started(run), MenuEntry::Items);
        Settle();
        const QSize before = screen.window->size();
        const int minimumBefore = screen.window->minimumSizeHint().width();

        if (listed) {
            screen.Type("txtLastName", "worth");
            screen.Click("cmdShow");
            run.dialogs.QueueChoice(0);
        }
        screen.Click("cmdStatement");
        Settle();

        auto* line = screen.Find<MessageLine>("lblMessage");
        QCOMPARE(screen.window->size(), before);
        QCOMPARE(screen.window->minimumSizeHint().width(), minimumBefore);
        QCOMPARE(line->CutText(), cut ? line->text() : QString());
        QCOMPARE(line->ShownText().endsWith(u'…'), cut);
        QHelpEvent hover(QEvent::ToolTip, QPoint(4, 4), line->mapToGlobal(QPoint(4, 4)));
        QApplication::sendEvent(line, &hover);
        QCOMPARE(QToolTip::text(), cut ? line->text() : QString());
        if (!listed) return;
        // The files are named from the shop folder.
        QVERIFY2(line->text().startsWith("Statement written to " + QDir::toNativeSeparators("statements/")),
                 qPrintable(line->text()));
        // The item list's totals show whole.
        auto* grid = screen.Find<Grid>("Grid");
        QCOMPARE(grid->TextMatrix(1002, 3), "1234561.00");
        for (int col : {3, 4}) {
            QVERIFY(grid->CutText(1002, col).isEmpty());
            QVERIFY(grid->columnWidth(col) > grid->fontMetrics().horizontalAdvance(grid->TextMatrix(1002, col)));
        }
    }

    void entryNeverMovesTheOptions_data()
    {
        QTest::addColumn<int>("menuEntry");
        QTest::addColumn<QString>("name");  // name box that lists the rows
        QTest::addColumn<int>("action");
        QTest::addColumn<int>("row");  // row clicked before the action, 0 for none
        QTest::newRow("consignor Add") << int(MenuEntry::Consignors) << "txtShowLastName" << 0 << 0;
        QTest::newRow("consignor Change") << int(MenuEntry::Consignors) << "txtShowLastName" << 1 << 1;
        QTest::newRow("item Add") << int(MenuEntry::Items) << "txtLastName" << 0 << 0;
        QTest::newRow("item Change") << int(MenuEntry::Items) << "txtLastName" << 1 << 2;
        QTest::newRow("item Pay") << int(MenuEntry::Items) << "txtLastName" << 3 << 0;
    }

    void entryNeverMovesTheOptions()
    {
        QFETCH(int, menuEntry);
        QFETCH(QString, name);
        QFETCH(int, action);
        QFETCH(int, row);
        RunningShop run;
        run.shop.AddConsignor("Baker", "Al");
        run.shop.AddItem("Baker", "Al", "Lamp", {{}, {}, 5.0, 9.0, "2024-01-02", "2024-02-03"});
        run.shop.AddItem("Baker", "Al", "Vase", {{}, {}, 2.0, 4.0});
        ScreenDriver screen(ScreenDriver::Started(run), menuEntry);
        screen.Type(name, "Baker");
        screen.Click("cmdShow");
        Settle();
        if (menuEntry == MenuEntry::Consignors) QVERIFY(!screen.IsShown("txtLastName"));

        const auto places = [&] {
            QList<QPoint> points;
            for (int i = 0; i < 4; ++i) points << Place(screen.Find(QStringLiteral("optAction(%1)").arg(i)));
            points << Place(screen.Find("Grid")) << QPoint(screen.window->width(), screen.window->height());
            return points;
        };
        const QList<QPoint> before = places();
        if (row > 0) screen.ClickRow(row);
        screen.Click(QStringLiteral("optAction(%1)").arg(action));
        Settle();
        QVERIFY(screen.IsShown(menuEntry == MenuEntry::Consignors ? "txtLastName" : "txtItemDesc") || action == 3);
        QCOMPARE(places(), before);
        screen.Click("cmdShow");  // hides the entry again
        Settle();
        QCOMPARE(places(), before);
    }

    // The selection boxes stay above their columns as the columns are
    // dragged wider and the grid is scrolled sideways.
    void selectionBoxesFollowTheirColumns_data()
    {
        QTest::addColumn<int>("draggedColumn");  // -1 for none
        QTest::addColumn<bool>("scrolled");
        QTest::newRow("designed widths") << -1 << false;
        QTest::newRow("description dragged wider") << 2 << false;
        QTest::newRow("dragged wider and scrolled to the right end") << 2 << true;
    }

    void selectionBoxesFollowTheirColumns()
    {
        QFETCH(int, draggedColumn);
        QFETCH(bool, scrolled);
        RunningShop run;
        ReportScreen screen(run);
        Grid* grid = screen.grid();
        QHeaderView* header = grid->horizontalHeader();
        Settle();
        const QSize before = screen.window->size();
        if (draggedColumn >= 0) header->resizeSection(draggedColumn, header->sectionSize(draggedColumn) + 600);
        if (scrolled) grid->horizontalScrollBar()->setValue(grid->horizontalScrollBar()->maximum());
        Settle();

        QCOMPARE(screen.window->size(), before);
        for (int col = 0; col < 11; ++col) {
            const auto* box = screen.Find<QLineEdit>(QStringLiteral("txtSelect(%1)").arg(col));
            QCOMPARE(Place(box).x(), Place(grid->viewport()).x() + header->sectionViewportPosition(col));
            QCOMPARE(box->width(), header->sectionSize(col));
        }
    }
};

QTEST_MAIN(TestScreenFit)
#include "test_screen_fit.moc"
