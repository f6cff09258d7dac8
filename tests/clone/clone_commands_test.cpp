// SPDX-License-Identifier: GPL-3.0-or-later
#include "clone/clone_commands.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "clone_line.h"
#include "file/acf_file.h"
#include "file/read_backups.h"
#include "file_text.h"
#include "model/undo_history.h"
#include "receiver_on_line.h"
#include "recording_ui.h"
#include "temp_dir.h"
#include "version_document.h"

namespace {

using M = clsRigQ5_Master;
using Done = std::vector<std::pair<CloneCommand, bool>>;
using Strings = std::vector<std::string>;
constexpr CloneCommand kRead = CloneCommand::Read, kWrite = CloneCommand::Write;

// The Cloning commands with all they drive: the serial service on the fake
// cable, the simulated receiver behind it (a channel and a comment of its
// own in its memory), a recording user interface, a version 0 document with
// an undo history, and a folder for the copies of reads.
struct Rig : CloneLine {
    explicit Rig(const ReceiverSetup& setup = {}) : receiver(line, setup) {
        PrepareRxQ5Document(radio);
        com.mainTask([this] { clone.task(); });
        com.errorReport([this] { clone.MsgBoxCloneErr(); });
        clone.onFinished([this](CloneCommand c, bool ok) { finished.emplace_back(c, ok); });
        clone.Backups(&backups);
        doc.History(&history);
        rx().WriteBlock(0x0020, {0x01, 0x46, 0, 0, 0, 0, 0, 0, 0x08, 0x2A});
        rx().WriteBlock(0x1F60, StrToByteStr("FROM RECEIVER   "));
    }
    // The serial tick, as the program's timer runs it.
    void Tick(int ms = frmCom::kTickMs) {
        clock.Advance(ms);
        com.timSolid_Timer();
    }
    void RunToEnd() {
        for (int i = 0; i < 3000 && clone.Busy(); ++i) Tick();
        ASSERT_FALSE(clone.Busy());
    }
    // An edit as one undo step: Bank A 05 at 145.5 MHz.
    void Edit() {
        history.BeginEdit();
        master.ListCh(M::kListMemory, 5)->AppearCh(true);
        master.ListCh(M::kListMemory, 5)->FreqOp_Pure(14550000);
        history.EndEdit();
    }
    clsCmcEeprom& rx() { return receiver.rx.Image(); }
    ByteStr Image() const { return radio.eepImage.bytes(); }

    ReceiverOnLine receiver;
    VersionDocument d{0, 1, 0};
    clsCmcRadio& radio = d.radio;
    M& master = d.master;
    clsCmcAcf3Sequence seq{com, radio, master, clock};
    RecordingUi ui;
    DocumentCommands doc{master, ui};
    UndoHistory history{master};
    CloneCommands clone{seq, master, doc, ui};
    TempDir tmp;
    ReadBackups backups{tmp.file("backups")};
    Done finished;
};

}  // namespace

TEST(CloneCommands, ReadBringsTheReceiversImageAsAnEditedUntitledDocument) {
    Rig t;
    t.Edit();
    // Over edits a read asks first; declined, it starts nothing.
    t.ui.answerOk = false;
    EXPECT_FALSE(t.clone.Read());
    EXPECT_EQ(t.ui.questions, Strings{CloneCommands::ReadEditedQuestion()});
    EXPECT_EQ(t.line.openCount, 0);
    t.radio.EditOn(false);  // saved: read without asking
    ASSERT_TRUE(t.clone.Read());
    t.RunToEnd();
    EXPECT_EQ(t.Image(), t.rx().bytes());
    EXPECT_TRUE(t.radio.EditOn());
    EXPECT_EQ(t.doc.FileTitle(), "Untitled");
    EXPECT_EQ(t.master.CommonObj().Comment(), "FROM RECEIVER   ");
    EXPECT_EQ(t.master.ListCh(M::kListMemory, 2)->FreqOp_Pure(), 14600000);
    EXPECT_FALSE(t.history.CanUndo());  // the steps belonged to the memory replaced
    EXPECT_FALSE(t.ui.AnyMessage());
    EXPECT_FALSE(t.ui.progressOpen);
    EXPECT_FALSE(t.line.IsOpen());
    EXPECT_EQ(t.finished, (Done{{kRead, true}}));
}

