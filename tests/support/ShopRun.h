#pragma once

#include "shell/Program.h"
#include "support/FixedClock.h"
#include "support/RecordingRunner.h"
#include "support/ScriptedDialogs.h"
#include "support/TempShop.h"

namespace mqt::test {

// A whole program running in a temporary shop's folder, with scripted
// message boxes, a fixed clock and recorded helper commands.
class ShopRun {
public:
    explicit ShopRun(const TempShop& shop) : program(shop.Folder(), dialogs, clock, commands) {}

    // Runs start-up; false when it failed.
    bool Start() { return program.Start(); }
    SharedValues& Shared() { return program.Shared(); }

    ScriptedDialogs dialogs;
    FixedClock clock;
    RecordingRunner commands;
    Program program;
};

}  // namespace mqt::test
