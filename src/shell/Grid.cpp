// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/Grid.h"

#include "shell/Twips.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QScrollBar>
#include <QStringList>
#include <QToolTip>
#include <cmath>

namespace mqt {

Grid::Grid(QWidget* parent) : QTableView(parent), model_(new GridModel(this))
{
    setModel(model_);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setHighlightSections(false);

    connect(this, &QTableView::clicked, this,
            [this](const QModelIndex& index) { CellClicked(index.row() + 1, index.column()); });
    connect(this, &QTableView::doubleClicked, this, [this](const QModelIndex&) { emit DblClick(); });
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int col) { CellClicked(0, col); });
    connect(horizontalHeader(), &QHeaderView::sectionDoubleClicked, this, [this](int) { emit DblClick(); });
    horizontalHeader()->viewport()->installEventFilter(this);
    // A column the user drags keeps its new width.
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int col, int, int pixels) {
        if (!restoringWidths_ && col < int(columnPixels_.size())) columnPixels_[std::size_t(col)] = pixels;
    });
    // Replacing the rows makes the view forget its widths; they are applied
    // again, as are widths set before the view knew the columns.
    connect(model_, &QAbstractItemModel::modelAboutToBeReset, this, [this] { restoringWidths_ = true; });
    connect(model_, &QAbstractItemModel::modelReset, this, [this] {
        for (int c = 0; c < model_->columnCount() && c < int(columnPixels_.size()); ++c)
            setColumnWidth(c, columnPixels_[std::size_t(c)]);
        restoringWidths_ = false;
    });
}

void Grid::SetFormatString(const QString& format)
{
    const QStringList headings = format.split(u'|');
    model_->SetCols(int(headings.size()));
    for (int c = 0; c < headings.size(); ++c) {
        QString heading = headings[c];
        Qt::Alignment alignment = Qt::AlignLeft;
        if (heading.startsWith(u'<')) heading.remove(0, 1);
        else if (heading.startsWith(u'>')) { alignment = Qt::AlignRight; heading.remove(0, 1); }
        else if (heading.startsWith(u'^')) { alignment = Qt::AlignHCenter; heading.remove(0, 1); }
        model_->SetColumnAlignment(c, alignment | Qt::AlignVCenter);
        model_->SetText(0, c, heading);
    }
    columnPixels_.resize(std::size_t(headings.size()));
    for (int c = 0; c < headings.size(); ++c)
        columnPixels_[std::size_t(c)] = fontMetrics().horizontalAdvance(headings[c].mid(1)) + 8;
    Publish();
    // Never narrower than the heading as the header draws it.
    for (int c = 0; c < headings.size(); ++c) {
        columnPixels_[std::size_t(c)] = std::max(columnPixels_[std::size_t(c)], HeadingWidth(c));
        ApplyColumnWidth(c);
    }
}

void Grid::SetRows(int rows)
{
    model_->SetRows(rows);
    row_ = std::min(row_, model_->Rows() - 1);
}

void Grid::SetCols(int cols)
{
    model_->SetCols(cols);
    col_ = std::min(col_, std::max(model_->Cols() - 1, 0));
}

void Grid::SetRow(int row) { row_ = std::clamp(row, 0, model_->Rows() - 1); }

void Grid::SetCol(int col) { col_ = std::clamp(col, 0, std::max(model_->Cols() - 1, 0)); }

void Grid::PaintRow(int row, QRgb colour)
{
    for (int col = 0; col < model_->Cols(); ++col) model_->SetBackColor(row, col, colour);
}

void Grid::SetColWidth(int col, int twips)
{
    if (col < 0 || col >= int(columnPixels_.size())) return;
    columnPixels_[std::size_t(col)] = std::max(TwipsToPixels(twips), HeadingWidth(col));
    ApplyColumnWidth(col);
}

void Grid::FitColumnsToRow(int row)
{
    for (int col = 0; col < model_->Cols(); ++col) FitColumnToText(col, model_->Text(row, col));
}

