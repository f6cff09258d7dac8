// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The display texts of a channel's fields as the receiver's panel and the
// program show them: index = stored value. The grid cells, the channel edit
// dialog's choice lists and the record's _String accessors all read them
// from here, so every place shows the same words.

#include <string_view>

enum class ChTextList {
    DupDir,      // "OFF", "-Dup", "+Dup"
    Mode,        // "FM", "AM", "WFM", "Auto"
    Tone,        // the 50 CTCSS tones, "67.0" .. "254.1"
    StepNorm,    // the 11 tuning steps below 2.4 GHz, "5k" .. "Auto"
    Step24G,     // the 10 steps of the 2.4 GHz band (no "6.25k")
    TvIf,        // "OFF", "-3M", "-2M", "+2M", "+3M"
    TSql,        // "OFF", "ON"
    TvReverse,   // "", "Rev"
    SubCarrier,  // 127 texts "-63" .. "0" .. "63"
    SkipMList,   // "", "M", "M+P"
    SkipMMenu,   // "Off", "Memory", "Program & Memory"
    SkipTList,   // "", "Skip"
    SkipTMenu,   // "Off", "Skip"
};

// Number of texts in the list.
int ChTextCount(ChTextList list);
// The text at the index; "" for an index outside the list.
std::string_view ChTextAt(ChTextList list, int index);
