#include "xlsx/zip_archive.h"

#include <zlib.h>

#include <algorithm>

namespace kvilo::xlsx {

namespace {

constexpr uint32_t kEndSignature = 0x06054b50;
constexpr uint32_t kCentralSignature = 0x02014b50;
constexpr uint32_t kLocalSignature = 0x04034b50;
constexpr size_t kEndSize = 22;
constexpr size_t kCentralSize = 46;
constexpr size_t kLocalSize = 30;
constexpr size_t kMaxComment = 0xFFFF;
constexpr uint16_t kStored = 0;
constexpr uint16_t kDeflated = 8;
// A workbook has a few dozen members; a directory of thousands is no workbook.
constexpr size_t kMaxMembers = 10000;

// Little-endian fields; the caller has checked that they lie within `bytes`.
uint16_t U16(std::string_view bytes, size_t at) {
    return static_cast<uint16_t>(static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1])
                                                                             << 8);
}

uint32_t U32(std::string_view bytes, size_t at) {
    return static_cast<uint32_t>(U16(bytes, at)) | static_cast<uint32_t>(U16(bytes, at + 2)) << 16;
}

bool Inflate(std::string_view data, size_t maxBytes, std::string& out) {
    z_stream stream{};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK) return false;
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    stream.avail_in = static_cast<uInt>(data.size());
    char buffer[64 * 1024];
    int status = Z_OK;
    while (status == Z_OK) {
        stream.next_out = reinterpret_cast<Bytef*>(buffer);
        stream.avail_out = sizeof buffer;
        status = inflate(&stream, Z_NO_FLUSH);
        const size_t produced = sizeof buffer - stream.avail_out;
        if (out.size() + produced > maxBytes) {
            status = Z_MEM_ERROR;
            break;
        }
        out.append(buffer, produced);
    }
    inflateEnd(&stream);
    // Anything else (damaged data, data that end before the stream does, too much output) is a failure.
    return status == Z_STREAM_END;
}

} // namespace

bool ZipArchive::Open(std::string_view bytes) {
    bytes_ = bytes;
    members_.clear();
    if (bytes.size() < kEndSize) return false;
    // The end record sits at the end, after a comment of at most 64 KB.
    const size_t lowest = bytes.size() > kEndSize + kMaxComment ? bytes.size() - kEndSize - kMaxComment : 0;
    size_t end = bytes.size() - kEndSize + 1;
    do {
        --end;
    } while (end > lowest && U32(bytes, end) != kEndSignature);
    if (U32(bytes, end) != kEndSignature) return false;
    const size_t count = U16(bytes, end + 10);
    size_t at = U32(bytes, end + 16);
    if (count > kMaxMembers) return false;
    for (size_t i = 0; i < count; ++i) {
        if (at > bytes.size() || bytes.size() - at < kCentralSize || U32(bytes, at) != kCentralSignature) return false;
        const size_t nameLength = U16(bytes, at + 28);
        const size_t skip = kCentralSize + nameLength + U16(bytes, at + 30) + U16(bytes, at + 32);
        if (bytes.size() - at < skip) return false;
        Member member;
        member.method = U16(bytes, at + 10);
        member.compressedSize = U32(bytes, at + 20);
        member.localOffset = U32(bytes, at + 42);
        member.name = std::string(bytes.substr(at + kCentralSize, nameLength));
        members_.push_back(std::move(member));
        at += skip;
    }
    return true;
}

bool ZipArchive::Read(std::string_view name, size_t maxBytes, std::string& out) const {
    out.clear();
    auto member = std::find_if(members_.begin(), members_.end(), [&](const Member& m) { return m.name == name; });
    if (member == members_.end()) return false;
    const size_t at = member->localOffset;
    if (at > bytes_.size() || bytes_.size() - at < kLocalSize || U32(bytes_, at) != kLocalSignature) return false;
    const size_t start = at + kLocalSize + U16(bytes_, at + 26) + U16(bytes_, at + 28);
    if (start > bytes_.size() || bytes_.size() - start < member->compressedSize) return false;
    const std::string_view data = bytes_.substr(start, member->compressedSize);
    if (member->method == kStored) {
        if (data.size() > maxBytes) return false;
        out.assign(data);
        return true;
    }
    return member->method == kDeflated && Inflate(data, maxBytes, out);
}

} // namespace kvilo::xlsx
