// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TestServer.h"

#include "store/Connection.h"
#include "store/ServerSchema.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QUrl>

namespace mqt::test {

namespace {

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

bool ServerEngineWanted() { return qEnvironmentVariable("MQT_TEST_ENGINE") == u"server"; }

QString CreateTestDatabase()
{
    static int made = 0;
    const QString name = QStringLiteral("mqt_test_%1_%2_%3")
                             .arg(QCoreApplication::applicationPid())
                             .arg(++made)
                             .arg(QRandomGenerator::global()->bounded(1000000));
    Connection admin = Connection::OpenServer(AdminUri());
    QString create = CreateDatabaseStatement(name);
    create.chop(1);  // one statement, without its closing semicolon
    admin.Execute(create);
    QUrl uri(AdminUri());
    uri.setPath(u'/' + name);
    return uri.toString();
}

void DropTestDatabase(const QString& uri)
{
    Connection admin = Connection::OpenServer(AdminUri());
    admin.Execute(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(DatabaseName(uri)));
}

}  // namespace mqt::test
