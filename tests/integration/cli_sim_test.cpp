// SPDX-License-Identifier: GPL-3.0-or-later
// csq5-cli against the receiver simulator on a pseudo-terminal: the initial
// setup, the information, clone read and clone write move the exact image,
// and each receiver or line fault ends in its own message with no output
// file left behind. Every run uses a profile of its own.

#include <gtest/gtest.h>
#include <pty.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "file/acf_file.h"
#include "file_text.h"
#include "model/master.h"
#include "run_process.h"
#include "sim_process.h"
#include "version_document.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

using M = clsRigQ5_Master;

const std::string kSetA =
    "- The COM port settings.\n- Cloning cable connections.\n- Receiver power is ON.";
const std::string kSetB = kSetA +
                          "\n- Appropriate cloning software for the receiver is being used.\n"
                          "- The revision number of the receiver.";
const std::string kSetC = kSetA + "\n- The revision number of the receiver.";
const std::string kSetD = "- Cloning cable connections.\n- Receiver power is ON.";

std::string Failure(const std::string& first, const std::string& hints) {
    return first + "\n\nCheck the following:\n\n" + hints + "\n";
}

std::string WithRecord(std::string file, const std::string& head, const std::string& record) {
    const std::size_t at = file.find("\r\n" + head);
    if (at == std::string::npos) return file;
    const std::size_t end = file.find("\r\n", at + 2);
    return file.replace(at + 2, end - at - 2, record);
}

// The document of a version 0 receiver (AM allowed, no FM TV).
struct Doc : VersionDocument {
    Doc() : VersionDocument(0, 1, 0) { PrepareRxQ5Document(radio); }
    // The image of a data file; empty when it does not load.
    ByteStr Load(const std::string& path) {
        return AcfFileLoad(radio, path) == kAcfOk ? radio.eepImage.bytes() : ByteStr();
    }
};

class CliSimTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = fs::path(::testing::TempDir()) /
              ("clisim_" + std::to_string(::getpid()) + "_" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        profile = (dir / "CSQ5.rs").string();
        // Backups of reads go to a data folder of this test, never the user's.
        dataHome = dir / "data";
        ::setenv("XDG_DATA_HOME", dataHome.c_str(), 1);
        WriteFile(profile,
                  "[M_Property]\r\nM_Property_V=0\r\nM_Property_A=1\r\nM_Property_F=0\r\n");
    }
    void TearDown() override {
        ::unsetenv("XDG_DATA_HOME");
        fs::remove_all(dir);
    }
    std::vector<fs::path> Backups() const {
        std::vector<fs::path> files;
        std::error_code ec;
        for (const auto& e : fs::directory_iterator(dataHome / "CS-Q5" / "backups", ec))
            files.push_back(e.path());
        return files;
    }

    ProcessResult Cli(std::vector<std::string> args, int stderrFd = -1) {
        args.insert(args.begin(), {"--profile", profile});
        return RunProcess(CSQ5_CLI_PATH, args, 60s, stderrFd);
    }
    std::string Path(const std::string& name) const { return (dir / name).string(); }
    fs::path dataHome;
    // A document of our own: a channel and a comment the factory image lacks.
    std::string MakeDocument() {
        const std::string plain = Path("plain.acf");
        EXPECT_EQ(Cli({"new", "-o", plain}).exitCode, 0);
        std::string text = ReadFile(plain);
        const std::size_t at = text.find("\r\n001010");
        std::string ch1 = text.substr(at + 2, 38);
        text = WithRecord(text, "002010", "002010" + ch1.substr(6));
        text = WithRecord(text, "1F6010", "1F6010496E746567726174696F6E2031323320");
        const std::string path = Path("doc.acf");
        WriteFile(path, text);
        return path;
    }

    fs::path dir;
    std::string profile;
};

}  // namespace

