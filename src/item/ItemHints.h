// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace mqt {

// Tooltips for the item screen's entry boxes: the ditto mark that every box
// takes, the date forms of the date boxes, what the price boxes accept.
void SetItemHints(QWidget& form);

}  // namespace mqt
