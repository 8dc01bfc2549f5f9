// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/Migration.h"

#include <QDate>
#include <QString>
#include <QStringList>

namespace mqt {

class Connection;

// The engine a statement is made ready for.
enum class SqlTarget { Sqlite, Postgres };

// A select statement of the program's dialect, made ready for an engine.
struct TranslatedSelect {
    QString sql;    // selects the row identity as its first column, mqt_rowid
    QString table;  // the one table it reads
    // Whether the table's rows carry a row version, selected as the second
    // column, mqt_version.
    bool versioned = false;
    QStringList bindings;  // the values of the "?" marks in sql, in order
};

// Translates the statements the screens build into an engine's dialect, with
// the same meaning on both:
//  - the row identity is selected first, so rows can be changed one by one,
//    and then the row version of the first tables' rows;
//  - "#m/d/yyyy#" date literals (a time of day may follow) become ISO texts;
//  - column = 'text' ignores letter case for all letters;
//  - "like" treats "*" as the only wildcard and ignores letter case (SQLite:
//    the connection's own like(); PostgreSQL:
//    ILIKE with the pattern's other characters escaped);
//  - "order by" sorts texts without regard to case, equal texts kept together,
//    nulls first (as SQLite puts them); on PostgreSQL, rows whose terms tie
//    come in the order the file gives them (see ServerTieTerms);
//  - "select *" names the table's fields, leaving out the row version and
//    the row identity column that the server's tables hold;
//  - only one select statement is accepted;
//  - each "?" outside quotes stands for the next of `values`, taken exactly
//    as it is (no quoting, trimming or collapsing), and is bound, never
//    written into the statement.
// Throws StoreError for anything else, and when the "?" marks and the values
// differ in number. `today` completes dates without a year.
// `schemaVersion` is the shop's: "select *" names the fields a shop of that
// version holds, and before its rows carry row versions a file's "select *"
// gives the fields the file has.
TranslatedSelect TranslateSelect(const QString& statement, const QDate& today, const QStringList& values = {},
                                 SqlTarget target = SqlTarget::Sqlite, int schemaVersion = CurrentSchemaVersion());

// Whether a like pattern matches a value: "*" matches any run of characters,
// including none; every other character stands for itself; letter case is
// ignored for all letters.
bool LikeMatches(const QString& pattern, const QString& value);

// The case-folded form in which texts are compared.
QString FoldCase(const QString& text);

}  // namespace mqt
