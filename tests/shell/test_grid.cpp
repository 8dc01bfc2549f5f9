// SPDX-License-Identifier: GPL-3.0-or-later
// The list grid: rows, current cell, colours and clicks.

#include "shell/Grid.h"

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
};

QTEST_MAIN(TestGrid)
#include "test_grid.moc"
