// TCurlClass over real sockets: what the server receives, what comes back, the debug trace, progress.
#include <gtest/gtest.h>

#include "http/curl_http.h"
#include "http/curl_session.h"
#include "http_test_support.h"
#include "resource_bytes.h"

namespace kvilo::http::test {
namespace {

using SessionTransfer = HttpTest;

TEST_F(SessionTransfer, BlankPostBodySendsAGet) {
    TCurlClass session;
    ASSERT_EQ(session.Init(), CURLE_OK);
    StringSink sink;
    EXPECT_EQ(session.Post("     ", Server().HttpUrl("/echo"), &sink), CURLE_OK);
    EXPECT_EQ(session.GetResponseCode(), 200);
    EXPECT_EQ(sink.Text(), "GET\n");
    const auto requests = Server().Requests("/echo");
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].method, "GET");
    EXPECT_FALSE(requests[0].HasHeader("Content-Length"));
}

TEST_F(SessionTransfer, PostBodyIsSentWithoutTrailingBlanks) {
    TCurlClass session;
    ASSERT_EQ(session.Init(), CURLE_OK);
    StringSink sink;
    EXPECT_EQ(session.Post("  <req>x y</req>   ", Server().HttpUrl("/echo"), &sink), CURLE_OK);
    const auto requests = Server().Requests("/echo");
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].method, "POST");
    EXPECT_EQ(requests[0].body, "  <req>x y</req>");
    EXPECT_EQ(requests[0].Header("Content-Length"), "16");
    EXPECT_EQ(sink.Text(), "  <req>x y</req>");
}

TEST_F(SessionTransfer, UserAgentAndHeadersReachTheServer) {
    TCurlClass session;
    ASSERT_EQ(session.Init(), CURLE_OK);
    ASSERT_TRUE(session.AddHeader("Content-Type: application/xml"));
    ASSERT_TRUE(session.AddHeader("Accept: application/json"));
    ASSERT_TRUE(session.AddHeader("Authorization: Token 0123456789"));
    ASSERT_EQ(session.ApplyHeaders(), CURLE_OK);
    ASSERT_EQ(session.SetOptLong(CURLOPT_CONNECTTIMEOUT, 20), CURLE_OK);
    ASSERT_EQ(session.SetUserAgent("Mozilla/1.22 (compatible; MSIE 10.0; Windows 3.1)   "), CURLE_OK);
    StringSink sink;
    ASSERT_EQ(session.Post("<req/>", Server().HttpUrl("/echo"), &sink), CURLE_OK);
    const auto requests = Server().Requests("/echo");
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].Header("User-Agent"), "Mozilla/1.22 (compatible; MSIE 10.0; Windows 3.1)");
    EXPECT_EQ(requests[0].Header("Content-Type"), "application/xml");
    EXPECT_EQ(requests[0].Header("Accept"), "application/json");
    EXPECT_EQ(requests[0].Header("Authorization"), "Token 0123456789");
}

TEST_F(SessionTransfer, DefaultUserAgentAndHeadersOnlyAfterApply) {
    TCurlClass session;
    ASSERT_EQ(session.Init(), CURLE_OK);
    ASSERT_TRUE(session.AddHeader("X-Not-Applied: 1"));
    StringSink sink;
    ASSERT_EQ(session.Send(Server().HttpUrl("/echo"), &sink), CURLE_OK);
    session.FreeHeaders();
    ASSERT_TRUE(session.AddHeader("X-Applied: 2"));
    ASSERT_EQ(session.ApplyHeaders(), CURLE_OK);
    ASSERT_EQ(session.Send(Server().HttpUrl("/echo"), &sink), CURLE_OK);
    session.FreeHeaders();
    ASSERT_EQ(session.Send(Server().HttpUrl("/echo"), &sink), CURLE_OK);
    const auto requests = Server().Requests("/echo");
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[0].Header("User-Agent"), "curl/8.1.2");
    EXPECT_FALSE(requests[0].HasHeader("X-Not-Applied"));
    EXPECT_EQ(requests[1].Header("X-Applied"), "2");
    EXPECT_FALSE(requests[2].HasHeader("X-Applied"));
}

