// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/GridModel.h"

#include <QTableView>
#include <array>
#include <functional>

namespace mqt {

// Row colours of the list screens.
inline constexpr QRgb RowWhite = qRgb(255, 255, 255);
inline constexpr QRgb RowYellow = qRgb(255, 255, 0);   // the selected row
inline constexpr QRgb RowPaleRed = qRgb(255, 192, 192);  // heading and totals rows

// The list control of the consignor, item and report screens: cells in rows
// and columns with row 0 as the one fixed heading row, a current cell that
// text and colour reads and writes act on, and click and double-click events.
class Grid final : public QTableView {
    Q_OBJECT
public:
    explicit Grid(QWidget* parent = nullptr);

    // Headings separated by "|", each preceded by "<" (left), ">" (right) or
    // "^" (centred); the blanks that pad a heading give its initial width.
    void SetFormatString(const QString& format);

    int Rows() const { return model_->Rows(); }
    void SetRows(int rows);
    int Cols() const { return model_->Cols(); }
    void SetCols(int cols);
    int Row() const { return row_; }
    void SetRow(int row);
    int Col() const { return col_; }
    void SetCol(int col);

    // The current cell's text and background colour.
    QString Text() const { return model_->Text(row_, col_); }
    void SetText(const QString& text) { model_->SetText(row_, col_, text); }
    QRgb CellBackColor() const { return model_->BackColor(row_, col_); }
    void SetCellBackColor(QRgb colour) { model_->SetBackColor(row_, col_, colour); }

    // Any cell, without moving the current cell.
    QString TextMatrix(int row, int col) const { return model_->Text(row, col); }
    void SetTextMatrix(int row, int col, const QString& text) { model_->SetText(row, col, text); }
    void SetTextMatrix(int row, int col, QString&& text) { model_->SetText(row, col, std::move(text)); }

    // Paints every cell of the row, without moving the current cell.
    void PaintRow(int row, QRgb colour);

    // A column's designed width; it is never narrower than its heading.
    void SetColWidth(int col, int twips);
    // Widens each column that the row's text does not fit, measured with
    // the grid's font. Columns never narrow by it.
    void FitColumnsToRow(int row);
    void FitColumnToText(int col, const QString& text);
    // The smallest size that shows every column whole and the given number
    // of rows below the heading.
    void SetMinimumToShow(int rows);
    // The cell's whole text where its column cuts it; empty where it shows
    // whole. Row 0 is the heading.
    QString CutText(int row, int col) const;
    // A note a screen adds to a cell's tooltip, asked for when the pointer
    // rests on the cell (row 1 up); empty for none.
    using CellNote = std::function<QString(int row, int col)>;
    void SetCellNote(CellNote note) { cellNote_ = std::move(note); }
    // What the cell's tooltip shows: its cut text, then the screen's note;
    // empty when there is neither.
    QString ToolTipText(int row, int col) const;

    // Shows every change made so far at once (otherwise done when control
    // returns to the event loop).
    void Publish() { model_->Publish(); }

    // Where a cell is drawn, for a click on it. Row 0 is the heading.
    QPoint CellCentre(int row, int col);
    QWidget* ClickTarget(int row);

protected:
    bool viewportEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

signals:
    // A cell was clicked; it is the current cell when this is raised.
    void Click();
    void DblClick();

private:
    void CellClicked(int row, int col);
    void ApplyColumnWidth(int col);
    int HeadingWidth(int col) const;
    int CellTextWidth(const QString& text) const;
    // At least the width a cell needs to show the text whole.
    int NeededWidth(const QString& text) const;

    GridModel* model_;
    CellNote cellNote_;
    // Each column's width: designed, widened to fit, or dragged by the user.
    // The view forgets its widths whenever the rows are replaced.
    std::vector<int> columnPixels_;
    bool restoringWidths_ = false;
    // Advances of the Latin-1 characters in the grid's font, -1 until measured.
    mutable std::array<qreal, 256> latinAdvance_ = UnmeasuredAdvances();
    static constexpr std::array<qreal, 256> UnmeasuredAdvances()
    {
        std::array<qreal, 256> advances{};
        advances.fill(-1);
        return advances;
    }
    int row_ = 0;
    int col_ = 0;
};

}  // namespace mqt
