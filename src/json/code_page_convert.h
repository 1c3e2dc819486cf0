#pragma once
// ConvertCodePage: text from one code page to another through UTF-16, on the platform's conversions.
// Code pages: 0 (the system ANSI code page, 1251), 1251, 65001 (UTF-8) and -1 (UTF-16 code units as
// little-endian bytes). An ill-formed UTF-8 sequence becomes one "?" in 1251 (U+FFFD elsewhere) and the
// rest of the text is kept. An unknown code page writes "[cJSON] MultiByteToWideChar failed, error N" (or
// the WideCharToMultiByte line) to the debug trace and gives empty text.
#include <string>
#include <string_view>

namespace kvilo::json {

inline constexpr int kCodePageUtf16 = -1;
inline constexpr int kCodePageUtf8 = 65001;

// From -1 the text holds UTF-16 units; otherwise it is taken up to its first zero byte. To -1 the result is
// the UTF-16 bytes with the terminating zero unit; otherwise it ends at the first zero byte.
std::string ConvertCodePage(std::string_view text, int fromCodePage, int toCodePage);
// The same into `out`, whose storage is reused.
void ConvertCodePage(std::string_view text, int fromCodePage, int toCodePage, std::string& out);

// Text in `codePage` to UTF-8, and UTF-8 to `codePage`.
std::string ToUtf8(std::string_view text, int codePage);
std::string FromUtf8(std::string_view utf8, int codePage);

} // namespace kvilo::json