TEST(CloneCommands, ReadStreamGivesTheSameImageHoweverItIsSplit) {
    // The whole read stream at once (as after a busy moment), one byte at a
    // time, or in pieces. Time stands still: only the data can end the read,
    // and the bar follows the data up to full.
    for (const int chunk : {0, 1, 7}) {
        Rig t;
        t.line.readChunk = chunk;
        ASSERT_TRUE(t.clone.Read());
        for (int i = 0; i < 100000 && t.clone.Busy(); ++i) t.com.timSolid_Timer();
        ASSERT_FALSE(t.clone.Busy()) << chunk;
        EXPECT_TRUE(t.ui.errors.empty()) << chunk;
        EXPECT_TRUE(std::is_sorted(t.ui.values.begin(), t.ui.values.end())) << chunk;
        EXPECT_EQ(t.ui.values.back(), 100) << chunk;  // even with no tick after the last frame
        EXPECT_EQ(t.Image(), t.rx().bytes()) << chunk;
    }
}

TEST(CloneCommands, AFailedOrCancelledCommandLeavesTheDocumentAsItWas) {
    const auto none = [](Rig&) {};
    const auto cancel = [](Rig& t) { EXPECT_TRUE(t.clone.Busy() && t.clone.Cancel()); };
    const auto denied = [](Rig& t) {
        t.line.failOpen = true;
        t.line.openFault = SerialOpenFault::PermissionDenied;
        t.line.openGroup = "uucp";
    };
    struct Case {
        CloneCommand command;
        ReceiverSetup setup;
        std::function<void(Rig&)> before, midway;
        std::string firstLine, end = "";  // of the message; none when cancelled
    };
    const std::vector<Case> cases = {
        {kRead, {.fault = SimFault::NoAnswer}, none, none, "No answer from receiver."},
        {kRead, {}, [](Rig& t) { t.line.echo = false; }, none, "Cannot access COM port."},
        {kRead, {.version = 3}, none, none, "Version number does not match."},
        {kRead, {}, [](Rig& t) { t.line.failOpen = true; }, none, "Cannot access COM 1."},
        {kRead, {}, [](Rig& t) { t.rx().WriteByte(0x1F7F, 0); }, none, "Illegal data."},
        // The receive buffer overflowed (even if all data came), or the
        // device went away.
        {kRead, {}, none, [](Rig& t) { t.com.OnOverflow(); }, "COM buffer Overflow."},
        {kRead,
         {},
         none,
         [](Rig& t) { t.com.OnDeviceLost(); },
         "Cannot access COM 1.\r\nThe receiver or the cable stopped answering"},
        {kWrite, {.fault = SimFault::WriteFailed}, none, none, "Cannot write cloning data."},
        // What the line tells of its failed open reaches the message.
        {CloneCommand::InitialSetup,
         {},
         denied,
         none,
         "Cannot access COM 2.",
         "\r\n- Permission to use /dev/ttyUSB1 (membership of the uucp group).\r\n\r\n"
         "COM 2 is /dev/ttyUSB1: permission denied."},
        // A read or an identification stops at once, without a message.
        {kRead, {}, none, cancel, ""},
        {CloneCommand::Information, {}, [](Rig& t) { t.receiver.answers = false; }, cancel, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.firstLine);
        Rig t(c.setup);
        t.Edit();
        const ByteStr before = t.Image();
        c.before(t);
        ASSERT_TRUE(c.command == kRead                       ? t.clone.Read()
                    : c.command == kWrite                    ? t.clone.Write()
                    : c.command == CloneCommand::Information ? t.clone.Information()
                                                             : t.clone.InitialSetup(2));
        t.Tick();  // identification answered, the data under way
        c.midway(t);
        for (int i = 0; i < 3000; ++i) t.Tick();
        ASSERT_EQ(t.ui.errors.size(), c.firstLine.empty() ? 0u : 1u);
        const std::string error = t.ui.errors.empty() ? "" : t.ui.errors[0];
        EXPECT_TRUE(error.starts_with(c.firstLine) && error.ends_with(c.end)) << error;
        EXPECT_FALSE(t.clone.Busy());
        EXPECT_EQ(t.clone.Cancelled(), c.firstLine.empty());
        EXPECT_TRUE(t.clone.LastCloneError());
        EXPECT_TRUE(t.ui.notices.empty() && t.ui.infos.empty() && t.ui.statuses.empty());
        EXPECT_TRUE(t.clone.LastBackupFile().empty());
        EXPECT_EQ(t.Image(), before);
        EXPECT_TRUE(t.radio.EditOn());
        EXPECT_EQ(t.master.ListCh(M::kListMemory, 5)->FreqOp_Pure(), 14550000);
        EXPECT_TRUE(t.history.CanUndo());
        EXPECT_FALSE(t.line.IsOpen());
        EXPECT_FALSE(t.ui.progressOpen);
        EXPECT_EQ(t.com.errPermissionDevice(), "");  // the next command starts clean
        EXPECT_EQ(t.finished, (Done{{c.command, false}}));
    }
}

