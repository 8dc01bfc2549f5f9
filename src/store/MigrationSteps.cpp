// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/MigrationSteps.h"

#include <array>

namespace mqt {

std::span<const MigrationStep> MigrationSteps()
{
    // A new version is one more row here, with its function in a file of its own.
    static constexpr std::array steps = {
        MigrationStep{1, AddItemNumbersAndShopAddress, nullptr},
        MigrationStep{2, AddSalesAndTaxRate, nullptr},
        MigrationStep{3, AddRowVersions, AddRowVersionsOnServer},
        MigrationStep{4, AddPricesBeforeSale, AddPricesBeforeSaleOnServer},
        MigrationStep{5, AddConsignmentPeriod, AddConsignmentPeriodOnServer},
    };
    return steps;
}

}  // namespace mqt
