// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/Recordset.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace mqt {

class Database;

// A statement with the values of its "?" marks, each taken exactly as it is:
// a look-up by a stored text finds it whatever characters it holds.
struct BoundStatement {
    QString text;
    QStringList values;
};

// A record source: one SQL statement and the result it last produced. The
// three of them (Data1 for params, Data2 for consignors, Data3 for items)
// share the program's one database connection.
class DataControl {
public:
    // Names the database the source works on.
    void DatabaseName(Database& database) { database_ = &database; }
    // Stores the statement, with the values of its "?" marks; runs nothing yet.
    void RecordSource(const QString& statement, const QStringList& values = {})
    {
        statement_ = statement;
        values_ = values;
    }
    const QString& RecordSource() const { return statement_; }
    // Runs the stored statement; its result replaces the previous one and is
    // positioned on its first record (Eof when it is empty). On failure the
    // previous result stays as it was and StoreError is thrown, so that a
    // screen that shows it keeps what it shows.
    void Refresh();
    // Runs the stored statement and shows its records one at a time, in
    // query order: `visit` sees each as the current and only record of the
    // result. No record is kept, so a pass over a whole table needs little
    // memory; afterwards the result is empty. For passes that only read.
    void Walk(const std::function<void(const mqt::Recordset&)>& visit);
    mqt::Recordset& Recordset() { return result_; }
    // Stores the statement, runs it and gives its result.
    mqt::Recordset& Query(const QString& statement)
    {
        RecordSource(statement);
        Refresh();
        return result_;
    }
    mqt::Recordset& Query(const BoundStatement& statement)
    {
        RecordSource(statement.text, statement.values);
        Refresh();
        return result_;
    }

private:
    Database* database_ = nullptr;
    QString statement_;
    QStringList values_;
    mqt::Recordset result_;
};

}  // namespace mqt
