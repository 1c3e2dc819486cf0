#pragma once
// The bounds of a transfer with a host outside the machine: how long connecting may take, how slow an answer
// may trickle, how long the whole transfer may last and how large the answer may grow. A transfer that
// reaches one of them is ended by the session, which then says which one it was.
#include <cstdint>
#include <string>

namespace kvilo::http {

struct TransferLimits {
    long connectSeconds = 20;         // connecting, the TLS handshake included
    long lowSpeedBytesPerSecond = 10; // an answer slower than this ...
    long lowSpeedSeconds = 15;        // ... for this long is given up
    long totalSeconds = 60;           // the whole transfer
    uint64_t maxBytes = 16u << 20;    // the answer's body
};

// The program's bounds for the web services: a full answer of 20 register entries is under 100 KB, so 16 MB
// leave room for any real answer and none for one that would exhaust the memory.
inline constexpr TransferLimits kServiceLimits{};

enum class TransferLimit { None, Connect, LowSpeed, Total, Size };

// What the user is told about a limit that ended a transfer, in 1251, e.g. "Превышен предел размера ответа
// 16 МБ."; empty for None.
std::string DescribeLimit(TransferLimit limit, const TransferLimits& limits);

} // namespace kvilo::http
