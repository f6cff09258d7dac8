// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/radio.h"

#include <gtest/gtest.h>

#include "fake_clock.h"
#include "image/tick.h"

TEST(Radio, StartsWithPlaceholderNamesAndNoEdits) {
    clsCmcRadio r;
    EXPECT_EQ(r.radioNameM(), "0000");
    EXPECT_EQ(r.radionameS(), "0000");
    EXPECT_EQ(r.cloneWriteAdrList(), "");
    EXPECT_FALSE(r.EditOn());
    EXPECT_EQ(r.eepImage.eeSize(), 8064);
}

TEST(Radio, CloneWriteAddressListText) {
    clsCmcRadio r;
    r.cloneWriteAdrList_Add(0, 8063);
    EXPECT_EQ(r.cloneWriteAdrList(), "0000-1F7F,");
    r.cloneWriteAdrList_Add(16, 31);
    EXPECT_EQ(r.cloneWriteAdrList(), "0000-1F7F,0010-001F,");
    r.cloneWriteAdrList_Add(0x12345, 0xABCDE);
    EXPECT_EQ(r.cloneWriteAdrList(), "0000-1F7F,0010-001F,2345-BCDE,");
    r.cloneWriteAdrList_Clear();
    EXPECT_EQ(r.cloneWriteAdrList(), "");
}

TEST(Radio, EditFlagLatchesUntilClearedByWritingFalse) {
    clsCmcRadio r;
    r.eepImage.WriteByte(100, 1);
    EXPECT_TRUE(r.EditOn());
    r.eepImage.WriteByte(100, 0);
    EXPECT_TRUE(r.EditOn());  // edited back, still edited
    r.EditOn(false);
    EXPECT_FALSE(r.EditOn());
    r.eepImage.WriteByte(5, 9);
    r.EditOn(false);  // takes the new comparison copy
    EXPECT_FALSE(r.EditOn());
    r.EditOn(true);
    EXPECT_TRUE(r.EditOn());
}

TEST(Radio, BackupRestoreAndInitialImageOperations) {
    clsCmcRadio r;
    r.eepInitial.FillBlock(0, 0x11, 8064);
    r.eepInitial.WriteByte(3, 0x0F);
    r.eepImage.WriteByte(0, 0x42);
    r.Eep_Backup();
    r.eepImage.WriteByte(0, 0x43);
    r.Eep_Restore();
    EXPECT_EQ(r.eepImage.ReadByte(0), 0x42);

    EXPECT_FALSE(r.Eep_SameAsInitBlock(0, 2));
    EXPECT_TRUE(r.Eep_SameAsInitBlock(0, 0));
    EXPECT_TRUE(r.Eep_SameAsInitBlock(5, -3));
    r.Eep_InitBlock(0, 2);
    EXPECT_EQ(r.eepImage.ReadBlock(0, 3), (ByteStr{0x11, 0x11, 0}));
    EXPECT_TRUE(r.Eep_SameAsInitBlock(0, 2));
    r.Eep_InitByte(2);
    EXPECT_EQ(r.eepImage.ReadByte(2), 0x11);
    r.Eep_InitByte(9000);  // ignored
    r.Eep_InitBit(3, 2);
    EXPECT_EQ(r.eepImage.ReadByte(3), 0x04);
    r.Eep_InitAll();
    EXPECT_TRUE(r.eepImage.IsSameAs(r.eepInitial));
    EXPECT_TRUE(r.Eep_SameAsInitBlock(0x1F70, 16));
}

TEST(Tick, CountsDownAndStaysStoppedAfterRunningOut) {
    FakeClock clock;
    clsCmcTick t(clock);
    EXPECT_EQ(t.counter(), 0);  // never set
    t.counter(100);
    EXPECT_EQ(t.counter(), 100);
    clock.Advance(40);
    EXPECT_EQ(t.counter(), 60);
    clock.Advance(110);
    EXPECT_EQ(t.counter(), 0);
    clock.Set(clock.NowMs() - 120);  // even if time seemed to come back
    EXPECT_EQ(t.counter(), 0);
    t.counter(50);
    clock.Advance(50);
    EXPECT_EQ(t.counter(), 0);
}

TEST(Tick, SurvivesTheCounterWrapAndStopsOnJumps) {
    FakeClock clock(INT32_MAX - 10);
    clsCmcTick t(clock);
    t.counter(100);
    clock.Advance(30);  // wraps to a large negative value
    EXPECT_LT(clock.NowMs(), 0);
    EXPECT_EQ(t.counter(), 70);

    clock.Set(0);
    t.counter(100);
    clock.Set(-5);  // backwards
    EXPECT_EQ(t.counter(), 0);

    clock.Set(0);
    t.counter(100);
    clock.Set(1 << 30);  // a forward jump of a quarter of the range
    EXPECT_EQ(t.counter(), 0);
}
