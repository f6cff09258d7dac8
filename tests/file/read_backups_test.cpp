// SPDX-License-Identifier: GPL-3.0-or-later
#include "file/read_backups.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "file/acf_file.h"
#include "temp_dir.h"

namespace fs = std::filesystem;

namespace {

std::tm LocalTm(int year, int month, int day, int hour, int minute, int second) {
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    t.tm_isdst = -1;
    return t;
}

std::time_t LocalTime(int year, int month, int day, int hour, int minute, int second) {
    std::tm t = LocalTm(year, month, day, hour, minute, second);
    return std::mktime(&t);
}

void Touch(const fs::path& p) {
    std::ofstream(p) << "x";
}

std::set<std::string> Names(const fs::path& dir) {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(dir)) names.insert(e.path().filename().string());
    return names;
}

struct Doc {
    clsCmcRadio radio;
    Doc() {
        PrepareRxQ5Document(radio);
        for (std::int32_t a = 0; a < radio.eepImage.eeSize(); ++a)
            radio.eepImage.WriteByte(a, static_cast<std::uint8_t>(a * 7));
    }
};

}  // namespace

TEST(ReadBackups, NamesCarryTheLocalDateAndTimeAndOnlyOurNamesHaveAStamp) {
    EXPECT_EQ(ReadBackups::FileNameFor(LocalTm(2026, 12, 6, 15, 30, 12)),
              "backup-2026-12-06_153012.acf");
    EXPECT_EQ(ReadBackups::FileNameFor(LocalTm(2027, 1, 2, 3, 4, 5), 2),
              "backup-2027-01-02_030405-2.acf");

    // The copies of earlier versions ("read-", the receiver's own form) are
    // told apart from the copies that can be restored.
    const struct {
        const char* name;
        const char* stamp;
        int count;
        const char* oldStamp;
    } cases[] = {
        {"backup-2026-12-06_153012.acf", "2026-12-06_153012", 1, ""},
        {"backup-2026-12-06_153012-12.acf", "2026-12-06_153012", 12, ""},
        {"read-2026-12-06_153012.acf", "", 0, "2026-12-06_153012"},
        {"read-2026-12-06_153012-3.acf", "", 0, "2026-12-06_153012"},
        {"backup-2026-12-06_153012.ACF", "", 0, ""},
        {"backup-2026-12-06_153012-.acf", "", 0, ""},
        {"backup-2026-12-06_153012-x.acf", "", 0, ""},
        {"backup-2026-12-06_153012 copy.acf", "", 0, ""},
        {"backup-2026-12-6_153012.acf", "", 0, ""},
        {"backup-2026/12/06_153012.acf", "", 0, ""},
        {"mine-2026-12-06_153012.acf", "", 0, ""},
        {"backup-2026-12-06_153012.acf.bak", "", 0, ""},
        {"backup-.acf", "", 0, ""},
        {"", "", 0, ""},
    };
    for (const auto& c : cases) {
        int count = 0;
        EXPECT_EQ(ReadBackups::StampOf(c.name, &count), c.stamp) << c.name;
        EXPECT_EQ(count, c.count) << c.name;
        EXPECT_EQ(ReadBackups::OldStampOf(c.name), c.oldStamp) << c.name;
    }
    EXPECT_EQ(BackupDateText("2026-12-06_153012"), "2026-12-06");
    EXPECT_EQ(BackupTimeText("2026-12-06_153012"), "15:30:12");
}

TEST(ReadBackups, SaveCreatesTheFolderAndKeepsEveryReadOfOneSecond) {
    TempDir tmp;
    Doc doc;
    ReadBackups backups((tmp.path() / "data" / "CS-Q5" / "backups").string());
    const std::time_t now = LocalTime(2026, 12, 6, 15, 30, 12);
    const std::string first = backups.Save(doc.radio, now);
    const std::string second = backups.Save(doc.radio, now);
    ASSERT_FALSE(first.empty());
    ASSERT_FALSE(second.empty());
    EXPECT_EQ(fs::path(first).filename(), "backup-2026-12-06_153012.acf");
    EXPECT_EQ(fs::path(second).filename(), "backup-2026-12-06_153012-2.acf");

    clsCmcRadio loaded;
    loaded.radioNameM("2304");
    // The format tag check compares with the initial image: give it the same bytes.
    loaded.eepInitial.CopyFrom(doc.radio.eepImage);
    ASSERT_EQ(AcfFileLoad(loaded, second), kAcfOk);
    EXPECT_EQ(loaded.eepImage.bytes(), doc.radio.eepImage.bytes());
}

TEST(ReadBackups, ACopyThatCannotBeWrittenGivesNoPath) {
    TempDir tmp;
    Doc doc;
    Touch(tmp.path() / "taken");  // a file where the folder should be
    EXPECT_EQ(ReadBackups((tmp.path() / "taken").string()).Save(doc.radio, std::time(nullptr)), "");
    EXPECT_EQ(ReadBackups("").Save(doc.radio, std::time(nullptr)), "");
}

