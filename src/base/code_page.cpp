#include "base/code_page.h"

#include <array>
#include <cstdint>

#include "base/blank_text.h"
#include "base/cp1251.h"

namespace kvilo::base {
namespace {

// 0x98 is the one byte 1251 leaves undefined; it maps to the control character U+0098 and back (as the
// system conversion does), so that every byte value survives a round trip through Unicode.
constexpr char16_t kUndefinedByteCodePoint = 0x0098;

char16_t Cp1251ToUnicode(unsigned char byte) {
    if (byte < 0x80) return byte;
    char16_t unit = kCp1251HighHalf[byte - 0x80];
    return unit != 0 ? unit : kUndefinedByteCodePoint;
}

// Reverse table of the whole Basic Multilingual Plane: 0 means "1251 lacks it" (the zero character itself
// is never looked up, the conversions stop before it).
const std::array<unsigned char, 0x10000>& UnicodeToCp1251Table() {
    static const auto table = [] {
        std::array<unsigned char, 0x10000> t{};
        for (unsigned b = 1; b < 0x100; ++b)
            t[Cp1251ToUnicode(static_cast<unsigned char>(b))] = static_cast<unsigned char>(b);
        return t;
    }();
    return table;
}

char UnicodeToCp1251(char32_t codePoint) {
    if (codePoint < 0x80) return static_cast<char>(codePoint);
    if (codePoint > 0xFFFF) return '?';
    unsigned char b = UnicodeToCp1251Table()[codePoint];
    return b != 0 ? static_cast<char>(b) : '?';
}

bool Is1251(int codePage) {
    return codePage == kCodePageAnsi || codePage == kCodePage1251;
}

std::string_view UpToZero(std::string_view bytes) {
    auto zero = bytes.find('\0');
    return zero == std::string_view::npos ? bytes : bytes.substr(0, zero);
}

std::u16string_view UpToZero(std::u16string_view units) {
    auto zero = units.find(u'\0');
    return zero == std::u16string_view::npos ? units : units.substr(0, zero);
}

constexpr char32_t kReplacementCharacter = 0xFFFD;

// The bytes that may follow `lead` as the second byte of a well-formed sequence, and how many bytes
// follow it in all (Unicode's table of well-formed UTF-8: no overlong forms, no surrogates, nothing above
// U+10FFFF). 0 continuation bytes: the byte never starts a sequence.
struct LeadRule {
    unsigned char low = 0x80, high = 0xBF;
    size_t continuation = 0;
};

LeadRule RuleOfLead(unsigned char lead) {
    if (lead >= 0xC2 && lead <= 0xDF) return {0x80, 0xBF, 1};
    if (lead == 0xE0) return {0xA0, 0xBF, 2};
    if (lead == 0xED) return {0x80, 0x9F, 2};
    if (lead >= 0xE1 && lead <= 0xEF) return {0x80, 0xBF, 2};
    if (lead == 0xF0) return {0x90, 0xBF, 3};
    if (lead >= 0xF1 && lead <= 0xF3) return {0x80, 0xBF, 3};
    if (lead == 0xF4) return {0x80, 0x8F, 3};
    return {};
}

// Decodes the sequence at `pos` and steps over it. An ill-formed one gives U+FFFD and steps over its
// maximal part that could still begin a well-formed sequence (at least one byte), so that every broken
// sequence costs one replacement and the text after it is read as it is; `valid` tells which it was.
char32_t DecodeUtf8(std::string_view text, size_t& pos, bool& valid) {
    const auto lead = static_cast<unsigned char>(text[pos++]);
    valid = true;
    if (lead < 0x80) return lead;
    const LeadRule rule = RuleOfLead(lead);
    valid = false;
    if (rule.continuation == 0) return kReplacementCharacter;
    char32_t codePoint = lead & (0x3F >> rule.continuation);
    for (size_t k = 0; k < rule.continuation; ++k) {
        if (pos >= text.size()) return kReplacementCharacter;
        const auto next = static_cast<unsigned char>(text[pos]);
        const unsigned char low = k == 0 ? rule.low : 0x80;
        const unsigned char high = k == 0 ? rule.high : 0xBF;
        if (next < low || next > high) return kReplacementCharacter;
        codePoint = (codePoint << 6) | (next & 0x3F);
        ++pos;
    }
    valid = true;
    return codePoint;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

void AppendUtf16(std::u16string& out, char32_t cp) {
    if (cp < 0x10000) {
        out += static_cast<char16_t>(cp);
    } else {
        cp -= 0x10000;
        out += static_cast<char16_t>(0xD800 + (cp >> 10));
        out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
    }
}

// Walks UTF-16 units, pairing surrogates; an unpaired surrogate is reported as code point 0xFFFFFFFF.
template <typename Emit> void ForEachCodePoint(std::u16string_view units, Emit emit) {
    for (size_t i = 0; i < units.size(); ++i) {
        char16_t u = units[i];
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] <= 0xDFFF) {
            emit(0x10000 + ((char32_t(u) - 0xD800) << 10) + (char32_t(units[i + 1]) - 0xDC00));
            ++i;
        } else if (u >= 0xD800 && u <= 0xDFFF) {
            emit(char32_t(0xFFFFFFFF));
        } else {
            emit(char32_t(u));
        }
    }
}

constexpr char16_t UnicodeUpper(char16_t u) {
    if (u >= u'a' && u <= u'z') return u - 0x20;
    if (u >= 0x0430 && u <= 0x044F) return u - 0x20;
    if (u >= 0x0450 && u <= 0x045F) return u - 0x50;
    if (u == 0x0491) return 0x0490;
    return u;
}

constexpr char16_t UnicodeLower(char16_t u) {
    if (u >= u'A' && u <= u'Z') return u + 0x20;
    if (u >= 0x0410 && u <= 0x042F) return u + 0x20;
    if (u >= 0x0400 && u <= 0x040F) return u + 0x50;
    if (u == 0x0490) return 0x0491;
    return u;
}

// Case pairs of 1251, derived from the code page table at compile time: Ђ..Џ / ђ..џ, А..Я / а..я and Ґ / ґ in
// Unicode. A byte whose partner 1251 lacks is its own partner.
constexpr std::array<unsigned char, 256> CaseTable(char16_t (*partnerOf)(char16_t)) {
    std::array<unsigned char, 256> table{};
    for (unsigned b = 0; b < 256; ++b) {
        table[b] = static_cast<unsigned char>(b);
        const char16_t partner = partnerOf(b < 0x80 ? static_cast<char16_t>(b) : kCp1251HighHalf[b - 0x80]);
        for (unsigned p = 1; p < 256 && b != 0; ++p)
            if ((p < 0x80 ? static_cast<char16_t>(p) : kCp1251HighHalf[p - 0x80]) == partner && partner != 0)
                table[b] = static_cast<unsigned char>(p);
    }
    return table;
}

} // namespace

