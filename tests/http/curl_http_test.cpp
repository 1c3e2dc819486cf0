// TCurlHttpClass: header parsing and the form error texts.
#include <gtest/gtest.h>

#include "http/curl_http.h"

namespace kvilo::http {
namespace {

TEST(HttpHeader, AcceptRangesInAnyCaseAndWithAnyValue) {
    TCurlHttpClass lower;
    lower.OnHeader("accept-ranges: bytes\r\n");
    EXPECT_TRUE(lower.AcceptRangesEnabled());
    TCurlHttpClass none;
    none.OnHeader("Accept-Ranges: none\r\n");
    EXPECT_TRUE(none.AcceptRangesEnabled());
    TCurlHttpClass other;
    other.OnHeader("HTTP/1.1 200 OK\r\n");
    other.OnHeader("Accept-Range: bytes\r\n");
    other.OnHeader("X-Accept-Ranges: bytes\r\n");
    EXPECT_FALSE(other.AcceptRangesEnabled());
}

TEST(HttpHeader, QuotedFileNameLosesItsQuotes) {
    TCurlHttpClass session;
    session.OnHeader("Content-Disposition: attachment; filename=\"report 2024.xlsx\"\r\n");
    EXPECT_EQ(session.Attachment(), "report 2024.xlsx");
}

TEST(HttpHeader, UnquotedFileNameLosesTheLineEnd) {
    TCurlHttpClass session;
    session.OnHeader("content-disposition: attachment; FileName=setup.exe\r\n");
    EXPECT_EQ(session.Attachment(), "setup.exe");
}

TEST(HttpHeader, OnlyTheFirstNamedDispositionCounts) {
    TCurlHttpClass session;
    session.OnHeader("Content-Disposition: inline\r\n");
    EXPECT_EQ(session.Attachment(), "");
    session.OnHeader("Content-Disposition: attachment; filename=\"first.bin\"\r\n");
    session.OnHeader("Content-Disposition: attachment; filename=\"second.bin\"\r\n");
    EXPECT_EQ(session.Attachment(), "first.bin");
}

TEST(HttpHeader, ShortAndOddLinesAreHarmless) {
    TCurlHttpClass session;
    for (const char* line : {"", "\r\n", "Content-Disposition:", "Content-Disposition: filename=",
                             "Content-Disposition: filename=\"\"\r\n", "Content-Disposition: attachment\r\n"}) {
        session.OnHeader(line);
        EXPECT_EQ(session.Attachment(), "") << line;
    }
    session.OnHeader(std::string("Content-Disposition: filename=") + std::string(400, 'n') + "\r\n");
    EXPECT_EQ(session.Attachment(), std::string(kMaxAttachmentLength, 'n'));
}

TEST(HttpForm, ErrorTexts) {
    TCurlHttpClass session;
    EXPECT_EQ(session.GetFormErrorText(1), "The allocation of a FormInfo struct failed");
    EXPECT_EQ(session.GetFormErrorText(2), "One option is given twice for one Form");
    EXPECT_EQ(session.GetFormErrorText(3), "A null pointer was given for a char");
    EXPECT_EQ(session.GetFormErrorText(4), "An unknown option was used");
    EXPECT_EQ(session.GetFormErrorText(5), "The some FormInfo is not complete (or error)");
    EXPECT_EQ(session.GetFormErrorText(6), "An illegal option is used in an array");
    EXPECT_EQ(session.GetFormErrorText(7), "Unknown CURLFORMcode: 7");
    EXPECT_EQ(session.GetFormErrorText(0), "Unknown CURLFORMcode: 0");
}

TEST(HttpTargetName, FileTargetIsUsedUnchanged) {
    EXPECT_EQ(BuildTargetName("http://127.0.0.1/a/b.zip", "proposed.zip", "/tmp/x/mine.zip  "), "/tmp/x/mine.zip");
}

TEST(HttpTargetName, FolderTargetTakesTheProposedName) {
    EXPECT_EQ(BuildTargetName("http://127.0.0.1/a/b.zip", "proposed.zip  ", "/tmp/x/"), "/tmp/x/proposed.zip");
}

TEST(HttpTargetName, FolderTargetOtherwiseTakesTheLastPathSegment) {
    EXPECT_EQ(BuildTargetName("http://127.0.0.1/a/b.zip?x=1", "", "/tmp/x/"), "/tmp/x/b.zip");
    EXPECT_EQ(BuildTargetName("http://127.0.0.1/a/b.zip", "   ", "   "), "b.zip");
}

TEST(HttpTargetName, NoNameAtAll) {
    EXPECT_EQ(BuildTargetName("http://127.0.0.1/", "", ""), "");
    EXPECT_EQ(BuildTargetName("http://127.0.0.1:99999/a.bin", "", ""), ""); // unparsable: no path
}

TEST(HttpTargetName, ProposedNameCannotLeaveTheFolder) {
    EXPECT_EQ(BuildTargetName("http://127.0.0.1/a/b.zip", "../../etc/passwd", "/tmp/x/"), "/tmp/x/passwd");
    EXPECT_EQ(BuildTargetName("http://127.0.0.1/a/b.zip", "..\\..\\evil.exe", "/tmp/x/"), "/tmp/x/evil.exe");
    EXPECT_EQ(BuildTargetName("http://127.0.0.1/a/b.zip", "..", "/tmp/x/"), "/tmp/x/b.zip");
}

TEST(HttpTargetName, UrlWithoutSchemeStillNamesTheFile) {
    EXPECT_EQ(BuildTargetName("127.0.0.1:8080/files/setup.exe", "", "/tmp/"), "/tmp/setup.exe");
}

} // namespace
} // namespace kvilo::http
