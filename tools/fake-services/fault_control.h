#pragma once
// Faults a test selects for the requests that follow: answer with an error status, hold the answer until
// the test releases it, close the connection in the middle of the body, serve a resource as if the server
// knew no byte ranges, send the answer a few bytes at a time, or send a flood of bytes in its place. They are set
// through POST /_control and apply to every route, present and future.
#include <httplib.h>

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace kvilo::fake {

struct Fault {
    enum class Mode { Fail, Hold, Drop, NoRanges, Drip, Flood };
    Mode mode = Mode::Fail;
    std::string path;       // the request path must start with this ("" = any path)
    std::string method;     // "" = any method, otherwise exactly this one (GET, HEAD, POST)
    int status = 500;       // Fail: the status answered
    int count = 1;          // matching requests hit; -1 = every one
    int skip = 0;           // matching requests let through before the first hit
    size_t after = 0;       // Drop: body bytes sent before the connection is closed
    bool perRange = false;  // count and skip apply to each range start (Range header) separately
    size_t bytes = 0;       // Drip: body bytes per step; Flood: the size of the body sent
    int intervalMs = 0;     // Drip: the pause before each step
    bool chunked = false;   // Flood: without Content-Length, in chunks
    uint64_t heldSince = 0; // Hold: the releases counted when the fault was taken
};

// Reads a fault from the control request's parameters (mode=fail|hold|drop|noranges|drip|flood, path,
// method, status, count, skip, after, per_range=1, bytes, interval_ms, chunked=1). Empty when the mode is
// unknown.
std::optional<Fault> FaultFromParams(const httplib::Params& params);

class FaultControl {
public:
    void Add(const Fault& fault);
    // Removes every fault and releases the answers held so far.
    void Clear();
    // The fault that hits this request, consuming one of its hits; none when no fault applies.
    std::optional<Fault> Take(const httplib::Request& request);

    // Blocks the calling request's worker until the first Release or Clear after the fault was taken: the
    // client sees no answer, for as long as the test wants, whatever the speed of the machine. A release
    // that comes between Take and Hold is not missed.
    void Hold(const Fault& fault);
    void Release();

private:
    struct Counter {
        int seen = 0;
        int hits = 0;
    };
    struct Armed {
        Fault fault;
        std::map<std::string, Counter> counters; // by range start, or one entry "" without per_range
    };
    std::mutex mutex_;
    std::vector<Armed> armed_;
    std::condition_variable released_;
    uint64_t releases_ = 0; // counts Release and Clear calls, so that a held request knows it is let go
};

// What the handlers of one request decide for its answer; the answer is finished from it after routing.
struct RequestState {
    std::optional<Fault> fault;
    std::optional<size_t> logIndex;
    std::optional<size_t> dropAfter; // a route that always closes its connection early
    bool noAcceptRanges = false;     // the answer must not announce byte ranges
};

// The state of the request this worker thread is answering (pre-routing, route and post-routing
// handlers of one request run on one thread).
RequestState& CurrentRequest();

} // namespace kvilo::fake
