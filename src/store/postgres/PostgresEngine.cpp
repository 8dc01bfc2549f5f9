// SPDX-License-Identifier: GPL-3.0-or-later
// The PostgreSQL engine: the shop's database on a server that several tills
// share, through libpq. Statements are prepared on the server under names of
// their own, so several can be open at once as with the file; values travel
// as text and the server gives them the type their place in the statement
// asks for. A connection that the server or the network broke is made again
// by the next statement that starts outside a transaction.
#include "store/Engine.h"
#include "store/Schema.h"
#include "store/ServerUri.h"
#include "store/StoreError.h"
#include "store/postgres/PostgresShop.h"

#include <QDate>
#include <QLocale>
#include <libpq-fe.h>

#include <charconv>
#include <cmath>
#include <vector>

namespace mqt {

namespace {

struct ResultDeleter {
    void operator()(PGresult* result) const { PQclear(result); }
};
using Result = std::unique_ptr<PGresult, ResultDeleter>;

// Type numbers of the server's built-in types (pg_type.oid).
enum : Oid { BoolType = 16, Int8Type = 20, Int2Type = 21, Int4Type = 23, OidType = 26, Float4Type = 700,
             Float8Type = 701, NumericType = 1700 };

// How long a connection is waited for, in seconds.
constexpr const char* ConnectSeconds = "5";

bool IsInteger(Oid type) { return type == Int8Type || type == Int2Type || type == Int4Type || type == OidType; }
bool IsReal(Oid type) { return type == Float4Type || type == Float8Type || type == NumericType; }

// The server folds unquoted names to lower case; the program knows its
// fields by their own spelling.
QString ProgramFieldName(const char* serverName)
{
    const QString name = QString::fromUtf8(serverName);
    for (const TableDefinition& table : Tables())
        if (const FieldDefinition* field = table.Find(name)) return field->name;
    return name;
}

// "?" marks outside quotes become $1, $2, ...
QByteArray NumberedMarks(const QString& sql, int& count)
{
    QString out;
    out.reserve(sql.size() + 16);
    QChar quote;
    for (const QChar ch : sql) {
        if (!quote.isNull()) {
            if (ch == quote) quote = QChar();
        } else if (ch == u'\'' || ch == u'"') {
            quote = ch;
        } else if (ch == u'?') {
            out += u'$' + QString::number(++count);
            continue;
        }
        out += ch;
    }
    return out.toUtf8();
}

void IgnoreNotice(void*, const char*) {}

class PostgresConnection final : public ConnectionEngine {
public:
    PostgresConnection(PGconn* handle, const QString& uri)
        : handle_(handle), uri_(uri), backend_(std::make_shared<PostgresShop>(uri))
    {
    }
    ~PostgresConnection() override { PQfinish(handle_); }

    QString Describe() const override { return ShownUri(uri_); }
    std::shared_ptr<const ShopBackend> Backend() const override { return backend_; }
    std::unique_ptr<StatementEngine> Prepare(const QString& sql) override;
    QString LastError() const override { return QString::fromUtf8(PQerrorMessage(handle_)).trimmed(); }
    int Changes() const override { return changes_; }
    void Begin(Isolation isolation) override
    {
        Run(isolation == Isolation::Serializable ? "BEGIN ISOLATION LEVEL SERIALIZABLE" : "BEGIN");
        inTransaction_ = true;
    }
    void Commit() override
    {
        Run("COMMIT");
        inTransaction_ = false;
    }
    void Rollback() noexcept override;
    int UserVersion() override;
    void SetUserVersion(int version) override;

    PGconn* Handle() { return handle_; }
    // Sets up a new session as the program needs it.
    void StartSession();
    // Called before a statement starts: a broken connection is made again,
    // unless it broke inside a transaction that has not ended yet. Throws
    // ServerUnreachable when the connection cannot be used.
    void Ready();
    // Whether the connection is still in the session `session` that a
    // statement was prepared in; Session() is the current one.
    bool InSession(std::uint64_t session) const { return session == session_ && Usable(); }
    std::uint64_t Session() const { return session_; }
    // Checks a result: throws with the server's text when the command failed.
    Result Checked(PGresult* result);
    Result Run(const char* sql)
    {
        Ready();
        return Checked(PQexec(handle_, sql));
    }
    QByteArray NextStatementName() { return "mqt_" + QByteArray::number(++statements_); }
    void SetChanges(const PGresult* result) { changes_ = std::atoi(PQcmdTuples(const_cast<PGresult*>(result))); }

private:
    bool Usable() const { return !broken_ && PQstatus(handle_) == CONNECTION_OK; }
    // Whether a command failed because the connection broke. libpq may give
    // the failure before it marks the connection bad (a server stopped at
    // once, without a word): a connection that takes no more input is broken.
    bool Broke() { return PQstatus(handle_) == CONNECTION_BAD || PQconsumeInput(handle_) == 0; }

