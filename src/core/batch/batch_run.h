#pragma once
// The batch check: every distinct code of the list looked up once, a few at a time, each line's result
// handed on in the order of the list as soon as the lines before it have theirs. Memory stays flat however
// long the list: only the results that wait for an earlier line, or for a later duplicate, are kept.
#include <atomic>
#include <cstddef>
#include <functional>
#include <vector>

#include "core/batch/batch_input.h"
#include "core/batch/code_lookup.h"
#include "core/lookup/lookup_services.h"

namespace kvilo::batch {

struct BatchOptions {
    int concurrency = 4; // lookups at a time
    RetryPolicy retry;
};

// Receives each line with its result, in the order of the list, on one of the check's threads (never two at
// a time). Lines that hold no valid code come with outcome Failed and the reason, without being sent.
using LineResultSink = std::function<void(const BatchLine& line, const CodeResult& result)>;

// Receives the number of distinct codes looked up so far and their total, from the check's threads.
using ProgressSink = std::function<void(size_t done, size_t total)>;

struct BatchCounts {
    size_t found = 0;
    size_t missing = 0; // no entry, failed, not a valid code, or not checked
    bool cancelled = false;
};

// Runs the check to its end, or until `cancel` is set: the lines not checked by then are handed on as
// Cancelled, after everything found so far. Blocks the calling thread.
BatchCounts RunBatch(const std::vector<BatchLine>& lines, const lookup::LookupServices& services,
                     const BatchOptions& options, const std::atomic<bool>& cancel, const LineResultSink& deliver,
                     const ProgressSink& progress);

// The reason a line that holds no valid code is not sent (Windows-1251).
std::string InvalidLineReason(const BatchLine& line);

} // namespace kvilo::batch
