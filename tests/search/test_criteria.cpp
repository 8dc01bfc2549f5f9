// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/ItemColumns.h"
#include "search/CriteriaEscapes.h"
#include "search/CriteriaFromSelections.h"
#include "search/RecordMatchesCriteria.h"

#include <QtTest>

using namespace mqt;

namespace {

const QDate today(2024, 2, 20);
const QString top = QString::fromUcs4(U"\U0010FFFF");

// A record from "column=value" entries; the other columns are empty.
ItemColumnValues Record(const QStringList& entries)
{
    ItemColumnValues values;
    for (const QString& entry : entries) {
        const qsizetype equals = entry.indexOf(u'=');
        values[std::size_t(entry.left(equals).toInt())] = entry.mid(equals + 1);
    }
    return values;
}

bool Matches(QString criteria, const QStringList& record)
{
    return RecordMatchesCriteria(criteria, BuildItemColumns().ColumnTypes, Record(record), today);
}

}  // namespace

class CriteriaTest : public QObject {
    Q_OBJECT

private slots:
    void itemColumns();
    void recordMatchesCriteria_data();
    void recordMatchesCriteria();
    void criteriaTextKeepsItsMarkers();
    void criteriaFromSelections_data();
    void criteriaFromSelections();
    void selectionFinds_data();
    void selectionFinds();
    void itemButtonFindsExactlyThatDescription_data();
    void itemButtonFindsExactlyThatDescription();
};

void CriteriaTest::itemColumns()
{
    const ItemColumnTable columns = BuildItemColumns();
    QCOMPARE(columns.ReportColumnCount, 11);
    QString types;
    for (int c = 1; c <= ItemColumnTable::Count; ++c) types += columns.ColumnTypes[std::size_t(c)];
    QCOMPARE(types, QStringLiteral("AAAAANNDDDAA"));
    QCOMPARE(columns.FieldNames[1], QStringLiteral("lastname"));
    QCOMPARE(columns.FieldNames[6], QStringLiteral("costprice"));
    QCOMPARE(columns.FieldNames[12], QStringLiteral("notes"));
    QCOMPARE(columns.ColumnHeadings[1], QStringLiteral("Last name"));
    QCOMPARE(columns.ColumnHeadings[8], QStringLiteral("Date added"));
    QCOMPARE(columns.ColumnHeadings[11], QStringLiteral("Pay Ref"));
    QVERIFY(columns.ColumnHeadings[12].isEmpty());
}

