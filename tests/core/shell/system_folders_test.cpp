#include "core/shell/system_folders.h"

#include <filesystem>
#include <gtest/gtest.h>

#include "platform/special_folders.h"
#include "temp_dir.h"

using namespace kvilo::shell;
using namespace kvilo::platform;
using kvilo::testing::ScopedEnv;
using kvilo::testing::TempDir;

TEST(SystemFolders, GetFolderKeepsTheResult) {
    TempDir dir;
    ScopedEnv xdg("XDG_DATA_HOME", dir.path().c_str());
    SystemFolders folders;
    EXPECT_EQ(folders.GetFolder(kFolderLocalAppData), dir.path());
    EXPECT_EQ(folders.LastResult(), kFolderOk);
    EXPECT_EQ(folders.GetFolder(999), "");
    EXPECT_EQ(folders.LastResult(), kErrorFileNotFound);
}

TEST(SystemFolders, CreateSubfolderJoinsWithOneSeparator) {
    TempDir dir;
    ScopedEnv xdg("XDG_DATA_HOME", dir.path().c_str());
    SystemFolders folders;
    EXPECT_EQ(folders.CreateSubfolder(kFolderLocalAppData, "Tarvelo/Egrul"), kFolderOk);
    EXPECT_TRUE(std::filesystem::is_directory(dir / "Tarvelo/Egrul"));
    EXPECT_EQ(folders.CreateSubfolder(kFolderLocalAppData, "/Tarvelo/Other"), kFolderOk);
    EXPECT_TRUE(std::filesystem::is_directory(dir / "Tarvelo/Other"));
    EXPECT_EQ(folders.CreateSubfolder(kFolderLocalAppData, "Tarvelo/Egrul"), kErrorAlreadyExists);
    EXPECT_EQ(folders.LastResult(), kErrorAlreadyExists);
    EXPECT_EQ(folders.CreateSubfolder(999, "x"), kErrorFileNotFound);
}

TEST(SystemFolders, CreateFolderRefusesFullPathsOver247Characters) {
    TempDir dir;
    SystemFolders folders;
    std::string base = dir.path() + "/";
    std::string fits = base + std::string(247 - base.size(), 'a');
    EXPECT_EQ(folders.CreateFolder(fits), kFolderOk);
    EXPECT_TRUE(FolderExists(fits));
    std::string tooLong = base + std::string(248 - base.size(), 'b');
    EXPECT_EQ(folders.CreateFolder(tooLong), 248);
    EXPECT_EQ(folders.LastResult(), 248);
    EXPECT_FALSE(FolderExists(tooLong));
    EXPECT_EQ(folders.CreateFolder(""), kErrorBadPathName);
}

TEST(JoinedFolderPath, SeparatorAndTrailingBlanks) {
    TempDir dir;
    ScopedEnv xdg("XDG_DATA_HOME", dir.path().c_str());
    SystemFolders folders;
    EXPECT_EQ(JoinedFolderPath(folders, kFolderLocalAppData, "Tarvelo/Egrul/  "), dir.path() + "/Tarvelo/Egrul/");
    EXPECT_EQ(JoinedFolderPath(folders, kFolderLocalAppData, "/x  "), dir.path() + "/x  ");
    EXPECT_EQ(JoinedFolderPath(folders, kFolderSystem, "osk"), "/usr/bin/osk");
}
