// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/channel_sort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "read_values.h"
#include "version_document.h"

namespace {

using M = clsRigQ5_Master;

constexpr int kKeyBankB = 4;
constexpr int kBankB = 50;  // bank B's first memory channel

// Bank B filled as a user leaves it: channels in use and blank ones (which
// keep values out of view) mixed, some frequencies and names repeated, some
// names empty, letter case mixed. The document is clean.
struct Doc : VersionDocument {
    explicit Doc(std::uint32_t seed) : VersionDocument(1) {
        Pick pick(seed);
        const char* const names[] = {"", "", "alpha", "Alpha", "BETA", "gamma", "Zulu", "a1"};
        for (int i = kBankB; i < kBankB + 50; ++i) {
            clsRigQ5_Ch& c = Use(M::kListMemory, i, 14400000 + pick(0, 12) * 50000);
            WriteValues(c, {pick(0, 2), 0, 0, pick(0, 49), 0, 0, 0, 0, 0, 0, pick(0, 9)},
                        names[pick(0, 7)]);
            c.AppearCh(pick(0, 3) != 0);
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
    // A channel's place in the order: the key, ties by the other key; named
    // channels before unnamed ones, letter case ignored.
    std::tuple<std::int32_t, bool, std::string, std::int32_t> Key(int i, SortBy by) const {
        const clsRigQ5_Ch& c = *master.ListCh(M::kListMemory, i);
        std::string s = c.Name();
        for (char& ch : s) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
        const bool byName = by == SortBy::Name;
        return {byName ? 0 : c.FreqOp_Pure(), s.empty(), s, byName ? c.FreqOp_Pure() : 0};
    }
};

}  // namespace

TEST(ChannelSort, ABankSortedByFrequencyOrNameKeepsEveryChannelAndPutsBlanksLast) {
    // VFO, memory folder, scan edges, TV lists, the root, no key: no bank to sort.
    Doc other(7);
    for (const int key : {1, 2, 11, 13, 14, 15, 0, 99})
        EXPECT_FALSE(SortableList(other.master, key) || SortBank(other.master, key, SortBy::Name));
    EXPECT_TRUE(SortableList(other.master, 3) && !other.radio.EditOn());
    for (const SortBy by : {SortBy::Frequency, SortBy::Name}) {
        for (std::uint32_t seed = 1; seed <= 20; ++seed) {
            SCOPED_TRACE("seed " + std::to_string(seed));
            Doc d(seed);
            std::vector<ByteStr> before = d.Records(kBankB);
            const std::vector<ByteStr> bankA = d.Records(0), bankC = d.Records(100);
            int inUse = 0;
            for (int i = kBankB; i < kBankB + 50; ++i)
                inUse += d.master.ListCh(M::kListMemory, i)->AppearCh();

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
                EXPECT_EQ(d.master.ListCh(M::kListMemory, i)->AppearCh(), i < kBankB + inUse) << i;
            for (int i = kBankB; i + 1 < kBankB + inUse; ++i)
                EXPECT_LE(d.Key(i, by), d.Key(i + 1, by)) << i;
            // Sorted again nothing moves: no edit.
            d.radio.EditOn(false);
            EXPECT_FALSE(SortBank(d.master, kKeyBankB, by) || d.radio.EditOn());
        }
    }
}
