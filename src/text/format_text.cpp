#include "text/format_text.h"

#include <cerrno>

#include "base/ascii.h"
#include "base/blank_text.h"
#include "base/code_page.h"
#include "base/pictures.h"
#include "platform/debug_output.h"
#include "platform/file.h"
#include "text/encoders.h"

namespace kvilo::text {
namespace {

constexpr std::string_view kArgumentLetters = "cCsSzZbBiIxXfedtuUvw";
constexpr std::string_view kPictureLetters = "sSzZiIfedt";
constexpr size_t kMaxPictureLength = 20;

std::string WithoutTrailingBlanks(std::string text) {
    text.resize(base::RightTrim(text).size()); // in place: the text is often moved in
    return text;
}

int32_t Truncated32(const Variant& value) {
    return static_cast<int32_t>(value.integer());
}

// The picture right after a conversion letter at `letter` ("%s@n5@"): "@", at least two characters, "@",
// and at least six characters from the "%" on. Empty when there is none.
std::string_view PictureAfter(std::string_view format, size_t letter) {
    size_t percent = letter - 1;
    size_t open = letter + 1;
    if (format.size() - percent < 6 || format[open] != '@') return {};
    size_t close = format.find('@', open + 1);
    if (close == std::string_view::npos || close < open + 3) return {};
    return format.substr(open, close - open);
}

// A text argument keeps its own form for a picture ("s" without its trailing blanks); numbers stay numbers.
Variant PictureSubject(const Variant& argument, bool trim) {
    if (argument.isText()) return Variant(trim ? WithoutTrailingBlanks(argument.text()) : argument.text());
    return argument;
}

std::string Convert(char letter, const Variant& argument, std::string_view picture) {
    using base::FormatPicture;
    const bool hasPicture = !picture.empty();
    std::string text;
    switch (letter) {
    case 'c':
    case 'C':
        text = argument.text().substr(0, 1);
        if (letter == 'C' && !text.empty()) text[0] = base::UpperChar(text[0]);
        return text;
    case 's':
    case 'S':
        text = hasPicture ? FormatPicture(PictureSubject(argument, true), picture)
                          : WithoutTrailingBlanks(argument.text());
        return letter == 'S' ? "'" + text + "'" : text;
    case 'z':
    case 'Z':
        text = hasPicture ? FormatPicture(PictureSubject(argument, false), picture) : argument.text();
        return letter == 'Z' ? "'" + text + "'" : text;
    case 'b':
        return argument.integer() != 0 ? "true" : "false";
    case 'B':
        return argument.integer() != 0 ? "TRUE" : "FALSE";
    case 'i':
    case 'I': {
        int32_t value = Truncated32(argument);
        text = hasPicture ? FormatPicture(Variant(value), picture) : std::to_string(value);
        return letter == 'I' && value >= 1 ? "+" + text : text;
    }
    case 'x':
        return base::LowerAscii(HexText(Truncated32(argument)));
    case 'X':
        return HexText(Truncated32(argument));
    case 'f':
        return hasPicture ? FormatPicture(Variant(argument.real()), picture) : base::RealText(argument.real());
    case 'e':
        return FormatPicture(Variant(argument.real()), hasPicture ? picture : "E15.4");
    case 'd':
        return hasPicture ? FormatPicture(argument, picture) : FormatPicture(Variant(Truncated32(argument)), "d17");
    case 't':
        return hasPicture ? FormatPicture(argument, picture) : FormatPicture(Variant(Truncated32(argument)), "t7");
    case 'u':
        return UrlEncode(argument.text(), false);
    case 'U':
        return UrlEncode(argument.text(), true);
    case 'v':
        return Base64Encode(WithoutTrailingBlanks(argument.text()));
    case 'w':
        return Base64Decode(WithoutTrailingBlanks(argument.text()));
    }
    return {};
}

// The letters that take no argument; false for any other letter.
bool ConvertWithoutArgument(char letter, int lastError, std::string& out) {
    switch (letter) {
    case '%':
        out += '%';
        return true;
    case '|':
        out += "\r\n";
        return true;
    case 'm':
    case 'M':
        // POSIX keeps one error number for run-time and file errors alike.
        out += platform::SystemErrorText(lastError);
        return true;
    }
    return false;
}

} // namespace

std::string FormatText(std::string_view format, const std::vector<Variant>& arguments) {
    // The error as it stood when the caller asked, before any work here could change it.
    const int lastError = errno;
    const size_t count = arguments.size() < kMaxFormatArguments ? arguments.size() : kMaxFormatArguments;
    std::string out;
    size_t next = 0;
    for (size_t pos = 0; pos < format.size(); ++pos) {
        if (format[pos] != '%') {
            out += format[pos];
            continue;
        }
        if (pos + 1 == format.size()) break;
        const char letter = format[++pos];
        if (ConvertWithoutArgument(letter, lastError, out)) continue;
        if (kArgumentLetters.find(letter) == std::string_view::npos) {
            out += letter; // not a conversion: the "%" is dropped, the character stays
            continue;
        }
        if (next >= count) {
            out.append(format.substr(pos));
            break;
        }
        const Variant& argument = arguments[next++];
        std::string_view picture = PictureAfter(format, pos);
        const bool usesPicture = !picture.empty() && kPictureLetters.find(letter) != std::string_view::npos;
        out += Convert(letter, argument, usesPicture ? picture.substr(0, kMaxPictureLength) : std::string_view{});
        if (usesPicture) pos += picture.size() + 1; // past the closing "@"
    }
    return out;
}

std::string FormatText(std::string_view format, std::initializer_list<Variant> arguments) {
    return FormatText(format, std::vector<Variant>(arguments));
}

void DebugTrace(std::string_view format, const std::vector<Variant>& arguments) {
    std::string line = WithoutTrailingBlanks(FormatText(format, arguments));
    // The line is handed on as a zero-terminated string: anything after a zero byte is not part of it.
    if (auto zero = line.find('\0'); zero != std::string::npos) line.resize(zero);
    line = WithoutTrailingBlanks(std::move(line));
    platform::DebugOutput(line);
}

void DebugTrace(std::string_view format, std::initializer_list<Variant> arguments) {
    DebugTrace(format, std::vector<Variant>(arguments));
}

} // namespace kvilo::text
