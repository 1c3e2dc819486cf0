// The catalogue and the substitution of failure details into its texts.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "base/cp1251.h"
#include "core/framework/error_manager_catalogue.h"
#include "core/framework/error_manager_text.h"

namespace kvilo::framework {
namespace {

using namespace base::literals;

TEST(ErrorCatalogue, HoldsFiftySixUniqueEntriesInStoredOrder) {
    auto catalogue = ErrorCatalogue();
    ASSERT_EQ(catalogue.size(), 56u);
    std::set<uint16_t> ids;
    for (const ErrorEntry& entry : catalogue)
        ids.insert(entry.id);
    EXPECT_EQ(ids.size(), 56u);
    EXPECT_EQ(catalogue.front().id, 33);
    EXPECT_EQ(catalogue[39].id, 45);
    EXPECT_EQ(catalogue.back().id, 17);
}

TEST(ErrorCatalogue, LevelsAreAsCatalogued) {
    std::map<int, int> perLevel;
    for (const ErrorEntry& entry : ErrorCatalogue())
        ++perLevel[entry.level];
    EXPECT_EQ(perLevel[kLevelUser], 9);
    EXPECT_EQ(perLevel[kLevelProgram], 1);
    EXPECT_EQ(perLevel[kLevelFatal], 9);
    EXPECT_EQ(perLevel[kLevelNotification], 37);
    EXPECT_EQ(FindErrorEntry(45)->level, kLevelProgram);
    EXPECT_EQ(FindErrorEntry(10)->level, kLevelUser);
}

TEST(ErrorCatalogue, TextsAreWindows1251WithinTheirWidths) {
    for (const ErrorEntry& entry : ErrorCatalogue()) {
        std::string title = entry.title, text = entry.text;
        EXPECT_LE(title.size(), 255u) << entry.id;
        EXPECT_LE(text.size(), 255u) << entry.id;
        EXPECT_FALSE(title.empty()) << entry.id;
        EXPECT_EQ(std::string(text).find('\xD0'), std::string::npos) << "UTF-8 left in " << entry.id;
    }
    EXPECT_STREQ(FindErrorEntry(43)->title, "Ошибка \"Конец Файла\""_ansi);
    EXPECT_STREQ(
        FindErrorEntry(26)->text,
        "Повреждена структура файла %File.|Ошибка: %ErrorCode - %Error|FileError: %FileErrorCode - %FileError|"_ansi);
    EXPECT_EQ(FindErrorEntry(999), nullptr);
}

ErrorDetails SampleDetails() {
    ErrorDetails details;
    details.errorFile = "lf.dat";
    details.fileErrorCode = "19";
    details.fileErrorText = "disk I/O error";
    details.file = "BrwFormat";
    details.key = "BRW:Key";
    details.errorCode = 5;
    details.errorText = "Нет доступа"_ansi;
    details.message = "msg";
    details.field = "BRW:Name";
    details.category = "cat";
    return details;
}

TEST(ErrorSubstitution, ReplacesEveryPlaceholderEverywhere) {
    std::string text = SubstituteErrorText(
        "%ErrorFile/%FileErrorCode/%FileError/%File/%Key/%ErrorCode/%ErrorText/%Error/%Message/%Field/"
        "%Procedure/%Category/%Previous/%File",
        SampleDetails(), "Browse_EGRUL", "before");
    EXPECT_EQ(text, "lf.dat/19/disk I/O error/BrwFormat/BRW:Key/5/Нет доступа (5)/Нет доступа/msg/BRW:Name/"
                    "Browse_EGRUL/cat/before/BrwFormat"_ansi);
}

TEST(ErrorSubstitution, LongerNamesAreNotBrokenByTheirShorterBeginnings) {
    ErrorDetails details = SampleDetails();
    EXPECT_EQ(SubstituteErrorText("FileError: %FileErrorCode - %FileError", details, "", ""),
              "FileError: 19 - disk I/O error");
    EXPECT_EQ(SubstituteErrorText("%ErrorCode %Error", details, "", ""), "5 Нет доступа"_ansi);
}

TEST(ErrorSubstitution, DriverCodesShowTheDriversOwnError) {
    ErrorDetails details = SampleDetails();
    for (int32_t code : {90, 100, 47}) {
        details.errorCode = code;
        EXPECT_EQ(ErrorTextPlaceholder(details), "disk I/O error (19)") << code;
    }
    details.errorCode = 35;
    details.errorText = "Запись не найдена"_ansi;
    EXPECT_EQ(ErrorTextPlaceholder(details), "Запись не найдена (35)"_ansi);
}

TEST(ErrorSubstitution, SubstitutedValuesAreNotScannedAgain) {
    ErrorDetails details = SampleDetails();
    details.message = "100%Field %File";
    details.file = "%Key";
    EXPECT_EQ(SubstituteErrorText("[%Message] [%File]", details, "", ""), "[100%Field %File] [%Key]");
}

TEST(ErrorSubstitution, UnknownPlaceholdersAndLonePercentsStay) {
    EXPECT_EQ(SubstituteErrorText("50% %Foo %", SampleDetails(), "", ""), "50% %Foo %");
}

TEST(ErrorSubstitution, ResultIsCutToTheWorkBuffer) {
    ErrorDetails details = SampleDetails();
    details.field = std::string(1024, 'f');
    details.message = std::string(1024, 'm');
    std::string text = SubstituteErrorText("%Field%Message", details, "", "");
    EXPECT_EQ(text.size(), kWorkBufferWidth);
    EXPECT_EQ(text.back(), 'm');
}

TEST(ErrorDetailText, DropsTrailingBlanksAndKeepsTheWidth) {
    EXPECT_EQ(DetailText("name   ", 10), "name");
    EXPECT_EQ(DetailText("  lead", 10), "  lead");
    EXPECT_EQ(DetailText("abc   def", 4), "abc");
    EXPECT_EQ(DetailText("      ", 4), "");
}

} // namespace
} // namespace kvilo::framework
