// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/master_profile.h"

#include <gtest/gtest.h>

#include "app/profile.h"
#include "model/master.h"
#include "temp_dir.h"

TEST(MasterProfile, VersionSurvivesARunAndAFreshProfileHasNone) {
    TempDir dir;
    clsCmcProfileIO p;
    p.Path(dir.path().string() + "/");
    p.Name("CSQ5.rs");

    clsCmcRadio radio;
    clsRigQ5_Master master(radio);
    MasterLoadData(master, p);
    EXPECT_EQ(master.MatrixObj().MtxVerNo(), 12);
    EXPECT_EQ(master.MatrixObj().MtxFmTvOk(), 1);

    master.MatrixObj().MtxVerNo(7);
    master.MatrixObj().MtxTvOwNo(3);
    MasterSaveData(master, p);

    clsCmcRadio radio2;
    clsRigQ5_Master next(radio2);
    MasterLoadData(next, p);
    EXPECT_EQ(next.MatrixObj().MtxVerNo(), 7);
    EXPECT_EQ(next.MatrixObj().MtxTvOwNo(), 3);
}
