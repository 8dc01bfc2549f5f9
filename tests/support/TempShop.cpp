#include "support/TempShop.h"

#include "store/Schema.h"

#include <QtTest>

namespace mqt::test {

TempShop::TempShop(bool createDatabase)
{
    if (!dir_.isValid()) qFatal("no temporary folder");
    if (createDatabase) {
        Connection connection = Connection::Open(DatabasePath(), true);
        CreateSchema(connection);
    }
}

void TempShop::Exec(const QString& sql, const QVariantList& values) const
{
    Connection connection = Connection::Open(DatabasePath());
    Statement statement(connection, sql);
    for (int i = 0; i < values.size(); ++i) statement.Bind(i + 1, values[i]);
    while (statement.Step()) {
    }
}

QStringList TempShop::Column(const QString& sql, const QVariantList& values) const
{
    Connection connection = Connection::Open(DatabasePath());
    Statement statement(connection, sql);
    for (int i = 0; i < values.size(); ++i) statement.Bind(i + 1, values[i]);
    QStringList column;
    while (statement.Step()) {
        const QVariant value = statement.Column(0);
        column << (value.isNull() ? QStringLiteral("NULL") : value.toString());
    }
    return column;
}

QVariant TempShop::Value(const QString& sql, const QVariantList& values) const
{
    Connection connection = Connection::Open(DatabasePath());
    Statement statement(connection, sql);
    for (int i = 0; i < values.size(); ++i) statement.Bind(i + 1, values[i]);
    return statement.Step() ? statement.Column(0) : QVariant();
}

void TempShop::AddConsignor(const QString& last, const QString& first, const QString& notes) const
{
    Exec(QStringLiteral("INSERT INTO consignor (LastName, FirstName, Notes) VALUES (?, ?, ?)"),
         {last, first, notes.isEmpty() ? QVariant() : QVariant(notes)});
}

// more: Category, Subcategory, CostPrice, SalePrice, DateAdded, DateSold,
// DatePaid, PayRef, Notes, in that order, as far as given.
void TempShop::AddItem(const QString& last, const QString& first, const QString& desc, const QVariantList& more) const
{
    QVariantList values{last, first, desc};
    for (int i = 0; i < 9; ++i) values << (i < more.size() ? more[i] : QVariant());
    Exec(QStringLiteral("INSERT INTO item (LastName, FirstName, ItemDesc, Category, Subcategory, CostPrice, "
                        "SalePrice, DateAdded, DateSold, DatePaid, PayRef, Notes) VALUES (?,?,?,?,?,?,?,?,?,?,?,?)"),
         values);
}

}  // namespace mqt::test
