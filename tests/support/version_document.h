// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A document and its memory map for one receiver version, on that version's
// initial image with the records decoded from it, as the program has them
// after the start-up.

#include "image/radio.h"
#include "model/master.h"

struct VersionDocument {
    clsCmcRadio radio;
    clsRigQ5_Master master{radio};

    explicit VersionDocument(int version, int amOk = 0, int fmTv = 1) {
        clsRigQ5_Matrix& m = master.MatrixObj();
        m.MtxVerNo(version);
        m.MtxAmOk(amOk);
        m.MtxFmTvOk(fmTv);
        master.Init_MakeInitial();
        master.Reset();
    }
};
