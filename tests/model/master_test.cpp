// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/master.h"

#include <gtest/gtest.h>

#include "app/profile.h"
#include "cases.h"
#include "image/info_checks.h"
#include "model/master_profile.h"
#include "read_values.h"
#include "temp_dir.h"
#include "version_document.h"

namespace {

using M = clsRigQ5_Master;

// An identification answer: version, capability bits (3: AM not allowed,
// 5: cellular blocked, 6: FM TV) and option bits (0: expanded coverage,
// 1-2: TV sound standard).
ByteStr Answer(int version, int caps, int opts) {
    ByteStr a = HexStrToByteStr("EFEEE123040001");
    a.resize(23);
    a.insert(a.end(), {static_cast<std::uint8_t>(version), static_cast<std::uint8_t>(caps),
                       static_cast<std::uint8_t>(opts)});
    return a;
}

std::string Matrix(const clsRigQ5_Matrix& m) {
    return std::to_string(m.MtxVerNo()) + " am " + std::to_string(m.MtxAmOk()) + " cell " +
           std::to_string(m.MtxCellerNg()) + " fmtv " + std::to_string(m.MtxFmTvOk()) + " exp " +
           std::to_string(m.MtxExpOn()) + " tv " + std::to_string(m.MtxTvOwNo());
}

}  // namespace

TEST(Master, CloneWriteImageBlanksIllegalChannelsAndSetsTheListHeads) {
    VersionDocument d(8);  // narrow coverage: 108-136, 144-146, 430-440, 1260-1265 MHz
    d.Blank({M::kListMemory, M::kListTv, M::kListAmTv, M::kListFmTv});
    // Memories at 100 MHz (outside), 145 MHz (bank A's first in use: 7),
    // 435 MHz (bank B's: 3) and 145.5 MHz (bank H's: 49); band 5's VFO at
    // 200 MHz (outside: back to its factory record); scan edges 0 (cannot be
    // blank) and 2 at 100 MHz; TV channel 5 at 55.25 MHz; FM TV channels with
    // their sound at 99.5 MHz (outside) and 1264.5 MHz.
    // list,index,frequency>
    ForEachCase(
        "1,0,10000000> 1,7,14500000> 1,53,43500000> 1,399,14550000> 0,5,20000000> 2,0,10000000> "
        "2,2,10000000> 3,5,5525000> 5,2,9500000> 5,3,126000000>",
        [&](const CaseNumbers& used, const CaseNumbers&) { d.Use(used[0], used[1], used[2]); });
    d.master.CommonObj().Comment("KEEP");
    d.master.WriteToEep();
    // Bytes the program never edits carry stray values.
    auto& img = d.radio.eepImage;
    const auto& init = d.radio.eepInitial;
    for (int a = 0x1F20; a < 0x1F80; ++a)
        if (a < 0x1F60 || a >= 0x1F70) img.WriteByte(a, init.ReadByte(a) ^ 0xA5);
    d.master.FullCareEepToCloneWrite();

    EXPECT_EQ(ByteStrToHexStr(img.ReadBlock(0, 16)), std::string(32, 'F'));
    EXPECT_EQ(ByteStrToHexStr(img.ReadBlock(7 * 16, 4)), "01450000");
    const std::int32_t vfo5 = M::EeAdr_Ch(M::kListVfo, 5);
    EXPECT_EQ(img.ReadBlock(vfo5, 10), init.ReadBlock(vfo5, 10));
    EXPECT_EQ(img.ReadBlock(0x1900, 16), init.ReadBlock(0x1900, 16));
    EXPECT_EQ(img.ReadBlock(0x1920, 16), ByteStr(16, 0xFF));
    // TV channels travel as sound carriers: 55.25 + 4.5 MHz (IF shift -2M
    // from the factory record).
    EXPECT_EQ(ByteStrToHexStr(img.ReadBlock(M::EeAdr_Ch(M::kListTv, 5), 4)), "E0597500");
    // Edited settings stay: the comment, the display mode bit; the list
    // heads follow the channels in use, expanded coverage the matrix.
    const std::pair<int, int> heads[] = {{0x1F46, 5}, {0x1F4E, 0},  {0x1F4F, 3}, {0x1F50, 7},
                                         {0x1F51, 3}, {0x1F57, 49}, {0x1F58, 0}};
    for (int a = 0x1F20; a < 0x1F80; ++a) {
        if (a == 0x1F60) a = 0x1F70;  // the comment, below
        int want = init.ReadByte(a);
        if ((a >= 0x1F20 && a <= 0x1F31 && a != 0x1F21) || a == 0x1F33) want ^= 0xA5;
        if (a == 0x1F5C) want ^= 0xA5 & 0x04;
        if (a == 0x1F4A) want &= 0x7F;
        if (a > 0x1F51 && a < 0x1F57) want = 0;
        for (const auto& [adr, head] : heads) want = a == adr ? head : want;
        EXPECT_EQ(img.ReadByte(a), want) << std::hex << a;
    }
    EXPECT_EQ(d.master.CommonObj().Comment(), "KEEP            ");
    d.master.MatrixObj().MtxExpOn(1);
    d.master.FullCareEepToCloneWrite();
    EXPECT_EQ(img.ReadByte(0x1F4A), init.ReadByte(0x1F4A) | 0x80);
}

