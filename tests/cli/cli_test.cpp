// SPDX-License-Identifier: GPL-3.0-or-later
// csq5-cli as a user runs it: the arguments, the exit status and which
// stream carries what. What the commands compute (file checks, grid texts,
// CSV rows, find, sort, differences, messages) is tested in the core; here
// only that it reaches the user. Every run uses a profile of its own.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "file_text.h"
#include "run_process.h"
#include "temp_dir.h"

namespace fs = std::filesystem;

namespace {

const char* const kProfile =
    "[M_Property]\r\nM_Property_V=0\r\nM_Property_A=1\r\nM_Property_F=0\r\n";

class CliTest : public ::testing::Test {
  protected:
    CliTest() { WriteFile(profile, kProfile); }
    ProcessResult Cli(std::vector<std::string> args) {
        args.insert(args.begin(), {"--profile", profile});
        return RunProcess(CSQ5_CLI_PATH, args);
    }
    std::string Path(const std::string& name) const { return dir.file(name); }
    std::string NewFile(const std::string& name, std::vector<std::string> options = {}) {
        options.insert(options.end(), {"new", "-o", Path(name)});
        Expect(options, 0, "", "");
        return Path(name);
    }
    // Runs csq5-cli and expects its exit status and a text in each stream
    // (an empty text: nothing at all on that stream).
    ProcessResult Expect(const std::vector<std::string>& args, int exitCode, const std::string& out,
                         const std::string& err) {
        const ProcessResult r = Cli(args);
        std::string run;
        for (const std::string& a : args) run += a + " ";
        EXPECT_EQ(r.exitCode, exitCode) << run << "\n" << r.err;
        EXPECT_TRUE(out.empty() ? r.out.empty() : r.out.find(out) != std::string::npos)
            << run << "\n"
            << r.out;
        EXPECT_TRUE(err.empty() ? r.err.empty() : r.err.find(err) != std::string::npos)
            << run << "\n"
            << r.err;
        return r;
    }

    TempDir dir;
    std::string profile = dir.file("CSQ5.rs");
};

// With three channels in use, made by import-csv: A10 "Local" and C20
// "Club" on 145.5 MHz, H49 "Rpt" on 439.5 MHz.
class CliChannelsTest : public CliTest {
  protected:
    CliChannelsTest() {
        WriteFile(Path("in.csv"),
                  "Location,Name,Frequency\n10,Local,145.5\n120,Club,145.5\n399,Rpt,439.5\n");
        Expect({"import-csv", NewFile("base.acf"), Path("in.csv"), "-o", file}, 0, "", "");
    }
    std::string file = Path("three.acf");
};

}  // namespace

