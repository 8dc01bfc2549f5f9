// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/CodePointOrder.h"

#include <QString>

namespace mqt {

// Whether a box counts as filled: its text sorts after a single blank by
// code point. Empty text, a lone blank and text that begins with a
// control character do not; two blanks, or a blank before a letter, do.
inline bool SortsAfterBlank(const QString& text) { return CompareCodePoints(text, u" ") > 0; }

}  // namespace mqt