TEST(Master, ChUnitFindsTheRecordOfATreeRowWhichAResetKeeps) {
    VersionDocument d(0);
    const clsRigQ5_Ch* bankH = d.master.ChUnit(10, 49);
    EXPECT_EQ(bankH, d.master.ListCh(M::kListMemory, 399));
    for (int bank = 0; bank < 8; ++bank)  // Bank A to H: keys 3 to 10, 50 channels each
        EXPECT_EQ(d.master.ChUnit(3 + bank, 0), d.master.ListCh(M::kListMemory, 50 * bank));
    for (const auto& [key, row] : {std::pair{10, 50}, {0, 0}, {27, 0}, {-1, 0}, {3, -1}})
        EXPECT_EQ(d.master.ChUnit(key, row), nullptr) << key << "/" << row;
    const clsRigQ5_Master& m = d.master;
    std::string columns;  // each list's grid columns, by item number
    for (int type = 0, i = 0; type < M::kNumListTypes; i = 0, ++type, columns += "|")
        while (i < m.NumItemNoOfChListType(type))
            columns += std::to_string(m.ItemNoOfChListType(type, i++)) + " ";
    EXPECT_EQ(columns,
              "1 2 3 4 6 7 10 9 13 14 15 |0 2 3 4 5 6 7 11 13 14 15 |0 2 3 4 5 6 7 13 14 15 |"
              "0 2 8 12 15 |0 2 15 |0 2 10 9 15 ||");
    // Lookups just past the end of each table find nothing.
    const int keys = M::kMaxTreeKeys, types = M::kNumListTypes;
    EXPECT_TRUE(m.TreeKeyStr(keys).empty() && m.TreeKeyTopChNo(keys) == 0 &&
                m.TreeKeyChListType(keys) == M::kListFolder &&
                m.NumItemNoOfChListType(types) == 0 &&
                m.ItemNoOfChListType(0, M::kItemsPerList) == M::kNoItem &&
                m.ItemNoOfChListType(types, 0) == M::kNoItem);
    // The windows hold references to the records. Without FM TV the tree has
    // no FM TV list and the VFOs no TV option columns.
    d.master.MatrixObj().MtxFmTvOk(0);
    d.master.Reset();
    EXPECT_EQ(d.master.ChUnit(10, 49), bankH);
    EXPECT_EQ(std::pair(d.master.TreeKeyStr(15), d.master.NumItemNoOfChListType(M::kListVfo)),
              std::pair(std::string(), 9));
}

