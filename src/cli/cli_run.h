// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs one csq5-cli command: builds the program's long-lived objects as the
// window program's start-up does (document, memory map, version from the
// profile), then the command. Returns the exit status: 0 success, 1
// failure (the program's message is on stderr).

#include "cli/cli_options.h"

int RunCli(const CliOptions& options, int& argc, char** argv);

// A text with CR LF (or lone CR) line breaks, with plain line feeds.
std::string RealLineBreaks(const std::string& text);