void CriteriaTest::recordMatchesCriteria_data()
{
    QTest::addColumn<QString>("criteria");
    QTest::addColumn<QStringList>("record");
    QTest::addColumn<bool>("expected");

    const QString payList = QStringLiteral("6.NE.0,9.NE.NULL,10.EQ.NULL");
    QTest::newRow("empty criteria match everything") << QString() << QStringList{"3=x"} << true;
    QTest::newRow("only commas match everything") << ",,," << QStringList{"3=x"} << true;
    QTest::newRow("pay list: empty cost, sold, unpaid") << payList << QStringList{"9=2/1/2024"} << true;
    QTest::newRow("pay list: rent item with negative cost") << payList << QStringList{"6=-20.00", "9=2/1/2024"} << true;
    QTest::newRow("pay list: cost 0.00 left out") << payList << QStringList{"6=0.00", "9=2/1/2024"} << false;
    QTest::newRow("pay list: unsold left out") << payList << QStringList{"6=5.00"} << false;
    QTest::newRow("pay list: paid left out") << payList << QStringList{"6=5.00", "9=2/1/2024", "10=2/5/2024"} << false;

    QTest::newRow("text: equal in lower case") << "3.EQ.Red Chair" << QStringList{"3=red chair"} << true;
    QTest::newRow("text: equal in upper case") << "3.EQ.Red Chair" << QStringList{"3=RED CHAIR"} << true;
    QTest::newRow("text: longer value differs") << "3.EQ.Red Chair" << QStringList{"3=red chairs"} << false;
    QTest::newRow("text: lower-case operator") << "3.eq.x" << QStringList{"3=X"} << true;
    QTest::newRow("text: dots stay in the value") << "3.EQ.no. 5 lamp" << QStringList{"3=No. 5 Lamp"} << true;
    QTest::newRow("text: blanks stay in the value") << "3.EQ. red" << QStringList{"3=red"} << false;
    QTest::newRow("text: GT after lower-casing") << "1.GT.a" << QStringList{"1=B"} << true;
    QTest::newRow("text: by character code, not by language") << "1.LT.z" << QStringList{"1=\u00e9"} << false;
    QTest::newRow("text: emoji after full-width z, by code point") << "3.GT.\uff5a" << QStringList{"3=\U0001F600 mug"} << true;
    QTest::newRow("text: full-width z before emoji") << "3.LT.\U0001F600" << QStringList{"3=\uff5a"} << true;
    QTest::newRow("text: typed y-umlaut bound misses Sm\u00edth as before") << "1.NL.smi,1.NG.smi\u00ff" << QStringList{"1=Sm\u00edth"} << false;
    QTest::newRow("text: typed y-umlaut bound finds Smith") << "1.NL.smi,1.NG.smi\u00ff" << QStringList{"1=SMITH"} << true;
    QTest::newRow("text: typed y-umlaut bound finds Smi\u00f1a") << "1.NL.smi,1.NG.smi\u00ff" << QStringList{"1=Smi\u00f1a"} << true;
    QTest::newRow("text: typed y-umlaut bound misses Smoke") << "1.NL.smi,1.NG.smi\u00ff" << QStringList{"1=Smoke"} << false;
    QTest::newRow("text: NE") << "4.NE.lamps" << QStringList{"4=Lamps"} << false;
    QTest::newRow("text: NG equal") << "4.NG.lamps" << QStringList{"4=LAMPS"} << true;
    QTest::newRow("text: NL below") << "4.NL.lamps" << QStringList{"4=lamp"} << false;
    QTest::newRow("text: NULL is empty") << "11.EQ.null" << QStringList{"11="} << true;
    QTest::newRow("text: NULL misses a value") << "11.EQ.NULL" << QStringList{"11=x"} << false;
    QTest::newRow("text: NULL inside a value stays") << "3.EQ.NULL lamp" << QStringList{"3=null lamp"} << true;
    QTest::newRow("notes column 12") << "12.EQ.fragile" << QStringList{"12=Fragile"} << true;

    QTest::newRow("number: 10 equals 10.00") << "6.EQ.10" << QStringList{"6=10.00"} << true;
    QTest::newRow("number: empty is not 10") << "6.EQ.10" << QStringList{"6="} << false;
    QTest::newRow("number: empty is not 0") << "6.EQ.0" << QStringList{"6="} << false;
    QTest::newRow("number: NULL finds empty") << "6.EQ.NULL" << QStringList{"6="} << true;
    QTest::newRow("number: NULL misses 0.00") << "6.EQ.NULL" << QStringList{"6=0.00"} << false;
    QTest::newRow("number: two empties are equal") << "7.NG.NULL" << QStringList{"7="} << true;
    QTest::newRow("number: empty above every number") << "6.GT.1000000" << QStringList{"6="} << true;
    QTest::newRow("number: empty not below 0") << "6.LT.0" << QStringList{"6="} << false;
    QTest::newRow("number: empty not less than 5") << "6.NL.5" << QStringList{"6="} << true;
    QTest::newRow("number: empty greater than 5") << "6.NG.5" << QStringList{"6="} << false;
    QTest::newRow("number: by value, not as text") << "6.GT.9" << QStringList{"6=10.00"} << true;
    QTest::newRow("number: decimal value") << "6.LT.9.5" << QStringList{"6=9.25"} << true;
    QTest::newRow("number: text without a number is 0") << "6.EQ.$12" << QStringList{"6=0.00"} << true;
    QTest::newRow("number: NE NULL finds a price") << "7.NE.NULL" << QStringList{"7=3.00"} << true;

    QTest::newRow("date: same day") << "8.EQ.3/1/2024" << QStringList{"8=3/1/2024"} << true;
    QTest::newRow("date: two-digit year") << "8.EQ.3/1/2024" << QStringList{"8=03/01/24"} << true;
    QTest::newRow("date: term with dashes") << "8.EQ.3-1-2024" << QStringList{"8=3/1/2024"} << true;
    QTest::newRow("date: month and day are this year") << "8.EQ.2/20" << QStringList{"8=2/20/2024"} << true;
    QTest::newRow("date: in calendar order, not as text") << "8.LT.10/1/2023" << QStringList{"8=9/30/2023"} << true;
    QTest::newRow("date: GT next day") << "8.GT.2/29/2024" << QStringList{"8=3/1/2024"} << true;
    QTest::newRow("date: time of day after midnight") << "8.GT.3/1/2024" << QStringList{"8=3/1/2024 10:30"} << true;
    QTest::newRow("date: NULL finds empty") << "10.EQ.NULL" << QStringList{"10="} << true;
    QTest::newRow("date: NULL finds no date") << "10.EQ.NULL" << QStringList{"10=soon"} << true;
    QTest::newRow("date: NULL finds 1 January 1900") << "10.EQ.NULL" << QStringList{"10=1/1/1900"} << true;
    QTest::newRow("date: NE NULL finds a date") << "9.NE.NULL" << QStringList{"9=2/1/2024"} << true;

    QTest::newRow("every term must hold") << "3.EQ.a,4.EQ.b" << QStringList{"3=a", "4=c"} << false;
    QTest::newRow("a failing term ends the test") << "3.EQ.b,3.EQ.a" << QStringList{"3=a"} << false;
    QTest::newRow("column number with blanks") << " 3 .EQ.x" << QStringList{"3=x"} << true;
    QTest::newRow("term without a dot holds") << "3EQx" << QStringList{"3=y"} << true;
    QTest::newRow("term without value dot holds") << "3.EQ" << QStringList{"3=y"} << true;
    QTest::newRow("column 0 holds") << "0.EQ.x" << QStringList{"3=y"} << true;
    QTest::newRow("column 13 holds") << "13.EQ.x" << QStringList{"3=y"} << true;
    QTest::newRow("column -1 holds") << "-1.EQ.x" << QStringList{"3=y"} << true;
    QTest::newRow("unknown operator holds") << "3.XX.x" << QStringList{"3=y"} << true;
    QTest::newRow("quoted comma stays in the term") << "3.EQ.\"Chair, oak\"" << QStringList{"3=chair, oak"} << true;
    QTest::newRow("unquoted comma ends the term") << "3.EQ.Chair, oak" << QStringList{"3=chair, oak"} << false;

    QStringList many(35, QStringLiteral("12.NE.zz"));
    many << QStringLiteral("3.EQ.x");
    QTest::newRow("terms beyond the 30th are read") << many.join(u',') << QStringList{"3=y"} << false;
}

