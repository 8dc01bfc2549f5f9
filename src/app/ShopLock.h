// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLockFile>
#include <QString>

namespace mqt {

// The lock file ".Marquill.lock" in the shop folder, held while a program (or
// the launcher preparing the shop) works on the shop: a shop file has one
// till. The lock names the computer and the process that holds it; the lock
// of a program that died is cleared by the next one to start, whatever its
// age. It is released when this object goes.
class ShopLock {
public:
    explicit ShopLock(const QString& shopFolder);
    ShopLock(const ShopLock&) = delete;
    ShopLock& operator=(const ShopLock&) = delete;

    // Takes the lock at once or not at all. Empty when it is held now, else
    // why not, for the user ("Marquill is already open on this shop ...").
    QString Take();
    void Release() { file_.unlock(); }

private:
    QString path_;
    QLockFile file_;
};

}  // namespace mqt
