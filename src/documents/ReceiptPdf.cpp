// SPDX-License-Identifier: GPL-3.0-or-later
#include "documents/ReceiptPdf.h"

#include "documents/PageSetup.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>

namespace mqt {

namespace {

// Sizes in points (1/72 inch).
constexpr double RollWidthPt = 80 / 25.4 * 72;
constexpr double RollMarginPt = 10;
constexpr double SheetMarginPt = 40;

double FontPt(ReceiptLayout layout) { return layout == ReceiptLayout::Roll80 ? 8 : 10; }
double RowPt(ReceiptLayout layout) { return FontPt(layout) * 1.45; }
double MarginPt(ReceiptLayout layout) { return layout == ReceiptLayout::Roll80 ? RollMarginPt : SheetMarginPt; }

void PaintRows(const std::vector<ReceiptRow>& rows, QPagedPaintDevice& device, QPainter& painter,
               ReceiptLayout layout)
{
    const double pt = device.logicalDpiY() / 72.0;
    const double width = device.width();
    const double height = device.height();
    const double rowHeight = RowPt(layout) * pt;
    double y = 0;
    for (const ReceiptRow& row : rows) {
        if (y + rowHeight > height && y > 0) {
            device.newPage();
            y = 0;
        }
        QFont font;
        font.setPointSizeF(FontPt(layout) + (row.centred && row.bold ? 2 : 0));
        font.setBold(row.bold);
        painter.setFont(font);
        const QFontMetricsF metrics(font, &device);
        if (row.ruleAbove) painter.drawLine(QPointF(0, y + pt), QPointF(width, y + pt));
        const QRectF line(0, y + 2 * pt, width, rowHeight);
        if (row.centred) {
            painter.drawText(line, Qt::AlignHCenter | Qt::AlignVCenter,
                             metrics.elidedText(row.left, Qt::ElideRight, width));
        } else {
            const double amountWidth = metrics.horizontalAdvance(row.right) + 6 * pt;
            painter.drawText(line, Qt::AlignRight | Qt::AlignVCenter, row.right);
            painter.drawText(QRectF(0, y + 2 * pt, width - amountWidth, rowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                             metrics.elidedText(row.left, Qt::ElideRight, width - amountWidth));
        }
        y += rowHeight + (row.ruleAbove ? 2 * pt : 0);
    }
}

}  // namespace

ReceiptLayout ReceiptLayoutFor(const QPageSize& pageSize)
{
    return pageSize.size(QPageSize::Millimeter).width() <= 90 ? ReceiptLayout::Roll80 : ReceiptLayout::Sheet;
}

bool WriteReceiptPdf(const std::vector<ReceiptRow>& rows, QIODevice& device, ReceiptLayout layout,
                     const QPageSize& sheet)
{
    QPdfWriter writer(&device);
    const double margin = MarginPt(layout);
    QPageSize pageSize = sheet;
    if (layout == ReceiptLayout::Roll80) {
        // One row to spare: the device rounds the page to its own units.
        double length = 2 * margin + RowPt(layout);
        for (const ReceiptRow& row : rows) length += RowPt(layout) + (row.ruleAbove ? 2 : 0);
        pageSize = QPageSize(QSizeF(RollWidthPt, length), QPageSize::Point, QStringLiteral("Receipt roll"),
                             QPageSize::ExactMatch);
    }
    if (!SetUpPages(writer, pageSize, QMarginsF(margin, margin, margin, margin))) return false;
    NamePdf(writer, QStringLiteral("Receipt"));
    return PaintReceipt(rows, writer, layout);
}

bool PaintReceipt(const std::vector<ReceiptRow>& rows, QPagedPaintDevice& device, ReceiptLayout layout)
{
    QPainter painter;
    if (!painter.begin(&device)) return false;
    PaintRows(rows, device, painter, layout);
    return painter.end();
}

}  // namespace mqt
