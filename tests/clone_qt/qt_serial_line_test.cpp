// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt serial line and heartbeat on a real pseudo-terminal: the test holds
// the master side and plays the cloning cable (echo) and the receiver.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <pty.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QSerialPort>
#include <QSocketNotifier>
#include <algorithm>
#include <fstream>
#include <memory>

#include "clone/acf3_driver.h"
#include "clone/acf3_sequence.h"
#include "clone/clone_messages.h"
#include "clone/qt/qt_com_service.h"
#include "fake_clock.h"
#include "temp_dir.h"

namespace {

class AcceptingChecks : public CloneChecks {
  public:
    int RigOpFunc_CheckInfoToInitInfo(const ByteStr&) override { return 0; }
    int RigOpFunc_CheckInfoToReadOrInfo(const ByteStr&) override { return 0; }
    int RigOpFunc_CheckInfoToWrite(const ByteStr&) override { return 0; }
    int RigOpFunc_CheckReadedData() override { return 0; }
};

// The master side of a pseudo-terminal: echoes what the program sends and
// answers an identification request.
class PtyReceiver {
  public:
    PtyReceiver() {
        char name[128] = {};
        if (openpty(&master_, &slave_, name, nullptr, nullptr) != 0) return;
        path = name;
        fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
        notifier_ = std::make_unique<QSocketNotifier>(master_, QSocketNotifier::Read);
        QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { Serve(); });
    }
    ~PtyReceiver() {
        notifier_.reset();
        if (master_ >= 0) close(master_);
        if (slave_ >= 0) close(slave_);
    }
    bool ok() const { return master_ >= 0 && !path.empty(); }
    // The far end goes away for good, as when a USB adapter is pulled out.
    void Unplug() {
        notifier_.reset();
        if (master_ >= 0) close(master_);
        if (slave_ >= 0) close(slave_);
        master_ = slave_ = -1;
    }

    std::string path;
    bool answers = true;
    ByteStr received;

  private:
    void Serve() {
        std::uint8_t buf[512];
        const ssize_t n = ::read(master_, buf, sizeof buf);
        if (n <= 0) return;
        const ByteStr chunk(buf, buf + n);
        Send(chunk);  // the cable's echo
        received.insert(received.end(), chunk.begin(), chunk.end());
        const auto end = std::find(received.begin(), received.end(), 0xFD);
        if (end == received.end()) return;
        const ByteStr frame(received.begin(), end + 1);
        received.erase(received.begin(), end + 1);
        if (answers && frame.size() > 4 && frame[4] == 0xE0) {
            ByteStr answer{0xFE, 0xFE, 0xEF, 0xEE, 0xE1, 0x23, 0x04, 0x00, 0x01};
            answer.resize(5 + 23, 0x20);
            answer.push_back(0xFD);
            Send(answer);
        }
    }
    // An echo or an answer fits a pseudo-terminal's queue; a lost write
    // shows as the exchange's failure in the test.
    void Send(const ByteStr& bytes) {
        const ssize_t written = ::write(master_, bytes.data(), bytes.size());
        (void)written;
    }

    int master_ = -1;
    int slave_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
};