    PGconn* handle_;
    QString uri_;
    int changes_ = 0;
    std::uint64_t statements_ = 0;
    std::uint64_t session_ = 0;
    bool inTransaction_ = false;
    bool broken_ = false;
    std::shared_ptr<const ShopBackend> backend_;
};

void PostgresConnection::StartSession()
{
    PQsetNoticeProcessor(handle_, IgnoreNotice, nullptr);
    // Dates as YYYY-MM-DD, texts in UTF-8, and doubles written so that they
    // read back exactly; the program's name lets a till see the others.
    Checked(PQexec(handle_, "SET DateStyle = 'ISO, MDY'; SET client_encoding = 'UTF8'; SET extra_float_digits = 1; "
                            "SET application_name = 'Marquill'"));
}

void PostgresConnection::Ready()
{
    if (Usable()) return;
    // The server ended the transaction with the connection: what it did is
    // gone, and what follows must not run outside it.
    if (inTransaction_) throw ServerUnreachable();
    // Waits at most the connection's connect_timeout.
    PQreset(handle_);
    if (PQstatus(handle_) != CONNECTION_OK) throw ServerUnreachable();
    broken_ = false;
    ++session_;
    StartSession();
}

void PostgresConnection::Rollback() noexcept
{
    inTransaction_ = false;
    // Fails only when the server has already rolled back on its own; a broken
    // connection has no transaction left.
    if (Usable()) PQclear(PQexec(handle_, "ROLLBACK"));
}

Result PostgresConnection::Checked(PGresult* raw)
{
    Result result(raw);
    const ExecStatusType status = result ? PQresultStatus(result.get()) : PGRES_FATAL_ERROR;
    if (status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK) return result;
    if (Broke()) {
        broken_ = true;
        throw ServerUnreachable();
    }
    const QString message = result ? QString::fromUtf8(PQresultErrorMessage(result.get())).trimmed() : LastError();
    const char* state = result ? PQresultErrorField(result.get(), PG_DIAG_SQLSTATE) : nullptr;
    // 40001: could not serialize; 40P01: deadlock. Both end the transaction
    // so that it can be run again.
    if (state && (qstrcmp(state, "40001") == 0 || qstrcmp(state, "40P01") == 0)) throw SerializationFailure(message);
    throw StoreError(message.isEmpty() ? QStringLiteral("The server gave no answer") : message);
}

class PostgresStatement final : public StatementEngine {
public:
    PostgresStatement(PostgresConnection& connection, const QString& sql);
    ~PostgresStatement() override;

    void Bind(int index, const QVariant& value) override;
    bool Step() override;
    void Reset() override
    {
        rows_.reset();
        row_ = -1;
    }
    int ColumnCount() const override { return PQnfields(Described()); }
    QString ColumnName(int column) const override { return ProgramFieldName(PQfname(Described(), column)); }
    QVariant Column(int column) const override;
    std::int64_t ColumnInt64(int column) const override;
    std::optional<std::string_view> ColumnUtf8(int column) const override;

private:
    const PGresult* Described() const { return rows_ ? rows_.get() : description_.get(); }
    // Releases the statement on the server, unless the session it was
    // prepared in has ended.
    void Deallocate() noexcept
    {
        if (connection_.InSession(session_))
            PQclear(PQexec(connection_.Handle(), ("DEALLOCATE " + name_).constData()));
    }
    const char* Value(int column) const
    {
        return PQgetisnull(rows_.get(), row_, column) ? nullptr : PQgetvalue(rows_.get(), row_, column);
    }

