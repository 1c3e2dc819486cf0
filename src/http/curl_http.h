#pragma once
// TCurlHttpClass: the download session. It notices from the answer headers whether the server accepts
// byte ranges and which file name it proposes, and downloads in ranges with resume and retries.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "http/curl_session.h"

namespace kvilo::http {

inline constexpr size_t kMaxAttachmentLength = 260;

// What DownloadFile fetches and how.
struct DownloadRequest {
    std::string url;
    std::string target;                  // a file path, a folder path ending in the separator, or blank
    uint32_t chunk = 0;                  // bytes per range request; 0: all from the start in one request
    ProgressFunction progress = nullptr; // none: the session's OnProgress
    uint16_t retries = 1;                // attempts for a retryable failure, counted per range
    bool resume = false;                 // append to an existing file instead of replacing it
};

// What DownloadFile reports besides its code.
struct DownloadOutcome {
    std::string target;         // the file name written to (at most 259 characters)
    uint32_t downloaded = 0;    // bytes received by partial-content (206) answers
    uint32_t contentLength = 0; // the length the server announced; 0 when unknown
};

class TCurlHttpClass : public TCurlClass {
public:
    TCurlHttpClass() = default;
    ~TCurlHttpClass() override;

    void Destroy() override;
    // As the base session, and URLs without a scheme are fetched over http.
    int Init() override;
    // Records Accept-Ranges and the first file name a Content-Disposition header proposes.
    void OnHeader(std::string_view line) override;

    virtual std::string GetFormErrorText(int code) const;

    // Downloads the request's URL into its target, in ranges when the server accepts them, appending to an
    // existing file when resuming and retrying time-outs, refused connections and the statuses 400 and 404.
    // Returns libcurl's code (0 = success; 3 when no file name can be found); `outcome` receives the name
    // written to and the byte counts.
    virtual int DownloadFile(const DownloadRequest& request, DownloadOutcome& outcome);
    int DownloadFile(const DownloadRequest& request);

    // Called between attempts so that the user interface can process its pending events.
    void SetPendingEventsHook(std::function<void()> hook) { pendingEvents_ = std::move(hook); }

    bool AcceptRangesEnabled() const { return acceptRangesEnabled_ != 0; }
    // The proposed file name; blank when no Content-Disposition header named one.
    const std::string& Attachment() const { return attachment_; }

private:
    int DownloadRanges(const DownloadRequest& request, DownloadOutcome& outcome);
    int SetRange(uint64_t start, uint32_t chunk, uint32_t contentLength);
    void ProcessPendingEvents();

    curl_httppost* firstPart_ = nullptr;
    curl_httppost* lastPart_ = nullptr;
    int32_t acceptRangesEnabled_ = 0;
    std::string attachment_;
    std::function<void()> pendingEvents_;
};

// The local file name of a download: the target itself when it names a file; otherwise the target
// folder (or nothing) followed by the proposed attachment name, or else the last segment of the URL's
// path. Empty when none of these gives a name.
std::string BuildTargetName(std::string_view url, std::string_view attachment, std::string_view target);

} // namespace kvilo::http
