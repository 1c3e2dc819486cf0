#include "core/codes/code_check.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>

namespace kvilo::codes {

namespace {

int Digit(std::string_view digits, size_t index) {
    return digits[index] - '0';
}

// The control digit of an INN: the weighted sum of the digits before it, mod 11, mod 10.
int InnControl(std::string_view digits, std::span<const int> weights) {
    int sum = 0;
    for (size_t i = 0; i < weights.size(); ++i)
        sum += weights[i] * Digit(digits, i);
    return sum % 11 % 10;
}

bool InnValid(std::string_view digits) {
    static constexpr std::array<int, 9> kWeights10 = {2, 4, 10, 3, 5, 9, 4, 6, 8};
    static constexpr std::array<int, 10> kWeights11 = {7, 2, 4, 10, 3, 5, 9, 4, 6, 8};
    static constexpr std::array<int, 11> kWeights12 = {3, 7, 2, 4, 10, 3, 5, 9, 4, 6, 8};
    if (digits.size() == 10) return InnControl(digits, kWeights10) == Digit(digits, 9);
    return InnControl(digits, kWeights11) == Digit(digits, 10) && InnControl(digits, kWeights12) == Digit(digits, 11);
}

// OGRN: the number before the control digit mod 11 (OGRNIP: mod 13), its last digit. 14 digits do not fit
// in 32 bits, but fit well in 64.
bool OgrnValid(std::string_view digits) {
    const uint64_t divisor = digits.size() == 13 ? 11 : 13;
    uint64_t number = 0;
    for (size_t i = 0; i + 1 < digits.size(); ++i)
        number = number * 10 + static_cast<uint64_t>(Digit(digits, i));
    return static_cast<int>(number % divisor % 10) == Digit(digits, digits.size() - 1);
}

} // namespace

CodeCheck CheckCode(std::string_view digits) {
    if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return CodeCheck::NotACode;
    switch (digits.size()) {
    case 10:
    case 12:
        return InnValid(digits) ? CodeCheck::Valid : CodeCheck::BadInn;
    case 13:
    case 15:
        return OgrnValid(digits) ? CodeCheck::Valid : CodeCheck::BadOgrn;
    default:
        return CodeCheck::NotACode;
    }
}

} // namespace kvilo::codes
