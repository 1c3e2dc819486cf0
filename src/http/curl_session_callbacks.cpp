// The callbacks libcurl calls during Perform. They are plain functions that find their object through
// libcurl's user pointer; no exception may cross back into C, so each one catches everything and turns
// it into the value that stops the transfer.
#include "http/curl_session.h"

#include <cstdint>

namespace kvilo::http {
namespace {

constexpr size_t kWriteFailed = SIZE_MAX; // any count other than the one offered is a write error

} // namespace

size_t WriteToSink(char* data, size_t size, size_t count, void* sink) noexcept {
    if (sink == nullptr) return kWriteFailed;
    const size_t length = size * count;
    try {
        static_cast<ByteSink*>(sink)->Append(length, data);
    } catch (...) {
        return kWriteFailed;
    }
    return length;
}

size_t WriteThroughSession(char* data, size_t size, size_t count, void* session) noexcept {
    if (session == nullptr) return kWriteFailed;
    try {
        return static_cast<TCurlClass*>(session)->DeliverBlock(data, size, count);
    } catch (...) {
        return kWriteFailed;
    }
}

size_t HeaderToSession(char* data, size_t size, size_t count, void* session) noexcept {
    const size_t length = size * count;
    if (session == nullptr) return length;
    try {
        static_cast<TCurlClass*>(session)->OnHeader(std::string_view(data, length));
    } catch (...) {
        return kWriteFailed;
    }
    return length;
}

int ProgressToSession(void* session, double downloadTotal, double downloadNow, double uploadTotal,
                      double uploadNow) noexcept {
    if (session == nullptr) return 0;
    try {
        auto* self = static_cast<TCurlClass*>(session);
        if (self->AbortRequested()) return 1;
        return self->OnProgress(downloadTotal, downloadNow, uploadTotal, uploadNow);
    } catch (...) {
        return 1; // abort rather than let the exception into libcurl
    }
}

std::string_view DebugTitle(curl_infotype type) {
    switch (type) {
    case CURLINFO_TEXT:
        return "TEXT";
    case CURLINFO_HEADER_IN:
        return "HEADER_IN";
    case CURLINFO_HEADER_OUT:
        return "HEADER_OUT";
    case CURLINFO_DATA_IN:
        return "DATA_IN";
    case CURLINFO_DATA_OUT:
        return "DATA_OUT";
    case CURLINFO_SSL_DATA_IN:
        return "SSL_DATA_IN";
    case CURLINFO_SSL_DATA_OUT:
        return "SSL_DATA_OUT";
    default:
        return "Unknown info type";
    }
}

int DebugToSession(CURL*, curl_infotype type, char* data, size_t size, void* session) noexcept {
    if (session == nullptr) return 0;
    try {
        auto* self = static_cast<TCurlClass*>(session);
        const std::string copy = self->HideSecrets(std::string_view(data, size));
        self->OnDebugData(type, copy);
        self->OnDebug(type, copy, DebugTitle(type));
    } catch (...) {
        // A lost trace line must not end the transfer.
    }
    return 0;
}

} // namespace kvilo::http
