// SPDX-License-Identifier: GPL-3.0-or-later
// csq5-cli against the receiver simulator on a pseudo-terminal: the initial
// setup, the information, clone read and clone write move the exact image,
// and each receiver or line fault ends in its own message with no output
// file left behind. Every run uses a profile and a data folder of its own.

#include <gtest/gtest.h>
#include <pty.h>
#include <sys/stat.h>

#include "file/acf_file.h"
#include "file_text.h"
#include "sim_process.h"
#include "temp_dir.h"
#include "version_document.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

using M = clsRigQ5_Master;

// The document of a version 0 receiver (AM allowed, no FM TV).
struct Doc : VersionDocument {
    Doc() : VersionDocument(0, 1, 0) { PrepareRxQ5Document(radio); }
};

// The image of a data file; empty when it does not load.
ByteStr Load(const std::string& path) {
    Doc d;
    return AcfFileLoad(d.radio, path) == kAcfOk ? d.radio.eepImage.bytes() : ByteStr();
}

class CliSimTest : public ::testing::Test {
  protected:
    CliSimTest() {
        ::setenv("XDG_DATA_HOME", dataHome.c_str(), 1);  // backups of reads go there
        WriteFile(profile,
                  "[M_Property]\r\nM_Property_V=0\r\nM_Property_A=1\r\nM_Property_F=0\r\n");
    }

    ProcessResult Cli(std::vector<std::string> args, int stderrFd = -1) {
        args.insert(args.begin(), {"--profile", profile});
        return RunProcess(CSQ5_CLI_PATH, args, 60s, stderrFd);
    }
    std::vector<fs::path> Backups() const {
        std::vector<fs::path> files;
        std::error_code ec;
        for (const auto& e : fs::directory_iterator(dataHome / "CS-Q5" / "backups", ec))
            files.push_back(e.path());
        return files;
    }
    // A document of our own: Bank A 02 in use and a comment the factory
    // image lacks.
    std::string MakeDocument() {
        Doc made;
        made.master.ListCh(M::kListMemory, 2)->AppearCh(true);
        made.master.ListCh(M::kListMemory, 2)->FreqOp_Pure(14600000);
        made.master.CommonObj().Comment("Integration 123");
        made.master.WriteToEep();
        EXPECT_EQ(AcfFileSave(made.radio, "Integration 123", dir.file("doc.acf")), kAcfOk);
        return dir.file("doc.acf");
    }

    TempDir dir;
    std::string profile = dir.file("CSQ5.rs");
    fs::path dataHome = dir.path() / "data";
};

}  // namespace

TEST_F(CliSimTest, SetupLearnsTheReceiversVersionAndStoresItOnlyInARegularFile) {
    WriteFile(profile, "");
    // The simulator paced as a 1200 bit/s line, reached through its link.
    const std::string link = dir.file("rxq5");
    SimProcess sim({"--ver", "7", "--am", "0", "--fmtv", "1", "--exp", "1", "--tvow", "2", "--baud",
                    "1200", "--link", link});
    ASSERT_FALSE(sim.tty().empty());
    const auto started = std::chrono::steady_clock::now();
    ProcessResult r = Cli({"setup", "--port", link});
    // The request's echo and the answer, 39 bytes of 10 bits each.
    EXPECT_GE(std::chrono::steady_clock::now() - started, 39 * 10'000ms / 1200);
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(r.err.empty());
    // What was learned, in the options a simulator of the same receiver
    // takes, and where it is kept.
    EXPECT_EQ(r.out,
              "Receiver version 7 (--ver 7 --am 0 --exp 1 --celler 0 --fmtv 1 --tvow 2) "
              "stored in " +
                  profile + "\n");
    // The stored version now matches the receiver.
    r = Cli({"info", "--port", link});
    EXPECT_EQ(r.exitCode, 0) << r.err;

    // A named pipe given as the profile stays what it is.
    const std::string pipe = dir.file("pipe.rs");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    r = RunProcess(CSQ5_CLI_PATH, {"--profile", pipe, "setup", "--port", link}, 60s);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("Cannot save the profile " + pipe + "."), std::string::npos) << r.err;
    EXPECT_TRUE(fs::is_fifo(fs::symlink_status(pipe)));
    // A signal ends the simulator cleanly, and its link goes with it.
    EXPECT_EQ(sim.Stop().exitCode, 0);
    EXPECT_FALSE(fs::exists(fs::symlink_status(link)));
}

