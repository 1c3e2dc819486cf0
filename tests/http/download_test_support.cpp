#include "download_test_support.h"

namespace kvilo::http::test {

DownloadResult RunDownload(TCurlHttpClass& session, const std::string& url, const std::string& target, uint32_t chunk,
                           uint16_t retries, bool resume) {
    DownloadOutcome outcome;
    DownloadResult result;
    result.code = session.DownloadFile(
        {.url = url, .target = target, .chunk = chunk, .retries = retries, .resume = resume}, outcome);
    result.target = outcome.target;
    result.downloaded = outcome.downloaded;
    result.contentLength = outcome.contentLength;
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
