#include "platform/command_line.h"

#include <gtest/gtest.h>

#include "base/cp1251.h"

using namespace kvilo::platform;
using namespace kvilo::base::literals;

class CommandLine : public ::testing::Test {
protected:
    void TearDown() override { SetCommandLine({}); }
};

TEST_F(CommandLine, BothFormsAreRead) {
    SetCommandLine({"FPATH=/srv/settings", "/RAM=/dev/shm"});
    EXPECT_EQ(CommandParameter("FPATH"), "/srv/settings");
    EXPECT_EQ(CommandParameter("RAM"), "/dev/shm");
}

TEST_F(CommandLine, NamesCompareWithoutCase) {
    SetCommandLine({"fPath=/a"});
    EXPECT_EQ(CommandParameter("FPATH"), "/a");
    EXPECT_EQ(CommandParameter("fpath"), "/a");
}

TEST_F(CommandLine, TheLastOneGivenWins) {
    SetCommandLine({"RAM=/first", "RAM=/second"});
    EXPECT_EQ(CommandParameter("RAM"), "/second");
}

TEST_F(CommandLine, AbsentOrValuelessParametersAreEmpty) {
    SetCommandLine({"FPATH=", "RAM", "/", "=x", "plain"});
    EXPECT_EQ(CommandParameter("FPATH"), "");
    EXPECT_EQ(CommandParameter("RAM"), "");
    EXPECT_EQ(CommandParameter("plain"), "");
    EXPECT_EQ(CommandParameter(""), "");
    EXPECT_EQ(CommandParameter("MISSING"), "");
}

TEST_F(CommandLine, ValueKeepsEverythingAfterTheFirstEqualsSign) {
    SetCommandLine({"SUGGESTURL=http://127.0.0.1:8080/?a=b", "FPATH= /with blanks "});
    EXPECT_EQ(CommandParameter("SUGGESTURL"), "http://127.0.0.1:8080/?a=b");
    EXPECT_EQ(CommandParameter("FPATH"), " /with blanks ");
}

TEST_F(CommandLine, ProcessArgumentsSkipTheProgramNameAndBecome1251) {
    const char* argv[] = {"FPATH=/program-name-is-not-a-parameter", "FPATH=/home/\xD0\x96", nullptr};
    SetCommandLine(2, argv);
    EXPECT_EQ(CommandParameter("FPATH"), "/home/Ж"_ansi);
}
