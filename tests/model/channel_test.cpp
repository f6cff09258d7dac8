// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/channel.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <string>
#include <vector>

#include "model/channel_texts.h"

namespace {

clsRigQ5_Matrix MatrixOf(int version, int amOk = 0, int cellerNg = 0) {
    clsRigQ5_Matrix m;
    m.MtxVerNo(version);
    m.MtxAmOk(amOk);
    m.MtxCellerNg(cellerNg);
    return m;
}

// A record of the identity in use at the frequency.
clsRigQ5_Ch InUse(const clsRigQ5_Matrix& m, int ident, std::int32_t freq) {
    clsRigQ5_Ch ch(m, ident);
    ch.AppearCh(true);
    ch.FreqOp_Pure(freq);
    return ch;
}

// Everything a record shows to the rest of the program.
struct Reading {
    bool appear;
    std::int32_t freqOp, freqDup;
    int dupDir, tsql, tone, tvIf, tvReverse, subCarrier, skipM, skipT, mode, ts;
    std::string name;
    bool operator==(const Reading&) const = default;
};

Reading Read(const clsRigQ5_Ch& ch) {
    return {ch.AppearCh(),          ch.FreqOp_Pure(), ch.FreqDup_Pure(), ch.DupDir_Pure(),
            ch.TSqlOn_Pure(),       ch.ToneNo_Pure(), ch.TvIf_Pure(),    ch.TvReverse_Pure(),
            ch.TvSubCarrier_Pure(), ch.SkipM_Pure(),  ch.SkipT_Pure(),   ch.ModeNo_Pure(),
            ch.TsNo_Pure(),         ch.Name()};
}

std::ostream& operator<<(std::ostream& os, const Reading& r) {
    return os << "appear " << r.appear << " f " << r.freqOp << " dup " << r.freqDup << "/"
              << r.dupDir << " tsql " << r.tsql << " tone " << r.tone << " if " << r.tvIf << " rev "
              << r.tvReverse << " sub " << r.subCarrier << " skip " << r.skipM << "/" << r.skipT
              << " mode " << r.mode << " ts " << r.ts << " name '" << r.name << "'";
}

}  // namespace

TEST(ChannelFreqText, FrequencyToTextHasFourMegahertzPlacesAndSixDecimals) {
    const struct {
        std::int32_t f;
        const char* text;
    } cases[] = {{14500000, " 145.000000"}, {24501250, " 245.012500"},  {0, "   0.000000"},
                 {49500, "   0.495000"},    {300000000, "3000.000000"}, {99999, "   0.999990"},
                 {-5, "  -0.000050"},       {INT32_MAX, "21474.836470"}};
    for (const auto& c : cases) EXPECT_EQ(clsRigQ5_Ch::Conv_Freq_LongToStr(c.f), c.text) << c.f;
}

TEST(ChannelFreqText, TypedTextToFrequency) {
    const auto m = MatrixOf(1);
    const clsRigQ5_Ch ch(m, 11);
    const struct {
        const char* text;
        int kind;
        std::int32_t f;
    } cases[] = {
        {"145.5", 0, 14550000},
        {"0145.5", 0, 14550000},       // leading zeros dropped
        {"145", 0, 14500000},          // no point: all megahertz
        {"12345.6", 0, 300000000},     // more than 4 megahertz digits: 3000 MHz, clamped
        {"145.5.5", 0, 14550000},      // a second point ends the number
        {"145.0000055", 0, 14500000},  // six fraction digits only
        {"145.005625", 0, 14500500},   // 14500562.5 to the even 14500562, then the grid
        {"145.005635", 0, 14500625},   // 14500563.5 to the even 14500564, then the grid
        {"  145.5  ", 0, 14550000},
        {"145.5MHz", 0, 14550000},
        {"", 0, 0},
        {"abc", 0, 0},
        {"-5", 0, 0},
        {".5", 0, 50000},
        {"3000.9", 0, 300000000},
        {"               1", 0, 100000},  // 16 characters are read
        {"                1", 0, 0},      // the 17th is not
        {"1.2345", 1, 123500},
        {"200", 1, 15999500},  // offsets stop at 159.995 MHz
    };
    for (const auto& c : cases)
        EXPECT_EQ(ch.Conv_Freq_StrToLong(c.text, c.kind), c.f) << '"' << c.text << '"';

    const auto am = MatrixOf(1, 1);
    const clsRigQ5_Ch amCh(am, 11);
    EXPECT_EQ(amCh.Conv_Freq_StrToLong("1.000", 0), 99900);
    EXPECT_EQ(amCh.Conv_Freq_StrToLong("1.000", 1), 100000);  // offsets never on the AM grid
}