TEST_F(CliChannelsTest, EveryCommandAnswersOnItsStreamWithItsExitStatus) {
    const std::string missing = Path("missing.acf"), absent = Path("no-tty");
    const std::string cannotOpen = "Cannot open file.\n\n" + missing + "\n";
    const std::string setA =
        ".\n\nCheck the following:\n\n- The COM port settings.\n- Cloning cable connections.\n"
        "- Receiver power is ON.\n";
    WriteFile(profile, ReadFile(profile) + "[OPTION]\r\nComDevice(3)=" + absent + "\r\n");
    const std::string profileText = ReadFile(profile);
    WriteFile(Path("bad.acf"), "23050001\r\n");
    const struct {
        std::vector<std::string> args;
        int exitCode;
        std::string out, err;
    } cases[] = {
        {{"--help"}, 0, "Usage: csq5-cli", ""},
        {{"--version"}, 0, "csq5-cli ", ""},
        // Usage errors: 2 and the reason.
        {{}, 2, "", "csq5-cli: no command"},
        {{"frobnicate"}, 2, "", "unknown command frobnicate"},
        {{"new"}, 2, "", "new needs -o FILE"},
        {{"initial", "-o"}, 2, "", "-o needs a value"},
        {{"show", file, "--list", "Mch"}, 2, "", "no channel list Mch"},    // a group node
        {{"show", file, "--list", "FmTV"}, 2, "", "no channel list FmTV"},  // not in this version
        {{"info", "--port", "COM5"}, 2, "", "neither COM1 to COM4 nor a device path"},
        {{"check", file, "--port", "COM1"}, 2, "", "check takes no --port"},
        {{"--ver", "13", "new", "-o", file}, 2, "", "--ver: 13 is not a number from 0 to 12"},
        {{"--tvow=x", "new", "-o", file}, 2, "", "--tvow: x is not a number"},
        {{"--bogus", "new", "-o", file}, 2, "", "unknown option --bogus"},
        {{"sort", file, "--bank", "I", "-o", file}, 2, "", "--bank: I is not a memory bank A to H"},
        {{"sort", file, "--bank", "A", "--by", "size", "-o", file}, 2, "", "--by: size is neither"},
        {{"read", "--port", "COM1", "-o", file, "--verify"}, 2, "", "read takes no --verify"},
        {{"info", "--port", "COM1", "--show"}, 2, "", "info takes no --show"},
        {{"setup", "--show", "--port", "COM1"}, 2, "", "setup --show takes no --port"},
        {{"backups", file}, 2, "", "backups: unexpected argument"},
        {{"ports", file}, 2, "", "ports: unexpected argument"},
        {{"import-csv", file, file, "--list", "VFO", "-o", file},
         2,
         "",
         "VFO is not a memory bank"},
        {{"import-csv", file, file, "--from", "50", "-o", file},
         2,
         "",
         "not a number from 0 to 49"},
        // Results on stdout.
        {{"check", file}, 0, "", ""},
        {{"show", file},
         0,
         "CH\tFrequency\tDuplex\tOffset Freq.\tName\tTSQL\tCTCSS Freq.\tSkip\tMode\tTS\t\n"
         "00\t 145.000000\t",
         ""},
        {{"show", file, "--list", "BankH"}, 0, "\n49\t 439.500000\tOFF\t   0.000000\tRpt\t", ""},
        {{"--fmtv", "1", "show", file, "--list", "FmTV"}, 0, "\n49\t", ""},
        {{"settings", file}, 0, "\nSkip Scan\t1\nComment\t                \n", ""},
        {{"find", file, "RPT"}, 0, "BankH\t49\t 439.500000\t", ""},
        {{"find", file, "nowhere"}, 1, "", "Cannot find \"nowhere\".\n"},
        {{"diff", file, file}, 0, "", ""},
        // The serial devices and the slot of each; COM3's own device is none.
        {{"ports"}, 0, "COM3\t" + absent + "\tnot found among the serial ports\n", ""},
        // The stored version as the options the simulator takes.
        {{"setup", "--show"},
         0,
         "Receiver version 0 (--ver 0 --am 1 --exp 0 --celler 0 --fmtv 0 --tvow 0) stored in " +
             profile + "\n",
         ""},
        // Sorting one bank by frequency or by name, the others left alone.
        {{"sort", file, "--bank", "A", "-o", Path("s.acf")}, 0, "", ""},
        {{"show", Path("s.acf")}, 0, "\n00\t 145.000000\t", ""},
        {{"sort", file, "--bank", "BankA", "--by", "name", "-o", Path("s.acf")}, 0, "", ""},
        {{"show", Path("s.acf")}, 0, "\n00\t 145.500000\t", ""},
        {{"show", Path("s.acf"), "--list", "BankC"}, 0, "\n20\t 145.500000\t", ""},
        // A file that cannot be used: the program's message and 1 (diff: 2).
        {{"check", Path("bad.acf")}, 1, "", "Illegal data.\n\n" + Path("bad.acf") + "\n"},
        {{"diff", file, missing}, 2, "", cannotOpen},
        {{"new", "-o", Path("no/x.acf")}, 1, "", "Cannot save file.\n\n" + Path("no/x.acf") + "\n"},
        {{"export-csv", file, "-o", Path("no/x.csv")}, 1, "", "Cannot save file.\n\n"},
        {{"export-pdf", file, "-o", Path("no/x.pdf")}, 1, "", "Cannot save file.\n\n"},
        // A port that cannot be opened: named as the user named it, COM3 by
        // the profile's device, a bare name in /dev. No file is written.
        {{"info", "--port", absent}, 1, "", "Cannot access " + absent + setA},
        {{"setup", "--port", "COM3"}, 1, "", "Cannot access COM 3" + setA},
        {{"read", "--port", absent, "-o", Path("x.acf")}, 1, "", "Cannot access " + absent + setA},
        {{"write", "--port", "com3", file}, 1, "", "Cannot access COM 3" + setA},
        {{"info", "--port", "csq5-no-such-tty"}, 1, "", "Cannot access /dev/csq5-no-such-tty."},
        // The data file of a write is loaded before any port is touched.
        {{"write", "--port", absent, missing}, 1, "", cannotOpen},
    };
    for (const auto& c : cases) Expect(c.args, c.exitCode, c.out, c.err);
    // Every command that reads a data file stops when it cannot.
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"check", missing},
             {"show", missing},
             {"settings", missing},
             {"find", missing, "x"},
             {"export-csv", missing, "-o", Path("x.csv")},
             {"export-pdf", missing, "-o", Path("x.pdf")},
             {"import-csv", missing, Path("x.csv"), "-o", Path("x.acf")},
             {"sort", missing, "--bank", "A", "-o", Path("x.acf")}})
        Expect(args, 1, "", cannotOpen);
    for (const char* made : {"x.csv", "x.acf", "x.pdf", "no"}) EXPECT_FALSE(fs::exists(Path(made)));
    EXPECT_EQ(ReadFile(profile), profileText);  // a failed setup stores nothing
}

