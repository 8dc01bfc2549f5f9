// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace mqt {

// One term of a statement's "order by": a field and its direction.
struct OrderTerm {
    QString column;
    bool descending = false;
};

// The terms that a server sorts by after a statement's own, so that rows
// whose terms tie come in the order the shop file gives them, one order on
// both engines and on every run.
//
// The file gives tied rows in the order it reads them in, its sort keeping
// that order. It reads a table through the table's names index (see
// TableDefinition::namesIndex) when the statement sorts first by the index
// field that follows those its where clause compares with "=" to a text,
// or when the where clause compares the index's first field so; the index
// holds its fields folded the file's way (only A to Z) and then the row id,
// and is read backwards for a descending first term. Else it reads the
// table in row id order. `equalColumns` are the fields compared with "=" to
// a text in the where clause.
QStringList ServerTieTerms(const QString& table, const std::vector<OrderTerm>& order,
                           const QStringList& equalColumns);

}  // namespace mqt
