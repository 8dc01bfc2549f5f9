// SPDX-License-Identifier: GPL-3.0-or-later
#include "documents/StatementPdf.h"

#include "common/DateText.h"
#include "documents/FlowingTable.h"
#include "documents/PageSetup.h"
#include "documents/StatementContent.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QTextLayout>

#include <algorithm>
#include <array>

namespace mqt {

namespace {

// Sizes in points (1/72 inch).
constexpr double MarginPt = 40;
constexpr double RowPt = 14;
constexpr double GapPt = 8;
constexpr double MoneyColumnPt = 72;
constexpr double DateColumnPt = 64;
constexpr double BodyFontPt = 9;
constexpr double TitleFontPt = 14;
constexpr double SubjectFontPt = 11;
// A long description wraps onto at most this many rows; beyond them it is cut.
constexpr int DescriptionRowLimit = 3;

// One row of the table: a line, or the heading of the rent lines.
struct TableRow {
    const StatementLine* line = nullptr;  // null: the "Rent" heading
    QStringList description;              // the description's wrapped rows
};

class StatementPainter {
public:
    StatementPainter(const StatementContent& content, QPdfWriter& writer, QPainter& painter)
        : content_(content), writer_(writer), painter_(painter), pt_(writer.resolution() / 72.0),
          width_(writer.width()), height_(writer.height())
    {
        const double moneyAndDates = (2 * MoneyColumnPt + DateColumnPt) * pt_;
        columnX_ = {0, width_ - moneyAndDates, width_ - 2 * MoneyColumnPt * pt_, width_ - MoneyColumnPt * pt_, width_};
    }

    void Paint()
    {
        const PagePlan plan = Plan();
        const FlowPages left = PlanItemsLeft();
        const int pageCount = int(plan.pages.size() + left.pages.size());
        for (int page = 0; page < int(plan.pages.size()); ++page) {
            if (page > 0) writer_.newPage();
            double y = page == 0 ? FirstPageHeader(true) : LaterPageHeader(true);
            y = HeadingRow(y);
            for (const TableRow& row : plan.pages[std::size_t(page)]) y = Row(row, y);
            if (page == plan.totalsPage) Totals(y);
            Footer(page + 1, pageCount);
        }
        for (std::size_t page = 0; page < left.pages.size(); ++page) {
            writer_.newPage();
            double y = ItemsLeftHeader(true);
            for (int r : left.pages[page]) y = LeftRow(content_.itemsLeft[std::size_t(r)], y);
            Footer(int(plan.pages.size() + page) + 1, pageCount);
        }
    }

private:
    // Lays the rows onto pages: as many as fit above the footer, the sums
    // kept together after the last row.
    struct PagePlan {
        std::vector<std::vector<TableRow>> pages;
        int totalsPage = 0;
    };
    PagePlan Plan()
    {
        std::vector<TableRow> rows;
        bool rentHeading = false;
        for (const StatementLine& line : content_.lines) {
            if (line.rent && !rentHeading) {
                rows.push_back({});
                rentHeading = true;
            }
            rows.push_back({&line, WrapDescription(line.description)});
        }

        std::vector<FlowRow> flowRows;
        // The rent heading stays with the first rent line.
        for (const TableRow& row : rows) flowRows.push_back({RowsOf(row) * RowPt * pt_, row.line == nullptr});
        const double headingHeight = RowPt * pt_ + 4 * pt_;
        const FlowPages flow = FlowTable(flowRows, {FirstPageHeader(false) + headingHeight,
                                                    LaterPageHeader(false) + headingHeight, height_ - 2 * RowPt * pt_,
                                                    TotalsHeight()});
        PagePlan plan;
        for (const std::vector<int>& page : flow.pages) {
            plan.pages.emplace_back();
            for (int r : page) plan.pages.back().push_back(rows[std::size_t(r)]);
        }
        plan.totalsPage = flow.closingPage;
        return plan;
    }