TEST_F(CliChannelsTest, SetAndFillTellEachChannelAdjustedOrRefused) {
    const std::string out = Path("out.acf");
    const struct {
        std::vector<std::string> args;
        int exitCode;
        std::string out, err;
    } cases[] = {
        {{"set", file, "-o", out}, 2, "", "set needs --rows FIRST-LAST"},
        {{"set", file, "--rows", "3-10", "-o", out}, 2, "", "set needs a value to set"},
        {{"set", file, "--rows", "10-3", "--mode", "FM", "-o", out}, 2, "", "--rows: 10-3 are not"},
        {{"set", file, "--rows", "0-50", "--mode", "FM", "-o", out}, 2, "", "not rows of BankA"},
        {{"set", file, "--rows", "0", "--step", "7", "-o", out},
         2,
         "",
         "--step: 7 is not a tuning"},
        {{"set", file, "--rows", "0", "--name", "A", "--prefix", "B", "-o", out}, 2, "", "exclude"},
        {{"sort", file, "--bank", "A", "--mode", "FM", "-o", out}, 2, "", "sort takes no --mode"},
        {{"set", file, "--rows", "0", "--count", "3", "-o", out}, 2, "", "set takes no --count"},
        {{"fill", file, "--start", "118", "-o", out}, 2, "", "fill needs --start MHZ --spacing"},
        {{"fill", file, "--list", "VFO", "--start", "118", "--spacing", "25", "--count", "2", "-o",
          out},
         2,
         "",
         "fill works on a memory bank"},
        {{"fill", file, "--start", "118", "--spacing", "25", "--count", "401", "-o", out},
         2,
         "",
         "--count: 401 is not"},
        // The channel dialog's rules: a name keeps six characters.
        {{"set", file, "--rows", "0-49", "--step", "12.5", "--prefix", "Wide", "-o", out},
         0,
         "Bank A 10: Name \"WideLo\" instead of \"WideLocal\".\n2 channels took the values as "
         "given, 1 was adjusted, 47 were left alone (47 blank).\n",
         ""},
        {{"show", out}, 0, "\n10\t 145.500000\tOFF\t   0.000000\tWideLo\tOFF\t", ""},
        {{"fill", file, "--list", "BankC", "--start", "118.000", "--spacing", "25", "--count", "40",
          "--name", "AIR %02d", "--mode", "AM", "-o", out},
         1,
         "",
         "that the fill would write are in use; --overwrite writes over them"},
        {{"fill", file, "--list", "BankC", "--start", "118.000", "--spacing", "25", "--count", "40",
          "--name", "AIR %02d", "--mode", "AM", "--overwrite", "-o", out},
         0,
         "40 channels were filled (0 adjusted), 0 refused.\n",
         ""},
        {{"show", out, "--list", "BankC"}, 0, "\n39\t 118.975000\tOFF\t   0.000000\tAIR 40\t", ""},
        // A refused frequency on stderr, exit 1, the others written.
        {{"fill", file, "--list", "BankB", "--from", "10", "--start", "2449", "--spacing", "10000",
          "--count", "2", "-o", out},
         1,
         "1 channel was filled (0 adjusted), 1 refused.\n",
         "Bank B 11: 2459.000000 MHz cannot be received by this receiver version"},
        {{"show", out, "--list", "BankB"}, 0, "\n10\t2449.000000\t", ""},
        {{"fill", file, "--list", "BankC", "--from", "45", "--start", "118", "--spacing", "25",
          "--count", "6", "-o", out},
         1,
         "",
         "The 6 channels do not fit from CH 45: Bank C ends at CH 49."},
    };
    for (const auto& c : cases) Expect(c.args, c.exitCode, c.out, c.err);
}

