// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/sim_options.h"

#include <gtest/gtest.h>

#include <sstream>
#include <tuple>

namespace {

// Parses a command line given as one text, split at blanks.
bool Parse(const std::string& line, SimOptions& o) {
    std::istringstream in(line);
    std::vector<std::string> args;
    for (std::string arg; in >> arg;) args.push_back(arg);
    std::string error;
    const bool ok = ParseSimOptions(args, o, error);
    EXPECT_EQ(error.empty(), ok) << line;
    return ok;
}

}  // namespace

TEST(SimOptions, AFaultIsNamedAsTheUsageSaysWithItsFrameOrAddressAndBadArgumentsAreRefused) {
    // The frame from 1, the address of the byte a write stores wrong in
    // hexadecimal; both after a colon or as the next argument.
    const std::vector<std::tuple<std::string, SimFault, int, std::int32_t>> cases = {
        {"--fault=wrong-model", SimFault::WrongModel, 0, 0},
        {"--fault drop-frame 252", SimFault::DropFrame, 252, 0},
        {"--fault=stall:0", SimFault::Stall, 0, 0},
        {"--fault corrupt-store:1f7f", SimFault::CorruptStore, 0, 0x1F7F},
        {"--fault corrupt-store 0x0051", SimFault::CorruptStore, 0, 0x51},
    };
    for (const auto& [line, fault, frame, address] : cases) {
        SimOptions o;
        ASSERT_TRUE(Parse(line, o)) << line;
        EXPECT_EQ(std::make_tuple(o.setup.fault, o.setup.faultFrame, o.setup.faultAddress),
                  std::make_tuple(fault, frame, address))
            << line;
        EXPECT_NE(SimUsage().find(FaultName(fault)), std::string::npos) << line;
    }
    for (const char* line :
         {"--ver 13", "--ver -1", "--ver x", "--ver", "--am 2", "--tvow 4", "--block 0",
          "--block 113", "--baud 9600x", "--fault fire", "--fault stall", "--fault stall:x",
          "--fault no-echo:3",
          // A fault that spoils a data frame needs one: frame 0 would never strike.
          "--fault bad-checksum:0", "--fault drop-frame 0",
          // An address outside the memory, or not hexadecimal.
          "--fault corrupt-store:1F80", "--fault corrupt-store:12345", "--fault corrupt-store:G1",
          "--fault corrupt-store", "--fault corrupt-store:0x", "--bogus", "extra"}) {
        SimOptions o;
        EXPECT_FALSE(Parse(line, o)) << line;
    }
}
