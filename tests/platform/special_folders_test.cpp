#include "platform/special_folders.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

#include "base/cp1251.h"
#include "temp_dir.h"

using namespace kvilo::platform;
using namespace kvilo::base::literals;
using kvilo::testing::ScopedEnv;
using kvilo::testing::TempDir;

namespace {

// Runs in `folder` for the lifetime of the object.
class ScopedWorkingFolder {
public:
    explicit ScopedWorkingFolder(const std::string& folder) : previous_(std::filesystem::current_path()) {
        std::filesystem::current_path(folder);
    }
    ~ScopedWorkingFolder() { std::filesystem::current_path(previous_); }

private:
    std::filesystem::path previous_;
};

} // namespace

TEST(SpecialFolders, LocalDataFollowsXdgDataHome) {
    std::string path;
    {
        ScopedEnv xdg("XDG_DATA_HOME", "/srv/data/");
        EXPECT_EQ(GetSpecialFolderPath(kFolderLocalAppData, path), kFolderOk);
        EXPECT_EQ(path, "/srv/data");
    }
    {
        ScopedEnv xdg("XDG_DATA_HOME", nullptr);
        ScopedEnv home("HOME", "/home/someone");
        EXPECT_EQ(GetSpecialFolderPath(kFolderLocalAppData, path), kFolderOk);
        EXPECT_EQ(path, "/home/someone/.local/share");
    }
    {
        ScopedEnv xdg("XDG_DATA_HOME", "relative/is/ignored");
        ScopedEnv home("HOME", "/home/other");
        EXPECT_EQ(GetSpecialFolderPath(kFolderLocalAppData, path), kFolderOk);
        EXPECT_EQ(path, "/home/other/.local/share");
    }
}

TEST(SpecialFolders, SystemAndSharedProgramFolders) {
    std::string path;
    EXPECT_EQ(GetSpecialFolderPath(kFolderSystem, path), kFolderOk);
    EXPECT_EQ(path, "/usr/bin");
    EXPECT_EQ(GetSpecialFolderPath(kFolderCommonProgramFiles, path), kFolderOk);
    EXPECT_EQ(path, "/usr/share");
    path = "stale";
    EXPECT_EQ(GetSpecialFolderPath(5, path), kErrorFileNotFound);
    EXPECT_EQ(path, "");
}

TEST(CreateFolderChain, CreatesEveryMissingParent) {
    TempDir dir;
    std::string deep = dir / "a/b/c";
    EXPECT_EQ(CreateFolderChain(deep), kFolderOk);
    EXPECT_TRUE(FolderExists(deep));
    EXPECT_EQ(CreateFolderChain(deep), kErrorAlreadyExists);
    EXPECT_EQ(CreateFolderChain(dir / "x/y/"), kFolderOk);
    EXPECT_TRUE(FolderExists(dir / "x/y"));
}

TEST(CreateFolderChain, AFileInTheWayIsAFailure) {
    TempDir dir;
    std::ofstream(dir / "file") << "x";
    int result = CreateFolderChain(dir / "file/sub");
    EXPECT_NE(result, kFolderOk);
    EXPECT_NE(result, kErrorAlreadyExists);
    EXPECT_NE(CreateFolderChain(""), kFolderOk);
}

TEST(CreateFolderChain, CyrillicNamesAreUtf8OnDisk) {
    TempDir dir;
    EXPECT_EQ(CreateFolderChain(dir.path() + "/Настройки/Ёлка"_ansi), kFolderOk);
    EXPECT_TRUE(std::filesystem::is_directory(dir / "Настройки/Ёлка"));
    EXPECT_TRUE(FolderExists(dir.path() + "/Настройки"_ansi));
}

TEST(FullPathName, ExpandsAgainstTheWorkingFolder) {
    TempDir dir;
    std::string real = std::filesystem::canonical(dir.path()).string();
    ScopedWorkingFolder working(real);
    std::string full;
    EXPECT_EQ(FullPathName("sub/file.txt", full), real.size() + 13);
    EXPECT_EQ(full, real + "/sub/file.txt");
    FullPathName("./a/../b/./c/", full);
    EXPECT_EQ(full, real + "/b/c/");
    FullPathName("/x//y/../z", full);
    EXPECT_EQ(full, "/x/z");
    FullPathName("/..", full);
    EXPECT_EQ(full, "/");
    FullPathName("//server/share/../other", full);
    EXPECT_EQ(full, "//server/other");
    EXPECT_EQ(WorkingFolder(), real);
}

TEST(FullPathName, EmptyPathFails) {
    std::string full = "stale";
    EXPECT_EQ(FullPathName("", full), 0u);
    EXPECT_EQ(full, "");
}

TEST(FullPathName, LongPathsReportTheirLength) {
    std::string full;
    std::string longPath = "/" + std::string(300, 'a');
    EXPECT_EQ(FullPathName(longPath, full), 301u);
}

TEST(PathTests, AbsoluteAndNetworkPaths) {
    EXPECT_TRUE(IsAbsolutePath("/usr"));
    EXPECT_FALSE(IsAbsolutePath("usr"));
    EXPECT_FALSE(IsAbsolutePath(""));
    EXPECT_TRUE(IsNetworkPath("//server/share"));
    EXPECT_FALSE(IsNetworkPath("/server/share"));
    EXPECT_FALSE(IsNetworkPath("//"));
    EXPECT_FALSE(IsNetworkPath("///x"));
}

TEST(PathTests, ExistenceAndRemoval) {
    TempDir dir;
    std::ofstream(dir / "f") << "x";
    EXPECT_TRUE(FileExists(dir / "f"));
    EXPECT_FALSE(FolderExists(dir / "f"));
    EXPECT_TRUE(FolderExists(dir.path()));
    EXPECT_FALSE(FileExists(dir.path()));
    EXPECT_TRUE(RemoveFile(dir / "f"));
    EXPECT_FALSE(FileExists(dir / "f"));
    EXPECT_FALSE(RemoveFile(dir / "f"));
    EXPECT_FALSE(FileExists(""));
}
