#include "http/curl_log.h"

#include "platform/debug_output.h"

namespace kvilo::http {

void Log(std::string_view text) {
    std::string line = "[libcurl] ";
    line.append(text);
    platform::DebugOutput(line);
}

std::string_view RightTrim(std::string_view text) {
    const size_t end = text.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
}

} // namespace kvilo::http
