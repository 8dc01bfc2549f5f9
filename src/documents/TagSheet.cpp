// SPDX-License-Identifier: GPL-3.0-or-later
#include "documents/TagSheet.h"

#include "common/DateText.h"
#include "documents/Code128.h"
#include "documents/FitText.h"
#include "documents/PageSetup.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace mqt {

namespace {

// Sizes in points (1/72 inch).
constexpr double PaddingPt = 5;
constexpr double SmallFontPt = 6.5;
constexpr double DescriptionFontPt = 8;
constexpr double LargestPriceFontPt = 20;
constexpr double SmallestPriceFontPt = 8;
constexpr double DigitsFontPt = 6.5;
constexpr double WidestModulePt = 0.9;  // a bar width that hand scanners read well
constexpr double BarcodeShare = 0.55;   // of the label's width, beside the price
constexpr double TallestBarsPt = 36;

class TagPainter {
public:
    TagPainter(QPagedPaintDevice& device, QPainter& painter)
        : device_(device), painter_(painter), pt_(device.logicalDpiX() / 72.0)
    {
    }

    bool Paint(const TagSheet& sheet)
    {
        const TagLayout& layout = *sheet.layout;
        int position = std::clamp(sheet.firstPosition, 1, layout.PerPage()) - 1;
        for (const TagItem& item : sheet.items) {
            const BarcodeBars symbol = Code128Bars(QByteArray::number(qint64(item.itemNo)));
            if (!symbol.error.isEmpty()) return false;
            for (int copy = 0; copy < sheet.copies; ++copy) {
                if (position == layout.PerPage()) {
                    if (!device_.newPage()) return false;
                    position = 0;
                }
                const QPointF corner = layout.LabelCorner(position) * pt_;
                Tag(sheet.shopName, item, symbol, QRectF(corner, layout.label * pt_));
                ++position;
            }
        }
        return true;
    }

private:
    QFont Font(double points, bool bold = false) const
    {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSizeF(points);
        font.setBold(bold);
        return font;
    }

    // One line of text from `left`, `width` wide, shortened to fit; returns
    // the height used.
    double Line(double left, double width, double top, const QString& text, const QFont& font, Qt::Alignment align)
    {
        const QFontMetricsF metrics(font, &device_);
        const double height = metrics.height();
        if (text.isEmpty()) return height;
        painter_.setFont(font);
        painter_.drawText(QRectF(left, top, width, height), align | Qt::AlignVCenter, FitText(text, metrics, width));
        return height;
    }

    // The largest type, up to the largest size, in which the price fits the width.
    QFont PriceFont(const QString& price, double width, double height) const
    {
        for (double points = LargestPriceFontPt; points > SmallestPriceFontPt; points -= 1) {
            const QFont font = Font(points, true);
            const QFontMetricsF metrics(font, &device_);
            if (metrics.horizontalAdvance(price) <= width && metrics.height() <= height) return font;
        }
        return Font(SmallestPriceFontPt, true);
    }

    void Tag(const QString& shopName, const TagItem& item, const BarcodeBars& symbol, const QRectF& label)
    {
        painter_.save();
        painter_.setClipRect(label);  // nothing of a tag ever reaches its neighbour
        painter_.setPen(Qt::black);
        const QRectF area = label.adjusted(PaddingPt * pt_, PaddingPt * pt_, -PaddingPt * pt_, -PaddingPt * pt_);
        const QString added = item.dateAdded.isValid() ? FormatShortDate(item.dateAdded) : QString();

        // The shop's name and the date added share the top line.
        double y = area.top();
        const QFont small = Font(SmallFontPt);
        const double dateWidth = QFontMetricsF(small, &device_).horizontalAdvance(added + QStringLiteral("  "));
        Line(area.left(), area.width() - dateWidth, y, shopName, Font(SmallFontPt, true), Qt::AlignLeft);
        y += Line(area.left(), area.width(), y, added, small, Qt::AlignRight);
        y += Line(area.left(), area.width(), y, item.description, Font(DescriptionFontPt), Qt::AlignLeft);
        y += Line(area.left(), area.width(), y, item.category, small, Qt::AlignLeft);

        // Below, at the foot: the barcode with its digits on the right, the
        // price beside it on the left.
        const double barcodeWidth = area.width() * BarcodeShare;
        const QFont digits = Font(DigitsFontPt);
        const double digitsHeight = QFontMetricsF(digits, &device_).height();
        const double barHeight = std::min(area.bottom() - y - digitsHeight - 1 * pt_, TallestBarsPt * pt_);
        const QRectF barArea(area.right() - barcodeWidth, area.bottom() - digitsHeight - barHeight, barcodeWidth,
                             barHeight);
        const QRectF priceArea(area.left(), barArea.top(), area.width() - barcodeWidth, area.bottom() - barArea.top());
        if (item.salePrice) {
            const QString price = u'$' + item.salePrice->Format();
            const QFont font = PriceFont(price, priceArea.width(), priceArea.height());
            painter_.setFont(font);
            painter_.drawText(priceArea, Qt::AlignLeft | Qt::AlignVCenter,
                              FitText(price, QFontMetricsF(font, &device_), priceArea.width()));
        }
        DrawBarcode(painter_, symbol, barArea, WidestModulePt * pt_);
        painter_.setFont(digits);
        painter_.drawText(QRectF(barArea.left(), barArea.bottom(), barArea.width(), digitsHeight), Qt::AlignCenter,
                          QString::number(qint64(item.itemNo)));
        painter_.restore();
    }

    QPagedPaintDevice& device_;
    QPainter& painter_;
    const double pt_;
};

}  // namespace

int TagSheet::PageCount() const
{
    if (!layout || TagCount() == 0) return 0;
    const int first = std::clamp(firstPosition, 1, layout->PerPage()) - 1;
    return (first + TagCount() + layout->PerPage() - 1) / layout->PerPage();
}

bool SetUpTagPages(const TagLayout& layout, QPagedPaintDevice& device)
{
    return SetUpPages(device, layout.PageSize(), QMarginsF());
}

bool DrawTags(const TagSheet& sheet, QPagedPaintDevice& device)
{
    if (!sheet.layout) return false;
    QPainter painter;
    if (!painter.begin(&device)) return false;
    const bool drawn = TagPainter(device, painter).Paint(sheet);
    return painter.end() && drawn;
}

bool WriteTagsPdf(const TagSheet& sheet, QIODevice& device)
{
    if (!sheet.layout) return false;
    QPdfWriter writer(&device);
    if (!SetUpTagPages(*sheet.layout, writer)) return false;
    NamePdf(writer, QStringLiteral("Price tags"));
    return DrawTags(sheet, writer);
}

}  // namespace mqt
