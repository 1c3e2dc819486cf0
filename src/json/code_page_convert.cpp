#include "json/code_page_convert.h"

#include <cstring>

#include "base/blank_text.h"
#include "base/code_page.h"
#include "base/variant.h"
#include "json/json_node.h"
#include "json/json_trace.h"

namespace kvilo::json {

namespace {

void TraceFailure(std::string_view call, int error) {
    JsonTrace(std::string(call) + " failed, error " + std::to_string(error));
}

std::u16string UnitsFromBytes(std::string_view bytes) {
    std::u16string units(bytes.size() / 2, u'\0');
    for (size_t i = 0; i < units.size(); ++i)
        units[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                         (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
    return units;
}

std::string BytesFromUnits(std::u16string_view units) {
    std::string bytes;
    bytes.reserve(units.size() * 2 + 2);
    for (char16_t unit : units) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    bytes.append(2, '\0');
    return bytes;
}

} // namespace

void ConvertCodePage(std::string_view text, int fromCodePage, int toCodePage, std::string& out) {
    out.clear();
    if (base::RightTrim(text).empty()) return;
    int error = 0;
    if (fromCodePage == kCodePageUtf8 && toCodePage != kCodePageUtf16) {
        // The answers of the web services take this way: the same bytes as through UTF-16, without it.
        if (!base::Utf8ToMultiByte(text, toCodePage, out, error)) TraceFailure("WideCharToMultiByte", error);
        return;
    }
    std::u16string units;
    if (fromCodePage == kCodePageUtf16) {
        units = UnitsFromBytes(text);
    } else {
        const size_t zero = text.find('\0');
        if (!base::MultiByteToWide(text.substr(0, zero), fromCodePage, units, error, base::InvalidUtf8::Replace)) {
            TraceFailure("MultiByteToWideChar", error);
            return;
        }
    }
    if (toCodePage == kCodePageUtf16) {
        out = BytesFromUnits(units);
        return;
    }
    if (!base::WideToMultiByte(units, toCodePage, out, error)) {
        TraceFailure("WideCharToMultiByte", error);
        out.clear();
        return;
    }
    const size_t zero = out.find('\0');
    if (zero != std::string::npos) out.resize(zero);
}

std::string ConvertCodePage(std::string_view text, int fromCodePage, int toCodePage) {
    std::string out;
    ConvertCodePage(text, fromCodePage, toCodePage, out);
    return out;
}

std::string ToUtf8(std::string_view text, int codePage) {
    return ConvertCodePage(text, codePage, kCodePageUtf8);
}
std::string FromUtf8(std::string_view utf8, int codePage) {
    return ConvertCodePage(utf8, kCodePageUtf8, codePage);
}

} // namespace kvilo::json
