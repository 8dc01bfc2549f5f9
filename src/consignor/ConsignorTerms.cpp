// SPDX-License-Identifier: GPL-3.0-or-later
#include "consignor/ConsignorTerms.h"

#include "consignment/ConsignmentTerms.h"

namespace mqt {

QStringList ConsignorTermsCaptions() { return QStringList{QStringLiteral("Shop's default")} + EndOfTermCaptions(); }

int ConsignorTermsChoice(const QString& code)
{
    const std::optional<EndOfTermAction> action = EndOfTermOfCode(code);
    return action ? int(*action) + 1 : 0;
}

QVariant ConsignorTermsCode(int choice)
{
    if (choice <= 0) return {};
    return EndOfTermCode(EndOfTermAction(choice - 1));
}

}  // namespace mqt
