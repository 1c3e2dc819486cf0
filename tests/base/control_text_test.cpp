// Control characters from outside become blanks: in 1251 texts and in UTF-8 output.
#include <gtest/gtest.h>

#include "base/control_text.h"

namespace kvilo::base {
namespace {

TEST(ControlText, In1251C0DelAndTheOneC1ByteBecomeBlanks) {
    EXPECT_EQ(BlankControls("a\x1b[31mb\x07\t\n\x7f\x98\x97\xC0"), "a [31mb     \x97\xC0");
    EXPECT_EQ(BlankControls(std::string("\0z", 2)), " z");
}

TEST(ControlText, InUtf8OneBlankPerControlCharacterOthersUntouched) {
    EXPECT_EQ(BlankControlsUtf8("a\x1b\x07\x7f\xC2\x85\xC2\x9F\xC2\xA0\xD0\x96"), "a     \xC2\xA0\xD0\x96");
    EXPECT_EQ(BlankControlsUtf8("cut \xC2"), "cut \xC2");
    EXPECT_EQ(BlankControlsUtf8("\xC2\xC2\x80"), "\xC2 ");
}

} // namespace
} // namespace kvilo::base
