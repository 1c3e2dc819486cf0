#include "app/split_path.h"

#include "platform/special_folders.h"

namespace kvilo::app {
namespace {

std::string_view Trimmed(std::string_view text) {
    size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::string_view TrailingTrimmed(std::string_view text) {
    size_t last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string_view{} : text.substr(0, last + 1);
}

bool IsSeparator(char c) {
    return c == platform::kPathSeparator || c == '\\';
}

} // namespace

std::string SplitPath(std::string_view path, int part) {
    path = Trimmed(path);
    size_t driveLength = path.size() >= 2 && path[1] == ':' ? 2 : 0;
    size_t nameStart = driveLength;
    for (size_t i = driveLength; i < path.size(); ++i)
        if (IsSeparator(path[i])) nameStart = i + 1;
    std::string_view name = path.substr(nameStart);
    size_t dot = name.rfind('.');
    if (dot == std::string_view::npos) dot = name.size();
    std::string_view result;
    switch (part) {
    case 1:
        result = path.substr(0, driveLength);
        break;
    case 2:
        result = path.substr(driveLength, nameStart - driveLength);
        break;
    case 3:
        result = name.substr(0, dot);
        break;
    default:
        result = name.substr(dot);
        break;
    }
    return std::string(TrailingTrimmed(result));
}

} // namespace kvilo::app
