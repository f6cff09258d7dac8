// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/common.h"

#include <gtest/gtest.h>

TEST(Common, HexTextsOfBytesAndNewLinesInMessages) {
    EXPECT_EQ(ByteStrToHexStr(StrToByteStr(std::string("A\x01\xFF\x9a", 4))), "4101FF9A");
    // Pairs of hex digits, blanks between pairs skipped, an odd last digit
    // dropped; a pair counts its leading hex digits.
    const std::pair<const char*, ByteStr> cases[] = {{"0A 1b", {0x0A, 0x1B}}, {"0A1", {0x0A}},
                                                     {"fF", {0xFF}},          {"1G", {0x01}},
                                                     {"G1", {0x00}},          {" ", {}}};
    for (const auto& [in, out] : cases) EXPECT_EQ(HexStrToByteStr(in), out) << in;
    // Sixteen bits, two's complement.
    const std::pair<const char*, int> ints[] = {{"7FFF", 32767}, {"8000", -32768}, {"FFFF", -1},
                                                {"1a", 26},      {"12xy", 0x12},   {"x1", 0}};
    for (const auto& [in, out] : ints) EXPECT_EQ(HexByteStrToInt(StrToByteStr(in)), out) << in;
    EXPECT_EQ(Hex2(300) + Hex2(5) + Hex2(-1), "2C05FF");
    EXPECT_EQ(ConvNewLine("a\\nb\\\\n ends in \\"), "a\r\nb\\\r\n ends in \\");
}

TEST(Common, TrimTakesOnlyTheGivenCharactersAtTheEnds) {
    const struct {
        const char *in, *blanks, *trimmed, *right;
    } cases[] = {
        {" \tA b\t ", " \t", "A b", " \tA b\t"},
        {"   ", " ", "", ""},
        {"", " ", "", ""},
        {"\r\nttyS0\n", " \t\r\n", "ttyS0", "\r\nttyS0\n"},
        {"x", " ", "x", "x"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Trim(c.in, c.blanks), c.trimmed) << c.in;
        EXPECT_EQ(TrimRight(c.in), c.right) << c.in;
    }
}

TEST(Common, CaseAndDecimalNumbersFollowAsciiOnly) {
    EXPECT_EQ(Upper("`az{ Rpt\xe9"), "`AZ{ RPT\xe9");  // the letters' neighbours stay
    EXPECT_EQ(Lower("@AZ[ TSQL\xc9"), "@az[ tsql\xc9");
    const std::pair<const char*, bool> numbers[] = {
        {"145", true}, {"145.5", true},  {".5", true},   {"5.", true}, {".", false},
        {"", false},   {"1.2.3", false}, {"1,5", false}, {" 1", false}};
    for (const auto& [text, decimal] : numbers) EXPECT_EQ(IsDecimalNumber(text), decimal) << text;
}
