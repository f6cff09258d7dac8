// SPDX-License-Identifier: GPL-3.0-or-later
// csq5-cli as a user runs it: every command's output and exit status, and
// the usage and failure paths. Every run uses a profile of its own.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "file_text.h"
#include "run_process.h"

namespace fs = std::filesystem;

namespace {

const std::string kSetA =
    "Check the following:\n\n- The COM port settings.\n- Cloning cable connections.\n"
    "- Receiver power is ON.\n";

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> out;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t nl = text.find('\n', at);
        out.push_back(text.substr(at, nl - at));
        if (nl == std::string::npos) break;
        at = nl + 1;
    }
    return out;
}

// Replaces the data record starting with `head` (address and count).
std::string WithRecord(std::string file, const std::string& head, const std::string& record) {
    const std::size_t at = file.find("\r\n" + head);
    if (at == std::string::npos) return file;
    const std::size_t end = file.find("\r\n", at + 2);
    return file.replace(at + 2, end - at - 2, record);
}

class CliTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = fs::path(::testing::TempDir()) /
              ("cli_" + std::to_string(::getpid()) + "_" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        profile = (dir / "CSQ5.rs").string();
        WriteFile(profile,
                  "[M_Property]\r\nM_Property_V=0\r\nM_Property_A=1\r\nM_Property_F=0\r\n");
    }
    void TearDown() override { fs::remove_all(dir); }

    ProcessResult Cli(std::vector<std::string> args) {
        args.insert(args.begin(), {"--profile", profile});
        return RunProcess(CSQ5_CLI_PATH, args);
    }
    std::string NewFile(const std::string& name, std::vector<std::string> options = {}) {
        const std::string path = (dir / name).string();
        options.insert(options.end(), {"new", "-o", path});
        const ProcessResult r = Cli(options);
        EXPECT_EQ(r.exitCode, 0) << r.err;
        return path;
    }

    fs::path dir;
    std::string profile;
};

}  // namespace

