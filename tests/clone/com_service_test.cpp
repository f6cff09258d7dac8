// SPDX-License-Identifier: GPL-3.0-or-later
#include "clone/com_service.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "clone/com_ports.h"
#include "clone_line.h"
#include "file_text.h"
#include "temp_dir.h"

using ComServiceTest = CloneLineTest;

// Port numbers outside 1..10 are ignored. Opening an open port changes
// nothing but still discards pending output and abandons the driver's work.
TEST_F(ComServiceTest, OpeningUsesThePortsDeviceAndReopeningResetsTheDriver) {
    for (const int value : {5, 1}) com.comPortNum(value);
    EXPECT_EQ(com.comPortNum(), 1);
    for (const int value : {10, 0, 11, -1}) com.comPortNum(value);
    Start(kWorkInfo, kInfoRequest, false);
    EXPECT_EQ(line.lastDevice, "/dev/ttyUSB9");
    EXPECT_EQ(line.lastBaud, 9600);
    const int discards = line.discards;
    com.comOpen(true);
    EXPECT_EQ(line.openCount, 1);
    EXPECT_EQ(line.discards, discards + 1);
    EXPECT_FALSE(drv.Running());
}

TEST_F(ComServiceTest, FailedOpenIsAnErrorUntilResetAndTellsWhetherAnySerialPortExists) {
    std::vector<std::string> found;
    com.comPortLister([&] { return found; });
    line.failOpen = true;
    for (const bool any : {false, true}) {
        found.assign(any, "/dev/ttyS0");
        com.comOpen(true);
        EXPECT_FALSE(com.comOpen());
        EXPECT_EQ(com.errNoSerialPort(), !any);
        com.timSolid_Timer();
        EXPECT_TRUE(com.totalError());
        com.Reset();
        EXPECT_FALSE(com.totalError() || com.errNoSerialPort());
    }
    // The device tried and what the line said of it stay for the report.
    line.openDetail = "minicom, process 7";
    com.comOpen(true);
    EXPECT_EQ(com.errDevice() + ": " + com.errDetail(), "/dev/ttyUSB0: minicom, process 7");
    // A slot with no device behind it is not even tried.
    com.comResolver([](int) { return std::string(); });
    com.comOpen(true);
    EXPECT_TRUE(com.errCannotOpen());
    EXPECT_EQ(com.errFault(), SerialOpenFault::NoDevice);
    EXPECT_EQ(line.openCount, 3);
}

TEST_F(ComServiceTest, LineErrorsDropThePartialFrameAndAnOverflowClosesThePort) {
    Start(kWorkInfo, kInfoRequest, false);
    const ByteStr answer = AnswerFrame(0xE1, InfoBody());
    line.Feed(Cat({line.writes.back(), ByteStr(answer.begin(), answer.begin() + 6)}));
    com.OnReceive();
    com.OnLineError();
    line.Feed(ByteStr(answer.begin() + 6, answer.end()));
    com.OnReceive();
    EXPECT_TRUE(drv.Running());  // the cut frame never completes
    com.OnOverflow();
    EXPECT_TRUE(com.errOverflow() && com.totalError());
    EXPECT_FALSE(com.comOpen() || drv.Running());
}

// The error report shows a message box whose event loop ticks again: that
// tick returns at once.
TEST_F(ComServiceTest, TickRunsInItsFixedOrderOnceAtATimeAndClosesOnAPersistingError) {
    std::vector<std::string> order;
    com.mainTask([&] { order.push_back("task running=" + std::to_string(drv.Running())); });
    com.errorReport([&] {
        order.push_back("report");
        line.Feed({0x01});
        com.OnReceive();
        com.timSolid_Timer();
    });
    Start(kWorkInfo, kInfoRequest, false);
    clock.Advance(1000);
    com.timSolid_Timer();  // the driver's time-out comes before the main task
    EXPECT_EQ(order, (std::vector<std::string>{"task running=0", "report"}));
    EXPECT_FALSE(com.comOpen());  // the report did not clear the error
}

// The platform's timer sleeps while the heartbeat has nothing to do and is
// woken by every attempt to open the port; what keeps it going is an open
// port, an error still to be reported, or a command of the main window's
// that has not ended.
TEST_F(ComServiceTest, HeartbeatHasWorkOnlyWhileOpenFailingOrBusy) {
    int wakes = 0;
    com.wakeHook([&] { ++wakes; });
    EXPECT_FALSE(com.HeartbeatNeeded());
    com.comOpen(true);
    EXPECT_TRUE(com.HeartbeatNeeded());
    com.comOpen(false);
    EXPECT_FALSE(com.HeartbeatNeeded());
    com.OnOverflow();
    EXPECT_TRUE(com.HeartbeatNeeded());
    com.Reset();
    line.failOpen = true;
    com.comOpen(true);
    EXPECT_TRUE(com.HeartbeatNeeded());
    EXPECT_EQ(wakes, 2);  // closing asks for no tick
    com.Reset();
    bool busy = true;
    com.mainBusy([&] { return busy; });
    EXPECT_TRUE(com.HeartbeatNeeded());
    busy = false;
    EXPECT_FALSE(com.HeartbeatNeeded());
}

