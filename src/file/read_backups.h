// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The safety copies of clone reads. Every image that comes out of the
// receiver is kept, exactly as it arrived and before the program decodes
// it, as a data file in the user's data folder, so a read that later turns
// out wrong (a decoding fault, an edit saved over the only copy) can always
// be gone back to. Each file is named by the local date and time of the
// read; copies older than a year are removed after each new one. Files in
// the folder that do not carry our name pattern are never touched.
//
//   read-2026-12-06_153012.acf      a read at 15:30:12
//   read-2026-12-06_153012-2.acf    a second read within the same second
//
// The image is the receiver's own form: TV channel frequencies are the
// sound carriers the receiver keeps, not the picture carriers the program
// shows and stores in the files it saves itself.

#include <ctime>
#include <string>

#include "image/radio.h"

// $XDG_DATA_HOME/CS-Q5/backups, or ~/.local/share/CS-Q5/backups when that
// variable is unset or not an absolute path; empty when neither is known.
std::string DefaultReadBackupFolder();
// The copies of the reads of the program's demo receiver, kept apart so
// they never mix with a real receiver's: demo-backups beside backups.
std::string DemoReadBackupFolder();

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
    // for any other name.
    static std::string StampOf(const std::string& fileName);

    // Saves the working image of doc as a new copy, named by local time
    // now (the folder is created when needed), then prunes. Returns the
    // full path of the copy, empty when it could not be written.
    std::string Save(const clsCmcRadio& doc, std::time_t now);
    // Removes our copies whose stamp is more than a year before now.
    // Returns the number removed.
    int Prune(std::time_t now) const;

  private:
    std::string folder_;
};
