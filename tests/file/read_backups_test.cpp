// SPDX-License-Identifier: GPL-3.0-or-later
#include "file/read_backups.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "file/acf_file.h"
#include "file_text.h"
#include "temp_dir.h"

namespace fs = std::filesystem;

namespace {

std::time_t LocalTime(int year, int month, int day, int hour, int minute, int second) {
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    t.tm_isdst = -1;
    return std::mktime(&t);
}

}  // namespace

TEST(ReadBackups, OnlyOurNamesCarryAStamp) {
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
        {"read-2026-12-06_153012-3.acf", "", 0, "2026-12-06_153012"},
        {"backup-2026-12-06_153012.ACF", "", 0, ""},
        {"backup-2026-12-06_153012-.acf", "", 0, ""},
        {"backup-2026-12-6_153012.acf", "", 0, ""},
        {"backup-2026-12-06_153012.acf.bak", "", 0, ""},
    };
    std::tm midnight{};  // 1 January 1900, 00:00:00
    midnight.tm_mday = 1;
    EXPECT_EQ(BackupStamp(midnight), "1900-01-01_000000");
    for (const auto& c : cases) {
        int count = 0;
        EXPECT_EQ(ReadBackups::StampOf(c.name, &count), c.stamp) << c.name;
        EXPECT_EQ(count, c.count) << c.name;
        EXPECT_EQ(ReadBackups::OldStampOf(c.name), c.oldStamp) << c.name;
    }
}

TEST(ReadBackups, EveryReadOfOneSecondIsKeptAsTheDocumentWouldBeSaved) {
    TempDir tmp;
    clsCmcRadio doc;
    PrepareRxQ5Document(doc);
    for (std::int32_t a = 0; a < doc.eepImage.eeSize(); ++a)
        doc.eepImage.WriteByte(a, a * 7 & 0xFF);
    ReadBackups backups((tmp.path() / "data" / "CS-Q5" / "backups").string());
    const std::time_t now = LocalTime(2026, 12, 6, 15, 30, 12);
    const std::string first = backups.Save(doc, now), second = backups.Save(doc, now);
    EXPECT_EQ(fs::path(first).filename(), "backup-2026-12-06_153012.acf");
    EXPECT_EQ(fs::path(second).filename(), "backup-2026-12-06_153012-2.acf");
    clsCmcRadio loaded;
    loaded.radioNameM("2304");
    loaded.eepInitial.CopyFrom(doc.eepImage);  // the format tag the loader checks
    ASSERT_EQ(AcfFileLoad(loaded, second), kAcfOk);
    EXPECT_EQ(loaded.eepImage.bytes(), doc.eepImage.bytes());
    // A copy that cannot be written gives no path.
    WriteFile(tmp.path() / "taken", "a file where the folder should be");
    EXPECT_EQ(ReadBackups(tmp.file("taken")).Save(doc, now), "");
    EXPECT_EQ(ReadBackups("").Save(doc, now), "");
}

TEST(ReadBackups, ANameTakenByAnotherReadInBetweenIsNeverReplaced) {
    // Another read (a second receiver) takes each name this save is about
    // to take, after the check that it is free: its file stays as it was
    // and this copy goes to the next free count.
    TempDir tmp;
    clsCmcRadio doc;
    PrepareRxQ5Document(doc);
    ReadBackups backups(tmp.path().string());
    const std::time_t now = LocalTime(2026, 12, 6, 15, 30, 12);
    std::vector<std::string> taken;
    backups.SetBeforeTake([&](const std::string& path) {
        if (taken.size() < 2) WriteFile(path, "the other read");
        taken.push_back(path);
    });
    const std::string mine = backups.Save(doc, now);
    ASSERT_EQ(taken.size(), 3u);
    EXPECT_EQ(ReadFile(taken[0]) + ReadFile(taken[1]), "the other readthe other read");
    EXPECT_EQ(mine, taken[2]);
    EXPECT_EQ(ReadFile(mine).substr(0, 8), "23040001");
    EXPECT_EQ(std::distance(fs::directory_iterator(tmp.path()), fs::directory_iterator()), 3);
}