    PostgresConnection& connection_;
    QByteArray name_;
    std::uint64_t session_ = 0;
    Result description_;
    std::vector<std::optional<QByteArray>> values_;
    Result rows_;
    int row_ = -1;
};

PostgresStatement::PostgresStatement(PostgresConnection& connection, const QString& sql)
    : connection_(connection), name_(connection.NextStatementName())
{
    int marks = 0;
    const QByteArray text = NumberedMarks(sql, marks);
    if (text.trimmed().isEmpty()) throw StoreError(QStringLiteral("The statement is empty"));
    connection_.Ready();
    session_ = connection_.Session();
    connection_.Checked(PQprepare(connection_.Handle(), name_.constData(), text.constData(), 0, nullptr));
    try {
        description_ = connection_.Checked(PQdescribePrepared(connection_.Handle(), name_.constData()));
    } catch (...) {
        Deallocate();
        throw;
    }
    values_.resize(std::size_t(PQnparams(description_.get())));
}

PostgresStatement::~PostgresStatement()
{
    rows_.reset();
    // Fails only inside a transaction that has already failed, which ends the
    // statement's use; its name is never given again.
    Deallocate();
}

void PostgresStatement::Bind(int index, const QVariant& value)
{
    if (index < 1 || std::size_t(index) > values_.size())
        throw StoreError(QStringLiteral("No value %1 in the statement").arg(index));
    std::optional<QByteArray>& slot = values_[std::size_t(index - 1)];
    if (value.isNull()) {
        slot.reset();
        return;
    }
    switch (value.typeId()) {
    case QMetaType::Bool:
        slot = value.toBool() ? QByteArray("1") : QByteArray("0");
        break;
    case QMetaType::Double:
    case QMetaType::Float: {
        const double number = value.toDouble();
        // The shortest text that reads back as the same double.
        slot = std::isnan(number) ? QByteArray("NaN")
             : std::isinf(number) ? QByteArray(number > 0 ? "Infinity" : "-Infinity")
                                  : QString::number(number, 'g', QLocale::FloatingPointShortest).toLatin1();
        break;
    }
    case QMetaType::QDate:
        slot = value.toDate().toString(Qt::ISODate).toLatin1();
        break;
    default:
        slot = value.toString().toUtf8();
    }
}

bool PostgresStatement::Step()
{
    if (!rows_) {
        // A statement prepared before the connection broke is gone with its
        // session.
        if (!connection_.InSession(session_)) throw ServerUnreachable();
        std::vector<const char*> values;
        values.reserve(values_.size());
        for (const std::optional<QByteArray>& value : values_) values.push_back(value ? value->constData() : nullptr);
        rows_ = connection_.Checked(PQexecPrepared(connection_.Handle(), name_.constData(), int(values.size()),
                                                   values.data(), nullptr, nullptr, 0));
        connection_.SetChanges(rows_.get());
        row_ = -1;
    }
    return ++row_ < PQntuples(rows_.get());
}

QVariant PostgresStatement::Column(int column) const
{
    const char* text = Value(column);
    if (!text) return {};
    const Oid type = PQftype(rows_.get(), column);
    const int length = PQgetlength(rows_.get(), row_, column);
    if (IsInteger(type)) return QVariant(qint64(ColumnInt64(column)));
    if (IsReal(type)) {
        double number = 0;
        std::from_chars(text, text + length, number);
        return QVariant(number);
    }
    if (type == BoolType) return QVariant(qint64(text[0] == 't' ? 1 : 0));
    return QVariant(QString::fromUtf8(text, length));
}

std::int64_t PostgresStatement::ColumnInt64(int column) const
{
    const char* text = Value(column);
    if (!text) return 0;
    std::int64_t number = 0;
    std::from_chars(text, text + PQgetlength(rows_.get(), row_, column), number);
    return number;
}

std::optional<std::string_view> PostgresStatement::ColumnUtf8(int column) const
{
    const Oid type = PQftype(rows_.get(), column);
    const char* text = Value(column);
    if (!text || IsInteger(type) || IsReal(type) || type == BoolType) return std::nullopt;
    return std::string_view(text, std::size_t(PQgetlength(rows_.get(), row_, column)));
}

std::unique_ptr<StatementEngine> PostgresConnection::Prepare(const QString& sql)
{
    return std::make_unique<PostgresStatement>(*this, sql);
}

int PostgresConnection::UserVersion()
{
    // A database that holds no shop yet is at version 0.
    const Result known = Run("SELECT to_regclass('mqt_schema') IS NOT NULL");
    if (PQgetvalue(known.get(), 0, 0)[0] != 't') return 0;
    const Result version = Run("SELECT version FROM mqt_schema");
    return PQntuples(version.get()) > 0 ? std::atoi(PQgetvalue(version.get(), 0, 0)) : 0;
}

void PostgresConnection::SetUserVersion(int version)
{
    Run(QStringLiteral("UPDATE mqt_schema SET version = %1").arg(version).toLatin1().constData());
}

}  // namespace

std::unique_ptr<ConnectionEngine> OpenPostgres(const QString& uri)
{
    const QByteArray text = uri.toUtf8();
    // A server that does not answer is given up on after a few seconds, when
    // the connection is first made and when it is made again; a URI with a
    // connect_timeout of its own keeps it, as it comes after.
    const char* const keywords[] = {"connect_timeout", "dbname", nullptr};
    const char* const values[] = {ConnectSeconds, text.constData(), nullptr};
    auto connection = std::make_unique<PostgresConnection>(PQconnectdbParams(keywords, values, 1), uri);
    if (PQstatus(connection->Handle()) != CONNECTION_OK)
        throw StoreError(QStringLiteral("Cannot connect to the shop's server %1:\n%2")
                             .arg(ShownUri(uri), connection->LastError()));
    connection->StartSession();
    return connection;
}

}  // namespace mqt
