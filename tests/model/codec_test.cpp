// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "cases.h"
#include "model/master.h"
#include "read_values.h"

namespace {

using M = clsRigQ5_Master;

struct Fixture {
    clsCmcRadio radio;
    clsRigQ5_Master master{radio};
    explicit Fixture(int version, int amOk = 0) {
        master.MatrixObj().MtxVerNo(version);
        master.MatrixObj().MtxAmOk(amOk);
        master.Reset();
    }
    clsRigQ5_Ch& Ch(int type, int index) { return *master.ListCh(type, index); }
    std::string Hex(std::int32_t adr, std::int32_t count) const {
        return ByteStrToHexStr(radio.eepImage.ReadBlock(adr, count));
    }
    // The record decoded again into a fresh record of the same identity.
    std::string Decoded(int type, int index, int form = M::kProgramForm) {
        clsRigQ5_Ch back(master.MatrixObj(), Ch(type, index).ChIdent());
        master.Get1Ch(back, type, index, form);
        return ReadValues(back);
    }
};

}  // namespace

TEST(Codec, RecordLayouts) {
    // Frequencies as packed decimal digits of 100 Hz; on the 6.25 kHz grid
    // bit 6 of byte 0 (and of byte 4 for the offset) marks the 50 Hz the
    // digits cannot hold. Byte 4: duplex in bits 5-4 and the offset's top
    // digit; byte 8: mode in bits 7-6 and the tone; byte 9: skips in bits
    // 7-6, "Auto" mode in bit 5, tone squelch in bit 4, the step below; then
    // the name. An AM broadcast channel is its number on the 9 kHz grid and
    // three blank bytes. TV records: the IF shift in bits 7-5 (codes 0, 6,
    // 7, 5, 4). Reverse and sub carrier share an option byte.
    constexpr int kMem = M::kListMemory, kTv = M::kListTv;
    const struct {
        int amOk, type, index;
        std::int32_t freq;
        std::initializer_list<int> values;
        const char* bytes;
    } cases[] = {
        {0, kMem, 0, 14500000, {0, 0, 1, 8}, "01450000000000000810414220202020"},
        {0, kMem, 53, 129550000, {2, 2000000, 0, 49, 0, 0, 0, 2, 0, 2, 9}, "12955000302000007149"},
        {0, kMem, 53, 129550000, {1, 2000000, 0, 49, 0, 0, 0, 1, 0, 2, 9}, "12955000202000007189"},
        {0, kMem, 1, 14500625, {2, 625}, "4145006270000062"},
        {0, kMem, 1, 14501250, {2, 625}, "4145012570000062"},
        {0, kMem, 1, 14502500, {2, 625}, "0145025070000062"},
        {1, kMem, 2, 100000, {0, 0, 0, 8, 0, 0, 0, 1}, "38FFFFFF000000008080414220202020"},
        {0, kTv, 0, 5525000, {}, "00552500"},
        {0, kTv, 5, 17525000, {0, 0, 0, 8, 1}, "C1752500"},
        {0, kTv, 5, 17525000, {0, 0, 0, 8, 2}, "E1752500"},
        {0, kTv, 5, 17525000, {0, 0, 0, 8, 3}, "A1752500"},
        {0, kTv, 5, 17525000, {0, 0, 0, 8, 4}, "81752500"},
        {0, M::kListAmTv, 9, 8000000, {}, "00800000"},
        {0, M::kListFmTv, 4, 9500000, {0, 0, 0, 8, 0, 1, 5}, "00950000"},
        {0, M::kListVfo, 9, 120000000, {0, 0, 0, 8, 0, 1, 126}, "12000000000000000800"}};
    for (const auto& c : cases) {
        Fixture f(1, c.amOk);
        auto& ch = f.Ch(c.type, c.index);
        ch.AppearCh(true);
        ch.FreqOp_Pure(c.freq);
        WriteValues(ch, c.values, "AB");
        const bool option = c.type == M::kListFmTv || c.type == M::kListVfo;  // written whole
        if (option) f.radio.eepImage.WriteByte(M::EeAdr_TvFmOpt(ch.ChIdent(), c.index), 0x7F);
        const std::int32_t next = M::EeAdr_Ch(c.type, c.index + 1);  // left as it is
        const int nextByte = f.radio.eepImage.ReadByte(next);
        f.master.Set1Ch(ch, c.type, c.index, M::kProgramForm);
        EXPECT_EQ(f.radio.eepImage.ReadByte(next), nextByte) << c.freq;
        const std::string bytes = c.bytes;
        EXPECT_EQ(f.Hex(M::EeAdr_Ch(c.type, c.index), static_cast<int>(bytes.size() / 2)), bytes)
            << c.freq;
        EXPECT_EQ(f.Decoded(c.type, c.index), ReadValues(ch)) << c.freq;
        if (option) {
            EXPECT_EQ(f.Hex(M::EeAdr_TvFmOpt(ch.ChIdent(), c.index), 1),
                      c.index == 9 ? "FE" : "85");
        }
    }
    // list,index>address of the record; the option bytes of the FM TV
    // channels and of the VFOs of bands 8 to 10.
    EXPECT_EQ(std::pair(M::EeAdr_TvFmOpt(16, 4), M::EeAdr_TvFmOpt(9, 0)),
              std::pair(0x1ED8, 0x1F07));
    ForEachCase("0,10>0x1C84 1,399>0x18F0 2,49>0x1C10 3,82>0x1DE0 4,9>0x1E08 5,49>0x1ED0 6,0>0",
                [](const CaseNumbers& in, const CaseNumbers& adr) {
                    EXPECT_EQ(M::EeAdr_Ch(in[0], in[1]), adr[0]);
                });
    // The receiver listens to the sound carrier: 4.5 MHz above the picture here.
    Fixture f(1);
    f.master.MatrixObj().MtxTvOwNo(0);
    f.Ch(kTv, 0).AppearCh(true);
    f.Ch(kTv, 0).FreqOp_Pure(5525000);
    f.master.Set1Ch(f.Ch(kTv, 0), kTv, 0, M::kReceiverForm);
    EXPECT_EQ(f.Hex(0x1C98, 4), "00597500");
    EXPECT_EQ(f.Decoded(kTv, 0, M::kReceiverForm), ReadValues(f.Ch(kTv, 0)));
}

