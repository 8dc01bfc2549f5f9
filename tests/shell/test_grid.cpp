// SPDX-License-Identifier: GPL-3.0-or-later
// The list grid: rows, current cell, colours and clicks.

#include "shell/Grid.h"
#include "shell/Twips.h"

#include <QHeaderView>

#include <QtTest>

using namespace mqt;

class TestGrid : public QObject {
    Q_OBJECT

private slots:
    void rowCountCutsAndAppends()
    {
        Grid grid;
        grid.SetFormatString("<Name      |>Price  ");
        QCOMPARE(grid.Cols(), 2);
        QCOMPARE(grid.TextMatrix(0, 1), QStringLiteral("Price  "));
        grid.SetRows(5);
        grid.SetRow(4);
        grid.SetText("kept?");
        grid.SetRow(2);
        grid.SetText("kept");
        grid.SetCellBackColor(qRgb(255, 255, 0));
        grid.SetRows(3);
        QCOMPARE(grid.Rows(), 3);
        QCOMPARE(grid.TextMatrix(2, 0), QStringLiteral("kept"));
        grid.SetRows(1);
        grid.SetRows(10);
        QCOMPARE(grid.Rows(), 10);
        QCOMPARE(grid.TextMatrix(0, 0), QStringLiteral("Name      "));  // heading stays
        for (int r = 1; r < 10; ++r) {
            QCOMPARE(grid.TextMatrix(r, 0), QString());
            grid.SetRow(r);
            QCOMPARE(grid.CellBackColor(), GridModel::White);
        }
    }

    void colourIsReadBackExactlyAndChangesOneCell()
    {
        Grid grid;
        grid.SetFormatString("<A|<B|<C");
        grid.SetRows(4);
        const QRgb pale = qRgb(255, 192, 192);
        grid.SetRow(2);
        grid.SetCol(1);
        grid.SetCellBackColor(pale);
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 3; ++c) {
                grid.SetRow(r);
                grid.SetCol(c);
                QCOMPARE(grid.CellBackColor(), (r == 2 && c == 1) ? pale : GridModel::White);
            }
    }

    void clickMakesTheCellCurrentBeforeTheEvent_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::newRow("row 3 column 2") << 3 << 2;
        QTest::newRow("heading of column 1") << 0 << 1;
        QTest::newRow("last row scrolled into view") << 199 << 0;
    }

    void clickMakesTheCellCurrentBeforeTheEvent()
    {
        QFETCH(int, row);
        QFETCH(int, col);
        Grid grid;
        grid.SetFormatString("<First     |<Second    |<Third     ");
        grid.SetRows(200);
        grid.resize(400, 300);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));

        int seenRow = -1, seenCol = -1, clicks = 0;
        connect(&grid, &Grid::Click, this, [&] {
            seenRow = grid.Row();
            seenCol = grid.Col();
            ++clicks;
        });
        QTest::mouseClick(grid.ClickTarget(row), Qt::LeftButton, {}, grid.CellCentre(row, col));
        QCOMPARE(clicks, 1);
        QCOMPARE(seenRow, row);
        QCOMPARE(seenCol, col);
    }

    void doubleClickIsRaised()
    {
        Grid grid;
        grid.SetFormatString("<A         |<B         ");
        grid.SetRows(5);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        int doubles = 0;
        connect(&grid, &Grid::DblClick, this, [&] { ++doubles; });
        // A real double click: press and release, then the second press.
        QTest::mouseClick(grid.ClickTarget(2), Qt::LeftButton, {}, grid.CellCentre(2, 1));
        QTest::mouseDClick(grid.ClickTarget(2), Qt::LeftButton, {}, grid.CellCentre(2, 1));
        QCOMPARE(doubles, 1);
    }

    void viewShowsTheCellsOnceControlReturns()
    {
        Grid grid;
        grid.SetFormatString("<A|>B");
        grid.SetRows(3);
        grid.SetTextMatrix(2, 1, "12.50");
        QCoreApplication::processEvents();
        QCOMPARE(grid.model()->rowCount(), 2);
        const QModelIndex cell = grid.model()->index(1, 1);
        QCOMPARE(cell.data().toString(), QStringLiteral("12.50"));
        QCOMPARE(Qt::Alignment(cell.data(Qt::TextAlignmentRole).toInt()) & Qt::AlignHorizontal_Mask,
                 Qt::Alignment(Qt::AlignRight));
        QCOMPARE(grid.model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("B"));
    }
    // Column widths against the texts they show: designed width, fitting,
    // dragging, and the tooltip of a cut cell.
    void columnShowsItsTextWhole_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<int>("twips");   // designed width
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("fit");    // FitColumnsToRow on the text's row
        QTest::addColumn<int>("dragged");  // pixels the user drags the column to, 0 for none
        QTest::addColumn<bool>("textCut");
        QTest::addColumn<bool>("headingCut");
        QTest::newRow("short text in its designed width") << "<Name" << 1500 << "Al" << false << 0 << false << false;
        QTest::newRow("long text not fitted is cut") << "<Name" << 600 << "Christopherson-Wellington" << false << 0
                                                     << true << false;
        QTest::newRow("fitted long text shows whole") << "<Name" << 600 << "Christopherson-Wellington" << true << 0
                                                      << false << false;
        QTest::newRow("total of ten digits fitted") << ">Cost Price" << 300 << "1234560.00" << true << 0 << false
                                                    << false;
        QTest::newRow("text beyond Latin-1 fitted") << "<Name" << 300 << "東京都渋谷区神宮前六丁目" << true << 0 << false
                                                    << false;
        QTest::newRow("heading wider than its designed width") << "<Subcategory of the item" << 150 << "" << false
                                                               << 0 << false << false;
        QTest::newRow("dragged narrower: heading and text cut") << "<Description" << 3000 << "Oak chair" << true << 12
                                                                << true << true;
    }

    void columnShowsItsTextWhole()
    {
        QFETCH(QString, format);
        QFETCH(int, twips);
        QFETCH(QString, text);
        QFETCH(bool, fit);
        QFETCH(int, dragged);
        QFETCH(bool, textCut);
        QFETCH(bool, headingCut);
        Grid grid;
        grid.SetFormatString(format + "|<Next");
        grid.SetColWidth(0, twips);
        grid.SetRows(3);
        grid.SetTextMatrix(1, 0, text);
        grid.Publish();
        if (fit) grid.FitColumnsToRow(1);
        if (dragged > 0) grid.horizontalHeader()->resizeSection(0, dragged);

        const int width = grid.columnWidth(0);
        QCOMPARE(grid.CutText(1, 0), textCut ? text : QString());
        QCOMPARE(grid.CutText(0, 0), headingCut ? format.mid(1) : QString());
        if (!textCut) QVERIFY(width > grid.fontMetrics().horizontalAdvance(text));
        if (!headingCut) QVERIFY(width > grid.horizontalHeader()->fontMetrics().horizontalAdvance(format.mid(1)));
        if (dragged == 0) QVERIFY(width >= TwipsToPixels(twips));  // never below its design
        QCOMPARE(grid.model()->index(0, 0).data(Qt::ToolTipRole).toString(), text);

        // New rows keep what the column was fitted or dragged to.
        grid.SetRows(1);
        grid.SetRows(5);
        grid.Publish();
        QCOMPARE(grid.columnWidth(0), width);
    }
};

QTEST_MAIN(TestGrid)
#include "test_grid.moc"
