// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sstream>

#include "cases.h"
#include "model/grid_texts.h"
#include "model/master.h"
#include "model/tv_presets.h"
#include "read_values.h"
#include "version_document.h"

namespace {

using M = clsRigQ5_Master;

constexpr int kKeyVfo = 1, kKeyBankA = 3, kKeyTv = 13;

std::string Joined(const std::vector<std::string>& cells) {
    std::string s;
    for (const auto& c : cells) s += c + "|";
    return s;
}

}  // namespace

TEST(GridTexts, RowsShowTheItemsEachChannelHasTreeKeysSplitIntoNodes) {
    // A blank row shows only its number; a missing VFO band and an item the
    // channel lacks (even the filler column of an AM-only channel) "---";
    // "?" marks a frequency outside the coverage; the mode column of an
    // AM-only channel says "AM". Every channel holds the same values.
    constexpr int kMem = M::kListMemory, kVfo = M::kListVfo, kScan = M::kListPScan,
                  kTv = M::kListTv;
    const int keys[] = {kKeyVfo, kKeyBankA, 11, kKeyTv};
    const struct {
        int version, amOk, type, index;
        std::int32_t freq;  // 0: blank
        const char* row;
    } cases[] = {
        {1, 0, kMem, 6, 0, "06|||||||||||"},
        {8, 0, kMem, 0, 10000000, "00| 100.000000?|-Dup|   0.005000|CH|ON|88.5|M|WFM|12.5k||"},
        {1, 0, kScan, 3, 14500000, "01B| 145.000000|-Dup|   0.005000|CH|ON|88.5|WFM|12.5k||"},
        {6, 0, kVfo, 0, 0, "00|---|---|---|---|---|---|---|---|---|---|"},
        {0, 0, kVfo, 8, 80000000, "08| 800.000000|-Dup|   0.005000|ON|88.5|0|Rev|WFM|12.5k||"},
        {1, 1, kMem, 2, 100000, "02|   0.999000|---|---|CH|---|---|M|AM|---|---|"},
        {1, 0, kTv, 0, 5525000, "01|  55.250000|+2M|Skip||"}};
    for (const auto& c : cases) {
        VersionDocument d(c.version, c.amOk);
        auto& ch = d.Use(c.type, c.index, c.freq);
        ch.AppearCh(c.freq != 0);
        WriteValues(ch, {1, 500, 1, 8, 3, 1, 63, 1, 1, 2, 3}, "CH");
        EXPECT_EQ(Joined(ChannelRowTexts(d.master, keys[c.type], c.index)), c.row);
    }
    // The columns of each list; the VFOs show FM TV's two only where the
    // receiver has FM TV.
    const struct {
        int fmTv, key;
        const char* titles;
    } columns[] = {
        {0, kKeyVfo, "BAND|Frequency|Duplex|Offset Freq.|TSQL|CTCSS Freq.|Mode|TS||"},
        {1, kKeyVfo,
         "BAND|Frequency|Duplex|Offset Freq.|TSQL|CTCSS Freq.|Sub Carrier|Reverse|Mode|TS||"},
        {0, kKeyBankA, "CH|Frequency|Duplex|Offset Freq.|Name|TSQL|CTCSS Freq.|Skip|Mode|TS||"},
        {0, kKeyTv, "CH|Frequency|IF Shift|Skip||"},
    };
    for (const auto& c : columns) {
        std::string titles;
        for (const std::string& t :
             ChannelColumnTitles(VersionDocument(1, 0, c.fmTv).master, c.key))
            titles += TrimRight(t) + "|";
        EXPECT_EQ(titles, c.titles);
    }
    const VersionDocument d(1);
    EXPECT_TRUE(ChannelRowTexts(d.master, 0, 0).empty() &&
                ChannelColumnTitles(d.master, 2).empty());
    EXPECT_TRUE(ChannelRowTexts(d.master, kKeyTv, 83).empty());
    const VersionDocument v0(0);
    // "definition>image/selected image/parent/key/caption;"
    std::istringstream definitions(v0.master.TreeKeyStr(0) + ">3/3//R/RX-Q5;" +
                                   v0.master.TreeKeyStr(15) +
                                   ">1/1/TV/FmTV/FM TV;x,,A->B|C|D>0/0/A/B/C|D;>0/0///");
    for (std::string c; std::getline(definitions, c, ';');) {
        const TreeKeyParts p = ParseTreeKeyStr(c.substr(0, c.rfind('>')));
        EXPECT_EQ(c.substr(c.rfind('>') + 1), std::to_string(p.image) + "/" +
                                                  std::to_string(p.selectedImage) + "/" + p.parent +
                                                  "/" + p.key + "/" + p.caption);
    }
}

TEST(TvPresets, EveryPlanGivesExactlyItsEntriesAndBlanksTheRest) {
    VersionDocument d(1);
    for (int index = -1; index <= 10; ++index) {  // the receiver knows ten plans
        for (int i = 0; i < 83; ++i) {
            WriteValues(d.Use(M::kListTv, i, 10000000), {0, 0, 0, 0, 4, 0, 0, 0, 1});
            d.master.Set1Ch(*d.master.ListCh(M::kListTv, i), M::kListTv, i, M::kProgramForm);
        }
        d.master.PresetTv(index);
        const TvPresetTable* table = TvPresetOf(index);
        EXPECT_EQ(table != nullptr, index >= 0 && index < 10);
        for (int i = 0; i < 83; ++i) {
            const auto& ch = *d.master.ListCh(M::kListTv, i);
            const std::size_t at = 6 * static_cast<std::size_t>(i);
            const bool entry = table != nullptr && table->freqs.size() >= at + 5 &&
                               table->freqs.substr(at, 5) != "00000";
            EXPECT_EQ(ch.AppearCh(), entry) << index << "/" << i;
            if (entry) {
                EXPECT_EQ(ch.FreqOp_Pure(),
                          std::stoi(std::string(table->freqs.substr(at, 5))) * 1000);
                EXPECT_EQ(ch.SkipT_Pure(), table->skip.size() > at / 6 && table->skip[i] == 'S');
            }
            // A blank channel keeps its skip bit set in the image.
            EXPECT_EQ(d.radio.eepImage.ReadBit(0x1F10 + i / 8, i % 8), entry ? ch.SkipT_Pure() : 1);
        }
    }
    // Every plan's channels with their IF shifts, as the receivers have them.
    std::string all;
    for (int index = 0; index < 10; ++index) {
        d.master.PresetTv(index);
        for (int i = 0; i < 83; ++i) all += ReadValues(*d.master.ListCh(M::kListTv, i)) + " ";
    }
    EXPECT_EQ(Fingerprint(all), 13826210904774150566ULL) << all;
}