TEST_F(CliSimTest, WriteAndReadMoveTheExactImageAndAVerifyFindsAByteStoredWrong) {
    const std::string doc = MakeDocument();
    const std::string docText = ReadFile(doc);
    SimProcess sim({});
    ASSERT_FALSE(sim.tty().empty());
    ProcessResult r = Cli({"write", "--port", sim.tty(), "--verify", doc});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out,
              "Clone writing succeeded.\n\nTurn the receiver power off and on to use\nthe "
              "receiver under its new conditions.\n\nThe receiver's memory was verified: it "
              "holds what was written.\n");
    EXPECT_TRUE(r.err.empty());
    EXPECT_EQ(ReadFile(doc), docText);  // a write only reads its file
    EXPECT_TRUE(Backups().empty());     // the verifying read is no read of the user's

    // Read back, it is the document again, byte for byte. On a terminal the
    // read shows its progress from 0 to 100 %, however its bytes arrived,
    // and blanks the line at the end.
    int master = -1, slave = -1;
    ASSERT_EQ(openpty(&master, &slave, nullptr, nullptr, nullptr), 0);
    r = Cli({"read", "--port", sim.tty(), "-o", dir.file("back.acf")}, slave);
    close(slave);
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_EQ(Load(dir.file("back.acf")), Load(doc));
    std::string shown;
    char buf[4096];
    for (pollfd fd{master, POLLIN, 0}; poll(&fd, 1, 1000) > 0;) {
        const ssize_t n = read(master, buf, sizeof buf);
        if (n <= 0) break;
        shown.append(buf, static_cast<std::size_t>(n));
    }
    close(master);
    EXPECT_TRUE(shown.starts_with("\rCloning 0%")) << shown;
    EXPECT_NE(shown.find("\rCloning 100%"), std::string::npos) << shown;
    const std::size_t cr = shown.rfind('\r', shown.size() - 2);
    EXPECT_EQ(shown.find_first_not_of(" \r", cr), std::string::npos) << shown;

    // A receiver holding the document, whose Bank A 02 (the record at
    // 0020) keeps one bit of its frequency wrong: the write alone does not
    // see it, the write with its verify does.
    SimProcess weak({"--fault", "corrupt-store:0021", "--image", doc});
    ASSERT_FALSE(weak.tty().empty());
    EXPECT_EQ(Cli({"info", "--port", weak.tty()}).out,
              "Model : RX-Q5\n\nComment : Integration 123 \n");
    EXPECT_EQ(Cli({"write", "--port", weak.tty(), doc}).exitCode, 0);
    r = Cli({"write", "--port", weak.tty(), "--verify", doc});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.out.empty()) << r.out;
    // The core's message, with the place of the byte, reaches the user.
    EXPECT_TRUE(r.err.starts_with("csq5-cli: Verify after write failed.\n\n1 byte ")) << r.err;
    EXPECT_NE(r.err.find(", in:\nBank A 02: Frequency\n"), std::string::npos) << r.err;
}

TEST_F(CliSimTest, ReceiverAndLineFaultsGiveTheirMessagesAndNoFile) {
    struct Case {
        std::vector<std::string> sim;
        std::string command;
        std::string cause;  // the message's start
    };
    const std::string doc = MakeDocument();
    const std::vector<Case> cases = {
        {{"--fault", "no-echo"}, "read", "Cannot access COM port."},
        {{"--fault", "no-answer"}, "read", "No answer from receiver."},
        {{"--fault", "wrong-model"}, "read", "Cannot Clone."},
        {{"--fault", "illegal-sub"}, "read", "Illegal Information."},
        {{"--fault", "other-version"}, "read", "Version number does not match."},
        {{"--fault", "bad-checksum:5"}, "read", "Illegal data."},
        {{"--fault", "drop-frame:5"}, "read", "There is not enough data."},
        {{"--fault", "stall:5"}, "read", "No answer from receiver."},
        // The line going away mid-read is an unplugged cable: the port
        // itself is gone.
        {{"--fault", "hangup:5"}, "read", "Cannot access /dev/pts/"},
        {{"--ver", "3"}, "info", "Version number does not match."},
        {{"--fault", "no-answer"}, "setup", "No answer from receiver."},
        {{"--fault", "illegal-sub"}, "write", "Illegal Information."},
        {{"--fault", "write-failed"}, "write", "Cannot write cloning data."},
        // The cable still echoes: every frame goes out, then the wait for
        // the receiver's result (20 s) runs out.
        {{"--fault", "stall:100"}, "write", "No answer from receiver."},
    };
    const std::string profileText = ReadFile(profile);
    const std::string out = dir.file("out.acf");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command + " " + c.sim[0] + " " + c.sim[1]);
        SimProcess sim(c.sim);
        ASSERT_FALSE(sim.tty().empty());
        std::vector<std::string> args = {c.command, "--port", sim.tty()};
        if (c.command == "read") args.insert(args.end(), {"-o", out});
        if (c.command == "write") args.push_back(doc);
        const ProcessResult r = Cli(args);
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_TRUE(r.err.starts_with("csq5-cli: " + c.cause)) << r.err;
        EXPECT_TRUE(r.out.empty());
        EXPECT_FALSE(fs::exists(out));
        EXPECT_EQ(ReadFile(profile), profileText);
    }
}

