// SPDX-License-Identifier: GPL-3.0-or-later
#include "clone/clone_messages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "clone/acf3_driver.h"

// The cases give a failure's first fields in order; the rest keep their defaults.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace {

const std::string kA =
    "- The COM port settings.\r\n- Cloning cable connections.\r\n- Receiver power is ON.";
const std::string kB = kA +
                       "\r\n- Appropriate cloning software for the receiver is being used."
                       "\r\n- The revision number of the receiver.";
const std::string kC = kA + "\r\n- The revision number of the receiver.";
const std::string kD = "- Cloning cable connections.\r\n- Receiver power is ON.";
const std::string kPermission =
    "\r\n- Permission to use /dev/ttyUSB0 (membership of the uucp group).";
const std::string kDemo =
    "\r\n- No serial port was found on this computer; csq5 --demo tries the program with a "
    "simulated receiver.";

std::string Text(const std::string& first, const std::string& hints) {
    return first + "\r\n\r\nCheck the following:\r\n\r\n" + hints;
}

}  // namespace

TEST(CloneFailureText, TheFirstCauseThatAppliesNamesTheFailure) {
    using Fault = SerialOpenFault;
    const std::string tty = "/dev/ttyUSB0", uucp = "uucp";
    // {cannot open, overflow, driver error, sequence error, slot, device, device
    //  refused, the group that would grant it, no serial port at all}
    const std::vector<std::pair<CloneFailure, std::string>> cases = {
        {{true, true, 2, 3}, Text("Cannot access COM 1.", kA)},
        {{false, true, 2, 3}, Text("COM buffer Overflow.", kA)},
        {{false, false, 1, 3}, Text("Cannot access COM port.", kA)},
        {{false, false, 2}, Text("No answer from receiver.", kA)},
        {{false, false, 3}, Text("Illegal data.", kA)},
        {{false, false, 4}, Text("There is not enough data.", kA)},
        {{false, false, 5}, Text("Data Overflow.", kA)},
        {{false, false, 7}, Text("Cannot write cloning data.", kD)},
        {{false, false, 8}, Text("Cannot Clone.", kA)},
        {{false, false, 0, 0}, Text("Cannot Clone.", kA)},
        {{false, false, 0, 1}, Text("Cannot Clone.", kC)},
        {{false, false, 0, 2}, Text("Illegal Information.", kB)},
        {{false, false, 0, 4}, Text("Illegal Information.", kB)},
        {{false, false, 0, 5}, Text("Illegal data.", kA)},
        {{false, false, 0, 6}, Text("Cannot Clone.", kC)},
        {{false, false, 0, 3},
         "Version number does not match.\r\n\r\nThe receiver cannot be programmed with the current "
         "setting.\r\nThe receiver's version does not match the initial setup."},
        // A port not opened is named by its slot or by the device path given
        // instead; a last hint only when there is more to say.
        {{true, false, 0, 6, 4}, Text("Cannot access COM 4.", kA)},
        {{true, false, 0, 6, 4, "/dev/pts/3"}, Text("Cannot access /dev/pts/3.", kA)},
        {{true, false, 0, 6, 1, "", tty, uucp}, Text("Cannot access COM 1.", kA + kPermission)},
        {{true, false, 0, 6, 1, "", tty}, Text("Cannot access COM 1.", kA)},
        {{true, false, 0, 6, 1, "", "", "", true}, Text("Cannot access COM 1.", kA + kDemo)},
        {{true, false, 0, 6, 1, "", tty, uucp, true},
         Text("Cannot access COM 1.", kA + kPermission + kDemo)},
        {{false, false, 2, 6, 1, "", tty, uucp, true}, Text("No answer from receiver.", kA)},
        // A last line names the device behind the port and what the system
        // said of it; a device lost mid-operation is not an open's fault.
        {{true, false, 0, 6, 1, "", "", "", false, "/dev/ttyS0", Fault::NotFound},
         Text("Cannot access COM 1.", kA) + "\r\n\r\nCOM 1 is /dev/ttyS0: no such device."},
        {{true, false, 0, 6, 1, "", tty, uucp, false, tty, Fault::PermissionDenied},
         Text("Cannot access COM 1.", kA + kPermission) + "\r\n\r\nCOM 1 is " + tty +
             ": permission denied."},
        {{true, false, 0, 6, 2, "", "", "", false, tty, Fault::InUse, "minicom, process 7"},
         Text("Cannot access COM 2.", kA) + "\r\n\r\nCOM 2 is " + tty +
             ": in use by another program (minicom, process 7)."},
        {{true, false, 0, 6, 1, "/dev/null", "", "", false, "/dev/null", Fault::NotSerial},
         Text("Cannot access /dev/null.", kA) + "\r\n\r\n/dev/null: not a serial device."},
        {{true, false, 0, 6, 3, "", "", "", true, "", Fault::NoDevice},
         Text("Cannot access COM 3.", kA + kDemo) + "\r\n\r\nCOM 3 stands for no device: none "
                                                    "is set for it, and the system has no serial "
                                                    "port for it."},
        {{true, false, 0, 6, 1, "/dev/pts/3", "", "", false, "/dev/pts/3", Fault::Lost},
         // A device lost during the operation says so under the first line.
         Text("Cannot access /dev/pts/3.\r\nThe receiver or the cable stopped answering during "
              "the operation.",
              kA)},
        // The port opened, but the cable did not echo.
        {{false, false, 1, 0, 1, "", "", "", false, "/dev/ttyS0"},
         Text("Cannot access COM port.", kA) + "\r\n\r\nCOM 1 is /dev/ttyS0: nothing sent came "
                                               "back; a cloning cable echoes every byte."},
    };
    for (std::size_t i = 0; i < cases.size(); ++i)
        EXPECT_EQ(CloneFailureText(cases[i].first), cases[i].second) << i;
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
