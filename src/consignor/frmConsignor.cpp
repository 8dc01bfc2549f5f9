// SPDX-License-Identifier: GPL-3.0-or-later
// Searching, listing and selecting consignors, and the choice of action.

#include "consignor/frmConsignor.h"

#include "consignor/ConsignorQueries.h"
#include "consignor/ConsignorHints.h"
#include "consignor/ConsignorTerms.h"
#include "shell/ClickableLineEdit.h"
#include "shell/Grid.h"
#include "shell/ItemScreen.h"
#include "shell/MessageLine.h"
#include "shell/OptionGroup.h"
#include "shell/ScreenNavigator.h"
#include "shell/SharedValues.h"
#include "shell/Twips.h"
#include "store/SqlDialect.h"
#include "store/StoreError.h"

#include <QButtonGroup>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace mqt {

namespace {

// Names compare as the database compares them, without regard to case.
bool SameName(const QString& a, const QString& b) { return FoldCase(a) == FoldCase(b); }

}  // namespace

void frmConsignor::Form_Load()
{
    SetConsignorHints(*this);
    Grid_->SetRow(0);
    move(TwipsToPixels(600), TwipsToPixels(600));
    txtShowLastName_->setFocus();
    HideTexts();
    cmdUpdate_->hide();
    Grid_->SetCol(0);
}

void frmConsignor::ChooseConsignorForItems(const QString& lastName, const QString& firstName)
{
    shared_.CallerMode = QStringLiteral("Item");
    txtShowLastName_->setText(lastName);
    txtShowFirstName_->setText(firstName);
    // Set without running the action: the selection it would act on is
    // about to be replaced by the new list.
    optAction_[std::size_t(Action::ShowItems)]->setChecked(true);
    cmdShow_Click();
}

void frmConsignor::cmdShow_Click()
{
    lblMessage_->clear();
    ShowLines();
}

void frmConsignor::ShowLines()
{
    // Read before anything on the screen changes: a failed read leaves the
    // list, the action and the boxes as they were.
    FormQuery_ = SearchConsignors(txtShowLastName_->text(), txtShowFirstName_->text());
    Recordset& consignors = shared_.Data2.Query(FormQuery_);
    Grid_->SetRow(0);
    Grid_->SetRows(1);
    Grid_->SetRows(10);
    SelectedRow_ = 0;
    LineCount_ = 0;
    // A screen that handed over keeps the action it chose.
    if (shared_.CallerMode.isEmpty()) SetActionsOff();
    shared_.CallerMode.clear();
    cmdUpdate_->hide();
    HideTexts();

    for (int row = 1; !consignors.Eof(); consignors.MoveNext(), ++row) {
        // One empty row always stays below the last consignor.
        if (row > Grid_->Rows() - 2) Grid_->SetRows(Grid_->Rows() + 1);
        Grid_->SetRow(row);
        GetData();
        for (int col = 0; col < GridColumnCount; ++col) Grid_->SetTextMatrix(row, col, RecordBuffer_[std::size_t(col)]);
    }
    LineCount_ = int(consignors.RecordCount());
    lblCount_->setText(QString::number(LineCount_));

    if (LineCount_ == 1) {
        Grid_->SetRow(1);
        Grid_Click();
    }
}

void frmConsignor::GetData() { RecordBuffer_ = ReadConsignor(shared_.Data2.Recordset()); }

void frmConsignor::Grid_Click()
{
    FlipGridColor();
    if (SelectedRow_ > LineCount_ || SelectedRow_ < 1) {
        SelectedRow_ = 0;
        shared_.CurrentLastName.clear();
        shared_.CurrentFirstName.clear();
    } else {
        shared_.CurrentLastName = Grid_->TextMatrix(SelectedRow_, ConsignorField::LastName);
        shared_.CurrentFirstName = Grid_->TextMatrix(SelectedRow_, ConsignorField::FirstName);
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->clear();
        clipboard->setText(Grid_->TextMatrix(SelectedRow_, ConsignorField::Email));
        // Selecting a consignor cancels an add in progress.
        if (ChosenAction() == Action::Add) {
            SetActionsOff();
            HideTexts();
            cmdUpdate_->hide();
        }
    }
    ExecAction();
}

