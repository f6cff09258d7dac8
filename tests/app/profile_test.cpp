// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/profile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
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
    void SetUp() override {
        p.Path(dir.path().string() + "/");
        p.Name("CSQ5.rs");
        p.Section("S");
    }
    std::string file() const { return dir.file("CSQ5.rs"); }
};

}  // namespace

TEST_F(ProfileFixture, FieldsAndFileNameHelpers) {
    clsCmcProfileIO fresh;
    EXPECT_EQ(fresh.Name(), "Profile.INI");
    EXPECT_EQ(fresh.Path(), "");
    EXPECT_EQ(p.GetMyProfile(), file());
    EXPECT_EQ(p.FullPath(), file());
    fresh.SetCurrentPath();
    EXPECT_EQ(fresh.Path(), ProgramFolder());
    EXPECT_EQ(fresh.Path().back(), '/');
    EXPECT_EQ(clsCmcProfileIO::StripTerminator(std::string("ab\0cd", 5)), "ab");
    EXPECT_EQ(clsCmcProfileIO::StripTerminator("abc"), "abc");
    EXPECT_EQ(clsCmcProfileIO::GetFileName("/home/u/a.acf"), "a.acf");
    EXPECT_EQ(clsCmcProfileIO::GetFileName("C:\\x\\b.acf"), "b.acf");
    EXPECT_EQ(clsCmcProfileIO::GetFileName("C:c.acf"), "c.acf");
    EXPECT_EQ(clsCmcProfileIO::GetFileName("d.acf"), "d.acf");
}

