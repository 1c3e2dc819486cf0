#pragma once
// Control characters in a text that came from outside must not reach a terminal or a message, where they
// could move the cursor, ring the bell or rewrite what the user sees: they become blanks.
#include <string>
#include <string_view>

namespace kvilo::base {

// A 1251 text with its control characters blanked: C0 (0x00-0x1F), DEL (0x7F) and 0x98, the one byte that
// stands for a C1 control (U+0098); 1251 gives every other byte of 0x80-0x9F a letter or a sign.
std::string BlankControls(std::string_view ansi);

// A UTF-8 text with C0, DEL and the C1 controls U+0080-U+009F blanked, one blank per character. Bytes that
// are not well-formed UTF-8 are left as they are.
std::string BlankControlsUtf8(std::string_view utf8);

} // namespace kvilo::base
