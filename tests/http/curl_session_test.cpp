// TCurlClass without a transfer: lifecycle, error texts, the static error table, the debug mask.
#include <gtest/gtest.h>

#include "http/curl_errors.h"
#include "http/curl_session.h"
#include "platform/debug_output.h"

namespace kvilo::http {
namespace {

TEST(CurlSessionLifecycle, CleanupBeforeInitAndTwiceIsHarmless) {
    TCurlClass session;
    session.Cleanup();
    EXPECT_EQ(session.Handle(), nullptr);
    ASSERT_EQ(session.Init(), CURLE_OK);
    EXPECT_NE(session.Handle(), nullptr);
    session.Cleanup();
    session.Cleanup();
    EXPECT_EQ(session.Handle(), nullptr);
    // Init again after Cleanup gives a working session.
    EXPECT_EQ(session.Init(), CURLE_OK);
    EXPECT_NE(session.Handle(), nullptr);
}

TEST(CurlSessionLifecycle, DestroyReleasesEverythingAndLaterCallsFailCleanly) {
    TCurlClass session;
    ASSERT_EQ(session.Init(), CURLE_OK);
    EXPECT_TRUE(session.AddHeader("X-One: 1"));
    session.Destroy();
    EXPECT_EQ(session.Handle(), nullptr);
    session.Destroy();
    session.Cleanup();
    EXPECT_FALSE(session.AddHeader("X-Two: 2"));
    EXPECT_EQ(session.SetUrl("http://127.0.0.1/"), CURLE_FAILED_INIT);
    EXPECT_EQ(session.Perform(), CURLE_FAILED_INIT);
    EXPECT_EQ(session.GetResponseCode(), 0);
}

TEST(CurlSessionLifecycle, DebugMaskStartsWithAllSevenTypes) {
    TCurlClass session;
    EXPECT_EQ(session.DebugInfoMask(), 255);
}

TEST(CurlSessionLifecycle, InitTwiceReplacesTheHandle) {
    TCurlClass session;
    ASSERT_EQ(session.Init(), CURLE_OK);
    ASSERT_EQ(session.Init(), CURLE_OK); // the sanitizer build would report the first handle leaking
    EXPECT_NE(session.Handle(), nullptr);
}

TEST(CurlSessionErrors, UnknownCodeGivesLibcurlText) {
    TCurlClass session;
    ASSERT_EQ(session.Init(), CURLE_OK);
    EXPECT_EQ(session.GetErrorText(28), curl_easy_strerror(CURLE_OPERATION_TIMEDOUT));
    EXPECT_EQ(session.GetErrorText(28), "Timeout was reached");
}

TEST(CurlSessionErrors, OwnEntryWinsOverLibcurl) {
    TCurlClass session;
    ASSERT_EQ(session.Init(), CURLE_OK);
    session.AddError(7, "no server");
    session.AddError(7, "second entry of the same code");
    EXPECT_EQ(session.GetErrorText(7), "no server");
    EXPECT_EQ(session.GetErrorText(6), curl_easy_strerror(CURLE_COULDNT_RESOLVE_HOST));
}

TEST(CurlSessionErrors, LoadErrorsReadsTheStaticTableInOrder) {
    // Two entries: code 28 "late", code 0x0107 "ab"; 2 unused bytes after each code.
    const uint8_t table[] = {2, 0, 28, 0, 0xEE, 0xEE, 4, 'l', 'a', 't', 'e', 0x07, 0x01, 0, 0, 2, 'a', 'b'};
    TCurlClass session;
    ASSERT_EQ(session.Init(), CURLE_OK);
    session.LoadErrors(table);
    EXPECT_EQ(session.GetErrorText(28), "late");
    EXPECT_EQ(session.GetErrorText(0x107), "ab");
}

TEST(CurlSessionErrors, TableCutShortKeepsTheWholeEntries) {
    const uint8_t table[] = {3, 0, 5, 0, 0, 0, 1, 'x', 6, 0, 0, 0, 9, 'y'};
    std::vector<ErrorEntry> entries;
    EXPECT_FALSE(ReadErrorTable(table, entries));
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].ID, 5);
    EXPECT_EQ(entries[0].MESSAGE, "x");
}

