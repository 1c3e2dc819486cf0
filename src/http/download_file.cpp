// DownloadFile: a header-only probe, then the body in byte ranges, appending to a partial file when
// resuming and retrying a range that timed out, was refused or answered 400 / 404.
#include <cstring>
#include <string>

#include "base/blank_text.h"
#include "http/curl_file.h"
#include "http/curl_http.h"
#include "http/curl_log.h"
#include "platform/special_folders.h"

namespace kvilo::http {
namespace {

constexpr std::string_view kLogPrefix = "TCurlHttpClass.DownloadFile: ";
constexpr size_t kMaxUrlPath = 1024;

bool IsSeparator(char c) {
    return c == platform::kPathSeparator || c == '/';
}

// Only the last segment of a server's proposal is used: a name such as "../../x" must not write
// outside the target folder.
std::string_view SafeFileName(std::string_view proposed) {
    const size_t slash = proposed.find_last_of("/\\");
    if (slash != std::string_view::npos) proposed = proposed.substr(slash + 1);
    if (proposed == "." || proposed == "..") return {};
    return proposed;
}

std::string UrlPath(std::string_view url) {
    TCurlUrlClass parsed;
    if (!parsed.Renew()) return {};
    const std::string text(base::RightTrim(url));
    // Parsed as SetUrl parses it, so a URL the download accepts also yields its name.
    if (curl_url_set(parsed.Handle(), CURLUPART_URL, text.c_str(), CURLU_DEFAULT_SCHEME | CURLU_ALLOW_SPACE) !=
        CURLUE_OK) {
        return {};
    }
    char* path = nullptr;
    if (curl_url_get(parsed.Handle(), CURLUPART_PATH, &path, 0) != CURLUE_OK) return {};
    std::string result(path, strnlen(path, kMaxUrlPath));
    curl_free(path);
    return result;
}

} // namespace

std::string BuildTargetName(std::string_view url, std::string_view attachment, std::string_view target) {
    std::string folder(base::RightTrim(target));
    if (!folder.empty() && !IsSeparator(folder.back())) return folder;
    const std::string_view proposed = SafeFileName(base::RightTrim(attachment));
    if (!proposed.empty()) return folder + std::string(proposed);
    const std::string path = UrlPath(url);
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return {};
    return folder + path.substr(slash + 1);
}

int TCurlHttpClass::DownloadFile(const DownloadRequest& request) {
    DownloadOutcome outcome;
    return DownloadFile(request, outcome);
}

int TCurlHttpClass::DownloadFile(const DownloadRequest& request, DownloadOutcome& outcome) {
    outcome = DownloadOutcome{};
    outcome.target = request.target.substr(0, kMaxFileNameLength);
    acceptRangesEnabled_ = 0;

    SetProgressFunction(request.progress);
    SetHeaderFunction();
    if (int code = SetUrl(request.url); code != CURLE_OK) return code; // nothing can be fetched from it
    SetFollowLocation(1);
    // A range left from an earlier download on this session would turn the probe into a partial answer.
    SetOptPtr(CURLOPT_RANGE, nullptr);
    SetOptLong(CURLOPT_NOBODY, 1L);
    SetOptLong(CURLOPT_FAILONERROR, 1L);

    const int probe = Perform();
    // A server that refuses the header-only request is still asked for the body.
    if (probe != CURLE_OK && GetResponseCode() != 405) return probe;
    // The length of a refusal page says nothing about the resource.
    uint32_t high = 0;
    uint32_t length = probe == CURLE_OK ? GetInfoOffT(CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &high) : 0;
    if (high != 0) length = 0; // unknown (-1) or beyond the 32-bit sizes this download handles

    const std::string name = BuildTargetName(request.url, attachment_, outcome.target);
    if (base::RightTrim(name).empty()) {
        Log(std::string(kLogPrefix) + "Target filename is blank.");
        return CURLE_URL_MALFORMAT;
    }
    outcome.target = name.substr(0, kMaxFileNameLength);

    SetOptLong(CURLOPT_NOBODY, 0L);
    SetOptLong(CURLOPT_HTTPGET, 1L);
    ClearHeaderFunction();

    if (acceptRangesEnabled_ == 0) {
        Log(std::string(kLogPrefix) + "Accept-Ranges header is missing, continue with ReadFile.");
        return ReadFile(request.url, outcome.target, request.progress);
    }
    outcome.contentLength = length;
    return DownloadRanges(request, outcome);
}

int TCurlHttpClass::SetRange(uint64_t start, uint32_t chunk, uint32_t contentLength) {
    std::string range = std::to_string(start) + "-";
    if (chunk != 0 && start + chunk < contentLength) range += std::to_string(start + chunk - 1);
    return SetOptString(CURLOPT_RANGE, range);
}

void TCurlHttpClass::ProcessPendingEvents() {
    if (pendingEvents_) pendingEvents_();
}

int TCurlHttpClass::DownloadRanges(const DownloadRequest& request, DownloadOutcome& outcome) {
    const uint32_t chunk = request.chunk;
    const uint32_t contentLength = outcome.contentLength;
    const uint16_t retries = request.retries;
    TCurlFileClass file;
    file.SetFileName(outcome.target);
    SetWriteFunction(request.resume ? &AppendToFile : &WriteToFile, &file);
    uint64_t start = request.resume ? file.GetFileSize() : 0;
    SetRange(start, chunk, contentLength);

    uint32_t received = 0;
    unsigned attempts = 0;
    int result = CURLE_OK;
    for (;;) {
        result = Perform();
        const long code = GetResponseCode();
        if (result == CURLE_OK) {
            if (code == 200) {
                if (start == 0) break;
                // The server sent the whole file instead of the range: it would stand after the bytes
                // already in the file, so the file is written again from its start.
                Log(std::string(kLogPrefix) + "the whole file came instead of a range, writing it anew.");
                file.CloseFile();
                SetWriteFunction(&WriteToFile, &file);
                SetOptPtr(CURLOPT_RANGE, nullptr);
                result = Perform();
                break;
            }
            const uint32_t got = code == 206 ? GetInfoOffT(CURLINFO_SIZE_DOWNLOAD_T) : 0;
            if (got != 0) {
                attempts = 0;
                received += got;
                start += got;
                if (start >= contentLength) break;
                SetRange(start, chunk, contentLength);
                continue;
            }
            // Any other success moves nothing forward: repeating it is bounded by the retries.
            if (++attempts >= retries) {
                Log(std::string(kLogPrefix) + "HTTP unexpected error " + std::to_string(code) + ", abort downloading");
                result = CURLE_RANGE_ERROR;
                break;
            }
            continue;
        }
        if (result == CURLE_OPERATION_TIMEDOUT || result == CURLE_COULDNT_CONNECT) {
            if (++attempts >= retries) break;
            Log(std::string(kLogPrefix) + GetErrorText(result) + ", try again...");
            ProcessPendingEvents();
            continue;
        }
        if (code == 400 || code == 404) {
            if (++attempts >= retries) break;
            Log(std::string(kLogPrefix) + "HTTP error " + std::to_string(code) + ", try again...");
            ProcessPendingEvents();
            continue;
        }
        if (code == 416) {
            result = CURLE_OK; // the file is already complete
        } else if (code > 400) {
            Log(std::string(kLogPrefix) + "HTTP fatal error " + std::to_string(code) + ", abort downloading");
        } else {
            Log(std::string(kLogPrefix) + "HTTP unexpected error " + std::to_string(code) + ", abort downloading");
        }
        break;
    }
    outcome.downloaded = received;
    // The file object ends here; later transfers on this handle must not write through its address.
    SetWriteFunction(&WriteToFile, nullptr);
    return result;
}

} // namespace kvilo::http
