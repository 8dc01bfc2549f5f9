// SPDX-License-Identifier: GPL-3.0-or-later
// Fills 100,000 rows (or as many as the argument ROWS says) of 12 columns the
// way the item report does (the row count grows by 5 as rows are added) and
// times it against a QTableWidget filled cell by cell; and the same fill with
// every row fitted as the report fits its subtotal rows (a summary with a
// group per item is the worst case). Run with
// QT_QPA_PLATFORM=offscreen.

#include "shell/Grid.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTableWidget>
#include <QTextStream>
#include <algorithm>
#include <vector>

namespace {

int Rows = 100000;
constexpr int Cols = 12;

// The cell texts are made beforehand, so only the filling is timed.
const std::vector<QString>& CellTexts()
{
    static const std::vector<QString> texts = [] {
        std::vector<QString> all;
        all.reserve(std::size_t(Rows + 1) * Cols);
        for (int row = 0; row <= Rows; ++row)
            for (int col = 0; col < Cols; ++col) all.push_back(QStringLiteral("r%1c%2").arg(row).arg(col));
        return all;
    }();
    return texts;
}

const QString& CellText(int row, int col) { return CellTexts()[std::size_t(row) * Cols + std::size_t(col)]; }

qint64 FillGrid(bool fitEveryRow)
{
    mqt::Grid grid;
    grid.SetFormatString(QStringLiteral("<A|<B|<C|<D|<E|>F|>G|^H|^I|^J|<K|>L"));
    grid.resize(1000, 600);
    grid.show();
    QCoreApplication::processEvents();

    QElapsedTimer timer;
    timer.start();
    grid.SetRows(1);
    grid.SetRows(15);
    for (int row = 1; row <= Rows; ++row) {
        if (row > grid.Rows() - 3) grid.SetRows(grid.Rows() + 5);
        grid.SetRow(row);
        for (int col = 0; col < Cols; ++col) {
            grid.SetCol(col);
            grid.SetText(CellText(row, col));
        }
        if (fitEveryRow) grid.FitColumnsToRow(row);
    }
    grid.Publish();
    QCoreApplication::processEvents();
    return timer.elapsed();
}

qint64 FillTableWidget()
{
    QTableWidget table(1, Cols);
    table.resize(1000, 600);
    table.show();
    QCoreApplication::processEvents();

    QElapsedTimer timer;
    timer.start();
    table.setRowCount(15);
    for (int row = 1; row <= Rows; ++row) {
        if (row > table.rowCount() - 3) table.setRowCount(table.rowCount() + 5);
        for (int col = 0; col < Cols; ++col) table.setItem(row, col, new QTableWidgetItem(CellText(row, col)));
    }
    QCoreApplication::processEvents();
    return timer.elapsed();
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QTextStream out(stdout);
    if (argc > 1) Rows = std::max(QByteArray(argv[1]).toInt(), 1);
    CellTexts();
    const qint64 grid = FillGrid(false);
    const qint64 fitted = FillGrid(true);
    const qint64 widget = FillTableWidget();
    out << "Grid:         " << grid << " ms for " << Rows << " rows x " << Cols << " columns\n";
    out << "Grid, fitted: " << fitted << " ms with every row fitted (" << double(fitted) / double(std::max<qint64>(grid, 1))
        << " x the plain fill)\n";
    out << "QTableWidget: " << widget << " ms for the same fill\n";
    return 0;
}