bool MultiByteToWide(std::string_view bytes, int codePage, std::u16string& out, int& error, InvalidUtf8 invalid) {
    out.clear();
    bytes = UpToZero(bytes);
    if (Is1251(codePage)) {
        out.reserve(bytes.size());
        for (char c : bytes)
            out += Cp1251ToUnicode(static_cast<unsigned char>(c));
        return true;
    }
    if (codePage != kCodePageUtf8) {
        error = kErrorInvalidParameter;
        return false;
    }
    out.reserve(bytes.size());
    for (size_t pos = 0; pos < bytes.size();) {
        bool valid = true;
        const char32_t cp = DecodeUtf8(bytes, pos, valid);
        if (!valid && invalid == InvalidUtf8::Fail) {
            out.clear();
            error = kErrorNoUnicodeTranslation;
            return false;
        }
        AppendUtf16(out, cp);
    }
    return true;
}

bool WideToMultiByte(std::u16string_view units, int codePage, std::string& out, int& error) {
    out.clear();
    units = UpToZero(units);
    if (Is1251(codePage)) {
        out.reserve(units.size());
        ForEachCodePoint(units, [&](char32_t cp) { out += UnicodeToCp1251(cp); });
        return true;
    }
    if (codePage != kCodePageUtf8) {
        error = kErrorInvalidParameter;
        return false;
    }
    out.reserve(units.size() * 2);
    ForEachCodePoint(units, [&](char32_t cp) { AppendUtf8(out, cp == 0xFFFFFFFF ? U'?' : cp); });
    return true;
}

