// DownloadFile over real sockets: ranges, resume, target names, the fallback to ReadFile.
#include <gtest/gtest.h>

#include "download_test_support.h"
#include "http/outside_session.h"
#include "resource_bytes.h"

namespace kvilo::http::test {

namespace {

using Download = DownloadTest;

TEST_F(Download, InterruptedFiveMegabytesResumeByteIdentical) {
    constexpr uint32_t kSize = 5 * 1024 * 1024;
    constexpr uint32_t kChunk = 64 * 1024;
    const std::string path = "/bytes/" + std::to_string(kSize);
    // The 41st range request loses its connection after 1000 bytes.
    ASSERT_TRUE(
        Server().AddFault({.mode = "drop", .path = path, .method = "GET", .count = 1, .skip = 40, .after = 1000}));
    const std::string file = Folder() + "big.bin";

    const DownloadResult first = RunDownload(session_, Server().HttpUrl(path), file, kChunk, 3, false);
    EXPECT_EQ(first.code, CURLE_PARTIAL_FILE);
    EXPECT_EQ(first.contentLength, kSize);
    EXPECT_EQ(first.downloaded, 40 * kChunk);
    const uint32_t partial = 40 * kChunk + 1000;
    EXPECT_EQ(ReadWholeFile(file).size(), partial);
    EXPECT_EQ(LogLines("TCurlHttpClass.DownloadFile: HTTP unexpected error 206, abort downloading").size(), 1u);

    ASSERT_TRUE(Server().Reset());
    const DownloadResult second = RunDownload(session_, Server().HttpUrl(path), file, kChunk, 3, true);
    EXPECT_EQ(second.code, CURLE_OK);
    EXPECT_EQ(second.downloaded, kSize - partial);
    const auto ranges = RangesAsked(Server(), path);
    ASSERT_FALSE(ranges.empty());
    // The session still holds the last range of the first call; the probe must not carry it.
    const auto requests = Server().Requests(path);
    ASSERT_EQ(requests.front().method, "HEAD");
    EXPECT_FALSE(requests.front().HasHeader("Range"));
    EXPECT_EQ(ranges.front(), "bytes=" + std::to_string(partial) + "-" + std::to_string(partial + kChunk - 1));
    EXPECT_EQ(ranges.back(), "bytes=" + std::to_string(partial + (ranges.size() - 1) * kChunk) + "-");
    EXPECT_TRUE(ReadWholeFile(file) == fake::ResourceBytes(0, kSize)) << "the resumed file differs from the source";
}

TEST_F(Download, ResumeOnACompleteFileAsksFromItsEndAndSucceedsOn416) {
    const std::string file = Folder() + "done.bin";
    WriteWholeFile(file, fake::ResourceBytes(0, 2500));
    const DownloadResult result = RunDownload(session_, Server().HttpUrl("/bytes/2500"), file, 0, 1, true);
    EXPECT_EQ(result.code, CURLE_OK);
    EXPECT_EQ(result.downloaded, 0u);
    EXPECT_EQ(RangesAsked(Server(), "/bytes/2500"), std::vector<std::string>{"bytes=2500-"});
    EXPECT_EQ(ReadWholeFile(file), fake::ResourceBytes(0, 2500));
}

TEST_F(Download, Chunk1000Over2500Bytes) {
    const std::string file = Folder() + "chunks.bin";
    const DownloadResult result = RunDownload(session_, Server().HttpUrl("/bytes/2500"), file, 1000, 1, false);
    EXPECT_EQ(result.code, CURLE_OK);
    EXPECT_EQ(result.downloaded, 2500u);
    EXPECT_EQ(result.contentLength, 2500u);
    EXPECT_EQ(RangesAsked(Server(), "/bytes/2500"),
              (std::vector<std::string>{"bytes=0-999", "bytes=1000-1999", "bytes=2000-"}));
    EXPECT_EQ(ReadWholeFile(file), fake::ResourceBytes(0, 2500));
    EXPECT_EQ(Server().Requests("/bytes/2500").front().method, "HEAD");
}

TEST_F(Download, ChunkZeroIsOneOpenRange) {
    const std::string file = Folder() + "whole.bin";
    EXPECT_EQ(RunDownload(session_, Server().HttpUrl("/bytes/3000"), file, 0, 1, false).code, CURLE_OK);
    EXPECT_EQ(RangesAsked(Server(), "/bytes/3000"), std::vector<std::string>{"bytes=0-"});
    EXPECT_EQ(ReadWholeFile(file), fake::ResourceBytes(0, 3000));
}

TEST_F(Download, ReplacingDownloadTruncatesAnOlderLongerFile) {
    const std::string file = Folder() + "shorter.bin";
    WriteWholeFile(file, std::string(9000, 'x'));
    EXPECT_EQ(RunDownload(session_, Server().HttpUrl("/bytes/3000"), file, 1000, 1, false).code, CURLE_OK);
    EXPECT_EQ(ReadWholeFile(file), fake::ResourceBytes(0, 3000));
}

TEST_F(Download, FolderTargetTakesTheQuotedProposedName) {
    const DownloadResult result = RunDownload(
        session_, Server().HttpUrl("/disposition/3000?name=report%201.bin&quoted=1"), Folder(), 0, 1, false);
    EXPECT_EQ(result.code, CURLE_OK);
    EXPECT_EQ(result.target, Folder() + "report 1.bin");
    EXPECT_EQ(ReadWholeFile(Folder() + "report 1.bin"), fake::ResourceBytes(0, 3000));
}

TEST_F(Download, FolderTargetTakesTheUnquotedProposedName) {
    const DownloadResult result =
        RunDownload(session_, Server().HttpUrl("/disposition/1500?name=plain.bin"), Folder(), 0, 1, false);
    EXPECT_EQ(result.code, CURLE_OK);
    EXPECT_EQ(result.target, Folder() + "plain.bin");
    EXPECT_EQ(ReadWholeFile(Folder() + "plain.bin"), fake::ResourceBytes(0, 1500));
}

TEST_F(Download, FileTargetWinsOverTheProposedName) {
    const std::string file = Folder() + "mine.bin";
    const DownloadResult result =
        RunDownload(session_, Server().HttpUrl("/disposition/1500?name=theirs.bin"), file, 0, 1, false);
    EXPECT_EQ(result.code, CURLE_OK);
    EXPECT_EQ(result.target, file);
    EXPECT_TRUE(FileExists(file));
    EXPECT_FALSE(FileExists(Folder() + "theirs.bin"));
}

TEST_F(Download, FolderTargetWithoutProposalTakesTheLastPathSegment) {
    const DownloadResult result = RunDownload(session_, Server().HttpUrl("/bytes/1234"), Folder(), 0, 1, false);
    EXPECT_EQ(result.code, CURLE_OK);
    EXPECT_EQ(result.target, Folder() + "1234");
    EXPECT_EQ(ReadWholeFile(Folder() + "1234"), fake::ResourceBytes(0, 1234));
}

TEST_F(Download, NoNameGives3AndTheBlankNameLine) {
    const DownloadResult result = RunDownload(session_, Server().HttpUrl("/"), "", 0, 1, false);
    EXPECT_EQ(result.code, CURLE_URL_MALFORMAT);
    EXPECT_EQ(capture_.Lines(),
              std::vector<std::string>{"[libcurl] TCurlHttpClass.DownloadFile: Target filename is blank."});
    const auto requests = Server().Requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].method, "HEAD");
}

