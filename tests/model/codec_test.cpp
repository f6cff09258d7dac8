// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "model/master.h"
#include "read_values.h"

namespace {

using M = clsRigQ5_Master;

ByteStr Bytes(const clsCmcRadio& radio, std::int32_t adr, std::int32_t count) {
    return radio.eepImage.ReadBlock(adr, count);
}

struct Fixture {
    clsCmcRadio radio;
    clsRigQ5_Master master{radio};
    explicit Fixture(int version, int amOk = 0) {
        master.MatrixObj().MtxVerNo(version);
        master.MatrixObj().MtxAmOk(amOk);
        master.Reset();
    }
    clsRigQ5_Ch& Ch(int type, int index) { return *master.ListCh(type, index); }
};

}  // namespace

TEST(Codec, MemoryChannelAt145MHzIsStoredAsPackedDigits) {
    Fixture f(1);
    auto& ch = f.Ch(M::kListMemory, 0);
    ch.AppearCh(true);
    ch.FreqOp_Pure(14500000);
    ch.ModeNo_Pure(0);
    ch.ToneNo_Pure(8);
    ch.TSqlOn_Pure(1);
    ch.TsNo_Pure(0);
    ch.DupDir_Pure(0);
    ch.Name("ABC");
    f.master.Set1Ch(ch, M::kListMemory, 0, M::kProgramForm);
    EXPECT_EQ(Bytes(f.radio, 0, 16), (ByteStr{0x01, 0x45, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x08,
                                              0x10, 0x41, 0x42, 0x43, 0x20, 0x20, 0x20}));
}

TEST(Codec, RecordFieldsOccupyTheirBits) {
    // Memory channel 3 of bank B: 1295.5 MHz, +Dup 20 MHz, WFM, tone 49,
    // step 9, skip in program scan too.
    Fixture f(1);
    auto& ch = f.Ch(M::kListMemory, 53);
    ch.AppearCh(true);
    ch.FreqOp_Pure(129550000);
    ch.DupDir_Pure(2);
    ch.FreqDup_Pure(2000000);
    ch.ModeNo_Pure(2);
    ch.ToneNo_Pure(49);
    ch.TsNo_Pure(9);
    ch.SkipM_Pure(2);
    ch.Name("Z");
    f.master.Set1Ch(ch, M::kListMemory, 53, M::kProgramForm);
    EXPECT_EQ(M::EeAdr_Ch(M::kListMemory, 53), 53 * 16);
    EXPECT_EQ(Bytes(f.radio, 53 * 16, 16),
              (ByteStr{0x12, 0x95, 0x50, 0x00, 0x30, 0x20, 0x00, 0x00, 0x71, 0x49, 0x5A, 0x20, 0x20,
                       0x20, 0x20, 0x20}));
    clsRigQ5_Ch back(f.master.MatrixObj(), clsRigQ5_Ch::kIdentMemory);
    f.master.Get1Ch(back, M::kListMemory, 53, M::kProgramForm);
    EXPECT_EQ(ReadValues(back), ReadValues(ch));

    ch.DupDir_Pure(1);
    ch.SkipM_Pure(1);
    f.master.Set1Ch(ch, M::kListMemory, 53, M::kProgramForm);
    EXPECT_EQ(f.radio.eepImage.ReadByte(53 * 16 + 4), 0x20);
    EXPECT_EQ(f.radio.eepImage.ReadByte(53 * 16 + 9), 0x89);
}

TEST(Codec, SixPointTwoFiveKilohertzGridKeepsItsFiftyHertzInTheReferenceBit) {
    Fixture f(1);
    const struct {
        std::int32_t freq;
        ByteStr bytes;
    } cases[] = {
        {14500625, {0x41, 0x45, 0x00, 0x62}},
        {14501875, {0x41, 0x45, 0x01, 0x87}},
        {14501250, {0x41, 0x45, 0x01, 0x25}},  // 12.5 kHz: off the 5 kHz grid, digits exact
        {14502500, {0x01, 0x45, 0x02, 0x50}},  // on the 5 kHz grid: no reference bit
    };
    for (const auto& c : cases) {
        auto& ch = f.Ch(M::kListMemory, 1);
        ch.AppearCh(true);
        ch.FreqOp_Pure(c.freq);
        ch.DupDir_Pure(2);
        ch.FreqDup_Pure(625);
        f.master.Set1Ch(ch, M::kListMemory, 1, M::kProgramForm);
        EXPECT_EQ(Bytes(f.radio, 16, 4), c.bytes) << c.freq;
        // Offset 6.25 kHz: digits of 0.0062 MHz with its own reference bit, plus on.
        EXPECT_EQ(Bytes(f.radio, 20, 4), (ByteStr{0x70, 0x00, 0x00, 0x62})) << c.freq;
        clsRigQ5_Ch back(f.master.MatrixObj(), clsRigQ5_Ch::kIdentMemory);
        f.master.Get1Ch(back, M::kListMemory, 1, M::kProgramForm);
        EXPECT_EQ(back.FreqOp_Pure(), c.freq);
        EXPECT_EQ(back.FreqDup_Pure(), 625);
    }
}

