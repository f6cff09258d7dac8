// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The national TV channel plans built into the program: for each plan the
// picture-carrier frequency of every TV channel memory, its IF shift and, for
// one plan, its TV skip mark. The memory map fills its 83 TV channels from
// one of them (clsRigQ5_Master::PresetTv).

#include <string_view>

struct TvPresetTable {
    std::string_view caption;  // the menu item's caption, named in the confirmation
    // Five-digit entries in 10 kHz units separated by ","; entry i is TV
    // channel i (shown as i + 1); "00000" leaves the channel blank.
    std::string_view freqs;
    // Two characters per channel: "OF", "-3", "-2", "+2", "+3".
    std::string_view ifShift;
    // One character per channel; "S" marks TV skip. Empty for most plans.
    std::string_view skip;
};

inline constexpr int kNumTvPresets = 10;

// The plan of a menu index 0..9; nullptr for any other index.
const TvPresetTable* TvPresetOf(int index);
