#include "core/online/download_to_file.h"

#include "http/curl_file.h"
#include "http/curl_http.h"
#include "platform/special_folders.h"

namespace kvilo::online {
namespace {

constexpr std::string_view kUserAgent = "Mozilla/1.22 (compatible; MSIE 10.0; Windows 3.1)";

// The download session: libcurl's progress drives the caller's bar.
class DownloadSession : public http::TCurlHttpClass {
public:
    DownloadSession(ProgressControl* progress, const OutsideAccess& access) : progress_(progress), access_(access) {}

    int OnProgress(double downloadTotal, double downloadNow, double, double) override {
        if (access_.abort != nullptr && access_.abort->load()) return 1;
        // An answer without a length is counted here; libcurl stops announced ones itself.
        if (downloadNow > static_cast<double>(access_.limits.maxBytes)) return 1;
        if (progress_ == nullptr) return 0;
        if (std::optional<int> value = ProgressValue(downloadTotal, downloadNow)) progress_->SetProgress(*value);
        return 0;
    }

private:
    ProgressControl* progress_;
    const OutsideAccess& access_;
};

} // namespace

std::optional<int> ProgressValue(double total, double received) {
    if (received <= 0) return std::nullopt;
    if (total > 0) return static_cast<int>(received * 100 / total);
    return static_cast<int>(received / 1000);
}

DownloadResult DownloadToFile(std::string_view url, std::string_view fileName, ProgressControl* progress,
                              const OutsideAccess& access) {
    DownloadResult result;
    // The file layer would cut a longer name and write somewhere else.
    if (fileName.size() > http::kMaxFileNameLength) {
        result.code = CURLE_WRITE_ERROR;
        return result;
    }
    DownloadSession session(progress, access);
    if (progress != nullptr) progress->SetProgress(0);
    result.code = session.Init();
    if (result.code == 0) result.code = PrepareOutsideSession(session, access);
    if (result.code == 0) result.code = session.SetUserAgent(kUserAgent);
    if (result.code == 0) result.code = session.ReadFile(url, fileName);
    result.httpStatus = session.GetResponseCode();
    session.Destroy();
    if (!result.Succeeded()) platform::RemoveFile(fileName);
    return result;
}

} // namespace kvilo::online
