// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/image_diff.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "version_document.h"

namespace {

using M = clsRigQ5_Master;

std::vector<std::string> Lines(const clsRigQ5_Master& a, const clsRigQ5_Master& b) {
    std::vector<std::string> lines;
    for (const ImageDifference& d : ImageDifferences(a, b)) lines.push_back(DifferenceLine(d));
    return lines;
}

void Use(clsRigQ5_Master& m, int index, std::int32_t freq, const char* name) {
    clsRigQ5_Ch& ch = *m.ListCh(M::kListMemory, index);
    ch.AppearCh(true);
    ch.FreqOp_Pure(freq);
    ch.Name(name);
}

}  // namespace

TEST(ImageDiff, DifferencesAreNamedAsTheGridAndTheSettingsDialogShowThem) {
    VersionDocument a(0, 1, 0), b(0, 1, 0);
    for (VersionDocument* d : {&a, &b}) Use(d->master, 57, 43300000, "Rpt");
    EXPECT_TRUE(ImageDifferences(a.master, b.master).empty());

    // One channel's frequency and one setting: two lines.
    b.master.ListCh(M::kListMemory, 57)->FreqOp_Pure(43350000);
    b.master.CommonObj().BeepAudio_Pure(5);
    EXPECT_EQ(Lines(a.master, b.master),
              (std::vector<std::string>{"Bank B\t07\tFrequency\t433.000000\t433.500000",
                                        "Setting\t\tBeep Audio\tVolume\t4"}));
    const std::vector<ImageDifference> d = ImageDifferences(a.master, b.master);
    EXPECT_EQ(DifferencePlace(d[0]), "Bank B 07: Frequency");
    EXPECT_EQ(DifferencePlace(d[1]), "Setting: Beep Audio");
    EXPECT_EQ(d[0].key, 4);  // the tree key and row that show the channel
    EXPECT_EQ(d[0].row, 7);
    EXPECT_EQ(d[1].key, -1);
    EXPECT_EQ(DifferencesSummary(1, "A", "B") + "; " + DifferencesSummary(d.size(), "A", "B"),
              "1 difference between A and B; 2 differences between A and B");

    // A channel in use on one side only differs in every value it shows;
    // the comment is a setting too, its padding not part of it.
    VersionDocument c(0, 1, 0), e(0, 1, 0);
    Use(e.master, 2, 14550000, "Local");
    e.master.CommonObj().Comment("Trip");
    const std::vector<std::string> lines = Lines(c.master, e.master);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines.front(), "Bank A\t02\tFrequency\t\t145.500000");
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Bank A\t02\tName\t\tLocal"), lines.end());
    EXPECT_EQ(lines.back(), "Setting\t\tComment\t\tTrip");
    const ImageDifference comment = ImageDifferences(c.master, e.master).back();
    EXPECT_EQ(std::pair(comment.key, comment.row), std::pair(-1, -1));  // shown by no list
}

TEST(ImageDiff, EveryListOfTheVersionIsCompared) {
    // With FM TV the FM TV list and the VFO's TV columns take part.
    VersionDocument a(2, 0, 1), b(2, 0, 1);
    b.master.ListCh(M::kListFmTv, 3)->AppearCh(true);
    b.master.ListCh(M::kListVfo, 2)
        ->FreqOp_Pure(b.master.ListCh(M::kListVfo, 2)->FreqOp_Pure() + 500);
    b.master.ListCh(M::kListPScan, 49)->AppearCh(true);
    std::vector<std::string> places;
    for (const ImageDifference& d : ImageDifferences(a.master, b.master))
        places.push_back(d.list + " " + d.channel);
    places.erase(std::unique(places.begin(), places.end()), places.end());
    EXPECT_EQ(places, (std::vector<std::string>{"VFO 02", "Program scan edge 24B", "FM TV 03"}));
}
