// SPDX-License-Identifier: GPL-3.0-or-later
#include "documents/StatementSource.h"

#include "common/MoneySum.h"
#include "common/DateText.h"
#include "common/SqlQuote.h"
#include "search/PayableCriteria.h"
#include "search/RecordMatchesCriteria.h"
#include "store/DataControl.h"

namespace mqt {

namespace {

QString WhereNames(const QString& lastName, const QString& firstName)
{
    return QStringLiteral(" where lastname = '") + SqlQuote(lastName) + QStringLiteral("' and firstname = '") +
           SqlQuote(firstName) + QStringLiteral("'");
}

// A field as the item list shows it: empty for null, money with two
// decimals, dates in the short date form.
QString ShownText(Recordset& record, const QString& name, QChar type)
{
    const QVariant value = record.Fields(name).Value();
    if (value.isNull()) return {};
    if (value.typeId() == QMetaType::QDate) return FormatShortDate(value.toDate());
    if (type == u'N' && (value.typeId() == QMetaType::Double || value.typeId() == QMetaType::LongLong))
        return FormatMoney(value.toDouble());
    return value.toString();
}

// The amount of a shown price, as the item list totals it; empty for none.
std::optional<MoneySum> AmountOf(const QString& shown)
{
    if (shown.isEmpty()) return std::nullopt;
    return MoneySum(AmountOfText(shown));
}

QDate DateOf(Recordset& record, const QString& name)
{
    const QVariant value = record.Fields(name).Value();
    return value.typeId() == QMetaType::QDate ? value.toDate() : QDate();
}

QStringList AddressOf(Recordset& consignor)
{
    QStringList address;
    const QString street = consignor.Fields(QStringLiteral("Street")).Text().trimmed();
    if (!street.isEmpty()) address << street;
    QString place = consignor.Fields(QStringLiteral("City")).Text().trimmed();
    const QString state = consignor.Fields(QStringLiteral("State")).Text().trimmed();
    const QString zip = consignor.Fields(QStringLiteral("Zip")).Text().trimmed();
    if (!state.isEmpty()) place += (place.isEmpty() ? QString() : QStringLiteral(", ")) + state;
    if (!zip.isEmpty()) place += (place.isEmpty() ? QString() : QStringLiteral(" ")) + zip;
    if (!place.isEmpty()) address << place;
    return address;
}

}  // namespace

ConsignorStatements ReadConsignorStatements(Database& database, const ItemColumnTable& columns, const QDate& today,
                                            const QString& lastName, const QString& firstName)
{
    DataControl source;
    source.DatabaseName(database);

    QString last = lastName, first = firstName;
    QStringList address;
    source.RecordSource(QStringLiteral("select * from consignor") + WhereNames(lastName, firstName));
    source.Refresh();
    if (Recordset& consignor = source.Recordset(); !consignor.Eof()) {
        last = consignor.Fields(QStringLiteral("LastName")).Text();
        first = consignor.Fields(QStringLiteral("FirstName")).Text();
        address = AddressOf(consignor);
    }

    QString criteria = PayableCriteria();
    const CriteriaFilter payable(criteria, columns.ColumnTypes, today);

    std::vector<StatementItem> items;
    source.RecordSource(QStringLiteral("select * from item") + WhereNames(lastName, firstName));
    source.Refresh();
    for (Recordset& record = source.Recordset(); !record.Eof(); record.MoveNext()) {
        ItemColumnValues values;
        for (int c = 1; c <= ItemColumnTable::Count; ++c)
            values[std::size_t(c)] = ShownText(record, columns.FieldNames[std::size_t(c)], columns.ColumnTypes[std::size_t(c)]);

        StatementItem item;
        item.line.description = values[ItemColumn::ItemDesc];
        item.line.rent = values[ItemColumn::Category].compare(u"$Rent", Qt::CaseInsensitive) == 0;
        item.line.share = AmountOf(values[ItemColumn::CostPrice]);
        item.line.salePrice = AmountOf(values[ItemColumn::SalePrice]);
        item.line.dateSold = values[ItemColumn::DateSold];
        item.dateSold = DateOf(record, QStringLiteral("DateSold"));
        item.datePaid = DateOf(record, QStringLiteral("DatePaid"));
        item.datePaidText = values[ItemColumn::DatePaid];
        item.payRef = values[ItemColumn::PayRef];
        item.payable = payable.Matches(values);
        items.push_back(std::move(item));
    }
    return ConsignorStatements(last, first, address, std::move(items));
}

}  // namespace mqt
