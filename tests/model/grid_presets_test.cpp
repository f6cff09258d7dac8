// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "model/grid_texts.h"
#include "model/master.h"
#include "model/tv_presets.h"
#include "read_values.h"
#include "version_document.h"

namespace {

using M = clsRigQ5_Master;
using Row = std::vector<std::string>;

// Tree keys of the lists used here.
constexpr int kKeyVfo = 1, kKeyBankA = 3, kKeyTv = 13;

struct Doc : VersionDocument {
    using VersionDocument::VersionDocument;
    clsRigQ5_Ch& Use(int type, int index, std::int32_t freq) {
        auto& ch = *master.ListCh(type, index);
        ch.AppearCh(true);
        ch.FreqOp_Pure(freq);
        return ch;
    }
};

}  // namespace

// ---- Grid cells ----

TEST(GridTexts, MemoryChannelRows) {
    Doc d(1);
    auto& ch = d.Use(M::kListMemory, 5, 14500000);
    ch.DupDir_Pure(0);
    ch.FreqDup_Pure(0);
    ch.Name("ABC");
    ch.TSqlOn_Pure(1);
    ch.ToneNo_Pure(8);
    ch.SkipM_Pure(0);
    ch.ModeNo_Pure(0);
    ch.TsNo_Pure(0);
    EXPECT_EQ(
        ChannelRowTexts(d.master, kKeyBankA, 5),
        (Row{"05", " 145.000000", "OFF", "   0.000000", "ABC", "ON", "88.5", "", "FM", "5k", ""}));

    d.master.ListCh(M::kListMemory, 6)->AppearCh(false);
    EXPECT_EQ(ChannelRowTexts(d.master, kKeyBankA, 6),
              (Row{"06", "", "", "", "", "", "", "", "", "", ""}));

    EXPECT_EQ(ChannelColumnTitles(d.master, kKeyBankA)[1], "Frequency        ");
    EXPECT_EQ(ChannelColumnTitles(d.master, kKeyBankA).size(), 11u);
}

TEST(GridTexts, FrequencyOutsideTheCoverageIsMarked) {
    Doc d(8);
    d.Use(M::kListMemory, 0, 10000000);
    EXPECT_EQ(ChannelRowTexts(d.master, kKeyBankA, 0)[1], " 100.000000?");
    d.Use(M::kListMemory, 0, 14500000);
    EXPECT_EQ(ChannelRowTexts(d.master, kKeyBankA, 0)[1], " 145.000000");
}

TEST(GridTexts, MissingVfoBandShowsOnlyItsNumber) {
    Doc d(6);  // no VFO of band 0
    const Row row = ChannelRowTexts(d.master, kKeyVfo, 0);
    ASSERT_EQ(row.size(), 11u);
    EXPECT_EQ(row[0], "00");
    for (std::size_t c = 1; c < row.size(); ++c) EXPECT_EQ(row[c], "---") << c;
}

TEST(GridTexts, ItemsAChannelDoesNotHaveShowDashes) {
    Doc d(0);
    auto& vfo = d.Use(M::kListVfo, 5, 14500000);
    vfo.ModeNo_Pure(0);
    // BAND, Frequency, Duplex, Offset, TSQL, CTCSS, Sub Carrier, Reverse, Mode, TS, filler.
    Row row = ChannelRowTexts(d.master, kKeyVfo, 5);
    EXPECT_EQ(row[0], "05");
    EXPECT_EQ(row[6], "---");
    EXPECT_EQ(row[7], "---");
    EXPECT_EQ(row[10], "");
    auto& vfo8 = d.Use(M::kListVfo, 8, 80000000);
    vfo8.TvSubCarrier_Pure(63);
    vfo8.TvReverse_Pure(1);
    row = ChannelRowTexts(d.master, kKeyVfo, 8);
    EXPECT_EQ(row[6], "0");
    EXPECT_EQ(row[7], "Rev");
}

