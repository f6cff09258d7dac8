// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/recent_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <vector>

#include "app/profile.h"
#include "temp_dir.h"

namespace {

std::vector<std::string> Titles(const clsCmcRecentFile& r) {
    std::vector<std::string> out;
    for (int i = 0; i < r.NumIndex(); ++i) out.push_back(r.fileTitle(i));
    return out;
}

clsCmcRecentFile ListOf(int capacity, const std::vector<std::string>& titles) {
    clsCmcRecentFile r;
    r.MaxIndex(capacity);
    for (const auto& t : titles) r.AddItem("/d/" + t + ".acf", t);
    return r;
}

}  // namespace

TEST(RecentFile, NewestFirstAndAFullListDropsTheOldest) {
    clsCmcRecentFile r = ListOf(4, {"A", "B", "C", "D", "E"});
    EXPECT_EQ(Titles(r), (std::vector<std::string>{"E", "D", "C", "B"}));
    EXPECT_EQ(r.NumIndex(), 4);
    EXPECT_EQ(r.filename(0), "/d/E.acf");
    EXPECT_EQ(r.filename(4), "");
    EXPECT_EQ(r.filename(-1), "");
}

TEST(RecentFile, AnEqualPairMovesUpIgnoringCase) {
    clsCmcRecentFile r = ListOf(4, {"B", "C", "D"});
    r.AddItem("/D/b.ACF", "b");
    EXPECT_EQ(r.NumIndex(), 3);
    EXPECT_EQ(r.filename(0), "/D/b.ACF");
    EXPECT_EQ(r.fileTitle(1), "D");
    EXPECT_EQ(r.fileTitle(2), "C");
    r.AddItem("/d/c.acf", "other title");  // same path, another title: a second entry
    EXPECT_EQ(Titles(r), (std::vector<std::string>{"other title", "b", "D", "C"}));
    r.AddItem("/d/C.acf", "C");  // the oldest moves to the top of a full list
    EXPECT_EQ(Titles(r), (std::vector<std::string>{"C", "other title", "b", "D"}));
}

TEST(RecentFile, CapacityChanges) {
    clsCmcRecentFile r = ListOf(4, {"A", "B"});
    EXPECT_EQ(r.fileTitle(3), "");
    r.MaxIndex(3);  // room for what is there: kept
    EXPECT_EQ(Titles(r), (std::vector<std::string>{"B", "A"}));
    r.MaxIndex(1);  // less room than entries: emptied
    EXPECT_EQ(r.NumIndex(), 0);
    r.AddItem("/x", "x");
    r.AddItem("/y", "y");
    EXPECT_EQ(Titles(r), (std::vector<std::string>{"y"}));
    r.Clear();
    EXPECT_EQ(r.MaxIndex(), 0);
    r.AddItem("/z", "z");
    EXPECT_EQ(r.NumIndex(), 0);
    EXPECT_EQ(r.fileTitle(0), "");
}

TEST(RecentFile, ProfileRoundTripWritesEveryIndexAndSkipsGaps) {
    TempDir dir;
    clsCmcProfileIO p;
    p.Path(dir.path().string() + "/");
    p.Name("CSQ5.rs");
    const clsCmcRecentFile saved = ListOf(4, {"A", "B"});
    saved.saveData(p);
    std::ifstream in(p.GetMyProfile());
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text,
              "[RecentFiles]\nRecentFileName(0)=/d/B.acf\nRecentFileTitle(0)=B\n"
              "RecentFileName(1)=/d/A.acf\nRecentFileTitle(1)=A\nRecentFileName(2)=\n"
              "RecentFileTitle(2)=\nRecentFileName(3)=\nRecentFileTitle(3)=\n");

    clsCmcRecentFile loaded;
    loaded.MaxIndex(4);
    loaded.loadData(p);
    EXPECT_EQ(Titles(loaded), (std::vector<std::string>{"B", "A"}));
    EXPECT_EQ(loaded.filename(1), "/d/A.acf");

    std::ofstream(p.GetMyProfile(), std::ios::trunc)
        << "[recentfiles]\nrecentfilename(1)=/one.acf\nRecentFileTitle(1)=one\n"
           "RecentFileName(2)=/no-title.acf\nRecentFileTitle(3)=no path\n";
    clsCmcRecentFile sparse;
    sparse.MaxIndex(4);
    sparse.loadData(p);
    EXPECT_EQ(sparse.NumIndex(), 1);
    EXPECT_EQ(sparse.filename(0), "/one.acf");
    EXPECT_EQ(sparse.fileTitle(0), "one");
}
