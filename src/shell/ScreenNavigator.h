// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace mqt {

// The working screens the menu opens. Each exists at most once: it is loaded
// at first use and stays loaded until its window is closed.
enum class Screen { Params = 0, Consignor = 1, Item = 2, Report = 3, Checkout = 4, Terms = 5 };
inline constexpr int ScreenCount = 6;

// What a screen may ask of the menu: another screen, or the menu itself. A
// screen that needs more of another screen casts the window it gets to that
// screen's hand-over interface (ItemScreen, ConsignorPicker).
class ScreenNavigator {
public:
    virtual ~ScreenNavigator() = default;

    // Loads the screen at its first use and brings it to the front; null for a
    // screen this program does not have.
    virtual QWidget* ShowScreen(Screen screen) = 0;
    // The screen if it is loaded, else null.
    virtual QWidget* LoadedScreen(Screen screen) const = 0;
    // Closes the screen's window, which unloads it.
    virtual void UnloadScreen(Screen screen) = 0;
    // Brings the menu to the front.
    virtual void ShowMenu() = 0;
};

}  // namespace mqt
