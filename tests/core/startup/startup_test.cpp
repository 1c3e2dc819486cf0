#include "core/startup/startup.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "base/cp1251.h"
#include "base/dates.h"
#include "core/framework/message_presenter.h"
#include "core/startup/build_info.h"
#include "core/startup/installation_probe.h"
#include "installation_fixture.h"

namespace kvilo::startup {
namespace {

using namespace base::literals;
using framework::RecordingMessagePresenter;

// Records which services start-up called, in order.
class RecordingServices : public StartupServices {
public:
    void InitialiseErrorManager() override { calls.push_back("error manager"); }
    void OpenSettingsStore() override { calls.push_back("open store"); }
    void SetUpListFormatStores() override { calls.push_back("list formats"); }
    void InstallLocaleTexts() override { calls.push_back("locale"); }
    void SetDefaultFonts() override { calls.push_back("fonts"); }
    void InstallStorageErrorTexts() override { calls.push_back("error texts"); }
    std::string ResolveSettingsFile() override {
        calls.push_back("settings file");
        return "/data/Tarvelo/Egrul/lf.dat";
    }
    void RunMainWindow(int32_t buildDate) override {
        calls.push_back("main window");
        shownBuildDate = buildDate;
    }
    void SaveListFormats() override { calls.push_back("save formats"); }
    void CloseSettingsStore() override { calls.push_back("close store"); }

    bool Called(const std::string& name) const { return std::find(calls.begin(), calls.end(), name) != calls.end(); }

    std::vector<std::string> calls;
    int32_t shownBuildDate = 0;
};

const std::vector<std::string> kSetUp = {"error manager", "open store", "list formats", "locale", "fonts"};

class StartupTest : public ::testing::Test {
protected:
    int Run() { return RunProgram(installation, services, reader); }

    InstallationFixture installation;
    RecordingServices services;
    FileVersionInfoReader reader;
    RecordingMessagePresenter messages;
};

TEST_F(StartupTest, AWholeInstallationRunsTheMainWindowWithTheBuildDate) {
    EXPECT_EQ(Run(), 0);
    std::vector<std::string> expected = kSetUp;
    expected.insert(expected.end(), {"error texts", "settings file", "main window", "save formats", "close store"});
    EXPECT_EQ(services.calls, expected);
    EXPECT_EQ(services.shownBuildDate, base::DayNumber(2024, 3, 16));
    EXPECT_EQ(SettingsFilePath(), "/data/Tarvelo/Egrul/lf.dat");
    EXPECT_EQ(installation.coreFolderSeen, installation.Folder().string() + "/");
    EXPECT_TRUE(messages.messages.empty());
}

// After a failed check: the set-up ran, no window, no settings file, no save, and the store is closed.
void ExpectStoppedBeforeAnyWindow(const RecordingServices& services) {
    EXPECT_FALSE(services.Called("settings file"));
    EXPECT_FALSE(services.Called("main window"));
    EXPECT_FALSE(services.Called("save formats"));
    ASSERT_FALSE(services.calls.empty());
    EXPECT_EQ(services.calls.back(), "close store");
}

TEST_F(StartupTest, ACoreLibraryOfAnotherBuildStopsWithTheIntegrityMessage) {
    installation.coreBuild = 4711;
    EXPECT_EQ(Run(), 1);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].caption, "Нарушена целостность программы"_ansi);
    EXPECT_EQ(messages.messages[0].text, "У нас проблема !     ."_ansi);
    EXPECT_EQ(messages.messages[0].buttons, std::vector<std::string>{"  &1. Переустановите программу ! ."_ansi});
    ExpectStoppedBeforeAnyWindow(services);
    EXPECT_FALSE(services.Called("error texts"));
}

TEST_F(StartupTest, AMissingCompanionLibraryIsNamedAndEndsBeforeAnyWindow) {
    std::string missing = installation.LibraryPath(1);
    std::filesystem::remove(missing);
    EXPECT_EQ(Run(), 1);
    ASSERT_EQ(messages.messages.size(), 1u);
    std::string name = std::filesystem::path(missing).filename().string();
    EXPECT_NE(messages.messages[0].text.find("Нет файла: "_ansi + name + "||"), std::string::npos);
    ExpectStoppedBeforeAnyWindow(services);
    EXPECT_FALSE(services.Called("error texts"));
}