TEST_F(CliSimTest, ABackupOfAReadIsListedAndGivesAnotherReceiverExactlyTheMemoryRead) {
    // A receiver with TV channels in use and a TV sound standard whose
    // offset is not the first one's holds memory R, put there by a write.
    Doc made;
    made.master.PresetTv(9);
    made.master.CommonObj().Comment("With TV");
    made.master.WriteToEep();
    ASSERT_EQ(AcfFileSave(made.radio, "With TV", dir.file("tv.acf")), kAcfOk);
    SimProcess first({"--tvow", "2", "--save", dir.file("r.acf")});
    ASSERT_FALSE(first.tty().empty());
    ASSERT_EQ(Cli({"write", "--port", first.tty(), dir.file("tv.acf")}).exitCode, 0);
    const ByteStr held = Load(dir.file("r.acf"));
    const std::size_t tv = M::EeAdr_Ch(M::kListTv, 1);
    ASSERT_NE(held.at(tv), 0xFF);

    // The read's backup is what the read saved, listed with the date and
    // time of the read and the receiver's comment.
    ProcessResult r = Cli({"read", "--port", first.tty(), "-o", dir.file("read.acf")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    ASSERT_EQ(Backups().size(), 1u);
    const fs::path copy = Backups()[0];
    // Its one line names both files.
    EXPECT_EQ(r.out, "Clone read saved as " + dir.file("read.acf") +
                         "; backup copy: " + copy.string() + "\n");
    EXPECT_EQ(ReadFile(copy), ReadFile(dir.file("read.acf")));
    const std::string name = copy.filename().string();  // backup-YYYY-MM-DD_HHMMSS.acf
    EXPECT_EQ(Cli({"backups"}).out, copy.string() + "\t" + name.substr(7, 10) + " " +
                                        name.substr(18, 2) + ":" + name.substr(20, 2) + ":" +
                                        name.substr(22, 2) + "\tWith TV\n");
    // It holds picture carriers, not the receiver's sound carriers: a
    // receiver holding other data gets exactly R from it.
    EXPECT_NE(Load(copy.string()).at(tv + 1), held.at(tv + 1));
    SimProcess other({"--tvow", "2", "--save", dir.file("s.acf")});
    ASSERT_EQ(Cli({"write", "--port", other.tty(), copy.string()}).exitCode, 0);
    EXPECT_EQ(Load(dir.file("s.acf")), held);

    // A read whose file cannot be saved says where the image read is kept;
    // a data folder that cannot be made fails no read.
    fs::create_directory(dir.file("a-folder"));
    r = Cli({"read", "--port", first.tty(), "-o", dir.file("a-folder")});
    EXPECT_EQ(r.exitCode, 1);
    ASSERT_EQ(Backups().size(), 2u);
    const fs::path second = Backups()[0] == copy ? Backups()[1] : Backups()[0];
    EXPECT_EQ(r.err, "csq5-cli: Cannot save file.\n\n" + dir.file("a-folder") +
                         "\nThe image read is kept in " + second.string() + ".\n");
    fs::remove_all(dataHome);
    WriteFile(dataHome, "a file where the folder should be");
    r = Cli({"read", "--port", first.tty(), "-o", dir.file("read.acf")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.err.find("Cannot save the backup of the read"), std::string::npos) << r.err;
}