// Runs the event loop until the condition holds or 5 s pass.
template <typename Cond>
bool WaitFor(Cond cond, int ms = 5000) {
    QDeadlineTimer deadline(ms);
    while (!cond() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    return cond();
}

ByteStr AnswerFrame(std::uint8_t command, const ByteStr& body) {
    ByteStr frame{0xFE, 0xFE, 0xEF, 0xEE, command};
    frame.insert(frame.end(), body.begin(), body.end());
    frame.push_back(0xFD);
    return frame;
}

// The receiver's side of a pseudo-terminal, driven step by step by the
// test: it takes the program's frames and sends exactly what the test
// gives it, whole or in pieces.
class PtyCable {
  public:
    PtyCable() {
        char name[128] = {};
        if (openpty(&master_, &slave_, name, nullptr, nullptr) != 0) return;
        path = name;
        fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
    }
    ~PtyCable() {
        if (master_ >= 0) close(master_);
        if (slave_ >= 0) close(slave_);
    }
    bool ok() const { return master_ >= 0 && !path.empty(); }

    // The next whole frame the program sent; empty when none has come.
    ByteStr TakeFrame() {
        std::uint8_t buf[512];
        for (ssize_t n; (n = ::read(master_, buf, sizeof buf)) > 0;)
            heard_.insert(heard_.end(), buf, buf + n);
        const auto end = std::find(heard_.begin(), heard_.end(), 0xFD);
        if (end == heard_.end()) return {};
        ByteStr frame(heard_.begin(), end + 1);
        heard_.erase(heard_.begin(), end + 1);
        return frame;
    }
    // Writes all the bytes, letting the event loop run while the terminal
    // is full (the program's port drains it).
    bool Send(const ByteStr& bytes) {
        std::size_t done = 0;
        QDeadlineTimer deadline(20000);
        while (done < bytes.size() && !deadline.hasExpired()) {
            const ssize_t n = ::write(master_, bytes.data() + done, bytes.size() - done);
            if (n > 0) {
                done += static_cast<std::size_t>(n);
            } else {
                QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            }
        }
        return done == bytes.size();
    }

    std::string path;

  private:
    int master_ = -1;
    int slave_ = -1;
    ByteStr heard_;
};

}  // namespace

TEST(QtSerialLine, PseudoTerminalOpensByPathDespiteMissingModemLines) {
    PtyReceiver pty;
    ASSERT_TRUE(pty.ok());
    QtComService service;
    service.com().comDevice(pty.path);
    service.com().comOpen(true);
    EXPECT_TRUE(service.com().comOpen()) << service.line().errorText();
    EXPECT_FALSE(service.com().errCannotOpen());
    const auto found = ListSerialPorts();
    EXPECT_EQ(std::find(found.begin(), found.end(), pty.path), found.end());
}

TEST(QtSerialLine, MissingDeviceIsAFailedOpen) {
    QtComService service;
    service.com().comDevice("/dev/csq5-no-such-port");
    service.com().comOpen(true);
    EXPECT_FALSE(service.com().comOpen());
    EXPECT_TRUE(service.com().errCannotOpen());
}

// A clone sequence on the Qt service whose failures are kept as their text.
struct SequenceRig {
    explicit SequenceRig(const MsClock& clock = SystemMsClock())
        : service(clock), seq(service.com(), radio, checks) {
        radio.radioNameM("2304");
        radio.radionameS("0001");
        seq.failureReport([this](clsCmcAcf3Sequence& s) {
            report = CloneFailureText(CloneFailureOf(s));
            s.easyReset(s.ComPortNo());
        });
        service.com().mainTask([this] { seq.task(); });
        service.com().errorReport([this] {
            report = CloneFailureText(CloneFailureOf(seq));
            seq.easyReset(seq.ComPortNo());
        });
        service.Start();
    }
    std::string FirstLine() const { return report.substr(0, report.find('\r')); }

    QtComService service;
    clsCmcRadio radio;
    AcceptingChecks checks;
    clsCmcAcf3Sequence seq;
    std::string report;
};

TEST(QtSerialLine, SlotWhoseDeviceIsMissingCannotBeAccessed) {
    SequenceRig rig;
    rig.service.comDevices({{3, "/dev/csq5-no-such-port"}});
    rig.seq.easyReset(3);
    rig.seq.easyCloneInfo();
    ASSERT_TRUE(WaitFor([&] { return !rig.seq.OpRunning(); }));
    EXPECT_EQ(rig.FirstLine(), "Cannot access COM 3.");
    EXPECT_EQ(rig.report.find("- Permission to use"), std::string::npos);
    EXPECT_EQ(rig.service.line().LastOpenFault(), SerialOpenFault::NotFound);
    EXPECT_FALSE(rig.service.com().comOpen());
}

