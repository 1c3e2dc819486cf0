#include "core/shell/settings_file.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include "base/cp1251.h"
#include "core/framework/message_presenter.h"
#include "platform/command_line.h"
#include "platform/special_folders.h"
#include "temp_dir.h"

using namespace kvilo::shell;
using namespace kvilo::platform;
using namespace kvilo::base::literals;
using kvilo::framework::MessageIcon;
using kvilo::framework::RecordingMessagePresenter;
using kvilo::testing::ScopedEnv;
using kvilo::testing::TempDir;

namespace {

// A local data folder that the system cannot name.
class NoLocalDataFolders : public SystemFolders {
public:
    std::string GetFolder(int) override {
        lastResult_ = kErrorFileNotFound;
        return {};
    }
};

class SettingsFile : public ::testing::Test {
protected:
    SettingsFile() : xdg_("XDG_DATA_HOME", (data_ / "share").c_str()) {}
    void TearDown() override {
        SetCommandLine({});
        std::filesystem::current_path(previousWorkingFolder_);
    }
    void RunIn(const std::string& folder) { std::filesystem::current_path(folder); }
    std::string PerUserFile() const { return data_ / "share/Tarvelo/Egrul/lf.dat"; }

    TempDir data_;
    ScopedEnv xdg_;
    RecordingMessagePresenter messages_;
    std::filesystem::path previousWorkingFolder_ = std::filesystem::current_path();
};

} // namespace

TEST_F(SettingsFile, FpathGetsItsSeparatorAdded) {
    TempDir settings;
    SetCommandLine({"FPATH=" + settings.path()});
    EXPECT_EQ(ResolveSettingsFile("Egrul"), settings.path() + "/lf.dat");
    EXPECT_TRUE(messages_.messages.empty());
}

TEST_F(SettingsFile, FpathWithAFinalSeparatorGivesTheSamePath) {
    TempDir settings;
    SetCommandLine({"FPATH=" + settings.path() + "/"});
    EXPECT_EQ(ResolveSettingsFile("Egrul"), settings.path() + "/lf.dat");
    SetCommandLine({"/FPATH=" + settings.path() + "/   "});
    EXPECT_EQ(ResolveSettingsFile("Egrul"), settings.path() + "/lf.dat");
    EXPECT_TRUE(messages_.messages.empty());
}

TEST_F(SettingsFile, MissingFpathWarnsOnceThenUsesThePerUserFolder) {
    std::string missing = data_ / "no-such-folder";
    SetCommandLine({"FPATH=" + missing});
    EXPECT_EQ(ResolveSettingsFile("Egrul"), PerUserFile());
    EXPECT_TRUE(std::filesystem::is_directory(data_ / "share/Tarvelo/Egrul"));
    EXPECT_FALSE(std::filesystem::exists(missing)); // the command-line folder is never created
    ASSERT_EQ(messages_.messages.size(), 1u);
    const auto& message = messages_.messages[0];
    EXPECT_EQ(message.caption, "Внимание !"_ansi);
    EXPECT_EQ(message.icon, MessageIcon::Information);
    EXPECT_EQ(message.buttons, std::vector<std::string>{"Увидел(а)"_ansi});
    EXPECT_EQ(message.text,
              std::string("Нет доступа к папке хранения файлов с настройками форматов списков программы !|"
                          "Проблемная папка: "_ansi) +
                  missing + "/||" +
                  "Для хранения файлов с настройками будет использована рабочая папка ОС Windows.|"_ansi);
}

TEST_F(SettingsFile, WithoutFpathThePerUserFolderIsCreatedWithItsParents) {
    EXPECT_FALSE(std::filesystem::exists(data_ / "share"));
    EXPECT_EQ(ResolveSettingsFile("Egrul"), PerUserFile());
    EXPECT_TRUE(std::filesystem::is_directory(data_ / "share/Tarvelo/Egrul"));
    EXPECT_EQ(ResolveSettingsFile("Egrul"), PerUserFile()); // exists now: same answer
    EXPECT_TRUE(messages_.messages.empty());
}

TEST_F(SettingsFile, AnOverlongPerUserFolderFallsBackToTheWorkingFolderSilently) {
    TempDir work;
    std::string real = std::filesystem::canonical(work.path()).string();
    RunIn(real);
    std::string deep = data_.path() + "/" + std::string(230, 'x');
    ScopedEnv xdg("XDG_DATA_HOME", deep.c_str());
    EXPECT_EQ(ResolveSettingsFile("Egrul"), real + "/lf.dat");
    EXPECT_FALSE(std::filesystem::exists(deep));
    EXPECT_TRUE(messages_.messages.empty());
}

TEST_F(SettingsFile, AnUnnamedLocalDataFolderFallsBackToTheWorkingFolder) {
    TempDir work;
    std::string real = std::filesystem::canonical(work.path()).string();
    RunIn(real);
    NoLocalDataFolders folders;
    EXPECT_EQ(ResolveSettingsFile("Egrul", folders), real + "/lf.dat");
    EXPECT_TRUE(messages_.messages.empty());
}

TEST_F(SettingsFile, AFileInTheWayOfThePerUserFolderFallsBackToTheWorkingFolder) {
    TempDir work;
    std::string real = std::filesystem::canonical(work.path()).string();
    RunIn(real);
    std::filesystem::create_directories(data_ / "share");
    std::ofstream(data_ / "share/Tarvelo") << "not a folder";
    EXPECT_EQ(ResolveSettingsFile("Egrul"), real + "/lf.dat");
}

TEST_F(SettingsFile, CyrillicFpathIs1251Inside) {
    TempDir settings;
    std::filesystem::create_directory(settings / "Настройки");
    SetCommandLine({settings.path() + "/unused", "FPATH=" + settings.path() + "/Настройки"_ansi});
    EXPECT_EQ(ResolveSettingsFile("Egrul"), settings.path() + "/Настройки/lf.dat"_ansi);
    EXPECT_TRUE(messages_.messages.empty());
}
