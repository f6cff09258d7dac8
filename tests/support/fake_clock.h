// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A millisecond counter that only moves when a test moves it.

#include <cstdint>

#include "image/clock.h"

class FakeClock : public MsClock {
public:
    explicit FakeClock(std::int32_t start = 1000) : now_(start) {}
    std::int32_t NowMs() const override { return now_; }
    void Advance(std::int32_t ms) {
        now_ = static_cast<std::int32_t>(static_cast<std::uint32_t>(now_) + static_cast<std::uint32_t>(ms));
    }
    void Set(std::int32_t ms) { now_ = ms; }

private:
    std::int32_t now_;
};
