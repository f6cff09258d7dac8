// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/info_checks.h"

#include <gtest/gtest.h>

namespace {
ByteStr Answer(std::size_t length = 26) {
    ByteStr a(length, 0);
    if (length >= 7) {
        a[0] = 0xEF, a[1] = 0xEE, a[2] = 0xE1;
        a[3] = 0x23, a[4] = 0x04, a[5] = 0x00, a[6] = 0x01;
    }
    return a;
}
}  // namespace

TEST(InfoChecks, GeneralCheckStopsAtTheFirstFailure) {
    EXPECT_EQ(RigOpFunc_CheckInfoGeneral(Answer()), kInfoOk);
    EXPECT_EQ(RigOpFunc_CheckInfoGeneral(Answer(25)), kInfoMalformed);
    EXPECT_EQ(RigOpFunc_CheckInfoGeneral(Answer(27)), kInfoMalformed);
    EXPECT_EQ(RigOpFunc_CheckInfoGeneral({}), kInfoMalformed);
    auto a = Answer();
    a[4] = 0x05;
    a[6] = 0x02;  // both wrong: the model is reported
    EXPECT_EQ(RigOpFunc_CheckInfoGeneral(a), kInfoWrongModel);
    a = Answer();
    a[6] = 0x02;
    EXPECT_EQ(RigOpFunc_CheckInfoGeneral(a), kInfoIllegalSub);
    a = Answer();
    a[23] = 12;
    EXPECT_EQ(RigOpFunc_CheckInfoGeneral(a), kInfoMalformed);
    a[23] = 11;
    EXPECT_EQ(RigOpFunc_CheckInfoGeneral(a), kInfoOk);
}

TEST(InfoChecks, OnlySubCode0001IsLegal) {
    EXPECT_TRUE(RigOpFunc_CheckSubNameLegal("0001"));
    for (const char* s : {"0002", "0000", "001", "00010", "", "0001 "})
        EXPECT_FALSE(RigOpFunc_CheckSubNameLegal(s)) << s;
}
