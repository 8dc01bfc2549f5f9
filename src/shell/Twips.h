// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace mqt {

// Screen positions and sizes are designed in twips, 1/1440 inch; at the
// standard 96 logical dots per inch that is 15 twips to a pixel.
constexpr int TwipsToPixels(int twips) { return (twips + 7) / 15; }

}  // namespace mqt
