#include "core/shell/shell_open.h"

#include <gtest/gtest.h>

#include "platform/special_folders.h"
#include "recording_launcher.h"

using namespace kvilo::shell;
using kvilo::testing::RecordingLauncher;

TEST(ShellOpen, TrimsBothTextsAndOpensInTheWorkingFolder) {
    RecordingLauncher launcher;
    ShellOpen("  https://example.invalid/egrul  ", "  --flag  ");
    ASSERT_EQ(launcher.opened.size(), 1u);
    EXPECT_EQ(launcher.opened[0].target, "https://example.invalid/egrul");
    EXPECT_EQ(launcher.opened[0].parameters, "--flag");
    EXPECT_EQ(launcher.opened[0].workingFolder, kvilo::platform::WorkingFolder());
}

TEST(ShellOpen, NothingToOpenIsIgnored) {
    RecordingLauncher launcher;
    ShellOpen("   ", "x");
    EXPECT_TRUE(launcher.opened.empty());
}

TEST(ShellOpen, RunsOnItsOwnThreadWithCopiesOfItsTexts) {
    RecordingLauncher launcher;
    {
        std::string file = "/tmp/report.xlsx";
        std::string parameters;
        StartShellOpen(file, parameters);
        file.assign(100, 'x'); // the caller's texts may change or vanish at once
    }
    WaitForShellOpens();
    ASSERT_EQ(launcher.opened.size(), 1u);
    EXPECT_EQ(launcher.opened[0].target, "/tmp/report.xlsx");
}

TEST(ShellOpen, ManyAtOnce) {
    RecordingLauncher launcher;
    for (int i = 0; i < 20; ++i)
        StartShellOpen("file" + std::to_string(i), "");
    WaitForShellOpens();
    EXPECT_EQ(launcher.opened.size(), 20u);
}
