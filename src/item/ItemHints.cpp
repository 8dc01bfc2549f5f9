// SPDX-License-Identifier: GPL-3.0-or-later
#include "item/ItemHints.h"

#include "shell/Hints.h"

namespace mqt {

namespace {

const QString Ditto = QStringLiteral(
    "A lone \" repeats the entry of the last update; text before a closing \" replaces its start "
    "(Pink\" after Blue vase gives Pink vase).");

const QString Dates = QStringLiteral(
    "A date, month/day/year: 3/15/24, 3/15/2024, Mar 15 2024; or today, today+7, today-1.\n"
    "A two-digit year is within 80 years before and 19 years after this year.");

const QString Prices = QStringLiteral(
    "An amount such as 12.50 or $12.50 (no thousands separator), or nothing for no price.");

}  // namespace

void SetItemHints(QWidget& form)
{
    SetHint(form, QStringLiteral("txtItemDesc"), QStringLiteral("What the item is, for example Oak side table.\n") + Ditto);
    SetHint(form, QStringLiteral("txtCategory"), QStringLiteral("A group for the report, for example furniture.\n") + Ditto);
    SetHint(form, QStringLiteral("txtSubCategory"), QStringLiteral("A finer group, for example tables.\n") + Ditto);
    SetHint(form, QStringLiteral("txtCostPrice"),
            QStringLiteral("The consignor's share. ") + Prices +
                QStringLiteral("\nLeaving the box works out the sale price from the commission.\n"
                               "A lone \" repeats the price of the last update."));
    SetHint(form, QStringLiteral("txtSalePrice"),
            QStringLiteral("The price the customer pays. ") + Prices +
                QStringLiteral("\nLeaving the box works out the consignor's share from the commission.\n"
                               "A lone \" repeats the price of the last update."));
    SetHint(form, QStringLiteral("txtDateAdded"), QStringLiteral("The day the item came in. ") + Dates + u'\n' + Ditto);
    SetHint(form, QStringLiteral("txtDateSold"), QStringLiteral("The day it was sold. ") + Dates + u'\n' + Ditto);
    SetHint(form, QStringLiteral("txtDatePaid"),
            QStringLiteral("The day the consignor was paid for it. ") + Dates + u'\n' + Ditto);
    SetHint(form, QStringLiteral("txtPayRef"), QStringLiteral("The pay-out's reference, for example a cheque number.\n") + Ditto);
    SetHint(form, QStringLiteral("txtNotes"), QStringLiteral("Notes on the item.\n") + Ditto);
}

}  // namespace mqt