TEST(ChannelAdjustFreq, SnapsToTheNearestOfTheThreeDivisionsOf25kHz) {
    const auto m = MatrixOf(1);
    const clsRigQ5_Ch ch(m, 11);
    const struct {
        std::int32_t f, want;
    } cases[] = {
        {14500300, 14500500},  // 1250 and 625 grids 300 off, 5 kHz grid 200 off
        {14500625, 14500625},  // on the 6.25 kHz grid
        {14501250, 14501250},   {14500000, 14500000},
        {14502499, 14502500},  // into the next 25 kHz cell
        {14500312, 14500500},   {14500563, 14500625},
        {14500562, 14500500},   {14501875, 14501875},
        {49499, 49500},         {240000625, 240000500},  // no 6.25 kHz grid on 2.4 GHz
        {240001875, 240002000}, {240001250, 240001250},
        {139999999, 140000000},
    };
    for (const auto& c : cases) EXPECT_EQ(ch.AdjustFreq(c.f, 0), c.want) << c.f;
}

TEST(ChannelAdjustFreq, MediumWaveAreaUsesThe9kHzGrid) {
    const auto m = MatrixOf(1, 1);
    const clsRigQ5_Ch ch(m, 11);
    const struct {
        std::int32_t f, want;
    } cases[] = {{100000, 99900}, {49500, 49500},   {54450, 54000},    // 60.5 steps to the even 60
                 {55350, 55800},  {162000, 162000}, {162499, 162000},  // kept inside band 0
                 {49499, 49500},  {162500, 162500}};
    for (const auto& c : cases) EXPECT_EQ(ch.AdjustFreq(c.f, 0), c.want) << c.f;
    // Without the AM grid the same frequencies use the 5 kHz grids.
    const auto plain = MatrixOf(1, 0);
    const clsRigQ5_Ch other(plain, 11);
    EXPECT_EQ(other.AdjustFreq(100000, 0), 100000);
    EXPECT_EQ(other.AdjustFreq(54450, 0), 54500);
    // Only operating frequencies (kind 0) know the AM grid.
    EXPECT_EQ(ch.AdjustFreq(100000, 2), 100000);
}

TEST(ChannelAdjustFreq, OffsetFollowsTheChannelsBandAndStopsAt159995kHz) {
    const auto m = MatrixOf(1);
    const auto low = InUse(m, 11, 14500000);
    const auto high = InUse(m, 11, 240000000);
    const auto vfo10 = InUse(m, 10, 145000000);
    EXPECT_EQ(low.AdjustFreq(625, 1), 625);
    EXPECT_EQ(high.AdjustFreq(625, 1), 500);
    EXPECT_EQ(vfo10.AdjustFreq(625, 1), 500);  // the 2.4 GHz VFO always
    EXPECT_EQ(high.AdjustFreq(625, 2), 625);   // any other kind: no 2.4 GHz rules
    EXPECT_EQ(low.AdjustFreq(16000000, 1), 15999500);
    EXPECT_EQ(low.AdjustFreq(15999900, 1), 15999500);
    EXPECT_EQ(low.AdjustFreq(16000000, 0), 16000000);
}

TEST(ChannelHeal, FrequenciesAreSnappedAndClamped) {
    const auto m = MatrixOf(1);
    const struct {
        int ident;
        std::int32_t f, want;
    } cases[] = {
        {11, 14500300, 14500500},   {11, 400000000, 300000000}, {11, -100, 0},
        {11, INT32_MAX, 300000000}, {11, INT32_MIN, 0},         {14, 5525100, 5525000},
        {14, 5526250, 5527500},  // TV raster of 25 kHz, halves up
        {14, 5523750, 5525000},     {14, 200000000, 199997500}, {14, -1250, 0},
        {14, INT32_MAX, 199997500}, {15, INT32_MAX, 300000000}, {16, INT32_MIN, 0},
        {16, 9000100, 9000000},  // the sound carrier is snapped, the picture moves with it
        {10, 14500300, 14500500},
    };
    for (const auto& c : cases) {
        const auto ch = InUse(m, c.ident, c.f);
        EXPECT_EQ(ch.FreqOp_Pure(), c.want) << c.ident << " " << c.f;
    }
    auto ch = InUse(m, 11, 14500000);
    const struct {
        std::int32_t dup, want;
    } dups[] = {{16000000, 15999500},  {-5, 0},       {625, 625}, {300, 500},
                {INT32_MAX, 15999500}, {INT32_MIN, 0}};
    for (const auto& d : dups) {
        ch.FreqDup_Pure(d.dup);
        EXPECT_EQ(ch.FreqDup_Pure(), d.want) << d.dup;
    }
    ch.FreqOp_Pure(240000000);  // at 2.4 GHz the offset has no 6.25 kHz grid
    ch.FreqDup_Pure(625);
    EXPECT_EQ(ch.FreqDup_Pure(), 500);
}

