#include "platform/temp_names.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <set>

#include "platform/command_line.h"
#include "temp_dir.h"

using namespace kvilo::platform;
using kvilo::testing::ScopedEnv;
using kvilo::testing::TempDir;

TEST(NewGuidName, ThirtySixUpperCaseCharacters) {
    std::set<std::string> seen;
    for (int i = 0; i < 1000; ++i) {
        std::string name = NewGuidName();
        ASSERT_EQ(name.size(), 36u);
        for (size_t k = 0; k < name.size(); ++k) {
            if (k == 8 || k == 13 || k == 18 || k == 23)
                ASSERT_EQ(name[k], '-') << name;
            else
                ASSERT_TRUE(std::isdigit(static_cast<unsigned char>(name[k])) || (name[k] >= 'A' && name[k] <= 'F'))
                    << name;
        }
        EXPECT_EQ(name[14], '4');
        seen.insert(name);
    }
    EXPECT_EQ(seen.size(), 1000u);
}

class TempFolderTest : public ::testing::Test {
protected:
    void TearDown() override { SetCommandLine({}); }
};

TEST_F(TempFolderTest, RamFolderWhenItExists) {
    TempDir dir;
    SetCommandLine({"RAM=  " + dir.path() + "  "});
    EXPECT_EQ(TempFolder(), dir.path() + "/");
    SetCommandLine({"RAM=" + dir.path() + "/"});
    EXPECT_EQ(TempFolder(), dir.path() + "/");
}

TEST_F(TempFolderTest, SystemFolderWhenRamIsMissingOrAbsent) {
    TempDir system;
    ScopedEnv tmpdir("TMPDIR", system.path().c_str());
    SetCommandLine({"RAM=" + system.path() + "/missing"});
    EXPECT_EQ(TempFolder(), system.path() + "/");
    SetCommandLine({});
    EXPECT_EQ(TempFolder(), system.path() + "/");
    ScopedEnv gone("TMPDIR", "/nonexistent-kvilo-tmp");
    EXPECT_EQ(TempFolder(), "/tmp/");
}
