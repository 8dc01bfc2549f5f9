// The parameters screen against a real database: what Update stores in the
// params row and in Settings, what the screen shows when it opens, and the
// refusal of a commission that cannot be stored.

#include "shell/SharedValues.h"
#include "support/ShopRun.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QtTest>

using namespace mqt;
using test::ShopRun;
using test::TempShop;

namespace {

constexpr int Parameters = 0;

QStringList Boxes(ShopRun& run, QWidget* screen)
{
    QStringList texts{run.Find<QLineEdit>(screen, QStringLiteral("txtDrive"))->text()};
    for (int i = 0; i < 4; ++i) texts << run.Find<QLineEdit>(screen, QStringLiteral("txtFolder(%1)").arg(i))->text();
    return texts;
}

void TypeBoxes(ShopRun& run, QWidget* screen, const QStringList& texts)
{
    run.Type(screen, QStringLiteral("txtDrive"), texts[0]);
    for (int i = 0; i < 4; ++i) run.Type(screen, QStringLiteral("txtFolder(%1)").arg(i), texts[i + 1]);
}

QString StoredRow(const TempShop& shop)
{
    return shop.Column(QStringLiteral("select Commission || '|' || Rounding || '|' || PriceOverride || '|' || Backup "
                                      "from params"))
        .join(u'/');
}

}  // namespace

class TestFrmParams : public QObject {
    Q_OBJECT

private slots:
    void freshDatabaseShowsDefaultsAndStoresDriveC()
    {
        TempShop shop;
        ShopRun run(shop);
        QVERIFY(run.Start());
        QWidget* screen = run.Choose(Parameters);
        QCOMPARE(screen->windowTitle(), QStringLiteral("Marquill Tracking System"));
        QCOMPARE(run.Find<QLineEdit>(screen, QStringLiteral("txtCommission"))->text(), QStringLiteral("0"));
        QCOMPARE(run.Find<QLineEdit>(screen, QStringLiteral("txtRounding"))->text(), QStringLiteral("0"));
        QVERIFY(!run.Find<QCheckBox>(screen, QStringLiteral("chkPriceOverride"))->isChecked());
        QCOMPARE(Boxes(run, screen), (QStringList{" ", "", "", "", ""}));

        run.Click(screen, QStringLiteral("cmdUpdate"));
        QCOMPARE(StoredRow(shop), QStringLiteral("0|0.0|0|c:\\"));
        QCOMPARE(run.Shared().Settings.Backup, QStringLiteral("c:\\"));
        QVERIFY(!run.program.Menu().LoadedScreen(Screen::Params));  // closed itself
    }

    void update_data()
    {
        QTest::addColumn<QStringList>("typed");  // drive, folders 1 to 4
        QTest::addColumn<QString>("commission");
        QTest::addColumn<QString>("rounding");
        QTest::addColumn<QString>("inMemory");
        QTest::addColumn<QString>("row");  // Commission|Rounding|PriceOverride|Backup
        QTest::newRow("drive and two folders; lower case in the row")
            << QStringList{"D", "Shop", "2024", "", ""} << "10" << "0.25" << "D:\\Shop\\2024\\"
            << "10|0.25|1|d:\\shop\\2024\\";
        QTest::newRow("backslashes in a folder are dropped")
            << QStringList{"e", "a\\b", "", "", ""} << "0" << "1" << "e:\\ab\\" << "0|1.0|1|e:\\ab\\";
        QTest::newRow("empty folder 1 ignores folder 2")
            << QStringList{"d", "", "x", "", ""} << "0" << "0" << "d:\\" << "0|0.0|1|d:\\";
        QTest::newRow("two blanks count as a folder")
            << QStringList{"d", "  ", "x", "", ""} << "0" << "0" << "d:\\  \\x\\" << "0|0.0|1|d:\\  \\x\\";
        QTest::newRow("all four folders")
            << QStringList{"d", "a", "b", "c", "e"} << "0" << "0" << "d:\\a\\b\\c\\e\\" << "0|0.0|1|d:\\a\\b\\c\\e\\";
        QTest::newRow("blank drive becomes c")
            << QStringList{" ", "x", "", "", ""} << "0" << "0" << "c:\\x\\" << "0|0.0|1|c:\\x\\";
        QTest::newRow("comma kept in the stored folder")
            << QStringList{"d", "a,b", "", "", ""} << "0" << "0" << "d:\\a,b\\" << "0|0.0|1|d:\\a,b\\";
        QTest::newRow("commission 12.5 is 12") << QStringList{"c", "", "", "", ""} << "12.5" << "0" << "c:\\"
                                               << "12|0.0|1|c:\\";
        QTest::newRow("commission 13.5 is 14") << QStringList{"c", "", "", "", ""} << "13.5" << "0" << "c:\\"
                                               << "14|0.0|1|c:\\";
        QTest::newRow("commission abc is 0, rounding abc is 0")
            << QStringList{"c", "", "", "", ""} << "abc" << "abc" << "c:\\" << "0|0.0|1|c:\\";
    }

