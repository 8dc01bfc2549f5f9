// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/ScreenNavigator.h"

#include <array>
#include <cstddef>
#include <optional>

namespace mqt {

// The main menu's entries by name, in their order from the top. An entry's
// number is its place in the menu and the number in its control's name,
// "lblFunction(3)". Code names an entry, never its bare number.
struct MenuEntry {
    enum : int {
        Parameters = 0,
        Consignors,
        Items,
        Report,
        Backup,
        Restore,
        DeletePaidItems,
        // The counter's screen, after the entries of the shop's books.
        Checkout,
        // The items whose consignment term is over, below the counter.
        EndOfTerm,
    };
};

// One entry of the menu: its caption, the frame it is listed in (numbered
// from 0, top to bottom), and the screen it shows; no screen for the entries
// that run a utility.
struct MenuEntryShown {
    int entry;
    const char* caption;
    int frame;
    std::optional<Screen> screen;
};

inline constexpr std::array<MenuEntryShown, 9> MenuEntries = {{
    {MenuEntry::Parameters, "Parameters", 0, Screen::Params},
    {MenuEntry::Consignors, "Consignor Maintenance", 0, Screen::Consignor},
    {MenuEntry::Items, "Item Maintenance", 0, Screen::Item},
    {MenuEntry::Report, "Report Items", 1, Screen::Report},
    {MenuEntry::Backup, "Backup", 2, std::nullopt},
    {MenuEntry::Restore, "Restore", 2, std::nullopt},
    {MenuEntry::DeletePaidItems, "Delete Paid Items", 2, std::nullopt},
    {MenuEntry::Checkout, "Checkout", 3, Screen::Checkout},
    {MenuEntry::EndOfTerm, "End of Term", 3, Screen::Terms},
}};

inline constexpr int MenuEntryCount = int(MenuEntries.size());

static_assert(
    [] {
        for (std::size_t i = 0; i < MenuEntries.size(); ++i)
            if (MenuEntries[i].entry != int(i)) return false;
        return true;
    }(),
    "the menu's table lists every entry at its own number");

// The screen a menu entry shows; none for the entries that run a utility and
// for a number that is no entry.
constexpr std::optional<Screen> ScreenOfMenuEntry(int entry)
{
    if (entry < 0 || entry >= MenuEntryCount) return std::nullopt;
    return MenuEntries[std::size_t(entry)].screen;
}

}  // namespace mqt
