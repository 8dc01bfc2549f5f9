// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TestServer.h"

#include "store/Connection.h"
#include "store/postgres/ServerSchema.h"
#include "store/StoreError.h"

#include <QCoreApplication>
#include <QProcess>
#include <QRandomGenerator>
#include <QUrl>

#include <atomic>

namespace mqt::test {

namespace {

// Every database made here carries this prefix; nothing else is ever dropped.
const QString kNamePrefix = QStringLiteral("mqt_test_");

QString AdminUri()
{
    const QString uri = qEnvironmentVariable("MQT_TEST_SERVER");
    if (uri.isEmpty())
        qFatal("MQT_TEST_ENGINE=server needs MQT_TEST_SERVER: run the tests through scripts/test.sh, "
               "which starts the test server");
    return uri;
}

QString DatabaseName(const QString& uri) { return QUrl(uri).path().mid(1); }

QString ServerSetting(const char* name)
{
    const QString value = qEnvironmentVariable(name);
    if (value.isEmpty()) qFatal("stopping the test server needs %s from scripts/test-server.sh", name);
    return value;
}

// Runs pg_ctl on the test server's data folder as the server's owner, and
// waits for what it does.
void RunPgCtl(const QStringList& arguments)
{
    QStringList command{ServerSetting("MQT_TEST_SERVER_PG_CTL")};
    command << arguments << QStringLiteral("-D") << ServerSetting("MQT_TEST_SERVER_DATA") << QStringLiteral("-w")
            << QStringLiteral("-t") << QStringLiteral("60");
    const QString owner = qEnvironmentVariable("MQT_TEST_SERVER_OWNER");
    if (!owner.isEmpty())
        command = QStringList{QStringLiteral("runuser"), QStringLiteral("-u"), owner, QStringLiteral("--")} + command;
    QProcess pgCtl;
    pgCtl.setWorkingDirectory(QStringLiteral("/"));  // one the server's owner can reach
    pgCtl.setStandardOutputFile(QProcess::nullDevice());
    pgCtl.start(command.takeFirst(), command);
    if (!pgCtl.waitForFinished(90000) || pgCtl.exitStatus() != QProcess::NormalExit || pgCtl.exitCode() != 0)
        qFatal("pg_ctl %s failed: %s", qUtf8Printable(arguments.join(u' ')),
               qUtf8Printable(QString::fromLocal8Bit(pgCtl.readAllStandardError())));
}

}  // namespace

bool ServerEngineWanted()
{
    const QString engine = qEnvironmentVariable("MQT_TEST_ENGINE");
    if (engine.isEmpty() || engine == u"file") return false;
    if (engine == u"server") return true;
    qFatal("MQT_TEST_ENGINE is \"%s\": it must be \"server\", \"file\" or unset", qUtf8Printable(engine));
}

QString CreateTestDatabase()
{
    // Unique among the test programs running at once on one server, and
    // apart from any left behind by a program that died.
    static std::atomic<int> made{0};
    const QString name = kNamePrefix + QStringLiteral("%1_%2_%3")
                                           .arg(QCoreApplication::applicationPid())
                                           .arg(++made)
                                           .arg(QRandomGenerator::global()->bounded(1000000));
    try {
        Connection admin = Connection::OpenServer(AdminUri());
        QString create = CreateDatabaseStatement(name);
        create.chop(1);  // one statement, without its closing semicolon
        admin.Execute(create);
    } catch (const StoreError& error) {
        qFatal("cannot create the test database %s: %s", qUtf8Printable(name), qUtf8Printable(error.Message()));
    }
    QUrl uri(AdminUri());
    uri.setPath(u'/' + name);
    return uri.toString();
}

void DropTestDatabase(const QString& uri)
{
    const QString name = DatabaseName(uri);
    if (!name.startsWith(kNamePrefix) || name.contains(u'"'))
        qFatal("%s is not a database that CreateTestDatabase made; it is left alone", qUtf8Printable(uri));
    try {
        Connection admin = Connection::OpenServer(AdminUri());
        admin.Execute(QStringLiteral("DROP DATABASE IF EXISTS \"%1\" WITH (FORCE)").arg(name));
    } catch (const StoreError& error) {
        // A database left behind goes with the throwaway server; the test's
        // own result stands.
        qWarning("cannot drop the test database %s: %s", qUtf8Printable(name), qUtf8Printable(error.Message()));
    }
}

namespace {

bool serverStopped = false;

}  // namespace

void StopTestServer()
{
    // The test server commits without waiting for the disk, and an immediate
    // stop would lose the last commits: the checkpoint writes them first.
    try {
        Connection::OpenServer(AdminUri()).Execute(QStringLiteral("CHECKPOINT"));
    } catch (const StoreError& error) {
        qFatal("cannot write the test server's commits to disk: %s", qUtf8Printable(error.Message()));
    }
    RunPgCtl({QStringLiteral("stop"), QStringLiteral("-m"), QStringLiteral("immediate")});
    serverStopped = true;
}

void StartTestServer()
{
    if (!serverStopped) return;
    RunPgCtl({QStringLiteral("start"), QStringLiteral("-l"), ServerSetting("MQT_TEST_SERVER_LOG")});
    serverStopped = false;
}

}  // namespace mqt::test
