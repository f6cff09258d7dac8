// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/channel.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <tuple>

#include "cases.h"
#include "model/channel_texts.h"
#include "read_values.h"

namespace {

using Ch = clsRigQ5_Ch;

clsRigQ5_Matrix MatrixOf(int version, int amOk = 0, int cellerNg = 0) {
    clsRigQ5_Matrix m;
    m.MtxVerNo(version);
    m.MtxAmOk(amOk);
    m.MtxCellerNg(cellerNg);
    return m;
}

// A record of the identity in use at the frequency.
Ch InUse(const clsRigQ5_Matrix& m, int ident, std::int32_t freq) {
    Ch ch(m, ident);
    ch.AppearCh(true);
    ch.FreqOp_Pure(freq);
    return ch;
}

const clsRigQ5_Matrix kV0 = MatrixOf(0), kV1 = MatrixOf(1), kV8 = MatrixOf(8), kAm = MatrixOf(1, 1),
                      kCell = MatrixOf(1, 0, 1), kV6Am = MatrixOf(6, 1);

}  // namespace

TEST(ChannelFreq, TextsBothWaysAndTheNearestOfThe25kHzDivisionsOrThe9kHzMediumWaveGrid) {
    const std::pair<std::int32_t, const char*> texts[] = {{14501250, " 145.012500"},
                                                          {49500, "   0.495000"},
                                                          {300000000, "3000.000000"},
                                                          {-5, "  -0.000050"},
                                                          {INT32_MAX, "21474.836470"}};
    for (const auto& [f, text] : texts) EXPECT_EQ(Ch::Conv_Freq_LongToStr(f), text) << f;
    // Typed: leading zeros and blanks dropped; more than 4 megahertz digits
    // or above 3000 MHz clamped; a second point or any other character ends
    // the number; six fraction digits, rounded half to even (145.005625 to
    // 14500562, then the grid); 16 characters read. Offsets (kind 1) stop at
    // 159.995 MHz and never use the AM grid.
    const Ch ch(kV1, 11), am(kAm, 11);
    const std::tuple<const char*, int, std::int32_t> cases[] = {
        {"0145.5", 0, 14550000},      {"abc", 0, 0},
        {"12345.6", 0, 300000000},    {"-5", 0, 0},
        {"145.5.5", 0, 14550000},     {".5", 0, 50000},
        {"145.0000055", 0, 14500000}, {"200", 1, 15999500},
        {"145.005625", 0, 14500500},  {"145.005635", 0, 14500625},
        {" 145.5MHz ", 0, 14550000},  {"3000.9", 0, 300000000}};
    for (const auto& [text, kind, f] : cases)
        EXPECT_EQ(ch.Conv_Freq_StrToLong(text, kind), f) << '"' << text << '"';
    EXPECT_EQ(ch.Conv_Freq_StrToLong(std::string(15, ' ') + "1", 0), 100000);
    EXPECT_EQ(ch.Conv_Freq_StrToLong(std::string(16, ' ') + "1", 0), 0);
    EXPECT_EQ(std::pair(am.Conv_Freq_StrToLong("1.000", 0), am.Conv_Freq_StrToLong("1.000", 1)),
              std::pair(99900, 100000));

    // The nearest of the three divisions of 25 kHz, or of the 9 kHz medium-wave grid.
    const auto check = [](const Ch& channel, int kind, const std::string& table) {
        ForEachCase(table, [&](const CaseNumbers& f, const CaseNumbers& want) {
            EXPECT_EQ(channel.AdjustFreq(f[0], kind), want[0]);
        });
    };
    // 14500300: the 1250 and 625 grids are 300 off, the 5 kHz grid 200; the
    // 2.4 GHz band has no 6.25 kHz grid.
    check(
        Ch(kV1, 11), 0,
        "14500300>14500500 14502499>14502500 14500563>14500625 14500562>14500500 14501875>14501875 "
        "240000625>240000500 240001875>240002000 139999999>140000000 54450>54500");
    // With the AM grid the medium wave uses 9 kHz steps (60.5 steps to the
    // even 60) kept inside band 0, for operating frequencies (kind 0) only.
    check(Ch(kAm, 11), 0, "100000>99900 54450>54000 55350>55800 162499>162000 49499>49500");
    check(Ch(kAm, 11), 2, "100000>100000");
    // Offsets (kind 1) follow the channel's band (the 2.4 GHz VFO always) and
    // stop at 159.995 MHz; any other kind has no 2.4 GHz rules.
    check(InUse(kV1, 11, 14500000), 1, "625>625 15999900>15999500");
    check(InUse(kV1, 11, 240000000), 1, "625>500");
    check(InUse(kV1, 10, 145000000), 1, "625>500");
    check(InUse(kV1, 11, 240000000), 2, "625>625");
}

