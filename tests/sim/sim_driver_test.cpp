// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own clone frame driver against csq5-sim on a pty: the
// computer's side and the receiver's side, written separately, must agree
// on every frame, and each fault switch must end in the error the driver
// is meant to report. Waits are on pty events with a 50 ms tick, as the
// serial service runs the driver, and end at a deadline.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "clone/acf3_driver.h"
#include "image/info_checks.h"
#include "sim/sim_image.h"
#include "sim_process.h"

namespace {

using Clock = std::chrono::steady_clock;

// The serial line of the computer, on the pty's slave.
class PtyLine : public SerialLine {
  public:
    bool Open(const std::string& device, std::int32_t) override {
        fd_ = open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (fd_ < 0) return false;
        termios tio{};
        tcgetattr(fd_, &tio);
        cfmakeraw(&tio);
        tcsetattr(fd_, TCSANOW, &tio);
        return true;
    }
    void Close() override {
        if (fd_ >= 0) close(fd_);
        fd_ = -1;
    }
    bool IsOpen() const override { return fd_ >= 0; }
    void DiscardOutput() override {}
    void Write(const ByteStr& bytes) override {
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = write(fd_, bytes.data() + done, bytes.size() - done);
            if (n > 0) {
                done += static_cast<std::size_t>(n);
            } else if (n < 0 && errno != EAGAIN && errno != EINTR) {
                return;
            } else {
                pollfd p{fd_, POLLOUT, 0};
                poll(&p, 1, 100);
            }
        }
    }
    int BytesWaiting() const override {
        int n = 0;
        return ioctl(fd_, FIONREAD, &n) == 0 ? n : 0;
    }
    ByteStr ReadAll() override {
        ByteStr out;
        std::uint8_t buf[4096];
        ssize_t n;
        while ((n = read(fd_, buf, sizeof buf)) > 0) out.insert(out.end(), buf, buf + n);
        return out;
    }
    int BytesToWrite() const override { return 0; }
    int fd() const { return fd_; }
    ~PtyLine() override { Close(); }

  private:
    int fd_ = -1;
};

// The driver on the line, ticked every 50 ms and on every receive.
struct Computer {
    explicit Computer(const std::string& path) {
        line.Open(path, 9600);
        drv.form(&line);
        drv.myEep(&image);
    }
    // Runs the piece of work to its end; the driver's lastError.
    int Run(int mode, const ByteStr& payload, bool wantAnswer = false) {
        drv.lastError(0);
        drv.workMode(mode);
        if (wantAnswer) drv.waitAnswer(true);
        if (mode == kWorkRead) drv.ChkBlock_Clear();
        if (drv.Send(payload) != 0) return -1;
        const auto until = Clock::now() + std::chrono::seconds(30);
        while (drv.Running() && Clock::now() < until) {
            pollfd p{line.fd(), POLLIN, 0};
            poll(&p, 1, 50);
            if (line.BytesWaiting() > 0) drv.read(line.ReadAll());
            drv.task();
        }
        return drv.Running() ? -2 : drv.lastError();
    }
    int Identify() { return Run(kWorkInfo, {0xE0, 0x23, 0x04, 0x00, 0x00}); }
    int Read() { return Run(kWorkRead, {0xE2, 0x23, 0x04, 0x00, 0x01}); }
    int Write() {
        drv.cloneWriteAdrList("0000-1F7F,");
        drv.sizDataOfPacket(32);
        return Run(kWorkWriteData, {0xE3, 0x23, 0x04, 0x00, 0x01});
    }

    PtyLine line;
    clsCmcAcf3Drv drv;
    clsCmcEeprom image;
};

}  // namespace

TEST(SimDriver, TheProgramsDriverIdentifiesReadsAndWritesTheSimulatedReceiver) {
    const std::string saveFile = ::testing::TempDir() + "sim_driver_test_saved.acf";
    std::remove(saveFile.c_str());
    SimProcess sim({"--ver", "8", "--am", "0", "--exp", "1", "--save", saveFile});
    ASSERT_FALSE(sim.tty().empty());
    Computer pc(sim.tty());
    ASSERT_TRUE(pc.line.IsOpen());

    ASSERT_EQ(pc.Identify(), kDrvOk);
    EXPECT_EQ(RigOpFunc_CheckInfoGeneral(pc.drv.ansInfo()), kInfoOk);
    EXPECT_EQ(pc.drv.ansInfo()[23], 8);
    EXPECT_EQ(pc.drv.ansInfo()[24], 0x08);
    EXPECT_EQ(pc.drv.ansInfo()[25], 0x01);

    ASSERT_EQ(pc.Read(), kDrvOk);
    ReceiverSetup setup;
    setup.version = 8, setup.amOk = false;
    clsCmcEeprom factory;
    MakeStartImage(setup, factory);
    EXPECT_TRUE(pc.image.IsSameAs(factory));
    EXPECT_EQ(pc.drv.lastEeAdr(), 0x1F7F);

    for (std::int32_t a = 0; a < 0x1F60; ++a) pc.image.WriteByte(a, (a * 3) & 0xFF);
    ASSERT_EQ(pc.Write(), kDrvOk);
    clsCmcEeprom saved;
    std::string error;
    ASSERT_TRUE(LoadImageFile(saveFile, saved, error)) << error;
    EXPECT_TRUE(saved.IsSameAs(pc.image));

    EXPECT_EQ(pc.Run(kWorkExtended, {0xE8, 0x23, 0x04, 0x00, 0x01, 0x1A, 0x05}, true), kDrvOk);
    EXPECT_EQ(pc.drv.varLastE8Answer(), (ByteStr{0x23, 0x04, 0x00, 0x01, 0x1A}));
    std::remove(saveFile.c_str());
}

TEST(SimDriver, EachFaultEndsInTheDriversError) {
    enum Op { Info, Read, Write };
    struct Case {
        std::vector<std::string> args;
        Op op;
        int error;
    };
    const std::vector<Case> cases = {
        {{"--fault", "no-echo"}, Info, kDrvNoEcho},
        {{"--fault", "no-answer"}, Info, kDrvNoAnswer},
        {{"--fault", "bad-checksum:5"}, Read, kDrvBadAnswer},
        {{"--fault", "drop-frame:252"}, Read, kDrvMissingData},
        {{"--fault", "stall:10"}, Read, kDrvNoAnswer},
        {{"--fault", "write-failed"}, Write, kDrvWriteRefused},
    };
    for (const auto& c : cases) {
        SimProcess sim(c.args);
        ASSERT_FALSE(sim.tty().empty());
        Computer pc(sim.tty());
        const int error = c.op == Info ? pc.Identify() : c.op == Read ? pc.Read() : pc.Write();
        EXPECT_EQ(error, c.error) << c.args[1];
    }
}
