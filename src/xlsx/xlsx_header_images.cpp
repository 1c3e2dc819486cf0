#include "xlsx/xlsx_header_images.h"

#include <array>
#include <cstdint>

#include "platform/file.h"

namespace kvilo::xlsx {

namespace {

constexpr size_t kProbeSize = 24; // the PNG signature, the IHDR chunk's header, its width and height

bool StartsWith(const std::array<uint8_t, kProbeSize>& bytes, size_t size, std::string_view prefix) {
    if (size < prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i)
        if (bytes[i] != static_cast<uint8_t>(prefix[i])) return false;
    return true;
}

uint32_t BigEndian32(const std::array<uint8_t, kProbeSize>& bytes, size_t at) {
    return uint32_t{bytes[at]} << 24 | uint32_t{bytes[at + 1]} << 16 | uint32_t{bytes[at + 2]} << 8 | bytes[at + 3];
}

// A PNG needs its IHDR chunk first with a non-zero size, or the library refuses it.
bool IsUsablePng(const std::array<uint8_t, kProbeSize>& bytes, size_t size) {
    return size == kProbeSize && StartsWith(bytes, size, "\x89PNG\r\n\x1a\n") &&
           std::string_view(reinterpret_cast<const char*>(bytes.data()) + 12, 4) == "IHDR" &&
           BigEndian32(bytes, 16) != 0 && BigEndian32(bytes, 20) != 0;
}

size_t Placeholders(std::string_view text, bool skipEscaped) {
    size_t count = 0;
    for (size_t at = 0; (at = text.find('&', at)) != std::string_view::npos; ++at) {
        if (skipEscaped && text.substr(at, 2) == "&&")
            ++at;
        else if (text.substr(at, 2) == "&G" || text.substr(at, 10) == "&[Picture]")
            ++count;
    }
    return count;
}

} // namespace

bool HasImagePlaceholders(std::string_view text, size_t images) {
    return Placeholders(text, false) == images && Placeholders(text, true) == images;
}

bool IsUsableHeaderImage(std::string_view path) {
    platform::File file;
    if (path.empty() || !file.Open(path, platform::File::Access::Read, platform::File::Disposition::OpenExisting))
        return false;
    std::array<uint8_t, kProbeSize> bytes{};
    size_t size = 0, read = 0;
    while (size < bytes.size() && file.Read(bytes.data() + size, bytes.size() - size, read) && read > 0)
        size += read;
    if (bytes[0] == 0x89) return IsUsablePng(bytes, size);
    return StartsWith(bytes, size, "\xFF\xD8\xFF") || StartsWith(bytes, size, "BM") || StartsWith(bytes, size, "GIF8");
}

} // namespace kvilo::xlsx
