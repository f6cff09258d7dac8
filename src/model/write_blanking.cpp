// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/write_blanking.h"

#include "app/common.h"
#include "model/image_diff.h"

std::vector<std::string> ChannelsBlankedByWrite(const clsRigQ5_Master& master) {
    std::vector<std::string> places;
    if (master.MatrixObj().MtxVerNo() == clsRigQ5_Matrix::kNoVersion) return places;
    for (int key = 0; key < master.NumTreeKey(); ++key) {
        const int type = master.TreeKeyChListType(key);
        if (type >= clsRigQ5_Master::kListFolder) continue;
        const int rows = master.NumChOfChListType(type);
        for (int row = 0; row < rows; ++row) {
            const clsRigQ5_Ch* ch = master.ChUnit(key, row);
            if (ch == nullptr || !ch->AppearCh() || ch->IsLegalFreqOp()) continue;
            places.push_back(ChannelPlaceText(master, key, row) + ": " + Trim(ch->FreqOp_String()));
        }
    }
    return places;
}
