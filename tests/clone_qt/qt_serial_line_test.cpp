// The Qt serial line and heartbeat on a real pseudo-terminal: the test holds
// the master side and plays the cloning cable (echo) and the receiver.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <pty.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QSocketNotifier>
#include <algorithm>
#include <memory>

#include "clone/acf3_sequence.h"
#include "clone/clone_messages.h"
#include "clone/qt/qt_com_service.h"

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
    void Send(const ByteStr& bytes) { (void)::write(master_, bytes.data(), bytes.size()); }

    int master_ = -1;
    int slave_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
};

// Runs the event loop until the condition holds or 5 s pass.
template <typename Cond>
bool WaitFor(Cond cond) {
    QDeadlineTimer deadline(5000);
    while (!cond() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    return cond();
}

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

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
