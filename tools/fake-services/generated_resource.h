#pragma once
#include <httplib.h>

#include <cstdint>

namespace kvilo::fake {

// Answers with the generated resource of `size` bytes (resource_bytes.h); with `ranges` it announces byte
// ranges and honours a Range header as a real server does (206, 416).
void ServeGenerated(const httplib::Request& request, httplib::Response& response, uint64_t size, bool ranges);

} // namespace kvilo::fake
