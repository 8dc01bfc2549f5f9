// SPDX-License-Identifier: GPL-3.0-or-later
// Storing an added or changed item, after the dates in the entry boxes were
// expanded and checked.

#include "item/frmItem.h"

#include "common/Clock.h"
#include "common/DateText.h"
#include "common/Dialogs.h"
#include "common/ExpandToday.h"
#include "common/SortsAfterBlank.h"
#include "common/TrimBlanks.h"
#include "consignment/PriceHistory.h"
#include "item/ItemQueries.h"
#include "shell/ClickableLineEdit.h"
#include "shell/MessageLine.h"
#include "shell/ReportErrors.h"
#include "shell/SharedValues.h"
#include "store/RunSerializable.h"

#include <QLineEdit>
#include <QPushButton>

namespace mqt {

namespace {

struct DateBox {
    int column;
    const char* invalid;
};
constexpr std::array<DateBox, 3> DateBoxes = {{{ItemColumn::DateAdded, "Invalid Date Added"},
                                               {ItemColumn::DateSold, "Invalid Date Sold"},
                                               {ItemColumn::DatePaid, "Invalid Date Paid"}}};

// A description is stored without its surrounding blanks, so one of blanks
// only would be stored empty.
bool DescriptionBlank(const QString& text) { return TrimBlanks(text).isEmpty(); }

}  // namespace

void frmItem::cmdUpdate_Click()
{
    if (WaitsForRow()) {
        lblMessage_->ShowFailure(QStringLiteral("Select an item first"));
        return;
    }
    if (!NormaliseDates()) return;
    LastEntry_ = EntryTexts();
    switch (ChosenAction()) {
    case Action::Add:
        AddItem();
        return;
    case Action::Change:
        ChangeItem();
        return;
    case Action::Pay:
        PayItems();
        break;
    default:
        break;
    }
    ClosingStep();
}

// Expands "today" in the three date boxes and checks that each holds a date
// or nothing; the first that does not stops the update with its message.
bool frmItem::NormaliseDates()
{
    const QDate today = shared_.clock.Today();
    for (const DateBox& date : DateBoxes) {
        QString text = Box(date.column)->text();
        text.remove(u' ');
        Box(date.column)->setText(ExpandToday(text, today));
    }
    for (const DateBox& date : DateBoxes) {
        const QString text = Box(date.column)->text();
        if (!text.isEmpty() && !IsDate(text, today)) {
            shared_.dialogs.ShowError(QLatin1String(date.invalid));
            return false;
        }
    }
    return true;
}

void frmItem::AddItem()
{
    const QString desc = Box(ItemColumn::ItemDesc)->text();
    const auto refuse = [this](const QString& error) {
        shared_.dialogs.ShowError(error);
        lblMessage_->ShowFailure(QStringLiteral("Add function not successful"));
    };
    if (!SortsAfterBlank(desc) || DescriptionBlank(desc)) {
        refuse(QStringLiteral("Item description must not be blank"));
        return;
    }
    // The checks and the add are one serializable piece of work, so a
    // consignor renamed or deleted on another till at the same time cannot
    // leave the item under names that belong to no consignor.
    enum class Outcome { Added, NoConsignor, Duplicate } outcome = Outcome::Added;
    const bool stored = Store(QStringLiteral("Add"), [&] {
        RunSerializable(shared_.database.connection(), [&] {
            FormQuery_ = FindConsignor(txtLastName_->text(), txtFirstName_->text());
            Recordset& consignor = shared_.Data2.Query(FormQuery_);
            if (consignor.Eof()) {
                outcome = Outcome::NoConsignor;
                return;
            }
            // The item carries the names as the consignor file holds them,
            // and its description is unique among that consignor's items.
            const QString lastName = consignor.Fields(QStringLiteral("LastName")).Text();
            const QString firstName = consignor.Fields(QStringLiteral("FirstName")).Text();
            const BoundStatement duplicate = FindDuplicateItem(lastName, firstName, desc);
            FormQuery_ = duplicate.text;
            Recordset& items = shared_.Data3.Query(duplicate);
            if (!items.Eof()) {
                outcome = Outcome::Duplicate;
                return;
            }
            outcome = Outcome::Added;
            items.AddNew();
            WriteItem(items, lastName, firstName, EntryTexts());
            items.Update();
        });
    });
    if (!stored) return;
    if (outcome == Outcome::NoConsignor) {
        refuse(QStringLiteral("Last name and first name not on Consignor file"));
        return;
    }
    if (outcome == Outcome::Duplicate) {
        refuse(QStringLiteral("Duplicate Item Descriptions - not added"));
        ClosingStep();
        return;
    }
    lblMessage_->ShowSuccess(QStringLiteral("Add function is successful"));
    shared_.CallerMode = QStringLiteral("Add");
    ShowLines();
    SetActionOn(Action::Add);
    Box(ItemColumn::ItemDesc)->setFocus();
    ClosingStep();
}

void frmItem::ChangeItem()
{
    const QString desc = Box(ItemColumn::ItemDesc)->text();
    const auto refuse = [this](const QString& error) {
        shared_.dialogs.ShowError(error);
        lblMessage_->ShowFailure(QStringLiteral("Change function not successful"));
    };
    if (desc.isEmpty()) {
        refuse(QStringLiteral("Item Description is missing"));
        return;
    }
    if (DescriptionBlank(desc)) {
        refuse(QStringLiteral("Item description must not be blank"));
        return;
    }
    if (desc.toLower() != shared_.CurrentItemDesc.toLower()) {
        const BoundStatement duplicate = FindItemDesc(shared_.CurrentLastName, shared_.CurrentFirstName, desc);
        FormQuery_ = duplicate.text;
        if (shared_.Data3.Query(duplicate).RecordCount() >= 1) {
            refuse(QStringLiteral("Duplicate item description - not changed"));
            return;
        }
    }
    if (selling_) {
        StoreSale();
        return;
    }
    // The item is selected again right before the edit: another screen may
    // have run a query on the items since it was looked up.
    const BoundStatement selected = SelectItem(shared_.CurrentLastName, shared_.CurrentFirstName, shared_.CurrentItemDesc);
    FormQuery_ = selected.text;
    Recordset& item = shared_.Data3.Query(selected);
    if (item.Eof()) {
        lblMessage_->ShowFailure(QStringLiteral("Item not found for consignor"));
        return;
    }
    // The boxes hold every field as the item was opened: writing them over
    // a sale or pay-out made since would undo it.
    if (RefuseIfChangedSinceOpened(ItemStateOf(item), QStringLiteral("Change"))) return;
    // The change and the note of a new sale price stand or fall together.
    const bool changed = Store(QStringLiteral("Change"), [&] {
        Connection& connection = shared_.database.connection();
        Transaction transaction(connection);
        const QVariant priceBefore = item.Fields(QStringLiteral("SalePrice")).Value();
        item.Edit();
        WriteItem(item, shared_.CurrentLastName, shared_.CurrentFirstName, EntryTexts());
        item.Update();
        RecordSalePriceChange(connection, item.Fields(QStringLiteral("ItemNo")).Value().toLongLong(), priceBefore,
                              item.Fields(QStringLiteral("SalePrice")).Value(), shared_.clock.Now(), ChangedByHand);
        transaction.Commit();
    });
    if (!changed) return;
    lblMessage_->ShowSuccess(QStringLiteral("Change function is successful"));
    shared_.CallerMode = QStringLiteral("Change");
    ShowLines();
    ClosingStep();
}

void frmItem::ClosingStep()
{
    if (!IsOn(Action::Add)) txtLastName_->setFocus();
}

bool frmItem::RefuseIfChangedSinceOpened(const std::optional<ItemState>& now, const QString& action)
{
    if (!Opened_ || (now && now->version == Opened_->state.version)) return false;
    ShowChangedSinceOpened(HowItemChanged(Opened_->state, now), action);
    return true;
}

void frmItem::ShowChangedSinceOpened(ItemChange change, const QString& action)
{
    shared_.dialogs.ShowError(QStringLiteral("Item %1 %2 at another till or screen since you opened it: nothing was "
                                             "changed. Look it up again.")
                                  .arg(Opened_ ? Opened_->itemNo : 0)
                                  .arg(ChangeSentence(change)));
    lblMessage_->ShowFailure(action + QStringLiteral(" function not successful"));
}

bool frmItem::Store(const QString& action, const std::function<void()>& write)
{
    if (RunReportingErrors(shared_.dialogs, write)) return true;
    lblMessage_->ShowFailure(action + QStringLiteral(" function not successful"));
    return false;
}

}  // namespace mqt
