// SPDX-License-Identifier: GPL-3.0-or-later
#include "clone/acf3_sequence.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "clone/clone_messages.h"
#include "fake_clock.h"
#include "fake_serial_line.h"
#include "image/info_checks.h"

namespace {

ByteStr Cat(std::initializer_list<ByteStr> parts) {
    ByteStr out;
    for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

ByteStr Answer(std::uint8_t command, const ByteStr& body) {
    return Cat({{0xFE, 0xFE, 0xEF, 0xEE, command}, body, {0xFD}});
}

// The version checks of the receiver model, answering what the test says.
class FakeChecks : public CloneChecks {
  public:
    int RigOpFunc_CheckInfoToInitInfo(const ByteStr& a) override {
        return Note("init", a, initResult);
    }
    int RigOpFunc_CheckInfoToReadOrInfo(const ByteStr& a) override {
        return Note("read", a, readResult);
    }
    int RigOpFunc_CheckInfoToWrite(const ByteStr& a) override {
        return Note("write", a, writeResult);
    }
    int RigOpFunc_CheckReadedData() override { return Note("data", {}, dataResult); }

    int initResult = 0, readResult = 0, writeResult = 0, dataResult = 0;
    std::vector<std::string> calls;
    ByteStr lastAnswer;

  private:
    int Note(const char* name, const ByteStr& a, int result) {
        calls.emplace_back(name);
        lastAnswer = a;
        return result;
    }
};

// A receiver at the end of the cloning cable: the cable echoes every sent
// byte, and the receiver answers each request it understands.
class FakeReceiver {
  public:
    explicit FakeReceiver(FakeSerialLine& line) : line_(line) {
        for (std::int32_t a = 0; a < image.eeSize(); ++a) image.WriteByte(a, (a * 13 + 1) & 0xFF);
        line_.echo = true;
        line_.onWrite = [this](const ByteStr& frame) { Answer(frame); };
    }

    bool answersInfo = true;
    bool sendsAllData = true;
    bool answersE8 = true;
    int writeResult = 0x00;
    clsCmcEeprom image;
    ByteStr infoBody = [] {
        ByteStr b(23, 0);
        b[0] = 0x23, b[1] = 0x04, b[2] = 0x00, b[3] = 0x01;
        return b;
    }();

  private:
    void Answer(const ByteStr& frame) {
        if (frame.size() < 6) return;
        switch (frame[4]) {
            case 0xE0:
                if (answersInfo) line_.Feed(::Answer(0xE1, infoBody));
                break;
            case 0xE2:
                for (std::int32_t a = 0; a < image.eeSize(); a += 32) {
                    if (!sendsAllData && a == 0x1000) continue;
                    line_.Feed(::Answer(
                        0xE4, StrToByteStr(CloneDataBlockText(a, image.ReadBlock(a, 32)))));
                }
                line_.Feed(::Answer(0xE5, StrToByteStr("Ardo Inc.")));
                break;
            case 0xE5:
                line_.Feed(::Answer(0xE6, {static_cast<std::uint8_t>(writeResult)}));
                break;
            case 0xE8:
                if (answersE8 && frame.size() > 10)
                    line_.Feed(::Answer(0xE8, {0x23, 0x04, 0x00, 0x01, frame[9], 0x77}));
                break;
            default:
                break;
        }
    }
    FakeSerialLine& line_;
};

class SequenceTest : public ::testing::Test {
  protected:
    SequenceTest() : com(line, clock), receiver(line), seq(com, radio, checks, clock) {
        com.comResolver([](int n) { return "/dev/ttyUSB" + std::to_string(n - 1); });
        PrepareRxQ5Document(radio);
        com.mainTask([this] { seq.task(); });
        // As the main window's clone error message does: read the cause,
        // then reset the sequence.
        const auto report = [this] {
            reports.push_back(CloneFailureText(CloneFailureOf(seq)));
            seq.easyReset(seq.ComPortNo());
        };
        com.errorReport(report);
        seq.failureReport([report](clsCmcAcf3Sequence&) { report(); });
    }

    // Ticks every 50 ms until the operation ends (bounded).
    void RunToEnd(int maxTicks = 2000) {
        for (int i = 0; i < maxTicks && seq.OpRunning(); ++i) {
            clock.Advance(frmCom::kTickMs);
            com.timSolid_Timer();
        }
        ASSERT_FALSE(seq.OpRunning());
    }
    std::vector<std::uint8_t> Commands() const {
        std::vector<std::uint8_t> out;
        for (const auto& w : line.writes)
            if (w.size() > 4 && (out.empty() || out.back() != w[4] || w[4] != 0xE4))
                out.push_back(w[4]);
        return out;
    }
    std::string FirstLine(std::size_t i = 0) const {
        return i < reports.size() ? reports[i].substr(0, reports[i].find('\r')) : std::string();
    }

    FakeClock clock;
    FakeSerialLine line;
    frmCom com;
    FakeReceiver receiver;
    clsCmcRadio radio;
    FakeChecks checks;
    clsCmcAcf3Sequence seq;
    std::vector<std::string> reports;
};

}  // namespace

TEST_F(SequenceTest, IdentificationsCallTheirCheckAndLeaveThePortOpen) {
    struct Case {
        void (clsCmcAcf3Sequence::*entry)();
        const char* check;
    };
    for (const Case c : {Case{&clsCmcAcf3Sequence::easyCloneInitInfo, "init"},
                         Case{&clsCmcAcf3Sequence::easyCloneInfo, "read"}}) {
        seq.easyReset(2);
        line.writes.clear();
        checks.calls.clear();
        (seq.*c.entry)();
        EXPECT_TRUE(seq.OpRunning());
        RunToEnd();
        EXPECT_EQ(checks.calls, std::vector<std::string>{c.check});
        EXPECT_EQ(checks.lastAnswer, Cat({{0xEF, 0xEE, 0xE1}, receiver.infoBody}));
        EXPECT_EQ(seq.ansNameM(), "2304");
        EXPECT_EQ(seq.ansNameS(), "0001");
        ASSERT_EQ(line.writes.size(), 1u);
        EXPECT_EQ(line.writes[0],
                  (ByteStr{0xFE, 0xFE, 0xEE, 0xEF, 0xE0, 0x23, 0x04, 0x00, 0x00, 0xFD}));
        EXPECT_EQ(line.lastDevice, "/dev/ttyUSB1");
        EXPECT_TRUE(com.comOpen());  // until the caller resets the sequence
        EXPECT_EQ(seq.Operation(), kOpIdle);
        EXPECT_TRUE(reports.empty());
    }
}

TEST_F(SequenceTest, CloneReadFillsTheImageAndChecksIt) {
    seq.easyReset(1);
    seq.easyCloneRead();
    RunToEnd();
    EXPECT_TRUE(reports.empty());
    EXPECT_EQ(checks.calls, (std::vector<std::string>{"read", "data"}));
    EXPECT_EQ(Commands(), (std::vector<std::uint8_t>{0xE0, 0xE2}));
    EXPECT_EQ(line.writes[1],
              (ByteStr{0xFE, 0xFE, 0xEE, 0xEF, 0xE2, 0x23, 0x04, 0x00, 0x01, 0xFD}));
    EXPECT_TRUE(radio.eepImage.IsSameAs(receiver.image));
    EXPECT_EQ(seq.error(), 0);
}

TEST_F(SequenceTest, CloneReadFailures) {
    struct Case {
        const char* name;
        bool answersInfo, sendsAllData;
        int readResult, dataResult;
        std::vector<std::string> calls;
        std::string firstLine;
    };
    const std::vector<Case> cases = {
        {"no identification answer", false, true, 0, 0, {}, "No answer from receiver."},
        {"wrong version", true, true, 3, 0, {"read"}, "Version number does not match."},
        {"illegal sub code", true, true, 2, 0, {"read"}, "Illegal Information."},
        {"data frame missing", true, false, 0, 0, {"read"}, "There is not enough data."},
        {"format tag differs", true, true, 0, 5, {"read", "data"}, "Illegal data."},
    };
    for (const auto& c : cases) {
        receiver.answersInfo = c.answersInfo;
        receiver.sendsAllData = c.sendsAllData;
        checks.readResult = c.readResult;
        checks.dataResult = c.dataResult;
        checks.calls.clear();
        reports.clear();
        seq.easyReset(1);
        seq.easyCloneRead();
        RunToEnd();
        EXPECT_EQ(checks.calls, c.calls) << c.name;
        ASSERT_EQ(reports.size(), 1u) << c.name;
        EXPECT_EQ(FirstLine(), c.firstLine) << c.name;
        EXPECT_FALSE(com.comOpen()) << c.name;
        EXPECT_EQ(seq.Operation(), kOpIdle) << c.name;
    }
}

TEST_F(SequenceTest, UnansweredIdentificationFailsAnswerTimeAfterTheEcho) {
    receiver.answersInfo = false;
    seq.easyReset(1);
    seq.easyCloneRead();
    std::int32_t elapsed = 0;
    while (seq.OpRunning() && elapsed < 5000) {
        clock.Advance(50);
        elapsed += 50;
        com.timSolid_Timer();
    }
    // The echo is taken on the first tick, the answer wait starts there.
    EXPECT_EQ(elapsed, 50 + 1200);
    EXPECT_EQ(FirstLine(), "No answer from receiver.");
    EXPECT_EQ(Commands(), std::vector<std::uint8_t>{0xE0});
}

TEST_F(SequenceTest, CloneWriteSendsTheImageAfterTheIdentificationCheck) {
    for (std::int32_t a = 0; a < 8064; ++a) radio.eepImage.WriteByte(a, a % 251);
    seq.easyReset(1);
    seq.easyCloneWrite();
    RunToEnd(5000);
    EXPECT_TRUE(reports.empty());
    EXPECT_EQ(checks.calls, std::vector<std::string>{"write"});
    EXPECT_EQ(Commands(), (std::vector<std::uint8_t>{0xE0, 0xE3, 0xE4, 0xE5}));
    EXPECT_EQ(line.writes.size(), 2u + 252u + 1u);
}

TEST_F(SequenceTest, CloneWriteFailures) {
    // A failed identification check sends no write request.
    checks.writeResult = 3;
    seq.easyReset(1);
    seq.easyCloneWrite();
    RunToEnd();
    EXPECT_EQ(Commands(), std::vector<std::uint8_t>{0xE0});
    EXPECT_EQ(FirstLine(), "Version number does not match.");

    // The receiver refuses the image.
    checks.writeResult = 0;
    receiver.writeResult = 0x01;
    reports.clear();
    seq.easyReset(1);
    seq.easyCloneWrite();
    RunToEnd(5000);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(FirstLine(), "Cannot write cloning data.");
    EXPECT_FALSE(com.comOpen());
}

TEST_F(SequenceTest, ResetDuringAWriteStopsTheDataFramesAtOnce) {
    seq.easyReset(1);
    seq.easyCloneWrite();
    for (int i = 0; i < 20; ++i) {
        clock.Advance(50);
        com.timSolid_Timer();
    }
    const std::size_t sent = line.writes.size();
    ASSERT_GT(sent, 5u);
    seq.easyReset(1);
    for (int i = 0; i < 20; ++i) {
        clock.Advance(50);
        com.timSolid_Timer();
    }
    EXPECT_EQ(line.writes.size(), sent);
    EXPECT_FALSE(seq.OpRunning());
    EXPECT_FALSE(com.comOpen());
}

TEST_F(SequenceTest, ExtendedCommands) {
    seq.easyReset(1);
    EXPECT_FALSE(seq.easySendE8NoAnswer("4207"));
    RunToEnd();
    ASSERT_EQ(line.writes.size(), 1u);
    EXPECT_EQ(line.writes[0],
              (ByteStr{0xFE, 0xFE, 0xEE, 0xEF, 0xE8, 0x23, 0x04, 0x00, 0x01, 0x42, 0x07, 0xFD}));
    EXPECT_TRUE(reports.empty());

    EXPECT_FALSE(seq.easySendE8ReqAnswer("42"));
    RunToEnd();
    EXPECT_TRUE(reports.empty());
    EXPECT_EQ(seq.drv().varLastE8Answer(), (ByteStr{0x23, 0x04, 0x00, 0x01, 0x42, 0x77}));

    receiver.answersE8 = false;
    line.writes.clear();
    seq.easySendE8ReqAnswer("42");
    RunToEnd();
    EXPECT_EQ(line.writes.size(), 3u);  // sent, then resent twice
    EXPECT_EQ(FirstLine(), "No answer from receiver.");
}

TEST_F(SequenceTest, PortThatCannotOpenIsReportedOnceWithItsName) {
    line.failOpen = true;
    seq.easyReset(3);
    seq.easyCloneInfo();
    RunToEnd();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(FirstLine(), "Cannot access COM 3.");
    EXPECT_FALSE(com.totalError());

    reports.clear();
    seq.ComDevice("/dev/pts/9");
    seq.easyReset(3);
    seq.easyCloneInfo();
    RunToEnd();
    EXPECT_EQ(line.lastDevice, "/dev/pts/9");
    EXPECT_EQ(FirstLine(), "Cannot access /dev/pts/9.");
}

TEST_F(SequenceTest, OverflowDuringAReadIsReportedByTheTick) {
    seq.easyReset(1);
    seq.easyCloneRead();
    clock.Advance(50);
    com.timSolid_Timer();  // identification echo and answer
    com.OnOverflow();
    RunToEnd();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(FirstLine(), "COM buffer Overflow.");
    EXPECT_FALSE(com.comOpen());
}

TEST_F(SequenceTest, HoldTimeClosesAnIdlePort) {
    seq.comHoldReload(500);
    seq.easyReset(1);
    seq.easyCloneInfo();
    RunToEnd();
    EXPECT_TRUE(com.comOpen());
    for (int i = 0; i < 9; ++i) {
        clock.Advance(50);
        com.timSolid_Timer();
    }
    EXPECT_TRUE(com.comOpen());
    clock.Advance(100);
    com.timSolid_Timer();
    EXPECT_FALSE(com.comOpen());
}
