#include "http/curl_log.h"

#include <string>

#include "platform/debug_output.h"

namespace kvilo::http {

void Log(std::string_view text) {
    std::string line = "[libcurl] ";
    line.append(text);
    platform::DebugOutput(line);
}

} // namespace kvilo::http
