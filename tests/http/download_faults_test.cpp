// DownloadFile when the server misbehaves: time-outs and 400 / 404 retried per range, fatal statuses,
// refused connections, malformed answers.
#include <gtest/gtest.h>

#include <filesystem>

#include "download_test_support.h"
#include "resource_bytes.h"

namespace kvilo::http::test {

namespace {

// A held answer never comes before the test releases it, so the client's time-out ends every held request;
// the answers that are not held have all of it, plenty for a loopback answer on a loaded machine.
constexpr long kTimeoutMs = 700;

class DownloadFaults : public DownloadTest {
protected:
    void SetUp() override {
        DownloadTest::SetUp();
        if (HasFatalFailure()) return;
        session_.SetOptLong(CURLOPT_TIMEOUT_MS, kTimeoutMs);
        session_.SetPendingEventsHook([this] { ++pendingEventCalls_; });
    }
    void TearDown() override {
        EXPECT_TRUE(Server().ReleaseHeld());
        DownloadTest::TearDown();
    }
    int pendingEventCalls_ = 0;
};

TEST_F(DownloadFaults, RetriesOneEndsAtTheFirstTimeOut) {
    ASSERT_TRUE(Server().AddFault({.mode = "hold", .path = "/bytes/2000", .method = "GET", .count = -1}));
    const DownloadResult result =
        RunDownload(session_, Server().HttpUrl("/bytes/2000"), Folder() + "held.bin", 1000, 1, false);
    EXPECT_EQ(result.code, CURLE_OPERATION_TIMEDOUT);
    EXPECT_EQ(RangesAsked(Server(), "/bytes/2000"), std::vector<std::string>{"bytes=0-999"});
    EXPECT_TRUE(LogLines("try again").empty());
    EXPECT_EQ(pendingEventCalls_, 0);
}

TEST_F(DownloadFaults, RetriesThreeRepeatsAtMostTwicePerRange) {
    // Every range is held twice, then answered: three attempts per range, and the count starts anew for
    // the second range.
    ASSERT_TRUE(
        Server().AddFault({.mode = "hold", .path = "/bytes/2000", .method = "GET", .count = 2, .perRange = true}));
    const std::string file = Folder() + "retried.bin";
    const DownloadResult result = RunDownload(session_, Server().HttpUrl("/bytes/2000"), file, 1000, 3, false);
    EXPECT_EQ(result.code, CURLE_OK);
    EXPECT_EQ(RangesAsked(Server(), "/bytes/2000"),
              (std::vector<std::string>{"bytes=0-999", "bytes=0-999", "bytes=0-999", "bytes=1000-", "bytes=1000-",
                                        "bytes=1000-"}));
    EXPECT_EQ(LogLines("[libcurl] TCurlHttpClass.DownloadFile: Timeout was reached, try again...").size(), 4u);
    EXPECT_EQ(pendingEventCalls_, 4);
    EXPECT_EQ(ReadWholeFile(file), fake::ResourceBytes(0, 2000));
}

TEST_F(DownloadFaults, RetriesTwoGiveUpWhenARangeTimesOutTwice) {
    ASSERT_TRUE(
        Server().AddFault({.mode = "hold", .path = "/bytes/2000", .method = "GET", .count = 2, .perRange = true}));
    const DownloadResult result =
        RunDownload(session_, Server().HttpUrl("/bytes/2000"), Folder() + "x.bin", 1000, 2, false);
    EXPECT_EQ(result.code, CURLE_OPERATION_TIMEDOUT);
    EXPECT_EQ(RangesAsked(Server(), "/bytes/2000").size(), 2u);
    EXPECT_EQ(pendingEventCalls_, 1);
}

TEST_F(DownloadFaults, NotFoundTwiceThenSuccess) {
    ASSERT_TRUE(Server().AddFault({.mode = "fail", .path = "/bytes/1500", .method = "GET", .status = 404, .count = 2}));
    const std::string file = Folder() + "found.bin";
    const DownloadResult result = RunDownload(session_, Server().HttpUrl("/bytes/1500"), file, 0, 3, false);
    EXPECT_EQ(result.code, CURLE_OK);
    EXPECT_EQ(LogLines("[libcurl] TCurlHttpClass.DownloadFile: HTTP error 404, try again...").size(), 2u);
    EXPECT_EQ(RangesAsked(Server(), "/bytes/1500").size(), 3u);
    EXPECT_EQ(pendingEventCalls_, 2);
    EXPECT_EQ(ReadWholeFile(file), fake::ResourceBytes(0, 1500));
}

TEST_F(DownloadFaults, BadRequestCountsPerRange) {
    // Each of three ranges fails once with 400; retries 2 allow one repeat per range.
    ASSERT_TRUE(Server().AddFault(
        {.mode = "fail", .path = "/bytes/3000", .method = "GET", .status = 400, .count = 1, .perRange = true}));
    const std::string file = Folder() + "ranges.bin";
    EXPECT_EQ(RunDownload(session_, Server().HttpUrl("/bytes/3000"), file, 1000, 2, false).code, CURLE_OK);
    EXPECT_EQ(RangesAsked(Server(), "/bytes/3000").size(), 6u);
    EXPECT_EQ(LogLines("HTTP error 400, try again...").size(), 3u);
    EXPECT_EQ(ReadWholeFile(file), fake::ResourceBytes(0, 3000));
}

TEST_F(DownloadFaults, BadRequestBeyondTheRetriesFails) {
    ASSERT_TRUE(
        Server().AddFault({.mode = "fail", .path = "/bytes/1500", .method = "GET", .status = 400, .count = -1}));
    const DownloadResult result =
        RunDownload(session_, Server().HttpUrl("/bytes/1500"), Folder() + "bad.bin", 0, 2, false);
    EXPECT_EQ(result.code, CURLE_HTTP_RETURNED_ERROR);
    EXPECT_EQ(RangesAsked(Server(), "/bytes/1500").size(), 2u);
    EXPECT_EQ(LogLines("HTTP error 400, try again...").size(), 1u);
}

TEST_F(DownloadFaults, ServerErrorIsFatal) {
    ASSERT_TRUE(
        Server().AddFault({.mode = "fail", .path = "/bytes/1500", .method = "GET", .status = 500, .count = -1}));
    const DownloadResult result =
        RunDownload(session_, Server().HttpUrl("/bytes/1500"), Folder() + "fatal.bin", 0, 5, false);
    EXPECT_EQ(result.code, CURLE_HTTP_RETURNED_ERROR);
    EXPECT_EQ(RangesAsked(Server(), "/bytes/1500").size(), 1u);
    EXPECT_EQ(LogLines("[libcurl] TCurlHttpClass.DownloadFile: HTTP fatal error 500, abort downloading").size(), 1u);
    EXPECT_FALSE(FileExists(Folder() + "fatal.bin"));
}

TEST_F(DownloadFaults, FailedProbeEndsTheDownload) {
    ASSERT_TRUE(Server().AddFault({.mode = "fail", .path = "/bytes/1500", .method = "HEAD", .status = 404}));
    EXPECT_EQ(RunDownload(session_, Server().HttpUrl("/bytes/1500"), Folder(), 0, 3, false).code,
              CURLE_HTTP_RETURNED_ERROR);
    EXPECT_TRUE(RangesAsked(Server(), "/bytes/1500").empty());
}

TEST_F(DownloadFaults, RefusedConnection) {
    const std::string url = "http://127.0.0.1:" + std::to_string(RefusedPort()) + "/a.bin";
    EXPECT_EQ(RunDownload(session_, url, Folder(), 0, 3, false).code, CURLE_COULDNT_CONNECT);
}

TEST_F(DownloadFaults, CannotCreateTheTargetGives23AndOneLine) {
    const std::string file = Folder() + "missing/target.bin";
    EXPECT_EQ(RunDownload(session_, Server().HttpUrl("/bytes/100000"), file, 0, 3, false).code, CURLE_WRITE_ERROR);
    EXPECT_EQ(LogLines("CreateFile(").size(), 1u);
    EXPECT_EQ(LogLines("[libcurl] CreateFile(" + file + ") error").size(), 1u);
}

// Malformed answers: whatever libcurl makes of them, the client returns a code and nothing crashes.
TEST_F(DownloadFaults, MalformedAnswersNeverCrash) {
    for (const char* path :
         {"/garbage", "/bad-header", "/bad-length", "/cut-headers", "/huge-header", "/binary-header", "/missing"}) {
        SCOPED_TRACE(path);
        const std::string url = Server().RawUrl(path);
        TCurlHttpClass session;
        ASSERT_EQ(session.Init(), CURLE_OK);
        StringSink sink;
        const int sent = session.Send(url, &sink);
        TCurlHttpClass reader;
        ASSERT_EQ(reader.Init(), CURLE_OK);
        const int read = reader.ReadFile(url, Folder() + "read.bin");
        TCurlHttpClass downloader;
        ASSERT_EQ(downloader.Init(), CURLE_OK);
        downloader.DownloadFile({.url = url, .target = Folder(), .retries = 2});
        if (std::string_view(path) == "/garbage" || std::string_view(path) == "/huge-header") {
            EXPECT_NE(sent, CURLE_OK);
            EXPECT_NE(read, CURLE_OK);
        }
    }
}

int OpenDescriptors() {
    int count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd"))
        ++count;
    return count;
}

TEST_F(DownloadFaults, NoDescriptorOutlivesTheSessionOnAnyPath) {
    ASSERT_TRUE(Server().AddFault({.mode = "drop", .path = "/bytes/90000", .method = "GET", .count = 1, .after = 10}));
    const int before = OpenDescriptors();
    {
        TCurlHttpClass session;
        ASSERT_EQ(session.Init(), CURLE_OK);
        session.SetOptLong(CURLOPT_TIMEOUT_MS, kTimeoutMs);
        EXPECT_EQ(session.DownloadFile({.url = Server().HttpUrl("/bytes/1000"), .target = Folder() + "missing/x.bin"}),
                  CURLE_WRITE_ERROR);
        EXPECT_EQ(session.DownloadFile({.url = Server().HttpUrl("/bytes/90000"), .target = Folder() + "cut.bin"}),
                  CURLE_PARTIAL_FILE);
        EXPECT_EQ(session.ReadFile(Server().RawUrl("/garbage"), Folder() + "g.bin"), CURLE_UNSUPPORTED_PROTOCOL);
        EXPECT_EQ(session.ReadFile(Server().HttpUrl("/bytes/5000"), Folder() + "ok.bin"), CURLE_OK);
        session.Cleanup();
        session.Destroy();
    }
    EXPECT_EQ(OpenDescriptors(), before);
}

} // namespace
} // namespace kvilo::http::test
