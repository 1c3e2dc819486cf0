#pragma once
// A bare TCP listener for answers no HTTP library will produce: text that is not HTTP, malformed or
// endless header lines, headers cut off mid-line. The request path picks the answer.
#include <atomic>
#include <string>
#include <thread>

namespace kvilo::fake {

class RawListener {
public:
    RawListener() = default;
    ~RawListener();
    RawListener(const RawListener&) = delete;
    RawListener& operator=(const RawListener&) = delete;

    // Listens on 127.0.0.1 at a port the system chooses; returns it, or -1.
    int Start();

private:
    void Serve();
    int socket_ = -1;
    std::thread thread_;
};

// The bytes sent for a request of `path` (exposed for the listener's own use and its tests).
std::string RawAnswer(const std::string& path);

} // namespace kvilo::fake
