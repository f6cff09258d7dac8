// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/channel_find.h"

#include <gtest/gtest.h>

#include <sstream>
#include <tuple>

#include "version_document.h"

namespace {

using M = clsRigQ5_Master;

constexpr int kKeyBankA = 3, kKeyBankC = 5, kKeyPScan = 11;

// A few channels in use across the tree; every other memory, scan edge and
// TV channel blank, so the VFOs are the only others.
struct Doc : VersionDocument {
    Doc() : VersionDocument(1) {
        Blank({M::kListMemory, M::kListPScan, M::kListTv, M::kListAmTv, M::kListFmTv});
        Use(M::kListMemory, 7, 14550000).Name("Local");
        Use(M::kListMemory, 120, 43300000).Name("r145.5");
        Use(M::kListPScan, 4, 14550000);
        Use(M::kListFmTv, 2, 128000000);
        // Blank, with the searched frequency still stored out of view.
        Use(M::kListMemory, 300, 14550000).Name("Local");
        master.ListCh(M::kListMemory, 300)->AppearCh(false);
        // A VFO keeps name bytes the grid never shows.
        master.ListCh(M::kListVfo, 1)->Name("Hidden");
    }
    std::string All(const std::string& text) const {
        std::string s;
        for (const ChannelPlace& p : FindAllChannels(master, MakeFindQuery(master, text)))
            s += std::to_string(p.key) + "/" + std::to_string(p.row) + " ";
        return s;
    }
};

}  // namespace

TEST(ChannelFind, FindsFrequenciesAsTypedAndNamesInEveryListInTreeOrder) {
    Doc d;
    // A frequency is read as typed and snapped to the grid; the name
    // "r145.5" holds the text too; a second point makes it a name.
    // "text=key/row ...;" for each case.
    std::istringstream cases(
        "145.5=3/7 5/20 11/4 ; 0145.500000 =3/7 11/4 ;145.5012=3/7 11/4 ;1280=15/2 ;LOCA=3/7 ;"
        "R145=5/20 ;145.5.5=;Hidden=;=;   =");
    for (std::string c; std::getline(cases, c, ';');)
        EXPECT_EQ(d.All(c.substr(0, c.find('='))), c.substr(c.find('=') + 1)) << c;
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