TEST_F(CliTest, NewAndInitialTakeTheVersionFromTheProfileUnlessOverridden) {
    const std::string v0 = ReadFile(NewFile("v0.acf"));
    Expect({"--am", "0", "initial", "-o", Path("initial.acf")}, 0, "", "");
    // The factory image as it stands; New has the channel names blank.
    EXPECT_NE(ReadFile(Path("initial.acf")).find("\r\n0000100145000000000000082AFFFFFFFFFFFF\r\n"),
              std::string::npos);
    const std::string v8 = ReadFile(NewFile("v8.acf", {"--ver", "8", "--am", "0"}));
    EXPECT_NE(v0, v8);
    EXPECT_EQ(ReadFile(profile), kProfile);  // an override is for this run only
    WriteFile(profile, "[M_Property]\r\nM_Property_V=8\r\nM_Property_A=0\r\nM_Property_F=0\r\n");
    EXPECT_EQ(ReadFile(NewFile("p8.acf")), v8);
    // No version in the profile: the image of version 5 stands in.
    WriteFile(profile, "");
    EXPECT_EQ(ReadFile(NewFile("none.acf", {"--am", "0"})),
              ReadFile(NewFile("v5.acf", {"--ver", "5", "--am", "0", "--fmtv", "1"})));
}

TEST_F(CliTest, WithoutAStoredVersionTheCloneCommandsSayToRunTheSetupFirst) {
    WriteFile(profile, "");
    const std::string absent = Path("no-tty"), file = NewFile("w.acf", {"--ver", "0"});
    const std::string hint =
        "No receiver version is stored: run csq5-cli setup --port PORT first.\n";
    const auto endsWithHint = [&](const std::string& err) {
        return err.size() > hint.size() && err.substr(err.size() - hint.size()) == hint;
    };
    for (const std::vector<std::string>& args : {std::vector<std::string>{"info", "--port", absent},
                                                 {"read", "--port", absent, "-o", Path("r.acf")},
                                                 {"write", "--port", absent, file}})
        EXPECT_TRUE(endsWithHint(Expect(args, 1, "", "Cannot access").err)) << args[0];
    Expect({"setup", "--show"}, 1, "", hint);
    // The setup itself, or a version given for the run, needs no such line.
    EXPECT_FALSE(endsWithHint(Cli({"setup", "--port", absent}).err));
    EXPECT_FALSE(endsWithHint(Cli({"--ver", "0", "info", "--port", absent}).err));
}

