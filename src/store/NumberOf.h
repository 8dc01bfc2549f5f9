// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QVariantList>
#include <cstdint>

namespace mqt {

class Connection;

// Runs one statement with `values` bound to its "?" marks in order, and gives
// the first column of its first row as a number; 0 when it gives no row.
std::int64_t NumberOf(const Connection& connection, const QString& sql, const QVariantList& values = {});

}  // namespace mqt
