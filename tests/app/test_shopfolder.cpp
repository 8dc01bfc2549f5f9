// SPDX-License-Identifier: GPL-3.0-or-later
// The shop folder: named on the command line, beside the executable when the
// database is there, else the user's data folder.

#include "app/ShopFolder.h"

#include <QtTest>

using namespace mqt;

class TestShopFolder : public QObject {
    Q_OBJECT

    QTemporaryDir root_;  // holds the fake home, data folder and program folders

    QString Path(const QString& relative) const { return root_.path() + u'/' + relative; }

private slots:
    void initTestCase()
    {
        QVERIFY(root_.isValid());
        QCoreApplication::setApplicationName(QStringLiteral("Marquill"));
        for (const char* folder : {"home", "data", "build/program", "bin", "work"}) QVERIFY(QDir().mkpath(Path(folder)));
        QFile database(Path("build/program/Marquill.mqt"));
        QVERIFY(database.open(QIODevice::WriteOnly));
        qputenv("HOME", QFile::encodeName(Path("home")));
        QDir::setCurrent(Path("work"));
    }

    void choice_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("executableFolder");
        QTest::addColumn<QString>("xdgDataHome");  // empty: not set
        QTest::addColumn<QString>("folder");       // relative to the temporary root

        QTest::newRow("--shop names the folder, also beside a program with its database")
            << QStringList{"--shop", Path("elsewhere/shop")} << Path("build/program") << QString()
            << "elsewhere/shop";
        QTest::newRow("--shop=FOLDER, relative to the current folder")
            << QStringList{"--shop=../my shop/"} << Path("bin") << Path("data") << "my shop";
        QTest::newRow("the executable's folder holds Marquill.mqt")
            << QStringList() << Path("build/program") << Path("data") << "build/program";
        QTest::newRow("installed program: the data folder of XDG_DATA_HOME")
            << QStringList() << Path("bin") << Path("data") << "data/Marquill";
        QTest::newRow("installed program, no XDG_DATA_HOME: under the home folder")
            << QStringList() << Path("bin") << QString() << "home/.local/share/Marquill";
    }

    void choice()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, executableFolder);
        QFETCH(QString, xdgDataHome);
        QFETCH(QString, folder);
        if (xdgDataHome.isEmpty())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", QFile::encodeName(xdgDataHome));

        const ShopFolderChoice choice = ChooseShopFolder(arguments, executableFolder);
        QCOMPARE(choice.error, QString());
        QCOMPARE(choice.folder, QDir::cleanPath(Path(folder)));
    }

    void wrongArgumentsAreRefused_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("error");
        QTest::newRow("--shop without a folder") << QStringList{"--shop"} << "--shop needs a folder";
        QTest::newRow("--shop with an empty folder") << QStringList{"--shop="} << "Unknown argument: --shop=";
        QTest::newRow("unknown option") << QStringList{"--shop-dir", "x"} << "Unknown argument: --shop-dir";
        QTest::newRow("a bare folder") << QStringList{"/tmp/shop"} << "Unknown argument: /tmp/shop";
    }

    void wrongArgumentsAreRefused()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, error);
        const ShopFolderChoice choice = ChooseShopFolder(arguments, Path("build/program"));
        QCOMPARE(choice.folder, QString());
        QCOMPARE(choice.error, error + "\nusage: marquill [--shop FOLDER]");
    }
};

QTEST_GUILESS_MAIN(TestShopFolder)
#include "test_shopfolder.moc"