void Grid::FitColumnToText(int col, const QString& text)
{
    if (col < 0 || col >= int(columnPixels_.size()) || text.isEmpty()) return;
    const int needed = NeededWidth(text);
    if (needed <= columnPixels_[std::size_t(col)]) return;
    columnPixels_[std::size_t(col)] = needed;
    ApplyColumnWidth(col);
}

void Grid::SetMinimumToShow(int rows)
{
    int width = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
    for (int pixels : columnPixels_) width += pixels;
    setMinimumSize(width, horizontalHeader()->sizeHint().height() + rows * verticalHeader()->defaultSectionSize());
}

QString Grid::CutText(int row, int col) const
{
    if (row < 0 || row >= model_->Rows() || col < 0 || col >= model_->Cols()) return {};
    if (row == 0) {
        const QString heading = model_->Text(0, col).trimmed();
        return horizontalHeader()->sectionSize(col) < HeadingWidth(col) ? heading : QString();
    }
    const QString& text = model_->Text(row, col);
    return !text.isEmpty() && CellTextWidth(text) > columnWidth(col) ? text : QString();
}

void Grid::ApplyColumnWidth(int col)
{
    if (col < model_->columnCount()) setColumnWidth(col, columnPixels_[std::size_t(col)]);
}

// The heading's width as the header draws it, with its margins.
int Grid::HeadingWidth(int col) const
{
    if (col < model_->columnCount()) return horizontalHeader()->sectionSizeHint(col);
    return CellTextWidth(model_->Text(0, col).trimmed());
}

// The width a cell needs to show the text whole: the style's text margin on
// either side and the grid line.
int Grid::CellTextWidth(const QString& text) const
{
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    return fontMetrics().horizontalAdvance(text) + 2 * margin + (showGrid() ? 1 : 0);
}

// A report may fit a million subtotal rows, so a Latin-1 text is not laid
// out: the sum of its characters' advances, with two pixels for kerning, is
// at least its laid-out width. Other text is laid out.
int Grid::NeededWidth(const QString& text) const
{
    qreal advances = 0;
    for (const QChar c : text) {
        if (c.unicode() > 0xFF) return CellTextWidth(text);
        qreal& advance = latinAdvance_[c.unicode()];
        if (advance < 0) advance = QFontMetricsF(font()).horizontalAdvance(c);
        advances += advance;
    }
    constexpr int KerningAllowance = 2;
    return CellTextWidth(QString()) + int(std::ceil(advances)) + KerningAllowance;
}

QString Grid::ToolTipText(int row, int col) const
{
    QStringList parts;
    if (const QString cut = CutText(row, col); !cut.isEmpty()) parts << cut;
    if (row >= 1 && cellNote_)
        if (const QString note = cellNote_(row, col); !note.isEmpty()) parts << note;
    return parts.join(u'\n');
}

// A cell's tooltip shows only where the column cuts its text or the screen
// has a note for it.
bool Grid::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QModelIndex index = indexAt(help->pos());
        const QString text = index.isValid() ? ToolTipText(index.row() + 1, index.column()) : QString();
        if (text.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), text, viewport(), visualRect(index));
        }
        return true;
    }
    return QTableView::viewportEvent(event);
}

bool Grid::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == horizontalHeader()->viewport() && event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QString cut = CutText(0, horizontalHeader()->logicalIndexAt(help->pos()));
        if (cut.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), cut, horizontalHeader());
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

void Grid::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange) latinAdvance_.fill(-1);
    QTableView::changeEvent(event);
}

void Grid::CellClicked(int row, int col)
{
    if (row >= model_->Rows() || col >= model_->Cols()) return;
    row_ = row;
    col_ = col;
    emit Click();
}

QPoint Grid::CellCentre(int row, int col)
{
    Publish();
    if (row == 0) {
        const QHeaderView* header = horizontalHeader();
        return QPoint(header->sectionViewportPosition(col) + header->sectionSize(col) / 2, header->height() / 2);
    }
    scrollTo(model_->index(row - 1, col));
    return visualRect(model_->index(row - 1, col)).center();
}

QWidget* Grid::ClickTarget(int row) { return row == 0 ? horizontalHeader()->viewport() : viewport(); }

}  // namespace mqt
