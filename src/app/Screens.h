// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/ScreenNavigator.h"

namespace mqt {

class SharedValues;

// Creates the screen's window; null for a screen this program does not have.
QWidget* CreateScreen(Screen screen, SharedValues& shared, ScreenNavigator& navigator);

}  // namespace mqt
