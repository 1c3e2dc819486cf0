#include "core/startup/version_reader.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>

#include "platform/file.h"

namespace kvilo::startup {
namespace {

// The key as it stands in the file. Built here rather than written as a UTF-16 literal, so that this
// reader's own binary does not carry a second copy of the key for a scan to find.
std::string KeyBytes() {
    std::string bytes;
    for (const char* c = kVersionResourceKey; *c != 0; ++c) {
        bytes.push_back(*c);
        bytes.push_back('\0');
    }
    bytes.append(2, '\0');
    return bytes;
}

std::optional<std::string> ReadWholeFile(std::string_view path) {
    platform::File file;
    if (!file.Open(path, platform::File::Access::Read, platform::File::Disposition::OpenExisting)) return std::nullopt;
    std::string content;
    char chunk[65536];
    size_t read = 0;
    do {
        if (!file.Read(chunk, sizeof chunk, read)) return std::nullopt;
        content.append(chunk, read);
    } while (read > 0);
    return content;
}

uint16_t Word(const char* at) {
    uint16_t value;
    std::memcpy(&value, at, sizeof value);
    return value;
}

// The offset of the resource header in the file's content, when a well-formed one is there.
std::optional<size_t> FindResource(const std::string& content) {
    static const std::string key = KeyBytes();
    constexpr size_t keyOffset = 6;
    for (size_t at = content.find(key); at != std::string::npos; at = content.find(key, at + 1)) {
        if (at < keyOffset) continue;
        size_t start = at - keyOffset;
        uint16_t length = Word(content.data() + start);
        if (length >= keyOffset + key.size() && start + length <= content.size()) return start;
    }
    return std::nullopt;
}

} // namespace

uint32_t FileVersionInfoReader::Size(std::string_view path) {
    auto content = ReadWholeFile(path);
    if (!content) return 0;
    auto start = FindResource(*content);
    return start ? Word(content->data() + *start) : 0;
}

bool FileVersionInfoReader::Read(std::string_view path, uint32_t size, std::vector<uint8_t>& info) {
    auto content = ReadWholeFile(path);
    if (!content) return false;
    auto start = FindResource(*content);
    if (!start || Word(content->data() + *start) != size) return false;
    info.assign(content->begin() + static_cast<std::ptrdiff_t>(*start),
                content->begin() + static_cast<std::ptrdiff_t>(*start + size));
    return true;
}

bool QueryRootBlock(const std::vector<uint8_t>& info, FixedFileInfo& block, uint32_t& length) {
    if (info.size() < kVersionValueOffset) return false;
    std::string key = KeyBytes();
    if (std::memcmp(info.data() + 6, key.data(), key.size()) != 0) return false;
    uint16_t valueLength;
    std::memcpy(&valueLength, info.data() + 2, sizeof valueLength);
    if (info.size() < kVersionValueOffset + valueLength) return false;
    length = valueLength;
    block = FixedFileInfo{};
    std::memcpy(&block, info.data() + kVersionValueOffset, std::min<size_t>(valueLength, sizeof block));
    return true;
}

} // namespace kvilo::startup
