// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which device a COM slot stands for. The program offers four slots, COM1
// to COM4; on Linux a slot is either the device the profile names for it or
// the n-th serial port found on the system, USB adapters first (they are
// what a cloning cable usually is), then the built-in ports.

#include <map>
#include <string>
#include <vector>

// The profile key (section "OPTION") naming slot n's device.
std::string ComDeviceProfileKey(int slot);

// The found device paths in slot order: /dev/ttyUSB*, /dev/ttyACM*,
// /dev/ttyS*, then any other; numbers in numeric order within each family.
std::vector<std::string> OrderSerialPorts(std::vector<std::string> found);

// Slot n's device: configured[n] when set (a bare name like "ttyUSB0" means
// /dev/ttyUSB0), else the n-th of the ordered found ports, else empty
// (nothing to open).
std::string ResolveComDevice(int slot, const std::map<int, std::string>& configured,
                             const std::vector<std::string>& found);

// The device path a user means by a port name: a bare name such as
// "ttyUSB0" lives in /dev; a name holding a "/" is a path already.
// Surrounding blanks are dropped; empty stays empty.
std::string DevicePathOf(const std::string& name);

// Who may use a device node, as the file system says.
struct DeviceAccess {
    unsigned mode = 0;      // st_mode
    unsigned owner = 0;     // st_uid
    unsigned group = 0;     // st_gid
    std::string groupName;  // the group's name; empty when it has none
};

// The group a refused user could join to use the device: the device's
// group, when that group may read and write it and has a name. Not the
// superuser's group (0), which is no group to join for a serial port, and
// not for the device's owner, to whom the owner's bits apply whatever
// groups he is in. Empty when joining a group would not help.
std::string JoinableGroup(const DeviceAccess& device, unsigned userId);

// Finding the cloning cable: the user plugs it in (or pulls it out and
// plugs it in again) while the program lists the serial devices, and the
// device that appeared is the cable. Built on the list at the start.
class CableWatch {
  public:
    explicit CableWatch(std::vector<std::string> present);
    // now: the devices listed now. Returns the device that has appeared
    // since (the first in slot order when several did), or empty. A device
    // that went away meanwhile is new when it comes back.
    std::string Look(const std::vector<std::string>& now);

  private:
    std::vector<std::string> known_;
};

// The name the system gives a serial device in folder (normally
// /dev/serial/by-id: maker, product and serial number of a USB adapter,
// "usb-FTDI_FT232R_USB_UART_A10K2Z3B-if00-port0"); empty when it has none.
std::string SerialByIdName(const std::string& device,
                           const std::string& folder = "/dev/serial/by-id");

// A serial device found on the system and how it is described.
struct FoundPort {
    std::string path;
    std::string description;
};

// The lines of a list of the serial devices, tab-separated: the COM slots
// that open the device ("COM1", "COM1,COM3", or "-" for none), its path and
// its description. found: the devices in slot order; configured: the
// profile's devices of the slots. A slot's own device that was not found
// follows, described as such.
std::vector<std::string> SerialPortLines(const std::vector<FoundPort>& found,
                                         const std::map<int, std::string>& configured);

// The other programs that hold a device open, as "minicom, process 4711",
// found through the open files each process lists under procRoot (/proc),
// in the order of their process numbers, joined by "; "; this process
// (ownPid) left out. Empty when the system tells of none (another user's
// processes are not shown).
std::string DeviceHolder(const std::string& device, const std::string& procRoot, long ownPid);