TEST_F(ProfileFixture, TypedValuesRoundTripInTheirTextForm) {
    const ProfileDateTime when{2001, 2, 3, 4, 5, 6};
    EXPECT_TRUE(p.saveData("Int", -1));
    EXPECT_TRUE(p.saveData("Big", 2147483647));
    EXPECT_TRUE(p.saveData("On", true));
    EXPECT_TRUE(p.saveData("Off", false));
    EXPECT_TRUE(p.saveData("Real", 0.1));
    EXPECT_TRUE(p.saveData("When", when));
    EXPECT_TRUE(p.saveData("Text", std::string("C:\\a b  ")));
    EXPECT_TRUE(p.saveData("Literal", "x"));
    EXPECT_TRUE(p.saveData("WindowPosition(State)", 2));

    const std::string text = ReadFile(file());
    for (const char* line :
         {"[S]\n", "Int=-1\n", "Big=2147483647\n", "On=1\n", "Off=0\n", "Real=0.1\n",
          "When=2001.02.03-04:05:06\n", "Literal=x\n", "WindowPosition(State)=2\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line;

    clsCmcProfileIO q;  // a second store reads what the first wrote
    q.Path(p.Path());
    q.Name(p.Name());
    q.Section("s");  // section names match regardless of case
    int i = 0, big = 0, state = 0;
    bool on = false, off = true;
    double real = 0;
    ProfileDateTime t;
    std::string s, lit;
    EXPECT_TRUE(q.loadData("INT", i));
    EXPECT_TRUE(q.loadData("big", big));
    EXPECT_TRUE(q.loadData("On", on));
    EXPECT_TRUE(q.loadData("Off", off));
    EXPECT_TRUE(q.loadData("Real", real));
    EXPECT_TRUE(q.loadData("When", t));
    EXPECT_TRUE(q.loadData("Text", s));
    EXPECT_TRUE(q.loadData("literal", lit));
    EXPECT_TRUE(q.loadData("windowposition(state)", state));
    EXPECT_EQ(i, -1);
    EXPECT_EQ(big, 2147483647);
    EXPECT_TRUE(on);
    EXPECT_FALSE(off);
    EXPECT_EQ(real, 0.1);
    EXPECT_EQ(t, when);
    EXPECT_EQ(s, "C:\\a b");  // trailing blanks dropped
    EXPECT_EQ(lit, "x");
    EXPECT_EQ(state, 2);
}

TEST_F(ProfileFixture, ValuesAsTheyStandInAHandWrittenFile) {
    WriteFile(file(),
              "[s]\r\nyes=1\r\nword=abc\r\nzero=0\r\nnum= 12 \r\nfrac=2.5\r\nfrac3=3.5\r\n"
              "neg=-7.6\r\nbad=12abc\r\nhuge=99999999999\r\nempty=\r\n"
              "date=2001-02-03 04:05:06\r\nbaddate=2001.13.03-04:05:06\r\nshortdate=2001.2.3\r\n");
    struct BoolCase {
        const char* key;
        bool expected;
    } bools[] = {{"yes", true}, {"word", true}, {"zero", false}};
    for (const auto& c : bools) {
        bool b = !c.expected;
        EXPECT_TRUE(p.loadData(c.key, b)) << c.key;
        EXPECT_EQ(b, c.expected) << c.key;
    }
    struct IntCase {
        const char* key;
        bool result;
        int expected;  // from a previous value of 55
    } ints[] = {{"num", true, 12},  {"frac", true, 2},    {"frac3", true, 4},
                {"neg", true, -8},  {"bad", true, 55},    {"huge", true, 55},
                {"word", true, 55}, {"empty", false, 55}, {"missing", true, 55}};
    for (const auto& c : ints) {
        int v = 55;
        EXPECT_EQ(p.loadData(c.key, v), c.result) << c.key;
        EXPECT_EQ(v, c.expected) << c.key;
    }
    const ProfileDateTime before{1999, 1, 1, 0, 0, 0};
    for (const char* key : {"baddate", "shortdate"}) {
        ProfileDateTime t = before;
        EXPECT_TRUE(p.loadData(key, t));
        EXPECT_EQ(t, before) << key;
    }
    ProfileDateTime t = before;
    EXPECT_TRUE(p.loadData("date", t));  // separators are not looked at
    EXPECT_EQ(t, (ProfileDateTime{2001, 2, 3, 4, 5, 6}));
    double d = 1.5;
    EXPECT_TRUE(p.loadData("bad", d));
    EXPECT_EQ(d, 1.5);
}

TEST_F(ProfileFixture, MissingKeysGiveTheDefault) {
    int port = 0;
    EXPECT_TRUE(p.loadData("ComPort", port, 1));  // no file at all
    EXPECT_EQ(port, 1);
    int width = 3100;
    EXPECT_TRUE(p.loadData("TreeViewWidth", width));  // own value as the default
    EXPECT_EQ(width, 3100);
    std::string name = "keep";
    EXPECT_FALSE(p.loadData("RecentFileName(0)", name, ""));  // empty default gives no text
    EXPECT_EQ(name, "keep");
    bool flag = false;
    EXPECT_TRUE(p.loadData("Flag", flag, true));
    EXPECT_TRUE(flag);
    ProfileDateTime t;
    EXPECT_TRUE(p.loadData("When", t, ProfileDateTime{2020, 1, 2, 3, 4, 5}));
    EXPECT_EQ(t, (ProfileDateTime{2020, 1, 2, 3, 4, 5}));
    p.saveData("Other", 5);
    p.Section("T");
    int other = 9;
    EXPECT_TRUE(p.loadData("Other", other));  // another section's key is not seen
    EXPECT_EQ(other, 9);
}

TEST_F(ProfileFixture, LongValuesAreCutAt254Characters) {
    p.saveData("Long", std::string(300, 'x') + "y");
    std::string s;
    EXPECT_TRUE(p.loadData("Long", s));
    EXPECT_EQ(s, std::string(254, 'x'));
}

TEST_F(ProfileFixture, WritingAKeyKeepsEveryOtherLine) {
    WriteFile(file(),
              "; kept comment\n[OPTION]\nComPort=3\nToolBar=0\n\n[Foreign]\nAlpha=1\n"
              "Beta=two words\n[STATUS]\nTreeViewWidth=2000\n");
    p.Section("option");
    EXPECT_TRUE(p.saveData("COMPORT", 2));
    p.Section("New");
    EXPECT_TRUE(p.saveData("Key", 1));
    const std::string text = ReadFile(file());
    for (const char* kept : {"; kept comment", "[OPTION]", "ToolBar=0", "[Foreign]", "Alpha=1",
                             "Beta=two words", "[STATUS]", "TreeViewWidth=2000", "[New]", "Key=1"})
        EXPECT_NE(text.find(kept), std::string::npos) << kept;
    EXPECT_NE(text.find("ComPort=2"), std::string::npos);  // the first spelling stays
    EXPECT_EQ(text.find("ComPort=3"), std::string::npos);
    EXPECT_EQ(text.find("COMPORT"), std::string::npos);
}

TEST_F(ProfileFixture, ValueWithALineBreakCannotAddLines) {
    EXPECT_FALSE(p.saveData("Name", std::string("a\n[OPTION]\nComPort=4")));
    p.Section("OPTION");
    int port = 1;
    p.loadData("ComPort", port);
    EXPECT_EQ(port, 1);
    p.Section("S");
    std::string name = "x";
    EXPECT_FALSE(p.loadData("Name", name));
    EXPECT_EQ(name, "x");
}

TEST_F(ProfileFixture, UpdateWritesTheFileOnceAtTheEnd) {
    p.BeginUpdate();
    EXPECT_TRUE(p.saveData("A", 1));
    EXPECT_TRUE(p.saveData("B", 2));
    EXPECT_FALSE(fs::exists(file()));
    WriteFile(file(), "[S]\nC=3\n");  // written by someone else meanwhile
    int b = 0;
    EXPECT_TRUE(p.loadData("B", b));  // pending values read back
    EXPECT_EQ(b, 2);
    EXPECT_TRUE(p.EndUpdate());
    EXPECT_EQ(ReadFile(file()), "[S]\nC=3\nA=1\nB=2\n");  // their line stays
}

TEST_F(ProfileFixture, UnwritableProfileReportsFalse) {
    p.Path(dir.file("folder-is-a-file") + "/");
    WriteFile(dir.file("folder-is-a-file"), "");
    EXPECT_FALSE(p.saveData("A", 1));
    int a = 7;
    EXPECT_TRUE(p.loadData("A", a));  // nothing was stored
    EXPECT_EQ(a, 7);
}

TEST_F(ProfileFixture, ChangesMadeByOthersAreSeen) {
    p.saveData("A", 1);
    WriteFile(file(), "[S]\nA=22\n");
    int a = 0;
    p.loadData("A", a);
    EXPECT_EQ(a, 22);
}

TEST_F(ProfileFixture, RewriteKeepsEveryLineItDoesNotOwnInPlace) {
    // A hand-edited profile: CR LF line ends, comments, a line that is no
    // key, a duplicate key, blanks around "=", a foreign section, no line
    // end at the very end.
    const std::string before =
        "; my settings\r\n"
        "[OPTION]\r\n"
        "ComPort = 3\r\n"
        "just a note\r\n"
        "ComPort=4\r\n"
        "ToolBar=1\r\n"
        "# trailing comment of OPTION\r\n"
        "\r\n"
        "[Other tool]\r\n"
        "Alpha=1\r\n"
        "[STATUS]\r\n"
        "TreeViewWidth=2000";
    WriteFile(file(), before);
    int port = 0;
    p.Section("OPTION");
    EXPECT_TRUE(p.loadData("ComPort", port));
    EXPECT_EQ(port, 3);  // the first of two keys counts
    p.BeginUpdate();
    p.saveData("comport", 2);  // rewritten where it stands
    p.saveData("Bar", 7);      // new key after the section's last key
    p.Section("STATUS");
    p.saveData("CellWidth(0)", 5);  // the last line gets its line end
    p.Section("RecentFiles");
    p.saveData("RecentFileName(0)", "/home/u/a.acf");  // new section at the end
    EXPECT_TRUE(p.EndUpdate());
    EXPECT_EQ(ReadFile(file()),
              "; my settings\r\n"
              "[OPTION]\r\n"
              "ComPort =2\r\n"
              "just a note\r\n"
              "ComPort=4\r\n"
              "ToolBar=1\r\n"
              "Bar=7\r\n"
              "# trailing comment of OPTION\r\n"
              "\r\n"
              "[Other tool]\r\n"
              "Alpha=1\r\n"
              "[STATUS]\r\n"
              "TreeViewWidth=2000\r\n"
              "CellWidth(0)=5\r\n"
              "\r\n"
              "[RecentFiles]\r\n"
              "RecentFileName(0)=/home/u/a.acf\r\n");
    // Writing the same values again changes nothing at all.
    const std::string after = ReadFile(file());
    p.Section("OPTION");
    p.saveData("ComPort", 2);
    EXPECT_EQ(ReadFile(file()), after);
}

TEST_F(ProfileFixture, ByteOrderMarkOfAnEditorBelongsToNoName) {
    WriteFile(file(), "\xEF\xBB\xBF[OPTION]\nComPort=4\n");
    p.Section("OPTION");
    int port = 1;
    EXPECT_TRUE(p.loadData("ComPort", port));
    EXPECT_EQ(port, 4);
    EXPECT_TRUE(p.saveData("ComPort", 2));
    EXPECT_EQ(ReadFile(file()), "\xEF\xBB\xBF[OPTION]\nComPort=2\n");
}

TEST_F(ProfileFixture, ProfileThatCannotBeReadCompletelyIsNeverWrittenOver) {
    struct Case {
        const char* what;
        std::string content;
        fs::perms perms = fs::perms::owner_read | fs::perms::owner_write;
    };
    const std::string good = "[M_Property]\r\nM_Property_V=3\r\n";
    std::vector<Case> cases = {
        {"a NUL byte",
         good + "[RecentFiles]\r\nRecentFileName(0)=a" + std::string(1, '\0') + "b\r\n"},
        {"a binary prefix", std::string{'\x7F', 'E', 'L', 'F', '\x02', '\x01', '\x01'} + good},
        {"a control character", good + "\x1B[0m\r\n"},
    };
    if (::geteuid() != 0)  // root reads anything
        cases.push_back({"no read permission", good, fs::perms::owner_write});
    for (const Case& c : cases) {
        WriteFile(file(), c.content);
        fs::permissions(file(), c.perms);
        clsCmcProfileIO q;
        q.Path(p.Path());
        q.Name(p.Name());
        EXPECT_TRUE(q.Unreadable()) << c.what;
        q.Section("M_Property");
        int version = 12;
        q.loadData("M_Property_V", version);
        EXPECT_EQ(version, 12) << c.what;  // nothing of it is taken
        EXPECT_FALSE(q.saveData("M_Property_V", 5)) << c.what;
        q.BeginUpdate();
        q.saveData("M_Property_A", 1);
        EXPECT_FALSE(q.EndUpdate()) << c.what;
        fs::permissions(file(), fs::perms::owner_read | fs::perms::owner_write);
        EXPECT_EQ(ReadFile(file()), c.content) << c.what;
    }
    // Fixed by hand while the program runs, it is read and written again.
    WriteFile(file(), good);
    EXPECT_FALSE(p.Unreadable());
    p.Section("M_Property");
    EXPECT_TRUE(p.saveData("M_Property_A", 1));
    EXPECT_EQ(ReadFile(file()), good + "M_Property_A=1\r\n");
}

TEST_F(ProfileFixture, OnlyAMissingFileOrARegularFileIsAProfile) {
    // A folder or a named pipe in the profile's place is not read (a pipe
    // would block the program) and not replaced.
    fs::create_directory(file());
    EXPECT_TRUE(p.Unreadable());
    EXPECT_FALSE(p.saveData("A", 1));
    EXPECT_TRUE(fs::is_directory(file()));
    fs::remove(file());
    ASSERT_EQ(::mkfifo(file().c_str(), 0600), 0);
    EXPECT_TRUE(p.Unreadable());
    EXPECT_FALSE(p.saveData("A", 1));
    EXPECT_TRUE(fs::is_fifo(fs::symlink_status(file())));
    fs::remove(file());
    // A missing file is no fault: it is made on the first save.
    EXPECT_FALSE(p.Unreadable());
    EXPECT_TRUE(p.saveData("A", 1));
    // A symbolic link to a file that does not exist yet: the file is made,
    // the link stays.
    const std::string target = dir.file("elsewhere.rs");
    fs::remove(file());
    fs::create_symlink("elsewhere.rs", file());
    EXPECT_FALSE(p.Unreadable());
    EXPECT_TRUE(p.saveData("A", 2));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(file())));
    EXPECT_EQ(ReadFile(target), "[S]\nA=2\n");
}