// Moves the highlight from the selected row to the grid's current row, which
// becomes the selected row.
void frmConsignor::FlipGridColor()
{
    if (SelectedRow_ >= Grid_->Rows()) return;
    const int row = Grid_->Row();
    if (SelectedRow_ >= 1) Grid_->PaintRow(SelectedRow_, RowWhite);
    SelectedRow_ = row;
    if (row >= 1 && row <= LineCount_) Grid_->PaintRow(row, RowYellow);
    Grid_->SetRow(row);
}

void frmConsignor::ExecAction()
{
    const Action action = ChosenAction();
    // Change, Delete and Show Items wait until a consignor is selected.
    if (SelectedRow_ == 0 && action != Action::Add) return;
    if (action == Action::Change || action == Action::Delete) OpenedVersion_ = SelectCurrentConsignor().Version();
    switch (action) {
    case Action::Add:
        PrepareAdd();
        break;
    case Action::Change:
        PrepareChange();
        break;
    case Action::Delete:
        cmdUpdate_->hide();
        cmdUpdate_->setText(QString());
        DeleteConsignor();
        break;
    case Action::ShowItems:
        ShowItems();
        break;
    case Action::None:
        break;
    }
}

void frmConsignor::PrepareAdd()
{
    cmdUpdate_->setText(QStringLiteral("Add"));
    cmdUpdate_->show();
    Grid_->SetRow(0);
    if (SelectedRow_ > 0) {
        FlipGridColor();  // removes the highlight
        SelectedRow_ = 0;
    }
    BlankTexts();
    txtEntry_[ConsignorField::LastName]->setFocus();
}

void frmConsignor::PrepareChange()
{
    cmdUpdate_->setText(QStringLiteral("Change"));
    cmdUpdate_->show();
    GetData();
    BlankTexts();
    FillEntry(RecordBuffer_);
    cboConsignorTerms_->setCurrentIndex(
        ConsignorTermsChoice(shared_.Data2.Recordset().Fields(QStringLiteral("EndOfTerm")).Text()));
}

// Lists the selected consignor's items on the item screen.
void frmConsignor::ShowItems()
{
    shared_.CallerMode = QStringLiteral("Consignor");
    if (auto* items = dynamic_cast<ItemScreen*>(navigator_.ShowScreen(Screen::Item)))
        items->ShowItemsFor(shared_.CurrentLastName, shared_.CurrentFirstName);
}

void frmConsignor::BlankTexts()
{
    entry_->Blank();
    cboConsignorTerms_->setCurrentIndex(0);
    cboConsignorTerms_->show();
}

void frmConsignor::HideTexts()
{
    entry_->Hide();
    cboConsignorTerms_->hide();
}

void frmConsignor::WriteConsignorTerms(Recordset& consignors) const
{
    consignors.Fields(QStringLiteral("EndOfTerm")).SetValue(ConsignorTermsCode(cboConsignorTerms_->currentIndex()));
}

void frmConsignor::txtShowLastName_Click() { txtShowLastName_->clear(); }

void frmConsignor::cmdMenu_Click() { navigator_.ShowMenu(); }

frmConsignor::Action frmConsignor::ChosenAction() const { return Action(actions_->checkedId()); }

void frmConsignor::SetActionsOff() { SetOptionsOff(*actions_); }

ConsignorRecord frmConsignor::EntryTexts() const { return entry_->Texts<ConsignorField::Count>(); }

void frmConsignor::FillEntry(const ConsignorRecord& record) { entry_->Fill(record); }

// Makes the current consignor the current record of Data2 again, so that a
// query another screen ran in between cannot send a change to another row.
// The lookup trims the names, so the record found must also carry them.
Recordset& frmConsignor::SelectCurrentConsignor()
{
    FormQuery_ = SelectConsignor(shared_.CurrentLastName, shared_.CurrentFirstName);
    Recordset& found = shared_.Data2.Query(FormQuery_);
    const auto carriesCurrentNames = [&] {
        const ConsignorRecord record = ReadConsignor(found);
        return SameName(record[ConsignorField::LastName], shared_.CurrentLastName) &&
               SameName(record[ConsignorField::FirstName], shared_.CurrentFirstName);
    };
    while (!found.Eof() && !carriesCurrentNames()) found.MoveNext();
    if (found.Eof())
        throw StoreError(QStringLiteral("The consignor %1, %2 is not on file - press Show to list again")
                             .arg(shared_.CurrentLastName, shared_.CurrentFirstName));
    return found;
}

}  // namespace mqt
