#include "json/json_parser.h"

#include <array>
#include <bit>
#include <cstring>
#include <new>
#include <optional>

#include "base/blank_text.h"
#include "base/code_page.h"
#include "base/variant.h"
#include "text/string_builder.h"
#include "json/code_page_convert.h"
#include "json/json_trace.h"

namespace kvilo::json {

void TJsonParser::OnParseProgress(int32_t, int32_t, int32_t) {}

namespace {

constexpr int32_t kNestingLimit = 1000;
constexpr size_t kMaxNumberLength = 64;
constexpr size_t kErrorExcerptLength = 20;

bool IsNumberChar(unsigned char c) {
    return (c >= '0' && c <= '9') || c == '+' || c == '-' || c == 'e' || c == 'E' || c == '.';
}

// The value of each hex digit, 16 for every other byte.
constexpr std::array<uint8_t, 256> kHexDigits = [] {
    std::array<uint8_t, 256> digits{};
    for (unsigned c = 0; c < 256; ++c)
        digits[c] = c >= '0' && c <= '9'   ? static_cast<uint8_t>(c - '0')
                    : c >= 'A' && c <= 'F' ? static_cast<uint8_t>(c - 'A' + 10)
                    : c >= 'a' && c <= 'f' ? static_cast<uint8_t>(c - 'a' + 10)
                                           : 16;
    return digits;
}();

// Four hex digits; any other character makes the whole value 0.
uint32_t Hex4(const char* digits) {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i) {
        const uint8_t digit = kHexDigits[static_cast<unsigned char>(digits[i])];
        if (digit == 16) return 0;
        value = (value << 4) | digit;
    }
    return value;
}

void AppendUtf8(text::TStringBuilder& out, uint32_t codePoint) {
    char bytes[4];
    int32_t count;
    if (codePoint < 0x80) {
        bytes[0] = static_cast<char>(codePoint);
        count = 1;
    } else if (codePoint < 0x800) {
        bytes[0] = static_cast<char>(0xC0 | (codePoint >> 6));
        bytes[1] = static_cast<char>(0x80 | (codePoint & 0x3F));
        count = 2;
    } else if (codePoint < 0x10000) {
        bytes[0] = static_cast<char>(0xE0 | (codePoint >> 12));
        bytes[1] = static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        bytes[2] = static_cast<char>(0x80 | (codePoint & 0x3F));
        count = 3;
    } else {
        bytes[0] = static_cast<char>(0xF0 | (codePoint >> 18));
        bytes[1] = static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        bytes[2] = static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        bytes[3] = static_cast<char>(0x80 | (codePoint & 0x3F));
        count = 4;
    }
    out.Cat(bytes, count);
}

// The value of a number written with at most 15 significant digits and a decimal exponent within 22 of
// them, worked out without the platform's numeric service: such a mantissa and such a power of ten are
// both exact in a double, so one multiplication or division rounds correctly and gives the very value
// the service (strtod) gives (Clinger's fast path). False for every other text, which then takes the
// service's way; the texts accepted here are a subset of what its numeric-text test accepts.
bool FastNumber(std::string_view text, double& value) {
    static constexpr double kPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                         1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    size_t i = 0;
    const bool negative = i < text.size() && text[i] == '-';
    if (negative) ++i;
    int64_t mantissa = 0;
    int digits = 0;
    int exponent = 0;
    const auto readDigits = [&](bool fraction) {
        const size_t from = i;
        for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
            mantissa = mantissa * 10 + (text[i] - '0');
            if (fraction) --exponent;
            if (++digits > 15) return false;
        }
        return i > from;
    };
    if (!readDigits(false)) return false;
    if (i < text.size() && text[i] == '.') {
        ++i;
        if (!readDigits(true)) return false;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        const bool negativeExponent = i < text.size() && text[i] == '-';
        if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
        int written = 0;
        const size_t from = i;
        for (; i < text.size() && text[i] >= '0' && text[i] <= '9' && i - from < 4; ++i)
            written = written * 10 + (text[i] - '0');
        if (i == from) return false;
        exponent += negativeExponent ? -written : written;
    }
    if (i != text.size() || exponent < -22 || exponent > 22) return false;
    const double magnitude = exponent < 0 ? static_cast<double>(mantissa) / kPowers[-exponent]
                                          : static_cast<double>(mantissa) * kPowers[exponent];
    value = negative ? -magnitude : magnitude;
    return true;
}

// Eight bytes at a time: whether any of them is zero, or equals `byte`.
constexpr uint64_t kOnes = 0x0101010101010101ull;
constexpr uint64_t kHighBits = 0x8080808080808080ull;

