// The test server itself: readiness, the control routes, the request log, ranges as a real server
// answers them.
#include <gtest/gtest.h>

#include "fake_services.h"
#include "http/curl_session.h"
#include "http_test_support.h"
#include "resource_bytes.h"

namespace kvilo::http::test {
namespace {

using FakeServer = HttpTest;

TEST(FakeServicesProcess, StartsOnFreePortsAndStops) {
    testsupport::FakeServices first;
    testsupport::FakeServices second;
    ASSERT_TRUE(first.Start()) << first.Error();
    ASSERT_TRUE(second.Start()) << second.Error();
    EXPECT_NE(first.HttpPort(), second.HttpPort());
    EXPECT_EQ(first.HttpsPort(), 0);
    const int port = first.HttpPort();
    first.Stop();
    TCurlClass session;
    ASSERT_EQ(session.Init(), CURLE_OK);
    StringSink sink;
    EXPECT_EQ(session.Send("http://127.0.0.1:" + std::to_string(port) + "/", &sink), CURLE_COULDNT_CONNECT);
    EXPECT_EQ(session.Send(second.HttpUrl("/"), &sink), CURLE_OK);
}

TEST(FakeServicesLog, ParsesBodiesWithLineBreaks) {
    const auto requests =
        testsupport::ParseRequestLog("REQUEST POST /echo?a=1\nHEADER Content-Type: text/plain\nBODY 7\nab\nEND\n\nEND\n"
                                     "REQUEST GET /x\nBODY 0\n\nEND\n");
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].target, "/echo?a=1");
    EXPECT_EQ(requests[0].Header("content-type"), "text/plain");
    EXPECT_EQ(requests[0].body, "ab\nEND\n");
    EXPECT_EQ(requests[1].method, "GET");
}

TEST_F(FakeServer, RangesAsARealServerAnswersThem) {
    TCurlClass session;
    ASSERT_EQ(session.Init(), CURLE_OK);
    auto fetch = [&](const char* range) {
        StringSink sink;
        session.SetOptString(CURLOPT_RANGE, range);
        EXPECT_EQ(session.Send(Server().HttpUrl("/bytes/1000"), &sink), CURLE_OK);
        return sink.Text();
    };
    EXPECT_EQ(fetch("100-199"), fake::ResourceBytes(100, 100));
    EXPECT_EQ(session.GetResponseCode(), 206);
    EXPECT_EQ(fetch("990-"), fake::ResourceBytes(990, 10));
    EXPECT_EQ(fetch("900-5000"), fake::ResourceBytes(900, 100));
    EXPECT_EQ(fetch("1000-"), "");
    EXPECT_EQ(session.GetResponseCode(), 416);
}

TEST_F(FakeServer, ResetClearsFaultsAndLog) {
    ASSERT_TRUE(Server().AddFault({.mode = "fail", .status = 503, .count = -1}));
    TCurlClass session;
    ASSERT_EQ(session.Init(), CURLE_OK);
    StringSink sink;
    ASSERT_EQ(session.Send(Server().HttpUrl("/bytes/5"), &sink), CURLE_OK);
    EXPECT_EQ(session.GetResponseCode(), 503);
    EXPECT_EQ(Server().Requests().size(), 1u);
    ASSERT_TRUE(Server().Reset());
    EXPECT_TRUE(Server().Requests().empty());
    ASSERT_EQ(session.Send(Server().HttpUrl("/bytes/5"), &sink), CURLE_OK);
    EXPECT_EQ(session.GetResponseCode(), 200);
}

TEST_F(FakeServer, UnknownFaultModeIsRejected) {
    EXPECT_FALSE(Server().AddFault({.mode = "explode"}));
}

} // namespace
} // namespace kvilo::http::test
