// SPDX-License-Identifier: GPL-3.0-or-later
// Adding, changing and deleting consignors. A change of name is carried over
// to the consignor's items, and a deleted consignor takes its items along;
// each of these runs in one transaction, so a failure leaves the consignor
// and all its items as they were.

#include "consignor/frmConsignor.h"

#include "common/Dialogs.h"
#include "common/SortsAfterBlank.h"
#include "consignor/ConsignorQueries.h"
#include "shell/ClickableLineEdit.h"
#include "shell/MessageLine.h"
#include "shell/ReportErrors.h"
#include "shell/ScreenNavigator.h"
#include "shell/SharedValues.h"
#include "store/Connection.h"

namespace mqt {

namespace {

const QString DeleteQuestion =
    QStringLiteral("All inventory items for this consignor will be deleted\nAre you sure you want to go on?");

// A name counts as entered when it is more than blanks.
bool NameEntered(const QString& typed) { return SortsAfterBlank(StoredName(typed)); }

}  // namespace

void frmConsignor::cmdUpdate_Click()
{
    const ConsignorRecord entry = EntryTexts();
    if (!NameEntered(entry[ConsignorField::LastName]) || !NameEntered(entry[ConsignorField::FirstName])) {
        shared_.dialogs.ShowError(QStringLiteral("You must enter first and last names"));
        lblMessage_->ShowFailure(QStringLiteral("Add function not successful"));
        return;
    }
    switch (ChosenAction()) {
    case Action::Add:
        AddConsignor(entry);
        break;
    case Action::Change:
        // A change needs the consignor it was prepared for; a refused one
        // leaves the entry where it is, for a correction.
        if (SelectedRow_ > 0 && !ChangeConsignor(entry)) return;
        break;
    default:
        break;
    }
    txtShowLastName_->setFocus();
}

void frmConsignor::AddConsignor(const ConsignorRecord& entry)
{
    FormQuery_ = FindDuplicateForAdd(entry[ConsignorField::LastName], entry[ConsignorField::FirstName]);
    Recordset& found = shared_.Data2.Query(FormQuery_);
    if (!found.Eof()) {
        // The entry and the Add stay, so the names can be corrected.
        shared_.dialogs.ShowError(QStringLiteral("Duplicte names - not added"));
        lblMessage_->ShowFailure(QStringLiteral("Add function not successful"));
        return;
    }
    const bool added = Store(QStringLiteral("Add"), [&] {
        found.AddNew();
        WriteConsignor(found, entry, EmptyBox::WritesNothing);
        found.Update();
    });
    if (!added) return;
    txtShowLastName_->setText(entry[ConsignorField::LastName]);
    BlankTexts();
    lblMessage_->ShowSuccess(QStringLiteral("Add function is successful"));
    ShowLines();
}

// False when nothing was stored: the entry and the Change stay.
bool frmConsignor::ChangeConsignor(const ConsignorRecord& entry)
{
    const QString& lastName = entry[ConsignorField::LastName];
    const QString& firstName = entry[ConsignorField::FirstName];
    if (lastName.toLower() != shared_.CurrentLastName.toLower() ||
        firstName.toLower() != shared_.CurrentFirstName.toLower()) {
        FormQuery_ = FindDuplicateForChange(lastName, firstName);
        if (shared_.Data2.Query(FormQuery_).RecordCount() > 0) {
            shared_.dialogs.ShowError(QStringLiteral("Duplicate name - not changed"));
            lblMessage_->ShowFailure(QStringLiteral("Change function not successful"));
            return false;
        }
    }
    // Any difference, letter case and blanks included, renames the items.
    const bool rename = lastName != shared_.CurrentLastName || firstName != shared_.CurrentFirstName;
    if (rename) navigator_.UnloadScreen(Screen::Item);
    const bool changed = Store(QStringLiteral("Change"), [&] {
        Transaction transaction(shared_.database.connection());
        Recordset& consignor = SelectCurrentConsignor();
        consignor.Edit();
        WriteConsignor(consignor, entry, EmptyBox::ClearsField);
        consignor.Update();
        if (rename) RenameItems(entry);
        transaction.Commit();
    });
    if (!changed) return false;
    txtShowLastName_->setText(lastName);
    BlankTexts();
    lblMessage_->ShowSuccess(QStringLiteral("Change function is successful"));
    ShowLines();
    return true;
}

// Gives the current consignor's items the names the consignor now has.
void frmConsignor::RenameItems(const ConsignorRecord& entry)
{
    const QString lastName = StoredName(entry[ConsignorField::LastName]);
    const QString firstName = StoredName(entry[ConsignorField::FirstName]);
    Recordset& items = shared_.Data3.Query(SelectItemsToRename(shared_.CurrentLastName, shared_.CurrentFirstName));
    for (; !items.Eof(); items.MoveNext()) {
        items.Edit();
        items.Fields(ConsignorFieldName(ConsignorField::LastName)).SetValue(lastName);
        items.Fields(ConsignorFieldName(ConsignorField::FirstName)).SetValue(firstName);
        items.Update();
    }
}

// The Delete action for the selected consignor: after a Yes, the consignor
// and every item that carries its names go.
void frmConsignor::DeleteConsignor()
{
    if (shared_.dialogs.AskYesNo(DeleteQuestion) != Yes) return;
    navigator_.UnloadScreen(Screen::Item);
    const bool deleted = Store(QStringLiteral("Delete"), [this] {
        Transaction transaction(shared_.database.connection());
        SelectCurrentConsignor().Delete();
        Recordset& items = shared_.Data3.Query(SelectItemsToDelete(shared_.CurrentLastName, shared_.CurrentFirstName));
        while (!items.Eof()) {
            items.Delete();
            items.MoveNext();
        }
        transaction.Commit();
    });
    if (!deleted) return;
    lblMessage_->ShowSuccess(QStringLiteral("Delete function is successful"));
    ShowLines();
}

// Runs a write; when it fails, the error box shows why and the message line
// says that the action did not succeed.
bool frmConsignor::Store(const QString& action, const std::function<void()>& write)
{
    if (RunReportingErrors(shared_.dialogs, write)) return true;
    lblMessage_->ShowFailure(action + QStringLiteral(" function not successful"));
    return false;
}

}  // namespace mqt