TEST_F(CliTest, HelpAndVersion) {
    ProcessResult r = RunProcess(CSQ5_CLI_PATH, {"--help"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out.rfind("Usage: csq5-cli", 0), 0u);
    EXPECT_TRUE(r.err.empty());
    r = RunProcess(CSQ5_CLI_PATH, {"--version"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out.rfind("csq5-cli ", 0), 0u);
}

TEST_F(CliTest, UsageErrorsExitWithTwoAndSayWhy) {
    const std::string file = NewFile("u.acf");
    struct Case {
        std::vector<std::string> args;
        std::string says;
    };
    const std::vector<Case> cases = {
        {{}, "no command"},
        {{"frobnicate"}, "unknown command frobnicate"},
        {{"new"}, "new needs -o FILE"},
        {{"initial", "-o"}, "-o needs a value"},
        {{"check"}, "check needs a data file"},
        {{"check", file, file}, "unexpected argument"},
        {{"show", file, "--list", "BankI"}, "no channel list BankI"},
        {{"show", file, "--list", "Mch"}, "no channel list Mch"},    // a group node
        {{"show", file, "--list", "FmTV"}, "no channel list FmTV"},  // no FM TV in this version
        {{"settings", file, "--list", "VFO"}, "settings takes no --list"},
        {{"info"}, "info needs --port PORT"},
        {{"info", "--port", "COM5"}, "neither COM1 to COM4 nor a device path"},
        {{"info", "--port", "COM12"}, "neither COM1 to COM4 nor a device path"},
        {{"read", "--port", "COM1"}, "read needs -o FILE"},
        {{"write", "--port", "COM1"}, "write needs a data file"},
        {{"check", file, "--port", "COM1"}, "check takes no --port"},
        {{"info", "--port", "COM1", "-o", file}, "info takes no -o"},
        {{"--ver", "13", "new", "-o", file}, "--ver: 13 is not a number from 0 to 12"},
        {{"--am", "2", "new", "-o", file}, "--am: 2 is not a number from 0 to 1"},
        {{"--tvow=x", "new", "-o", file}, "--tvow: x is not a number"},
        {{"--bogus", "new", "-o", file}, "unknown option --bogus"},
        {{"export-csv", file}, "export-csv needs -o FILE"},
        {{"import-csv", "-o", file}, "import-csv needs a data file"},
        {{"import-csv", file, "-o", file}, "import-csv needs a CSV file"},
        {{"import-csv", file, file, file, "-o", file}, "unexpected argument"},
        {{"find", file}, "find needs a frequency or name to find"},
        {{"find", file, "x", "-o", file}, "find takes no -o"},
        {{"sort", file, "-o", file}, "sort needs --bank A to H"},
        {{"sort", file, "--bank", "I", "-o", file}, "--bank: I is not a memory bank A to H"},
        {{"sort", file, "--bank", "A", "--by", "size", "-o", file},
         "--by: size is neither frequency nor name"},
        {{"sort", file, "--bank", "A"}, "sort needs -o FILE"},
        {{"show", file, "--bank", "A"}, "show takes no --bank"},
        {{"export-pdf", file, "--by", "name", "-o", file}, "export-pdf takes no --by"},
        {{"export-pdf", file}, "export-pdf needs -o FILE"},
        {{"diff", file}, "diff needs a second data file"},
        {{"diff", file, file, "--port", "COM1"}, "diff takes no --port"},
        {{"backups", file}, "backups: unexpected argument"},
        {{"read", "--port", "COM1", "-o", file, "--verify"}, "read takes no --verify"},
    };
    for (const auto& c : cases) {
        const ProcessResult r = Cli(c.args);
        EXPECT_EQ(r.exitCode, 2) << c.says;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty()) << c.says;
    }
}

TEST_F(CliTest, NewGivesTheVersionsCleanDocumentAndCheckAcceptsIt) {
    const std::string path = NewFile("new.acf");
    const std::string text = ReadFile(path);
    const auto lines = Lines(text);
    ASSERT_EQ(lines.size(), 506u);
    EXPECT_EQ(lines[0], "23040001\r");
    EXPECT_EQ(lines[1], "#                \r");
    EXPECT_EQ(lines[2].substr(0, 26), "0000100145000000000000082A");

    const ProcessResult r = Cli({"check", path});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out.empty());
    EXPECT_TRUE(r.err.empty());
}

TEST_F(CliTest, VersionComesFromTheProfileAndTheOverridesLeaveItAlone) {
    const std::string profileText = ReadFile(profile);
    const std::string v0 = ReadFile(NewFile("v0.acf"));
    const std::string v8 = ReadFile(NewFile("v8.acf", {"--ver", "8"}));
    const std::string v8am0 = ReadFile(NewFile("v8am0.acf", {"--ver", "8", "--am", "0"}));
    EXPECT_NE(v0, v8);
    EXPECT_EQ(ReadFile(profile), profileText);

    WriteFile(profile, "[M_Property]\r\nM_Property_V=8\r\nM_Property_A=0\r\nM_Property_F=0\r\n");
    EXPECT_EQ(ReadFile(NewFile("p8.acf")), v8am0);
    // No version in the profile: the image of version 5 stands in.
    WriteFile(profile, "");
    EXPECT_EQ(ReadFile(NewFile("none.acf", {"--am", "0"})),
              ReadFile(NewFile("v5.acf", {"--ver", "5", "--am", "0", "--fmtv", "1"})));
}

TEST_F(CliTest, InitialIsTheFactoryImageAsItStands) {
    const std::string path = (dir / "initial.acf").string();
    const ProcessResult r = Cli({"--am", "0", "initial", "-o", path});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto lines = Lines(ReadFile(path));
    ASSERT_EQ(lines.size(), 506u);
    EXPECT_EQ(lines[2], "0000100145000000000000082AFFFFFFFFFFFF\r");
    EXPECT_EQ(lines[505],
              "1F7010"
              "41726"
              "46F436C6F6E65466F726D617433\r");
    EXPECT_EQ(Cli({"check", path}).exitCode, 0);
}

