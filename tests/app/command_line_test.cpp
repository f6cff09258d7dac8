// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include <gtest/gtest.h>

TEST(StartupCommandLine, SetupOnlyForExactlySlashSAndAFileForOneOtherArgument) {
    struct Case {
        std::vector<std::string> args;
        bool demo, setup;
        std::string file;
    };
    const std::vector<Case> cases = {
        {{}, false, false, ""},
        {{"/S"}, false, true, ""},
        // A mistyped setup switch is neither the setup nor a file name.
        {{"/s"}, false, false, ""},
        {{" /S"}, false, false, ""},
        {{"/S "}, false, false, ""},
        {{"/sx"}, false, false, "/sx"},
        {{"/S", "x.acf"}, false, false, ""},
        {{"my data.acf"}, false, false, "my data.acf"},
        {{"/home/u/x.acf"}, false, false, "/home/u/x.acf"},
        {{""}, false, false, ""},
        {{"--demo"}, true, false, ""},
        {{"--demo", "/S"}, true, true, ""},
        {{"/S", "--demo"}, true, true, ""},
        {{"--demo", "x.acf"}, true, false, "x.acf"},
        {{"--Demo"}, false, false, ""},
        {{"--help"}, false, false, ""},
        {{"--help", "/S"}, false, false, ""},
        {{"--demo", "--demo"}, true, false, ""},
    };
    for (const auto& c : cases) {
        const StartupRequest r = ParseStartupCommandLine(c.args);
        std::string label;
        for (const auto& a : c.args) label += "[" + a + "]";
        EXPECT_EQ(r.demo, c.demo) << label;
        EXPECT_EQ(r.setup, c.setup) << label;
        EXPECT_EQ(r.file, c.file) << label;
    }
}
