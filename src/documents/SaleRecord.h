// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/SaleMoney.h"

#include <QDateTime>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace mqt {

class Connection;

// A sale or a refund as the sale tables hold it.
struct SaleRecord {
    struct Line {
        std::int64_t itemNo = 0;
        QString consignor;  // "Last, First"
        QString description;
        Cents price = 0;
        bool returned = false;
    };

    std::int64_t saleNo = 0;
    QDateTime at;
    bool refund = false;
    int taxRate = 0;  // thousandths of a percent
    Cents subtotal = 0;
    Cents tax = 0;
    Cents total = 0;
    Cents change = 0;
    std::vector<Line> lines;
    std::vector<Payment> payments;
};

// The sale of that number; empty when there is none.
std::optional<SaleRecord> ReadSale(const Connection& connection, std::int64_t saleNo);

// "000123": sale numbers as receipts and file names show them.
QString SaleNumberText(std::int64_t saleNo);

}  // namespace mqt
