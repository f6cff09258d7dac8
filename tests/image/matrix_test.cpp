// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/matrix.h"

#include <gtest/gtest.h>

TEST(Matrix, FreshMatrixKnowsNoVersionAndAllowsEverything) {
    clsRigQ5_Matrix m;
    EXPECT_EQ(m.MtxVerNo(), 12);
    EXPECT_EQ(m.MtxFmTvOk(), 1);
    EXPECT_EQ(m.MtxAmOk() + m.MtxExpOn() + m.MtxCellerNg() + m.MtxTvOwNo(), 0);
    ASSERT_EQ(m.EdgeOk().Count(), 1);
    EXPECT_EQ(m.EdgeOk().Lower(0), 0);
    EXPECT_EQ(m.EdgeOk().Upper(0), 300000000);
    m.MtxExpOn(1);  // version 12 ignores expanded coverage
    ASSERT_EQ(m.EdgeOk().Count(), 1);
    EXPECT_EQ(m.EdgeOk().Upper(0), 300000000);
}

TEST(Matrix, ReadsAreLimitedWritesStoredAsGiven) {
    clsRigQ5_Matrix m;
    m.MtxVerNo(20);
    EXPECT_EQ(m.MtxVerNo(), 12);
    m.MtxVerNo(-3);
    EXPECT_EQ(m.MtxVerNo(), 0);
    m.MtxTvOwNo(9);
    EXPECT_EQ(m.MtxTvOwNo(), 3);
    m.MtxAmOk(5);
    EXPECT_EQ(m.MtxAmOk(), 1);
}

TEST(Matrix, BandNumbersAtTheirEdges) {
    clsRigQ5_Matrix m;
    const struct {
        std::int32_t f;
        int band;
    } cases[] = {{-1, 0},        {162499, 0},    {162500, 1},    {2999999, 1},
                 {3000000, 2},   {10800000, 4},  {25509999, 5},  {25510000, 6},
                 {139999999, 9}, {140000000, 10}, {300000000, 10}};
    for (const auto& c : cases) EXPECT_EQ(m.GetBandNoOfFreq(c.f), c.band) << c.f;
    m.MtxVerNo(0);
    EXPECT_EQ(m.GetBandNoOfFreq(8000000), 3);
    m.MtxVerNo(1);
    EXPECT_EQ(m.GetBandNoOfFreq(8000000), 2);
    EXPECT_EQ(m.GetBandNoOfFreq(8800000), 3);
}

TEST(Matrix, AmOnlyAreaNeedsTheAmFlag) {
    clsRigQ5_Matrix m;
    m.MtxVerNo(1);
    EXPECT_FALSE(m.IfAmOnlyArea(49500));
    m.MtxAmOk(1);
    EXPECT_FALSE(m.IfAmOnlyArea(49499));
    EXPECT_TRUE(m.IfAmOnlyArea(49500));
    EXPECT_TRUE(m.IfAmOnlyArea(162499));
    EXPECT_FALSE(m.IfAmOnlyArea(162500));
}

TEST(Matrix, AllowedRangesOfEachVersionAtTheirEnds) {
    const struct {
        int version;
        std::int32_t f;
        bool ok;
    } cases[] = {
        {0, 49500, true},      {0, 49499, false},     {0, 162000, true},    {0, 162001, false},
        {0, 25289500, true},   {0, 25289501, false},  {0, 83410000, true},  {0, 83409999, false},
        {0, 245009500, true},  {0, 245009501, false}, {1, 8799500, true},   {1, 8800000, true},
        {4, 96009500, true},   {5, 82399500, true},   {5, 82399501, false}, {5, 84900000, true},
        {5, 86899501, false},  {5, 89400000, true},   {6, 14550000, true},  {6, 14650000, true},
        {6, 14800001, false},  {6, 124000000, true},  {7, 7599500, true},   {8, 14550000, true},
        {8, 14650000, false},  {8, 126500000, true},  {8, 126500001, false}, {9, 5000000, true},
        {9, 5400001, false},   {10, 49500, true},     {11, 5020000, true},  {11, 5019999, false},
        {11, 5120001, false},  {11, 8800000, true},   {3, 245009500, true}, {2, 245009501, false},
    };
    for (const auto& c : cases) {
        clsRigQ5_Matrix m;
        m.MtxVerNo(c.version);
        EXPECT_EQ(m.EdgeOk().InsideEdge(c.f), c.ok) << "version " << c.version << " f " << c.f;
    }
}

