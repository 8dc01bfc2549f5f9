// SPDX-License-Identifier: GPL-3.0-or-later
// The "Tags" button beside "Statement": price tags with barcodes for the
// selected item or the listed consignor's items.

#include "item/frmItem.h"

#include "item/dlgTags.h"
#include "shell/MessageLine.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace mqt {

void frmItem::AddTagsButton()
{
    cmdTags_ = new QPushButton(QStringLiteral("Tags"));
    cmdTags_->setObjectName(QStringLiteral("cmdTags"));
    cmdTags_->setFont(cmdMenu_->font());
    titleRow_->insertWidget(titleRow_->indexOf(cmdStatement_) + 1, cmdTags_);
    connect(cmdTags_, &QPushButton::clicked, this, [this] { Handle([this] { cmdTags_Click(); }); });
}

void frmItem::cmdTags_Click()
{
    TagChoices choices;
    choices.selectedItemNo = SelectedItemNo();
    choices.listedItemNos = ListedItemNos_;
    choices.lastName = ListedLastName_;
    choices.firstName = ListedFirstName_;
    // Opened without waiting, so the screen's routine ends here; the message
    // line tells what the dialog made once it closes.
    auto* dialog = new dlgTags(shared_, std::move(choices), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::finished, this, [this, dialog] {
        if (!dialog->Outcome().isEmpty()) lblMessage_->ShowSuccess(dialog->Outcome());
    });
    dialog->open();
}

}  // namespace mqt
