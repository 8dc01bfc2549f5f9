// SPDX-License-Identifier: GPL-3.0-or-later
#include "documents/ReceiptRows.h"

#include "common/DateText.h"
#include "documents/SaleRecord.h"
#include "store/ShopIdentity.h"

namespace mqt {

QString HeadingName(const ShopIdentity& shop) { return shop.name.isEmpty() ? QStringLiteral("Marquill") : shop.name; }

std::vector<ReceiptRow> ReceiptRows(const SaleRecord& sale, const ShopIdentity& shop)
{
    std::vector<ReceiptRow> rows;
    rows.push_back({HeadingName(shop), {}, true, true, false});
    for (const QString& line : shop.AddressLines()) rows.push_back({line, {}, true, false, false});
    rows.push_back({(sale.refund ? QStringLiteral("Refund ") : QStringLiteral("Sale ")) + SaleNumberText(sale.saleNo),
                    FormatShortDate(sale.at.date()) + u' ' + sale.at.time().toString(QStringLiteral("HH:mm")), false,
                    true, true});
    bool first = true;
    for (const SaleRecord::Line& line : sale.lines) {
        rows.push_back({QString::number(line.itemNo) + QStringLiteral("  ") + line.description +
                            (line.returned ? QStringLiteral(" (returned)") : QString()),
                        FormatCents(line.price), false, false, first});
        first = false;
    }
    rows.push_back({QStringLiteral("Subtotal"), FormatCents(sale.subtotal), false, false, true});
    rows.push_back({QStringLiteral("Tax ") + FormatTaxRate(sale.taxRate) + u'%', FormatCents(sale.tax), false, false,
                    false});
    rows.push_back({QStringLiteral("Total"), FormatCents(sale.total), false, true, false});
    first = true;
    for (const Payment& payment : sale.payments) {
        rows.push_back({PayKindName(payment.kind), FormatCents(payment.amount), false, false, first});
        first = false;
    }
    rows.push_back({QStringLiteral("Change"), FormatCents(sale.change), false, false, false});
    return rows;
}

}  // namespace mqt
