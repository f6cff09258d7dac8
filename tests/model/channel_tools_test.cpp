// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/channel_tools.h"

#include <gtest/gtest.h>

#include "model/grid_edit.h"
#include "model/undo_history.h"
#include "read_values.h"
#include "version_document.h"

namespace {

using M = clsRigQ5_Master;
using Ch = clsRigQ5_Ch;
constexpr int kKeyBankA = 3, kKeyBankC = 5;

// Version 1 with the medium-wave AM grid; memory bank A: 145 MHz "NOAA",
// blank, 1 MHz (AM only) "MW", 2400 MHz "WIFI", 430 MHz "LONGNM".
struct Doc : VersionDocument {
    UndoHistory history{master};
    Doc() : VersionDocument(1, 1) {
        Blank({M::kListMemory});
        Use(M::kListMemory, 0, 14500000).Name("NOAA");
        Use(M::kListMemory, 2, 100000).Name("MW");
        Use(M::kListMemory, 3, 240000000).Name("WIFI");
        Use(M::kListMemory, 4, 43000000).Name("LONGNM");
        master.WriteToEep();
    }
    const Ch& At(int key, int row) const { return *master.ChUnit(key, row); }
    ByteStr Image() {
        master.WriteToEep();
        return radio.eepImage.bytes();
    }
};

// A fill of count channels from start in spacing, nothing else asked.
FillRequest Spaced(std::int32_t start, std::int32_t spacing, int count) {
    FillRequest r;
    r.start = start;
    r.spacing = spacing;
    r.count = count;
    return r;
}

}  // namespace

TEST(ChannelTools, BulkEditCountsAndHealsAsTheChannelDialogAndUndoesInOneStep) {
    Doc d;
    const ByteStr before = d.Image();
    BulkChanges c;
    c.mode = 0;  // FM
    c.step = 1;  // 6.25k: the 2.4 GHz band has no such step
    c.tsql = 1;
    c.tone = 12;
    c.nameRule = BulkChanges::NameRule::Prefix;
    c.name = "X";
    ChannelToolResult r;
    {
        UndoStep step(&d.history);
        r = BulkEdit(d.master, kKeyBankA, 0, 4, c);
    }
    EXPECT_EQ(r.given, 1);
    EXPECT_EQ(r.adjusted, 3);
    EXPECT_EQ(r.blank, 1);
    EXPECT_EQ(r.noField, 0);
    const std::vector<std::string> lines = {
        "Bank A 02: TSQL, CTCSS, Mode, Tuning Step do not apply.",
        "Bank A 03: Tuning Step 5k instead of 6.25k.",
        "Bank A 04: Name \"XLONGN\" instead of \"XLONGNM\"."};
    EXPECT_EQ(r.lines, lines);
    EXPECT_EQ(BulkSummaryText(r),
              "1 channel took the values as given, 3 were adjusted, 1 was left alone (1 blank).");
    // What the channel dialog gives with the same fields chosen.
    const std::string want[] = {"XNOAA FM 6.25k ON 100.0", "XMW AM 5k OFF 88.5",
                                "XWIFI FM 5k ON 100.0", "XLONGN FM 6.25k ON 100.0"};
    for (int row : {0, 2, 3, 4}) {
        const Ch& ch = d.At(kKeyBankA, row);
        EXPECT_EQ(ch.Name() + " " + ch.ModeNo_String() + " " + ch.TsNo_String() + " " +
                      ch.TSqlOn_String() + " " + ch.ToneNo_String(),
                  want[row == 0 ? 0 : row - 1]);
    }
    EXPECT_FALSE(d.At(kKeyBankA, 1).AppearCh());
    EXPECT_TRUE(d.radio.EditOn());
    ASSERT_TRUE(d.history.Undo());
    EXPECT_EQ(d.Image(), before);

    // Only fields a medium-wave channel does not have: it is left alone.
    BulkChanges modeOnly;
    modeOnly.mode = 2;
    r = BulkEdit(d.master, kKeyBankA, 2, 2, modeOnly);
    EXPECT_EQ(r.noField, 1);
    EXPECT_EQ(r.lines, std::vector<std::string>{"Bank A 02: left alone, Mode does not apply."});
    EXPECT_EQ(d.Image(), before);
    // One channel changed marks the document edited; no block, no edit.
    d.radio.EditOn(false);
    EXPECT_EQ(BulkEdit(d.master, kKeyBankA, 0, 0, c).adjusted + d.radio.EditOn(), 1);
    EXPECT_FALSE(BulkEditable(d.master, kKeyBankA, 3, 2));
    // Numbered names count the channels in use only.
    BulkChanges number;
    number.nameRule = BulkChanges::NameRule::Number;
    number.name = "CH%02d";
    number.firstNumber = 7;
    BulkEdit(d.master, kKeyBankA, 0, 3, number);
    EXPECT_EQ(d.At(kKeyBankA, 0).Name() + d.At(kKeyBankA, 2).Name() + d.At(kKeyBankA, 3).Name(),
              "CH07CH08CH09");
}

