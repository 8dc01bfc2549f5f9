// SPDX-License-Identifier: GPL-3.0-or-later
#include "consignor/ConsignorHints.h"

#include "shell/Hints.h"

namespace mqt {

void SetConsignorHints(QWidget& form)
{
    SetHint(form, QStringLiteral("txtNotes"),
            QStringLiteral(
                "Notes on the consignor. Booth rent is a clause in these notes, for example\n"
                "    Booth 4 $Rent=(amount=150,due=3/1/2025,interval=1)\n"
                "amount: the rent per period in dollars; due: the next day rent is charged;\n"
                "interval: months between charges (1 when left out). No blanks after the commas.\n"
                "When the program starts on or after the due day, it books the rent as an item\n"
                "\"Rent - 03/01/2025\" that the next pay-out takes off, and moves due on by one interval."));
}

}  // namespace mqt
