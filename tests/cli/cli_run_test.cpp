// kvilo-cli run as a program against the fake services over HTTPS: its output, its messages and its exit
// status.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli_runner.h"
#include "lookup_services_test.h"

namespace kvilo::cli {
namespace {

using testsupport::CliResult;

size_t Lines(const std::string& text) {
    return static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
}

class CliRunTest : public lookup::testing::LookupServicesTest {
protected:
    void SetUp() override {
        LookupServicesTest::SetUp();
        if (HasFatalFailure()) return;
        folder_ = std::string(KVILO_BINARY_DIR) + "/temp/cli_run_test/" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::filesystem::create_directories(folder_);
    }

    CliResult Cli(std::vector<std::string> arguments, bool withUrls = true) {
        std::string words = withUrls ? testsupport::FakeServiceUrlArguments(*server_) : std::string();
        for (const auto& a : arguments)
            words += " " + testsupport::ShellQuoted(a);
        return testsupport::RunCli(words, folder_);
    }

    std::string folder_;
};

const char* const kHeader = "QFName\tQFInn\tQFKpp\tQFOgrn\tQFLiZo\tQFAddress\tQFActDate\tQFRegDate\tQFLiqDate\t"
                            "QFStatus\tQFDir\tQFDol\tQFBCount\tQFBType\tQFOkved\tQFOkpo\tQFLat\tQFLon\n";

TEST_F(CliRunTest, RowsFoundGiveTsvAndExitZero) {
    CliResult run = Cli({"СЕВЕРНАЯ ПРИСТАНЬ"});
    EXPECT_EQ(run.status, 0) << run.err;
    ASSERT_TRUE(run.out.starts_with(kHeader));
    EXPECT_EQ(Lines(run.out), 5u);
    std::string first = run.out.substr(std::string(kHeader).size());
    first = first.substr(0, first.find('\n'));
    std::vector<std::string> fields;
    std::stringstream split(first);
    for (std::string f; std::getline(split, f, '\t');)
        fields.push_back(f);
    fields.resize(18);
    EXPECT_EQ(fields[0], "АО КБ \"СЕВЕРНАЯ ПРИСТАНЬ\"");
    EXPECT_EQ(fields[4], "Ю");
    EXPECT_EQ(fields[7], "16.08.2002");
    EXPECT_EQ(fields[8], "");
    EXPECT_EQ(fields[9], "действующая");
    EXPECT_EQ(fields[12], "3");
    EXPECT_EQ(fields[13], "головной");
    EXPECT_EQ(run.err, "Актуальность: 01.06.2024 г., Найдено: 4\n");
}

TEST_F(CliRunTest, FiltersAndJson) {
    CliResult run = Cli({"заря", "--type", "individual", "--region", "16", "--json"});
    EXPECT_EQ(run.status, 0) << run.err;
    ASSERT_TRUE(run.out.starts_with("[\n{\"QFName\":\"ИП ")) << run.out;
    EXPECT_NE(run.out.find("\"QFLiZo\":\"Ф\""), std::string::npos);
    EXPECT_NE(run.out.find("\"QFBCount\":\"\""), std::string::npos);
    EXPECT_TRUE(run.out.ends_with("}\n]\n"));
    auto requests = server_->Requests("/suggestions/");
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].body, "<req><query>заря</query><count>20</count><type>INDIVIDUAL</type>"
                                "<locations><kladr_id>16</kladr_id></locations></req>");
}

TEST_F(CliRunTest, NothingFoundShowsTheMessageAndExitsOne) {
    CliResult run = Cli({"несуществующее"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, kHeader);
    EXPECT_EQ(run.err, "Сообщение:  По запросу: несуществующее в справочнике ЕГРЮЛ / ЕГРИП нет информации !\n"
                       "Нет данных по запросу\n");
}

TEST_F(CliRunTest, ServiceErrorsAndRefusedConnectionsExitTwo) {
    ASSERT_TRUE(lookup::testing::LookupControl(*server_, "suggest=403"));
    CliResult run = Cli({"заря"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "У нас проблема ...:  В ответ на Ваш запрос в справочник ЕГРЮЛ / ЕГРИП получена ошибка.\n\n"
                       " Группа : CLIENT_ERROR\n Причина : Forbidden\n"
                       " Текст : Feature 'SUGGESTIONS' disabled for token '*** ВАШ КЛЮЧ ДОСТУПА В СЕРВИС ***'\n\n"
                       "Нет данных по запросу\n");

    ASSERT_TRUE(lookup::testing::LookupControl(*server_, "reset=1"));
    std::string closed = "https://127.0.0.1:" + std::to_string(lookup::testing::ClosedPort());
    run = Cli({"SUGGESTURL=" + closed, "VERSIONURL=" + closed, "заря"}, false);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, kHeader);
    EXPECT_TRUE(run.err.starts_with("У нас проблема ...: Ошибка запроса SendRequest: 7\n ")) << run.err;
    EXPECT_TRUE(run.err.ends_with("Нет данных по запросу\n"));
}

TEST_F(CliRunTest, BlankQueryAndBadArgumentsSendNothing) {
    CliResult run = Cli({"   "});
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.out.empty());
    run = Cli({"заря", "--region", "x"});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("usage: kvilo-cli"), std::string::npos);
    EXPECT_TRUE(server_->Requests().empty());
}

} // namespace
} // namespace kvilo::cli
