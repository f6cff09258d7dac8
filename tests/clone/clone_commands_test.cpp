// SPDX-License-Identifier: GPL-3.0-or-later
#include "clone/clone_commands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "clone/acf3_driver.h"
#include "fake_clock.h"
#include "fake_serial_line.h"
#include "file/acf_file.h"
#include "file/read_backups.h"
#include "model/undo_history.h"
#include "temp_dir.h"

namespace {

namespace fs = std::filesystem;
using M = clsRigQ5_Master;

ByteStr Frame(std::uint8_t command, const ByteStr& body) {
    ByteStr out = {0xFE, 0xFE, 0xEF, 0xEE, command};
    out.insert(out.end(), body.begin(), body.end());
    out.push_back(0xFD);
    return out;
}

// The receiver behind the cable: answers the identification as a receiver
// of the given version, sends its image on a read, takes one on a write.
class Receiver {
  public:
    explicit Receiver(FakeSerialLine& line) : line_(line) {
        line_.echo = true;
        line_.onWrite = [this](const ByteStr& f) { Hear(f); };
    }

    int version = 0, amOk = 1, fmTvOk = 0;
    // Data frames of a read are held back for the test to deliver.
    bool holdData = false;
    std::vector<ByteStr> held;
    bool answers = true;
    int writeResult = 0;
    std::string comment = "MY RECEIVER     ";
    clsCmcEeprom image;    // what a read sends
    clsCmcEeprom written;  // what a write delivered
    int writtenBytes = 0;
    // A write goes into the memory a read sends, as in a real receiver.
    bool keepWrites = false;
    // Runs when a write's end frame arrives, before the result goes back.
    std::function<void()> afterWrite;

  private:
    ByteStr Info() const {
        ByteStr b = {0x23, 0x04, 0x00, 0x01};
        for (char c : comment) b.push_back(static_cast<std::uint8_t>(c));
        b.resize(20, ' ');
        b.push_back(static_cast<std::uint8_t>(version));
        b.push_back(static_cast<std::uint8_t>((amOk ? 0 : 0x08) | (fmTvOk ? 0x40 : 0)));
        b.push_back(0);
        return b;
    }
    void Hear(const ByteStr& f) {
        if (!answers || f.size() < 6) return;
        switch (f[4]) {
            case 0xE0:
                line_.Feed(Frame(0xE1, Info()));
                break;
            case 0xE2:
                for (std::int32_t a = 0; a < image.eeSize(); a += 32)
                    Send(Frame(0xE4, StrToByteStr(CloneDataBlockText(a, image.ReadBlock(a, 32)))));
                Send(Frame(0xE5, StrToByteStr("Ardo Inc.")));
                break;
            case 0xE4: {
                const ByteStr block =
                    HexStrToByteStr(ByteStrToStr(ByteStr(f.begin() + 5, f.end() - 1)));
                const std::int32_t adr = block[0] * 256 + block[1];
                written.WriteBlock(adr, ByteStr(block.begin() + 3, block.end() - 1));
                if (keepWrites) image.WriteBlock(adr, ByteStr(block.begin() + 3, block.end() - 1));
                writtenBytes += block[2];
                break;
            }
            case 0xE5:
                if (afterWrite) afterWrite();
                line_.Feed(Frame(0xE6, {static_cast<std::uint8_t>(writeResult)}));
                break;
            default:
                break;
        }
    }
    void Send(const ByteStr& frame) {
        if (holdData) {
            held.push_back(frame);
        } else {
            line_.Feed(frame);
        }
    }
    FakeSerialLine& line_;
};

// Records what the commands ask and show, and answers questions as told.
class RecordingUi : public CommandUi {
  public:
    bool AskOkCancel(const std::string& text) override {
        questions.push_back(text);
        return answerOk;
    }
    void ShowError(const std::string& text) override { errors.push_back(text); }
    void ShowNotice(const std::string& text) override { notices.push_back(text); }
    void ShowInformation(const std::string& title, const std::string& text) override {
        infos.push_back(title + "|" + text);
    }
    void ShowStatus(const std::string& text) override { statuses.push_back(text); }
    void ProgressShow() override { progressOpen = true; }
    void ProgressValue(int v) override { values.push_back(v); }
    void ProgressLabel(const std::string& text) override { labels.push_back(text); }
    void ProgressCancelable(bool value) override { cancelable.push_back(value); }
    void ProgressClose() override { progressOpen = false; }
    void DispChList() override { ++redraws; }
    void ResetViews() override { ++resets; }