    // The items that left the shop follow on pages of their own; none when
    // there are none.
    FlowPages PlanItemsLeft()
    {
        if (content_.itemsLeft.empty()) return {};
        const std::vector<FlowRow> rows(content_.itemsLeft.size(), FlowRow{RowPt * pt_, false});
        const double top = ItemsLeftHeader(false);
        return FlowTable(rows, {top, top, height_ - 2 * RowPt * pt_, 0});
    }

    double ItemsLeftHeader(bool draw)
    {
        double y = TextLine(draw, 0, content_.ConsignorName() + QStringLiteral(": items returned or donated"),
                            Font(SubjectFontPt, true), 16);
        y += GapPt * pt_;
        if (draw)
            Cells(y, {QStringLiteral("Item"), QStringLiteral("Status"), QStringLiteral("Date"),
                      QStringLiteral("Sale price")},
                  Font(BodyFontPt, true));
        y += RowPt * pt_ + 2 * pt_;
        if (draw) painter_.drawLine(QPointF(0, y), QPointF(width_, y));
        return y + 2 * pt_;
    }

    double LeftRow(const LeftLine& line, double y)
    {
        Cells(y, {line.itemNo + u' ' + line.description, line.status, line.date, line.salePrice}, Font(BodyFontPt));
        return y + RowPt * pt_;
    }

    QFont Font(double points, bool bold = false) const
    {
        QFont font;
        font.setPointSizeF(points);
        font.setBold(bold);
        return font;
    }

    // Draws a text at the left edge when drawing, cut to the page's width;
    // returns the next y.
    double TextLine(bool draw, double y, const QString& text, const QFont& font, double heightPt)
    {
        if (draw) {
            painter_.setFont(font);
            painter_.drawText(QRectF(0, y, width_, heightPt * pt_), Qt::AlignLeft | Qt::AlignVCenter,
                              QFontMetricsF(font, &writer_).elidedText(text, Qt::ElideRight, width_));
        }
        return y + heightPt * pt_;
    }

    double FirstPageHeader(bool draw)
    {
        double y = 0;
        y = TextLine(draw, y, content_.Heading(), Font(TitleFontPt, true), 20);
        for (const QString& line : content_.shopAddress) y = TextLine(draw, y, line, Font(BodyFontPt), RowPt);
        y = TextLine(draw, y, QStringLiteral("Statement made ") + FormatShortDate(content_.made), Font(BodyFontPt),
                     RowPt);
        y += GapPt * pt_;
        y = TextLine(draw, y, content_.ConsignorName(), Font(BodyFontPt + 1, true), RowPt);
        for (const QString& line : content_.address) y = TextLine(draw, y, line, Font(BodyFontPt), RowPt);
        y += GapPt * pt_;
        y = TextLine(draw, y, content_.subject, Font(SubjectFontPt, true), 16);
        return y + GapPt * pt_;
    }

    double LaterPageHeader(bool draw)
    {
        const double y = TextLine(draw, 0, content_.ConsignorName() + QStringLiteral(", ") + content_.subject +
                                               QStringLiteral(" (continued)"),
                                  Font(BodyFontPt), RowPt);
        return y + GapPt * pt_;
    }

    QRectF Cell(std::size_t column, double y) const
    {
        return QRectF(columnX_[column] + (column == 0 ? 0 : 4 * pt_), y,
                      columnX_[column + 1] - columnX_[column] - 4 * pt_, RowPt * pt_);
    }

    static int RowsOf(const TableRow& row) { return std::max(1, int(row.description.size())); }

    // A description wrapped within its column, at word ends where it can; the
    // last row allowed is cut with "..." when more would follow.
    QStringList WrapDescription(const QString& description) const
    {
        const QFont font = Font(BodyFontPt);
        const double width = Cell(0, 0).width();
        QTextLayout layout(description, font, &writer_);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        QStringList rows;
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            if (rows.size() == DescriptionRowLimit - 1) {
                rows << QFontMetricsF(font, &writer_).elidedText(description.mid(line.textStart()).simplified(),
                                                                 Qt::ElideRight, width);
                break;
            }
            rows << description.mid(line.textStart(), line.textLength()).trimmed();
        }
        layout.endLayout();
        return rows;
    }