TEST_F(CliTest, FileFailuresPrintTheProgramsMessage) {
    const std::string good = ReadFile(NewFile("good.acf"));
    struct Case {
        std::string name;
        std::string content;  // empty: no file at all
        std::string message;
    };
    const std::vector<Case> cases = {
        {"missing.acf", "", "Cannot open file."},
        {"empty.acf", "\x01", "Cannot open file."},
        {"illegal.acf", WithRecord(good, "0000", "0000100145ZZ"), "Illegal data."},
        {"short.acf", WithRecord(good, "0010", "001001FF"), "There is not enough data."},
        {"model.acf", "23050001" + good.substr(8), "Illegal data."},
    };
    for (const auto& c : cases) {
        const std::string path = (dir / c.name).string();
        if (c.content == "\x01") {
            WriteFile(path, "");
        } else if (!c.content.empty()) {
            WriteFile(path, c.content);
        }
        for (const std::string command : {"check", "show", "settings"}) {
            const ProcessResult r = Cli({command, path});
            EXPECT_EQ(r.exitCode, 1) << c.name << " " << command;
            EXPECT_EQ(r.err, c.message + "\n\n" + path + "\n") << c.name << " " << command;
            EXPECT_TRUE(r.out.empty()) << c.name;
        }
    }
    const std::string unwritable = (dir / "no-such-folder" / "x.acf").string();
    for (const std::string command : {"new", "initial"}) {
        const ProcessResult r = Cli({command, "-o", unwritable});
        EXPECT_EQ(r.exitCode, 1) << command;
        EXPECT_EQ(r.err, "Cannot save file.\n\n" + unwritable + "\n") << command;
    }
}