TEST_F(Download, ARequestWithoutAnOutcomeDownloadsAlike) {
    EXPECT_EQ(session_.DownloadFile({.url = Server().HttpUrl("/bytes/777"), .target = Folder(), .chunk = 500}),
              CURLE_OK);
    EXPECT_EQ(ReadWholeFile(Folder() + "777"), fake::ResourceBytes(0, 777));
}

TEST_F(Download, WithoutAcceptRangesFallsBackToReadFile) {
    const std::string file = Folder() + "plain.bin";
    const DownloadResult result = RunDownload(session_, Server().HttpUrl("/norange/5000"), file, 1000, 1, false);
    EXPECT_EQ(result.code, CURLE_OK);
    EXPECT_EQ(result.contentLength, 0u);
    EXPECT_EQ(LogLines("[libcurl] TCurlHttpClass.DownloadFile: Accept-Ranges header is missing, continue with "
                       "ReadFile.")
                  .size(),
              1u);
    EXPECT_EQ(RangesAsked(Server(), "/norange/5000"), std::vector<std::string>{""});
    EXPECT_EQ(ReadWholeFile(file), fake::ResourceBytes(0, 5000));
}

TEST_F(Download, RefusedHeaderOnlyRequestIsStillTried) {
    const std::string file = Folder() + "nohead.bin";
    EXPECT_EQ(RunDownload(session_, Server().HttpUrl("/nohead/4000"), file, 0, 1, false).code, CURLE_OK);
    const auto requests = Server().Requests("/nohead/4000");
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].method, "HEAD");
    EXPECT_EQ(requests[1].method, "GET");
    EXPECT_EQ(ReadWholeFile(file), fake::ResourceBytes(0, 4000));
}

