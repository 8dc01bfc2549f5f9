// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/ShopLock.h"
#include "app/frmMenu.h"
#include "shell/SharedValues.h"

#include <memory>

namespace mqt {

// One running program in its program folder: the shared values and the menu.
class Program {
public:
    Program(const QString& programFolder, Dialogs& dialogs, const Clock& clock, CommandRunner& commands);

    // Takes the shop's lock, runs the menu's start-up sequence and shows the
    // menu. A failure is shown in the error box (the database's with its own
    // text); then false is returned, the lock is let go and the program is to
    // end. While another program has the shop open nothing at all is done.
    bool Start();

    SharedValues& Shared() { return shared_; }
    frmMenu& Menu() { return *menu_; }

private:
    ShopLock lock_;  // released last, after the database is closed
    SharedValues shared_;
    std::unique_ptr<frmMenu> menu_;
};

}  // namespace mqt