TEST(CurlSessionErrors, BuiltInTableIsEmpty) {
    std::vector<ErrorEntry> entries;
    EXPECT_TRUE(ReadErrorTable(BuiltInErrorTable(), entries));
    EXPECT_TRUE(entries.empty());
}

TEST(CurlSessionUrl, UnparsableUrlGives3AndOneLogLine) {
    platform::ScopedDebugCapture capture;
    TCurlClass session;
    ASSERT_EQ(session.Init(), CURLE_OK);
    EXPECT_EQ(session.SetUrl("http://127.0.0.1:99999/x   "), CURLE_URL_MALFORMAT);
    const auto lines = capture.Lines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], std::string("[libcurl] TCurlClass.SetUrl(http://127.0.0.1:99999/x) error: ") +
                            curl_url_strerror(CURLUE_BAD_PORT_NUMBER));
}

TEST(CurlSessionUrl, EmptyUrlIsUnparsable) {
    TCurlClass session;
    ASSERT_EQ(session.Init(), CURLE_OK);
    EXPECT_EQ(session.SetUrl("    "), CURLE_URL_MALFORMAT);
}

TEST(CurlSessionDebug, TitlesOfEveryInfoType) {
    EXPECT_EQ(DebugTitle(CURLINFO_TEXT), "TEXT");
    EXPECT_EQ(DebugTitle(CURLINFO_HEADER_IN), "HEADER_IN");
    EXPECT_EQ(DebugTitle(CURLINFO_HEADER_OUT), "HEADER_OUT");
    EXPECT_EQ(DebugTitle(CURLINFO_DATA_IN), "DATA_IN");
    EXPECT_EQ(DebugTitle(CURLINFO_DATA_OUT), "DATA_OUT");
    EXPECT_EQ(DebugTitle(CURLINFO_SSL_DATA_IN), "SSL_DATA_IN");
    EXPECT_EQ(DebugTitle(CURLINFO_SSL_DATA_OUT), "SSL_DATA_OUT");
    EXPECT_EQ(DebugTitle(static_cast<curl_infotype>(7)), "Unknown info type");
}

TEST(CurlSessionDebug, OnDebugLogsTrimmedTitleAndDataWhenTheBitIsSet) {
    platform::ScopedDebugCapture capture;
    TCurlClass session;
    session.SetDebugInfoMask(1 << CURLINFO_HEADER_IN);
    session.OnDebug(CURLINFO_HEADER_IN, "Server: x   ", "HEADER_IN   ");
    session.OnDebug(CURLINFO_TEXT, "not logged", "TEXT");
    EXPECT_EQ(capture.Lines(), std::vector<std::string>{"[libcurl] HEADER_IN: Server: x"});
}

TEST(CurlSessionDebug, CallbackWithoutSessionDoesNothing) {
    platform::ScopedDebugCapture capture;
    char text[] = "hello";
    EXPECT_EQ(DebugToSession(nullptr, CURLINFO_TEXT, text, 5, nullptr), 0);
    EXPECT_TRUE(capture.Lines().empty());
    EXPECT_EQ(ProgressToSession(nullptr, 1, 2, 3, 4), 0);
}

TEST(CurlSessionSinks, WriteToSinkWithoutSinkFails) {
    char data[] = "abc";
    EXPECT_EQ(WriteToSink(data, 1, 3, nullptr), SIZE_MAX);
    StringSink sink;
    EXPECT_EQ(WriteToSink(data, 1, 3, &sink), 3u);
    EXPECT_EQ(sink.Text(), "abc");
}

TEST(CurlSessionSinks, HeaderToSessionWithoutSessionPassesTheLine) {
    char line[] = "Accept-Ranges: bytes\r\n";
    EXPECT_EQ(HeaderToSession(line, 1, sizeof line - 1, nullptr), sizeof line - 1);
}

} // namespace
} // namespace kvilo::http
