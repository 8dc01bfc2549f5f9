// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop launcher's first run makes an empty shop with its helper
// commands; a run on a folder that holds a database, or names a server
// shop's, touches nothing.

#include "app/ShopLauncher.h"
#include "support/RunningShop.h"
#include "utility/BackupRestore.h"

#include <QCryptographicHash>
#include <QtTest>

using namespace mqt;

namespace {

const QStringList HelperNames{QLatin1String(MakeFolderCommand), QLatin1String(CopyFileCommand)};

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every file of a folder with its contents and modification time.
QStringList Snapshot(const QString& folder)
{
    QStringList files;
    for (const QFileInfo& file : QDir(folder).entryInfoList(QDir::Files, QDir::Name))
        files << file.fileName() + u' ' + file.lastModified().toString(Qt::ISODateWithMs) + u' '
                     + QString::fromLatin1(QCryptographicHash::hash(Contents(file.filePath()), QCryptographicHash::Sha1).toHex());
    return files;
}

}  // namespace

class TestLauncher : public QObject {
    Q_OBJECT

private slots:
    void firstRunMakesTheShopAndTheSecondTouchesNothing()
    {
        QTemporaryDir home;
        const QString shop = home.path() + "/.local/share/Marquill";
        test::ScriptedDialogs dialogs;
        dialogs.QueueAnswer(Yes);
        QCOMPARE(PrepareShop(shop, QStringLiteral(MQT_PROGRAM_DIR), dialogs), LaunchOutcome::Ready);
        QCOMPARE(dialogs.shown().size(), 1);
        QVERIFY(dialogs.Questions().first().contains(shop));

        for (const QString& helper : HelperNames) {
            const QString copy = shop + u'/' + helper;
            QCOMPARE(Contents(copy), Contents(QStringLiteral(MQT_PROGRAM_DIR "/") + helper));
            QVERIFY(QFileInfo(copy).isExecutable());
        }

        // The program starts on the new shop, which it never creates itself.
        test::ScriptedDialogs programDialogs;
        test::FixedClock clock;
        test::RecordingRunner runner;
        {
            Program program(shop, programDialogs, clock, runner);
            QVERIFY(program.Start());
            QCOMPARE(programDialogs.shown().size(), 0);
        }

        // A shop's own helper survives the second run, as does everything else.
        QFile edited(shop + u'/' + QLatin1String(CopyFileCommand));
        QVERIFY(edited.open(QIODevice::Append));
        edited.write("# copies to the network share\n");
        edited.close();
        const QStringList before = Snapshot(shop);
        dialogs.Clear();
        QCOMPARE(PrepareShop(shop, QStringLiteral(MQT_PROGRAM_DIR), dialogs), LaunchOutcome::Ready);
        QCOMPARE(dialogs.shown().size(), 0);
        QCOMPARE(Snapshot(shop), before);
    }

    void serverShopIsLeftAsItIs()
    {
        QTemporaryDir shop;
        QFile server(shop.filePath(QStringLiteral("Marquill.server")));
        QVERIFY(server.open(QIODevice::WriteOnly));
        server.write("postgresql://shop@till1/marquill\n");
        server.close();
        const QStringList before = Snapshot(shop.path());
        test::ScriptedDialogs dialogs;
        QCOMPARE(PrepareShop(shop.path(), QStringLiteral(MQT_PROGRAM_DIR), dialogs), LaunchOutcome::Ready);
        QCOMPARE(dialogs.shown().size(), 0);
        QCOMPARE(Snapshot(shop.path()), before);
    }

    void unfinishedShops_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("helpersMissing");
        QTest::addColumn<bool>("folderBlockedByAFile");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("error");  // start of the error shown

        QTest::newRow("user says No: nothing is made") << No << false << false << int(LaunchOutcome::Declined)
                                                       << QString();
        QTest::newRow("default helper commands missing: no database")
            << Yes << true << false << int(LaunchOutcome::Failed) << "The helper command ";
        QTest::newRow("folder cannot be made") << Yes << false << true << int(LaunchOutcome::Failed)
                                               << "The folder ";
    }

    void unfinishedShops()
    {
        QFETCH(int, answer);
        QFETCH(bool, helpersMissing);
        QFETCH(bool, folderBlockedByAFile);
        QFETCH(int, outcome);
        QFETCH(QString, error);

        QTemporaryDir home;
        QString shop = home.path() + "/shop";
        if (folderBlockedByAFile) {
            QFile file(shop);
            QVERIFY(file.open(QIODevice::WriteOnly));
            shop += "/inside";
        }
        const QString helpers = helpersMissing ? home.path() : QStringLiteral(MQT_PROGRAM_DIR);
        test::ScriptedDialogs dialogs;
        dialogs.QueueAnswer(answer);
        QCOMPARE(int(PrepareShop(shop, helpers, dialogs)), outcome);
        QCOMPARE(dialogs.Questions().size(), 1);
        QCOMPARE(dialogs.Errors().size(), error.isEmpty() ? 0 : 1);
        if (!error.isEmpty()) QVERIFY2(dialogs.Errors().first().startsWith(error), qPrintable(dialogs.Errors().first()));
        QVERIFY(!QFileInfo::exists(shop + "/Marquill.mqt"));
        if (answer == No) QVERIFY(!QFileInfo::exists(shop));
    }

    void helperFolderIsTheInstalledShareFolderElseTheExecutables()
    {
        QTemporaryDir prefix;
        QVERIFY(QDir().mkpath(prefix.path() + "/bin") && QDir().mkpath(prefix.path() + "/share/marquill"));
        QCOMPARE(DefaultHelperFolder(prefix.path() + "/bin"), prefix.path() + "/bin");  // a build
        QFile helper(prefix.path() + "/share/marquill/" + QLatin1String(CopyFileCommand));
        QVERIFY(helper.open(QIODevice::WriteOnly));
        QCOMPARE(DefaultHelperFolder(prefix.path() + "/bin"), prefix.path() + "/share/marquill");
    }
};

QTEST_MAIN(TestLauncher)
#include "test_launcher.moc"
