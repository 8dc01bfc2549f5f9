// SPDX-License-Identifier: GPL-3.0-or-later
// Looking a consignor up, listing its items, selecting one, and the choice of
// action.

#include "item/frmItem.h"

#include "common/Clock.h"
#include "common/DateText.h"
#include "common/Dialogs.h"
#include "consignment/ItemsLeft.h"
#include "item/ItemQueries.h"
#include "item/ItemHints.h"
#include "search/RecordMatchesCriteria.h"
#include "shell/ClickableLineEdit.h"
#include "shell/ConsignorPicker.h"
#include "shell/Grid.h"
#include "shell/MessageLine.h"
#include "shell/OptionGroup.h"
#include "shell/ScreenNavigator.h"
#include "shell/SharedValues.h"
#include "shell/Twips.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <optional>

namespace mqt {

namespace {

constexpr std::array<int, 9> ColumnTwips = {3860, 1260, 1260, 1170, 1170, 1300, 1300, 1300, 1100};

}  // namespace

void frmItem::Form_Load()
{
    SetItemHints(*this);
    move(TwipsToPixels(900), TwipsToPixels(900));
    for (int col = 0; col < int(ColumnTwips.size()); ++col) Grid_->SetColWidth(col, ColumnTwips[std::size_t(col)]);
    Grid_->SetMinimumToShow(15);
    cmdUpdate_->hide();
    HideTexts();
    txtLastName_->setFocus();
}

void frmItem::ShowItemsFor(const QString& lastName, const QString& firstName, const QString& criteria)
{
    txtLastName_->setText(lastName);
    txtFirstName_->setText(firstName);
    Handle([this, &criteria] { cmdShow_Click(criteria); });
    activateWindow();
    txtLastName_->setFocus();
}

void frmItem::cmdShow_Click(const QString& criteria)
{
    lblMessage_->clear();
    if (!IsOn(Action::Sell)) SetActionsOff();
    cmdUpdate_->hide();
    HideTexts();
    ShowLines(criteria);
}

bool frmItem::ShowLines(const QString& criteria)
{
    if (shared_.CallerMode.isEmpty() && !LookUpConsignor()) return false;
    ListItems(criteria);
    return true;
}

// Finds the consignor the name boxes begin. One match becomes the current
// consignor, with its full names in the boxes; several go to the consignor
// screen to choose from, which comes back through Show Items.
bool frmItem::LookUpConsignor()
{
    FormQuery_ = mqt::LookUpConsignor(txtLastName_->text(), txtFirstName_->text());
    Recordset& found = shared_.Data2.Query(FormQuery_);
    const std::int64_t matches = found.RecordCount();
    if (matches == 0) {
        shared_.dialogs.ShowError(QStringLiteral("No such name found - try again"));
        return false;
    }
    if (matches > 1) {
        // The listed consignor stays the current one until the choice is made,
        // so the list and the names an action uses never disagree.
        shared_.CallerMode = QStringLiteral("Item");
        if (auto* consignors = dynamic_cast<ConsignorPicker*>(navigator_.ShowScreen(Screen::Consignor)))
            consignors->ChooseConsignorForItems(txtLastName_->text(), txtFirstName_->text());
        return false;
    }
    found.MoveFirst();
    shared_.CurrentLastName = found.Fields(QStringLiteral("LastName")).Text();
    shared_.CurrentFirstName = found.Fields(QStringLiteral("FirstName")).Text();
    txtLastName_->setText(shared_.CurrentLastName);
    txtFirstName_->setText(shared_.CurrentFirstName);
    return true;
}

// Lists the current consignor's items that pass the criteria, by
// description, with a totals row below them.
void frmItem::ListItems(QString criteria)
{
    // Read before anything on the screen changes: a failed read leaves the
    // list, the action and the boxes as they were.
    FormQuery_ = mqt::ListItems(shared_.CurrentLastName, shared_.CurrentFirstName);
    Recordset& items = shared_.Data3.Query(FormQuery_);
    shared_.CallerMode.clear();
    if (QWidget* consignors = navigator_.LoadedScreen(Screen::Consignor)) consignors->hide();
    TotalCost_ = MoneySum();
    TotalSale_ = MoneySum();
    Grid_->SetRow(0);
    Grid_->SetRows(1);
    Grid_->SetRows(10);
    SelectedRow_ = 0;
    LineCount_ = 0;
    ListedItemNos_.clear();
    ListedStates_.clear();
    Opened_.reset();
    if (!IsOn(Action::Pay)) {
        SetActionsOff();
        cmdUpdate_->hide();
        HideTexts();
    }

    ListedLastName_ = shared_.CurrentLastName;
    ListedFirstName_ = shared_.CurrentFirstName;
    // The criteria are read once for the whole list.
    std::optional<CriteriaFilter> filter;
    if (!criteria.isEmpty()) filter.emplace(criteria, shared_.ItemColumns.ColumnTypes, shared_.clock.Today());
    int row = 0;
    for (; !items.Eof(); items.MoveNext()) {
        GetData();
        if (filter && !filter->Matches(RecordBuffer_)) continue;
        ++row;
        if (row + 2 > Grid_->Rows()) Grid_->SetRows(Grid_->Rows() + 1);
        ListedItemNos_.push_back(items.Fields(QStringLiteral("ItemNo")).Value().toLongLong());
        ListedStates_.push_back(ItemStateOf(items));
        for (int column = ItemColumn::ItemDesc; column < ItemColumn::Notes; ++column)
            Grid_->SetTextMatrix(row, ItemGridColumn(column), RecordBuffer_[std::size_t(column)]);
        if (!RecordBuffer_[ItemColumn::Notes].isEmpty())
            Grid_->SetTextMatrix(row, ItemGridColumn(ItemColumn::Notes), QStringLiteral("*"));
        TotalCost_.Add(AmountOfText(RecordBuffer_[ItemColumn::CostPrice]));
        TotalSale_.Add(AmountOfText(RecordBuffer_[ItemColumn::SalePrice]));
    }
    LineCount_ = row;
    lblCount_->setText(QString::number(LineCount_));
    ShowSelectedItemNo();
    if (LineCount_ > 0) {
        Grid_->SetTextMatrix(LineCount_ + 1, 0, QStringLiteral("Total"));
        ShowTotals();
        Grid_->PaintRow(LineCount_ + 1, RowPaleRed);
    }
}

void frmItem::ShowTotals()
{
    Grid_->SetTextMatrix(LineCount_ + 1, ItemGridColumn(ItemColumn::CostPrice), TotalCost_.Format());
    Grid_->SetTextMatrix(LineCount_ + 1, ItemGridColumn(ItemColumn::SalePrice), TotalSale_.Format());
    Grid_->FitColumnsToRow(LineCount_ + 1);  // totals are never cut off
}

// The record buffer is also what the listing's criteria read.
void frmItem::GetData() { RecordBuffer_ = ReadItem(shared_.Data3.Recordset()); }

void frmItem::Grid_Click()
{
    const bool paying = IsOn(Action::Pay);
    if (paying) SelectedRow_ = Grid_->Row();
    FlipGridColor();
    if (SelectedRow_ > LineCount_ || SelectedRow_ < 1) {
        SelectedRow_ = 0;
        shared_.CurrentItemDesc.clear();
    } else {
        Grid_->SetRow(SelectedRow_);
        Grid_->SetCol(0);
        shared_.CurrentItemDesc = Grid_->Text();
        // Selecting an item ends an add in progress.
        if (IsOn(Action::Add)) {
            SetActionsOff();
            HideTexts();
            cmdUpdate_->hide();
        }
    }
    ShowSelectedItemNo();
    if (paying)
        UpdatePayTotals();
    else
        ExecAction();
}

// Outside Pay one item row at most is highlighted: a click moves the
// highlight there, and a second click on it removes it. In Pay every click on
// an item row turns that row alone yellow or white.
void frmItem::FlipGridColor()
{
    const int row = Grid_->Row();
    if (row == 0 || SelectedRow_ > Grid_->Rows()) return;
    if (row != SelectedRow_) {
        if (SelectedRow_ >= 1) Grid_->PaintRow(SelectedRow_, RowWhite);
        SelectedRow_ = row;
        if (row >= 1 && row <= LineCount_) Grid_->PaintRow(row, RowYellow);
        return;
    }
    if (row < 1 || row > LineCount_) return;
    if (Grid_->CellBackColor() == RowYellow) {
        Grid_->PaintRow(row, RowWhite);
        SelectedRow_ = 0;
    } else {
        Grid_->PaintRow(row, RowYellow);
        SelectedRow_ = row;
    }
}

void frmItem::ExecAction()
{
    lblMessage_->clear();
    if (WaitsForRow()) {
        // No item is selected, or no longer: the boxes show none, and
        // there is nothing to store until a row is clicked.
        cmdUpdate_->hide();
        HideTexts();
        return;
    }
    const Action action = ChosenAction();
    if (action == Action::Change || action == Action::Delete || action == Action::Sell) {
        const BoundStatement item = SelectItem(shared_.CurrentLastName, shared_.CurrentFirstName, shared_.CurrentItemDesc);
        FormQuery_ = item.text;
        const Recordset& found = shared_.Data3.Query(item);
        if (found.Eof()) {
            // A listed item returned or donated at another till meanwhile
            // is not sold: its consignor or the charity has it.
            const std::optional<std::int64_t> listed = SelectedItemNo();
            const std::optional<ItemLeft> left =
                action == Action::Sell && listed ? FindItemLeft(shared_.database.connection(), *listed) : std::nullopt;
            lblMessage_->ShowFailure(left ? ItemLeftSentence(*left) : QStringLiteral("Item not found for consignor"));
            return;
        }
        Opened_ = OpenedItem{found.ValueAt(found.FieldIndex(QStringLiteral("ItemNo"))).toLongLong(), ItemStateOf(found)};
    }
    switch (action) {
    case Action::Add:
        PrepareAdd();
        break;
    case Action::Change:
        PrepareChange();
        break;
    case Action::Delete:
        DeleteItem();
        break;
    case Action::Pay:
        StartPay();
        break;
    case Action::Sell:
        SellItem();
        break;
    case Action::None:
        break;
    }
}

bool frmItem::WaitsForRow() const
{
    const Action action = ChosenAction();
    return SelectedRow_ == 0 && (action == Action::Change || action == Action::Delete || action == Action::Sell);
}

void frmItem::PrepareAdd()
{
    cmdUpdate_->setText(QStringLiteral("Add"));
    cmdUpdate_->show();
    Grid_->SetRow(0);
    SelectedRow_ = 0;
    BlankTexts();
    Box(ItemColumn::DateAdded)->setText(FormatDateMmDdYy(shared_.clock.Today()));
    for (int column : {ItemColumn::DateSold, ItemColumn::DatePaid, ItemColumn::PayRef}) Box(column)->hide();
    Box(ItemColumn::ItemDesc)->setFocus();
}

void frmItem::PrepareChange()
{
    cmdUpdate_->setText(QStringLiteral("Change"));
    GetData();
    // A sale drives the change with the boxes as they are.
    if (!selling_) {
        cmdUpdate_->show();
        BlankTexts();
    }
    FillEntry(RecordBuffer_);
}

// The Delete action for the selected item, the current record of Data3.
void frmItem::DeleteItem()
{
    cmdUpdate_->hide();
    cmdUpdate_->setText(QString());
    if (shared_.dialogs.AskYesNo(QStringLiteral("Are you sure you want to delete this item?")) != Yes) return;
    // The item may have been sold or changed while the question was open.
    if (Opened_ && RefuseIfChangedSinceOpened(ReadItemState(shared_.database.connection(), Opened_->itemNo),
                                              QStringLiteral("Delete")))
        return;
    if (!Store(QStringLiteral("Delete"), [this] { shared_.Data3.Recordset().Delete(); })) return;
    lblMessage_->ShowSuccess(QStringLiteral("Delete function is successful"));
    ShowLines();
}

void frmItem::BlankTexts() { entry_->Blank(); }

void frmItem::HideTexts() { entry_->Hide(); }

void frmItem::txtLastName_Click()
{
    txtLastName_->clear();
    txtFirstName_->clear();
}

void frmItem::txtFirstName_Click() { txtFirstName_->clear(); }

void frmItem::cmdMenu_Click() { navigator_.ShowMenu(); }

frmItem::Action frmItem::ChosenAction() const { return Action(actions_->checkedId()); }

void frmItem::SetActionsOff() { SetOptionsOff(*actions_); }

void frmItem::SetActionOn(Action action)
{
    optAction_[std::size_t(action)]->setChecked(true);
    ExecAction();
}

}  // namespace mqt
