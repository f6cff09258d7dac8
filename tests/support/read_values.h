// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Test helpers: a channel record's values written and read in one go, and
// numbers drawn from a fixed seed.

#include <random>
#include <string>

#include "model/channel.h"

// The record's numeric items other than the frequency, in one order.
struct ChannelItem {
    int item;
    int (clsRigQ5_Ch::*read)() const;
    void (clsRigQ5_Ch::*write)(int);
};
#define CSQ5_ITEM(item, name) \
    { clsRigQ5_Ch::kItem##item, &clsRigQ5_Ch::name##_Pure, &clsRigQ5_Ch::name##_Pure }
// clang-format off
inline const ChannelItem kChannelItems[] = {
    CSQ5_ITEM(DupDir, DupDir), CSQ5_ITEM(FreqDup, FreqDup), CSQ5_ITEM(TSql, TSqlOn),
    CSQ5_ITEM(Tone, ToneNo), CSQ5_ITEM(TvIf, TvIf), CSQ5_ITEM(TvReverse, TvReverse),
    CSQ5_ITEM(SubCarrier, TvSubCarrier), CSQ5_ITEM(SkipM, SkipM), CSQ5_ITEM(SkipT, SkipT),
    CSQ5_ITEM(Mode, ModeNo), CSQ5_ITEM(Ts, TsNo)};
// clang-format on
#undef CSQ5_ITEM

// Writes the items in the order of kChannelItems (as many as given), then the name.
inline void WriteValues(clsRigQ5_Ch& c, std::initializer_list<int> values, const char* name = "") {
    const ChannelItem* item = kChannelItems;
    for (int v : values) (c.*(item++)->write)(v);
    c.Name(name);
}

// The read values of the items the channel has (the grid's and the dialog's
// view of it); items of other kinds of channel are not stored for it. With
// `all`, every value the record reads, whether its kind has the item or not.
inline std::string ReadValues(const clsRigQ5_Ch& c, bool all = false) {
    std::string s = std::to_string(c.AppearCh());
    if (c.AppearCh() || all) s += "/" + std::to_string(c.FreqOp_Pure());
    for (const auto& [item, read, write] : kChannelItems)
        if (all || c.ItemExistsNow(item)) s += "/" + std::to_string((c.*read)());
    // A VFO's name bytes lie beyond its 10-byte record and are never written.
    if (all || (c.ItemExistsNow(clsRigQ5_Ch::kItemName) && c.ChIdent() > 10))
        s += "/'" + c.Name() + "'";
    return s;
}

// Numbers drawn from a fixed seed, so that a failing case can be run again.
struct Pick {
    std::mt19937 rng;
    explicit Pick(std::uint32_t seed) : rng(seed) {}
    int operator()(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }
};
