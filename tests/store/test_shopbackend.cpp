// SPDX-License-Identifier: GPL-3.0-or-later
// What every shop engine promises: a copy that passes its check and brings
// the shop back, an unsound copy refused, the numbering carried on past a
// restore. Run on the file and, as test_shopbackend_server, on the server.
#include "store/Connection.h"
#include "store/Migration.h"
#include "store/ShopBackend.h"
#include "store/ShopFiles.h"
#include "store/ShopNumbering.h"
#include "support/RecordingRunner.h"
#include "support/TempShop.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace mqt;

namespace {

// The copy command of a shop's helpers, as a plain file copy.
QString PlainCopy(const QString& from, const QString& to)
{
    QFile::remove(to);
    return QFile::copy(from, to) ? QString() : QStringLiteral("cannot copy");
}

}  // namespace

class TestShopBackend : public QObject {
    Q_OBJECT
private slots:
    void namesItsCopies()
    {
        test::TempShop shop;
        const std::shared_ptr<const ShopBackend> backend = shop.Connect().Backend();
        const bool server = shop.IsServer();
        QCOMPARE(QLatin1String(backend->CopySuffix()), QLatin1String(server ? DumpFileSuffix : ShopFileSuffix));
        QCOMPARE(backend->BackupName(), QLatin1String(server ? ServerBackupName : ShopFileName));
        QCOMPARE(backend->ChecksCopiesAtOnce(), server);
    }

    void copyChecksAndRestores()
    {
        test::TempShop shop;
        test::RecordingRunner commands;
        QTemporaryDir folder;
        const QString copy = folder.filePath(QStringLiteral("copy"));
        shop.AddConsignor(QStringLiteral("Smith"), QStringLiteral("Ann"));
        shop.AddItem(QStringLiteral("Smith"), QStringLiteral("Ann"), QStringLiteral("Lamp"));
        std::shared_ptr<const ShopBackend> backend;
        ShopNumbering given;
        {
            Connection connection = shop.Connect();
            backend = connection.Backend();
            QCOMPARE(backend->StartUpFindings(connection), QString());
            QCOMPARE(backend->WriteCopy(connection, commands, copy), QString());
            QCOMPARE(backend->CheckOfCopies(commands)(copy), QString());
            // Written after the copy: gone with the restore, but its number
            // is never given again.
            shop.AddItem(QStringLiteral("Smith"), QStringLiteral("Ann"), QStringLiteral("Chair"));
            given = ReadNumbering(connection);
        }
        const RestoreOutcome outcome = backend->Restore(commands, copy, PlainCopy);
        QCOMPARE(outcome.fault, QString());
        QCOMPARE(shop.Column(QStringLiteral("SELECT ItemDesc FROM item")), QStringList{"Lamp"});

        Connection restored = shop.Connect();
        QVERIFY(ReadNumbering(restored).nextItemNo < given.nextItemNo);
        {
            Transaction transaction(restored);
            ContinueNumbering(restored, given);
            transaction.Commit();
        }
        QCOMPARE(ReadNumbering(restored).nextItemNo, given.nextItemNo);
    }

    void unsoundCopyRefused_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("not a copy at all") << QByteArray("yesterday's shopping list\n");
        QTest::newRow("a copy cut short") << QByteArray("SQLite format 3\0PGDMP", 21);
    }

    void unsoundCopyRefused()
    {
        QFETCH(QByteArray, contents);
        test::TempShop shop;
        test::RecordingRunner commands;
        QTemporaryDir folder;
        const QString copy = folder.filePath(QStringLiteral("copy"));
        QFile file(copy);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
        file.close();
        QVERIFY(!shop.Connect().Backend()->CheckOfCopies(commands)(copy).isEmpty());
    }

    void backupIsWrittenAndSound()
    {
        test::TempShop shop;
        test::RecordingRunner commands;
        QTemporaryDir folder;
        const Connection connection = shop.Connect();
        const std::shared_ptr<const ShopBackend> backend = connection.Backend();
        const QString backup = folder.filePath(backend->BackupName());
        QCOMPARE(backend->WriteBackup(connection, commands, folder.path(), PlainCopy), QString());
        QCOMPARE(backend->CheckOfCopies(commands)(backup), QString());
    }
};

QTEST_GUILESS_MAIN(TestShopBackend)
#include "test_shopbackend.moc"
