// The write and chunk callbacks that put an answer into a TCurlFileClass. Each failure is logged once
// and returned to libcurl as a write error, which ends the transfer with CURLE_WRITE_ERROR.
#include <cstdint>
#include <string>

#include "http/curl_file.h"
#include "http/curl_log.h"

namespace kvilo::http {
namespace {

constexpr size_t kWriteFailed = SIZE_MAX;

size_t WriteBlock(const char* data, size_t length, TCurlFileClass& file, platform::File::Disposition disposition,
                  bool seekToEnd) {
    if (!file.OpenFile(platform::File::Access::Write, disposition)) {
        Log("CreateFile(" + file.FileName() + ") error");
        return kWriteFailed;
    }
    if (seekToEnd && !file.SeekToEnd()) {
        Log("SetFilePointer(" + file.FileName() + ") error: Unable to seek to EOF.");
        return kWriteFailed;
    }
    size_t written = 0;
    if (!file.Write(data, length, written)) {
        Log("WriteFile(" + file.FileName() + ") error " + std::to_string(file.LastError()));
        return kWriteFailed;
    }
    return written;
}

size_t WriteToFileWith(const char* data, size_t size, size_t count, void* file, platform::File::Disposition disposition,
                       bool seekToEnd) noexcept {
    const size_t length = size * count;
    // libcurl may announce an empty body with a call of zero bytes: that must not create the file.
    if (file == nullptr || length == 0) return length;
    try {
        return WriteBlock(data, length, *static_cast<TCurlFileClass*>(file), disposition, seekToEnd);
    } catch (...) {
        return kWriteFailed;
    }
}

} // namespace

size_t WriteToFile(char* data, size_t size, size_t count, void* file) noexcept {
    return WriteToFileWith(data, size, count, file, platform::File::Disposition::CreateAlways, false);
}

size_t AppendToFile(char* data, size_t size, size_t count, void* file) noexcept {
    return WriteToFileWith(data, size, count, file, platform::File::Disposition::OpenAlways, true);
}

long ChunkBegin(const void* info, void* file, int) noexcept {
    const auto* transfer = static_cast<const curl_fileinfo*>(info);
    if (transfer == nullptr || transfer->filename == nullptr) return CURL_CHUNK_BGN_FUNC_SKIP;
    try {
        const std::string name = transfer->filename;
        if (transfer->filetype == CURLFILETYPE_DIRECTORY) {
            Log("Coming: DIR " + name);
        } else if (transfer->filetype == CURLFILETYPE_FILE) {
            Log("Coming: FILE " + name);
        } else {
            Log("Coming: object of type " + std::to_string(static_cast<int>(transfer->filetype)) + " " + name);
        }
        if (file == nullptr) return CURL_CHUNK_BGN_FUNC_SKIP;
        if (transfer->filetype != CURLFILETYPE_FILE) return CURL_CHUNK_BGN_FUNC_OK;
        auto* target = static_cast<TCurlFileClass*>(file);
        if (!target->OpenFile(platform::File::Access::Write, platform::File::Disposition::CreateAlways)) {
            Log("CreateFile(" + target->FileName() + ") error");
            return CURL_CHUNK_BGN_FUNC_SKIP;
        }
        return CURL_CHUNK_BGN_FUNC_OK;
    } catch (...) {
        return CURL_CHUNK_BGN_FUNC_FAIL;
    }
}

long ChunkEnd(void* file) noexcept {
    if (file == nullptr) return CURL_CHUNK_END_FUNC_OK;
    try {
        auto* target = static_cast<TCurlFileClass*>(file);
        Log("Downloaded: " + target->FileName());
        target->CloseFile();
    } catch (...) {
        return CURL_CHUNK_END_FUNC_FAIL;
    }
    return CURL_CHUNK_END_FUNC_OK;
}

} // namespace kvilo::http
