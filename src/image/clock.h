// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The millisecond counter that every time-out in the program is measured
// with. Production code uses the steady clock; tests move a fake by hand.

#include <cstdint>

class MsClock {
public:
    virtual ~MsClock() = default;
    // Milliseconds on a monotonic counter, taken as a signed 32-bit number
    // (it wraps after about 24.8 days, as the countdown expects).
    virtual std::int32_t NowMs() const = 0;
};

// std::chrono::steady_clock in milliseconds.
class SteadyMsClock : public MsClock {
public:
    std::int32_t NowMs() const override;
};

// The clock the program runs on unless a test hands in another.
MsClock& SystemMsClock();
