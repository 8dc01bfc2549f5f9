// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/AdvancedSearch.h"

#include "common/TrimBlanks.h"
#include "search/AdvancedSearchTokens.h"

#include <QVarLengthArray>

namespace mqt {

namespace {

using Kind = SearchToken::Kind;

bool IsOperator(const SearchToken* token)
{
    return token && (token->kind == Kind::And || token->kind == Kind::Or || token->kind == Kind::Not);
}

// How strongly an operator on the stack holds its operands; a bracket holds
// nothing, so operators are never taken out past it.
int Binding(Kind kind)
{
    switch (kind) {
    case Kind::Not: return 3;
    case Kind::And: return 2;
    case Kind::Or: return 1;
    default: return 0;
    }
}

QString Quoted(const QString& text) { return u'"' + text + u'"'; }

QString NothingBefore(const SearchToken& op)
{
    return QStringLiteral("The advanced search has %1 with nothing before it.").arg(Quoted(op.text));
}

QString NothingAfter(const SearchToken& op)
{
    return QStringLiteral("The advanced search has %1 with nothing after it.").arg(Quoted(op.text));
}

QString OperatorMissingBefore(const SearchToken& token)
{
    return QStringLiteral("The advanced search needs \"and\" or \"or\" before %1.").arg(Quoted(token.text));
}

const QString openWithoutClose = QStringLiteral("The advanced search has a \"(\" without its \")\".");
const QString closeWithoutOpen = QStringLiteral("The advanced search has a \")\" without its \"(\".");
const QString emptyBrackets = QStringLiteral("The advanced search has \"()\" with nothing between the brackets.");

}  // namespace

AdvancedSearch::AdvancedSearch(const QString& expression)
{
    if (TrimBlanks(expression).isEmpty()) {
        matchesAll_ = true;
        return;
    }
    Compile(TokeniseAdvancedSearch(expression));
}

void AdvancedSearch::Emit(const SearchToken& token)
{
    switch (token.kind) {
    case Kind::Phrase: {
        qsizetype index = phrases_.indexOf(token.text);
        if (index < 0) {
            index = phrases_.size();
            phrases_.append(token.text);
        }
        program_.push_back({Step::Phrase, int(index)});
        break;
    }
    case Kind::Not: program_.push_back({Step::Not, -1}); break;
    case Kind::And: program_.push_back({Step::And, -1}); break;
    case Kind::Or: program_.push_back({Step::Or, -1}); break;
    case Kind::Open:
    case Kind::Close: break;
    }
}

// Puts the tokens into postfix order with a stack of pending operators and
// brackets (no recursion, so deep nesting cannot exhaust the call stack), and
// checks on the way that every operand and operator stands where one belongs.
void AdvancedSearch::Compile(const std::vector<SearchToken>& tokens)
{
    std::vector<const SearchToken*> pending;
    bool expectOperand = true;
    const SearchToken* previous = nullptr;
    for (const SearchToken& token : tokens) {
        if (expectOperand) {
            switch (token.kind) {
            case Kind::Phrase:
                Emit(token);
                expectOperand = false;
                break;
            case Kind::Not:
            case Kind::Open:
                pending.push_back(&token);
                break;
            case Kind::And:
            case Kind::Or:
                problem_ = IsOperator(previous) ? NothingAfter(*previous) : NothingBefore(token);
                break;
            case Kind::Close:
                problem_ = IsOperator(previous) ? NothingAfter(*previous)
                         : previous         ? emptyBrackets
                                            : closeWithoutOpen;
                break;
            }
        } else {
            switch (token.kind) {
            case Kind::And:
            case Kind::Or:
                while (!pending.empty() && Binding(pending.back()->kind) >= Binding(token.kind)) {
                    Emit(*pending.back());
                    pending.pop_back();
                }
                pending.push_back(&token);
                expectOperand = true;
                break;
            case Kind::Close:
                while (!pending.empty() && pending.back()->kind != Kind::Open) {
                    Emit(*pending.back());
                    pending.pop_back();
                }
                if (pending.empty()) {
                    problem_ = closeWithoutOpen;
                    break;
                }
                pending.pop_back();
                break;
            case Kind::Phrase:
            case Kind::Not:
            case Kind::Open:
                problem_ = OperatorMissingBefore(token);
                break;
            }
        }
        if (!problem_.isEmpty()) break;
        previous = &token;
    }

    if (problem_.isEmpty() && expectOperand)
        problem_ = IsOperator(previous) ? NothingAfter(*previous) : openWithoutClose;
    for (; problem_.isEmpty() && !pending.empty(); pending.pop_back()) {
        if (pending.back()->kind == Kind::Open) problem_ = openWithoutClose;
        Emit(*pending.back());
    }
    if (!problem_.isEmpty()) {
        phrases_.clear();
        program_.clear();
    }
    for (const QString& phrase : phrases_) finders_.emplace_back(phrase);
}

bool AdvancedSearch::Matches(const QString& text) const
{
    if (matchesAll_) return true;
    if (!problem_.isEmpty()) return false;

    const QString lower = text.toLower();
    QVarLengthArray<bool, 16> found(qsizetype(finders_.size()));
    for (std::size_t i = 0; i < finders_.size(); ++i) found[qsizetype(i)] = finders_[i].indexIn(lower) >= 0;

    QVarLengthArray<bool, 32> stack;
    for (const Instruction& instruction : program_) {
        switch (instruction.step) {
        case Step::Phrase: stack.append(found[instruction.phrase]); break;
        case Step::Not: stack.back() = !stack.back(); break;
        case Step::And: {
            const bool right = stack.back();
            stack.removeLast();
            stack.back() = stack.back() && right;
            break;
        }
        case Step::Or: {
            const bool right = stack.back();
            stack.removeLast();
            stack.back() = stack.back() || right;
            break;
        }
        }
    }
    return stack.back();
}

bool MatchesAdvancedSearch(const QString& text, const QString& expression)
{
    return AdvancedSearch(expression).Matches(text);
}

}  // namespace mqt
