// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A set of inclusive frequency ranges (10 Hz units): the receiver's allowed,
// forbidden and TV ranges are each one of these.

#include <cstdint>
#include <vector>

class clsCmcBandMan {
public:
    void Clear() { ranges_.clear(); }
    // Appends the range as given: no check, no merging, duplicates allowed.
    void AddEdge(std::int32_t lower, std::int32_t upper) { ranges_.push_back({lower, upper}); }
    bool InsideEdge(std::int32_t freq) const {
        for (const auto& r : ranges_) {
            if (r.lower <= freq && freq <= r.upper) return true;
        }
        return false;
    }
    int Count() const { return static_cast<int>(ranges_.size()); }
    std::int32_t Lower(int i) const { return ranges_.at(static_cast<std::size_t>(i)).lower; }
    std::int32_t Upper(int i) const { return ranges_.at(static_cast<std::size_t>(i)).upper; }

private:
    struct Range {
        std::int32_t lower, upper;
    };
    std::vector<Range> ranges_;
};
