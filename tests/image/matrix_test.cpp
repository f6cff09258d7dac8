// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/matrix.h"

#include <gtest/gtest.h>

#include "cases.h"

namespace {

clsRigQ5_Matrix Version(int version, int expOn = 0) {
    clsRigQ5_Matrix m;
    m.MtxVerNo(version);
    m.MtxExpOn(expOn);
    return m;
}

// The ranges of a set as "lower-upper ..." in 10 Hz units.
std::string Ranges(const clsCmcBandMan& set) {
    std::string s;
    for (int i = 0; i < set.Count(); ++i)
        s += std::to_string(set.Lower(i)) + "-" + std::to_string(set.Upper(i)) + " ";
    return s;
}

}  // namespace

TEST(Matrix, BandOfAFrequencyAndTheAllowedRangesOfEachVersionAtTheirEnds) {
    // version,frequency>band: band 3 starts at 76 MHz on some versions, at
    // 88 MHz on others.
    ForEachCase(
        "12,-1>0 12,162499>0 12,162500>1 12,2999999>1 12,3000000>2 12,10800000>4 "
        "12,25509999>5 12,25510000>6 12,139999999>9 12,140000000>10 12,300000000>10 "
        "0,8000000>3 1,8000000>2 1,8800000>3",
        [](const CaseNumbers& in, const CaseNumbers& band) {
            EXPECT_EQ(Version(in[0]).GetBandNoOfFreq(in[1]), band[0]);
        });
    // version,frequency>allowed
    ForEachCase(
        "0,49500>1 0,49499>0 0,162000>1 0,162001>0 0,25289500>1 0,25289501>0 0,83410000>1 "
        "0,83409999>0 0,245009500>1 0,245009501>0 0,27510000>1 1,8799500>1 1,8800000>1 "
        "1,2999501>0 1,76979500>1 1,76979501>0 4,96009500>1 5,82399500>1 5,82399501>0 "
        "5,84900000>1 5,86899501>0 5,89400000>1 6,14550000>1 6,14650000>1 6,14800001>0 "
        "6,124000000>1 7,7599500>1 8,14550000>1 8,14650000>0 8,126500000>1 8,126500001>0 "
        "9,5000000>1 9,5400001>0 10,49500>1 11,5020000>1 11,5019999>0 11,5120001>0 "
        "11,8800000>1 3,245009500>1 2,245009501>0",
        [](const CaseNumbers& in, const CaseNumbers& allowed) {
            EXPECT_EQ(Version(in[0]).EdgeOk().InsideEdge(in[1]), allowed[0] == 1);
        });
}

TEST(Matrix, VfoPresenceByVersionAndExpandedCoverage) {
    // version>the bands without a VFO besides -1, 11 and 12 (none beyond 10 has one)
    ForEachCase("0> 5> 12> 6>0,1,3,6,8,10 9>0,1,3,6,8,10 8>0,1,2,3,6,8,10",
                [](const CaseNumbers& version, const CaseNumbers& bands) {
                    const clsRigQ5_Matrix m = Version(version[0]);
                    CaseNumbers missing;
                    for (int b = 0; b <= 10; ++b)
                        if (!m.VfoAppear(b)) missing.push_back(b);
                    EXPECT_TRUE(!m.VfoAppear(-1) && !m.VfoAppear(11) && !m.VfoAppear(12));
                    EXPECT_EQ(missing, bands);
                });
    // Expanded coverage: one range, and all VFOs exist.
    EXPECT_EQ(Ranges(Version(3, 1).EdgeOk()), "49500-245009500 ");
    // No version known: everything allowed, even with expanded coverage.
    EXPECT_EQ(Ranges(Version(12, 1).EdgeOk()), "0-300000000 ");
    EXPECT_TRUE(Version(8, 1).VfoAppear(0));
    // The cellular range may be blocked.
    clsRigQ5_Matrix c = Version(1);
    EXPECT_EQ(Ranges(c.EdgeNg()), "");
    c.MtxCellerNg(1);
    EXPECT_EQ(Ranges(c.EdgeNg()), "81599501-90199999 ");
}

TEST(Matrix, TvRangesFollowTheSoundStandard) {
    clsRigQ5_Matrix m;
    for (const std::int32_t o : {450000, 550000, 600000, 650000}) {
        EXPECT_EQ(Ranges(m.EdgeTvFm()), std::to_string(90000000 + o) + "-" +
                                            std::to_string(130000499 + o) + " " +
                                            std::to_string(225000000 + o) + "-245009999 ");
        m.MtxTvOwNo(m.MtxTvOwNo() + 1);
    }
    EXPECT_EQ(Ranges(m.EdgeTvCh()) + Ranges(m.EdgeTvAm()), "3000000-199999999 3000000-245009999 ");
}
