// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <cstdint>

class QProgressDialog;
class QWidget;

namespace mqt {

// Shows that a report run is working: a busy cursor from the start, and once
// the run has taken half a second a busy bar with the count of items read,
// which keeps the windows painted. The bar blocks input to the program until
// the run ends; the run cannot be cancelled from it.
class ReportProgress {
public:
    explicit ReportProgress(QWidget* parent);
    ~ReportProgress();
    ReportProgress(const ReportProgress&) = delete;
    ReportProgress& operator=(const ReportProgress&) = delete;

    // Records read so far.
    void Step(std::int64_t done);

private:
    QWidget* parent_;
    QElapsedTimer clock_;
    qint64 paintedAt_ = 0;
    QPointer<QProgressDialog> bar_;
};

}  // namespace mqt