TEST_F(CliSimTest, SetupLearnsTheReceiversVersionAndStoresIt) {
    WriteFile(profile, "");
    SimProcess sim({"--ver", "7", "--am", "0", "--fmtv", "1", "--exp", "1", "--tvow", "2"});
    ASSERT_FALSE(sim.tty().empty());
    ProcessResult r = Cli({"setup", "--port", sim.tty()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(r.err.empty());
    // One line says what was learned, in the options a simulator of the
    // same receiver takes, and where it is kept.
    EXPECT_EQ(r.out,
              "Receiver version 7 (--ver 7 --am 0 --exp 1 --celler 0 --fmtv 1 --tvow 2) "
              "stored in " +
                  profile + "\n");
    const std::string stored = ReadFile(profile);
    for (const char* line : {"M_Property_V=7", "M_Property_A=0", "M_Property_E=1", "M_Property_C=0",
                             "M_Property_F=1", "M_Property_T=2"})
        EXPECT_NE(stored.find(line), std::string::npos) << line << " in\n" << stored;

    // The stored version now matches the receiver, through a COM slot too.
    WriteFile(profile, ReadFile(profile) + "[OPTION]\r\nComDevice(2)=" + sim.tty() + "\r\n");
    r = Cli({"info", "--port", "COM2"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
}

TEST_F(CliSimTest, WriteThenReadMoveTheExactImage) {
    const std::string doc = MakeDocument();
    const std::string docText = ReadFile(doc);
    const std::string saved = Path("sim-saved.acf");
    SimProcess sim({"--save", saved});
    ASSERT_FALSE(sim.tty().empty());

    ProcessResult r = Cli({"write", "--port", sim.tty(), doc});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out,
              "Clone writing succeeded.\n\nTurn the receiver power off and on to use\n"
              "the receiver under its new conditions.\n");
    EXPECT_TRUE(r.err.empty());
    EXPECT_EQ(ReadFile(doc), docText);  // a write only reads its file

    // The receiver got the document in the form it accepts.
    Doc expect;
    ASSERT_FALSE(expect.Load(doc).empty());
    expect.master.ReadFromEep(clsRigQ5_Master::kProgramForm);
    expect.master.FullCareEepToCloneWrite();
    Doc got;
    EXPECT_EQ(got.Load(saved), expect.radio.eepImage.bytes());

    r = Cli({"info", "--port", sim.tty()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "Model : RX-Q5\n\nComment : Integration 123 \n");

    // Read back, it is the document again, byte for byte.
    const std::string back = Path("back.acf");
    r = Cli({"read", "--port", sim.tty(), "-o", back});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(r.err.empty());
    Doc original, readBack;
    EXPECT_EQ(readBack.Load(back), original.Load(doc));
}

TEST_F(CliSimTest, ReceiverAndLineFaultsGiveTheirMessagesAndNoFile) {
    struct Case {
        std::vector<std::string> sim;
        std::string command;
        std::string message;
        std::chrono::seconds bound = 10s;  // the protocol's time-outs bound every wait
    };
    const std::string doc = MakeDocument();
    const std::string version =
        "Version number does not match.\n\nThe receiver cannot be programmed with the current "
        "setting.\nThe receiver's version does not match the initial setup.\n";
    const std::vector<Case> cases = {
        {{"--fault", "no-echo"}, "read", Failure("Cannot access COM port.", kSetA)},
        {{"--fault", "no-answer"}, "read", Failure("No answer from receiver.", kSetA)},
        {{"--fault", "wrong-model"}, "read", Failure("Cannot Clone.", kSetC)},
        {{"--fault", "illegal-sub"}, "read", Failure("Illegal Information.", kSetB)},
        {{"--fault", "other-version"}, "read", version},
        {{"--fault", "bad-checksum:5"}, "read", Failure("Illegal data.", kSetA)},
        {{"--fault", "drop-frame:5"}, "read", Failure("There is not enough data.", kSetA)},
        {{"--fault", "stall:5"}, "read", Failure("No answer from receiver.", kSetA)},
        // The line going away mid-read is an unplugged cable: the port
        // itself is gone ("@TTY@" stands for the simulator's device).
        {{"--fault", "hangup:5"}, "read", Failure("Cannot access @TTY@.", kSetA)},
        {{"--ver", "3"}, "info", version},
        {{"--fault", "no-answer"}, "setup", Failure("No answer from receiver.", kSetA)},
        {{"--fault", "illegal-sub"}, "write", Failure("Illegal Information.", kSetB)},
        {{"--fault", "write-failed"}, "write", Failure("Cannot write cloning data.", kSetD)},
        // The cable still echoes: every frame goes out, then the wait for
        // the receiver's result (20 s) runs out.
        {{"--fault", "stall:100"}, "write", Failure("No answer from receiver.", kSetA), 25s},
    };
    const std::string profileText = ReadFile(profile);
    for (const auto& c : cases) {
        const std::string what = c.command + " " + c.sim[0] + " " + c.sim[1];
        SimProcess sim(c.sim);
        ASSERT_FALSE(sim.tty().empty()) << what;
        const std::string out = Path("out.acf");
        std::vector<std::string> args = {c.command, "--port", sim.tty()};
        if (c.command == "read") args.insert(args.end(), {"-o", out});
        if (c.command == "write") args.push_back(doc);
        const auto started = std::chrono::steady_clock::now();
        const ProcessResult r = Cli(args);
        const auto took = std::chrono::steady_clock::now() - started;
        EXPECT_EQ(r.exitCode, 1) << what;
        std::string message = c.message;
        if (const auto at = message.find("@TTY@"); at != std::string::npos)
            message.replace(at, 5, sim.tty());
        EXPECT_EQ(r.err, message) << what;
        EXPECT_TRUE(r.out.empty()) << what;
        EXPECT_FALSE(fs::exists(out)) << what;
        EXPECT_LT(took, c.bound) << what;
        EXPECT_EQ(ReadFile(profile), profileText) << what;
    }
}

TEST_F(CliSimTest, ProgressShowsAsAPercentageOnlyOnATerminal) {
    // What a terminal shows of a read, its progress line cleared at the end.
    const auto shownOnATerminal = [this](const std::vector<std::string>& sim) {
        SimProcess receiver(sim);
        EXPECT_FALSE(receiver.tty().empty());
        int master = -1, slave = -1;
        EXPECT_EQ(openpty(&master, &slave, nullptr, nullptr, nullptr), 0);
        const ProcessResult r =
            Cli({"read", "--port", receiver.tty(), "-o", Path("progress.acf")}, slave);
        close(slave);
        std::string shown;
        char buf[4096];
        for (;;) {
            pollfd fd{master, POLLIN, 0};
            if (poll(&fd, 1, 1000) <= 0) break;
            const ssize_t n = read(master, buf, sizeof buf);
            if (n <= 0) break;
            shown.append(buf, static_cast<std::size_t>(n));
        }
        close(master);
        return std::make_pair(r.exitCode, shown);
    };
    const auto lineClearedBefore = [](const std::string& shown, const std::string& rest) {
        const std::size_t end = shown.size() - rest.size();
        const std::size_t cr = shown.rfind('\r', end - 2);
        const std::string tail = shown.substr(cr + 1, end - cr - 1);
        return tail.find_first_not_of(" \r") == std::string::npos;
    };

    // A read that succeeds goes from 0 to 100, however its bytes arrived.
    auto [code, shown] = shownOnATerminal({});
    EXPECT_EQ(code, 0);
    EXPECT_EQ(shown.rfind("\rCloning 0%", 0), 0u) << shown;
    EXPECT_NE(shown.find("\rCloning 100%"), std::string::npos) << shown;
    EXPECT_TRUE(lineClearedBefore(shown, "")) << shown;

    // A receiver that stops after data frame 100 (addresses up to 3199)
    // leaves the bar at 40 while the read waits for the rest; then the line
    // is cleared for the message.
    std::tie(code, shown) = shownOnATerminal({"--fault", "stall:100"});
    EXPECT_EQ(code, 1);
    const std::string message = "No answer from receiver.";
    ASSERT_NE(shown.find(message), std::string::npos) << shown;
    const std::string progress = shown.substr(0, shown.find(message));
    EXPECT_NE(progress.find("\rCloning 40%"), std::string::npos) << progress;
    EXPECT_EQ(progress.find("\rCloning 41%"), std::string::npos) << progress;
    EXPECT_TRUE(lineClearedBefore(progress + "x", "x")) << progress;

    // With stderr a pipe, nothing is drawn.
    SimProcess sim({});
    EXPECT_TRUE(Cli({"read", "--port", sim.tty(), "-o", Path("progress.acf")}).err.empty());
}

TEST_F(CliSimTest, EveryReadLeavesABackupInTheDataFolderThatBackupsLists) {
    const std::string doc = MakeDocument();
    SimProcess sim({"--image", doc});
    ASSERT_FALSE(sim.tty().empty());
    const std::string out = Path("read.acf");
    ProcessResult r = Cli({"read", "--port", sim.tty(), "-o", out});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(r.err.empty());
    const std::vector<fs::path> copies = Backups();
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(copies[0].filename().string().rfind("backup-", 0), 0u) << copies[0];
    // The backup is what the read saved.
    EXPECT_EQ(ReadFile(copies[0]), ReadFile(out));
    // Listed with the date and time of the read and the receiver's comment.
    r = Cli({"backups"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    const std::string stamp = copies[0].filename().string().substr(7, 17);
    EXPECT_EQ(r.out, copies[0].string() + "\t" + stamp.substr(0, 10) + " " + stamp.substr(11, 2) +
                         ":" + stamp.substr(13, 2) + ":" + stamp.substr(15, 2) +
                         "\tIntegration 123\n");

    // A failed read leaves no copy; a data folder that cannot be made
    // does not fail the read.
    SimProcess mute({"--fault", "no-answer"});
    EXPECT_EQ(Cli({"read", "--port", mute.tty(), "-o", Path("none.acf")}).exitCode, 1);
    EXPECT_EQ(Backups().size(), 1u);
    // A read whose file cannot be saved says where the image read is kept.
    const std::string folder = Path("a-folder");
    fs::create_directory(folder);
    r = Cli({"read", "--port", sim.tty(), "-o", folder});
    EXPECT_EQ(r.exitCode, 1);
    ASSERT_EQ(Backups().size(), 2u);
    fs::path second = Backups()[0] == copies[0] ? Backups()[1] : Backups()[0];
    EXPECT_EQ(r.err, "Cannot save file.\n\n" + folder + "\nThe image read is kept in " +
                         second.string() + ".\n");
    EXPECT_EQ(ReadFile(second), ReadFile(out));

    fs::remove_all(dataHome);
    WriteFile(dataHome.string(), "a file where the folder should be");
    r = Cli({"read", "--port", sim.tty(), "-o", out});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.err.find("Cannot save the backup of the read"), std::string::npos) << r.err;
}

TEST_F(CliSimTest, ABackupOpenedAndWrittenGivesTheReceiverExactlyTheMemoryItHad) {
    // A receiver with TV channels in use and a TV sound standard whose
    // offset is not the first one's holds memory R, put there by a write.
    Doc made;
    made.master.PresetTv(9);
    made.master.WriteToEep();
    const std::string doc = Path("tv.acf");
    ASSERT_EQ(AcfFileSave(made.radio, "With TV", doc), kAcfOk);
    const std::string r1 = Path("r.acf");
    SimProcess first({"--tvow", "2", "--save", r1});
    ASSERT_FALSE(first.tty().empty());
    ASSERT_EQ(Cli({"write", "--port", first.tty(), doc}).exitCode, 0);
    Doc memory;
    const ByteStr held = memory.Load(r1);
    ASSERT_FALSE(held.empty());
    ASSERT_NE(memory.radio.eepImage.ReadByte(M::EeAdr_Ch(M::kListTv, 1)), 0xFF);

    // Read: the backup. Then a receiver holding other data gets it.
    ProcessResult r = Cli({"read", "--port", first.tty(), "-o", Path("read.acf")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    ASSERT_EQ(Backups().size(), 1u);
    // It holds picture carriers, not the receiver's sound carriers.
    Doc backup;
    const std::int32_t tv = M::EeAdr_Ch(M::kListTv, 1);
    EXPECT_NE(backup.Load(Backups()[0].string()).at(std::size_t(tv) + 1),
              held.at(std::size_t(tv) + 1));
    const std::string second = Path("s.acf");
    SimProcess other({"--tvow", "2", "--save", second});
    ASSERT_FALSE(other.tty().empty());
    r = Cli({"write", "--port", other.tty(), Backups()[0].string()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    Doc got;
    EXPECT_EQ(got.Load(second), held);
}

TEST_F(CliSimTest, WriteVerifyFindsAByteTheReceiverStoredWrong) {
    const std::string doc = MakeDocument();
    const std::string success =
        "Clone writing succeeded.\n\nTurn the receiver power off and on to use\n"
        "the receiver under its new conditions.\n";
    SimProcess good({});
    ASSERT_FALSE(good.tty().empty());
    ProcessResult r = Cli({"write", "--port", good.tty(), "--verify", doc});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out,
              success + "\nThe receiver's memory was verified: it holds what was written.\n");
    EXPECT_TRUE(r.err.empty());
    // The verifying read is no read of the user's: no backup.
    EXPECT_TRUE(Backups().empty());

    // Bank A 02 (the record at 0020) keeps one bit of its frequency wrong;
    // the write alone does not see it.
    SimProcess weak({"--fault", "corrupt-store:0021"});
    ASSERT_FALSE(weak.tty().empty());
    r = Cli({"write", "--port", weak.tty(), doc});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    r = Cli({"write", "--port", weak.tty(), "--verify", doc});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.out.empty()) << r.out;
    EXPECT_EQ(r.err,
              "Verify after write failed.\n\n1 byte of the receiver's memory differs from what "
              "was written, in:\nBank A 02: Frequency\n\nWrite again, and check the cloning "
              "cable connections.\n");
}

TEST_F(CliSimTest, SetupNeverReplacesAProfileThatIsNoRegularFile) {
    // The setup learns the version and would store it: a named pipe, or
    // (for root) a device node, given as the profile stays what it is.
    SimProcess sim({});
    ASSERT_FALSE(sim.tty().empty());
    std::vector<std::string> targets;
    const std::string pipe = Path("pipe.rs");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    targets.push_back(pipe);
    const std::string node = Path("null.rs");
    if (::geteuid() == 0 && ::mknod(node.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0)
        targets.push_back(node);
    for (const std::string& target : targets) {
        const auto type = fs::symlink_status(target).type();
        const ProcessResult r =
            RunProcess(CSQ5_CLI_PATH, {"--profile", target, "setup", "--port", sim.tty()}, 60s);
        EXPECT_EQ(r.exitCode, 1) << target;
        EXPECT_NE(r.err.find("Cannot save the profile " + target + "."), std::string::npos)
            << r.err;
        EXPECT_EQ(fs::symlink_status(target).type(), type) << target;
    }
}