uint64_t Word(const char* at) {
    uint64_t word;
    std::memcpy(&word, at, sizeof word);
    return word;
}
// The high bit of each zero byte of `word`, and maybe of bytes above the lowest zero byte (a borrow); the
// lowest bit set marks the first zero byte exactly.
uint64_t ZeroBytes(uint64_t word) {
    return (word - kOnes) & ~word & kHighBits;
}
bool HasZeroByte(uint64_t word) {
    return ZeroBytes(word) != 0;
}

// How many of the eight bytes at the start of `word` come before the first quote or backslash (8: none).
size_t PlainBytes(uint64_t word) {
    const uint64_t found = ZeroBytes(word ^ (kOnes * '"')) | ZeroBytes(word ^ (kOnes * '\\'));
    if (found == 0) return 8;
    if constexpr (std::endian::native == std::endian::little) return static_cast<size_t>(std::countr_zero(found)) / 8;
    return 0; // elsewhere the bytes are looked at one by one
}

// ASCII text without zero bytes reads the same in every code page the program knows, so it needs no trip
// through UTF-16.
bool NeedsConversion(std::string_view bytes, int32_t codePage) {
    if (codePage != 0 && codePage != 1251 && codePage != kCodePageUtf8) return true;
    size_t i = 0;
    for (; i + 8 <= bytes.size(); i += 8) {
        const uint64_t word = Word(bytes.data() + i);
        if ((word & kHighBits) != 0 || HasZeroByte(word)) return true;
    }
    for (; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b == 0 || b >= 0x80) return true;
    }
    return false;
}

// The state of one parse. Offsets are 0-based internally; POS (1-based) is offset + 1.
//
// Values are read by one grammar in two modes: Keep builds nodes, !Keep only checks what it reads (the
// parts a filter leaves out), so that both fail at the same places.
class ParseState {
public:
    ParseState(TJsonParser& parser, std::string_view content, size_t length, const ParseFilter* filter)
        : parser_(parser), content_(content.data()), length_(length),
          depthLimit_(parser.DEPTHLIMIT < 0 ? INT32_MAX : parser.DEPTHLIMIT), codePage_(parser.CODEPAGE),
          filter_(filter) {}

    size_t Offset() const { return offset_; }
    void SetOffset(size_t offset) { offset_ = offset; }

    // cJSON's rule: at the end of the text there is nothing to skip; a skip that runs to the end steps back
    // onto the last byte, so that what comes next fails inside the text. (Stepping back also when the skip
    // starts at the end would put the offset on the bracket just read and let it close a second container.)
    void SkipWhitespace() {
        if (offset_ >= length_) return;
        while (offset_ < length_ && static_cast<unsigned char>(content_[offset_]) <= 32)
            ++offset_;
        if (offset_ == length_) --offset_;
    }

    bool ParseValue(TJsonNode& item) { return Value<true>(&item); }

private:
    bool CanAccess(size_t index) const { return offset_ + index < length_; }
    char At(size_t index) const { return content_[offset_ + index]; }
    bool Matches(std::string_view word) const {
        return length_ - offset_ >= word.size() && std::memcmp(content_ + offset_, word.data(), word.size()) == 0;
    }
    int32_t Pos() const { return static_cast<int32_t>(offset_ + 1); }
    int32_t Len() const { return static_cast<int32_t>(length_); }

    // A literal: its word must stand here in full.
    template <bool Keep> bool Literal(TJsonNode* item, std::string_view word, int32_t type) {
        if (!Matches(word)) return false;
        if constexpr (Keep) {
            item->TYPE = type;
            if (type != kJsonNull) item->VALUEINT = type == kJsonTrue ? 1 : 0;
        }
        offset_ += word.size();
        return true;
    }

    template <bool Keep> bool Value(TJsonNode* item) {
        if (!CanAccess(0)) return false;
        const char c = At(0);
        switch (c) {
        case 'n':
            return Literal<Keep>(item, "null", kJsonNull);
        case 'f':
            return Literal<Keep>(item, "false", kJsonFalse);
        case 't':
            return Literal<Keep>(item, "true", kJsonTrue);
        case '"': {
            std::string_view text;
            if (!ReadString(text, Keep)) return false;
            if constexpr (Keep) {
                item->VALUESTRING.Assign(text);
                item->TYPE = kJsonString;
                NotifyLongString(item->VALUESTRING);
            }
            return true;
        }
        case '[':
        case '{':
            return Container<Keep>(item, c == '{');
        default:
            if (c == '-' || (c >= '0' && c <= '9')) return Number<Keep>(item);
            return false;
        }
    }

