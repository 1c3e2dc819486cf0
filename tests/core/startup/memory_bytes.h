#pragma once
// File bytes held in memory, for reading ELF structures out of a buffer that a test made or damaged.
#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/startup/elf_note.h"

namespace kvilo::startup {

// The first `size` bytes of a buffer (all of it by default), as a file cut short there would hold them.
class MemoryBytes : public ByteSource {
public:
    explicit MemoryBytes(const std::vector<uint8_t>& bytes) : MemoryBytes(bytes, bytes.size()) {}
    MemoryBytes(const std::vector<uint8_t>& bytes, size_t size) : bytes_(bytes), size_(std::min(size, bytes.size())) {}

    uint64_t Size() const override { return size_; }
    bool ReadAt(uint64_t offset, void* data, size_t size) override {
        if (offset > size_ || size > size_ - offset) return false;
        std::memcpy(data, bytes_.data() + offset, size);
        return true;
    }

private:
    const std::vector<uint8_t>& bytes_;
    size_t size_;
};

inline std::vector<uint8_t> FileContent(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

} // namespace kvilo::startup
