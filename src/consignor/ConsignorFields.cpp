// SPDX-License-Identifier: GPL-3.0-or-later
#include "consignor/ConsignorFields.h"

#include "common/SqlQuote.h"
#include "store/Recordset.h"

namespace mqt {

QString ConsignorFieldName(int field)
{
    static const std::array<QString, ConsignorField::Count> names = {
        QStringLiteral("LastName"), QStringLiteral("FirstName"), QStringLiteral("Phone"),
        QStringLiteral("Email"),    QStringLiteral("Street"),    QStringLiteral("City"),
        QStringLiteral("State"),    QStringLiteral("Zip"),       QStringLiteral("Notes")};
    return names[std::size_t(field)];
}

ConsignorRecord ReadConsignor(Recordset& consignors)
{
    ConsignorRecord record;
    for (int field = 0; field < ConsignorField::Count; ++field)
        record[std::size_t(field)] = consignors.Fields(ConsignorFieldName(field)).Text();
    return record;
}

void WriteConsignor(Recordset& consignors, const ConsignorRecord& entry, EmptyBox empty)
{
    consignors.Fields(ConsignorFieldName(ConsignorField::LastName))
        .SetValue(StoredName(entry[ConsignorField::LastName]));
    consignors.Fields(ConsignorFieldName(ConsignorField::FirstName))
        .SetValue(StoredName(entry[ConsignorField::FirstName]));
    for (int field = ConsignorField::Phone; field < ConsignorField::Count; ++field) {
        const QString& text = entry[std::size_t(field)];
        if (!text.isEmpty())
            consignors.Fields(ConsignorFieldName(field)).SetValue(text);
        else if (empty == EmptyBox::ClearsField)
            consignors.Fields(ConsignorFieldName(field)).SetValue(QVariant());
    }
}

QString StoredName(const QString& typed)
{
    // SqlQuote doubles every apostrophe after making each run one.
    return SqlQuote(typed).replace(QStringLiteral("''"), QStringLiteral("'"));
}

}  // namespace mqt