TEST(QtSerialLine, DeviceUnpluggedDuringAnExchangeCannotBeAccessed) {
    PtyReceiver pty;
    ASSERT_TRUE(pty.ok());
    FakeClock clock;  // the exchange's time-outs never run out: only the loss ends it
    SequenceRig rig(clock);
    rig.service.comDevices({{1, pty.path}});
    pty.answers = false;  // the exchange waits for an answer
    rig.seq.easyReset(1);
    rig.seq.easyCloneInfo();
    ASSERT_TRUE(WaitFor([&] { return rig.service.com().comOpen(); }));
    pty.Unplug();
    ASSERT_TRUE(WaitFor([&] { return !rig.seq.OpRunning(); }));
    EXPECT_EQ(rig.FirstLine(), "Cannot access COM 1.");
    EXPECT_FALSE(rig.service.com().comOpen());
}

TEST(QtSerialLine, AReadStreamArrivingWholeOrByteByByteIsDataNotAnOverflow) {
    // The test decides when the heartbeat runs, so the received bytes pile
    // up in the port between two ticks: the whole read stream (some 18 KB,
    // as when a busy computer gets to it late), or one byte at a time.
    for (const std::size_t piece : {std::size_t{0}, std::size_t{1}}) {
        PtyCable cable;
        ASSERT_TRUE(cable.ok());
        FakeClock clock;  // no time-out can end the read: only its data
        QtComService service(clock);
        service.line().onReceive = nullptr;
        clsCmcRadio radio;
        radio.radioNameM("2304");
        radio.radionameS("0001");
        AcceptingChecks checks;
        clsCmcAcf3Sequence seq(service.com(), radio, checks);
        std::string report;
        seq.failureReport([&](clsCmcAcf3Sequence& s) {
            report = CloneFailureText(CloneFailureOf(s));
            s.easyReset(s.ComPortNo());
        });
        service.com().mainTask([&] { seq.task(); });
        service.com().errorReport([&] {
            report = CloneFailureText(CloneFailureOf(seq));
            seq.easyReset(seq.ComPortNo());
        });
        service.comDevices({{1, cable.path}});
        const auto tick = [&] { service.com().timSolid_Timer(); };
        // Ticks until the program has sent a frame (bounded).
        const auto nextFrame = [&] {
            ByteStr frame;
            for (int i = 0; i < 100 && frame.empty(); ++i) {
                tick();
                WaitFor(
                    [&] {
                        if (frame.empty()) frame = cable.TakeFrame();
                        return !frame.empty();
                    },
                    100);
            }
            return frame;
        };
        // Sends the bytes (in pieces of `piece`, 0 = all at once), each piece
        // ticked in once the port holds all of it.
        const auto deliver = [&](const ByteStr& bytes) {
            const std::size_t step = piece == 0 ? bytes.size() : piece;
            for (std::size_t at = 0; at < bytes.size(); at += step) {
                const ByteStr part(bytes.begin() + at,
                                   bytes.begin() + std::min(bytes.size(), at + step));
                ASSERT_TRUE(cable.Send(part));
                ASSERT_TRUE(WaitFor([&] {
                    return service.line().BytesWaiting() == static_cast<int>(part.size());
                }));
                tick();
            }
        };

        seq.easyReset(1);
        seq.easyCloneRead();
        const ByteStr request = nextFrame();
        ASSERT_EQ(request.size(), 10u) << report;
        ByteStr info{0x23, 0x04, 0x00, 0x01};
        info.resize(23, 0x20);
        ByteStr stream = request;  // the cable's echo
        const ByteStr answer = AnswerFrame(0xE1, info);
        stream.insert(stream.end(), answer.begin(), answer.end());
        deliver(stream);

        const ByteStr readRequest = nextFrame();
        ASSERT_EQ(readRequest.size(), 10u);
        ASSERT_EQ(readRequest[4], 0xE2);
        clsCmcEeprom image;
        for (std::int32_t a = 0; a < image.eeSize(); ++a) image.WriteByte(a, (a * 7 + 3) & 0xFF);
        stream = readRequest;
        for (std::int32_t a = 0; a < image.eeSize(); a += 32) {
            const ByteStr frame =
                AnswerFrame(0xE4, StrToByteStr(CloneDataBlockText(a, image.ReadBlock(a, 32))));
            stream.insert(stream.end(), frame.begin(), frame.end());
        }
        const ByteStr end = AnswerFrame(0xE5, StrToByteStr("Ardo Inc."));
        stream.insert(stream.end(), end.begin(), end.end());
        ASSERT_GT(stream.size(), 16384u);
        deliver(stream);
        for (int i = 0; i < 10 && seq.OpRunning(); ++i) tick();

        EXPECT_FALSE(seq.OpRunning()) << piece;
        EXPECT_EQ(report, "") << piece;
        EXPECT_FALSE(service.com().errOverflow()) << piece;
        EXPECT_EQ(radio.eepImage.bytes(), image.bytes()) << piece;
    }
}