TEST(ComPorts, SlotsMapToConfiguredDevicesOrToTheFoundPortsInFamilyOrder) {
    const std::vector<std::string> found = {"/dev/ttyS1",   "/dev/ttyUSB10", "/dev/ttyS0",
                                            "/dev/ttyACM0", "/dev/ttyUSB9",  "/dev/rfcomm0"};
    EXPECT_EQ(OrderSerialPorts(found),
              (std::vector<std::string>{"/dev/ttyUSB9", "/dev/ttyUSB10", "/dev/ttyACM0",
                                        "/dev/ttyS0", "/dev/ttyS1", "/dev/rfcomm0"}));
    // A bare name lives in /dev, a name with a "/" is a path; blank is unset.
    const std::map<int, std::string> configured = {
        {2, "/dev/pts/4"}, {3, " ttyS5\t"}, {4, ""}, {5, "./ttyX"}, {6, "  "}};
    const char* expected[] = {"",           "/dev/ttyUSB9", "/dev/pts/4",   "/dev/ttyS5",
                              "/dev/ttyS0", "./ttyX",       "/dev/rfcomm0", ""};
    for (int slot = 0; slot < 8; ++slot)
        EXPECT_EQ(ResolveComDevice(slot, configured, found), expected[slot]) << slot;
    EXPECT_EQ(ResolveComDevice(1, configured, {}), "");
    EXPECT_EQ(ResolveComDevice(2, configured, {}), "/dev/pts/4");
}

TEST(ComPorts, TheProgramHoldingADeviceIsFoundThroughTheProcessesOpenFiles) {
    // A process table as /proc shows it: each process's open files as
    // links, its name in "comm".
    TempDir proc;
    const std::string device = proc.file("ttyUSB0");
    WriteFile(device, "");
    const auto process = [&](const std::string& pid, const std::string& name,
                             const std::string& f) {
        std::filesystem::create_directories(proc.path() / pid / "fd");
        if (!name.empty()) WriteFile(proc.path() / pid / "comm", name + "\n");
        std::filesystem::create_symlink(f, proc.path() / pid / "fd" / "3");
    };
    process("12", "bash", "/dev/pts/1");
    process("self", "odd", device);  // not a process number
    process("40", "csq5", device);   // this very process
    EXPECT_EQ(DeviceHolder(device, proc.path().string(), 40), "");
    process("57", "minicom", device);
    process("9", "", device);
    EXPECT_EQ(DeviceHolder(device, proc.path().string(), 40), "process 9; minicom, process 57");
}

TEST(ComPorts, OnlyAGroupThatGrantsTheDeviceIsOneToJoin) {
    constexpr unsigned kUser = 1000;
    const std::pair<DeviceAccess, std::string> cases[] = {
        {{0020660, 0, 20, "dialout"}, "dialout"},  // Debian's serial ports
        {{0020660, 0, 14, "uucp"}, "uucp"},        // another system's group
        {{0020600, 0, 0, "root"}, ""},             // root:root 0600: no group helps
        {{0020660, 0, 0, "root"}, ""},             // the superuser's group is none to join
        {{0020640, 0, 20, "dialout"}, ""},         // the group may only read
        {{0020606, 0, 20, "dialout"}, ""},
        {{0020060, kUser, 20, "dialout"}, ""},  // the owner's own bits apply to him
        {{0020660, 0, 4242, ""}, ""},           // a group without a name
    };
    for (const auto& [device, joinable] : cases)
        EXPECT_EQ(JoinableGroup(device, kUser), joinable) << std::oct << device.mode;
}

TEST(ComPorts, TheCableIsTheDeviceThatAppearsWhileTheUserPlugsItIn) {
    // Each step: the devices listed, and the device taken for the cable.
    CableWatch watch({"/dev/ttyS0", "/dev/ttyUSB0"});
    const std::pair<std::vector<std::string>, std::string> steps[] = {
        {{"/dev/ttyUSB0", "/dev/ttyS0"}, ""},              // nothing new yet
        {{"/dev/ttyS0"}, ""},                              // the cable pulled out...
        {{"/dev/ttyS0", "/dev/ttyUSB0"}, "/dev/ttyUSB0"},  // ...and plugged in again
        {{"/dev/ttyS0", "/dev/ttyUSB0"}, ""},              // found once
        {{"/dev/ttyS1", "/dev/ttyACM0", "/dev/ttyS0", "/dev/ttyUSB0"}, "/dev/ttyACM0"},
    };
    for (const auto& [listed, cable] : steps) EXPECT_EQ(watch.Look(listed), cable);
}

TEST(ComPorts, TheSystemsNameOfADeviceAndTheSlotsOfEachPortAreListed) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("csq5-by-id-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir / "by-id");
    std::ofstream(dir / "ttyUSB0").put('x');
    fs::create_symlink("../ttyUSB0", dir / "by-id" / "usb-FTDI_FT232R_A10K-if00-port0");
    fs::create_symlink("../ttyUSB9", dir / "by-id" / "usb-gone-if00-port0");  // dangling
    const std::string byId = (dir / "by-id").string();
    EXPECT_EQ(SerialByIdName((dir / "ttyUSB0").string(), byId), "usb-FTDI_FT232R_A10K-if00-port0");
    EXPECT_EQ(SerialByIdName((dir / "ttyS0").string(), byId), "");
    EXPECT_EQ(SerialByIdName((dir / "ttyUSB0").string(), (dir / "none").string()), "");
    fs::remove_all(dir);

    const std::vector<FoundPort> found = {
        {"/dev/ttyUSB0", "FT232R"}, {"/dev/ttyS0", ""}, {"/dev/ttyS1", "ttyS1"}};
    EXPECT_EQ(SerialPortLines(found, {{2, "/dev/ttyUSB0"}, {4, "/tmp/rxq5"}}),
              (std::vector<std::string>{"COM1,COM2\t/dev/ttyUSB0\tFT232R", "-\t/dev/ttyS0\t",
                                        "COM3\t/dev/ttyS1\tttyS1",
                                        "COM4\t/tmp/rxq5\tnot found among the serial ports"}));
}
