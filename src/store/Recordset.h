// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/Schema.h"

#include <QString>
#include <QVariant>
#include <cstdint>
#include <map>
#include <vector>

namespace mqt {

class Database;
class Recordset;

// One named field of a result's current record.
class Field {
public:
    Field(Recordset& recordset, QString name) : recordset_(recordset), name_(std::move(name)) {}
    // Null, QString, qint64, double, bool or QDate.
    QVariant Value() const;
    bool IsNull() const { return Value().isNull(); }
    // The value as text, empty for null.
    QString Text() const { return Value().toString(); }
    // Written during an AddNew or an Edit; stored by Update.
    void SetValue(const QVariant& value);

private:
    Recordset& recordset_;
    QString name_;
};

// The records a select statement produced, with a current position. Each row
// keeps its identity, so Edit, Update and Delete reach that row and no other,
// also when two rows are equal in every selected column. The records are read
// when the statement runs; changes made through the result show in it.
//
// Each row of the shop's tables also keeps the row version it was read at,
// and Update and Delete write only while the row is still at that version:
// another screen or till may have changed it since. When it is not, nothing
// is written and RecordChanged is thrown.
class Recordset {
public:
    Recordset() = default;
    // `versioned` when the rows were read with their row versions.
    Recordset(Database& database, const TableDefinition* table, QStringList columns, bool versioned);

    // True when there is no current record: the result is empty, or the
    // position has moved past the last record. (EOF itself is a C macro.)
    bool Eof() const { return position_ >= rows_.size(); }
    void MoveFirst() { position_ = 0; }
    void MoveNext();
    std::int64_t RecordCount() const { return std::int64_t(rows_.size()); }
    // The current record's row version as it was read (0 for a result of a
    // table without versions). Throws StoreError when there is no current
    // record.
    std::int64_t Version() const;

    // Field names match without regard to case.
    Field Fields(const QString& name) { return Field(*this, name); }
    // For reading many records: a field's position in the result, found
    // once (-1 when there is none), and the current record's value there
    // as stored. Throws StoreError when there is no current record.
    int FieldIndex(const QString& name) const { return ColumnIndex(name); }
    const QVariant& ValueAt(int index) const;

    // AddNew starts a new record with all fields null; Edit a change of the
    // current one. Field writes fill it and Update stores it. After an added
    // record is stored the position stays where it was.
    void AddNew();
    void Edit();
    void Update();
    // Stores an Edit only while the row still meets `condition`, a plain SQL
    // test of the table's fields such as "DateSold IS NULL": another till may
    // have changed the row since it was read. False when the row no longer
    // meets it (or is gone); nothing is written then. A row that meets it but
    // was changed otherwise throws RecordChanged, as Update does. An edit
    // that writes no field stores nothing and gives true.
    bool UpdateWhile(const QString& condition);
    // Removes the current record's row at once, or throws RecordChanged when
    // it was changed or removed since it was read. There is no current record
    // until the next move; MoveNext reaches the record after the deleted one.
    void Delete();

    void AppendRow(std::int64_t rowId, std::int64_t version, std::vector<QVariant> values);

private:
    friend class Field;
    friend class DataControl;  // shows a walked result one record at a time
    struct Row {
        std::int64_t rowId = 0;
        std::int64_t version = 0;
        std::vector<QVariant> values;
        bool deleted = false;
    };
    enum class Pending { None, Adding, Editing };

    // The result column of that name, compared without regard to case; -1 when none.
    int ColumnIndex(const QString& name) const;
    QVariant Read(const QString& name) const;
    void Write(const QString& name, const QVariant& value);
    Row& CurrentRow();
    // Update's work; an edit is written only where `condition` (if any) holds.
    bool Store(const QString& condition);
    const FieldDefinition& WritableField(const QString& name) const;
    // Whether the row, changed since it was read, still meets `condition`.
    bool StillMeets(const Row& row, const QString& condition);

    Database* database_ = nullptr;
    const TableDefinition* table_ = nullptr;
    QStringList columns_;
    bool versioned_ = false;
    std::vector<Row> rows_;
    std::size_t position_ = 0;
    Pending pending_ = Pending::None;
    std::map<QString, QVariant> changes_;  // field name as defined -> stored form
};

}  // namespace mqt
