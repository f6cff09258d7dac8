// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The recent file list of the File menu: the data files most recently loaded
// or saved, newest first, each as its full path and the title shown in the
// menu. An entry is the pair of both; comparisons ignore letter case. The
// list survives between runs in the profile section "RecentFiles".

#include <string>
#include <vector>

class clsCmcProfileIO;

class clsCmcRecentFile {
  public:
    clsCmcRecentFile();

    // No entries and no room for any.
    void Clear();
    // Entries in use.
    int NumIndex() const;
    int MaxIndex() const { return capacity_; }
    // New capacity; a list longer than it is emptied.
    void MaxIndex(int capacity);

    // Path and title of entry index; empty text outside the entries in use.
    std::string filename(int index) const;
    std::string fileTitle(int index) const;

    // Puts the pair on top; an equal pair already in the list moves up, and
    // a full list loses its oldest entry.
    void AddItem(const std::string& path, const std::string& title);

    // Keys "RecentFileName(i)" and "RecentFileTitle(i)" for i below the
    // capacity; unused entries are written as empty text.
    void saveData(clsCmcProfileIO& profile) const;
    // Adds the stored entries oldest first, so the saved order comes back;
    // an entry with an empty path or title is skipped.
    void loadData(clsCmcProfileIO& profile);

  private:
    std::vector<std::string> names_;
    std::vector<std::string> titles_;
    int count_ = 0;
    int capacity_ = 0;
};
