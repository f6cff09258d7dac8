// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/eeprom.h"

#include <gtest/gtest.h>

#include <climits>
#include <sstream>

TEST(Eeprom, AccessOutsideTheImageReadsZeroAndRefusesWritesBitsOutsideAByteDoNothing) {
    clsCmcEeprom e;
    e.FillBlock(0, 0xAA, 8064);
    const auto before = e.bytes();
    // Each call's result: 0 done, 1 refused (nothing written); reads outside give 0.
    EXPECT_EQ(std::vector({e.WriteByte(8064, 5), e.WriteByte(-1, 5), e.WriteBit(8064, 0, 1),
                           e.FillBlock(8000, 1, 65), e.FillBlock(-1, 1, 2), e.FillBlock(0, 1, 0),
                           e.WriteBlock(8062, {1, 2, 3}), e.ReadByte(8064), e.ReadByte(-1),
                           e.ReadBit(-1, 0)}),
              std::vector({1, 1, 1, 1, 1, 1, 1, 0, 0, 0}));
    EXPECT_EQ(e.bytes(), before);
    // Blocks read zeros outside, never beyond (the last without overflow).
    EXPECT_EQ(e.ReadBlock(8062, 4), (ByteStr{0xAA, 0xAA, 0, 0}));
    EXPECT_EQ(e.ReadBlock(-2, 3), (ByteStr{0, 0, 0xAA}));
    EXPECT_TRUE(e.ReadBlock(0, 0).empty() && e.ReadBlock(0, -5).empty());
    EXPECT_EQ(e.ReadBlock(INT32_MAX - 1, 3), (ByteStr{0, 0, 0}));
    // Both ends inside: stored.
    EXPECT_TRUE(!e.FillBlock(8000, 0xFF, 64) && !e.FillBlock(1, 7, 0) &&
                !e.WriteBlock(8061, {1, 2, 3}));
    EXPECT_EQ(ByteStrToHexStr(e.ReadBlock(7999, 2)) + ByteStrToHexStr(e.ReadBlock(8060, 4)),
              "AAFFFF010203");
    // Bits: any non-zero value sets one; bit numbers outside a byte do nothing.
    clsCmcEeprom b;
    for (const int bit : {3, 0, 8, -1, 100}) b.WriteBit(10, bit, 7);
    b.WriteBit(10, 3, 0);
    EXPECT_EQ(b.ReadByte(10), 0x01);
    EXPECT_EQ(b.ReadBit(10, 0) + b.ReadBit(10, 3) * 2 + b.ReadBit(10, 8) * 4, 1);
}

TEST(LetByPressed, UnpacksPlainEscapedAndRunTokensOverWhatIsThere) {
    // 01 45; F0 00 -> F0; F1 v nn and F2 v nnnn runs; F3..FF skipped.
    // "text>bytes;": the last five are cut short, a token missing its
    // arguments is dropped.
    std::istringstream cases(
        "0145F10006082AF1FF03>0145000000000000082AFFFFFF777777;"
        "F00FF000F2AB0003F3EF>FFF0ABABABEF77777777777777777777;01F2>01777777;01F1AA>01777777;"
        "01F0>01777777;012>01777777;>77777777");
    for (std::string c; std::getline(cases, c, ';');) {
        const std::string text = c.substr(0, c.find('>')), bytes = c.substr(c.find('>') + 1);
        clsCmcEeprom e;
        e.FillBlock(0, 0x77, 8064);
        e.LetByPressed(text);
        EXPECT_EQ(ByteStrToHexStr(e.ReadBlock(0, static_cast<int>(bytes.size() / 2))), bytes) << c;
    }
    // 8060 bytes of 0x11, then a run of 10 that does not fit: nothing is
    // stored for it, but the write address moves past the end.
    clsCmcEeprom e;
    e.FillBlock(0, 0x77, 8064);
    e.LetByPressed("F2111F7CF1220A33");
    EXPECT_EQ(ByteStrToHexStr(e.ReadBlock(8059, 5)), "1177777777");
}