    bool answerOk = true;
    bool progressOpen = false;
    std::vector<std::string> questions, errors, notices, infos, statuses, labels;
    std::vector<int> values;
    std::vector<bool> cancelable;
    int redraws = 0, resets = 0;
};

std::string FirstLine(const std::string& text) {
    return text.substr(0, text.find('\r'));
}

class CloneCommandsTest : public ::testing::Test {
  public:
    CloneCommandsTest()
        : com(line, clock),
          receiver(line),
          seq(com, radio, master, clock),
          clone(seq, master, doc, ui) {
        com.comResolver([](int n) { return "/dev/ttyUSB" + std::to_string(n - 1); });
        PrepareRxQ5Document(radio);
        com.mainTask([this] { clone.task(); });
        com.errorReport([this] { clone.MsgBoxCloneErr(); });
        clone.onFinished([this](CloneCommand c, bool ok) { finished.emplace_back(c, ok); });
        SetVersion(0, 1, 0);
        // The receiver holds the factory image with a channel and a comment
        // of its own.
        receiver.image.CopyFrom(radio.eepInitial);
        receiver.image.WriteBlock(0x0020, {0x01, 0x46, 0, 0, 0, 0, 0, 0, 0x08, 0x2A});
        receiver.image.WriteBlock(0x1F60, StrToByteStr("FROM RECEIVER   "));
    }

    void SetVersion(int version, int amOk, int fmTv) {
        auto& m = master.MatrixObj();
        m.MtxVerNo(version);
        m.MtxAmOk(amOk);
        m.MtxFmTvOk(fmTv);
        master.Init_MakeInitial();
        master.Reset();
    }
    // Ticks every 50 ms until the command ends (bounded).
    void RunToEnd(int maxTicks = 3000) {
        for (int i = 0; i < maxTicks && clone.Busy(); ++i) {
            clock.Advance(frmCom::kTickMs);
            com.timSolid_Timer();
        }
        ASSERT_FALSE(clone.Busy());
    }
    // An edited, saved-looking document.
    void EditDocument() {
        master.ListCh(M::kListMemory, 5)->AppearCh(true);
        master.ListCh(M::kListMemory, 5)->FreqOp_Pure(14550000);
        master.WriteToEep();
        ASSERT_TRUE(radio.EditOn());
    }

    FakeClock clock;
    FakeSerialLine line;
    frmCom com;
    Receiver receiver;
    clsCmcRadio radio;
    clsRigQ5_Master master{radio};
    clsCmcAcf3Sequence seq;
    RecordingUi ui;
    DocumentCommands doc{master, ui};
    CloneCommands clone;
    std::vector<std::pair<CloneCommand, bool>> finished;
};

}  // namespace

TEST_F(CloneCommandsTest, ReadBringsTheReceiversImageAsAnEditedUntitledDocument) {
    ASSERT_TRUE(clone.Read());
    EXPECT_TRUE(ui.progressOpen);
    RunToEnd();
    EXPECT_EQ(radio.eepImage.bytes(), receiver.image.bytes());
    EXPECT_TRUE(radio.EditOn());
    EXPECT_EQ(doc.FileTitle(), "Untitled");
    EXPECT_EQ(master.CommonObj().Comment(), "FROM RECEIVER   ");
    EXPECT_EQ(master.ListCh(M::kListMemory, 2)->FreqOp_Pure(), 14600000);
    EXPECT_FALSE(ui.progressOpen);
    EXPECT_TRUE(ui.errors.empty());
    EXPECT_TRUE(ui.questions.empty());  // a clean document is read without asking
    EXPECT_FALSE(line.IsOpen());
    ASSERT_EQ(finished.size(), 1u);
    EXPECT_EQ(finished[0], std::make_pair(CloneCommand::Read, true));
}

TEST_F(CloneCommandsTest, ReadProgressFollowsTheDataToTheFullBar) {
    receiver.holdData = true;
    ASSERT_TRUE(clone.Read());
    for (int i = 0; i < 5 && receiver.held.empty(); ++i) {
        clock.Advance(frmCom::kTickMs);
        com.timSolid_Timer();
    }
    ASSERT_EQ(receiver.held.size(), 253u);  // 252 data frames and the end frame
    for (std::size_t i = 0; i + 1 < receiver.held.size(); ++i) {
        line.Feed(receiver.held[i]);
        clock.Advance(10);
        com.timSolid_Timer();
    }
    ASSERT_TRUE(ui.progressOpen);
    ASSERT_FALSE(ui.values.empty());
    EXPECT_TRUE(std::is_sorted(ui.values.begin(), ui.values.end()));
    EXPECT_EQ(ui.values.back(), 100);  // with the last data frame
    line.Feed(receiver.held.back());
    RunToEnd();
    EXPECT_FALSE(ui.progressOpen);
    EXPECT_TRUE(ui.errors.empty());
}