TEST_F(SessionTransfer, ResetForgetsOptionsAndHeaders) {
    TCurlClass session;
    ASSERT_EQ(session.Init(), CURLE_OK);
    ASSERT_TRUE(session.AddHeader("X-Before-Reset: 1"));
    ASSERT_EQ(session.ApplyHeaders(), CURLE_OK);
    StringSink first;
    ASSERT_EQ(session.Post("body", Server().HttpUrl("/echo"), &first), CURLE_OK);
    session.Reset();
    StringSink second;
    ASSERT_EQ(session.Send(Server().HttpUrl("/echo"), &second), CURLE_OK);
    const auto requests = Server().Requests("/echo");
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[1].method, "GET");
    EXPECT_FALSE(requests[1].HasHeader("X-Before-Reset"));
    EXPECT_FALSE(requests[1].HasHeader("User-Agent"));
}

TEST_F(SessionTransfer, UnparsableUrlSendsNothing) {
    TCurlClass session;
    ASSERT_EQ(session.Init(), CURLE_OK);
    StringSink sink;
    EXPECT_EQ(session.Send("http://127.0.0.1:" + std::to_string(Server().HttpPort()) + "0000000/echo", &sink),
              CURLE_URL_MALFORMAT);
    EXPECT_EQ(LogLines("TCurlClass.SetUrl(").size(), 1u);
    EXPECT_TRUE(Server().Requests().empty());
    EXPECT_EQ(session.GetResponseCode(), 0);
}

TEST_F(SessionTransfer, UrlWithSpacesIsAcceptedAndSentAsItStands) {
    TCurlClass session;
    ASSERT_EQ(session.Init(), CURLE_OK);
    EXPECT_EQ(session.SetUrl(Server().HttpUrl("/echo?note=two words")), CURLE_OK);
    StringSink sink;
    ASSERT_EQ(session.Send(Server().HttpUrl("/echo?note=two words"), &sink), CURLE_OK);
    // libcurl keeps the space as it is; this server refuses such a request line, others accept it.
    EXPECT_EQ(LogLines("[libcurl] HEADER_OUT: GET /echo?note=two words HTTP/1.1").size(), 1u);
    EXPECT_EQ(session.GetResponseCode(), 400);
}

TEST_F(SessionTransfer, DownloadSessionFetchesUrlsWithoutSchemeOverHttp) {
    TCurlHttpClass session;
    ASSERT_EQ(session.Init(), CURLE_OK);
    StringSink sink;
    ASSERT_EQ(session.Send("127.0.0.1:" + std::to_string(Server().HttpPort()) + "/bytes/10", &sink), CURLE_OK);
    EXPECT_EQ(session.GetResponseCode(), 200);
    EXPECT_EQ(sink.Text(), fake::ResourceBytes(0, 10));
}

TEST_F(SessionTransfer, RefusedConnectionGives7AndResponseCode0) {
    TCurlClass session;
    ASSERT_EQ(session.Init(), CURLE_OK);
    StringSink sink;
    EXPECT_EQ(session.Send("http://127.0.0.1:" + std::to_string(RefusedPort()) + "/", &sink), CURLE_COULDNT_CONNECT);
    EXPECT_EQ(session.GetResponseCode(), 0);
    EXPECT_EQ(session.GetInfoOffT(CURLINFO_SIZE_DOWNLOAD_T), 0u);
}

