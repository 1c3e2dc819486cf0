#include "core/framework/error_manager_text.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "base/blank_text.h"
#include "core/framework/error_manager_runtime.h"

namespace kvilo::framework {

namespace {

enum class Placeholder {
    ErrorFile,
    FileErrorCode,
    FileError,
    File,
    Key,
    ErrorCode,
    ErrorText,
    Error,
    Message,
    Field,
    Procedure,
    Category,
    Previous,
};

struct PlaceholderName {
    std::string_view name;
    Placeholder which;
};

// The order decides which name wins where one begins with another.
constexpr std::array<PlaceholderName, 13> kPlaceholders = {{
    {"%ErrorFile", Placeholder::ErrorFile},
    {"%FileErrorCode", Placeholder::FileErrorCode},
    {"%FileError", Placeholder::FileError},
    {"%File", Placeholder::File},
    {"%Key", Placeholder::Key},
    {"%ErrorCode", Placeholder::ErrorCode},
    {"%ErrorText", Placeholder::ErrorText},
    {"%Error", Placeholder::Error},
    {"%Message", Placeholder::Message},
    {"%Field", Placeholder::Field},
    {"%Procedure", Placeholder::Procedure},
    {"%Category", Placeholder::Category},
    {"%Previous", Placeholder::Previous},
}};

std::string PlaceholderValue(Placeholder which, const ErrorDetails& details, std::string_view procedure,
                             std::string_view previous) {
    switch (which) {
    case Placeholder::ErrorFile:
        return details.errorFile;
    case Placeholder::FileErrorCode:
        return details.fileErrorCode;
    case Placeholder::FileError:
        return details.fileErrorText;
    case Placeholder::File:
        return details.file;
    case Placeholder::Key:
        return details.key;
    case Placeholder::ErrorCode:
        return std::to_string(details.errorCode);
    case Placeholder::ErrorText:
        return ErrorTextPlaceholder(details);
    case Placeholder::Error:
        return details.errorText;
    case Placeholder::Message:
        return details.message;
    case Placeholder::Field:
        return details.field;
    case Placeholder::Procedure:
        return std::string(procedure);
    case Placeholder::Category:
        return details.category;
    case Placeholder::Previous:
        return std::string(previous);
    }
    return {};
}

} // namespace

std::string DetailText(std::string_view value, size_t width) {
    return std::string(base::RightTrim(base::RightTrim(value).substr(0, width)));
}

std::string ErrorTextPlaceholder(const ErrorDetails& details) {
    bool driverError = std::find(std::begin(kDriverErrorCodes), std::end(kDriverErrorCodes), details.errorCode) !=
                       std::end(kDriverErrorCodes);
    if (driverError) return details.fileErrorText + " (" + details.fileErrorCode + ")";
    return details.errorText + " (" + std::to_string(details.errorCode) + ")";
}

std::string SubstituteErrorText(std::string_view text, const ErrorDetails& details, std::string_view procedure,
                                std::string_view previous) {
    std::string result;
    size_t position = 0;
    while (position < text.size()) {
        size_t percent = text.find('%', position);
        if (percent == std::string_view::npos) percent = text.size();
        result.append(text.substr(position, percent - position));
        if (percent == text.size()) break;
        const PlaceholderName* match = nullptr;
        for (const PlaceholderName& candidate : kPlaceholders)
            if (text.substr(percent).starts_with(candidate.name)) {
                match = &candidate;
                break;
            }
        if (match) {
            result += PlaceholderValue(match->which, details, procedure, previous);
            position = percent + match->name.size();
        } else {
            result += '%';
            position = percent + 1;
        }
    }
    if (result.size() > kWorkBufferWidth) result.resize(kWorkBufferWidth);
    return result;
}

} // namespace kvilo::framework
