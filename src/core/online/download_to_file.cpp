#include "core/online/download_to_file.h"

#include "http/curl_file.h"
#include "http/curl_http.h"
#include "platform/special_folders.h"

namespace kvilo::online {
namespace {

constexpr std::string_view kUserAgent = "Mozilla/1.22 (compatible; MSIE 10.0; Windows 3.1)";

// The download session: libcurl's progress drives the caller's bar. The session itself watches the abort
// flag and the limits of the access.
class DownloadSession : public http::TCurlHttpClass {
public:
    explicit DownloadSession(ProgressControl* progress) : progress_(progress) {}

    int OnProgress(double downloadTotal, double downloadNow, double, double) override {
        if (progress_ == nullptr) return 0;
        if (std::optional<int> value = ProgressValue(downloadTotal, downloadNow)) progress_->SetProgress(*value);
        return 0;
    }

private:
    ProgressControl* progress_;
};

} // namespace

std::optional<int> ProgressValue(double total, double received) {
    if (received <= 0) return std::nullopt;
    if (total > 0) return static_cast<int>(received * 100 / total);
    return static_cast<int>(received / 1000);
}

DownloadResult DownloadToFile(std::string_view url, std::string_view fileName, ProgressControl* progress,
                              const http::OutsideAccess& access) {
    DownloadResult result;
    // The file layer would cut a longer name and write somewhere else.
    if (fileName.size() > http::kMaxFileNameLength) {
        result.code = CURLE_WRITE_ERROR;
        return result;
    }
    DownloadSession session(progress);
    if (progress != nullptr) progress->SetProgress(0);
    result.code = session.Init();
    if (result.code == 0) result.code = http::PrepareOutsideSession(session, access);
    if (result.code == 0) result.code = session.SetUserAgent(kUserAgent);
    if (result.code == 0) result.code = session.ReadFile(url, fileName);
    result.httpStatus = session.GetResponseCode();
    session.Destroy();
    if (!result.Succeeded()) platform::RemoveFile(fileName);
    return result;
}

} // namespace kvilo::online
