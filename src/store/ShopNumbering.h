// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace mqt {

class Connection;

// Where a shop's numbering stands: numbers once given are never given again,
// even when their item or sale is gone.
struct ShopNumbering {
    std::int64_t nextItemNo = 1;  // the number the next new item gets
    std::int64_t lastSaleNo = 0;  // the highest sale number ever given
};

// The numbering of a shop: the file's counter and its sale sequence, or the
// server's sequences.
ShopNumbering ReadNumbering(const Connection& connection);

// Makes a shop whose rows were just copied in (with their own row ids and
// numbers) go on past both these numbers and every row it holds, so that a
// new item, sale or row gets a number of its own.
void ContinueNumbering(Connection& connection, const ShopNumbering& numbering);

}  // namespace mqt
