#include "report/ReportProgress.h"

#include <QApplication>
#include <QProgressDialog>

namespace mqt {

namespace {

constexpr qint64 QuietMilliseconds = 500;
constexpr std::int64_t StepRecords = 2048;  // how often the clock is looked at
constexpr int Steps = 1000;                 // the bar's resolution

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

void ReportProgress::Start(std::int64_t records) { records_ = records; }

void ReportProgress::Step(std::int64_t done)
{
    if (done % StepRecords != 0 || records_ <= 0) return;
    if (!bar_) {
        if (clock_.elapsed() < QuietMilliseconds) return;
        bar_ = new QProgressDialog(QStringLiteral("Reading the items ..."), QString(), 0, Steps, parent_);
        bar_->setObjectName(QStringLiteral("ReportProgress"));
        bar_->setWindowTitle(QStringLiteral("Marquill"));
        bar_->setWindowModality(Qt::ApplicationModal);
        bar_->setMinimumDuration(0);
        bar_->setAutoClose(false);
        bar_->setAutoReset(false);
    }
    // A modal bar lets the windows repaint while it moves.
    bar_->setValue(int(done * Steps / records_));
}

}  // namespace mqt
