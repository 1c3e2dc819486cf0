#include "http/curl_http.h"

#include <algorithm>
#include <cctype>

#include "base/blank_text.h"
#include "http/curl_log.h"

namespace kvilo::http {
namespace {

// True when `line` starts with `prefix`, ignoring the letter case of the line (prefix is upper case).
bool StartsWithUpper(std::string_view line, std::string_view prefix) {
    if (line.size() < prefix.size()) return false;
    return std::equal(prefix.begin(), prefix.end(), line.begin(),
                      [](char p, char c) { return p == std::toupper(static_cast<unsigned char>(c)); });
}

std::string ToUpper(std::string_view text) {
    std::string upper(text);
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

// An unquoted value runs to the end of the header line; its line end is not part of the name.
std::string_view WithoutLineEnd(std::string_view value) {
    const size_t end = value.find_last_not_of("\r\n");
    return end == std::string_view::npos ? std::string_view() : value.substr(0, end + 1);
}

} // namespace

TCurlHttpClass::~TCurlHttpClass() {
    TCurlHttpClass::Destroy();
}

void TCurlHttpClass::Destroy() {
    if (firstPart_ != nullptr) {
        curl_formfree(firstPart_);
        firstPart_ = nullptr;
        lastPart_ = nullptr;
    }
    TCurlClass::Destroy();
}

int TCurlHttpClass::Init() {
    if (int code = TCurlClass::Init(); code != CURLE_OK) return code;
    return SetDefaultProtocol("http");
}

void TCurlHttpClass::OnHeader(std::string_view line) {
    if (acceptRangesEnabled_ == 0 && StartsWithUpper(line, "ACCEPT-RANGES:")) acceptRangesEnabled_ = 1;
    if (!base::RightTrim(attachment_).empty() || !StartsWithUpper(line, "CONTENT-DISPOSITION:")) return;
    constexpr std::string_view kFileName = "FILENAME=";
    const size_t found = ToUpper(line).find(kFileName, 19);
    if (found == std::string::npos) return;
    std::string_view value = line.substr(found + kFileName.size(), kMaxAttachmentLength);
    value = base::RightTrim(WithoutLineEnd(value));
    const size_t quote = value.rfind('"');
    if (quote != std::string_view::npos && quote >= 1) value = value.substr(1, quote - 1);
    attachment_ = std::string(value);
}

std::string TCurlHttpClass::GetFormErrorText(int code) const {
    switch (code) {
    case 1:
        return "The allocation of a FormInfo struct failed";
    case 2:
        return "One option is given twice for one Form";
    case 3:
        return "A null pointer was given for a char";
    case 4:
        return "An unknown option was used";
    case 5:
        return "The some FormInfo is not complete (or error)";
    case 6:
        return "An illegal option is used in an array";
    default:
        return "Unknown CURLFORMcode: " + std::to_string(code);
    }
}

} // namespace kvilo::http