void CriteriaTest::recordMatchesCriteria()
{
    QFETCH(QString, criteria);
    QFETCH(QStringList, record);
    QFETCH(bool, expected);
    QCOMPARE(Matches(criteria, record), expected);
}

void CriteriaTest::criteriaTextKeepsItsMarkers()
{
    QString criteria = QStringLiteral("3.EQ.\"a,b\",4.EQ.c");
    const ItemColumnValues record = Record({"3=A,B", "4=C"});
    const auto types = BuildItemColumns().ColumnTypes;
    QVERIFY(RecordMatchesCriteria(criteria, types, record, today));
    QCOMPARE(criteria, QStringLiteral("3.EQ.~a`b~,4.EQ.c"));
    QVERIFY(RecordMatchesCriteria(criteria, types, record, today));
    QCOMPARE(criteria, QStringLiteral("3.EQ.~a`b~,4.EQ.c"));
}

void CriteriaTest::criteriaFromSelections_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("selection");
    QTest::addColumn<QString>("expected");

    QTest::newRow("empty box adds nothing") << 1 << "   " << "";
    QTest::newRow("text becomes a prefix range") << 1 << "smi" << ",1.NL.smi,1.NG.smi" + top;
    QTest::newRow("surrounding blanks removed") << 1 << "  smi " << ",1.NL.smi,1.NG.smi" + top;
    QTest::newRow("pay reference is text") << 11 << "x" << ",11.NL.x,11.NG.x" + top;
    QTest::newRow("text range") << 1 << "a-m" << ",1.NL.a,1.NG.m";
    QTest::newRow("text range swapped") << 1 << "m-a" << ",1.NL.m,1.NG.m";
    QTest::newRow("text range bounds compare as typed") << 1 << "B-a" << ",1.NL.B,1.NG.a";
    QTest::newRow("further dashes stay in the upper bound") << 3 << "a-b-c" << ",3.NL.a,3.NG.b-c";
    QTest::newRow("dash test before first character") << 1 << "<a-b" << ",1.NL.<a,1.NG.b";
    QTest::newRow("less than") << 3 << "<x" << ",3.LT.x";
    QTest::newRow("equal to") << 3 << "=x" << ",3.EQ.x";
    QTest::newRow("greater than") << 3 << ">x" << ",3.GT.x";
    QTest::newRow("no less-or-equal") << 3 << "<=x" << ",3.LT.=x";
    QTest::newRow("equal sign alone") << 10 << "=" << ",10.EQ.";
    QTest::newRow("number equal") << 6 << "10" << ",6.EQ.10";
    QTest::newRow("number greater") << 6 << ">10" << ",6.GT.10";
    QTest::newRow("number range by value") << 6 << "9-10" << ",6.NL.9,6.NG.10";
    QTest::newRow("number range swapped by value") << 7 << "10-9" << ",7.NL.10,7.NG.10";
    QTest::newRow("date with slashes") << 8 << "3/1/2024" << ",8.EQ.3/1/2024";
    QTest::newRow("date with dashes is a range") << 8 << "3-1-2024" << ",8.NL.3,8.NG.1-2024";
    QTest::newRow("date range swapped by calendar") << 9 << "3/1/2024-2/1/2024" << ",9.NL.3/1/2024,9.NG.3/1/2024";
    QTest::newRow("comma kept in quotes") << 3 << "chair, oak" << ",3.NL.\"chair, oak\",3.NG.\"chair, oak" + top + "\"";
    QTest::newRow("double quotes dropped") << 3 << "12\" tv" << ",3.NL.12 tv,3.NG.12 tv" + top;
}

