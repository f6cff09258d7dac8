// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

StartupRequest ParseStartupCommandLine(const std::vector<std::string>& arguments) {
    StartupRequest request;
    std::vector<std::string> rest;
    for (const std::string& arg : arguments) {
        if (arg == kDemoOption)
            request.demo = true;
        else
            rest.push_back(arg);
    }
    if (rest.size() != 1) return request;
    // The initial setup answers to "/S" alone: "/s", " /S" and the like are
    // not it (they are taken as file names and refused as such).
    const std::string& arg = rest.front();
    if (arg == "/S")
        request.setup = true;
    else if (!arg.empty() && arg.rfind("--", 0) != 0)
        request.file = arg;
    return request;
}
