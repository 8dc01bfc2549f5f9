// SPDX-License-Identifier: GPL-3.0-or-later
#include "utility/OtherTills.h"

#include "common/Dialogs.h"
#include "shell/BusyCursor.h"
#include "store/Connection.h"
#include "store/ShopBackend.h"

#include <QThread>

namespace mqt {

namespace {

// A till that has just been closed may be listed for a moment while its
// session ends; it is looked for again for about a second before the restore
// is refused.
constexpr int SessionEndLooks = 10;
constexpr int SessionEndPauseMs = 100;

QStringList LookForOtherTills(const Connection& connection)
{
    const std::shared_ptr<const ShopBackend> backend = connection.Backend();
    QStringList others = backend->OtherTills(connection);
    if (others.isEmpty()) return others;
    const BusyCursor busy;
    for (int look = 1; look < SessionEndLooks && !others.isEmpty(); ++look) {
        QThread::msleep(SessionEndPauseMs);
        others = backend->OtherTills(connection);
    }
    return others;
}

}  // namespace

bool RefuseWhileOtherTills(const Connection& connection, Dialogs& dialogs)
{
    const QStringList others = LookForOtherTills(connection);
    if (others.isEmpty()) return false;
    dialogs.ShowError(QStringLiteral("Close Marquill on the other tills first") + u'\n' + others.join(u'\n'));
    return true;
}

}  // namespace mqt
