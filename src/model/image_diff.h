// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The differences between two memories of the same receiver version, as the
// user sees them: every grid cell of every channel list that shows another
// text, and every common setting (the comment included) that the settings
// dialog shows otherwise. Bytes the program shows nowhere (the ones it
// restores before every clone write) make no difference here. The
// command-line tool prints these lines, the window lists them in a table,
// and the check after a clone write names its findings with them.

#include <string>
#include <vector>

#include "model/master.h"

struct ImageDifference {
    int key = -1;         // tree key of the channel's list; -1 for a setting
    int row = -1;         // the channel's row in that list
    std::string list;     // the list as the tree names it; "Setting" for a setting
    std::string channel;  // the channel number as the grid shows it; empty for a setting
    std::string field;    // the column header without its trailing blanks, or the caption
    std::string a, b;     // the two values as the grid or the settings dialog shows them
                          // (without the blanks that align them)
};

// The list name of the common settings: the settings dialog's caption.
inline constexpr const char* kSettingsListName = "Setting";

// Channel by channel in the tree's order, then the settings in the dialog's
// order. Both documents must be of the same receiver version.
std::vector<ImageDifference> ImageDifferences(const clsRigQ5_Master& a, const clsRigQ5_Master& b);

// "Bank A 05: Frequency", "Setting: Beep Audio".
std::string DifferencePlace(const ImageDifference& d);
// A channel by its list and number: "Bank A 05".
std::string ChannelPlaceText(const clsRigQ5_Master& master, int key, int row);
// List, channel, field and the two values, separated by tabs.
std::string DifferenceLine(const ImageDifference& d);
// "3 differences between Untitled and my.acf".
std::string DifferencesSummary(std::size_t count, const std::string& aName,
                               const std::string& bName);
// What the window says when the memory shown and a file's are the same.
std::string NoDifferencesText(const std::string& otherName);
