#include "http/curl_file.h"

#include "base/blank_text.h"

namespace kvilo::http {

bool TCurlFileClass::CloseFile() {
    FHANDLE.Close();
    FPOSITION = 0;
    return true;
}

void TCurlFileClass::SetFileName(std::string_view name) {
    FHANDLE.Close(); // a handle under the old name would otherwise be lost
    FILENAME = std::string(base::RightTrim(name).substr(0, kMaxFileNameLength));
}

bool TCurlFileClass::OpenFile(platform::File::Access access, platform::File::Disposition disposition) {
    if (!FHANDLE.IsOpen()) FHANDLE.Open(FILENAME, access, disposition);
    return FHANDLE.IsOpen();
}

bool TCurlFileClass::SeekToEnd() {
    return FHANDLE.IsOpen() && FHANDLE.SeekToEnd();
}

bool TCurlFileClass::Write(const char* bytes, size_t length, size_t& written) {
    written = 0;
    if (!FHANDLE.IsOpen() || !FHANDLE.Write(bytes, length)) return false;
    written = length;
    FPOSITION += static_cast<uint32_t>(length);
    return true;
}

uint32_t TCurlFileClass::GetFileSize(uint32_t* high) {
    if (high != nullptr) *high = 0;
    const bool openedHere = !FHANDLE.IsOpen();
    if (openedHere &&
        !FHANDLE.Open(FILENAME, platform::File::Access::Read, platform::File::Disposition::OpenExisting)) {
        return 0;
    }
    const int64_t size = FHANDLE.Size();
    if (openedHere) FHANDLE.Close();
    if (size < 0) return 0;
    const auto bits = static_cast<uint64_t>(size);
    if (high != nullptr) *high = static_cast<uint32_t>(bits >> 32);
    return static_cast<uint32_t>(bits);
}

} // namespace kvilo::http
