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
    int itemsSold = 0;      // on the day's sales, also those returned since
    int itemsReturned = 0;  // on the day's refunds, whenever they were sold
    Cents subtotal = 0;
    Cents tax = 0;
    Cents total = 0;
    // The cash through the drawer: tendered on sales, handed back as change,
    // and paid out on refunds.
    Cents cashTaken = 0;
    Cents changeGiven = 0;
    Cents cashRefunded = 0;
    // What each kind of payment brought in, refunds taken off; cash net of
    // the change given: what the drawer should hold.
    std::array<Cents, PayKindCount> drawer{};
};

Takings ReadTakings(const Connection& connection, const QDate& day);

// One group of the day's sums: an optional heading and its lines.
struct TakingsGroup {
    struct Line {
        QString label;
        QString value;
        bool bold = false;
    };
    QString heading;
    std::vector<Line> lines;
};

// The day's sums as the counter's summary and the PDF both show them: the
// counts, the money, the cash through the drawer, and what each kind of
// payment brought in, cash taken less change and refunds.
std::vector<TakingsGroup> TakingsSums(const Takings& takings);

// The summary the counter shows: the day, then the sums.
QString TakingsSummary(const Takings& takings);

// The takings as a comma-separated file in UTF-8 (RFC 4180): a heading
// record, one record per sale or refund, and the day's sums.
QByteArray TakingsCsv(const Takings& takings);

}  // namespace mqt
