#include "core/shell/screen_keyboard.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "core/framework/message_presenter.h"
#include "platform/special_folders.h"
#include "recording_launcher.h"
#include "temp_dir.h"

using namespace kvilo::shell;
using kvilo::framework::RecordingMessagePresenter;
using kvilo::testing::RecordingLauncher;
using kvilo::testing::TempDir;

namespace {

// The system program folder is a test folder.
class FakeSystemFolders : public SystemFolders {
public:
    explicit FakeSystemFolders(std::string folder, int result = 0) : folder_(std::move(folder)), result_(result) {}
    std::string GetFolder(int folder) override {
        calls.push_back(folder);
        lastResult_ = result_;
        return result_ == 0 ? folder_ : std::string();
    }
    std::vector<int> calls;

private:
    std::string folder_;
    int result_;
};

void MakeProgram(const std::string& path, mode_t mode = 0755) {
    std::ofstream(path) << "#!/bin/sh\n";
    chmod(path.c_str(), mode);
}

} // namespace

TEST(ScreenKeyboard, StartsTheInstalledKeyboardEachTime) {
    TempDir bin;
    MakeProgram(bin / "xvkbd");
    MakeProgram(bin / "onboard");
    FakeSystemFolders folders(bin.path());
    RecordingLauncher launcher;
    RecordingMessagePresenter messages;
    ShowScreenKeyboard(folders);
    ShowScreenKeyboard(folders);
    ASSERT_EQ(launcher.started.size(), 2u);
    EXPECT_EQ(launcher.started[0].target, bin / "onboard");
    EXPECT_EQ(launcher.started[1].target, bin / "onboard");
    EXPECT_EQ(folders.calls, (std::vector<int>{kvilo::platform::kFolderSystem, kvilo::platform::kFolderSystem}));
    EXPECT_TRUE(messages.messages.empty());
}

TEST(ScreenKeyboard, FallsBackToAnotherInstalledKeyboard) {
    TempDir bin;
    MakeProgram(bin / "onboard", 0644); // present but not executable
    MakeProgram(bin / "florence");
    FakeSystemFolders folders(bin.path());
    EXPECT_EQ(ScreenKeyboardProgram(folders), bin / "florence");
}

TEST(ScreenKeyboard, NoKeyboardMeansNothingAndNoMessage) {
    TempDir bin;
    FakeSystemFolders folders(bin.path());
    RecordingLauncher launcher;
    RecordingMessagePresenter messages;
    ShowScreenKeyboard(folders);
    EXPECT_TRUE(launcher.started.empty());
    EXPECT_TRUE(messages.messages.empty());
}

TEST(ScreenKeyboard, AnUnnamedFolderMeansNothingIsStarted) {
    TempDir bin;
    MakeProgram(bin / "onboard");
    FakeSystemFolders folders(bin.path(), kvilo::platform::kErrorFileNotFound);
    RecordingLauncher launcher;
    ShowScreenKeyboard(folders);
    EXPECT_TRUE(launcher.started.empty());
}

TEST(ScreenKeyboard, AFailedStartIsSilent) {
    TempDir bin;
    MakeProgram(bin / "onboard");
    FakeSystemFolders folders(bin.path());
    RecordingLauncher launcher;
    launcher.answer = false;
    RecordingMessagePresenter messages;
    ShowScreenKeyboard(folders);
    EXPECT_EQ(launcher.started.size(), 1u);
    EXPECT_TRUE(messages.messages.empty());
}

TEST(ScreenKeyboard, TheRealProgramFolderIsSearched) {
    SystemFolders folders;
    std::string program = ScreenKeyboardProgram(folders);
    EXPECT_EQ(folders.LastResult(), 0);
    if (!program.empty()) {
        EXPECT_EQ(program.rfind("/usr/bin/", 0), 0u);
    }
    EXPECT_TRUE(IsNewerSystem());
}