    void update()
    {
        QFETCH(QStringList, typed);
        QFETCH(QString, commission);
        QFETCH(QString, rounding);
        QFETCH(QString, inMemory);
        QFETCH(QString, row);
        TempShop shop;
        ShopRun run(shop);
        QVERIFY(run.Start());
        QWidget* screen = run.Choose(Parameters);
        run.Type(screen, QStringLiteral("txtCommission"), commission);
        run.Type(screen, QStringLiteral("txtRounding"), rounding);
        run.Click(screen, QStringLiteral("chkPriceOverride"));
        TypeBoxes(run, screen, typed);
        run.Click(screen, QStringLiteral("cmdUpdate"));

        QCOMPARE(StoredRow(shop), row);
        QCOMPARE(run.Shared().Settings.Backup, inMemory);
        QCOMPARE(QString::number(run.Shared().Settings.Commission), row.section(u'|', 0, 0));
        QVERIFY(run.Shared().Settings.PriceOverride);
        QVERIFY(run.dialogs.shown().isEmpty());
    }

    void reopenedShowsTypedCaseUntilRestart()
    {
        TempShop shop;
        {
            ShopRun run(shop);
            QVERIFY(run.Start());
            QWidget* screen = run.Choose(Parameters);
            run.Type(screen, QStringLiteral("txtRounding"), QStringLiteral("0.1"));
            TypeBoxes(run, screen, {"D", "Shop", "2024", "", ""});
            run.Click(screen, QStringLiteral("cmdUpdate"));
            screen = run.Choose(Parameters);
            QCOMPARE(Boxes(run, screen), (QStringList{"D", "Shop", "2024", "", ""}));
            QCOMPARE(run.Find<QLineEdit>(screen, QStringLiteral("txtRounding"))->text(), QStringLiteral("0.1"));
        }
        ShopRun restarted(shop);
        QVERIFY(restarted.Start());
        QWidget* screen = restarted.Choose(Parameters);
        QCOMPARE(Boxes(restarted, screen), (QStringList{"d", "shop", "2024", "", ""}));
        QCOMPARE(restarted.Find<QLineEdit>(screen, QStringLiteral("txtRounding"))->text(), QStringLiteral("0.1"));
    }

    void secondChoiceBringsBackTheBoxesAsTyped()
    {
        TempShop shop;
        ShopRun run(shop);
        QVERIFY(run.Start());
        QWidget* screen = run.Choose(Parameters);
        run.Type(screen, QStringLiteral("txtCommission"), QStringLiteral("33"));
        QCOMPARE(run.Choose(Parameters), screen);
        QCOMPARE(run.Find<QLineEdit>(screen, QStringLiteral("txtCommission"))->text(), QStringLiteral("33"));
        QCOMPARE(run.Shared().Settings.Commission, 0);
    }

    void commissionThatCannotBeStoredIsRefused_data()
    {
        QTest::addColumn<QString>("commission");
        QTest::newRow("100") << "100";
        QTest::newRow("99.5 rounds to 100") << "99.5";
        QTest::newRow("beyond the integer range") << "70000";
        QTest::newRow("negative beyond the integer range") << "-70000";
    }

    void commissionThatCannotBeStoredIsRefused()
    {
        QFETCH(QString, commission);
        TempShop shop;
        ShopRun run(shop);
        QVERIFY(run.Start());
        QWidget* screen = run.Choose(Parameters);
        run.Type(screen, QStringLiteral("txtCommission"), commission);
        TypeBoxes(run, screen, {"d", "x", "", "", ""});
        run.Click(screen, QStringLiteral("cmdUpdate"));

        QCOMPARE(run.dialogs.Errors(), QStringList{"Commission must be a percent from -32768 to 99"});
        QCOMPARE(StoredRow(shop), QStringLiteral("0|0.0|0| "));
        QCOMPARE(run.Shared().Settings.Backup, QStringLiteral(" "));
        QCOMPARE(run.program.Menu().LoadedScreen(Screen::Params), screen);  // stays open for a correction
    }
};

QTEST_MAIN(TestFrmParams)
#include "test_frmparams.moc"
