// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/tick.h"

#include <chrono>

std::int32_t SteadyMsClock::NowMs() const {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::steady_clock::now().time_since_epoch())
                        .count();
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(ms)));
}

MsClock& SystemMsClock() {
    static SteadyMsClock clock;
    return clock;
}

void clsCmcTick::counter(std::int32_t ms) {
    start_ = clock_->NowMs();
    duration_ = ms;
    running_ = true;
}

std::int32_t clsCmcTick::counter() {
    if (!running_) return 0;
    const std::int64_t now = clock_->NowMs();
    const std::int64_t start = start_;
    constexpr std::int64_t kQuarter = 1LL << 30;
    std::int64_t elapsed = 0;
    if (start <= now) {
        // A forward jump of a quarter of the counter's range is no countdown
        // of ours: treat it as run out. Halving keeps the test free of
        // overflow in 32-bit arithmetic.
        const auto floorHalf = [](std::int64_t v) { return v >= 0 ? v / 2 : -((-v + 1) / 2); };
        if (floorHalf(now) - floorHalf(start) < kQuarter) {
            elapsed = now - start;
        } else {
            running_ = false;
        }
    } else if (now <= -kQuarter && start >= kQuarter) {
        // The 32-bit counter wrapped round between the start and now.
        elapsed = (now - start) & 0xFFFFFFFFLL;
    } else {
        running_ = false;  // the counter went backwards
    }
    if (running_) {
        if (duration_ > elapsed) return static_cast<std::int32_t>(duration_ - elapsed);
        running_ = false;
    }
    return 0;
}
