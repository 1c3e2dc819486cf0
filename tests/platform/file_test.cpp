#include "platform/file.h"

#include <cerrno>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

#include "base/cp1251.h"
#include "temp_dir.h"

using namespace kvilo::platform;
using namespace kvilo::base::literals;
using kvilo::testing::TempDir;

namespace {

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteText(File& file, std::string_view text) {
    ASSERT_TRUE(file.Write(text.data(), text.size()));
}

} // namespace

TEST(File, CreateAlwaysEmptiesAnExistingFile) {
    TempDir dir;
    std::string path = dir / "a.txt";
    std::ofstream(path) << "old contents";
    File file;
    ASSERT_TRUE(file.Open(path, File::Access::Write, File::Disposition::CreateAlways));
    EXPECT_EQ(file.Size(), 0);
    WriteText(file, "new");
    file.Close();
    EXPECT_EQ(Contents(path), "new");
}

TEST(File, OpenAlwaysCreatesOrKeeps) {
    TempDir dir;
    std::string path = dir / "b.txt";
    {
        File file;
        ASSERT_TRUE(file.Open(path, File::Access::ReadWrite, File::Disposition::OpenAlways));
        WriteText(file, "abc");
    }
    File file;
    ASSERT_TRUE(file.Open(path, File::Access::ReadWrite, File::Disposition::OpenAlways));
    EXPECT_EQ(file.Size(), 3);
    ASSERT_TRUE(file.SeekToEnd());
    WriteText(file, "def");
    EXPECT_EQ(file.Size(), 6);
    file.Close();
    EXPECT_EQ(Contents(path), "abcdef");
}

TEST(File, OpenExistingFailsOnAMissingFile) {
    TempDir dir;
    File file;
    EXPECT_FALSE(file.Open(dir / "missing", File::Access::Read, File::Disposition::OpenExisting));
    EXPECT_FALSE(file.IsOpen());
    EXPECT_EQ(file.LastError(), ENOENT);
    EXPECT_FALSE(SystemErrorText(file.LastError()).empty());
    EXPECT_FALSE(file.Open("", File::Access::Read, File::Disposition::OpenExisting));
}

TEST(File, ReadsToTheEndWhileAnotherReaderHasItOpen) {
    TempDir dir;
    std::string path = dir / "c.bin";
    std::ofstream(path, std::ios::binary) << std::string(10000, 'x') << "end";
    File first, second;
    ASSERT_TRUE(first.Open(path, File::Access::Read, File::Disposition::OpenExisting));
    ASSERT_TRUE(second.Open(path, File::Access::Read, File::Disposition::OpenExisting));
    std::string all;
    char buffer[4096];
    size_t read = 0;
    do {
        ASSERT_TRUE(first.Read(buffer, sizeof buffer, read));
        all.append(buffer, read);
    } while (read > 0);
    EXPECT_EQ(all.size(), 10003u);
    EXPECT_EQ(all.substr(10000), "end");
    EXPECT_EQ(second.Size(), 10003);
}

TEST(File, ReadAtReadsFromAnOffsetAndStopsShortAtTheEnd) {
    TempDir dir;
    std::string path = dir / "d.bin";
    std::ofstream(path, std::ios::binary) << "0123456789";
    File file;
    ASSERT_TRUE(file.Open(path, File::Access::Read, File::Disposition::OpenExisting));
    char buffer[8] = {};
    size_t read = 0;
    ASSERT_TRUE(file.ReadAt(7, buffer, sizeof buffer, read));
    EXPECT_EQ(std::string(buffer, read), "789");
    ASSERT_TRUE(file.Read(buffer, 2, read)); // the position is still at the start
    EXPECT_EQ(std::string(buffer, read), "01");
    EXPECT_FALSE(file.ReadAt(-1, buffer, 1, read));
}

TEST(File, ClosedOrMovedFromFileRefusesWork) {
    TempDir dir;
    File file;
    char byte = 0;
    size_t read = 0;
    EXPECT_FALSE(file.Write("x", 1));
    EXPECT_FALSE(file.Read(&byte, 1, read));
    EXPECT_FALSE(file.SeekToEnd());
    EXPECT_EQ(file.Size(), -1);
    ASSERT_TRUE(file.Open(dir / "d", File::Access::Write, File::Disposition::CreateAlways));
    File moved(std::move(file));
    EXPECT_FALSE(file.IsOpen());
    EXPECT_TRUE(moved.IsOpen());
    WriteText(moved, "kept");
    File assigned;
    assigned = std::move(moved);
    WriteText(assigned, "!");
    assigned.Close();
    EXPECT_EQ(Contents(dir / "d"), "kept!");
}

TEST(File, NamesAre1251InsideAndUtf8OnDisk) {
    TempDir dir;
    File file;
    ASSERT_TRUE(
        file.Open(dir.path() + "/"_ansi + "Отчёт.txt"_ansi, File::Access::Write, File::Disposition::CreateAlways));
    file.Close();
    EXPECT_EQ(Contents(dir / "Отчёт.txt"), "");
    std::ifstream check(dir / "Отчёт.txt");
    EXPECT_TRUE(check.good());
}
