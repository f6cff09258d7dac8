// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/channel_sort.h"

#include <algorithm>
#include <numeric>
#include <vector>

#include "app/common.h"

namespace {

using M = clsRigQ5_Master;

// Negative, 0 or positive as a sorts before, with or after b by name.
int CompareNames(const std::string& a, const std::string& b) {
    if (a.empty() != b.empty()) return a.empty() ? 1 : -1;
    return a.compare(b);
}

int CompareFrequencies(std::int32_t a, std::int32_t b) {
    return a < b ? -1 : a > b ? 1 : 0;
}

}  // namespace

bool SortableList(const clsRigQ5_Master& master, int key) {
    return master.TreeKeyChListType(key) == M::kListMemory;
}

bool SortBank(clsRigQ5_Master& master, int key, SortBy by) {
    if (!SortableList(master, key)) return false;
    const int n = master.NumChOfChListType(M::kListMemory);
    std::vector<clsRigQ5_Ch> records;
    std::vector<std::string> names;
    records.reserve(static_cast<std::size_t>(n));
    for (int row = 0; row < n; ++row) {
        records.push_back(*master.ChUnit(key, row));
        names.push_back(Upper(records.back().Name()));
    }

    std::vector<std::size_t> order(records.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const bool inA = records[a].AppearCh(), inB = records[b].AppearCh();
        if (inA != inB) return inA;
        if (!inA) return false;  // blank channels keep their order
        const int byFreq = CompareFrequencies(records[a].FreqOp_Pure(), records[b].FreqOp_Pure());
        const int byName = CompareNames(names[a], names[b]);
        const int first = by == SortBy::Frequency ? byFreq : byName;
        if (first != 0) return first < 0;
        return (by == SortBy::Frequency ? byName : byFreq) < 0;
    });

    if (std::is_sorted(order.begin(), order.end())) return false;
    for (int row = 0; row < n; ++row)
        *master.ChUnit(key, row) = records[order[static_cast<std::size_t>(row)]];
    master.Radio().EditOn(true);
    return true;
}
