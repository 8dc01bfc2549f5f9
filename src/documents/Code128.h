// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

class QPainter;
class QRectF;

namespace mqt {

// A Code 128 symbol as its dark bars, in modules (the narrowest bar's width)
// from the symbol's left end, without quiet zones.
struct BarcodeBars {
    struct Bar {
        double start = 0;
        double width = 0;
    };
    double modules = 0;  // the symbol's whole width
    std::vector<Bar> bars;
    QString error;  // why the data could not be encoded; empty when it was
};

// Encodes the data (printable ASCII) with Zint.
BarcodeBars Code128Bars(const QByteArray& data);

// Quiet zone each side of a symbol, in modules, that scanners need.
inline constexpr double QuietZoneModules = 10;

// Draws the bars as filled rectangles (vectors, sharp at any scale) centred
// in the area and as tall as it is, with the module as wide as fits with the
// quiet zones but no wider than `widestModule`. Returns the width drawn,
// quiet zones not counted.
double DrawBarcode(QPainter& painter, const BarcodeBars& symbol, const QRectF& area, double widestModule);

}  // namespace mqt
