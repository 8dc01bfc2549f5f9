// SPDX-License-Identifier: GPL-3.0-or-later
#include "documents/TermsPdf.h"

#include "documents/FlowingTable.h"
#include "documents/PageSetup.h"
#include "documents/PdfListPainter.h"


#include <algorithm>

namespace mqt {

namespace {

// Sizes in points (1/72 inch).
constexpr double MarginPt = 40;
constexpr double RowPt = 14;
constexpr double FontPt = 9;
constexpr double HeadingPt = 20;
constexpr double AddressPt = 14;
constexpr double SignaturePt = 5 * RowPt;

class HandOverPainter : private PdfListPainter {
public:
    HandOverPainter(const HandOverList& list, QPdfWriter& writer, QPainter& painter)
        : PdfListPainter(writer, painter), list_(list)
    {
    }

    void Paint()
    {
        std::vector<FlowRow> rows(list_.rows.size(), FlowRow{RowPt * pt_, false});
        const double headerHeight = (2 * HeadingPt + double(list_.shopAddress.size()) * AddressPt + RowPt) * pt_;
        const FlowPages flow = FlowTable(rows, {headerHeight + RowPt * pt_, 2 * RowPt * pt_, height_,
                                                (RowPt + SignaturePt) * pt_});
        for (std::size_t page = 0; page < flow.pages.size(); ++page) {
            if (page > 0) writer_.newPage();
            y_ = 0;
            if (page == 0) {
                Heading(list_.shopName, 14, true, HeadingPt);
                for (const QString& line : list_.shopAddress) Heading(line, 10, false, AddressPt);
                Heading(list_.title, 11, true, HeadingPt);
                y_ += RowPt * pt_;
            } else {
                Cells({list_.title + QStringLiteral(" (continued)")}, false);
            }
            Cells(list_.columns, true);
            for (int r : flow.pages[page]) Cells(list_.rows[std::size_t(r)], false);
            if (int(page) == flow.closingPage) Closing();
        }
    }

private:
    // The first column narrow, the last right-aligned, those between share
    // what is left.
    void Cells(const QStringList& cells, bool bold)
    {
        painter_.setFont(Font(FontPt, bold));
        if (cells.size() == 1) {
            painter_.drawText(QRectF(0, y_, width_, RowPt * pt_), Qt::AlignLeft | Qt::AlignVCenter, cells[0]);
            y_ += RowPt * pt_;
            return;
        }
        const double edge = width_ / 8;
        const double middle = (width_ - 2 * edge) / double(std::max<qsizetype>(1, cells.size() - 2));
        double x = 0;
        for (int c = 0; c < cells.size(); ++c) {
            const bool last = c == cells.size() - 1;
            const double cellWidth = c == 0 || last ? edge : middle;
            painter_.drawText(QRectF(x, y_, cellWidth - 3 * pt_, RowPt * pt_),
                              (last ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter, cells[c]);
            x += cellWidth;
        }
        y_ += RowPt * pt_;
    }

    // The total under a rule, then the lines to sign and date.
    void Closing()
    {
        painter_.drawLine(QPointF(0, y_), QPointF(width_, y_));
        Cells({list_.total}, true);
        y_ += 3 * RowPt * pt_;
        const double signWidth = width_ * 0.55;
        painter_.drawLine(QPointF(0, y_), QPointF(signWidth, y_));
        painter_.drawLine(QPointF(signWidth + 20 * pt_, y_), QPointF(width_, y_));
        painter_.setFont(Font(FontPt, false));
        painter_.drawText(QRectF(0, y_, signWidth, RowPt * pt_), Qt::AlignLeft | Qt::AlignVCenter, list_.signer);
        painter_.drawText(QRectF(signWidth + 20 * pt_, y_, width_ - signWidth, RowPt * pt_),
                          Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Date"));
    }

    const HandOverList& list_;
};

}  // namespace

bool WriteHandOverPdf(const HandOverList& list, QIODevice& device, const QPageSize& pageSize)
{
    QPdfWriter writer(&device);
    if (!SetUpPages(writer, pageSize, QMarginsF(MarginPt, MarginPt, MarginPt, MarginPt))) return false;
    NamePdf(writer, list.pdfName);
    QPainter painter;
    if (!painter.begin(&writer)) return false;
    HandOverPainter(list, writer, painter).Paint();
    return painter.end();
}

}  // namespace mqt
