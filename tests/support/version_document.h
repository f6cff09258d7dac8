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

    // The record of a list, put in use at a frequency.
    clsRigQ5_Ch& Use(int type, int index, std::int32_t freq) {
        clsRigQ5_Ch& ch = *master.ListCh(type, index);
        ch.AppearCh(true);
        ch.FreqOp_Pure(freq);
        return ch;
    }
    // Every record of these lists blank.
    void Blank(std::initializer_list<int> types) {
        for (int type : types)
            for (int i = 0; i < clsRigQ5_Master::NumRecordsOfListType(type); ++i)
                master.ListCh(type, i)->AppearCh(false);
    }
};
