// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary input to both search languages. The input is read as UTF-8
// and cut into lines: the first line is used as an advanced search expression
// and as a criteria string, the second as the text to search, and all lines
// as the record's column values and as the report's selection boxes.
// Besides crashes, hangs and reads outside a text, the run stops on a broken
// promise: an expression with a problem that matches, or a criteria string
// that answers differently once SplitFields has marked it.
#include "common/ItemColumns.h"
#include "search/AdvancedSearch.h"
#include "search/CriteriaFromSelections.h"
#include "search/RecordMatchesCriteria.h"

#include <QStringList>
#include <cstddef>
#include <cstdint>

using namespace mqt;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const ItemColumnTable columns = BuildItemColumns();
    const QDate today(2024, 2, 20);

    const QStringList lines = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size)).split(u'\n');
    const QString first = lines.value(0);
    const QString text = lines.value(1);

    const AdvancedSearch search(first);
    const bool found = search.Matches(text);
    if (!search.Problem().isEmpty() && found) __builtin_trap();
    if (MatchesAdvancedSearch(text, first) != found) __builtin_trap();

    ItemColumnValues record;
    for (std::size_t c = 1; c < record.size(); ++c) record[c] = lines.value(qsizetype(c - 1));
    QString criteria = first;
    const bool matches = RecordMatchesCriteria(criteria, columns.ColumnTypes, record, today);
    if (RecordMatchesCriteria(criteria, columns.ColumnTypes, record, today) != matches) __builtin_trap();

    QString fromSelections = CriteriaFromSelections(lines, columns, today);
    RecordMatchesCriteria(fromSelections, columns.ColumnTypes, record, today);
    return 0;
}
