// SPDX-License-Identifier: GPL-3.0-or-later
#include "documents/StatementSource.h"

#include "common/MoneySum.h"
#include "common/Clock.h"
#include "common/DateText.h"
#include "common/SqlQuote.h"
#include "search/RecordMatchesCriteria.h"
#include "shell/SharedValues.h"
#include "store/DataControl.h"

namespace mqt {

namespace {

const QString PayableCriteria = QStringLiteral("6.NE.0,9.NE.NULL,10.EQ.NULL");

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

ConsignorStatements ReadConsignorStatements(SharedValues& shared, const QString& lastName, const QString& firstName)
{
    DataControl source;
    source.DatabaseName(shared.database);

    QString last = lastName, first = firstName;
    QStringList address;
    source.RecordSource(QStringLiteral("select * from consignor") + WhereNames(lastName, firstName));
    source.Refresh();
    if (Recordset& consignor = source.Recordset(); !consignor.Eof()) {
        last = consignor.Fields(QStringLiteral("LastName")).Text();
        first = consignor.Fields(QStringLiteral("FirstName")).Text();
        address = AddressOf(consignor);
    }

    const ItemColumnTable& columns = shared.ItemColumns;
    QString criteria = PayableCriteria;
    const CriteriaFilter payable(criteria, columns.ColumnTypes, shared.clock.Today());

    std::vector<StatementItem> items;
    source.RecordSource(QStringLiteral("select * from item") + WhereNames(lastName, firstName));
    source.Refresh();
    for (Recordset& record = source.Recordset(); !record.Eof(); record.MoveNext()) {
        ItemColumnValues values;
        for (int c = 1; c <= ItemColumnTable::Count; ++c)
            values[std::size_t(c)] = ShownText(record, columns.FieldNames[std::size_t(c)], columns.ColumnTypes[std::size_t(c)]);

        StatementItem item;
        item.line.description = values[3];
        item.line.rent = values[4].compare(u"$Rent", Qt::CaseInsensitive) == 0;
        item.line.share = AmountOf(values[6]);
        item.line.salePrice = AmountOf(values[7]);
        item.line.dateSold = values[9];
        item.dateSold = DateOf(record, QStringLiteral("DateSold"));
        item.datePaid = DateOf(record, QStringLiteral("DatePaid"));
        item.datePaidText = values[10];
        item.payRef = values[11];
        item.payable = payable.Matches(values);
        items.push_back(std::move(item));
    }
    return ConsignorStatements(last, first, address, std::move(items));
}

}  // namespace mqt
