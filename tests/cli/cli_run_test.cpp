// kvilo-cli run as a program against the fake services over verified HTTPS: its output, its messages and
// its exit status.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "cli_runner.h"
#include "core/lookup/lookup_request.h"
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

    CliResult Cli(std::vector<std::string> arguments, bool withUrls = true, const std::string& environment = {}) {
        std::string words = withUrls ? testsupport::FakeServiceUrlArguments(*server_) : std::string();
        for (const auto& a : arguments)
            words += " " + testsupport::ShellQuoted(a);
        return testsupport::RunCli(words, folder_, environment);
    }

    // Lets the suggestions route answer `body` with `status`.
    void Answer(int status, const std::string& body) {
        ASSERT_TRUE(lookup::testing::LookupControl(
            *server_, "suggest=canned&status=" + std::to_string(status) + "&type=application/json", body));
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

TEST_F(CliRunTest, BatchPrintsRowsInListOrderAndTheMissingLinesAndExitsOne) {
    const std::string list = folder_ + "/list.csv";
    std::ofstream(list, std::ios::binary) << "ИНН;Договор\r\n7716767498;1\r\n7707083894;2\r\n7716767498;3\r\n";
    CliResult run = Cli({"--batch", list});
    EXPECT_EQ(run.status, 1) << run.err;
    ASSERT_TRUE(run.out.starts_with(kHeader));
    EXPECT_EQ(Lines(run.out), 3u); // the heading and the company twice, looked up once
    EXPECT_EQ(server_->Requests(lookup::kFindPartyByIdPath).size(), 1u);
    EXPECT_EQ(run.err, "line 3: 7707083894: контрольное число ИНН не сходится; не проверялся\n"
                       "2 found, 1 not found or not checked\n");
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

TEST_F(CliRunTest, ACodeWithAWrongControlDigitIsSaidAndStillLookedUp) {
    CliResult run = Cli({"7472498432"});
    EXPECT_TRUE(run.err.starts_with("kvilo-cli: Контрольное число ИНН не сходится: проверьте цифры\n")) << run.err;
    EXPECT_EQ(server_->Requests("/suggestions/").size(), 1u);
    EXPECT_EQ(Cli({"7472498431"}).err.find("Контрольное"), std::string::npos);
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

TEST_F(CliRunTest, AnswersThatCannotBeReadAndRefusedCertificatesExitTwo) {
    ASSERT_TRUE(lookup::testing::LookupControl(*server_, "suggest=500"));
    CliResult run = Cli({"заря"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, kHeader);
    EXPECT_EQ(run.err, "У нас проблема ...: Ответ сервиса не удалось прочитать (HTTP 500).\n"
                       "Ответ сервиса не прочитан (HTTP 500)\n");

    ASSERT_TRUE(lookup::testing::LookupControl(*server_, "reset=1"));
    ASSERT_TRUE(server_->AddFault({.mode = "drop", .path = "/suggestions/", .after = 1000}));
    run = Cli({"заря"});
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.err.starts_with("У нас проблема ...: Ответ сервиса не удалось прочитать (HTTP 200).\n")) << run.err;

    run = Cli({"SUGGESTURL=" + server_->HttpsUrl(""), "VERSIONURL=" + server_->HttpsUrl(""), "заря"}, false);
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.err.starts_with("У нас проблема ...: Ошибка запроса SendRequest: 60\n"
                                    " SSL peer certificate or SSH remote key was not OK\n"))
        << run.err;
}

// The program's own limit, 16 MB, against a chunked answer of 17 MB.
TEST_F(CliRunTest, AnAnswerBeyondTheSizeLimitExitsTwo) {
    ASSERT_TRUE(server_->AddFault({.mode = "flood", .path = "/suggestions/", .bytes = 17u << 20, .chunked = true}));
    CliResult run = Cli({"заря"});
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.err.starts_with("У нас проблема ...: Ошибка запроса SendRequest: 63\n Maximum file size exceeded\n"
                                    " Превышен предел размера ответа 16 МБ.\n"))
        << run.err;
}

TEST_F(CliRunTest, ControlCharactersFromTheServiceNeverReachTheTerminal) {
    Answer(200, "{\"suggestions\":[{\"unrestricted_value\":\"ООО \\u001b]0;pwned\\u0007\\u001b[2JРОГА\\u0085\","
                "\"data\":{\"inn\":\"7700000001\",\"address\":{\"unrestricted_value\":\"г Москва\\u007f\\t\\n\"}}}]}");
    CliResult run = Cli({"рога"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.find_first_of("\x1b\x07\x7f"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("ООО  ]0;pwned  [2JРОГА?\t7700000001"), std::string::npos) << run.out;
    run = Cli({"рога", "--json"});
    EXPECT_NE(run.out.find("\"QFName\":\"ООО \\u001b]0;pwned\\u0007\\u001b[2JРОГА?\""), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\"г Москва\\u007f\\u0009\\u000a\""), std::string::npos) << run.out;

    Answer(403, "{\"family\":\"CLIENT_ERROR\\u001b[31m\",\"reason\":\"Forbidden\\u0007\",\"message\":\"x\"}");
    run = Cli({"рога"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err.find_first_of("\x1b\x07"), std::string::npos);
    EXPECT_NE(run.err.find(" Группа : CLIENT_ERROR [31m\n Причина : Forbidden\n"), std::string::npos) << run.err;
}

// The rows come out while the version service still keeps its answer back.
TEST_F(CliRunTest, TheRowsArePrintedBeforeTheActualityQueryEnds) {
    ASSERT_TRUE(server_->AddFault({.mode = "hold", .path = "/api/v2/version"}));
    CliResult run;
    std::thread cli([&] { run = Cli({"СЕВЕРНАЯ ПРИСТАНЬ"}); });
    for (int waited = 0; server_->Requests("/api/v2/version").empty() && waited < 3000; ++waited)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    const std::string early = testsupport::Slurp(folder_ + "/out");
    ASSERT_TRUE(server_->ReleaseHeld());
    cli.join();
    EXPECT_EQ(Lines(early), 5u) << early;
    EXPECT_EQ(run.out, early);
    EXPECT_EQ(run.status, 0);
}

// The fake accepts only the built-in token; a user's own one is refused and named in the answer, masked.
TEST_F(CliRunTest, TheUsersOwnTokenComesFromTheEnvironmentOrTheSettingsStoreNeverFromArguments) {
    const std::string config = folder_ + "/config";
    std::filesystem::create_directories(config + "/Tarvelo");
    std::ofstream(config + "/Tarvelo/EGRUL.conf") << "[DaData]\nToken=stored-token-2\n";
    CliResult run = Cli({"KVILO_TOKEN=argument-token", "заря"}, true,
                        "KVILO_TOKEN=env-token-1 XDG_CONFIG_HOME=" + testsupport::ShellQuoted(config));
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("disabled for token '*** ВАШ КЛЮЧ ДОСТУПА В СЕРВИС ***'"), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("env-token-1"), std::string::npos);
    run = Cli({"заря"}, true, "XDG_CONFIG_HOME=" + testsupport::ShellQuoted(config));
    const auto requests = server_->Requests("/suggestions/");
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].Header("Authorization"), "Token env-token-1");
    EXPECT_EQ(requests[1].Header("Authorization"), "Token stored-token-2");
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
