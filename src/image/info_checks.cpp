// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/info_checks.h"

bool RigOpFunc_CheckSubNameLegal(const std::string& sub) {
    return sub == kSubCode;
}

int RigOpFunc_CheckInfoGeneral(const ByteStr& answer) {
    if (answer.size() != 26) return kInfoMalformed;
    // Position p (from 1) is answer[p - 1].
    if (Hex2(answer[3]) + Hex2(answer[4]) != kModelCode) return kInfoWrongModel;
    if (!RigOpFunc_CheckSubNameLegal(Hex2(answer[5]) + Hex2(answer[6]))) return kInfoIllegalSub;
    if (answer[23] == 12) return kInfoMalformed;
    return kInfoOk;
}