TEST(CloneCommands, WriteSendsThePreparedImageAndLeavesTheDocumentAsItWas) {
    Rig t;
    t.Edit();
    const ByteStr before = t.Image();
    // What the receiver should get: the document prepared for the receiver.
    VersionDocument expect(0, 1, 0);
    expect.radio.eepImage.CopyFrom(t.radio.eepImage);
    expect.master.ReadFromEep(M::kProgramForm);
    expect.master.FullCareEepToCloneWrite();
    // Every write asks first; declined, it starts nothing.
    t.ui.answerOk = false;
    EXPECT_FALSE(t.clone.Write());
    EXPECT_EQ(t.line.openCount, 0);
    t.ui.answerOk = true;
    ASSERT_TRUE(t.clone.Write());
    EXPECT_EQ(t.ui.questions, Strings(2, CloneCommands::WriteQuestion()));
    // Once the data frames go out, a half written receiver would be worse
    // than a finished one.
    t.Tick();
    EXPECT_FALSE(t.clone.Cancel());
    t.RunToEnd();
    EXPECT_EQ(t.rx().bytes(), expect.radio.eepImage.bytes());
    EXPECT_EQ(t.receiver.rx.GoodWrites(), 1);
    EXPECT_EQ(t.ui.notices, Strings{CloneCommands::WriteSucceededText()});
    EXPECT_EQ(t.ui.values.back(), 100);
    EXPECT_EQ(t.Image(), before);
    EXPECT_TRUE(t.radio.EditOn());
    EXPECT_TRUE(t.history.CanUndo());
    EXPECT_FALSE(t.line.IsOpen());
    EXPECT_EQ(t.finished, (Done{{kWrite, true}}));
}

TEST(CloneCommands, AWriteNamesTheChannelsItWouldBlankAndGoesOnOnlyWhenAllowed) {
    // Bank A 03 at 2999.99 MHz and 04 at 0 MHz: version 0 covers neither
    // (as a table of another radio's channels leaves them).
    const Strings blanked = {"Bank A 03: 2999.990000", "Bank A 04: 0.000000"};
    for (const bool allow : {false, true}) {
        SCOPED_TRACE(allow);
        Rig t;
        for (const auto& [index, freq] : {std::pair{3, 299999000}, std::pair{4, 0}}) {
            t.master.ListCh(M::kListMemory, index)->AppearCh(true);
            t.master.ListCh(M::kListMemory, index)->FreqOp_Pure(freq);
        }
        t.master.WriteToEep();
        t.radio.EditOn(false);  // saved; the window's caption looks at it while writing
        t.ui.onProgress = [&t](int) { t.radio.CheckEditOn(); };
        const ByteStr before = t.Image(), rxBefore = t.rx().bytes();
        t.ui.answerBlanking = allow;
        EXPECT_EQ(t.clone.Write(), allow);
        t.RunToEnd();
        EXPECT_EQ(t.ui.questions, (Strings{CloneCommands::WriteQuestion(),
                                           CloneCommands::WriteBlanksQuestion(blanked)}));
        // No writes nothing: the port is not even opened.
        EXPECT_EQ(t.line.openCount > 0, allow);
        EXPECT_EQ(t.rx().bytes() == rxBefore, !allow);
        EXPECT_EQ(t.Image(), before);
        EXPECT_FALSE(t.radio.EditOn());
    }
    EXPECT_EQ(CloneCommands::WriteBlanksQuestion(blanked),
              "2 channels are outside the frequency coverage of the receiver and would be written "
              "blank:\r\nBank A 03: 2999.990000\r\nBank A 04: 0.000000\r\n\r\nWrite anyway?");
    EXPECT_TRUE(CloneCommands::BlankedByWriteText(Strings(23, "x")).ends_with("x\r\nand 3 more."));
}