void CriteriaTest::criteriaFromSelections()
{
    QFETCH(int, column);
    QFETCH(QString, selection);
    QFETCH(QString, expected);
    QStringList selections(11);
    selections[column - 1] = selection;
    QCOMPARE(CriteriaFromSelections(selections, BuildItemColumns(), today), expected);
}

void CriteriaTest::selectionFinds_data()
{
    QTest::addColumn<QStringList>("selections");
    QTest::addColumn<QStringList>("record");
    QTest::addColumn<bool>("expected");

    QTest::newRow("smi finds Smith") << QStringList{"smi"} << QStringList{"1=Smith"} << true;
    QTest::newRow("smi finds SMIT") << QStringList{"smi"} << QStringList{"1=SMIT"} << true;
    QTest::newRow("smi misses Sm") << QStringList{"smi"} << QStringList{"1=Sm"} << false;
    QTest::newRow("smi finds Smi\u0142owski") << QStringList{"smi"} << QStringList{"1=Smi\u0142owski"} << true;
    QTest::newRow("smi misses Smoke") << QStringList{"smi"} << QStringList{"1=Smoke"} << false;
    QTest::newRow("dvo finds Dvo\u0159\u00e1k") << QStringList{"dvo"} << QStringList{"1=Dvo\u0159\u00e1k"} << true;
    QTest::newRow("mug finds an emoji after it") << QStringList{"", "", "mug"} << QStringList{"3=Mug \U0001F600"} << true;
    QTest::newRow("text range bound by code point") << QStringList{"", "", "\uff5a-\U0001F600"} << QStringList{"3=\U0001F600"} << true;
    QTest::newRow("a-m finds Adams") << QStringList{"a-m"} << QStringList{"1=Adams"} << true;
    QTest::newRow("a-m finds m") << QStringList{"a-m"} << QStringList{"1=m"} << true;
    QTest::newRow("a-m misses Mary") << QStringList{"a-m"} << QStringList{"1=Mary"} << false;
    QTest::newRow("10 finds 10.00") << QStringList{"", "", "", "", "", "10"} << QStringList{"6=10.00"} << true;
    QTest::newRow("10 misses empty price") << QStringList{"", "", "", "", "", "10"} << QStringList{"6="} << false;
    QTest::newRow(">10 finds 12.00") << QStringList{"", "", "", "", "", ">10"} << QStringList{"6=12.00"} << true;
    QTest::newRow(">10 finds empty price") << QStringList{"", "", "", "", "", ">10"} << QStringList{"6="} << true;
    QTest::newRow(">10 misses 5.00") << QStringList{"", "", "", "", "", ">10"} << QStringList{"6=5.00"} << false;
    const QStringList unpaid{"", "", "", "", "", "", "", "", "", "="};
    QTest::newRow("= finds unpaid") << unpaid << QStringList{"10="} << true;
    QTest::newRow("= misses paid") << unpaid << QStringList{"10=2/1/2024"} << false;
    QTest::newRow("two columns both hold") << QStringList{"smi", "", "", "", "", "<5"} << QStringList{"1=smith", "6=4.00"} << true;
    QTest::newRow("two columns one fails") << QStringList{"smi", "", "", "", "", "<5"} << QStringList{"1=smith", "6=6.00"} << false;
    QTest::newRow("percent sign stays as typed") << QStringList{"", "", "=50%2C"} << QStringList{"3=50%2c"} << true;
    QTest::newRow("percent sign is no escape") << QStringList{"", "", "=50%2C"} << QStringList{"3=50,"} << false;
    QTest::newRow("prefix with a comma") << QStringList{"", "", "Chair, oak"} << QStringList{"3=chair, oak (old)"} << true;
}

