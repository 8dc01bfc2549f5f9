// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace mqt {

// The ditto mark of the entry boxes: a text whose only double quote is its last
// character takes the previous entry, with the typed characters before the quote
// written over as many leading characters of it. A lone double quote repeats the
// previous entry whole; "Pink\"" on "Blue vase" gives "Pink vase". Any other text,
// including one with a quote elsewhere or with two quotes, stays as typed.
QString ApplyDitto(const QString& text, const QString& previous);

}  // namespace mqt