TEST_F(CliTest, ShowPrintsTheGridOfOneList) {
    // Channel 00 of bank A below the coverage (AM only, "---" cells),
    // channel 01 beyond it (a trailing "?").
    std::string text = ReadFile(NewFile("grid.acf"));
    text = WithRecord(text, "000010", "0000100001000000000000082A202020202020");
    text = WithRecord(text, "001010", "0010102990000000000000082A202020202020");
    const std::string path = (dir / "grid2.acf").string();
    WriteFile(path, text);

    ProcessResult r = Cli({"show", path});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 51u);
    EXPECT_EQ(lines[0],
              "CH\tFrequency\tDuplex\tOffset Freq.\tName\tTSQL\tCTCSS Freq.\tSkip\tMode\tTS\t");
    EXPECT_EQ(lines[1], "00\t   0.999000\t---\t---\t\t---\t---\t\tAM\t---\t---");
    EXPECT_EQ(lines[2], "01\t2990.000000?\tOFF\t   0.000000\t\tOFF\t88.5\t\tAuto\tAuto\t");
    EXPECT_EQ(lines[3], "02\t\t\t\t\t\t\t\t\t\t");

    r = Cli({"--ver", "8", "show", path, "--list", "VFO"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[0].substr(0, 14), "BAND\tFrequency");
    EXPECT_EQ(lines[1], "00\t---\t---\t---\t---\t---\t---\t---\t---");  // a band version 8 lacks

    for (const auto& [key, rows] : std::vector<std::pair<std::string, std::size_t>>{
             {"BankH", 50}, {"Pch", 50}, {"MnTV", 83}, {"AmTV", 10}}) {
        r = Cli({"show", path, "--list", key});
        EXPECT_EQ(r.exitCode, 0) << key;
        EXPECT_EQ(Lines(r.out).size(), rows + 1) << key;
    }
    r = Cli({"--fmtv", "1", "show", path, "--list", "FmTV"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(Lines(r.out).size(), 51u);
}

TEST_F(CliTest, SettingsListsEveryValueInTheDialogsOrder) {
    std::string text = ReadFile(NewFile("set.acf"));
    // Comment "Hello" with a control byte, and scan resume "Hold".
    text = WithRecord(text, "1F6010", "1F601048656C6C6F07202020202020202020202020");
    text = WithRecord(text, "1F2010", "1F2010020006000000000000000000000000000000");
    const std::string path = (dir / "set2.acf").string();
    WriteFile(path, text);
    const ProcessResult r = Cli({"settings", path});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 19u);
    const std::vector<std::string> labels = {
        "Scan Resume",    "Pause Scan",         "Beep Audio",
        "LCD Back Light", "Auto Power-OFF",     "Monitor",
        "Key Lock",       "Display Mode",       "Display Contrast",
        "Display Bright", "Display Back Color", "Dial Select",
        "Memory Scan",    "VFO Scan",           "RF Attenuator",
        "Power Save",     "Dial Speedup",       "Skip Scan",
        "Comment"};
    for (std::size_t i = 0; i < labels.size(); ++i)
        EXPECT_EQ(lines[i].substr(0, lines[i].find('\t')), labels[i]);
    EXPECT_EQ(lines[0], "Scan Resume\tHold");
    EXPECT_EQ(lines[17], "Skip Scan\t0");
    EXPECT_EQ(lines[18], "Comment\tHello           ");
}

TEST_F(CliTest, ClonePortFailuresNameThePortAndWriteNoFile) {
    const std::string file = NewFile("w.acf");
    const std::string out = (dir / "read.acf").string();
    const std::string absent = (dir / "no-tty").string();
    WriteFile(profile, ReadFile(profile) + "[OPTION]\r\nComDevice(3)=" + absent + "\r\n");
    struct Case {
        std::vector<std::string> args;
        std::string first;
    };
    const std::vector<Case> cases = {
        {{"info", "--port", absent}, "Cannot access " + absent + "."},
        {{"setup", "--port", "COM3"}, "Cannot access COM 3."},
        {{"read", "--port", absent, "-o", out}, "Cannot access " + absent + "."},
        {{"write", "--port", "com3", file}, "Cannot access COM 3."},
        // A bare device name is the device of that name in /dev.
        {{"info", "--port", "csq5-no-such-tty"}, "Cannot access /dev/csq5-no-such-tty."},
    };
    // On a computer without any serial port the message says so at its end.
    const std::string noPort =
        "- No serial port was found on this computer; csq5 --demo tries the program with a "
        "simulated receiver.\n";
    const std::string profileText = ReadFile(profile);
    for (const auto& c : cases) {
        const ProcessResult r = Cli(c.args);
        EXPECT_EQ(r.exitCode, 1) << c.first;
        const std::string expected = c.first + "\n\n" + kSetA;
        EXPECT_TRUE(r.err == expected || r.err == expected + noPort) << r.err;
        EXPECT_FALSE(fs::exists(out));
    }
    EXPECT_EQ(ReadFile(profile), profileText);  // a failed setup stores nothing

    // The data file of a write is loaded before any port is touched.
    const std::string missing = (dir / "missing.acf").string();
    const ProcessResult r = Cli({"write", "--port", absent, missing});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "Cannot open file.\n\n" + missing + "\n");
}

TEST_F(CliTest, WithoutAStoredVersionTheCloneCommandsSayToRunTheSetupFirst) {
    WriteFile(profile, "");
    const std::string absent = (dir / "no-tty").string();
    const std::string file = NewFile("w.acf", {"--ver", "0"});
    const std::string hint =
        "No receiver version is stored: run csq5-cli setup --port PORT first.\n";
    const auto endsWithHint = [&](const std::string& err) {
        return err.size() > hint.size() &&
               err.compare(err.size() - hint.size(), hint.size(), hint) == 0;
    };
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"info", "--port", absent},
          {"read", "--port", absent, "-o", (dir / "r.acf").string()},
          {"write", "--port", absent, file}}) {
        const ProcessResult r = Cli(args);
        EXPECT_EQ(r.exitCode, 1) << args[0];
        EXPECT_TRUE(endsWithHint(r.err)) << r.err;
    }
    // The setup itself, or a version given for the run, needs no such line.
    EXPECT_FALSE(endsWithHint(Cli({"setup", "--port", absent}).err));
    EXPECT_FALSE(endsWithHint(Cli({"--ver", "0", "info", "--port", absent}).err));
}

