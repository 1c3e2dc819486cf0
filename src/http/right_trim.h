#pragma once
// Texts of the program count without their trailing blanks (fixed-width fields are blank-padded).
#include <string_view>

namespace kvilo::http {

inline std::string_view RightTrim(std::string_view text) {
    const size_t end = text.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
}

} // namespace kvilo::http