    template <bool Keep> bool Number(TJsonNode* item) {
        size_t count = 0;
        while (count < kMaxNumberLength && CanAccess(count) && IsNumberChar(static_cast<unsigned char>(At(count))))
            ++count;
        const std::string_view number(content_ + offset_, count);
        double value = 0;
        if (!FastNumber(number, value)) {
            if (!base::IsNumericText(number)) return false;
            if constexpr (Keep) value = base::NumericValue(number);
        }
        if constexpr (Keep) {
            SetNumber(*item, value);
            item->VALUESTRING.Assign(number);
            item->TYPE = kJsonNumber;
        }
        offset_ += count;
        return true;
    }

    // The closing quote of the string whose opening quote is at the current offset, stepping over escaped
    // characters; nullptr when the input ends first.
    const char* FindClosingQuote(bool& hasEscapes) const {
        const char* at = content_ + offset_ + 1;
        const char* limit = content_ + length_;
        hasEscapes = false;
        while (at < limit) {
            // Plain bytes are passed over up to eight at once.
            if (limit - at >= 8) {
                const size_t plain = PlainBytes(Word(at));
                at += plain;
                if (plain == 8) continue;
            }
            if (*at == '"') return at;
            if (*at == '\\') {
                hasEscapes = true;
                at += 2;
            } else {
                ++at;
            }
        }
        return nullptr;
    }

    // One \u sequence (or a surrogate pair) at `at`, appended as UTF-8 when building; `consumed` is 6 or 12.
    template <bool Build>
    static bool DecodeUnicode(const char* at, const char* close, text::TStringBuilder* out, size_t& consumed) {
        if (close - at < 6) return Fail("input ends unexpectedly");
        const uint32_t first = Hex4(at + 2);
        if (first >= 0xDC00 && first <= 0xDFFF) return Fail("the code is invalid");
        uint32_t codePoint = first;
        consumed = 6;
        if (first >= 0xD800 && first <= 0xDBFF) {
            const char* second = at + 6;
            if (close - second < 6) return Fail("input ends unexpectedly #2");
            if (second[0] != '\\' || second[1] != 'u') return Fail("missing second half of the surrogate pair");
            const uint32_t low = Hex4(second + 2);
            if (low < 0xDC00 || low > 0xDFFF) return Fail("invalid second half of the surrogate pair");
            codePoint = 0x10000 + (((first & 0x3FF) << 10) | (low & 0x3FF));
            consumed = 12;
        }
        if (codePoint > 0x10FFFF) return Fail("invalid unicode codepoint");
        if constexpr (Build) AppendUtf8(*out, codePoint);
        return true;
    }

    static bool Fail(std::string_view message) {
        JsonTrace(message);
        return false;
    }

    // The escapes between `from` and `close` decoded into `out`, or only checked when not building: a
    // string that is left out fails where a kept one would, with the same trace lines.
    template <bool Build> static bool DecodeEscapes(const char* from, const char* close, text::TStringBuilder* out) {
        if constexpr (Build) out->Init(static_cast<int32_t>(close - from) + 1);
        while (from < close) {
            if (*from != '\\') {
                const auto* slash =
                    static_cast<const char*>(std::memchr(from, '\\', static_cast<size_t>(close - from)));
                const char* runEnd = slash == nullptr ? close : slash;
                if constexpr (Build) out->Cat(from, static_cast<int32_t>(runEnd - from));
                from = runEnd;
                continue;
            }
            char plain;
            switch (from[1]) {
            case 'b':
                plain = '\b';
                break;
            case 'f':
                plain = '\f';
                break;
            case 'n':
                plain = '\n';
                break;
            case 'r':
                plain = '\r';
                break;
            case 't':
                plain = '\t';
                break;
            case '"':
            case '\\':
            case '/':
                plain = from[1];
                break;
            case 'u': {
                size_t consumed = 0;
                if (!DecodeUnicode<Build>(from, close, out, consumed)) return false;
                from += consumed;
                continue;
            }
            default:
                return false;
            }
            if constexpr (Build) out->Cat(&plain, 1);
            from += 2;
        }
        return true;
    }

