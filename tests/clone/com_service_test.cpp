// SPDX-License-Identifier: GPL-3.0-or-later
#include "clone/com_service.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "clone/com_ports.h"
#include "fake_clock.h"
#include "fake_serial_line.h"

namespace {

class ComServiceTest : public ::testing::Test {
  protected:
    ComServiceTest() : com(line, clock) {
        line.echo = false;
        com.comResolver([](int n) { return "/dev/ttyUSB" + std::to_string(n - 1); });
    }
    FakeClock clock;
    FakeSerialLine line;
    frmCom com;
};

const ByteStr kInfoRequest{0xE0, 0x23, 0x04, 0x00, 0x00};

}  // namespace

TEST_F(ComServiceTest, PortNumberOutsideOneToTenIsIgnored) {
    com.comPortNum(3);
    for (int bad : {0, 11, -1}) {
        com.comPortNum(bad);
        EXPECT_EQ(com.comPortNum(), 3) << bad;
    }
    com.comPortNum(10);
    EXPECT_EQ(com.comPortNum(), 10);
    com.Reset();
    EXPECT_EQ(com.comPortNum(), 1);
    EXPECT_EQ(com.comBaud(), 9600);
}

TEST_F(ComServiceTest, OpeningUsesThePortsDeviceAndTheFixedSettings) {
    com.comPortNum(3);
    com.comOpen(true);
    EXPECT_TRUE(com.comOpen());
    EXPECT_EQ(line.lastDevice, "/dev/ttyUSB2");
    EXPECT_EQ(line.lastBaud, 9600);
    EXPECT_EQ(com.comSettings(), "9600,N,8,1");
    // An explicit device wins over the port number.
    com.comOpen(false);
    com.comDevice("/dev/pts/7");
    com.comOpen(true);
    EXPECT_EQ(line.lastDevice, "/dev/pts/7");
}

TEST_F(ComServiceTest, OpeningAnOpenPortOnlyDiscardsOutputAndResetsTheDriver) {
    com.comOpen(true);
    com.drv().workMode(kWorkInfo);
    ASSERT_EQ(com.drv().Send(kInfoRequest), 0);
    const int discards = line.discards;
    com.comOpen(true);
    EXPECT_EQ(line.openCount, 1);
    EXPECT_EQ(line.discards, discards + 1);
    EXPECT_FALSE(com.drv().Running());
    EXPECT_TRUE(com.drv().transmitFrame().empty());
}

TEST_F(ComServiceTest, FailedOpenIsAnErrorUntilReset) {
    line.failOpen = true;
    com.comOpen(true);
    EXPECT_FALSE(com.comOpen());
    EXPECT_TRUE(com.errCannotOpen());
    EXPECT_TRUE(com.totalError());
    com.timSolid_Timer();
    EXPECT_TRUE(com.totalError());
    com.Reset();
    EXPECT_FALSE(com.totalError());
    // A slot with no device behind it cannot be opened either.
    line.failOpen = false;
    com.comResolver([](int) { return std::string(); });
    com.comOpen(true);
    EXPECT_TRUE(com.errCannotOpen());
    EXPECT_EQ(line.openCount, 1);
}

TEST_F(ComServiceTest, OverflowClosesThePortAndLineErrorsDropThePartialFrame) {
    com.comOpen(true);
    com.drv().workMode(kWorkInfo);
    com.drv().Send(kInfoRequest);
    line.Feed(line.writes.back());
    line.Feed({0xFE, 0xFE, 0xEF, 0xEE, 0xE1, 0x23});
    com.OnReceive();
    com.OnLineError();
    ByteStr rest{0x04, 0x00, 0x01};
    rest.resize(3 + 19, 0);
    rest.push_back(0xFD);
    line.Feed(rest);
    com.OnReceive();
    EXPECT_TRUE(com.drv().Running());  // the cut frame never completes
    EXPECT_TRUE(com.drv().ansInfo().empty());

    com.OnOverflow();
    EXPECT_TRUE(com.errOverflow());
    EXPECT_FALSE(com.comOpen());
    EXPECT_FALSE(com.drv().Running());
    EXPECT_TRUE(com.totalError());
}

TEST_F(ComServiceTest, TickRunsInItsFixedOrderAndClosesOnAPersistingError) {
    std::vector<std::string> order;
    com.mainTask([&] { order.push_back("task running=" + std::to_string(com.drv().Running())); });
    com.errorReport([&] { order.push_back("report"); });
    com.comOpen(true);
    com.drv().workMode(kWorkInfo);
    com.drv().Send(kInfoRequest);
    clock.Advance(1000);
    com.timSolid_Timer();  // the driver's time-out comes before the main task
    EXPECT_EQ(order, (std::vector<std::string>{"task running=0", "report"}));
    EXPECT_FALSE(com.comOpen());  // the report did not clear the error
}