TEST(Codec, AmBroadcastChannelUsesTheNineKilohertzForm) {
    Fixture f(1, 1);
    auto& ch = f.Ch(M::kListMemory, 2);
    ch.AppearCh(true);
    ch.FreqOp_Pure(100000);
    ch.SkipM_Pure(1);
    ch.Name("AM");
    EXPECT_EQ(ch.FreqOp_Pure(), 99900);
    f.master.Set1Ch(ch, M::kListMemory, 2, M::kProgramForm);
    EXPECT_EQ(Bytes(f.radio, 32, 16), (ByteStr{56, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0x80, 0x80, 0x41,
                                               0x4D, 0x20, 0x20, 0x20, 0x20}));
    clsRigQ5_Ch back(f.master.MatrixObj(), clsRigQ5_Ch::kIdentMemory);
    f.master.Get1Ch(back, M::kListMemory, 2, M::kProgramForm);
    EXPECT_EQ(back.FreqOp_Pure(), 99900);
    EXPECT_EQ(back.ModeNo_Pure(), 1);
    EXPECT_EQ(back.SkipM_Pure(), 1);
    EXPECT_EQ(back.Name(), "AM");

    // An out-of-range grid number is held to 1620 kHz.
    f.radio.eepImage.WriteByte(32, 200);
    f.master.Get1Ch(back, M::kListMemory, 2, M::kProgramForm);
    EXPECT_EQ(back.FreqOp_Pure(), 162000);
}

TEST(Codec, TvChannelGoesToTheReceiverAsItsSoundCarrier) {
    Fixture f(1);
    f.master.MatrixObj().MtxTvOwNo(0);  // 4.5 MHz
    auto& ch = f.Ch(M::kListTv, 0);
    ch.AppearCh(true);
    ch.FreqOp_Pure(5525000);
    f.master.Set1Ch(ch, M::kListTv, 0, M::kReceiverForm);
    EXPECT_EQ(Bytes(f.radio, 0x1C98, 4), (ByteStr{0x00, 0x59, 0x75, 0x00}));
    clsRigQ5_Ch back(f.master.MatrixObj(), clsRigQ5_Ch::kIdentTv);
    f.master.Get1Ch(back, M::kListTv, 0, M::kReceiverForm);
    EXPECT_TRUE(back.AppearCh());
    EXPECT_EQ(back.FreqOp_Pure(), 5525000);

    f.master.Set1Ch(ch, M::kListTv, 0, M::kProgramForm);
    EXPECT_EQ(Bytes(f.radio, 0x1C98, 4), (ByteStr{0x00, 0x55, 0x25, 0x00}));
}

TEST(Codec, TvIfShiftCodesInTheTopThreeBits) {
    Fixture f(1);
    const int codes[] = {0b000, 0b110, 0b111, 0b101, 0b100};  // OFF, -3M, -2M, +2M, +3M
    auto& ch = f.Ch(M::kListTv, 5);
    ch.AppearCh(true);
    ch.FreqOp_Pure(17525000);
    for (int tvIf = 0; tvIf < 5; ++tvIf) {
        ch.TvIf_Pure(tvIf);
        f.master.Set1Ch(ch, M::kListTv, 5, M::kProgramForm);
        const int b0 = f.radio.eepImage.ReadByte(0x1C98 + 20);
        EXPECT_EQ(b0 >> 5, codes[tvIf]) << tvIf;
        EXPECT_EQ(b0 & 0x1F, 0x01) << tvIf;
        clsRigQ5_Ch back(f.master.MatrixObj(), clsRigQ5_Ch::kIdentTv);
        f.master.Get1Ch(back, M::kListTv, 5, M::kProgramForm);
        EXPECT_EQ(back.TvIf_Pure(), tvIf);
        EXPECT_EQ(back.FreqOp_Pure(), 17525000);
    }
    // Codes 001..011 are not used by the receiver and read as OFF.
    f.radio.eepImage.WriteByte(0x1C98 + 20, 0x37);
    clsRigQ5_Ch back(f.master.MatrixObj(), clsRigQ5_Ch::kIdentTv);
    f.master.Get1Ch(back, M::kListTv, 5, M::kProgramForm);
    EXPECT_EQ(back.TvIf_Pure(), 0);
}