    // The string at the current offset with its escapes decoded and in the code page; steps over the
    // closing quote. `text` views the input or a buffer of the state, valid until the next string is read.
    // A string that is not kept is only checked: its escapes are not decoded, its text not converted.
    bool ReadString(std::string_view& text, bool keep) {
        if (!CanAccess(0) || At(0) != '"') return false;
        bool hasEscapes = false;
        const char* close = FindClosingQuote(hasEscapes);
        if (close == nullptr) return false;
        const char* from = content_ + offset_ + 1;
        text = std::string_view(from, static_cast<size_t>(close - from));
        if (hasEscapes && !keep) {
            if (!DecodeEscapes<false>(from, close, nullptr)) return false;
        } else if (hasEscapes) {
            // A builder is filled once: each escaped string gets a fresh one.
            escaped_.emplace();
            if (!DecodeEscapes<true>(from, close, &*escaped_)) return false;
            text = escaped_->Text();
        }
        if (keep && codePage_ != kCodePageUtf16 && NeedsConversion(text, codePage_)) {
            // A failed conversion leaves the string empty; the parse goes on.
            ConvertCodePage(text, kCodePageUtf8, codePage_, converted_);
            text = converted_;
        }
        offset_ = static_cast<size_t>(close - content_) + 1;
        return true;
    }

    void NotifyLongString(const TJsonText& stored) {
        if (stored.Length() >= parser_.NOTIFYSTRINGSIZE) parser_.OnParseProgress(Len(), Pos(), depth_);
    }

    // The name of a member, then the colon; true with `kept` telling whether the filter keeps the member.
    template <bool Keep> bool MemberName(std::string_view& name, bool& kept) {
        if (!ReadString(name, Keep)) return false;
        kept = Keep && (filter_ == nullptr || filter_->KeepsMember(name));
        if (kept) {
            // The name goes into a node only after the colon; its progress is reported where it ends.
            name_.Assign(name);
            NotifyLongString(name_);
        }
        SkipWhitespace();
        if (!CanAccess(0) || At(0) != ':') return false;
        ++offset_;
        SkipWhitespace();
        return true;
    }

    // cJSON's array and object rules; kept children are linked through a tail pointer, in constant time
    // each.
    template <bool Keep> bool Container(TJsonNode* item, bool isObject) {
        if (depth_ >= kNestingLimit) return false;
        ++depth_;
        const char open = isObject ? '{' : '[';
        const char closeBracket = isObject ? '}' : ']';
        if (!CanAccess(0) || At(0) != open) return false;
        ++offset_;
        SkipWhitespace();
        TJsonNode* head = nullptr;
        if (!(CanAccess(0) && At(0) == closeBracket)) {
            if (!CanAccess(0)) {
                --offset_;
                return false;
            }
            --offset_;
            if (!Children<Keep>(head, isObject) || !CanAccess(0) || At(0) != closeBracket) {
                DeleteJson(head);
                return false;
            }
        }
        parser_.OnParseProgress(Len(), Pos(), depth_);
        if (depth_ > depthLimit_) {
            DeleteJson(head);
            head = nullptr;
        }
        --depth_;
        if constexpr (Keep) {
            item->TYPE = isObject ? kJsonObject : kJsonArray;
            item->CHILD = head;
        }
        ++offset_;
        return true;
    }

    // The comma-separated children; `head` receives what was kept even on failure, for the caller to
    // delete.
    template <bool Keep> bool Children(TJsonNode*& head, bool isObject) {
        TJsonNode* tail = nullptr;
        int32_t index = 0;
        do {
            ++offset_;
            SkipWhitespace();
            bool kept = Keep && (isObject || filter_ == nullptr || filter_->KeepsElement(index++));
            std::string_view name;
            if (isObject && !MemberName<Keep>(name, kept)) return false;
            if (!kept) {
                if (!Value<false>(nullptr)) return false;
            } else {
                auto* child = new (std::nothrow) TJsonNode;
                if (child == nullptr) return false;
                if (tail == nullptr) {
                    head = child;
                } else {
                    tail->NEXT = child;
                    child->PREV = tail;
                }
                tail = child;
                if (isObject) child->NAME.MoveFrom(name_);
                if (!Value<true>(child)) return false;
            }
            SkipWhitespace();
        } while (CanAccess(0) && At(0) == ',');
        return true;
    }

    TJsonParser& parser_;
    const char* content_;
    size_t length_;
    size_t offset_ = 0;
    int32_t depth_ = 0;
    int32_t depthLimit_;
    int32_t codePage_;
    const ParseFilter* filter_;
    std::optional<text::TStringBuilder> escaped_; // the decoded bytes of the string read last, when it had escapes
    std::string converted_;                       // its bytes in the code page, when they needed converting
    TJsonText name_;                              // the name of the member being read, until its node takes it
};

