// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TestServer.h"

#include "store/Connection.h"
#include "store/ServerSchema.h"
#include "store/StoreError.h"

#include <QCoreApplication>
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

}  // namespace mqt::test
