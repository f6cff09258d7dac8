// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/eeprom.h"

#include <gtest/gtest.h>

TEST(Eeprom, AddressesOutsideTheImageReadZeroAndRefuseWrites) {
    clsCmcEeprom e;
    EXPECT_EQ(e.eeSize(), 8064);
    EXPECT_EQ(e.WriteByte(8063, 0x5A), 0);
    EXPECT_EQ(e.ReadByte(8063), 0x5A);
    EXPECT_EQ(e.ReadByte(8064), 0);
    EXPECT_EQ(e.ReadByte(-1), 0);
    const auto before = e.bytes();
    EXPECT_EQ(e.WriteByte(8064, 5), 1);
    EXPECT_EQ(e.WriteByte(-1, 5), 1);
    EXPECT_EQ(e.bytes(), before);
    EXPECT_EQ(e.WriteBit(8064, 0, 1), 1);
    EXPECT_EQ(e.ReadBit(-1, 0), 0);
}

TEST(Eeprom, WriteBitWithAnyNonZeroValueSetsTheBit) {
    clsCmcEeprom e;
    EXPECT_EQ(e.WriteBit(10, 3, 1), 0);
    EXPECT_EQ(e.ReadByte(10), 0x08);
    EXPECT_EQ(e.WriteBit(10, 3, 7), 0);
    EXPECT_EQ(e.ReadByte(10), 0x08);
    EXPECT_EQ(e.ReadBit(10, 3), 1);
    EXPECT_EQ(e.WriteBit(10, 3, 0), 0);
    EXPECT_EQ(e.ReadByte(10), 0x00);
    e.WriteByte(11, 0xFF);
    for (int bit : {8, -1, 100}) {
        EXPECT_EQ(e.ReadBit(11, bit), 0);
        e.WriteBit(11, bit, 0);
        EXPECT_EQ(e.ReadByte(11), 0xFF);
    }
}

TEST(Eeprom, FillAndWriteBlockCheckBothEndsBeforeStoring) {
    clsCmcEeprom e;
    EXPECT_EQ(e.FillBlock(8000, 0xFF, 64), 0);
    EXPECT_EQ(e.ReadByte(7999), 0);
    EXPECT_EQ(e.ReadByte(8000), 0xFF);
    EXPECT_EQ(e.ReadByte(8063), 0xFF);

    clsCmcEeprom f;
    EXPECT_EQ(f.FillBlock(8000, 0xFF, 65), 1);
    EXPECT_EQ(f.ReadByte(8000), 0);
    EXPECT_EQ(f.FillBlock(-1, 0xFF, 2), 1);
    EXPECT_EQ(f.ReadByte(0), 0);
    // A zero-length fill reports whether the start and the byte before it exist.
    EXPECT_EQ(f.FillBlock(0, 1, 0), 1);
    EXPECT_EQ(f.FillBlock(1, 1, 0), 0);
    EXPECT_EQ(f.ReadByte(1), 0);

    EXPECT_EQ(f.WriteBlock(8062, {1, 2, 3}), 1);
    EXPECT_EQ(f.ReadByte(8062), 0);
    EXPECT_EQ(f.WriteBlock(8061, {1, 2, 3}), 0);
    EXPECT_EQ(f.ReadBlock(8061, 3), (ByteStr{1, 2, 3}));
    EXPECT_EQ(f.WriteBlock(0, {9}), 0);
    EXPECT_EQ(f.ReadBlock(0, 1), ByteStr{9});
}

TEST(Eeprom, ReadBlockOutsideTheImageReadsZerosNeverBeyond) {
    clsCmcEeprom e;
    e.FillBlock(0, 0xAA, 8064);
    EXPECT_EQ(e.ReadBlock(8062, 4), (ByteStr{0xAA, 0xAA, 0, 0}));
    EXPECT_EQ(e.ReadBlock(-2, 3), (ByteStr{0, 0, 0xAA}));
    EXPECT_TRUE(e.ReadBlock(0, 0).empty());
    EXPECT_TRUE(e.ReadBlock(0, -5).empty());
    EXPECT_EQ(e.ReadBlock(INT32_MAX - 1, 3), (ByteStr{0, 0, 0}));
}

TEST(Eeprom, SizeChangesClearAndCopyTakesTheOtherSize) {
    clsCmcEeprom a, b;
    a.WriteByte(0, 1);
    a.eeSize(16);
    EXPECT_EQ(a.eeSize(), 16);
    EXPECT_EQ(a.ReadByte(0), 0);
    b.CopyFrom(a);
    EXPECT_EQ(b.eeSize(), 16);
    EXPECT_TRUE(a.IsSameAs(b));
    b.WriteByte(15, 1);
    EXPECT_FALSE(a.IsSameAs(b));
    clsCmcEeprom c;
    EXPECT_FALSE(c.IsSameAs(a));
    a.eeSize(0);
    b.eeSize(0);
    EXPECT_TRUE(a.IsSameAs(b));
}

TEST(LetByPressed, UnpacksPlainEscapedAndRunTokens) {
    clsCmcEeprom e;
    e.LetByPressed("0145F10006082AF1FF06");
    const ByteStr expect{0x01, 0x45, 0, 0, 0, 0, 0, 0, 0x08, 0x2A, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(e.ReadBlock(0, 16), expect);
    EXPECT_EQ(e.ReadByte(16), 0);

    clsCmcEeprom f;
    f.LetByPressed("F00FF000F2AB0100EF");
    EXPECT_EQ(f.ReadByte(0), 0xFF);
    EXPECT_EQ(f.ReadByte(1), 0xF0);
    EXPECT_EQ(f.ReadByte(2), 0xAB);
    EXPECT_EQ(f.ReadByte(257), 0xAB);
    EXPECT_EQ(f.ReadByte(258), 0xEF);
}

TEST(LetByPressed, DoesNotClearAndSkipsRunsThatDoNotFit) {
    clsCmcEeprom e;
    e.FillBlock(0, 0x77, 8064);
    // 8060 bytes of 0x11 then a run of 10 that does not fit: nothing stored
    // for it, but the write address still moves on past the end.
    e.LetByPressed("F2111F7CF1220A33");
    EXPECT_EQ(e.ReadByte(8059), 0x11);
    EXPECT_EQ(e.ReadByte(8060), 0x77);
    EXPECT_EQ(e.ReadByte(8063), 0x77);
}

TEST(LetByPressed, TruncatedOrOddTextStopsAtItsEnd) {
    for (const char* text : {"01F2", "01F1AA", "01F0", "012", "01F2AA00"}) {
        clsCmcEeprom e;
        e.LetByPressed(text);
        EXPECT_EQ(e.ReadByte(0), 0x01) << text;
        EXPECT_EQ(e.ReadByte(1), 0) << text;
    }
    clsCmcEeprom e;
    e.LetByPressed("");
    EXPECT_EQ(e.ReadByte(0), 0);
}