TEST_F(CloneCommandsTest, ReadStreamGivesTheSameImageHoweverItIsSplit) {
    // However the platform hands the received bytes on (the whole read
    // stream at once, as after a busy moment, or one byte at a time), the
    // read ends with the receiver's image and no failure.
    for (const int chunk : {0, 1, 7}) {
        radio.eepImage.CopyFrom(radio.eepInitial);
        ui.errors.clear();
        line.readChunk = chunk;
        ASSERT_TRUE(clone.Read());
        // Time stands still: no time-out can end the read, only its data.
        for (int i = 0; i < 100000 && clone.Busy(); ++i) com.timSolid_Timer();
        ASSERT_FALSE(clone.Busy()) << chunk;
        EXPECT_TRUE(ui.errors.empty()) << chunk << ": " << ui.errors.front();
        EXPECT_EQ(radio.eepImage.bytes(), receiver.image.bytes()) << chunk;
    }
}

TEST_F(CloneCommandsTest, ReadOverEditsAsksAndCancelTouchesNothing) {
    EditDocument();
    ui.answerOk = false;
    const ByteStr before = radio.eepImage.bytes();
    EXPECT_FALSE(clone.Read());
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.questions[0], "Read from receiver, Data has been edited.");
    EXPECT_EQ(line.openCount, 0);
    EXPECT_TRUE(line.writes.empty());
    EXPECT_FALSE(clone.Busy());
    EXPECT_EQ(radio.eepImage.bytes(), before);
}

TEST_F(CloneCommandsTest, FailedReadLeavesTheDocumentAsItWas) {
    struct Case {
        const char* name;
        std::function<void(CloneCommandsTest&)> fault;
        std::string firstLine;
    };
    const std::vector<Case> cases = {
        {"receiver off", [](CloneCommandsTest& t) { t.receiver.answers = false; },
         "No answer from receiver."},
        {"cable absent", [](CloneCommandsTest& t) { t.line.echo = false; },
         "Cannot access COM port."},
        {"other version", [](CloneCommandsTest& t) { t.receiver.version = 3; },
         "Version number does not match."},
        {"port missing", [](CloneCommandsTest& t) { t.line.failOpen = true; },
         "Cannot access COM 1."},
        {"foreign image", [](CloneCommandsTest& t) { t.receiver.image.WriteByte(0x1F7F, 0x34); },
         "Illegal data."},
    };
    for (const auto& c : cases) {
        CloneCommandsTest& t = *this;
        t.receiver.answers = true;
        t.line.echo = true;
        t.line.failOpen = false;
        t.receiver.version = 0;
        t.receiver.image.WriteByte(0x1F7F, '3');
        t.doc.Save("/nonexistent-folder/x.acf");  // leaves the title as it is
        t.EditDocument();
        const ByteStr before = t.radio.eepImage.bytes();
        t.ui.errors.clear();
        c.fault(t);
        ASSERT_TRUE(t.clone.Read()) << c.name;
        t.RunToEnd();
        ASSERT_EQ(t.ui.errors.size(), 1u) << c.name;
        EXPECT_EQ(FirstLine(t.ui.errors[0]), c.firstLine) << c.name;
        EXPECT_TRUE(t.clone.LastCloneError()) << c.name;
        EXPECT_EQ(t.radio.eepImage.bytes(), before) << c.name;
        EXPECT_TRUE(t.radio.EditOn()) << c.name;
        EXPECT_EQ(t.master.ListCh(M::kListMemory, 5)->FreqOp_Pure(), 14550000) << c.name;
        EXPECT_FALSE(t.line.IsOpen()) << c.name;
        EXPECT_FALSE(t.ui.progressOpen) << c.name;
        EXPECT_EQ(t.finished.back(), std::make_pair(CloneCommand::Read, false)) << c.name;
    }
}

TEST_F(CloneCommandsTest, OverflowAtTheEndOfAReadIsAFailureNotASuccess) {
    EditDocument();
    const ByteStr before = radio.eepImage.bytes();
    ASSERT_TRUE(clone.Read());
    // The whole image arrives in one go, and the platform reports that its
    // receive buffer overflowed on the way.
    clock.Advance(frmCom::kTickMs);
    com.timSolid_Timer();  // identification answered, read request sent
    com.OnOverflow();
    RunToEnd();
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_EQ(FirstLine(ui.errors[0]), "COM buffer Overflow.");
    EXPECT_EQ(radio.eepImage.bytes(), before);
}

