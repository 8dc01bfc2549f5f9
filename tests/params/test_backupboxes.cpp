// SPDX-License-Identifier: GPL-3.0-or-later
// The backup location's boxes read back from a stored location, and the
// commission as typed.

#include "params/BackupBoxes.h"
#include "params/CommissionEntry.h"

#include <QtTest>

using namespace mqt;

class TestBackupBoxes : public QObject {
    Q_OBJECT

private slots:
    void splitForTheBoxes_data()
    {
        QTest::addColumn<QString>("backup");
        QTest::addColumn<QStringList>("boxes");  // drive, then folders 1 to 4
        QTest::newRow("none set: a blank drive") << " " << QStringList{" ", "", "", "", ""};
        QTest::newRow("two levels") << "d:\\shop\\2024\\" << QStringList{"d", "shop", "2024", "", ""};
        QTest::newRow("a comma splits a level") << "d:\\a,b\\c\\" << QStringList{"d", "a", "b", "c", ""};
        QTest::newRow("a fifth level is not shown") << "e:\\1\\2\\3\\4\\5\\" << QStringList{"e", "1", "2", "3", "4"};
    }

    void splitForTheBoxes()
    {
        QFETCH(QString, backup);
        QFETCH(QStringList, boxes);
        const BackupBoxes split = SplitBackup(backup);
        QCOMPARE(QStringList{split.drive} + QStringList(split.folders.begin(), split.folders.end()), boxes);
    }

    void commission_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("percent");  // 1000 when refused
        QTest::newRow("half rounds to even below") << "12.5" << 12;
        QTest::newRow("half rounds to even above") << "13.5" << 14;
        QTest::newRow("no number is 0") << "abc" << 0;
        QTest::newRow("negative is kept") << "-5" << -5;
        QTest::newRow("100 refused") << "100" << 1000;
        QTest::newRow("99.5 rounds to 100, refused") << "99.5" << 1000;
        QTest::newRow("beyond 16 bits refused") << "40000" << 1000;
        QTest::newRow("below 16 bits refused") << "-40000" << 1000;
        QTest::newRow("lowest 16-bit value kept") << "-32768" << -32768;
    }

    void commission()
    {
        QFETCH(QString, typed);
        QFETCH(int, percent);
        QCOMPARE(ReadCommission(typed).value_or(1000), percent);
    }
};

QTEST_APPLESS_MAIN(TestBackupBoxes)
#include "test_backupboxes.moc"
