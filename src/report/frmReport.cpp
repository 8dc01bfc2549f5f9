// SPDX-License-Identifier: GPL-3.0-or-later
// The report run, the choice of sort column, and the hand-over to the item screen.

#include "report/frmReport.h"

#include "common/Clock.h"
#include "common/Dialogs.h"
#include "report/ReportHints.h"
#include "search/AdvancedSearch.h"
#include "search/CriteriaEscapes.h"
#include "search/CriteriaFromSelections.h"
#include "report/ReportReadAhead.h"
#include "search/RecordMatchesCriteria.h"
#include "report/ReportProgress.h"
#include "shell/Grid.h"
#include "shell/ItemScreen.h"
#include "shell/ScreenNavigator.h"
#include "shell/SharedValues.h"
#include "shell/Twips.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QScopeGuard>

namespace mqt {

namespace {

constexpr QRgb LightRed = qRgb(255, 192, 192);

// What the advanced search reads of a record: the names, the description and
// the two categories, each followed by a comma.
QString SearchedText(const ItemColumnValues& values)
{
    QString text;
    for (int column = ItemColumn::LastName; column <= ItemColumn::Subcategory; ++column)
        text += values[std::size_t(column)] + u',';
    return text;
}

}  // namespace

void frmReport::Form_Load()
{
    SetReportHints(*this);
    Grid_->SetRow(0);
    Grid_->SetRows(1);
    Grid_->SetRows(20);
    move(TwipsToPixels(1200), TwipsToPixels(1200));
    txtSelect_[0]->setFocus();
    Grid_->SetCol(ReportGridColumn(ItemColumn::LastName));
    Grid_Click();
}

void frmReport::Grid_Click()
{
    SortColumn_ = SortColumnFor(Grid_->Col(), shared_.ItemColumns);
    ReportQuery_ = ReportQuery(SortColumn_, shared_.ItemColumns);
}

void frmReport::Grid_DblClick()
{
    Grid_Click();
    cmdShow_Click();
}

void frmReport::cmdShow_Click()
{
    // The advanced search is read once; one that cannot be read lists nothing.
    const AdvancedSearch search(txtSearch_->text());
    if (!search.Problem().isEmpty()) {
        ClearGrid();
        ShowError(search.Problem());
        return;
    }

    if (chkPrint_->isChecked()) StartPrintFile();
    // A run that fails half-way drops its print file, and no file is left.
    const auto dropPrintFile = qScopeGuard([this] { printFile_.reset(); });
    RowColour_ = palette().color(QPalette::Button).rgb();

    QStringList selections;
    for (const QLineEdit* box : txtSelect_) selections << box->text();
    QString selected = CriteriaFromSelections(selections, shared_.ItemColumns, shared_.clock.Today());
    const CriteriaFilter criteria(selected, shared_.ItemColumns.ColumnTypes, shared_.clock.Today());

    const ReportOptions options{SortColumn_, chkSummary_->isChecked(), chkTotals_->isChecked()};
    ReportRows rows(options, shared_.ItemColumns, shared_.clock.Today(),
                    [this](ReportRowKind kind, ReportCells& cells) { AddRow(kind, cells); });

    ReportProgress progress(this);
    std::int64_t done = 0;
    shared_.Data3.RecordSource(ReportQuery_);
    {
        ReportReadAhead records(shared_.Data3, shared_.ItemColumns);
        // The record buffer: the criteria read it, and the detail row is
        // made from it.
        ItemColumnValues record;
        // The last run's rows stay until the server has answered this one.
        bool more = records.Next(record);
        ClearGrid();
        for (; more; more = records.Next(record)) {
            progress.Step(++done);
            if (!criteria.Matches(record)) continue;
            if (!search.MatchesEverything() && !search.Matches(SearchedText(record))) continue;
            rows.Add(record);
        }
    }
    rows.Finish();
    if (printFile_) EndPrintFile();
}

// The grid's current row moves down by one, the grid growing by 5 rows when
// it comes near its end; then the row is filled, coloured and printed.
void frmReport::AddRow(ReportRowKind kind, ReportCells& cells)
{
    const int row = Grid_->Row() + 1;
    Grid_->SetRow(row);
    if (row > Grid_->Rows() - 3) Grid_->SetRows(Grid_->Rows() + 5);
    if (printFile_) PrintGridRow(cells);  // the row as the grid will show it
    for (int col = 0; col < ReportGridColumns; ++col)
        Grid_->SetTextMatrix(row, col, std::move(cells[std::size_t(col)]));
    if (kind == ReportRowKind::Detail) return;
    // Subtotals and totals are never cut off.
    Grid_->FitColumnsToRow(row);
    if (kind == ReportRowKind::Subtotal) PaintCurrentRow(RowColour_);
    if (kind == ReportRowKind::Total) {
        RowColour_ = LightRed;
        PaintCurrentRow(RowColour_);
    }
}

// The heading row and 14 empty rows; the next row added is row 1.
void frmReport::ClearGrid()
{
    Grid_->SetRows(1);
    Grid_->SetRows(15);
    Grid_->SetRow(0);
}

void frmReport::PaintCurrentRow(QRgb colour)
{
    for (int col = 0; col < Grid_->Cols(); ++col) {
        Grid_->SetCol(col);
        Grid_->SetCellBackColor(colour);
    }
}

// Opens the item of the current detail row on the item screen: its
// consignor's items, narrowed to the items of exactly that description.
void frmReport::cmdItem_Click()
{
    const int row = Grid_->Row();
    if (row < 1) return;  // the heading row names no item
    shared_.CurrentLastName = Grid_->TextMatrix(row, ReportGridColumn(ItemColumn::LastName));
    shared_.CurrentFirstName = Grid_->TextMatrix(row, ReportGridColumn(ItemColumn::FirstName));
    shared_.CurrentItemDesc = Grid_->TextMatrix(row, ReportGridColumn(ItemColumn::ItemDesc));
    if (shared_.CurrentLastName.isEmpty() || shared_.CurrentFirstName.isEmpty() || shared_.CurrentItemDesc.isEmpty())
        return;

    shared_.CallerMode = QStringLiteral("Report");
    auto* items = dynamic_cast<ItemScreen*>(navigator_.ShowScreen(Screen::Item));
    if (!items) {
        shared_.CallerMode.clear();  // nobody to hand over to
        return;
    }
    items->ShowItemsFor(shared_.CurrentLastName, shared_.CurrentFirstName,
                        QString::number(ItemColumn::ItemDesc) + QStringLiteral(".EQ.") +
                            ExactCriteriaValue(shared_.CurrentItemDesc));
    if (auto* window = dynamic_cast<QWidget*>(items)) window->activateWindow();
}

void frmReport::cmdMenu_Click() { navigator_.ShowMenu(); }

void frmReport::ShowError(const QString& message) { shared_.dialogs.ShowError(message); }

}  // namespace mqt
