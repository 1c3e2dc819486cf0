// TCurlFileClass and the file callbacks: the file appears with the first block, replaces or appends,
// and every failure is one log line and a write error.
#include <gtest/gtest.h>

#include "http/curl_file.h"
#include "http/curl_session.h"
#include "http_test_support.h"
#include "resource_bytes.h"

namespace kvilo::http::test {
namespace {

using FileSink = HttpTest;

TEST_F(FileSink, FileNameIsTrimmedAndCut) {
    TCurlFileClass file;
    file.SetFileName("name.bin   ");
    EXPECT_EQ(file.FileName(), "name.bin");
    file.SetFileName(std::string(300, 'x'));
    EXPECT_EQ(file.FileName().size(), 259u);
}

TEST_F(FileSink, FileSizeOfMissingAndExistingFile) {
    TCurlFileClass file;
    file.SetFileName(Folder() + "missing.bin");
    uint32_t high = 7;
    EXPECT_EQ(file.GetFileSize(&high), 0u);
    EXPECT_EQ(high, 0u);
    WriteWholeFile(Folder() + "five.bin", "12345");
    file.SetFileName(Folder() + "five.bin");
    EXPECT_EQ(file.GetFileSize(&high), 5u);
    EXPECT_FALSE(file.IsOpen()); // opened only to measure
}

TEST_F(FileSink, WriteToFileReplacesAtTheFirstBlockAndCounts) {
    const std::string path = Folder() + "replace.bin";
    WriteWholeFile(path, std::string(10000, 'o'));
    TCurlFileClass file;
    file.SetFileName(path);
    char first[] = "abc";
    char second[] = "de";
    EXPECT_EQ(WriteToFile(first, 1, 3, &file), 3u);
    EXPECT_EQ(WriteToFile(second, 2, 1, &file), 2u);
    EXPECT_EQ(file.Position(), 5u);
    EXPECT_TRUE(file.CloseFile());
    EXPECT_EQ(file.Position(), 0u);
    EXPECT_EQ(ReadWholeFile(path), "abcde");
}

TEST_F(FileSink, AppendToFileKeepsTheContent) {
    const std::string path = Folder() + "append.bin";
    WriteWholeFile(path, "old-");
    TCurlFileClass file;
    file.SetFileName(path);
    char block[] = "new";
    EXPECT_EQ(AppendToFile(block, 1, 3, &file), 3u);
    EXPECT_EQ(AppendToFile(block, 1, 3, &file), 3u);
    file.CloseFile();
    EXPECT_EQ(ReadWholeFile(path), "old-newnew");
}

TEST_F(FileSink, NullFileDropsTheDataAndZeroBytesCreateNothing) {
    char block[] = "abc";
    EXPECT_EQ(WriteToFile(block, 1, 3, nullptr), 3u);
    EXPECT_EQ(AppendToFile(block, 1, 3, nullptr), 3u);
    TCurlFileClass file;
    file.SetFileName(Folder() + "never.bin");
    EXPECT_EQ(WriteToFile(block, 1, 0, &file), 0u);
    EXPECT_FALSE(FileExists(Folder() + "never.bin"));
}

TEST_F(FileSink, OpenFailureIsOneLogLineAndAWriteError) {
    TCurlFileClass file;
    const std::string path = Folder() + "no-such-folder/x.bin";
    file.SetFileName(path);
    char block[] = "abc";
    EXPECT_EQ(WriteToFile(block, 1, 3, &file), SIZE_MAX);
    EXPECT_EQ(capture_.Lines(), std::vector<std::string>{"[libcurl] CreateFile(" + path + ") error"});
}

TEST_F(FileSink, ReadFileWritesTheBody) {
    TCurlClass session;
    ASSERT_EQ(session.Init(), CURLE_OK);
    const std::string path = Folder() + "body.bin";
    EXPECT_EQ(session.ReadFile(Server().HttpUrl("/bytes/100000"), path), CURLE_OK);
    EXPECT_EQ(ReadWholeFile(path), fake::ResourceBytes(0, 100000));
}

TEST_F(FileSink, ReadFileSavesAnErrorPageAsTheFile) {
    TCurlClass session;
    ASSERT_EQ(session.Init(), CURLE_OK);
    const std::string path = Folder() + "page.html";
    EXPECT_EQ(session.ReadFile(Server().HttpUrl("/status/404"), path), CURLE_OK);
    EXPECT_EQ(session.GetResponseCode(), 404);
    EXPECT_EQ(ReadWholeFile(path), "status 404\n");
}

TEST_F(FileSink, EmptyBodyCreatesNoFileAndLeavesAnOlderOneAlone) {
    TCurlClass session;
    ASSERT_EQ(session.Init(), CURLE_OK);
    EXPECT_EQ(session.ReadFile(Server().HttpUrl("/empty"), Folder() + "new.bin"), CURLE_OK);
    EXPECT_FALSE(FileExists(Folder() + "new.bin"));
    WriteWholeFile(Folder() + "old.bin", "keep me");
    EXPECT_EQ(session.ReadFile(Server().HttpUrl("/empty"), Folder() + "old.bin"), CURLE_OK);
    EXPECT_EQ(ReadWholeFile(Folder() + "old.bin"), "keep me");
}

TEST_F(FileSink, TargetThatCannotBeCreatedGivesOneLineAndResult23) {
    TCurlClass session;
    ASSERT_EQ(session.Init(), CURLE_OK);
    session.SetDebugInfoMask(0);
    const std::string path = Folder() + "missing-folder/file.bin";
    EXPECT_EQ(session.ReadFile(Server().HttpUrl("/bytes/200000"), path), CURLE_WRITE_ERROR);
    EXPECT_EQ(capture_.Lines(), std::vector<std::string>{"[libcurl] CreateFile(" + path + ") error"});
}

TEST_F(FileSink, ConnectionClosedMidBodyKeepsWhatArrived) {
    TCurlClass session;
    ASSERT_EQ(session.Init(), CURLE_OK);
    const std::string path = Folder() + "cut.bin";
    EXPECT_EQ(session.ReadFile(Server().HttpUrl("/drop/100000?after=30000"), path), CURLE_PARTIAL_FILE);
    EXPECT_EQ(ReadWholeFile(path), fake::ResourceBytes(0, 30000));
}

TEST_F(FileSink, ReadFileLeavesNoFileAddressInTheHandle) {
    TCurlClass session;
    ASSERT_EQ(session.Init(), CURLE_OK);
    ASSERT_EQ(session.ReadFile(Server().HttpUrl("/bytes/10"), Folder() + "a.bin"), CURLE_OK);
    // The file object of the first call is gone: a later plain Perform drops the data instead of writing
    // through a dangling pointer (the sanitizer build would catch the latter).
    ASSERT_EQ(session.SetUrl(Server().HttpUrl("/bytes/20")), CURLE_OK);
    EXPECT_EQ(session.Perform(), CURLE_OK);
    EXPECT_EQ(ReadWholeFile(Folder() + "a.bin"), fake::ResourceBytes(0, 10));
}

TEST_F(FileSink, UnparsableUrlInReadFileCreatesNothing) {
    TCurlClass session;
    ASSERT_EQ(session.Init(), CURLE_OK);
    EXPECT_EQ(session.ReadFile("http://127.0.0.1:123456/x", Folder() + "x.bin"), CURLE_URL_MALFORMAT);
    EXPECT_EQ(LogLines("TCurlClass.SetUrl(http://127.0.0.1:123456/x) error: ").size(), 1u);
    EXPECT_FALSE(FileExists(Folder() + "x.bin"));
}

curl_fileinfo InfoOf(const char* name, curlfiletype type) {
    curl_fileinfo info{};
    info.filename = const_cast<char*>(name);
    info.filetype = type;
    return info;
}

TEST_F(FileSink, ChunkBeginByFileType) {
    TCurlFileClass file;
    file.SetFileName(Folder() + "chunk.bin");
    const curl_fileinfo directory = InfoOf("sub", CURLFILETYPE_DIRECTORY);
    EXPECT_EQ(ChunkBegin(&directory, &file, 1), CURL_CHUNK_BGN_FUNC_OK);
    EXPECT_FALSE(file.IsOpen());
    const curl_fileinfo link = InfoOf("ln", CURLFILETYPE_SYMLINK);
    EXPECT_EQ(ChunkBegin(&link, &file, 1), CURL_CHUNK_BGN_FUNC_OK);
    const curl_fileinfo plain = InfoOf("remote.bin", CURLFILETYPE_FILE);
    EXPECT_EQ(ChunkBegin(&plain, nullptr, 1), CURL_CHUNK_BGN_FUNC_SKIP);
    EXPECT_EQ(ChunkBegin(&plain, &file, 1), CURL_CHUNK_BGN_FUNC_OK);
    EXPECT_TRUE(file.IsOpen());
    EXPECT_TRUE(FileExists(Folder() + "chunk.bin"));
    EXPECT_EQ(ChunkEnd(&file), CURL_CHUNK_END_FUNC_OK);
    EXPECT_FALSE(file.IsOpen());
    EXPECT_EQ(ChunkEnd(nullptr), CURL_CHUNK_END_FUNC_OK);
    EXPECT_EQ(ChunkBegin(nullptr, &file, 0), CURL_CHUNK_BGN_FUNC_SKIP);
    const curl_fileinfo unnamed = InfoOf(nullptr, CURLFILETYPE_FILE);
    EXPECT_EQ(ChunkBegin(&unnamed, &file, 0), CURL_CHUNK_BGN_FUNC_SKIP);
    EXPECT_EQ(capture_.Lines(),
              (std::vector<std::string>{
                  "[libcurl] Coming: DIR sub",
                  "[libcurl] Coming: object of type " + std::to_string(static_cast<int>(CURLFILETYPE_SYMLINK)) + " ln",
                  "[libcurl] Coming: FILE remote.bin",
                  "[libcurl] Coming: FILE remote.bin",
                  "[libcurl] Downloaded: " + Folder() + "chunk.bin",
              }));
}

TEST_F(FileSink, ChunkBeginThatCannotCreateSkips) {
    TCurlFileClass file;
    file.SetFileName(Folder() + "none/chunk.bin");
    const curl_fileinfo plain = InfoOf("remote.bin", CURLFILETYPE_FILE);
    EXPECT_EQ(ChunkBegin(&plain, &file, 0), CURL_CHUNK_BGN_FUNC_SKIP);
    EXPECT_EQ(LogLines("CreateFile(" + Folder() + "none/chunk.bin) error").size(), 1u);
}

} // namespace
} // namespace kvilo::http::test