TEST(QtSerialLine, OpenRefusalsAreToldApart) {
    TempDir dir;
    const std::string file = dir.file("device");
    std::ofstream(file) << "";
    struct Case {
        QSerialPort::SerialPortError error;
        std::string path;
        SerialOpenFault fault;
    };
    const std::vector<Case> cases = {
        {QSerialPort::DeviceNotFoundError, "/dev/csq5-no-such-port", SerialOpenFault::NotFound},
        {QSerialPort::PermissionError, "/dev/csq5-no-such-port", SerialOpenFault::NotFound},
        // A device this user may use but that is locked by another program.
        {QSerialPort::PermissionError, file, SerialOpenFault::None},
        {QSerialPort::OpenError, file, SerialOpenFault::None},
        {QSerialPort::UnknownError, file, SerialOpenFault::None},
    };
    for (const auto& c : cases)
        EXPECT_EQ(OpenFaultOf(static_cast<int>(c.error), c.path), c.fault)
            << c.error << " " << c.path;
}

TEST(QtSerialLine, PermissionRefusalNamesOnlyAGroupThatWouldHelp) {
    if (::geteuid() == 0) GTEST_SKIP() << "root may open any device";
    // A device of this very user that he may not open: the owner's bits
    // apply to him, so no group membership would help and no group is named.
    TempDir dir;
    const std::string device = dir.file("ttyLocked");
    std::ofstream(device) << "";
    ASSERT_EQ(::chmod(device.c_str(), 060), 0);
    SequenceRig rig;
    rig.service.comDevices({{2, device}});
    rig.seq.easyReset(2);
    rig.seq.easyCloneInfo();
    ASSERT_TRUE(WaitFor([&] { return !rig.seq.OpRunning(); }));
    EXPECT_EQ(rig.FirstLine(), "Cannot access COM 2.");
    EXPECT_EQ(rig.service.line().LastOpenFault(), SerialOpenFault::PermissionDenied);
    EXPECT_EQ(rig.service.line().LastOpenGroup(), "");
    EXPECT_EQ(rig.report.find("- Permission to use"), std::string::npos) << rig.report;
    EXPECT_EQ(PermissionGroupOf(device), "");
}

TEST(QtComService, NoSerialPortOnTheComputerPointsToTheDemoReceiver) {
    const std::string hint =
        "- No serial port was found on this computer; csq5 --demo tries the program with a "
        "simulated receiver.";
    for (const bool anyPort : {false, true}) {
        SequenceRig rig;
        rig.service.portLister([anyPort] {
            return anyPort ? std::vector<std::string>{"/dev/csq5-no-such-port"}
                           : std::vector<std::string>{};
        });
        rig.seq.easyReset(1);
        rig.seq.easyCloneInfo();
        ASSERT_TRUE(WaitFor([&] { return !rig.seq.OpRunning(); }));
        EXPECT_EQ(rig.FirstLine(), "Cannot access COM 1.");
        EXPECT_EQ(rig.report.find(hint) != std::string::npos, !anyPort) << rig.report;
    }
}

