#pragma once
// The bytes of every generated resource: byte i depends on i alone, so a test can compute what any range
// of any resource must hold, and a misplaced block shows up as a mismatch (the pattern does not repeat
// every 256 bytes).
#include <cstddef>
#include <cstdint>
#include <string>

namespace kvilo::fake {

inline uint8_t ResourceByte(uint64_t index) {
    uint64_t x = index * 0x9E3779B97F4A7C15ull + 0x632BE59BD9B4E019ull;
    x ^= x >> 29;
    x *= 0xBF58476D1CE4E5B9ull;
    x ^= x >> 32;
    return static_cast<uint8_t>(x);
}

// Bytes [offset, offset + length) of a generated resource.
inline std::string ResourceBytes(uint64_t offset, size_t length) {
    std::string bytes(length, '\0');
    for (size_t i = 0; i < length; ++i)
        bytes[i] = static_cast<char>(ResourceByte(offset + i));
    return bytes;
}

} // namespace kvilo::fake
