// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/Clock.h"

namespace mqt::test {

// A clock that stands on the day a test chooses.
class FixedClock final : public Clock {
public:
    explicit FixedClock(QDate day = QDate(2024, 2, 20)) : now_(day, QTime(10, 0)) {}
    void SetToday(QDate day) { now_ = QDateTime(day, QTime(10, 0)); }
    QDateTime Now() const override { return now_; }

private:
    QDateTime now_;
};

}  // namespace mqt::test
