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
    // not it, and are ignored.
    const std::string& arg = rest.front();
    if (arg == "/S")
        request.setup = true;
    else if (!arg.empty() && arg.rfind("--", 0) != 0 && !LooksLikeSetupSwitch(arg))
        request.file = arg;
    return request;
}
