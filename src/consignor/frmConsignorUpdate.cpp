// SPDX-License-Identifier: GPL-3.0-or-later
// Adding, changing and deleting consignors. A change of name is carried over
// to the consignor's items, and a deleted consignor takes its items along;
// each of these runs in one transaction, so a failure leaves the consignor
// and all its items as they were. On a server shop the tests and the writes
// of every change are serializable, so they cannot interleave with another
// till's work on the same consignor.

#include "consignor/frmConsignor.h"

#include "consignment/ItemsLeft.h"

#include "common/Dialogs.h"
#include "common/SortsAfterBlank.h"
#include "consignor/ConsignorQueries.h"
#include "shell/ClickableLineEdit.h"
#include "shell/MessageLine.h"
#include "shell/ReportErrors.h"
#include "shell/ScreenNavigator.h"
#include "shell/SharedValues.h"
#include "store/RunSerializable.h"

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
    bool duplicate = false;
    // Test and add are one serializable piece of work, so two tills adding
    // the same names at the same time store them once.
    const bool added = Store(QStringLiteral("Add"), [&] {
        RunSerializable(shared_.database.connection(), [&] {
            FormQuery_ = FindDuplicateForAdd(entry[ConsignorField::LastName], entry[ConsignorField::FirstName]);
            Recordset& found = shared_.Data2.Query(FormQuery_);
            duplicate = !found.Eof();
            if (duplicate) return;
            found.AddNew();
            WriteConsignor(found, entry, EmptyBox::WritesNothing);
            WriteConsignorTerms(found);
            found.Update();
        });
    });
    if (!added) return;
    if (duplicate) {
        // The entry and the Add stay, so the names can be corrected.
        shared_.dialogs.ShowError(QStringLiteral("Duplicte names - not added"));
        lblMessage_->ShowFailure(QStringLiteral("Add function not successful"));
        return;
    }
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
    const bool newName = lastName.toLower() != shared_.CurrentLastName.toLower() ||
                         firstName.toLower() != shared_.CurrentFirstName.toLower();
    // Any difference, letter case and blanks included, renames the items.
    const bool rename = lastName != shared_.CurrentLastName || firstName != shared_.CurrentFirstName;
    bool duplicate = false;
    bool changedMeanwhile = false;
    // The duplicate test, the change and the renaming of the items are one
    // serializable piece of work: an item added on another till at the same
    // time is renamed too, or its add is refused.
    const bool changed = Store(QStringLiteral("Change"), [&] {
        RunSerializable(shared_.database.connection(), [&] {
            if (newName) {
                FormQuery_ = FindDuplicateForChange(lastName, firstName);
                duplicate = shared_.Data2.Query(FormQuery_).RecordCount() > 0;
                if (duplicate) return;
            }
            if (rename) navigator_.UnloadScreen(Screen::Item);
            // The boxes hold every field as the consignor was opened: writing
            // them over a change made since would undo it.
            changedMeanwhile = !SelectUnchangedConsignor();
            if (changedMeanwhile) return;
            Recordset& consignor = shared_.Data2.Recordset();
            consignor.Edit();
            WriteConsignor(consignor, entry, EmptyBox::ClearsField);
            WriteConsignorTerms(consignor);
            consignor.Update();
            if (rename) RenameItems(entry);
        });
    });
    if (!changed) return false;
    if (changedMeanwhile) {
        RefuseChangedConsignor(QStringLiteral("Change"));
        return false;
    }
    if (duplicate) {
        shared_.dialogs.ShowError(QStringLiteral("Duplicate name - not changed"));
        lblMessage_->ShowFailure(QStringLiteral("Change function not successful"));
        return false;
    }
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
    RenameItemsLeft(shared_.database.connection(), shared_.CurrentLastName, shared_.CurrentFirstName, lastName,
                    firstName);
}

// The Delete action for the selected consignor: after a Yes, the consignor
// and every item that carries its names go.
void frmConsignor::DeleteConsignor()
{
    if (shared_.dialogs.AskYesNo(DeleteQuestion) != Yes) return;
    navigator_.UnloadScreen(Screen::Item);
    bool changedMeanwhile = false;
    // One serializable piece of work: an item added on another till at the
    // same time goes with the consignor, or its add is refused.
    const bool deleted = Store(QStringLiteral("Delete"), [&] {
        RunSerializable(shared_.database.connection(), [&] {
            changedMeanwhile = !SelectUnchangedConsignor();
            if (changedMeanwhile) return;
            shared_.Data2.Recordset().Delete();
            Recordset& items =
                shared_.Data3.Query(SelectItemsToDelete(shared_.CurrentLastName, shared_.CurrentFirstName));
            while (!items.Eof()) {
                items.Delete();
                items.MoveNext();
            }
        });
    });
    if (!deleted) return;
    if (changedMeanwhile) {
        RefuseChangedConsignor(QStringLiteral("Delete"));
        return;
    }
    lblMessage_->ShowSuccess(QStringLiteral("Delete function is successful"));
    ShowLines();
}

bool frmConsignor::SelectUnchangedConsignor() { return SelectCurrentConsignor().Version() == OpenedVersion_; }

void frmConsignor::RefuseChangedConsignor(const QString& action)
{
    shared_.dialogs.ShowError(QStringLiteral("Consignor %1, %2 was changed at another till or screen since you opened "
                                             "it: nothing was changed. Look it up again.")
                                  .arg(shared_.CurrentLastName, shared_.CurrentFirstName));
    lblMessage_->ShowFailure(action + QStringLiteral(" function not successful"));
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
