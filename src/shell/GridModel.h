// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/GridCells.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QStringList>
#include <unordered_map>
#include <vector>

namespace mqt {

// The cells of a grid, with row 0 as the heading row: the texts encoded a row
// at a time (see GridCells), and one background colour per row, with the
// colours of each cell only for rows whose cells differ. Changes are cheap;
// the view learns of them
// once, when control returns to the event loop (or on Publish), so filling a
// hundred thousand rows costs no per-cell notification.
class GridModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr QRgb White = 0xFFFFFFFF;

    explicit GridModel(QObject* parent = nullptr);

    int Rows() const { return rows_; }
    int Cols() const { return cols_; }
    // Setting fewer rows drops those below; more rows are appended empty and
    // white; the rows above keep their contents. Row 0 always stays.
    void SetRows(int rows);
    void SetCols(int cols);

    QString Text(int row, int col) const { return cells_.Text(row, col); }
    void SetText(int row, int col, const QString& text);
    void SetText(int row, int col, QString&& text);
    QRgb BackColor(int row, int col) const;
    void SetBackColor(int row, int col, QRgb colour);
    Qt::Alignment ColumnAlignment(int col) const { return alignments_[std::size_t(col)]; }
    void SetColumnAlignment(int col, Qt::Alignment alignment);

    // Tells the view about every change made since the last time.
    void Publish();

    // The view sees the item rows 1.. as its rows 0..; row 0 is its header.
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    void Changed(bool shape);

    int rows_ = 1;
    int cols_ = 0;
    GridCells cells_;
    std::vector<QRgb> rowColours_;
    std::unordered_map<int, std::vector<QRgb>> cellColours_;  // rows whose cells differ
    std::vector<Qt::Alignment> alignments_;
    // What the view has been told.
    int publishedRows_ = 0;
    int publishedCols_ = 0;
    bool shapeChanged_ = false;
    bool publishPending_ = false;
};

}  // namespace mqt