TEST(CloneCommands, InformationShowsModelAndCommentWithUnprintableBytesAsBlanks) {
    Rig t;
    t.rx().WriteBlock(0x1F60, {'A', 'B', 0x01, 0x7F, 0xC4, 'C', 'D', 0, 0, 0, 0, 0, 0, 0, 0, 0});
    ASSERT_TRUE(t.clone.Information());
    EXPECT_FALSE(t.clone.Read() || t.clone.Write() || t.clone.InitialSetup());  // one at a time
    t.RunToEnd();
    EXPECT_EQ(t.ui.infos, Strings{"Information|Model : RX-Q5\r\n\r\nComment : AB   CD         "});
    EXPECT_FALSE(t.line.IsOpen());
}

TEST(CloneCommands, InitialSetupAdoptsTheReceiversVersionAndPortOnlyWhenItSucceeds) {
    for (const bool answers : {true, false}) {
        Rig t({.version = 7, .amOk = false, .fmTvOk = true});
        t.Edit();
        t.clone.ComPortNo(2);
        t.receiver.answers = answers;
        ASSERT_TRUE(t.clone.InitialSetup(4));
        t.RunToEnd();
        EXPECT_EQ(t.line.lastDevice, "/dev/ttyUSB3");
        const clsRigQ5_Matrix& m = t.master.MatrixObj();
        EXPECT_EQ((std::vector<int>{m.MtxVerNo(), m.MtxAmOk(), m.MtxFmTvOk()}),
                  (answers ? std::vector<int>{7, 0, 1} : std::vector<int>{0, 1, 0}));
        EXPECT_EQ(t.clone.ComPortNo(), answers ? 4 : 2);
        EXPECT_EQ(t.ui.resets, answers ? 1 : 0);
        EXPECT_EQ(t.ui.errors.size(), answers ? 0u : 1u);
        // Steps of another version's image cannot be gone back to.
        EXPECT_EQ(t.history.CanUndo(), !answers);
        EXPECT_EQ(t.finished, (Done{{CloneCommand::InitialSetup, answers}}));
    }
    // Without a port: the one the window has. Port 1 is one of the ports;
    // a number below it is held to it.
    Rig t;
    t.clone.ComPortNo(3);
    ASSERT_TRUE(t.clone.InitialSetup());
    t.RunToEnd();
    EXPECT_EQ(t.line.lastDevice, "/dev/ttyUSB2");
    ASSERT_TRUE(t.clone.InitialSetup(1));
    t.RunToEnd();
    EXPECT_EQ(t.clone.ComPortNo(), 1);
    t.clone.ComPortNo(3);
    t.clone.ComPortNo(0);
    EXPECT_EQ(t.clone.ComPortNo(), 1);
}

TEST(CloneCommands, EveryReadLeavesACopyAsFileSaveWouldWriteIt) {
    // With TV channels in use the receiver's form and the program's differ:
    // the copy holds the picture carriers a save writes, so that opened and
    // written back it leaves every TV channel where it was.
    Rig t;
    t.master.PresetTv(9);
    t.master.FullCareEepToCloneWrite();
    t.rx().CopyFrom(t.radio.eepImage);
    t.master.init_Reload();
    ASSERT_TRUE(t.clone.Read());
    t.RunToEnd();
    const std::string copy = t.clone.LastBackupFile();
    ASSERT_FALSE(copy.empty());
    // The document keeps the image as received until it is next stored.
    EXPECT_EQ(t.Image(), t.rx().bytes());
    ASSERT_EQ(t.doc.Save(t.tmp.file("saved.acf")), kAcfOk);
    EXPECT_EQ(ReadFile(copy), ReadFile(t.tmp.file("saved.acf")));
    // The read says that it happened and where its copy went.
    ASSERT_EQ(t.ui.statuses.size(), 1u);
    EXPECT_TRUE(t.ui.statuses[0].starts_with("Clone read at ")) << t.ui.statuses[0];
    EXPECT_TRUE(t.ui.statuses[0].ends_with("; backup copy: " + copy)) << t.ui.statuses[0];

    // A copy that cannot be written fails nothing, and the note says so.
    WriteFile(t.tmp.file("file"), "a file, not a folder");
    ReadBackups nowhere(t.tmp.file("file") + "/backups");
    t.clone.Backups(&nowhere);
    ASSERT_TRUE(t.clone.Read());
    t.RunToEnd();
    EXPECT_TRUE(t.clone.LastBackupFile().empty());
    EXPECT_EQ(t.finished.back(), std::make_pair(kRead, true));
    EXPECT_TRUE(
        t.ui.statuses.back().ends_with("; no backup copy could be written in " + nowhere.Folder()))
        << t.ui.statuses.back();
}

