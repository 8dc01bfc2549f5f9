// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ReportProgress.h"

#include <QApplication>
#include <QProgressDialog>

namespace mqt {

namespace {

constexpr qint64 QuietMilliseconds = 500;
constexpr std::int64_t StepRecords = 2048;  // how often the clock is looked at
// How often the count and the windows are painted: each time costs the grid
// a repaint of its rows in view.
constexpr qint64 PaintMilliseconds = 250;

}  // namespace

ReportProgress::ReportProgress(QWidget* parent) : parent_(parent)
{
    clock_.start();
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

ReportProgress::~ReportProgress()
{
    delete bar_;
    QApplication::restoreOverrideCursor();
}

void ReportProgress::Step(std::int64_t done)
{
    if (done % StepRecords != 0) return;
    const qint64 now = clock_.elapsed();
    if (now - paintedAt_ < PaintMilliseconds) return;
    paintedAt_ = now;
    if (!bar_) {
        if (now < QuietMilliseconds) return;
        bar_ = new QProgressDialog(QString(), QString(), 0, 0, parent_);
        bar_->setObjectName(QStringLiteral("ReportProgress"));
        bar_->setWindowTitle(QStringLiteral("Marquill"));
        bar_->setWindowModality(Qt::ApplicationModal);
        bar_->setMinimumDuration(0);
        bar_->setAutoClose(false);
        bar_->setAutoReset(false);
        bar_->show();
    }
    bar_->setLabelText(QStringLiteral("Items read: %1").arg(done));
    // Input goes only to the modal bar, so the windows can repaint safely.
    QCoreApplication::processEvents();
}

}  // namespace mqt
