#pragma once
// Character classes of the ASCII range alone, whatever the C locale says (Qt sets it from the environment).

namespace kvilo::base {

constexpr bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace kvilo::base
