// SPDX-License-Identifier: GPL-3.0-or-later
// Generated inputs for both search languages, from a fixed seed: every input
// must finish, and the advanced search must give the same answer as the
// step-by-step reduction of its signs that the search is defined by.
#include "common/ItemColumns.h"
#include "common/TrimBlanks.h"
#include "search/AdvancedSearch.h"
#include "search/CriteriaFromSelections.h"
#include "search/RecordMatchesCriteria.h"

#include <QRandomGenerator>
#include <QtTest>
#include <optional>

using namespace mqt;

namespace {

const QDate today(2024, 2, 20);

QString Pick(QRandomGenerator& random, const QStringList& choices)
{
    return choices[random.bounded(int(choices.size()))];
}

// The expression as the signs string: phrases replaced by 1 (found) or 0,
// operators by their signs.
QString Signs(const QString& text, const QString& expression)
{
    QString work = u' ' + TrimBlanks(expression).toString().toLower();
    work.replace(QStringLiteral("("), QStringLiteral(" ("));
    work.replace(QStringLiteral(")"), QStringLiteral(") "));
    work.replace(QStringLiteral(" and "), QStringLiteral(" ^ "));
    work.replace(QStringLiteral(" or "), QStringLiteral(" ~ "));
    work.replace(QStringLiteral(" not "), QStringLiteral(" ` "));
    const QString lower = text.toLower();
    QString output;
    QString pending;
    for (qsizetype i = 0; i <= work.size(); ++i) {
        if (i == work.size() || QStringView(u"^~`()").contains(work[i])) {
            const QString phrase = TrimBlanks(pending).toString();
            if (!phrase.isEmpty()) output += lower.contains(phrase) ? u'1' : u'0';
            pending.clear();
            if (i < work.size()) output += work[i];
        } else {
            pending += work[i];
        }
    }
    return output;
}

bool IsDigit(const QString& s, qsizetype i) { return i >= 0 && i < s.size() && (s[i] == u'0' || s[i] == u'1'); }

// Reduces the signs pass by pass: brackets, not, and, or. With nestedNotsFirst
// a not that meets an inner not finishing is applied in the same step, so that
// "and" cannot take the operand that the outer not still needs. Empty when the
// signs do not reduce to one digit (a pass that changes nothing, or an
// operator at the very start).
std::optional<bool> Reduce(QString s, bool nestedNotsFirst)
{
    while (s.size() > 1) {
        const QString before = s;
        for (qsizetype i = 0; i < s.size(); ++i) {
            if (s[i] == u'(' && i + 2 < s.size() && s[i + 2] == u')') s = s.left(i) + s[i + 1] + s.mid(i + 3);
        }
        for (qsizetype i = 0; i < s.size(); ++i) {
            if (s[i] != u'`' || !IsDigit(s, i + 1)) continue;
            s = s.left(i) + (s[i + 1] == u'0' ? u'1' : u'0') + s.mid(i + 2);
            if (nestedNotsFirst && i > 0 && s[i - 1] == u'`') i -= 2;
        }
        for (qsizetype i = 0; i < s.size(); ++i) {
            if (s[i] != u'^') continue;
            if (i == 0) return std::nullopt;
            if (!IsDigit(s, i - 1) || !IsDigit(s, i + 1)) continue;
            const bool both = s[i - 1] == u'1' && s[i + 1] == u'1';
            s = s.left(i - 1) + (both ? u'1' : u'0') + s.mid(i + 2);
            i -= 2;
        }
        for (qsizetype i = 0; i < s.size(); ++i) {
            if (s[i] != u'~') continue;
            if (i == 0) return std::nullopt;
            if (!IsDigit(s, i - 1) || !IsDigit(s, i + 1)) continue;
            const bool leftAlone = i - 1 == 0 || s[i - 2] == u'~' || s[i - 2] == u'(';
            const bool rightAlone = i + 1 == s.size() - 1 || s[i + 2] == u'~' || s[i + 2] == u')';
            if (!leftAlone || !rightAlone) continue;
            const bool either = s[i - 1] == u'1' || s[i + 1] == u'1';
            s = s.left(i - 1) + (either ? u'1' : u'0') + s.mid(i + 2);
            i -= 2;
        }
        if (s == before) return std::nullopt;
    }
    if (s == u"1") return true;
    if (s == u"0") return false;
    return std::nullopt;
}

const QStringList phrases = {"red", "blue", "oak", "red oak", "and", "or", "not", "andy", "x", "Blue", " ", "not red"};
const QStringList ands = {" and ", " AND ", "^", " ^ ", "and", " and  "};
const QStringList ors = {" or ", " Or ", "~", " ~ ", "or"};
const QStringList nots = {"not ", " not ", "`", "` ", "NOT  ", "not  not "};

// Mostly well-formed expressions, written in the many ways a user may type them.
QString Expression(QRandomGenerator& random, int depth)
{
    const int choice = depth > 3 ? 0 : random.bounded(10);
    switch (choice) {
    case 0: case 1: case 2: return Pick(random, phrases);
    case 3: case 4: return Expression(random, depth + 1) + Pick(random, ands) + Expression(random, depth + 1);
    case 5: case 6: return Expression(random, depth + 1) + Pick(random, ors) + Expression(random, depth + 1);
    case 7: return Pick(random, nots) + Expression(random, depth + 1);
    case 8: return Pick(random, {"(", " (", "( "}) + Expression(random, depth + 1) + Pick(random, {")", ") ", " )"});
    default: return Pick(random, phrases) + Expression(random, depth + 1);
    }
}

// Any mix of the pieces of the language, mostly not well-formed.
QString Soup(QRandomGenerator& random)
{
    const QStringList pieces = phrases + ands + ors + nots + QStringList{"(", ")", "((", "))", " "};
    QString expression;
    for (int n = random.bounded(1, 8); n > 0; --n) expression += Pick(random, pieces);
    return expression;
}

QString Text(QRandomGenerator& random)
{
    QString text;
    for (int n = random.bounded(0, 4); n > 0; --n) text += Pick(random, {"red", "Blue", "oak", "and", "not red", "xyz"}) + u',';
    return text;
}

}  // namespace

