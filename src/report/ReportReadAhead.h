// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/ItemColumns.h"
#include "report/ItemRecordText.h"

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace mqt {

class DataControl;

// Reads a report run's records on a worker thread, ahead of the run: the
// engine's reading takes most of a run, and the texts the report shows, the
// filters, the sums and the grid the rest, so the two go on at once. The records come in query order, in batches, with
// a few batches read ahead at most. While the worker reads, the record
// source and its database connection are the worker's alone: the run's own
// thread touches no record source until the reading has ended.
class ReportReadAhead {
public:
    // Starts reading the source's statement.
    ReportReadAhead(DataControl& source, const ItemColumnTable& columns);
    // Stops the worker, if it is still reading, and waits for it.
    ~ReportReadAhead();
    ReportReadAhead(const ReportReadAhead&) = delete;
    ReportReadAhead& operator=(const ReportReadAhead&) = delete;

    // The next record's column values; false after the last one. What the
    // reading threw (StoreError) is thrown here, after the records read
    // before it.
    bool Next(ItemColumnValues& values);

private:
    using Batch = std::vector<ItemStoredValues>;
    struct Stopped {};

    void Read(DataControl& source, const ItemColumnTable& columns);
    void Hand(Batch& batch);

    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Batch> ready_;
    bool finished_ = false;
    bool stop_ = false;
    std::exception_ptr failure_;
    Batch current_;
    std::size_t position_ = 0;
    ItemRecordText text_;
    std::thread worker_;
};

}  // namespace mqt
