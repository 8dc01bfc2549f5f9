// SPDX-License-Identifier: GPL-3.0-or-later
#include "utility/SafetyCopyCheck.h"

#include <QFile>

namespace mqt {

SafetyCopyCheck::SafetyCopyCheck(QString copy, CopyCheck check, std::function<void(const QString&)> checked)
    : copy_(std::move(copy)), check_(std::move(check)), checked_(std::move(checked))
{
}

SafetyCopyCheck::~SafetyCopyCheck()
{
    if (finished_) return;
    if (worker_.joinable()) worker_.join();
    // A start-up that failed before the menu showed never started the
    // check; the copy is checked now, before it is left as a safety copy.
    else findings_ = check_(copy_);
    // Finish never runs now: the event it was sent in goes with this object.
    if (!findings_.isEmpty()) QFile::remove(copy_);
}

void SafetyCopyCheck::Start()
{
    if (worker_.joinable() || finished_) return;
    worker_ = std::thread([this] {
        findings_ = check_(copy_);
        QMetaObject::invokeMethod(this, &SafetyCopyCheck::Finish, Qt::QueuedConnection);
    });
}

void SafetyCopyCheck::Finish()
{
    worker_.join();
    finished_ = true;
    if (!findings_.isEmpty()) QFile::remove(copy_);
    checked_(findings_);
}

}  // namespace mqt
