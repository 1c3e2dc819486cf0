#pragma once
// Field types for records that the mapping engine fills and reads (see record_layout.h):
//   FixedText<N>   a blank-padded text of exactly N bytes (the program's "fixed N")
//   ZText<N>       a zero-ended text of at most N bytes (the program's "text N")
//   Date           a day number of the program's calendar (base/dates.h); 0 = no date
//   ListHandle     the handle of a RecordList (record_list.h), as a rules text's "instance" carries it
// Integers (int8_t ... uint32_t), double and std::string_view (a reference to text held elsewhere) are
// used as they are. Every text is Windows-1251 bytes.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace kvilo::json {

// The length of `bytes` without its trailing blanks. A wide fixed text mostly holds blanks, so they are
// passed over eight at a time.
inline size_t LengthWithoutTrailingBlanks(const char* bytes, size_t size) {
    constexpr uint64_t kEightBlanks = 0x2020202020202020ull;
    while (size >= 8) {
        uint64_t word;
        std::memcpy(&word, bytes + size - 8, sizeof word);
        if (word != kEightBlanks) break;
        size -= 8;
    }
    while (size > 0 && bytes[size - 1] == ' ')
        --size;
    return size;
}

template <size_t N> struct FixedText {
    static_assert(N > 0, "a fixed text needs at least one byte");
    static constexpr size_t kWidth = N;
    std::array<char, N> bytes;

    FixedText() { bytes.fill(' '); }
    FixedText(std::string_view text) { Assign(text); }
    FixedText& operator=(std::string_view text) {
        Assign(text);
        return *this;
    }
    // Copies at most N bytes and pads the rest with blanks.
    void Assign(std::string_view text) {
        const size_t count = std::min(N, text.size());
        // An empty view may have no data at all, and memcpy must never be given a null source.
        if (count > 0) std::memcpy(bytes.data(), text.data(), count);
        std::fill(bytes.begin() + static_cast<std::ptrdiff_t>(count), bytes.end(), ' ');
    }
    // The text without its padding.
    std::string_view View() const { return {bytes.data(), LengthWithoutTrailingBlanks(bytes.data(), N)}; }
    std::string Str() const { return std::string(View()); }
    bool Empty() const { return View().empty(); }
    friend bool operator==(const FixedText& a, std::string_view b) { return a.View() == b; }
};

template <size_t N> struct ZText {
    static constexpr size_t kWidth = N;
    std::array<char, N + 1> bytes{};

    ZText() = default;
    ZText(std::string_view text) { Assign(text); }
    ZText& operator=(std::string_view text) {
        Assign(text);
        return *this;
    }
    // Copies at most N bytes (up to a zero byte in `text`) and zeroes the rest.
    void Assign(std::string_view text) {
        const size_t count = std::min({N, text.size(), text.find('\0')});
        if (count > 0) std::memcpy(bytes.data(), text.data(), count);
        std::fill(bytes.begin() + static_cast<std::ptrdiff_t>(count), bytes.end(), '\0');
    }
    std::string_view View() const { return {bytes.data(), std::strlen(bytes.data())}; }
    std::string Str() const { return std::string(View()); }
    bool Empty() const { return bytes[0] == '\0'; }
    friend bool operator==(const ZText& a, std::string_view b) { return a.View() == b; }
};

struct Date {
    int32_t day = 0;
    Date() = default;
    Date(int32_t dayNumber) : day(dayNumber) {}
    operator int32_t() const { return day; }
};

using ListHandle = uint32_t;

} // namespace kvilo::json
