// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/GridModel.h"

#include <QBrush>

namespace mqt {

GridModel::GridModel(QObject* parent) : QAbstractTableModel(parent) {}

void GridModel::SetRows(int rows)
{
    rows = std::max(rows, 1);
    if (rows == rows_) return;
    rows_ = rows;
    texts_.resize(std::size_t(rows_) * std::size_t(cols_));
    colours_.resize(std::size_t(rows_) * std::size_t(cols_), White);
    Changed(true);
}

void GridModel::SetCols(int cols)
{
    cols = std::max(cols, 0);
    if (cols == cols_) return;
    // Cells keep their row and column when the width changes.
    std::vector<QString> texts(std::size_t(rows_) * std::size_t(cols));
    std::vector<QRgb> colours(texts.size(), White);
    for (int r = 0; r < rows_; ++r)
        for (int c = 0; c < std::min(cols, cols_); ++c) {
            texts[std::size_t(r) * std::size_t(cols) + std::size_t(c)] = std::move(texts_[Index(r, c)]);
            colours[std::size_t(r) * std::size_t(cols) + std::size_t(c)] = colours_[Index(r, c)];
        }
    cols_ = cols;
    texts_.swap(texts);
    colours_.swap(colours);
    alignments_.resize(std::size_t(cols_), Qt::AlignLeft | Qt::AlignVCenter);
    Changed(true);
}

void GridModel::SetText(int row, int col, const QString& text)
{
    texts_[Index(row, col)] = text;
    Changed(false);
}

void GridModel::SetText(int row, int col, QString&& text)
{
    texts_[Index(row, col)] = std::move(text);
    Changed(false);
}

void GridModel::SetBackColor(int row, int col, QRgb colour)
{
    colours_[Index(row, col)] = colour;
    Changed(false);
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
    if (shapeChanged_ || publishedRows_ != rows_ - 1 || publishedCols_ != cols_) {
        shapeChanged_ = false;
        beginResetModel();
        publishedRows_ = rows_ - 1;
        publishedCols_ = cols_;
        endResetModel();
        return;
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
