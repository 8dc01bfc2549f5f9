// The program's folders form layers whose includes run one way: a file may
// include headers of its own layer or a lower one, never of a higher one.
//
//   app  >  params, consignor, item, report, utility, statement  >  shell  >  store  >  common

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

namespace {

int LayerOf(const QString& folder)
{
    static const QHash<QString, int> layers = {
        {QStringLiteral("common"), 0},    {QStringLiteral("store"), 1},   {QStringLiteral("shell"), 2},
        {QStringLiteral("params"), 3},    {QStringLiteral("consignor"), 3}, {QStringLiteral("item"), 3},
        {QStringLiteral("report"), 3},    {QStringLiteral("utility"), 3}, {QStringLiteral("statement"), 3},
        {QStringLiteral("app"), 4},
    };
    return layers.value(folder, -1);
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

    void noIncludePointsUpward()
    {
        const QRegularExpression include(QStringLiteral("^#\\s*include\\s+\"([a-z]+)/"));
        const QString root = QStringLiteral(MQT_SOURCE_DIR "/src/");
        QStringList upward;
        QDirIterator files(root, {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                           QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString path = files.next();
            const QString relative = path.mid(root.size());
            const int layer = LayerOf(relative.section(QLatin1Char('/'), 0, 0));
            QFile file(path);
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
            int lineNumber = 0;
            while (!file.atEnd()) {
                const QString line = QString::fromUtf8(file.readLine()).trimmed();
                ++lineNumber;
                const QRegularExpressionMatch match = include.match(line);
                if (match.hasMatch() && LayerOf(match.captured(1)) > layer)
                    upward << QStringLiteral("src/%1:%2 includes %3").arg(relative).arg(lineNumber).arg(line);
            }
        }
        QVERIFY2(upward.isEmpty(), qPrintable(upward.join(QLatin1Char('\n'))));
    }
};

QTEST_GUILESS_MAIN(TestLayers)
#include "test_layers.moc"