TEST_F(CliTest, WhatIsNotARegularFileIsNeverReplaced) {
    // A named pipe and (for root, who may make one) a device node as the
    // output or as the profile: refused or left alone, never replaced by a
    // plain file, and nothing waits on the pipe.
    std::vector<std::string> targets;
    const std::string pipe = (dir / "pipe").string();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    targets.push_back(pipe);
    const std::string node = (dir / "null").string();
    if (::geteuid() == 0 && ::mknod(node.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0)
        targets.push_back(node);
    for (const std::string& target : targets) {
        const auto type = fs::symlink_status(target).type();
        for (const std::string command : {"new", "initial"}) {
            const ProcessResult r = Cli({command, "-o", target});
            EXPECT_EQ(r.exitCode, 1) << command << " " << target;
            EXPECT_EQ(r.err, "Cannot save file.\n\n" + target + "\n");
            EXPECT_EQ(fs::symlink_status(target).type(), type) << target;
        }
        const ProcessResult r =
            RunProcess(CSQ5_CLI_PATH, {"--profile", target, "setup", "--port", "/dev/csq5-none"});
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_EQ(r.err.rfind("Cannot read the profile " + target + ".", 0), 0u) << r.err;
        EXPECT_EQ(fs::symlink_status(target).type(), type) << target;
    }
}

TEST_F(CliTest, AProfileThatCannotBeReadIsSaidOnceAndLeftAsItIs) {
    const std::string text = "[M_Property]\r\nM_Property_V=0\r\n" + std::string(1, '\0') +
                             "[RecentFiles]\r\nRecentFileName(0)=/home/u/a.acf\r\n";
    WriteFile(profile, text);
    const std::string notice = "Cannot read the profile " + profile +
                               ". The program runs on its default settings and leaves the file as "
                               "it is.\n";
    ProcessResult r = Cli({"new", "-o", (dir / "n.acf").string()});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err, notice);
    r = Cli({"setup", "--port", (dir / "no-tty").string()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err.rfind(notice, 0), 0u) << r.err;
    EXPECT_EQ(ReadFile(profile), text);
}

TEST_F(CliTest, MemoryChannelsTravelAsACsvTable) {
    const std::string acf = NewFile("mem.acf");
    const std::string csv = (dir / "mem.csv").string();
    ProcessResult r = Cli({"export-csv", acf, "-o", csv});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(r.out.empty());
    EXPECT_TRUE(r.err.empty());
    auto lines = Lines(ReadFile(csv));
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0],
              "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
              "DtcsPolarity,Mode,TStep,Skip,Comment\r");
    EXPECT_EQ(lines[1], "0,,145.000000,,0.000000,,88.5,88.5,023,NN,Auto,Auto,,\r");

    // A clean table goes in whole.
    const std::string in = (dir / "in.csv").string();
    const std::string out = (dir / "out.acf").string();
    WriteFile(in, "Location;Frequency;Name;Skip\n5;430,5;Home;S\n");
    r = Cli({"import-csv", acf, in, "-o", out});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(r.err.empty());
    r = Cli({"show", out});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(Lines(r.out)[6], "05\t 430.500000\tOFF\t   0.000000\tHome\tOFF\t88.5\tM\tFM\t5k\t");

    // Refused rows are named with their lines; the others are still written
    // and the exit status says not everything went in.
    WriteFile(in, "Location,Frequency,Mode\n7,145.5,FM\n400,145.5,FM\n8,146,USB\n");
    r = Cli({"import-csv", acf, in, "-o", out});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, in + ":3: location 400 is not a memory channel (0 to 399)\n" + in +
                         ":4: mode \"USB\" cannot be received (FM, AM, WFM, Auto)\n"
                         "csq5-cli: 2 of 3 rows refused; the other 1 were written to " +
                         out + "\n");
    r = Cli({"export-csv", out, "-o", csv});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string table = ReadFile(csv);
    EXPECT_NE(table.find("\r\n7,,145.500000,,0.000000,,88.5,88.5,023,NN,FM,5.00,,\r\n"),
              std::string::npos);
    EXPECT_EQ(table.find("\r\n8,"), std::string::npos);
    EXPECT_EQ(table.find("\r\n5,"), std::string::npos);  // out.acf was made from mem.acf again

    // Not a table of channels, or no file: nothing is written.
    const std::string none = (dir / "none.acf").string();
    WriteFile(in, "Name,Freq\nx,145\n");
    r = Cli({"import-csv", acf, in, "-o", none});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find(in + ":1: the header has no Location column\n"), std::string::npos);
    EXPECT_NE(r.err.find("was not written"), std::string::npos);
    const std::string missing = (dir / "missing.csv").string();
    r = Cli({"import-csv", acf, missing, "-o", none});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "Cannot open file.\n\n" + missing + "\n");
    EXPECT_FALSE(fs::exists(none));
    r = Cli({"export-csv", acf, "-o", (dir / "no" / "such.csv").string()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err.rfind("Cannot save file.", 0), 0u);
}