TEST(ChannelHeal, FrequenciesAreSnappedAndClampedAndAmForcedInTheMediumWave) {
    // identity,frequency,offset>frequency,offset: TV channels (14) sit on a
    // 25 kHz raster, halves up; FM TV (16) snaps its sound carrier and the
    // picture moves with it; the offset follows the frequency's band.
    ForEachCase(
        "11,14500300,-5>14500500,0 11,-100,300>0,500 11,400000000,300>300000000,500 "
        "11,240000000,625>240000000,500 15,2147483647,-2147483648>300000000,0 "
        "16,-2147483648,16000000>0,15999500 14,-1250,0>0,0 14,5526250,0>5527500,0 "
        "14,5523749,0>5522500,0 14,200000000,0>199997500,0 16,9000100,0>9000000,0",
        [](const CaseNumbers& in, const CaseNumbers& want) {
            auto ch = InUse(kV1, in[0], in[1]);
            ch.FreqDup_Pure(in[2]);
            EXPECT_EQ(CaseNumbers({ch.FreqOp_Pure(), ch.FreqDup_Pure()}), want);
        });
    Ch blank(kV1, 11), ch = InUse(kV1, 11, 14500000);
    blank.FreqOp_Pure(14500300);  // a blank record is not healed,
    ch.FreqOp_Voice(14500300);    // nor is the voice write
    EXPECT_EQ(std::pair(blank.FreqOp_Pure(), ch.FreqOp_Pure()), std::pair(14500300, 14500300));
    // AM is forced only on a legal channel in the medium-wave area: not on
    // band 1's VFO, not on a version whose coverage misses it, not without
    // the AM grid.
    const std::tuple<const clsRigQ5_Matrix*, int, int> modes[] = {
        {&kAm, 11, 1}, {&kAm, 0, 1}, {&kAm, 1, 2}, {&kV6Am, 11, 2}, {&kV1, 11, 2}};
    for (const auto& [m, ident, mode] : modes) {
        auto am = InUse(*m, ident, 49500);  // the lowest medium-wave channel
        am.ModeNo_Pure(2);
        EXPECT_EQ(am.ModeNo_Pure(), mode) << ident;
    }
    // A TV channel is heard on its sound carrier; the sum saturates, never wraps.
    Ch tv(kV1, 15);  // blank: neither write heals
    tv.FreqOp_Pure(INT32_MAX);
    EXPECT_EQ(tv.FreqOp_Voice(), INT32_MAX);
    tv.FreqOp_Voice(INT32_MIN);
    EXPECT_EQ(tv.FreqOp_Pure(), INT32_MIN);
}

TEST(ChannelHeal, HealingAHealedRecordChangesNothing) {
    Pick pick(20240607);
    // Anywhere, anything, around the medium wave, 1400 MHz and the cellular
    // edge, or next to the 25 kHz raster.
    const auto freq = [&]() -> std::int32_t {
        const std::int32_t around[] = {40000, 139990000, 81590000};
        const int kind = pick(0, 5);
        if (kind == 0) return pick(-1000000, 310000000);
        if (kind == 1) return pick(INT32_MIN, INT32_MAX);
        if (kind == 5) return pick(0, 300000000) / 2500 * 2500 + pick(-3, 3);
        return around[kind - 2] + pick(0, kind == 2 ? 130000 : 20000);
    };
    const char* names[] = {"", "ABC", "ab&c<de", "LONGNAME", "  x ", "A\x01\xE9"};
    for (int round = 0; round < 400; ++round) {
        clsRigQ5_Matrix m;
        m.MtxVerNo(pick(0, 12));
        m.MtxAmOk(pick(0, 1));
        m.MtxExpOn(pick(0, 4) == 0);
        m.MtxCellerNg(pick(0, 1));
        m.MtxFmTvOk(pick(0, 1));
        m.MtxTvOwNo(pick(0, 3));
        for (int ident = -1; ident <= 17; ++ident) {
            Ch ch(m, ident);
            ch.AppearCh(pick(0, 1));
            ch.FreqOp_Pure(freq());
            WriteValues(ch,
                        {pick(-1, 3), pick(0, 1) ? freq() : pick(-100, 17000000), pick(-1, 2),
                         pick(-2, 60), pick(-1, 6), pick(-1, 2), pick(-5, 130), pick(-1, 3),
                         pick(-1, 2), pick(-1, 4), pick(-1, 12)},
                        names[pick(0, 5)]);
            ch.AppearCh(pick(0, 5) != 0);
            if (pick(0, 3) == 0) ch.FreqOp_Voice(freq());  // an unhealed write
            ch.Heal();

            const std::string healed = ReadValues(ch, true);
            const std::string at =
                "round " + std::to_string(round) + " ident " + std::to_string(ident);
            ch.Heal();
            ASSERT_EQ(ReadValues(ch, true), healed) << at;
            if (ch.AppearCh()) {
                EXPECT_GE(ch.FreqOp_Pure(), 0) << at;
                EXPECT_LE(ch.FreqOp_Pure(), ident == 14 ? 199997500 : 300000000) << at;
                EXPECT_TRUE(ident != 14 || ch.FreqOp_Pure() % 2500 == 0) << at;
                EXPECT_EQ(ch.AdjustFreq(ch.FreqOp_Voice(), 0), ch.FreqOp_Voice()) << at;
                EXPECT_EQ(ch.AdjustFreq(ch.FreqDup_Pure(), 1), ch.FreqDup_Pure()) << at;
            }
        }
    }
}

