// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

namespace mqt {

// Orders two texts character by character by Unicode code point: negative,
// zero or positive as left sorts before, with or after right. QString's own
// operators compare UTF-16 code units, which puts a character beyond U+FFFF
// (an emoji, held as two surrogate units from D800 to DFFF) before the
// characters from U+E000 to U+FFFF, such as the full-width letters.
int CompareCodePoints(QStringView left, QStringView right);

// The largest character, U+10FFFF: a text followed by it sorts after every
// text that begins with that text.
QString LargestCharacter();

}  // namespace mqt