TEST(ChannelHeal, AmIsForcedOnlyForALegalChannelInTheMediumWaveArea) {
    const auto m = MatrixOf(1, 1);
    auto mem = InUse(m, 11, 100000);
    mem.ModeNo_Pure(0);
    EXPECT_EQ(mem.FreqOp_Pure(), 99900);
    EXPECT_EQ(mem.ModeNo_Pure(), 1);
    auto vfo0 = InUse(m, 0, 100000);
    EXPECT_EQ(vfo0.ModeNo_Pure(), 1);
    // Band 1's VFO cannot hold a band-0 frequency: illegal, mode untouched.
    auto vfo1 = InUse(m, 1, 100000);
    vfo1.ModeNo_Pure(2);
    EXPECT_EQ(vfo1.ModeNo_Pure(), 2);
    // A version whose coverage misses the medium wave.
    const auto v6 = MatrixOf(6, 1);
    auto outside = InUse(v6, 11, 100000);
    outside.ModeNo_Pure(2);
    EXPECT_EQ(outside.FreqOp_Pure(), 99900);
    EXPECT_EQ(outside.ModeNo_Pure(), 2);
    // Without the AM grid nothing is forced.
    const auto plain = MatrixOf(1, 0);
    auto fm = InUse(plain, 11, 100000);
    fm.ModeNo_Pure(0);
    EXPECT_EQ(fm.ModeNo_Pure(), 0);
}

TEST(ChannelHeal, BlankRecordsAndTheVoiceWriteAreNotHealed) {
    const auto m = MatrixOf(1);
    clsRigQ5_Ch ch(m, 11);
    ch.FreqOp_Pure(14500300);
    EXPECT_EQ(ch.FreqOp_Pure(), 14500300);
    ch.AppearCh(true);
    EXPECT_EQ(ch.FreqOp_Pure(), 14500500);
    ch.FreqOp_Voice(14500300);
    EXPECT_EQ(ch.FreqOp_Pure(), 14500300);
    ch.Heal();
    EXPECT_EQ(ch.FreqOp_Pure(), 14500500);
}

TEST(ChannelHeal, HealingAHealedRecordChangesNothing) {
    std::mt19937 rng(20240607);
    const auto pick = [&](int lo, int hi) {
        return std::uniform_int_distribution<int>(lo, hi)(rng);
    };
    const auto freq = [&]() -> std::int32_t {
        switch (pick(0, 5)) {
            case 0:
                return pick(-1000000, 310000000);
            case 1:
                return pick(INT32_MIN, INT32_MAX);
            case 2:
                return pick(40000, 170000);  // around the medium-wave area
            case 3:
                return 139990000 + pick(0, 20000);  // around 1400 MHz
            case 4:
                return 81590000 + pick(0, 20000);  // the cellular edge
            default:
                return pick(0, 300000000) / 2500 * 2500 + pick(-3, 3);
        }
    };
    const std::string names[] = {"", "ABC", "ab&c<de", "LONGNAME", "  x ", "A\x01\xE9"};
    int checked = 0;
    for (int round = 0; round < 400; ++round) {
        clsRigQ5_Matrix m;
        m.MtxVerNo(pick(0, 12));
        m.MtxAmOk(pick(0, 1));
        m.MtxExpOn(pick(0, 4) == 0);
        m.MtxCellerNg(pick(0, 1));
        m.MtxFmTvOk(pick(0, 1));
        m.MtxTvOwNo(pick(0, 3));
        for (int ident = -1; ident <= 17; ++ident) {
            clsRigQ5_Ch ch(m, ident);
            if (pick(0, 1)) ch.AppearCh(true);
            ch.FreqOp_Pure(freq());
            ch.DupDir_Pure(pick(-1, 3));
            ch.FreqDup_Pure(pick(0, 1) ? freq() : pick(-100, 17000000));
            ch.Name(names[pick(0, 5)]);
            ch.TSqlOn_Pure(pick(-1, 2));
            ch.ToneNo_Pure(pick(-2, 60));
            ch.TvIf_Pure(pick(-1, 6));
            ch.TvReverse_Pure(pick(-1, 2));
            ch.TvSubCarrier_Pure(pick(-5, 130));
            ch.SkipM_Pure(pick(-1, 3));
            ch.SkipT_Pure(pick(-1, 2));
            ch.ModeNo_Pure(pick(-1, 4));
            ch.TsNo_Pure(pick(-1, 12));
            ch.AppearCh(pick(0, 5) != 0);
            if (pick(0, 3) == 0) ch.FreqOp_Voice(freq());  // an unhealed write
            ch.Heal();

            const Reading healed = Read(ch);
            ch.Heal();
            ASSERT_EQ(Read(ch), healed) << "round " << round << " ident " << ident;

            if (ch.AppearCh()) {
                const std::int32_t upper = ident == 14 ? 199997500 : 300000000;
                EXPECT_GE(ch.FreqOp_Pure(), 0);
                EXPECT_LE(ch.FreqOp_Pure(), upper);
                if (ident == 14) {
                    EXPECT_EQ(ch.FreqOp_Pure() % 2500, 0);
                }
                EXPECT_EQ(ch.AdjustFreq(ch.FreqOp_Voice(), 0), ch.FreqOp_Voice());
                EXPECT_EQ(ch.AdjustFreq(ch.FreqDup_Pure(), 1), ch.FreqDup_Pure());
                EXPECT_LE(ch.FreqDup_Pure(), 15999500);
                ++checked;
            }
            // A copy onto a record of the same identity reads the same.
            clsRigQ5_Ch copy(m, ident);
            copy.CopyData(ch);
            ASSERT_EQ(Read(copy), healed) << "round " << round << " ident " << ident;
        }
    }
    EXPECT_GT(checked, 4000);
}

