// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts of the channel grid: one row per channel of the list a tree key
// shows, one column per channel item. The main window's grid and the
// command-line tool both print these, so they show the same cells.

#include <string>
#include <string_view>
#include <vector>

#include "model/master.h"

// Column titles of the list of a tree key, trailing blanks included; empty
// for a folder node.
std::vector<std::string> ChannelColumnTitles(const clsRigQ5_Master& master, int treeKey);

// The cells of row `row` (channel number within the list, from 0): the
// channel number, "" for the fields of a blank channel, "---" for an item the
// channel does not have (every column but the number of a VFO band the
// version lacks), "AM" in the mode column of an AM-only channel, and the
// frequency with a trailing "?" when the receiver cannot receive it. Empty
// for a folder node or a row beyond the list.
std::vector<std::string> ChannelRowTexts(const clsRigQ5_Master& master, int treeKey, int row);

// One tree node as its definition string describes it:
// image "," selected image "," [parent "->"] key "|" caption.
struct TreeKeyParts {
    int image = 0;
    int selectedImage = 0;
    std::string parent;  // empty for a root node
    std::string key;
    std::string caption;
};

// Splits a definition string (TreeKeyStr); missing parts come back empty or 0.
TreeKeyParts ParseTreeKeyStr(std::string_view definition);
// The caption the tree shows for a key ("Bank A", "TV").
std::string TreeKeyCaption(const clsRigQ5_Master& master, int key);