TEST(ReadBackups, PruneRemovesOnlyOurCopiesOlderThanAYear) {
    TempDir tmp;
    const fs::path dir = tmp.path();
    for (const char* name : {
             "backup-2025-12-06_153011.acf",    // a year and a second old: goes
             "backup-2024-01-01_000000-3.acf",  // goes
             "read-2024-01-01_000000.acf",      // an earlier version's copy: goes
             "backup-2025-12-06_153012.acf",    // exactly a year: stays
             "backup-2026-06-01_120000.acf",    // stays
             "read-2026-06-01_120000.acf",      // stays
             "backup-2031-01-01_000000.acf",    // a clock set ahead: stays
             "backup-2020-01-01_000000.acf.txt",
             "BACKUP-2020-01-01_000000.acf",
             "notes-2020-01-01_000000.acf",
             "mine.acf",
         })
        Touch(dir / name);
    fs::create_directory(dir / "backup-2020-01-01_000000.acf");  // a folder is never removed

    ReadBackups backups(dir.string());
    EXPECT_EQ(backups.Prune(LocalTime(2026, 12, 6, 15, 30, 12)), 3);
    EXPECT_EQ(Names(dir), (std::set<std::string>{
                              "backup-2025-12-06_153012.acf",
                              "backup-2026-06-01_120000.acf",
                              "read-2026-06-01_120000.acf",
                              "backup-2031-01-01_000000.acf",
                              "backup-2020-01-01_000000.acf.txt",
                              "BACKUP-2020-01-01_000000.acf",
                              "notes-2020-01-01_000000.acf",
                              "mine.acf",
                              "backup-2020-01-01_000000.acf",
                          }));
    EXPECT_EQ(ReadBackups((dir / "missing").string()).Prune(std::time(nullptr)), 0);
}

TEST(ReadBackups, TheListHoldsTheCopiesToRestoreNewestFirstWithTheirComments) {
    TempDir tmp;
    const fs::path dir = tmp.path();
    const auto write = [&](const char* name, const std::string& text) {
        std::ofstream(dir / name, std::ios::binary) << text;
    };
    write("backup-2026-06-01_120000.acf", "23040001\r\n#Club repeaters  \r\n0000...");
    write("backup-2026-12-06_153012.acf", "23040001\r\n#Before the trip \r\n");
    write("backup-2026-12-06_153012-2.acf", "23040001\r\n#Second read\r\n");
    write("backup-2025-01-01_000000.acf", "not a data file");
    // An earlier version's copy in the receiver's form, a folder and other
    // files are not copies to restore.
    write("read-2026-12-07_000000.acf", "23040001\r\n#old form\r\n");
    write("notes.acf", "23040001\r\n#mine\r\n");
    fs::create_directory(dir / "backup-2026-12-08_000000.acf");

    const std::vector<BackupEntry> list = ReadBackups(dir.string()).List();
    std::vector<std::string> lines;
    for (const BackupEntry& e : list) lines.push_back(BackupListLine(e));
    const std::string d = dir.string() + "/";
    EXPECT_EQ(lines, (std::vector<std::string>{
                         d + "backup-2026-12-06_153012-2.acf\t2026-12-06 15:30:12\tSecond read",
                         d + "backup-2026-12-06_153012.acf\t2026-12-06 15:30:12\tBefore the trip",
                         d + "backup-2026-06-01_120000.acf\t2026-06-01 12:00:00\tClub repeaters",
                         d + "backup-2025-01-01_000000.acf\t2025-01-01 00:00:00\t",
                     }));
    EXPECT_TRUE(ReadBackups((dir / "missing").string()).List().empty());
    EXPECT_TRUE(ReadBackups("").List().empty());
}

TEST(ReadBackups, TheDefaultFolderFollowsTheDataHome) {
    const char* oldData = std::getenv("XDG_DATA_HOME");
    const char* oldHome = std::getenv("HOME");
    const std::string savedData = oldData ? oldData : "";
    const std::string savedHome = oldHome ? oldHome : "";

    ::setenv("XDG_DATA_HOME", "/data/me", 1);
    ::setenv("HOME", "/home/me", 1);
    EXPECT_EQ(DefaultReadBackupFolder(), "/data/me/CS-Q5/backups");
    ::setenv("XDG_DATA_HOME", "relative/path", 1);  // not absolute: ignored
    EXPECT_EQ(DefaultReadBackupFolder(), "/home/me/.local/share/CS-Q5/backups");
    ::unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(DefaultReadBackupFolder(), "/home/me/.local/share/CS-Q5/backups");
    ::unsetenv("HOME");
    EXPECT_EQ(DefaultReadBackupFolder(), "");

    if (oldData) ::setenv("XDG_DATA_HOME", savedData.c_str(), 1);
    if (oldHome) ::setenv("HOME", savedHome.c_str(), 1);
}
