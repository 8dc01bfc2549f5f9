// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/GridModel.h"

#include <QBrush>
#include <algorithm>

namespace mqt {

GridModel::GridModel(QObject* parent) : QAbstractTableModel(parent)
{
    cells_.Resize(rows_, cols_);
    rowColours_.assign(std::size_t(rows_), White);
}

void GridModel::SetRows(int rows)
{
    rows = std::max(rows, 1);
    if (rows == rows_) return;
    // Rows added at the end reach the view as inserted rows; rows taken away
    // make it start afresh.
    const bool cut = rows < rows_;
    rows_ = rows;
    cells_.Resize(rows_, cols_);
    rowColours_.resize(std::size_t(rows_), White);
    std::erase_if(cellColours_, [rows](const auto& mixed) { return mixed.first >= rows; });
    Changed(cut);
}

void GridModel::SetCols(int cols)
{
    cols = std::max(cols, 0);
    if (cols == cols_) return;
    // Cells keep their row and column when the width changes; new cells are white.
    cells_.Resize(rows_, cols);
    for (auto& [row, colours] : cellColours_) colours.resize(std::size_t(cols), White);
    if (cols > cols_)
        for (int r = 0; r < rows_; ++r) {
            const QRgb colour = rowColours_[std::size_t(r)];
            if (colour == White || cellColours_.contains(r)) continue;
            std::vector<QRgb>& colours = cellColours_[r];
            colours.assign(std::size_t(cols), White);
            std::fill_n(colours.begin(), cols_, colour);
        }
    cols_ = cols;
    alignments_.resize(std::size_t(cols_), Qt::AlignLeft | Qt::AlignVCenter);
    Changed(true);
}

void GridModel::SetText(int row, int col, const QString& text)
{
    cells_.SetText(row, col, QString(text));
    Changed(false);
}

void GridModel::SetText(int row, int col, QString&& text)
{
    cells_.SetText(row, col, std::move(text));
    Changed(false);
}

QRgb GridModel::BackColor(int row, int col) const
{
    const auto mixed = cellColours_.find(row);
    return mixed == cellColours_.end() ? rowColours_[std::size_t(row)] : mixed->second[std::size_t(col)];
}

void GridModel::SetBackColor(int row, int col, QRgb colour)
{
    Changed(false);
    QRgb& rowColour = rowColours_[std::size_t(row)];
    auto mixed = cellColours_.find(row);
    if (mixed == cellColours_.end()) {
        if (colour == rowColour) return;
        if (cols_ == 1) {
            rowColour = colour;
            return;
        }
        mixed = cellColours_.emplace(row, std::vector<QRgb>(std::size_t(cols_), rowColour)).first;
    }
    std::vector<QRgb>& colours = mixed->second;
    colours[std::size_t(col)] = colour;
    // A row painted cell by cell is one colour again once its last cell is.
    if (std::all_of(colours.begin(), colours.end(), [colour](QRgb cell) { return cell == colour; })) {
        rowColour = colour;
        cellColours_.erase(mixed);
    }
}

void GridModel::SetColumnAlignment(int col, Qt::Alignment alignment)
{
    alignments_[std::size_t(col)] = alignment;
    Changed(false);
}

void GridModel::Changed(bool shape)
{
    shapeChanged_ = shapeChanged_ || shape;
    if (publishPending_) return;
    publishPending_ = true;
    QMetaObject::invokeMethod(this, &GridModel::Publish, Qt::QueuedConnection);
}

void GridModel::Publish()
{
    if (!publishPending_) return;
    publishPending_ = false;
    if (shapeChanged_ || publishedRows_ > rows_ - 1 || publishedCols_ != cols_) {
        shapeChanged_ = false;
        beginResetModel();
        publishedRows_ = rows_ - 1;
        publishedCols_ = cols_;
        endResetModel();
        return;
    }
    // A long list grows while it is filled; a reset each time would make the
    // view measure all its rows again.
    if (publishedRows_ < rows_ - 1) {
        beginInsertRows({}, publishedRows_, rows_ - 2);
        publishedRows_ = rows_ - 1;
        endInsertRows();
    }
    if (publishedRows_ > 0 && publishedCols_ > 0)
        emit dataChanged(index(0, 0), index(publishedRows_ - 1, publishedCols_ - 1));
    emit headerDataChanged(Qt::Horizontal, 0, std::max(publishedCols_ - 1, 0));
}

int GridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : publishedRows_; }

int GridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : publishedCols_; }

QVariant GridModel::data(const QModelIndex& index, int role) const
{
    const int row = index.row() + 1;
    const int col = index.column();
    if (!index.isValid() || row >= rows_ || col >= cols_) return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:  // the grid shows it only where the column cuts the text
        return Text(row, col);
    case Qt::BackgroundRole:
        return QBrush(QColor::fromRgb(BackColor(row, col)));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(ColumnAlignment(col));
    default:
        return {};
    }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= cols_) return {};
    switch (role) {
    case Qt::DisplayRole:
        return Text(0, section).trimmed();
    case Qt::BackgroundRole:
        // A heading left white is drawn as the style draws headings.
        if (BackColor(0, section) == White) return {};
        return QBrush(QColor::fromRgb(BackColor(0, section)));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(ColumnAlignment(section));
    default:
        return {};
    }
}

}  // namespace mqt