std::string AnsiToUtf8(std::string_view ansi) {
    ansi = UpToZero(ansi);
    std::string out;
    out.reserve(ansi.size() * 2);
    for (char c : ansi)
        AppendUtf8(out, Cp1251ToUnicode(static_cast<unsigned char>(c)));
    return out;
}

std::string Utf8ToAnsi(std::string_view utf8) {
    utf8 = UpToZero(utf8);
    std::string out;
    out.reserve(utf8.size());
    for (size_t pos = 0; pos < utf8.size();) {
        bool valid = true;
        const char32_t cp = DecodeUtf8(utf8, pos, valid);
        if (!valid) return {};
        out += UnicodeToCp1251(cp);
    }
    return out;
}

bool Utf8ToMultiByte(std::string_view utf8, int codePage, std::string& out, int& error) {
    out.clear();
    if (!Is1251(codePage) && codePage != kCodePageUtf8) {
        error = kErrorInvalidParameter;
        return false;
    }
    utf8 = UpToZero(utf8);
    if (!Is1251(codePage)) {
        // UTF-8 to UTF-8: well-formed sequences as they are, each ill-formed part as U+FFFD.
        out.reserve(utf8.size());
        for (size_t pos = 0; pos < utf8.size();) {
            const size_t sequence = pos;
            bool valid = true;
            const char32_t cp = DecodeUtf8(utf8, pos, valid);
            if (valid)
                out.append(utf8.data() + sequence, pos - sequence);
            else
                AppendUtf8(out, cp);
        }
        return true;
    }
    // To 1251 every sequence becomes one byte, so the text never grows.
    out.resize(utf8.size());
    char* to = out.data();
    for (size_t pos = 0; pos < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[pos]);
        if (lead < 0x80) {
            *to++ = static_cast<char>(lead);
            ++pos;
        } else if ((lead == 0xD0 || lead == 0xD1) && pos + 1 < utf8.size() &&
                   (static_cast<unsigned char>(utf8[pos + 1]) & 0xC0) == 0x80) {
            // Cyrillic: two bytes, always well-formed.
            *to++ = UnicodeToCp1251(((lead & 0x1Fu) << 6) | (static_cast<unsigned char>(utf8[pos + 1]) & 0x3Fu));
            pos += 2;
        } else {
            bool valid = true;
            *to++ = UnicodeToCp1251(DecodeUtf8(utf8, pos, valid));
        }
    }
    out.resize(static_cast<size_t>(to - out.data()));
    return true;
}

namespace detail {
extern constexpr std::array<unsigned char, 256> kUpperCase = CaseTable(UnicodeUpper);
extern constexpr std::array<unsigned char, 256> kLowerCase = CaseTable(UnicodeLower);
} // namespace detail

std::string UpperText(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = UpperChar(c);
    return out;
}

std::string LowerText(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = LowerChar(c);
    return out;
}

bool EqualNoCase(std::string_view a, std::string_view b) {
    a = RightTrim(a);
    b = RightTrim(b);
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (UpperChar(a[i]) != UpperChar(b[i])) return false;
    return true;
}

} // namespace kvilo::base