TEST(ChannelFields, BlankRecordReadsTheDefaultsAndKeepsItsValues) {
    auto m = MatrixOf(0);
    clsRigQ5_Ch ch(m, 11);
    ch.FreqOp_Pure(14500000);
    ch.DupDir_Pure(2);
    ch.FreqDup_Pure(60000);
    ch.Name("ABC");
    ch.TSqlOn_Pure(1);
    ch.ToneNo_Pure(3);
    ch.TvIf_Pure(2);
    ch.TvSubCarrier_Pure(5);
    ch.TvReverse_Pure(1);
    ch.SkipM_Pure(1);
    ch.SkipT_Pure(1);
    ch.ModeNo_Pure(2);
    ch.TsNo_Pure(4);
    const Reading blank{false, 14500000, 0, 0, 0, 8, 0, 0, 63, 0, 0, 0, 0, ""};
    EXPECT_EQ(Read(ch), blank);
    EXPECT_EQ(ch.ToneNo_String(), "88.5");
    EXPECT_EQ(ch.TvSubCarrier_String(), "0");
    ch.AppearCh(true);
    const Reading shown{true, 14500000, 60000, 2, 1, 3, 2, 1, 5, 1, 1, 2, 4, "ABC"};
    EXPECT_EQ(Read(ch), shown);

    // Without FM TV the FM TV channels are blank and the TV options hidden.
    m.MtxFmTvOk(0);
    clsRigQ5_Ch fmTv(m, 16);
    fmTv.AppearCh(true);
    EXPECT_FALSE(fmTv.AppearCh());
    EXPECT_TRUE(ch.AppearCh());
    EXPECT_EQ(ch.TvReverse_Pure(), 0);
    EXPECT_EQ(ch.TvSubCarrier_Pure(), 63);
    m.MtxFmTvOk(1);
    EXPECT_TRUE(fmTv.AppearCh());
}

TEST(ChannelFields, ReadsAreLimitedToTheirRanges) {
    const auto v0 = MatrixOf(0);
    const auto v1 = MatrixOf(1);
    auto a = InUse(v0, 11, 14500000);
    auto b = InUse(v1, 11, 14500000);
    const struct {
        void (clsRigQ5_Ch::*write)(int);
        int (clsRigQ5_Ch::*read)() const;
        int value, wantV0, wantV1;
    } cases[] = {
        {&clsRigQ5_Ch::ToneNo_Pure, &clsRigQ5_Ch::ToneNo_Pure, 60, 49, 49},
        {&clsRigQ5_Ch::ToneNo_Pure, &clsRigQ5_Ch::ToneNo_Pure, -1, 0, 0},
        {&clsRigQ5_Ch::DupDir_Pure, &clsRigQ5_Ch::DupDir_Pure, 7, 2, 2},
        {&clsRigQ5_Ch::TvIf_Pure, &clsRigQ5_Ch::TvIf_Pure, 9, 4, 4},
        {&clsRigQ5_Ch::TvSubCarrier_Pure, &clsRigQ5_Ch::TvSubCarrier_Pure, 200, 126, 126},
        {&clsRigQ5_Ch::SkipM_Pure, &clsRigQ5_Ch::SkipM_Pure, 3, 2, 2},
        {&clsRigQ5_Ch::SkipT_Pure, &clsRigQ5_Ch::SkipT_Pure, -4, 0, 0},
        {&clsRigQ5_Ch::ModeNo_Pure, &clsRigQ5_Ch::ModeNo_Pure, 3, 3,
         0},  // "Auto" on version 0 only
        {&clsRigQ5_Ch::ModeNo_Pure, &clsRigQ5_Ch::ModeNo_Pure, 4, 0, 0},
        {&clsRigQ5_Ch::TsNo_Pure, &clsRigQ5_Ch::TsNo_Pure, 10, 10, 0},
        {&clsRigQ5_Ch::TsNo_Pure, &clsRigQ5_Ch::TsNo_Pure, 11, 0, 0},
        {&clsRigQ5_Ch::TSqlOn_Pure, &clsRigQ5_Ch::TSqlOn_Pure, -3, 1, 1},  // any non-zero sets
        {&clsRigQ5_Ch::TvReverse_Pure, &clsRigQ5_Ch::TvReverse_Pure, 5, 1, 1},
    };
    for (const auto& c : cases) {
        (a.*c.write)(c.value);
        (b.*c.write)(c.value);
        EXPECT_EQ((a.*c.read)(), c.wantV0) << c.value;
        EXPECT_EQ((b.*c.read)(), c.wantV1) << c.value;
    }
    // The 2.4 GHz band has no 6.25 kHz step: it reads as 5 kHz there.
    auto high = InUse(v1, 11, 240000000);
    high.TsNo_Pure(1);
    EXPECT_EQ(high.TsNo_Pure(), 0);
    high.TsNo_Pure(2);
    EXPECT_EQ(high.TsNo_Pure(), 2);
    b.TsNo_Pure(1);
    EXPECT_EQ(b.TsNo_Pure(), 1);
}