    // The four cells of a row: description and date left, money right.
    void Cells(double y, const std::array<QString, 4>& texts, const QFont& font)
    {
        painter_.setFont(font);
        const QFontMetricsF metrics(font, &writer_);
        for (std::size_t c = 0; c < texts.size(); ++c) {
            const QRectF cell = Cell(c, y);
            const Qt::Alignment align = (c >= 2 ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
            painter_.drawText(cell, align, metrics.elidedText(texts[c], Qt::ElideRight, cell.width()));
        }
    }

    double HeadingRow(double y)
    {
        Cells(y, {QStringLiteral("Description"), QStringLiteral("Date sold"), QStringLiteral("Sale price"),
                  QStringLiteral("Your share")},
              Font(BodyFontPt, true));
        y += RowPt * pt_ + 2 * pt_;
        painter_.drawLine(QPointF(0, y), QPointF(width_, y));
        return y + 2 * pt_;
    }

    static QString Money(const std::optional<MoneySum>& price) { return price ? price->Format() : QString(); }

    double Row(const TableRow& row, double y)
    {
        if (!row.line) {
            Cells(y, {QStringLiteral("Rent"), QString(), QString(), QString()}, Font(BodyFontPt, true));
        } else {
            const QString first = row.description.value(0);
            Cells(y, {first, row.line->dateSold, Money(row.line->salePrice), Money(row.line->share)}, Font(BodyFontPt));
            for (int r = 1; r < row.description.size(); ++r)
                Cells(y + r * RowPt * pt_, {row.description[r], QString(), QString(), QString()}, Font(BodyFontPt));
        }
        return y + RowsOf(row) * RowPt * pt_;
    }

    double TotalsHeight() const { return (3 * RowPt + 6) * pt_; }

    void Totals(double y)
    {
        y += 2 * pt_;
        painter_.drawLine(QPointF(0, y), QPointF(width_, y));
        y += 4 * pt_;
        Cells(y, {QStringLiteral("Total"), QString(), content_.totalSales.Format(), content_.totalShares.Format()},
              Font(BodyFontPt, true));
        y += RowPt * pt_;
        Cells(y, {QStringLiteral("Shop's part (sales minus shares)"), QString(), QString(), content_.shopPart.Format()},
              Font(BodyFontPt));
        y += RowPt * pt_;
        Cells(y, {content_.TotalLabel(), QString(), QString(), content_.totalShares.Format()}, Font(BodyFontPt, true));
    }

    void Footer(int page, int pageCount)
    {
        painter_.setFont(Font(BodyFontPt - 1));
        painter_.drawText(QRectF(0, height_ - RowPt * pt_, width_, RowPt * pt_), Qt::AlignRight | Qt::AlignVCenter,
                          QStringLiteral("Page %1 of %2").arg(page).arg(pageCount));
    }

    const StatementContent& content_;
    QPdfWriter& writer_;
    QPainter& painter_;
    const double pt_;
    const double width_;
    const double height_;
    std::array<double, 5> columnX_{};
};

}  // namespace

bool WriteStatementPdf(const StatementContent& content, QIODevice& device, const QPageSize& pageSize)
{
    QPdfWriter writer(&device);
    if (!SetUpPages(writer, pageSize, QMarginsF(MarginPt, MarginPt, MarginPt, MarginPt))) return false;
    NamePdf(writer, QStringLiteral("Statement for ") + content.ConsignorName());
    QPainter painter;
    if (!painter.begin(&writer)) return false;
    StatementPainter(content, writer, painter).Paint();
    return painter.end();
}

}  // namespace mqt
