// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace mqt {

// Tooltips for the consignor screen: how booth rent is written into the notes.
void SetConsignorHints(QWidget& form);

}  // namespace mqt
