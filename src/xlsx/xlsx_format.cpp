#include "xlsx/xlsx_format.h"

#include <bit>
#include <functional>
#include <string_view>

namespace kvilo::xlsx {

namespace {

// FNV-1a style mixing: cheap, and every field takes part so that records differing anywhere spread apart.
class HashMixer {
public:
    void Add(uint64_t value) { hash_ ^= value + 0x9E3779B97F4A7C15ull + (hash_ << 6) + (hash_ >> 2); }
    void Add(std::string_view text) { Add(std::hash<std::string_view>{}(text)); }
    void Add(const TXlsxSide& side) {
        Add(side.FORMAT);
        Add(static_cast<uint32_t>(side.COLOR));
    }
    size_t Value() const { return static_cast<size_t>(hash_); }

private:
    uint64_t hash_ = 0xCBF29CE484222325ull;
};

} // namespace

size_t TXlsxFormatHash::operator()(const TXlsxFormat& f) const noexcept {
    HashMixer h;
    h.Add(static_cast<uint32_t>(f.COLOR));
    h.Add(static_cast<uint32_t>(f.FGCOLOR));
    h.Add(f.BORDER);
    h.Add(f.LEFT);
    h.Add(f.TOP);
    h.Add(f.RIGHT);
    h.Add(f.BOTTOM);
    h.Add(f.DIAG.FORMAT);
    h.Add(static_cast<uint32_t>(f.DIAG.COLOR));
    h.Add(f.DIAG.TYPE);
    h.Add(f.FONTNAME);
    // 0.0 and -0.0 compare equal, so they must hash equal.
    h.Add(std::bit_cast<uint64_t>(f.FONTSIZE == 0 ? 0.0 : f.FONTSIZE));
    h.Add(static_cast<uint32_t>(f.FONTCOLOR));
    h.Add(static_cast<uint32_t>(f.FONTSTYLE));
    h.Add(f.UNDERLINE | f.FONTSCRIPT << 8 | f.ALIGN << 16 | f.ALIGNV << 24);
    h.Add(f.WRAPTEXT | static_cast<uint16_t>(f.ROTATION) << 8 | static_cast<uint64_t>(f.INDENT) << 24 |
          static_cast<uint64_t>(f.SHRINK) << 32 | static_cast<uint64_t>(f.PATTERN) << 40);
    h.Add(f.PICTURE);
    h.Add(f.EXCELMASK);
    h.Add(f.INDEX | f.HIDDEN << 8 | f.UNLOCKED << 16);
    return h.Value();
}

std::string GroupedNumberMask(int decimals, bool redNegatives) {
    std::string fraction;
    if (decimals > 0 && decimals <= 6) fraction = "." + std::string(static_cast<size_t>(decimals), '0');
    std::string mask = "# ##0" + fraction + ";";
    if (redNegatives) mask += "[Red]";
    return mask + "-# ##0" + fraction;
}

} // namespace kvilo::xlsx
