// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace mqt {

// The text with each tab and each line break (a carriage return and line
// feed together count as one) made one blank.
QString OnOneLine(const QString& text);

// Keeps every one-line box of the window on one line: a tab or line break
// that enters a box, typed, pasted or set, becomes one blank there, so no
// name, description or reference is stored with characters the box cannot
// show. A box that checks its text already keeps its own check.
void KeepBoxesOnOneLine(QWidget& window);

}  // namespace mqt
