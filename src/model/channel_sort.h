// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Sorting the channels of one memory bank, ascending by frequency or by
// name. The channels in use come first in the chosen order; the blank ones
// follow in the order they had. Only memory banks are sorted: in the VFO,
// program scan edge and TV lists a channel's position is its meaning (the
// VFO of a band, the two edges of a scan pair, the channel of a national
// TV plan).
//
// A sort moves whole records, the values a blank channel keeps out of view
// included, so the bank holds exactly the channels it held before, only in
// another order. Like the grid commands it changes the records; they reach
// the image when the records are written back, and a caller that keeps an
// undo history brackets the sort as one step.

#include "model/master.h"

enum class SortBy { Frequency, Name };

// Whether the list of a tree key may be sorted: a memory bank.
bool SortableList(const clsRigQ5_Master& master, int key);

// Sorts the bank of a tree key. True when the order changed (the document
// then reads as edited); False for a list that is no memory bank or a bank
// already in order.
//
// By frequency: equal frequencies by name. By name: letter case ignored,
// channels without a name after the named ones, equal names by frequency.
// Channels equal in both keep their order.
bool SortBank(clsRigQ5_Master& master, int key, SortBy by);
