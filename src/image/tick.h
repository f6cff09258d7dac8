// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A countdown in milliseconds, used for every time-out of the clone driver
// and the clone sequence. Reading it after it ran out stops it for good
// until it is set again.

#include <cstdint>

#include "image/clock.h"

class clsCmcTick {
public:
    explicit clsCmcTick(const MsClock& clock = SystemMsClock()) : clock_(&clock) {}

    // Starts a countdown of ms milliseconds.
    void counter(std::int32_t ms);
    // Milliseconds left; 0 when run out, never set, or the clock jumped.
    std::int32_t counter();

    void setClock(const MsClock& clock) { clock_ = &clock; }

private:
    const MsClock* clock_;
    std::int32_t start_ = 0;
    std::int32_t duration_ = 0;
    bool running_ = false;
};
