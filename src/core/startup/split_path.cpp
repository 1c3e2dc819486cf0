#include "core/startup/split_path.h"

#include "base/blank_text.h"
#include "platform/special_folders.h"

namespace kvilo::startup {
namespace {

bool IsSeparator(char c) {
    return c == platform::kPathSeparator || c == '\\';
}

} // namespace

std::string SplitPath(std::string_view path, int part) {
    path = base::Trim(path);
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
    return std::string(base::RightTrim(result));
}

} // namespace kvilo::startup
