// SPDX-License-Identifier: GPL-3.0-or-later
// Times the item report over a sample shop on a PostgreSQL server (1,000
// consignors and 100,000 items unless the arguments say otherwise, see
// BenchShop.h), reached through its Unix socket, against psql writing the
// same query as CSV, in turns (ReportTurns.h). The server is the one
// MQT_TEST_SERVER names (a URI whose database may create others), else a
// throwaway one this bench starts in a temporary folder and stops again.
// Run with QT_QPA_PLATFORM=offscreen.

#include "BenchShop.h"
#include "ReportTurns.h"
#include "store/CopyShop.h"
#include "store/ServerUri.h"
#include "store/SqlDialect.h"
#include "support/TestServer.h"

#include <QDate>
#include <QFile>
#include <QTemporaryDir>
#include <unistd.h>

using namespace mqt;

namespace {

const QString ServerPrograms = QStringLiteral("/usr/lib/postgresql/15/bin/");

// A PostgreSQL server in a temporary folder, with its socket there and no TCP
// port; run as "nobody" when the bench runs as root, as the server refuses root.
class ThrowawayServer {
public:
    ThrowawayServer()
    {
        if (geteuid() == 0) Run(QStringLiteral("chown"), {QStringLiteral("nobody"), dir_.path()});
        Run(ServerPrograms + QStringLiteral("initdb"),
            {QStringLiteral("-D"), Data(), QStringLiteral("-U"), QStringLiteral("mqt"), QStringLiteral("--auth=trust"),
             QStringLiteral("--encoding=UTF8"), QStringLiteral("--locale=C.UTF-8")});
        Run(ServerPrograms + QStringLiteral("pg_ctl"),
            {QStringLiteral("-D"), Data(), QStringLiteral("-w"), QStringLiteral("-l"), dir_.filePath("log"),
             QStringLiteral("-o"),
             QStringLiteral("-c listen_addresses='' -c unix_socket_directories=%1 -c fsync=off").arg(dir_.path()),
             QStringLiteral("start")});
    }
    ~ThrowawayServer()
    {
        Run(ServerPrograms + QStringLiteral("pg_ctl"),
            {QStringLiteral("-D"), Data(), QStringLiteral("-m"), QStringLiteral("fast"), QStringLiteral("stop")});
    }
    QString Uri() const { return QStringLiteral("postgresql:///postgres?host=%1&user=mqt").arg(dir_.path()); }

private:
    QString Data() const { return dir_.filePath(QStringLiteral("data")); }
    static void Run(const QString& program, const QStringList& arguments)
    {
        QProcess process;
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        if (geteuid() == 0 && program != u"chown")
            process.start(QStringLiteral("runuser"),
                          QStringList{QStringLiteral("-u"), QStringLiteral("nobody"), QStringLiteral("--"), program} +
                              arguments);
        else
            process.start(program, arguments);
        process.setStandardOutputFile(QProcess::nullDevice());
        if (!process.waitForFinished(-1) || process.exitCode() != 0) qFatal("%s failed", qPrintable(program));
    }
    QTemporaryDir dir_;
};

}  // namespace

int main(int argc, char* argv[])
{
    if (bench::IsReportChild(argc, argv)) return bench::ReportChildMain(argc, argv);
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const BenchShop shop = BenchShop::FromArguments(1000, 100000);
    std::optional<ThrowawayServer> own;
    if (qEnvironmentVariableIsEmpty("MQT_TEST_SERVER")) qputenv("MQT_TEST_SERVER", own.emplace().Uri().toUtf8());

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("sample.mqt"));
    shop.Make(path).Close();
    const QString uri = test::CreateTestDatabase();
    QElapsedTimer copying;
    copying.start();
    const std::vector<CopiedTable> copied = CopyShop(path, uri);
    out << "a shop of " << shop.Described() << " on " << ShownUri(uri) << ", copied there by mqt-copyshop's "
        << "routine in " << bench::Milliseconds(copying) / 1000 << " s" << Qt::endl;
    QFile server(folder.filePath(QString::fromLatin1(ServerFileName)));
    if (!server.open(QIODevice::WriteOnly) || server.write(uri.toUtf8() + '\n') < 0) qFatal("cannot write the server file");
    server.close();

    // The statement the report sends to the server.
    const QString query = TranslateSelect(bench::ReportQuery, QDate::currentDate(), {}, SqlTarget::Postgres).sql;
    out << "query: " << query << Qt::endl;
    bench::CompareInTurns(folder.path(), QStringLiteral("psql"),
                          {QStringLiteral("--csv"), QStringLiteral("-X"), QStringLiteral("-q"), QStringLiteral("-d"),
                           uri, QStringLiteral("-c"), query});
    test::DropTestDatabase(uri);
    return 0;
}
