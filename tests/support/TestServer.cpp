// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TestServer.h"

#include <libpq-fe.h>

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QStringList>
#include <QUrl>

#include <atomic>
#include <memory>

namespace mqt::test {

namespace {

// Every database made here carries this prefix; nothing else is ever dropped.
const QString kNamePrefix = QStringLiteral("mqt_test_");

struct ConnectionCloser {
    void operator()(PGconn* connection) const { PQfinish(connection); }
};
struct ResultClearer {
    void operator()(PGresult* result) const { PQclear(result); }
};
struct OptionsFreer {
    void operator()(PQconninfoOption* options) const { PQconninfoFree(options); }
};
using Options = std::unique_ptr<PQconninfoOption, OptionsFreer>;

QString AdministratorUri()
{
    const QString uri = qEnvironmentVariable("MQT_TEST_SERVER");
    if (uri.isEmpty())
        qFatal("MQT_TEST_ENGINE=server, but MQT_TEST_SERVER is not set: "
               "run the tests through scripts/test.sh, which starts the test server");
    return uri;
}

Options ParseUri(const QString& uri)
{
    char* error = nullptr;
    Options options(PQconninfoParse(uri.toUtf8().constData(), &error));
    if (!options) {
        const QString reason = error ? QString::fromUtf8(error).trimmed() : QStringLiteral("out of memory");
        PQfreemem(error);
        qFatal("not a connection URI: %s: %s", qUtf8Printable(uri), qUtf8Printable(reason));
    }
    return options;
}

// The URI of another database over the same connection settings as `uri`.
QString UriOfDatabase(const QString& uri, const QString& name)
{
    const Options options = ParseUri(uri);
    QStringList query;
    for (const PQconninfoOption* option = options.get(); option->keyword; ++option) {
        if (!option->val || qstrcmp(option->keyword, "dbname") == 0) continue;
        query << QString::fromUtf8(option->keyword) + u'=' +
                     QString::fromLatin1(QUrl::toPercentEncoding(QString::fromUtf8(option->val), "/"));
    }
    return QStringLiteral("postgresql:///") + name + (query.isEmpty() ? QString() : u'?' + query.join(u'&'));
}

QString DatabaseName(const QString& uri)
{
    const Options options = ParseUri(uri);
    for (const PQconninfoOption* option = options.get(); option->keyword; ++option)
        if (qstrcmp(option->keyword, "dbname") == 0 && option->val) return QString::fromUtf8(option->val);
    return {};
}

// Runs one statement on the test server's administrator connection; returns
// the server's message on failure, else an empty text.
QString RunOnServer(const QString& sql)
{
    const QString uri = AdministratorUri();
    const std::unique_ptr<PGconn, ConnectionCloser> connection(PQconnectdb(uri.toUtf8().constData()));
    if (PQstatus(connection.get()) != CONNECTION_OK)
        return QStringLiteral("cannot reach the test server %1: %2")
            .arg(uri, QString::fromUtf8(PQerrorMessage(connection.get())).trimmed());
    const std::unique_ptr<PGresult, ResultClearer> result(PQexec(connection.get(), sql.toUtf8().constData()));
    if (PQresultStatus(result.get()) != PGRES_COMMAND_OK)
        return QString::fromUtf8(PQerrorMessage(connection.get())).trimmed();
    return {};
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
                                           .arg(QRandomGenerator::global()->generate() & 0xFFFFFF, 6, 16, QChar(u'0'));
    const QString error = RunOnServer(QStringLiteral("CREATE DATABASE \"%1\" TEMPLATE template0 ENCODING 'UTF8' "
                                                     "LC_COLLATE 'C' LC_CTYPE 'C.UTF-8'")
                                          .arg(name));
    if (!error.isEmpty()) qFatal("cannot create the test database %s: %s", qUtf8Printable(name), qUtf8Printable(error));
    return UriOfDatabase(AdministratorUri(), name);
}

void DropTestDatabase(const QString& uri)
{
    const QString name = DatabaseName(uri);
    if (!name.startsWith(kNamePrefix) || name.contains(u'"'))
        qFatal("%s is not a database that CreateTestDatabase made; it is left alone", qUtf8Printable(uri));
    const QString error = RunOnServer(QStringLiteral("DROP DATABASE IF EXISTS \"%1\" WITH (FORCE)").arg(name));
    // A database left behind goes with the throwaway server; the test's own
    // result stands.
    if (!error.isEmpty()) qWarning("cannot drop the test database %s: %s", qUtf8Printable(name), qUtf8Printable(error));
}

}  // namespace mqt::test