TEST(ChannelTools, FillWritesEvenlySpacedChannelsAndRefusesWhatTheVersionCannotHold) {
    Doc d;
    d.Use(M::kListMemory, 100 + 39, 15000000).Name("OLD");
    d.master.WriteToEep();
    const ByteStr before = d.Image();
    FillRequest air{11800000, 2500, 40, "AIR %02d", 1, 1, 6};  // AM, 25k
    EXPECT_TRUE(FillNeedsQuestion(d.master, kKeyBankC, 0, air));
    EXPECT_FALSE(FillNeedsQuestion(d.master, kKeyBankC, 40, Spaced(11800000, 2500, 10)));
    EXPECT_TRUE(FillNeedsQuestion(d.master, kKeyBankA, 0, Spaced(11800000, 2500, 1)));
    EXPECT_FALSE(FillNeedsQuestion(d.master, kKeyBankA, 1, Spaced(11800000, 2500, 1)));
    EXPECT_FALSE(FillNeedsQuestion(d.master, kKeyBankA, 0, Spaced(11800000, 2500, 51)));
    ChannelToolResult r;
    {
        UndoStep step(&d.history);
        EXPECT_EQ(FillChannels(d.master, kKeyBankC, 0, air, r), kFillDone);
    }
    EXPECT_EQ(r.given, 40);
    EXPECT_TRUE(r.lines.empty());
    EXPECT_EQ(FillSummaryText(r), "40 channels were filled (0 adjusted), 0 refused.");
    for (int i = 0; i < 40; ++i) {
        const Ch& ch = d.At(kKeyBankC, i);
        char name[8];
        std::snprintf(name, sizeof name, "AIR %02d", i + 1);
        EXPECT_TRUE(ch.AppearCh() && ch.FreqOp_Pure() == 11800000 + 2500 * i && ch.Name() == name &&
                    ch.ModeNo_String() == "AM" && ch.TsNo_String() == "25k" &&
                    ch.DupDir_Pure() == 0 && ch.TSqlOn_Pure() == 0)
            << i << " " << ReadValues(ch);
    }
    ASSERT_TRUE(d.history.Undo());
    EXPECT_EQ(d.Image(), before);

    // Off the tuning grid: snapped and told; beyond the coverage: refused,
    // the channel kept; a run past the bank's end: nothing at all.
    r = {};
    EXPECT_EQ(FillChannels(d.master, kKeyBankC, 10, Spaced(11800000, 833, 2), r), kFillDone);
    EXPECT_EQ(r.lines, std::vector<std::string>{"Bank C 11: Frequency 118.010000 MHz instead "
                                                "of 118.008330 MHz."});
    EXPECT_EQ(FillSummaryText(r), "2 channels were filled (1 adjusted), 0 refused.");
    EXPECT_EQ(FillChannels(d.master, kKeyBankC, 38, Spaced(244900000, 1000000, 2), r), kFillDone);
    EXPECT_EQ(r.refused, 1);
    EXPECT_EQ(r.refusedLines, std::vector<std::string>{"Bank C 39: 2459.000000 MHz cannot be "
                                                       "received by this receiver version; left "
                                                       "as it was."});
    EXPECT_EQ(d.At(kKeyBankC, 39).Name(), "OLD");
    const ByteStr filled = d.Image();
    EXPECT_EQ(FillCheck(d.master, kKeyBankC, 20, Spaced(11800000, 2500, 30)), kFillDone);
    EXPECT_EQ(FillChannels(d.master, kKeyBankC, 20, Spaced(11800000, 2500, 31), r),
              kFillDoesNotFit);
    EXPECT_EQ(FillChannels(d.master, 1, 0, Spaced(11800000, 2500, 1), r), kFillDisabled);
    EXPECT_EQ(d.Image(), filled);
    EXPECT_EQ(FillDoesNotFitText(d.master, kKeyBankC, 20, 31),
              "The 31 channels do not fit from CH 20: Bank C ends at CH 49.");
}

TEST(ChannelTools, NamePatternsAndTypedValues) {
    const std::pair<const char*, const char*> names[] = {
        {"AIR %02d", "AIR 07"}, {"CH%d", "CH7"}, {"%3d", "  7"}, {"100%%", "100%"},
        {"%s%d", "%s7"},        {"%d%d", "7%d"}, {"%", "%"},     {"%05", "%05"}};
    for (const auto& [pattern, want] : names) EXPECT_EQ(FormatNamePattern(pattern, 7), want);
    EXPECT_EQ(FormatNamePattern("%9d|%d|%d", 0), "        0|%d|%d");

    const std::tuple<const char*, bool, std::int32_t> numbers[] = {{"3000", true, 300000000},
                                                                   {" 119.0125 ", true, 11901250},
                                                                   {"118.000001", true, -1},
                                                                   {"118.000010", true, 11800001},
                                                                   {"abc", true, -1},
                                                                   {"3000.1", true, -1},
                                                                   {"", true, -1},
                                                                   {"1.2.3", true, -1},
                                                                   {"25", false, 2500},
                                                                   {"8.33", false, 833},
                                                                   {"12.5", false, 1250}};
    for (const auto& [text, mhz, want] : numbers) {
        const auto got = mhz ? ParseMegahertz(text) : ParseKilohertz(text);
        EXPECT_EQ(got.value_or(-1), want) << text;
    }
    VersionDocument v0(0), v1(1);
    const clsRigQ5_Matrix &m0 = v0.master.MatrixObj(), &m1 = v1.master.MatrixObj();
    EXPECT_EQ(StepIndex(m1, "12.5").value_or(-1), 3);
    EXPECT_EQ(StepIndex(m1, "6.25k").value_or(-1), 1);
    EXPECT_EQ(StepIndex(m0, "auto").value_or(-1), 10);
    EXPECT_FALSE(StepIndex(m1, "auto"));
    EXPECT_FALSE(StepIndex(m1, "7"));
    EXPECT_EQ(ModeIndex(m1, "am").value_or(-1), 1);
    EXPECT_EQ(ModeIndex(m0, "Auto").value_or(-1), 3);
    EXPECT_FALSE(ModeIndex(m1, "Auto"));
}
