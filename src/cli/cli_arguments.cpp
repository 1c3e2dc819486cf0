#include "cli/cli_arguments.h"

#include <cctype>
#include <charconv>

namespace kvilo::cli {

namespace {

// NAME=value before the query: a name of letters, digits and "_", optionally after "/".
bool IsNamedParameter(const std::string& argument) {
    size_t start = argument.starts_with("/") ? 1 : 0;
    size_t equals = argument.find('=');
    if (equals == std::string::npos || equals == start) return false;
    for (size_t i = start; i < equals; ++i) {
        auto c = static_cast<unsigned char>(argument[i]);
        if (!std::isalnum(c) && c != '_') return false;
    }
    return true;
}

bool ParseType(const std::string& value, uint8_t& legalForm) {
    if (value == "legal")
        legalForm = 0;
    else if (value == "individual")
        legalForm = 1;
    else if (value == "all")
        legalForm = 2;
    else
        return false;
    return true;
}

// The window offers the regions 1 to 99 and 0 for all of them.
bool ParseRegion(const std::string& value, uint8_t& region) {
    unsigned number = 0;
    auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
    if (error != std::errc() || end != value.data() + value.size() || number > 99) return false;
    region = static_cast<uint8_t>(number);
    return true;
}

// A batch check runs 1 to 16 lookups at a time: more would only meet the service's rate limit sooner.
bool ParseConcurrency(const std::string& value, int& concurrency) {
    int number = 0;
    auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
    if (error != std::errc() || end != value.data() + value.size() || number < 1 || number > 16) return false;
    concurrency = number;
    return true;
}

} // namespace

bool ParseCliArguments(const std::vector<std::string>& arguments, CliArguments& parsed, std::string& error) {
    parsed = CliArguments{};
    bool haveQuery = false;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        bool hasValue = i + 1 < arguments.size();
        if (a == "--json") {
            parsed.json = true;
        } else if (a == "--xlsx") {
            parsed.xlsx = true;
        } else if (a == "--batch") {
            if (!hasValue) {
                error = "--batch takes a file name";
                return false;
            }
            parsed.batchFile = arguments[++i];
        } else if (a == "--concurrency") {
            if (!hasValue || !ParseConcurrency(arguments[++i], parsed.concurrency)) {
                error = "--concurrency takes a number from 1 to 16";
                return false;
            }
        } else if (a == "--type") {
            if (!hasValue || !ParseType(arguments[++i], parsed.legalForm)) {
                error = "--type takes all, legal or individual";
                return false;
            }
        } else if (a == "--region") {
            if (!hasValue || !ParseRegion(arguments[++i], parsed.region)) {
                error = "--region takes a region code from 0 to 99";
                return false;
            }
        } else if (a.starts_with("--")) {
            error = "unknown option " + a;
            return false;
        } else if (!haveQuery && IsNamedParameter(a)) {
            parsed.parameters.push_back(a);
        } else if (!haveQuery) {
            parsed.query = a;
            haveQuery = true;
        } else {
            error = "more than one query";
            return false;
        }
    }
    if (!parsed.batchFile.empty()) {
        if (!haveQuery) return true;
        error = "--batch takes no query";
        return false;
    }
    if (!haveQuery) {
        error = "no query";
        return false;
    }
    return true;
}

} // namespace kvilo::cli
