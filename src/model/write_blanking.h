// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The channels a clone write cannot keep. The receiver's version decides
// its frequency coverage, and the image that goes to the receiver carries a
// channel outside it as blank (a VFO band as the factory set it): the
// receiver would not tune it. Such channels come in from a data file of
// another version or a table of another radio's channels, and the grid
// marks them with "?"; before a write they are named, so that none is lost
// without the user being told.

#include <string>
#include <vector>

#include "model/master.h"

// The channels in use whose frequency the version in force cannot hold, in
// the order of the tree, each as "Bank A 03: 2999.990000" (the list as the
// tree names it, the channel number, the frequency as the grid shows it).
// Nothing when no version is known: no write can pass its check then.
std::vector<std::string> ChannelsBlankedByWrite(const clsRigQ5_Master& master);
