#include "platform/command_line.h"

#include <mutex>

#include "base/code_page.h"
#include "platform/os_text.h"

namespace kvilo::platform {
namespace {

std::mutex gMutex;
std::vector<std::string> gArguments;

} // namespace

void SetCommandLine(int argc, const char* const* argv) {
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i)
        if (argv[i] != nullptr) arguments.push_back(FromOsText(argv[i]));
    SetCommandLine(std::move(arguments));
}

void SetCommandLine(std::vector<std::string> arguments) {
    std::lock_guard lock(gMutex);
    gArguments = std::move(arguments);
}

std::string CommandParameter(std::string_view name) {
    std::lock_guard lock(gMutex);
    std::string value;
    for (const std::string& argument : gArguments) {
        std::string_view text = argument;
        if (!text.empty() && text.front() == '/') text.remove_prefix(1);
        auto equals = text.find('=');
        // An argument without "=" is not a named parameter and is ignored.
        if (equals == std::string_view::npos) continue;
        if (base::EqualNoCase(text.substr(0, equals), name) && !text.substr(0, equals).empty())
            value = std::string(text.substr(equals + 1));
    }
    return value;
}

} // namespace kvilo::platform