// An AM-only channel has only its number, frequency, name and skip mark; even
// the filler column counts as an item it lacks.
TEST(GridTexts, AmOnlyChannelShowsAmInTheModeColumn) {
    Doc d(1, 1);
    auto& ch = d.Use(M::kListMemory, 2, 100000);
    ch.Name("MW");
    ch.SkipM_Pure(2);
    EXPECT_EQ(
        ChannelRowTexts(d.master, kKeyBankA, 2),
        (Row{"02", "   0.999000", "---", "---", "MW", "---", "---", "M+P", "AM", "---", "---"}));
}

TEST(GridTexts, TvRowsAndFolders) {
    Doc d(1);
    auto& tv = d.Use(M::kListTv, 0, 5525000);
    tv.TvIf_Pure(3);
    tv.SkipT_Pure(1);
    EXPECT_EQ(ChannelRowTexts(d.master, kKeyTv, 0), (Row{"01", "  55.250000", "+2M", "Skip", ""}));
    EXPECT_EQ(ChannelColumnTitles(d.master, kKeyTv),
              (Row{"CH   ", "Frequency        ", "IF Shift   ", "Skip   ", ""}));
    EXPECT_TRUE(ChannelRowTexts(d.master, 0, 0).empty());
    EXPECT_TRUE(ChannelColumnTitles(d.master, 2).empty());
    EXPECT_TRUE(ChannelRowTexts(d.master, kKeyTv, 83).empty());
}

// ---- TV presets ----

TEST(TvPresets, UsaPlan) {
    Doc d(1);
    d.master.PresetTv(9);
    EXPECT_EQ(TvPresetOf(9)->caption, "USA");
    auto tv = [&](int i) { return d.master.ListCh(M::kListTv, i); };
    EXPECT_FALSE(tv(0)->AppearCh());
    EXPECT_TRUE(tv(1)->AppearCh());
    EXPECT_EQ(tv(1)->FreqOp_Pure(), 5525000);
    EXPECT_EQ(tv(3)->TvIf_Pure(), 2);  // "-2"
    EXPECT_EQ(tv(68)->FreqOp_Pure(), 80125000);
    EXPECT_EQ(tv(68)->TvIf_Pure(), 3);  // "+2"
    for (int i = 69; i < 83; ++i) EXPECT_FALSE(tv(i)->AppearCh()) << i;
    // Written into the image at once.
    EXPECT_EQ(d.radio.eepImage.ReadBlock(M::EeAdr_Ch(M::kListTv, 1), 4),
              (ByteStr{0x00, 0x55, 0x25, 0x00}));
    EXPECT_EQ(d.radio.eepImage.ReadBlock(M::EeAdr_Ch(M::kListTv, 0), 4), ByteStr(4, 0xFF));
    EXPECT_EQ(d.radio.eepImage.ReadBlock(M::EeAdr_Ch(M::kListTv, 82), 4), ByteStr(4, 0xFF));
}

TEST(TvPresets, FotAndJapanPlans) {
    Doc d(1);
    d.master.PresetTv(3);
    for (int i = 0; i < 83; ++i)
        EXPECT_EQ(d.master.ListCh(M::kListTv, i)->AppearCh(), i >= 3 && i <= 8) << i;
    EXPECT_EQ(d.master.ListCh(M::kListTv, 3)->FreqOp_Pure(), 17525000);

    d.master.PresetTv(6);
    for (int i = 0; i < 83; ++i) {
        const auto* ch = d.master.ListCh(M::kListTv, i);
        EXPECT_EQ(ch->AppearCh(), i < 62) << i;
        // A blank channel's skip bit in the image is left as it was.
        if (i < 62) {
            EXPECT_EQ(ch->SkipT_Pure(), i >= 12 ? 1 : 0) << i;
            EXPECT_EQ(d.radio.eepImage.ReadBit(0x1F10 + i / 8, i % 8), i >= 12 ? 1 : 0) << i;
        }
    }
    EXPECT_EQ(d.master.ListCh(M::kListTv, 0)->TvIf_Pure(), 2);
    EXPECT_EQ(d.master.ListCh(M::kListTv, 1)->TvIf_Pure(), 4);
}

