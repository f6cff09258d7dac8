// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The serial line's speed, imitated on a pseudo-terminal that has none:
// the bytes the cable carries back to the computer are held in a queue and
// let out at the rate a real 8N1 line would deliver them (10 bit times per
// byte). Each byte is due when its stop bit would have ended, counted from
// the moment the line last started to carry a burst, so late wake-ups catch
// up instead of adding up. Without a rate, every byte is due at once.
//
// Times are nanoseconds on a monotonic clock, handed in by the caller.

#include <cstddef>
#include <cstdint>
#include <deque>

#include "app/common.h"

class LinePacer {
  public:
    // bitsPerSecond 0 means unpaced.
    explicit LinePacer(int bitsPerSecond = 0);

    bool Paced() const { return baud_ > 0; }
    bool Empty() const { return queue_.empty(); }
    std::size_t Size() const { return queue_.size(); }

    // Queues bytes to go out; a line that was idle starts a new burst now.
    void Push(const ByteStr& bytes, std::int64_t nowNs);
    // How many queued bytes may be handed to the line now.
    std::size_t Due(std::int64_t nowNs) const;
    // The first n queued bytes (n <= Size()).
    ByteStr Front(std::size_t n) const;
    // The first n queued bytes have been handed to the line.
    void Sent(std::size_t n);
    // When the next queued byte becomes due (only meaningful when paced and
    // not empty).
    std::int64_t NextDueNs() const;

  private:
    std::int64_t EndOfByte(std::int64_t index) const;

    int baud_;
    std::deque<std::uint8_t> queue_;
    std::int64_t burstStartNs_ = 0;
    std::int64_t sentInBurst_ = 0;
};
