#include "core/startup/version_reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace kvilo::startup {
namespace {

TEST(VersionReader, ReadsTheBlockOfALibraryOfThisBuild) {
    FileVersionInfoReader reader;
    uint32_t size = reader.Size(KVILO_KEYED_DRIVER_FILE);
    ASSERT_EQ(size, sizeof(VersionResource));
    std::vector<uint8_t> info;
    ASSERT_TRUE(reader.Read(KVILO_KEYED_DRIVER_FILE, size, info));
    FixedFileInfo block{};
    uint32_t length = 0;
    ASSERT_TRUE(QueryRootBlock(info, block, length));
    EXPECT_EQ(length, 52u);
    EXPECT_EQ(block.signature, kFixedFileInfoSignature);
    EXPECT_EQ(block.fileVersionLS & 0xFFFF, uint32_t{KVILO_BUILD_NUMBER});
}

TEST(VersionReader, ReadsTheVersionOfALibraryOfAnotherBuild) {
    FileVersionInfoReader reader;
    std::vector<uint8_t> info;
    ASSERT_TRUE(reader.Read(KVILO_OTHER_BUILD_DRIVER_FILE, reader.Size(KVILO_OTHER_BUILD_DRIVER_FILE), info));
    FixedFileInfo block{};
    uint32_t length = 0;
    ASSERT_TRUE(QueryRootBlock(info, block, length));
    EXPECT_EQ(block.fileVersionMS, (3u << 16) | 5u);
    EXPECT_EQ(block.fileVersionLS, (1u << 16) | 4711u);
}

TEST(VersionReader, AFileWithoutBlockAndAMissingFileHaveNoVersionInformation) {
    auto plain = std::filesystem::temp_directory_path() / "kvilo-version-reader-plain.bin";
    std::ofstream(plain) << "no version here VS_VERSION_INFO in one byte per letter";
    FileVersionInfoReader reader;
    EXPECT_EQ(reader.Size(plain.string()), 0u);
    EXPECT_EQ(reader.Size("/nonexistent/kvilo/libnothing.so"), 0u);
    std::vector<uint8_t> info;
    EXPECT_FALSE(reader.Read("/nonexistent/kvilo/libnothing.so", 92, info));
    std::filesystem::remove(plain);
}

TEST(VersionReader, ARootBlockNeedsTheKeyAndAWholeValue) {
    VersionResource resource = MakeVersionResource(1, 2, 3, 4);
    const auto* bytes = reinterpret_cast<const uint8_t*>(&resource);
    std::vector<uint8_t> info(bytes, bytes + sizeof resource);
    FixedFileInfo block{};
    uint32_t length = 0;
    EXPECT_TRUE(QueryRootBlock(info, block, length));
    EXPECT_EQ(block.fileVersionLS, (3u << 16) | 4u);

    std::vector<uint8_t> cut(info.begin(), info.begin() + 60);
    EXPECT_FALSE(QueryRootBlock(cut, block, length));
    std::vector<uint8_t> otherKey = info;
    otherKey[6] = 'X';
    EXPECT_FALSE(QueryRootBlock(otherKey, block, length));
}

} // namespace
} // namespace kvilo::startup
