// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/RunSerializable.h"

#include "store/Connection.h"
#include "store/StoreError.h"

namespace mqt {

void RunSerializable(Connection& connection, const std::function<void()>& work)
{
    for (int attempt = 1;; ++attempt) {
        try {
            Transaction transaction(connection, Isolation::Serializable);
            work();
            transaction.Commit();
            return;
        } catch (const SerializationFailure&) {
            if (attempt >= SerializableAttempts)
                throw StoreError(QStringLiteral("Another till changed the same records at the same time; "
                                                "nothing was changed. Try again."));
        }
    }
}

}  // namespace mqt
