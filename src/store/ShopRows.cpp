// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/ShopRows.h"

#include "store/ConsignmentTables.h"
#include "store/Connection.h"
#include "store/Schema.h"

namespace mqt {

namespace {

// Rows written by one insert statement: far fewer round trips to a server,
// and well within both engines' limits on bound values.
constexpr int RowsPerInsert = 100;

ShopTableLayout FirstTableLayout(const TableDefinition& table)
{
    ShopTableLayout layout{table.name, {QStringLiteral("rowid")}, {QStringLiteral("rowid")}};
    for (const FieldDefinition& field : table.fields) layout.fields << field.name;
    layout.fields << RowVersionField;
    if (table.name == u"item") layout.fields << ItemTermColumns();
    return layout;
}

// A table of the program's own whose rows are known by their row id.
ShopTableLayout OwnTableLayout(const char* name, QStringList fields)
{
    fields.prepend(QStringLiteral("rowid"));
    return {QLatin1String(name), {QStringLiteral("rowid")}, fields};
}

QString Placeholders(int count)
{
    QStringList marks;
    for (int i = 0; i < count; ++i) marks << QStringLiteral("?");
    return marks.join(QStringLiteral(", "));
}

}  // namespace

const std::vector<ShopTableLayout>& ShopTableLayouts()
{
    static const std::vector<ShopTableLayout> layouts = [] {
        std::vector<ShopTableLayout> all;
        for (const TableDefinition& table : Tables()) all.push_back(FirstTableLayout(table));
        // The counter's tables: a sale's number is its row id in the file; a
        // sale line is known by its sale and line number.
        all.push_back({QStringLiteral("sale"),
                       {QStringLiteral("SaleNo")},
                       {QStringLiteral("SaleNo"), QStringLiteral("SoldAt"), QStringLiteral("Kind"),
                        QStringLiteral("TaxRate"), QStringLiteral("Subtotal"), QStringLiteral("Tax"),
                        QStringLiteral("Total"), QStringLiteral("ChangeGiven")}});
        all.push_back({QStringLiteral("sale_line"),
                       {QStringLiteral("SaleNo"), QStringLiteral("Line")},
                       {QStringLiteral("SaleNo"), QStringLiteral("Line"), QStringLiteral("ItemNo"),
                        QStringLiteral("LastName"), QStringLiteral("FirstName"), QStringLiteral("ItemDesc"),
                        QStringLiteral("Price"), QStringLiteral("Returned"), QStringLiteral("SalePriceBefore"),
                        QStringLiteral("CostPriceBefore")}});
        all.push_back({QStringLiteral("sale_payment"),
                       {QStringLiteral("rowid")},
                       {QStringLiteral("rowid"), QStringLiteral("SaleNo"), QStringLiteral("Kind"),
                        QStringLiteral("Amount")}});
        // The consignment period's.
        all.push_back(OwnTableLayout("markdown", {QStringLiteral("Category"), QStringLiteral("Days"),
                                                  QStringLiteral("Percent")}));
        all.push_back(OwnTableLayout("price_change", {QStringLiteral("ItemNo"), QStringLiteral("ChangedAt"),
                                                      QStringLiteral("OldCents"), QStringLiteral("NewCents"),
                                                      QStringLiteral("Reason")}));
        QStringList left = all[2].fields.mid(1);
        left << QStringLiteral("LeftAs") << QStringLiteral("LeftOn");
        all.push_back(OwnTableLayout("item_left", left));
        all.push_back(OwnTableLayout("tag_price", {QStringLiteral("ItemNo"), QStringLiteral("Cents")}));
        all.push_back(OwnTableLayout("consignment_pass", {QStringLiteral("PassedOn"), QStringLiteral("NextItemNo")}));
        for (std::size_t i = 0; i < all.size(); ++i) Q_ASSERT(all[i].name == ShopTableNames().value(int(i)));
        return all;
    }();
    return layouts;
}

ChunkedRows::ChunkedRows(const Connection& connection, const ShopTableLayout& layout, int chunk) : layout_(layout)
{
    const QString fields = layout.fields.join(QStringLiteral(", "));
    const QString key = layout.key.join(QStringLiteral(", "));
    const QString tail = QStringLiteral(" ORDER BY %1 LIMIT %2").arg(key).arg(chunk);
    first_ = std::make_unique<Statement>(connection, QStringLiteral("SELECT %1 FROM %2").arg(fields, layout.name) + tail);
    // Each later chunk begins after the last key read: an index seek, however
    // far into the table.
    after_ = std::make_unique<Statement>(
        connection, QStringLiteral("SELECT %1 FROM %2 WHERE (%3) > (%4)")
                        .arg(fields, layout.name, key, Placeholders(int(layout.key.size()))) + tail);
}

ChunkedRows::~ChunkedRows() = default;

const std::vector<Row>& ChunkedRows::Next()
{
    Statement* statement = first_.get();
    if (!rows_.empty()) {
        statement = after_.get();
        statement->Reset();
        for (int k = 0; k < layout_.key.size(); ++k) statement->Bind(k + 1, rows_.back()[std::size_t(k)]);
    }
    rows_.clear();
    if (done_) return rows_;
    const int width = statement->ColumnCount();
    while (statement->Step()) {
        Row row;
        row.reserve(std::size_t(width));
        for (int c = 0; c < width; ++c) row.push_back(statement->Column(c));
        rows_.push_back(std::move(row));
    }
    done_ = rows_.empty();
    return rows_;
}

RowWriter::RowWriter(const Connection& connection, const ShopTableLayout& layout)
    : connection_(connection), layout_(layout), full_(Prepare(RowsPerInsert))
{
}

RowWriter::~RowWriter() = default;

std::unique_ptr<Statement> RowWriter::Prepare(int rows) const
{
    QStringList tuples;
    const QString tuple = u'(' + Placeholders(int(layout_.fields.size())) + u')';
    for (int i = 0; i < rows; ++i) tuples << tuple;
    return std::make_unique<Statement>(connection_, QStringLiteral("INSERT INTO %1 (%2) VALUES %3")
                                                        .arg(layout_.name, layout_.fields.join(QStringLiteral(", ")),
                                                             tuples.join(QStringLiteral(", "))));
}

void RowWriter::Write(const std::vector<Row>& rows)
{
    for (std::size_t start = 0; start < rows.size(); start += RowsPerInsert) {
        const std::size_t count = std::min(rows.size() - start, std::size_t(RowsPerInsert));
        std::unique_ptr<Statement> partial = count < RowsPerInsert ? Prepare(int(count)) : nullptr;
        Statement& insert = partial ? *partial : *full_;
        insert.Reset();
        int index = 0;
        for (std::size_t r = start; r < start + count; ++r)
            for (const QVariant& value : rows[r]) insert.Bind(++index, value);
        insert.Step();
    }
}

bool SameValue(const QVariant& a, const QVariant& b)
{
    if (a.isNull() || b.isNull()) return a.isNull() && b.isNull();
    const bool aText = a.typeId() == QMetaType::QString;
    const bool bText = b.typeId() == QMetaType::QString;
    if (aText || bText) return aText && bText && a.toString() == b.toString();
    if (a.typeId() == QMetaType::LongLong && b.typeId() == QMetaType::LongLong) return a.toLongLong() == b.toLongLong();
    return a.toDouble() == b.toDouble();
}

}  // namespace mqt
