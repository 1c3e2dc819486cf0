#include "download_test_support.h"

namespace kvilo::http::test {

DownloadResult RunDownload(TCurlHttpClass& session, const std::string& url, const std::string& target, uint32_t chunk,
                           uint16_t retries, bool resume) {
    DownloadResult result;
    result.target = target;
    result.code = session.DownloadFile(url, result.target, chunk, nullptr, &result.downloaded, &result.contentLength,
                                       retries, resume);
    return result;
}

std::vector<std::string> RangesAsked(testsupport::FakeServices& server, const std::string& path) {
    std::vector<std::string> ranges;
    for (const auto& request : server.Requests(path)) {
        if (request.method == "GET") ranges.push_back(request.Header("Range"));
    }
    return ranges;
}

} // namespace kvilo::http::test
