// SPDX-License-Identifier: GPL-3.0-or-later
#include "consignment/ConsignmentTerms.h"

#include "store/Connection.h"
#include "store/SqlDialect.h"
#include "store/StoreError.h"

#include <array>

namespace mqt {

namespace {

constexpr std::array<const char*, 3> Codes = {"returned", "donated", "shop"};
constexpr std::array<const char*, 3> Captions = {"Return to consignor", "Donate", "Becomes the shop's"};

constexpr int LowestPercent = 1;
constexpr int HighestPercent = 95;

}  // namespace

QString EndOfTermCode(EndOfTermAction action) { return QLatin1String(Codes[std::size_t(action)]); }

std::optional<EndOfTermAction> EndOfTermOfCode(const QString& code)
{
    for (std::size_t i = 0; i < Codes.size(); ++i)
        if (code.trimmed().compare(QLatin1String(Codes[i]), Qt::CaseInsensitive) == 0) return EndOfTermAction(i);
    return std::nullopt;
}

QString EndOfTermCaption(EndOfTermAction action) { return QLatin1String(Captions[std::size_t(action)]); }

QStringList EndOfTermCaptions()
{
    QStringList captions;
    for (const char* caption : Captions) captions << QLatin1String(caption);
    return captions;
}

ConsignmentTerms ReadConsignmentTerms(const Connection& connection)
{
    ConsignmentTerms terms;
    Statement params(connection, QStringLiteral("SELECT TermDays, GraceDays, EndOfTerm FROM params"));
    if (params.Step()) {
        terms.termDays = std::max(0, int(params.ColumnInt64(0)));
        terms.graceDays = std::max(0, int(params.ColumnInt64(1)));
        terms.action = EndOfTermOfCode(params.Column(2).toString()).value_or(EndOfTermAction::ReturnToConsignor);
    }
    Statement rows(connection, QStringLiteral("SELECT Category, Days, Percent FROM markdown ORDER BY Days, Category"));
    while (rows.Step())
        terms.markdowns.push_back(
            {rows.Column(0).toString().trimmed(), int(rows.ColumnInt64(1)), int(rows.ColumnInt64(2))});
    return terms;
}

QString MarkdownRowsFault(const std::vector<MarkdownRow>& rows)
{
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const MarkdownRow& row = rows[i];
        const int number = int(i) + 1;
        if (row.percent < LowestPercent || row.percent > HighestPercent)
            return QStringLiteral("Markdown row %1: the percent off must be from %2 to %3")
                .arg(number)
                .arg(LowestPercent)
                .arg(HighestPercent);
        if (row.days < 1) return QStringLiteral("Markdown row %1: the days must be 1 or more").arg(number);
        for (std::size_t j = 0; j < i; ++j)
            if (rows[j].days == row.days && FoldCase(rows[j].category.trimmed()) == FoldCase(row.category.trimmed()))
                return QStringLiteral("Markdown row %1: row %2 already marks %3 down after %4 days")
                    .arg(number)
                    .arg(j + 1)
                    .arg(row.category.trimmed().isEmpty() ? QStringLiteral("every category")
                                                          : row.category.trimmed())
                    .arg(row.days);
    }
    return {};
}

void WriteMarkdownRows(Connection& connection, const std::vector<MarkdownRow>& rows)
{
    if (const QString fault = MarkdownRowsFault(rows); !fault.isEmpty()) throw StoreError(fault);
    connection.Execute(QStringLiteral("DELETE FROM markdown"));
    Statement insert(connection, QStringLiteral("INSERT INTO markdown (Category, Days, Percent) VALUES (?, ?, ?)"));
    for (const MarkdownRow& row : rows) {
        insert.Reset();
        insert.Bind(1, row.category.trimmed());
        insert.Bind(2, row.days);
        insert.Bind(3, row.percent);
        insert.Step();
    }
}

void ForgetConsignmentPass(Connection& connection) { connection.Execute(QStringLiteral("DELETE FROM consignment_pass")); }

int DuePercent(const std::vector<MarkdownRow>& rows, const QString& category, qint64 age)
{
    int due = 0;
    const QString folded = FoldCase(category.trimmed());
    for (const MarkdownRow& row : rows)
        if (age >= row.days && (row.category.isEmpty() || FoldCase(row.category) == folded))
            due = std::max(due, row.percent);
    return due;
}

}  // namespace mqt
