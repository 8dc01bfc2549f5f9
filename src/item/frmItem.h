// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/MoneySum.h"
#include "common/PriceRule.h"
#include "item/ItemRecord.h"
#include "item/PayOut.h"
#include "shell/EntryBoxes.h"
#include "shell/ItemScreen.h"
#include "store/ItemState.h"

#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class QButtonGroup;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace mqt {

class ClickableLineEdit;
class Grid;
class MessageLine;
class Recordset;
class ScreenNavigator;
class SharedValues;

// Item maintenance: the items of one consignor, found by the beginnings of
// the consignor's names. A click on a row selects an item; the chosen action
// adds, changes, deletes or sells an item, or pays the consignor out for
// sold items. Leaving an entry box repeats the last entry on a ditto mark,
// and leaving a price box works the other price out by the commission.
//
// The routines follow the list-screen pattern (shell/EntryBoxes.h); here
// ShowLines looks the consignor up and lists its items.
class frmItem final : public QWidget, public ItemScreen {
    Q_OBJECT
public:
    frmItem(SharedValues& shared, ScreenNavigator& navigator);

    void ShowItemsFor(const QString& lastName, const QString& firstName, const QString& criteria) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Action { None = -1, Add, Change, Delete, Pay, Sell };

    // Building the window (frmItemLayout.cpp).
    QWidget* BuildNameRow();
    QWidget* BuildActionFrame();
    QWidget* BuildGrid();
    ColumnBoxes* BuildEntryRow();
    void SetTabOrder();
    void Connect();
    // Runs an event routine; a failure in it is shown in the error box.
    void Handle(const std::function<void()>& routine);

    // Looking up, listing and selecting (frmItem.cpp).
    void Form_Load();
    // The list shows only the items that pass `criteria`, terms of the
    // criteria language (search/RecordMatchesCriteria.h); empty lists every
    // item. So do ShowLines and ListItems.
    void cmdShow_Click(const QString& criteria = {});
    // False when the name boxes did not name exactly one consignor, so
    // nothing was listed.
    bool ShowLines(const QString& criteria = {});
    bool LookUpConsignor();
    void ListItems(QString criteria = {});
    void GetData();
    void Grid_Click();
    void FlipGridColor();
    void ExecAction();
    void PrepareAdd();
    void PrepareChange();
    void DeleteItem();
    void BlankTexts();
    void HideTexts();
    void txtLastName_Click();
    void txtFirstName_Click();
    void cmdMenu_Click();
    Action ChosenAction() const;
    bool IsOn(Action action) const { return ChosenAction() == action; }
    void SetActionsOff();
    // Sets the option on, which runs the action as a click on it would.
    void SetActionOn(Action action);
    // Change, Delete and Sell wait for a selected row.
    bool WaitsForRow() const;
    // The entry box of an item column, ItemDesc to PayRef.
    QLineEdit* Box(int column) const { return txtEntry_[std::size_t(ItemGridColumn(column))]; }

    // Adding, changing and deleting (frmItemUpdate.cpp).
    void cmdUpdate_Click();
    bool NormaliseDates();
    void AddItem();
    void ChangeItem();
    void ClosingStep();
    // Runs a write; when it fails, the error box shows why, the message line
    // says the action did not succeed, and false is returned.
    bool Store(const QString& action, const std::function<void()>& write);
    // True, with the refusal shown, when the item opened for a Change,
    // Delete or Sell is no longer as it was opened (`now`, none when gone):
    // another screen or till wrote it since.
    bool RefuseIfChangedSinceOpened(const std::optional<ItemState>& now, const QString& action);
    // The refusal of an action on the opened item, which `change` befell.
    void ShowChangedSinceOpened(ItemChange change, const QString& action);

    // Selling and paying out (frmItemMoney.cpp).
    void SellItem();
    // The change update of a sale: stores the boxes with the date sold.
    void StoreSale();
    void ShowAlreadySold();
    void StartPay();
    void UpdatePayTotals();
    void PayItems();
    // The pay-out message, naming what was skipped and why.
    void ShowPaid(const PaidOut& paid);
    bool DebtSettled();
    void ShowTotals();

    // Statements for the listed consignor (frmItemStatement.cpp).
    void AddStatementButton();
    void cmdStatement_Click();

    // Item numbers: the selected item's number and the find box
    // (frmItemNumber.cpp).
    void AddItemNumberControls(QGridLayout& body);
    // The selected item's number; none when no item row is selected.
    std::optional<std::int64_t> SelectedItemNo() const;
    void ShowSelectedItemNo();
    void cmdFindItemNo_Click();

    // The Sale Price cell's tooltip (frmItemPriceHistory.cpp).
    void AddPriceHistoryNote();
    QString PriceHistoryNote(int row, int col) const;

    // Price tags for the listed items (frmItemTags.cpp).
    void AddTagsButton();
    void cmdTags_Click();

    // The entry boxes, and leaving them (frmItemEntry.cpp).
    ItemColumnValues EntryTexts() const;
    void FillEntry(const ItemColumnValues& record);
    void LeaveBox(int column);
    void txtCostPrice_LostFocus();
    void txtSalePrice_LostFocus();
    void ShowPrices(const std::optional<PricePair>& prices);

    SharedValues& shared_;
    ScreenNavigator& navigator_;

    QHBoxLayout* titleRow_ = nullptr;  // Menu, title and message line
    MessageLine* lblMessage_ = nullptr;
    QPushButton* cmdMenu_ = nullptr;
    QPushButton* cmdStatement_ = nullptr;
    QPushButton* cmdTags_ = nullptr;
    QLabel* lblItemNo_ = nullptr;
    QLineEdit* txtFindItemNo_ = nullptr;
    QPushButton* cmdFindItemNo_ = nullptr;
    ClickableLineEdit* txtLastName_ = nullptr;
    ClickableLineEdit* txtFirstName_ = nullptr;
    QPushButton* cmdShow_ = nullptr;
    QLabel* lblCount_ = nullptr;
    Grid* Grid_ = nullptr;
    QButtonGroup* actions_ = nullptr;
    std::array<QRadioButton*, 5> optAction_{};
    QPushButton* cmdUpdate_ = nullptr;
    // txtItemDesc to txtPayRef, one under each grid column; the notes have
    // txtNotes.
    std::array<QLineEdit*, ItemEntryBoxCount> txtEntry_{};
    QLabel* lblNotes_ = nullptr;
    QPlainTextEdit* txtNotes_ = nullptr;
    std::optional<EntryBoxes> entry_;  // the boxes above with the notes

    // While Sell drives the Change action and its update (SellItem): the
    // boxes are filled but not shown, and the update stores a sale.
    bool selling_ = false;
    int SelectedRow_ = 0;  // grid row of the selected item, 0 for none
    int LineCount_ = 0;    // items listed
    std::vector<std::int64_t> ListedItemNos_;  // the number of each listed item, by grid row - 1
    std::vector<ItemState> ListedStates_;  // each listed item as it was listed
    // The item an action was opened on, as it was then.
    struct OpenedItem {
        std::int64_t itemNo = 0;
        ItemState state;
    };
    std::optional<OpenedItem> Opened_;
    MoneySum TotalCost_;
    MoneySum TotalSale_;
    ItemColumnValues RecordBuffer_;
    ItemColumnValues LastEntry_;
    QString FormQuery_;
    // The consignor whose items the grid lists; empty before the first list.
    QString ListedLastName_;
    QString ListedFirstName_;
};

}  // namespace mqt
