// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPageSize>
#include <QString>
#include <cstdint>

namespace mqt {

struct SaleRecord;
struct ShopIdentity;
struct Takings;

// Where a counter document went, or why it did not.
struct WrittenDocument {
    bool written = false;
    QString path;   // the PDF
    QString error;  // why nothing was written
};

// The shop's copy of a receipt: "receipts/sale-NNNNNN.pdf" in the shop
// folder, on the 80 mm roll. Written whole or not at all.
WrittenDocument WriteReceiptFile(const SaleRecord& sale, const ShopIdentity& shop, const QString& shopFolder);

// The highest sale number that a receipt file in the shop folder names, 0
// when there is none: those numbers are given out, whatever the database
// holds (a restored older copy, for instance).
std::int64_t HighestReceiptNumber(const QString& shopFolder);

// The day's takings: "takings/takings-YYYY-MM-DD.pdf" and ".csv" in the shop
// folder. Both are written whole, or neither is left.
WrittenDocument WriteTakingsFiles(const Takings& takings, const ShopIdentity& shop, const QString& shopFolder,
                                  const QPageSize& pageSize);

}  // namespace mqt
