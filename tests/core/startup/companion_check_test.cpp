#include "core/startup/companion_check.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "base/cp1251.h"
#include "installation_fixture.h"

namespace kvilo::startup {
namespace {

using namespace base::literals;
using framework::RecordingMessagePresenter;

constexpr uint32_t kBuild4711 = 0x00011267; // low 16 bits 4711, upper bits set

class CompanionCheckTest : public ::testing::Test {
protected:
    InstallationFixture installation;
    FileVersionInfoReader reader;
    RecordingMessagePresenter messages;
    CompanionCheck check{installation.ProgramPath(), reader};
};

TEST_F(CompanionCheckTest, ALibraryOfTheProgramsBuildPasses) {
    EXPECT_FALSE(check.CheckCompanionFile(installation.LibraryPath(0), kProgramBuild, false));
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(CompanionCheckTest, AMissingLibraryIsNamedWithTheProgramsFullPath) {
    std::filesystem::remove(installation.LibraryPath(3));
    EXPECT_TRUE(check.CheckCompanionFile(installation.LibraryPath(3), 0, false));
    ASSERT_EQ(messages.messages.size(), 1u);
    const framework::Message& shown = messages.messages[0];
    std::string name = std::filesystem::path(installation.LibraryPath(3)).filename().string();
    EXPECT_EQ(shown.caption, "У нас проблема"_ansi);
    EXPECT_EQ(shown.text, "Нарушена целостность файлов программы !||В папке из которой запущена программа:|"_ansi +
                              installation.ProgramPath() + "||" + "Нет файла: "_ansi + name + "||" +
                              "Выполните пожалуйста переустановку программы.|"_ansi);
    EXPECT_EQ(shown.buttons, std::vector<std::string>{"&1. Закрыть"_ansi});
    EXPECT_EQ(shown.icon, framework::MessageIcon::Information);
}

TEST_F(CompanionCheckTest, ALibraryOfAnotherBuildShowsBothBuilds) {
    std::filesystem::copy_file(installation.OtherBuildLibrary(), installation.LibraryPath(0),
                               std::filesystem::copy_options::overwrite_existing);
    EXPECT_TRUE(check.CheckCompanionFile(installation.LibraryPath(0), 24076, false));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].caption, "У нас проблема"_ansi);
    EXPECT_EQ(messages.messages[0].text,
              "Нарушена целостность библиотек программы !|Различные версии сборки EXE и DLL файлов программы.||"_ansi +
                  installation.ProgramPath() + "|Версия: 0x5E0C  ( 24076 )||"_ansi + installation.LibraryPath(0) +
                  "|Версия: 0x1267  ( 4711 )||"_ansi + "Выполните пожалуйста переустановку программы.|"_ansi);
}

TEST_F(CompanionCheckTest, OnlyTheBuildComponentIsCompared) {
    // The fixture library is version 3.5.1.4711: the program build 0x00011267 has the same low 16 bits.
    EXPECT_FALSE(check.CheckCompanionFile(installation.OtherBuildLibrary(), kBuild4711, false));
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(CompanionCheckTest, TheExpectedBuildIsShownInFullInDecimal) {
    EXPECT_TRUE(check.CheckCompanionFile(installation.LibraryPath(1), kBuild4711, false));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_NE(messages.messages[0].text.find("|Версия: 0x1267  ( 70247 )||"_ansi), std::string::npos);
}

TEST_F(CompanionCheckTest, ALibraryWithoutVersionInformationPassesWhenPresent) {
    auto plain = installation.Folder() / "plain.so";
    std::ofstream(plain) << "no version information";
    EXPECT_FALSE(check.CheckCompanionFile(plain.string(), kProgramBuild, false));
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(CompanionCheckTest, ABuildOfZeroOrLessChecksPresenceOnly) {
    EXPECT_FALSE(check.CheckCompanionFile(installation.OtherBuildLibrary(), 0, false));
    EXPECT_FALSE(check.CheckCompanionFile(installation.OtherBuildLibrary(), -5, false));
    EXPECT_TRUE(messages.messages.empty());
}

// Version information whose size is known but that cannot then be read.
class UnreadableReader : public VersionInfoReader {
public:
    uint32_t Size(std::string_view) override { return 92; }
    bool Read(std::string_view, uint32_t, std::vector<uint8_t>&) override { return false; }
};

TEST(CompanionCheckUnreadable, PassesSilentlyUnlessReportingIsAsked) {
    InstallationFixture installation;
    UnreadableReader reader;
    RecordingMessagePresenter messages;
    CompanionCheck check(installation.ProgramPath(), reader);
    EXPECT_FALSE(check.CheckCompanionFile(installation.LibraryPath(0), kProgramBuild, false));
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_FALSE(check.CheckCompanionFile(installation.LibraryPath(0), kProgramBuild, true));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].caption, "У нас проблема"_ansi);
    EXPECT_EQ(messages.messages[0].text, "Ошибка WinGetFileVersionInfo !");
}

// Version information that is not a well-formed root block passes: only a readable build can differ.
class MalformedReader : public VersionInfoReader {
public:
    explicit MalformedReader(base::VersionResource resource) : resource_(resource) {}
    uint32_t Size(std::string_view) override { return sizeof resource_; }
    bool Read(std::string_view, uint32_t, std::vector<uint8_t>& info) override {
        const auto* bytes = reinterpret_cast<const uint8_t*>(&resource_);
        info.assign(bytes, bytes + sizeof resource_);
        return true;
    }

private:
    base::VersionResource resource_;
};

TEST(CompanionCheckMalformed, AWrongSignatureOrLengthPasses) {
    InstallationFixture installation;
    RecordingMessagePresenter messages;
    base::VersionResource badSignature = base::MakeVersionResource(1, 0, 0, 1);
    badSignature.value.signature = 0xFEEF04BC;
    MalformedReader signatureReader(badSignature);
    EXPECT_FALSE(CompanionCheck(installation.ProgramPath(), signatureReader)
                     .CheckCompanionFile(installation.LibraryPath(0), kProgramBuild, true));
    base::VersionResource shortBlock = base::MakeVersionResource(1, 0, 0, 1);
    shortBlock.valueLength = 48;
    MalformedReader lengthReader(shortBlock);
    EXPECT_FALSE(CompanionCheck(installation.ProgramPath(), lengthReader)
                     .CheckCompanionFile(installation.LibraryPath(0), kProgramBuild, true));
    EXPECT_TRUE(messages.messages.empty());
}

TEST(BuildHex, KeepsTheLastFourOfEightUpperCaseDigits) {
    EXPECT_EQ(BuildHex(0x00011267), "1267");
    EXPECT_EQ(BuildHex(0xABCDEF01), "EF01");
    EXPECT_EQ(BuildHex(10), "000A");
}

} // namespace
} // namespace kvilo::startup
