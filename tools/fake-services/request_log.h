#pragma once
// Every request the server received (except the control routes), so a test can check what actually went
// over the wire: method, target, headers and body.
//
// GET /_requests answers the log as text, one block per request:
//   REQUEST <method> <target>\n
//   HEADER <name>: <value>\n        (once per header)
//   BODY <length>\n<length bytes>\n
//   END\n
#include <httplib.h>

#include <mutex>
#include <string>
#include <vector>

namespace kvilo::fake {

struct LoggedRequest {
    std::string method;
    std::string target;
    httplib::Headers headers;
    std::string body;
};

class RequestLog {
public:
    // Records the request line and headers as they arrive (before a slow answer) and returns the
    // entry's index for the body, which is known only once it has been read.
    size_t Begin(const httplib::Request& request);
    void SetBody(size_t index, const std::string& body);
    void Clear();
    std::string Serialize() const;

private:
    mutable std::mutex mutex_;
    std::vector<LoggedRequest> entries_;
    size_t cleared_ = 0; // entries begun before the last Clear carry indexes below this
};

} // namespace kvilo::fake
