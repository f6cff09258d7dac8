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
        "12,25509999>5 12,25510000>6 12,13600000>5 12,38210000>7 12,76980000>8 12,96010000>9 "
        "12,139999999>9 12,140000000>10 12,300000000>10 "
        "0,8000000>3 1,8000000>2 1,8800000>3",
        [](const CaseNumbers& in, const CaseNumbers& band) {
            EXPECT_EQ(Version(in[0]).GetBandNoOfFreq(in[1]), band[0]);
        });
    // version,frequency>allowed: both ends of a range are inside, a gap is not.
    ForEachCase("0,49500>1 0,49499>0 0,245009500>1 0,245009501>0 0,83409999>0 11,5019999>0",
                [](const CaseNumbers& in, const CaseNumbers& allowed) {
                    EXPECT_EQ(Version(in[0]).EdgeOk().InsideEdge(in[1]), allowed[0] == 1);
                });
}

// Every edge of every version's coverage, where its band 3 starts, its VFOs,
// modes and steps, as the receivers have them.
TEST(Matrix, CoverageOfEveryVersion) {
    const clsRigQ5_Matrix
        unknown;  // no version known yet: no AM grid, FM TV, the first sound standard
    std::string all = std::to_string(unknown.MtxVerNo() * 10000 + unknown.MtxAmOk() * 1000 +
                                     unknown.MtxFmTvOk() * 100 + unknown.MtxTvOwNo() * 10 +
                                     unknown.MtxCellerNg() + unknown.MtxExpOn() * 2);
    for (int v = 0; v <= 12; ++v) {
        const clsRigQ5_Matrix m = Version(v);
        all += Ranges(m.EdgeOk()) + std::to_string(m.GetBandNoOfFreq(8000000));
        for (int b = -1; b <= 12; ++b) all += m.VfoAppear(b) ? "v" : "-";
        for (const int n : {m.NumModeNo(), m.NumTsNo_Norm(), m.NumTsNo_24G()})
            all += " " + std::to_string(n);
        all += " | ";
    }
    EXPECT_EQ(Fingerprint(all), 17313326560337561604ULL) << all;
}

TEST(Matrix, ExpandedCoverageAndTheCellularBlock) {
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
