// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/Grid.h"
#include "shell/SharedValues.h"
#include "support/ScreenDriver.h"

#include <QLabel>

namespace mqt::test {

// Starts the program in the shop and opens the consignor screen from the menu.
struct ConsignorScreen : ScreenDriver {
    explicit ConsignorScreen(RunningShop& run) : ScreenDriver(Started(run), MenuEntry::Consignors) {}

    void Search(const QString& last, const QString& first = {})
    {
        Type("txtShowLastName", last);
        Type("txtShowFirstName", first);
        Click("cmdShow");
    }

    // Lists everybody and prepares the action (optAction index) on the
    // consignor in that row.
    void Prepare(int action, int row)
    {
        Search({});
        ClickRow(row);
        Click(QStringLiteral("optAction(%1)").arg(action));
    }

    Grid* grid() const { return Find<Grid>("Grid"); }

    // "Last First" for every listed row.
    QStringList Listed() const
    {
        QStringList rows;
        for (int row = 1; row < grid()->Rows() && !grid()->TextMatrix(row, 0).isEmpty(); ++row)
            rows << grid()->TextMatrix(row, 0) + u' ' + grid()->TextMatrix(row, 1);
        return rows;
    }

};

inline constexpr QRgb Yellow = qRgb(255, 255, 0);
inline constexpr QRgb White = qRgb(255, 255, 255);

}  // namespace mqt::test
