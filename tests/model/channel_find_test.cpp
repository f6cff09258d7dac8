// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/channel_find.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "version_document.h"

namespace {

using M = clsRigQ5_Master;

constexpr int kKeyBankA = 3, kKeyBankC = 5, kKeyPScan = 11, kKeyFmTv = 15;

// A few channels in use across the tree; every other memory, scan edge and
// TV channel blank, so the VFOs are the only others.
struct Doc : VersionDocument {
    Doc() : VersionDocument(1) {
        for (const int type :
             {M::kListMemory, M::kListPScan, M::kListTv, M::kListAmTv, M::kListFmTv})
            for (int i = 0; i < M::NumRecordsOfListType(type); ++i)
                master.ListCh(type, i)->AppearCh(false);
        Use(M::kListMemory, 7, 14550000, "Local");
        Use(M::kListMemory, 120, 43300000, "r145.5");
        Use(M::kListPScan, 4, 14550000, "");
        Use(M::kListFmTv, 2, 128000000, "");
        // Blank, with the searched frequency still stored out of view.
        Use(M::kListMemory, 300, 14550000, "Local").AppearCh(false);
    }
    clsRigQ5_Ch& Use(int type, int index, std::int32_t freq, const std::string& name) {
        clsRigQ5_Ch& ch = *master.ListCh(type, index);
        ch.AppearCh(true);
        ch.FreqOp_Pure(freq);
        ch.Name(name);
        return ch;
    }
    std::vector<std::pair<int, int>> All(const std::string& text) const {
        std::vector<std::pair<int, int>> v;
        for (const ChannelPlace& p : FindAllChannels(master, MakeFindQuery(master, text)))
            v.emplace_back(p.key, p.row);
        return v;
    }
};

}  // namespace

TEST(ChannelFind, FindsFrequenciesAsTypedAndNamesInEveryListInTreeOrder) {
    const Doc d;
    const struct {
        const char* text;
        std::vector<std::pair<int, int>> places;
    } cases[] = {
        // The name "r145.5" holds the text too.
        {"145.5", {{kKeyBankA, 7}, {kKeyBankC, 20}, {kKeyPScan, 4}}},
        {" 0145.500000 ", {{kKeyBankA, 7}, {kKeyPScan, 4}}},
        {"145.5012", {{kKeyBankA, 7}, {kKeyPScan, 4}}},  // snapped to the grid as typed
        {"1280", {{kKeyFmTv, 2}}},
        {"LOC", {{kKeyBankA, 7}}},
        {"R145", {{kKeyBankC, 20}}},
        {"145.5.5", {}},  // a second point makes it a name, and no name holds it
        {"nothing", {}},
        {"", {}},
        {"   ", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(d.All(c.text), c.places);
    }
}

TEST(ChannelFind, FindNextGoesOnAfterThePlaceAndWrapsRound) {
    const Doc d;
    const FindQuery q = MakeFindQuery(d.master, "145.5");
    const struct {
        const char* what;
        bool fromTop;
        ChannelPlace after;
        ChannelPlace expected;
        bool wrapped;
    } cases[] = {
        {"from the top", true, {}, {kKeyBankA, 7}, false},
        {"after the first match", false, {kKeyBankA, 7}, {kKeyBankC, 20}, false},
        {"after a row between matches", false, {kKeyBankC, 3}, {kKeyBankC, 20}, false},
        {"after the last match", false, {kKeyPScan, 4}, {kKeyBankA, 7}, true},
        {"after the last row of the tree", false, {kKeyFmTv, 49}, {kKeyBankA, 7}, true},
        {"after a folder node", false, {2, 0}, {kKeyBankA, 7}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const FindResult r = FindChannel(d.master, q, c.fromTop ? nullptr : &c.after);
        ASSERT_TRUE(r.found);
        EXPECT_EQ(r.place.key, c.expected.key);
        EXPECT_EQ(r.place.row, c.expected.row);
        EXPECT_EQ(r.wrapped, c.wrapped);
    }
    // The only match is found again after itself, round the whole tree.
    const FindQuery local = MakeFindQuery(d.master, "local");
    const ChannelPlace at{kKeyBankA, 7};
    const FindResult again = FindChannel(d.master, local, &at);
    EXPECT_TRUE(again.found && again.wrapped);
    EXPECT_EQ(again.place.row, 7);

    EXPECT_FALSE(FindChannel(d.master, MakeFindQuery(d.master, "none"), &at).found);
    EXPECT_EQ(FindNotFoundText("none"), "Cannot find \"none\".");
}

TEST(ChannelFind, NeverFindsWhatTheGridDoesNotShow) {
    Doc d;
    // A VFO keeps name bytes the grid never shows.
    clsRigQ5_Ch& vfo = *d.master.ListCh(M::kListVfo, 1);
    vfo.Name("Hidden");
    EXPECT_TRUE(d.All("Hidden").empty());
    // An FM TV channel of a version without FM TV reads as blank.
    d.master.MatrixObj().MtxFmTvOk(0);
    d.master.Reset();
    EXPECT_TRUE(d.All("1280").empty());
}
