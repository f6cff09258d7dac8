// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/sim_options.h"

#include <gtest/gtest.h>

TEST(SimOptions, FaultSpellings) {
    struct Case {
        std::vector<std::string> args;
        SimFault fault;
        int frame;
    };
    const std::vector<Case> cases = {
        {{"--fault", "no-echo"}, SimFault::NoEcho, 0},
        {{"--fault", "no-answer"}, SimFault::NoAnswer, 0},
        {{"--fault=wrong-model"}, SimFault::WrongModel, 0},
        {{"--fault", "illegal-sub"}, SimFault::IllegalSub, 0},
        {{"--fault", "other-version"}, SimFault::OtherVersion, 0},
        {{"--fault", "bad-checksum:5"}, SimFault::BadChecksum, 5},
        {{"--fault", "drop-frame", "252"}, SimFault::DropFrame, 252},
        {{"--fault", "write-failed"}, SimFault::WriteFailed, 0},
        {{"--fault=stall:0"}, SimFault::Stall, 0},
        {{"--fault", "hangup", "3"}, SimFault::Hangup, 3},
    };
    for (const auto& c : cases) {
        SimOptions o;
        std::string error;
        ASSERT_TRUE(ParseSimOptions(c.args, o, error)) << c.args[0] << " " << error;
        EXPECT_EQ(o.setup.fault, c.fault) << error;
        EXPECT_EQ(o.setup.faultFrame, c.frame);
        EXPECT_NE(SimUsage().find(FaultName(c.fault)), std::string::npos);
    }
    // The byte a write stores wrong is named by its hexadecimal address.
    const std::vector<std::pair<std::vector<std::string>, std::int32_t>> stores = {
        {{"--fault", "corrupt-store:1F60"}, 0x1F60},
        {{"--fault", "corrupt-store", "0x0051"}, 0x51},
        {{"--fault=corrupt-store:0"}, 0},
        {{"--fault", "corrupt-store:1f7f"}, 0x1F7F},
    };
    for (const auto& [args, address] : stores) {
        SimOptions o;
        std::string error;
        ASSERT_TRUE(ParseSimOptions(args, o, error)) << args[1] << " " << error;
        EXPECT_EQ(o.setup.fault, SimFault::CorruptStore);
        EXPECT_EQ(o.setup.faultAddress, address) << args[1];
    }
    EXPECT_NE(SimUsage().find(FaultName(SimFault::CorruptStore)), std::string::npos);
}

TEST(SimOptions, RefusesBadArguments) {
    const std::vector<std::vector<std::string>> cases = {
        {"--ver", "13"},
        {"--ver", "-1"},
        {"--ver", "x"},
        {"--ver"},
        {"--am", "2"},
        {"--tvow", "4"},
        {"--block", "0"},
        {"--block", "113"},
        {"--baud", "9600x"},
        {"--fault", "fire"},
        {"--fault", "stall"},
        {"--fault", "stall:x"},
        {"--fault", "no-echo:3"},
        // A fault that spoils a data frame needs one: frame 0 would never strike.
        {"--fault", "bad-checksum:0"},
        {"--fault", "drop-frame", "0"},
        // An address outside the memory, or not hexadecimal.
        {"--fault", "corrupt-store:1F80"},
        {"--fault", "corrupt-store:12345"},
        {"--fault", "corrupt-store:G1"},
        {"--fault", "corrupt-store"},
        {"--fault", "corrupt-store:0x"},
        {"--bogus"},
        {"extra"},
    };
    for (const auto& args : cases) {
        SimOptions o;
        std::string error;
        EXPECT_FALSE(ParseSimOptions(args, o, error)) << args[0];
        EXPECT_FALSE(error.empty());
    }
}
