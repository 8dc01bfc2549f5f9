// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/Grid.h"

#include "shell/Twips.h"

#include <QHeaderView>
#include <QStringList>

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
    // Column widths set before the view knew the columns are applied afterwards.
    connect(model_, &QAbstractItemModel::modelReset, this, [this] {
        for (int c = 0; c < model_->columnCount() && c < int(columnPixels_.size()); ++c)
            setColumnWidth(c, columnPixels_[std::size_t(c)]);
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
    columnPixels_[std::size_t(col)] = TwipsToPixels(twips);
    if (col < model_->columnCount()) setColumnWidth(col, columnPixels_[std::size_t(col)]);
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
