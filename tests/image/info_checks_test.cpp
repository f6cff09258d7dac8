// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/info_checks.h"

#include <gtest/gtest.h>

TEST(InfoChecks, GeneralCheckStopsAtTheFirstFailure) {
    // Model and sub code at positions 4-7, the version byte at 24.
    const auto answer = [](const std::string& codes, std::uint8_t version, std::size_t size = 26) {
        ByteStr a = HexStrToByteStr("EFEEE1" + codes);
        a.resize(size, 0);
        if (size > 23) a[23] = version;
        return a;
    };
    const std::pair<ByteStr, int> cases[] = {
        {answer("23040001", 11), kInfoOk},           {answer("23040001", 0, 25), kInfoMalformed},
        {answer("23040001", 0, 27), kInfoMalformed}, {{}, kInfoMalformed},
        {answer("23050002", 0), kInfoWrongModel},  // both codes wrong: the model is told
        {answer("23040002", 0), kInfoIllegalSub},    {answer("23040001", 12), kInfoMalformed},
    };
    for (const auto& [a, code] : cases) EXPECT_EQ(RigOpFunc_CheckInfoGeneral(a), code);
    for (const char* sub : {"0002", "0000", "001", "00010", "", "0001 "})
        EXPECT_FALSE(RigOpFunc_CheckSubNameLegal(sub)) << sub;
}
