// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/grid_edit.h"

#include <gtest/gtest.h>

#include "read_values.h"

namespace {

using M = clsRigQ5_Master;
using G = GridEdit;

constexpr int kKeyVfo = 1, kKeyBankA = 3, kKeyBankB = 4, kKeyBankC = 5, kKeyPScan = 11, kKeyTv = 13;

struct Doc {
    clsCmcRadio radio;
    clsRigQ5_Master master{radio};
    GridEdit edit{master};
    explicit Doc(int version = 1) {
        master.MatrixObj().MtxVerNo(version);
        master.Init_MakeInitial();
        master.Reset();
        // Bank A: channels 0..9 in use, a clean document.
        for (int i = 0; i < 10; ++i) Use(M::kListMemory, i, 14500000 + i * 2500);
        for (int i = 10; i < 400; ++i) master.ListCh(M::kListMemory, i)->AppearCh(false);
        master.WriteToEep();
        radio.EditOn(false);
    }
    clsRigQ5_Ch& Use(int type, int index, std::int32_t freq) {
        auto& ch = *master.ListCh(type, index);
        ch.AppearCh(true);
        ch.FreqOp_Pure(freq);
        return ch;
    }
    std::string Mem(int index) const { return ReadValues(*master.ListCh(M::kListMemory, index)); }
    std::vector<std::string> Bank(int first, int count) const {
        std::vector<std::string> v;
        for (int i = first; i < first + count; ++i) v.push_back(Mem(i));
        return v;
    }
};

}  // namespace

TEST(GridEdit, DeleteMovesTheRestOfTheGroupUpAndBlanksItsLastChannel) {
    {
        Doc d;
        d.Use(M::kListMemory, 49, 14600000);
        d.Use(M::kListMemory, 50, 14700000);  // bank B's first channel
        const auto before = d.Bank(0, 51);
        EXPECT_EQ(d.edit.Delete(kKeyBankA, 0), G::kDone);
        for (int i = 0; i <= 48; ++i)
            EXPECT_EQ(d.Mem(i), before[static_cast<std::size_t>(i + 1)]) << i;
        EXPECT_FALSE(d.master.ListCh(M::kListMemory, 49)->AppearCh());
        EXPECT_EQ(d.Mem(50), before[50]);
        EXPECT_TRUE(d.radio.EditOn());
    }
    {
        // On the last row of a group it only blanks that channel.
        Doc d;
        d.Use(M::kListMemory, 49, 14600000);
        d.Use(M::kListMemory, 50, 14700000);
        const auto before = d.Bank(0, 51);
        EXPECT_EQ(d.edit.Delete(kKeyBankA, 49), G::kDone);
        for (int i = 0; i <= 48; ++i) EXPECT_EQ(d.Mem(i), before[static_cast<std::size_t>(i)]);
        EXPECT_FALSE(d.master.ListCh(M::kListMemory, 49)->AppearCh());
        EXPECT_EQ(d.Mem(50), before[50]);
    }
    {
        // In bank B the rows are channels 50..99.
        Doc d;
        d.Use(M::kListMemory, 53, 14600000);
        d.Use(M::kListMemory, 54, 14700000);
        const std::string ch54 = d.Mem(54);
        d.edit.Delete(kKeyBankB, 3);
        EXPECT_EQ(d.Mem(53), ch54);
        EXPECT_FALSE(d.master.ListCh(M::kListMemory, 54)->AppearCh());
        EXPECT_EQ(d.Mem(3), ReadValues(*d.master.ListCh(M::kListMemory, 3)));
        EXPECT_TRUE(d.master.ListCh(M::kListMemory, 3)->AppearCh());
    }
}

TEST(GridEdit, InsertMovesTheRestDownWithinTheGroup) {
    {
        Doc d;
        d.Use(M::kListMemory, 50, 14700000);
        const auto before = d.Bank(0, 51);
        EXPECT_EQ(d.edit.Insert(kKeyBankA, 0), G::kDone);
        EXPECT_FALSE(d.master.ListCh(M::kListMemory, 0)->AppearCh());
        for (int i = 1; i <= 49; ++i)
            EXPECT_EQ(d.Mem(i), before[static_cast<std::size_t>(i - 1)]) << i;
        EXPECT_EQ(d.Mem(50), before[50]);
        EXPECT_TRUE(d.radio.EditOn());
    }
    {
        // On a blank last row: blank again, nothing moves.
        Doc d;
        const auto before = d.Bank(0, 50);
        EXPECT_EQ(d.edit.Insert(kKeyBankA, 49), G::kDone);
        EXPECT_EQ(d.Bank(0, 50), before);
    }
    {
        // In the middle of bank B.
        Doc d;
        d.Use(M::kListMemory, 55, 14600000);
        const std::string ch55 = d.Mem(55);
        d.edit.Insert(kKeyBankB, 5);
        EXPECT_FALSE(d.master.ListCh(M::kListMemory, 55)->AppearCh());
        EXPECT_EQ(d.Mem(56), ch55);
    }
}

