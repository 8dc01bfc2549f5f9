// SPDX-License-Identifier: GPL-3.0-or-later
#include "documents/StatementCsv.h"

#include "common/DateText.h"
#include "documents/CsvField.h"
#include "documents/StatementContent.h"

#include <QStringList>

namespace mqt {

namespace {

constexpr int FieldCount = 5;

QString Money(const std::optional<MoneySum>& price) { return price ? price->Format() : QString(); }

}  // namespace

QByteArray StatementCsv(const StatementContent& content)
{
    QString text;
    const auto record = [&](QStringList fields) {
        while (fields.size() < FieldCount) fields << QString();
        text += CsvRecord(fields);
    };

    record({QStringLiteral("Statement"), content.Heading()});
    record({QStringLiteral("Made"), FormatShortDate(content.made)});
    record({QStringLiteral("Consignor"), content.ConsignorName()});
    record({QStringLiteral("Address"), content.address.join(QStringLiteral("\n"))});
    record({QStringLiteral("For"), content.subject});
    record({QStringLiteral("Line"), QStringLiteral("Description"), QStringLiteral("Date sold"),
            QStringLiteral("Sale price"), QStringLiteral("Your share")});
    for (const StatementLine& line : content.lines)
        record({line.rent ? QStringLiteral("Rent") : QStringLiteral("Item"), line.description, line.dateSold,
                Money(line.salePrice), Money(line.share)});
    record({QStringLiteral("Total"), QString(), QString(), content.totalSales.Format(), content.totalShares.Format()});
    record({QStringLiteral("Shop's part"), QString(), QString(), QString(), content.shopPart.Format()});
    record({content.TotalLabel(), QString(), QString(), QString(), content.totalShares.Format()});
    if (content.itemsLeft.empty()) return text.toUtf8();
    record({QStringLiteral("Left"), QStringLiteral("Item"), QStringLiteral("Description"), QStringLiteral("Status"),
            QStringLiteral("Date")});
    for (const LeftLine& line : content.itemsLeft)
        record({QStringLiteral("Left"), line.itemNo, line.description, line.status, line.date});
    return text.toUtf8();
}

}  // namespace mqt
