#include "http/curl_errors.h"

namespace kvilo::http {

std::span<const uint8_t> BuiltInErrorTable() {
    static constexpr uint8_t kTable[] = {0x00, 0x00};
    return kTable;
}

bool ReadErrorTable(std::span<const uint8_t> table, std::vector<ErrorEntry>& entries) {
    if (table.size() < 2) return false;
    const unsigned count = table[0] | (table[1] << 8);
    size_t at = 2;
    for (unsigned i = 0; i < count; ++i) {
        constexpr size_t kEntryHead = 5; // code (2), unused (2), length (1)
        if (table.size() - at < kEntryHead) return false;
        const int32_t code = table[at] | (table[at + 1] << 8);
        const size_t length = table[at + 4];
        at += kEntryHead;
        if (table.size() - at < length) return false;
        entries.push_back({code, std::string(reinterpret_cast<const char*>(table.data() + at), length)});
        at += length;
    }
    return true;
}

} // namespace kvilo::http