TEST(ChannelFields, NameIsStoredAsGivenAndReadCleaned) {
    const auto m = MatrixOf(1);
    auto ch = InUse(m, 11, 14500000);
    const struct {
        std::string given, read;
    } cases[] = {{"ab&c<de", "ab c d"},
                 {"ABCDEFGH", "ABCDEF"},
                 {"A\"B", "A B"},
                 {"  X  ", "  X"},
                 {"&<>@[\\]^`{|}\"", ""},
                 {std::string("A\x01"
                              "B\xE9",
                              4),
                  "A B"},
                 {"AB   Z", "AB   Z"},
                 {"", ""},
                 {"a~!#$%", "a~!#$%"}};
    for (const auto& c : cases) {
        ch.Name(c.given);
        EXPECT_EQ(ch.Name(), c.read) << c.given;
    }
    ch.Name("LONGNAME");
    ch.AppearCh(false);
    EXPECT_EQ(ch.Name(), "");
    ch.AppearCh(true);
    EXPECT_EQ(ch.Name(), "LONGNA");  // the stored text survived
}

TEST(ChannelFields, DisplayTextsOfEveryItem) {
    const auto m = MatrixOf(0);
    auto ch = InUse(m, 11, 14500625);
    ch.DupDir_Pure(2);
    ch.FreqDup_Pure(60000);
    ch.Name("CALL");
    ch.TSqlOn_Pure(1);
    ch.ToneNo_Pure(49);
    ch.TvIf_Pure(3);
    ch.TvReverse_Pure(1);
    ch.TvSubCarrier_Pure(0);
    ch.SkipM_Pure(2);
    ch.SkipT_Pure(1);
    ch.ModeNo_Pure(3);
    ch.TsNo_Pure(10);
    const char* want[] = {"",     "",      " 145.006250", "+Dup", "   0.600000", "CALL",
                          "ON",   "254.1", "+2M",         "Rev",  "-63",         "M+P",
                          "Skip", "Auto",  "Auto",        ""};
    for (int item = 0; item < 16; ++item) EXPECT_EQ(ch.ItemString(item), want[item]) << item;
    EXPECT_EQ(ch.ItemString(16), "");
    EXPECT_EQ(ch.ItemString(-1), "");
    EXPECT_EQ(ch.SkipM_StrMenu(), "Program & Memory");
    EXPECT_EQ(ch.SkipT_StrMenu(), "Skip");
    ch.TvSubCarrier_Pure(126);
    EXPECT_EQ(ch.TvSubCarrier_String(), "63");
    ch.TvSubCarrier_Pure(64);
    EXPECT_EQ(ch.TvSubCarrier_String(), "1");

    const struct {
        ChTextList list;
        int count;
        const char* first;
        const char* last;
    } lists[] = {{ChTextList::DupDir, 3, "OFF", "+Dup"},
                 {ChTextList::Mode, 4, "FM", "Auto"},
                 {ChTextList::Tone, 50, "67.0", "254.1"},
                 {ChTextList::StepNorm, 11, "5k", "Auto"},
                 {ChTextList::Step24G, 10, "5k", "Auto"},
                 {ChTextList::TvIf, 5, "OFF", "+3M"},
                 {ChTextList::TSql, 2, "OFF", "ON"},
                 {ChTextList::TvReverse, 2, "", "Rev"},
                 {ChTextList::SubCarrier, 127, "-63", "63"},
                 {ChTextList::SkipMList, 3, "", "M+P"},
                 {ChTextList::SkipMMenu, 3, "Off", "Program & Memory"},
                 {ChTextList::SkipTList, 2, "", "Skip"},
                 {ChTextList::SkipTMenu, 2, "Off", "Skip"}};
    for (const auto& l : lists) {
        EXPECT_EQ(ChTextCount(l.list), l.count);
        EXPECT_EQ(ChTextAt(l.list, 0), l.first);
        EXPECT_EQ(ChTextAt(l.list, l.count - 1), l.last);
        EXPECT_EQ(ChTextAt(l.list, l.count), "");
        EXPECT_EQ(ChTextAt(l.list, -1), "");
    }
    EXPECT_EQ(ChTextAt(ChTextList::Step24G, 1), "10k");
    EXPECT_EQ(ChTextAt(ChTextList::SubCarrier, 63), "0");
}

