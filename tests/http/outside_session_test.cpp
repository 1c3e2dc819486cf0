// PrepareOutsideSession over real sockets: the server verified against the system's store plus the extra
// anchors, the size limit counted as the answer arrives, the abort flag, the protocols; and the trace that
// never shows a secret.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "http/outside_session.h"
#include "http/trace_secrets.h"
#include "http_test_support.h"

namespace kvilo::http::test {
namespace {

using OutsideSession = HttpsTest;

int Fetch(TCurlClass& session, const OutsideAccess& access, const std::string& url, StringSink& sink) {
    EXPECT_EQ(session.Init(), CURLE_OK);
    if (int code = PrepareOutsideSession(session, access); code != CURLE_OK) return code;
    return session.Send(url, &sink);
}

// The extra anchors join the store libcurl loads from the system; they do not replace it.
TEST_F(OutsideSession, TheAnchorsAreAddedToTheSystemsStore) {
    TCurlClass session;
    StringSink sink;
    EXPECT_EQ(Fetch(session, {.trustAnchorsFile = Server().CertificateFile()}, Server().HttpsUrl("/echo"), sink),
              CURLE_OK);
    EXPECT_EQ(sink.Text(), "GET\n");
    EXPECT_FALSE(LogLines("CAfile: /etc/ssl/certs/ca-certificates.crt").empty());
    TCurlClass plain;
    EXPECT_EQ(Fetch(plain, {}, Server().HttpsUrl("/echo"), sink), CURLE_PEER_FAILED_VERIFICATION);
    TCurlClass other;
    EXPECT_EQ(Fetch(other, {.trustAnchorsFile = Server().CertificateFile()}, Server().OtherHostHttpsUrl("/echo"), sink),
              CURLE_PEER_FAILED_VERIFICATION);
}

TEST_F(OutsideSession, AnAnchorsFileThatCannotServeSendsNothing) {
    WriteWholeFile(Folder() + "empty.pem", "no certificate here\n");
    for (const std::string& file : {Folder() + "missing.pem", Folder() + "empty.pem", Folder()}) {
        TCurlClass session;
        StringSink sink;
        EXPECT_EQ(Fetch(session, {.trustAnchorsFile = file}, Server().HttpsUrl("/echo"), sink),
                  CURLE_SSL_CACERT_BADFILE)
            << file;
    }
    EXPECT_TRUE(Server().Requests().empty());
}

// A chunked answer announces no length: the count stops it at the limit, before anything more is kept.
TEST_F(OutsideSession, TheSizeLimitEndsAnAnswerEarlyWithOrWithoutALength) {
    constexpr uint64_t kLimit = 64 * 1024;
    for (bool chunked : {true, false}) {
        ASSERT_TRUE(Server().Reset());
        ASSERT_TRUE(Server().AddFault({.mode = "flood", .path = "/echo", .bytes = 17u << 20, .chunked = chunked}));
        TCurlClass session;
        StringSink sink;
        OutsideAccess access{.trustAnchorsFile = Server().CertificateFile()};
        access.limits.maxBytes = kLimit;
        const int code = Fetch(session, access, Server().HttpsUrl("/echo"), sink);
        EXPECT_EQ(code, CURLE_FILESIZE_EXCEEDED);
        EXPECT_EQ(session.LimitReached(code), TransferLimit::Size);
        EXPECT_LE(sink.Text().size(), kLimit);
    }
}

TEST_F(OutsideSession, TheAbortFlagEndsAHeldTransfer) {
    ASSERT_TRUE(Server().AddFault({.mode = "hold", .path = "/echo"}));
    std::atomic<bool> abort{false};
    TCurlClass session;
    StringSink sink;
    std::thread closer([&] {
        for (int waited = 0; Server().Requests("/echo").empty() && waited < 3000; ++waited)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        abort = true;
    });
    EXPECT_EQ(Fetch(session, {.trustAnchorsFile = Server().CertificateFile(), .abort = &abort},
                    Server().HttpsUrl("/echo"), sink),
              CURLE_ABORTED_BY_CALLBACK);
    closer.join();
    EXPECT_EQ(session.LimitReached(CURLE_ABORTED_BY_CALLBACK), TransferLimit::None);
}

TEST_F(OutsideSession, OnlyHttpAndHttps) {
    TCurlClass session;
    StringSink sink;
    EXPECT_EQ(Fetch(session, {}, "file:///etc/hostname", sink), CURLE_UNSUPPORTED_PROTOCOL);
    EXPECT_TRUE(sink.Text().empty());
}

TEST(TraceSecrets, WholeSecretsAndPiecesAtABlocksEdges) {
    const std::vector<std::string> secrets = {"5b0e8c2f71d94a36"};
    EXPECT_EQ(MaskSecrets("Authorization: Token 5B0E8C2F71D94A36\r\nX: 5b0e8c2f71d94a365b0e8c2f71d94a36", secrets),
              "Authorization: Token ****\r\nX: ********");
    EXPECT_EQ(MaskSecrets("token '5b0e8c2f", secrets), "token '****");
    EXPECT_EQ(MaskSecrets("f71d94a36' rest", secrets), "****' rest");
    EXPECT_EQ(MaskSecrets("short 5b0e8 and 94a36", secrets), "short 5b0e8 and 94a36");
    EXPECT_EQ(MaskSecrets("nothing to hide", {}), "nothing to hide");
}

} // namespace
} // namespace kvilo::http::test
