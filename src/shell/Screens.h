#pragma once

class QWidget;

namespace mqt {

class SharedValues;
class frmMenu;

// The working screens the menu opens. Each exists at most once: it is loaded
// at first use and stays loaded until its window is closed.
enum class Screen { Params = 0, Consignor = 1, Item = 2, Report = 3 };
inline constexpr int ScreenCount = 4;

// Creates the screen's window; null for a screen this program does not have.
QWidget* CreateScreen(Screen screen, SharedValues& shared, frmMenu& menu);

}  // namespace mqt