TEST(ChannelFields, StepIndexConversionsAndReferenceGrids) {
    const struct {
        int n, to24G, toNorm;
    } steps[] = {{-1, -1, -1}, {0, 0, 0}, {1, 0, 2}, {2, 1, 3}, {10, 9, 11}};
    for (const auto& s : steps) {
        EXPECT_EQ(clsRigQ5_Ch::Conv_TsNo_NormTo24G(s.n), s.to24G) << s.n;
        EXPECT_EQ(clsRigQ5_Ch::Conv_TsNo_24GToNorm(s.n), s.toNorm) << s.n;
    }
    const struct {
        std::int32_t f;
        int bits, ref;
    } refs[] = {{0, 3, 0},    {500, 1, 0}, {625, 2, 1},     {1250, 2, 1},
                {2500, 3, 0}, {123, 0, 0}, {14500625, 2, 1}};
    const auto m = MatrixOf(1);
    for (const auto& r : refs) {
        EXPECT_EQ(clsRigQ5_Ch::UsableRefFreq(r.f), r.bits) << r.f;
        clsRigQ5_Ch ch(m, 11);
        ch.FreqOp_Pure(r.f);  // blank: stored as given
        EXPECT_EQ(ch.Ref_FreqOp(), r.ref) << r.f;
    }
    auto dup = InUse(m, 11, 14500000);
    dup.FreqDup_Pure(625);
    EXPECT_EQ(dup.Ref_FreqDup(), 1);
    dup.FreqDup_Pure(500);
    EXPECT_EQ(dup.Ref_FreqDup(), 0);
}

TEST(ChannelFields, VoiceFrequencyOfTvChannelsIsTheSoundCarrier) {
    clsRigQ5_Matrix m = MatrixOf(1);
    m.MtxTvOwNo(2);
    for (int ident : {14, 15, 16}) {
        auto ch = InUse(m, ident, 5525000);
        EXPECT_EQ(ch.FreqOp_Voice(), 6125000) << ident;
        ch.FreqOp_Voice(7000000);
        EXPECT_EQ(ch.FreqOp_Pure(), 6400000) << ident;
    }
    auto mem = InUse(m, 11, 5525000);
    EXPECT_EQ(mem.FreqOp_Voice(), 5525000);
    clsRigQ5_Ch blank(m, 14);
    blank.FreqOp_Pure(INT32_MAX);
    EXPECT_EQ(blank.FreqOp_Voice(), INT32_MAX);  // saturates, never wraps
    blank.FreqOp_Voice(INT32_MIN);
    EXPECT_EQ(blank.FreqOp_Pure(), INT32_MIN);
}

TEST(ChannelRules, LegalFrequencyForEachIdentity) {
    const auto v1 = MatrixOf(1);
    const auto v8 = MatrixOf(8);
    const auto cell = MatrixOf(1, 0, 1);
    const struct {
        const clsRigQ5_Matrix* m;
        int ident;
        std::int32_t f;
        bool legal;
    } cases[] = {
        {&v1, 0, 100000, true},      {&v1, 1, 100000, false},  // wrong band for the VFO
        {&v1, 3, 10000000, true},    {&v1, 3, 12000000, false},
        {&v1, 10, 240000000, true},  {&v1, 10, 14500000, false},
        {&v1, 11, 14500000, true},   {&v1, 12, 14500000, true},
        {&v1, 13, 14500000, true},   {&v1, 11, 40000, false},  // below the coverage
        {&v8, 11, 14550000, true},   {&v8, 11, 14650000, false},
        {&v8, 5, 14550000, true},    {&cell, 11, 85000000, false},
        {&cell, 11, 81599500, true}, {&v1, 14, 5525000, true},  // sound 59.75 MHz
        {&v8, 14, 5525000, true},     // TV channels ignore the general coverage
        {&v1, 14, 199997500, false},  // its sound lies above the TV range
        {&v1, 14, 2500000, false},   {&v1, 15, 2550000, true},
        {&v1, 15, 2500000, false},   {&v8, 15, 2550000, false},  // AM TV needs the coverage too
        {&v1, 16, 90000000, true},   {&v1, 16, 89997500, false},
        {&v1, 17, 14500000, false},  {&v1, -1, 14500000, false},
    };
    for (const auto& c : cases) {
        auto ch = InUse(*c.m, c.ident, c.f);
        EXPECT_EQ(ch.IsLegalFreqOp(), c.legal) << c.ident << " " << c.f;
        ch.FullCare();
        EXPECT_EQ(ch.AppearCh(), c.legal) << c.ident << " " << c.f;
    }
}

