// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/channel_sort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "model/undo_history.h"
#include "version_document.h"

namespace {

using M = clsRigQ5_Master;

constexpr int kKeyVfo = 1, kKeyMemoryFolder = 2, kKeyBankA = 3, kKeyBankB = 4, kKeyBankC = 5,
              kKeyPScan = 11, kKeyTv = 13, kKeyAmTv = 14, kKeyFmTv = 15;
constexpr int kBankB = 50;  // bank B's first memory channel

// Bank B filled as a user leaves it: channels in use and blank ones (which
// keep values out of view) mixed, some frequencies and names repeated, some
// names empty, letter case mixed. The document is clean.
struct Doc : VersionDocument {
    explicit Doc(std::uint32_t seed) : VersionDocument(1) {
        std::mt19937 gen(seed);
        auto pick = [&gen](int lo, int hi) {
            return std::uniform_int_distribution<int>(lo, hi)(gen);
        };
        const char* const names[] = {"", "", "alpha", "Alpha", "BETA", "gamma", "Zulu", "a1"};
        for (int i = kBankB; i < kBankB + 50; ++i) {
            clsRigQ5_Ch& c = *master.ListCh(M::kListMemory, i);
            c.AppearCh(true);
            c.FreqOp_Pure(14400000 + pick(0, 12) * 50000);
            c.Name(names[pick(0, 7)]);
            c.DupDir_Pure(pick(0, 2));
            c.FreqDup_Pure(pick(0, 20) * 10000);
            c.ToneNo_Pure(pick(0, 49));
            c.TSqlOn_Pure(pick(0, 1));
            c.SkipM_Pure(pick(0, 2));
            c.TsNo_Pure(pick(0, 9));
            if (pick(0, 3) == 0) c.AppearCh(false);
        }
        master.WriteToEep();
        radio.EditOn(false);
    }
    // The bank's channel records as the image stores them, 16 bytes each.
    std::vector<ByteStr> Records(int first) const {
        std::vector<ByteStr> v;
        for (int i = first; i < first + 50; ++i)
            v.push_back(radio.eepImage.ReadBlock(M::EeAdr_Ch(M::kListMemory, i), 16));
        return v;
    }
    const clsRigQ5_Ch& Ch(int i) const { return *master.ListCh(M::kListMemory, i); }
};

// A name's place in the order: named channels first, letter case ignored.
std::pair<bool, std::string> NameKey(const clsRigQ5_Ch& c) {
    std::string s = c.Name();
    for (char& ch : s) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    return {s.empty(), s};
}

}  // namespace

TEST(ChannelSort, ABankSortedByFrequencyOrNameKeepsEveryChannelAndPutsBlanksLast) {
    for (const SortBy by : {SortBy::Frequency, SortBy::Name}) {
        for (std::uint32_t seed = 1; seed <= 20; ++seed) {
            SCOPED_TRACE("seed " + std::to_string(seed));
            Doc d(seed);
            std::vector<ByteStr> before = d.Records(kBankB);
            const std::vector<ByteStr> bankA = d.Records(0), bankC = d.Records(100);
            int inUse = 0;
            for (int i = kBankB; i < kBankB + 50; ++i) inUse += d.Ch(i).AppearCh() ? 1 : 0;

            ASSERT_TRUE(SortBank(d.master, kKeyBankB, by));
            EXPECT_TRUE(d.radio.EditOn());
            d.master.WriteToEep();
            // The same records, blank ones with their hidden values included.
            std::vector<ByteStr> after = d.Records(kBankB);
            std::sort(before.begin(), before.end());
            std::sort(after.begin(), after.end());
            EXPECT_EQ(after, before);
            EXPECT_EQ(d.Records(0), bankA);
            EXPECT_EQ(d.Records(100), bankC);

            for (int i = kBankB; i < kBankB + 50; ++i)
                EXPECT_EQ(d.Ch(i).AppearCh(), i < kBankB + inUse) << i;
            for (int i = kBankB; i + 1 < kBankB + inUse; ++i) {
                const clsRigQ5_Ch &a = d.Ch(i), &b = d.Ch(i + 1);
                if (by == SortBy::Frequency) {
                    EXPECT_LE(a.FreqOp_Pure(), b.FreqOp_Pure()) << i;
                    if (a.FreqOp_Pure() == b.FreqOp_Pure()) {
                        EXPECT_LE(NameKey(a), NameKey(b)) << i;
                    }
                } else {
                    EXPECT_LE(NameKey(a), NameKey(b)) << i;
                    if (NameKey(a) == NameKey(b)) {
                        EXPECT_LE(a.FreqOp_Pure(), b.FreqOp_Pure()) << i;
                    }
                }
            }
        }
    }
}

TEST(ChannelSort, OnlyMemoryBanksAreSortedAndASortedBankIsNoEdit) {
    Doc d(7);
    ASSERT_TRUE(SortBank(d.master, kKeyBankB, SortBy::Frequency));
    d.master.WriteToEep();
    d.radio.EditOn(false);
    const ByteStr image = d.radio.eepImage.bytes();
    // Already in order: nothing moves, the document stays clean.
    EXPECT_FALSE(SortBank(d.master, kKeyBankB, SortBy::Frequency));
    for (const int key :
         {kKeyVfo, kKeyMemoryFolder, kKeyPScan, kKeyTv, kKeyAmTv, kKeyFmTv, 0, 99}) {
        SCOPED_TRACE(key);
        EXPECT_FALSE(SortableList(d.master, key));
        EXPECT_FALSE(SortBank(d.master, key, SortBy::Name));
    }
    EXPECT_TRUE(SortableList(d.master, kKeyBankA));
    d.master.WriteToEep();
    EXPECT_EQ(d.radio.eepImage.bytes(), image);
    EXPECT_FALSE(d.radio.EditOn());
}

TEST(ChannelSort, UndoOfASortRestoresTheImageByteForByte) {
    Doc d(3);
    const ByteStr before = d.radio.eepImage.bytes();
    UndoHistory history(d.master);
    history.BeginEdit();
    ASSERT_TRUE(SortBank(d.master, kKeyBankB, SortBy::Name));
    history.EndEdit();
    ASSERT_EQ(history.UndoCount(), 1U);
    const ByteStr sorted = d.radio.eepImage.bytes();
    EXPECT_NE(sorted, before);
    ASSERT_TRUE(history.Undo());
    EXPECT_EQ(d.radio.eepImage.bytes(), before);
    ASSERT_TRUE(history.Redo());
    EXPECT_EQ(d.radio.eepImage.bytes(), sorted);
}
