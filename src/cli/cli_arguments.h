#pragma once
// The command line of kvilo-cli:  [NAME=value ...] QUERY [--type all|legal|individual] [--region N] [--json]
// [--xlsx]
#include <cstdint>
#include <string>
#include <vector>

namespace kvilo::cli {

struct CliArguments {
    std::vector<std::string> parameters; // the NAME=value (or /NAME=value) arguments, as given
    std::string query;                   // as given (UTF-8)
    uint8_t legalForm = 2;               // 0 legal, 1 individual, 2 all
    uint8_t region = 0;
    bool json = false;
    bool xlsx = false; // also export the rows to a workbook in the "RAM" or temporary folder
};

// False with `error` set when the arguments do not follow the usage.
bool ParseCliArguments(const std::vector<std::string>& arguments, CliArguments& parsed, std::string& error);

inline constexpr const char* kCliUsage =
    "usage: kvilo-cli [NAME=value ...] QUERY [--type all|legal|individual] [--region N] [--json] [--xlsx]";

} // namespace kvilo::cli