TEST(ChannelRules, ItemsOfEachIdentity) {
    const auto items = [](std::initializer_list<int> list) {
        int bits = 0;
        for (int i : list) bits |= 1 << i;
        return bits;
    };
    const int always = items({0, 1, 2, 15});
    const int radio = items({3, 4, 6, 7, 13, 14});
    for (int amOk = 0; amOk <= 1; ++amOk) {
        const auto m = MatrixOf(1, amOk);
        for (int ident = -1; ident <= 17; ++ident) {
            int want = always;
            if (ident >= 1 && ident <= 13) want |= radio;
            if (ident == 0 && amOk == 0) want |= radio;
            if (ident >= 11 && ident <= 13) want |= items({5});
            if (ident == 8 || ident == 9 || ident == 10 || ident == 16) want |= items({9, 10});
            if (ident == 11) want |= items({11});
            if (ident == 14) want |= items({8, 12});
            const clsRigQ5_Ch ch(m, ident);
            for (int item = -1; item <= 17; ++item) {
                const bool expected = item >= 0 && item < 16 && ((want >> item) & 1);
                EXPECT_EQ(ch.ItemExistsBase(item), expected)
                    << "am " << amOk << " ident " << ident << " item " << item;
            }
        }
    }
    // AM-only channels show only number, band, frequency, name and skip.
    const auto am = MatrixOf(1, 1);
    const auto mem = InUse(am, 11, 100000);
    const auto vfo0 = InUse(am, 0, 100000);
    const auto vfo1 = InUse(am, 1, 100000);
    const auto memFm = InUse(am, 11, 14500000);
    ASSERT_TRUE(mem.IsAmOnly());
    ASSERT_TRUE(vfo0.IsAmOnly());
    for (int item = 0; item < 16; ++item) {
        const bool amKept = item == 0 || item == 1 || item == 2 || item == 5 || item == 11;
        EXPECT_EQ(mem.ItemExistsNow(item), amKept && mem.ItemExistsBase(item)) << item;
        EXPECT_EQ(vfo0.ItemExistsNow(item), amKept && vfo0.ItemExistsBase(item)) << item;
        EXPECT_EQ(vfo1.ItemExistsNow(item), vfo1.ItemExistsBase(item)) << item;
        EXPECT_EQ(memFm.ItemExistsNow(item), memFm.ItemExistsBase(item)) << item;
    }
    EXPECT_TRUE(mem.ItemExistsNow(5));
    EXPECT_FALSE(mem.ItemExistsNow(13));
}

TEST(ChannelRules, AmAnd24GHzPredicatesClearingAndVfoPresence) {
    const auto am = MatrixOf(1, 1);
    const auto plain = MatrixOf(8, 0);
    const struct {
        const clsRigQ5_Matrix* m;
        int ident;
        std::int32_t f;
        bool neverAm, mustAm, amOnly, never24, must24, is24, clear, usable;
    } cases[] = {
        {&am, 0, 100000, false, true, true, true, false, false, false, true},
        {&am, 1, 100000, true, false, false, true, false, false, false, true},
        {&am, 11, 100000, false, false, true, false, false, false, true, true},
        {&am, 11, 14500000, false, false, false, false, false, false, true, true},
        {&am, 11, 240000000, false, false, false, false, false, true, true, true},
        {&am, 12, 100000, false, false, true, false, false, false, false, true},
        {&am, 13, 100000, false, false, true, false, false, false, true, true},
        {&am, 9, 240000000, true, false, false, true, false, false, false, true},
        {&am, 10, 14500000, true, false, false, false, true, true, false, true},
        {&am, 14, 240000000, true, false, false, true, false, false, true, true},
        {&am, 15, 240000000, true, false, false, false, false, true, true, true},
        {&am, 16, 100000, true, false, false, false, false, false, true, true},
        {&am, 17, 14500000, false, false, false, false, false, false, false, true},
        {&plain, 11, 100000, true, false, false, false, false, false, true, true},
        {&plain, 0, 100000, true, false, false, true, false, false, false, false},  // no band-0 VFO
        {&plain, 4, 12000000, true, false, false, true, false, false, false, true},
    };
    for (const auto& c : cases) {
        const auto ch = InUse(*c.m, c.ident, c.f);
        const std::string at = std::to_string(c.ident) + " @ " + std::to_string(c.f);
        EXPECT_EQ(ch.IsNeverAm(), c.neverAm) << at;
        EXPECT_EQ(ch.IsMustAm(), c.mustAm) << at;
        EXPECT_EQ(ch.IsAmOnly(), c.amOnly) << at;
        EXPECT_EQ(ch.IsNever24G(), c.never24) << at;
        EXPECT_EQ(ch.IsMust24G(), c.must24) << at;
        EXPECT_EQ(ch.Is24G(), c.is24) << at;
        EXPECT_EQ(ch.ClearEnable(), c.clear) << at;
        EXPECT_EQ(ch.Usable(), c.usable) << at;
    }
}

