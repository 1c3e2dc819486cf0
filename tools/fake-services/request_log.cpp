#include "request_log.h"

namespace kvilo::fake {

size_t RequestLog::Begin(const httplib::Request& request) {
    std::lock_guard lock(mutex_);
    entries_.push_back({request.method, request.target, request.headers, {}});
    return cleared_ + entries_.size() - 1;
}

void RequestLog::SetBody(size_t index, const std::string& body) {
    std::lock_guard lock(mutex_);
    if (index < cleared_ || index - cleared_ >= entries_.size()) return; // logged before a Clear
    entries_[index - cleared_].body = body;
}

void RequestLog::Clear() {
    std::lock_guard lock(mutex_);
    cleared_ += entries_.size();
    entries_.clear();
}

std::string RequestLog::Serialize() const {
    std::lock_guard lock(mutex_);
    std::string text;
    for (const LoggedRequest& entry : entries_) {
        text += "REQUEST " + entry.method + " " + entry.target + "\n";
        for (const auto& [name, value] : entry.headers)
            text += "HEADER " + name + ": " + value + "\n";
        text += "BODY " + std::to_string(entry.body.size()) + "\n" + entry.body + "\nEND\n";
    }
    return text;
}

} // namespace kvilo::fake
