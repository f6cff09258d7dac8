// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the window program is asked to do at start by its command line.
//
//   csq5                 the main window (or the initial setup when no
//                        receiver version is known yet)
//   csq5 /S              the initial setup; exactly "/S", case-sensitive,
//                        as the only argument ("/s", " /S" and the like
//                        are ignored)
//   csq5 FILE            opens the data file FILE
//   csq5 --demo [/S | FILE]
//                        the same, with a simulated receiver in the program
//                        on COM1 for this run (try cloning without one)
//   csq5 -h | --help     prints the usage
//   csq5 --version       prints the program's version
//
// Options may stand anywhere before "--"; what follows "--" is a file name
// even when it begins with "-" (or is "/S"). An option the program does not
// know is a usage error. Two or more remaining arguments ask for nothing.

#include <string>
#include <vector>

struct StartupRequest {
    // What the start is for: the window, or a text on the terminal.
    enum class Action { Run, Help, Version, UsageError };
    Action action = Action::Run;
    bool demo = false;   // run the demo receiver on COM1
    bool setup = false;  // open the initial setup
    std::string file;    // a data file to open; empty for none
    std::string error;   // UsageError: what is wrong ("unknown option '--foo'")
};

inline constexpr const char* kDemoOption = "--demo";

// arguments: the arguments after the program name.
StartupRequest ParseStartupCommandLine(const std::vector<std::string>& arguments);

// The usage text printed by --help, lines ended by "\n".
std::string StartupUsage();
