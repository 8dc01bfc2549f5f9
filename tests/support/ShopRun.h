#pragma once

#include "shell/Program.h"
#include "support/FixedClock.h"
#include "support/RecordingRunner.h"
#include "support/ScriptedDialogs.h"
#include "support/TempShop.h"

#include <QString>

class QWidget;

namespace mqt::test {

// A whole program running on a temporary shop, driven through its controls
// by their names the way a user drives it.
class ShopRun {
public:
    explicit ShopRun(const TempShop& shop) : program(shop.Folder(), dialogs, clock, commands) {}

    // Runs start-up; false when it failed.
    bool Start() { return program.Start(); }
    SharedValues& Shared() { return program.Shared(); }

    // Clicks the menu entry and returns the screen it shows.
    QWidget* Choose(int menuEntry);

    // The named control of a window; fails the test when there is none.
    template <typename Control = QWidget>
    Control* Find(QWidget* window, const QString& name) const
    {
        Control* control = window->findChild<Control*>(name);
        if (!control) qFatal("no control %s", qPrintable(name));
        return control;
    }

    void Click(QWidget* window, const QString& name);
    // Empties the text box, then types the text into it.
    void Type(QWidget* window, const QString& name, const QString& text);
    // Clicks a row of the window's grid; row 0 is the heading.
    void ClickRow(QWidget* window, int row);

    ScriptedDialogs dialogs;
    FixedClock clock;
    RecordingRunner commands;
    Program program;
};

}  // namespace mqt::test
