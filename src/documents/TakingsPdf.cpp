// SPDX-License-Identifier: GPL-3.0-or-later
#include "documents/TakingsPdf.h"

#include "common/DateText.h"
#include "documents/ReceiptRows.h"
#include "documents/Takings.h"

#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

namespace mqt {

namespace {

constexpr double MarginPt = 40;
constexpr double RowPt = 14;
constexpr double FontPt = 9;

class TakingsPainter {
public:
    TakingsPainter(QPdfWriter& writer, QPainter& painter)
        : writer_(writer), painter_(painter), pt_(writer.resolution() / 72.0), width_(writer.width()),
          bottom_(writer.height() - RowPt * pt_)
    {
    }

    void Heading(const QString& text, double sizePt, bool bold)
    {
        painter_.setFont(Font(sizePt, bold));
        painter_.drawText(QRectF(0, y_, width_, (sizePt + 6) * pt_), Qt::AlignLeft | Qt::AlignVCenter, text);
        y_ += (sizePt + 6) * pt_;
    }

    void Gap() { y_ += RowPt * pt_ / 2; }

    // A table row; the heading row is drawn again at the top of a new page.
    void Row(const QStringList& cells, bool bold = false)
    {
        if (y_ + RowPt * pt_ > bottom_) {
            writer_.newPage();
            y_ = 0;
            if (!tableHeading_.isEmpty()) Cells(tableHeading_, true);
        }
        Cells(cells, bold);
    }

    void StartTable(const QStringList& heading)
    {
        tableHeading_ = heading;
        Row(heading, true);
    }

    void EndTable() { tableHeading_.clear(); }

private:
    QFont Font(double sizePt, bool bold) const
    {
        QFont font;
        font.setPointSizeF(sizePt);
        font.setBold(bold);
        return font;
    }

    void Cells(const QStringList& cells, bool bold)
    {
        painter_.setFont(Font(FontPt, bold));
        const double cellWidth = width_ / cells.size();
        for (int c = 0; c < cells.size(); ++c)
            painter_.drawText(QRectF(c * cellWidth, y_, cellWidth - 4 * pt_, RowPt * pt_),
                              (c == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter, cells[c]);
        y_ += RowPt * pt_;
    }

    QPdfWriter& writer_;
    QPainter& painter_;
    const double pt_;
    const double width_;
    const double bottom_;
    double y_ = 0;
    QStringList tableHeading_;
};

}  // namespace

bool WriteTakingsPdf(const Takings& takings, const ShopHeading& shop, QIODevice& device, const QPageSize& pageSize)
{
    QPdfWriter writer(&device);
    writer.setPageLayout(QPageLayout(pageSize, QPageLayout::Landscape,
                                     QMarginsF(MarginPt, MarginPt, MarginPt, MarginPt), QPageLayout::Point));
    writer.setTitle(QStringLiteral("Takings of ") + takings.day.toString(Qt::ISODate));
    QPainter painter;
    if (!painter.begin(&writer)) return false;
    TakingsPainter page(writer, painter);
    page.Heading(shop.name, 14, true);
    page.Heading(QStringLiteral("Takings of ") + FormatShortDate(takings.day), 11, true);
    page.Gap();

    QStringList heading = {QStringLiteral("Sale"), QStringLiteral("Time"), QStringLiteral("Items"),
                           QStringLiteral("Subtotal"), QStringLiteral("Tax"), QStringLiteral("Total")};
    for (int k = 0; k < PayKindCount; ++k) heading << PayKindName(PayKind(k));
    heading << QStringLiteral("Change");
    page.StartTable(heading);
    for (const Takings::Sale& sale : takings.sales) {
        QStringList cells = {(sale.refund ? QStringLiteral("Refund ") : QString()) + QString::number(sale.saleNo),
                             sale.time.toString(QStringLiteral("HH:mm")), QString::number(sale.items),
                             FormatCents(sale.subtotal), FormatCents(sale.tax), FormatCents(sale.total)};
        for (Cents paid : sale.paid) cells << FormatCents(paid);
        cells << FormatCents(sale.change);
        page.Row(cells);
    }
    page.EndTable();
    page.Gap();

    page.Row({QStringLiteral("Sales"), QString::number(takings.saleCount)}, true);
    page.Row({QStringLiteral("Returns"), QString::number(takings.returnCount)});
    page.Row({QStringLiteral("Items sold"), QString::number(takings.itemsSold)});
    page.Row({QStringLiteral("Subtotal"), FormatCents(takings.subtotal)});
    page.Row({QStringLiteral("Tax"), FormatCents(takings.tax)});
    page.Row({QStringLiteral("Total"), FormatCents(takings.total)}, true);
    for (int k = 0; k < PayKindCount; ++k)
        page.Row({PayKindName(PayKind(k)), FormatCents(takings.drawer[std::size_t(k)])});
    return painter.end();
}

}  // namespace mqt