TEST(Codec, TvSkipBitsAreSharedBytesWrittenBitByBit) {
    Fixture f(1);
    f.radio.eepImage.WriteByte(0x1F1A, 0xFB);
    auto& ch = f.Ch(M::kListTv, 82);
    ch.AppearCh(true);
    ch.FreqOp_Pure(17525000);
    ch.SkipT_Pure(1);
    f.master.Set1Ch(ch, M::kListTv, 82, M::kProgramForm);
    EXPECT_EQ(f.radio.eepImage.ReadByte(0x1F1A), 0xFF);
    ch.SkipT_Pure(0);
    f.master.Set1Ch(ch, M::kListTv, 82, M::kProgramForm);
    EXPECT_EQ(f.radio.eepImage.ReadByte(0x1F1A), 0xFB);

    // A blank channel leaves its skip bit alone.
    f.radio.eepImage.WriteBit(0x1F10, 3, 1);
    auto& blank = f.Ch(M::kListTv, 3);
    blank.AppearCh(false);
    f.master.Set1Ch(blank, M::kListTv, 3, M::kProgramForm);
    EXPECT_EQ(Bytes(f.radio, 0x1C98 + 12, 4), ByteStr(4, 0xFF));
    EXPECT_EQ(f.radio.eepImage.ReadBit(0x1F10, 3), 1);
}

TEST(Codec, OptionByteKeepsReverseInBitSeven) {
    Fixture f(0);  // FM TV exists
    auto& ch = f.Ch(M::kListFmTv, 4);
    ch.AppearCh(true);
    ch.FreqOp_Pure(9500000);
    ch.TvReverse_Pure(1);
    ch.TvSubCarrier_Pure(5);
    f.master.Set1Ch(ch, M::kListFmTv, 4, M::kProgramForm);
    EXPECT_EQ(f.radio.eepImage.ReadByte(0x1ED4 + 4), 0x85);
    ch.TvReverse_Pure(0);
    ch.TvSubCarrier_Pure(70);
    f.master.Set1Ch(ch, M::kListFmTv, 4, M::kProgramForm);
    EXPECT_EQ(f.radio.eepImage.ReadByte(0x1ED4 + 4), 70);

    // The VFOs of bands 8..10 have theirs at 0x1F06..0x1F08.
    EXPECT_EQ(M::EeAdr_TvFmOpt(8, 0), 0x1F06);
    EXPECT_EQ(M::EeAdr_TvFmOpt(10, 0), 0x1F08);
    EXPECT_EQ(M::EeAdr_TvFmOpt(16, 49), 0x1ED4 + 49);
    auto& vfo = f.Ch(M::kListVfo, 9);
    vfo.AppearCh(true);
    vfo.FreqOp_Pure(120000000);
    vfo.TvReverse_Pure(1);
    vfo.TvSubCarrier_Pure(126);
    f.master.Set1Ch(vfo, M::kListVfo, 9, M::kProgramForm);
    EXPECT_EQ(f.radio.eepImage.ReadByte(0x1F07), 0xFE);
    clsRigQ5_Ch back(f.master.MatrixObj(), 9);
    f.master.Get1Ch(back, M::kListVfo, 9, M::kProgramForm);
    EXPECT_EQ(back.TvReverse_Pure(), 1);
    EXPECT_EQ(back.TvSubCarrier_Pure(), 126);
}

