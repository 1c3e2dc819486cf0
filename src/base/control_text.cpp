#include "base/control_text.h"

namespace kvilo::base {

namespace {

bool IsControlByte(unsigned char b) {
    return b < 0x20 || b == 0x7F;
}

} // namespace

std::string BlankControls(std::string_view ansi) {
    std::string out(ansi);
    for (char& c : out) {
        const auto b = static_cast<unsigned char>(c);
        if (IsControlByte(b) || b == 0x98) c = ' ';
    }
    return out;
}

std::string BlankControlsUtf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size(); ++i) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        // U+0080-U+009F are encoded as C2 80 - C2 9F.
        const bool c1 = b == 0xC2 && i + 1 < utf8.size() && (static_cast<unsigned char>(utf8[i + 1]) & 0xE0) == 0x80;
        if (c1) ++i;
        out += IsControlByte(b) || c1 ? ' ' : utf8[i];
    }
    return out;
}

} // namespace kvilo::base
