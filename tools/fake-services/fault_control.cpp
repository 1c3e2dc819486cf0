#include "fault_control.h"

#include <cstdlib>

namespace kvilo::fake {
namespace {

int IntParam(const httplib::Params& params, const char* key, int fallback) {
    const auto it = params.find(key);
    return it == params.end() ? fallback : std::atoi(it->second.c_str());
}

std::string TextParam(const httplib::Params& params, const char* key) {
    const auto it = params.find(key);
    return it == params.end() ? std::string() : it->second;
}

// The first offset of a "bytes=a-b" header, as text; "" without a Range header.
std::string RangeStart(const httplib::Request& request) {
    const std::string range = request.get_header_value("Range");
    const size_t equals = range.find('=');
    if (equals == std::string::npos) return range;
    return range.substr(equals + 1, range.find('-', equals) - equals - 1);
}

} // namespace

std::optional<Fault> FaultFromParams(const httplib::Params& params) {
    static const std::map<std::string, Fault::Mode> kModes = {
        {"fail", Fault::Mode::Fail},         {"hold", Fault::Mode::Hold}, {"drop", Fault::Mode::Drop},
        {"noranges", Fault::Mode::NoRanges}, {"drip", Fault::Mode::Drip}, {"flood", Fault::Mode::Flood}};
    const auto mode = kModes.find(TextParam(params, "mode"));
    if (mode == kModes.end()) return std::nullopt;
    Fault fault;
    fault.mode = mode->second;
    fault.path = TextParam(params, "path");
    fault.method = TextParam(params, "method");
    fault.status = IntParam(params, "status", fault.status);
    fault.count = IntParam(params, "count", fault.count);
    fault.skip = IntParam(params, "skip", fault.skip);
    fault.after = static_cast<size_t>(IntParam(params, "after", 0));
    fault.perRange = IntParam(params, "per_range", 0) != 0;
    fault.bytes = std::strtoull(TextParam(params, "bytes").c_str(), nullptr, 10);
    fault.intervalMs = IntParam(params, "interval_ms", 0);
    fault.chunked = IntParam(params, "chunked", 0) != 0;
    return fault;
}

void FaultControl::Add(const Fault& fault) {
    std::lock_guard lock(mutex_);
    armed_.push_back({fault, {}});
}

void FaultControl::Clear() {
    std::lock_guard lock(mutex_);
    armed_.clear();
    ++releases_;
    released_.notify_all();
}

std::optional<Fault> FaultControl::Take(const httplib::Request& request) {
    std::lock_guard lock(mutex_);
    for (Armed& armed : armed_) {
        const Fault& fault = armed.fault;
        if (request.path.compare(0, fault.path.size(), fault.path) != 0) continue;
        if (!fault.method.empty() && fault.method != request.method) continue;
        Counter& counter = armed.counters[fault.perRange ? RangeStart(request) : std::string()];
        if (counter.seen++ < fault.skip) continue;
        if (fault.count >= 0 && counter.hits >= fault.count) continue;
        ++counter.hits;
        Fault taken = fault;
        taken.heldSince = releases_;
        return taken;
    }
    return std::nullopt;
}

void FaultControl::Hold(const Fault& fault) {
    std::unique_lock lock(mutex_);
    released_.wait(lock, [this, &fault] { return releases_ != fault.heldSince; });
}

void FaultControl::Release() {
    std::lock_guard lock(mutex_);
    ++releases_;
    released_.notify_all();
}

RequestState& CurrentRequest() {
    thread_local RequestState state;
    return state;
}

} // namespace kvilo::fake
