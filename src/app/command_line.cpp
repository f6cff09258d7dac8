// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include "app/common.h"

namespace {

// "/s", " /S", "/S " and the like: the setup switch mistyped. No data file
// has such a name, so it is no file to open either.
bool LooksLikeSetupSwitch(const std::string& arg) {
    const std::string word = Trim(arg);
    return word == "/S" || word == "/s";
}

}  // namespace

StartupRequest ParseStartupCommandLine(const std::vector<std::string>& arguments) {
    using Action = StartupRequest::Action;
    StartupRequest request;
    std::vector<std::string> rest;
    bool options = true;  // until "--"
    bool afterDashes = false;
    for (const std::string& arg : arguments) {
        if (options && arg == "--") {
            options = false;
            afterDashes = true;
        } else if (options && arg == kDemoOption) {
            request.demo = true;
        } else if (options && (arg == "-h" || arg == "--help")) {
            request.action = Action::Help;
            return request;
        } else if (options && arg == "--version") {
            request.action = Action::Version;
            return request;
        } else if (options && arg.size() > 1 && arg[0] == '-') {
            // Never taken for a file: "csq5 -h" must not offer to open "-h".
            request.action = Action::UsageError;
            request.error = "unknown option '" + arg + "'";
            return request;
        } else {
            rest.push_back(arg);
        }
    }
    if (rest.size() != 1) return request;
    const std::string& arg = rest.front();
    // The initial setup answers to "/S" alone: "/s", " /S" and the like are
    // not it, and are ignored. After "--" every argument is a file name.
    if (afterDashes) {
        if (!arg.empty()) request.file = arg;
    } else if (arg == "/S") {
        request.setup = true;
    } else if (!arg.empty() && !LooksLikeSetupSwitch(arg)) {
        request.file = arg;
    }
    return request;
}

std::string StartupUsage() {
    return R"USAGE(Usage: csq5 [--demo] [FILE.acf]
       csq5 [--demo] /S
Cloning software for the RX-Q5 receiver: opens the main window, or the
initial setup when the receiver's version is not known yet.

  FILE.acf     open this data file (while CS-Q5 runs: in the running window)
  /S           start with the initial setup (exactly "/S", alone)
  --demo       a simulated receiver on COM1 for this run
  -h, --help   this text
  --version    the program's version
  --           what follows is a file name, even when it begins with "-"

Exit status: 0 success, 1 CS-Q5 already runs, 2 usage error.
)USAGE";
}