TEST_F(SessionTransfer, InfoAfterATransfer) {
    TCurlClass session;
    ASSERT_EQ(session.Init(), CURLE_OK);
    StringSink sink;
    ASSERT_EQ(session.Send(Server().HttpUrl("/bytes/70000"), &sink), CURLE_OK);
    uint32_t high = 99;
    EXPECT_EQ(session.GetInfoOffT(CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &high), 70000u);
    EXPECT_EQ(high, 0u);
    EXPECT_EQ(session.GetInfoOffT(CURLINFO_SIZE_DOWNLOAD_T), 70000u);
    EXPECT_EQ(sink.Text(), fake::ResourceBytes(0, 70000));
    EXPECT_EQ(session.GetInfoLong(static_cast<CURLINFO>(CURLINFO_LONG + 999)), 0);
}

TEST_F(SessionTransfer, ErrorStatusIsNotATransferError) {
    TCurlClass session;
    ASSERT_EQ(session.Init(), CURLE_OK);
    StringSink sink;
    EXPECT_EQ(session.Send(Server().HttpUrl("/status/403"), &sink), CURLE_OK);
    EXPECT_EQ(session.GetResponseCode(), 403);
    EXPECT_EQ(sink.Text(), "status 403\n");
}

TEST_F(SessionTransfer, NullSinkInstalledAsWriteDataFailsWithWriteError) {
    TCurlClass session;
    ASSERT_EQ(session.Init(), CURLE_OK);
    ASSERT_EQ(session.SetWriteFunction(&WriteToSink, nullptr), CURLE_OK);
    ASSERT_EQ(session.SetUrl(Server().HttpUrl("/bytes/10")), CURLE_OK);
    EXPECT_EQ(session.Perform(), CURLE_WRITE_ERROR);
}

TEST_F(SessionTransfer, TraceCarriesEveryTypeByDefault) {
    TCurlClass session;
    ASSERT_EQ(session.Init(), CURLE_OK);
    StringSink sink;
    ASSERT_EQ(session.Post("abc", Server().HttpUrl("/echo"), &sink), CURLE_OK);
    EXPECT_FALSE(LogLines("[libcurl] TEXT: ").empty());
    EXPECT_FALSE(LogLines("[libcurl] HEADER_OUT: POST /echo HTTP/1.1").empty());
    EXPECT_FALSE(LogLines("[libcurl] HEADER_IN: HTTP/1.1 200 OK").empty());
    EXPECT_FALSE(LogLines("[libcurl] DATA_OUT: abc").empty());
    EXPECT_FALSE(LogLines("[libcurl] DATA_IN: abc").empty());
}

TEST_F(SessionTransfer, MaskOneLogsOnlyTextAndZeroNothing) {
    TCurlClass session;
    ASSERT_EQ(session.Init(), CURLE_OK);
    session.SetDebugInfoMask(1);
    StringSink sink;
    ASSERT_EQ(session.Send(Server().HttpUrl("/echo"), &sink), CURLE_OK);
    const auto lines = capture_.Lines();
    ASSERT_FALSE(lines.empty());
    for (const std::string& line : lines)
        EXPECT_EQ(line.rfind("[libcurl] TEXT: ", 0), 0u) << line;
    capture_.Clear();
    session.SetDebugInfoMask(0);
    ASSERT_EQ(session.Send(Server().HttpUrl("/echo"), &sink), CURLE_OK);
    EXPECT_TRUE(capture_.Lines().empty());
}

// Records what the notifications deliver.
class RecordingSession : public TCurlClass {
public:
    int OnProgress(double downloadTotal, double downloadNow, double, double) override {
        ++progressCalls;
        lastTotal = downloadTotal;
        lastNow = downloadNow;
        return abortAfter > 0 && downloadNow >= abortAfter ? 1 : 0;
    }
    void OnDebugData(curl_infotype type, std::string_view data) override {
        if (type == CURLINFO_HEADER_OUT) headersOut += data;
    }
    int progressCalls = 0;
    double lastTotal = 0;
    double lastNow = 0;
    double abortAfter = 0;
    std::string headersOut;
};

