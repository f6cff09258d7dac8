// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/recent_file.h"

#include <gtest/gtest.h>

#include "app/profile.h"
#include "file_text.h"
#include "temp_dir.h"

namespace {

// The list as "title=path" entries, newest first, and one past the end (empty).
std::string Entries(const clsCmcRecentFile& r) {
    std::string out;
    for (int i = 0; i <= r.NumIndex(); ++i) out += r.fileTitle(i) + "=" + r.filename(i) + " ";
    return out;
}

}  // namespace

TEST(RecentFile, NewestFirstAFullListDropsTheOldestTheProfileHoldsEveryIndexAndGapsAreSkipped) {
    clsCmcRecentFile r;
    r.MaxIndex(3);
    for (const char* t : {"A", "B", "C", "D", "D"}) r.AddItem(std::string("/d/") + t, t);
    EXPECT_EQ(Entries(r), "D=/d/D C=/d/C B=/d/B = ");
    r.AddItem("/D/b", "b");      // the same pair, ignoring case
    r.AddItem("/d/D", "other");  // same path, another title: another entry
    EXPECT_EQ(Entries(r), "other=/d/D b=/D/b D=/d/D = ");
    r.MaxIndex(3);  // room for exactly what is there: kept
    EXPECT_EQ(r.NumIndex(), 3);
    r.MaxIndex(2);  // less room than entries: emptied
    EXPECT_EQ(Entries(r), "= ");
    r.Clear();
    r.AddItem("/z", "z");  // no room at all
    EXPECT_EQ(Entries(r), "= ");

    // The profile holds every index; a load skips gaps and incomplete entries.
    TempDir dir;
    clsCmcProfileIO p;
    p.Path(dir.path().string() + "/");
    clsCmcRecentFile saved, sparse;
    for (auto* list : {&saved, &sparse}) list->MaxIndex(list == &saved ? 3 : 4);
    saved.AddItem("/d/A.acf", "A");
    saved.saveData(p);
    EXPECT_EQ(
        ReadFile(p.GetMyProfile()),
        "[RecentFiles]\nRecentFileName(0)=/d/A.acf\nRecentFileTitle(0)=A\nRecentFileName(1)=\n"
        "RecentFileTitle(1)=\nRecentFileName(2)=\nRecentFileTitle(2)=\n");
    WriteFile(p.GetMyProfile(),
              "[recentfiles]\nrecentfilename(0)=/zero.acf\nRecentFileTitle(0)=zero\n"
              "RecentFileName(1)=/no-title.acf\nRecentFileTitle(2)=no path\n"
              "RecentFileName(3)=/three.acf\nRecentFileTitle(3)=three\n");
    sparse.loadData(p);
    EXPECT_EQ(Entries(sparse), "zero=/zero.acf three=/three.acf = ");
}