TEST_F(CloneCommandsTest, InaccessibleDeviceNamesTheSlotAndWhatCouldHelp) {
    const std::string permissionHint =
        "\r\n- Permission to use /dev/ttyUSB1 (membership of the uucp group).";
    const std::string demoHint =
        "\r\n- No serial port was found on this computer; csq5 --demo tries the program with "
        "a simulated receiver.";
    // The serial ports found on the computer, as the platform lists them.
    std::vector<std::string> found = {"/dev/ttyUSB0", "/dev/ttyUSB1"};
    com.comPortLister([&found] { return found; });
    struct Case {
        SerialOpenFault fault;
        std::string group;
        bool portsFound;
        std::string hints;
    };
    clone.ComPortNo(2);
    for (const Case& c : {Case{SerialOpenFault::NotFound, "", true, ""},
                          Case{SerialOpenFault::PermissionDenied, "uucp", true, permissionHint},
                          // No group would help (a device of root:root, mode 0600).
                          Case{SerialOpenFault::PermissionDenied, "", true, ""},
                          Case{SerialOpenFault::None, "", true, ""},
                          Case{SerialOpenFault::NotFound, "", false, demoHint}}) {
        ui.errors.clear();
        found = c.portsFound ? std::vector<std::string>{"/dev/ttyUSB0", "/dev/ttyUSB1"}
                             : std::vector<std::string>{};
        line.failOpen = true;
        line.openFault = c.fault;
        line.openGroup = c.group;
        // Both the clone commands and the initial setup say it.
        for (const bool setup : {false, true}) {
            ASSERT_TRUE(setup ? clone.InitialSetup() : clone.Information());
            RunToEnd();
            ASSERT_EQ(ui.errors.size(), 1u);
            const std::string text = ui.errors.back();
            ui.errors.clear();
            EXPECT_EQ(FirstLine(text), "Cannot access COM 2.");
            const std::string setA =
                "- The COM port settings.\r\n- Cloning cable connections.\r\n"
                "- Receiver power is ON.";
            EXPECT_EQ(text.substr(text.find(setA)), setA + c.hints) << static_cast<int>(c.fault);
            // The next attempt starts clean.
            EXPECT_EQ(com.errPermissionDevice(), "");
            EXPECT_FALSE(com.errNoSerialPort());
        }
    }
}

TEST_F(CloneCommandsTest, DeviceUnpluggedDuringAReadIsReportedAsInaccessible) {
    EditDocument();
    const ByteStr before = radio.eepImage.bytes();
    receiver.holdData = true;
    ASSERT_TRUE(clone.Read());
    clock.Advance(frmCom::kTickMs);
    com.timSolid_Timer();  // identification answered, read request sent
    com.OnDeviceLost();
    RunToEnd();
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_EQ(FirstLine(ui.errors[0]), "Cannot access COM 1.");
    EXPECT_EQ(radio.eepImage.bytes(), before);
    EXPECT_FALSE(line.IsOpen());
}

TEST_F(CloneCommandsTest, WriteSendsThePreparedImageAndLeavesTheDocumentUnchanged) {
    EditDocument();
    doc.Save(::testing::TempDir() + "/clone_commands_write.acf");
    master.ListCh(M::kListMemory, 6)->AppearCh(true);
    master.ListCh(M::kListMemory, 6)->FreqOp_Pure(14560000);
    const std::string title = doc.FileTitle();
    master.WriteToEep();
    ASSERT_TRUE(radio.EditOn());
    const ByteStr before = radio.eepImage.bytes();
    // What the receiver should get: the document prepared for the receiver.
    clsCmcRadio expectRadio;
    expectRadio.eepImage.CopyFrom(radio.eepImage);
    expectRadio.eepInitial.CopyFrom(radio.eepInitial);
    clsRigQ5_Master expectMaster(expectRadio);
    expectMaster.MatrixObj().MtxVerNo(0);
    expectMaster.MatrixObj().MtxAmOk(1);
    expectMaster.MatrixObj().MtxFmTvOk(0);
    expectMaster.Reset();
    expectMaster.ReadFromEep(M::kProgramForm);
    expectMaster.FullCareEepToCloneWrite();

    ASSERT_TRUE(clone.Write());
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.questions[0], "Write to receiver.");
    RunToEnd();
    EXPECT_EQ(receiver.writtenBytes, 8064);
    EXPECT_EQ(receiver.written.bytes(), expectRadio.eepImage.bytes());
    ASSERT_EQ(ui.notices.size(), 1u);
    EXPECT_EQ(ui.notices[0],
              "Clone writing succeeded.\r\n\r\nTurn the receiver power off and on to use\r\n"
              "the receiver under its new conditions.");
    EXPECT_EQ(radio.eepImage.bytes(), before);
    EXPECT_TRUE(radio.EditOn());
    EXPECT_EQ(doc.FileTitle(), title);
    EXPECT_EQ(ui.values.back(), 100);
    EXPECT_FALSE(line.IsOpen());
}

