#pragma once
// Shared by the DownloadFile tests: a ready session against the fake services, one call's outcome and
// the ranges the server was asked for.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "http/curl_http.h"
#include "http_test_support.h"

namespace kvilo::http::test {

struct DownloadResult {
    int code = -1;
    uint32_t downloaded = 0;
    uint32_t contentLength = 0;
    std::string target;
};

DownloadResult RunDownload(TCurlHttpClass& session, const std::string& url, const std::string& target, uint32_t chunk,
                           uint16_t retries, bool resume);

// The Range headers of the GET requests the server received for `path`, in order.
std::vector<std::string> RangesAsked(testsupport::FakeServices& server, const std::string& path);

class DownloadTest : public HttpTest {
protected:
    void SetUp() override {
        HttpTest::SetUp();
        ASSERT_EQ(session_.Init(), CURLE_OK);
        session_.SetDebugInfoMask(0); // bodies of megabytes need not pass through the trace
    }
    TCurlHttpClass session_;
};

} // namespace kvilo::http::test
