// kvilo-cli --xlsx run as a program against the fake services: the export after the lookup, in the folder
// "RAM" names, with the workbook's path as the last line of standard output.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "cli_runner.h"
#include "lookup_services_test.h"
#include "workbook_reader.h"

namespace {

using kvilo::testsupport::CliResult;
using kvilo::xlsx::testing::ReadBack;
using kvilo::xlsx::testing::ScratchFolder;
using kvilo::xlsx::testing::WorkbookDump;

std::string LastLine(const std::string& text) {
    std::string trimmed = text.ends_with('\n') ? text.substr(0, text.size() - 1) : text;
    size_t newline = trimmed.rfind('\n');
    return newline == std::string::npos ? trimmed : trimmed.substr(newline + 1);
}

size_t FilesIn(const std::string& folder) {
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

class CliXlsxTest : public kvilo::lookup::testing::LookupServicesTest {
protected:
    void SetUp() override {
        LookupServicesTest::SetUp();
        if (HasFatalFailure()) return;
        folder_ = ScratchFolder(::testing::UnitTest::GetInstance()->current_test_info()->name());
        ram_ = ScratchFolder(std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "-ram");
    }

    // Runs kvilo-cli with the fake services' addresses, RAM=`ram` and `arguments` (already quoted).
    CliResult Cli(const std::string& ram, const std::string& arguments) {
        return kvilo::testsupport::RunCli(kvilo::testsupport::FakeServiceUrlArguments(*server_) + " " +
                                              kvilo::testsupport::ShellQuoted("RAM=" + ram) + " " + arguments,
                                          folder_);
    }

    std::string folder_;
    std::string ram_;
};

TEST_F(CliXlsxTest, WritesTheRowsAndPrintsThePathLast) {
    CliResult run = Cli(ram_, "'СЕВЕРНАЯ ПРИСТАНЬ' --xlsx");
    EXPECT_EQ(run.status, 0) << run.err;
    const std::string path = LastLine(run.out);
    EXPECT_EQ(std::filesystem::path(path).parent_path(), std::filesystem::path(ram_)) << run.out;
    EXPECT_EQ(std::filesystem::path(path).extension(), ".xlsx");
    EXPECT_EQ(FilesIn(ram_), 1u);
    // The rows still come first, as without --xlsx: the header line and four rows, then the path.
    EXPECT_TRUE(run.out.starts_with("QFName\t")) << run.out;
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 6);
    const WorkbookDump dump = ReadBack(path);
    ASSERT_TRUE(dump.readable) << dump.text;
    EXPECT_NE(dump.Cell("A5").find("value='АО КБ \"СЕВЕРНАЯ ПРИСТАНЬ\"' "), std::string::npos) << dump.Cell("A5");
    EXPECT_NE(dump.Cell("H5").find("value=datetime.datetime(2002, 8, 16, 0, 0) fmt='DD.MM.YYYY'"), std::string::npos)
        << dump.Cell("H5");
    EXPECT_NE(dump.Cell("A10").find("value='ИТОГО' "), std::string::npos) << dump.text;
    EXPECT_NE(dump.Cell("B10").find("type=n value=4 "), std::string::npos) << dump.Cell("B10");
}

TEST_F(CliXlsxTest, NoRowsNoWorkbook) {
    CliResult run = Cli(ram_, "'ничего такого нет' --xlsx");
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_EQ(FilesIn(ram_), 0u);
    EXPECT_EQ(run.out.find(".xlsx"), std::string::npos) << run.out;
}

TEST_F(CliXlsxTest, AnUnwritableFolderIsReportedAndFails) {
    CliResult run = Cli("/proc", "'СЕВЕРНАЯ ПРИСТАНЬ' --xlsx");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("Отсутствует файл XLSX для выполнения операции !"), std::string::npos) << run.err;
    EXPECT_EQ(run.out.find(".xlsx"), std::string::npos) << run.out;
}

TEST_F(CliXlsxTest, WithoutTheOptionNothingIsExported) {
    CliResult run = Cli(ram_, "'СЕВЕРНАЯ ПРИСТАНЬ'");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(FilesIn(ram_), 0u);
}

} // namespace
