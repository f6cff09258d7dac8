// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/line_pacer.h"

#include <gtest/gtest.h>

namespace {
constexpr std::int64_t kMs = 1'000'000;
constexpr std::int64_t kT0 = 5'000 * kMs;
}  // namespace

TEST(LinePacer, UnpacedLetsEverythingOutAtOnce) {
    LinePacer p;
    p.Push(ByteStr(300, 0x55), kT0);
    EXPECT_EQ(p.Due(kT0), 300u);
    EXPECT_EQ(p.Front(3), (ByteStr{0x55, 0x55, 0x55}));
    p.Sent(300);
    EXPECT_TRUE(p.Empty());
}

TEST(LinePacer, EachByteIsDueWhenItsStopBitEnds) {
    // 9600 bit/s, 10 bits a byte: 1.0417 ms per byte.
    LinePacer p(9600);
    p.Push(ByteStr(10, 0), kT0);
    const std::vector<std::pair<std::int64_t, std::size_t>> cases = {
        {0, 0},          {1'041'666, 0},   {1'041'667, 1}, {2'083'334, 2},
        {10'416'666, 9}, {10'416'667, 10}, {50 * kMs, 10},
    };
    for (const auto& [after, due] : cases) EXPECT_EQ(p.Due(kT0 + after), due) << after;
    EXPECT_EQ(p.NextDueNs(), kT0 + 1'041'667);
}

TEST(LinePacer, LateWakeUpsCatchUpWithoutDrift) {
    // A loop that wakes 0 to 2 ms late and sends what is due still takes
    // 960 byte times for 960 bytes (one second at 9600 bit/s), sending
    // several bytes at once after a late wake-up.
    LinePacer p(9600);
    p.Push(ByteStr(960, 0), kT0);
    std::int64_t now = kT0;
    std::int64_t lastSend = 0;
    int wakeUps = 0;
    while (!p.Empty()) {
        now = p.NextDueNs() + (wakeUps % 5) * 500'000;
        const std::size_t due = p.Due(now);
        ASSERT_GE(due, 1u);
        p.Sent(due);
        lastSend = now;
        ++wakeUps;
    }
    EXPECT_GE(lastSend, kT0 + 1000 * kMs);
    EXPECT_LE(lastSend, kT0 + 1000 * kMs + 2 * kMs);
    EXPECT_LT(wakeUps, 960);
}

TEST(LinePacer, AnIdleLineStartsANewBurstAndABusyOneQueuesBehind) {
    LinePacer p(9600);
    p.Push(ByteStr(2, 0), kT0);
    p.Sent(p.Due(kT0 + 3 * kMs));
    ASSERT_TRUE(p.Empty());
    // Quiet for a second: the next byte takes one byte time from now, not
    // zero as if the line owed a backlog.
    const std::int64_t later = kT0 + 1000 * kMs;
    p.Push({0x01}, later);
    EXPECT_EQ(p.Due(later), 0u);
    EXPECT_EQ(p.Due(later + 1'041'667), 1u);
    // Bytes queued while bytes are waiting follow them.
    p.Push({0x02, 0x03}, later + 100'000);
    EXPECT_EQ(p.Due(later + 3'125'001), 3u);
}
