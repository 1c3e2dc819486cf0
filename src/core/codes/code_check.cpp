#include "core/codes/code_check.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace kvilo::codes {
namespace {

int Digit(char c) {
    return c - '0';
}

// The weighted sum modulo 11, then modulo 10: the control digit of an INN over the digits before it.
int InnControl(std::string_view digits, const int* weights) {
    int sum = 0;
    for (size_t i = 0; i < digits.size(); ++i)
        sum += Digit(digits[i]) * weights[i];
    return sum % 11 % 10;
}

bool InnValid(std::string_view code) {
    static constexpr std::array<int, 11> kWeights12 = {3, 7, 2, 4, 10, 3, 5, 9, 4, 6, 8};
    if (code.size() == 10) return InnControl(code.substr(0, 9), kWeights12.data() + 2) == Digit(code[9]);
    return InnControl(code.substr(0, 10), kWeights12.data() + 1) == Digit(code[10]) &&
           InnControl(code.substr(0, 11), kWeights12.data()) == Digit(code[11]);
}

// The number before the last digit modulo 11 (OGRN) or 13 (OGRNIP), then modulo 10. The 14 leading digits
// fit in 64 bits.
bool OgrnValid(std::string_view code) {
    const uint64_t divisor = code.size() == 13 ? 11 : 13;
    uint64_t number = 0;
    for (size_t i = 0; i + 1 < code.size(); ++i)
        number = number * 10 + static_cast<uint64_t>(Digit(code[i]));
    return static_cast<int>(number % divisor % 10) == Digit(code.back());
}

} // namespace

CodeCheck CheckCode(std::string_view digits) {
    const size_t size = digits.size();
    if (size != 10 && size != 12 && size != 13 && size != 15) return CodeCheck::NotACode;
    if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return CodeCheck::NotACode;
    if (size <= 12) return InnValid(digits) ? CodeCheck::Valid : CodeCheck::BadInn;
    return OgrnValid(digits) ? CodeCheck::Valid : CodeCheck::BadOgrn;
}

} // namespace kvilo::codes
