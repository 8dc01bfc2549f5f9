// SPDX-License-Identifier: GPL-3.0-or-later
// The program's folders form layers whose includes run one way: a file may
// include headers of its own layer or a lower one, never of a higher one.
//
//   app  >  screens  >  documents  >  shell  >  search  >  store  >  common
//
// The screens (params, consignor, item, report, utility, checkout, terms) share one
// floor, and none of them includes another's folder: a screen asks for
// another through an interface in shell. The build sees to most of this
// (each layer's library sees only its own folders and those below); these
// tests name every breach at once, with its file and line, and hold the rules
// that the build cannot: the database engines' own headers stay inside the
// engines' folders of the store.

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

namespace {

constexpr int ScreenLayer = 5;

int LayerOf(const QString& folder)
{
    static const QHash<QString, int> layers = {
        {QStringLiteral("common"), 0},        {QStringLiteral("store"), 1},
        {QStringLiteral("consignment"), 1},
        {QStringLiteral("search"), 2},        {QStringLiteral("shell"), 3},
        {QStringLiteral("documents"), 4},     {QStringLiteral("params"), ScreenLayer},
        {QStringLiteral("consignor"), ScreenLayer}, {QStringLiteral("item"), ScreenLayer},
        {QStringLiteral("report"), ScreenLayer},    {QStringLiteral("utility"), ScreenLayer},
        {QStringLiteral("checkout"), ScreenLayer},  {QStringLiteral("terms"), ScreenLayer},
        {QStringLiteral("app"), 6},
    };
    return layers.value(folder, -1);
}

// Why an include from one folder of src/ to another breaks the layers; empty
// when it does not.
QString Breach(const QString& from, const QString& to)
{
    const int fromLayer = LayerOf(from);
    const int toLayer = LayerOf(to);
    if (toLayer > fromLayer) return QStringLiteral("points upward");
    if (toLayer == ScreenLayer && fromLayer == ScreenLayer && from != to)
        return QStringLiteral("reaches into another screen's folder");
    return {};
}

// One #include line of a file under src/: the file's path from src/, the
// line's number and its text.
struct IncludeLine {
    QString file;
    int number;
    QString text;
};

QList<IncludeLine> IncludeLines()
{
    const QString root = QStringLiteral(MQT_SOURCE_DIR "/src/");
    const QRegularExpression include(QStringLiteral("^#\\s*include\\b"));
    QList<IncludeLine> lines;
    QDirIterator files(root, {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) qFatal("cannot read %s", qPrintable(path));
        int number = 0;
        while (!file.atEnd()) {
            const QString text = QString::fromUtf8(file.readLine()).trimmed();
            ++number;
            if (include.match(text).hasMatch()) lines.append({path.mid(root.size()), number, text});
        }
    }
    return lines;
}

QString Where(const IncludeLine& line)
{
    return QStringLiteral("src/%1:%2 %3").arg(line.file).arg(line.number).arg(line.text);
}

}  // namespace

class TestLayers : public QObject {
    Q_OBJECT
private slots:
    void everyFolderHasALayer()
    {
        QDirIterator folders(QStringLiteral(MQT_SOURCE_DIR "/src"), QDir::Dirs | QDir::NoDotAndDotDot);
        while (folders.hasNext()) {
            const QString folder = QFileInfo(folders.next()).fileName();
            QVERIFY2(LayerOf(folder) >= 0, qPrintable(QStringLiteral("src/%1 has no layer").arg(folder)));
        }
    }

    void includesKeepToTheLayers()
    {
        const QRegularExpression include(QStringLiteral("^#\\s*include\\s+\"([a-z]+)/"));
        QStringList breaches;
        for (const IncludeLine& line : IncludeLines()) {
            const QRegularExpressionMatch match = include.match(line.text);
            if (!match.hasMatch()) continue;
            const QString why = Breach(line.file.section(QLatin1Char('/'), 0, 0), match.captured(1));
            if (!why.isEmpty())
                breaches << QStringLiteral("src/%1:%2 %3: %4").arg(line.file).arg(line.number).arg(why, line.text);
        }
        QVERIFY2(breaches.isEmpty(), qPrintable(breaches.join(QLatin1Char('\n'))));
    }

    void engineHeadersStayInTheirEngines_data()
    {
        QTest::addColumn<QString>("header");  // a pattern of its name
        QTest::addColumn<QString>("folder");
        QTest::newRow("sqlite3.h in the file engine") << "sqlite3\\.h" << "store/sqlite/";
        QTest::newRow("libpq-fe.h in the server engine") << "libpq-fe\\.h" << "store/postgres/";
        // The rest of the program asks the shop's backend, never an engine.
        QTest::newRow("the file engine's headers in its folder") << "store/sqlite/[A-Za-z]+\\.h" << "store/sqlite/";
        QTest::newRow("the server engine's headers in its folder") << "store/postgres/[A-Za-z]+\\.h"
                                                                   << "store/postgres/";
    }

    void engineHeadersStayInTheirEngines()
    {
        QFETCH(QString, header);
        QFETCH(QString, folder);
        const QRegularExpression include(QStringLiteral("^#\\s*include\\s+[<\"](?:[a-z]+/)?%1[>\"]")
                                             .arg(header));
        QStringList outside;
        for (const IncludeLine& line : IncludeLines())
            if (!line.file.startsWith(folder) && include.match(line.text).hasMatch()) outside << Where(line);
        QVERIFY2(outside.isEmpty(), qPrintable(QStringLiteral("%1 outside src/%2:\n").arg(header, folder) +
                                               outside.join(QLatin1Char('\n'))));
    }
};

QTEST_GUILESS_MAIN(TestLayers)
#include "test_layers.moc"
