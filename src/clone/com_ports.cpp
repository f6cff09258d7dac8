// SPDX-License-Identifier: GPL-3.0-or-later
#include "clone/com_ports.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <tuple>
#include <utility>

#include "app/common.h"

namespace {

// (family rank, name stem, number, full path) for sorting "ttyUSB10" after "ttyUSB2".
std::tuple<int, std::string, long long, std::string> SortKey(const std::string& path) {
    const std::string name =
        path.substr(path.find_last_of('/') == std::string::npos ? 0 : path.find_last_of('/') + 1);
    std::size_t digits = name.size();
    while (digits > 0 && name[digits - 1] >= '0' && name[digits - 1] <= '9') --digits;
    const std::string stem = name.substr(0, digits);
    const std::string tail = name.substr(digits).substr(0, 15);
    const long long number = tail.empty() ? -1 : std::stoll(tail);
    int rank = 3;
    if (stem == "ttyUSB")
        rank = 0;
    else if (stem == "ttyACM")
        rank = 1;
    else if (stem == "ttyS")
        rank = 2;
    return {rank, stem, number, path};
}

}  // namespace

std::string ComDeviceProfileKey(int slot) {
    return "ComDevice(" + std::to_string(slot) + ")";
}

std::vector<std::string> OrderSerialPorts(std::vector<std::string> found) {
    std::sort(found.begin(), found.end(),
              [](const std::string& a, const std::string& b) { return SortKey(a) < SortKey(b); });
    found.erase(std::unique(found.begin(), found.end()), found.end());
    return found;
}

std::string DevicePathOf(const std::string& name) {
    const std::string device = Trim(name, " \t\r\n");
    if (device.empty() || device.find('/') != std::string::npos) return device;
    return "/dev/" + device;
}

std::string ResolveComDevice(int slot, const std::map<int, std::string>& configured,
                             const std::vector<std::string>& found) {
    if (const auto it = configured.find(slot); it != configured.end()) {
        const std::string device = DevicePathOf(it->second);
        if (!device.empty()) return device;
    }
    const auto ordered = OrderSerialPorts(found);
    if (slot < 1 || static_cast<std::size_t>(slot) > ordered.size()) return {};
    return ordered[static_cast<std::size_t>(slot) - 1];
}

std::string JoinableGroup(const DeviceAccess& device, unsigned userId) {
    constexpr unsigned kGroupReadWrite = 060;  // S_IRGRP | S_IWGRP
    if ((device.mode & kGroupReadWrite) != kGroupReadWrite) return {};
    if (device.group == 0 || device.owner == userId) return {};
    return device.groupName;
}

CableWatch::CableWatch(std::vector<std::string> present)
    : known_(OrderSerialPorts(std::move(present))) {}

std::string CableWatch::Look(const std::vector<std::string>& now) {
    const std::vector<std::string> listed = OrderSerialPorts(now);
    std::string appeared;
    for (const std::string& device : listed) {
        if (!std::binary_search(known_.begin(), known_.end(), device,
                                [](const std::string& a, const std::string& b) {
                                    return SortKey(a) < SortKey(b);
                                })) {
            appeared = device;
            break;
        }
    }
    // What went away is forgotten, so that the cable pulled out and plugged
    // in again counts; what is there now is known from now on.
    known_ = listed;
    return appeared;
}

std::string SerialByIdName(const std::string& device, const std::string& folder) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path target = fs::weakly_canonical(device, ec);
    if (ec || device.empty()) return {};
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, ec)) {
        std::error_code linkError;
        if (fs::weakly_canonical(entry.path(), linkError) == target && !linkError)
            names.push_back(entry.path().filename().string());
    }
    // Several names for one device (one per interface name) come in the
    // same order every time.
    std::sort(names.begin(), names.end());
    return names.empty() ? std::string() : names.front();
}

std::vector<std::string> SerialPortLines(const std::vector<FoundPort>& found,
                                         const std::map<int, std::string>& configured) {
    constexpr int kSlots = 4;
    std::vector<std::string> paths;
    for (const FoundPort& port : found) paths.push_back(port.path);
    std::map<std::string, std::string> slotsOf;
    for (int slot = 1; slot <= kSlots; ++slot) {
        const std::string device = ResolveComDevice(slot, configured, paths);
        if (device.empty()) continue;
        std::string& slots = slotsOf[device];
        slots += (slots.empty() ? "COM" : ",COM") + std::to_string(slot);
    }
    std::vector<std::string> lines;
    for (const FoundPort& port : found) {
        const auto it = slotsOf.find(port.path);
        lines.push_back((it == slotsOf.end() ? std::string("-") : it->second) + "\t" + port.path +
                        "\t" + port.description);
        if (it != slotsOf.end()) slotsOf.erase(it);
    }
    for (const auto& [device, slots] : slotsOf)
        lines.push_back(slots + "\t" + device + "\tnot found among the serial ports");
    return lines;
}

std::string DeviceHolder(const std::string& device, const std::string& procRoot, long ownPid) {
    namespace fs = std::filesystem;
    std::error_code ec;
    // A process's open files are links to the device's own path.
    fs::path target = fs::canonical(device, ec);
    if (ec) target = device;
    std::vector<std::pair<long, std::string>> holders;
    for (auto proc = fs::directory_iterator(procRoot, ec); !ec && proc != fs::directory_iterator();
         proc.increment(ec)) {
        const std::string pid = proc->path().filename().string();
        if (pid.empty() || pid.size() > 9 ||
            pid.find_first_not_of("0123456789") != std::string::npos || std::stol(pid) == ownPid)
            continue;
        std::error_code fdEc;
        bool holds = false;
        for (auto fd = fs::directory_iterator(proc->path() / "fd", fdEc);
             !fdEc && fd != fs::directory_iterator() && !holds; fd.increment(fdEc)) {
            std::error_code linkEc;
            holds = fs::read_symlink(fd->path(), linkEc) == target && !linkEc;
        }
        if (!holds) continue;
        std::string name;
        std::ifstream comm(proc->path() / "comm");
        std::getline(comm, name);
        name = Trim(name, " \t\r\n");
        holders.emplace_back(std::stol(pid),
                             (name.empty() ? std::string() : name + ", ") + "process " + pid);
    }
    // A pseudo-terminal is held by the program on its other side as well.
    std::sort(holders.begin(), holders.end());
    std::string text;
    for (const auto& [pid, holder] : holders) text += (text.empty() ? "" : "; ") + holder;
    return text;
}