TEST(GridEdit, InsertIsRefusedWhenTheGroupsLastChannelIsInUse) {
    for (const int row : {0, 25, 49}) {
        Doc d;
        d.Use(M::kListMemory, 49, 14600000);
        d.master.WriteToEep();
        d.radio.EditOn(false);
        const auto before = d.Bank(0, 51);
        EXPECT_EQ(d.edit.Insert(kKeyBankA, row), G::kInsertRefused);
        EXPECT_EQ(d.Bank(0, 51), before);
        EXPECT_FALSE(d.radio.EditOn());
    }
    EXPECT_STREQ(G::kMsgInsertRefused, "The last CH is not blank. Cannot insert a blank channel.");
}

TEST(GridEdit, ClipboardHoldsASnapshot) {
    Doc d;
    auto& ch = *d.master.ListCh(M::kListMemory, 4);
    ch.Name("SNAP");
    const std::string before = d.Mem(4);
    EXPECT_FALSE(d.edit.Enabled(G::kPaste, kKeyBankA, 4));  // nothing copied yet
    d.edit.Copy(kKeyBankA, 4);
    EXPECT_FALSE(d.radio.EditOn());  // a copy changes nothing
    d.edit.Clear(kKeyBankA, 4);
    EXPECT_FALSE(ch.AppearCh());
    ch.FreqOp_Pure(43000000);
    d.edit.Paste(kKeyBankA, 4);
    EXPECT_EQ(d.Mem(4), before);
}

TEST(GridEdit, PasteFollowsTheCopyClasses) {
    Doc d;
    d.Use(M::kListTv, 0, 5525000);
    d.Use(M::kListPScan, 3, 14600000);
    struct Case {
        int fromKey, fromRow, toKey, toRow;
        bool allowed;
    };
    const Case cases[] = {
        {kKeyBankA, 1, kKeyBankB, 0, true},    // memory onto memory
        {kKeyBankA, 1, kKeyPScan, 3, true},    // memory onto a scan edge
        {kKeyPScan, 3, kKeyBankA, 7, true},    // and back
        {kKeyBankA, 1, kKeyTv, 0, false},      // memory onto TV
        {kKeyTv, 0, kKeyBankA, 1, false},      // TV onto memory
        {kKeyTv, 0, kKeyTv, 5, true},          // TV onto TV
        {kKeyBankA, 1, kKeyVfo, 1, false},     // memory onto a VFO
        {kKeyBankA, 30, kKeyPScan, 0, false},  // a blank onto an edge that cannot be blank
        {kKeyBankA, 30, kKeyBankA, 2, true},   // a blank onto memory
    };
    for (const auto& c : cases) {
        ASSERT_EQ(d.edit.Copy(c.fromKey, c.fromRow), G::kDone);
        EXPECT_EQ(d.edit.Enabled(G::kPaste, c.toKey, c.toRow), c.allowed)
            << c.fromKey << "/" << c.fromRow << " -> " << c.toKey << "/" << c.toRow;
        const auto* target = d.master.ChUnit(c.toKey, c.toRow);
        const std::string before = ReadValues(*target);
        const int r = d.edit.Paste(c.toKey, c.toRow);
        EXPECT_EQ(r, c.allowed ? G::kDone : G::kDisabled);
        if (!c.allowed) {
            EXPECT_EQ(ReadValues(*target), before);
        }
    }
}

TEST(GridEdit, AMoveCarriesTheValuesAndBlanksTheSourceACopyKeepsIt) {
    for (const bool keep : {false, true}) {
        SCOPED_TRACE(keep ? "copy" : "move");
        Doc d;
        d.Use(M::kListMemory, 3, 14650000).Name("MOVE");
        const std::string moved = d.Mem(3);
        ASSERT_EQ(d.edit.Move(kKeyBankA, 3, kKeyBankB, 10, keep), G::kDone);
        EXPECT_EQ(d.Mem(60), moved);
        EXPECT_EQ(d.master.ListCh(M::kListMemory, 3)->AppearCh(), keep);
        if (keep) {
            EXPECT_EQ(d.Mem(3), moved);
        }
        EXPECT_TRUE(d.radio.EditOn());
    }
}

