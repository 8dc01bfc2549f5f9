// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/Grid.h"
#include "shell/SharedValues.h"
#include "support/ScreenDriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFocusEvent>
#include <QLabel>

namespace mqt::test {

inline constexpr QRgb Yellow = qRgb(255, 255, 0);
inline constexpr QRgb White = qRgb(255, 255, 255);
inline constexpr QRgb PaleRed = qRgb(255, 192, 192);

// Action options of the item screen.
enum ItemAction { Add, Change, Delete, Pay, Sell };

// Starts the program in the shop and opens the item screen from the menu.
struct ItemScreenDriver : ScreenDriver {
    explicit ItemScreenDriver(RunningShop& run) : ScreenDriver(Started(run), MenuEntry::Items), run(run) {}

    void Show(const QString& last, const QString& first = {})
    {
        Type("txtLastName", last);
        Type("txtFirstName", first);
        Click("cmdShow");
    }

    void Choose(ItemAction action) { Click(QStringLiteral("optAction(%1)").arg(int(action))); }
    bool IsChosen(ItemAction action) const
    {
        return Find<QAbstractButton>(QStringLiteral("optAction(%1)").arg(int(action)))->isChecked();
    }

    // Types into an entry box and leaves it, as a user tabbing on does.
    void Enter(const QString& box, const QString& text)
    {
        Type(box, text);
        Leave(box);
    }
    void Leave(const QString& box)
    {
        QFocusEvent left(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(Find(box), &left);
    }

    // Adds an item through the screen; the consignor is listed already.
    void AddItem(const QString& desc, const QString& cost = {}, const QString& sale = {})
    {
        if (!IsChosen(Add)) Choose(Add);
        Enter("txtItemDesc", desc);
        if (!cost.isEmpty()) Enter("txtCostPrice", cost);
        if (!sale.isEmpty()) Enter("txtSalePrice", sale);
        Click("cmdUpdate");
    }

    Grid* grid() const { return Find<Grid>("Grid"); }
    QString Cell(int row, int col) const { return grid()->TextMatrix(row, col); }

    // The description of every listed item.
    QStringList Listed() const
    {
        QStringList rows;
        for (int row = 1; row <= Text("lblCount").toInt(); ++row) rows << Cell(row, 0);
        return rows;
    }


    // One stored field of the consignor's item ("NULL" for null).
    QString Stored(const QString& desc, const QString& field) const
    {
        return run.shop.Column(QStringLiteral("SELECT %1 FROM item WHERE ItemDesc = ?").arg(field), {desc}).value(0);
    }

    RunningShop& run;
};

}  // namespace mqt::test
