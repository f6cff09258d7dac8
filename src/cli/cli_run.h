// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs one csq5-cli command: builds the program's long-lived objects as the
// window program's start-up does (document, memory map, version from the
// profile), then the command. Returns the exit status: 0 success, 1
// failure (the program's message is on stderr).

#include "cli/cli_options.h"

int RunCli(const CliOptions& options, int& argc, char** argv);

// A message for the terminal: its CR LF line breaks as line feeds, every
// other control character (of a file name, say) shown as an escape (\n,
// \r, \t, \x1b), so that a name can neither split a message nor move
// the cursor or change the terminal's colours.
std::string TerminalText(const std::string& text);
