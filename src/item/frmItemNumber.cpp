// SPDX-License-Identifier: GPL-3.0-or-later
// Item numbers on the item screen: the selected item's number beside the
// entry boxes, and the find box that lists an item's consignor and selects
// the item, typed or scanned from its tag.

#include "item/frmItem.h"

#include "consignment/ItemsLeft.h"
#include "shell/ClickableLineEdit.h"
#include "shell/Grid.h"
#include "shell/MessageLine.h"
#include "shell/NamedControl.h"
#include "shell/SharedValues.h"
#include "shell/Twips.h"
#include "store/ItemNumbers.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

namespace mqt {

void frmItem::AddItemNumberControls(QGridLayout& body)
{
    const QFont font(QStringLiteral("Georgia"), 10);
    lblItemNo_ = Named(new QLabel, QStringLiteral("lblItemNo"), font);
    lblItemNo_->setMinimumWidth(lblItemNo_->fontMetrics().horizontalAdvance(QStringLiteral("Item 0000000000")));
    lblItemNo_->setIndent(lblItemNo_->fontMetrics().horizontalAdvance(u' '));
    // Beside the row of entry boxes, right of the grid's columns.
    body.addWidget(lblItemNo_, 1, 2, Qt::AlignLeft | Qt::AlignVCenter);

    txtFindItemNo_ = Named(new QLineEdit, QStringLiteral("txtFindItemNo"), QFont(QStringLiteral("Times New Roman"), 10));
    txtFindItemNo_->setFixedWidth(TwipsToPixels(1100));
    txtFindItemNo_->setPlaceholderText(QStringLiteral("Item no."));
    cmdFindItemNo_ = Named(new QPushButton(QStringLiteral("Find")), QStringLiteral("cmdFindItemNo"), font);
    auto* nameRow = static_cast<QGridLayout*>(txtLastName_->parentWidget()->layout());
    nameRow->addWidget(txtFindItemNo_, 1, 6);
    nameRow->addWidget(cmdFindItemNo_, 1, 7);
    const auto find = [this] { Handle([this] { cmdFindItemNo_Click(); }); };
    connect(cmdFindItemNo_, &QPushButton::clicked, this, find);
    // A scanner ends the number with Enter.
    connect(txtFindItemNo_, &QLineEdit::returnPressed, this, find);
}

std::optional<std::int64_t> frmItem::SelectedItemNo() const
{
    if (SelectedRow_ < 1 || SelectedRow_ > int(ListedItemNos_.size())) return std::nullopt;
    return ListedItemNos_[std::size_t(SelectedRow_ - 1)];
}

void frmItem::ShowSelectedItemNo()
{
    const std::optional<std::int64_t> number = SelectedItemNo();
    lblItemNo_->setText(number ? QStringLiteral("Item %1").arg(*number) : QString());
}

void frmItem::cmdFindItemNo_Click()
{
    const QString typed = txtFindItemNo_->text().trimmed();
    const std::optional<std::int64_t> number = ReadItemNumber(typed);
    const std::optional<NumberedItem> item =
        number ? FindItemNumber(shared_.database.connection(), *number) : std::nullopt;
    if (!item) {
        // An item returned or donated at the end of its term says so.
        const std::optional<ItemLeft> left =
            number ? FindItemLeft(shared_.database.connection(), *number) : std::nullopt;
        lblMessage_->ShowFailure(left ? ItemLeftSentence(*left) : QStringLiteral("No item %1").arg(typed));
        return;
    }
    // The item's own consignor, by its exact names: a name that begins
    // another consignor's never asks which one is meant.
    shared_.CurrentLastName = item->lastName;
    shared_.CurrentFirstName = item->firstName;
    txtLastName_->setText(item->lastName);
    txtFirstName_->setText(item->firstName);
    lblMessage_->clear();
    ListItems();
    const auto listed = std::find(ListedItemNos_.begin(), ListedItemNos_.end(), item->itemNo);
    if (listed == ListedItemNos_.end()) {
        lblMessage_->ShowFailure(QStringLiteral("Item %1 is left out by the search criteria").arg(item->itemNo));
        return;
    }
    Grid_->SetRow(int(listed - ListedItemNos_.begin()) + 1);
    Grid_->SetCol(0);
    Grid_Click();
    txtFindItemNo_->selectAll();
}

}  // namespace mqt