TEST(GridEdit, AMoveNeedsAChannelInUseThatCanBeLeftBlankAndATargetThatTakesIt) {
    Doc d;
    d.Use(M::kListTv, 0, 5525000);
    d.Use(M::kListPScan, 3, 14600000);
    struct Case {
        const char* what;
        int fromKey, fromRow, toKey, toRow;
        bool move, copy;
    };
    const Case cases[] = {
        {"within a bank", kKeyBankA, 1, kKeyBankA, 20, true, true},
        {"onto itself", kKeyBankA, 1, kKeyBankA, 1, false, false},
        {"a blank channel", kKeyBankA, 30, kKeyBankA, 2, false, false},
        {"memory onto TV", kKeyBankA, 1, kKeyTv, 3, false, false},
        {"TV onto TV", kKeyTv, 0, kKeyTv, 9, true, true},
        {"a VFO cannot be left blank", kKeyVfo, 1, kKeyVfo, 2, false, true},
        {"the first scan edges cannot be left blank", kKeyPScan, 0, kKeyPScan, 8, false, true},
        {"a scan edge onto memory", kKeyPScan, 3, kKeyBankB, 0, true, true},
        {"beyond the list", kKeyBankA, 1, kKeyBankA, 50, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(d.edit.MoveEnabled(c.fromKey, c.fromRow, c.toKey, c.toRow, false), c.move);
        EXPECT_EQ(d.edit.MoveEnabled(c.fromKey, c.fromRow, c.toKey, c.toRow, true), c.copy);
    }
    // A refused move changes nothing.
    d.master.WriteToEep();
    d.radio.EditOn(false);
    const ByteStr image = d.radio.eepImage.bytes();
    EXPECT_EQ(d.edit.Move(kKeyVfo, 1, kKeyVfo, 2, false), G::kDisabled);
    d.master.WriteToEep();
    EXPECT_EQ(d.radio.eepImage.bytes(), image);
    EXPECT_FALSE(d.radio.EditOn());
}

TEST(GridEdit, ADropOnABankTakesItsFirstBlankChannelAndAFullBankIsReported) {
    Doc d;
    d.Use(M::kListMemory, 50, 14700000);  // bank B: row 0 in use, row 1 the first blank
    const std::string moved = d.Mem(4);
    int row = -1;
    EXPECT_EQ(d.edit.MoveToBank(kKeyBankA, 4, kKeyBankB, false, row), G::kDone);
    EXPECT_EQ(row, 1);
    EXPECT_EQ(d.Mem(51), moved);
    EXPECT_FALSE(d.master.ListCh(M::kListMemory, 4)->AppearCh());

    for (int i = 100; i < 150; ++i) d.Use(M::kListMemory, i, 14400000 + i * 2500);
    d.master.WriteToEep();
    const ByteStr image = d.radio.eepImage.bytes();
    EXPECT_TRUE(d.edit.MoveToBankEnabled(kKeyBankA, 5, kKeyBankC, false));
    EXPECT_EQ(d.edit.MoveToBank(kKeyBankA, 5, kKeyBankC, false, row), G::kNoBlankChannel);
    EXPECT_EQ(row, -1);
    d.master.WriteToEep();
    EXPECT_EQ(d.radio.eepImage.bytes(), image);
    EXPECT_EQ(G::NoBlankChannelText("Bank C"), "Bank C has no blank CH.");
    EXPECT_EQ(G::MovedToText(false, "Bank B", "01"), "Moved to Bank B, CH 01.");
    EXPECT_EQ(G::MovedToText(true, "Bank B", "01"), "Copied to Bank B, CH 01.");

    // Not onto the bank it comes from, nor onto a list that is no bank.
    EXPECT_FALSE(d.edit.MoveToBankEnabled(kKeyBankA, 5, kKeyBankA, false));
    EXPECT_FALSE(d.edit.MoveToBankEnabled(kKeyBankA, 5, kKeyPScan, false));
    EXPECT_FALSE(d.edit.MoveToBankEnabled(kKeyBankA, 5, kKeyVfo, true));
    EXPECT_FALSE(d.edit.MoveToBankEnabled(kKeyBankA, 30, kKeyBankB, false));  // blank source
}
