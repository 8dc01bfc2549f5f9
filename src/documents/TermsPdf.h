// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPageSize>
#include <QString>
#include <QStringList>
#include <vector>

class QIODevice;

namespace mqt {

// A list of items handed over at the end of their term: to the consignor
// who collects them, or to the charity that takes the day's donations.
struct HandOverList {
    QString shopName;
    QStringList shopAddress;
    QString title;    // "Items to collect: Jane Doe", "Donations of 3/1/2027"
    QString pdfName;  // the PDF's own title
    QStringList columns;
    std::vector<QStringList> rows;
    QString total;    // the closing line, "3 items, $42.00"
    QString signer;   // who signs below the list: "Received by"
};

// Draws the list as a PDF: the shop's name and address, the title, the
// table flowing onto further pages with its heading repeated, then the total
// and a line to sign with the date. False when the PDF cannot be drawn.
bool WriteHandOverPdf(const HandOverList& list, QIODevice& device, const QPageSize& pageSize);

}  // namespace mqt