class SearchRandomTest : public QObject {
    Q_OBJECT

private slots:
    void advancedSearchFollowsTheReduction();
    void criteriaStringsFinish();
    void textSelectionFindsItsPrefix();
};

void SearchRandomTest::advancedSearchFollowsTheReduction()
{
    QRandomGenerator random(20240220);
    int wellFormed = 0;
    for (int n = 0; n < 4000; ++n) {
        const QString expression = n % 3 == 2 ? Soup(random) : Expression(random, 0);
        const AdvancedSearch search(expression);
        for (int t = 0; t < 3; ++t) {
            const QString text = Text(random);
            const QString signs = Signs(text, expression);
            if (TrimBlanks(expression).isEmpty()) {
                QVERIFY(search.Problem().isEmpty() && search.Matches(text));
                continue;
            }
            const std::optional<bool> expected = Reduce(signs, true);
            const QString context = QStringLiteral("expression [%1] text [%2] signs [%3]").arg(expression, text, signs);
            if (expected) {
                QVERIFY2(search.Problem().isEmpty(), qPrintable(context));
                QVERIFY2(search.Matches(text) == *expected, qPrintable(context));
                if (!signs.contains(QStringLiteral("``")))
                    QVERIFY2(Reduce(signs, false) == expected, qPrintable(context));
            } else {
                QVERIFY2(!search.Problem().isEmpty(), qPrintable(context));
                QVERIFY2(!search.Matches(text), qPrintable(context));
            }
            wellFormed += expected.has_value();
        }
    }
    QVERIFY(wellFormed > 4000);
}

void SearchRandomTest::criteriaStringsFinish()
{
    QRandomGenerator random(7);
    const auto types = BuildItemColumns().ColumnTypes;
    const QStringList columns = {"1", "3", "6", "7", "8", "10", "12", "0", "13", "-1", "x", " 3", "", "99999999999"};
    const QStringList operators = {"EQ", "ne", "Gt", "lt", "NG", "nl", "XX", "E", ""};
    const QStringList values = {"", "NULL", "null", "a", "A.b", "10", "10.00", "-3", "3/1/2024", "3-1-2024",
                                "\"x,y\"", "\"", "~", "`", QString(QChar(255)), "1e400"};
    const QStringList recordValues = {"", "a", "A.B", "0.00", "10.00", "-3.00", "3/1/2024", "1/1/1900", "x,y"};
    for (int n = 0; n < 3000; ++n) {
        QStringList fields;
        for (int f = random.bounded(0, 40); f > 0; --f) {
            fields << Pick(random, columns) + Pick(random, {".", "", ".."}) + Pick(random, operators) +
                          Pick(random, {".", ""}) + Pick(random, values);
        }
        QString criteria = fields.join(Pick(random, {",", ",,", ", "}));
        ItemColumnValues record;
        for (std::size_t c = 1; c < record.size(); ++c) record[c] = Pick(random, recordValues);

        const bool first = RecordMatchesCriteria(criteria, types, record, today);
        const QString rewritten = criteria;
        QCOMPARE(RecordMatchesCriteria(criteria, types, record, today), first);
        QCOMPARE(criteria, rewritten);
    }
}

// A plain text typed into a text column's box finds exactly the values that
// begin with it, in any case, commas and dots included.
void SearchRandomTest::textSelectionFindsItsPrefix()
{
    QRandomGenerator random(255);
    const ItemColumnTable columns = BuildItemColumns();
    const QString alphabet = QStringLiteral("abAB., z");
    auto randomText = [&](int shortest) {
        QString text;
        for (int n = random.bounded(shortest, 5); n > 0; --n) text += alphabet[random.bounded(int(alphabet.size()))];
        return text;
    };
    for (int n = 0; n < 3000; ++n) {
        const QString typed = u'a' + randomText(0);
        const QString value = randomText(0);
        QStringList selections(11);
        selections[2] = typed;
        QString criteria = CriteriaFromSelections(selections, columns, today);
        ItemColumnValues record;
        record[3] = value;
        const bool expected = value.toLower().startsWith(TrimBlanks(typed).toString().toLower());
        QVERIFY2(RecordMatchesCriteria(criteria, columns.ColumnTypes, record, today) == expected,
                 qPrintable(QStringLiteral("typed [%1] value [%2]").arg(typed, value)));
    }
}

QTEST_GUILESS_MAIN(SearchRandomTest)
#include "test_search_random.moc"