TEST(QtComService, OverrideReplacesOneSlotForTheRunOnly) {
    QtComService service;
    const std::map<int, std::string> configured{{1, "/dev/ttyUSB7"}, {2, "ttyS9"}};
    service.comDevices(configured);
    service.comOverride(1, "/dev/pts/42");
    EXPECT_EQ(service.comDeviceOf(1), "/dev/pts/42");
    EXPECT_EQ(service.comDeviceOf(2), "/dev/ttyS9");
    EXPECT_EQ(service.comDevices(), configured);
    EXPECT_EQ(service.com().comDeviceToOpen(), "/dev/pts/42");
    // New configured devices (the device dialog) keep the override.
    service.comDevices({{1, "/dev/ttyUSB0"}});
    EXPECT_EQ(service.comDeviceOf(1), "/dev/pts/42");
    service.comOverride(1, "");
    EXPECT_EQ(service.comDeviceOf(1), "/dev/ttyUSB0");
}

TEST(QtSerialLine, IdentificationRunsOnTheHeartbeat) {
    PtyReceiver pty;
    ASSERT_TRUE(pty.ok());
    QtComService service;
    clsCmcRadio radio;
    radio.radioNameM("2304");
    radio.radionameS("0001");
    AcceptingChecks checks;
    clsCmcAcf3Sequence seq(service.com(), radio, checks);
    std::string report;
    seq.failureReport([&](clsCmcAcf3Sequence& s) {
        report = CloneFailureText(CloneFailureOf(s));
        s.easyReset(s.ComPortNo());
    });
    service.com().mainTask([&] { seq.task(); });
    service.Start();
    seq.ComDevice(pty.path);
    seq.easyReset(1);
    seq.easyCloneInfo();
    ASSERT_TRUE(WaitFor([&] { return !seq.OpRunning(); }));
    EXPECT_EQ(report, "");
    EXPECT_EQ(seq.ansNameM(), "2304");
    EXPECT_EQ(seq.ansNameS(), "0001");

    // Without an answer the heartbeat's time-outs end it with error 2.
    pty.answers = false;
    seq.easyCloneInfo();
    ASSERT_TRUE(WaitFor([&] { return !seq.OpRunning(); }));
    EXPECT_EQ(report.substr(0, report.find('\r')), "No answer from receiver.");
    service.Stop();
}

TEST(QtComService, HeartbeatSleepsWhileIdleAndWakesWhenThePortOpens) {
    PtyReceiver pty;
    ASSERT_TRUE(pty.ok());
    QtComService service;
    int ticks = 0;
    bool busy = false;
    service.com().mainTask([&] { ++ticks; });
    service.com().mainBusy([&] { return busy; });
    service.Start();
    EXPECT_TRUE(service.Ticking());
    // The first tick finds nothing to do: the timer stops.
    ASSERT_TRUE(WaitFor([&] { return !service.Ticking(); }));
    EXPECT_GE(ticks, 1);

    service.com().comDevice(pty.path);
    service.com().comOpen(true);
    ASSERT_TRUE(service.com().comOpen());
    EXPECT_TRUE(service.Ticking());
    int before = ticks;
    ASSERT_TRUE(WaitFor([&] { return ticks >= before + 3; }));
    EXPECT_TRUE(service.Ticking());  // open: it goes on

    // A command still running keeps it going after the port closed.
    busy = true;
    service.com().comOpen(false);
    before = ticks;
    ASSERT_TRUE(WaitFor([&] { return ticks >= before + 3; }));
    EXPECT_TRUE(service.Ticking());
    busy = false;
    ASSERT_TRUE(WaitFor([&] { return !service.Ticking(); }));

    // Stopped for good at program end: an open no longer wakes it.
    service.Stop();
    service.com().comOpen(true);
    EXPECT_FALSE(service.Ticking());
    service.com().comOpen(false);
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
