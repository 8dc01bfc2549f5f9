// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/Grid.h"
#include "support/ScreenDriver.h"

#include <QCheckBox>
#include <QtTest>

namespace mqt::test {

// Starts the program in the shop and opens the report screen from the menu.
struct ReportScreen : ScreenDriver {
    explicit ReportScreen(RunningShop& run) : ScreenDriver(Started(run), MenuEntry::Report) {}

    Grid* grid() const { return Find<Grid>("Grid"); }

    void Check(const QString& name, bool on) { Find<QCheckBox>(name)->setChecked(on); }

    // Clicks a cell; row 0 is the heading.
    void ClickCell(int row, int col)
    {
        QTest::mouseClick(grid()->ClickTarget(row), Qt::LeftButton, {}, grid()->CellCentre(row, col));
    }

    // Every filled row, cells joined by "|", trailing empty cells left off.
    QStringList Rows() const
    {
        QStringList rows;
        for (int row = 1; row < grid()->Rows(); ++row) {
            QStringList cells;
            for (int col = 0; col < grid()->Cols(); ++col) cells << grid()->TextMatrix(row, col);
            while (!cells.isEmpty() && cells.last().isEmpty()) cells.removeLast();
            if (!cells.isEmpty()) rows << cells.join(u'|');
        }
        return rows;
    }
};

inline constexpr QRgb LightRed = qRgb(255, 192, 192);

}  // namespace mqt::test
