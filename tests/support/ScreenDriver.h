// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/MenuEntries.h"
#include "support/RunningShop.h"

#include <QColor>
#include <QString>
#include <QWidget>

namespace mqt::test {

// One screen of a running program, opened by a click on its menu entry and
// driven through its controls by their names, the way a user drives it.
class ScreenDriver {
public:
    // `menuEntry` is a MenuEntry that shows a screen.
    ScreenDriver(RunningShop& run, int menuEntry);

    // Starts the program in the shop; a failed start-up ends the test program.
    static RunningShop& Started(RunningShop& run);

    // The named control; a missing one ends the test program.
    template <typename Control = QWidget>
    Control* Find(const QString& name) const
    {
        Control* control = window->findChild<Control*>(name);
        if (!control) qFatal("no control %s", qPrintable(name));
        return control;
    }

    void Click(const QString& name);
    // Empties the text box (one line or several), then types the text into
    // it key by key.
    void Type(const QString& name, const QString& text);
    // The text of a text box, label or button.
    QString Text(const QString& name) const;
    bool IsShown(const QString& name) const { return Find(name)->isVisible(); }
    // Clicks a row of the screen's grid; row 0 is the heading.
    void ClickRow(int row);
    // The colour of every cell of a grid row when the whole row has one, else 0.
    QRgb RowColour(int row) const;
    // The colour of the message line's text.
    QColor MessageColour() const;

    QWidget* window;
};

}  // namespace mqt::test