TEST(ChannelFields, BlankRecordReadsTheDefaultsAndReadsAreLimited) {
    clsRigQ5_Matrix m = MatrixOf(0);
    Ch ch(m, 11);
    ch.FreqOp_Pure(14500000);
    WriteValues(ch, {2, 60000, 1, 3, 2, 1, 5, 1, 1, 2, 4}, "ABC");
    EXPECT_EQ(ReadValues(ch, true), "0/14500000/0/0/0/8/0/0/63/0/0/0/0/''");
    ch.AppearCh(true);
    EXPECT_EQ(ReadValues(ch, true), "1/14500000/2/60000/1/3/2/1/5/1/1/2/4/'ABC'");
    // Without FM TV the TV options are hidden, and FM TV channels read as blank.
    m.MtxFmTvOk(0);
    EXPECT_EQ(ReadValues(ch, true), "1/14500000/2/60000/1/3/2/0/63/1/1/2/4/'ABC'");
    EXPECT_FALSE(InUse(m, 16, 9500000).AppearCh());
    // item,value>read on version 0,read on version 1: out-of-range writes of
    // each item (by kChannelItems' order); version 1 has no "Auto" mode and
    // one step less.
    ForEachCase(
        "3,60>49,49 3,-1>0,0 0,7>2,2 4,9>4,4 6,200>126,126 7,3>2,2 8,-4>0,0 9,3>3,0 9,4>0,0 "
        "10,10>10,0 10,11>0,0 2,-3>1,1 5,5>1,1",
        [](const CaseNumbers& in, const CaseNumbers& want) {
            const ChannelItem& item = kChannelItems[in[0]];
            Ch a = InUse(kV0, 11, 14500000), b = InUse(kV1, 11, 14500000);
            (a.*item.write)(in[1]);
            (b.*item.write)(in[1]);
            EXPECT_EQ(CaseNumbers({(a.*item.read)(), (b.*item.read)()}), want);
        });
    // The 2.4 GHz band has no 6.25 kHz step (1): it reads as 5 kHz (0) there.
    auto ghz = InUse(kV1, 11, 240000000);
    ghz.TsNo_Pure(1);
    const int step1 = ghz.TsNo_Pure();
    ghz.TsNo_Pure(2);
    EXPECT_EQ(std::pair(step1, ghz.TsNo_Pure()), std::pair(0, 2));
}

TEST(ChannelFields, NamesAndChoiceLists) {
    // Six characters; those the display cannot show read as blanks, trailing
    // blanks dropped; a blank record reads no name but keeps it.
    auto ch = InUse(kV1, 11, 14500000);
    const std::pair<const char*, const char*> names[] = {
        {"ab&c<de", "ab c d"}, {"\"{|}@[\\]^`", ""}, {"A\001B\351", "A B"}, {"a~!#$%xy", "a~!#$%"}};
    for (const auto& [given, read] : names) {
        ch.Name(given);
        EXPECT_EQ(ch.Name(), read) << given;
    }
    ch.AppearCh(false);
    EXPECT_EQ(ch.Name(), "");
    // The lists' last choices, nothing before or after them.
    using L = ChTextList;
    const std::pair<ChTextList, const char*> lists[] = {
        {L::Tone, "254.1"}, {L::StepNorm, "Auto"}, {L::Step24G, "Auto"}, {L::SubCarrier, "63"}};
    for (const auto& [list, last] : lists) {
        const int n = ChTextCount(list);
        EXPECT_EQ(ChTextAt(list, n - 1), last);
        EXPECT_TRUE(ChTextAt(list, n).empty() && ChTextAt(list, -1).empty());
    }
}

