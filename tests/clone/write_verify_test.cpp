// SPDX-License-Identifier: GPL-3.0-or-later
#include "clone/write_verify.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "version_document.h"

namespace {

using M = clsRigQ5_Master;

// A version 0 receiver (AM allowed, no FM TV) about to be written: bank A
// channel 05 in use, the US TV channels, everything prepared as it goes out.
struct Written : VersionDocument {
    clsCmcEeprom image;
    Written() : VersionDocument(0, 1, 0) {
        PrepareRxQ5Document(radio);
        clsRigQ5_Ch& ch = *master.ListCh(M::kListMemory, 5);
        ch.AppearCh(true);
        ch.FreqOp_Pure(14550000);
        ch.Name("ABC");
        master.WriteToEep();
        master.PresetTv(9);
        master.FullCareEepToCloneWrite();
        image.CopyFrom(radio.eepImage);
    }
};

}  // namespace

TEST(WriteVerify, EachDifferingByteIsNamedWhereTheUserSeesIt) {
    Written w;
    const struct {
        std::vector<std::pair<std::int32_t, int>> changes;  // address, bits inverted
        int bytes;
        std::vector<std::string> places;
    } cases[] = {
        {{}, 0, {}},
        {{{0x0051, 0x01}}, 1, {"Bank A 05: Frequency"}},
        // Two bytes of one field are one place.
        {{{0x0051, 0x01}, {0x0052, 0x10}}, 2, {"Bank A 05: Frequency"}},
        {{{0x005A, 0x01}}, 1, {"Bank A 05: Name"}},
        // A byte of a blank channel shows nowhere: the channel is named.
        {{{0x0031, 0x01}}, 1, {"Bank A 03"}},
        {{{0x0031, 0x01}, {0x0051, 0x01}}, 2, {"Bank A 03", "Bank A 05: Frequency"}},
        // The skip bit of TV channel index 10, kept outside its record.
        {{{0x1F11, 0x04}}, 1, {"TV 11: Skip"}},
        {{{0x1900, 0x01}}, 1, {"Program scan edge 00A: Frequency"}},
        {{{0x1CAD, 0x01}}, 1, {"TV 06: Frequency"}},
        {{{0x1F26, 0x01}}, 1, {"Setting: Beep Audio"}},
        {{{0x1F5C, 0x04}}, 1, {"Setting: Display Mode"}},
        {{{0x1F5C, 0x05}}, 1, {"Setting: Display Mode", "Address 1F5C"}},
        {{{0x1F61, 0x01}}, 1, {"Setting: Comment"}},
        {{{0x1F58, 0x01}}, 1, {"Address 1F58"}},
        // The FM TV channels of a version without FM TV are in no list.
        {{{0x1ED4, 0x01}}, 1, {"Address 1ED4"}},
        // In address order.
        {{{0x1F26, 0x01}, {0x0051, 0x01}}, 2, {"Bank A 05: Frequency", "Setting: Beep Audio"}},
    };
    for (const auto& c : cases) {
        clsCmcEeprom back;
        back.CopyFrom(w.image);
        std::string what;
        for (const auto& [address, bits] : c.changes) {
            back.WriteByte(address, back.ReadByte(address) ^ bits);
            what += Hex4(address) + " ";
        }
        const WriteVerifyResult r = VerifyWrittenImage(w.master, w.image, back);
        EXPECT_EQ(r.differingBytes, c.bytes) << what;
        EXPECT_EQ(r.places, c.places) << what;
        EXPECT_EQ(r.Verified(), c.bytes == 0) << what;
    }
}

TEST(WriteVerify, OnlyTheCloneWriteRangesAreCompared) {
    Written w;
    w.radio.cloneWriteAdrList_Clear();
    w.radio.cloneWriteAdrList_Add(0x0000, 0x18FF);  // the memory channels alone
    clsCmcEeprom back;
    back.CopyFrom(w.image);
    back.WriteByte(0x1F26, back.ReadByte(0x1F26) ^ 1);
    EXPECT_TRUE(VerifyWrittenImage(w.master, w.image, back).Verified());
    back.WriteByte(0x18FF, back.ReadByte(0x18FF) ^ 1);
    EXPECT_EQ(VerifyWrittenImage(w.master, w.image, back).places,
              std::vector<std::string>{"Bank H 49"});
}