TEST(ReadBackups, PruneRemovesOurCopiesOlderThanAYearAndTheListShowsTheRestNewestFirst) {
    TempDir tmp;
    const fs::path dir = tmp.path();
    const std::pair<const char*, const char*> files[] = {
        {"backup-2025-12-06_153011.acf", "x"},                // a year and a second old: goes
        {"read-2024-01-01_000000-3.acf", "x"},                // an earlier version's copy: goes
        {"backup-2025-12-06_153012.acf", "not a data file"},  // exactly a year: stays
        {"backup-2031-01-01_000000.acf", "23040001\r\n#Clock ahead\r\n"},  // stays
        {"backup-2026-06-01_120000.acf", "23040001\r\n#Club repeaters  \r\n0000..."},
        {"backup-2026-12-06_153012-3.acf", "23040001\r\n#Before the trip \r\n"},
        {"backup-2026-12-06_153012-40.acf", "23040001\r\n#Second read\r\n"},
        // An earlier version's copy in the receiver's form and other files
        // stay and are not copies to restore.
        {"read-2026-12-07_000000.acf", "23040001\r\n#old form\r\n"},
        {"notes-2020-01-01_000000.acf", "23040001\r\n#mine\r\n"},
    };
    for (const auto& [name, text] : files) WriteFile(dir / name, text);
    fs::create_directory(dir / "backup-2020-01-01_000000.acf");  // a folder is never removed
    EXPECT_EQ(ReadBackups(dir.string()).Prune(LocalTime(2026, 12, 6, 15, 30, 12)), 2);
    for (const char* kept : {"read-2026-12-07_000000.acf", "notes-2020-01-01_000000.acf",
                             "backup-2020-01-01_000000.acf"})
        EXPECT_TRUE(fs::exists(dir / kept)) << kept;

    std::vector<std::string> lines;
    for (const BackupEntry& e : ReadBackups(dir.string()).List())
        lines.push_back(BackupListLine(e));
    const std::string d = dir.string() + "/";
    EXPECT_EQ(lines, (std::vector<std::string>{
                         d + "backup-2031-01-01_000000.acf\t2031-01-01 00:00:00\tClock ahead",
                         d + "backup-2026-12-06_153012-40.acf\t2026-12-06 15:30:12\tSecond read",
                         d + "backup-2026-12-06_153012-3.acf\t2026-12-06 15:30:12\tBefore the trip",
                         d + "backup-2026-06-01_120000.acf\t2026-06-01 12:00:00\tClub repeaters",
                         d + "backup-2025-12-06_153012.acf\t2025-12-06 15:30:12\t",
                     }));
    for (const std::string& nowhere : {(dir / "missing").string(), std::string()}) {
        EXPECT_EQ(ReadBackups(nowhere).Prune(std::time(nullptr)), 0);
        EXPECT_TRUE(ReadBackups(nowhere).List().empty());
    }
}

TEST(ReadBackups, TheDefaultFolderFollowsTheDataHome) {
    const char* oldData = std::getenv("XDG_DATA_HOME");
    const char* oldHome = std::getenv("HOME");
    const std::string savedData = oldData ? oldData : "", savedHome = oldHome ? oldHome : "";
    ::setenv("HOME", "/home/me", 1);
    ::setenv("XDG_DATA_HOME", "/data/me", 1);
    EXPECT_EQ(DefaultReadBackupFolder(), "/data/me/CS-Q5/backups");
    ::setenv("XDG_DATA_HOME", "relative/path", 1);  // not absolute: ignored
    EXPECT_EQ(DefaultReadBackupFolder(), "/home/me/.local/share/CS-Q5/backups");
    ::unsetenv("XDG_DATA_HOME");
    ::unsetenv("HOME");
    EXPECT_EQ(DefaultReadBackupFolder(), "");
    if (oldData) ::setenv("XDG_DATA_HOME", savedData.c_str(), 1);
    if (oldHome) ::setenv("HOME", savedHome.c_str(), 1);
}
