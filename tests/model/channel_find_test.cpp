// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/channel_find.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>
#include <vector>

#include "version_document.h"

namespace {

using M = clsRigQ5_Master;
using Places = std::vector<std::pair<int, int>>;

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
        // A VFO keeps name bytes the grid never shows.
        master.ListCh(M::kListVfo, 1)->Name("Hidden");
    }
    clsRigQ5_Ch& Use(int type, int index, std::int32_t freq, const std::string& name) {
        clsRigQ5_Ch& ch = *master.ListCh(type, index);
        ch.AppearCh(true);
        ch.FreqOp_Pure(freq);
        ch.Name(name);
        return ch;
    }
    Places All(const std::string& text) const {
        Places v;
        for (const ChannelPlace& p : FindAllChannels(master, MakeFindQuery(master, text)))
            v.emplace_back(p.key, p.row);
        return v;
    }
};

}  // namespace

TEST(ChannelFind, FindsFrequenciesAsTypedAndNamesInEveryListInTreeOrder) {
    Doc d;
    // A frequency is read as typed and snapped to the grid; the name
    // "r145.5" holds the text too; a second point makes it a name.
    const std::pair<const char*, Places> cases[] = {
        {"145.5", {{kKeyBankA, 7}, {kKeyBankC, 20}, {kKeyPScan, 4}}},
        {" 0145.500000 ", {{kKeyBankA, 7}, {kKeyPScan, 4}}},
        {"145.5012", {{kKeyBankA, 7}, {kKeyPScan, 4}}},
        {"1280", {{kKeyFmTv, 2}}},
        {"LOCA", {{kKeyBankA, 7}}},
        {"R145", {{kKeyBankC, 20}}},
        {"145.5.5", {}},
        {"Hidden", {}},
        {"", {}},
        {"   ", {}}};
    for (const auto& [text, places] : cases) EXPECT_EQ(d.All(text), places) << text;
    // An FM TV channel of a version without FM TV reads as blank.
    d.master.MatrixObj().MtxFmTvOk(0);
    d.master.Reset();
    EXPECT_TRUE(d.All("1280").empty());
}

TEST(ChannelFind, FindNextGoesOnAfterThePlaceAndWrapsRound) {
    const Doc d;
    // From the top; after a row between matches; after the last match (wraps
    // round); after a folder node; the only match again after itself.
    const std::tuple<const char*, ChannelPlace, ChannelPlace, bool> cases[] = {
        {"145.5", {-1, -1}, {kKeyBankA, 7}, false},
        {"145.5", {kKeyBankC, 3}, {kKeyBankC, 20}, false},
        {"145.5", {kKeyPScan, 4}, {kKeyBankA, 7}, true},
        {"145.5", {2, 0}, {kKeyBankA, 7}, false},
        {"local", {kKeyBankA, 7}, {kKeyBankA, 7}, true}};
    for (const auto& [text, after, expected, wrapped] : cases) {
        const FindResult r =
            FindChannel(d.master, MakeFindQuery(d.master, text), after.key < 0 ? nullptr : &after);
        EXPECT_TRUE(r.found && r.place.key == expected.key && r.place.row == expected.row &&
                    r.wrapped == wrapped)
            << after.key << "/" << after.row;
    }
    EXPECT_FALSE(FindChannel(d.master, MakeFindQuery(d.master, "none")).found);
    EXPECT_EQ(FindNotFoundText("none"), "Cannot find \"none\".");
}
