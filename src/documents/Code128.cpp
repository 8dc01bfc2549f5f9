// SPDX-License-Identifier: GPL-3.0-or-later
#include "documents/Code128.h"

#include <QPainter>
#include <QRectF>

#include <algorithm>
#include <memory>
#include <zint.h>

namespace mqt {

namespace {

struct SymbolDeleter {
    void operator()(zint_symbol* symbol) const { ZBarcode_Delete(symbol); }
};
using Symbol = std::unique_ptr<zint_symbol, SymbolDeleter>;

}  // namespace

BarcodeBars Code128Bars(const QByteArray& data)
{
    BarcodeBars result;
    Symbol symbol(ZBarcode_Create());
    if (!symbol) {
        result.error = QStringLiteral("out of memory");
        return result;
    }
    symbol->symbology = BARCODE_CODE128;
    symbol->show_hrt = 0;  // the digits are set beneath by the tag itself
    symbol->whitespace_width = 0;
    symbol->border_width = 0;
    const int encoded = ZBarcode_Encode(symbol.get(), reinterpret_cast<const unsigned char*>(data.constData()),
                                        int(data.size()));
    if (encoded >= ZINT_ERROR || ZBarcode_Buffer_Vector(symbol.get(), 0) >= ZINT_ERROR || !symbol->vector ||
        symbol->width <= 0) {
        result.error = QString::fromLatin1(symbol->errtxt);
        return result;
    }
    // The vector's units per module, whatever scale Zint draws at.
    const double unit = double(symbol->vector->width) / symbol->width;
    result.modules = symbol->width;
    for (const zint_vector_rect* rect = symbol->vector->rectangles; rect; rect = rect->next)
        result.bars.push_back({rect->x / unit, rect->width / unit});
    std::sort(result.bars.begin(), result.bars.end(),
              [](const BarcodeBars::Bar& a, const BarcodeBars::Bar& b) { return a.start < b.start; });
    return result;
}

double DrawBarcode(QPainter& painter, const BarcodeBars& symbol, const QRectF& area, double widestModule)
{
    if (symbol.modules <= 0) return 0;
    const double module = std::min(widestModule, area.width() / (symbol.modules + 2 * QuietZoneModules));
    const double width = module * symbol.modules;
    const double left = area.center().x() - width / 2;
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    for (const BarcodeBars::Bar& bar : symbol.bars)
        painter.drawRect(QRectF(left + bar.start * module, area.top(), bar.width * module, area.height()));
    painter.restore();
    return width;
}

}  // namespace mqt
