#include "core/batch/batch_run.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <unordered_map>

#include "base/cp1251.h"

namespace kvilo::batch {

using namespace base::literals;

namespace {

// How far the lookups may run ahead of the first line still waiting for its result.
constexpr size_t kLookAhead = 64;
constexpr size_t kNoJob = static_cast<size_t>(-1);

struct Job {
    std::string code;
    size_t uses = 0; // lines that hold the code
};

class BatchState {
public:
    BatchState(const std::vector<BatchLine>& lines, const LineResultSink& deliver) : lines_(lines), deliver_(deliver) {
        std::unordered_map<std::string, size_t> byCode;
        jobOfLine_.assign(lines.size(), kNoJob);
        for (size_t i = 0; i < lines.size(); ++i) {
            if (lines[i].check != codes::CodeCheck::Valid) continue;
            auto [it, added] = byCode.emplace(lines[i].code, jobs_.size());
            if (added) jobs_.push_back({lines[i].code, 0});
            ++jobs_[it->second].uses;
            jobOfLine_[i] = it->second;
        }
    }

    size_t JobCount() const { return jobs_.size(); }

    // The next job to look up, waiting while the lookups are too far ahead; kNoJob when there is none left.
    size_t TakeJob(const std::atomic<bool>& stop) {
        std::unique_lock lock(mutex_);
        room_.wait(lock, [&] { return stop.load() || next_ >= jobs_.size() || next_ < WaitedJob() + kLookAhead; });
        if (stop.load() || next_ >= jobs_.size()) return kNoJob;
        return next_++;
    }

    const std::string& Code(size_t job) const { return jobs_[job].code; }

    void Finish(size_t job, CodeResult result) {
        std::lock_guard lock(mutex_);
        results_.emplace(job, std::move(result));
        Deliver(false);
        room_.notify_all();
    }

    // After the lookups have ended: the rest of the lines, those without a result as not checked.
    void DeliverRest(const std::string& reason) {
        std::lock_guard lock(mutex_);
        Deliver(false);
        notChecked_ = Result(reason);
        Deliver(true);
    }

    void Wake() { room_.notify_all(); }
    const BatchCounts& Counts() const { return counts_; }

private:
    static CodeResult Result(const std::string& reason) {
        CodeResult result;
        result.outcome = CodeOutcome::Cancelled;
        result.reason = reason;
        return result;
    }

    // The job of the first line not yet handed on, if it is one still being looked up.
    size_t WaitedJob() const {
        for (size_t i = cursor_; i < lines_.size(); ++i)
            if (jobOfLine_[i] != kNoJob && !results_.contains(jobOfLine_[i])) return jobOfLine_[i];
        return jobs_.size();
    }

    void Hand(const BatchLine& line, const CodeResult& result) {
        if (result.outcome == CodeOutcome::Found)
            ++counts_.found;
        else
            ++counts_.missing;
        deliver_(line, result);
    }

    // Hands on every line whose result is known, in order; with `rest`, the others as not checked.
    void Deliver(bool rest) {
        for (; cursor_ < lines_.size(); ++cursor_) {
            const BatchLine& line = lines_[cursor_];
            const size_t job = jobOfLine_[cursor_];
            if (job == kNoJob) {
                CodeResult invalid;
                invalid.outcome = CodeOutcome::Failed;
                invalid.reason = InvalidLineReason(line);
                Hand(line, invalid);
                continue;
            }
            auto it = results_.find(job);
            if (it == results_.end()) {
                if (!rest) return;
                Hand(line, notChecked_);
                continue;
            }
            Hand(line, it->second);
            // A result is kept only while a later line of the same code still needs it.
            if (--jobs_[job].uses == 0) results_.erase(it);
        }
    }

    const std::vector<BatchLine>& lines_;
    const LineResultSink& deliver_;
    std::vector<Job> jobs_;
    std::vector<size_t> jobOfLine_;
    std::mutex mutex_;
    std::condition_variable room_;
    std::unordered_map<size_t, CodeResult> results_;
    size_t next_ = 0;
    size_t cursor_ = 0;
    CodeResult notChecked_;
    BatchCounts counts_;
};

} // namespace

std::string InvalidLineReason(const BatchLine& line) {
    switch (line.check) {
    case codes::CodeCheck::BadInn:
        return "контрольное число ИНН не сходится; не проверялся"_ansi;
    case codes::CodeCheck::BadOgrn:
        return line.code.size() == 13 ? "контрольное число ОГРН не сходится; не проверялся"_ansi
                                      : "контрольное число ОГРНИП не сходится; не проверялся"_ansi;
    default:
        return "не ИНН и не ОГРН; не проверялся"_ansi;
    }
}

BatchCounts RunBatch(const std::vector<BatchLine>& lines, const lookup::LookupServices& services,
                     const BatchOptions& options, const std::atomic<bool>& cancel, const LineResultSink& deliver,
                     const ProgressSink& progress) {
    BatchState state(lines, deliver);
    std::atomic<bool> stop = cancel.load();
    std::atomic<size_t> done = 0;
    std::mutex refusalMutex;
    std::string refusal; // why the service refuses every request, once it does

    // The user's cancel ends running transfers at once; a refusal lets them finish.
    lookup::LookupServices batchServices = services;
    batchServices.access.abort = &cancel;
    auto work = [&] {
        for (size_t job; (job = state.TakeJob(stop)) != kNoJob;) {
            CodeResult result = LookUpCode(batchServices, state.Code(job), options.retry, cancel);
            if (result.outcome == CodeOutcome::Cancelled) {
                stop = true;
                break;
            }
            if (result.outcome == CodeOutcome::Refused) {
                std::lock_guard lock(refusalMutex);
                if (refusal.empty()) refusal = result.reason;
                stop = true;
            }
            state.Finish(job, std::move(result));
            if (progress) progress(++done, state.JobCount());
            if (cancel.load()) stop = true;
        }
        state.Wake();
    };
    std::vector<std::thread> workers;
    const size_t count = std::clamp<size_t>(static_cast<size_t>(std::max(options.concurrency, 1)), 1,
                                            std::max<size_t>(state.JobCount(), 1));
    for (size_t i = 0; i < count; ++i)
        workers.emplace_back(work);
    for (std::thread& worker : workers)
        worker.join();

    state.DeliverRest(refusal.empty() ? "проверка прервана; не проверялся"_ansi : refusal + "; не проверялся"_ansi);
    BatchCounts counts = state.Counts();
    counts.cancelled = cancel.load();
    return counts;
}

} // namespace kvilo::batch
