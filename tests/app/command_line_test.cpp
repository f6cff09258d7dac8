// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include <gtest/gtest.h>

#include <sstream>

TEST(StartupCommandLine, SetupOnlyForExactlySlashSAndAFileForOneOtherArgument) {
    // Arguments separated by '|'; the request as "demo", "setup" and the file.
    // A mistyped setup switch ("/s", " /S") is neither the setup nor a file name.
    const struct {
        const char *args, *request;
    } cases[] = {{"", ""},
                 {"/S", "setup"},
                 {"/S|x.acf", ""},
                 {"my data.acf", "my data.acf"},
                 {"/s", ""},
                 {" /S", ""},
                 {"/S ", ""},
                 {"/sx", "/sx"},
                 {"--demo|/S", "demo setup"},
                 {"/S|--demo", "demo setup"},
                 {"--demo|x.acf", "demo x.acf"},
                 {"--demo|--demo", "demo"},
                 {"--Demo", ""},
                 {"--help|/S", ""}};
    for (const auto& c : cases) {
        std::vector<std::string> args;
        std::istringstream in(c.args);
        for (std::string a; std::getline(in, a, '|');) args.push_back(a);
        const StartupRequest r = ParseStartupCommandLine(args);
        std::string got = (r.demo ? "demo " : "") + std::string(r.setup ? "setup " : "") + r.file;
        if (!got.empty() && got.back() == ' ') got.pop_back();
        EXPECT_EQ(got, c.request) << c.args;
    }
}
