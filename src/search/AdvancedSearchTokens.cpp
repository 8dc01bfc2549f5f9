// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/AdvancedSearchTokens.h"

#include "common/TrimBlanks.h"

#include <algorithm>
#include <array>

namespace mqt {

namespace {

// The expression while its operator words turn into signs. Each character
// remembers whether it is a sign that stands for a typed word, so that a
// complaint about the expression can name the operator as the user wrote it.
struct WorkingText {
    QString text;
    std::vector<bool> fromWord;

    void Append(QStringView piece, bool word)
    {
        text += piece;
        fromWord.insert(fromWord.end(), std::size_t(piece.size()), word);
    }
    void AppendPart(const WorkingText& other, qsizetype start, qsizetype end)
    {
        text += QStringView(other.text).sliced(start, end - start);
        fromWord.insert(fromWord.end(), other.fromWord.begin() + start, other.fromWord.begin() + end);
    }
};

// Replaces every occurrence of `from`, left to right without overlaps. The
// replacement's characters are marked as standing for a word when `word` is set.
void ReplaceEvery(WorkingText& working, QStringView from, QStringView to, bool word)
{
    WorkingText result;
    qsizetype done = 0;
    for (qsizetype at = working.text.indexOf(from); at >= 0; at = working.text.indexOf(from, done)) {
        result.AppendPart(working, done, at);
        result.Append(to, word);
        done = at + from.size();
    }
    result.AppendPart(working, done, working.text.size());
    working = std::move(result);
}

struct Sign {
    QChar sign;
    SearchToken::Kind kind;
    const char* word;  // the operator word the sign stands for
};

constexpr std::array<Sign, 5> signs = {{
    {u'^', SearchToken::Kind::And, "and"},
    {u'~', SearchToken::Kind::Or, "or"},
    {u'`', SearchToken::Kind::Not, "not"},
    {u'(', SearchToken::Kind::Open, nullptr},
    {u')', SearchToken::Kind::Close, nullptr},
}};

}  // namespace

std::vector<SearchToken> TokeniseAdvancedSearch(const QString& expression)
{
    WorkingText working;
    working.Append(u" ", false);
    working.Append(TrimBlanks(expression).toString().toLower(), false);
    ReplaceEvery(working, u"(", u" (", false);
    ReplaceEvery(working, u")", u") ", false);
    ReplaceEvery(working, u" and ", u" ^ ", true);
    ReplaceEvery(working, u" or ", u" ~ ", true);
    ReplaceEvery(working, u" not ", u" ` ", true);

    std::vector<SearchToken> tokens;
    const QStringView text = working.text;
    qsizetype phraseStart = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const auto sign = i < text.size()
            ? std::find_if(signs.begin(), signs.end(), [&](const Sign& s) { return s.sign == text[i]; })
            : signs.end();
        if (i < text.size() && sign == signs.end()) continue;

        const QStringView phrase = TrimBlanks(text.sliced(phraseStart, i - phraseStart));
        if (!phrase.isEmpty()) tokens.push_back({SearchToken::Kind::Phrase, phrase.toString()});
        if (sign != signs.end()) {
            const bool word = working.fromWord[std::size_t(i)];
            tokens.push_back({sign->kind, word ? QString::fromLatin1(sign->word) : QString(sign->sign)});
        }
        phraseStart = i + 1;
    }
    return tokens;
}

}  // namespace mqt
