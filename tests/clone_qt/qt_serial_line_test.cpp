// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt serial line and heartbeat on a real pseudo-terminal: the test holds
// the master side and plays the cloning cable and the receiver.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <pty.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QSerialPort>
#include <algorithm>
#include <fstream>

#include "clone/qt/qt_com_service.h"
#include "clone_line.h"
#include "fake_clock.h"
#include "temp_dir.h"

namespace {

// Runs the event loop until the condition holds or the time (ms) is over.
template <typename Cond>
bool WaitFor(Cond cond, int ms = 5000) {
    QDeadlineTimer deadline(ms);
    while (!cond() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    return cond();
}

// The receiver's end of a pseudo-terminal: it takes the program's frames
// and sends what the test gives it, whole or in pieces.
class Pty {
  public:
    Pty() {
        char name[128] = {};
        if (openpty(&master_, &slave_, name, nullptr, nullptr) != 0) return;
        path = name;
        fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
    }
    ~Pty() { Unplug(); }
    // The far end goes away for good, as when a USB adapter is pulled out.
    void Unplug() {
        for (int* fd : {&master_, &slave_}) {
            if (*fd >= 0) close(*fd);
            *fd = -1;
        }
    }
    // Waits for the program's frame, up to its terminator.
    ByteStr TakeFrame() {
        ByteStr heard;
        WaitFor([&] {
            for (std::uint8_t b; ::read(master_, &b, 1) == 1;) heard.push_back(b);
            return !heard.empty() && heard.back() == 0xFD;
        });
        return heard;
    }
    // Writes all the bytes, letting the event loop run while the terminal
    // is full (the program's port drains it).
    bool Send(const ByteStr& bytes) {
        std::size_t done = 0;
        QDeadlineTimer deadline(20000);
        while (done < bytes.size() && !deadline.hasExpired()) {
            const ssize_t n = ::write(master_, bytes.data() + done, bytes.size() - done);
            if (n > 0)
                done += static_cast<std::size_t>(n);
            else
                QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        return done == bytes.size();
    }

    std::string path;

  private:
    int master_ = -1;
    int slave_ = -1;
};

}  // namespace

// The exchange's time-outs never run out on the fake clock: only the loss
// of the device can end it.
TEST(QtSerialLine, DeviceUnpluggedDuringAnExchangeCannotBeAccessed) {
    Pty pty;
    FakeClock clock;
    QtComService service(clock);
    frmCom& com = service.com();
    com.comDevice(pty.path);
    com.comOpen(true);
    com.drv().workMode(kWorkInfo);
    ASSERT_EQ(com.drv().Send(kInfoRequest), 0);
    ASSERT_FALSE(pty.TakeFrame().empty());
    pty.Unplug();
    ASSERT_TRUE(WaitFor([&] { return !com.comOpen(); }));
    EXPECT_TRUE(com.errCannotOpen());
}

// The test decides when the heartbeat runs, so the received bytes pile up
// in the port between two ticks: the whole read stream (some 18 KB, as when
// a busy computer gets to it late), or one byte at a time.
TEST(QtSerialLine, AReadStreamArrivingWholeOrByteByByteIsDataNotAnOverflow) {
    const clsCmcEeprom image = PatternImage();
    for (const std::size_t piece : {std::size_t{0}, std::size_t{1}}) {
        Pty pty;
        FakeClock clock;  // no time-out can end the read: only its data
        QtComService service(clock);
        service.line().onReceive = nullptr;
        frmCom& com = service.com();
        clsCmcEeprom eep;
        com.comDevice(pty.path);
        com.comOpen(true);
        com.drv().workMode(kWorkRead);
        com.drv().myEep(&eep);
        com.drv().ChkBlock_Clear();
        ASSERT_EQ(com.drv().Send(kReadRequest), 0);
        const ByteStr stream = Cat({pty.TakeFrame(), ReadStream(image)});  // echo, answer
        ASSERT_GT(stream.size(), 16384u);
        const std::size_t step = piece == 0 ? stream.size() : piece;
        for (std::size_t at = 0; at < stream.size(); at += step) {
            const std::size_t size = std::min(step, stream.size() - at);
            ASSERT_TRUE(pty.Send(ByteStr(stream.begin() + at, stream.begin() + at + size)));
            ASSERT_TRUE(
                WaitFor([&] { return service.line().BytesWaiting() == static_cast<int>(size); }));
            com.timSolid_Timer();
        }
        EXPECT_FALSE(com.drv().Running()) << piece;
        EXPECT_EQ(com.drv().lastError(), 0) << piece;
        EXPECT_FALSE(com.errOverflow()) << piece;
        EXPECT_TRUE(eep.IsSameAs(image)) << piece;
    }
}

// A pseudo-terminal opens by its path although it has no modem lines: every
// exchange below runs on one.
TEST(QtSerialLine, OpenRefusalsAreToldApartAndOnlyAGroupThatWouldHelpIsNamed) {
    TempDir dir;
    const std::string file = dir.file("ttyX"), none = "/dev/csq5-no-such-port";
    std::ofstream(file) << "";
    QtSerialLine line;
    EXPECT_FALSE(line.Open(none, 9600));
    EXPECT_EQ(line.LastOpenFault(), SerialOpenFault::NotFound);
    EXPECT_EQ(OpenFaultOf(QSerialPort::PermissionError, none), SerialOpenFault::NotFound);
    // A plain file, or a device that is no terminal, is no serial port.
    EXPECT_EQ(OpenFaultOf(QSerialPort::PermissionError, file), SerialOpenFault::NotSerial);
    EXPECT_EQ(OpenFaultOf(QSerialPort::OpenError, "/dev/null"), SerialOpenFault::NotSerial);
    EXPECT_FALSE(line.Open(file, 9600));
    EXPECT_EQ(line.LastOpenFault(), SerialOpenFault::NotSerial);
    // A terminal this user may use that another program holds is in use.
    Pty pty;
    ASSERT_FALSE(pty.path.empty());
    // Named by a path relative to the current folder, it is found there, not
    // under /dev.
    const std::string folder = "csq5-test-" + std::to_string(::getpid()), relative = folder + "/rx";
    std::filesystem::create_directory(folder);
    std::filesystem::create_symlink(pty.path, relative);
    QtSerialLine holder;
    const bool held = holder.Open(relative, 9600), again = line.Open(relative, 9600);
    std::filesystem::remove_all(folder);
    EXPECT_TRUE(held && !again);
    EXPECT_EQ(line.LastOpenFault(), SerialOpenFault::InUse);
    if (::geteuid() != 0) {  // root may open any device
        // A device of this very user that he may not open: the owner's bits
        // apply to him, so no group membership would help and none is named.
        ASSERT_EQ(::chmod(file.c_str(), 060), 0);
        EXPECT_FALSE(line.Open(file, 9600));
        EXPECT_EQ(line.LastOpenFault(), SerialOpenFault::PermissionDenied);
        EXPECT_EQ(line.LastOpenGroup(), "");
    }
}

TEST(QtComService, AFailedOpenTellsAComputerWithoutAnySerialPort) {
    QtComService service;
    service.com().comPortNum(3);
    for (const bool any : {false, true}) {
        service.portLister([any] { return std::vector<std::string>(any, "/dev/csq5-none"); });
        service.com().comOpen(true);
        EXPECT_EQ(service.com().errNoSerialPort(), !any);
    }
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
