// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command line of csq5-sim: who the simulated receiver is, where its
// image comes from and goes, how fast the line runs, and which fault to
// play.

#include <string>
#include <vector>

#include "sim/sim_receiver.h"

struct SimOptions {
    ReceiverSetup setup;
    std::string imageFile;  // --image: start from this data file
    std::string saveFile;   // --save: keep every written image here
    std::string link;       // --link: symlink to the pty's slave
    int baud = 0;           // --baud: 0 = unpaced
    bool verbose = false;   // log every frame
    bool quiet = false;     // log nothing
    bool help = false;
};

// Parses the arguments after the program name; false with error set on a
// bad argument.
bool ParseSimOptions(const std::vector<std::string>& args, SimOptions& out, std::string& error);

// The text of --help.
std::string SimUsage();

// Fault names as the command line spells them.
const char* FaultName(SimFault fault);
