#include "core/startup/version_reader.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "core/startup/elf_note.h"
#include "platform/file.h"

namespace kvilo::startup {
namespace {

class FileBytes : public ByteSource {
public:
    explicit FileBytes(platform::File& file) : file_(file), size_(std::max<int64_t>(file.Size(), 0)) {}

    uint64_t Size() const override { return size_; }
    bool ReadAt(uint64_t offset, void* data, size_t size) override {
        size_t read = 0;
        return offset <= size_ && file_.ReadAt(static_cast<int64_t>(offset), data, size, read) && read == size;
    }

private:
    platform::File& file_;
    uint64_t size_;
};

std::optional<NoteLocation> FindVersionNote(platform::File& file, std::string_view path) {
    if (!file.Open(path, platform::File::Access::Read, platform::File::Disposition::OpenExisting)) return std::nullopt;
    FileBytes bytes(file);
    return FindElfNote(bytes, base::kVersionNoteOwner, base::kVersionNoteType);
}

} // namespace

uint32_t FileVersionInfoReader::Size(std::string_view path) {
    platform::File file;
    auto note = FindVersionNote(file, path);
    return note ? note->descSize : 0;
}

bool FileVersionInfoReader::Read(std::string_view path, uint32_t size, std::vector<uint8_t>& info) {
    platform::File file;
    auto note = FindVersionNote(file, path);
    if (!note || note->descSize != size) return false;
    info.resize(size);
    size_t read = 0;
    return file.ReadAt(static_cast<int64_t>(note->descOffset), info.data(), size, read) && read == size;
}

bool QueryRootBlock(const std::vector<uint8_t>& info, base::FixedFileInfo& block, uint32_t& length) {
    if (info.size() < base::kVersionValueOffset) return false;
    base::VersionResource header{};
    std::memcpy(&header, info.data(), base::kVersionValueOffset);
    constexpr base::VersionResource expected = base::MakeVersionResource(0, 0, 0, 0);
    if (std::memcmp(header.key, expected.key, sizeof header.key) != 0) return false;
    if (info.size() < base::kVersionValueOffset + header.valueLength) return false;
    length = header.valueLength;
    block = base::FixedFileInfo{};
    std::memcpy(&block, info.data() + base::kVersionValueOffset, std::min<size_t>(header.valueLength, sizeof block));
    return true;
}

} // namespace kvilo::startup
