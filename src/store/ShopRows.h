// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <vector>

namespace mqt {

class Connection;
class Statement;

// A shop table as a whole copy sees it: every field, and the fields that
// identify a row and give the rows their order.
struct ShopTableLayout {
    QString name;
    QStringList key;
    QStringList fields;  // the key's fields first
};

// Every table of a shop, in an order that respects their references.
const std::vector<ShopTableLayout>& ShopTableLayouts();

using Row = std::vector<QVariant>;

// Reads a table in key order, a chunk of rows at a time, so that neither
// engine holds more than one chunk of a large table in memory.
class ChunkedRows {
public:
    ChunkedRows(const Connection& connection, const ShopTableLayout& layout, int chunk = 10000);
    ~ChunkedRows();
    // The next chunk; empty once every row has been read.
    const std::vector<Row>& Next();

private:
    const ShopTableLayout& layout_;
    std::unique_ptr<Statement> first_;
    std::unique_ptr<Statement> after_;
    std::vector<Row> rows_;
    bool done_ = false;
};

// Writes rows into a table, many to a statement, as they are.
class RowWriter {
public:
    RowWriter(const Connection& connection, const ShopTableLayout& layout);
    ~RowWriter();
    void Write(const std::vector<Row>& rows);

private:
    std::unique_ptr<Statement> Prepare(int rows) const;

    const Connection& connection_;
    const ShopTableLayout& layout_;
    std::unique_ptr<Statement> full_;
};

// Whether two field values are the same: both null, equal numbers, or equal
// texts (dates are compared as their YYYY-MM-DD text).
bool SameValue(const QVariant& a, const QVariant& b);

}  // namespace mqt
