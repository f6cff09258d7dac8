// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Test helper: a record's read values as one comparable text.

#include <string>

#include "model/channel.h"

// The read values of the items the channel has (the grid's and the dialog's
// view of it); items of other kinds of channel are not stored for it.
inline std::string ReadValues(const clsRigQ5_Ch& c) {
    std::string s = std::to_string(c.AppearCh());
    if (c.AppearCh()) s += "/" + std::to_string(c.FreqOp_Pure());
    for (int item = 3; item <= 14; ++item) {
        // A VFO's name bytes lie beyond its 10-byte record and are never written.
        if (!c.ItemExistsNow(item) || (item == clsRigQ5_Ch::kItemName && c.ChIdent() <= 10))
            continue;
        s += "/" + std::to_string(item) + ":";
        switch (item) {
            case 3:
                s += std::to_string(c.DupDir_Pure());
                break;
            case 4:
                s += std::to_string(c.FreqDup_Pure());
                break;
            case 5:
                s += c.Name();
                break;
            case 6:
                s += std::to_string(c.TSqlOn_Pure());
                break;
            case 7:
                s += std::to_string(c.ToneNo_Pure());
                break;
            case 8:
                s += std::to_string(c.TvIf_Pure());
                break;
            case 9:
                s += std::to_string(c.TvReverse_Pure());
                break;
            case 10:
                s += std::to_string(c.TvSubCarrier_Pure());
                break;
            case 11:
                s += std::to_string(c.SkipM_Pure());
                break;
            case 12:
                s += std::to_string(c.SkipT_Pure());
                break;
            case 13:
                s += std::to_string(c.ModeNo_Pure());
                break;
            case 14:
                s += std::to_string(c.TsNo_Pure());
                break;
        }
    }
    return s;
}