TEST_F(CliTest, WhatIsNotARegularFileIsNeverReplaced) {
    // A named pipe and (for root, who may make one) a device node as the
    // output or as the profile: refused or left alone, never replaced by a
    // plain file, and nothing waits on the pipe.
    std::vector<std::string> targets = {Path("pipe")};
    ASSERT_EQ(::mkfifo(targets[0].c_str(), 0600), 0);
    if (::geteuid() == 0 && ::mknod(Path("null").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0)
        targets.push_back(Path("null"));
    for (const std::string& target : targets) {
        const auto type = fs::symlink_status(target).type();
        for (const std::string command : {"new", "initial"})
            Expect({command, "-o", target}, 1, "", "Cannot save file.\n\n" + target + "\n");
        const ProcessResult r =
            RunProcess(CSQ5_CLI_PATH, {"--profile", target, "setup", "--port", "/dev/csq5-none"});
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_EQ(r.err.rfind("csq5-cli: Cannot read the profile " + target + ".", 0), 0u) << r.err;
        EXPECT_EQ(fs::symlink_status(target).type(), type) << target;
    }
}

TEST_F(CliTest, AProfileThatCannotBeReadIsSaidOnceAndLeftAsItIs) {
    const std::string text = "[M_Property]\r\nM_Property_V=0\r\n" + std::string(1, '\0') +
                             "[RecentFiles]\r\nRecentFileName(0)=/home/u/a.acf\r\n";
    WriteFile(profile, text);
    const std::string notice = "csq5-cli: Cannot read the profile " + profile +
                               ". The program runs on its default settings and leaves the file as "
                               "it is.\n";
    EXPECT_EQ(Expect({"new", "-o", Path("n.acf")}, 0, "", notice).err, notice);
    EXPECT_EQ(Expect({"setup", "--port", Path("no-tty")}, 1, "", notice).err.rfind(notice, 0), 0u);
    EXPECT_EQ(ReadFile(profile), text);
}

TEST_F(CliTest, MemoryChannelsTravelAsACsvTable) {
    // The rows themselves are the core's; here the file names, the exit
    // status and what is written when rows or the whole table are refused.
    const std::string acf = NewFile("mem.acf"), csv = Path("mem.csv"), in = Path("in.csv");
    const std::string out = Path("out.acf"), none = Path("none.acf");
    Expect({"export-csv", acf, "-o", csv}, 0, "", "");
    EXPECT_EQ(ReadFile(csv).rfind("Location,Name,Frequency,", 0), 0u);
    WriteFile(in, "Location,Frequency,Mode\n7,145.5,FM\n400,145.5,FM\n");
    const ProcessResult r = Expect({"import-csv", acf, in, "-o", out}, 1, "", "refused");
    EXPECT_EQ(r.err, "csq5-cli: " + in +
                         ":3: location 400 is not a memory channel (0 to 399)\n"
                         "csq5-cli: 1 of 2 rows refused; the other 1 were written to " +
                         out + "\n");
    Expect({"find", out, "145.5"}, 0, "BankA\t07\t 145.500000\t", "");
    WriteFile(in, "Name,Freq\nx,145\n");
    Expect({"import-csv", acf, in, "-o", none}, 1, "",
           "csq5-cli: " + in + ":1: the header has no Location column\ncsq5-cli: " + in +
               ":1: the header has no Frequency column\ncsq5-cli: " + in +
               " is not a table of memory channels; " + none + " was not written\n");
    EXPECT_FALSE(fs::exists(none));
}

TEST_F(CliTest, ScannerListGoesFromTheStartGivenAndNamesWhatItLeftOut) {
    const std::string acf = NewFile("mem.acf"), in = Path("scan.csv"), out = Path("out.acf");
    WriteFile(in,
              "Frequency Output,Alpha Tag,PL Tone,Mode\n460.025,PD RPT,023 DPL,FMN\n"
              "453.1,PW,NAC 293,P25\n");
    Expect({"import-csv", acf, in, "-o", out}, 1, "",
           "csq5-cli: " + in +
               " is a scanner frequency list without locations: give --list BANK or --from ROW "
               "for its first channel; " +
               out + " was not written\n");
    const ProcessResult r =
        Expect({"import-csv", acf, in, "--list", "BankD", "--from", "49", "-o", out}, 1, "", in);
    EXPECT_EQ(r.err, "csq5-cli: " + in +
                         ":2: note: tone squelch \"023 DPL\" is a DCS code, which the receiver "
                         "cannot decode: imported without tone squelch\n" +
                         "csq5-cli: " + in +
                         ":3: mode \"P25\" is digital voice, which the receiver cannot receive\n"
                         "csq5-cli: 1 of 2 rows refused; the other 1 were written to " +
                         out + "\n");
    Expect({"find", out, "PD RPT"}, 0, "BankD\t49\t 460.025000\t", "");
}

TEST_F(CliTest, AnErrorStartsWithTheProgramsNameAndSaysWhyAFileCannotBeOpened) {
    const std::string acf = NewFile("ok.acf"), empty = Path("empty.acf"), big = Path("big.csv");
    const std::string odd = Path("a\nb\x1b[31m.acf"), escaped = Path("a\\nb\\x1b[31m.acf");
    WriteFile(empty, "");
    WriteFile(big, "Location,Frequency\n" + std::string(5 << 20, '\n'));
    const auto open = [](const std::string& name, const std::string& why) {
        return "csq5-cli: Cannot open file.\n\n" + name + "\n" + why + "\n";
    };
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"check", Path("none.acf")}, open(Path("none.acf"), "No such file.")},
        {{"check", dir.path().string()}, open(dir.path().string(), "It is a folder.")},
        {{"check", empty}, open(empty, "It is empty.")},
        {{"import-csv", acf, big, "-o", acf}, open(big, "It is larger than the limit of 4 MiB.")},
        // A name can neither split the message nor drive the terminal.
        {{"check", odd}, open(escaped, "No such file.")},
        {{"backups", odd}, "csq5-cli: backups: unexpected argument " + escaped + "\nTry "},
    };
    for (const auto& [args, err] : cases) EXPECT_TRUE(Cli(args).err.starts_with(err)) << err;
    // After "--" a text that starts with "-" is what find looks for.
    Expect({"find", acf, "--", "-5"}, 1, "", "csq5-cli: Cannot find \"-5\".\n");
}

