// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/profile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <sstream>
#include <vector>

#include "file_text.h"
#include "temp_dir.h"

namespace {

namespace fs = std::filesystem;

// A store on CSQ5.rs in a fresh folder, section "S".
struct ProfileFixture : ::testing::Test {
    TempDir dir;
    clsCmcProfileIO p;
    void SetUp() override { Open(p, "S"); }
    void Open(clsCmcProfileIO& store, const char* section) {
        store.Path(dir.path().string() + "/");
        store.Name("CSQ5.rs");
        store.Section(section);
    }
    std::string file() const { return dir.file("CSQ5.rs"); }
};

}  // namespace

TEST_F(ProfileFixture, TypedValuesRoundTripAnUpdateWritesOnceAValueIsOneLineOfAtMost254Characters) {
    const ProfileDateTime when{2000, 2, 29, 4, 5, 6};
    p.BeginUpdate();
    EXPECT_TRUE(p.saveData("On", true) && p.saveData("Real", 0.1) && p.saveData("When", when) &&
                p.saveData("Text", std::string("C:\\a b  ")));
    EXPECT_FALSE(fs::exists(file()));
    WriteFile(file(), "[S]\nC=3\n");  // written by someone else meanwhile
    std::string s;
    EXPECT_TRUE(p.loadData("Text", s));  // pending values read back, trailing blanks dropped
    EXPECT_EQ(s, "C:\\a b");
    EXPECT_TRUE(p.EndUpdate());
    EXPECT_EQ(ReadFile(file()),
              "[S]\nC=3\nOn=1\nReal=0.1\nWhen=2000.02.29-04:05:06\nText=C:\\a b  \n");
    clsCmcProfileIO q;  // a second store reads what the first wrote
    Open(q, "s");       // names match regardless of case
    bool on = false;
    double real = 0;
    ProfileDateTime t;
    EXPECT_TRUE(q.loadData("ON", on) && q.loadData("Real", real) && q.loadData("When", t));
    EXPECT_TRUE(on && real == 0.1 && t == when);

    // A value is one line of at most 254 characters.
    std::string name;
    p.saveData("Long", std::string(300, 'x') + "y");
    EXPECT_TRUE(p.loadData("Long", name));
    EXPECT_EQ(name, std::string(254, 'x'));
    // A line break would start another key or section: such a value is not kept.
    EXPECT_FALSE(p.saveData("Name", std::string("a\n[OPTION]\nComPort=4")));
    EXPECT_FALSE(p.loadData("Name", name));
    p.Section("OPTION");
    int port = 1;
    EXPECT_TRUE(p.loadData("ComPort", port) && port == 1);
}

TEST_F(ProfileFixture, ValuesAsTheyStandInAHandWrittenFileAndMissingOnes) {
    WriteFile(file(),
              "[s]\r\nword=abc\r\nzero=0\r\n num = 12 \r\nfrac=2.5\r\nfrac3=3.5\r\nneg=-7.9\r\n"
              "bad=12abc\r\nhuge=99999999999\r\nempty=\r\nplus=+2.5\r\nsign=+\r\nzeros=0100.50\r\n"
              "min=-2147483648\r\nmax=2147483647.4\r\nbelow=-2147483649\r\n");
    bool word = false, zero = true;
    EXPECT_TRUE(p.loadData("word", word) && p.loadData("zero", zero) && word && !zero);
    // Whole numbers, fractions rounded half to even; anything else keeps the
    // previous value of 55, an empty one reads as no value (!); a missing one
    // gives the default.
    std::istringstream ints(
        "num=12 frac=2 frac3=4 neg=-8 plus=2 sign=55 zeros=100 min=-2147483648 max=2147483647 "
        "below=55 bad=55 huge=55 word=55 empty=!55 missing=77");
    for (std::string c; ints >> c;) {
        int v = 55;
        const std::string key = c.substr(0, c.find('=')), want = c.substr(c.find('=') + 1);
        EXPECT_EQ(p.loadData(key.c_str(), v, 77), want[0] != '!') << key;
        EXPECT_EQ(std::to_string(v), want.substr(want[0] == '!')) << key;
    }
    double real = 1;
    EXPECT_TRUE(p.loadData("sign", real) && real == 1 && !p.loadData("empty", real) &&
                p.loadData("plus", real) && real == 2.5);
}

