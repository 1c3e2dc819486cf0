#include "core/startup/version_reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "base/build_version.h"
#include "installation_fixture.h"

namespace kvilo::startup {
namespace {

base::FixedFileInfo RootBlockOf(const std::string& path) {
    FileVersionInfoReader reader;
    uint32_t size = reader.Size(path);
    EXPECT_EQ(size, sizeof(base::VersionResource)) << path;
    std::vector<uint8_t> info;
    EXPECT_TRUE(reader.Read(path, size, info)) << path;
    base::FixedFileInfo block{};
    uint32_t length = 0;
    EXPECT_TRUE(QueryRootBlock(info, block, length)) << path;
    EXPECT_EQ(length, 52u) << path;
    EXPECT_EQ(block.signature, base::kFixedFileInfoSignature) << path;
    return block;
}

TEST(VersionReader, EveryLibraryAndProgramOfTheBuildCarriesItsVersion) {
    const uint32_t versionMS = (uint32_t{base::kVersionMajor} << 16) | base::kVersionMinor;
    const uint32_t versionLS = (uint32_t{base::kVersionPatch} << 16) | base::kBuildNumber;
    std::vector<std::string> binaries = {KVILO_PROGRAM_FILE, KVILO_CLI_FILE};
    for (const auto& entry :
         std::filesystem::directory_iterator(std::filesystem::path(KVILO_PROGRAM_FILE).parent_path()))
        if (entry.path().filename().string().starts_with("libkvilo_") && entry.path().extension() == ".so")
            binaries.push_back(entry.path().string());
    EXPECT_GE(binaries.size(), 12u);
    for (const std::string& path : binaries) {
        base::FixedFileInfo block = RootBlockOf(path);
        EXPECT_EQ(block.fileVersionMS, versionMS) << path;
        EXPECT_EQ(block.fileVersionLS, versionLS) << path;
    }
}

TEST(VersionReader, ReadsTheVersionOfALibraryOfAnotherBuild) {
    InstallationFixture installation;
    base::FixedFileInfo block = RootBlockOf(installation.OtherBuildLibrary());
    EXPECT_EQ(block.fileVersionMS, (3u << 16) | 5u);
    EXPECT_EQ(block.fileVersionLS, (1u << 16) | 4711u);
}

TEST(VersionReader, AFileWithoutNoteAndAMissingFileHaveNoVersionInformation) {
    auto plain = std::filesystem::temp_directory_path() / "kvilo-version-reader-plain.bin";
    std::ofstream(plain) << "\177ELF, no version here, VS_VERSION_INFO";
    FileVersionInfoReader reader;
    EXPECT_EQ(reader.Size(plain.string()), 0u);
    EXPECT_EQ(reader.Size("/nonexistent/kvilo/libnothing.so"), 0u);
    std::vector<uint8_t> info;
    EXPECT_FALSE(reader.Read("/nonexistent/kvilo/libnothing.so", 92, info));
    EXPECT_FALSE(reader.Read(plain.string(), 92, info));
    std::filesystem::remove(plain);
}

TEST(VersionReader, ReadingTakesOnlyTheSizeThatWasReported) {
    FileVersionInfoReader reader;
    std::vector<uint8_t> info;
    EXPECT_FALSE(reader.Read(KVILO_KEYED_DRIVER_FILE, 48, info));
    EXPECT_FALSE(reader.Read(KVILO_KEYED_DRIVER_FILE, 4096, info));
}

TEST(VersionReader, ARootBlockNeedsTheKeyAndAWholeValue) {
    base::VersionResource resource = base::MakeVersionResource(1, 2, 3, 4);
    const auto* bytes = reinterpret_cast<const uint8_t*>(&resource);
    std::vector<uint8_t> info(bytes, bytes + sizeof resource);
    base::FixedFileInfo block{};
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