TEST_F(CliTest, AWriteThatWouldBlankChannelsWritesNothingUnlessAllowed) {
    // Made without a version (coverage up to 3000 MHz); version 0 ends at 2450 MHz.
    WriteFile(Path("far.csv"), "Location,Name,Frequency\n3,FAR,2999.99\n");
    const std::string far = Path("far.acf");
    Expect({"--ver", "12", "import-csv", NewFile("b.acf"), Path("far.csv"), "-o", far}, 0, "", "");
    Expect({"write", "--port", "/dev/null", far}, 1, "",
           "csq5-cli: 1 channel is outside the frequency coverage of the receiver and would be "
           "written blank:\nBank A 03: 2999.990000\nNothing was written; with --allow-blanking");
    // Allowed, the write goes on to the port: /dev/null is none.
    Expect({"write", "--port", "/dev/null", "--allow-blanking", far}, 1, "",
           "csq5-cli: Cannot access /dev/null.\n");
}

TEST_F(CliChannelsTest, ExportPdfWritesTheListsInUseWithoutADisplay) {
    // Qt's notes about the desktop around it stay off stderr.
    const std::string pdf = Path("three.pdf");
    Expect({"export-pdf", file, "-o", pdf}, 0, "", "");
    EXPECT_EQ(ReadFile(pdf).rfind("%PDF-", 0), 0U);
    if (!fs::exists("/usr/bin/pdftotext") || !fs::exists("/usr/bin/pdfinfo"))
        GTEST_SKIP() << "poppler-utils are not installed";
    EXPECT_EQ(RunProcess("/usr/bin/pdfinfo", {pdf}).exitCode, 0);
    const ProcessResult r = RunProcess("/usr/bin/pdftotext", {"-layout", pdf, "-"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    for (const char* text : {"three.acf", "Bank A", "Bank C", "Bank H", "145.500000", "Local",
                             "Club", "439.500000", "Rpt"})
        EXPECT_NE(r.out.find(text), std::string::npos) << text;
}

TEST_F(CliChannelsTest, DiffPrintsOneLinePerDifferenceAndExitsAsDiffDoes) {
    // Channel A10 moved from 145.5 to 146.5 MHz (byte 1 of the record at
    // 00A0), and the beep level (byte 6 of 1F20) to 4.
    std::string text = ReadFile(file);
    text.replace(text.find("\r\n00A010") + 10, 2, "46");
    text.replace(text.find("\r\n1F2010") + 20, 2, "05");
    WriteFile(Path("changed.acf"), text);
    const std::string settings = Cli({"settings", file}).out;
    const std::size_t at = settings.find("\nBeep Audio\t") + 12;
    const std::string was = settings.substr(at, settings.find('\n', at) - at);
    EXPECT_EQ(
        Expect({"diff", file, Path("changed.acf")}, 1, "Bank A", "").out,
        "Bank A\t10\tFrequency\t145.500000\t146.500000\nSetting\t\tBeep Audio\t" + was + "\t4\n");
}
