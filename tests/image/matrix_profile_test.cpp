// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/matrix_profile.h"

#include <gtest/gtest.h>

#include <fstream>

#include "app/profile.h"
#include "image/matrix.h"
#include "temp_dir.h"

namespace {

struct MatrixProfile : ::testing::Test {
    TempDir dir;
    clsCmcProfileIO p;
    void SetUp() override {
        p.Path(dir.path().string() + "/");
        p.Name("CSQ5.rs");
    }
};

}  // namespace

TEST_F(MatrixProfile, NoKeysGiveNoVersionAndFmTvOn) {
    clsRigQ5_Matrix m;
    m.MtxVerNo(3);
    m.MtxFmTvOk(0);
    MatrixLoadData(m, p);
    EXPECT_EQ(m.MtxVerNo(), 12);
    EXPECT_EQ(m.MtxAmOk(), 0);
    EXPECT_EQ(m.MtxExpOn(), 0);
    EXPECT_EQ(m.MtxCellerNg(), 0);
    EXPECT_EQ(m.MtxFmTvOk(), 1);
    EXPECT_EQ(m.MtxTvOwNo(), 0);
}

TEST_F(MatrixProfile, SavedValuesLoadBack) {
    clsRigQ5_Matrix m;
    m.MtxVerNo(5);
    m.MtxAmOk(1);
    m.MtxExpOn(1);
    m.MtxCellerNg(1);
    m.MtxFmTvOk(0);
    m.MtxTvOwNo(2);
    MatrixSaveData(m, p);
    clsRigQ5_Matrix back;
    MatrixLoadData(back, p);
    EXPECT_EQ(back.MtxVerNo(), 5);
    EXPECT_EQ(back.MtxAmOk(), 1);
    EXPECT_EQ(back.MtxExpOn(), 1);
    EXPECT_EQ(back.MtxCellerNg(), 1);
    EXPECT_EQ(back.MtxFmTvOk(), 0);
    EXPECT_EQ(back.MtxTvOwNo(), 2);
}

TEST_F(MatrixProfile, OutOfRangeValuesAreLimited) {
    std::ofstream(p.GetMyProfile())
        << "[m_property]\nM_Property_V=-4\nM_Property_T=99999\nM_Property_F=abc\n";
    clsRigQ5_Matrix m;
    MatrixLoadData(m, p);
    EXPECT_EQ(m.MtxVerNo(), 0);
    EXPECT_EQ(m.MtxTvOwNo(), 3);
    EXPECT_EQ(m.MtxFmTvOk(), 1);  // malformed: the default stays
}
