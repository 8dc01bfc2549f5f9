// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/SaleMoney.h"

#include <QByteArray>
#include <QDate>
#include <QTime>
#include <array>
#include <vector>

namespace mqt {

class Connection;

// The day's takings: every sale and refund of the day, and the sums the
// drawer is counted against.
struct Takings {
    struct Sale {
        std::int64_t saleNo = 0;
        QTime time;
        bool refund = false;
        int items = 0;
        Cents subtotal = 0;
        Cents tax = 0;
        Cents total = 0;
        Cents change = 0;
        std::array<Cents, PayKindCount> paid{};  // by kind, cash as tendered
    };

    QDate day;
    std::vector<Sale> sales;
    int saleCount = 0;
    int returnCount = 0;
    int itemsSold = 0;
    Cents subtotal = 0;
    Cents tax = 0;
    Cents total = 0;
    // What each kind of payment brought in, refunds taken off; cash net of
    // the change given: what the drawer should hold.
    std::array<Cents, PayKindCount> drawer{};
};

Takings ReadTakings(const Connection& connection, const QDate& day);

// The summary the counter shows: the counts, the sums and each payment kind.
QString TakingsSummary(const Takings& takings);

// The takings as a comma-separated file in UTF-8 (RFC 4180): a heading
// record, one record per sale or refund, and the day's sums.
QByteArray TakingsCsv(const Takings& takings);

}  // namespace mqt