TEST_F(Download, EmptyResourceCreatesNoFileAndLeavesAnOlderOneAlone) {
    EXPECT_EQ(RunDownload(session_, Server().HttpUrl("/bytes/0"), Folder() + "new.bin", 0, 1, false).code, CURLE_OK);
    EXPECT_FALSE(FileExists(Folder() + "new.bin"));
    WriteWholeFile(Folder() + "old.bin", "older content");
    EXPECT_EQ(RunDownload(session_, Server().HttpUrl("/empty"), Folder() + "old.bin", 0, 1, false).code, CURLE_OK);
    EXPECT_EQ(ReadWholeFile(Folder() + "old.bin"), "older content");
}

TEST_F(Download, UnparsableUrlGives3AndSendsNothing) {
    const DownloadResult result = RunDownload(session_, "http://127.0.0.1:99999/a.bin", Folder(), 0, 1, false);
    EXPECT_EQ(result.code, CURLE_URL_MALFORMAT);
    EXPECT_EQ(LogLines("[libcurl] TCurlClass.SetUrl(http://127.0.0.1:99999/a.bin) error: ").size(), 1u);
    EXPECT_TRUE(Server().Requests().empty());
}

TEST_F(Download, RedirectIsFollowedAndNamedAfterTheAskedUrl) {
    const DownloadResult result =
        RunDownload(session_, Server().HttpUrl("/redirect?to=/bytes/3000"), Folder(), 1000, 1, false);
    EXPECT_EQ(result.code, CURLE_OK);
    EXPECT_EQ(result.target, Folder() + "redirect");
    EXPECT_EQ(ReadWholeFile(Folder() + "redirect"), fake::ResourceBytes(0, 3000));
}

TEST_F(Download, WholeFileInsteadOfARangeIsWrittenAnew) {
    const std::string file = Folder() + "ignored-range.bin";
    WriteWholeFile(file, fake::ResourceBytes(0, 1000));
    // The header-only answer announces ranges, but the body request is answered whole.
    ASSERT_TRUE(Server().AddFault({.mode = "noranges", .path = "/bytes/5000", .method = "GET", .count = 1}));
    EXPECT_EQ(RunDownload(session_, Server().HttpUrl("/bytes/5000"), file, 0, 1, true).code, CURLE_OK);
    EXPECT_EQ(ReadWholeFile(file), fake::ResourceBytes(0, 5000));
}

using DownloadHttps = HttpsTest;

TEST_F(DownloadHttps, RangesOverHttps) {
    TCurlHttpClass session;
    ASSERT_EQ(session.Init(), CURLE_OK);
    session.SetDebugInfoMask(0);
    ASSERT_EQ(PrepareOutsideSession(session, {.trustAnchorsFile = Server().CertificateFile()}), CURLE_OK);
    const DownloadResult result = RunDownload(session, Server().HttpsUrl("/bytes/200000"), Folder(), 65536, 1, false);
    EXPECT_EQ(result.code, CURLE_OK);
    EXPECT_EQ(result.downloaded, 200000u);
    EXPECT_EQ(RangesAsked(Server(), "/bytes/200000").size(), 4u);
    EXPECT_EQ(ReadWholeFile(Folder() + "200000"), fake::ResourceBytes(0, 200000));
}

} // namespace
} // namespace kvilo::http::test