TEST(TvPresets, EveryPlanBlanksChannelsWithoutAnEntry) {
    Doc d(1);
    for (int index = -1; index <= kNumTvPresets; ++index) {
        for (int i = 0; i < 83; ++i) {
            auto& ch = d.Use(M::kListTv, i, 10000000);
            ch.SkipT_Pure(1);
            ch.TvIf_Pure(4);
            d.master.Set1Ch(ch, M::kListTv, i, M::kProgramForm);
        }
        d.master.PresetTv(index);
        const TvPresetTable* table = TvPresetOf(index);
        for (int i = 0; i < 83; ++i) {
            const auto& ch = *d.master.ListCh(M::kListTv, i);
            const std::size_t at = 6 * static_cast<std::size_t>(i);
            const bool entry = table != nullptr && table->freqs.size() >= at + 5 &&
                               table->freqs.substr(at, 5) != "00000";
            EXPECT_EQ(ch.AppearCh(), entry) << index << "/" << i;
            if (entry) {
                EXPECT_EQ(ch.FreqOp_Pure(),
                          std::stoi(std::string(table->freqs.substr(at, 5))) * 1000);
                EXPECT_EQ(ch.SkipT_Pure(), table->skip.size() > static_cast<std::size_t>(i) &&
                                               table->skip[i] == 'S');
            }
            // The image holds exactly the records.
            clsRigQ5_Ch back(d.master.MatrixObj(), clsRigQ5_Ch::kIdentTv);
            d.master.Get1Ch(back, M::kListTv, i, M::kProgramForm);
            EXPECT_EQ(ReadValues(back), ReadValues(ch)) << index << "/" << i;
        }
    }
}

TEST(TvPresets, PlansHaveOneIfShiftPerFrequencyEntry) {
    const std::size_t entries[kNumTvPresets] = {68, 69, 68, 9, 69, 69, 62, 11, 12, 69};
    for (int index = 0; index < kNumTvPresets; ++index) {
        const TvPresetTable* t = TvPresetOf(index);
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(t->freqs.size(), 6 * entries[index] - 1) << t->caption;
        EXPECT_EQ(t->ifShift.size(), 2 * entries[index]) << t->caption;
        for (std::size_t i = 0; i + 5 < t->freqs.size(); i += 6)
            EXPECT_EQ(t->freqs[i + 5], ',') << t->caption;
    }
    EXPECT_EQ(TvPresetOf(6)->skip.size(), 62u);
    EXPECT_EQ(TvPresetOf(10), nullptr);
    EXPECT_EQ(TvPresetOf(-1), nullptr);
}

TEST(GridTexts, TreeKeyDefinitionsSplitIntoNodes) {
    Doc d(0);
    const struct {
        int key;
        int image;
        const char* parent;
        const char* name;
        const char* caption;
    } cases[] = {{0, 3, "", "R", "RX-Q5"},
                 {2, 2, "R", "Mch", "Memory CH"},
                 {10, 1, "Mch", "BankH", "Bank H"},
                 {11, 1, "R", "Pch", "Program scan edge"},
                 {15, 1, "TV", "FmTV", "FM TV"}};
    for (const auto& c : cases) {
        const TreeKeyParts p = ParseTreeKeyStr(d.master.TreeKeyStr(c.key));
        EXPECT_EQ(p.image, c.image) << c.key;
        EXPECT_EQ(p.selectedImage, c.image) << c.key;
        EXPECT_EQ(p.parent, c.parent) << c.key;
        EXPECT_EQ(p.key, c.name) << c.key;
        EXPECT_EQ(p.caption, c.caption) << c.key;
    }
    const TreeKeyParts odd = ParseTreeKeyStr("x,,A->B|C|D");
    EXPECT_EQ(odd.image, 0);
    EXPECT_EQ(odd.key, "B");
    EXPECT_EQ(odd.caption, "C|D");
    EXPECT_EQ(ParseTreeKeyStr("").key, "");
}
