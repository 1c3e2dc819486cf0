#include "text/encoders.h"

#include <gtest/gtest.h>

using namespace kvilo::text;

TEST(HexText, WidthGrowsWithTheValue) {
    EXPECT_EQ(HexText(0), "00");
    EXPECT_EQ(HexText(255), "FF");
    EXPECT_EQ(HexText(256), "0100");
    EXPECT_EQ(HexText(65535), "FFFF");
    EXPECT_EQ(HexText(65536), "010000");
    EXPECT_EQ(HexText(16777215), "FFFFFF");
    EXPECT_EQ(HexText(16777216), "01000000");
    EXPECT_EQ(HexText(-1), "FFFFFFFF");
    EXPECT_EQ(HexText(INT32_MIN), "80000000");
}

TEST(FixedHex, ByteAndWord) {
    EXPECT_EQ(ByteHex(0x0A, true), "0a");
    EXPECT_EQ(ByteHex(0xAB, false), "AB");
    EXPECT_EQ(Hex32(439041101, true), "1a2b3c4d");
    EXPECT_EQ(Hex32(439041101, false), "1A2B3C4D");
    EXPECT_EQ(Hex32(0, false), "00000000");
}

TEST(Base64Encode, Rfc4648) {
    EXPECT_EQ(Base64Encode(""), "");
    EXPECT_EQ(Base64Encode("M"), "TQ==");
    EXPECT_EQ(Base64Encode("Ma"), "TWE=");
    EXPECT_EQ(Base64Encode("Man"), "TWFu");
    EXPECT_EQ(Base64Encode("foobar"), "Zm9vYmFy");
    EXPECT_EQ(Base64Encode(std::string("\xFB\xFF\x00", 3)), "+/8A");
    EXPECT_EQ(Base64Encode(std::string(100, 'x')).size(), 136u);
}

TEST(Base64Decode, FullAndShortGroups) {
    EXPECT_EQ(Base64Decode("TWFu"), "Man");
    EXPECT_EQ(Base64Decode("TWE="), "Ma");
    EXPECT_EQ(Base64Decode("TWE"), "Ma");
    EXPECT_EQ(Base64Decode("TQ=="), "M");
    EXPECT_EQ(Base64Decode("TQ"), "M");
    EXPECT_EQ(Base64Decode("Zm9vYmFy"), "foobar");
    EXPECT_EQ(Base64Decode("TWFu  "), "Man"); // trailing blanks of the input do not count
    EXPECT_EQ(Base64Decode(""), "");
}

TEST(Base64Decode, UrlSafeAndOlderAlphabets) {
    EXPECT_EQ(Base64Decode("-_8A"), Base64Decode("+/8A"));
    EXPECT_EQ(Base64Decode(".,8A"), Base64Decode("+/8A"));
    EXPECT_EQ(Base64Decode("+/8A"), std::string("\xFB\xFF\x00", 3));
}

TEST(Base64Decode, NeverRejectsAndNeverReadsPastTheEnd) {
    EXPECT_EQ(Base64Decode("T"), std::string(1, '\x4C')); // one character: its 6 bits, the rest zero
    EXPECT_EQ(Base64Decode("TWFuT"), std::string("Man") + '\x4C');
    EXPECT_EQ(Base64Decode("!!!!"), std::string(3, '\0'));
    EXPECT_EQ(Base64Decode("===="), std::string(1, '\0'));
}

TEST(Base64Decode, TrailingBlanksOfTheResultAreRemoved) {
    EXPECT_EQ(Base64Decode(Base64Encode("ab  ")), "ab");
    EXPECT_EQ(Base64Decode(Base64Encode("   ")), "");
}

TEST(Base64, RoundTripOfEveryByte) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    all += 'x'; // so that no trailing blank is trimmed
    for (size_t length = 0; length <= all.size(); length += 37) {
        std::string piece = all.substr(all.size() - length);
        EXPECT_EQ(Base64Decode(Base64Encode(piece)), piece);
    }
}

TEST(UrlEncode, PlusFlagAndReservedBytes) {
    EXPECT_EQ(UrlEncode("a b&c", false), "a%20b%26c");
    EXPECT_EQ(UrlEncode("a b&c", true), "a+b%26c");
    EXPECT_EQ(UrlEncode("AZaz09~._-", false), "AZaz09~._-");
    EXPECT_EQ(UrlEncode("a+b/c?d=e%", false), "a%2Bb%2Fc%3Fd%3De%25");
    EXPECT_EQ(UrlEncode("abc   ", true), "abc"); // trailing blanks dropped
    EXPECT_EQ(UrlEncode("\xC6", false), "%C6");  // 1251 letters are encoded byte by byte
    EXPECT_EQ(UrlEncode("", false), "");
}
