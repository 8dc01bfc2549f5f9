// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/RecordMatchesCriteria.h"

#include "common/Clock.h"
#include "common/SplitFields.h"
#include "common/Val.h"
#include "search/CriteriaEscapes.h"

#include <algorithm>
#include <array>
#include <optional>

namespace mqt {

CriteriaFilter::CriteriaFilter(QString& criteria, const ItemColumnTable::TypeLetters& types, const QDate& today)
    : types_(types), today_(today)
{
    static const std::array<std::pair<QStringView, Operator>, 6> operators = {{
        {u"EQ", Operator::EQ}, {u"NE", Operator::NE}, {u"GT", Operator::GT},
        {u"LT", Operator::LT}, {u"NG", Operator::NG}, {u"NL", Operator::NL},
    }};

    for (const QString& term : SplitFields(criteria)) {
        const qsizetype firstDot = term.indexOf(u'.');
        if (firstDot < 0) continue;
        const std::optional<std::int32_t> column = RoundToInt32(Val(term.left(firstDot)));
        if (!column || *column < 1 || *column > ItemColumnTable::Count) continue;

        const QString opText = term.mid(firstDot + 1, 2).toUpper();
        const auto known = std::find_if(operators.begin(), operators.end(),
                                        [&](const auto& entry) { return entry.first == opText; });
        if (known == operators.end()) continue;

        const qsizetype valueDot = term.indexOf(u'.', firstDot + 1);
        if (valueDot < 0) continue;
        QString value = term.mid(valueDot + 1);
        if (value.toUpper() == u"NULL")
            value.clear();
        else
            value = UnescapeCriteriaValue(value);

        terms_.push_back(Term{*column, known->second, ComparableValue(types[*column], value, today)});
    }
}

bool CriteriaFilter::Matches(const ItemColumnValues& values) const
{
    if (terms_.empty()) return true;
    // A range names its column twice; convert each record value once.
    std::array<std::optional<ComparableValue>, ItemColumnTable::Count + 1> record;
    for (const Term& term : terms_) {
        std::optional<ComparableValue>& left = record[std::size_t(term.column)];
        if (!left) left.emplace(types_[term.column], values[term.column], today_);
        const int order = left->CompareTo(term.value);
        bool holds = true;
        switch (term.op) {
        case Operator::EQ: holds = order == 0; break;
        case Operator::NE: holds = order != 0; break;
        case Operator::GT: holds = order > 0; break;
        case Operator::LT: holds = order < 0; break;
        case Operator::NG: holds = order <= 0; break;
        case Operator::NL: holds = order >= 0; break;
        }
        if (!holds) return false;
    }
    return true;
}

bool RecordMatchesCriteria(QString& criteria, const ItemColumnTable::TypeLetters& types,
                           const ItemColumnValues& values, const QDate& today)
{
    if (criteria.isEmpty()) return true;
    return CriteriaFilter(criteria, types, today).Matches(values);
}

}  // namespace mqt
