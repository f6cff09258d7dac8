// SPDX-License-Identifier: GPL-3.0-or-later
#include "clone/acf3_sequence.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "clone/clone_messages.h"
#include "clone_line.h"

namespace {

// The version checks of the receiver model: each answers the code the test
// gives it and notes its name.
class FakeChecks : public CloneChecks {
  public:
    int RigOpFunc_CheckInfoToInitInfo(const ByteStr& a) override { return Note("init", a); }
    int RigOpFunc_CheckInfoToReadOrInfo(const ByteStr& a) override { return Note("read", a); }
    int RigOpFunc_CheckInfoToWrite(const ByteStr& a) override { return Note("write", a); }
    int RigOpFunc_CheckReadedData() override { return Note("data", {}); }

    std::map<std::string, int> results;
    std::string calls;
    ByteStr answer;

  private:
    int Note(const std::string& name, const ByteStr& a) {
        calls += (calls.empty() ? "" : " ") + name;
        if (!a.empty()) answer = a;
        return results[name];
    }
};

// A sequence on a fake line whose other end is a receiver behind a cable
// that echoes every sent byte. A failure is reported as the main window
// does: the text of the cause, then a reset of the sequence.
struct Rig : CloneLine {
    explicit Rig(const std::string& kind = "") : receiver(kind), seq(com, radio, checks, clock) {
        PrepareRxQ5Document(radio);
        line.echo = true;
        const auto report = [this] {
            reports.push_back(CloneFailureText(CloneFailureOf(seq)));
            seq.easyReset(seq.ComPortNo());
        };
        com.mainTask([this] { seq.task(); });
        com.errorReport(report);
        // The message box's event loop ticks again while the report is shown.
        seq.failureReport([this, report](clsCmcAcf3Sequence&) {
            seq.task();
            report();
        });
        // The receiver answers the identification, reads and writes, unless
        // it is "silent"; it may lose a data frame, or refuse the image.
        line.onWrite = [this](const ByteStr& f) {
            if (receiver == "silent") return;
            if (f[4] == 0xE0) line.Feed(AnswerFrame(0xE1, InfoBody()));
            if (f[4] == 0xE2) line.Feed(ReadStream(image, receiver == "loses a frame" ? 0 : -1));
            if (f[4] == 0xE5) line.Feed(AnswerFrame(0xE6, {std::uint8_t(receiver == "refuses")}));
        };
        line.failOpen = kind == "absent";
        seq.easyReset(1);
    }
    // Runs the heartbeat until the operation ends (bounded); the time it took.
    int RunToEnd() {
        int ms = 0;
        for (; ms < 300000 && seq.OpRunning(); ms += frmCom::kTickMs) {
            clock.Advance(frmCom::kTickMs);
            com.timSolid_Timer();
        }
        EXPECT_FALSE(seq.OpRunning());
        return ms;
    }
    // The commands sent, as hex text; a run of data frames counts once.
    std::string Commands() const {
        std::string out;
        for (const auto& w : line.writes)
            if (w[4] != 0xE4 || out.substr(out.size() - 2) != "E4") out += Hex2(w[4]);
        return out;
    }
    std::string FirstLine() const {
        return reports.empty() ? "" : reports[0].substr(0, reports[0].find('\r'));
    }

    std::string receiver;
    clsCmcRadio radio;
    FakeChecks checks;
    clsCmcAcf3Sequence seq;
    std::vector<std::string> reports;
    clsCmcEeprom image = PatternImage();
};

using S = clsCmcAcf3Sequence;

}  // namespace

TEST(Sequence, OperationsRunTheirChecksAndEndIdleOrReportTheFailureOnce) {
    struct Case {
        void (S::*entry)();
        const char* receiver;
        const char* failing;  // the check that fails (code 3, or 5 for the data)
        const char* calls;
        const char* commands;
        const char* report;  // first line; empty: success
        int ms;              // time to the end, when it matters
    };
    const Case cases[] = {
        {&S::easyCloneInitInfo, "", "", "init", "E0", "", 50},
        {&S::easyCloneInfo, "", "", "read", "E0", "", 50},
        {&S::easyCloneRead, "", "", "read data", "E0E2", "", 100},
        {&S::easyCloneWrite, "", "", "write", "E0E3E4E5", "", 0},
        // The echo is taken on the first tick; the answer wait starts there.
        {&S::easyCloneRead, "silent", "", "", "E0", "No answer from receiver.", 50 + 1200},
        {&S::easyCloneInfo, "absent", "", "", "", "Cannot access COM 1.", 0},
        {&S::easyCloneRead, "", "read", "read", "E0", "Version number does not match.", 0},
        {&S::easyCloneRead, "loses a frame", "", "read", "E0E2", "There is not enough data.", 0},
        {&S::easyCloneRead, "", "data", "read data", "E0E2", "Illegal data.", 0},
        // A write whose identification check fails sends no write request.
        {&S::easyCloneWrite, "", "write", "write", "E0", "Version number does not match.", 0},
        {&S::easyCloneWrite, "refuses", "", "write", "E0E3E4E5", "Cannot write cloning data.", 0},
    };
    for (const Case& c : cases) {
        Rig r(c.receiver);
        r.checks.results[c.failing] = *c.failing == 'd' ? 5 : 3;
        (r.seq.*c.entry)();
        const int ms = r.RunToEnd();
        EXPECT_EQ(r.checks.calls, c.calls) << c.commands;
        EXPECT_EQ(r.Commands(), c.commands) << c.calls;
        EXPECT_EQ(r.FirstLine(), c.report) << c.calls;
        EXPECT_LE(r.reports.size(), 1u) << c.calls;
        EXPECT_FALSE(r.com.totalError()) << c.calls;
        EXPECT_EQ(c.ms > 0 ? ms : 0, c.ms) << c.calls;
        // The port stays open after a success, until the caller resets the sequence.
        EXPECT_EQ(r.com.comOpen(), *c.report == '\0') << c.calls;
        if (*c.calls != '\0') {
            EXPECT_EQ(r.checks.answer, Cat({{0xEF, 0xEE, 0xE1}, InfoBody()}));
            EXPECT_EQ(r.seq.ansNameM() + r.seq.ansNameS(), "23040001");
        }
        // The model code in each request; the sub code in all but the identification.
        for (std::size_t i = 0; i < r.line.writes.size() && i < 2; ++i)
            EXPECT_EQ(ByteStrToHexStr(r.line.writes[i]).substr(10, 8), i ? "23040001" : "23040000");
        if (*c.report == '\0' && c.entry == &S::easyCloneRead) {
            EXPECT_TRUE(r.radio.eepImage.IsSameAs(r.image));
        }
    }
}

// The program itself sends no extended command; the sequence offers it,
// with two resends when no answer comes.
TEST(Sequence, ExtendedCommandIsSentThreeTimesAtMostWhenNoAnswerComes) {
    Rig r("silent");
    EXPECT_FALSE(r.seq.easySendE8ReqAnswer("42"));
    r.RunToEnd();
    EXPECT_EQ(r.line.writes.size(), 3u);
    EXPECT_EQ(r.line.writes.at(0), HexStrToByteStr("FEFEEEEFE82304000142FD"));
    EXPECT_EQ(r.FirstLine(), "No answer from receiver.");
}