TEST_F(CloneCommandsTest, WriteCancelledOrRefusedChangesNothing) {
    EditDocument();
    const ByteStr before = radio.eepImage.bytes();
    ui.answerOk = false;
    EXPECT_FALSE(clone.Write());
    EXPECT_EQ(line.openCount, 0);

    ui.answerOk = true;
    receiver.writeResult = 1;
    ASSERT_TRUE(clone.Write());
    RunToEnd();
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_EQ(ui.errors[0],
              "Cannot write cloning data.\r\n\r\nCheck the following:\r\n\r\n"
              "- Cloning cable connections.\r\n- Receiver power is ON.");
    EXPECT_TRUE(ui.notices.empty());
    EXPECT_EQ(radio.eepImage.bytes(), before);
    EXPECT_TRUE(radio.EditOn());
}

TEST_F(CloneCommandsTest, InformationShowsModelAndCommentWithUnprintableBytesAsBlanks) {
    receiver.comment = std::string("AB\x01\x7F", 4) + "CD" + std::string(10, '\x00');
    const ByteStr before = radio.eepImage.bytes();
    ASSERT_TRUE(clone.Information());
    RunToEnd();
    ASSERT_EQ(ui.infos.size(), 1u);
    EXPECT_EQ(ui.infos[0], "Information|Model : RX-Q5\r\n\r\nComment : AB  CD          ");
    EXPECT_EQ(clone.ReceiverComment(), "AB  CD          ");
    EXPECT_EQ(radio.eepImage.bytes(), before);
    EXPECT_FALSE(line.IsOpen());
}

TEST_F(CloneCommandsTest, InitialSetupAdoptsTheReceiversVersionAndPort) {
    SetVersion(12, 0, 1);
    receiver.version = 7;
    receiver.amOk = 0;
    receiver.fmTvOk = 1;
    ASSERT_TRUE(clone.InitialSetup(3));
    RunToEnd();
    EXPECT_TRUE(ui.errors.empty());
    EXPECT_EQ(line.lastDevice, "/dev/ttyUSB2");
    EXPECT_EQ(master.MatrixObj().MtxVerNo(), 7);
    EXPECT_EQ(master.MatrixObj().MtxAmOk(), 0);
    EXPECT_EQ(master.MatrixObj().MtxFmTvOk(), 1);
    EXPECT_EQ(clone.ComPortNo(), 3);
    EXPECT_EQ(ui.resets, 1);
    EXPECT_FALSE(radio.EditOn());
    EXPECT_EQ(finished.back(), std::make_pair(CloneCommand::InitialSetup, true));
}

TEST_F(CloneCommandsTest, FailedInitialSetupKeepsVersionAndPort) {
    SetVersion(12, 0, 1);
    receiver.answers = false;
    clone.ComPortNo(2);
    ASSERT_TRUE(clone.InitialSetup(4));
    RunToEnd();
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_EQ(FirstLine(ui.errors[0]), "No answer from receiver.");
    EXPECT_EQ(master.MatrixObj().MtxVerNo(), 12);
    EXPECT_EQ(clone.ComPortNo(), 2);
    EXPECT_EQ(ui.resets, 0);
}

TEST_F(CloneCommandsTest, OneCommandAtATimeAndThePortStaysInRange) {
    ASSERT_TRUE(clone.Information());
    EXPECT_FALSE(clone.Read());
    EXPECT_FALSE(clone.Write());
    EXPECT_FALSE(clone.InitialSetup());
    RunToEnd();
    for (const auto& [in, out] :
         std::vector<std::pair<int, int>>{{0, 1}, {-3, 1}, {4, 4}, {9, 4}}) {
        clone.ComPortNo(in);
        EXPECT_EQ(clone.ComPortNo(), out) << in;
    }
}

