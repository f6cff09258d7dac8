// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/radio.h"

#include <gtest/gtest.h>

#include "fake_clock.h"
#include "image/tick.h"

TEST(Radio, CloneWriteAddressListAndTheEditFlag) {
    clsCmcRadio r;
    r.cloneWriteAdrList_Add(0x12345, 0xABCDE);  // four hex digits each
    EXPECT_EQ(r.cloneWriteAdrList(), "2345-BCDE,");
    // The edit flag latches until cleared by writing false.
    r.eepImage.WriteByte(100, 1);
    EXPECT_TRUE(r.EditOn());
    r.eepImage.WriteByte(100, 0);
    EXPECT_TRUE(r.EditOn());  // edited back, still edited
    r.eepImage.WriteByte(5, 9);
    r.EditOn(false);  // takes the new comparison copy
    EXPECT_FALSE(r.EditOn());
}

TEST(Tick, CountsDownStopsAfterRunningOutAndOnJumpsButSurvivesTheCounterWrap) {
    FakeClock clock;
    clsCmcTick t(clock);
    EXPECT_EQ(t.counter(), 0);  // never set
    t.counter(100);
    clock.Advance(150);
    EXPECT_EQ(t.counter(), 0);
    clock.Set(clock.NowMs() - 120);  // run out for good, even if time seemed to come back
    EXPECT_EQ(t.counter(), 0);
    // start,clock>remaining of 100 ms
    const std::int32_t cases[][3] = {
        {INT32_MAX - 10, INT32_MIN + 19, 70}, {0, -5, 0}, {0, 1 << 30, 0}, {0, 100, 0}, {0, 99, 1}};
    for (const auto& c : cases) {
        clock.Set(c[0]);
        t.counter(100);
        clock.Set(c[1]);
        EXPECT_EQ(t.counter(), c[2]) << c[0] << " " << c[1];
    }
}
