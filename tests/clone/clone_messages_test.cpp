// SPDX-License-Identifier: GPL-3.0-or-later
#include "clone/clone_messages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "clone/acf3_driver.h"

namespace {

const std::string kA =
    "- The COM port settings.\r\n- Cloning cable connections.\r\n- Receiver power is ON.";
const std::string kB = kA +
                       "\r\n- Appropriate cloning software for the receiver is being used."
                       "\r\n- The revision number of the receiver.";
const std::string kC = kA + "\r\n- The revision number of the receiver.";
const std::string kD = "- Cloning cable connections.\r\n- Receiver power is ON.";

std::string Text(const std::string& first, const std::string& hints) {
    return first + "\r\n\r\nCheck the following:\r\n\r\n" + hints;
}

CloneFailure Failure(bool cannotOpen, bool overflow, int driver, int sequence) {
    CloneFailure f;
    f.errCannotOpen = cannotOpen;
    f.errOverflow = overflow;
    f.driverLastError = driver;
    f.sequenceError = sequence;
    return f;
}

}  // namespace

TEST(CloneFailureText, EveryCauseInItsOrder) {
    struct Case {
        CloneFailure failure;
        std::string text;
    };
    const std::vector<Case> cases = {
        {Failure(true, true, 2, 3), Text("Cannot access COM 1.", kA)},
        {Failure(false, true, 2, 3), Text("COM buffer Overflow.", kA)},
        {Failure(false, false, 1, 3), Text("Cannot access COM port.", kA)},
        {Failure(false, false, 2, 0), Text("No answer from receiver.", kA)},
        {Failure(false, false, 3, 0), Text("Illegal data.", kA)},
        {Failure(false, false, 4, 0), Text("There is not enough data.", kA)},
        {Failure(false, false, 5, 0), Text("Data Overflow.", kA)},
        {Failure(false, false, 7, 0), Text("Cannot write cloning data.", kD)},
        {Failure(false, false, 8, 0), Text("Cannot Clone.", kA)},
        {Failure(false, false, 0, 0), Text("Cannot Clone.", kA)},
        {Failure(false, false, 0, 1), Text("Cannot Clone.", kC)},
        {Failure(false, false, 0, 2), Text("Illegal Information.", kB)},
        {Failure(false, false, 0, 4), Text("Illegal Information.", kB)},
        {Failure(false, false, 0, 5), Text("Illegal data.", kA)},
        {Failure(false, false, 0, 6), Text("Cannot Clone.", kC)},
        {Failure(false, false, 0, 3),
         "Version number does not match.\r\n\r\nThe receiver cannot be programmed with the current "
         "setting.\r\nThe receiver's version does not match the initial setup."},
    };
    for (std::size_t i = 0; i < cases.size(); ++i)
        EXPECT_EQ(CloneFailureText(cases[i].failure), cases[i].text) << i;
}

TEST(CloneFailureText, PortIsNamedBySlotOrByDevicePath) {
    auto f = Failure(true, false, 0, 6);
    f.portNum = 4;
    EXPECT_EQ(CloneFailureText(f), Text("Cannot access COM 4.", kA));
    f.portDevice = "/dev/pts/3";
    EXPECT_EQ(CloneFailureText(f), Text("Cannot access /dev/pts/3.", kA));
}

TEST(CloneFailureText, PortNotOpenedGetsAHintOnlyWhenThereIsMoreToSay) {
    const std::string permission =
        "\r\n- Permission to use /dev/ttyUSB0 (membership of the uucp group).";
    const std::string demo =
        "\r\n- No serial port was found on this computer; csq5 --demo tries the program with "
        "a simulated receiver.";
    struct Case {
        std::string device, group;
        bool noSerialPort;
        std::string hints;
    };
    const std::vector<Case> cases = {
        {"", "", false, kA},
        {"/dev/ttyUSB0", "uucp", false, kA + permission},
        // Refused, but no group would help (root:root 0600): as plain as ever.
        {"/dev/ttyUSB0", "", false, kA},
        {"", "", true, kA + demo},
        {"/dev/ttyUSB0", "uucp", true, kA + permission + demo},
    };
    for (const Case& c : cases) {
        auto f = Failure(true, false, 0, 6);
        f.portNum = 2;
        f.permissionDeniedDevice = c.device;
        f.permissionGroup = c.group;
        f.noSerialPort = c.noSerialPort;
        EXPECT_EQ(CloneFailureText(f), Text("Cannot access COM 2.", c.hints))
            << c.device << " " << c.group << " " << c.noSerialPort;
        // Another cause comes first only when the port did open.
        f.errCannotOpen = false;
        f.driverLastError = 2;
        EXPECT_EQ(CloneFailureText(f), Text("No answer from receiver.", kA));
    }
}

TEST(CloneProgress, FollowsTheLastAddressAndIsFullAtTheEndOfAWrite) {
    struct Case {
        int workMode;
        std::int32_t lastEeAdr;
        int value;
    };
    const std::vector<Case> cases = {
        {kWorkRead, 0, 0},          {kWorkRead, 79, 0},          {kWorkRead, 80, 1},
        {kWorkRead, 4031, 50},      {kWorkRead, 0x1F7F, 100},    {kWorkWriteData, 0x1F7F, 100},
        {kWorkWriteData, 7984, 99}, {kWorkWriteData, 7985, 100}, {kWorkWriteEnd, 0, 100},
        {kWorkRead, -5, 0},         {kWorkRead, 20000, 100},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CloneProgressValue(c.workMode, c.lastEeAdr), c.value)
            << c.workMode << " " << c.lastEeAdr;
}
