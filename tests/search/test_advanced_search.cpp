// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/AdvancedSearch.h"

#include <QtTest>

using namespace mqt;

namespace {

const QString chairItem = QStringLiteral("smith,john,oak chair,furniture,chairs,");

}  // namespace

class AdvancedSearchTest : public QObject {
    Q_OBJECT

private slots:
    void matches_data();
    void matches();
    void malformed_data();
    void malformed();
};

void AdvancedSearchTest::matches_data()
{
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("expected");

    QTest::newRow("empty matches all") << "" << "anything" << true;
    QTest::newRow("blank matches all") << "   " << "anything" << true;
    QTest::newRow("phrase in any case") << "OAK" << chairItem << true;
    QTest::newRow("phrase inside a word") << "oak" << "soaked" << true;
    QTest::newRow("phrase missing") << "pine" << chairItem << false;
    QTest::newRow("phrase keeps inner blanks") << "red oak" << "oak red" << false;
    QTest::newRow("phrase across commas") << "smith,john" << chairItem << true;
    QTest::newRow("operator words in capitals") << "OAK AND CHAIR" << chairItem << true;
    QTest::newRow("word holding an operator") << "andy" << "andy" << true;

    QTest::newRow("and binds tighter than or: red") << "red or blue and green" << "red" << true;
    QTest::newRow("and binds tighter than or: blue") << "red or blue and green" << "blue" << false;
    QTest::newRow("and binds tighter than or: blue green") << "red or blue and green" << "blue green" << true;
    QTest::newRow("and before or from the left") << "red and blue or green" << "green" << true;
    QTest::newRow("not red, without red") << "not red" << "blue" << true;
    QTest::newRow("not red, with red") << "not red" << "red" << false;
    QTest::newRow("and not") << "red and not blue" << "red blue" << false;
    QTest::newRow("not binds tighter than or") << "not red or blue" << "red blue" << true;

    QTest::newRow("not not shares a blank: phrase not red") << "not not red" << "red" << true;
    QTest::newRow("not not shares a blank: text holds it") << "not not red" << "a not red" << false;
    QTest::newRow("not  not with two blanks before and") << "not  not red and blue" << "red" << false;
    QTest::newRow("not  not with two blanks, both") << "not  not red and blue" << "red blue" << true;
    QTest::newRow("typed signs: not not before and") << "``red^blue" << "red" << false;
    QTest::newRow("typed signs: not not before or") << "``red~blue" << "red" << true;

    QTest::newRow("trailing and is part of the phrase") << "red and" << "red" << false;
    QTest::newRow("trailing and found literally") << "red and" << "red and blue" << true;
    QTest::newRow("trailing not is a phrase of its own") << "red and not" << "red, not" << true;

    QTest::newRow("double brackets") << "((red))" << "red" << true;
    QTest::newRow("word glued before bracket") << "red and(blue)" << "red" << false;
    QTest::newRow("word glued before bracket, both") << "red and(blue)" << "red blue" << true;
    QTest::newRow("word glued after bracket") << "(red)or blue" << "blue" << true;
    QTest::newRow("not right after bracket is a phrase") << "(not red)" << "blue" << false;
    QTest::newRow("not right after bracket, found") << "(not red)" << "is not red" << true;
    QTest::newRow("not after bracket and blank") << "( not red)" << "blue" << true;

    QTest::newRow("typed and") << "red^blue" << "blue red" << true;
    QTest::newRow("typed or") << "red~blue" << "blue" << true;
    QTest::newRow("typed not") << "`red" << "blue" << true;

    QTest::newRow("worked example") << "oak and not (table or chair)" << chairItem << false;
    QTest::newRow("worked example, a desk") << "oak and not (table or chair)" << "x,y,oak desk,furniture,desks," << true;
    QTest::newRow("five phrases") << "oak and (table or chair) and not broken or smith" << "jones,ann,oak table,," << true;
}

void AdvancedSearchTest::matches()
{
    QFETCH(QString, expression);
    QFETCH(QString, text);
    QFETCH(bool, expected);
    const AdvancedSearch search(expression);
    QCOMPARE(search.Problem(), QString());
    QCOMPARE(search.Matches(text), expected);
    QCOMPARE(MatchesAdvancedSearch(text, expression), expected);
}

void AdvancedSearchTest::malformed_data()
{
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QString>("problem");

    QTest::newRow("leading and") << "and red" << "The advanced search has \"and\" with nothing before it.";
    QTest::newRow("leading or") << "Or red" << "The advanced search has \"or\" with nothing before it.";
    QTest::newRow("leading typed and") << "^red" << "The advanced search has \"^\" with nothing before it.";
    QTest::newRow("typed or after bracket") << "(~red)" << "The advanced search has \"~\" with nothing before it.";
    QTest::newRow("trailing typed and") << "red^" << "The advanced search has \"^\" with nothing after it.";
    QTest::newRow("trailing typed not") << "red ^ `" << "The advanced search has \"`\" with nothing after it.";
    QTest::newRow("lone typed not") << "`" << "The advanced search has \"`\" with nothing after it.";
    QTest::newRow("and then or") << "red and or blue" << "The advanced search has \"and\" with nothing after it.";
    QTest::newRow("and before a closing bracket") << "(red ^) blue" << "The advanced search has \"^\" with nothing after it.";
    QTest::newRow("not between phrases") << "red not blue" << "The advanced search needs \"and\" or \"or\" before \"not\".";
    QTest::newRow("phrase before bracket") << "red (blue)" << "The advanced search needs \"and\" or \"or\" before \"(\".";
    QTest::newRow("phrase after bracket") << "(red and) blue" << "The advanced search needs \"and\" or \"or\" before \"blue\".";
    QTest::newRow("empty brackets") << "red and ()" << "The advanced search has \"()\" with nothing between the brackets.";
    QTest::newRow("blank brackets") << "( )" << "The advanced search has \"()\" with nothing between the brackets.";
    QTest::newRow("open without close") << "(red" << "The advanced search has a \"(\" without its \")\".";
    QTest::newRow("inner open without close") << "red or (blue and (green)" << "The advanced search has a \"(\" without its \")\".";
    QTest::newRow("lone open") << "(" << "The advanced search has a \"(\" without its \")\".";
    QTest::newRow("close without open") << "red)" << "The advanced search has a \")\" without its \"(\".";
    QTest::newRow("close first") << ")red(" << "The advanced search has a \")\" without its \"(\".";
}

void AdvancedSearchTest::malformed()
{
    QFETCH(QString, expression);
    QFETCH(QString, problem);
    const AdvancedSearch search(expression);
    QCOMPARE(search.Problem(), problem);
    const QString everything = QStringLiteral("red blue green and or not ( ) ^ ~ `");
    QVERIFY(!search.Matches(everything));
    QVERIFY(!search.Matches(QString()));
    QVERIFY(!MatchesAdvancedSearch(everything, expression));
}

QTEST_GUILESS_MAIN(AdvancedSearchTest)
#include "test_advanced_search.moc"
