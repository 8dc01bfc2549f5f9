// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ReportReadAhead.h"

#include "report/ItemRecordText.h"
#include "store/DataControl.h"

#include <optional>
#include <utility>

namespace mqt {

namespace {

constexpr std::size_t BatchRecords = 256;
constexpr std::size_t BatchesAhead = 8;

}  // namespace

ReportReadAhead::ReportReadAhead(DataControl& source, const ItemColumnTable& columns)
    : text_(columns), worker_([this, &source, &columns] { Read(source, columns); })
{
}

ReportReadAhead::~ReportReadAhead()
{
    {
        const std::lock_guard lock(mutex_);
        stop_ = true;
    }
    changed_.notify_all();
    worker_.join();
}

bool ReportReadAhead::Next(ItemColumnValues& values)
{
    while (position_ == current_.size()) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return !ready_.empty() || finished_; });
        if (ready_.empty()) {
            if (failure_) std::rethrow_exception(std::exchange(failure_, nullptr));
            return false;
        }
        current_ = std::move(ready_.front());
        ready_.pop_front();
        position_ = 0;
        lock.unlock();
        changed_.notify_all();
    }
    values = text_.Shown(current_[position_++]);
    return true;
}

// On the worker thread.
void ReportReadAhead::Read(DataControl& source, const ItemColumnTable& columns)
{
    std::exception_ptr failure;
    try {
        std::optional<ItemRecordReader> reader;
        Batch batch;
        batch.reserve(BatchRecords);
        source.Walk([&](const Recordset& items) {
            if (!reader) reader.emplace(items, columns);
            batch.push_back(reader->Stored());
            if (batch.size() == BatchRecords) Hand(batch);
        });
        if (!batch.empty()) Hand(batch);
    } catch (const Stopped&) {
        // The run ended first; nobody waits for the rest.
    } catch (...) {
        failure = std::current_exception();
    }
    {
        const std::lock_guard lock(mutex_);
        failure_ = failure;
        finished_ = true;
    }
    changed_.notify_all();
}

// Passes a full batch to the run, waiting while enough are read ahead.
void ReportReadAhead::Hand(Batch& batch)
{
    {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return ready_.size() < BatchesAhead || stop_; });
        if (stop_) throw Stopped();
        ready_.push_back(std::move(batch));
    }
    changed_.notify_all();
    batch = Batch();
    batch.reserve(BatchRecords);
}

}  // namespace mqt
