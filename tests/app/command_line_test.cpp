// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include <gtest/gtest.h>

#include <sstream>

TEST(StartupCommandLine, SetupOnlyForExactlySlashSAndAFileForOneOtherArgument) {
    // "arguments separated by '|'>the request": demo, setup and the file. A
    // mistyped setup switch ("/s", " /S") is neither the setup nor a file name.
    std::istringstream cases(
        ">;/S>setup;/S|x.acf>;my data.acf>my data.acf;/s>; /S>;/S >;/sx>/sx;--demo|/S>demo setup;"
        "/S|--demo>demo setup;--demo|x.acf>demo x.acf;--demo|--demo>demo;"
        // After "--" every argument is a file name, "/S" and "-h" too.
        "--|-h>-h;--demo|--|--demo>demo --demo;--|/S>/S;--|a|b>;-->;->-");
    for (std::string c; std::getline(cases, c, ';');) {
        const std::size_t gt = c.find('>');
        std::vector<std::string> args;
        std::istringstream in(c.substr(0, gt));
        for (std::string a; std::getline(in, a, '|');) args.push_back(a);
        const StartupRequest r = ParseStartupCommandLine(args);
        std::string got = (r.demo ? "demo " : "") + std::string(r.setup ? "setup " : "") + r.file;
        if (!got.empty() && got.back() == ' ') got.pop_back();
        EXPECT_EQ(got, c.substr(gt + 1)) << c;
    }
}

TEST(StartupCommandLine, HelpVersionAndUnknownOptionsAnswerOnTheTerminal) {
    using Action = StartupRequest::Action;
    const struct {
        std::vector<std::string> args;
        Action action;
        std::string error;
    } cases[] = {
        {{"--help"}, Action::Help, ""},
        {{"x.acf", "-h"}, Action::Help, ""},
        {{"--version", "/S"}, Action::Version, ""},
        {{"--foo"}, Action::UsageError, "unknown option '--foo'"},
        {{"--Demo"}, Action::UsageError, "unknown option '--Demo'"},
        {{"-x", "--help"}, Action::UsageError, "unknown option '-x'"},
        {{"--", "--help"}, Action::Run, ""},
    };
    for (const auto& c : cases) {
        const StartupRequest r = ParseStartupCommandLine(c.args);
        EXPECT_EQ(r.action, c.action) << c.args.front();
        EXPECT_EQ(r.error, c.error) << c.args.front();
    }
    EXPECT_NE(StartupUsage().find("--version"), std::string::npos);
}