TEST_F(StartupTest, AMissingCoreLibraryIsNamedRatherThanTakenForAnotherBuild) {
    std::string missing = installation.LibraryPath(kCoreLibraryRow);
    std::filesystem::remove(missing);
    installation.coreBuild = 0; // what loading a missing library reports
    EXPECT_EQ(Run(), 1);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].caption, "У нас проблема"_ansi);
    std::string name = std::filesystem::path(missing).filename().string();
    EXPECT_NE(messages.messages[0].text.find("Нет файла: "_ansi + name + "||"), std::string::npos);
    ExpectStoppedBeforeAnyWindow(services);
}

TEST_F(StartupTest, AStorageLibraryOfAnotherBuildShowsBothBuilds) {
    std::filesystem::copy_file(installation.OtherBuildLibrary(), installation.LibraryPath(2),
                               std::filesystem::copy_options::overwrite_existing);
    EXPECT_EQ(Run(), 1);
    ASSERT_EQ(messages.messages.size(), 1u);
    const std::string& text = messages.messages[0].text;
    EXPECT_NE(text.find("|Версия: 0x5E0C  ( 24076 )||"_ansi + installation.LibraryPath(2)), std::string::npos);
    EXPECT_NE(text.find("|Версия: 0x1267  ( 4711 )||"_ansi), std::string::npos);
    ExpectStoppedBeforeAnyWindow(services);
}

TEST_F(StartupTest, TheCoreLibraryFileIsCheckedForPresenceOnly) {
    std::filesystem::copy_file(installation.OtherBuildLibrary(), installation.LibraryPath(kCoreLibraryRow),
                               std::filesystem::copy_options::overwrite_existing);
    EXPECT_EQ(Run(), 0);
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(StartupTest, TheFirstMissingSystemLibraryEndsTheCheck) {
    std::filesystem::remove(installation.SystemLibraryPath(0));
    std::filesystem::remove(installation.SystemLibraryPath(2));
    EXPECT_EQ(Run(), 1);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_NE(messages.messages[0].text.find("Нет файла: libc.so.6||"_ansi), std::string::npos);
    ExpectStoppedBeforeAnyWindow(services);
}

TEST_F(StartupTest, AMissingZlibIsNamed) {
    std::filesystem::remove(installation.SystemLibraryPath(3));
    EXPECT_EQ(Run(), 1);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_NE(messages.messages[0].text.find("Нет файла: libz.so.1||"_ansi), std::string::npos);
}

TEST_F(StartupTest, AMissingDataFolderShowsMessageTwoAndResolvesNoSettingsFile) {
    installation.RemoveDataFolder();
    EXPECT_EQ(Run(), 1);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].caption, "Сообщение"_ansi);
    EXPECT_EQ(messages.messages[0].text,
              "Нет доступа к папке с БД программы Kvilo «Запрос выписки из ЕГРЮЛ / ЕГРИП» !"_ansi);
    EXPECT_EQ(messages.messages[0].buttons, std::vector<std::string>{"&1. Закрыть"_ansi});
    EXPECT_TRUE(services.Called("error texts"));
    ExpectStoppedBeforeAnyWindow(services);
}

// The installation this build really made: the program's folder with its own libraries, and the system
// libraries as this test process's loader resolved them.
class BuiltProgram : public RunningInstallation {
public:
    BuiltProgram() : RunningInstallation(kProgramBuild) {}
    std::string ProgramPath() override { return KVILO_PROGRAM_FILE; }
};

TEST(RunningInstallation, TheBuiltProgramPassesTheWholeCheckOnFilesItReallyLoads) {
    BuiltProgram installation;
    std::string folder = std::filesystem::path(KVILO_PROGRAM_FILE).parent_path().string() + "/";
    EXPECT_EQ(installation.CoreBuild(folder), kProgramBuild);
    EXPECT_EQ(installation.CoreBuild("/nonexistent/"), 0u);
    for (const std::string& name : installation.OwnLibraries())
        EXPECT_TRUE(std::filesystem::exists(folder + name)) << name;
    std::vector<std::string> system = installation.SystemLibraries();
    ASSERT_EQ(system.size(), 4u);
    const char* const names[] = {"libc.so", "libcurl.so", "libxlsxwriter.so", "libz.so"};
    for (size_t i = 0; i < system.size(); ++i) {
        EXPECT_TRUE(system[i].starts_with("/")) << system[i];
        EXPECT_TRUE(std::filesystem::path(system[i]).filename().string().starts_with(names[i])) << system[i];
    }

    RecordingServices services;
    RecordingMessagePresenter messages;
    FileVersionInfoReader reader;
    EXPECT_EQ(RunProgram(installation, services, reader), 0);
    EXPECT_TRUE(services.Called("main window"));
    EXPECT_TRUE(messages.messages.empty());
}

} // namespace
} // namespace kvilo::startup
