// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/sqlite/IntegrityCheck.h"

#include "store/Connection.h"
#include "store/StoreError.h"

#include <QStringList>

namespace mqt {

namespace {

// The engine stops after this many findings; the first ones tell enough.
constexpr int MaxFindings = 10;

QString Findings(const Connection& connection, const char* pragma)
{
    QStringList findings;
    try {
        Statement check(connection, QStringLiteral("PRAGMA %1(%2)").arg(QLatin1String(pragma)).arg(MaxFindings));
        while (check.Step()) findings << check.Column(0).toString();
    } catch (const StoreError& error) {
        findings << error.Message();
    }
    if (findings == QStringList{QStringLiteral("ok")}) return {};
    if (findings.isEmpty()) return QStringLiteral("The check gave no answer");
    return findings.join(u'\n');
}

}  // namespace

QString QuickCheckFindings(const Connection& connection) { return Findings(connection, "quick_check"); }

QString IntegrityCheckFindings(const QString& path)
{
    try {
        return Findings(Connection::OpenReadOnly(path), "integrity_check");
    } catch (const StoreError& error) {
        return error.Message();
    }
}

}  // namespace mqt