TEST_F(CloneCommandsTest, CancelledReadOrInformationStopsAtOnceAndLeavesTheDocument) {
    EditDocument();
    radio.EditOn(false);
    const ByteStr before = radio.eepImage.bytes();
    receiver.holdData = true;
    for (const CloneCommand command : {CloneCommand::Read, CloneCommand::Information}) {
        SCOPED_TRACE(static_cast<int>(command));
        finished.clear();
        receiver.held.clear();
        // The information waits for an answer that does not come yet.
        receiver.answers = command == CloneCommand::Read;
        ASSERT_TRUE(command == CloneCommand::Read ? clone.Read() : clone.Information());
        for (int i = 0; i < 5; ++i) {
            clock.Advance(frmCom::kTickMs);
            com.timSolid_Timer();
        }
        // A third of the data frames are in.
        for (std::size_t i = 0; i < receiver.held.size() / 3; ++i) {
            line.Feed(receiver.held[i]);
            clock.Advance(10);
            com.timSolid_Timer();
        }
        ASSERT_TRUE(clone.Busy());
        ASSERT_TRUE(line.IsOpen());
        if (command == CloneCommand::Read) {
            ASSERT_FALSE(ui.values.empty());
            EXPECT_GT(ui.values.back(), 0);  // under way
        }
        EXPECT_TRUE(clone.Cancel());
        EXPECT_FALSE(clone.Busy());
        EXPECT_TRUE(clone.Cancelled());
        EXPECT_FALSE(ui.progressOpen);
        EXPECT_FALSE(line.IsOpen());
        EXPECT_TRUE(ui.errors.empty());
        EXPECT_TRUE(ui.infos.empty());
        EXPECT_EQ(radio.eepImage.bytes(), before);
        EXPECT_FALSE(radio.EditOn());
        ASSERT_EQ(finished.size(), 1u);
        EXPECT_EQ(finished[0], std::make_pair(command, false));
        // Later ticks bring no message, and a second Cancel has nothing to stop.
        for (int i = 0; i < 100; ++i) {
            clock.Advance(frmCom::kTickMs);
            com.timSolid_Timer();
        }
        EXPECT_TRUE(ui.errors.empty());
        EXPECT_FALSE(clone.Cancel());
    }
    receiver.holdData = false;
    receiver.answers = true;
    ASSERT_TRUE(clone.Read());
    RunToEnd();
    EXPECT_FALSE(clone.Cancelled());
    EXPECT_EQ(radio.eepImage.bytes(), receiver.image.bytes());
}

TEST_F(CloneCommandsTest, WriteCannotBeCancelled) {
    ASSERT_TRUE(clone.Write());
    clock.Advance(frmCom::kTickMs);
    com.timSolid_Timer();
    EXPECT_FALSE(clone.Cancel());
    EXPECT_TRUE(clone.Busy());
    RunToEnd();
    EXPECT_FALSE(clone.Cancelled());
    EXPECT_EQ(receiver.writtenBytes, radio.eepImage.eeSize());
}

TEST_F(CloneCommandsTest, EveryReadLeavesACopyAsFileSaveWouldWriteIt) {
    TempDir tmp;
    ReadBackups backups((tmp.path() / "backups").string());
    clone.Backups(&backups);
    // TV frequencies differ between the receiver's form and the program's:
    // the copy must hold the picture carriers a save writes, or opening it
    // and writing it back would move every TV channel.
    master.PresetTv(9);
    master.FullCareEepToCloneWrite();
    receiver.image.CopyFrom(radio.eepImage);
    master.init_Reload();

    ASSERT_TRUE(clone.Read());
    RunToEnd();
    ASSERT_FALSE(clone.LastBackupFile().empty());
    // The document keeps the image as received until it is next stored.
    EXPECT_EQ(radio.eepImage.bytes(), receiver.image.bytes());
    // The read says that it happened and where its copy went.
    ASSERT_EQ(ui.statuses.size(), 1u);
    EXPECT_EQ(ui.statuses[0].rfind("Clone read at ", 0), 0u) << ui.statuses[0];
    EXPECT_NE(ui.statuses[0].find("; backup copy: " + clone.LastBackupFile()), std::string::npos)
        << ui.statuses[0];
    const std::string saved = (tmp.path() / "saved.acf").string();
    ASSERT_EQ(doc.Save(saved), kAcfOk);
    std::ifstream a(clone.LastBackupFile(), std::ios::binary), b(saved, std::ios::binary);
    const std::string copyText((std::istreambuf_iterator<char>(a)), {});
    const std::string saveText((std::istreambuf_iterator<char>(b)), {});
    EXPECT_EQ(copyText, saveText);
    clsCmcRadio copy;
    copy.radioNameM("2304");
    copy.eepInitial.CopyFrom(radio.eepInitial);
    ASSERT_EQ(AcfFileLoad(copy, clone.LastBackupFile()), kAcfOk);
    EXPECT_NE(copy.eepImage.ReadBlock(M::EeAdr_Ch(M::kListTv, 1), 4),
              receiver.image.ReadBlock(M::EeAdr_Ch(M::kListTv, 1), 4));

    // A failed read leaves no copy; one that cannot be saved fails nothing.
    receiver.answers = false;
    ui.answerOk = true;
    ASSERT_TRUE(clone.Read());
    RunToEnd();
    EXPECT_TRUE(clone.LastBackupFile().empty());
    receiver.answers = true;
    ReadBackups nowhere((tmp.path() / "backups" / "read-x.acf" / "no").string());
    std::ofstream(tmp.path() / "backups" / "read-x.acf") << "a file, not a folder";
    clone.Backups(&nowhere);
    ASSERT_TRUE(clone.Read());
    RunToEnd();
    EXPECT_TRUE(clone.LastBackupFile().empty());
    EXPECT_EQ(finished.back(), std::make_pair(CloneCommand::Read, true));
    EXPECT_EQ(ui.errors.size(), 1u);  // only the failed read's
    // No note for the failed read; the last one tells of the missing copy.
    ASSERT_EQ(ui.statuses.size(), 2u);
    EXPECT_NE(ui.statuses[1].find("no backup copy could be written in " + nowhere.Folder()),
              std::string::npos)
        << ui.statuses[1];
}

