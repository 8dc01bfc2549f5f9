// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/ShopBackend.h"

#include <QObject>
#include <QString>
#include <functional>
#include <thread>

namespace mqt {

// The full check of a safety copy, run on a worker thread so that the user
// need not wait for it: a file's check reads every page of the copy, seconds
// on a large shop. The check touches nothing but the copy. A copy that fails the
// check is deleted. When the check ends, `checked` runs on the thread that
// started it, with the findings (empty when the copy is sound); when the
// check is destroyed first, it waits for the worker (or, when it was never
// started, checks the copy itself), deletes a failing copy, and runs nothing.
class SafetyCopyCheck final : public QObject {
    Q_OBJECT
public:
    SafetyCopyCheck(QString copy, CopyCheck check, std::function<void(const QString& findings)> checked);
    ~SafetyCopyCheck() override;

    void Start();

private:
    void Finish();

    QString copy_;
    CopyCheck check_;
    std::function<void(const QString&)> checked_;
    std::thread worker_;
    QString findings_;  // written by the worker, read once it has ended
    bool finished_ = false;
};

}  // namespace mqt
