// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/CodePointOrder.h"

#include <algorithm>

namespace mqt {

namespace {

// Moves the surrogate units above every other unit, so that the units of two
// texts compare as the code points they stand for. Where two texts first
// differ, either both units are surrogates of the same kind or a surrogate
// stands against a character below U+10000, which it must follow.
char16_t InCodePointOrder(char16_t unit)
{
    if (unit >= 0xE000) return char16_t(unit - 0x800);
    if (unit >= 0xD800) return char16_t(unit + 0x2000);
    return unit;
}

}  // namespace

int CompareCodePoints(QStringView left, QStringView right)
{
    const qsizetype common = std::min(left.size(), right.size());
    for (qsizetype i = 0; i < common; ++i) {
        const char16_t a = left[i].unicode();
        const char16_t b = right[i].unicode();
        if (a != b) return InCodePointOrder(a) < InCodePointOrder(b) ? -1 : 1;
    }
    return left.size() < right.size() ? -1 : left.size() > right.size() ? 1 : 0;
}

QString LargestCharacter()
{
    const char32_t largest = 0x10FFFF;
    return QString::fromUcs4(&largest, 1);
}

}  // namespace mqt