// Every month's last day is taken and the day after it is not, February by
// the leap year rules; the separators are not looked at.
TEST_F(ProfileFixture, DatesAreTakenOnlyWhenTheyExist) {
    p.BeginUpdate();  // values are read back from memory
    const ProfileDateTime before{1999, 1, 1, 0, 0, 0};
    auto read = [&](const std::string& text) {
        ProfileDateTime t = before;
        EXPECT_TRUE(p.saveData("T", text) && p.loadData("T", t));
        return t;
    };
    const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    char text[40];
    for (const int year : {1900, 2000, 2001, 2004})
        for (int m = 1; m <= 12; ++m) {
            const int last = days[m - 1] + (m == 2 && year % 4 == 0 && year != 1900);
            std::snprintf(text, sizeof text, "%04d-%02d-%02d 23:59:59", year, m, last);
            EXPECT_EQ(read(text), (ProfileDateTime{year, m, last, 23, 59, 59})) << text;
            std::snprintf(text, sizeof text, "%04d.%02d.%02d-00:00:00", year, m, last + 1);
            EXPECT_EQ(read(text), before) << text;
        }
    for (const char* bad : {"2001.00.10-00:00:00", "2001.01.00-00:00:00", "2001.01.01-24:00:00",
                            "2001.01.01-00:60:00", "2001.01.01-00:00:60", "2001.1.01-00:00:00",
                            "2001.01.01-00:00:0/", "2001.01.01-00:00:000"})
        EXPECT_EQ(read(bad), before) << bad;
    EXPECT_FALSE(p.saveData("T", "a\nb"));  // not kept, also while values are collected
}

// SimpleIni, once used here, dropped lines without "=", merged duplicate keys,
// moved comments and wrote its own line ends.
TEST_F(ProfileFixture, RewriteKeepsEveryLineItDoesNotOwnInPlace) {
    // A hand-edited profile: an editor's byte order mark, CR LF line ends,
    // comments, a line that is no key, a duplicate key, blanks around "=",
    // a foreign section, no line end at the very end.
    WriteFile(file(),
              "\xEF\xBB\xBF[OPTION]\r\nComPort = 3\r\njust a note\r\nComPort=4\r\n"
              "ToolBar=1\r\n# trailing comment of OPTION\r\n\r\n[Other tool]\r\nAlpha=1\r\n"
              "[STATUS]\r\nTreeViewWidth=2000");
    int port = 0;
    p.Section("OPTION");
    EXPECT_TRUE(p.loadData("ComPort", port));
    EXPECT_EQ(port, 3);  // the first of two keys counts
    p.BeginUpdate();
    p.saveData("comport", 2);  // rewritten where it stands, first spelling kept
    p.saveData("Bar", 7);      // new key after the section's last key
    p.Section("STATUS");
    p.saveData("CellWidth(0)", 5);  // the last line gets its line end
    p.Section("RecentFiles");
    p.saveData("RecentFileName(0)", "/home/u/a.acf");  // new section at the end
    EXPECT_TRUE(p.EndUpdate());
    const std::string after = ReadFile(file());
    EXPECT_EQ(after,
              "\xEF\xBB\xBF[OPTION]\r\nComPort =2\r\njust a note\r\nComPort=4\r\n"
              "ToolBar=1\r\nBar=7\r\n# trailing comment of OPTION\r\n\r\n[Other tool]\r\n"
              "Alpha=1\r\n[STATUS]\r\nTreeViewWidth=2000\r\nCellWidth(0)=5\r\n\r\n"
              "[RecentFiles]\r\nRecentFileName(0)=/home/u/a.acf\r\n");
    // Writing the same values again changes nothing at all.
    p.Section("OPTION");
    p.saveData("ComPort", 2);
    EXPECT_EQ(ReadFile(file()), after);
}

// A last line that ended in a bare CR got "\r\n" added after that CR, so the
// line read as "ComPort=2\r" from then on; the CR was read into the value.
TEST_F(ProfileFixture, BareCarriageReturnsStayWhereTheyAreAndEndTheLastLine) {
    const char* cases[][3] = {
        {"[OPTION]\r\nComPort=2\r", "STATUS",
         "[OPTION]\r\nComPort=2\r\n\r\n[STATUS]\r\nCellWidth(0)=5\r\n"},
        {"[OPTION]\nComPort=2\r", "OPTION", "[OPTION]\nComPort=2\r\nCellWidth(0)=5\n"},
        {"[OPTION]\r\nComPort=2\r\r", "STATUS",
         "[OPTION]\r\nComPort=2\r\r\n\r\n[STATUS]\r\nCellWidth(0)=5\r\n"},
        {"[OPTION]\rComPort=2\r\n", "OPTION", "[OPTION]\rComPort=2\r\nCellWidth(0)=5\r\n"},
    };
    for (const auto& [before, section, after] : cases) {
        SCOPED_TRACE(before);
        WriteFile(file(), before);
        clsCmcProfileIO store;
        Open(store, section);
        EXPECT_TRUE(store.saveData("CellWidth(0)", 5));
        EXPECT_EQ(ReadFile(file()), after);
    }
    WriteFile(file(), cases[0][0]);
    int port = 0;
    p.Section("OPTION");
    EXPECT_TRUE(p.loadData("ComPort", port, -1));
    EXPECT_EQ(port, 2);
}