TEST(Codec, AddressesOfEachList) {
    const struct {
        int type, index;
        std::int32_t adr;
    } cases[] = {{M::kListVfo, 0, 0x1C20},      {M::kListVfo, 10, 0x1C84},
                 {M::kListMemory, 399, 0x18F0}, {M::kListPScan, 0, 0x1900},
                 {M::kListPScan, 49, 0x1C10},   {M::kListTv, 82, 0x1DE0},
                 {M::kListAmTv, 9, 0x1E08},     {M::kListFmTv, 49, 0x1ED0},
                 {M::kListFolder, 0, 0},        {-1, 3, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(M::EeAdr_Ch(c.type, c.index), c.adr) << c.type << "/" << c.index;
}

TEST(Codec, BlankRecordsAreClearedOrReturnToTheirFactoryContent) {
    Fixture f(1);
    for (int i = 0; i < 8064; ++i) f.radio.eepInitial.WriteByte(i, (i * 7 + 3) & 0x7F);
    f.radio.eepImage.FillBlock(0, 0x11, 8064);
    for (auto [type, index] : {std::pair{M::kListVfo, 4},
                               {M::kListPScan, 0},
                               {M::kListPScan, 1},
                               {M::kListPScan, 2},
                               {M::kListMemory, 7}}) {
        auto& ch = f.Ch(type, index);
        ch.AppearCh(false);
        f.master.Set1Ch(ch, type, index, M::kProgramForm);
        const std::int32_t adr = M::EeAdr_Ch(type, index);
        const int length = type == M::kListVfo ? 10 : 16;
        const ByteStr expected =
            ch.ClearEnable() ? ByteStr(16, 0xFF) : f.radio.eepInitial.ReadBlock(adr, length);
        EXPECT_EQ(Bytes(f.radio, adr, length), expected) << type << "/" << index;
        EXPECT_EQ(f.radio.eepImage.ReadByte(adr + length), 0x11) << "nothing beyond the record";
    }
}

// Generated records of every identity: encoding then decoding gives the
// same read values.
TEST(Codec, EncodeThenDecodeKeepsEveryReadValue) {
    std::mt19937 rng(20261206);
    auto pick = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
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
                    if (type == M::kListVfo && pick(0, 1) == 0) {
                        freq = f.master.MatrixObj().BandLowerEdge(i) + pick(0, 100000);
                    }
                    if (pick(0, 3) == 0) freq = freq / 625 * 625;
                    ch.FreqOp_Pure(freq);
                    ch.DupDir_Pure(pick(-1, 3));
                    ch.FreqDup_Pure(pick(-10, 17000000));
                    ch.TSqlOn_Pure(pick(0, 1));
                    ch.ToneNo_Pure(pick(-2, 55));
                    ch.TvIf_Pure(pick(0, 5));
                    ch.TvReverse_Pure(pick(0, 1));
                    ch.TvSubCarrier_Pure(pick(0, 130));
                    ch.SkipM_Pure(pick(0, 3));
                    ch.SkipT_Pure(pick(0, 1));
                    ch.ModeNo_Pure(pick(0, 4));
                    ch.TsNo_Pure(pick(0, 12));
                    std::string name;
                    for (int k = pick(0, 8); k > 0; --k)
                        name += static_cast<char>(pick(0x20, 0x7E));
                    ch.Name(name);
                    f.master.Set1Ch(ch, type, i, M::kProgramForm);
                    clsRigQ5_Ch back(f.master.MatrixObj(), ch.ChIdent());
                    f.master.Get1Ch(back, type, i, M::kProgramForm);
                    ASSERT_EQ(ReadValues(back), ReadValues(ch))
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
            // Half the records blank, half random bytes.
            f.radio.eepImage.WriteByte(i, static_cast<int>(rng() & 0xFF));
            f.radio.eepInitial.WriteByte(i, static_cast<int>(rng() & 0xFF));
        }
        for (int i = 0; i < 400; i += 2) f.radio.eepImage.WriteByte(16 * i, 0xFF);
        // The records that cannot be blank must not be: a blank one returns to
        // the (here random, unhealed) factory bytes.
        for (int i = 0; i < 11; ++i) f.radio.eepImage.WriteByte(M::EeAdr_Ch(M::kListVfo, i), 0x01);
        for (int i = 0; i < 2; ++i) f.radio.eepImage.WriteByte(M::EeAdr_Ch(M::kListPScan, i), 0x01);
        f.master.ReadFromEep(M::kProgramForm);
        f.master.WriteToEep();
        const ByteStr once = f.radio.eepImage.ReadBlock(0, 8064);
        f.master.ReadFromEep(M::kProgramForm);
        f.master.WriteToEep();
        EXPECT_EQ(f.radio.eepImage.ReadBlock(0, 8064), once) << "version " << version;
    }
}

TEST(Codec, ListsWithoutRecordsAreNeitherReadNorWritten) {
    Fixture f(1);
    f.radio.eepImage.FillBlock(0, 0x11, 16);
    auto& ch = f.Ch(M::kListMemory, 0);
    ch.AppearCh(true);
    ch.FreqOp_Pure(14500000);
    for (auto [type, index] :
         {std::pair{M::kListFolder, 0}, {-1, 0}, {M::kListMemory, 400}, {M::kListTv, -1}}) {
        f.master.Set1Ch(ch, type, index, M::kProgramForm);
        EXPECT_EQ(Bytes(f.radio, 0, 16), ByteStr(16, 0x11)) << type << "/" << index;
        f.master.Get1Ch(ch, type, index, M::kProgramForm);
        EXPECT_EQ(ch.FreqOp_Pure(), 14500000) << type << "/" << index;
    }
}