TEST(Matrix, VfoPresenceByVersion) {
    clsRigQ5_Matrix m;
    for (int v : {0, 1, 5, 7, 11, 12}) {
        m.MtxVerNo(v);
        for (int b = 0; b <= 10; ++b) EXPECT_TRUE(m.VfoAppear(b)) << v << " " << b;
    }
    m.MtxVerNo(8);
    for (int b = 0; b <= 10; ++b) {
        const bool missing = b == 0 || b == 1 || b == 2 || b == 3 || b == 6 || b == 8 || b == 10;
        EXPECT_EQ(m.VfoAppear(b), !missing) << b;
    }
    for (int v : {6, 9}) {
        m.MtxVerNo(v);
        EXPECT_TRUE(m.VfoAppear(2));
        EXPECT_FALSE(m.VfoAppear(3));
    }
    EXPECT_FALSE(m.VfoAppear(11));
    EXPECT_FALSE(m.VfoAppear(12));
    EXPECT_FALSE(m.VfoAppear(-1));
}

TEST(Matrix, ExpandedCoverageAndCellularBlock) {
    clsRigQ5_Matrix m;
    m.MtxVerNo(3);
    m.MtxExpOn(1);
    ASSERT_EQ(m.EdgeOk().Count(), 1);
    EXPECT_EQ(m.EdgeOk().Lower(0), 49500);
    EXPECT_EQ(m.EdgeOk().Upper(0), 245009500);
    // Expanded coverage keeps the VFO gaps of the version away: all exist.
    m.MtxVerNo(8);
    EXPECT_TRUE(m.VfoAppear(0));

    clsRigQ5_Matrix c;
    c.MtxVerNo(1);
    EXPECT_FALSE(c.EdgeNg().InsideEdge(85000000));
    c.MtxCellerNg(1);
    EXPECT_TRUE(c.EdgeNg().InsideEdge(85000000));
    EXPECT_TRUE(c.EdgeOk().InsideEdge(85000000));
    EXPECT_FALSE(c.EdgeNg().InsideEdge(81599500));
    EXPECT_TRUE(c.EdgeNg().InsideEdge(81599501));
    EXPECT_TRUE(c.EdgeNg().InsideEdge(90199999));
    EXPECT_FALSE(c.EdgeNg().InsideEdge(90200000));
}

TEST(Matrix, CountsOfModesAndSteps) {
    clsRigQ5_Matrix m;
    m.MtxVerNo(0);
    EXPECT_EQ(m.NumModeNo(), 4);
    EXPECT_EQ(m.NumTsNo_Norm(), 11);
    EXPECT_EQ(m.NumTsNo_24G(), 10);
    m.MtxVerNo(5);
    EXPECT_EQ(m.NumModeNo(), 3);
    EXPECT_EQ(m.NumTsNo_Norm(), 10);
    EXPECT_EQ(m.NumTsNo_24G(), 9);
}

TEST(Matrix, TvRangesFollowTheSoundStandard) {
    clsRigQ5_Matrix m;
    const std::int32_t offsets[] = {450000, 550000, 600000, 650000};
    for (int s = 0; s <= 3; ++s) {
        m.MtxTvOwNo(s);
        const auto& fm = m.EdgeTvFm();
        ASSERT_EQ(fm.Count(), 2);
        EXPECT_EQ(fm.Lower(0), 90000000 + offsets[s]);
        EXPECT_EQ(fm.Upper(0), 130000499 + offsets[s]);
        EXPECT_EQ(fm.Lower(1), 225000000 + offsets[s]);
        EXPECT_EQ(fm.Upper(1), 245009999);
    }
    EXPECT_TRUE(m.EdgeTvCh().InsideEdge(199999999));
    EXPECT_FALSE(m.EdgeTvCh().InsideEdge(200000000));
    EXPECT_TRUE(m.EdgeTvAm().InsideEdge(3000000));
    EXPECT_FALSE(m.EdgeTvAm().InsideEdge(2999999));
}
