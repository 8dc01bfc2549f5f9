// The backup location's boxes read back from a stored location, and the
// commission as typed.

#include "params/BackupLocation.h"
#include "params/CommissionEntry.h"

#include <QtTest>

using namespace mqt;

class TestBackupLocation : public QObject {
    Q_OBJECT

private slots:
    void splitForTheBoxes_data()
    {
        QTest::addColumn<QString>("backup");
        QTest::addColumn<QStringList>("boxes");  // drive, then folders 1 to 4
        QTest::newRow("none set: a blank drive") << " " << QStringList{" ", "", "", "", ""};
        QTest::newRow("drive only") << "c:\\" << QStringList{"c", "", "", "", ""};
        QTest::newRow("two levels") << "d:\\shop\\2024\\" << QStringList{"d", "shop", "2024", "", ""};
        QTest::newRow("comma splits a level") << "d:\\a,b\\c\\" << QStringList{"d", "a", "b", "c", ""};
        QTest::newRow("quoted comma stays") << "d:\\\"a,b\"\\c\\" << QStringList{"d", "a,b", "c", "", ""};
        QTest::newRow("a fifth level is not shown") << "e:\\1\\2\\3\\4\\5\\" << QStringList{"e", "1", "2", "3", "4"};
        QTest::newRow("empty text") << "" << QStringList{"", "", "", "", ""};
    }

    void splitForTheBoxes()
    {
        QFETCH(QString, backup);
        QFETCH(QStringList, boxes);
        const BackupBoxes split = SplitBackup(backup);
        QStringList shown{split.drive};
        for (const QString& folder : split.folders) shown << folder;
        QCOMPARE(shown, boxes);
    }

    void commission_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("percent");  // -1000000: refused
        const int refused = -1000000;
        QTest::newRow("half rounds to even below") << "12.5" << 12;
        QTest::newRow("half rounds to even above") << "13.5" << 14;
        QTest::newRow("no number is 0") << "abc" << 0;
        QTest::newRow("blanks ignored") << " 2 5 %" << 25;
        QTest::newRow("negative is kept") << "-5" << -5;
        QTest::newRow("99 is the largest") << "99.4" << 99;
        QTest::newRow("100 refused") << "100" << refused;
        QTest::newRow("99.5 rounds to 100, refused") << "99.5" << refused;
        QTest::newRow("beyond 16 bits refused") << "40000" << refused;
        QTest::newRow("below 16 bits refused") << "-40000" << refused;
        QTest::newRow("lowest 16-bit value kept") << "-32768" << -32768;
        QTest::newRow("endless digits refused") << QString(400, u'9') << refused;
    }

    void commission()
    {
        QFETCH(QString, typed);
        QFETCH(int, percent);
        const std::optional<std::int16_t> read = ReadCommission(typed);
        QCOMPARE(read ? int(*read) : -1000000, percent);
    }
};

QTEST_APPLESS_MAIN(TestBackupLocation)
#include "test_backuplocation.moc"
