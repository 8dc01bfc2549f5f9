// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QStringMatcher>
#include <vector>

namespace mqt {

struct SearchToken;

// An "Advanced Search" expression, worked out once and then tested against
// the search text of every item of a report run.
//
// Phrases are combined with "not", "and", "or" and parentheses; "not" binds
// tighter than "and", "and" tighter than "or" (see TokeniseAdvancedSearch for
// when a word counts as an operator). A phrase holds when the lower-cased
// text contains it anywhere, word boundaries or not. An empty or blank
// expression matches every text.
//
// An expression that cannot be read (an operator with nothing before or after
// it, two phrases without an operator between them, a bracket without its
// partner, empty brackets) matches no text, and Problem() says what is wrong.
class AdvancedSearch {
public:
    explicit AdvancedSearch(const QString& expression);

    bool Matches(const QString& text) const;
    // Whether every text matches (an empty or blank expression), so a
    // caller need not make the text at all.
    bool MatchesEverything() const { return matchesAll_; }
    // Empty when the expression can be read; otherwise a sentence for the user.
    const QString& Problem() const { return problem_; }

private:
    // The expression in postfix order, evaluated with a stack.
    enum class Step { Phrase, Not, And, Or };
    struct Instruction {
        Step step;
        int phrase;  // index into phrases_ for Step::Phrase
    };

    void Compile(const std::vector<SearchToken>& tokens);
    void Emit(const SearchToken& token);

    bool matchesAll_ = false;
    QStringList phrases_;  // each distinct phrase once
    std::vector<QStringMatcher> finders_;  // one per phrase, prepared for repeated searching
    std::vector<Instruction> program_;
    QString problem_;
};

// Whether the text matches the expression; an expression that cannot be read
// matches nothing.
bool MatchesAdvancedSearch(const QString& text, const QString& expression);

}  // namespace mqt
