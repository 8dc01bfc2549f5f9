// SPDX-License-Identifier: GPL-3.0-or-later
// The list splitter and SQL quoting.

#include "common/SplitFields.h"
#include "common/SqlQuote.h"

#include <QtTest>

using namespace mqt;

class TestCommonRoutines : public QObject {
    Q_OBJECT

private slots:
    void splitFields_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("pieces");
        QTest::addColumn<QString>("rewritten");
        QTest::newRow("three pieces") << "a,b,c" << QStringList{"a", "b", "c"} << "a,b,c";
        QTest::newRow("quoted comma stays") << "a,\"b,c\",d" << QStringList{"a", "b,c", "d"} << "a,~b`c~,d";
        QTest::newRow("empty gives none") << "" << QStringList{} << "";
        QTest::newRow("trailing comma") << "a," << QStringList{"a", ""} << "a,";
        QTest::newRow("lone comma") << "," << QStringList{"", ""} << ",";
        QTest::newRow("unbalanced quote runs to the end") << "\"a,b" << QStringList{"a,b"} << "~a`b";
        QTest::newRow("blanks kept") << " a , b" << QStringList{" a ", " b"} << " a , b";
        QTest::newRow("tilde vanishes") << "x~y" << QStringList{"xy"} << "x~y";
        QTest::newRow("grave accent becomes comma") << "x`y" << QStringList{"x,y"} << "x`y";
    }

    void splitFields()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, pieces);
        QFETCH(QString, rewritten);
        QCOMPARE(SplitFields(text), pieces);
        QCOMPARE(text, rewritten);
        QCOMPARE(SplitFields(text), pieces);  // the rewritten text splits the same
    }

    void sqlQuote_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("quoted");
        QTest::newRow("apostrophe doubled and trimmed") << "  O'Brien  " << "O''Brien";
        QTest::newRow("doubled apostrophe stays doubled") << "O''Brien" << "O''Brien";
        QTest::newRow("tripled collapses") << "O'''Brien" << "O''Brien";
        QTest::newRow("lone apostrophe") << "'" << "''";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("blanks only") << "   " << "";
        QTest::newRow("tabs are not trimmed") << "\tx" << "\tx";
        QTest::newRow("wildcards untouched") << "a*%_?" << "a*%_?";
    }

    void sqlQuote()
    {
        QFETCH(QString, value);
        QFETCH(QString, quoted);
        QCOMPARE(SqlQuote(value), quoted);
    }
};

QTEST_GUILESS_MAIN(TestCommonRoutines)
#include "test_common_routines.moc"