void RecordError(TJsonParser& parser, std::string_view text, int32_t position) {
    parser.PARSEERRORPOS = position;
    std::string excerpt(text.substr(static_cast<size_t>(position - 1), kErrorExcerptLength));
    excerpt.resize(kErrorExcerptLength, ' ');
    parser.PARSEERRORSTRING = excerpt;
}

// A scalar document must be nothing but that scalar (comments and white space aside). A number must read
// exactly as the parser took it: "1 2" minifies to "12", which is numeric but is not the number parsed.
bool IsWholeText(const TJsonNode& root, std::string_view valueText) {
    const int32_t kind = root.Kind();
    if (kind != kJsonNull && kind != kJsonFalse && kind != kJsonTrue && kind != kJsonNumber) return true;
    const std::string minified = MinifyJson(valueText);
    const std::string_view whole = base::RightTrim(minified);
    switch (kind) {
    case kJsonNull:
        return whole == "null";
    case kJsonFalse:
        return whole == "false";
    case kJsonTrue:
        return whole == "true";
    case kJsonNumber:
        return base::IsNumericText(whole) && whole == root.VALUESTRING.View();
    default:
        return true;
    }
}

} // namespace

namespace {

JsonTree ParseText(TJsonParser& parser, std::string_view text, const ParseFilter* filter) {
    parser.PARSEERRORSTRING.assign(kErrorExcerptLength, ' ');
    parser.PARSEERRORPOS = 0;
    const std::string_view trimmed = base::RightTrim(text);
    if (trimmed.empty() || trimmed.size() >= static_cast<size_t>(INT32_MAX)) return nullptr;

    JsonTree root(new (std::nothrow) TJsonNode);
    if (!root) return nullptr;
    ParseState state(parser, trimmed, trimmed.size(), filter);
    size_t start = 0;
    if (trimmed.size() >= 3 && trimmed.substr(0, 3) == "\xEF\xBB\xBF") start = 3;
    state.SetOffset(start);
    state.SkipWhitespace();
    if (!state.ParseValue(*root)) {
        const size_t length = trimmed.size();
        const size_t position = state.Offset() + 1 <= length ? state.Offset() + 1 : length;
        RecordError(parser, text, static_cast<int32_t>(position));
        return nullptr;
    }
    if (!IsWholeText(*root, text.substr(start))) {
        RecordError(parser, text, 1);
        return nullptr;
    }
    return root;
}

} // namespace

void ParseFilter::KeepMember(std::string_view name) {
    named_ = true;
    std::string key = base::UpperText(base::RightTrim(name));
    if (keysByLength_.size() <= key.size()) keysByLength_.resize(key.size() + 1);
    keysByLength_[key.size()].push_back(std::move(key));
}

bool ParseFilter::KeepsMember(std::string_view name) const {
    if (!named_) return true;
    // Most names of an answer differ from every key in length, and are passed over at once.
    name = base::RightTrim(name);
    if (name.size() >= keysByLength_.size()) return false;
    for (const std::string& key : keysByLength_[name.size()]) {
        size_t i = 0;
        while (i < name.size() && base::UpperChar(name[i]) == key[i])
            ++i;
        if (i == name.size()) return true;
    }
    return false;
}

JsonTree Parse(TJsonParser& parser, std::string_view text) {
    return ParseText(parser, text, nullptr);
}

JsonTree ParseJson(TJsonParser& parser, std::string_view text, int32_t codePage) {
    parser.CODEPAGE = codePage;
    return ParseText(parser, text, nullptr);
}

JsonTree ParseJson(TJsonParser& parser, std::string_view text, int32_t codePage, const ParseFilter& filter) {
    parser.CODEPAGE = codePage;
    return ParseText(parser, text, &filter);
}

std::string MinifyJson(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    size_t i = 0;
    const size_t n = text.size();
    while (i < n) {
        const char c = text[i];
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            ++i;
        } else if (c == '/' && i + 1 < n && text[i + 1] == '/') {
            while (i < n && text[i] != '\n')
                ++i;
        } else if (c == '/' && i + 1 < n && text[i + 1] == '*') {
            const size_t end = text.find("*/", i + 2);
            i = end == std::string_view::npos ? n : end + 2;
        } else if (c == '"') {
            out.push_back(text[i++]);
            while (i < n && text[i] != '"') {
                if (text[i] == '\\' && i + 1 < n) out.push_back(text[i++]);
                out.push_back(text[i++]);
            }
            if (i < n) out.push_back(text[i++]);
        } else {
            out.push_back(text[i++]);
        }
    }
    out.resize(n, ' ');
    return out;
}

} // namespace kvilo::json
