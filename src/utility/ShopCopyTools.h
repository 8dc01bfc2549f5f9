// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace mqt {

class Clock;
class CommandRunner;
class Database;
class Dialogs;

// What the shop's copies are made, checked and restored with: the open shop,
// the helper commands, the message boxes, the clock and the shop folder.
struct ShopCopyTools {
    Database& database;
    CommandRunner& commands;
    Dialogs& dialogs;
    const Clock& clock;
    QString shopFolder;
};

}  // namespace mqt
