// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace mqt {

// Gives the control of the window with this objectName a tooltip: the hints
// that tell a shop owner what a box accepts. A name the window does not hold
// is passed over, so a hint never stops a screen from opening.
void SetHint(QWidget& window, const QString& objectName, const QString& hint);

}  // namespace mqt
