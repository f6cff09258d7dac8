// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Test helpers: a record's values written and read in one go.

#include <random>
#include <string>

#include "model/channel.h"

// The record's numeric items other than the frequency, in one order.
struct ChannelItem {
    int item;
    int (clsRigQ5_Ch::*read)() const;
    void (clsRigQ5_Ch::*write)(int);
};
inline const ChannelItem kChannelItems[] = {
    {clsRigQ5_Ch::kItemDupDir, &clsRigQ5_Ch::DupDir_Pure, &clsRigQ5_Ch::DupDir_Pure},
    {clsRigQ5_Ch::kItemFreqDup, &clsRigQ5_Ch::FreqDup_Pure, &clsRigQ5_Ch::FreqDup_Pure},
    {clsRigQ5_Ch::kItemTSql, &clsRigQ5_Ch::TSqlOn_Pure, &clsRigQ5_Ch::TSqlOn_Pure},
    {clsRigQ5_Ch::kItemTone, &clsRigQ5_Ch::ToneNo_Pure, &clsRigQ5_Ch::ToneNo_Pure},
    {clsRigQ5_Ch::kItemTvIf, &clsRigQ5_Ch::TvIf_Pure, &clsRigQ5_Ch::TvIf_Pure},
    {clsRigQ5_Ch::kItemTvReverse, &clsRigQ5_Ch::TvReverse_Pure, &clsRigQ5_Ch::TvReverse_Pure},
    {clsRigQ5_Ch::kItemSubCarrier, &clsRigQ5_Ch::TvSubCarrier_Pure,
     &clsRigQ5_Ch::TvSubCarrier_Pure},
    {clsRigQ5_Ch::kItemSkipM, &clsRigQ5_Ch::SkipM_Pure, &clsRigQ5_Ch::SkipM_Pure},
    {clsRigQ5_Ch::kItemSkipT, &clsRigQ5_Ch::SkipT_Pure, &clsRigQ5_Ch::SkipT_Pure},
    {clsRigQ5_Ch::kItemMode, &clsRigQ5_Ch::ModeNo_Pure, &clsRigQ5_Ch::ModeNo_Pure},
    {clsRigQ5_Ch::kItemTs, &clsRigQ5_Ch::TsNo_Pure, &clsRigQ5_Ch::TsNo_Pure}};

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
