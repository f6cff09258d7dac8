// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user's side of a clone failure and of the progress display: the one
// text that names the cause of a failed clone operation, and the value of
// the progress bar. Both the window program and the command-line tool use
// these, so every failure reads the same everywhere.

#include <cstdint>
#include <string>

#include "app/common.h"
#include "clone/serial_line.h"

class clsCmcAcf3Sequence;

// What is known about a failure when it is reported.
struct CloneFailure {
    bool errCannotOpen = false;  // the serial service could not open the port
    bool errOverflow = false;    // its receive buffer overflowed
    int driverLastError = 0;     // the frame driver's last error
    int sequenceError = 0;       // the result of the last clone-information check
    int portNum = 1;             // the COM slot
    std::string portDevice;      // a device path given instead of a slot
    // The device that could not be opened for lack of permission, and the
    // group whose membership would let the user open it; both empty when
    // that was not the cause or no group would help.
    std::string permissionDeniedDevice;
    std::string permissionGroup;
    // The port could not be opened and no serial port exists at all.
    bool noSerialPort = false;
    // The device behind the port as last opened or tried (empty: none known),
    // why an open failed, and the system's detail (see SerialLine).
    std::string device;
    SerialOpenFault openFault = SerialOpenFault::None;
    std::string openDetail;
};

// The state of the sequence, its serial service and driver, right now
// (before the sequence is reset).
CloneFailure CloneFailureOf(const clsCmcAcf3Sequence& sequence);

// The message for a failed clone operation, lines joined by CR LF. The
// cause is the first that applies: port not opened, receive overflow, the
// driver's error, the sequence's error. A port not opened gets a last hint
// when there is more to say: the device and the group that would grant it,
// when the user lacks that membership; the demo receiver, when the
// computer has no serial port at all. A port not opened, and a port that
// did not echo, end in one more line naming the device behind the port and
// what was wrong with it ("COM 1 is /dev/ttyS0: no such device.").
std::string CloneFailureText(const CloneFailure& failure);

// The progress bar's full value.
inline constexpr int kCloneProgressMaximum = 100;

// Progress bar value (0..maximum) from the driver's work mode and the last
// image address it handled: full while a write waits for its result,
// otherwise in proportion to the address over the 8064-byte image.
int CloneProgressValue(int workMode, std::int32_t lastEeAdr, int maximum = kCloneProgressMaximum);

class clsCmcAcf3Drv;
// The same, from the driver's state now.
int CloneProgressValue(const clsCmcAcf3Drv& driver, int maximum = kCloneProgressMaximum);
