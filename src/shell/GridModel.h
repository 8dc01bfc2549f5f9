// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QStringList>
#include <vector>

namespace mqt {

// The cells of a grid: texts and background colours in plain row-major arrays,
// with row 0 as the heading row. Changes are cheap; the view learns of them
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

    const QString& Text(int row, int col) const { return texts_[Index(row, col)]; }
    void SetText(int row, int col, const QString& text);
    void SetText(int row, int col, QString&& text);
    QRgb BackColor(int row, int col) const { return colours_[Index(row, col)]; }
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
    std::size_t Index(int row, int col) const { return std::size_t(row) * std::size_t(cols_) + std::size_t(col); }
    void Changed(bool shape);

    int rows_ = 1;
    int cols_ = 0;
    std::vector<QString> texts_;
    std::vector<QRgb> colours_;
    std::vector<Qt::Alignment> alignments_;
    // What the view has been told.
    int publishedRows_ = 0;
    int publishedCols_ = 0;
    bool shapeChanged_ = false;
    bool publishPending_ = false;
};

}  // namespace mqt
