#pragma once
// The command line of kvilo-cli:  [NAME=value ...] QUERY [--type all|legal|individual] [--region N] [--json]
// [--xlsx], or for a batch check:  [NAME=value ...] --batch FILE [--xlsx] [--concurrency N]
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
    bool xlsx = false;     // also export the rows to a workbook in the "RAM" or temporary folder
    std::string batchFile; // a list of INN / OGRN codes to check, one a line (UTF-8 path); empty: no batch
    int concurrency = 4;   // lookups at a time of a batch check
};

// False with `error` set when the arguments do not follow the usage.
bool ParseCliArguments(const std::vector<std::string>& arguments, CliArguments& parsed, std::string& error);

inline constexpr const char* kCliUsage =
    "usage: kvilo-cli [NAME=value ...] QUERY [--type all|legal|individual] [--region N] [--json] [--xlsx]\n"
    "       kvilo-cli [NAME=value ...] --batch FILE [--xlsx] [--concurrency N]\n"
    "  --batch FILE  looks up every INN / OGRN of FILE (text or CSV, one code a line); found rows go to\n"
    "                standard output in the order of the file (with --xlsx: one workbook, whose path is\n"
    "                printed), codes not found or not checked to standard error";

} // namespace kvilo::cli
