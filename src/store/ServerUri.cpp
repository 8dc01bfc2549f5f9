// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/ServerUri.h"

#include "store/StoreError.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace mqt {

std::optional<QString> ReadServerFile(const QString& folder)
{
    QFile file(QDir(folder).filePath(QLatin1String(ServerFileName)));
    if (!file.exists()) return std::nullopt;
    if (!file.open(QIODevice::ReadOnly))
        throw StoreError(QStringLiteral("Cannot read %1: %2").arg(file.fileName(), file.errorString()));
    const QString uri = QString::fromUtf8(file.readLine()).trimmed();
    if (!NamesServerDatabase(uri))
        throw StoreError(QStringLiteral("%1 does not hold a server address such as "
                                        "postgresql://shop@till1/marquill")
                             .arg(file.fileName()));
    return uri;
}

QString ShownUri(const QString& uri)
{
    QString shown = uri;
    // user:password@host, up to the last "@" before the host: a password
    // may hold an "@" that its writer did not encode.
    static const QRegularExpression userPassword(QStringLiteral("^(postgres(?:ql)?://[^:/@?]*):[^/?]*@"));
    shown.replace(userPassword, QStringLiteral("\\1:***@"));
    // ?password=... or &password=...
    static const QRegularExpression parameter(QStringLiteral("([?&]password=)[^&]*"),
                                              QRegularExpression::CaseInsensitiveOption);
    shown.replace(parameter, QStringLiteral("\\1***"));
    return shown;
}

bool NamesServerDatabase(const QString& text)
{
    return text.startsWith(QLatin1String("postgresql://")) || text.startsWith(QLatin1String("postgres://"));
}

}  // namespace mqt