void CriteriaTest::selectionFinds()
{
    QFETCH(QStringList, selections);
    QFETCH(QStringList, record);
    QFETCH(bool, expected);
    while (selections.size() < 11) selections << QString();
    QCOMPARE(Matches(CriteriaFromSelections(selections, BuildItemColumns(), today), record), expected);
}

void CriteriaTest::itemButtonFindsExactlyThatDescription_data()
{
    QTest::addColumn<QString>("description");
    QTest::addColumn<QStringList>("others");  // descriptions that must not match
    QTest::newRow("commas") << "Chair, oak, 1920s" << QStringList{"Chair", "Chair, oak", "chair oak 1920s"};
    QTest::newRow("inch mark") << "Plate 5\"" << QStringList{"Plate 5", "Plate 5\"\""};
    QTest::newRow("quoted words with a comma") << "\"Big, red\" vase" << QStringList{"Big, red vase", "Big"};
    QTest::newRow("tilde") << "~ wave print" << QStringList{" wave print", "wave print"};
    QTest::newRow("grave accent") << "Caf` sign" << QStringList{"Caf, sign", "Caf sign"};
    QTest::newRow("percent signs") << "50% off %22 tag" << QStringList{"50% off \" tag", "50"};
    QTest::newRow("the word null") << "Null" << QStringList{"", "nul"};
    QTest::newRow("dots and blanks") << " no. 5 lamp. " << QStringList{"no. 5 lamp.", " no. 5 lamp"};
}

// The "Item" button's term finds its own description in any letter case and
// nothing else, whatever the description holds.
void CriteriaTest::itemButtonFindsExactlyThatDescription()
{
    QFETCH(QString, description);
    QFETCH(QStringList, others);
    const QString criteria = QStringLiteral("3.EQ.") + ExactCriteriaValue(description);
    QVERIFY2(Matches(criteria, {"3=" + description}), qPrintable(criteria));
    QVERIFY(Matches(criteria, {"3=" + description.toUpper()}));
    for (const QString& other : others) QVERIFY2(!Matches(criteria, {"3=" + other}), qPrintable(other));
    // The criteria string read once and then again, as a list of many items reads it.
    QString shared = criteria;
    for (int pass = 0; pass < 2; ++pass)
        QVERIFY(RecordMatchesCriteria(shared, BuildItemColumns().ColumnTypes, Record({"3=" + description}), today));
}

QTEST_GUILESS_MAIN(CriteriaTest)
#include "test_criteria.moc"
