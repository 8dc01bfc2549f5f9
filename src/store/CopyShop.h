// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

namespace mqt {

// How many rows of one table a copy holds.
struct CopiedTable {
    QString name;
    std::int64_t rows = 0;
};

// Copies a whole shop from one database to another: FROM and TO are each a
// shop file's path or a server's URI (NamesServerDatabase). Every table is
// copied with its row ids, item and sale numbers, nulls, texts, exact doubles and dates,
// and the numbering goes on where the source's would have: no item or sale
// number is given twice.
//
// The source must be at the program's schema version (a file of an older one
// is refused, not changed: Marquill brings it up to date when it opens it).
// The target is a file that does not exist yet, or a server database that
// holds no shop. All is written in one transaction, and the copy is compared
// with the source row for row and field for field before that transaction
// commits; on any failure or difference the target is left as it was (a new
// file is removed) and a StoreError names the reason.
//
// progress receives a line as each table is begun and finished, for long
// copies. The tables' row counts are returned.
std::vector<CopiedTable> CopyShop(const QString& from, const QString& to,
                                  const std::function<void(const QString&)>& progress = {});

}  // namespace mqt
