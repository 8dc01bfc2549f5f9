// SPDX-License-Identifier: GPL-3.0-or-later
#include "documents/TakingsPdf.h"

#include "common/DateText.h"
#include "documents/FlowingTable.h"
#include "documents/PageSetup.h"
#include "documents/PdfListPainter.h"
#include "documents/ReceiptRows.h"
#include "documents/Takings.h"
#include "store/ShopIdentity.h"


namespace mqt {

namespace {

// Sizes in points (1/72 inch).
constexpr double MarginPt = 40;
constexpr double RowPt = 13;
constexpr double FontPt = 8;
constexpr double HeadingPt = 20;
constexpr double AddressPt = 14;

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

class TakingsPainter : private PdfListPainter {
public:
    TakingsPainter(const Takings& takings, const ShopIdentity& shop, QPdfWriter& writer, QPainter& painter)
        : PdfListPainter(writer, painter), takings_(takings), shop_(shop)
    {
    }

    void Paint()
    {
        std::vector<FlowRow> rows(takings_.sales.size(), FlowRow{RowPt * pt_, false});
        const QStringList address = shop_.AddressLines();
        const double headerHeight = (2 * HeadingPt + double(address.size()) * AddressPt + RowPt) * pt_;
        const FlowPages flow = FlowTable(
            rows, {headerHeight + RowPt * pt_, 2 * RowPt * pt_, height_ - RowPt * pt_, SumsHeight()});
        for (std::size_t page = 0; page < flow.pages.size(); ++page) {
            if (page > 0) writer_.newPage();
            y_ = 0;
            if (page == 0) {
                Heading(HeadingName(shop_), 14, true, HeadingPt);
                for (const QString& line : address) Heading(line, 10, false, AddressPt);
                Heading(QStringLiteral("Takings of ") + FormatShortDate(takings_.day), 11, true, HeadingPt);
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

    // Each group of sums under a rule, a heading first where it has one.
    void Sums()
    {
        for (const TakingsGroup& group : TakingsSums(takings_)) {
            y_ += RowPt * pt_ / 2;
            painter_.drawLine(QPointF(0, y_), QPointF(width_, y_));
            if (!group.heading.isEmpty()) Cells({group.heading}, true);
            for (const TakingsGroup::Line& line : group.lines) SumLine(line);
        }
    }

    // The label over the first two columns, the value right in the third.
    void SumLine(const TakingsGroup::Line& line)
    {
        painter_.setFont(Font(FontPt, line.bold));
        const double cellWidth = width_ / 12;
        painter_.drawText(QRectF(0, y_, 2 * cellWidth, RowPt * pt_), Qt::AlignLeft | Qt::AlignVCenter, line.label);
        painter_.drawText(QRectF(2 * cellWidth, y_, cellWidth - 3 * pt_, RowPt * pt_), Qt::AlignRight | Qt::AlignVCenter,
                          line.value);
        y_ += RowPt * pt_;
    }

    double SumsHeight() const
    {
        double rows = 0;
        for (const TakingsGroup& group : TakingsSums(takings_))
            rows += 0.5 + (group.heading.isEmpty() ? 0 : 1) + double(group.lines.size());
        return rows * RowPt * pt_;
    }

    const Takings& takings_;
    const ShopIdentity& shop_;
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
