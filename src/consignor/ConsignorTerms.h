// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QVariant>

namespace mqt {

// The choices of a consignor's end of term: "Shop's default" first (index
// 0), then the shop's three actions.
QStringList ConsignorTermsCaptions();
// The choice that a stored consignor.EndOfTerm names: 0 for empty or unknown.
int ConsignorTermsChoice(const QString& code);
// What the choice stores: null for the shop's default, else the action's code.
QVariant ConsignorTermsCode(int choice);

}  // namespace mqt
