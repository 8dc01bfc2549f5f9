// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/SqlDialect.h"

#include "common/DateText.h"
#include "store/Connection.h"
#include "store/MigrationSteps.h"
#include "store/Schema.h"
#include "store/StoreError.h"
#include "store/TieOrder.h"


#include <vector>

namespace mqt {

namespace {

struct Token {
    enum Kind { Word, String, Date, Space, Symbol } kind;
    QString text;  // as written; for String the unquoted value, for Date the inside
    bool bound = false;  // a String that a "?" stands for
};

bool IsWordChar(QChar ch) { return ch.isLetterOrNumber() || ch == u'_' || ch == u'$' || ch == u'.'; }

std::vector<Token> Tokenize(const QString& sql, const QStringList& values)
{
    std::vector<Token> tokens;
    qsizetype nextValue = 0;
    qsizetype i = 0;
    const qsizetype n = sql.size();
    while (i < n) {
        const QChar ch = sql[i];
        if (ch.isSpace()) {
            qsizetype j = i;
            while (j < n && sql[j].isSpace()) ++j;
            tokens.push_back({Token::Space, sql.mid(i, j - i)});
            i = j;
        } else if (ch == u'\'') {
            QString value;
            qsizetype j = i + 1;
            while (true) {
                if (j >= n) throw StoreError(QStringLiteral("Missing closing quote in: %1").arg(sql));
                if (sql[j] == u'\'') {
                    if (j + 1 < n && sql[j + 1] == u'\'') {
                        value += u'\'';
                        j += 2;
                        continue;
                    }
                    break;
                }
                value += sql[j++];
            }
            tokens.push_back({Token::String, value});
            i = j + 1;
        } else if (ch == u'#') {
            const qsizetype close = sql.indexOf(u'#', i + 1);
            if (close < 0) throw StoreError(QStringLiteral("Missing closing # in: %1").arg(sql));
            tokens.push_back({Token::Date, sql.mid(i + 1, close - i - 1)});
            i = close + 1;
        } else if (ch == u'?') {
            if (nextValue >= values.size()) throw StoreError(QStringLiteral("No value for a ? in: %1").arg(sql));
            tokens.push_back({Token::String, values[nextValue++], true});
            ++i;
        } else if (IsWordChar(ch)) {
            qsizetype j = i;
            while (j < n && IsWordChar(sql[j])) ++j;
            tokens.push_back({Token::Word, sql.mid(i, j - i)});
            i = j;
        } else {
            tokens.push_back({Token::Symbol, QString(ch)});
            ++i;
        }
    }
    if (nextValue != values.size()) throw StoreError(QStringLiteral("More values than ? in: %1").arg(sql));
    return tokens;
}

QString Quote(const QString& value)
{
    QString escaped = value;
    escaped.replace(QStringLiteral("'"), QStringLiteral("''"));
    return u'\'' + escaped + u'\'';
}

bool IsAscii(const QString& text)
{
    for (const QChar ch : text)
        if (ch.unicode() > 127) return false;
    return true;
}

bool IsKeyword(const Token& token, const char* word)
{
    return token.kind == Token::Word && token.text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
}

// The index of the next token that is not blank, or tokens.size().
std::size_t NextSignificant(const std::vector<Token>& tokens, std::size_t from)
{
    while (from < tokens.size() && tokens[from].kind == Token::Space) ++from;
    return from;
}

// A date as its ISO text, which sorts as the file's stored dates do. With a
// time of day it sorts after the day itself; the server, whose dates are of
// type date, is told it is a time stamp so that it keeps that order.
QString DateLiteral(const QString& inside, const QDate& today, SqlTarget target)
{
    const std::optional<DateValue> value = ReadDate(inside, today);
    if (!value) throw StoreError(QStringLiteral("Not a date: #%1#").arg(inside));
    QString iso = value->date.toString(Qt::ISODate);
    if (!value->time) return Quote(iso);
    iso += u' ' + value->time->toString(QStringLiteral("HH:mm:ss"));
    return Quote(iso) + (target == SqlTarget::Postgres ? QStringLiteral("::timestamp") : QString());
}

// Whether a field of the table holds texts; an unknown one is taken for one.
bool IsTextField(const QString& table, const QString& column)
{
    const TableDefinition* definition = FindTable(table);
    const FieldDefinition* field = definition ? definition->Find(column) : nullptr;
    return !field || field->kind == FieldKind::Text;
}

// A like pattern as PostgreSQL's ILIKE reads it: "*" becomes "%", and the
// characters that ILIKE treats specially stand for themselves.
QString IlikePattern(const QString& pattern)
{
    QString out;
    for (const QChar ch : pattern) {
        if (ch == u'*') {
            out += u'%';
            continue;
        }
        if (ch == u'%' || ch == u'_' || ch == u'\\') out += u'\\';
        out += ch;
    }
    return out;
}

// column = 'text' without regard to letter case. SQLite's NOCASE folds only
// A to Z, which is exact for a text of ASCII letters and keeps the lookup on
// the names index. Other texts are compared folded, after the index has
// narrowed the rows to those that begin with the text's leading ASCII part
// (a letter beyond ASCII only folds to another letter beyond ASCII).
template <typename WriteValue>
QString CaseBlindEquals(const QString& column, const QString& text, WriteValue value)
{
    if (IsAscii(text)) return column + QStringLiteral(" = ") + value(text) + QStringLiteral(" COLLATE NOCASE");
    qsizetype asciiLength = 0;
    while (text[asciiLength].unicode() < 128) ++asciiLength;
    const QString low = text.left(asciiLength).toLower();
    QString range = column + QStringLiteral(" >= ") + value(low + QChar(0x80)) + QStringLiteral(" COLLATE NOCASE");
    if (!low.isEmpty()) {
        QString high = low;
        high.back() = QChar(high.back().unicode() + 1);
        range += QStringLiteral(" AND ") + column + QStringLiteral(" < ") + value(high) + QStringLiteral(" COLLATE NOCASE");
    }
    return u'(' + range + QStringLiteral(" AND mqt_fold(") + column + QStringLiteral(") = ") + value(FoldCase(text)) + u')';
}

// Rewrites "order by a asc, b asc" so texts sort without regard to case and
// texts that differ only in case stay next to each other. The server is also
// told the order in which the file gives rows that tie (see ServerTieTerms);
// `equalColumns` are the fields that the where clause compares with a text.
QString OrderTerms(const std::vector<Token>& tokens, std::size_t from, const QString& table,
                   const QStringList& equalColumns, SqlTarget target)
{
    QStringList terms;
    std::vector<OrderTerm> order;
    std::size_t i = NextSignificant(tokens, from);
    while (i < tokens.size()) {
        if (tokens[i].kind != Token::Word) return {};
        const QString column = tokens[i].text;
        QString direction;
        i = NextSignificant(tokens, i + 1);
        if (i < tokens.size() && (IsKeyword(tokens[i], "asc") || IsKeyword(tokens[i], "desc"))) {
            direction = u' ' + tokens[i].text;
            i = NextSignificant(tokens, i + 1);
        }
        const bool descending = direction.trimmed().compare(QLatin1String("desc"), Qt::CaseInsensitive) == 0;
        order.push_back({column, descending});
        if (target == SqlTarget::Sqlite) {
            terms << column + QStringLiteral(" COLLATE NOCASE") + direction << column + direction;
        } else {
            const QString nulls = descending ? QStringLiteral(" NULLS LAST") : QStringLiteral(" NULLS FIRST");
            if (IsTextField(table, column)) terms << QStringLiteral("lower(") + column + u')' + direction + nulls;
            terms << column + direction + nulls;
        }
        if (i < tokens.size()) {
            if (tokens[i].text != u",") return {};
            i = NextSignificant(tokens, i + 1);
        }
    }
    if (target == SqlTarget::Postgres && !order.empty()) terms << ServerTieTerms(table, order, equalColumns);
    return terms.join(QStringLiteral(", "));
}

}  // namespace

TranslatedSelect TranslateSelect(const QString& statement, const QDate& today, const QStringList& values,
                                 SqlTarget target, int schemaVersion)
{
    const bool rowVersions = schemaVersion >= RowVersionsSince;
    const std::vector<Token> tokens = Tokenize(statement, values);
    std::size_t i = NextSignificant(tokens, 0);
    if (i == tokens.size() || !IsKeyword(tokens[i], "select"))
        throw StoreError(QStringLiteral("Only select statements can be run: %1").arg(statement));

    TranslatedSelect result;
    QString& out = result.sql;
    QStringList equalColumns;  // fields compared with "=" to a text
    // A text value: a literal, or a bound "?" for one that stood for a value.
    const auto valueOf = [&result](const Token& token) {
        return [&result, bound = token.bound](const QString& text) {
            if (!bound) return Quote(text);
            result.bindings << text;
            return QStringLiteral("?");
        };
    };
    out = QStringLiteral("select rowid AS mqt_rowid,");
    const qsizetype identityEnd = out.size();
    // Where a "select *" stands, to be given the table's fields once the
    // table is known.
    qsizetype allFields = -1;
    if (const std::size_t first = NextSignificant(tokens, i + 1);
        (rowVersions || target == SqlTarget::Postgres) && first < tokens.size() && tokens[first].text == u"*") {
        allFields = out.size() + 1;
        out += QStringLiteral(" *");
        i = first;
    }
    for (++i; i < tokens.size(); ++i) {
        const Token& token = tokens[i];
        switch (token.kind) {
        case Token::Space:
            out += token.text;
            break;
        case Token::String:
            out += valueOf(token)(token.text);
            break;
        case Token::Date:
            out += DateLiteral(token.text, today, target);
            break;
        case Token::Symbol:
            if (token.text == u";") {
                if (NextSignificant(tokens, i + 1) != tokens.size())
                    throw StoreError(QStringLiteral("Only one statement can run at a time"));
                i = tokens.size() - 1;
                break;
            }
            out += token.text;
            break;
        case Token::Word: {
            if (IsKeyword(token, "from") && result.table.isEmpty()) {
                const std::size_t t = NextSignificant(tokens, i + 1);
                if (t < tokens.size() && tokens[t].kind == Token::Word) result.table = tokens[t].text;
            }
            if (IsKeyword(token, "order")) {
                const std::size_t by = NextSignificant(tokens, i + 1);
                if (by < tokens.size() && IsKeyword(tokens[by], "by")) {
                    const QString terms = OrderTerms(tokens, by + 1, result.table, equalColumns, target);
                    if (!terms.isEmpty()) {
                        out += QStringLiteral("order by ") + terms;
                        i = tokens.size() - 1;
                        break;
                    }
                }
            }
            // column = 'text': equal without regard to letter case.
            const std::size_t op = NextSignificant(tokens, i + 1);
            const std::size_t value = op < tokens.size() ? NextSignificant(tokens, op + 1) : op;
            const bool comparesText = value < tokens.size() && tokens[value].kind == Token::String;
            if (comparesText && tokens[op].kind == Token::Symbol && tokens[op].text == u"=") {
                const QString& text = tokens[value].text;
                equalColumns << token.text;
                if (target == SqlTarget::Sqlite)
                    out += CaseBlindEquals(token.text, text, valueOf(tokens[value]));
                else if (IsTextField(result.table, token.text))
                    out += QStringLiteral("lower(%1) = lower(%2)").arg(token.text, valueOf(tokens[value])(text));
                else
                    out += token.text + QStringLiteral(" = ") + valueOf(tokens[value])(text);
                i = value;
                break;
            }
            if (target == SqlTarget::Postgres && IsKeyword(token, "like") && op < tokens.size() &&
                tokens[op].kind == Token::String) {
                out += QStringLiteral("ILIKE ") + valueOf(tokens[op])(IlikePattern(tokens[op].text));
                i = op;
                break;
            }
            out += token.text;
        }
        }
    }
    if (result.table.isEmpty()) throw StoreError(QStringLiteral("No table named in: %1").arg(statement));
    if (const TableDefinition* table = FindTable(result.table)) {
        if (allFields >= 0) {
            out.replace(allFields, 1, FieldNamesAt(*table, schemaVersion).join(QStringLiteral(", ")));
        }
        if (rowVersions) {
            out.insert(identityEnd, QStringLiteral(" %1 AS mqt_version,").arg(RowVersionField));
            result.versioned = true;
        }
    }
    return result;
}

QString FoldCase(const QString& text) { return text.toLower(); }

bool LikeMatches(const QString& pattern, const QString& value)
{
    const QString p = FoldCase(pattern);
    const QString v = FoldCase(value);
    qsizetype i = 0, j = 0, star = -1, mark = 0;
    while (i < v.size()) {
        if (j < p.size() && p[j] == u'*') {
            star = j++;
            mark = i;
        } else if (j < p.size() && p[j] == v[i]) {
            ++i;
            ++j;
        } else if (star >= 0) {
            j = star + 1;
            i = ++mark;
        } else {
            return false;
        }
    }
    while (j < p.size() && p[j] == u'*') ++j;
    return j == p.size();
}

}  // namespace mqt