TEST_F(CloneCommandsTest, AVerifiedWriteReadsTheMemoryBackUnderOneBarAndLeavesTheDocument) {
    TempDir tmp;
    ReadBackups backups((tmp.path() / "backups").string());
    clone.Backups(&backups);
    clone.VerifyAfterWrite(true);
    receiver.keepWrites = true;
    EditDocument();
    radio.EditOn(false);  // saved
    const ByteStr before = radio.eepImage.bytes();

    ASSERT_TRUE(clone.Write());
    RunToEnd();
    EXPECT_TRUE(ui.errors.empty()) << ui.errors.front();
    EXPECT_EQ(ui.notices, std::vector<std::string>{CloneCommands::WriteVerifiedText()});
    EXPECT_EQ(finished.back(), std::make_pair(CloneCommand::Write, true));
    EXPECT_TRUE(clone.LastVerify().Verified());
    // One display: the write fills the first half of the bar, the read the
    // second; only the read may be cancelled.
    EXPECT_EQ(ui.labels, (std::vector<std::string>{CloneCommands::WriteProgressLabel(),
                                                   CloneCommands::VerifyProgressLabel()}));
    EXPECT_EQ(ui.cancelable, (std::vector<bool>{false, true}));
    EXPECT_TRUE(std::is_sorted(ui.values.begin(), ui.values.end()));
    EXPECT_NE(std::find(ui.values.begin(), ui.values.end(), 50), ui.values.end());
    EXPECT_EQ(ui.values.back(), 100);
    EXPECT_FALSE(ui.progressOpen);
    // The document is as before, still clean, and the read made no backup.
    EXPECT_EQ(radio.eepImage.bytes(), before);
    EXPECT_FALSE(radio.EditOn());
    EXPECT_FALSE(fs::exists(tmp.path() / "backups"));
    EXPECT_FALSE(line.IsOpen());

    // Without the setting a write is not read back.
    clone.VerifyAfterWrite(false);
    ui.notices.clear();
    ASSERT_TRUE(clone.Write());
    RunToEnd();
    EXPECT_EQ(ui.notices, std::vector<std::string>{CloneCommands::WriteSucceededText()});
}

