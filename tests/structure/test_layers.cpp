// SPDX-License-Identifier: GPL-3.0-or-later
// The program's folders form layers whose includes run one way: a file may
// include headers of its own layer or a lower one, never of a higher one.
//
//   app  >  screens  >  documents  >  shell  >  search  >  store  >  common
//
// The screens (params, consignor, item, report, utility, checkout) share one
// floor, and none of them includes another's folder: a screen asks for
// another through an interface in shell.

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
        {QStringLiteral("search"), 2},        {QStringLiteral("shell"), 3},
        {QStringLiteral("documents"), 4},     {QStringLiteral("params"), ScreenLayer},
        {QStringLiteral("consignor"), ScreenLayer}, {QStringLiteral("item"), ScreenLayer},
        {QStringLiteral("report"), ScreenLayer},    {QStringLiteral("utility"), ScreenLayer},
        {QStringLiteral("checkout"), ScreenLayer},  {QStringLiteral("app"), 6},
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
        const QString root = QStringLiteral(MQT_SOURCE_DIR "/src/");
        QStringList breaches;
        QDirIterator files(root, {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                           QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString path = files.next();
            const QString relative = path.mid(root.size());
            const QString folder = relative.section(QLatin1Char('/'), 0, 0);
            QFile file(path);
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
            int lineNumber = 0;
            while (!file.atEnd()) {
                const QString line = QString::fromUtf8(file.readLine()).trimmed();
                ++lineNumber;
                const QRegularExpressionMatch match = include.match(line);
                if (!match.hasMatch()) continue;
                const QString why = Breach(folder, match.captured(1));
                if (!why.isEmpty())
                    breaches << QStringLiteral("src/%1:%2 %3: %4").arg(relative).arg(lineNumber).arg(why, line);
            }
        }
        QVERIFY2(breaches.isEmpty(), qPrintable(breaches.join(QLatin1Char('\n'))));
    }
};

QTEST_GUILESS_MAIN(TestLayers)
#include "test_layers.moc"