TEST(CloneCommands, AVerifiedWriteReadsTheMemoryBackUnderOneBarAndLeavesTheDocument) {
    struct Case {
        std::function<void(Rig&)> afterWrite;
        bool cancel, ok;
        std::string errorStart, notice;
    };
    const WriteVerifyResult oneByte{1, {"Bank A 05: Frequency"}};
    const std::vector<Case> cases = {
        {[](Rig&) {}, false, true, "", CloneCommands::WriteVerifiedText()},
        // A memory cell that keeps another value than it was given.
        {[](Rig& t) { t.rx().WriteByte(0x0051, t.rx().ReadByte(0x0051) ^ 1); }, false, false,
         CloneCommands::VerifyFailedText(oneByte), ""},
        // The last byte of the range is the format tag: the read back has
        // completed, so it is a difference, not a failed read.
        {[](Rig& t) { t.rx().WriteByte(0x1F7F, t.rx().ReadByte(0x1F7F) ^ 0x10); }, false, false,
         CloneCommands::VerifyFailedText({1, {"Address 1F7F"}}), ""},
        {[](Rig& t) { t.receiver.answers = false; }, false, false,
         CloneCommands::VerifyReadFailedText("No answer from receiver.\r\n"), ""},
        {[](Rig& t) { t.receiver.answers = false; }, true, false, "",
         CloneCommands::VerifyCancelledText()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.errorStart + c.notice);
        Rig t;
        t.clone.VerifyAfterWrite(true);
        t.Edit();
        t.radio.EditOn(false);  // saved, and it stays so
        const ByteStr before = t.Image();
        t.receiver.rx.onWritten = [&](const clsCmcEeprom&) { c.afterWrite(t); };
        ASSERT_TRUE(t.clone.Write());
        for (int i = 0; c.cancel && i < 3000 && !t.clone.Verifying(); ++i) t.Tick();
        EXPECT_TRUE(!c.cancel || (t.clone.Verifying() && t.clone.Cancel()));
        t.RunToEnd();
        ASSERT_EQ(t.ui.errors.size(), c.errorStart.empty() ? 0u : 1u);
        EXPECT_TRUE(c.errorStart.empty() || t.ui.errors[0].starts_with(c.errorStart));
        EXPECT_EQ(t.ui.notices, c.notice.empty() ? Strings{} : Strings{c.notice});
        EXPECT_EQ(t.finished, (Done{{kWrite, c.ok}}));
        // One bar: the write fills its first half, the read back the second;
        // only the read may be cancelled.
        EXPECT_EQ(t.ui.labels, (Strings{CloneCommands::WriteProgressLabel(),
                                        CloneCommands::VerifyProgressLabel()}));
        EXPECT_EQ(t.ui.cancelable, (std::vector<bool>{false, true}));
        EXPECT_NE(std::find(t.ui.values.begin(), t.ui.values.end(), 50), t.ui.values.end());
        EXPECT_TRUE(!c.ok || t.ui.values.back() == 100);
        EXPECT_TRUE(std::is_sorted(t.ui.values.begin(), t.ui.values.end()));
        EXPECT_FALSE(t.ui.progressOpen);
        EXPECT_EQ(t.Image(), before);
        EXPECT_FALSE(t.radio.EditOn());
        EXPECT_FALSE(std::filesystem::exists(t.backups.Folder()));  // no read of the user's
        EXPECT_FALSE(t.line.IsOpen());
    }
}

TEST(CloneCommands, AFailedVerifySaysHowManyBytesDifferAndWhereAndAReadItsTime) {
    WriteVerifyResult r{2, {"Bank A 05: Frequency", "Setting: Beep Audio"}};
    EXPECT_EQ(CloneCommands::VerifyFailedText(r),
              "Verify after write failed.\r\n\r\n2 bytes of the receiver's memory differ from "
              "what was written, in:\r\nBank A 05: Frequency\r\nSetting: Beep Audio\r\n\r\n"
              "Write again, and check the cloning cable connections.");
    for (int i = 12; i < 35; ++i) r.places.push_back("Bank B " + std::to_string(i));
    EXPECT_NE(CloneCommands::VerifyFailedText(r).find("\r\nBank B 29\r\nand 5 more.\r\n"),
              std::string::npos);
    // The note of a read never gives an impossible clock time.
    std::tm broken{};
    broken.tm_hour = 31, broken.tm_min = -4, broken.tm_sec = 99;
    EXPECT_EQ(CloneCommands::ReadDoneText(broken, "", ""), "Clone read at 23:00:60.");
}