TEST(ProfileLocation, PortableCopyElseTheConfigurationFolder) {
    TempDir dir;
    const std::string program = dir.path().string() + "/bin/";
    fs::create_directories(program);
    EXPECT_EQ(ChooseProfileFile(program, "/cfg", "/home/u"), "/cfg/CS-Q5/CSQ5.rs");
    EXPECT_EQ(ChooseProfileFile(program, nullptr, "/home/u"), "/home/u/.config/CS-Q5/CSQ5.rs");
    EXPECT_EQ(ChooseProfileFile(program, "", "/home/u"), "/home/u/.config/CS-Q5/CSQ5.rs");
    EXPECT_EQ(ChooseProfileFile(program, "relative", "/home/u"), "/home/u/.config/CS-Q5/CSQ5.rs");
    EXPECT_EQ(ChooseProfileFile(program, nullptr, nullptr), program + "CSQ5.rs");
    WriteFile(program + "CSQ5.rs", "");
    EXPECT_EQ(ChooseProfileFile(program, "/cfg", "/home/u"), program + "CSQ5.rs");
    if (::geteuid() != 0) {  // root may write anything
        fs::permissions(program + "CSQ5.rs", fs::perms::owner_read);
        EXPECT_EQ(ChooseProfileFile(program, "/cfg", "/home/u"), "/cfg/CS-Q5/CSQ5.rs");
    }
}

TEST(ProfileLocation, FirstSaveCreatesTheConfigurationFolder) {
    TempDir dir;
    clsCmcProfileIO p;
    const fs::path file(ChooseProfileFile(dir.path().string() + "/",
                                          (dir.path() / "config").c_str(), "/nonexistent"));
    p.Path(file.parent_path().string() + "/");
    p.Name(file.filename().string());
    p.Section("OPTION");
    EXPECT_TRUE(p.saveData("ComPort", 3));
    EXPECT_EQ(ReadFile((dir.path() / "config/CS-Q5/CSQ5.rs").string()), "[OPTION]\nComPort=3\n");
}
