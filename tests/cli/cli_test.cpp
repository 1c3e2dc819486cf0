// kvilo-cli's command line and what it writes.
#include <gtest/gtest.h>

#include "base/cp1251.h"
#include "base/dates.h"
#include "cli/cli_arguments.h"
#include "cli/cli_output.h"

namespace kvilo::cli {
namespace {

using namespace base::literals;

TEST(CliArguments, ParametersQueryAndOptions) {
    CliArguments a;
    std::string error;
    ASSERT_TRUE(ParseCliArguments(
        {"SUGGESTURL=https://127.0.0.1:1", "/VERSIONURL=x", "ЗАРЯ", "--type", "legal", "--region", "5", "--json"}, a,
        error));
    EXPECT_EQ(a.parameters, (std::vector<std::string>{"SUGGESTURL=https://127.0.0.1:1", "/VERSIONURL=x"}));
    EXPECT_EQ(a.query, "ЗАРЯ");
    EXPECT_EQ(a.legalForm, 0);
    EXPECT_EQ(a.region, 5);
    EXPECT_TRUE(a.json);
}

TEST(CliArguments, DefaultsAndAQueryThatLooksLikeAParameterAfterTheQuery) {
    CliArguments a;
    std::string error;
    ASSERT_TRUE(ParseCliArguments({"--type", "individual", "7707083893"}, a, error));
    EXPECT_EQ(a.legalForm, 1);
    EXPECT_EQ(a.region, 0);
    EXPECT_FALSE(a.json);
    ASSERT_TRUE(ParseCliArguments({"A & B"}, a, error));
    EXPECT_EQ(a.legalForm, 2);
    EXPECT_EQ(a.query, "A & B");
    ASSERT_TRUE(ParseCliArguments({"query", "--type", "all"}, a, error));
    EXPECT_EQ(a.legalForm, 2);
}

TEST(CliArguments, Rejections) {
    CliArguments a;
    std::string error;
    EXPECT_FALSE(ParseCliArguments({}, a, error));
    EXPECT_FALSE(ParseCliArguments({"SUGGESTURL=x"}, a, error));
    EXPECT_FALSE(ParseCliArguments({"q", "--type", "both"}, a, error));
    EXPECT_FALSE(ParseCliArguments({"q", "--type"}, a, error));
    EXPECT_FALSE(ParseCliArguments({"q", "--region", "100"}, a, error));
    EXPECT_FALSE(ParseCliArguments({"q", "--region", "-1"}, a, error));
    EXPECT_FALSE(ParseCliArguments({"q", "--region", "7x"}, a, error));
    EXPECT_FALSE(ParseCliArguments({"q", "--verbose"}, a, error));
    EXPECT_FALSE(ParseCliArguments({"q", "r"}, a, error));
    EXPECT_EQ(error, "more than one query");
    EXPECT_FALSE(ParseCliArguments({"--batch"}, a, error));
    EXPECT_FALSE(ParseCliArguments({"q", "--batch", "list.txt"}, a, error));
    EXPECT_EQ(error, "--batch takes no query");
    EXPECT_FALSE(ParseCliArguments({"--batch", "list.txt", "--concurrency", "0"}, a, error));
    EXPECT_FALSE(ParseCliArguments({"--batch", "list.txt", "--concurrency", "17"}, a, error));
}

TEST(CliArguments, BatchTakesAFileAndNoQuery) {
    CliArguments a;
    std::string error;
    ASSERT_TRUE(ParseCliArguments({"CAFILE=c.pem", "--batch", "list.txt", "--xlsx", "--concurrency", "8"}, a, error));
    EXPECT_EQ(a.batchFile, "list.txt");
    EXPECT_TRUE(a.xlsx);
    EXPECT_EQ(a.concurrency, 8);
    EXPECT_EQ(a.parameters, std::vector<std::string>{"CAFILE=c.pem"});
}

lookup::PartyRow SampleRow() {
    lookup::PartyRow row;
    row.QFName = "ООО \"ЗАРЯ\"\tфилиал"_ansi;
    row.QFInn = "7701234567";
    row.QFLiZo = "Ю"_ansi;
    row.QFRegDate = base::DayNumber(2002, 8, 16);
    row.QFStatus = "действующая"_ansi;
    row.QFBCount = 3;
    row.QFLat = "55.75";
    return row;
}

TEST(CliOutput, TsvHasAHeaderAndOneLinePerRow) {
    lookup::PartyRow empty;
    std::string tsv = RowsAsTsv({SampleRow(), empty});
    EXPECT_EQ(tsv, "QFName\tQFInn\tQFKpp\tQFOgrn\tQFLiZo\tQFAddress\tQFActDate\tQFRegDate\tQFLiqDate\tQFStatus\tQFDir\t"
                   "QFDol\tQFBCount\tQFBType\tQFOkved\tQFOkpo\tQFLat\tQFLon\n"
                   "ООО \"ЗАРЯ\" филиал\t7701234567\t\t\tЮ\t\t\t16.08.2002\t\tдействующая\t\t\t3\t\t\t\t55.75\t\n"
                   "\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\n");
}

TEST(CliOutput, JsonArrayOfObjectsKeyedByFieldName) {
    std::string json = RowsAsJson({SampleRow()});
    EXPECT_TRUE(json.starts_with("[\n{\"QFName\":\"ООО \\\"ЗАРЯ\\\"\\u0009филиал\",\"QFInn\":\"7701234567\","));
    EXPECT_NE(json.find("\"QFRegDate\":\"16.08.2002\",\"QFLiqDate\":\"\""), std::string::npos);
    EXPECT_NE(json.find("\"QFBCount\":\"3\""), std::string::npos);
    EXPECT_TRUE(json.ends_with("\"QFLon\":\"\"}\n]\n"));
    EXPECT_EQ(RowsAsJson({}), "[]\n");
}

TEST(CliOutput, MessageAsCaptionAndLines) {
    framework::Message m;
    m.caption = "У нас проблема ..."_ansi;
    m.text = "Ошибка запроса SendRequest: 7| Couldn't connect"_ansi;
    EXPECT_EQ(MessageAsText(m), "У нас проблема ...: Ошибка запроса SendRequest: 7\n Couldn't connect\n");
}

} // namespace
} // namespace kvilo::cli
