// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <vector>

namespace mqt {

// One piece of an advanced search expression.
struct SearchToken {
    enum class Kind { Phrase, And, Or, Not, Open, Close };
    Kind kind;
    // A phrase: its lower-cased text without surrounding blanks. An operator:
    // how the user wrote it ("and", "or", "not", or the sign "^", "~", "`").
    QString text;
};

// Cuts an expression into phrases and operators. The expression is trimmed and
// lower-cased, and a blank is put before it, before every "(" and after every
// ")". Then " and ", " or " and " not " become the signs "^", "~" and "`", one
// word after the other, each over the whole text from left to right without
// overlaps; so a word is an operator only with a blank on both sides, and two
// words in a row share one blank. The signs may also be typed directly. The
// runs of text between the signs and parentheses are the phrases; runs of
// blanks alone give no phrase.
std::vector<SearchToken> TokeniseAdvancedSearch(const QString& expression);

}  // namespace mqt
