// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The safety copies of clone reads. Every image that comes out of the
// receiver is kept as a data file in the user's data folder, so a read that
// later turns out wrong (an edit saved over the only copy, a write that
// lost channels) can always be gone back to. Each file is named by the
// local date and time of the read; copies older than a year are removed
// after each new one. Files in the folder that do not carry one of our name
// patterns are never touched.
//
//   backup-2026-12-06_153012.acf     a read at 15:30:12
//   backup-2026-12-06_153012-2.acf   a second read within the same second
//
// A copy holds exactly what File > Save would have written right after the
// read: TV channel frequencies as the picture carriers the program shows,
// so that opening a copy and writing it gives the receiver back the memory
// it had. Copies named "read-..." come from earlier versions of the
// program, which kept the receiver's own form (TV channels as the sound
// carriers); such a file written back would move every TV channel by the
// sound offset. They are never listed as backups to restore, only pruned.

#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "image/radio.h"

// $XDG_DATA_HOME/CS-Q5/backups, or ~/.local/share/CS-Q5/backups when that
// variable is unset or not an absolute path; empty when neither is known.
std::string DefaultReadBackupFolder();
// The copies of the reads of the program's demo receiver, kept apart so
// they never mix with a real receiver's: demo-backups beside backups.
std::string DemoReadBackupFolder();

// One copy as the list of backups shows it.
struct BackupEntry {
    std::string path;
    std::string stamp;    // "YYYY-MM-DD_HHMMSS"
    int count = 1;        // 2 and up: a further read within the same second
    std::string comment;  // the image's comment, trailing blanks removed
};

// The local time of a moment (all zero if the system cannot tell it), and
// its stamp "2026-12-06_153012", each field limited to what a clock shows.
std::tm LocalTime(std::time_t when);
std::string BackupStamp(const std::tm& t);

// "2026-12-06" and "15:30:12" of a stamp.
std::string BackupDateText(const std::string& stamp);
std::string BackupTimeText(const std::string& stamp);
// What File > Restore Backup says when there is nothing to list.
std::string NoBackupsText(const std::string& folder);
// A copy as csq5-cli backups lists it: path, date and time, comment,
// separated by tabs.
std::string BackupListLine(const BackupEntry& entry);

class ReadBackups {
  public:
    // Copies older than this many years are pruned.
    static constexpr int kKeepYears = 1;

    explicit ReadBackups(std::string folder) : folder_(std::move(folder)) {}

    const std::string& Folder() const { return folder_; }

    // The file name of a read at that local time, with the count for a
    // second read in the same second (1 = no suffix).
    static std::string FileNameFor(const std::tm& local, int count = 1);
    // The time stamp "YYYY-MM-DD_HHMMSS" of one of our file names; empty
    // for any other name. count (when given) receives the number after the
    // stamp, 1 without one.
    static std::string StampOf(const std::string& fileName, int* count = nullptr);
    // The same for the names of copies made by earlier versions
    // ("read-...", the receiver's own form).
    static std::string OldStampOf(const std::string& fileName);

    // Saves the working image of doc (in the program's form) as a new
    // copy, named by local time now (the folder is created when needed),
    // then prunes. Returns the full path of the copy, empty when it could
    // not be written.
    std::string Save(const clsCmcRadio& doc, std::time_t now);
    // Removes our copies, of both name patterns, whose stamp is more than a
    // year before now. Returns the number removed.
    int Prune(std::time_t now) const;
    // The copies in the program's form, newest first.
    std::vector<BackupEntry> List() const;

    // Called with each name just before it is taken; a test takes the name
    // there as a second read would.
    void SetBeforeTake(std::function<void(const std::string&)> hook) {
        beforeTake_ = std::move(hook);
    }

  private:
    std::string folder_;
    std::function<void(const std::string&)> beforeTake_;
};
