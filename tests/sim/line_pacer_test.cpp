// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/line_pacer.h"

#include <gtest/gtest.h>

namespace {
constexpr std::int64_t kMs = 1'000'000;
constexpr std::int64_t kT0 = 5'000 * kMs;
constexpr std::int64_t kByte = 1'041'667;  // 10 bits at 9600 bit/s, in ns (rounded up)
}  // namespace

TEST(LinePacer, EachByteIsDueWhenItsStopBitEndsCountedFromTheStartOfItsBurst) {
    LinePacer p(9600);
    p.Push(ByteStr(10, 0), kT0);
    for (const auto& [after, due] : std::vector<std::pair<std::int64_t, std::size_t>>{
             {0, 0}, {kByte - 1, 0}, {kByte, 1}, {10'416'666, 9}, {10'416'667, 10}})
        EXPECT_EQ(p.Due(kT0 + after), due) << after;
    p.Sent(10);
    // Quiet for a second: the next byte takes one byte time from now, not
    // zero as if the line owed a backlog; bytes queued meanwhile follow it.
    const std::int64_t later = kT0 + 1000 * kMs;
    p.Push({0x01}, later);
    EXPECT_EQ(p.Due(later + kByte - 1), 0u);
    p.Push({0x02, 0x03}, later + 100'000);
    EXPECT_EQ(p.Due(later + 3 * kByte), 3u);
    EXPECT_EQ(p.Front(3), (ByteStr{1, 2, 3}));
}