// The file with one byte of the image replaced (records of 16 bytes).
std::string WithByte(const std::string& file, int address, int value) {
    char head[8];
    std::snprintf(head, sizeof head, "%04X10", address & ~15);
    std::string text = file;
    const std::size_t at = text.find(std::string("\r\n") + head);
    if (at == std::string::npos) return text;
    char digits[3];
    std::snprintf(digits, sizeof digits, "%02X", value & 0xFF);
    text.replace(at + 2 + 6 + 2 * std::size_t(address & 15), 2, digits);
    return text;
}

// Channels in banks A, C and H of a new file: A10 "Local" and C20 "Club" on
// 145.5 MHz, H49 "Rpt" on 439.5 MHz.
class CliChannelToolsTest : public CliTest {
  protected:
    void SetUp() override {
        CliTest::SetUp();
        const std::string base = NewFile("base.acf");
        const std::string csv = (dir / "in.csv").string();
        WriteFile(csv, "Location,Name,Frequency\n10,Local,145.5\n120,Club,145.5\n399,Rpt,439.5\n");
        file = (dir / "three.acf").string();
        const ProcessResult r = Cli({"import-csv", base, csv, "-o", file});
        ASSERT_EQ(r.exitCode, 0) << r.err;
    }
    std::vector<std::string> Show(const std::string& path, const std::string& list) {
        const ProcessResult r = Cli({"show", path, "--list", list});
        EXPECT_EQ(r.exitCode, 0) << r.err;
        return Lines(r.out);
    }
    std::string file;
};

