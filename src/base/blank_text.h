#pragma once
// Texts of the program count without their trailing blanks: fixed-width fields arrive blank-padded, and
// "left-justified and trimmed" drops the leading blanks too. A blank is ' ' only; tabs and line ends are
// data. Empty results are still views into the given text, so callers that copy from the view's address
// never see a null pointer for a non-null text.
#include <string>
#include <string_view>

namespace kvilo::base {

// `text` without its trailing blanks.
inline std::string_view RightTrim(std::string_view text) {
    const size_t end = text.find_last_not_of(' ');
    return text.substr(0, end == std::string_view::npos ? 0 : end + 1);
}

// `text` without its leading and trailing blanks.
inline std::string_view Trim(std::string_view text) {
    const size_t begin = text.find_first_not_of(' ');
    if (begin == std::string_view::npos) return text.substr(text.size());
    return text.substr(begin, text.find_last_not_of(' ') - begin + 1);
}

// `text` cut or padded with blanks to exactly `width` characters (a fixed-width field).
inline std::string PadRight(std::string_view text, size_t width) {
    std::string field(text.substr(0, width));
    field.resize(width, ' ');
    return field;
}

} // namespace kvilo::base