TEST_F(ComServiceTest, ReenteredTickReturnsAtOnce) {
    int tasks = 0;
    int reports = 0;
    // The error report shows a message box whose event loop ticks again.
    com.mainTask([&] { ++tasks; });
    com.errorReport([&] {
        ++reports;
        com.timSolid_Timer();
        com.OnReceive();
    });
    com.comOpen(true);
    com.OnOverflow();
    line.Feed({0x01});
    com.timSolid_Timer();
    EXPECT_EQ(tasks, 1);
    EXPECT_EQ(reports, 1);
    com.errorReport([&] { com.Reset(); });
    com.timSolid_Timer();
    EXPECT_EQ(tasks, 2);
    EXPECT_FALSE(com.totalError());
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
    EXPECT_EQ(wakes, 1);
    EXPECT_TRUE(com.HeartbeatNeeded());
    com.comOpen(false);
    EXPECT_EQ(wakes, 1);  // closing asks for no tick
    EXPECT_FALSE(com.HeartbeatNeeded());

    // A refused open needs the tick that reports it, until the reset.
    line.failOpen = true;
    com.comOpen(true);
    EXPECT_EQ(wakes, 2);
    EXPECT_TRUE(com.HeartbeatNeeded());
    com.Reset();
    EXPECT_FALSE(com.HeartbeatNeeded());

    // So does an overflow that closed the port under a running exchange.
    line.failOpen = false;
    com.comOpen(true);
    com.OnOverflow();
    EXPECT_FALSE(com.comOpen());
    EXPECT_TRUE(com.HeartbeatNeeded());
    com.Reset();

    bool busy = true;
    com.mainBusy([&] { return busy; });
    EXPECT_TRUE(com.HeartbeatNeeded());
    busy = false;
    EXPECT_FALSE(com.HeartbeatNeeded());
}

TEST(ComPorts, SlotsMapToConfiguredOrFoundDevices) {
    const std::vector<std::string> found = {"/dev/ttyS1",   "/dev/ttyUSB10", "/dev/ttyS0",
                                            "/dev/ttyACM0", "/dev/ttyUSB2",  "/dev/rfcomm0"};
    EXPECT_EQ(OrderSerialPorts(found),
              (std::vector<std::string>{"/dev/ttyUSB2", "/dev/ttyUSB10", "/dev/ttyACM0",
                                        "/dev/ttyS0", "/dev/ttyS1", "/dev/rfcomm0"}));
    const std::map<int, std::string> configured = {{2, "/dev/pts/4"}, {3, " ttyS5 "}, {4, ""}};
    struct Case {
        int slot;
        std::vector<std::string> found;
        std::string device;
    };
    const std::vector<Case> cases = {
        {1, found, "/dev/ttyUSB2"},
        {2, found, "/dev/pts/4"},
        {3, found, "/dev/ttyS5"},
        {4, found, "/dev/ttyS0"},
        {1, {}, ""},
        {4, {"/dev/ttyS0"}, ""},
        {0, found, ""},
        {2, {}, "/dev/pts/4"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ResolveComDevice(c.slot, configured, c.found), c.device) << c.slot;
    EXPECT_EQ(ComDeviceProfileKey(3), "ComDevice(3)");
}

TEST(ComPorts, ABareDeviceNameLivesInDev) {
    const std::pair<std::string, std::string> cases[] = {
        {"ttyUSB0", "/dev/ttyUSB0"},
        {" ttyS1\t", "/dev/ttyS1"},
        {"/dev/pts/3", "/dev/pts/3"},
        {"./ttyX", "./ttyX"},
        {"", ""},
        {"  ", ""},
    };
    for (const auto& [name, path] : cases) EXPECT_EQ(DevicePathOf(name), path) << name;
}

TEST(ComPorts, OnlyAGroupThatGrantsTheDeviceIsOneToJoin) {
    constexpr unsigned kUser = 1000;
    struct Case {
        unsigned mode, owner, group;
        std::string name, joinable;
    };
    const std::vector<Case> cases = {
        {0020660, 0, 20, "dialout", "dialout"},  // Debian's serial ports
        {0020660, 0, 14, "uucp", "uucp"},        // another system's group
        {0020600, 0, 0, "root", ""},             // root:root 0600: no group helps
        {0020660, 0, 0, "root", ""},             // the superuser's group is none to join
        {0020640, 0, 20, "dialout", ""},         // the group may only read
        {0020606, 0, 20, "dialout", ""},
        {0020060, kUser, 20, "dialout", ""},  // the owner's own bits apply to him
        {0020660, 0, 4242, "", ""},           // a group without a name
    };
    for (const Case& c : cases) {
        const DeviceAccess device{c.mode, c.owner, c.group, c.name};
        EXPECT_EQ(JoinableGroup(device, kUser), c.joinable) << std::oct << c.mode << " " << c.name;
    }
}

TEST_F(ComServiceTest, AFailedOpenTellsWhetherTheComputerHasAnySerialPort) {
    std::vector<std::string> found;
    int listed = 0;
    com.comPortLister([&] {
        ++listed;
        return found;
    });
    com.comOpen(true);  // opens: the ports are not asked for
    EXPECT_EQ(listed, 0);
    com.Reset();
    line.failOpen = true;
    com.comOpen(true);
    EXPECT_TRUE(com.errNoSerialPort());
    com.Reset();
    EXPECT_FALSE(com.errNoSerialPort());
    found = {"/dev/ttyS0"};
    com.comOpen(true);
    EXPECT_FALSE(com.errNoSerialPort());
    EXPECT_TRUE(com.errCannotOpen());
}
