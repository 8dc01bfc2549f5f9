// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/ItemColumns.h"
#include "store/DataControl.h"
#include "store/Database.h"

#include <QString>
#include <array>
#include <cstdint>

namespace mqt {

class Clock;
class CommandRunner;
class Dialogs;

// The shop's settings: a copy of the one params row.
struct ShopSettings {
    std::int16_t Commission = 0;  // percent of the sale price; below 1 is none
    float Rounding = 0;           // rounding step in dollars; 0 or less is none
    bool PriceOverride = false;   // a typed price stays as typed
    QString Backup = QStringLiteral(" ");  // drive letter, ":\", folders each followed by "\"
    int TaxRate = 0;              // the counter's sales tax, thousandths of a percent
};

// The values every screen shares for the whole run, and the seams through
// which the program meets the user, the clock and helper commands. One object
// per running program, handed to every screen; there are no globals.
class SharedValues {
public:
    SharedValues(const QString& programFolder, Dialogs& dialogs, const Clock& clock, CommandRunner& commands)
        : ProgramFolder(programFolder), dialogs(dialogs), clock(clock), commands(commands), database(clock) {}
    SharedValues(const SharedValues&) = delete;
    SharedValues& operator=(const SharedValues&) = delete;

    const QString ProgramFolder;
    QString DatabasePath;
    ShopSettings Settings;

    QString CurrentLastName;
    QString CurrentFirstName;
    QString CurrentItemDesc;
    // Hand-over marker between screens: "Consignor", "Item", "Report", "Add",
    // "Change", "Sell", "Pay" or empty.
    QString CallerMode;
    ItemColumnTable ItemColumns;

    Dialogs& dialogs;
    const Clock& clock;
    CommandRunner& commands;

    Database database;
    DataControl Data1;  // params
    DataControl Data2;  // consignors
    DataControl Data3;  // items
};

}  // namespace mqt