TEST(Master, InitialSetupAdoptsTheReceiversVersionReadAndWriteNeedTheSameReceiver) {
    clsCmcRadio radio;
    clsRigQ5_Master master(radio);
    EXPECT_EQ(master.RigOpFunc_CheckInfoToInitInfo(Answer(7, 0x20, 0x05)), kInfoOk);
    EXPECT_EQ(Matrix(master.MatrixObj()), "7 am 1 cell 1 fmtv 0 exp 1 tv 2");
    // The initial image was rebuilt for it and the document reloaded.
    EXPECT_EQ(radio.eepImage.ReadBlock(0x1F70, 16), StrToByteStr("ArdoCloneFormat3"));
    EXPECT_FALSE(radio.EditOn());
    EXPECT_EQ(master.RigOpFunc_CheckReadedData(), kInfoOk);

    TempDir dir;
    clsCmcProfileIO p;
    p.Path(dir.path().string() + "/");
    MasterSaveData(master, p);
    clsCmcRadio radio2;
    clsRigQ5_Master next(radio2);
    MasterLoadData(next, p);
    EXPECT_EQ(Matrix(next.MatrixObj()), Matrix(master.MatrixObj()));

    // Version byte 15 is limited to 11; the same receiver later differs.
    EXPECT_EQ(master.RigOpFunc_CheckInfoToInitInfo(Answer(15, 0x48, 0)), kInfoOk);
    EXPECT_EQ(Matrix(master.MatrixObj()), "11 am 0 cell 0 fmtv 1 exp 0 tv 0");
    EXPECT_EQ(master.RigOpFunc_CheckInfoToReadOrInfo(Answer(15, 0x48, 0)), kInfoVersionDiffers);
    // A malformed answer changes nothing.
    EXPECT_EQ(master.RigOpFunc_CheckInfoToInitInfo(Answer(12, 0, 0)), kInfoMalformed);
    EXPECT_EQ(master.MatrixObj().MtxVerNo(), 11);

    // Read and write need the same receiver but follow its options.
    ASSERT_EQ(master.RigOpFunc_CheckInfoToInitInfo(Answer(3, 0x40, 0)), kInfoOk);
    // Another version, AM not allowed, no FM TV, cellular blocked; the
    // general checks first; bits nobody reads.
    const std::pair<ByteStr, int> cases[] = {
        {Answer(4, 0x40, 0), kInfoVersionDiffers}, {Answer(3, 0x48, 0), kInfoVersionDiffers},
        {Answer(3, 0x00, 0), kInfoVersionDiffers}, {Answer(3, 0x60, 0), kInfoVersionDiffers},
        {ByteStr(25, 0), kInfoMalformed},          {Answer(3, 0x40 | 0x97, 0), kInfoOk}};
    for (const auto& [answer, code] : cases)
        EXPECT_EQ(master.RigOpFunc_CheckInfoToReadOrInfo(answer), code) << ByteStrToHexStr(answer);
    EXPECT_EQ(master.RigOpFunc_CheckInfoToReadOrInfo(Answer(3, 0x40, 0x07)), kInfoOk);
    EXPECT_EQ(Matrix(master.MatrixObj()), "3 am 1 cell 0 fmtv 1 exp 1 tv 3");
    // The write check prepares the image only on success.
    radio.eepImage.WriteByte(0x1F58, 0x33);
    EXPECT_EQ(master.RigOpFunc_CheckInfoToWrite(Answer(2, 0x40, 0)), kInfoVersionDiffers);
    EXPECT_EQ(radio.eepImage.ReadByte(0x1F58), 0x33);
    EXPECT_EQ(master.RigOpFunc_CheckInfoToWrite(Answer(3, 0x40, 0)), kInfoOk);
    EXPECT_EQ(radio.eepImage.ReadByte(0x1F58), 0);
    // A read image must end with the format tag; the comment before it does not count.
    radio.eepImage.WriteByte(0x1F6F, 'x');
    EXPECT_EQ(master.RigOpFunc_CheckReadedData(), kInfoOk);
    radio.eepImage.WriteByte(0x1F7F, '4');
    EXPECT_EQ(master.RigOpFunc_CheckReadedData(), kInfoReadImageBad);
}