TEST_F(CliChannelToolsTest, FindPrintsEveryMatchWithItsList) {
    ProcessResult r = Cli({"find", file, "145.5"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 2U);
    EXPECT_EQ(lines[0].rfind("BankA\t10\t 145.500000\t", 0), 0U) << lines[0];
    EXPECT_EQ(lines[1].rfind("BankC\t20\t 145.500000\t", 0), 0U) << lines[1];

    r = Cli({"find", file, "RPT"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out.rfind("BankH\t49\t 439.500000\t", 0), 0U) << r.out;

    r = Cli({"find", file, "nowhere"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "Cannot find \"nowhere\".\n");
    EXPECT_TRUE(r.out.empty());
}

TEST_F(CliChannelToolsTest, SortPutsOneBankInOrderAndLeavesTheOthers) {
    // The factory image has 145.000 and 433.000 MHz in rows 00 and 01.
    const struct {
        const char* by;
        std::vector<std::string> rows;  // frequency and name of rows 00..03
    } cases[] = {
        {"frequency", {" 145.000000|", " 145.500000|Local", " 433.000000|", "|"}},
        {"name", {" 145.500000|Local", " 145.000000|", " 433.000000|", "|"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.by);
        const std::string out = (dir / (std::string(c.by) + ".acf")).string();
        const ProcessResult r = Cli({"sort", file, "--bank", "A", "--by", c.by, "-o", out});
        ASSERT_EQ(r.exitCode, 0) << r.err;
        EXPECT_TRUE(r.out.empty() && r.err.empty()) << r.out << r.err;
        const auto lines = Show(out, "BankA");
        for (std::size_t i = 0; i < c.rows.size(); ++i) {
            std::vector<std::string> cells;
            std::size_t at = 0;
            for (std::size_t tab; (tab = lines[i + 1].find('\t', at)) != std::string::npos;
                 at = tab + 1)
                cells.push_back(lines[i + 1].substr(at, tab - at));
            ASSERT_GE(cells.size(), 5U);
            EXPECT_EQ(cells[1] + "|" + cells[4], c.rows[i]) << i;
        }
        EXPECT_EQ(Show(out, "BankC"), Show(file, "BankC"));
        EXPECT_EQ(Show(out, "BankH"), Show(file, "BankH"));
    }
    // Without --by: by frequency.
    const std::string plain = (dir / "plain.acf").string();
    ASSERT_EQ(Cli({"sort", file, "--bank", "BankA", "-o", plain}).exitCode, 0);
    EXPECT_EQ(ReadFile(plain), ReadFile((dir / "frequency.acf").string()));
}

TEST_F(CliChannelToolsTest, ExportPdfWritesTheListsInUseWithoutADisplay) {
    const std::string pdf = (dir / "three.pdf").string();
    ProcessResult r = Cli({"export-pdf", file, "-o", pdf});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(r.out.empty());
    EXPECT_TRUE(r.err.empty()) << r.err;
    EXPECT_EQ(ReadFile(pdf).rfind("%PDF-", 0), 0U);

    r = Cli({"export-pdf", file, "-o", (dir / "no" / "such.pdf").string()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("Cannot save file.\n\n" + (dir / "no" / "such.pdf").string() + "\n"),
              std::string::npos)
        << r.err;

    if (!fs::exists("/usr/bin/pdftotext") || !fs::exists("/usr/bin/pdfinfo"))
        GTEST_SKIP() << "poppler-utils are not installed";
    r = RunProcess("/usr/bin/pdfinfo", {pdf});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    r = RunProcess("/usr/bin/pdftotext", {"-layout", pdf, "-"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    for (const char* text : {"three.acf", "Bank A", "Bank C", "Bank H", "145.500000", "Local",
                             "Club", "439.500000", "Rpt"})
        EXPECT_NE(r.out.find(text), std::string::npos) << text;
}

TEST_F(CliChannelToolsTest, DiffPrintsOneLinePerDifferenceAndExitsAsDiffDoes) {
    ProcessResult r = Cli({"diff", file, file});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(r.out.empty());
    EXPECT_TRUE(r.err.empty());

    // Channel A10 moved from 145.5 to 146.5 MHz, and the beep level 4.
    const std::string changed = (dir / "changed.acf").string();
    WriteFile(changed, WithByte(WithByte(ReadFile(file), 0x00A1, 0x46), 0x1F26, 5));
    std::string beep;
    for (const std::string& line : Lines(Cli({"settings", file}).out))
        if (line.rfind("Beep Audio\t", 0) == 0) beep = line.substr(11);
    r = Cli({"diff", file, changed});
    EXPECT_EQ(r.exitCode, 1) << r.err;
    EXPECT_EQ(r.out,
              "Bank A\t10\tFrequency\t145.500000\t146.500000\n"
              "Setting\t\tBeep Audio\t" +
                  beep + "\t4\n");
    EXPECT_TRUE(r.err.empty());

    // A file that cannot be read: the program's message, and 2.
    const std::string missing = (dir / "missing.acf").string();
    r = Cli({"diff", file, missing});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err, "Cannot open file.\n\n" + missing + "\n");
    EXPECT_TRUE(r.out.empty());
}
