// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "documents/CounterFiles.h"

#include <QDate>
#include <QPageSize>
#include <QString>
#include <vector>

namespace mqt {

class Connection;
struct TermItem;

// The list a consignor signs on collecting their items:
// "terms/pickup-LAST-FIRST-YYYY-MM-DD.pdf" in the shop folder. It holds
// their items returned today and those of `listed` (the ended items read
// for the End of Term screen) that are theirs and agreed to be returned.
WrittenDocument WritePickupList(const Connection& connection, const QString& lastName, const QString& firstName,
                                const std::vector<TermItem>& listed, const QString& shopFolder, const QDate& today,
                                const QPageSize& pageSize);

// The items donated today, for the charity to sign:
// "terms/donations-YYYY-MM-DD.pdf" in the shop folder.
WrittenDocument WriteDonationList(const Connection& connection, const QString& shopFolder, const QDate& today,
                                  const QPageSize& pageSize);

}  // namespace mqt
