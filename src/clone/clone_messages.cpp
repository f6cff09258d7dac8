// SPDX-License-Identifier: GPL-3.0-or-later
#include "clone/clone_messages.h"

#include <algorithm>
#include <vector>

#include "clone/acf3_sequence.h"
#include "image/eeprom.h"
#include "image/info_checks.h"

namespace {

constexpr const char* kCrLf = "\r\n";
constexpr const char* kReceiver = "receiver";

std::string PowerLine() {
    std::string name = kReceiver;
    name[0] = static_cast<char>(name[0] - 'a' + 'A');
    return "- " + name + " power is ON.";
}

std::vector<std::string> HintsA() {
    return {"- The COM port settings.", "- Cloning cable connections.", PowerLine()};
}

std::vector<std::string> HintsB() {
    auto lines = HintsA();
    lines.push_back(std::string("- Appropriate cloning software for the ") + kReceiver +
                    " is being used.");
    lines.push_back(std::string("- The revision number of the ") + kReceiver + ".");
    return lines;
}

std::vector<std::string> HintsC() {
    auto lines = HintsA();
    lines.push_back(std::string("- The revision number of the ") + kReceiver + ".");
    return lines;
}

std::vector<std::string> HintsD() {
    return {"- Cloning cable connections.", PowerLine()};
}

std::string WithHints(const std::string& first, const std::vector<std::string>& hints) {
    std::string text = first + kCrLf + kCrLf + "Check the following:" + kCrLf + kCrLf;
    for (std::size_t i = 0; i < hints.size(); ++i) {
        if (i > 0) text += kCrLf;
        text += hints[i];
    }
    return text;
}

std::string DriverErrorText(int code) {
    switch (code) {
        case kDrvNoEcho:
            return WithHints("Cannot access COM port.", HintsA());
        case kDrvNoAnswer:
            return WithHints(std::string("No answer from ") + kReceiver + ".", HintsA());
        case kDrvBadAnswer:
            return WithHints("Illegal data.", HintsA());
        case kDrvMissingData:
            return WithHints("There is not enough data.", HintsA());
        case kDrvDataOverflow:
            return WithHints("Data Overflow.", HintsA());
        case kDrvWriteRefused:
            return WithHints("Cannot write cloning data.", HintsD());
        default:
            return WithHints("Cannot Clone.", HintsA());
    }
}

std::string SequenceErrorText(int code) {
    switch (code) {
        case kInfoOk:
            return WithHints("Cannot Clone.", HintsA());
        case kInfoIllegalSub:
        case kInfoMalformed:
            return WithHints("Illegal Information.", HintsB());
        case kInfoVersionDiffers:
            return std::string("Version number does not match.") + kCrLf + kCrLf + "The " +
                   kReceiver + " cannot be programmed with the current setting." + kCrLf + "The " +
                   kReceiver + "'s version does not match the initial setup.";
        case kInfoReadImageBad:
            return WithHints("Illegal data.", HintsA());
        default:
            return WithHints("Cannot Clone.", HintsC());
    }
}

// The line after a COM port message: the device the slot stood for (a port
// given as a device path names it already) and what the system said about
// it. Empty when there is nothing to say, or when the device was lost in
// the middle of an operation, which its own message tells.
std::string PortDeviceLine(const CloneFailure& f, const std::string& port) {
    std::string reason;
    switch (f.openFault) {
        case SerialOpenFault::NoDevice:
            return std::string(kCrLf) + kCrLf + port +
                   " stands for no device: none is set for it, and the system has no serial "
                   "port for it.";
        case SerialOpenFault::NotFound:
            reason = "no such device.";
            break;
        case SerialOpenFault::PermissionDenied:
            reason = "permission denied.";
            break;
        case SerialOpenFault::InUse:
            reason = "in use by another program" +
                     (f.openDetail.empty() ? std::string() : " (" + f.openDetail + ")") + ".";
            break;
        case SerialOpenFault::NotSerial:
            reason = "not a serial device.";
            break;
        case SerialOpenFault::Lost:
            return {};
        case SerialOpenFault::None:
            if (f.errCannotOpen) {
                reason = f.openDetail.empty() ? "it could not be opened." : f.openDetail + ".";
            } else {
                // It opened, but what went out did not come back.
                reason = "nothing sent came back; a cloning cable echoes every byte.";
            }
            break;
    }
    if (f.device.empty()) return {};
    const std::string named = f.portDevice.empty() ? port + " is " + f.device : f.device;
    return std::string(kCrLf) + kCrLf + named + ": " + reason;
}

}  // namespace

CloneFailure CloneFailureOf(const clsCmcAcf3Sequence& sequence) {
    CloneFailure f;
    f.errCannotOpen = sequence.com().errCannotOpen();
    f.errOverflow = sequence.com().errOverflow();
    f.driverLastError = sequence.drv().lastError();
    f.sequenceError = sequence.error();
    f.portNum = sequence.ComPortNo();
    f.portDevice = sequence.ComDevice();
    f.permissionDeniedDevice = sequence.com().errPermissionDevice();
    f.permissionGroup = sequence.com().errPermissionGroup();
    f.noSerialPort = sequence.com().errNoSerialPort();
    f.device = sequence.com().errDevice();
    f.openFault = sequence.com().errFault();
    f.openDetail = sequence.com().errDetail();
    return f;
}

std::string CloneFailureText(const CloneFailure& f) {
    const std::string port =
        f.portDevice.empty() ? "COM " + std::to_string(f.portNum) : f.portDevice;
    if (f.errCannotOpen) {
        auto hints = HintsA();
        // A serial device belongs to a group (dialout on Debian); a user
        // outside it gets the same refusal as for a port in use, so say
        // which it was and what grants it.
        if (!f.permissionDeniedDevice.empty() && !f.permissionGroup.empty())
            hints.push_back("- Permission to use " + f.permissionDeniedDevice +
                            " (membership of the " + f.permissionGroup + " group).");
        // Someone trying the program without a receiver, or with a cable
        // the system does not see.
        if (f.noSerialPort)
            hints.push_back(
                "- No serial port was found on this computer; csq5 --demo tries the program "
                "with a simulated receiver.");
        // A device that went away in the middle of a read or write is no
        // port that could not be opened: the cable was pulled out, or the
        // adapter or receiver lost its connection.
        const std::string lost = f.openFault == SerialOpenFault::Lost
                                     ? std::string(kCrLf) + "The " + kReceiver +
                                           " or the cable stopped answering during the operation."
                                     : std::string();
        return WithHints("Cannot access " + port + "." + lost, hints) + PortDeviceLine(f, port);
    }
    if (f.errOverflow) return WithHints("COM buffer Overflow.", HintsA());
    if (f.driverLastError == kDrvNoEcho)
        return DriverErrorText(f.driverLastError) + PortDeviceLine(f, port);
    if (f.driverLastError != 0) return DriverErrorText(f.driverLastError);
    return SequenceErrorText(f.sequenceError);
}

int CloneProgressValue(int workMode, std::int32_t lastEeAdr, int maximum) {
    if (workMode == kWorkWriteEnd) return maximum;
    const std::int64_t value =
        (static_cast<std::int64_t>(maximum) + 1) * lastEeAdr / clsCmcEeprom::kReceiverSize;
    return static_cast<int>(std::clamp<std::int64_t>(value, 0, maximum));
}

int CloneProgressValue(const clsCmcAcf3Drv& driver, int maximum) {
    return CloneProgressValue(driver.workMode(), driver.lastEeAdr(), maximum);
}
