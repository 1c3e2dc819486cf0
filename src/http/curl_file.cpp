#include "http/curl_file.h"

#include "base/blank_text.h"

namespace kvilo::http {

bool TCurlFileClass::CloseFile() {
    file_.Close();
    position_ = 0;
    return true;
}

void TCurlFileClass::SetFileName(std::string_view name) {
    file_.Close(); // a handle under the old name would otherwise be lost
    fileName_ = std::string(base::RightTrim(name).substr(0, kMaxFileNameLength));
}

bool TCurlFileClass::OpenFile(platform::File::Access access, platform::File::Disposition disposition) {
    if (!file_.IsOpen()) file_.Open(fileName_, access, disposition);
    return file_.IsOpen();
}

bool TCurlFileClass::SeekToEnd() {
    return file_.IsOpen() && file_.SeekToEnd();
}

bool TCurlFileClass::Write(const char* bytes, size_t length, size_t& written) {
    written = 0;
    if (!file_.IsOpen() || !file_.Write(bytes, length)) return false;
    written = length;
    position_ += static_cast<uint32_t>(length);
    return true;
}

uint32_t TCurlFileClass::GetFileSize(uint32_t* high) {
    if (high != nullptr) *high = 0;
    const bool openedHere = !file_.IsOpen();
    if (openedHere &&
        !file_.Open(fileName_, platform::File::Access::Read, platform::File::Disposition::OpenExisting)) {
        return 0;
    }
    const int64_t size = file_.Size();
    if (openedHere) file_.Close();
    if (size < 0) return 0;
    const auto bits = static_cast<uint64_t>(size);
    if (high != nullptr) *high = static_cast<uint32_t>(bits >> 32);
    return static_cast<uint32_t>(bits);
}

} // namespace kvilo::http