// Decoding or encoding a list without records once touched memory channel 0.
TEST(Codec, ListsWithoutRecordsAreNeitherReadNorWrittenAndAmGridNumbersAreHeld) {
    Fixture f(1, 1);
    f.radio.eepImage.FillBlock(0, 0x11, 16);
    auto& ch = f.Ch(M::kListMemory, 0);
    ch.AppearCh(true);
    ch.FreqOp_Pure(14500000);
    const std::pair<int, int> places[] = {
        {M::kListFolder, 0}, {-1, 0}, {M::kListMemory, 400}, {M::kListTv, -1}};
    for (const auto& [type, index] : places) {
        f.master.Set1Ch(ch, type, index, M::kProgramForm);
        EXPECT_EQ(f.Hex(0, 16), std::string(32, '1')) << type << "/" << index;
        f.master.Get1Ch(ch, type, index, M::kProgramForm);
        EXPECT_EQ(ch.FreqOp_Pure(), 14500000) << type << "/" << index;
    }
    // An AM grid number out of range is held to 1620 kHz; the record is AM,
    // also where the version has no AM grid.
    Fixture noGrid(1);
    for (Fixture* g : {&f, &noGrid}) {
        g->radio.eepImage.WriteBlock(32, HexStrToByteStr("C8FFFFFF000000008080414D20202020"));
        EXPECT_EQ(g->Decoded(M::kListMemory, 2),
                  g == &f ? "1/162000/1/'AM'" : "1/162000/0/0/0/8/1/1/0/'AM'");
    }
}

// Generated records of every identity: encoding then decoding gives the
// same read values.
TEST(Codec, EncodeThenDecodeKeepsEveryReadValue) {
    Pick pick(20261206);
    for (int version = 0; version <= 11; ++version) {
        for (int amOk = 0; amOk <= 1; ++amOk) {
            Fixture f(version, amOk);
            f.master.MatrixObj().MtxTvOwNo(pick(0, 3));
            f.master.MatrixObj().MtxFmTvOk(pick(0, 3) != 0);
            f.master.Reset();
            for (int type = M::kListVfo; type <= M::kListFmTv; ++type) {
                for (int i = 0; i < M::NumRecordsOfListType(type); ++i) {
                    auto& ch = f.Ch(type, i);
                    // Channels that cannot be blank come back from the initial image instead.
                    ch.AppearCh(!ch.ClearEnable() || pick(0, 5) != 0);
                    // Mostly realistic frequencies, some far out of range.
                    std::int32_t freq =
                        pick(0, 9) == 0 ? pick(-1000000, 400000000) : pick(0, 260000000);
                    if (type == M::kListVfo && pick(0, 1) == 0)
                        freq = f.master.MatrixObj().BandLowerEdge(i) + pick(0, 100000);
                    if (pick(0, 3) == 0) freq = freq / 625 * 625;
                    ch.FreqOp_Pure(freq);
                    std::string name;
                    for (int k = pick(0, 8); k > 0; --k)
                        name += static_cast<char>(pick(0x20, 0x7E));
                    WriteValues(
                        ch,
                        {pick(-1, 3), pick(-10, 17000000), pick(0, 1), pick(-2, 55), pick(0, 5),
                         pick(0, 1), pick(0, 130), pick(0, 3), pick(0, 1), pick(0, 4), pick(0, 12)},
                        name.c_str());
                    f.master.Set1Ch(ch, type, i, M::kProgramForm);
                    ASSERT_EQ(f.Decoded(type, i), ReadValues(ch))
                        << "version " << version << " am " << amOk << " list " << type << " #" << i;
                }
            }
        }
    }
}

// Decoding any image heals it; encoding the result and decoding again changes nothing.
TEST(Codec, DecodedAndEncodedImageIsAFixedPoint) {
    std::mt19937 rng(7);
    for (int version = 0; version <= 12; ++version) {
        Fixture f(version, version % 2);
        for (int i = 0; i < 8064; ++i) {
            f.radio.eepImage.WriteByte(i, static_cast<int>(rng() & 0xFF));
            f.radio.eepInitial.WriteByte(i, static_cast<int>(rng() & 0xFF));
        }
        // Half the memories blank; the records that cannot be blank are not
        // (a blank one returns to the random, unhealed factory bytes).
        for (int i = 0; i < 400; i += 2) f.radio.eepImage.WriteByte(16 * i, 0xFF);
        for (int i = 0; i < 11; ++i) f.radio.eepImage.WriteByte(M::EeAdr_Ch(M::kListVfo, i), 0x01);
        for (int i = 0; i < 2; ++i) f.radio.eepImage.WriteByte(M::EeAdr_Ch(M::kListPScan, i), 0x01);
        f.master.ReadFromEep(M::kProgramForm);
        f.master.WriteToEep();
        const ByteStr once = f.radio.eepImage.bytes();
        f.master.ReadFromEep(M::kProgramForm);
        f.master.WriteToEep();
        EXPECT_EQ(f.radio.eepImage.bytes(), once) << "version " << version;
    }
}
