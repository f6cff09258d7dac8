// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/matrix_profile.h"

#include <gtest/gtest.h>

#include "app/profile.h"
#include "file_text.h"
#include "image/matrix.h"
#include "temp_dir.h"

// Saving and loading all six values is checked with the memory map's profile.
TEST(MatrixProfile, MalformedValuesAreTheDefaultsOutOfRangeOnesLimited) {
    TempDir dir;
    clsCmcProfileIO p;
    p.Path(dir.path().string() + "/");
    clsRigQ5_Matrix m;
    m.MtxFmTvOk(0);
    WriteFile(p.GetMyProfile(),
              "[m_property]\nM_Property_V=-4\nM_Property_T=99999\nM_Property_F=abc\n");
    MatrixLoadData(m, p);  // a malformed value: the default
    EXPECT_EQ(std::vector({m.MtxVerNo(), m.MtxTvOwNo(), m.MtxFmTvOk()}), std::vector({0, 3, 1}));
}