TEST_F(SessionTransfer, ProgressReachesOnProgressWithTotals) {
    RecordingSession session;
    ASSERT_EQ(session.Init(), CURLE_OK);
    StringSink sink;
    ASSERT_EQ(session.Send(Server().HttpUrl("/bytes/300000"), &sink), CURLE_OK);
    EXPECT_GT(session.progressCalls, 0);
    EXPECT_EQ(session.lastTotal, 300000.0);
    EXPECT_EQ(session.lastNow, 300000.0);
    EXPECT_NE(session.headersOut.find("GET /bytes/300000"), std::string::npos);
}

TEST_F(SessionTransfer, NonZeroProgressAbortsTheTransfer) {
    RecordingSession session;
    session.abortAfter = 1;
    ASSERT_EQ(session.Init(), CURLE_OK);
    StringSink sink;
    EXPECT_EQ(session.Send(Server().HttpUrl("/bytes/2000000"), &sink), CURLE_ABORTED_BY_CALLBACK);
    EXPECT_LT(sink.Text().size(), 2000000u);
}

int CountingProgress(void* data, double, double, double, double) {
    ++*static_cast<int*>(data);
    return 0;
}

TEST_F(SessionTransfer, GivenProgressFunctionKeepsItsOwnData) {
    RecordingSession session;
    ASSERT_EQ(session.Init(), CURLE_OK);
    int calls = 0;
    ASSERT_EQ(session.SetOptPtr(CURLOPT_PROGRESSDATA, &calls), CURLE_OK);
    StringSink sink;
    ASSERT_EQ(session.Send(Server().HttpUrl("/bytes/1000"), &sink, &CountingProgress), CURLE_OK);
    EXPECT_GT(calls, 0);
    EXPECT_EQ(session.progressCalls, 0);
}

using SessionHttps = HttpsTest;

TEST_F(SessionHttps, PostOverHttpsWithoutVerification) {
    TCurlClass session;
    ASSERT_EQ(session.Init(), CURLE_OK);
    ASSERT_EQ(session.SetSslVersion(0), CURLE_OK);
    ASSERT_EQ(session.SetVerifyHost(0), CURLE_OK);
    ASSERT_EQ(session.SetVerifyPeer(0), CURLE_OK);
    StringSink sink;
    ASSERT_EQ(session.Post("secret", Server().HttpsUrl("/echo"), &sink), CURLE_OK);
    EXPECT_EQ(session.GetResponseCode(), 200);
    EXPECT_EQ(sink.Text(), "secret");
    EXPECT_FALSE(LogLines("[libcurl] SSL_DATA_OUT: ").empty());
}

TEST_F(SessionHttps, VerifyHostOneChecksTheNameAndOtherValuesDoNot) {
    // The certificate names 127.0.0.1; the same server reached under another name fails only the name check.
    const std::string url = "https://wrong.name.test:" + std::to_string(Server().HttpsPort()) + "/echo";
    const std::string resolve = "wrong.name.test:" + std::to_string(Server().HttpsPort()) + ":127.0.0.1";
    curl_slist* resolveList = curl_slist_append(nullptr, resolve.c_str());
    auto attempt = [&](long verifyHost) {
        TCurlClass session;
        EXPECT_EQ(session.Init(), CURLE_OK);
        session.SetOptPtr(CURLOPT_RESOLVE, resolveList);
        session.SetOptString(CURLOPT_CAINFO, Server().CertificateFile());
        session.SetVerifyPeer(1);
        session.SetVerifyHost(verifyHost);
        StringSink sink;
        return session.Send(url, &sink);
    };
    EXPECT_EQ(attempt(1), CURLE_PEER_FAILED_VERIFICATION);
    EXPECT_EQ(attempt(0), CURLE_OK);
    EXPECT_EQ(attempt(2), CURLE_OK); // only 1 turns the check on
    curl_slist_free_all(resolveList);
}

} // namespace
} // namespace kvilo::http::test
