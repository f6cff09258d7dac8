// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/line_pacer.h"

#include <algorithm>

namespace {
// Start bit, 8 data bits, stop bit.
constexpr std::int64_t kBitsPerByte = 10;
constexpr std::int64_t kNsPerSecond = 1'000'000'000;
}  // namespace

LinePacer::LinePacer(int bitsPerSecond) : baud_(std::max(bitsPerSecond, 0)) {}

std::int64_t LinePacer::EndOfByte(std::int64_t index) const {
    // Byte i of a burst has left the line after (i + 1) byte times; rounded
    // up to the nanosecond so that Due() counts the byte at that moment.
    return burstStartNs_ + ((index + 1) * kBitsPerByte * kNsPerSecond + baud_ - 1) / baud_;
}

void LinePacer::Push(const ByteStr& bytes, std::int64_t nowNs) {
    if (bytes.empty()) return;
    if (Paced() && queue_.empty()) {
        // The line fell idle when the last byte of the burst ended; an idle
        // line does not owe the computer a backlog of byte times.
        const std::int64_t idleSince = sentInBurst_ == 0 ? nowNs : EndOfByte(sentInBurst_ - 1);
        burstStartNs_ = std::max(nowNs, idleSince);
        sentInBurst_ = 0;
    }
    queue_.insert(queue_.end(), bytes.begin(), bytes.end());
}

std::size_t LinePacer::Due(std::int64_t nowNs) const {
    if (!Paced()) return queue_.size();
    if (nowNs < burstStartNs_) return 0;
    const std::int64_t ended = (nowNs - burstStartNs_) * baud_ / (kBitsPerByte * kNsPerSecond);
    const std::int64_t due = ended - sentInBurst_;
    if (due <= 0) return 0;
    return std::min(queue_.size(), static_cast<std::size_t>(due));
}

ByteStr LinePacer::Front(std::size_t n) const {
    n = std::min(n, queue_.size());
    return ByteStr(queue_.begin(), queue_.begin() + static_cast<std::ptrdiff_t>(n));
}

void LinePacer::Sent(std::size_t n) {
    n = std::min(n, queue_.size());
    queue_.erase(queue_.begin(), queue_.begin() + static_cast<std::ptrdiff_t>(n));
    sentInBurst_ += static_cast<std::int64_t>(n);
}

std::int64_t LinePacer::NextDueNs() const {
    return Paced() ? EndOfByte(sentInBurst_) : 0;
}
