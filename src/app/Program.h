// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/frmMenu.h"
#include "shell/SharedValues.h"

#include <memory>

namespace mqt {

// One running program in its program folder: the shared values and the menu.
class Program {
public:
    Program(const QString& programFolder, Dialogs& dialogs, const Clock& clock, CommandRunner& commands);

    // Runs the menu's start-up sequence and shows the menu. A failure is shown
    // in the error box with the database's own text; then false is returned
    // and the program is to end.
    bool Start();

    SharedValues& Shared() { return shared_; }
    frmMenu& Menu() { return *menu_; }

private:
    SharedValues shared_;
    std::unique_ptr<frmMenu> menu_;
};

}  // namespace mqt
