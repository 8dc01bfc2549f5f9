// SPDX-License-Identifier: GPL-3.0-or-later
#include "documents/TakingsPdf.h"

#include "common/DateText.h"
#include "documents/FlowingTable.h"
#include "documents/PageSetup.h"
#include "documents/ReceiptRows.h"
#include "documents/Takings.h"

#include <QPainter>
#include <QPdfWriter>

namespace mqt {

namespace {

// Sizes in points (1/72 inch).
constexpr double MarginPt = 40;
constexpr double RowPt = 13;
constexpr double FontPt = 8;
constexpr int SumRows = 6 + PayKindCount;

QStringList TableHeading()
{
    QStringList heading = {QStringLiteral("Sale"), QStringLiteral("Time"), QStringLiteral("Items"),
                           QStringLiteral("Subtotal"), QStringLiteral("Tax"), QStringLiteral("Total")};
    for (int k = 0; k < PayKindCount; ++k) heading << PayKindName(PayKind(k));
    heading << QStringLiteral("Change");
    return heading;
}

QStringList SaleCells(const Takings::Sale& sale)
{
    QStringList cells = {(sale.refund ? QStringLiteral("Refund ") : QString()) + QString::number(sale.saleNo),
                         sale.time.toString(QStringLiteral("HH:mm")), QString::number(sale.items),
                         FormatCents(sale.subtotal), FormatCents(sale.tax), FormatCents(sale.total)};
    for (Cents paid : sale.paid) cells << FormatCents(paid);
    cells << FormatCents(sale.change);
    return cells;
}

class TakingsPainter {
public:
    TakingsPainter(const Takings& takings, const ShopIdentity& shop, QPdfWriter& writer, QPainter& painter)
        : takings_(takings), shop_(shop), writer_(writer), painter_(painter), pt_(writer.resolution() / 72.0),
          width_(writer.width()), height_(writer.height())
    {
    }

    void Paint()
    {
        std::vector<FlowRow> rows(takings_.sales.size(), FlowRow{RowPt * pt_, false});
        const double headerHeight = 2 * 20 * pt_ + RowPt * pt_;
        const FlowPages flow = FlowTable(
            rows, {headerHeight + RowPt * pt_, 2 * RowPt * pt_, height_ - RowPt * pt_, (SumRows + 1) * RowPt * pt_});
        for (std::size_t page = 0; page < flow.pages.size(); ++page) {
            if (page > 0) writer_.newPage();
            y_ = 0;
            if (page == 0) {
                Heading(HeadingName(shop_), 14);
                Heading(QStringLiteral("Takings of ") + FormatShortDate(takings_.day), 11);
                y_ += RowPt * pt_;
            } else {
                Cells({QStringLiteral("Takings of ") + FormatShortDate(takings_.day) + QStringLiteral(" (continued)")},
                      false);
            }
            Cells(TableHeading(), true);
            for (int r : flow.pages[page]) Cells(SaleCells(takings_.sales[std::size_t(r)]), false);
            if (int(page) == flow.closingPage) Sums();
        }
    }

private:
    QFont Font(double sizePt, bool bold) const
    {
        QFont font;
        font.setPointSizeF(sizePt);
        font.setBold(bold);
        return font;
    }

    void Heading(const QString& text, double sizePt)
    {
        painter_.setFont(Font(sizePt, true));
        painter_.drawText(QRectF(0, y_, width_, 20 * pt_), Qt::AlignLeft | Qt::AlignVCenter, text);
        y_ += 20 * pt_;
    }

    // Cells in equal columns across the page: the first left, the others right.
    void Cells(const QStringList& cells, bool bold)
    {
        painter_.setFont(Font(FontPt, bold));
        const double cellWidth = cells.size() == 1 ? width_ : width_ / 12;
        for (int c = 0; c < cells.size(); ++c)
            painter_.drawText(QRectF(c * cellWidth, y_, cellWidth - 3 * pt_, RowPt * pt_),
                              (c == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter, cells[c]);
        y_ += RowPt * pt_;
    }

    void Sums()
    {
        y_ += RowPt * pt_ / 2;
        painter_.drawLine(QPointF(0, y_), QPointF(width_, y_));
        Cells({QStringLiteral("Sales"), QString(), QString::number(takings_.saleCount)}, true);
        Cells({QStringLiteral("Returns"), QString(), QString::number(takings_.returnCount)}, false);
        Cells({QStringLiteral("Items sold"), QString(), QString::number(takings_.itemsSold)}, false);
        Cells({QStringLiteral("Subtotal"), QString(), FormatCents(takings_.subtotal)}, false);
        Cells({QStringLiteral("Tax"), QString(), FormatCents(takings_.tax)}, false);
        Cells({QStringLiteral("Total"), QString(), FormatCents(takings_.total)}, true);
        for (int k = 0; k < PayKindCount; ++k)
            Cells({PayKindName(PayKind(k)), QString(), FormatCents(takings_.drawer[std::size_t(k)])}, false);
    }

    const Takings& takings_;
    const ShopIdentity& shop_;
    QPdfWriter& writer_;
    QPainter& painter_;
    const double pt_;
    const double width_;
    const double height_;
    double y_ = 0;
};

}  // namespace

bool WriteTakingsPdf(const Takings& takings, const ShopIdentity& shop, QIODevice& device, const QPageSize& pageSize)
{
    QPdfWriter writer(&device);
    if (!SetUpPages(writer, pageSize, QMarginsF(MarginPt, MarginPt, MarginPt, MarginPt))) return false;
    NamePdf(writer, QStringLiteral("Takings of ") + takings.day.toString(Qt::ISODate));
    QPainter painter;
    if (!painter.begin(&writer)) return false;
    TakingsPainter(takings, shop, writer, painter).Paint();
    return painter.end();
}

}  // namespace mqt