// SimpleIni stopped loading at a NUL byte and saved only what it had loaded.
TEST_F(ProfileFixture, ProfileThatCannotBeReadCompletelyOrIsNoRegularFileIsNeverWrittenOver) {
    const std::string good = "[M_Property]\r\nM_Property_V=3\r\n\tM_Property_X=1\f\r\n";
    const auto rw = fs::perms::owner_read | fs::perms::owner_write;
    std::vector<std::tuple<const char*, std::string, fs::perms>> cases = {
        {"a NUL byte", good + "a" + std::string(1, '\0') + "b\r\n", rw},
        {"a binary prefix", std::string{'\x7F', 'E', 'L', 'F', '\x02', '\x01'} + good, rw},
        {"a control character", good + "\x1B[0m\r\n", rw}};
    if (::geteuid() != 0)  // root reads anything
        cases.emplace_back("no read permission", good, fs::perms::owner_write);
    for (const auto& [what, content, perms] : cases) {
        WriteFile(file(), content);
        fs::permissions(file(), perms);
        clsCmcProfileIO q;
        Open(q, "M_Property");
        int version = 12;  // nothing of it is taken, nothing written
        q.loadData("M_Property_V", version);
        q.BeginUpdate();
        q.saveData("M_Property_A", 1);
        EXPECT_TRUE(q.Unreadable() && version == 12 && !q.EndUpdate() &&
                    !q.saveData("M_Property_V", 5))
            << what;
        fs::permissions(file(), rw);
        EXPECT_EQ(ReadFile(file()), content) << what;
    }
    // Fixed by hand while the program runs (tabs and form feeds are text),
    // it is read and written again.
    WriteFile(file(), good);
    p.Section("M_Property");
    EXPECT_TRUE(!p.Unreadable() && p.saveData("M_Property_A", 1));
    EXPECT_EQ(ReadFile(file()), good + "M_Property_A=1\r\n");

    // A folder or a named pipe in the profile's place is not read (a pipe
    // would block the program) and not replaced.
    fs::remove(file());
    fs::create_directory(file());
    EXPECT_TRUE(p.Unreadable() && !p.saveData("A", 1) && fs::is_directory(file()));
    fs::remove(file());
    ASSERT_EQ(::mkfifo(file().c_str(), 0600), 0);
    EXPECT_TRUE(p.Unreadable() && !p.saveData("A", 1) && fs::is_fifo(fs::symlink_status(file())));
    // A symbolic link to a file that does not exist yet: the file is made,
    // the link stays.
    fs::remove(file());
    fs::create_symlink("elsewhere.rs", file());
    EXPECT_TRUE(!p.Unreadable() && p.saveData("A", 2) &&
                fs::is_symlink(fs::symlink_status(file())));
    EXPECT_EQ(ReadFile(dir.file("elsewhere.rs")), "[M_Property]\nA=2\n");
    // A folder that cannot be made: nothing stored, nothing read back.
    p.Path(dir.file("elsewhere.rs") + "/");
    int a = 7;
    EXPECT_TRUE(!p.saveData("A", 1) && p.loadData("A", a) && a == 7);
}

TEST(ProfileLocation, PortableCopyElseTheConfigurationFolder) {
    TempDir dir;
    const std::string program = dir.path().string() + "/", beside = program + "CSQ5.rs";
    const std::string cfg = "/cfg/CS-Q5/CSQ5.rs", home = "/home/u/.config/CS-Q5/CSQ5.rs";
    EXPECT_EQ(std::vector({ChooseProfileFile(program, "/cfg", "/home/u"),
                           ChooseProfileFile(program, "relative", "/home/u"),
                           ChooseProfileFile(program, nullptr, "/home/u"),
                           ChooseProfileFile(program, nullptr, ""),
                           ChooseProfileFile(program, nullptr, nullptr)}),
              std::vector({cfg, home, home, beside, beside}));
    // A profile beside the program is taken while it may be written.
    WriteFile(beside, "");
    EXPECT_EQ(ChooseProfileFile(program, "/cfg", "/home/u"), beside);
    if (::geteuid() != 0) {  // root may write anything
        fs::permissions(beside, fs::perms::owner_read);
        EXPECT_EQ(ChooseProfileFile(program, "/cfg", "/home/u"), cfg);
    }
    clsCmcProfileIO p;
    p.SetCurrentPath();
    EXPECT_EQ(p.Path(), ProgramFolder());
    EXPECT_EQ(p.Path().back(), '/');
}
