// SPDX-License-Identifier: GPL-3.0-or-later
// The dialect's text comparisons as functions of the SQLite engine.
#include "store/sqlite/SqliteConnection.h"

#include "store/SqlDialect.h"
#include "store/StoreError.h"

namespace mqt {

namespace {

QString TextArgument(sqlite3_value* value)
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
    return QString::fromUtf8(text, sqlite3_value_bytes(value));
}

void LikeFunction(sqlite3_context* context, int, sqlite3_value** arguments)
{
    if (sqlite3_value_type(arguments[0]) == SQLITE_NULL || sqlite3_value_type(arguments[1]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    sqlite3_result_int(context, LikeMatches(TextArgument(arguments[0]), TextArgument(arguments[1])) ? 1 : 0);
}

void FoldFunction(sqlite3_context* context, int, sqlite3_value** arguments)
{
    if (sqlite3_value_type(arguments[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const QByteArray folded = FoldCase(TextArgument(arguments[0])).toUtf8();
    sqlite3_result_text(context, folded.constData(), int(folded.size()), SQLITE_TRANSIENT);
}

}  // namespace

void RegisterDialectFunctions(sqlite3* handle)
{
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    if (sqlite3_create_function_v2(handle, "like", 2, flags, nullptr, LikeFunction, nullptr, nullptr, nullptr) !=
            SQLITE_OK ||
        sqlite3_create_function_v2(handle, "mqt_fold", 1, flags, nullptr, FoldFunction, nullptr, nullptr, nullptr) !=
            SQLITE_OK)
        throw StoreError(QString::fromUtf8(sqlite3_errmsg(handle)));
}

}  // namespace mqt
