// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/common.h"

#include <gtest/gtest.h>

TEST(Limits, ClampAndFallBack) {
    EXPECT_EQ(LimitInt(15, 0, 12), 12);
    EXPECT_EQ(LimitInt(-1, 0, 12), 0);
    EXPECT_EQ(LimitInt(7, 0, 12), 7);
    EXPECT_EQ(LimitLong(-5, 0, 32767), 0);
    EXPECT_EQ(LimitLong(40000, 0, 32767), 32767);
    EXPECT_EQ(LimitLong(INT32_MIN, -1, 1), -1);
    EXPECT_EQ(InRangeOr(11, 1, 10, 5), 5);
    EXPECT_EQ(InRangeOr(0, 1, 10, 5), 5);
    EXPECT_EQ(InRangeOr(10, 1, 10, 5), 10);
    EXPECT_EQ(InRangeOr(1, 1, 10, 5), 1);
}

TEST(ConvNewLine, TurnsBackslashNIntoCrLfInPlace) {
    const struct {
        std::string in, out;
    } cases[] = {
        {"a\\nb", "a\r\nb"},
        {"ends in \\", "ends in \\"},
        {"\\n\\n", "\r\n\r\n"},
        {"\\\\n", "\\\r\n"},
        {"", ""},
        {"no break", "no break"},
    };
    for (const auto& c : cases) EXPECT_EQ(ConvNewLine(c.in), c.out) << c.in;
}

TEST(ByteStrings, TextAndHexRoundTrips) {
    const ByteStr bytes = StrToByteStr(std::string("A\x01\xFF", 3));
    ASSERT_EQ(bytes.size(), 3u);
    EXPECT_EQ(bytes[2], 0xFF);
    EXPECT_EQ(ByteStrToHexStr(bytes), "4101FF");
    EXPECT_EQ(ByteStrToStr(bytes), std::string("A\x01\xFF", 3));
    EXPECT_EQ(HexStrToByteStr(ByteStrToHexStr(bytes)), bytes);
    EXPECT_EQ(ByteStrToHexStr({}), "");
}

TEST(HexStrToByteStr, PairsSpacesAndOddEnds) {
    const struct {
        std::string in;
        ByteStr out;
    } cases[] = {
        {"0A 1B", {0x0A, 0x1B}},
        {"0A1", {0x0A}},
        {"ff", {0xFF}},
        {"1G", {0x01}},  // leading hex digits count
        {"G1", {0x00}},  // no leading hex digit gives 0
        {"  7F", {0x7F}},
        {"", {}},
        {" ", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(HexStrToByteStr(c.in), c.out) << c.in;
}

TEST(HexByteStrToInt, SixteenBitTwosComplement) {
    const struct {
        std::string in;
        int out;
    } cases[] = {
        {"0", 0}, {"2304", 0x2304}, {"7FFF", 32767}, {"8000", -32768},
        {"FFFF", -1}, {"1a", 26}, {"12xy", 0x12}, {"", 0}, {"x1", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(HexByteStrToInt(StrToByteStr(c.in)), c.out) << c.in;
}

TEST(Hex2, PadsAndKeepsLastTwoDigits) {
    EXPECT_EQ(Hex2(5), "05");
    EXPECT_EQ(Hex2(300), "2C");
    EXPECT_EQ(Hex2(0), "00");
    EXPECT_EQ(Hex2(255), "FF");
    EXPECT_EQ(Hex2(-1), "FF");
}
