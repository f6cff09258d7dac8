// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Finding channels among the hundreds the receiver holds: every channel list
// of the tree (VFO, the eight memory banks, the program scan edges and the
// TV lists) is searched in the order the tree shows them, row by row, for a
// frequency or for a text in the channel's name.
//
// A text that reads as a number is a frequency typed as in the channel
// dialog ("145.5" finds 145.500000; in the medium-wave range it snaps to the
// 9 kHz grid as typing it there would); it also matches names that hold it,
// since a name such as "RPT145" is what some users look for. Only channels
// in use are found, and never a VFO band the receiver version lacks: the
// grid shows nothing to find there.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/master.h"

// What the user typed, prepared once for a search.
struct FindQuery {
    std::string text;          // as typed, blanks around it removed
    std::string upper;         // the text in upper case, as names are compared
    bool byFrequency = false;  // the text reads as a frequency
    std::int32_t frequency = 0;
};

// A place in the tree: a tree key and a row of its list.
struct ChannelPlace {
    int key = -1;
    int row = -1;
};

struct FindResult {
    bool found = false;
    ChannelPlace place;
    bool wrapped = false;  // the search passed the last list and went on from the first
};

inline constexpr const char* kFindWrappedText =
    "Passed the last channel; the search went on from the top.";

// "Cannot find "TEXT"." for a search without a match.
std::string FindNotFoundText(const std::string& text);

// The query of a typed text; an empty text matches nothing.
FindQuery MakeFindQuery(const clsRigQ5_Master& master, std::string_view typed);

// Whether a channel is one the query finds.
bool ChannelMatches(const clsRigQ5_Ch& ch, const FindQuery& query);

// The first match in tree order. With a place given, the search starts just
// after it, goes to the end and then on from the top (wrapped), ending with
// the place itself: Find Next on the only match finds it again, wrapped.
FindResult FindChannel(const clsRigQ5_Master& master, const FindQuery& query,
                       const ChannelPlace* after = nullptr);

// Every match in tree order.
std::vector<ChannelPlace> FindAllChannels(const clsRigQ5_Master& master, const FindQuery& query);
