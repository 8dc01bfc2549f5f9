// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace mqt {

struct SaleRecord;
struct ShopIdentity;

// The name a receipt or the takings are headed with: the shop's, or the
// program's while the shop has none.
QString HeadingName(const ShopIdentity& shop);

// One row of a receipt: a text on the left and an amount on the right.
struct ReceiptRow {
    QString left;
    QString right;
    bool centred = false;  // a heading row across the width
    bool bold = false;
    bool ruleAbove = false;
};

// What a receipt says, top to bottom: the shop's name and address, the sale
// number with its date and time, every line (item number, description,
// price), the subtotal, the tax with its rate, the total, every payment and
// the change.
std::vector<ReceiptRow> ReceiptRows(const SaleRecord& sale, const ShopIdentity& shop);

}  // namespace mqt
