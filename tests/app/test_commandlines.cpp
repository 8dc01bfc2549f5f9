// SPDX-License-Identifier: GPL-3.0-or-later
// The programs' command lines, run as the user runs them in a folder of their
// own: --help prints the usage and exits 0; an unknown option, an option
// without its value or a wrong count of arguments is refused with exit status
// 2. Neither creates anything.

#include <QProcess>
#include <QtTest>

class TestCommandLines : public QObject {
    Q_OBJECT

private slots:
    void nothingIsCreated_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");  // begins standard output
        QTest::addColumn<QString>("err");  // is part of standard error

        const QString none;
        QTest::newRow("mqt-createdb --help") << "mqt-createdb" << QStringList{"--help"} << 0
                                             << "Usage: mqt-createdb [options] FILE | --server URI\n" << none;
        QTest::newRow("mqt-createdb -h") << "mqt-createdb" << QStringList{"-h"} << 0 << "Usage: mqt-createdb" << none;
        QTest::newRow("mqt-createdb, an unknown option") << "mqt-createdb" << QStringList{"--frob", "shop.mqt"} << 2
                                                         << none << "mqt-createdb: Unknown option 'frob'.";
        QTest::newRow("mqt-createdb --server without its address")
            << "mqt-createdb" << QStringList{"--server"} << 2 << none << "Missing value after '--server'.";
        QTest::newRow("mqt-createdb, a file and a server") << "mqt-createdb"
                                                           << QStringList{"--server", "postgresql://x/y", "shop.mqt"}
                                                           << 2 << none << "not both";
        QTest::newRow("mqt-createdb, two files")
            << "mqt-createdb" << QStringList{"a.mqt", "b.mqt"} << 2 << none << "Too many arguments.";
        QTest::newRow("mqt-copyshop --help") << "mqt-copyshop" << QStringList{"--help"} << 0
                                             << "Usage: mqt-copyshop [options] FROM TO\n" << none;
        QTest::newRow("mqt-copyshop --server") << "mqt-copyshop" << QStringList{"--server", "a.mqt", "b.mqt"} << 2
                                               << none << "Unknown option 'server'.";
        QTest::newRow("mqt-copyshop, one end only")
            << "mqt-copyshop" << QStringList{"a.mqt"} << 2 << none << "Too few arguments.";
        QTest::newRow("mqt-sampleshop --help") << "mqt-sampleshop" << QStringList{"--help"} << 0
                                               << "Usage: mqt-sampleshop [options] FILE [CONSIGNORS ITEMS]\n" << none;
        QTest::newRow("mqt-sampleshop, an unknown option") << "mqt-sampleshop" << QStringList{"-x", "shop.mqt"} << 2
                                                           << none << "Unknown option 'x'.";
        QTest::newRow("mqt-sampleshop --server")
            << "mqt-sampleshop" << QStringList{"--server"} << 2 << none << "Unknown option 'server'.";
        QTest::newRow("mqt-sampleshop, consignors without items")
            << "mqt-sampleshop" << QStringList{"shop.mqt", "10"} << 2 << none << "Give both CONSIGNORS and ITEMS, or neither.";
        QTest::newRow("mqt-sampleshop, a count that is no number")
            << "mqt-sampleshop" << QStringList{"shop.mqt", "ten", "100"} << 2 << none << "are counts";
        QTest::newRow("marquill --help") << "marquill" << QStringList{"--help"} << 0
                                         << "usage: marquill [--shop FOLDER]\n" << none;
        QTest::newRow("marquill-launcher -h") << "marquill-launcher" << QStringList{"--shop", "shop", "-h"} << 0
                                              << "usage: marquill [--shop FOLDER]\n" << none;
    }

    void nothingIsCreated()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        QProcess process;
        process.setWorkingDirectory(folder.path());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("HOME", folder.path());  // the program's default shop folder is under it
        environment.remove("XDG_DATA_HOME");
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(MQT_PROGRAM_DIR "/") + program, arguments);
        QVERIFY(process.waitForFinished(60000));
        // The usage names the program as it was started.
        const QString started = QStringLiteral(MQT_PROGRAM_DIR "/");
        const QString shownOut = QString::fromUtf8(process.readAllStandardOutput()).remove(started);
        const QString shownErr = QString::fromUtf8(process.readAllStandardError()).remove(started);
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), status);
        if (status == 0) {
            QVERIFY2(shownOut.startsWith(out), qPrintable(shownOut));
            QVERIFY2(shownOut.contains("-h, --help"), qPrintable(shownOut));
        } else {
            QCOMPARE(shownOut, QString());
            QVERIFY2(shownErr.contains(err), qPrintable(shownErr));
            QVERIFY2(shownErr.contains("Usage: " + program), qPrintable(shownErr));
        }
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestCommandLines)
#include "test_commandlines.moc"