TEST_F(CloneCommandsTest, AVerifyThatFindsAnotherMemoryFailsOrIsCancelledLeavesTheDocument) {
    struct Case {
        const char* name;
        std::function<void(CloneCommandsTest&)> afterWrite;
        bool cancel;
        std::string error, notice;
    };
    WriteVerifyResult oneByte;
    oneByte.differingBytes = 1;
    oneByte.places = {"Bank A 05: Frequency"};
    const std::vector<Case> cases = {
        // A memory cell that keeps another value than it was given.
        {"stored wrong",
         [](CloneCommandsTest& t) {
             t.receiver.image.WriteByte(0x0051, t.receiver.image.ReadByte(0x0051) ^ 0x01);
         },
         false, CloneCommands::VerifyFailedText(oneByte), ""},
        {"silent after the write", [](CloneCommandsTest& t) { t.receiver.answers = false; }, false,
         CloneCommands::VerifyReadFailedText(
             "No answer from receiver.\r\n\r\nCheck the following:\r\n\r\n- The COM port "
             "settings.\r\n- Cloning cable connections.\r\n- Receiver power is ON."),
         ""},
        {"cancelled", [](CloneCommandsTest& t) { t.receiver.holdData = true; }, true, "",
         CloneCommands::VerifyCancelledText()},
    };
    clone.VerifyAfterWrite(true);
    receiver.keepWrites = true;
    EditDocument();
    const ByteStr before = radio.eepImage.bytes();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        receiver.answers = true;
        receiver.holdData = false;
        receiver.held.clear();
        receiver.afterWrite = [this, &c] { c.afterWrite(*this); };
        ui.errors.clear();
        ui.notices.clear();
        ASSERT_TRUE(clone.Write());
        if (c.cancel) {
            for (int i = 0; i < 3000 && receiver.held.empty(); ++i) {
                clock.Advance(frmCom::kTickMs);
                com.timSolid_Timer();
            }
            ASSERT_TRUE(clone.Verifying());
            EXPECT_TRUE(clone.Cancel());
        }
        RunToEnd();
        EXPECT_EQ(ui.errors,
                  c.error.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.error});
        EXPECT_EQ(ui.notices, c.notice.empty() ? std::vector<std::string>{}
                                               : std::vector<std::string>{c.notice});
        EXPECT_EQ(finished.back(), std::make_pair(CloneCommand::Write, false));
        EXPECT_EQ(radio.eepImage.bytes(), before);
        EXPECT_TRUE(radio.EditOn());
        EXPECT_FALSE(line.IsOpen());
        EXPECT_FALSE(ui.progressOpen);
    }
}

TEST_F(CloneCommandsTest, AFailedVerifySaysHowManyBytesDifferAndWhere) {
    WriteVerifyResult r;
    r.differingBytes = 2;
    r.places = {"Bank A 05: Frequency", "Setting: Beep Audio"};
    EXPECT_EQ(CloneCommands::VerifyFailedText(r),
              "Verify after write failed.\r\n\r\n2 bytes of the receiver's memory differ from "
              "what was written, in:\r\nBank A 05: Frequency\r\nSetting: Beep Audio\r\n\r\n"
              "Write again, and check the cloning cable connections.");
    // A long list is cut after its first places.
    r.differingBytes = 400;
    r.places.clear();
    for (int i = 0; i < 25; ++i) r.places.push_back("Bank B " + std::to_string(10 + i));
    const std::string text = CloneCommands::VerifyFailedText(r);
    EXPECT_NE(text.find("\r\nBank B 29\r\nand 5 more.\r\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("Bank B 30"), std::string::npos) << text;
}

TEST_F(CloneCommandsTest, TheNoteOfAReadGivesItsTimeAndItsCopy) {
    struct Case {
        int hour, min, sec;
        const char* file;
        const char* folder;
        const char* text;
    };
    const Case cases[] = {
        {9, 5, 3, "/b/read-x.acf", "/b", "Clone read at 09:05:03; backup copy: /b/read-x.acf"},
        {23, 59, 60, "", "/b", "Clone read at 23:59:60; no backup copy could be written in /b"},
        {0, 0, 0, "", "", "Clone read at 00:00:00."},
        // A broken time never makes an impossible clock reading.
        {31, -4, 99, "", "", "Clone read at 23:00:60."},
    };
    for (const Case& c : cases) {
        std::tm t{};
        t.tm_hour = c.hour;
        t.tm_min = c.min;
        t.tm_sec = c.sec;
        EXPECT_EQ(CloneCommands::ReadDoneText(t, c.file, c.folder), c.text);
    }
}

TEST_F(CloneCommandsTest, AReadStartsAFreshUndoHistoryAndAWriteKeepsIt) {
    UndoHistory history(master);
    doc.History(&history);
    history.BeginEdit();
    master.ListCh(M::kListMemory, 9)->AppearCh(true);
    history.EndEdit();

    ASSERT_TRUE(clone.Write());
    RunToEnd();
    EXPECT_TRUE(history.CanUndo());

    receiver.answers = false;
    ASSERT_TRUE(clone.Read());
    RunToEnd();
    EXPECT_TRUE(history.CanUndo());  // the document is as it was

    receiver.answers = true;
    ASSERT_TRUE(clone.Read());
    RunToEnd();
    EXPECT_FALSE(history.CanUndo());
}