TEST(ChannelCopy, PasteIsAllowedWithinACopyClassOnly) {
    const auto m = MatrixOf(1);
    const auto am = MatrixOf(1, 1);
    const auto blank = [](const clsRigQ5_Matrix& mx, int ident) { return clsRigQ5_Ch(mx, ident); };
    const struct {
        clsRigQ5_Ch from, to;
        bool allowed;
        const char* why;
    } cases[] = {
        {InUse(m, 11, 14500000), InUse(m, 14, 5525000), false, "memory to TV"},
        {blank(m, 3), InUse(m, 4, 12000000), false, "blank onto a VFO"},
        {InUse(m, 3, 10000000), InUse(m, 4, 12000000), true, "VFO to VFO"},
        {InUse(m, 8, 90000000), InUse(m, 9, 100000000), true, "TV-option VFOs"},
        {InUse(m, 7, 50000000), InUse(m, 8, 90000000), false, "VFO without TV options to one with"},
        {InUse(m, 11, 14500000), InUse(m, 12, 14500000), true, "memory to first scan edges"},
        {blank(m, 11), InUse(m, 12, 14500000), false,
         "blank onto a scan edge that cannot be cleared"},
        {blank(m, 11), InUse(m, 13, 14500000), true, "blank onto a scan edge"},
        {blank(m, 14), InUse(m, 14, 5525000), true, "blank TV onto TV"},
        {InUse(m, 15, 5525000), InUse(m, 16, 9000000), false, "AM TV to FM TV"},
        {InUse(m, 17, 14500000), InUse(m, 17, 14500000), false, "unknown identity"},
        {InUse(am, 0, 100000), InUse(am, 1, 100000), false, "AM-only onto a never-AM VFO"},
        {InUse(am, 1, 100000), InUse(am, 0, 100000), false, "non-AM onto the must-AM VFO"},
        {InUse(am, 0, 100000), InUse(am, 0, 150000), true, "must-AM onto must-AM"},
        {InUse(am, 11, 100000), InUse(am, 11, 14500000), true, "AM-only memory onto memory"},
        {InUse(am, 11, 14500000), InUse(am, 11, 100000), true, "FM memory onto AM-area memory"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.to.CopyEnabledFrom(&c.from), c.allowed) << c.why;
    EXPECT_FALSE(InUse(m, 11, 14500000).CopyEnabledFrom(nullptr));
}

TEST(ChannelCopy, DataIsWrittenFrequencyFirstThroughTheHealingWrites) {
    const auto m = MatrixOf(1);
    // The offset's grid depends on the frequency: a 6.25 kHz offset survives
    // only if the frequency arrives before it.
    auto source = InUse(m, 11, 14500000);
    source.FreqDup_Pure(625);
    source.DupDir_Pure(1);
    source.Name("REP&1");
    source.ToneNo_Pure(12);
    source.TsNo_Pure(1);
    auto target = InUse(m, 11, 240000000);
    target.CopyData(source);
    EXPECT_EQ(Read(target), Read(source));
    EXPECT_EQ(target.FreqDup_Pure(), 625);
    EXPECT_EQ(target.TsNo_Pure(), 1);
    EXPECT_EQ(target.Name(), "REP 1");

    // A blank source passes its stored frequency and the blank defaults.
    clsRigQ5_Ch blankSource(m, 11);
    blankSource.FreqOp_Pure(14500300);
    blankSource.ToneNo_Pure(3);
    target.CopyData(blankSource);
    EXPECT_FALSE(target.AppearCh());
    EXPECT_EQ(target.FreqOp_Pure(), 14500300);
    target.AppearCh(true);
    EXPECT_EQ(target.FreqOp_Pure(), 14500500);
    EXPECT_EQ(target.ToneNo_Pure(), 8);
    EXPECT_EQ(target.TvSubCarrier_Pure(), 63);
    EXPECT_EQ(target.Name(), "");
    EXPECT_EQ(target.FreqDup_Pure(), 0);

    // CopyFull takes the identity too.
    auto tv = InUse(m, 14, 5525000);
    tv.TvIf_Pure(3);
    clsRigQ5_Ch full(m, 11);
    full.CopyFull(tv);
    EXPECT_EQ(full.ChIdent(), 14);
    EXPECT_EQ(Read(full), Read(tv));
}