TEST(ChannelRules, LegalFrequencyForEachIdentity) {
    // identity,frequency>legal: a VFO only in its band; memories and scan
    // edges inside the coverage and outside the blocked cellular range; TV
    // channels by their sound carrier (59.75 MHz for 55.25) in their own
    // range, AM TV also in the coverage. An illegal channel goes blank.
    const auto check = [](const clsRigQ5_Matrix& m, const std::string& table) {
        ForEachCase(table, [&](const CaseNumbers& in, const CaseNumbers& legal) {
            auto ch = InUse(m, in[0], in[1]);
            EXPECT_EQ(ch.IsLegalFreqOp(), legal[0] == 1);
            ch.FullCare();
            EXPECT_EQ(ch.AppearCh(), legal[0] == 1);
        });
    };
    check(kV1,
          "0,100000>1 1,100000>0 3,10000000>1 3,12000000>0 10,240000000>1 10,14500000>0 "
          "12,14500000>1 13,14500000>1 11,40000>0 14,5525000>1 14,199997500>0 14,2500000>0 "
          "15,2550000>1 15,2500000>0 16,90000000>1 16,89997500>0 17,14500000>0");
    check(kV8, "11,14550000>1 11,14650000>0 5,14550000>1 14,5525000>1 15,2550000>0");
    check(kCell, "11,85000000>0 11,81599500>1");
    // At 2.4 GHz the 2.4 GHz VFO and a memory take that band's steps; a
    // VFO of another band or a TV channel never does, whatever it holds.
    for (const auto& [ident, is24G] : {std::pair{10, true}, {11, true}, {0, false}, {14, false}})
        EXPECT_EQ(InUse(kV1, ident, 240000000).Is24G(), is24G) << ident;
}

TEST(ChannelCopy, PasteWithinACopyClassOnlyDataWrittenFrequencyFirst) {
    const std::tuple<Ch, Ch, bool, const char*> cases[] = {
        {Ch(kV1, 3), InUse(kV1, 4, 12000000), false, "blank onto a VFO"},
        {InUse(kV1, 8, 90000000), InUse(kV1, 9, 100000000), true, "TV-option VFOs"},
        {InUse(kV1, 7, 50000000), InUse(kV1, 8, 90000000), false, "VFO to one with TV options"},
        {Ch(kV1, 11), InUse(kV1, 12, 14500000), false, "blank onto a scan edge that must be used"},
        {InUse(kV1, 15, 5525000), InUse(kV1, 16, 9000000), false, "AM TV to FM TV"},
        {InUse(kV1, 17, 14500000), InUse(kV1, 17, 14500000), false, "unknown identity"},
        {InUse(kAm, 0, 100000), InUse(kAm, 1, 100000), false, "AM-only onto a never-AM VFO"},
        {InUse(kAm, 1, 100000), InUse(kAm, 0, 100000), false, "non-AM onto the must-AM VFO"},
        {InUse(kAm, 11, 100000), InUse(kAm, 11, 14500000), true, "AM-only memory onto memory"}};
    for (const auto& [from, to, allowed, why] : cases)
        EXPECT_EQ(to.CopyEnabledFrom(&from), allowed) << why;
    EXPECT_FALSE(InUse(kV1, 11, 14500000).CopyEnabledFrom(nullptr));
    // The offset's grid depends on the frequency: a 6.25 kHz offset survives
    // only if the frequency arrives before it.
    auto source = InUse(kV1, 11, 14500000);
    WriteValues(source, {1, 625, 0, 8, 0, 0, 0, 0, 0, 0, 1}, "REP&1");
    auto target = InUse(kV1, 11, 240000000);
    target.CopyData(source);
    EXPECT_EQ(ReadValues(target, true), "1/14500000/1/625/0/8/0/0/0/0/0/0/1/'REP 1'");
    // A blank source passes its stored frequency and the blank defaults;
    // CopyFull takes the identity too.
    Ch blank(kV1, 11);
    blank.FreqOp_Pure(14500300);
    target.CopyData(blank);
    EXPECT_EQ(ReadValues(target, true), ReadValues(blank, true));
    Ch full(kV1, 11);
    full.CopyFull(InUse(kV1, 14, 5525000));
    EXPECT_EQ(ReadValues(full, true), "1/5525000/0/0/0/0/0/0/0/0/0/0/0/''");
    EXPECT_EQ(full.ChIdent(), 14);
}
