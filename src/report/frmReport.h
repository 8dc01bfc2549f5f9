// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "report/PrintFile.h"
#include "report/ReportRows.h"

#include <QWidget>
#include <array>
#include <memory>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace mqt {

class Grid;
class ScreenNavigator;
class SharedValues;

// The item report: every item of every consignor in one grid, sorted by the
// column last clicked, narrowed by the selection box above each column and
// by the advanced search, grouped by the sort column with a subtotal row per
// group (Summary: the subtotal rows only), and closed by a total row. A run
// may also go to a print file in the program folder. "Item" opens the item of
// the current detail row on the item screen.
class frmReport final : public QWidget {
    Q_OBJECT
public:
    frmReport(SharedValues& shared, ScreenNavigator& navigator);

private:
    static constexpr int SelectionCount = 11;

    // Building the window (frmReportLayout.cpp).
    QWidget* BuildHead();
    QWidget* BuildSelectionRow();
    QWidget* BuildGrid();
    void Connect();
    // Runs an event routine; a failure in it is shown in the error box.
    void Handle(void (frmReport::*routine)());

    // The report (frmReport.cpp).
    void Form_Load();
    void cmdShow_Click();
    void Grid_Click();
    void Grid_DblClick();
    void cmdItem_Click();
    void cmdMenu_Click();
    void AddRow(ReportRowKind kind, ReportCells& cells);
    void ClearGrid();
    void PaintCurrentRow(QRgb colour);
    void ShowError(const QString& message);

    // The print file (frmReportPrint.cpp).
    void StartPrintFile();
    void PrintGridRow(const ReportCells& cells);
    void EndPrintFile();

    SharedValues& shared_;
    ScreenNavigator& navigator_;

    QPushButton* cmdMenu_ = nullptr;
    QPushButton* cmdItem_ = nullptr;
    QPushButton* cmdShow_ = nullptr;
    QCheckBox* chkSummary_ = nullptr;
    QCheckBox* chkTotals_ = nullptr;
    QCheckBox* chkPrint_ = nullptr;
    QLineEdit* txtSearch_ = nullptr;
    std::array<QLineEdit*, SelectionCount> txtSelect_{};
    Grid* Grid_ = nullptr;

    QString ReportQuery_;
    int SortColumn_ = 0;
    QRgb RowColour_ = 0;
    std::unique_ptr<PrintFile> printFile_;  // open during a run that prints
};

}  // namespace mqt
