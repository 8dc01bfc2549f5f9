// SPDX-License-Identifier: GPL-3.0-or-later
#include "documents/TermsFiles.h"

#include "common/DateText.h"
#include "consignment/EndOfTerm.h"
#include "consignment/ItemsLeft.h"
#include "documents/ReceiptRows.h"
#include "documents/SafeFileName.h"
#include "documents/TermsPdf.h"
#include "documents/WholeFile.h"
#include "store/ShopIdentity.h"
#include "store/SqlDialect.h"

#include <QDir>

namespace mqt {

namespace {

constexpr int NamePartLimit = 40;

QString PriceText(const std::optional<Cents>& price) { return price ? FormatCents(*price) : QString(); }

HandOverList ListOfShop(const Connection& connection)
{
    const ShopIdentity shop = ReadShopIdentity(connection);
    HandOverList list;
    list.shopName = HeadingName(shop);
    list.shopAddress = shop.AddressLines();
    return list;
}

// "3 items, $42.00".
QString TotalLine(qsizetype count, Cents total)
{
    return QStringLiteral("%1 %2, %3")
        .arg(count)
        .arg(count == 1 ? QStringLiteral("item") : QStringLiteral("items"), FormatCents(total));
}

WrittenDocument WriteList(const HandOverList& list, const QString& path, const QPageSize& pageSize)
{
    WrittenDocument result;
    result.path = path;
    const QString reason =
        WriteWholeFile(path, [&](QIODevice& device) { return WriteHandOverPdf(list, device, pageSize); });
    if (!reason.isEmpty())
        result.error = QStringLiteral("%1 could not be written: %2").arg(QDir::toNativeSeparators(path), reason);
    result.written = reason.isEmpty();
    return result;
}

QString TermsPath(const QString& shopFolder, const QString& name)
{
    return QDir(shopFolder).filePath(QStringLiteral("terms/") + SafeFileName(name));
}

}  // namespace

WrittenDocument WritePickupList(const Connection& connection, const QString& lastName, const QString& firstName,
                                const std::vector<TermItem>& listed, const QString& shopFolder, const QDate& today,
                                const QPageSize& pageSize)
{
    HandOverList list = ListOfShop(connection);
    const QString name = (firstName + u' ' + lastName).trimmed();
    list.title = QStringLiteral("Items to collect: %1, %2").arg(name, FormatShortDate(today));
    list.pdfName = QStringLiteral("Items to collect: ") + name;
    list.columns = {QStringLiteral("Item"), QStringLiteral("Description"), QStringLiteral("Price")};
    list.signer = QStringLiteral("Collected by ") + name;
    Cents total = 0;
    for (const ItemLeft& item : ReadItemsLeftOf(connection, lastName, firstName)) {
        if (item.leftAs != LeftReturned || item.leftOn != today) continue;
        list.rows.push_back({QString::number(item.itemNo), item.description, PriceText(item.price)});
        total += item.price.value_or(0);
    }
    for (const TermItem& item : listed) {
        if (!item.ended || item.agreed != EndOfTermAction::ReturnToConsignor) continue;
        if (FoldCase(item.read.lastName) != FoldCase(lastName) || FoldCase(item.read.firstName) != FoldCase(firstName))
            continue;
        list.rows.push_back({QString::number(item.itemNo), item.description, PriceText(item.price)});
        total += item.price.value_or(0);
    }
    list.total = TotalLine(qsizetype(list.rows.size()), total);
    const QString file = QStringLiteral("pickup-%1-%2-%3.pdf")
                             .arg(SafeFileNamePart(lastName, NamePartLimit), SafeFileNamePart(firstName, NamePartLimit),
                                  today.toString(Qt::ISODate));
    return WriteList(list, TermsPath(shopFolder, file), pageSize);
}

WrittenDocument WriteDonationList(const Connection& connection, const QString& shopFolder, const QDate& today,
                                  const QPageSize& pageSize)
{
    HandOverList list = ListOfShop(connection);
    list.title = QStringLiteral("Donations of ") + FormatShortDate(today);
    list.pdfName = QStringLiteral("Donations of ") + today.toString(Qt::ISODate);
    list.columns = {QStringLiteral("Item"), QStringLiteral("Description"), QStringLiteral("Price")};
    list.signer = QStringLiteral("Received for the charity by");
    Cents total = 0;
    const std::vector<ItemLeft> donated = ReadDonatedOn(connection, today);
    for (const ItemLeft& item : donated) {
        list.rows.push_back({QString::number(item.itemNo), item.description, PriceText(item.price)});
        total += item.price.value_or(0);
    }
    list.total = TotalLine(qsizetype(donated.size()), total);
    return WriteList(list, TermsPath(shopFolder, QStringLiteral("donations-%1.pdf").arg(today.toString(Qt::ISODate))),
                     pageSize);
}

}  // namespace mqt
